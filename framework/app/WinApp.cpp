#include "framework/app/WinApp.h"

#include "framework/app/CommandLineInfo.h"
#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/FilePrompt.h"
#include "framework/app/RecentFileList.h"
#include "framework/app/SessionEnd.h"
#include "framework/settings/AppProfile.h"
#include "framework/window/Menu.h"
#include "framework/window/MessageBoxApi.h"
#include "framework/window/MessageApi.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>

#include <memory>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, OnOpenRecentFile)
ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

namespace {

CWinApp *g_pApp = nullptr;
thread_local bool g_bOleInitialised = false;

BOOL IdleHook(LONG lCount)
{
    return g_pApp ? g_pApp->OnIdle(lCount) : FALSE;
}

BOOL PreTranslateHook(MSG *pMsg)
{
    return g_pApp ? g_pApp->PreTranslateMessage(pMsg) : FALSE;
}

} // namespace

CWinApp *AfxGetApp()
{
    return g_pApp;
}

LPCTSTR AfxGetAppName()
{
    return g_pApp ? g_pApp->m_pszAppName : "";
}

BOOL AfxEnableControlContainer()
{
    return TRUE;
}

BOOL AfxOleInit()
{
    g_bOleInitialised = true;
    return TRUE;
}

BOOL AfxOleIsInitialized()
{
    return g_bOleInitialised;
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    if (lpszAppName != nullptr)
        m_strAppName = lpszAppName;
    m_pszAppName = m_strAppName;
    g_pApp = this;
}

void CWinApp::DeleteDocTemplates()
{
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate *>(m_templateList.RemoveHead());
}

CWinApp::~CWinApp()
{
    DeleteDocTemplates();
    delete m_pRecentFileList;
    if (g_pApp == this) {
        g_pApp = nullptr;
        PlexoSetIdleHook(nullptr);
        PlexoSetPreTranslateHook(nullptr);
    }
}

void CWinApp::SetProgramPaths(LPCTSTR lpszProgramPath)
{
    CString strPath = lpszProgramPath ? lpszProgramPath : "";
    int nSlash = strPath.ReverseFind('/');
    CString strFolder = nSlash < 0 ? CString(".") : strPath.Left(nSlash);
    CString strName = nSlash < 0 ? strPath : strPath.Mid(nSlash + 1);
    m_strExeName = strName;
    m_pszExeName = m_strExeName;
    m_strHelpFilePath = strFolder + "/" + strName + ".hlp";
    m_pszHelpFilePath = m_strHelpFilePath;
    if (m_strAppName.IsEmpty() && !m_strAppName.LoadString(AFX_IDS_APP_TITLE))
        m_strAppName = strName;
    m_pszAppName = m_strAppName;
    PlexoSetMessageBoxTitle(m_strAppName);
    PlexoGetAppProfile().SetProgramName(strName);
    m_strProfileName = strName;
    m_pszProfileName = m_strProfileName;
}

BOOL CWinApp::InitApplication()
{
    PlexoSetIdleHook(&IdleHook);
    PlexoSetPreTranslateHook(&PreTranslateHook);
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    if (m_pRecentFileList != nullptr)
        SaveStdProfileSettings();
    return PlexoQuitCode();
}

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr || m_pMainWnd->GetSafeHwnd() == nullptr) {
        // Nothing to run: the program ends at once.
        return ExitInstance();
    }
    // The loop starts with idle time, as after any message: a dialog shown
    // before the main window existed (a first-start welcome) may have spent
    // the last idle time, and the new window's bars wait for one.
    PlexoSetIdleHook(&IdleHook);
    // Qt's event loop dispatches the queued messages (with pre-translation)
    // and gives the idle time when it is about to wait; the loop ends at
    // WM_QUIT.
    for (;;) {
        MSG msg{};
        if (::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            break;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    }
    return ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount == 0) {
        if (m_pMainWnd != nullptr && m_pMainWnd->GetSafeHwnd() != nullptr) {
            m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    if (lCount == 1) {
        CWnd::DeleteTempMap();
        CMenu::DeleteTempMap();
    }
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG *pMsg)
{
    // The target window and its parents (the frames translate their
    // accelerators there).
    HWND hStop = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    return CWnd::WalkPreTranslateTree(hStop, pMsg);
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    return PlexoShowMessageBox(nullptr, lpszPrompt, m_pszAppName, nType, nIDPrompt);
}

// ---- Profile

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey ? lpszRegistryKey : "";
    m_pszRegistryKey = m_strRegistryKey;
    PlexoGetAppProfile().SetRegistryKey(m_strRegistryKey, m_strAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    m_nMaxRecent = nMaxMRU;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU == 0)
        return;
    m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", static_cast<int>(nMaxMRU));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    return PlexoGetAppProfile().GetProfileInt(lpszSection, lpszEntry, nDefault);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    return PlexoGetAppProfile().GetProfileString(lpszSection, lpszEntry, lpszDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    return PlexoGetAppProfile().WriteProfileInt(lpszSection, lpszEntry, nValue);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    return PlexoGetAppProfile().WriteProfileString(lpszSection, lpszEntry, lpszValue);
}

// ---- Command line

void CWinApp::ParseCommandLine(CCommandLineInfo &rCmdInfo)
{
    for (int i = 1; i < __argc; ++i) {
        LPCTSTR pszParam = __argv[i];
        // Switches are "-x" (and "--x"); "/path/file" is a file here.
        BOOL bFlag = pszParam[0] == '-' && pszParam[1] != '\0';
        if (bFlag) {
            ++pszParam;
            if (*pszParam == '-')
                ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, i == __argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo &rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew: OnFileNew(); return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Printing from the command line opens the document; the print
        // loop is the printing layer's.
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::AppRegister:
    case CCommandLineInfo::AppUnregister:
        // Nothing is registered with the desktop: done, and the program ends.
        return FALSE;
    default: return TRUE;
    }
}

// ---- The program's entry

int AfxWinMain(int argc, char **argv)
{
    CWinApp *pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    // A program's main needs no toolkit of its own: the desktop connection
    // is made here unless the caller made it already.  Qt keeps a reference
    // to the argument count, so it lives as long as the connection.
    static int s_argc = 0;
    std::unique_ptr<QApplication> pDesktop;
    if (QCoreApplication::instance() == nullptr) {
        s_argc = argc;
        pDesktop = std::make_unique<QApplication>(s_argc, argv);
    }
    pApp->__argc = argc;
    pApp->__argv = argv;
    pApp->SetProgramPaths(argc > 0 ? argv[0] : "program");
    int nExitCode = 0;
    if (!pApp->InitApplication() || !pApp->InitInstance()) {
        if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->GetSafeHwnd() != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        nExitCode = pApp->ExitInstance();
    } else {
        PlexoWatchSessionEnd();
        nExitCode = pApp->Run();
    }
    pApp->CloseAllDocuments(TRUE);
    pApp->DeleteDocTemplates();
    return nExitCode;
}
