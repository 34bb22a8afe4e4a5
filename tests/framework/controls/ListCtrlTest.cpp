// The report list: columns, items and sub-items, data, selection by the
// user and the program with their notifications, and owner-drawn rows whose
// height comes from a reflected WM_MEASUREITEM.
#include "ControlTestSupport.h"

#include "framework/controls/ListCtrl.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class CNotifyRecorder : public CRecordingDialog {
public:
    struct Note {
        UINT code;
        int item;
        UINT newState;
    };
    std::vector<Note> notes;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override
    {
        auto *hdr = reinterpret_cast<NMHDR *>(lParam);
        if (hdr->code == LVN_ITEMCHANGED) {
            auto *nm = reinterpret_cast<NMLISTVIEW *>(lParam);
            notes.push_back(Note{hdr->code, nm->iItem, nm->uNewState});
        } else if (hdr->code == NM_CLICK || hdr->code == NM_DBLCLK) {
            notes.push_back(Note{hdr->code, reinterpret_cast<NMITEMACTIVATE *>(lParam)->iItem, 0});
        }
        return CRecordingDialog::OnNotify(wParam, lParam, pResult);
    }
};

// The owner-drawn list of a dialog: it answers its own row height.
class CRowList : public CListCtrl {
public:
    std::vector<UINT> drawnRows;
    UINT rowHeight = 24;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override { mis->itemHeight = rowHeight; }
    void DrawItem(LPDRAWITEMSTRUCT dis) override { drawnRows.push_back(dis->itemID); }
};

class ListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSampleTemplates();
        ASSERT_TRUE(dialog.Create(IDD_SAMPLE));
        dialog.ShowWindow(SW_SHOW);
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                                  RECT{10, 10, 210, 160}, &dialog, 601));
        report.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        report.InsertColumn(0, "Name", LVCFMT_LEFT, 80);
        report.InsertColumn(1, "Size", LVCFMT_RIGHT, 60);
        for (int i = 0; i < 5; ++i) {
            char name[16];
            std::snprintf(name, sizeof(name), "item%d", i);
            int at = report.InsertItem(i, name);
            report.SetItemText(at, 1, std::to_string(i * 10).c_str());
            report.SetItemData(at, static_cast<DWORD_PTR>(100 + i));
        }
        PumpEvents();
        dialog.notes.clear();
    }

    CNotifyRecorder dialog;
    CListCtrl report;
};

TEST_F(ListCtrlTest, ColumnsItemsSubItemsAndData)
{
    EXPECT_EQ(report.GetItemCount(), 5);
    EXPECT_STREQ(report.GetItemText(3, 0), "item3");
    EXPECT_STREQ(report.GetItemText(3, 1), "30");
    EXPECT_STREQ(report.GetItemText(3, 7), "");
    EXPECT_EQ(report.GetItemData(4), 104u);
    EXPECT_EQ(report.GetColumnWidth(1), 60);
    EXPECT_EQ(report.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    report.DeleteItem(0);
    EXPECT_STREQ(report.GetItemText(0, 0), "item1");
    EXPECT_FALSE(report.DeleteItem(9));
}

TEST_F(ListCtrlTest, ProgramSelectionAndTheNextSelectedItem)
{
    EXPECT_EQ(report.GetNextItem(-1, LVNI_SELECTED), -1);
    report.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    report.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED); // single selection: 2 goes
    EXPECT_EQ(report.GetNextItem(-1, LVNI_SELECTED), 3);
    EXPECT_EQ(report.GetSelectedCount(), 1u);
    ASSERT_EQ(dialog.notes.size(), 3u);
    EXPECT_EQ(dialog.notes[0].item, 2);
    EXPECT_EQ(dialog.notes[1].item, 2); // deselected
    EXPECT_EQ(dialog.notes[1].newState, 0u);
    EXPECT_EQ(dialog.notes[2].item, 3);
}

