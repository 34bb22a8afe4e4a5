// COleException: a failed data-object or drag-and-drop call, carrying its
// status code.
#pragma once

#include "framework/object/Exceptions.h"
#include "framework/shell/OleTypes.h"

class COleException : public CException {
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = E_FAIL);

    SCODE m_sc;
    // The status code of any exception: its own for an OLE exception,
    // E_OUTOFMEMORY for a memory exception, E_UNEXPECTED for the rest.
    static SCODE Process(const CException *pException);

protected:
    BOOL GetMessageText(CString &strMessage) const override;
};

#ifndef E_OUTOFMEMORY
#define E_OUTOFMEMORY ((HRESULT)0x8007000EL)
#endif
#ifndef E_UNEXPECTED
#define E_UNEXPECTED ((HRESULT)0x8000FFFFL)
#endif

[[noreturn]] void AfxThrowOleException(SCODE sc);
