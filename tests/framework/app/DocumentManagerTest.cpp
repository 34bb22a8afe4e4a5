#include "AppTestSupport.h"

#include "framework/app/CommandLineInfo.h"
#include "framework/app/RecentFileList.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/settings/AppProfile.h"
#include "framework/window/Menu.h"
#include "framework/window/MessageBoxApi.h"

#include <sys/stat.h>

namespace {

const std::vector<std::vector<CPoint>> kTwoStrokes = {{{1, 2}, {3, 4}}, {{5, 6}, {7, 8}, {9, 10}}};

class SingleDocumentTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        m_pApp->LoadStdProfileSettings(4);
        m_pApp->AddDocTemplate(new CSingleDocTemplate(IDR_SCRIBBLE, RUNTIME_CLASS(CScribbleDoc),
                                                      RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CScribbleView)));
        m_pApp->OnFileNew();
        ASSERT_NE(m_pApp->m_pMainWnd, nullptr);
    }
    CFrameWnd *Frame() const { return static_cast<CFrameWnd *>(m_pApp->m_pMainWnd); }
    CScribbleDoc *Doc() const { return static_cast<CScribbleDoc *>(Frame()->GetActiveDocument()); }
    CScribbleView *View() const { return static_cast<CScribbleView *>(Frame()->GetActiveView()); }
    CString FrameTitle() const
    {
        CString strText;
        Frame()->GetWindowText(strText);
        return strText;
    }
    std::vector<std::string> RecentFiles() const
    {
        std::vector<std::string> names;
        CRecentFileList *pList = m_pApp->GetRecentFileList();
        for (int i = 0; i < pList->GetCount(); ++i)
            names.push_back(static_cast<LPCTSTR>((*pList)[i]));
        return names;
    }
};

TEST_F(SingleDocumentTest, NewDocumentIsUntitledAndNamedFromTheDocumentString)
{
    ASSERT_NE(Doc(), nullptr);
    EXPECT_STREQ(Doc()->GetTitle(), "Scribble");
    EXPECT_TRUE(Doc()->GetPathName().IsEmpty());
    EXPECT_STREQ(FrameTitle(), "Scribble - Scribble");
    EXPECT_EQ(View()->m_nInitialUpdates, 1);
    EXPECT_EQ(View()->GetDocument(), Doc());
    POSITION pos = m_pApp->GetFirstDocTemplatePosition();
    EXPECT_EQ(Doc()->GetDocTemplate(), m_pApp->GetNextDocTemplate(pos));
    EXPECT_EQ(pos, nullptr);
}

