// A child property sheet of three pages inside a dialog: pages from
// templates, activation with data exchange, the tab control, keyboard
// navigation into the pages, and a sheet that deletes itself.
#include "ControlTestSupport.h"

#include "framework/controls/PropertySheet.h"
#include "framework/resources/Resources.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

enum : UINT {
    IDD_HOST = 9101,
    IDD_PAGE_GENERAL = 9102,
    IDD_PAGE_FILL = 9103,
    IDD_PAGE_SHADOW = 9104,
    IDC_HOST_NAME = 501,
    IDC_WIDTH = 502,
    IDC_FILLED = 503,
    IDC_SHADOW_NONE = 504,
    IDC_SHADOW_SOFT = 505,
};

const RESOURCE_DIALOG_ITEM kHostItems[] = {
    {"EDIT", "", IDC_HOST_NAME, 5, 5, 80, 12, WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "OK", IDOK, 200, 5, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
};
const RESOURCE_DIALOG kHost = {WS_POPUP | WS_CAPTION, 0, 0, 0,          260, 160, "Properties",
                               "MS Sans Serif",       8, 0, kHostItems, 2};
const RESOURCE_DIALOG_ITEM kGeneralItems[] = {
    {"STATIC", "&Width:", 0xFFFF, 5, 7, 30, 8, WS_VISIBLE, 0},
    {"EDIT", "", IDC_WIDTH, 40, 5, 40, 12, WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0},
};
const RESOURCE_DIALOG kGeneral = {WS_CHILD | WS_CAPTION, 0, 0, 0, 150, 60, "General", "MS Sans Serif", 8, 0,
                                  kGeneralItems,         2};
const RESOURCE_DIALOG_ITEM kFillItems[] = {
    {"BUTTON", "&Filled", IDC_FILLED, 5, 5, 60, 10, BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE, 0},
};
const RESOURCE_DIALOG kFill = {WS_CHILD | WS_CAPTION, 0, 0, 0, 150, 60, "Fill", "MS Sans Serif", 8, 0, kFillItems, 1};
const RESOURCE_DIALOG_ITEM kShadowItems[] = {
    {"BUTTON", "&None", IDC_SHADOW_NONE, 5, 5, 60, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "&Soft", IDC_SHADOW_SOFT, 5, 18, 60, 10, BS_AUTORADIOBUTTON | WS_VISIBLE, 0},
};
const RESOURCE_DIALOG kShadow = {WS_CHILD | WS_CAPTION, 0, 0, 0, 170, 70, "Shadow", "MS Sans Serif", 8, 0,
                                 kShadowItems,          2};

void RegisterSheetTemplates()
{
    static const bool registered = []() {
        PlexoRegisterDialog(IDD_HOST, &kHost);
        PlexoRegisterDialog(IDD_PAGE_GENERAL, &kGeneral);
        PlexoRegisterDialog(IDD_PAGE_FILL, &kFill);
        PlexoRegisterDialog(IDD_PAGE_SHADOW, &kShadow);
        return true;
    }();
    (void)registered;
}

struct CGeneralPage : CPropertyPage {
    CGeneralPage() : CPropertyPage(IDD_PAGE_GENERAL) {}
    int m_nWidth = 3;
    int setActive = 0;
    void DoDataExchange(CDataExchange *pDX) override
    {
        DDX_Text(pDX, IDC_WIDTH, m_nWidth);
        DDV_MinMaxInt(pDX, m_nWidth, 1, 10);
    }
    BOOL OnSetActive() override
    {
        ++setActive;
        return CPropertyPage::OnSetActive();
    }
};

struct CFillPage : CPropertyPage {
    CFillPage() : CPropertyPage(IDD_PAGE_FILL) {}
    int m_nFilled = 1;
    void DoDataExchange(CDataExchange *pDX) override { DDX_Check(pDX, IDC_FILLED, m_nFilled); }
};

struct CShadowPage : CPropertyPage {
    CShadowPage() : CPropertyPage(IDD_PAGE_SHADOW) {}
    int m_nShadow = 1;
    void DoDataExchange(CDataExchange *pDX) override { DDX_Radio(pDX, IDC_SHADOW_NONE, m_nShadow); }
};

// The sheet a property dialog makes with new: it goes with its window.
struct CChildSheet : CPropertySheet {
    explicit CChildSheet(bool *deleted) : CPropertySheet("Sheet"), m_deleted(deleted) {}
    void PostNcDestroy() override
    {
        *m_deleted = true;
        delete this;
    }
    bool *m_deleted;
};

class PropertySheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSheetTemplates();
        ASSERT_TRUE(host.Create(IDD_HOST));
        sheet = new CChildSheet(&deleted);
        sheet->AddPage(&general);
        sheet->AddPage(&fill);
        sheet->AddPage(&shadow);
        ASSERT_TRUE(sheet->Create(&host, WS_CHILD | WS_VISIBLE | WS_TABSTOP));
        // In the tab order after the name, before OK.
        sheet->SetWindowPos(host.GetDlgItem(IDC_HOST_NAME), 5, 25, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        host.ShowWindow(SW_SHOW);
        PlexoDialogRestoreFocus(host.m_hWnd);
        PumpEvents();
    }
    void TearDown() override
    {
        host.DestroyWindow();
        EXPECT_TRUE(deleted);
    }

    MessageBoxRecorder recorder;
    CRecordingDialog host{IDD_HOST};
    CGeneralPage general;
    CFillPage fill;
    CShadowPage shadow;
    CChildSheet *sheet = nullptr;
    bool deleted = false;
};

