#include "DocumentsTestSupport.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditLangIniReader.h"
#include "editor/lang/SECEditLangRegistry.h"

#include "framework/app/AppIds.h"
#include "framework/object/Exceptions.h"
#include "framework/resources/Resources.h"
#include "framework/window/MessageApi.h"
#include "framework/window/MessageBoxApi.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {

constexpr UINT kTestFrameId = 7101;
constexpr UINT kTestDocumentId = 7102;

const RESOURCE_STRING kStrings[] = {
    {kTestFrameId, "Kilnsmith"},
    {kTestDocumentId, "\nKilnsmith\nKilnsmith\n\n\nKilnsmith.Document\nKilnsmith Document"},
};

const RESOURCE_MENU_ITEM kDocumentMenu[] = {
    {MF_POPUP, 0, "&File"},
    {MF_STRING, ID_FILE_NEW, "&New\tCtrl+N"},
    {MF_STRING, ID_FILE_SAVE, "&Save\tCtrl+S"},
    {MF_STRING | MF_END, ID_FILE_CLOSE, "&Close"},
    {MF_POPUP | MF_END, 0, "&Window"},
    {MF_STRING | MF_END, ID_WINDOW_NEW, "&New Window"},
};

const RESOURCE_MENU_ITEM kFrameMenu[] = {
    {MF_POPUP | MF_END, 0, "&File"},
    {MF_STRING | MF_END, ID_FILE_NEW, "&New\tCtrl+N"},
};

void RegisterTestResources()
{
    static const bool registered = [] {
        PlexoRegisterStrings(kStrings, static_cast<int>(sizeof(kStrings) / sizeof(kStrings[0])));
        PlexoRegisterMenu(kTestDocumentId, kDocumentMenu,
                          static_cast<int>(sizeof(kDocumentMenu) / sizeof(kDocumentMenu[0])));
        PlexoRegisterMenu(kTestFrameId, kFrameMenu, static_cast<int>(sizeof(kFrameMenu) / sizeof(kFrameMenu[0])));
        return true;
    }();
    (void)registered;
}

BoxRecorder *g_pBoxes = nullptr;

} // namespace

void RegisterTestLanguages()
{
    static const bool registered = [] {
        const std::string folder = KILNSMITH_TEST_LANGUAGE_DIR;
        const std::pair<const char *, std::string> languages[] = {
            {"C", folder + "/DevStudio.ini"},
            {"HTML", folder + "/HTML.ini"},
        };
        for (const auto &language : languages) {
            SECEditLangReader *reader = new SECEditLangIniReader(language.second.c_str());
            SECEditRegisterLanguage(language.first, reader, nullptr);
            reader->Release();
        }
        return true;
    }();
    (void)registered;
}

std::unique_ptr<CMDITextBuffer> MakeWizardBuffer(LPCTSTR language, const std::string &text)
{
    RegisterTestLanguages();
    auto buffer = std::make_unique<CMDITextBuffer>();
    EXPECT_TRUE(buffer->NewDocument(language));
    buffer->InsertText(0, 0, text.c_str(), static_cast<int>(text.size()));
    buffer->ClearUndo();
    buffer->SetModified(FALSE);
    return buffer;
}

std::vector<std::pair<int, int>> LineRuns(SECEditTextBuffer &buffer, int line)
{
    std::vector<std::pair<int, int>> runs;
    SECEditColorRuns *row = buffer.GetLineColors(line);
    for (int i = 0; row && i < row->GetSize(); ++i)
        runs.emplace_back(SECEditRunLength(row->GetAt(i)), SECEditRunGroup(row->GetAt(i)));
    return runs;
}

int GroupAt(SECEditTextBuffer &buffer, int line, int col)
{
    int start = 0;
    for (const auto &run : LineRuns(buffer, line)) {
        if (col < start + run.first)
            return run.second;
        start += run.first;
    }
    return -1;
}

int GroupNamed(SECEditTextBuffer &buffer, LPCTSTR name)
{
    SECEditLangConfig *config = buffer.GetLangConfig();
    for (int i = 0; config && i < config->GetColorGroupCount(); ++i)
        if (config->GetColorGroupName(i) == name)
            return i;
    return -2;
}

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
    g_pBoxes->shown.push_back(lpszText ? lpszText : "");
    if (g_pBoxes->m_answers.empty())
        return PlexoMessageBoxDefault(nType);
    const int answer = g_pBoxes->m_answers.front();
    g_pBoxes->m_answers.pop_front();
    return answer;
}

void PumpEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}

void DocumentsAppTest::SetUp()
{
    RegisterTestLanguages();
    RegisterTestResources();
    const char *old = std::getenv("XDG_CONFIG_HOME");
    m_oldConfigHome = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", m_folder.File("config").c_str(), 1);
    m_settings.AddStandardExtensions();
    CDocumentSettings::Install(&m_settings);
    m_pApp = new CWinApp();
    m_pApp->SetProgramPaths(m_folder.File("kilnsmith").c_str());
    m_pApp->InitApplication();
    m_pTemplate = new CMultiDocTemplate(kTestDocumentId, RUNTIME_CLASS(CMDIDoc), RUNTIME_CLASS(CChildFrame),
                                        RUNTIME_CLASS(CMDIView));
    m_pApp->AddDocTemplate(m_pTemplate);
    m_pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(m_pFrame->LoadFrame(kTestFrameId));
    m_pApp->m_pMainWnd = m_pFrame;
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->MoveWindow(0, 0, 800, 600);
}

void DocumentsAppTest::TearDown()
{
    if (m_pApp->m_pMainWnd != nullptr && m_pApp->m_pMainWnd->GetSafeHwnd() != nullptr)
        m_pApp->m_pMainWnd->DestroyWindow();
    m_pApp->CloseAllDocuments(TRUE);
    delete m_pApp;
    MSG msg{};
    ::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    CDocumentSettings::Install(nullptr);
    if (m_oldConfigHome.empty())
        ::unsetenv("XDG_CONFIG_HOME");
    else
        ::setenv("XDG_CONFIG_HOME", m_oldConfigHome.c_str(), 1);
}

CChildFrame *DocumentsAppTest::NewChild()
{
    m_pApp->OnFileNew();
    return dynamic_cast<CChildFrame *>(m_pFrame->MDIGetActive());
}

CChildFrame *DocumentsAppTest::OpenChild(const std::string &path)
{
    if (!m_pApp->OpenDocumentFile(path.c_str()))
        return nullptr;
    return dynamic_cast<CChildFrame *>(m_pFrame->MDIGetActive());
}

CMDIView *DocumentsAppTest::ViewOf(CChildFrame *pChild)
{
    return pChild ? dynamic_cast<CMDIView *>(pChild->GetActiveView()) : nullptr;
}