TEST_F(SingleDocumentTest, NewAndOpenReuseTheOneDocumentAndUpdateTheViewAgain)
{
    CScribbleDoc *pDoc = Doc();
    WriteScribble(PathOf("a.scb"), kTwoStrokes);
    ASSERT_EQ(m_pApp->OpenDocumentFile(PathOf("a.scb").c_str()), pDoc);
    EXPECT_EQ(Doc(), pDoc);
    EXPECT_EQ(pDoc->m_strokes, kTwoStrokes);
    EXPECT_STREQ(pDoc->GetTitle(), "a.scb");
    EXPECT_STREQ(FrameTitle(), "a.scb - Scribble");
    EXPECT_STREQ(pDoc->GetPathName(), PlexoCanonicalPath(PathOf("a.scb").c_str()));
    EXPECT_EQ(View()->m_nInitialUpdates, 2);
    EXPECT_FALSE(pDoc->IsModified());

    m_pApp->OnFileNew();
    EXPECT_EQ(Doc(), pDoc);
    EXPECT_TRUE(pDoc->m_strokes.empty());
    EXPECT_TRUE(pDoc->GetPathName().IsEmpty());
    EXPECT_STREQ(FrameTitle(), "Scribble - Scribble");
    EXPECT_EQ(View()->m_nInitialUpdates, 3);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(SingleDocumentTest, ReopeningAnOpenFileActivatesItWithoutReading)
{
    WriteScribble(PathOf("a.scb"), kTwoStrokes);
    CDocument *pDoc = m_pApp->OpenDocumentFile(PathOf("a.scb").c_str());
    ASSERT_NE(pDoc, nullptr);
    Doc()->AddStroke({{0, 0}, {1, 1}});
    // The same file through a symbolic link and a relative step.
    std::filesystem::create_symlink(PathOf("a.scb"), PathOf("link.scb"));
    EXPECT_EQ(m_pApp->OpenDocumentFile(PathOf("link.scb").c_str()), pDoc);
    EXPECT_EQ(m_pApp->OpenDocumentFile((m_folder / "config" / ".." / "a.scb").c_str()), pDoc);
    EXPECT_EQ(Doc()->m_strokes.size(), 3u); // not read again
    EXPECT_TRUE(m_boxes.Shown().empty());   // no save prompt
}

TEST_F(SingleDocumentTest, SavePromptAnswers)
{
    WriteScribble(PathOf("a.scb"), kTwoStrokes);
    ASSERT_NE(m_pApp->OpenDocumentFile(PathOf("a.scb").c_str()), nullptr);
    const std::string before = ReadBytes(PathOf("a.scb"));

    // Cancel: nothing happens.
    Doc()->AddStroke({{20, 20}});
    m_boxes.Queue(IDCANCEL);
    m_pApp->OnFileNew();
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].text, "Save changes to a.scb?");
    EXPECT_EQ(m_boxes.Shown()[0].nType & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(Doc()->m_strokes.size(), 3u);
    EXPECT_STREQ(Doc()->GetTitle(), "a.scb");
    EXPECT_TRUE(Doc()->IsModified());

    // No: the changes go, the file stays as it was.
    m_boxes.Queue(IDNO);
    m_pApp->OnFileNew();
    EXPECT_TRUE(Doc()->m_strokes.empty());
    EXPECT_EQ(ReadBytes(PathOf("a.scb")), before);

    // Yes on an untitled document: Save As asks for the path.
    Doc()->AddStroke({{30, 30}, {31, 31}});
    m_boxes.Queue(IDYES);
    m_paths.Queue(PathOf("b.scb"));
    m_pApp->OnFileNew();
    EXPECT_EQ(m_paths.Asked(), 1);
    EXPECT_TRUE(Doc()->m_strokes.empty());
    ASSERT_NE(m_pApp->OpenDocumentFile(PathOf("b.scb").c_str()), nullptr);
    EXPECT_EQ(Doc()->m_strokes, (std::vector<std::vector<CPoint>>{{{30, 30}, {31, 31}}}));

    // Yes, then the path prompt cancelled: the document stays.
    Doc()->AddStroke({{40, 40}});
    m_boxes.Queue(IDYES);
    m_pApp->OnFileNew(); // b.scb has a path: saved without asking
    EXPECT_EQ(m_paths.Asked(), 1);
    Doc()->AddStroke({{50, 50}});
    m_boxes.Queue(IDYES);
    m_pApp->OnFileNew(); // untitled now: asks, and the answer is cancel
    EXPECT_EQ(m_paths.Asked(), 2);
    EXPECT_EQ(Doc()->m_strokes.size(), 1u);
    EXPECT_TRUE(Doc()->IsModified());
}

TEST_F(SingleDocumentTest, SaveAndSaveAsCommands)
{
    Doc()->AddStroke({{1, 1}, {2, 2}});
    m_paths.Queue(PathOf("drawing.scb"));
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_STREQ(Doc()->GetTitle(), "drawing.scb");
    EXPECT_STREQ(FrameTitle(), "drawing.scb - Scribble");

    Doc()->AddStroke({{3, 3}});
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE); // has a path: no prompt
    EXPECT_EQ(m_paths.Asked(), 1);

    m_paths.Queue(PathOf("copy.scb"));
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
    EXPECT_STREQ(Doc()->GetTitle(), "copy.scb");
    EXPECT_EQ(ReadBytes(PathOf("copy.scb")), ReadBytes(PathOf("drawing.scb")));
    EXPECT_EQ(RecentFiles(), (std::vector<std::string>{PlexoCanonicalPath(PathOf("copy.scb").c_str()).GetString(),
                                                       PlexoCanonicalPath(PathOf("drawing.scb").c_str()).GetString()}));
    // Save As cancelled: nothing changes.
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
    EXPECT_STREQ(Doc()->GetTitle(), "copy.scb");
}

