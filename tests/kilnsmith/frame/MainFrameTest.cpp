// The main frame: creation (menus, toolbar, status bar, icon, welcome box,
// start time), living in the notification area, the window commands and
// the end of the desktop session.
#include "FrameTestSupport.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/SessionEnd.h"
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiObject.h"
#include "framework/gdi/Icon.h"
#include "framework/gdi/SystemColors.h"
#include "framework/resources/Resources.h"
#include "framework/settings/AppProfile.h"
#include "framework/window/Menu.h"
#include "framework/window/VirtualKeys.h"
#include "framework/window/WindowApi.h"
#include "kilnsmith/frame/FrameArtwork.h"
#include "kilnsmith/frame/FrameResources.h"
#include "kilnsmith/frame/OpenFilesMessage.h"
#include "kilnsmith/frame/ResourceIds.h"

#include <algorithm>

namespace {

// The items of a pop-up as "id text" lines ("-" for a separator).
std::vector<std::string> ItemsOf(CMenu *pPopup)
{
    std::vector<std::string> items;
    for (UINT i = 0; i < pPopup->GetMenuItemCount(); ++i) {
        const UINT nID = pPopup->GetMenuItemID(static_cast<int>(i));
        if (nID == 0) {
            items.push_back("-");
            continue;
        }
        CString strText;
        pPopup->GetMenuString(i, strText, MF_BYPOSITION);
        items.push_back(std::to_string(nID) + " " + static_cast<LPCTSTR>(strText));
    }
    return items;
}

class MainFrameTest : public FrameTestBase {};

TEST_F(MainFrameTest, CreationFillsTheFrameAndShowsTheWelcomeBoxOnlyOnce)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    CMainFrame &frame = *m_pFrame;
    char szClass[64] = {};
    ::GetClassName(frame.m_hWnd, szClass, sizeof szClass);
    EXPECT_STREQ(szClass, KILNSMITH_WINDOW_CLASS);
    CRect rect;
    frame.GetWindowRect(&rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(0, 0));
    EXPECT_EQ(rect.Width(), ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.Height(), ::GetSystemMetrics(SM_CYSCREEN));

    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].caption, "Welcome to Kilnsmith");
    EXPECT_EQ(m_boxes.Shown()[0].text, std::string("Thank you for using Plexo Kilnsmith!\n\n"
                                                   "If you have meet problem when using Plexo Kilnsmith,please "
                                                   "contact us:\n") +
                                           kKilnsmithSupportAddress);
    EXPECT_EQ(m_boxes.Shown()[0].nType & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(PlexoGetAppProfile().GetProfileInt("", "First tyne", 1), 0u);
    const CString strStart = PlexoGetAppProfile().GetProfileString("", "Start time");
    ASSERT_EQ(strStart.GetLength(), 19); // 2026-12-11T01:02:03
    EXPECT_EQ(strStart[10], 'T');
    EXPECT_NE(ProfileText().find("First tyne"), std::string::npos);

    EXPECT_TRUE(frame.GetTrayIcon().IsAdded());
    EXPECT_NE(frame.GetSmallIcon(), nullptr);
    EXPECT_TRUE(frame.GetToolBar().GetSafeHwnd() != nullptr);
    EXPECT_EQ(frame.GetToolBar().GetDlgCtrlID(), AFX_IDW_TOOLBAR);
    EXPECT_EQ(frame.GetStatusBar().GetDlgCtrlID(), AFX_IDW_STATUS_BAR);
    const UINT expectedPanes[] = {ID_SEPARATOR, 22579, 59137, 59138, 59140};
    ASSERT_EQ(frame.GetStatusBar().GetCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(frame.GetStatusBar().GetItemID(i), expectedPanes[i]) << i;
    EXPECT_EQ(frame.GetToolBar().GetCount(), 16);
    EXPECT_EQ(frame.GetToolBar().GetItemID(11), static_cast<UINT>(ID_WINDOW_WINDOWS));
    EXPECT_EQ(frame.GetToolBar().GetItemID(15), static_cast<UINT>(ID_APP_ABOUT));

    // A second frame of the same profile shows no welcome box.
    frame.DestroyWindow();
    m_pApp->m_pMainWnd = nullptr;
    m_boxes.Clear();
    ASSERT_NE(CreateMainFrame(), nullptr);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(MainFrameTest, TheMenusHoldTheItemsOfTheWizard)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    for (UINT nMenu : {static_cast<UINT>(IDR_MAINFRAME), static_cast<UINT>(IDR_KILNSMITHTYPE)}) {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(nMenu));
        ASSERT_EQ(menu.GetMenuItemCount(), 9u);
        std::vector<std::string> titles;
        for (UINT i = 0; i < 9; ++i) {
            CString strText;
            menu.GetMenuString(i, strText, MF_BYPOSITION);
            titles.push_back(static_cast<LPCTSTR>(strText));
        }
        EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Edit", "&Command", "Co&mponent", "&Properties", "&Model",
                                                    "&Other", "&Window", "&Help"}));
        EXPECT_EQ(ItemsOf(menu.GetSubMenu(8)),
                  (std::vector<std::string>{"32797 Plexo &Home Page", "-", "57664 &About Plexo Kilnsmith..."}));
        const std::vector<std::string> window = ItemsOf(menu.GetSubMenu(7));
        ASSERT_EQ(window.size(), 17u);
        EXPECT_EQ(window[5], "32948 Ne&xt\tCtrl+F6");
        EXPECT_EQ(window[7], "32946 Clo&se\tAlt+F4");
        EXPECT_EQ(window[16], "32947 &Windows...");
        EXPECT_EQ(ItemsOf(menu.GetSubMenu(4)), (std::vector<std::string>{"32776 Create &New Property Source..."}));
        EXPECT_EQ(menu.GetSubMenu(6)->GetMenuItemCount(), 6u);
    }
}

