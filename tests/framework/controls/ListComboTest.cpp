// List boxes and combo boxes: items, sorting, data, selections made by the
// user and by the program, owner-drawn rows, drop-down lists and their
// notifications.
#include "ControlTestSupport.h"

#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class CMeasuringDialog : public CRecordingDialog {
public:
    std::vector<MEASUREITEMSTRUCT> measured;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MEASUREITEM && lParam) {
            auto *mis = reinterpret_cast<MEASUREITEMSTRUCT *>(lParam);
            mis->itemHeight = 20;
            measured.push_back(*mis);
            return TRUE;
        }
        return CRecordingDialog::WindowProc(message, wParam, lParam);
    }
};

class ListComboTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowSampleDialog(dialog));
        list.Attach(Item(IDC_LIST));
        owner.Attach(Item(IDC_OWNER_LIST));
        history.Attach(Item(IDC_HISTORY));
        kind.Attach(Item(IDC_KIND));
        dialog.commands.clear();
    }
    void TearDown() override
    {
        list.Detach();
        owner.Detach();
        history.Detach();
        kind.Detach();
    }
    HWND Item(int id) const { return ::GetDlgItem(dialog.m_hWnd, id); }

    CMeasuringDialog dialog;
    CListBox list;
    CListBox owner;
    CComboBox history;
    CComboBox kind;
};

TEST_F(ListComboTest, SortedStringsWithDataAndSearch)
{
    for (const char *s : {"pear", "Apple", "fig"})
        list.AddString(s);
    CString text;
    list.GetText(0, text);
    EXPECT_STREQ(text, "Apple");
    list.GetText(2, text);
    EXPECT_STREQ(text, "pear");
    EXPECT_EQ(list.InsertString(1, "kiwi"), 1);
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.SetItemData(3, 77), LB_OKAY);
    EXPECT_EQ(list.GetItemData(3), 77u);
    EXPECT_EQ(list.FindString(-1, "FI"), 2);
    EXPECT_EQ(list.FindStringExact(-1, "fi"), LB_ERR);
    EXPECT_EQ(list.DeleteString(1), 3);
    EXPECT_EQ(list.GetTextLen(1), 3);
    EXPECT_EQ(list.SetItemData(9, 1), LB_ERR);
}