TEST_F(SingleDocumentTest, FailedOpenLeavesAnUntitledDocumentAndTheListAlone)
{
    WriteScribble(PathOf("good.scb"), kTwoStrokes);
    ASSERT_NE(m_pApp->OpenDocumentFile(PathOf("good.scb").c_str()), nullptr);
    const std::string full = ReadBytes(PathOf("good.scb"));
    WriteBytes(PathOf("cut.scb"), full.substr(0, full.size() - 6));
    WriteBytes(PathOf("text.scb"), "this is not a drawing at all");
    struct Case {
        const char *name;
        const char *reason;
    };
    const Case cases[] = {
        {"cut.scb", "past its end"},
        {"missing.scb", "was not found"},
        {"text.scb", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.Clear();
        std::vector<std::string> recentBefore = RecentFiles();
        EXPECT_EQ(m_pApp->OpenDocumentFile(PathOf(c.name).c_str()), nullptr);
        ASSERT_EQ(m_boxes.Shown().size(), 1u);
        EXPECT_NE(m_boxes.Shown()[0].text.find(c.name), std::string::npos) << m_boxes.Shown()[0].text;
        EXPECT_NE(m_boxes.Shown()[0].text.find(c.reason), std::string::npos) << m_boxes.Shown()[0].text;
        ASSERT_NE(Doc(), nullptr);
        EXPECT_TRUE(Doc()->m_strokes.empty());
        EXPECT_TRUE(Doc()->GetPathName().IsEmpty());
        EXPECT_STREQ(Doc()->GetTitle(), "Scribble");
        EXPECT_FALSE(Doc()->IsModified());
        EXPECT_STREQ(FrameTitle(), "Scribble - Scribble");
        EXPECT_EQ(RecentFiles(), recentBefore);
    }
}

TEST_F(SingleDocumentTest, FailedSaveLeavesTheFileAndTheDocumentAsTheyWere)
{
    std::filesystem::create_directory(m_folder / "locked");
    const std::string path = (m_folder / "locked" / "a.scb").string();
    WriteScribble(path, kTwoStrokes);
    ASSERT_NE(m_pApp->OpenDocumentFile(path.c_str()), nullptr);
    const std::string before = ReadBytes(path);
    Doc()->AddStroke({{7, 7}});
    CString strPath = Doc()->GetPathName();

    // Failing half way through writing.
    CScribbleDoc::s_bFailNextSave = true;
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].text.find("Disk full"), std::string::npos);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(m_folder / "locked"), std::filesystem::directory_iterator()),
        1); // no temporary file left beside it
    EXPECT_STREQ(Doc()->GetPathName(), strPath);

    // Save As into a path that cannot exist (a file used as a folder).
    m_boxes.Clear();
    m_paths.Queue(path + "/inside.scb");
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].text.find("inside.scb"), std::string::npos);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_STREQ(Doc()->GetPathName(), strPath);
    EXPECT_STREQ(Doc()->GetTitle(), "a.scb");
    EXPECT_TRUE(Doc()->IsModified());
}

TEST_F(SingleDocumentTest, SaveIntoAReadOnlyFolderFailsAndChangesNothing)
{
    std::filesystem::create_directory(m_folder / "locked");
    const std::string path = (m_folder / "locked" / "a.scb").string();
    WriteScribble(path, kTwoStrokes);
    ASSERT_NE(m_pApp->OpenDocumentFile(path.c_str()), nullptr);
    const std::string before = ReadBytes(path);
    Doc()->AddStroke({{7, 7}});
    CString strPath = Doc()->GetPathName();
    m_boxes.Clear();
    // A folder that cannot be written to.
    ::chmod((m_folder / "locked").c_str(), 0555);
    if (::access((m_folder / "locked").c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    ::chmod((m_folder / "locked").c_str(), 0755);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].text.find("a.scb"), std::string::npos);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_STREQ(Doc()->GetPathName(), strPath);
    EXPECT_STREQ(Doc()->GetTitle(), "a.scb");
    EXPECT_TRUE(Doc()->IsModified());
}

