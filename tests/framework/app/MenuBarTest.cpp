#include "AppTestSupport.h"

#include "framework/window/InputApi.h"
#include "framework/window/MenuApi.h"
#include "framework/window/MessageApi.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

// A frame that notes the menu messages it hears.
class LoggingFrame : public CFrameWnd {
    DECLARE_DYNCREATE(LoggingFrame)
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ENTERMENULOOP || message == WM_EXITMENULOOP || message == WM_INITMENU ||
            message == WM_INITMENUPOPUP || message == WM_MENUSELECT)
            m_messages.push_back(message);
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    int Count(UINT message) const
    {
        return static_cast<int>(std::count(m_messages.begin(), m_messages.end(), message));
    }
    std::vector<UINT> m_messages;
};
IMPLEMENT_DYNCREATE(LoggingFrame, CFrameWnd)

void PumpEvents()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}

// Once the pop-up is open: notes the message-bar text after the first
// Down, then presses Down downPresses times in all and Return (or Escape
// with a negative count).
void DriveOpenPopup(int downPresses, CFrameWnd *pFrame, CString *pFlyBy)
{
    QTimer::singleShot(0, [downPresses, pFrame, pFlyBy]() {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        if (downPresses < 0) {
            QTest::keyClick(popup, Qt::Key_Escape);
            return;
        }
        for (int i = 0; i < downPresses; ++i) {
            QTest::keyClick(popup, Qt::Key_Down);
            if (i == 0 && pFlyBy)
                *pFlyBy = pFrame->GetMessageText();
        }
        QTest::keyClick(popup, Qt::Key_Return);
    });
}

// Presses the keys one after another in whichever pop-up is open at the
// time (waiting for the next pop-up to open after one closed).
void DriveKeys(std::vector<Qt::Key> keys, int nTries = 200)
{
    QTimer::singleShot(0, [keys, nTries]() {
        if (keys.empty() || nTries <= 0)
            return;
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup) {
            DriveKeys(keys, nTries - 1);
            return;
        }
        QTest::keyClick(popup, keys.front());
        DriveKeys(std::vector<Qt::Key>(keys.begin() + 1, keys.end()), nTries);
    });
}

class MenuBarTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        m_pApp->AddDocTemplate(new CSingleDocTemplate(IDR_SCRIBBLE, RUNTIME_CLASS(CScribbleDoc),
                                                      RUNTIME_CLASS(LoggingFrame), RUNTIME_CLASS(CScribbleView)));
        m_pApp->OnFileNew();
        m_pFrame = static_cast<LoggingFrame *>(m_pApp->m_pMainWnd);
        ASSERT_NE(m_pFrame, nullptr);
        m_pFrame->MoveWindow(0, 0, 600, 400);
        m_pBar = m_pFrame->GetMenuBar();
        ASSERT_NE(m_pBar, nullptr);
        m_pFrame->GetActiveView()->SetFocus();
        m_pFrame->m_messages.clear();
    }
    BOOL Key(UINT message, WPARAM wParam)
    {
        MSG msg{};
        msg.hwnd = ::GetFocus();
        msg.message = message;
        msg.wParam = wParam;
        return m_pFrame->PreTranslateMessage(&msg);
    }
    CScribbleDoc *Doc() const { return static_cast<CScribbleDoc *>(m_pFrame->GetActiveDocument()); }

    LoggingFrame *m_pFrame = nullptr;
    CMenuBar *m_pBar = nullptr;
};

TEST_F(MenuBarTest, BarSitsAboveTheViewWithOneItemAfterAnother)
{
    CRect rectBar;
    m_pBar->GetWindowRect(&rectBar);
    CRect rectView;
    m_pFrame->GetActiveView()->GetWindowRect(&rectView);
    EXPECT_GT(rectBar.Height(), 0);
    EXPECT_EQ(rectView.top, rectBar.bottom);
    CRect file = m_pBar->GetItemRect(0);
    CRect edit = m_pBar->GetItemRect(1);
    EXPECT_EQ(file.left, 0);
    EXPECT_EQ(edit.left, file.right);
    EXPECT_EQ(m_pBar->HitTest(edit.CenterPoint()), 1);
    EXPECT_EQ(m_pBar->HitTest(CPoint(590, 5)), -1);
}

