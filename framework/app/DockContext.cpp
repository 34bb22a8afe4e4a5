#include "framework/app/DockContext.h"

#include "framework/app/AppIds.h"
#include "framework/app/DockBar.h"
#include "framework/app/FrameWnd.h"
#include "framework/app/MiniFrameWnd.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/WindowInternals.h"

#include <cstdlib>

namespace {

// The outline of a docked place, and the border of a floating frame.
constexpr int kDockedOutline = 2;

CBrush *WhiteBrush()
{
    static CBrush *pBrush = new CBrush(RGB(255, 255, 255));
    return pBrush;
}

BOOL IsHorz(DWORD dwStyle)
{
    return (dwStyle & CBRS_ORIENT_HORZ) != 0;
}
BOOL IsVert(DWORD dwStyle)
{
    return (dwStyle & CBRS_ORIENT_VERT) != 0;
}

// The frame dock bar ids a bar's place can be remembered in.
bool IsFrameDockBarId(UINT nID)
{
    return nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM;
}

CPoint MessagePoint(const MSG &msg)
{
    POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    ::ClientToScreen(msg.hwnd, &pt);
    return CPoint(pt);
}

} // namespace

CDockContext::CDockContext(CControlBar *pBar) : m_pBar(pBar)
{
    m_pDockSite = pBar != nullptr ? pBar->GetDockingFrame() : nullptr;
    m_dwMRUFloatStyle = CBRS_ALIGN_TOP;
}

CDockContext::~CDockContext()
{
    if (m_pDC != nullptr)
        CancelLoop();
}

// ---- The loop

void CDockContext::InitLoop()
{
    m_pDockSite = m_pBar->GetDockingFrame();
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle;
    m_bFlip = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    m_bForceFrame = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_dwOverDockStyle = 0;
    // The outline is drawn on the screen, over every window.
    HDC hdc = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    m_pDC = new CDC;
    if (hdc != nullptr)
        m_pDC->Attach(hdc);
}

void CDockContext::CancelLoop()
{
    if (m_pDC == nullptr)
        return;
    DrawFocusRect(TRUE);
    if (CWnd::GetCapture() == m_pBar)
        ::ReleaseCapture();
    HDC hdc = m_pDC->Detach();
    if (hdc != nullptr)
        ::ReleaseDC(nullptr, hdc);
    delete m_pDC;
    m_pDC = nullptr;
}

BOOL CDockContext::Track()
{
    // Another window holding the mouse means another mode is running.
    if (::GetCapture() != nullptr) {
        CancelLoop();
        return FALSE;
    }
    m_pBar->SetCapture();
    while (CWnd::GetCapture() == m_pBar) {
        MSG msg{};
        if (!::GetMessage(&msg, nullptr, 0, 0)) {
            // The program is ending: the loop's owner must see WM_QUIT too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            if (m_bDragging)
                EndDrag();
            else
                EndResize();
            return TRUE;
        case WM_MOUSEMOVE:
            if (m_bDragging)
                Move(MessagePoint(msg));
            else
                Stretch(MessagePoint(msg));
            break;
        case WM_KEYUP:
            if (m_bDragging)
                OnKey(static_cast<int>(msg.wParam), FALSE);
            break;
        case WM_KEYDOWN:
            if (m_bDragging)
                OnKey(static_cast<int>(msg.wParam), TRUE);
            if (msg.wParam == VK_ESCAPE) {
                CancelLoop();
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN: CancelLoop(); return FALSE;
        default: ::DispatchMessage(&msg); break;
        }
    }
    CancelLoop();
    return FALSE;
}

void CDockContext::MoveToContain(CRect &rect, CPoint pt)
{
    if (pt.x < rect.left)
        rect.OffsetRect(pt.x - rect.left, 0);
    else if (pt.x >= rect.right)
        rect.OffsetRect(pt.x + 2 - rect.right, 0);
    if (pt.y < rect.top)
        rect.OffsetRect(0, pt.y - rect.top);
    else if (pt.y >= rect.bottom)
        rect.OffsetRect(0, pt.y + 2 - rect.bottom);
}

// ---- Dragging

void CDockContext::StartDrag(CPoint pt)
{
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr || m_pDC != nullptr)
        return;
    InitLoop();
    m_bDragging = TRUE;
    m_ptLast = m_ptStart = pt;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    CSize sizeHorz, sizeVert, sizeFloatHorz, sizeFloatVert;
    if (m_dwStyle & CBRS_SIZE_DYNAMIC) {
        sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        sizeFloatHorz = sizeFloatVert = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    } else {
        sizeHorz = sizeFloatHorz = m_pBar->CalcFixedLayout(FALSE, TRUE);
        sizeVert = sizeFloatVert = m_pBar->CalcFixedLayout(FALSE, FALSE);
    }
    m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    m_rectFrameDragHorz = CRect(rect.TopLeft(), sizeFloatHorz);
    m_rectFrameDragVert = CRect(rect.TopLeft(), sizeFloatVert);
    // The floating frame it would get: with a sizing border for a bar that
    // sizes to its length.
    const DWORD dwFrameStyle = WS_CAPTION | ((m_dwStyle & CBRS_SIZE_DYNAMIC) ? WS_THICKFRAME : 0);
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz, dwFrameStyle);
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragVert, dwFrameStyle);
    for (CRect *pRect : {&m_rectDragHorz, &m_rectDragVert, &m_rectFrameDragHorz, &m_rectFrameDragVert})
        MoveToContain(*pRect, pt);
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
    Track();
}

