// Menus: building, state, the resource registry and the pop-up menu loop.
#include "WindowTestSupport.h"

#include "framework/resources/Resources.h"
#include "framework/window/Menu.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

enum : UINT { ID_OPEN = 2001, ID_SAVE, ID_CUT, ID_COPY, ID_RECENT };

TEST(MenuTest, ItemsAreFoundByPositionAndByCommandInSubMenus)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    CMenu edit;
    ASSERT_TRUE(edit.CreatePopupMenu());
    edit.AppendMenu(MF_STRING, ID_CUT, "Cu&t\tCtrl+X");
    edit.AppendMenu(MF_SEPARATOR);
    edit.AppendMenu(MF_STRING | MF_GRAYED, ID_COPY, "&Copy");
    menu.AppendMenu(MF_STRING, ID_OPEN, "&Open");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(edit.Detach()), "&Edit");
    menu.InsertMenu(1, MF_BYPOSITION | MF_STRING, ID_SAVE, "&Save");

    ASSERT_EQ(menu.GetMenuItemCount(), 3u);
    EXPECT_EQ(menu.GetMenuItemID(0), ID_OPEN);
    EXPECT_EQ(menu.GetMenuItemID(1), ID_SAVE);
    EXPECT_EQ(menu.GetMenuItemID(2), static_cast<UINT>(-1));
    CMenu *sub = menu.GetSubMenu(2);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->GetMenuItemID(1), 0u);
    CString text;
    menu.GetMenuString(ID_CUT, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "Cu&t\tCtrl+X");

    EXPECT_EQ(menu.CheckMenuItem(ID_CUT, MF_CHECKED), static_cast<UINT>(MF_UNCHECKED));
    EXPECT_EQ(menu.CheckMenuItem(ID_CUT, MF_UNCHECKED), static_cast<UINT>(MF_CHECKED));
    EXPECT_TRUE(menu.GetMenuState(ID_COPY, MF_BYCOMMAND) & MF_GRAYED);
    menu.EnableMenuItem(ID_COPY, MF_ENABLED);
    EXPECT_FALSE(menu.GetMenuState(ID_COPY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(menu.CheckMenuItem(9999, MF_CHECKED), static_cast<UINT>(-1));
    EXPECT_TRUE(menu.SetDefaultItem(1, TRUE));
    EXPECT_EQ(menu.GetDefaultItem(0, FALSE), ID_SAVE);
    EXPECT_TRUE(menu.GetMenuState(ID_SAVE, MF_BYCOMMAND) & MF_DEFAULT);
    EXPECT_TRUE(menu.SetDefaultItem(ID_OPEN));
    EXPECT_EQ(menu.GetDefaultItem(0, TRUE), 0u);
    EXPECT_FALSE(menu.SetDefaultItem(9999));

    HMENU hSub = sub->m_hMenu;
    EXPECT_TRUE(menu.DeleteMenu(ID_COPY, MF_BYCOMMAND));
    EXPECT_EQ(sub->GetMenuItemCount(), 2u);
    EXPECT_TRUE(menu.DeleteMenu(2, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(hSub));
    EXPECT_FALSE(menu.DeleteMenu(7, MF_BYPOSITION));
}

const RESOURCE_MENU_ITEM kFileMenu[] = {
    {MF_POPUP, 0, "&File"},          {MF_STRING, ID_OPEN, "&Open..."},
    {MF_SEPARATOR, 0, nullptr},      {MF_STRING | MF_END, ID_SAVE, "&Save"},
    {MF_POPUP | MF_END, 0, "&Edit"}, {MF_STRING | MF_END, ID_CUT, "Cu&t"},
};
const RESOURCE_MENU_ITEM kUnendedMenu[] = {
    {MF_POPUP | MF_END, 0, "&File"},
    {MF_STRING, ID_OPEN, "&Open..."},
};

TEST(MenuTest, MenusLoadFromTheRegistryAndBadTablesDoNot)
{
    PlexoRegisterMenu(7001, kFileMenu, 6);
    PlexoRegisterMenu(7002, kUnendedMenu, 2);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(7001));
    ASSERT_EQ(menu.GetMenuItemCount(), 2u);
    CMenu *file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetMenuItemCount(), 3u);
    EXPECT_EQ(file->GetMenuItemID(2), ID_SAVE);
    EXPECT_EQ(menu.GetSubMenu(1)->GetMenuItemID(0), ID_CUT);

    CMenu bad;
    EXPECT_FALSE(bad.LoadMenu(7002));
    EXPECT_FALSE(bad.LoadMenu(7999));
    EXPECT_EQ(bad.m_hMenu, nullptr);
}

