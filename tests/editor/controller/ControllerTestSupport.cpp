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

void PumpEditorEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}
