#include "kilnsmith/wizard/KilnsmithAppIds.h"
#include "kilnsmith/app/MDIApp.h"
#include "kilnsmith/frame/OpenFilesMessage.h"

#include "WizardTestSupport.h"

#include "../../support/ModalDriver.h"
#include "EndProgram.h"
#include "ProgramHomeTest.h"

#include "editor/lang/SECEditLangRegistry.h"
#include "framework/controls/CommonDialog.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

class AppStartupTest : public ProgramHomeTest {
protected:
    AppStartupTest() {}
    void TearDown() override { EndProgram(m_pApp); }
    // Starts the program with the arguments after its name.
    BOOL Start(std::vector<std::string> args = {})
    {
        m_pApp = new CMDIApp;
        args.insert(args.begin(), "kilnsmith");
        m_args = std::move(args);
        m_argv.clear();
        for (std::string &arg : m_args)
            m_argv.push_back(arg.data());
        m_argv.push_back(nullptr);
        m_pApp->__argc = static_cast<int>(m_args.size());
        m_pApp->__argv = m_argv.data();
        m_pApp->SetProgramPaths(m_folder.File("bin/kilnsmith").c_str());
        m_pApp->InitApplication();
        return m_pApp->InitInstance();
    }
    std::string ProfilePath() const { return m_folder.File("config/kilnsmith/kilnsmith.ini"); }
    std::string Profile() const { return TempFolder::Read(ProfilePath()); }
    std::string WorkFolder() const { return m_folder.File("home/Kilnsmith"); }
    void WriteProfile(const std::string &text) const { TempFolder::Write(ProfilePath(), text); }
    void SendCommand(UINT nID) { m_pApp->m_pMainWnd->SendMessage(WM_COMMAND, nID, 0); }
    CDocument *ActiveDocument() const
    {
        auto *pFrame = static_cast<CMDIFrameWnd *>(m_pApp->m_pMainWnd);
        CMDIChildWnd *pChild = pFrame->MDIGetActive();
        return pChild ? pChild->GetActiveDocument() : nullptr;
    }

    BoxAnswers m_boxes;
    CMDIApp *m_pApp = nullptr;
    std::vector<std::string> m_args;
    std::vector<char *> m_argv;
};

// What the stand-in first copy's window was sent as WM_COPYDATA.
std::vector<std::pair<ULONG_PTR, std::string>> g_copied;

LRESULT FirstCopyProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const auto *pData = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
        g_copied.emplace_back(pData->dwData, std::string(static_cast<const char *>(pData->lpData), pData->cbData));
        return TRUE;
    }
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

TEST_F(AppStartupTest, StartsWithTheProfileWorkFolderLanguagesAndAnEmptyDocument)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(m_pApp->m_pMainWnd->IsWindowVisible());
    EXPECT_TRUE(fs::is_directory(WorkFolder()));
    EXPECT_STREQ(m_pApp->GetWorkFolder(), WorkFolder().c_str());
    EXPECT_STREQ(AfxGetAppName(), "Plexo Kilnsmith");
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 1);
    EXPECT_TRUE(m_pApp->m_documentSettings.m_bUseSplitter);
    EXPECT_STREQ(m_pApp->GetLanguageForPath("/w/page.HTML"), "HTML");
    EXPECT_STREQ(m_pApp->GetLanguageForPath("/w/notes.txt"), "Default");
    // The documents read the same map and flag.
    EXPECT_EQ(&CDocumentSettings::Current(), &m_pApp->m_documentSettings);
    EXPECT_STREQ(CDocumentSettings::Current().LanguageForPath("/w/page.HTML"), "HTML");
    // The process's folder is not the work folder.
    EXPECT_NE(fs::current_path().string(), WorkFolder());

    // The recent-file list is written to the program's own profile.
    m_pApp->AddToRecentFileList(m_folder.File("a.cpp").c_str());
    EXPECT_NE(Profile().find("[Recent File List]\nFile1=" + m_folder.File("a.cpp")), std::string::npos) << Profile();
}

