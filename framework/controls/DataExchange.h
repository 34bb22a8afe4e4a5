// Dialog data exchange: DDX_ functions move a member to its control
// (m_bSaveAndValidate FALSE) or back (TRUE); DDV_ functions check the value
// that was just read. A value that fails shows the framework's message,
// puts the focus (and the selection) on the failing control and throws a
// CUserException, which UpdateData turns into FALSE.
#pragma once

#include "framework/base/CString.h"
#include "framework/window/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd *pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd *m_pDlgWnd;

    // The control with the id (remembered for a later Fail); an error when
    // the dialog has no such control.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last prepared control and stops the exchange.
    [[noreturn]] void Fail();

    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

void DDX_Text(CDataExchange *pDX, int nIDC, int &value);
void DDX_Text(CDataExchange *pDX, int nIDC, UINT &value);
void DDX_Text(CDataExchange *pDX, int nIDC, long &value);
// DWORD is UINT here: the UINT form serves both.
void DDX_Text(CDataExchange *pDX, int nIDC, CString &value);
void DDX_Check(CDataExchange *pDX, int nIDC, int &value);
// nIDC is the first button of the group (the one with WS_GROUP); value is
// the index of the checked button, -1 when none is.
void DDX_Radio(CDataExchange *pDX, int nIDC, int &value);
// Attaches the member to the control (subclassing it) the first time.
void DDX_Control(CDataExchange *pDX, int nIDC, CWnd &rControl);

void DDV_MinMaxInt(CDataExchange *pDX, int value, int minVal, int maxVal);
// The same check for values exchanged as unsigned numbers.
void DDV_MinMaxUInt(CDataExchange *pDX, UINT value, UINT minVal, UINT maxVal);
// Saving: fails when the text is longer; loading: limits the edit's text.
void DDV_MaxChars(CDataExchange *pDX, const CString &value, int nChars);

// Shows a data-exchange message to the user (the framework's message box).
void AfxDataExchangeMessage(LPCTSTR lpszText);