TEST_F(MainFrameTest, CtrlRIssuesReplaceAsTheMenuShows)
{
    RegisterFrameResources();
    int nCount = 0;
    const ACCEL *pTable = PlexoFindAccelerators(IDR_MAINFRAME, &nCount);
    ASSERT_NE(pTable, nullptr);
    const auto has = [&](BYTE fVirt, WORD key, WORD cmd) {
        return std::any_of(pTable, pTable + nCount,
                           [&](const ACCEL &a) { return a.fVirt == fVirt && a.key == key && a.cmd == cmd; });
    };
    EXPECT_TRUE(has(FVIRTKEY | FCONTROL, 'R', ID_EDIT_REPLACE));
    EXPECT_TRUE(has(FVIRTKEY | FALT, VK_BACK, ID_EDIT_UNDO));
    EXPECT_TRUE(has(FVIRTKEY | FSHIFT, VK_F6, ID_PREV_PANE));
    EXPECT_EQ(nCount, 15);
}

TEST_F(MainFrameTest, TheCloseBoxAndMinimisingHideTheFrameAndTheIconBringsItBack)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    CMainFrame &frame = *m_pFrame;
    EXPECT_TRUE(frame.IsWindowVisible());
    frame.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(::IsWindow(frame.m_hWnd));
    EXPECT_TRUE(frame.IsIconic());
    EXPECT_FALSE(frame.IsWindowVisible());

    // A double click on the icon runs the menu's first item: open.
    frame.SendMessage(WM_KILNSMITH_TRAY, IDR_TRAYMENU, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(frame.IsWindowVisible());
    EXPECT_FALSE(frame.IsIconic());
    // Again while shown: minimise, which hides.
    frame.SendMessage(WM_KILNSMITH_TRAY, IDR_TRAYMENU, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(frame.IsWindowVisible());

    // A message of another icon is not this icon's.
    EXPECT_EQ(frame.SendMessage(WM_KILNSMITH_TRAY, IDR_TRAYMENU + 1, WM_LBUTTONDBLCLK), 0);
    EXPECT_FALSE(frame.IsWindowVisible());
    EXPECT_EQ(frame.SendMessage(WM_KILNSMITH_TRAY, IDR_TRAYMENU, WM_MOUSEMOVE), 1);

    // Other system commands keep their meaning.
    frame.SendMessage(WM_KILNSMITH_TRAY, IDR_TRAYMENU, WM_LBUTTONDBLCLK);
    frame.SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(frame.IsZoomed());
}

TEST_F(MainFrameTest, TheFrameCannotBeDraggedSmallerThanItsMinimum)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    MINMAXINFO info{};
    m_pFrame->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, KILNSMITH_MIN_TRACK_WIDTH);
    EXPECT_EQ(info.ptMinTrackSize.y, KILNSMITH_MIN_TRACK_HEIGHT);
}

