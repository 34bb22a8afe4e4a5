// CWnd's wrappers of the window functions.
#include "framework/window/Wnd.h"

#include "framework/window/Menu.h"
#include "framework/window/MessageBoxApi.h"
#include "framework/window/ScrollBar.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/Rgn.h"
#include "framework/gdi/SystemColors.h"

#include <string>
#include <vector>

namespace {
CWnd *Wrap(HWND hWnd)
{
    return CWnd::FromHandle(hWnd);
}
} // namespace

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendNotifyMessage(m_hWnd, message, wParam, lParam);
}

// ---- Attributes

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE));
}
DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE));
}

namespace {
BOOL ModifyLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD style = static_cast<DWORD>(::GetWindowLong(hWnd, nIndex));
    DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLong(hWnd, nIndex, static_cast<LONG>(newStyle));
    if (nFlags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}
} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}
void CWnd::SetWindowText(LPCTSTR lpszString)
{
    ::SetWindowText(m_hWnd, lpszString);
}
int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    return PlexoShowMessageBox(m_hWnd, lpszText, lpszCaption, nType, 0);
}
int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
}
int CWnd::GetWindowTextLength() const
{
    return ::GetWindowTextLength(m_hWnd);
}

void CWnd::GetWindowText(CString &rString) const
{
    int length = GetWindowTextLength();
    std::vector<char> buffer(static_cast<size_t>(length) + 1, 0);
    int n = ::GetWindowText(m_hWnd, buffer.data(), length + 1);
    rString = CString(buffer.data(), n);
}

void CWnd::SetFont(CFont *pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
}

CFont *CWnd::GetFont() const
{
    auto hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0));
    return hFont ? CFont::FromHandle(hFont) : nullptr;
}

CMenu *CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}
BOOL CWnd::SetMenu(CMenu *pMenu)
{
    return ::SetMenu(m_hWnd, pMenu ? pMenu->m_hMenu : nullptr);
}
int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}
int CWnd::SetDlgCtrlID(int nID)
{
    return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, nID));
}
CWnd *CWnd::GetDlgItem(int nID) const
{
    return Wrap(::GetDlgItem(m_hWnd, nID));
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    ::SetWindowText(::GetDlgItem(m_hWnd, nID), lpszString);
}

int CWnd::GetDlgItemText(int nID, CString &rString) const
{
    rString.Empty();
    if (CWnd *pItem = GetDlgItem(nID))
        pItem->GetWindowText(rString);
    return rString.GetLength();
}

namespace {
const UINT kButtonGetCheck = 0x00F0; // BM_GETCHECK
const UINT kButtonSetCheck = 0x00F1; // BM_SETCHECK
} // namespace

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessage(::GetDlgItem(m_hWnd, nID), message, wParam, lParam);
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    std::string text = bSigned ? std::to_string(static_cast<int>(nValue)) : std::to_string(nValue);
    SetDlgItemText(nID, text.c_str());
}

UINT CWnd::GetDlgItemInt(int nID, BOOL *lpTrans, BOOL bSigned) const
{
    if (lpTrans)
        *lpTrans = FALSE;
    CString text;
    GetDlgItemText(nID, text);
    std::string digits = static_cast<LPCTSTR>(text);
    size_t first = digits.find_first_not_of(" \t");
    size_t last = digits.find_last_not_of(" \t");
    if (first == std::string::npos)
        return 0;
    digits = digits.substr(first, last - first + 1);
    bool negative = bSigned && !digits.empty() && digits[0] == '-';
    size_t start = negative ? 1 : 0;
    if (start >= digits.size() || digits.find_first_not_of("0123456789", start) != std::string::npos)
        return 0;
    unsigned long long value = 0;
    for (size_t i = start; i < digits.size(); ++i) {
        value = value * 10 + static_cast<unsigned>(digits[i] - '0');
        unsigned long long limit = bSigned ? (negative ? 2147483648ULL : 2147483647ULL) : 4294967295ULL;
        if (value > limit)
            return 0;
    }
    if (lpTrans)
        *lpTrans = TRUE;
    return negative ? static_cast<UINT>(-static_cast<long long>(value)) : static_cast<UINT>(value);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    SendDlgItemMessage(nIDButton, kButtonSetCheck, nCheck, 0);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return static_cast<UINT>(SendDlgItemMessage(nIDButton, kButtonGetCheck, 0, 0));
}

BOOL CWnd::SetProp(LPCTSTR lpszString, HANDLE hData)
{
    return ::SetProp(m_hWnd, lpszString, hData);
}
HANDLE CWnd::GetProp(LPCTSTR lpszString) const
{
    return ::GetProp(m_hWnd, lpszString);
}
HANDLE CWnd::RemoveProp(LPCTSTR lpszString)
{
    return ::RemoveProp(m_hWnd, lpszString);
}

