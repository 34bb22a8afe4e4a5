// The data exchange functions and their messages.
#include "framework/controls/DataExchange.h"
#include "framework/controls/ControlStyles.h"
#include "framework/controls/DialogManager.h"

#include "framework/object/Exceptions.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

const char kEnterInteger[] = "Please enter an integer.";
const char kEnterPositive[] = "Please enter a positive integer.";

CString SignedText(long long value)
{
    CString text;
    text.Format("%lld", value);
    return text;
}

CString UnsignedText(unsigned long long value)
{
    CString text;
    text.Format("%llu", value);
    return text;
}

CString ControlText(HWND h)
{
    CString text;
    int n = GetWindowTextLength(h);
    GetWindowText(h, text.GetBuffer(n + 1), n + 1);
    text.ReleaseBuffer();
    return text;
}

// Reads a whole number with optional spaces around it and a sign; FALSE
// for anything else, or a number outside [minValue, maxValue].
bool ParseNumber(const CString &text, long long minValue, long long maxValue, long long &value)
{
    const char *p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    const char *start = p;
    if (*p == '+' || *p == '-')
        ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return false;
    while (std::isdigit(static_cast<unsigned char>(*p)))
        ++p;
    const char *end = p;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p)
        return false;
    errno = 0;
    long long parsed = std::strtoll(CString(start, static_cast<int>(end - start)), nullptr, 10);
    if (errno == ERANGE || parsed < minValue || parsed > maxValue)
        return false;
    value = parsed;
    return true;
}

template <class T>
void TextSigned(CDataExchange *pDX, int nIDC, T &value)
{
    HWND h = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        SetWindowText(h, SignedText(static_cast<long long>(value)));
        return;
    }
    long long parsed = 0;
    if (!ParseNumber(ControlText(h), std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), parsed)) {
        AfxDataExchangeMessage(kEnterInteger);
        pDX->Fail();
    }
    value = static_cast<T>(parsed);
}

template <class T>
void TextUnsigned(CDataExchange *pDX, int nIDC, T &value)
{
    HWND h = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        SetWindowText(h, UnsignedText(static_cast<unsigned long long>(value)));
        return;
    }
    long long parsed = 0;
    if (!ParseNumber(ControlText(h), 0, static_cast<long long>(std::numeric_limits<T>::max()), parsed)) {
        AfxDataExchangeMessage(kEnterPositive);
        pDX->Fail();
    }
    value = static_cast<T>(parsed);
}

bool StartsGroup(HWND h)
{
    return (GetWindowLong(h, GWL_STYLE) & WS_GROUP) != 0;
}

bool IsRadio(HWND h)
{
    return (SendMessage(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

} // namespace

void AfxDataExchangeMessage(LPCTSTR lpszText)
{
    // The installed handler is read by swapping it out and back.
    AfxMessageBoxHandler handler = AfxSetMessageBoxHandler(nullptr);
    AfxSetMessageBoxHandler(handler);
    if (handler)
        handler(lpszText, MB_OK | MB_ICONEXCLAMATION, 0);
    else
        std::fprintf(stderr, "%s\n", lpszText);
}

CDataExchange::CDataExchange(CWnd *pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND h = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC) : nullptr;
    if (!h) {
        AfxDataExchangeMessage("The dialog has no control with the id " + SignedText(nIDC) + ".");
        AfxThrowUserException();
    }
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return h;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND h = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return h;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_pDlgWnd && m_idLastControl) {
        HWND hDlg = m_pDlgWnd->GetSafeHwnd();
        if (HWND h = ::GetDlgItem(hDlg, m_idLastControl)) {
            PlexoGotoDlgCtrl(hDlg, h);
            if (m_bEditLastControl)
                SendMessage(h, EM_SETSEL, 0, -1);
        }
    }
    AfxThrowUserException();
}

void DDX_Text(CDataExchange *pDX, int nIDC, int &value)
{
    TextSigned(pDX, nIDC, value);
}

void DDX_Text(CDataExchange *pDX, int nIDC, long &value)
{
    // A long holds 32 bits where dialogs were designed; so does its range here.
    int value32 = static_cast<int>(value);
    TextSigned(pDX, nIDC, value32);
    value = value32;
}

void DDX_Text(CDataExchange *pDX, int nIDC, UINT &value)
{
    TextUnsigned(pDX, nIDC, value);
}

void DDX_Text(CDataExchange *pDX, int nIDC, CString &value)
{
    HWND h = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(h);
    else
        SetWindowText(h, value);
}

void DDX_Check(CDataExchange *pDX, int nIDC, int &value)
{
    HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(SendMessage(h, BM_GETCHECK, 0, 0));
    else
        SendMessage(h, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange *pDX, int nIDC, int &value)
{
    HWND first = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND h = first; h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (h != first && StartsGroup(h))
            break;
        if (!IsRadio(h))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED && value == -1)
                value = index;
        } else {
            SendMessage(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Control(CDataExchange *pDX, int nIDC, CWnd &rControl)
{
    if (rControl.GetSafeHwnd())
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(h)) {
        AfxDataExchangeMessage("The control with the id " + SignedText(nIDC) + " is taken by another object.");
        AfxThrowUserException();
    }
}

// Tells the user the range an integer must lie in and fails the exchange.
static void FailIntegerRange(CDataExchange *pDX, const CString &minText, const CString &maxText)
{
    CString text("Please enter an integer between %1 and %2.");
    text.Replace("%1", minText);
    text.Replace("%2", maxText);
    AfxDataExchangeMessage(text);
    pDX->Fail();
}

void DDV_MinMaxInt(CDataExchange *pDX, int value, int minVal, int maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailIntegerRange(pDX, SignedText(minVal), SignedText(maxVal));
}

void DDV_MinMaxUInt(CDataExchange *pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
        FailIntegerRange(pDX, UnsignedText(minVal), UnsignedText(maxVal));
}

void DDV_MaxChars(CDataExchange *pDX, const CString &value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->m_bEditLastControl && pDX->m_idLastControl && pDX->m_pDlgWnd)
            if (HWND h = ::GetDlgItem(pDX->m_pDlgWnd->GetSafeHwnd(), pDX->m_idLastControl))
                SendMessage(h, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
        return;
    }
    if (value.GetLength() <= nChars)
        return;
    CString text("Please enter no more than %1 characters.");
    text.Replace("%1", SignedText(nChars));
    AfxDataExchangeMessage(text);
    pDX->Fail();
}
