#include "framework/app/MiniFrameWnd.h"

#include "framework/app/DockContext.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/WindowDC.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONUP()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_WM_CLOSE()
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

namespace {

// Posted to a floating frame its last bar left.
const UINT g_nEmptiedMessage = ::RegisterWindowMessage("PlexoFloatingFrameEmptied");

} // namespace

void PlexoFloatingFrameEmptied(CWnd *pFrame)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return;
    pFrame->ShowWindow(SW_HIDE);
    pFrame->PostMessage(g_nEmptiedMessage);
}

// ---- CMiniFrameWnd

int CMiniFrameWnd::BorderWidth(DWORD dwStyle)
{
    return (dwStyle & (WS_THICKFRAME | MFS_THICKFRAME)) ? GetSystemMetrics(SM_CXFRAME)
                                                        : GetSystemMetrics(SM_CXDLGFRAME);
}

void CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD)
{
    if (lpClientRect == nullptr)
        return;
    const int nBorder = BorderWidth(dwStyle);
    lpClientRect->left -= nBorder;
    lpClientRect->right += nBorder;
    lpClientRect->bottom += nBorder;
    lpClientRect->top -= nBorder;
    if ((dwStyle & WS_CAPTION) == WS_CAPTION)
        lpClientRect->top -= GetSystemMetrics(SM_CYSMCAPTION);
}

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                           UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                             const RECT &rect, CWnd *pParentWnd, UINT)
{
    // The caption is ours to draw: the desktop must not decorate the window.
    m_bCaption = (dwStyle & WS_CAPTION) == WS_CAPTION;
    dwStyle &= ~WS_CAPTION;
    if (!(dwStyle & WS_CHILD))
        dwStyle |= WS_POPUP;
    if (lpClassName == nullptr)
        lpClassName = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    m_strTitle = lpWindowName ? lpWindowName : "";
    return CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwStyle, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top,
                          pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nullptr, nullptr);
}

DWORD CMiniFrameWnd::GetMiniFrameStyle() const
{
    return GetStyle() | (m_bCaption ? WS_CAPTION : 0);
}

CRect CMiniFrameWnd::GetCaptionRect() const
{
    if (!m_bCaption)
        return CRect(0, 0, 0, 0);
    CRect rect;
    GetWindowRect(&rect);
    const int nBorder = BorderWidth(GetStyle());
    return CRect(nBorder, nBorder, std::max<int>(nBorder, rect.Width() - nBorder),
                 nBorder + GetSystemMetrics(SM_CYSMCAPTION));
}

CRect CMiniFrameWnd::GetCloseButtonRect() const
{
    CRect caption = GetCaptionRect();
    if (caption.IsRectEmpty())
        return caption;
    const int nSize = caption.Height() - 4;
    return CRect(caption.right - nSize - 4, caption.top + 2, caption.right - 2, caption.top + 2 + nSize);
}

void CMiniFrameWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS *lpncsp)
{
    RECT &rc = lpncsp->rgrc[0];
    const int nBorder = BorderWidth(GetStyle());
    const int nCaption = m_bCaption ? GetSystemMetrics(SM_CYSMCAPTION) : 0;
    rc.left += nBorder;
    rc.top += nBorder + nCaption;
    rc.right = std::max(rc.left, rc.right - nBorder);
    rc.bottom = std::max(rc.top, rc.bottom - nBorder);
}

