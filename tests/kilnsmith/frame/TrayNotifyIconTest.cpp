// The notification-area icon of the main frame, by both paths: in a
// notification area, and in the framework's stand-in window where the
// desktop has none; its menu, and its return after the area is recreated.
#include "FrameTestSupport.h"

#include "framework/shellui/NotifyArea.h"
#include "kilnsmith/frame/ResourceIds.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

bool g_bAreaThere = false;
bool AreaProbe()
{
    return g_bAreaThere;
}

class TrayNotifyIconTest : public FrameTestBase {
protected:
    void SetUp() override
    {
        FrameTestBase::SetUp();
        g_bAreaThere = false;
        NotifyArea::SetTrayProbe(&AreaProbe);
    }
    void TearDown() override
    {
        FrameTestBase::TearDown();
        NotifyArea::SetTrayProbe(nullptr);
    }
    bool IconShows() const
    {
        return NotifyArea::StandIn(m_pFrame->m_hWnd, IDR_TRAYMENU) != nullptr ||
               NotifyArea::IsInNotificationArea(m_pFrame->m_hWnd, IDR_TRAYMENU);
    }
    // The desktop's callback for a mouse message on the icon.
    void Click(UINT nMouseMessage)
    {
        m_pFrame->PostMessage(WM_KILNSMITH_TRAY, IDR_TRAYMENU, nMouseMessage);
        PumpMessages();
    }
};

// What the icon's menu looked like, and the key presses that closed it.
struct MenuSeen {
    QStringList items;
    bool bFirstBold = false;
    bool bFirstDefault = false;
};

// Answers the menu once it is open (polled, since it opens inside the
// dispatch of the callback message).
void AnswerMenu(MenuSeen &seen, int nDownPresses, bool bChoose)
{
    auto *timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [timer, &seen, nDownPresses, bChoose]() {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        timer->stop();
        timer->deleteLater();
        for (QAction *action : menu->actions())
            seen.items << (action->isSeparator() ? QString("-") : action->text());
        if (!menu->actions().isEmpty()) {
            seen.bFirstBold = menu->actions().first()->font().bold();
            seen.bFirstDefault = menu->defaultAction() == menu->actions().first();
        }
        for (int i = 0; i < nDownPresses; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, bChoose ? Qt::Key_Return : Qt::Key_Escape);
    });
    timer->start(10);
}

TEST_F(TrayNotifyIconTest, TheStandInShowsTheIconAndBringsTheFrameBack)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    QWidget *standIn = NotifyArea::StandIn(m_pFrame->m_hWnd, IDR_TRAYMENU);
    ASSERT_NE(standIn, nullptr);
    EXPECT_EQ(standIn->toolTip(), QString("Kilnsmith"));
    EXPECT_FALSE(NotifyArea::IsInNotificationArea(m_pFrame->m_hWnd, IDR_TRAYMENU));

    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(m_pFrame->IsWindowVisible());
    EXPECT_TRUE(standIn->isVisible());
    QTest::mouseDClick(standIn, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    PumpMessages();
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
    EXPECT_FALSE(m_pFrame->IsIconic());
}

TEST_F(TrayNotifyIconTest, InANotificationAreaTheCallbacksWorkTheSame)
{
    g_bAreaThere = true;
    ASSERT_NE(CreateMainFrame(), nullptr);
    EXPECT_TRUE(NotifyArea::IsInNotificationArea(m_pFrame->m_hWnd, IDR_TRAYMENU));
    EXPECT_EQ(NotifyArea::StandIn(m_pFrame->m_hWnd, IDR_TRAYMENU), nullptr);
    m_pFrame->ShowWindow(SW_MINIMIZE);
    EXPECT_FALSE(m_pFrame->IsWindowVisible());
    Click(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
    Click(WM_LBUTTONDBLCLK);
    EXPECT_FALSE(m_pFrame->IsWindowVisible());
}

TEST_F(TrayNotifyIconTest, ARightClickOpensTheMenuWithItsFirstItemBold)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    MenuSeen seen;
    AnswerMenu(seen, 0, false);
    Click(WM_RBUTTONUP);
    EXPECT_EQ(seen.items, (QStringList{"&1.Open Kilnsmith", "-", "2.&Options...", "-", "&Exit\tAlt+F4"}));
    EXPECT_TRUE(seen.bFirstBold);
    EXPECT_TRUE(seen.bFirstDefault);
    EXPECT_FALSE(m_pFrame->IsWindowVisible());

    // Choosing the first item opens the frame.
    MenuSeen chosen;
    AnswerMenu(chosen, 1, true);
    Click(WM_RBUTTONUP);
    PumpMessages();
    EXPECT_FALSE(chosen.items.isEmpty());
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
}

