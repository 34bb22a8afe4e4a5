#include "framework/shell/OleDispatchException.h"

IMPLEMENT_DYNAMIC(COleDispatchException, CException)

COleDispatchException::COleDispatchException(LPCTSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode), m_scError(0), m_dwHelpContext(nHelpID), m_strDescription(lpszDescription)
{
}

BOOL COleDispatchException::GetMessageText(CString &strMessage) const
{
    if (m_strDescription.IsEmpty())
        return FALSE;
    strMessage = m_strDescription;
    return TRUE;
}

void AfxThrowOleDispatchException(WORD wCode, LPCTSTR lpszDescription, UINT nHelpID)
{
    throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}