void CDockContext::Move(CPoint pt)
{
    const CPoint offset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(offset);
    m_rectDragVert.OffsetRect(offset);
    m_rectFrameDragHorz.OffsetRect(offset);
    m_rectFrameDragVert.OffsetRect(offset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL)
        UpdateState(&m_bForceFrame, bDown);
    else if (nChar == VK_SHIFT)
        UpdateState(&m_bFlip, bDown);
}

void CDockContext::UpdateState(BOOL *pFlag, BOOL bNewValue)
{
    if (*pFlag == bNewValue)
        return;
    *pFlag = bNewValue;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

DWORD CDockContext::CanDock()
{
    if (m_pDockSite == nullptr)
        return 0;
    // The orientation the bar has (flipped with Shift) is tried first;
    // without Shift the other one may take it too.
    const BOOL bStyleHorz = IsHorz(m_dwStyle) != m_bFlip;
    DWORD dwDock = 0;
    if (bStyleHorz && IsHorz(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    else if (!bStyleHorz && IsVert(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
    if (!m_bFlip) {
        if (dwDock == 0 && IsHorz(m_dwDockStyle))
            dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
        if (dwDock == 0 && IsVert(m_dwDockStyle))
            dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
    }
    // A floating bar over its own floating frame just moves the frame.
    CDockBar *pOwn = m_pBar->m_pDockBar;
    if (dwDock != 0 && pOwn != nullptr && pOwn->m_bFloating && GetDockBar(dwDock) == pOwn)
        dwDock = 0;
    return dwDock;
}

CDockBar *CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    if (m_pDockSite == nullptr)
        return nullptr;
    CDockBar *pDockBar = nullptr;
    const DWORD dwStyle = dwOverDockStyle | (m_dwDockStyle & CBRS_FLOAT_MULTI);
    if (IsHorz(dwOverDockStyle))
        m_pDockSite->CanDock(m_rectDragHorz, dwStyle & ~CBRS_ORIENT_VERT, &pDockBar);
    else if (IsVert(dwOverDockStyle))
        m_pDockSite->CanDock(m_rectDragVert, dwStyle & ~CBRS_ORIENT_HORZ, &pDockBar);
    return pDockBar;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_pDC == nullptr || m_pDC->GetSafeHdc() == nullptr)
        return;
    CSize size(kDockedOutline, kDockedOutline);
    CBrush *pBrush = WhiteBrush();
    CRect rect;
    if (!m_bDragging) {
        rect = m_rectActualFrameSize;
        size = CSize(GetSystemMetrics(SM_CXFRAME) - 1, GetSystemMetrics(SM_CYFRAME) - 1);
        pBrush = CDC::GetHalftoneBrush();
    } else if (IsHorz(m_dwOverDockStyle)) {
        rect = m_rectDragHorz;
    } else if (IsVert(m_dwOverDockStyle)) {
        rect = m_rectDragVert;
    } else {
        rect = (IsHorz(m_dwStyle) != m_bFlip) ? m_rectFrameDragHorz : m_rectFrameDragVert;
        size = CSize(GetSystemMetrics(SM_CXFRAME) - 1, GetSystemMetrics(SM_CYFRAME) - 1);
        pBrush = CDC::GetHalftoneBrush();
    }
    if (bRemoveRect)
        size = CSize(0, 0);
    CBrush *pBrushLast = m_bDitherLast ? CDC::GetHalftoneBrush() : WhiteBrush();
    m_pDC->DrawDragRect(&rect, size, m_rectLast.IsRectNull() ? nullptr : &m_rectLast, m_sizeLast, pBrush, pBrushLast);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = pBrush == CDC::GetHalftoneBrush();
    if (bRemoveRect)
        m_rectLast.SetRectEmpty();
}

void CDockContext::RememberPlace()
{
    CDockBar *pDockBar = m_pBar->m_pDockBar;
    if (pDockBar == nullptr)
        return;
    if (pDockBar->m_bFloating) {
        // Where the desktop places windows itself, the point asked for is
        // kept: the frame's place is the desktop's choice, not the user's.
        if (Desktop::PlacesTopLevelWindows())
            return;
        CRect rect;
        pDockBar->GetParent()->GetWindowRect(&rect);
        m_ptMRUFloatPos = rect.TopLeft();
        return;
    }
    const UINT nID = pDockBar->GetDlgCtrlID();
    if (!IsFrameDockBarId(nID))
        return;
    m_uMRUDockID = nID;
    m_pBar->GetWindowRect(&m_rectMRUDockPos);
    pDockBar->ScreenToClient(&m_rectMRUDockPos);
}

void CDockContext::EndDrag()
{
    CancelLoop();
    if (m_dwOverDockStyle != 0) {
        CDockBar *pDockBar = GetDockBar(m_dwOverDockStyle);
        if (pDockBar == nullptr)
            return;
        CRect rect = IsVert(m_dwOverDockStyle) ? m_rectDragVert : m_rectDragHorz;
        if (m_pBar->IsFloating())
            RememberPlace();
        const UINT nID = pDockBar->GetDlgCtrlID();
        if (IsFrameDockBarId(nID)) {
            m_uMRUDockID = nID;
            m_rectMRUDockPos = rect;
            pDockBar->ScreenToClient(&m_rectMRUDockPos);
        }
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        m_pDockSite->RecalcLayout();
        return;
    }
    if (!m_pBar->IsFloating())
        RememberPlace();
    // Dynamic bars float as they are; others in the orientation they had
    // (flipped with Shift).
    const BOOL bHorz = (m_dwStyle & CBRS_SIZE_DYNAMIC) || (IsHorz(m_dwStyle) != m_bFlip);
    m_dwMRUFloatStyle = (bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI);
    m_ptMRUFloatPos = bHorz ? m_rectFrameDragHorz.TopLeft() : m_rectFrameDragVert.TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
}

// ---- Resizing

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr || m_pDC != nullptr || !m_pBar->IsFloating())
        return;
    InitLoop();
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    m_ptLast = m_ptStart = pt;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_rectActualSize = rect;
    m_rectRequestedSize = CRect(rect.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
    m_rectActualFrameSize = m_rectActualSize;
    CWnd *pFrame = m_pBar->GetParent() != nullptr ? m_pBar->GetParent()->GetParent() : nullptr;
    auto *pMini = dynamic_cast<CMiniFrameWnd *>(pFrame);
    CMiniFrameWnd::CalcBorders(&m_rectActualFrameSize,
                               pMini != nullptr ? pMini->GetMiniFrameStyle() : WS_THICKFRAME | WS_CAPTION);
    m_rectFrameBorders = CRect(
        m_rectActualSize.left - m_rectActualFrameSize.left, m_rectActualSize.top - m_rectActualFrameSize.top,
        m_rectActualFrameSize.right - m_rectActualSize.right, m_rectActualFrameSize.bottom - m_rectActualSize.bottom);
    DrawFocusRect();
    Track();
}

void CDockContext::Stretch(CPoint pt)
{
    const CPoint offset = pt - m_ptLast;
    const bool bLeft = m_nHitTest == HTLEFT || m_nHitTest == HTTOPLEFT || m_nHitTest == HTBOTTOMLEFT;
    const bool bRight = m_nHitTest == HTRIGHT || m_nHitTest == HTTOPRIGHT || m_nHitTest == HTBOTTOMRIGHT;
    const bool bTop = m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT;
    const bool bBottom = m_nHitTest == HTBOTTOM || m_nHitTest == HTBOTTOMLEFT || m_nHitTest == HTBOTTOMRIGHT;
    CSize size = m_rectActualSize.Size();
    if (bLeft || bRight) {
        (bLeft ? m_rectRequestedSize.left : m_rectRequestedSize.right) += offset.x;
        size = m_pBar->CalcDynamicLayout(std::max<int>(0, m_rectRequestedSize.Width()), LM_HORZ | LM_COMMIT);
    }
    if (bTop || bBottom) {
        (bTop ? m_rectRequestedSize.top : m_rectRequestedSize.bottom) += offset.y;
        size =
            m_pBar->CalcDynamicLayout(std::max<int>(0, m_rectRequestedSize.Height()), LM_LENGTHY | LM_HORZ | LM_COMMIT);
    }
    // The sides dragged move; the others stay.
    if (bLeft)
        m_rectActualSize.left = m_rectActualSize.right - size.cx;
    else
        m_rectActualSize.right = m_rectActualSize.left + size.cx;
    if (bTop)
        m_rectActualSize.top = m_rectActualSize.bottom - size.cy;
    else
        m_rectActualSize.bottom = m_rectActualSize.top + size.cy;
    m_rectActualFrameSize =
        CRect(m_rectActualSize.left - m_rectFrameBorders.left, m_rectActualSize.top - m_rectFrameBorders.top,
              m_rectActualSize.right + m_rectFrameBorders.right, m_rectActualSize.bottom + m_rectFrameBorders.bottom);
    m_ptLast = pt;
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    CancelLoop();
    m_pBar->CalcDynamicLayout(m_rectActualSize.Width(), LM_HORZ | LM_COMMIT);
    m_ptMRUFloatPos = m_rectActualFrameSize.TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos,
                                 CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_SIZE_DYNAMIC);
}

// ---- Double click

void CDockContext::DockAtRemembered(BOOL bWiden)
{
    CDockBar *pDockBar = m_uMRUDockID != 0 ? m_pDockSite->GetDockBar(m_uMRUDockID) : nullptr;
    if (pDockBar != nullptr) {
        CRect rect = m_rectMRUDockPos;
        pDockBar->ClientToScreen(&rect);
        if (bWiden)
            rect.right += 1;
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
    } else {
        m_pDockSite->DockControlBar(m_pBar);
    }
    m_pDockSite->RecalcLayout();
}

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->GetDockingFrame();
    if (m_pDockSite == nullptr || m_pDC != nullptr)
        return;
    if (m_pBar->IsFloating()) {
        // Back to the remembered docked place, when the bar may dock.
        if ((m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY) == 0)
            return;
        RememberPlace();
        DockAtRemembered(FALSE);
        return;
    }
    RememberPlace();
    CPoint ptFloat = m_ptMRUFloatPos;
    if (ptFloat.x < 0 || ptFloat.y < 0) {
        // Never floated: where it is docked now.
        ptFloat = m_rectMRUDockPos.TopLeft();
        if (CDockBar *pDockBar = m_pDockSite->GetDockBar(m_uMRUDockID))
            pDockBar->ClientToScreen(&ptFloat);
    }
    m_pDockSite->FloatControlBar(m_pBar, ptFloat, m_dwMRUFloatStyle | (m_pBar->m_dwDockStyle & CBRS_FLOAT_MULTI));
}