TEST_F(MainFrameTest, NextPreviousAndCloseFollowTheDocumentWindows)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    CMainFrame &frame = *m_pFrame;
    struct State {
        int nChildren;
        bool bNext;
        bool bClose;
    };
    const auto stateOf = [&]() {
        CMenu menu;
        menu.LoadMenu(IDR_MAINFRAME);
        CMenu *pWindow = menu.GetSubMenu(7);
        PlexoUpdateMenuCommandUI(pWindow, &frame, TRUE);
        return State{frame.GetMDIChildCount(), !(pWindow->GetMenuState(ID_WINDOW_NEXT, MF_BYCOMMAND) & MF_GRAYED),
                     !(pWindow->GetMenuState(ID_WINDOW_CLOSE, MF_BYCOMMAND) & MF_GRAYED)};
    };
    State none = stateOf();
    EXPECT_EQ(none.nChildren, 0);
    EXPECT_FALSE(none.bNext);
    EXPECT_FALSE(none.bClose);

    CFrameTestDoc *pFirst = NewDocument();
    ASSERT_NE(pFirst, nullptr);
    State one = stateOf();
    EXPECT_EQ(one.nChildren, 1);
    EXPECT_FALSE(one.bNext);
    EXPECT_TRUE(one.bClose);

    CFrameTestDoc *pSecond = NewDocument();
    ASSERT_NE(pSecond, nullptr);
    State two = stateOf();
    EXPECT_TRUE(two.bNext);
    EXPECT_EQ(frame.MDIGetActive()->GetActiveDocument(), pSecond);
    frame.SendMessage(WM_COMMAND, ID_WINDOW_NEXT);
    EXPECT_EQ(frame.MDIGetActive()->GetActiveDocument(), pFirst);
    frame.SendMessage(WM_COMMAND, ID_WINDOW_PREVIOUS);
    EXPECT_EQ(frame.MDIGetActive()->GetActiveDocument(), pSecond);
}

TEST_F(MainFrameTest, WindowCloseAsksToSaveAModifiedDocumentFirst)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    CMainFrame &frame = *m_pFrame;
    CFrameTestDoc *pDoc = NewDocument();
    ASSERT_NE(pDoc, nullptr);
    pDoc->SetModifiedFlag(TRUE);
    m_boxes.Clear();
    m_boxes.Queue(IDCANCEL);
    frame.SendMessage(WM_COMMAND, ID_WINDOW_CLOSE);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(frame.GetMDIChildCount(), 1);

    m_boxes.Queue(IDYES);
    frame.SendMessage(WM_COMMAND, ID_WINDOW_CLOSE);
    EXPECT_EQ(CFrameTestDoc::s_nSaves, 1);
    EXPECT_EQ(frame.GetMDIChildCount(), 0);
    // With no window left the command does nothing.
    frame.SendMessage(WM_COMMAND, ID_WINDOW_CLOSE);
    EXPECT_TRUE(::IsWindow(frame.m_hWnd));
}

TEST_F(MainFrameTest, CloseAllClosesEveryDocumentOnlyWhenAllMayGo)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    CMainFrame &frame = *m_pFrame;
    NewDocument()->SetModifiedFlag(TRUE);
    NewDocument();
    m_boxes.Clear();
    m_boxes.Queue(IDCANCEL);
    frame.SendMessage(WM_COMMAND, ID_WINDOW_CLOSE_ALL);
    EXPECT_EQ(frame.GetMDIChildCount(), 2);
    m_boxes.Queue(IDNO);
    frame.SendMessage(WM_COMMAND, ID_WINDOW_CLOSE_ALL);
    EXPECT_EQ(frame.GetMDIChildCount(), 0);
    EXPECT_TRUE(::IsWindow(frame.m_hWnd)); // the program keeps running
}