TEST_F(SingleDocumentTest, RecentFileListKeepsFourNewestFirstInTheProfile)
{
    for (const char *name : {"1.scb", "2.scb", "3.scb", "4.scb", "5.scb"}) {
        WriteScribble(PathOf(name), kTwoStrokes);
        ASSERT_NE(m_pApp->OpenDocumentFile(PathOf(name).c_str()), nullptr);
    }
    ASSERT_NE(m_pApp->OpenDocumentFile(PathOf("3.scb").c_str()), nullptr);
    auto canonical = [&](const char *name) { return std::string(PlexoCanonicalPath(PathOf(name).c_str())); };
    EXPECT_EQ(RecentFiles(), (std::vector<std::string>{canonical("3.scb"), canonical("5.scb"), canonical("4.scb"),
                                                       canonical("2.scb")}));
    CAppProfile &profile = PlexoGetAppProfile();
    EXPECT_EQ(std::string(profile.GetProfileString("Recent File List", "File1")), canonical("3.scb"));
    EXPECT_EQ(std::string(profile.GetProfileString("Recent File List", "File4")), canonical("2.scb"));
    EXPECT_TRUE(profile.GetProfileString("Recent File List", "File5").IsEmpty());

    // A file that went away: the message, the entry leaves, nothing else.
    std::filesystem::remove(PathOf("5.scb"));
    CDocument *pDoc = Doc();
    CString strTitle = pDoc->GetTitle();
    Frame()->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE2);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].text.find("5.scb"), std::string::npos);
    EXPECT_EQ(RecentFiles(), (std::vector<std::string>{canonical("3.scb"), canonical("4.scb"), canonical("2.scb")}));
    EXPECT_EQ(Doc(), pDoc);
    EXPECT_STREQ(Doc()->GetTitle(), strTitle);

    // A recent entry opens its file.
    Frame()->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE3);
    EXPECT_STREQ(Doc()->GetTitle(), "2.scb");
}

TEST_F(SingleDocumentTest, ProfileEntriesThatAreEmptyOrTooLongAreIgnored)
{
    CAppProfile &profile = PlexoGetAppProfile();
    profile.WriteProfileString("Recent File List", "File1", "");
    profile.WriteProfileString("Recent File List", "File2", std::string(5000, 'x').c_str());
    profile.WriteProfileString("Recent File List", "File3", "/tmp/kept.scb");
    m_pApp->LoadStdProfileSettings(4);
    EXPECT_EQ(RecentFiles(), (std::vector<std::string>{"/tmp/kept.scb"}));
}

TEST_F(SingleDocumentTest, RecentFileMenuItemsFollowTheList)
{
    WriteScribble(PathOf("a&b.scb"), kTwoStrokes);
    ASSERT_NE(m_pApp->OpenDocumentFile(PathOf("a&b.scb").c_str()), nullptr);
    CMenu *pFile = Frame()->GetMenu()->GetSubMenu(0);
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pFile->GetSafeHmenu()), 0);
    CString strItem;
    pFile->GetMenuString(ID_FILE_MRU_FILE1, strItem, MF_BYCOMMAND);
    EXPECT_STREQ(strItem, "&1 a&&b.scb");
    // Items nobody handles are disabled; handled ones enabled.
    CMenu *pEdit = Frame()->GetMenu()->GetSubMenu(1);
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pEdit->GetSafeHmenu()), 1);
    EXPECT_EQ(pEdit->GetMenuState(32772, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(pEdit->GetMenuState(ID_SCRIBBLE_CLEAR, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(SingleDocumentTest, CommandsRouteViewDocumentFrameApplication)
{
    Doc()->AddStroke({{1, 1}});
    Frame()->SendMessage(WM_COMMAND, ID_SCRIBBLE_CLEAR);
    EXPECT_EQ(Doc()->m_nCleared, 1);
    EXPECT_TRUE(Doc()->m_strokes.empty());
    // The accelerator of the frame reaches the application's New.
    Doc()->SetModifiedFlag(FALSE);
    MSG msg{};
    msg.hwnd = View()->GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = 'N';
    EXPECT_FALSE(Frame()->PreTranslateMessage(&msg)); // no Ctrl held
}

TEST_F(SingleDocumentTest, MessageBarShowsPromptsAndTheIdleText)
{
    Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FILE_OPEN, 0), 0);
    EXPECT_STREQ(Frame()->GetMessageText(), "Open an existing document");
    Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_STREQ(Frame()->GetMessageText(), "Ready");
    Frame()->SetMessageText("Drawing");
    EXPECT_STREQ(Frame()->GetMessageText(), "Drawing");
}

TEST_F(SingleDocumentTest, ClosingTheMainFrameAsksThenEndsTheProgram)
{
    Doc()->AddStroke({{1, 1}});
    m_boxes.Queue(IDCANCEL);
    Frame()->SendMessage(WM_CLOSE);
    ASSERT_NE(m_pApp->m_pMainWnd, nullptr);
    EXPECT_TRUE(::IsWindow(m_pApp->m_pMainWnd->GetSafeHwnd()));
    m_boxes.Queue(IDNO);
    Frame()->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_pApp->m_pMainWnd, nullptr);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);
    MSG msg{};
    EXPECT_FALSE(::GetMessage(&msg, nullptr, 0, 0)); // WM_QUIT is waiting
}