// ---- Relations

CWnd *CWnd::GetParent() const
{
    return Wrap(::GetParent(m_hWnd));
}
CWnd *CWnd::SetParent(CWnd *pWndNewParent)
{
    return Wrap(::SetParent(m_hWnd, pWndNewParent ? pWndNewParent->m_hWnd : nullptr));
}
CWnd *CWnd::GetOwner() const
{
    return Wrap(::GetWindow(m_hWnd, GW_OWNER));
}
CWnd *CWnd::GetTopLevelParent() const
{
    return Wrap(::GetTopLevelWindow(m_hWnd));
}
CWnd *CWnd::GetWindow(UINT nCmd) const
{
    return Wrap(::GetWindow(m_hWnd, nCmd));
}
CWnd *CWnd::GetTopWindow() const
{
    return Wrap(::GetTopWindow(m_hWnd));
}
CWnd *CWnd::GetNextWindow(UINT nFlag) const
{
    return Wrap(::GetWindow(m_hWnd, nFlag));
}
BOOL CWnd::IsChild(const CWnd *pWnd) const
{
    return pWnd ? ::IsChild(m_hWnd, pWnd->m_hWnd) : FALSE;
}

CWnd *CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hChild) == nID) {
            CWnd *pWnd = bOnlyPerm ? FromHandlePermanent(hChild) : Wrap(hChild);
            if (pWnd)
                return pWnd;
        }
        if (CWnd *pChild = Wrap(hChild))
            if (CWnd *pFound = pChild->GetDescendantWindow(nID, bOnlyPerm))
                return pFound;
    }
    return nullptr;
}

// ---- Geometry

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}
void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd *pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}
void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}
void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}
void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::MapWindowPoints(CWnd *pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    ::MapWindowPoints(m_hWnd, pwndTo ? pwndTo->m_hWnd : nullptr, lpPoint, nCount);
}

void CWnd::MapWindowPoints(CWnd *pwndTo, LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, pwndTo ? pwndTo->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

CWnd *CWnd::WindowFromPoint(POINT point)
{
    return Wrap(::WindowFromPoint(point));
}
CWnd *CWnd::ChildWindowFromPoint(POINT point) const
{
    return Wrap(::ChildWindowFromPoint(m_hWnd, point));
}
CWnd *CWnd::ChildWindowFromPoint(POINT point, UINT nFlags) const
{
    return Wrap(::ChildWindowFromPointEx(m_hWnd, point, nFlags));
}

// ---- State

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}
BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}
BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}
BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}
BOOL CWnd::IsZoomed() const
{
    return ::IsZoomed(m_hWnd);
}
void CWnd::SetRedraw(BOOL bRedraw)
{
    SendMessage(WM_SETREDRAW, bRedraw, 0);
}

void CWnd::CenterWindow(CWnd *pAlternateOwner)
{
    CRect area;
    HWND hCenter = pAlternateOwner ? pAlternateOwner->m_hWnd
                                   : ((GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    if (hCenter && ::IsWindowVisible(hCenter) && !::IsIconic(hCenter))
        ::GetWindowRect(hCenter, &area);
    else
        area = CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    CRect rc;
    GetWindowRect(&rc);
    CPoint topLeft(area.left + (area.Width() - rc.Width()) / 2, area.top + (area.Height() - rc.Height()) / 2);
    if (GetStyle() & WS_CHILD) {
        // A child moves in its parent's client coordinates.
        ::ScreenToClient(::GetParent(m_hWnd), &topLeft);
    }
    SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Painting

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}
void CWnd::InvalidateRgn(CRgn *pRgn, BOOL bErase)
{
    ::InvalidateRgn(m_hWnd, pRgn ? static_cast<HRGN>(pRgn->GetSafeHandle()) : nullptr, bErase);
}
void CWnd::ValidateRect(LPCRECT lpRect)
{
    ::ValidateRect(m_hWnd, lpRect);
}
void CWnd::ValidateRgn(CRgn *pRgn)
{
    ::ValidateRgn(m_hWnd, pRgn ? static_cast<HRGN>(pRgn->GetSafeHandle()) : nullptr);
}
void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}
BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase)
{
    return ::GetUpdateRect(m_hWnd, lpRect, bErase);
}
int CWnd::GetUpdateRgn(CRgn *pRgn, BOOL bErase)
{
    return ::GetUpdateRgn(m_hWnd, pRgn ? static_cast<HRGN>(pRgn->GetSafeHandle()) : nullptr, bErase);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn *prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, prgnUpdate ? static_cast<HRGN>(prgnUpdate->GetSafeHandle()) : nullptr,
                          flags);
}