TEST_F(TrayNotifyIconTest, TheIconComesBackWhenTheNotificationAreaIsRecreated)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    CTrayNotifyIcon &icon = m_pFrame->GetTrayIcon();
    EXPECT_TRUE(icon.GetHook().IsHooked());
    EXPECT_EQ(icon.GetHook().GetHookedWindow(), m_pFrame);

    // The desktop lost the icon; its "TaskbarCreated" makes the icon add it again.
    NOTIFYICONDATA data{};
    data.hWnd = m_pFrame->m_hWnd;
    data.uID = IDR_TRAYMENU;
    ASSERT_TRUE(Shell_NotifyIcon(NIM_DELETE, &data));
    EXPECT_FALSE(IconShows());
    EXPECT_EQ(m_pFrame->SendMessage(CTrayNotifyIcon::TaskbarCreatedMessage()), 0);
    EXPECT_TRUE(IconShows());
    EXPECT_FALSE(icon.IsHidden());

    // A notification area appears: the icon moves into it.
    g_bAreaThere = true;
    NotifyArea::Recheck();
    EXPECT_TRUE(NotifyArea::IsInNotificationArea(m_pFrame->m_hWnd, IDR_TRAYMENU));

    // A hidden icon stays hidden.
    icon.HideIcon();
    EXPECT_FALSE(IconShows());
    m_pFrame->SendMessage(CTrayNotifyIcon::TaskbarCreatedMessage());
    EXPECT_FALSE(IconShows());
    icon.ShowIcon();
    EXPECT_TRUE(IconShows());
    icon.ShowIcon(); // shown already: nothing more
    EXPECT_TRUE(IconShows());
}

TEST_F(TrayNotifyIconTest, CreationNeedsTheMenuAndTheIconGoesWithItsObject)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    HWND hFrame = m_pFrame->m_hWnd;
    {
        CTrayNotifyIcon missing;
        EXPECT_FALSE(missing.Create(m_pFrame, 999, "tip", m_pFrame->GetSmallIcon(), WM_USER + 101));
        EXPECT_FALSE(missing.IsAdded());
        EXPECT_EQ(NotifyArea::StandIn(hFrame, 999), nullptr);
    }
    {
        // One icon per window and id: the frame's own is there already.
        CTrayNotifyIcon second;
        EXPECT_FALSE(second.Create(m_pFrame, IDR_TRAYMENU, "tip", m_pFrame->GetSmallIcon(), WM_USER + 101));
    }
    EXPECT_NE(NotifyArea::StandIn(hFrame, IDR_TRAYMENU), nullptr);
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr));
    {
        CTrayNotifyIcon icon;
        ASSERT_TRUE(icon.Create(&other, IDR_TRAYMENU,
                                "a tip that runs on for well over sixty-three bytes, "
                                "so that it has to be cut short",
                                m_pFrame->GetSmallIcon(), WM_USER + 101));
        QWidget *standIn = NotifyArea::StandIn(other.m_hWnd, IDR_TRAYMENU);
        ASSERT_NE(standIn, nullptr);
        EXPECT_EQ(standIn->toolTip().size(), 63);
        ASSERT_NE(icon.GetTrayMenu(), nullptr);
        EXPECT_EQ(icon.GetTrayMenu()->GetDefaultItem(0, TRUE), 0u);
    }
    EXPECT_EQ(NotifyArea::StandIn(other.m_hWnd, IDR_TRAYMENU), nullptr);
    other.DestroyWindow();
}

} // namespace