TEST_F(MainFrameTest, TheIconsExitEndsTheProgramWithSavePrompts)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    HWND hFrame = m_pFrame->m_hWnd;
    NewDocument()->SetModifiedFlag(TRUE);
    m_boxes.Clear();
    m_boxes.Queue(IDCANCEL);
    m_pFrame->SendMessage(WM_COMMAND, ID_TRAY_EXIT);
    EXPECT_TRUE(::IsWindow(hFrame));
    m_boxes.Queue(IDNO);
    ::SendMessage(hFrame, WM_COMMAND, ID_TRAY_EXIT, 0);
    EXPECT_FALSE(::IsWindow(hFrame));
    m_pApp->m_pMainWnd = nullptr;
}

TEST_F(MainFrameTest, EndingTheSessionEndsTheProgramLikeFileExit)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    HWND hFrame = m_pFrame->m_hWnd;
    NewDocument()->SetModifiedFlag(TRUE);
    m_boxes.Clear();
    // Cancel at the save prompt keeps the session (and the program) going.
    m_boxes.Queue(IDCANCEL);
    EXPECT_EQ(::SendMessage(hFrame, WM_QUERYENDSESSION, 0, 0), 0);
    EXPECT_EQ(m_boxes.Shown().size(), 1u);
    ::SendMessage(hFrame, WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(::IsWindow(hFrame));

    m_boxes.Queue(IDYES);
    EXPECT_NE(::SendMessage(hFrame, WM_QUERYENDSESSION, 0, 0), 0);
    EXPECT_EQ(CFrameTestDoc::s_nSaves, 1);
    ::SendMessage(hFrame, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(::IsWindow(hFrame));
    m_pApp->m_pMainWnd = nullptr;
}

TEST_F(MainFrameTest, TheDesktopSessionEndReachesTheFrameAsFileExitWould)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    HWND hFrame = m_pFrame->m_hWnd;
    // Hidden in the notification area, the frame still ends with the session.
    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    NewDocument()->SetModifiedFlag(TRUE);
    m_boxes.Clear();
    m_boxes.Queue(IDCANCEL);
    EXPECT_FALSE(PlexoEndSession());
    EXPECT_TRUE(::IsWindow(hFrame));
    m_boxes.Queue(IDNO);
    EXPECT_TRUE(PlexoEndSession());
    EXPECT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_FALSE(::IsWindow(hFrame));
    m_pApp->m_pMainWnd = nullptr;
    EXPECT_TRUE(PlexoEndSession()); // no main window: nothing to ask
}

TEST_F(MainFrameTest, TheWindowMenuEndsWithTheWindowsItemAfterTheOpenWindows)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    CMainFrame &frame = *m_pFrame;
    for (int i = 0; i < 11; ++i)
        ASSERT_NE(NewDocument(), nullptr);
    PumpMessages();
    HMENU hWindowMenu = frame.GetMDIClientWnd().GetWindowMenu();
    ASSERT_NE(hWindowMenu, nullptr);
    const int nCount = ::GetMenuItemCount(hWindowMenu);
    EXPECT_EQ(::GetMenuItemID(hWindowMenu, nCount - 1), static_cast<UINT>(ID_WINDOW_WINDOWS));
    char szText[32] = {};
    ::GetMenuString(hWindowMenu, static_cast<UINT>(nCount - 1), szText, sizeof szText, MF_BYPOSITION);
    EXPECT_STREQ(szText, "Windows");
    // The overflow item went, and the resource's own item is there once.
    EXPECT_EQ(::GetMenuState(hWindowMenu, AFX_IDM_MORE_WINDOWS, MF_BYCOMMAND), static_cast<UINT>(-1));
    int nWindowsItems = 0;
    for (int i = 0; i < nCount; ++i)
        nWindowsItems += ::GetMenuItemID(hWindowMenu, i) == static_cast<UINT>(ID_WINDOW_WINDOWS);
    EXPECT_EQ(nWindowsItems, 1);
    // The listed windows come before it.
    EXPECT_EQ(::GetMenuItemID(hWindowMenu, nCount - 2), static_cast<UINT>(AFX_IDM_FIRST_MDICHILD + 8));
}

} // namespace