void CMiniFrameWnd::DrawFrame(CDC *pDC)
{
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    // Raised edges, then the button face up to the border's width.
    pDC->Draw3dRect(&rect, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    rect.DeflateRect(1, 1);
    for (int i = 2; i < BorderWidth(GetStyle()); ++i) {
        pDC->Draw3dRect(&rect, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
        rect.DeflateRect(1, 1);
    }
    CRect caption = GetCaptionRect();
    if (caption.IsRectEmpty())
        return;
    pDC->FillSolidRect(&caption, GetSysColor(COLOR_ACTIVECAPTION));
    CRect button = GetCloseButtonRect();
    CRect text = caption;
    text.left += 3;
    text.right = button.left - 2;
    CString strTitle;
    GetWindowText(strTitle);
    CGdiObject *pOldFont = pDC->SelectStockObject(DEFAULT_GUI_FONT);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF crOld = pDC->SetTextColor(GetSysColor(COLOR_CAPTIONTEXT));
    pDC->DrawText(strTitle, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    pDC->DrawFrameControl(&button, DFC_CAPTION, DFCS_CAPTIONCLOSE | (m_bClosePressed ? DFCS_PUSHED : 0));
}

void CMiniFrameWnd::OnNcPaint()
{
    CWindowDC dc(this);
    DrawFrame(&dc);
}

LRESULT CMiniFrameWnd::OnNcHitTest(CPoint point)
{
    CRect window;
    GetWindowRect(&window);
    if (!window.PtInRect(point))
        return HTNOWHERE;
    CPoint pt(point.x - window.left, point.y - window.top);
    if (GetCloseButtonRect().PtInRect(pt))
        return HTCLOSE;
    if (GetCaptionRect().PtInRect(pt))
        return HTCAPTION;
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    if (client.PtInRect(point))
        return HTCLIENT;
    const DWORD dwStyle = GetStyle();
    if (!(dwStyle & (WS_THICKFRAME | MFS_THICKFRAME)))
        return HTBORDER;
    // The sizing border; corners count as the side they lie on with
    // MFS_4THICKFRAME.
    const int nCorner = GetSystemMetrics(SM_CYSMCAPTION);
    const bool bLeft = pt.x < BorderWidth(dwStyle);
    const bool bRight = pt.x >= window.Width() - BorderWidth(dwStyle);
    const bool bTop = pt.y < BorderWidth(dwStyle);
    const bool bBottom = pt.y >= window.Height() - BorderWidth(dwStyle);
    const bool bFourSides = (dwStyle & MFS_4THICKFRAME) != 0;
    const bool bNearLeft = pt.x < nCorner, bNearRight = pt.x >= window.Width() - nCorner;
    const bool bNearTop = pt.y < nCorner, bNearBottom = pt.y >= window.Height() - nCorner;
    if (!bFourSides) {
        if ((bTop && bNearLeft) || (bLeft && bNearTop))
            return HTTOPLEFT;
        if ((bTop && bNearRight) || (bRight && bNearTop))
            return HTTOPRIGHT;
        if ((bBottom && bNearLeft) || (bLeft && bNearBottom))
            return HTBOTTOMLEFT;
        if ((bBottom && bNearRight) || (bRight && bNearBottom))
            return HTBOTTOMRIGHT;
    }
    if (bLeft)
        return HTLEFT;
    if (bRight)
        return HTRIGHT;
    if (bTop)
        return HTTOP;
    if (bBottom)
        return HTBOTTOM;
    return HTBORDER;
}

BOOL CMiniFrameWnd::TrackMove(CPoint pt)
{
    if (::GetCapture() != nullptr)
        return FALSE;
    CRect rectStart;
    GetWindowRect(&rectStart);
    SetCapture();
    BOOL bMoved = FALSE;
    while (CWnd::GetCapture() == this) {
        MSG msg{};
        if (!::GetMessage(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        const bool bMouse = msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP;
        if (bMouse) {
            POINT ptNow{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            ::ClientToScreen(msg.hwnd, &ptNow);
            SetWindowPos(nullptr, rectStart.left + ptNow.x - pt.x, rectStart.top + ptNow.y - pt.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (msg.message == WM_LBUTTONUP) {
                bMoved = TRUE;
                break;
            }
        } else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN) {
            SetWindowPos(nullptr, rectStart.left, rectStart.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        } else if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) {
            ::DispatchMessage(&msg);
        }
    }
    if (CWnd::GetCapture() == this)
        ::ReleaseCapture();
    return bMoved;
}

void CMiniFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCLOSE) {
        m_bClosePressed = TRUE;
        SendMessage(WM_NCPAINT, 1);
        return;
    }
    if (nHitTest == HTCAPTION) {
        TrackMove(point);
        return;
    }
    CFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniFrameWnd::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    // The close button closes when the press and the release both lie on it.
    const BOOL bPressed = m_bClosePressed;
    m_bClosePressed = FALSE;
    if (bPressed) {
        SendMessage(WM_NCPAINT, 1);
        if (nHitTest == HTCLOSE) {
            SendMessage(WM_CLOSE);
            return;
        }
    }
    CFrameWnd::OnNcLButtonUp(nHitTest, point);
}

LRESULT CMiniFrameWnd::OnSetText(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    if (GetSafeHwnd() != nullptr && IsWindowVisible())
        SendMessage(WM_NCPAINT, 1);
    return lResult;
}

void CMiniFrameWnd::OnClose()
{
    // A tool window: no documents to ask about.
    DestroyWindow();
}

int CMiniFrameWnd::OnMouseActivate(CWnd *, UINT, UINT)
{
    // The frame that owns it stays the active window.
    return MA_NOACTIVATE;
}

// ---- CMiniDockFrameWnd

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_NCHITTEST()
ON_WM_CLOSE()
ON_REGISTERED_MESSAGE(g_nEmptiedMessage, OnEmptied)
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd *pParent, DWORD dwBarStyle)
{
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                    MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle |= WS_THICKFRAME;
    if (!CMiniFrameWnd::CreateEx(0, nullptr, "", dwStyle, CRect(0, 0, 0, 0), pParent))
        return FALSE;
    m_wndDockBar.m_pDockSite = dynamic_cast<CFrameWnd *>(pParent);
    DWORD dwDockStyle = (dwBarStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI)) | WS_VISIBLE;
    if (!(dwDockStyle & CBRS_ALIGN_ANY))
        dwDockStyle |= CBRS_ALIGN_TOP;
    if (!m_wndDockBar.Create(this, dwDockStyle, AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

CControlBar *CMiniDockFrameWnd::GetFirstBar() const
{
    for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i)
        if (CControlBar *pBar = m_wndDockBar.GetDockedBar(i))
            return pBar;
    return nullptr;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (GetSafeHwnd() == nullptr || m_wndDockBar.GetSafeHwnd() == nullptr)
        return;
    const CSize size = m_wndDockBar.CalcFixedLayout(FALSE, TRUE);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rect(rectWindow.TopLeft(), size);
    CalcBorders(&rect, GetMiniFrameStyle());
    if (rect.Size() != rectWindow.Size())
        SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndDockBar.MoveWindow(0, 0, size.cx, size.cy);
    if (CControlBar *pBar = GetFirstBar()) {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        CString strOld;
        GetWindowText(strOld);
        if (strOld != strTitle)
            SetWindowText(strTitle);
    }
}

LRESULT CMiniDockFrameWnd::OnNcHitTest(CPoint point)
{
    LRESULT nHit = CMiniFrameWnd::OnNcHitTest(point);
    // Only a bar that sizes to its length can be resized by the border.
    CControlBar *pBar = GetFirstBar();
    if (nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT && (pBar == nullptr || !(pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)))
        return HTBORDER;
    return nHit;
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar *pBar = GetFirstBar();
    CDockContext *pContext = pBar != nullptr ? pBar->m_pDockContext : nullptr;
    // The caption drags a lone bar (which may dock again); a frame that
    // bars share moves as a whole, its bars dragged by themselves.
    if (pContext != nullptr && nHitTest == HTCAPTION && !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI)) {
        pContext->StartDrag(point);
        return;
    }
    if (pContext != nullptr && nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT) {
        pContext->StartResize(static_cast<int>(nHitTest), point);
        return;
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar *pBar = GetFirstBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr) {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing hides the bars, as their View-menu toggles do; the frame
    // hides itself once no bar shows.
    CFrameWnd *pSite = m_wndDockBar.m_pDockSite;
    for (int i = m_wndDockBar.m_arrBars.GetSize() - 1; i >= 0; --i) {
        CControlBar *pBar = m_wndDockBar.GetDockedBar(i);
        if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
            continue;
        if (pSite != nullptr)
            pSite->ShowControlBar(pBar, FALSE, FALSE);
        else
            pBar->ShowWindow(SW_HIDE);
    }
    ShowWindow(SW_HIDE);
}

LRESULT CMiniDockFrameWnd::OnEmptied(WPARAM, LPARAM)
{
    if (m_wndDockBar.GetDockedCount() == 0)
        DestroyWindow();
    return 0;
}