TEST_F(AppStartupTest, AWorkFolderFromTheProfileIsMadeAndGarbageReadsAsTheDefault)
{
    const std::string chosen = m_folder.File("classes/here");
    WriteProfile("[Settings]\nWork Folder=" + chosen + "\nStart minimized=garbage\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(fs::is_directory(chosen));
    EXPECT_STREQ(m_pApp->GetWorkFolder(), chosen.c_str());
    EXPECT_TRUE(m_pApp->m_pMainWnd->IsWindowVisible());
}

TEST_F(AppStartupTest, AFileWhereTheWorkFolderShouldBeIsLeftAndStartGoesOn)
{
    TempFolder::Write(WorkFolder(), "not a folder");
    ASSERT_TRUE(Start());
    EXPECT_EQ(TempFolder::Read(WorkFolder()), "not a folder");
    // A wizard command then names the file and the reason.
    ModalDriver driver("New Class", [](CWnd *pDialog) { pDialog->SendMessage(WM_COMMAND, IDOK, 0); });
    SendCommand(ID_CREATE_PROPERTY_SET);
    ASSERT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_NE(m_boxes.Shown()[0].text.find(WorkFolder() + "/MyNewProperties.h"), std::string::npos);
    EXPECT_NE(m_boxes.Shown()[0].text.find("the name of its folder is taken by a file"), std::string::npos);
}

TEST_F(AppStartupTest, StartMinimizedKeepsTheMainWindowHidden)
{
    WriteProfile("[Settings]\nStart minimized=1\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(::IsIconic(m_pApp->m_pMainWnd->GetSafeHwnd()));
}

TEST_F(AppStartupTest, ASecondCopyBringsTheFirstForwardAndEndsWithoutTouchingTheProfile)
{
    // The first copy's main window, hidden in the notification area.
    WNDCLASS wndClass{};
    wndClass.lpfnWndProc = ::DefWindowProc;
    wndClass.lpszClassName = KILNSMITH_MAIN_WINDOW_CLASS;
    ASSERT_NE(::RegisterClass(&wndClass), 0);
    HWND hFirst = ::CreateWindowEx(0, KILNSMITH_MAIN_WINDOW_CLASS, "Plexo Kilnsmith", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                                   300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hFirst, nullptr);
    ::ShowWindow(hFirst, SW_MINIMIZE);
    ::ShowWindow(hFirst, SW_HIDE);

    EXPECT_FALSE(Start());
    EXPECT_TRUE(::IsWindowVisible(hFirst));
    EXPECT_FALSE(::IsIconic(hFirst));
    EXPECT_EQ(m_pApp->m_pMainWnd, nullptr);
    EXPECT_FALSE(fs::exists(m_folder.File("config")));
    ::DestroyWindow(hFirst);
    ::UnregisterClass(KILNSMITH_MAIN_WINDOW_CLASS, nullptr);
}

TEST_F(AppStartupTest, ASecondStartHandsItsFilesToTheFirstAsAbsolutePaths)
{
    WNDCLASS wndClass{};
    wndClass.lpfnWndProc = &FirstCopyProc;
    wndClass.lpszClassName = KILNSMITH_MAIN_WINDOW_CLASS;
    ASSERT_NE(::RegisterClass(&wndClass), 0);
    HWND hFirst = ::CreateWindowEx(0, KILNSMITH_MAIN_WINDOW_CLASS, "Plexo Kilnsmith", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                                   300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hFirst, nullptr);
    using namespace std::string_literals;
    const std::string cwd = fs::current_path().string();
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> sent; // empty: no message
    } kCases[] = {
        {{}, {}},
        {{"widget.c"}, {cwd + "/widget.c\0"s}},
        {{"/tmp/a b/page.html", "sub/../x.c", "/no/such/file.c"},
         {"/tmp/a b/page.html\0"s + cwd + "/x.c\0/no/such/file.c\0"s}},
    };
    for (const auto &c : kCases) {
        g_copied.clear();
        EXPECT_FALSE(Start(c.args));
        std::vector<std::string> sent;
        for (const auto &[tag, bytes] : g_copied) {
            EXPECT_EQ(tag, kOpenFilesTag);
            sent.push_back(bytes);
        }
        EXPECT_EQ(sent, c.sent);
        EndProgram(m_pApp);
    }
    EXPECT_FALSE(fs::exists(m_folder.File("config")));
    ::DestroyWindow(hFirst);
    ::UnregisterClass(KILNSMITH_MAIN_WINDOW_CLASS, nullptr);
}

TEST_F(AppStartupTest, AWizardCommandWritesTheClassAndOpensBothFilesSourceLast)
{
    ASSERT_TRUE(Start());
    ModalDriver driver("New Class", [](CWnd *pDialog) {
        pDialog->SetDlgItemText(IDC_CLASS_NAME, "CTestProps");
        pDialog->SendMessage(WM_COMMAND, IDOK, 0);
    });
    SendCommand(ID_CREATE_PROPERTY_SET);
    ASSERT_TRUE(ModalDriver::Ran());
    const std::string header = WorkFolder() + "/TestProps.h";
    const std::string source = WorkFolder() + "/TestProps.cpp";
    EXPECT_TRUE(fs::exists(header));
    EXPECT_TRUE(fs::exists(source));
    ASSERT_NE(ActiveDocument(), nullptr);
    EXPECT_STREQ(ActiveDocument()->GetPathName(), source.c_str());
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 3);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(AppStartupTest, CancelWritesNothingAndARefusedNameAsksAgain)
{
    ASSERT_TRUE(Start());
    {
        ModalDriver driver("Dialog", [](CWnd *pDialog) { pDialog->SendMessage(WM_COMMAND, IDCANCEL, 0); });
        SendCommand(ID_CREATE_PLAIN_CLASS);
        ASSERT_TRUE(ModalDriver::Ran());
    }
    EXPECT_TRUE(fs::is_empty(WorkFolder()));
    // A plain class on a base that is no C++ name: the message, then the
    // dialog again with what was typed; Cancel there ends it.
    int nShown = 0;
    std::string secondBase;
    ModalDriver driver("Dialog", [&](CWnd *pDialog) {
        ++nShown;
        if (nShown == 1) {
            pDialog->SetDlgItemText(IDC_CLASS_SECOND_FIELD, "Base; bad");
            ModalDriver::Ran() = false; // drive the dialog's second showing too
            pDialog->SendMessage(WM_COMMAND, IDOK, 0);
            return;
        }
        CString strBase;
        pDialog->GetDlgItemText(IDC_CLASS_SECOND_FIELD, strBase);
        secondBase = strBase.GetString();
        pDialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    SendCommand(ID_CREATE_PLAIN_CLASS);
    EXPECT_EQ(nShown, 2);
    EXPECT_EQ(secondBase, "Base; bad");
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].text, "Sorry,The class name isn't correct.Please change it and try again!");
    EXPECT_TRUE(fs::is_empty(WorkFolder()));
}

TEST_F(AppStartupTest, UseSplitterTogglesAndShowsItsCheckMark)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(m_pApp->m_documentSettings.m_bUseSplitter);
    SendCommand(ID_USE_SPLITTER);
    EXPECT_FALSE(m_pApp->m_documentSettings.m_bUseSplitter);
    SendCommand(ID_USE_SPLITTER);
    EXPECT_TRUE(m_pApp->m_documentSettings.m_bUseSplitter);
}

