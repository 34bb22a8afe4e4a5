#include "ControllerTestSupport.h"

#include "framework/window/WindowInternals.h"

#include <QCoreApplication>

BEGIN_MESSAGE_MAP(CRecordingController, SECEditController)
ON_WM_CHAR()
END_MESSAGE_MAP()

BOOL CRecordingController::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (nCode == CN_COMMAND && IsPlugged())
        commands.push_back(nID);
    if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI) && !pHandlerInfo && IsPlugged())
        offered.push_back(nID);
    return SECEditController::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CRecordingController::OnChar(UINT nChar, UINT, UINT)
{
    chars.push_back(nChar);
}

IMPLEMENT_DYNCREATE(CControllerTestView, SECEditView)

SECEditTextBuffer *CControllerTestView::s_pNextBuffer = nullptr;
CControllerTestView::ControllerMaker CControllerTestView::s_pfnNextController = nullptr;

SECEditController *CControllerTestView::NewController()
{
    return m_pfnController ? m_pfnController() : SECEditView::NewController();
}

BEGIN_MESSAGE_MAP(CControllerTestView, SECEditView)
ON_WM_TIMER()
ON_WM_KILLFOCUS()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

void CControllerTestView::OnTimer(UINT_PTR nIDEvent)
{
    hostMessages.push_back(WM_TIMER);
    SECEditView::OnTimer(nIDEvent);
}

void CControllerTestView::OnKillFocus(CWnd *pNewWnd)
{
    hostMessages.push_back(WM_KILLFOCUS);
    SECEditView::OnKillFocus(pNewWnd);
}

void CControllerTestView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar)
{
    hostMessages.push_back(WM_VSCROLL);
    SECEditView::OnVScroll(nSBCode, nPos, pScrollBar);
}

BOOL CEditorPane::Create(SECEditTextBuffer *pBuffer, CControllerTestView::ControllerMaker pfnController,
                         const CRect &rect)
{
    if (!frame.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "Editor pane", WS_POPUP | WS_VISIBLE, rect, nullptr, 0))
        return FALSE;
    CControllerTestView::s_pNextBuffer = pBuffer;
    CControllerTestView::s_pfnNextController = pfnController;
    view = new CControllerTestView;
    CControllerTestView::s_pNextBuffer = nullptr;
    CControllerTestView::s_pfnNextController = nullptr;
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, rect.Width(), rect.Height()), &frame, 1)) {
        delete view;
        view = nullptr;
        return FALSE;
    }
    view->OnInitialUpdate();
    PumpEditorEvents();
    view->UpdateWindow();
    return Controller() != nullptr;
}

void CEditorPane::Destroy()
{
    // The view goes with its parent and deletes itself and its controller.
    if (frame.m_hWnd)
        frame.DestroyWindow();
    view = nullptr;
}

void CEditorPane::SetClientSize(int cx, int cy)
{
    CRect window, client;
    view->GetWindowRect(&window);
    view->GetClientRect(&client);
    const int width = cx + window.Width() - client.Width();
    const int height = cy + window.Height() - client.Height();
    CRect frameRect;
    frame.GetWindowRect(&frameRect);
    frame.MoveWindow(frameRect.left, frameRect.top, width, height);
    view->MoveWindow(0, 0, width, height);
    PumpEditorEvents();
    view->UpdateWindow();
}

BOOL CreatePlainWindow(CWnd &wnd, const CRect &rect)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), "Other window", WS_POPUP | WS_VISIBLE, rect, nullptr, 0);
}

void PumpEditorEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}