namespace {

TEST(FrameArtwork, TheToolbarStripHoldsOneImagePerButtonAndTheIconHasItsMask)
{
    RegisterFrameResources();
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(IDR_MAINFRAME));
    BITMAP info{};
    strip.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 11 * 16); // the toolbar's eleven buttons
    EXPECT_EQ(info.bmHeight, 15);

    HICON hSmall = static_cast<HICON>(::LoadImage(nullptr, MAKEINTRESOURCE(IDI_SMALLICON), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(hSmall, nullptr);
    ICONINFO iconInfo{};
    ASSERT_TRUE(::GetIconInfo(hSmall, &iconInfo));
    BITMAP mask{};
    ::GetObject(iconInfo.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 16);
    ::DeleteObject(iconInfo.hbmMask);
    ::DeleteObject(iconInfo.hbmColor);
    ::DestroyIcon(hSmall);

    const ArtworkGrid grid{2, 1, {"k."}};
    const std::vector<BYTE> image = ArtworkIconImage(grid, 1);
    // Header, two 32-bit pixels, one mask row of four bytes: the second
    // pixel lets the background through.
    ASSERT_EQ(image.size(), sizeof(BITMAPINFOHEADER) + 8 + 4);
    EXPECT_EQ(image[sizeof(BITMAPINFOHEADER) + 3], 0xFF);
    EXPECT_EQ(image[sizeof(BITMAPINFOHEADER) + 7], 0x00);
    EXPECT_EQ(image[sizeof(BITMAPINFOHEADER) + 8], 0x40);
}

} // namespace

namespace {

LRESULT SendOpenFiles(CMainFrame &frame, ULONG_PTR tag, const std::string &bytes)
{
    std::string data = bytes;
    COPYDATASTRUCT copy{tag, static_cast<DWORD>(data.size()), data.empty() ? nullptr : data.data()};
    return frame.SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

std::vector<std::string> OpenPaths(CWinApp &app)
{
    std::vector<std::string> paths;
    POSITION pos = app.GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate *pTemplate = app.GetNextDocTemplate(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != nullptr)
            paths.emplace_back(pTemplate->GetNextDoc(posDoc)->GetPathName().GetString());
    }
    return paths;
}

TEST_F(MainFrameTest, FilesHandedOverByASecondStartOpenAsFileOpenOpensThem)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    const std::string first = m_folder.File("first.c");
    const std::string second = m_folder.File("second file.html");
    TempFolder::Write(first, "int x;\n");
    TempFolder::Write(second, "<p>\n");

    m_boxes.Clear();
    // Messages that are no list of paths are left alone.
    const struct {
        const char *name;
        ULONG_PTR tag;
        std::string bytes;
    } kRefused[] = {
        {"another tag", kOpenFilesTag + 1, first + '\0'},
        {"no data", kOpenFilesTag, ""},
        {"no ending zero", kOpenFilesTag, first},
        {"a relative path", kOpenFilesTag, first + '\0' + "second.c" + '\0'},
        {"an empty path", kOpenFilesTag, first + '\0' + '\0'},
    };
    for (const auto &c : kRefused) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(SendOpenFiles(*m_pFrame, c.tag, c.bytes));
    }
    EXPECT_TRUE(OpenPaths(*m_pApp).empty());
    EXPECT_TRUE(m_boxes.Shown().empty());

    const std::string missing = m_folder.File("missing.c");
    EXPECT_TRUE(SendOpenFiles(*m_pFrame, kOpenFilesTag, first + '\0' + missing + '\0' + second + '\0'));
    EXPECT_EQ(OpenPaths(*m_pApp), (std::vector<std::string>{first, second}));
    EXPECT_STREQ(m_pFrame->MDIGetActive()->GetActiveDocument()->GetPathName(), second.c_str());
    // The missing file gets the usual open error.
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].text.find("missing.c"), std::string::npos) << m_boxes.Shown()[0].text;
}

} // namespace
