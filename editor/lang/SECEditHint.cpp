#include "editor/lang/SECEditHint.h"

SECEditHint::SECEditHint(UINT nTypeId, LPCTSTR lpszText) : m_nTypeId(nTypeId), m_strText(lpszText)
{
}

bool SECEditHint::QueryInterface(const GUID &iid, void **ppv)
{
    if (iid == IID_SECEditHint) {
        *ppv = static_cast<ISECEditHint *>(this);
        return true;
    }
    *ppv = NULL;
    return false;
}

void SECEditHint::GetDescription(CString &description) const
{
    CString loaded;
    description = loaded.LoadString(m_nTypeId) ? loaded : m_strText;
}

int SECEditHint::Release()
{
    const int count = --m_nRefCount;
    if (count == 0)
        delete this;
    return count;
}
