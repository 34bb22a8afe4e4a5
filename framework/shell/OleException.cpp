#include "framework/shell/OleException.h"

#include "framework/object/GlobalMemory.h"

#include <cstdio>

IMPLEMENT_DYNAMIC(COleException, CException)

COleException::COleException(SCODE sc) : m_sc(sc) {}

SCODE COleException::Process(const CException *pException)
{
    if (!pException)
        return E_UNEXPECTED;
    if (pException->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<const COleException *>(pException)->m_sc;
    if (pException->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    return E_UNEXPECTED;
}

BOOL COleException::GetMessageText(CString &strMessage) const
{
    char text[64];
    std::snprintf(text, sizeof text, "OLE error 0x%08lX.", static_cast<unsigned long>(m_sc) & 0xFFFFFFFFUL);
    strMessage = text;
    return TRUE;
}

void AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}

void ReleaseStgMedium(LPSTGMEDIUM lpMedium)
{
    if (!lpMedium)
        return;
    if (lpMedium->tymed == TYMED_HGLOBAL && lpMedium->hGlobal)
        GlobalFree(lpMedium->hGlobal);
    lpMedium->tymed = TYMED_NULL;
    lpMedium->hGlobal = nullptr;
    lpMedium->pUnkForRelease = nullptr;
}
