#include "AppTestSupport.h"

#include "framework/app/FilePrompt.h"
#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "framework/object/File.h"
#include "framework/window/MessageApi.h"
#include "framework/window/MessageBoxApi.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {
BoxAnswers *g_pBoxes = nullptr;
PathAnswers *g_pPaths = nullptr;
} // namespace

BoxAnswers::BoxAnswers()
{
    g_pBoxes = this;
    m_pPrevious = reinterpret_cast<void *>(AfxSetMessageBoxHandler(&Handler));
}

BoxAnswers::~BoxAnswers()
{
    AfxSetMessageBoxHandler(reinterpret_cast<AfxMessageBoxHandler>(m_pPrevious));
    g_pBoxes = nullptr;
}

int BoxAnswers::Handler(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    BoxAnswers &self = *g_pBoxes;
    self.m_shown.push_back({lpszText, nType, nIDHelp, static_cast<LPCTSTR>(PlexoGetMessageBoxCaption())});
    if (self.m_answers.empty())
        return PlexoMessageBoxDefault(nType);
    int nAnswer = self.m_answers.front();
    self.m_answers.pop_front();
    return nAnswer;
}

PathAnswers::PathAnswers()
{
    g_pPaths = this;
    m_pPrevious = reinterpret_cast<void *>(PlexoSetFilePromptHandler(&Handler));
}

PathAnswers::~PathAnswers()
{
    PlexoSetFilePromptHandler(reinterpret_cast<PlexoFilePromptHandler>(m_pPrevious));
    g_pPaths = nullptr;
}

BOOL PathAnswers::Handler(CString &strPath, BOOL, LPCTSTR, LPCTSTR, LPCTSTR)
{
    PathAnswers &self = *g_pPaths;
    ++self.m_nAsked;
    if (self.m_paths.empty())
        return FALSE;
    strPath = self.m_paths.front().c_str();
    self.m_paths.pop_front();
    return !strPath.IsEmpty();
}

void AppTestBase::SetUp()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "plexo-app-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    m_folder = pattern;
    const char *pszOld = std::getenv("XDG_CONFIG_HOME");
    m_oldConfigHome = pszOld ? pszOld : "";
    ::setenv("XDG_CONFIG_HOME", (m_folder / "config").c_str(), 1);
    RegisterScribbleResources();
    m_pApp = new CWinApp();
    m_pApp->SetProgramPaths((m_folder / "scribble").c_str());
    m_pApp->InitApplication();
}

void AppTestBase::TearDown()
{
    if (m_pApp->m_pMainWnd != nullptr && m_pApp->m_pMainWnd->GetSafeHwnd() != nullptr)
        m_pApp->m_pMainWnd->DestroyWindow();
    m_pApp->CloseAllDocuments(TRUE);
    delete m_pApp;
    // The main frame's end asked the program to quit: not the next test.
    MSG msg{};
    ::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    m_pApp = nullptr;
    if (m_oldConfigHome.empty())
        ::unsetenv("XDG_CONFIG_HOME");
    else
        ::setenv("XDG_CONFIG_HOME", m_oldConfigHome.c_str(), 1);
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    std::filesystem::remove_all(m_folder);
}

void AppTestBase::WriteScribble(const std::string &path, const std::vector<std::vector<CPoint>> &strokes)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    ar << static_cast<DWORD>(strokes.size());
    for (const auto &stroke : strokes) {
        ar << static_cast<DWORD>(stroke.size());
        for (const CPoint &point : stroke)
            ar << static_cast<LONG>(point.x) << static_cast<LONG>(point.y);
    }
    ar.Close();
    file.Close();
}

std::string AppTestBase::ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void AppTestBase::WriteBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