TEST_F(AppStartupTest, FileOpenStartsInTheWorkFolderAndOpensEveryChosenFileTheLastActive)
{
    ASSERT_TRUE(Start());
    TempFolder::Write(WorkFolder() + "/a.cpp", "int a;\n");
    TempFolder::Write(WorkFolder() + "/b.h", "int b;\n");
    QString startFolder;
    PlexoSetCommonDialogHook([&](QDialog *d) {
        auto *fd = static_cast<QFileDialog *>(d);
        startFolder = fd->directory().absolutePath();
        d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("\"a.cpp\" \"b.h\""));
        d->accept();
    });
    SendCommand(ID_FILE_OPEN);
    PlexoSetCommonDialogHook(PlexoCommonDialogHook());
    EXPECT_EQ(startFolder.toStdString(), WorkFolder());
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 3);
    ASSERT_NE(ActiveDocument(), nullptr);
    EXPECT_STREQ(ActiveDocument()->GetPathName(), (WorkFolder() + "/b.h").c_str());
}

TEST_F(AppStartupTest, ExitWritesBackOnlyTheLanguagesThatWereUsed)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(SECEditGetLanguageConfig("C"), nullptr);
    m_pApp->m_pMainWnd->DestroyWindow();
    m_pApp->ExitInstance();
    const std::string profile = Profile();
    EXPECT_NE(profile.find("[C\\"), std::string::npos) << profile;
    EXPECT_EQ(profile.find("[HTML\\"), std::string::npos) << profile;
}

} // namespace
