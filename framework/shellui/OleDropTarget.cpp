#include "framework/shellui/OleDropTarget.h"

#include "framework/app/Document.h"
#include "framework/shellui/DesktopDrops.h"
#include "framework/shellui/DropTargetRegistry.h"
#include "framework/shellui/OleDataObject.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/Wnd.h"

#include <QElapsedTimer>

namespace {

DWORD Milliseconds()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return static_cast<DWORD>(clock.elapsed());
}

CView *ViewOf(CWnd *pWnd)
{
    return dynamic_cast<CView *>(pWnd);
}

// The effect the keys ask for: Ctrl copies, Ctrl+Shift or Alt links,
// anything else moves.
DROPEFFECT KeyEffect(DWORD dwKeyState)
{
    if ((dwKeyState & (MK_CONTROL | MK_SHIFT)) == (MK_CONTROL | MK_SHIFT) || (dwKeyState & MK_ALT))
        return DROPEFFECT_LINK;
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

} // namespace

COleDropTarget::COleDropTarget() = default;

COleDropTarget::~COleDropTarget()
{
    // Revoke is virtual: the base's own work is done here.
    COleDropTarget::Revoke();
}

BOOL COleDropTarget::Register(CWnd *pWnd)
{
    if (!pWnd || !IsWindow(pWnd->m_hWnd) || m_hWnd)
        return FALSE;
    HWND owner = nullptr;
    if (DropTargets::Find(pWnd->m_hWnd, &owner) && owner == pWnd->m_hWnd)
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    DropTargets::Add(m_hWnd, this);
    DesktopDrops::Listen(m_hWnd);
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (!m_hWnd)
        return;
    const bool mine = DropTargets::IsRegistered(this, m_hWnd);
    DropTargets::Remove(m_hWnd, this);
    if (mine)
        DesktopDrops::StopListening(m_hWnd);
    m_hWnd = nullptr;
    StopScrolling();
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd *pWnd, COleDataObject *pDataObject, DWORD dwKeyState, CPoint point)
{
    CView *view = ViewOf(pWnd);
    return view ? view->OnDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd *pWnd, COleDataObject *pDataObject, DWORD dwKeyState, CPoint point)
{
    CView *view = ViewOf(pWnd);
    return view ? view->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd *pWnd)
{
    if (CView *view = ViewOf(pWnd))
        view->OnDragLeave();
}

BOOL COleDropTarget::OnDrop(CWnd *pWnd, COleDataObject *pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    CView *view = ViewOf(pWnd);
    return view ? view->OnDrop(pDataObject, dropEffect, point) : FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd *pWnd, COleDataObject *pDataObject, DROPEFFECT dropDefault,
                                    DROPEFFECT dropList, CPoint point)
{
    CView *view = ViewOf(pWnd);
    return view ? view->OnDropEx(pDataObject, dropDefault, dropList, point) : static_cast<DROPEFFECT>(-1);
}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd *pWnd, DWORD dwKeyState, CPoint point)
{
    if (!pWnd || !IsWindow(pWnd->m_hWnd))
        return DROPEFFECT_NONE;
    HWND hWnd = pWnd->m_hWnd;
    const LONG style = GetWindowLong(hWnd, GWL_STYLE);
    CRect client;
    GetClientRect(hWnd, &client);
    CRect inner = client;
    inner.DeflateRect(nScrollInset, nScrollInset);
    int dx = 0;
    int dy = 0;
    if (client.PtInRect(point) && !inner.PtInRect(point)) {
        if (style & WS_HSCROLL)
            dx = point.x < inner.left ? -1 : (point.x >= inner.right ? 1 : 0);
        if (style & WS_VSCROLL)
            dy = point.y < inner.top ? -1 : (point.y >= inner.bottom ? 1 : 0);
    }
    if (dx == 0 && dy == 0) {
        StopScrolling();
        return DROPEFFECT_NONE;
    }
    const DWORD now = Milliseconds();
    if (!m_bScrolling) {
        m_bScrolling = true;
        m_dwNextScroll = now + nScrollDelay;
    } else if (static_cast<LONG>(now - m_dwNextScroll) >= 0) {
        if (dy)
            SendMessage(hWnd, WM_VSCROLL, MAKEWPARAM(dy < 0 ? SB_LINEUP : SB_LINEDOWN, 0), 0);
        if (dx)
            SendMessage(hWnd, WM_HSCROLL, MAKEWPARAM(dx < 0 ? SB_LINELEFT : SB_LINERIGHT, 0), 0);
        m_dwNextScroll = now + nScrollInterval;
    }
    return KeyEffect(dwKeyState) | DROPEFFECT_SCROLL;
}

void COleDropTarget::StopScrolling()
{
    m_bScrolling = false;
}

DROPEFFECT COleDropTarget::Step(HWND hWnd, COleDataObject *pDataObject, DWORD dwKeyState, POINT screen, bool enter)
{
    CWnd *pWnd = CWnd::FromHandle(hWnd);
    CPoint point(screen);
    ScreenToClient(hWnd, &point);
    DROPEFFECT scroll = OnDragScroll(pWnd, dwKeyState, point);
    if (enter) {
        // The target always hears the enter, so that it can set itself up.
        m_lastEffect = OnDragEnter(pWnd, pDataObject, dwKeyState, point);
    } else if (!(scroll & DROPEFFECT_SCROLL)) {
        m_lastEffect = OnDragOver(pWnd, pDataObject, dwKeyState, point);
    }
    return (scroll & DROPEFFECT_SCROLL) ? scroll : m_lastEffect;
}

DROPEFFECT COleDropTarget::PlexoEnter(HWND hWnd, COleDataObject *pDataObject, DWORD dwKeyState, POINT screen, DWORD)
{
    StopScrolling();
    m_lastEffect = DROPEFFECT_NONE;
    return Step(hWnd, pDataObject, dwKeyState, screen, true);
}

DROPEFFECT COleDropTarget::PlexoOver(HWND hWnd, COleDataObject *pDataObject, DWORD dwKeyState, POINT screen, DWORD)
{
    return Step(hWnd, pDataObject, dwKeyState, screen, false);
}

void COleDropTarget::PlexoLeave(HWND hWnd)
{
    StopScrolling();
    OnDragLeave(CWnd::FromHandle(hWnd));
}

DROPEFFECT COleDropTarget::PlexoDrop(HWND hWnd, COleDataObject *pDataObject, POINT screen, DWORD dwAllowed)
{
    StopScrolling();
    CWnd *pWnd = CWnd::FromHandle(hWnd);
    CPoint point(screen);
    ScreenToClient(hWnd, &point);
    const DROPEFFECT dropDefault = m_lastEffect & ~DROPEFFECT_SCROLL & dwAllowed;
    DROPEFFECT result = OnDropEx(pWnd, pDataObject, dropDefault, dwAllowed & ~DROPEFFECT_SCROLL, point);
    if (result != static_cast<DROPEFFECT>(-1))
        return result & ~DROPEFFECT_SCROLL;
    if (dropDefault == DROPEFFECT_NONE) {
        OnDragLeave(pWnd);
        return DROPEFFECT_NONE;
    }
    return OnDrop(pWnd, pDataObject, dropDefault, point) ? dropDefault : DROPEFFECT_NONE;
}
