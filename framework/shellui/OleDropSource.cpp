#include "framework/shellui/OleDropSource.h"

#include "framework/shellui/DragLoop.h"
#include "framework/window/InputApi.h"

#include <QElapsedTimer>

COleDropSource::COleDropSource() = default;

COleDropSource::~COleDropSource() = default;

BOOL COleDropSource::OnBeginDrag(CWnd *)
{
    // The drag belongs to the button that is down: the left one unless the
    // right one alone is held.
    const bool rightOnly = GetKeyState(VK_RBUTTON) < 0 && GetKeyState(VK_LBUTTON) >= 0;
    m_dwButtonDrop = rightOnly ? MK_RBUTTON : MK_LBUTTON;
    m_dwButtonCancel = rightOnly ? MK_LBUTTON : MK_RBUTTON;
    DragLoop::Begin(m_dwButtonDrop);
    m_bDragStarted = FALSE;
    if (m_rectStartDrag.IsRectEmpty()) {
        m_bDragStarted = TRUE;
        return TRUE;
    }
    constexpr UINT kTickMs = 10;
    QElapsedTimer held;
    held.start();
    for (;;) {
        DragLoop::Input input = DragLoop::Next(kTickMs);
        if (input.kind == DragLoop::Input::Quit || input.escape || !(input.keyState & m_dwButtonDrop) ||
            (input.keyState & m_dwButtonCancel))
            return FALSE;
        if (held.elapsed() >= nDragDelay ||
            (input.kind == DragLoop::Input::Mouse && !m_rectStartDrag.PtInRect(input.screen))) {
            m_bDragStarted = TRUE;
            return TRUE;
        }
    }
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel))
        return DRAGDROP_S_CANCEL;
    if (!(dwKeyState & m_dwButtonDrop))
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}