TEST_F(PropertySheetTest, PagesComeFromTemplatesAndOnlyTheFirstIsMadeAtOnce)
{
    EXPECT_EQ(sheet->GetPageCount(), 3);
    EXPECT_EQ(sheet->GetActiveIndex(), 0);
    EXPECT_NE(general.m_hWnd, nullptr);
    EXPECT_EQ(fill.m_hWnd, nullptr);
    EXPECT_TRUE(general.GetStyle() & WS_CHILD);
    EXPECT_EQ(general.GetParent(), sheet);
    CTabCtrl *tab = sheet->GetTabControl();
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(sheet->SendMessage(PSM_GETTABCONTROL)), tab->m_hWnd);
    EXPECT_EQ(tab->GetItemCount(), 3);
    char text[32];
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ASSERT_TRUE(tab->GetItem(2, &item));
    EXPECT_STREQ(text, "Shadow");
    EXPECT_STREQ(TextOf(::GetDlgItem(general.m_hWnd, IDC_WIDTH)), "3");
    // The page fits inside the tab control's display area.
    RECT page, display;
    general.GetWindowRect(&page);
    tab->GetWindowRect(&display);
    tab->AdjustRect(FALSE, &display);
    EXPECT_EQ(page.left, display.left);
    EXPECT_EQ(page.top, display.top);
}

TEST_F(PropertySheetTest, LeavingAPageMovesItsDataOutAndAFailureKeepsIt)
{
    ::SetWindowText(::GetDlgItem(general.m_hWnd, IDC_WIDTH), "7");
    ASSERT_TRUE(sheet->SetActivePage(1));
    EXPECT_EQ(general.m_nWidth, 7);
    EXPECT_FALSE(general.IsWindowVisible());
    EXPECT_TRUE(fill.IsWindowVisible());
    EXPECT_EQ(::SendMessage(::GetDlgItem(fill.m_hWnd, IDC_FILLED), BM_GETCHECK, 0, 0), BST_CHECKED);
    ASSERT_TRUE(sheet->SetActivePage(&general));
    EXPECT_EQ(general.setActive, 2);
    ::SetWindowText(::GetDlgItem(general.m_hWnd, IDC_WIDTH), "70");
    EXPECT_FALSE(sheet->SetActivePage(2));
    EXPECT_EQ(sheet->GetActiveIndex(), 0);
    ASSERT_EQ(recorder.Messages().size(), 1u);
    EXPECT_EQ(recorder.Messages()[0], "Please enter an integer between 1 and 10.");
    EXPECT_EQ(FocusId(), IDC_WIDTH);
}

TEST_F(PropertySheetTest, ClickingATabSwitchesThroughTheSheetsChecks)
{
    CTabCtrl *tab = sheet->GetTabControl();
    RECT third;
    tab->GetItemRect(2, &third);
    Click(tab->m_hWnd, third.left + 4, third.top + 4);
    EXPECT_EQ(sheet->GetActiveIndex(), 2);
    EXPECT_EQ(tab->GetCurSel(), 2);
    EXPECT_TRUE(shadow.IsWindowVisible());
    EXPECT_EQ(::SendMessage(::GetDlgItem(shadow.m_hWnd, IDC_SHADOW_SOFT), BM_GETCHECK, 0, 0), BST_CHECKED);
    // A page that refuses to be left keeps the tab where it is.
    ::CheckRadioButton(shadow.m_hWnd, IDC_SHADOW_NONE, IDC_SHADOW_SOFT, IDC_SHADOW_NONE);
    sheet->SetActivePage(0);
    EXPECT_EQ(shadow.m_nShadow, 0);
    ::SetWindowText(::GetDlgItem(general.m_hWnd, IDC_WIDTH), "x");
    RECT second;
    tab->GetItemRect(1, &second);
    Click(tab->m_hWnd, second.left + 4, second.top + 4);
    EXPECT_EQ(sheet->GetActiveIndex(), 0);
    EXPECT_EQ(tab->GetCurSel(), 0);
}

TEST_F(PropertySheetTest, TabWalksIntoTheTabControlAndThePageAndControlTabSwitchesPages)
{
    ASSERT_EQ(FocusId(), IDC_HOST_NAME);
    Press(host.m_hWnd, Qt::Key_Tab);
    EXPECT_EQ(::GetFocus(), sheet->GetTabControl()->m_hWnd);
    Press(host.m_hWnd, Qt::Key_Tab);
    EXPECT_EQ(FocusId(), IDC_WIDTH);
    Press(host.m_hWnd, Qt::Key_Tab);
    EXPECT_EQ(FocusId(), IDOK);
    // The mnemonic of a page's label reaches its edit.
    Press(host.m_hWnd, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(FocusId(), IDC_WIDTH);
    Press(host.m_hWnd, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(sheet->GetActiveIndex(), 1);
    Press(host.m_hWnd, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(sheet->GetActiveIndex(), 2);
    Press(host.m_hWnd, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(sheet->GetActiveIndex(), 1);
    // Enter inside a page still presses the dialog's default button.
    ::SetFocus(::GetDlgItem(fill.m_hWnd, IDC_FILLED));
    host.commands.clear();
    Press(host.m_hWnd, Qt::Key_Return);
    EXPECT_TRUE(host.Got(IDOK, BN_CLICKED));
}

} // namespace
