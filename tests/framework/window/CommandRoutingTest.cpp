// Command routing through stand-ins for a view, its document, the frame
// and the application; CCmdUI; control notifications and reflection.
#include "WindowTestSupport.h"

#include "framework/window/WindowInternals.h"

#include "framework/resources/Resources.h"
#include "framework/window/Menu.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum : UINT {
    ID_VIEW_ONLY = 32001,
    ID_DOC_ONLY,
    ID_FRAME_ONLY,
    ID_APP_ONLY,
    ID_SHARED,
    ID_PASS_ON,
    ID_UNHANDLED,
    ID_TOOL_FIRST = 32100,
    ID_TOOL_LAST = 32109,
};

std::vector<std::string> g_ran;

class CTestApp : public CCmdTarget {
protected:
    afx_msg void OnAppOnly() { g_ran.push_back("app"); }
    afx_msg void OnShared() { g_ran.push_back("app-shared"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CCmdTarget)
ON_COMMAND(ID_APP_ONLY, OnAppOnly)
ON_COMMAND(ID_SHARED, OnShared)
END_MESSAGE_MAP()

class CTestDoc : public CCmdTarget {
public:
    BOOL docCommandEnabled = TRUE;

protected:
    afx_msg void OnDocOnly() { g_ran.push_back("doc"); }
    afx_msg void OnUpdateDocOnly(CCmdUI *pCmdUI) { pCmdUI->Enable(docCommandEnabled); }
    afx_msg void OnPassOn() { g_ran.push_back("doc-pass"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestDoc, CCmdTarget)
ON_COMMAND(ID_DOC_ONLY, OnDocOnly)
ON_UPDATE_COMMAND_UI(ID_DOC_ONLY, OnUpdateDocOnly)
ON_COMMAND(ID_PASS_ON, OnPassOn)
END_MESSAGE_MAP()

// The view asks itself, then its document.
class CTestView : public CWnd {
public:
    CTestDoc *m_pDocument = nullptr;
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override
    {
        if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    afx_msg void OnViewOnly() { g_ran.push_back("view"); }
    afx_msg void OnShared() { g_ran.push_back("view-shared"); }
    afx_msg BOOL OnPassOn(UINT nID)
    {
        g_ran.push_back("view-saw " + std::to_string(nID));
        return FALSE;
    }
    afx_msg void OnTool(UINT nID) { g_ran.push_back("tool " + std::to_string(nID - ID_TOOL_FIRST)); }
    afx_msg void OnUpdateTool(CCmdUI *pCmdUI) { pCmdUI->SetCheck(pCmdUI->m_nID == ID_TOOL_FIRST + 2); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestView, CWnd)
ON_COMMAND(ID_VIEW_ONLY, OnViewOnly)
ON_COMMAND(ID_SHARED, OnShared)
ON_COMMAND_EX(ID_PASS_ON, OnPassOn)
ON_COMMAND_RANGE(ID_TOOL_FIRST, ID_TOOL_LAST, OnTool)
ON_UPDATE_COMMAND_UI_RANGE(ID_TOOL_FIRST, ID_TOOL_LAST, OnUpdateTool)
END_MESSAGE_MAP()

// The frame asks the active view, then itself, then the application.
class CTestFrame : public CWnd {
public:
    CTestView *m_pActiveView = nullptr;
    CTestApp *m_pApp = nullptr;
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override
    {
        if (m_pActiveView && m_pActiveView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return m_pApp && m_pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    afx_msg void OnFrameOnly() { g_ran.push_back("frame"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestFrame, CWnd)
ON_COMMAND(ID_FRAME_ONLY, OnFrameOnly)
END_MESSAGE_MAP()

class CommandRoutingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(frame, RECT{0, 0, 300, 200}));
        ASSERT_TRUE(view.Create(nullptr, "view", WS_VISIBLE, RECT{0, 0, 300, 200}, &frame, 0xE900));
        view.m_pDocument = &doc;
        frame.m_pActiveView = &view;
        frame.m_pApp = &app;
        g_ran.clear();
    }
    // A menu item or accelerator: WM_COMMAND with no control.
    LRESULT Command(UINT nID, WORD source = CMD_FROM_MENU)
    {
        return frame.SendMessage(WM_COMMAND, MAKEWPARAM(nID, source), 0);
    }

    CTestApp app;
    CTestDoc doc;
    CTestFrame frame;
    CTestView view;
};

TEST_F(CommandRoutingTest, CommandsRouteThroughViewDocumentFrameApplication)
{
    struct Case {
        UINT nID;
        const char *ranBy;
    } cases[] = {
        {ID_VIEW_ONLY, "view"}, {ID_DOC_ONLY, "doc"},       {ID_FRAME_ONLY, "frame"},
        {ID_APP_ONLY, "app"},   {ID_SHARED, "view-shared"},
    };
    for (const Case &c : cases) {
        g_ran.clear();
        EXPECT_EQ(Command(c.nID), 1) << c.ranBy;
        EXPECT_EQ(g_ran, std::vector<std::string>{c.ranBy});
    }
    g_ran.clear();
    EXPECT_EQ(Command(ID_UNHANDLED), 0);
    EXPECT_TRUE(g_ran.empty());
}

TEST_F(CommandRoutingTest, AnExtendedHandlerCanPassTheCommandOn)
{
    Command(ID_PASS_ON);
    std::vector<std::string> expected{"view-saw " + std::to_string(ID_PASS_ON), "doc-pass"};
    EXPECT_EQ(g_ran, expected);
}

TEST_F(CommandRoutingTest, RangesPassTheIdToTheHandler)
{
    Command(ID_TOOL_FIRST + 4);
    EXPECT_EQ(g_ran, std::vector<std::string>{"tool 4"});
}

TEST_F(CommandRoutingTest, ADisabledCommandIsNotRunFromMenuOrAccelerator)
{
    doc.docCommandEnabled = FALSE;
    EXPECT_EQ(Command(ID_DOC_ONLY, CMD_FROM_MENU), 1);
    EXPECT_EQ(Command(ID_DOC_ONLY, CMD_FROM_ACCELERATOR), 1);
    EXPECT_TRUE(g_ran.empty());

    // Through an accelerator table and a key-down message.
    ACCEL table[] = {{FVIRTKEY, 'D', static_cast<WORD>(ID_DOC_ONLY)}};
    HACCEL hAccel = CreateAcceleratorTable(table, 1);
    MSG key{view.m_hWnd, WM_KEYDOWN, 'D', 1, 0, {0, 0}};
    EXPECT_EQ(TranslateAccelerator(frame.m_hWnd, hAccel, &key), 1);
    EXPECT_TRUE(g_ran.empty());

    doc.docCommandEnabled = TRUE;
    EXPECT_EQ(TranslateAccelerator(frame.m_hWnd, hAccel, &key), 1);
    EXPECT_EQ(g_ran, std::vector<std::string>{"doc"});
    MSG other{view.m_hWnd, WM_KEYDOWN, 'E', 1, 0, {0, 0}};
    EXPECT_EQ(TranslateAccelerator(frame.m_hWnd, hAccel, &other), 0);
    DestroyAcceleratorTable(hAccel);
}

const ACCEL kFrameAccelerators[] = {
    {FVIRTKEY | FCONTROL, 'D', static_cast<WORD>(ID_DOC_ONLY)},
};
HWND g_acceleratorWindow = nullptr;
HACCEL g_accelerators = nullptr;

BOOL TranslateFrameAccelerators(MSG *pMsg)
{
    return TranslateAccelerator(g_acceleratorWindow, g_accelerators, pMsg);
}

TEST_F(CommandRoutingTest, TypedAcceleratorsRunEnabledCommandsOnly)
{
    PlexoRegisterAccelerators(7100, kFrameAccelerators, 1);
    g_accelerators = LoadAccelerators(nullptr, MAKEINTRESOURCE(7100));
    ASSERT_NE(g_accelerators, nullptr);
    EXPECT_EQ(LoadAccelerators(nullptr, MAKEINTRESOURCE(7199)), nullptr);
    g_acceleratorWindow = frame.m_hWnd;
    PlexoPreTranslateHook previous = PlexoSetPreTranslateHook(&TranslateFrameAccelerators);
    view.SetFocus();
    QWidget *widget = WindowCore::Widget(view.m_hWnd);

    doc.docCommandEnabled = FALSE;
    QTest::keyClick(widget, Qt::Key_D, Qt::ControlModifier);
    PumpEvents();
    EXPECT_TRUE(g_ran.empty());
    doc.docCommandEnabled = TRUE;
    QTest::keyClick(widget, Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_D); // without Control it is no accelerator
    PumpEvents();
    EXPECT_EQ(g_ran, std::vector<std::string>{"doc"});
    PlexoSetPreTranslateHook(previous);
}

TEST_F(CommandRoutingTest, MenuUpdatesEnableCheckAndDisableUnhandledItems)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_DOC_ONLY, "Doc");
    menu.AppendMenu(MF_STRING, ID_UNHANDLED, "Nobody");
    menu.AppendMenu(MF_STRING, ID_TOOL_FIRST + 2, "Tool 2");
    menu.AppendMenu(MF_STRING, ID_TOOL_FIRST + 3, "Tool 3");
    doc.docCommandEnabled = FALSE;

    CCmdUI state;
    state.m_pMenu = &menu;
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
        state.m_nIndex = i;
        state.m_nID = menu.GetMenuItemID(static_cast<int>(i));
        state.DoUpdate(&frame, TRUE);
    }
    EXPECT_TRUE(menu.GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(1, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(menu.GetMenuState(2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(2, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(menu.GetMenuState(3, MF_BYPOSITION) & MF_CHECKED);
}

// ---- Control notifications

const UINT IDC_BUTTON = 100, IDC_EDIT = 101, IDC_LIST = 102, IDC_OPTION_FIRST = 200, IDC_SELF = 300;

class CReflectingButton : public CWnd {
protected:
    afx_msg void OnClickedItself() { g_ran.push_back("button itself"); }
    afx_msg void OnNotifyItself(NMHDR *, LRESULT *pResult)
    {
        g_ran.push_back("button notify itself");
        *pResult = 9;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectingButton, CWnd)
ON_CONTROL_REFLECT(BN_CLICKED, OnClickedItself)
ON_NOTIFY_REFLECT(NM_CLICK, OnNotifyItself)
END_MESSAGE_MAP()

class CTestDialog : public CWnd {
protected:
    afx_msg void OnButton() { g_ran.push_back("clicked"); }
    afx_msg void OnEditChange() { g_ran.push_back("edit changed"); }
    afx_msg void OnOption(UINT nID) { g_ran.push_back("option " + std::to_string(nID - IDC_OPTION_FIRST)); }
    afx_msg void OnListClick(NMHDR *pNMHDR, LRESULT *pResult)
    {
        g_ran.push_back("list click " + std::to_string(pNMHDR->idFrom));
        *pResult = 5;
    }
    afx_msg void OnSelfClicked() { g_ran.push_back("parent saw self"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestDialog, CWnd)
ON_BN_CLICKED(IDC_BUTTON, OnButton)
ON_EN_CHANGE(IDC_EDIT, OnEditChange)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OPTION_FIRST, IDC_OPTION_FIRST + 5, OnOption)
ON_NOTIFY(NM_CLICK, IDC_LIST, OnListClick)
ON_BN_CLICKED(IDC_SELF, OnSelfClicked)
END_MESSAGE_MAP()

class ControlNotificationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(dialog, RECT{0, 0, 200, 200}));
        for (UINT id : {IDC_BUTTON, IDC_EDIT, IDC_LIST, IDC_OPTION_FIRST + 3})
            ASSERT_TRUE(::CreateWindowEx(0, TestWindowClass(), "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, dialog.m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr));
        ASSERT_TRUE(selfButton.Create(nullptr, "", WS_VISIBLE, RECT{0, 0, 10, 10}, &dialog, IDC_SELF));
        g_ran.clear();
    }
    LRESULT Notify(UINT id, WORD code)
    {
        return dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, code),
                                  reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, static_cast<int>(id))));
    }
    CTestDialog dialog;
    CReflectingButton selfButton;
};

TEST_F(ControlNotificationTest, NotificationsReachTheirEntries)
{
    Notify(IDC_BUTTON, BN_CLICKED);
    Notify(IDC_EDIT, EN_CHANGE);
    Notify(IDC_EDIT, EN_KILLFOCUS);
    Notify(IDC_OPTION_FIRST + 3, BN_CLICKED);
    std::vector<std::string> expected{"clicked", "edit changed", "option 3"};
    EXPECT_EQ(g_ran, expected);

    NMHDR header{::GetDlgItem(dialog.m_hWnd, IDC_LIST), IDC_LIST, NM_CLICK};
    EXPECT_EQ(dialog.SendMessage(WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&header)), 5);
    EXPECT_EQ(g_ran.back(), "list click " + std::to_string(IDC_LIST));
    header.code = NM_DBLCLK;
    EXPECT_EQ(dialog.SendMessage(WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&header)), 0);
}

TEST_F(ControlNotificationTest, AControlHandlesItsOwnReflectedNotification)
{
    Notify(IDC_SELF, BN_CLICKED);
    EXPECT_EQ(g_ran, std::vector<std::string>{"button itself"});
    NMHDR header{selfButton.m_hWnd, IDC_SELF, NM_CLICK};
    EXPECT_EQ(dialog.SendMessage(WM_NOTIFY, IDC_SELF, reinterpret_cast<LPARAM>(&header)), 9);
}

} // namespace

namespace {

TEST(CmdUI, ItDrivesMenuItemsAndControls)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 40001, "&Zoom");
    menu.AppendMenu(MF_STRING | MF_CHECKED, 40002, "&Grid");
    CCmdUI item;
    item.m_pMenu = &menu;
    item.m_nIndex = 0;
    item.m_nID = 40001;
    item.SetText("&Zoom 200%");
    item.SetRadio(TRUE);
    item.Enable(FALSE);
    CString text;
    menu.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_EQ(text, "&Zoom 200%");
    UINT state = menu.GetMenuState(0, MF_BYPOSITION);
    EXPECT_TRUE(state & MF_CHECKED);
    EXPECT_TRUE(state & MFT_RADIOCHECK);
    EXPECT_TRUE(state & MF_GRAYED);
    EXPECT_EQ(menu.GetMenuItemID(0), 40001u);
    item.m_nIndex = 1;
    item.SetCheck(0);
    EXPECT_FALSE(menu.GetMenuState(1, MF_BYPOSITION) & MF_CHECKED);

    CRecordingWnd bar, button;
    ASSERT_TRUE(CreateTopLevel(bar, RECT{0, 0, 100, 30}));
    ASSERT_TRUE(button.Create(TestWindowClass(), "Old", WS_VISIBLE, CRect(0, 0, 20, 20), &bar, 40003));
    button.SetFocus();
    CCmdUI control;
    control.m_pOther = &button;
    control.m_nID = 40003;
    control.SetText("New");
    control.Enable(FALSE);
    control.SetCheck(1);
    CString caption;
    button.GetWindowText(caption);
    EXPECT_EQ(caption, "New");
    EXPECT_FALSE(button.IsWindowEnabled());
    EXPECT_NE(CWnd::GetFocus(), &button); // the focus left the disabled control
    auto checks = button.Only({0x00F1});
    ASSERT_EQ(checks.size(), 1u);
    EXPECT_EQ(checks[0].wParam, 1u);
}

} // namespace
