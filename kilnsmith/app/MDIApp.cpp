// CMDIApp: start-up and shutdown.  The commands are in MDIAppCommands.cpp.
#include "kilnsmith/app/MDIApp.h"

#include "kilnsmith/wizard/AppResources.h"
#include "kilnsmith/wizard/LanguageSetup.h"
#include "kilnsmith/wizard/WorkFolder.h"
#include "kilnsmith/frame/OpenFilesMessage.h"

#include "editor/lang/SECEditLangRegistry.h"

#include "framework/app/CommandLineInfo.h"
#include "framework/app/DocTemplate.h"
#include "framework/app/FrameWnd.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/settings/AppProfile.h"
#include "framework/shellui/FindWindow.h"
#include "framework/shell/Instance.h"
#include "framework/window/CursorApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowApi.h"

#include <vector>

namespace {

// The profile's file and folder name, whatever the executable is called.
constexpr LPCTSTR kProfileProgram = "kilnsmith";
constexpr LPCTSTR kRegistryKey = "Kilnsmith";
constexpr UINT kRecentFiles = 4;
constexpr UINT kMainIcon = 101;
// CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS
constexpr UINT kMainWindowClassStyle = 11;

// The standard command line, keeping every further file named after the
// first so that they can be opened too.
class CKilnsmithCommandLineInfo : public CCommandLineInfo {
public:
    void ParseParam(LPCTSTR lpszParam, BOOL bFlag, BOOL bLast) override
    {
        const BOOL bHadFile = !m_strFileName.IsEmpty();
        CCommandLineInfo::ParseParam(lpszParam, bFlag, bLast);
        if (!bFlag && bHadFile && m_nShellCommand == FileOpen)
            m_furtherFiles.emplace_back(lpszParam);
    }
    std::vector<CString> m_furtherFiles;
};

} // namespace

CMDIApp::CMDIApp()
{
    m_documentSettings.m_bUseSplitter = TRUE;
    CDocumentSettings::Install(&m_documentSettings);
    KilnsmithRegisterAppResources();
}

// The settings uninstall themselves as the member goes.
CMDIApp::~CMDIApp() = default;

CMDIApp *KilnsmithGetApp()
{
    return dynamic_cast<CMDIApp *>(AfxGetApp());
}

BOOL CMDIApp::InitInstance()
{
    Enable3dControls();
    AfxOleInit();
    if (!FirstInstance())
        return FALSE;
    if (!RegisterMainWindowClass())
        return FALSE;

    PlexoGetAppProfile().SetProgramName(kProfileProgram);
    SetRegistryKey(kRegistryKey);
    LoadStdProfileSettings(kRecentFiles);

    RegisterKilnsmithLanguages();
    m_documentSettings.AddStandardExtensions();

    m_strWorkFolder = ChooseWorkFolder(GetProfileString("Settings", "Work Folder", ""));
    PrepareWorkFolder(m_strWorkFolder);

    CDocTemplate *pTemplate = CreateDocumentTemplate();
    if (pTemplate == nullptr)
        return FALSE;
    AddDocTemplate(pTemplate);

    CFrameWnd *pMainFrame = CreateMainFrame();
    if (pMainFrame == nullptr)
        return FALSE;
    m_pMainWnd = pMainFrame;

    if (!ProcessCommandLine())
        return FALSE;

    const BOOL bStartMinimized = GetProfileInt("Settings", "Start minimized", 0) != 0;
    m_pMainWnd->ShowWindow(bStartMinimized ? SW_MINIMIZE : SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CMDIApp::ExitInstance()
{
    SECEditSaveLanguages(nullptr);
    if (m_bClassRegistrationTried) {
        ::UnregisterClass(KILNSMITH_MAIN_WINDOW_CLASS, AfxGetInstanceHandle());
        m_bClassRegistrationTried = FALSE;
    }
    return CWinApp::ExitInstance();
}

BOOL CMDIApp::FirstInstance()
{
    HWND hRunning = ::FindWindow(KILNSMITH_MAIN_WINDOW_CLASS, nullptr);
    if (hRunning == nullptr)
        return TRUE;
    HWND hPopup = ::GetLastActivePopup(hRunning);
    if (::IsIconic(hRunning))
        ::ShowWindow(hRunning, SW_RESTORE);
    ::SetForegroundWindow(hPopup != nullptr ? hPopup : hRunning);
    HandFilesTo(hRunning);
    return FALSE;
}

void CMDIApp::HandFilesTo(HWND hRunning)
{
    // A start with files ("Open with" from a file manager) has the running
    // copy open them; this copy shows nothing and leaves the profile alone.
    CKilnsmithCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (cmdInfo.m_nShellCommand != CCommandLineInfo::FileOpen || cmdInfo.m_strFileName.IsEmpty())
        return;
    std::vector<CString> paths{cmdInfo.m_strFileName};
    paths.insert(paths.end(), cmdInfo.m_furtherFiles.begin(), cmdInfo.m_furtherFiles.end());
    std::string data = EncodeOpenFiles(paths);
    COPYDATASTRUCT copy{kOpenFilesTag, static_cast<DWORD>(data.size()), data.data()};
    ::SendMessage(hRunning, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

BOOL CMDIApp::RegisterMainWindowClass()
{
    RegisterWindowResources(); // the class's icon is the frame's
    WNDCLASS wndClass{};
    wndClass.style = kMainWindowClassStyle;
    wndClass.lpfnWndProc = ::DefWindowProc;
    wndClass.hInstance = AfxGetInstanceHandle();
    wndClass.hIcon = ::LoadIcon(wndClass.hInstance, MAKEINTRESOURCE(kMainIcon));
    wndClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wndClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wndClass.lpszClassName = KILNSMITH_MAIN_WINDOW_CLASS;
    m_bClassRegistrationTried = TRUE;
    return ::RegisterClass(&wndClass) != 0;
}

BOOL CMDIApp::ProcessCommandLine()
{
    CKilnsmithCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    for (const CString &strFile : cmdInfo.m_furtherFiles)
        OpenDocumentFile(strFile);
    return TRUE;
}

CString CMDIApp::GetLanguageForPath(LPCTSTR lpszPath) const
{
    return m_documentSettings.LanguageForPath(lpszPath);
}