// The owner prepares the menu before it shows, through its command
// routing: Save is disabled by its update handler, Cut has no handler.
class CMenuOwner : public CRecordingWnd {
protected:
    afx_msg void OnInitMenuPopup(CMenu *pPopupMenu, UINT, BOOL) { PlexoUpdateMenuCommandUI(pPopupMenu, this, TRUE); }
    afx_msg void OnCommandSeen() {}
    afx_msg void OnUpdateSave(CCmdUI *pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMenuOwner, CRecordingWnd)
ON_WM_INITMENUPOPUP()
ON_COMMAND(ID_OPEN, OnCommandSeen)
ON_COMMAND(ID_SAVE, OnCommandSeen)
ON_COMMAND(ID_RECENT, OnCommandSeen)
ON_UPDATE_COMMAND_UI(ID_SAVE, OnUpdateSave)
END_MESSAGE_MAP()

// Picks the menu's n-th enabled item with the keyboard once it is open.
void ChooseWithKeyboard(int downPresses)
{
    QTimer::singleShot(0, [downPresses]() {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        for (int i = 0; i < downPresses; ++i)
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
}

// Closes the menu with Escape once it is open.
void CancelWithKeyboard()
{
    QTimer::singleShot(0, []() {
        if (QWidget *popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
    });
}

TEST(MenuTest, ACancelledPopupMenuReturnsNoCommandButSucceeds)
{
    CMenuOwner owner;
    ASSERT_TRUE(CreateTopLevel(owner, RECT{0, 0, 200, 200}));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_OPEN, "Open");
    CancelWithKeyboard();
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 20, 20, &owner), 0);
    CancelWithKeyboard();
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 20, 20, &owner));
    PumpEvents();
    EXPECT_TRUE(owner.Only({WM_COMMAND}).empty());
}

TEST(MenuTest, APopupMenuReturnsOrPostsTheChosenCommand)
{
    CMenuOwner owner;
    ASSERT_TRUE(CreateTopLevel(owner, RECT{0, 0, 200, 200}));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_OPEN, "Open");
    menu.AppendMenu(MF_STRING, ID_SAVE, "Save");
    menu.AppendMenu(MF_STRING, ID_CUT, "Cut");
    menu.AppendMenu(MF_STRING, ID_RECENT, "Recent");

    ChooseWithKeyboard(2); // Save and Cut are disabled: the second enabled item is Recent
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 20, 20, &owner), static_cast<BOOL>(ID_RECENT));
    EXPECT_EQ(owner.Only({WM_INITMENUPOPUP}).size(), 1u);
    EXPECT_TRUE(owner.Only({WM_COMMAND}).empty());
    EXPECT_TRUE(menu.GetMenuState(ID_SAVE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_CUT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(menu.GetMenuState(ID_RECENT, MF_BYCOMMAND) & MF_GRAYED);

    owner.Clear();
    owner.SetCapture(); // a drag the menu interrupts
    ChooseWithKeyboard(1);
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 20, 20, &owner));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(owner.Only({WM_CAPTURECHANGED}).size(), 1u);
    PumpEvents();
    auto commands = owner.Only({WM_COMMAND});
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(ID_OPEN, 0));
}

// Presses a key in the menu once it is open.
void PressInMenu(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTimer::singleShot(0, [key, modifiers]() {
        if (QWidget *popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, key, modifiers);
    });
}

TEST(MenuTest, ATypeThroughPopupGivesAPrintableKeyBackToTheFocusWindow)
{
    CMenuOwner owner;
    ASSERT_TRUE(CreateTopLevel(owner, RECT{0, 0, 200, 200}));
    owner.SetFocus();
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_OPEN, "&Open");
    menu.AppendMenu(MF_STRING, ID_RECENT, "&Recent");

    // "o" is Open's mnemonic: it closes the menu and is typed instead.
    PressInMenu(Qt::Key_O);
    EXPECT_EQ(PlexoTrackPopupMenuTypeThrough(menu, TPM_RETURNCMD, 20, 20, owner.m_hWnd), 0);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    PumpEvents();
    auto chars = owner.Only({WM_CHAR});
    ASSERT_EQ(chars.size(), 1u);
    EXPECT_EQ(chars[0].wParam, static_cast<WPARAM>('o'));
    EXPECT_TRUE(owner.Only({WM_COMMAND}).empty());

    // Keys that are not typed text work the menu as in any pop-up.
    owner.Clear();
    ChooseWithKeyboard(1);
    EXPECT_EQ(PlexoTrackPopupMenuTypeThrough(menu, TPM_RETURNCMD, 20, 20, owner.m_hWnd),
              static_cast<BOOL>(ID_OPEN));
    PressInMenu(Qt::Key_O, Qt::ControlModifier);
    CancelWithKeyboard();
    EXPECT_EQ(PlexoTrackPopupMenuTypeThrough(menu, TPM_RETURNCMD, 20, 20, owner.m_hWnd), 0);
    PumpEvents();
    EXPECT_TRUE(owner.Only({WM_CHAR}).empty());
}

} // namespace
