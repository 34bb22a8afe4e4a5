#include "FrameTestSupport.h"

#include "framework/app/DocTemplate.h"
#include "framework/object/Exceptions.h"
#include "framework/settings/AppProfile.h"
#include "framework/shell/Instance.h"
#include "framework/window/MessageApi.h"
#include "framework/window/MessageBoxApi.h"
#include "framework/window/WindowApi.h"
#include "kilnsmith/frame/ResourceIds.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
BoxRecorder *g_pBoxes = nullptr;
} // namespace

BoxRecorder::BoxRecorder()
{
    g_pBoxes = this;
    m_pPrevious = reinterpret_cast<void *>(AfxSetMessageBoxHandler(&Handler));
}

BoxRecorder::~BoxRecorder()
{
    AfxSetMessageBoxHandler(reinterpret_cast<AfxMessageBoxHandler>(m_pPrevious));
    g_pBoxes = nullptr;
}

int BoxRecorder::Handler(LPCTSTR lpszText, UINT nType, UINT)
{
    BoxRecorder &self = *g_pBoxes;
    self.m_shown.push_back({lpszText, static_cast<LPCTSTR>(PlexoGetMessageBoxCaption()), nType});
    if (self.m_answers.empty())
        return PlexoMessageBoxDefault(nType);
    const int nAnswer = self.m_answers.front();
    self.m_answers.pop_front();
    return nAnswer;
}

IMPLEMENT_DYNCREATE(CFrameTestDoc, CDocument)
int CFrameTestDoc::s_nSaves = 0;

BOOL CFrameTestDoc::DoFileSave()
{
    ++s_nSaves;
    SetModifiedFlag(FALSE);
    return TRUE;
}

IMPLEMENT_DYNCREATE(CFrameTestView, CView)

void RegisterMainWindowClass()
{
    static const bool bRegistered = []() {
        WNDCLASS wc{};
        wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = &::DefWindowProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = KILNSMITH_WINDOW_CLASS;
        return AfxRegisterClass(&wc) != FALSE;
    }();
    ASSERT_TRUE(bRegistered);
}

void PumpMessages()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 50) {
        MSG msg;
        while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        QCoreApplication::processEvents();
    }
}

void FrameTestBase::SetUp()
{
    m_configHome = std::make_unique<ScopedEnv>("XDG_CONFIG_HOME", ConfigHome());
    RegisterMainWindowClass();
    m_pApp = new CWinApp("Plexo Kilnsmith");
    m_pApp->SetProgramPaths(m_folder.File("kilnsmith").c_str());
    m_pApp->InitApplication();
    m_pApp->SetRegistryKey("Kilnsmith");
    m_pApp->AddDocTemplate(new CMultiDocTemplate(IDR_KILNSMITHTYPE, RUNTIME_CLASS(CFrameTestDoc),
                                                 RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CFrameTestView)));
    CFrameTestDoc::s_nSaves = 0;
}

void FrameTestBase::TearDown()
{
    if (m_pApp->m_pMainWnd != nullptr && ::IsWindow(m_pApp->m_pMainWnd->GetSafeHwnd())) {
        m_pApp->CloseAllDocuments(TRUE);
        m_pApp->m_pMainWnd->DestroyWindow();
    }
    m_pApp->m_pMainWnd = nullptr;
    PumpMessages();
    delete m_pApp;
    m_pApp = nullptr;
    m_configHome.reset();
}

CMainFrame *FrameTestBase::CreateMainFrame()
{
    auto *pFrame = new CMainFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        // A frame whose creation failed has deleted itself.
        return nullptr;
    }
    m_pApp->m_pMainWnd = pFrame;
    m_pFrame = pFrame;
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    return pFrame;
}

CFrameTestDoc *FrameTestBase::NewDocument()
{
    m_pApp->OnFileNew();
    CMDIChildWnd *pChild = m_pFrame->MDIGetActive();
    return pChild != nullptr ? dynamic_cast<CFrameTestDoc *>(pChild->GetActiveDocument()) : nullptr;
}

std::string FrameTestBase::ProfileText() const
{
    return TempFolder::Read(static_cast<LPCTSTR>(PlexoGetAppProfile().GetProfilePath()));
}
