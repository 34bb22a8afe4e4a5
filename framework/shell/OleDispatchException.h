// COleDispatchException: the error an automation object reports, such as the
// regular-expression object's syntax error.  It carries the object's error
// code, a description and the name of its source.
#pragma once

#include "framework/base/CString.h"
#include "framework/object/Exceptions.h"

class COleDispatchException : public CException {
    DECLARE_DYNAMIC(COleDispatchException)
public:
    COleDispatchException(LPCTSTR lpszDescription, UINT nHelpID, WORD wCode);

    WORD m_wCode;
    LONG m_scError;
    DWORD m_dwHelpContext;
    CString m_strHelpFile;
    CString m_strDescription;
    CString m_strSource;

protected:
    BOOL GetMessageText(CString &strMessage) const override;
};

[[noreturn]] void AfxThrowOleDispatchException(WORD wCode, LPCTSTR lpszDescription, UINT nHelpID = 0);
