// CMDIApp: the windows it binds together: the source documents' template
// and the main frame, and the About box.
#include "kilnsmith/wizard/KilnsmithAppIds.h"
#include "kilnsmith/app/MDIApp.h"

#include "kilnsmith/documents/ChildFrm.h"
#include "kilnsmith/documents/MDIDoc.h"
#include "kilnsmith/documents/MDIView.h"
#include "kilnsmith/frame/AboutDlg.h"
#include "kilnsmith/frame/FrameResources.h"
#include "kilnsmith/frame/MainFrm.h"

#include "framework/app/DocTemplate.h"

namespace {

constexpr UINT kMainFrameResource = 101;

} // namespace

void CMDIApp::RegisterWindowResources()
{
    RegisterFrameResources();
}

CDocTemplate *CMDIApp::CreateDocumentTemplate()
{
    return new CMultiDocTemplate(IDR_KILNSMITH_DOCUMENT, RUNTIME_CLASS(CMDIDoc), RUNTIME_CLASS(CChildFrame),
                                 RUNTIME_CLASS(CMDIView));
}

CFrameWnd *CMDIApp::CreateMainFrame()
{
    // A frame that fails to be made deletes itself as its window goes.
    CMainFrame *pFrame = new CMainFrame;
    if (!pFrame->LoadFrame(kMainFrameResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr))
        return nullptr;
    return pFrame;
}

void CMDIApp::OnAppAbout()
{
    CAboutBox aboutBox(m_pMainWnd);
    aboutBox.DoModal();
}
