// A plain hint: a type id whose description is its string-table entry.
// Sent to observers to say what changed (22583: the colours must be worked
// out again).
#pragma once

#include "editor/lang/SECEditInterfaces.h"

// Hint type ids (they are also the ids of their description strings).
enum : UINT {
    SECEDIT_HINT_FONT_UPDATE = 22575,
    SECEDIT_HINT_SPLITTER_SYNC = 22576,
    SECEDIT_HINT_LINE_COUNT = 22581,
    SECEDIT_HINT_INIT_CONTROLLER = 22582,
    SECEDIT_HINT_INVALIDATE_COLORS = 22583,
    SECEDIT_HINT_INVALIDATE_GUTTER = 22584,
    SECEDIT_HINT_INVALIDATE_LINES = 22585,
};

class SECEditHint : public ISECEditHint, public ISECEditRefCount {
public:
    // lpszText is the description used when the string table has no entry
    // for nTypeId.
    SECEditHint(UINT nTypeId, LPCTSTR lpszText);
    SECEditHint(const SECEditHint &) = delete;
    SECEditHint &operator=(const SECEditHint &) = delete;

    bool QueryInterface(const GUID &iid, void **ppv) override;
    UINT GetTypeId() const override { return m_nTypeId; }
    void GetDescription(CString &description) const override;
    int AddRef() override { return ++m_nRefCount; }
    int Release() override;

protected:
    virtual ~SECEditHint() = default;

private:
    UINT m_nTypeId;
    CString m_strText;
    int m_nRefCount = 1;
};