TEST_F(MenuBarTest, F10AndArrowsAndEscape)
{
    CWnd *pView = m_pFrame->GetActiveView();
    EXPECT_TRUE(Key(WM_SYSKEYDOWN, VK_F10));
    EXPECT_TRUE(m_pBar->IsInMenuMode());
    EXPECT_EQ(m_pBar->GetSelectedItem(), 0);
    EXPECT_EQ(m_pFrame->Count(WM_ENTERMENULOOP), 1);
    EXPECT_EQ(m_pFrame->Count(WM_INITMENU), 1);
    EXPECT_EQ(::GetFocus(), m_pBar->GetSafeHwnd());
    struct Step {
        UINT key;
        int selected;
    };
    const Step steps[] = {{VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_RIGHT, 0}, {VK_LEFT, 2}, {VK_LEFT, 1}};
    for (const Step &step : steps) {
        m_pBar->SendMessage(WM_KEYDOWN, step.key);
        EXPECT_EQ(m_pBar->GetSelectedItem(), step.selected);
    }
    m_pBar->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(m_pBar->IsInMenuMode());
    EXPECT_EQ(m_pFrame->Count(WM_EXITMENULOOP), 1);
    EXPECT_EQ(::GetFocus(), pView->GetSafeHwnd());
}

TEST_F(MenuBarTest, AltAloneTogglesAndAltWithAKeyDoesNot)
{
    Key(WM_SYSKEYDOWN, VK_MENU);
    EXPECT_TRUE(Key(WM_SYSKEYUP, VK_MENU));
    EXPECT_TRUE(m_pBar->IsInMenuMode());
    m_pBar->SendMessage(WM_SYSKEYDOWN, VK_MENU);
    m_pBar->SendMessage(WM_SYSKEYUP, VK_MENU);
    EXPECT_FALSE(m_pBar->IsInMenuMode());

    Key(WM_SYSKEYDOWN, VK_MENU);
    Key(WM_SYSKEYDOWN, 'Q'); // Alt+Q: no mnemonic, no menu
    EXPECT_FALSE(Key(WM_SYSKEYUP, VK_MENU));
    EXPECT_FALSE(m_pBar->IsInMenuMode());
}

TEST_F(MenuBarTest, MnemonicOpensThePopupUpdatedByCommandHandlers)
{
    Doc()->AddStroke({{1, 1}});
    CString strFlyBy;
    DriveOpenPopup(1, m_pFrame, &strFlyBy); // "Clear All", the first item
    EXPECT_TRUE(Key(WM_SYSCHAR, 'e'));
    EXPECT_EQ(m_pFrame->Count(WM_INITMENUPOPUP), 1);
    HMENU hEdit = ::GetSubMenu(::GetMenu(m_pFrame->GetSafeHwnd()), 1);
    EXPECT_TRUE(::GetMenuState(hEdit, 32772, MF_BYCOMMAND) & MF_GRAYED); // nobody handles it
    EXPECT_STREQ(strFlyBy, "Clear the drawing");
    EXPECT_FALSE(m_pBar->IsInMenuMode());
    PumpEvents();
    EXPECT_EQ(Doc()->m_nCleared, 1);
    EXPECT_STREQ(m_pFrame->GetMessageText(), "Ready");
}

TEST_F(MenuBarTest, ACancelledPopupLeavesTheItemSelected)
{
    DriveOpenPopup(-1, m_pFrame, nullptr);
    Key(WM_SYSCHAR, 'f');
    EXPECT_TRUE(m_pBar->IsInMenuMode());
    EXPECT_EQ(m_pBar->GetSelectedItem(), 0);
    m_pBar->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(m_pBar->IsInMenuMode());
}