BOOL CWnd::LockWindowUpdate()
{
    return ::LockWindowUpdate(m_hWnd);
}
void CWnd::UnlockWindowUpdate()
{
    ::LockWindowUpdate(nullptr);
}
CDC *CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    return AfxDCFromHandle(::BeginPaint(m_hWnd, lpPaint));
}
void CWnd::EndPaint(LPPAINTSTRUCT lpPaint)
{
    ::EndPaint(m_hWnd, lpPaint);
}
CDC *CWnd::GetDC()
{
    return AfxDCFromHandle(::GetDC(m_hWnd));
}
CDC *CWnd::GetWindowDC()
{
    return AfxDCFromHandle(::GetWindowDC(m_hWnd));
}

CDC *CWnd::GetDCEx(CRgn *prgnClip, DWORD flags)
{
    HRGN hrgn = prgnClip ? static_cast<HRGN>(prgnClip->GetSafeHandle()) : nullptr;
    return AfxDCFromHandle(::GetDCEx(m_hWnd, hrgn, flags));
}

int CWnd::ReleaseDC(CDC *pDC)
{
    if (!pDC)
        return 0;
    // The wrapper is a temporary one of the handle; the handle goes back.
    HDC hdc = pDC->m_hDC;
    return ::ReleaseDC(m_hWnd, hdc);
}

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn *prgnUpdate,
                         LPRECT lpRectUpdate, UINT flags)
{
    return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip,
                            prgnUpdate ? static_cast<HRGN>(prgnUpdate->GetSafeHandle()) : nullptr, lpRectUpdate, flags);
}

// ---- Input

CWnd *CWnd::SetCapture()
{
    return Wrap(::SetCapture(m_hWnd));
}
CWnd *CWnd::GetCapture()
{
    return Wrap(::GetCapture());
}
CWnd *CWnd::SetFocus()
{
    return Wrap(::SetFocus(m_hWnd));
}
CWnd *CWnd::GetFocus()
{
    return Wrap(::GetFocus());
}
CWnd *CWnd::SetActiveWindow()
{
    return Wrap(::SetActiveWindow(m_hWnd));
}
CWnd *CWnd::GetActiveWindow()
{
    return Wrap(::GetActiveWindow());
}
BOOL CWnd::SetForegroundWindow()
{
    return ::SetForegroundWindow(m_hWnd);
}
CWnd *CWnd::GetForegroundWindow()
{
    return Wrap(::GetForegroundWindow());
}
UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}
BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}

// ---- Caret

void CWnd::CreateCaret(CBitmap *pBitmap)
{
    ::CreateCaret(m_hWnd, pBitmap ? static_cast<HBITMAP>(pBitmap->GetSafeHandle()) : nullptr, 0, 0);
}
void CWnd::CreateSolidCaret(int nWidth, int nHeight)
{
    ::CreateCaret(m_hWnd, nullptr, nWidth, nHeight);
}
void CWnd::CreateGrayCaret(int nWidth, int nHeight)
{
    ::CreateCaret(m_hWnd, reinterpret_cast<HBITMAP>(1), nWidth, nHeight);
}

CPoint CWnd::GetCaretPos()
{
    POINT pt{0, 0};
    ::GetCaretPos(&pt);
    return CPoint(pt);
}

void CWnd::SetCaretPos(POINT point)
{
    ::SetCaretPos(point.x, point.y);
}
void CWnd::HideCaret()
{
    ::HideCaret(m_hWnd);
}
void CWnd::ShowCaret()
{
    ::ShowCaret(m_hWnd);
}

// ---- Scroll bars

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    if (!lpScrollInfo)
        return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    if (!lpScrollInfo)
        return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

int CWnd::GetScrollPos(int nBar) const
{
    return ::GetScrollPos(m_hWnd, nBar);
}
int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}
void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}
void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}
void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow);
}
BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags)
{
    return ::EnableScrollBar(m_hWnd, static_cast<UINT>(nSBFlags), nArrowFlags);
}
CScrollBar *CWnd::GetScrollBarCtrl(int) const
{
    return nullptr;
}

int CWnd::GetScrollLimit(int nBar)
{
    SCROLLINFO info{};
    if (!GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE))
        return 0;
    int page = static_cast<int>(info.nPage);
    return plexoMax(info.nMin, info.nMax - plexoMax(page - 1, 0));
}

BOOL CWnd::BringWindowToTop()
{
    return ::BringWindowToTop(m_hWnd);
}