// A main frame that asks for the whole screen, as Orchard's does.
class FullScreenFrame : public CFrameWnd {
public:
    BOOL PreCreateWindow(CREATESTRUCT &cs) override
    {
        cs.x = 0;
        cs.y = 0;
        cs.cx = GetSystemMetrics(SM_CXSCREEN);
        cs.cy = GetSystemMetrics(SM_CYSCREEN);
        return CFrameWnd::PreCreateWindow(cs);
    }
};

TEST_F(SingleDocumentTest, FramePlacedOnTheWholeScreenGetsItsSize)
{
    auto *pFrame = new FullScreenFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME));
    CRect rect;
    pFrame->GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_TRUE(pFrame->GetStyle() & FWS_PREFIXTITLE);
    pFrame->DestroyWindow();
}

TEST(CommandLine, ParsesFilesAndSwitches)
{
    struct Case {
        std::vector<const char *> args;
        int nCommand;
        const char *file;
    };
    const Case cases[] = {
        {{"prog"}, CCommandLineInfo::FileNew, ""},
        {{"prog", "/home/u/a.scb"}, CCommandLineInfo::FileOpen, "/home/u/a.scb"},
        {{"prog", "-p", "a.scb"}, CCommandLineInfo::FilePrint, "a.scb"},
        {{"prog", "--unknown", "-zz", "a.scb", "b.scb"}, CCommandLineInfo::FileOpen, "a.scb"},
        {{"prog", "-Unregister"}, CCommandLineInfo::AppUnregister, ""},
        {{"prog", "-"}, CCommandLineInfo::FileOpen, "-"},
    };
    for (const Case &c : cases) {
        CWinApp app("Scribble");
        app.__argc = static_cast<int>(c.args.size());
        app.__argv = const_cast<char **>(c.args.data());
        CCommandLineInfo info;
        app.ParseCommandLine(info);
        EXPECT_EQ(info.m_nShellCommand, c.nCommand) << c.args.size();
        EXPECT_STREQ(info.m_strFileName, c.file);
    }
}

class EndingApp : public CWinApp {
public:
    EndingApp() : CWinApp("Ending") {}
    BOOL InitInstance() override { return FALSE; }
    int ExitInstance() override
    {
        ++m_nExits;
        return 3;
    }
    int m_nExits = 0;
};

TEST(ProgramEntry, FailedStartRunsExitInstanceAndEnds)
{
    EndingApp app;
    char name[] = "/opt/plexo/bin/scribble";
    char *argv[] = {name, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 3);
    EXPECT_EQ(app.m_nExits, 1);
    EXPECT_STREQ(app.m_pszExeName, "scribble");
    EXPECT_STREQ(app.m_pszHelpFilePath, "/opt/plexo/bin/scribble.hlp");
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_FALSE(AfxOleIsInitialized());
    EXPECT_TRUE(AfxOleInit());
    EXPECT_TRUE(AfxOleIsInitialized());
}

} // namespace
