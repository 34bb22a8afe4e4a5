#include "AppTestSupport.h"

#include "framework/app/RecentFileList.h"
#include "framework/settings/AppProfile.h"
#include "framework/window/MessageApi.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>

namespace {

// The sample, leaving by its Exit command as soon as it runs.
class ExitingScribble : public CScribbleApp {
public:
    BOOL InitInstance() override
    {
        if (!CScribbleApp::InitInstance())
            return FALSE;
        // Later, so that the loop waits and has idle time first.
        HWND hMainWnd = m_pMainWnd->GetSafeHwnd();
        QTimer::singleShot(30, [hMainWnd]() { ::PostMessage(hMainWnd, WM_COMMAND, ID_APP_EXIT, 0); });
        return TRUE;
    }
    BOOL OnIdle(LONG lCount) override
    {
        ++m_nIdle;
        return CScribbleApp::OnIdle(lCount);
    }
    int ExitInstance() override
    {
        ++m_nExits;
        return CScribbleApp::ExitInstance();
    }
    int m_nIdle = 0;
    int m_nExits = 0;
};

// The sample with its idle time spent before its loop runs, as a dialog
// shown during start-up spends it; it leaves a while after the loop starts.
class IdleSpentScribble : public ExitingScribble {
public:
    BOOL InitInstance() override
    {
        if (!CScribbleApp::InitInstance())
            return FALSE;
        QTimer::singleShot(0, []() {});
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
        m_nIdleBeforeRun = m_nIdle;
        HWND hMainWnd = m_pMainWnd->GetSafeHwnd();
        QTimer::singleShot(100, [this, hMainWnd]() {
            m_nIdleWhenLeaving = m_nIdle;
            ::PostMessage(hMainWnd, WM_COMMAND, ID_APP_EXIT, 0);
        });
        return TRUE;
    }
    int m_nIdleBeforeRun = -1;
    int m_nIdleWhenLeaving = -1;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "plexo-program-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        ::setenv("XDG_CONFIG_HOME", (m_folder / "config").c_str(), 1);
        RegisterScribbleResources(); // a program's resources exist before it starts
        MSG msg{};
        ::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE); // one left by an earlier test's frame
    }
    void TearDown() override
    {
        ::unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(m_folder);
    }
    std::filesystem::path m_folder;
    BoxAnswers m_boxes;
};

TEST_F(ProgramTest, SampleStartsWithANewDocumentAndEndsByExit)
{
    ExitingScribble app;
    std::string program = (m_folder / "scribble").string();
    char *argv[] = {program.data(), nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_EQ(app.m_nExits, 1);
    EXPECT_GT(app.m_nIdle, 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);
    EXPECT_TRUE(m_boxes.Shown().empty());
    EXPECT_STREQ(app.m_pszAppName, "Scribble");
    EXPECT_EQ(std::string(PlexoGetAppProfile().GetApplicationKey()),
              "HKEY_CURRENT_USER\\Software\\Plexo Samples\\Scribble");
}

TEST_F(ProgramTest, TheLoopStartsWithIdleTimeThoughStartUpSpentIt)
{
    IdleSpentScribble app;
    std::string program = (m_folder / "scribble").string();
    char *argv[] = {program.data(), nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    ASSERT_GT(app.m_nIdleBeforeRun, 0); // start-up had its idle time
    EXPECT_GT(app.m_nIdleWhenLeaving, app.m_nIdleBeforeRun);
}

TEST_F(ProgramTest, AMissingFileOnTheCommandLineEndsTheProgramWithAMessage)
{
    ExitingScribble app;
    std::string program = (m_folder / "scribble").string();
    std::string missing = (m_folder / "gone.scb").string();
    char *argv[] = {program.data(), missing.data(), nullptr};
    AfxWinMain(2, argv);
    EXPECT_EQ(app.m_nExits, 1);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].text.find("gone.scb"), std::string::npos);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.GetRecentFileList()->GetCount(), 0);
}

} // namespace
