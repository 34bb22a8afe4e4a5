#include "editor/lang/SECEditLangConfigHint.h"

namespace {

// The identifier of hints ({92627E6B-AC36-42D7-9720-B79DC327041C}).  Its
// definition lives in the text library, which builds on this one, so the
// value is repeated here.
constexpr IID kHintIdentifier = {0x92627E6B, 0xAC36, 0x42D7, {0x97, 0x20, 0xB7, 0x9D, 0xC3, 0x27, 0x04, 0x1C}};

} // namespace

HRESULT SECEditLangConfigHint::QueryInterface(const IID &iid, void **ppv)
{
    if (iid == kHintIdentifier) {
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
