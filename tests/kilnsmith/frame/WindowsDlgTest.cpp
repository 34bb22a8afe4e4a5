// The "Windows" dialog of the Window menu, and the About box.
#include "FrameTestSupport.h"

#include "framework/controls/ControlStyles.h"
#include "framework/window/WindowApi.h"
#include "kilnsmith/frame/AboutDlg.h"
#include "kilnsmith/frame/FrameResources.h"
#include "kilnsmith/frame/ResourceIds.h"
#include "kilnsmith/frame/WindowsDlg.h"

#include "tests/support/ModalDriver.h"

#include <functional>

namespace {

class WindowsDlgTest : public FrameTestBase {
protected:
    void SetUp() override
    {
        FrameTestBase::SetUp();
        ASSERT_NE(CreateMainFrame(), nullptr);
        for (int i = 0; i < 3; ++i) {
            m_docs.push_back(NewDocument());
            ASSERT_NE(m_docs.back(), nullptr);
        }
    }
    // Runs the dialog with a step on it; the step ends it or Cancel does.
    void RunDialog(const std::function<void(CWindowsDlg &)> &step)
    {
        CWindowsDlg dlg(m_pFrame);
        ModalDriver driver("Windows", [&](CWnd *) {
            step(dlg);
            if (::IsWindow(dlg.m_hWnd) && dlg.IsWindowVisible())
                dlg.SendMessage(WM_COMMAND, IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_TRUE(ModalDriver::Ran());
    }
    static bool Enabled(CWindowsDlg &dlg, UINT nID) { return dlg.GetDlgItem(nID)->IsWindowEnabled() != FALSE; }
    static void Press(CWindowsDlg &dlg, UINT nID)
    {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(dlg.GetDlgItem(nID)->m_hWnd));
    }
    static void Select(CWindowsDlg &dlg, std::initializer_list<int> items)
    {
        CListBox &list = dlg.GetWindowList();
        list.SelItemRange(FALSE, 0, list.GetCount() - 1);
        for (int i : items)
            list.SetSel(i, TRUE);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WINDOWS_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list.m_hWnd));
    }
    std::vector<CFrameTestDoc *> m_docs;
};

TEST_F(WindowsDlgTest, ItListsTheWindowsWithTheActiveOneSelected)
{
    RunDialog([&](CWindowsDlg &dlg) {
        CListBox &list = dlg.GetWindowList();
        ASSERT_EQ(list.GetCount(), 3);
        const HWND hActive = m_pFrame->MDIGetActive()->m_hWnd;
        ASSERT_EQ(list.GetSelCount(), 1);
        int nSelected = -1;
        list.GetSelItems(1, &nSelected);
        EXPECT_EQ(reinterpret_cast<HWND>(list.GetItemData(nSelected)), hActive);
        CString strTitle;
        list.GetText(nSelected, strTitle);
        char szTitle[256] = {};
        ::GetWindowText(hActive, szTitle, sizeof szTitle);
        EXPECT_EQ(strTitle, szTitle);

        struct Case {
            std::initializer_list<int> items;
            bool bActivate, bSave, bTile;
        };
        const Case cases[] = {{{}, false, false, false}, {{0}, true, true, false}, {{0, 2}, false, true, true}};
        for (const Case &c : cases) {
            Select(dlg, c.items);
            EXPECT_EQ(Enabled(dlg, IDC_WINDOWS_ACTIVATE), c.bActivate);
            EXPECT_EQ(Enabled(dlg, IDC_WINDOWS_SAVE), c.bSave);
            EXPECT_EQ(Enabled(dlg, IDC_WINDOWS_CLOSE), c.bSave);
            EXPECT_EQ(Enabled(dlg, IDC_WINDOWS_MINIMIZE), c.bSave);
            EXPECT_EQ(Enabled(dlg, IDC_WINDOWS_CASCADE), c.bTile);
            EXPECT_EQ(Enabled(dlg, IDC_WINDOWS_TILE_HORZ), c.bTile);
            EXPECT_EQ(Enabled(dlg, IDC_WINDOWS_TILE_VERT), c.bTile);
        }
    });
}

TEST_F(WindowsDlgTest, ActivateMakesTheChosenWindowActiveAndCloses)
{
    HWND hChosen = nullptr;
    RunDialog([&](CWindowsDlg &dlg) {
        CListBox &list = dlg.GetWindowList();
        const HWND hActive = m_pFrame->MDIGetActive()->m_hWnd;
        const int nOther = reinterpret_cast<HWND>(list.GetItemData(0)) == hActive ? 1 : 0;
        hChosen = reinterpret_cast<HWND>(list.GetItemData(nOther));
        ::ShowWindow(hChosen, SW_MINIMIZE);
        Select(dlg, {nOther});
        Press(dlg, IDC_WINDOWS_ACTIVATE);
        EXPECT_FALSE(dlg.IsWindowVisible());
    });
    ASSERT_NE(hChosen, nullptr);
    EXPECT_EQ(m_pFrame->MDIGetActive()->m_hWnd, hChosen);
    EXPECT_FALSE(::IsIconic(hChosen));
}

TEST_F(WindowsDlgTest, ClosingStopsAtTheWindowWhoseSavePromptWasRefused)
{
    for (CFrameTestDoc *pDoc : m_docs)
        pDoc->SetModifiedFlag(TRUE);
    m_boxes.Clear();
    m_boxes.Queue(IDNO);     // the last selected window goes
    m_boxes.Queue(IDCANCEL); // the next one refuses
    RunDialog([&](CWindowsDlg &dlg) {
        Select(dlg, {0, 1, 2});
        Press(dlg, IDC_WINDOWS_CLOSE);
        EXPECT_EQ(dlg.GetWindowList().GetCount(), 2);
    });
    EXPECT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_EQ(m_pFrame->GetMDIChildCount(), 2);
}

TEST_F(WindowsDlgTest, SaveAsksEverySelectedModifiedDocument)
{
    m_docs[0]->SetModifiedFlag(TRUE);
    m_docs[2]->SetModifiedFlag(TRUE);
    m_boxes.Clear();
    m_boxes.Queue(IDYES);
    m_boxes.Queue(IDYES);
    RunDialog([&](CWindowsDlg &dlg) {
        Select(dlg, {0, 1, 2});
        Press(dlg, IDC_WINDOWS_SAVE);
    });
    EXPECT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_EQ(CFrameTestDoc::s_nSaves, 2);
    EXPECT_EQ(m_pFrame->GetMDIChildCount(), 3);
}

TEST_F(WindowsDlgTest, ArrangingRestoresTheSelectedWindowsAndMinimisesTheOthers)
{
    RunDialog([&](CWindowsDlg &dlg) {
        CListBox &list = dlg.GetWindowList();
        Select(dlg, {0, 2});
        Press(dlg, IDC_WINDOWS_TILE_VERT);
        EXPECT_TRUE(dlg.IsWindowVisible()); // the dialog stays open
        EXPECT_FALSE(::IsIconic(reinterpret_cast<HWND>(list.GetItemData(0))));
        EXPECT_TRUE(::IsIconic(reinterpret_cast<HWND>(list.GetItemData(1))));
        EXPECT_FALSE(::IsIconic(reinterpret_cast<HWND>(list.GetItemData(2))));
        Select(dlg, {1});
        Press(dlg, IDC_WINDOWS_MINIMIZE);
        EXPECT_TRUE(::IsIconic(reinterpret_cast<HWND>(list.GetItemData(1))));
    });
}

TEST_F(FrameTestBase, TheWindowsCommandOpensTheDialogAndTheAboutBoxShowsTheProduct)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    {
        bool bOpened = false;
        ModalDriver driver("Windows", [&](CWnd *pDlg) {
            bOpened = true;
            pDlg->SendMessage(WM_COMMAND, IDOK);
        });
        m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_WINDOWS);
        EXPECT_TRUE(bOpened);
    }
    CAboutBox about(m_pFrame);
    CString strLink, strLine;
    bool bPicture = false;
    ModalDriver driver("About Plexo Kilnsmith", [&](CWnd *pDlg) {
        about.GetLinkLabel().GetWindowText(strLink);
        pDlg->GetDlgItemText(IDC_ABOUT_TEXT, strLine);
        bPicture = pDlg->SendDlgItemMessage(IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP) != 0;
        pDlg->SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_EQ(strLink, kKilnsmithHomePage);
    EXPECT_EQ(about.GetLinkLabel().GetLinkAddress(), kKilnsmithHomePage);
    EXPECT_EQ(strLine, CAboutBox::ProductLine());
    EXPECT_EQ(strLine.Find("Plexo Kilnsmith Version 1.0, built "), 0);
    EXPECT_TRUE(bPicture);
}

} // namespace