TEST_F(MenuBarTest, LeftAndRightInAPopupMoveToTheNeighboursPopup)
{
    struct Case {
        std::vector<Qt::Key> keys;
        int nSelected; // after the last pop-up was cancelled
        int nPopups;
    };
    const Case cases[] = {
        {{Qt::Key_Right, Qt::Key_Escape}, 1, 2},
        {{Qt::Key_Left, Qt::Key_Escape}, 2, 2}, // from the first to the last
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Escape}, 0, 4},
    };
    for (const Case &c : cases) {
        m_pFrame->m_messages.clear();
        DriveKeys(c.keys);
        Key(WM_SYSCHAR, 'f');
        EXPECT_TRUE(m_pBar->IsInMenuMode());
        EXPECT_EQ(m_pBar->GetSelectedItem(), c.nSelected);
        EXPECT_EQ(m_pFrame->Count(WM_INITMENUPOPUP), c.nPopups);
        m_pBar->SendMessage(WM_KEYDOWN, VK_ESCAPE);
        EXPECT_FALSE(m_pBar->IsInMenuMode());
    }
}

TEST_F(MenuBarTest, RightInACascadedPopupMovesOnButLeftOnlyClosesIt)
{
    HMENU hEdit = ::GetSubMenu(::GetMenu(m_pFrame->GetSafeHwnd()), 1);
    HMENU hMore = ::CreatePopupMenu();
    ::AppendMenu(hMore, MF_STRING, ID_FILE_NEW, "&New");
    ::AppendMenu(hEdit, MF_POPUP, reinterpret_cast<UINT_PTR>(hMore), "&More");
    Doc()->AddStroke({{1, 1}}); // "Clear All" is enabled, "Unhandled" is not
    struct Case {
        std::vector<Qt::Key> keys; // from the File pop-up
        int nSelected;
        int nPopups;
    };
    const Case cases[] = {
        // Edit, down to "More", into it, then on to Window.
        {{Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Escape}, 2, 4},
        // Left closes "More" and stays in Edit.
        {{Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Left, Qt::Key_Escape}, 1, 3},
    };
    for (const Case &c : cases) {
        m_pFrame->m_messages.clear();
        DriveKeys(c.keys);
        Key(WM_SYSCHAR, 'f');
        EXPECT_EQ(m_pBar->GetSelectedItem(), c.nSelected);
        EXPECT_EQ(m_pFrame->Count(WM_INITMENUPOPUP), c.nPopups);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        m_pBar->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    }
}

TEST_F(MenuBarTest, TheMouseOverAnotherItemOpensItsPopup)
{
    CRect rectEdit = m_pBar->GetItemRect(1);
    m_pBar->ClientToScreen(&rectEdit);
    QTimer::singleShot(0, [rectEdit]() {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        QPoint global(rectEdit.CenterPoint().x, rectEdit.CenterPoint().y);
        QMouseEvent move(QEvent::MouseMove, popup->mapFromGlobal(global), global, Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(popup, &move);
        DriveKeys({Qt::Key_Escape});
    });
    Key(WM_SYSCHAR, 'f');
    EXPECT_EQ(m_pBar->GetSelectedItem(), 1);
    EXPECT_EQ(m_pFrame->Count(WM_INITMENUPOPUP), 2);
    m_pBar->SendMessage(WM_KEYDOWN, VK_ESCAPE);
}

TEST_F(MenuBarTest, DisabledItemAndDisabledFrame)
{
    HMENU hMenu = ::GetMenu(m_pFrame->GetSafeHwnd());
    ::EnableMenuItem(hMenu, 2, MF_BYPOSITION | MF_GRAYED);
    Key(WM_SYSCHAR, 'w');
    EXPECT_EQ(m_pFrame->Count(WM_INITMENUPOPUP), 0);
    m_pBar->SendMessage(WM_KEYDOWN, VK_ESCAPE);

    // A modal dialog disables the frame: the bar does nothing.
    m_pFrame->m_messages.clear();
    m_pFrame->EnableWindow(FALSE);
    Key(WM_SYSKEYDOWN, VK_F10);
    EXPECT_FALSE(m_pBar->IsInMenuMode());
    EXPECT_TRUE(m_pFrame->m_messages.empty());
    m_pFrame->EnableWindow(TRUE);
}

} // namespace
