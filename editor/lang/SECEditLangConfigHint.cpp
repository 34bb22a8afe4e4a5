#include "editor/lang/SECEditLangConfigHint.h"

HRESULT SECEditLangConfigHint::QueryInterface(const IID &iid, void **ppv)
{
    if (iid == IID_SECEditHint) {
        *ppv = static_cast<SECEditHint *>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

void SECEditLangConfigHint::GetDescription(CString &description)
{
    CString loaded;
    description = loaded.LoadString(SECEDIT_HINT_INVALIDATE_COLORS)
                      ? loaded
                      : CString("Invalidate the coloring cache and refresh");
}

ULONG SECEditLangConfigHint::Release()
{
    const ULONG count = --m_nRefCount;
    if (count == 0)
        delete this;
    return count;
}
