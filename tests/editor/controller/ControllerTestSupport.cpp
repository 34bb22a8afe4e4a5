#include "ControllerTestSupport.h"

#include "framework/window/WindowInternals.h"

#include <QCoreApplication>

CPoint CTestViewport::SetOrigin(int x, int y)
{
    CPoint old = origin;
    origin = CPoint(std::max(0, x), std::max(0, y));
    return old;
}

void CTestViewport::DPtoLP(LPPOINT lpPoints, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        lpPoints[i].x += origin.x;
        lpPoints[i].y += origin.y;
    }
}

void CTestViewport::LPtoDP(LPPOINT lpPoints, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        lpPoints[i].x -= origin.x;
        lpPoints[i].y -= origin.y;
    }
}

BOOL CTestHostWnd::Create(const CRect &rect)
{
    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS);
    return CreateEx(0, cls, "Editor host", WS_POPUP | WS_VISIBLE, rect, nullptr, 0);
}

BOOL CTestHostWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (pPlugIn && pPlugIn->OnWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    hostMessages.push_back(message);
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CTestHostWnd::PreTranslateMessage(MSG *pMsg)
{
    if (pPlugIn && pPlugIn->PreTranslateMessage(pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

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

void PumpEditorEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}