TEST_F(ListComboTest, TheUserSelectsWithNotificationsAndTheProgramWithout)
{
    for (const char *s : {"a", "b", "c"})
        list.AddString(s);
    EXPECT_EQ(list.SetCurSel(1), 1);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_TRUE(dialog.CodesFor(IDC_LIST).empty());
    RECT second;
    list.GetItemRect(2, &second);
    Click(list.m_hWnd, second.left + 3, second.top + 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_TRUE(dialog.Got(IDC_LIST, LBN_SELCHANGE));
    dialog.commands.clear();
    Press(list.m_hWnd, Qt::Key_Up);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_TRUE(dialog.Got(IDC_LIST, LBN_SELCHANGE));
    dialog.commands.clear();
    QTest::mouseDClick(WidgetOf(list.m_hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(second.left + 3, second.top + 2));
    PumpEvents();
    EXPECT_TRUE(dialog.Got(IDC_LIST, LBN_DBLCLK));
    EXPECT_EQ(list.SetCurSel(-1), LB_ERR);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
}

TEST_F(ListComboTest, OwnerDrawnExtendedListMeasuresOnceAndDrawsSelectionChanges)
{
    // The list measured its rows when it was made; the dialog answered 20.
    EXPECT_EQ(owner.GetItemHeight(0), 20);
    for (const char *s : {"one", "two", "three", "four"})
        owner.AddString(s);
    dialog.drawn.clear();
    RECT rc;
    owner.GetItemRect(1, &rc);
    Click(owner.m_hWnd, 3, rc.top + 2);
    owner.GetItemRect(3, &rc);
    QTest::mouseClick(WidgetOf(owner.m_hWnd), Qt::LeftButton, Qt::ShiftModifier, QPoint(3, rc.top + 2));
    PumpEvents();
    EXPECT_EQ(owner.GetSelCount(), 3);
    int items[4] = {};
    ASSERT_EQ(owner.GetSelItems(4, items), 3);
    EXPECT_EQ(items[0], 1);
    EXPECT_EQ(items[2], 3);
    bool selectDrawn = false;
    for (const DRAWITEMSTRUCT &d : dialog.drawn) {
        EXPECT_EQ(d.CtlType, static_cast<UINT>(ODT_LISTBOX));
        if (d.itemAction == ODA_SELECT && d.itemID == 3 && (d.itemState & ODS_SELECTED))
            selectDrawn = true;
    }
    EXPECT_TRUE(selectDrawn);
}

TEST_F(ListComboTest, ProgramSelectionOfAComboSendsNothing)
{
    kind.AddString("Rectangle");
    kind.AddString("Ellipse");
    kind.SetItemData(1, 23);
    EXPECT_EQ(kind.SetCurSel(1), 1);
    EXPECT_TRUE(dialog.CodesFor(IDC_KIND).empty());
    EXPECT_EQ(kind.GetItemData(kind.GetCurSel()), 23u);
    EXPECT_STREQ(TextOf(kind.m_hWnd), "Ellipse");
    // The keyboard changes it and says so.
    kind.SetFocus();
    dialog.commands.clear();
    Press(kind.m_hWnd, Qt::Key_Up);
    EXPECT_EQ(kind.GetCurSel(), 0);
    EXPECT_EQ(dialog.CodesFor(IDC_KIND), std::vector<int>{CBN_SELCHANGE});
}

TEST_F(ListComboTest, ADroppedListPicksTheClickedItem)
{
    for (const char *s : {"red", "green", "blue"})
        kind.AddString(s);
    kind.SetCurSel(0);
    kind.ShowDropDown(TRUE);
    ASSERT_TRUE(kind.GetDroppedState());
    // The list is a pop-up owned by the combo, just below it.
    RECT rc;
    kind.GetWindowRect(&rc);
    HWND popup = ::WindowFromPoint(POINT{rc.left + 5, rc.bottom + 5});
    // The template's scroll bar is the list's (shown when the items need
    // it), never the combo field's.
    EXPECT_FALSE(kind.GetStyle() & WS_VSCROLL);
    RECT item;
    ASSERT_NE(popup, nullptr);
    ::SendMessage(popup, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    POINT pt{item.left + 3, item.top + 2};
    ::ClientToScreen(popup, &pt);
    ::ScreenToClient(kind.m_hWnd, &pt);
    // The combo has the mouse while its list is down.
    ::SendMessage(kind.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_FALSE(kind.GetDroppedState());
    EXPECT_EQ(kind.GetCurSel(), 2);
    EXPECT_EQ(dialog.CodesFor(IDC_KIND), (std::vector<int>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    // A press outside closes it and keeps the selection.
    kind.ShowDropDown(TRUE);
    dialog.commands.clear();
    ::SendMessage(kind.m_hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(-50, -50));
    EXPECT_FALSE(kind.GetDroppedState());
    EXPECT_EQ(kind.GetCurSel(), 2);
    EXPECT_EQ(dialog.CodesFor(IDC_KIND), (std::vector<int>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ListComboTest, ADropDownComboKeepsAHistoryAndReportsTyping)
{
    history.AddString("first");
    history.InsertString(0, "second");
    CString text;
    history.GetLBText(0, text);
    EXPECT_STREQ(text, "second");
    history.SetFocus();
    EXPECT_EQ(FocusId(), PLEXO_COMBO_EDIT_ID);
    dialog.commands.clear();
    TypeText(history.m_hWnd, "x");
    EXPECT_EQ(dialog.CodesFor(IDC_HISTORY), (std::vector<int>{CBN_EDITUPDATE, CBN_EDITCHANGE}));
    EXPECT_STREQ(TextOf(history.m_hWnd), "x");
    // Down in the edit steps through the list.
    dialog.commands.clear();
    Press(history.m_hWnd, Qt::Key_Down);
    EXPECT_EQ(history.GetCurSel(), 0);
    EXPECT_STREQ(TextOf(history.m_hWnd), "second");
    EXPECT_TRUE(dialog.Got(IDC_HISTORY, CBN_SELCHANGE));
    history.ResetContent();
    EXPECT_EQ(history.GetCount(), 0);
    EXPECT_EQ(history.GetLBTextLen(0), CB_ERR);
}

} // namespace

namespace {

TEST(ListAndComboStyles, MultipleSelectionTogglesAndASimpleComboSelectsFromItsOpenList)
{
    RegisterSampleTemplates();
    CRecordingDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SAMPLE));
    dialog.ShowWindow(SW_SHOW);
    CListBox multi;
    ASSERT_TRUE(multi.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | LBS_MULTIPLESEL, RECT{5, 5, 120, 90},
                             &dialog, 901));
    for (const char *s : {"a", "b", "c"})
        multi.AddString(s);
    EXPECT_EQ(multi.SetCurSel(1), LB_ERR); // no single selection here
    RECT rc;
    multi.GetItemRect(0, &rc);
    Click(multi.m_hWnd, 3, rc.top + 2);
    multi.GetItemRect(2, &rc);
    Click(multi.m_hWnd, 3, rc.top + 2);
    EXPECT_EQ(multi.GetSelCount(), 2);
    Click(multi.m_hWnd, 3, rc.top + 2);
    EXPECT_EQ(multi.GetSelCount(), 1);
    EXPECT_EQ(multi.GetSel(0), 1);
    EXPECT_TRUE(dialog.Got(901, LBN_SELCHANGE));

    CComboBox simple;
    ASSERT_TRUE(simple.Create(WS_CHILD | WS_VISIBLE | CBS_SIMPLE, RECT{130, 5, 260, 120}, &dialog, 902));
    simple.AddString("red");
    simple.AddString("green");
    HWND list = nullptr;
    for (HWND h = ::GetWindow(simple.m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (::GetDlgCtrlID(h) != PLEXO_COMBO_EDIT_ID)
            list = h;
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(::IsWindowVisible(list)); // the list stays open
    RECT item;
    ::SendMessage(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    dialog.commands.clear();
    Click(list, item.left + 3, item.top + 2);
    EXPECT_EQ(simple.GetCurSel(), 1);
    EXPECT_STREQ(TextOf(simple.m_hWnd), "green");
    EXPECT_TRUE(dialog.Got(902, CBN_SELCHANGE));
}

} // namespace
