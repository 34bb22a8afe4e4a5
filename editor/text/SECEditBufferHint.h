// The plain change notices of a text buffer (fonts changed, text replaced,
// colours to work out again, marks changed, lines to repaint).  Undo records
// are the other kind of notice: they describe a text change themselves.
#pragma once

#include "editor/lang/SECEditHint.h"

enum SECEditHintId {
    SECEDIT_HINT_FONT_UPDATE = 22575,
    SECEDIT_HINT_SPLITTER_SYNC = 22576,
    SECEDIT_HINT_LINE_COUNT = 22581,
    SECEDIT_HINT_INITIALIZE = 22582,
    SECEDIT_HINT_RECOLOR = 22583,
    SECEDIT_HINT_GUTTER = 22584,
    SECEDIT_HINT_INVALIDATE_LINES = 22585,
    SECEDIT_HINT_TEXT_COMMAND = 22586,
    SECEDIT_HINT_COMPOSITE = 22587,
    // Around an undo or a redo, whose records arrive one by one in between:
    // what depends only on where the changes end can wait for the end.
    SECEDIT_HINT_HISTORY_BEGIN = 22590,
    SECEDIT_HINT_HISTORY_END = 22591,
};

// The editor's message texts, by string id.
enum SECEditMessageId {
    SECEDIT_MSG_STATUS_POSITION = 22579,
    SECEDIT_MSG_READ_ONLY = 22600,
};

class SECEditBufferHint : public SECEditHint {
public:
    // For 22585 the first and last line fill the description's format.
    explicit SECEditBufferHint(int typeId, int firstLine = 0, int lastLine = 0);
    SECEditBufferHint(const SECEditBufferHint &) = delete;
    SECEditBufferHint &operator=(const SECEditBufferHint &) = delete;

    HRESULT QueryInterface(const IID &iid, void **ppv) override;
    int GetTypeId() override { return m_nTypeId; }
    // The hint's string resource (formatted with the lines for 22585).
    void GetDescription(CString &description) override;
    ULONG AddRef() override { return ++m_nRefCount; }
    ULONG Release() override;

    int GetFirstLine() const { return m_nFirstLine; }
    int GetLastLine() const { return m_nLastLine; }

protected:
    ~SECEditBufferHint() override = default;

private:
    int m_nTypeId;
    int m_nFirstLine;
    int m_nLastLine;
    ULONG m_nRefCount = 1;
};

// The string resource nID of the editor (registered with the text library).
CString SECEditLoadString(UINT nID);