TEST_F(ListCtrlTest, ClicksSelectAndNotifyAndKeysMoveTheSelection)
{
    RECT row;
    report.GetItemRect(1, &row, LVIR_BOUNDS);
    POINT inWidget{row.left + 90, row.top + 2}; // the second column: full-row selection
    RECT outer;
    report.GetWindowRect(&outer);
    POINT origin{0, 0};
    report.ClientToScreen(&origin);
    QPoint at(inWidget.x + origin.x - outer.left, inWidget.y + origin.y - outer.top);
    QTest::mouseClick(WidgetOf(report.m_hWnd), Qt::LeftButton, Qt::NoModifier, at);
    PumpEvents();
    EXPECT_EQ(report.GetNextItem(-1, LVNI_SELECTED), 1);
    ASSERT_FALSE(dialog.notes.empty());
    EXPECT_EQ(dialog.notes.back().code, static_cast<UINT>(NM_CLICK));
    EXPECT_EQ(dialog.notes.back().item, 1);
    QTest::mouseDClick(WidgetOf(report.m_hWnd), Qt::LeftButton, Qt::NoModifier, at);
    PumpEvents();
    EXPECT_EQ(dialog.notes.back().code, static_cast<UINT>(NM_DBLCLK));
    Press(report.m_hWnd, Qt::Key_Down);
    EXPECT_EQ(report.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(report.GetNextItem(-1, LVNI_FOCUSED), 2);
}

TEST_F(ListCtrlTest, ImagesOfRowsAndTheImageLists)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 2, 2));
    EXPECT_EQ(report.SetImageList(&images, LVSIL_SMALL), nullptr);
    EXPECT_EQ(report.GetImageList(LVSIL_SMALL), &images);
    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = 0;
    item.iImage = 53;
    item.pszText = const_cast<LPTSTR>("with image");
    int at = report.InsertItem(&item);
    LVITEM read{};
    read.mask = LVIF_IMAGE;
    read.iItem = at;
    ASSERT_TRUE(report.GetItem(&read));
    EXPECT_EQ(read.iImage, 53);
    report.RedrawWindow(); // draws with an image index past the list's end: nothing shows, nothing breaks
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(report.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL)), images.GetSafeHandle());
}

TEST(ListCtrlOwnerDraw, TheRowHeightComesFromTheReflectedMeasureAndEachVisibleRowIsDrawn)
{
    RegisterSampleTemplates();
    CRecordingDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SAMPLE));
    dialog.ShowWindow(SW_SHOW);
    HWND hList = ::CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, 10, 10,
                                  200, 130, dialog.m_hWnd, reinterpret_cast<HMENU>(602), nullptr, nullptr);
    ASSERT_NE(hList, nullptr);
    CRowList rows;
    ASSERT_TRUE(rows.SubclassWindow(hList));
    // A size change asks again; now the subclass answers through reflection.
    rows.SetWindowPos(nullptr, 0, 0, 200, 131, SWP_NOMOVE | SWP_NOZORDER);
    rows.InsertColumn(0, "Colour", LVCFMT_LEFT, 150);
    for (int i = 0; i < 20; ++i)
        rows.InsertItem(i, "row");
    RECT rc;
    rows.GetItemRect(1, &rc, LVIR_BOUNDS);
    EXPECT_EQ(rc.bottom - rc.top, 24);
    rows.drawnRows.clear();
    rows.RedrawWindow();
    int perPage = rows.GetCountPerPage();
    RECT client;
    rows.GetClientRect(&client);
    int header = rc.top - 24; // row 1 starts one row below the header
    EXPECT_EQ(perPage, (client.bottom - header) / 24);
    ASSERT_FALSE(rows.drawnRows.empty());
    EXPECT_EQ(rows.drawnRows.front(), 0u);
    EXPECT_LE(static_cast<int>(rows.drawnRows.size()), perPage + 1);
    // The components list's way to be measured again after a font change:
    // a position change it sends itself, with a size.
    rows.rowHeight = 40;
    WINDOWPOS wp{rows.m_hWnd, nullptr, 0, 0, 200, 231, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOOWNERZORDER};
    rows.SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    rows.GetItemRect(1, &rc, LVIR_BOUNDS);
    EXPECT_EQ(rc.bottom - rc.top, 40);
    rows.UnsubclassWindow();
}

} // namespace
