// The hint a language configuration sends to its listeners when its
// character sets change: type 22583, "Invalidate the coloring cache and
// refresh" (the description is the string-table entry when there is one).
#pragma once

#include "editor/lang/SECEditHint.h"

constexpr int SECEDIT_HINT_INVALIDATE_COLORS = 22583;

class SECEditLangConfigHint : public SECEditHint {
public:
    SECEditLangConfigHint() = default;
    SECEditLangConfigHint(const SECEditLangConfigHint &) = delete;
    SECEditLangConfigHint &operator=(const SECEditLangConfigHint &) = delete;

    HRESULT QueryInterface(const IID &iid, void **ppv) override;
    int GetTypeId() override { return SECEDIT_HINT_INVALIDATE_COLORS; }
    void GetDescription(CString &description) override;
    ULONG AddRef() override { return ++m_nRefCount; }
    ULONG Release() override;

protected:
    ~SECEditLangConfigHint() override = default;

private:
    ULONG m_nRefCount = 1;
};
