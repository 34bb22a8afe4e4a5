// Input from simulated Qt events: mouse messages with MK_ flags and client
// coordinates, capture, keys with VK_ codes, typed text as UTF-8 bytes,
// focus, pre-translation and timers.
#include "WindowTestSupport.h"

#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A top-level window at (100, 100) with a sunken edge: its client
        // area starts 2 pixels in. A bordered child at (20, 30) in it.
        ASSERT_TRUE(CreateTopLevel(top, RECT{100, 100, 300, 250}, WS_POPUP | WS_VISIBLE, WS_EX_CLIENTEDGE));
        ASSERT_TRUE(child.Create(TestWindowClass(), "", WS_VISIBLE | WS_BORDER, RECT{20, 30, 120, 90}, &top, 1));
        PumpEvents();
        top.Clear();
        child.Clear();
    }
    void TearDown() override { ReleaseCapture(); }

    CRecordingWnd top;
    CRecordingWnd child;
};

TEST_F(InputTest, MouseMessagesCarryFlagsAndClientCoordinates)
{
    QWidget *widget = WidgetOf(top.m_hWnd);
    struct Case {
        const char *name;
        void (*act)(QWidget *);
        UINT message;
        WPARAM flags;
        LPARAM point;
    } cases[] = {
        {"press", [](QWidget *w) { QTest::mousePress(w, Qt::LeftButton, Qt::ShiftModifier, QPoint(12, 17)); },
         WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, Point(10, 15)},
        {"release", [](QWidget *w) { QTest::mouseRelease(w, Qt::LeftButton, Qt::ShiftModifier, QPoint(12, 17)); },
         WM_LBUTTONUP, MK_SHIFT, Point(10, 15)},
        {"right", [](QWidget *w) { QTest::mousePress(w, Qt::RightButton, Qt::ControlModifier, QPoint(5, 6)); },
         WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, Point(3, 4)},
        {"right up", [](QWidget *w) { QTest::mouseRelease(w, Qt::RightButton, Qt::NoModifier, QPoint(5, 6)); },
         WM_RBUTTONUP, 0, Point(3, 4)},
        {"double", [](QWidget *w) { QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8)); },
         WM_LBUTTONDBLCLK, MK_LBUTTON, Point(5, 6)},
    };
    for (const Case &c : cases) {
        top.Clear();
        c.act(widget);
        PumpEvents();
        auto got = top.Only({c.message});
        ASSERT_FALSE(got.empty()) << c.name;
        EXPECT_EQ(got.front().wParam, c.flags) << c.name;
        EXPECT_EQ(got.front().lParam, c.point) << c.name;
    }
}

TEST_F(InputTest, TheRightButtonsReleaseAsksForAContextMenuAtTheScreenPoint)
{
    QWidget *widget = WidgetOf(top.m_hWnd);
    QTest::mousePress(widget, Qt::RightButton, Qt::NoModifier, QPoint(12, 17));
    QTest::mouseRelease(widget, Qt::RightButton, Qt::NoModifier, QPoint(12, 17));
    PumpEvents();
    auto menus = top.Only({WM_CONTEXTMENU});
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].wParam, reinterpret_cast<WPARAM>(top.m_hWnd));
    EXPECT_EQ(menus[0].lParam, Point(112, 117));
}

TEST_F(InputTest, ShiftF10AndTheMenuKeyAskForAContextMenuAtNoPoint)
{
    const struct {
        const char *name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {{"Shift+F10", Qt::Key_F10, Qt::ShiftModifier}, {"menu key", Qt::Key_Menu, Qt::NoModifier}};
    child.SetFocus();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        top.Clear();
        child.Clear();
        QTest::keyClick(WidgetOf(child.m_hWnd), c.key, c.modifiers);
        PumpEvents();
        auto menus = child.Only({WM_CONTEXTMENU});
        ASSERT_EQ(menus.size(), 1u);
        EXPECT_EQ(menus[0].wParam, reinterpret_cast<WPARAM>(child.m_hWnd));
        EXPECT_EQ(menus[0].lParam, Point(-1, -1));
        EXPECT_EQ(top.Only({WM_CONTEXTMENU}).size(), 1u); // passed on to the parent
    }
    top.Clear();
    child.Clear();
    QTest::keyClick(WidgetOf(child.m_hWnd), Qt::Key_F10, Qt::NoModifier);
    PumpEvents();
    EXPECT_TRUE(child.Only({WM_CONTEXTMENU}).empty());
}

TEST_F(InputTest, AChildGetsItsOwnClientCoordinatesAndMovesAskForTheCursorFirst)
{
    QWidget *widget = WidgetOf(child.m_hWnd);
    QTest::mouseMove(widget, QPoint(11, 21));
    PumpEvents();
    auto got = child.Only({WM_SETCURSOR, WM_MOUSEMOVE});
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, static_cast<UINT>(WM_SETCURSOR));
    EXPECT_EQ(LOWORD(got[0].lParam), HTCLIENT);
    EXPECT_EQ(HIWORD(got[0].lParam), WM_MOUSEMOVE);
    EXPECT_EQ(got[1].lParam, Point(10, 20));

    POINT pt{10, 20};
    child.ClientToScreen(&pt);
    EXPECT_EQ(pt.x, 100 + 2 + 20 + 1 + 10);
    EXPECT_EQ(pt.y, 100 + 2 + 30 + 1 + 20);
    EXPECT_EQ(WindowFromPoint(pt), child.m_hWnd);
    EXPECT_EQ(ChildWindowFromPoint(top.m_hWnd, POINT{25, 35}), child.m_hWnd);
    EXPECT_EQ(ChildWindowFromPoint(top.m_hWnd, POINT{5, 5}), top.m_hWnd);
}

TEST_F(InputTest, CaptureSendsTheMouseToTheCapturingWindow)
{
    top.SetCapture();
    EXPECT_EQ(CWnd::GetCapture(), &top);
    QTest::mousePress(WidgetOf(child.m_hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(11, 21));
    PumpEvents();
    EXPECT_TRUE(child.Only({WM_LBUTTONDOWN}).empty());
    auto got = top.Only({WM_LBUTTONDOWN});
    ASSERT_EQ(got.size(), 1u);
    // Child client (10, 20) is top client (20 + 1 + 10, 30 + 1 + 20).
    EXPECT_EQ(got[0].lParam, Point(31, 51));
    QTest::mouseRelease(WidgetOf(child.m_hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(11, 21));

    child.SetCapture();
    auto changed = top.Only({WM_CAPTURECHANGED});
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].lParam, reinterpret_cast<LPARAM>(child.m_hWnd));
    ReleaseCapture();
    EXPECT_EQ(child.Only({WM_CAPTURECHANGED}).size(), 1u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, KeysBecomeVirtualKeysAndTypedTextUtf8Bytes)
{
    child.SetFocus();
    child.Clear();
    QWidget *widget = WidgetOf(child.m_hWnd);
    QTest::keyPress(widget, Qt::Key_Shift);
    QKeyEvent shiftedA(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QCoreApplication::sendEvent(widget, &shiftedA);
    QTest::keyRelease(widget, Qt::Key_A, Qt::ShiftModifier);
    QTest::keyRelease(widget, Qt::Key_Shift, Qt::NoModifier);
    QTest::keyClick(widget, Qt::Key_Left);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é"));
    QCoreApplication::sendEvent(widget, &press);
    PumpEvents();

    auto downs = child.Only({WM_KEYDOWN});
    std::vector<WPARAM> keys;
    for (auto &m : downs)
        keys.push_back(m.wParam);
    EXPECT_EQ(keys, (std::vector<WPARAM>{VK_SHIFT, 'A', VK_LEFT, VK_PACKET}));
    std::vector<WPARAM> chars;
    for (auto &m : child.Only({WM_CHAR}))
        chars.push_back(m.wParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{'A', 0xC3, 0xA9}));
    auto ups = child.Only({WM_KEYUP});
    ASSERT_FALSE(ups.empty());
    EXPECT_TRUE(static_cast<DWORD>(ups[0].lParam) & 0x80000000u);
    EXPECT_EQ(static_cast<DWORD>(downs[1].lParam) & 0x80000000u, 0u);
}

// Keys that arrive while a loop fetches messages itself wait in the queue;
// GetKeyState must answer what was down when each message was made, not
// what is down when it is read (a Ctrl+End read after Ctrl came up is
// still Ctrl+End).
TEST_F(InputTest, KeyStateMovesWithTheMessagesReadFromTheQueue)
{
    child.SetFocus();
    QWidget *widget = WidgetOf(child.m_hWnd);
    QTimer::singleShot(0, widget, [widget]() {
        QTest::keyPress(widget, Qt::Key_Control);
        QTest::keyClick(widget, Qt::Key_End, Qt::ControlModifier);
        QTest::keyRelease(widget, Qt::Key_Control, Qt::NoModifier);
    });
    // Read every key message the three calls made (QTest adds its own Ctrl
    // presses around a modified click), noting Ctrl as each is read.
    std::vector<std::pair<MSG, bool>> reads;
    MSG msg;
    while (GetMessage(&msg, nullptr, WM_KEYDOWN, WM_KEYUP)) {
        reads.emplace_back(msg, GetKeyState(VK_CONTROL) < 0);
        if (msg.message == WM_KEYUP && msg.wParam == VK_END)
            break;
    }
    ASSERT_FALSE(reads.empty());
    const auto &endUp = reads.back();
    EXPECT_TRUE(endUp.second);
    auto endDown = std::find_if(reads.begin(), reads.end(), [](const auto &r) {
        return r.first.message == WM_KEYDOWN && r.first.wParam == VK_END;
    });
    ASSERT_NE(endDown, reads.end());
    EXPECT_TRUE(endDown->second);
    // The Ctrl releases come next; once read, Ctrl is up.
    while (PeekMessage(&msg, nullptr, WM_KEYDOWN, WM_KEYUP, PM_REMOVE))
        reads.emplace_back(msg, GetKeyState(VK_CONTROL) < 0);
    EXPECT_EQ(reads.back().first.wParam, static_cast<WPARAM>(VK_CONTROL));
    EXPECT_FALSE(reads.back().second);
}

TEST_F(InputTest, ComposedTextTakesTheTypingPath)
{
    child.SetFocus();
    child.Clear();
    QWidget *widget = WidgetOf(child.m_hWnd);
    QInputMethodEvent preedit(QString::fromUtf8("ü"), {});
    QCoreApplication::sendEvent(widget, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("nü"));
    QCoreApplication::sendEvent(widget, &commit);
    PumpEvents();
    std::vector<UINT> order;
    std::vector<WPARAM> chars;
    for (auto &m : child.Only({WM_IME_STARTCOMPOSITION, WM_IME_ENDCOMPOSITION, WM_CHAR})) {
        order.push_back(m.message);
        if (m.message == WM_CHAR)
            chars.push_back(m.wParam);
    }
    EXPECT_EQ(order.front(), static_cast<UINT>(WM_IME_STARTCOMPOSITION));
    EXPECT_EQ(order[1], static_cast<UINT>(WM_IME_ENDCOMPOSITION));
    EXPECT_EQ(chars, (std::vector<WPARAM>{'n', 0xC3, 0xBC}));
}

TEST_F(InputTest, FocusMovesWithKillAndSetFocusNamingEachOther)
{
    top.SetFocus();
    top.Clear();
    child.Clear();
    child.SetFocus();
    auto killed = top.Only({WM_KILLFOCUS});
    auto set = child.Only({WM_SETFOCUS});
    ASSERT_EQ(killed.size(), 1u);
    ASSERT_EQ(set.size(), 1u);
    EXPECT_EQ(killed[0].wParam, reinterpret_cast<WPARAM>(child.m_hWnd));
    EXPECT_EQ(set[0].wParam, reinterpret_cast<WPARAM>(top.m_hWnd));
    EXPECT_EQ(CWnd::GetFocus(), &child);
    EXPECT_EQ(CWnd::GetActiveWindow(), &top);
}

class CEscapeEater : public CRecordingWnd {
public:
    BOOL PreTranslateMessage(MSG *pMsg) override { return pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE; }
};

TEST_F(InputTest, PreTranslationCanEatAKeyBeforeItTypes)
{
    CEscapeEater eater;
    ASSERT_TRUE(eater.Create(TestWindowClass(), "", WS_VISIBLE, RECT{0, 0, 10, 10}, &top, 2));
    eater.SetFocus();
    eater.Clear();
    QTest::keyClick(WidgetOf(eater.m_hWnd), Qt::Key_Escape);
    QTest::keyClick(WidgetOf(eater.m_hWnd), Qt::Key_Return);
    PumpEvents();
    std::vector<WPARAM> keys;
    for (auto &m : eater.Only({WM_KEYDOWN, WM_CHAR}))
        keys.push_back(m.wParam);
    EXPECT_EQ(keys, (std::vector<WPARAM>{VK_RETURN, '\r'}));
}

int g_callbacks = 0;
void CountTicks(HWND, UINT, UINT_PTR, DWORD)
{
    ++g_callbacks;
}

TEST_F(InputTest, TimersDeliverWmTimerUntilKilled)
{
    ASSERT_EQ(top.SetTimer(7, 10, nullptr), 7u);
    EXPECT_TRUE(QTest::qWaitFor([&]() { return !top.Only({WM_TIMER}).empty(); }, 5000));
    EXPECT_EQ(top.Only({WM_TIMER}).front().wParam, 7u);
    EXPECT_TRUE(top.KillTimer(7));
    EXPECT_FALSE(top.KillTimer(7));
    // A timer of the same period, started after the kill, ticks three times
    // while the killed one stays silent.
    top.Clear();
    ASSERT_EQ(top.SetTimer(9, 10, nullptr), 9u);
    auto ticks = [&](WPARAM id) {
        const auto timers = top.Only({WM_TIMER});
        return std::count_if(timers.begin(), timers.end(), [id](const auto &m) { return m.wParam == id; });
    };
    EXPECT_TRUE(QTest::qWaitFor([&]() { return ticks(9) >= 3; }, 5000));
    EXPECT_TRUE(top.KillTimer(9));
    EXPECT_EQ(ticks(7), 0);

    g_callbacks = 0;
    UINT_PTR id = SetTimer(nullptr, 0, 10, &CountTicks);
    ASSERT_NE(id, 0u);
    EXPECT_TRUE(QTest::qWaitFor([]() { return g_callbacks > 0; }, 5000));
    EXPECT_TRUE(KillTimer(nullptr, id));
}

TEST_F(InputTest, ATimerWaitsInTheQueueOnceWhileALoopReadsOtherMessages)
{
    ASSERT_EQ(top.SetTimer(8, 5, nullptr), 8u);
    // A Qt timer of the window timer's period (10 ms, its shortest), started
    // just after it, counts the ticks.
    int nTicks = 0;
    QTimer reference;
    QObject::connect(&reference, &QTimer::timeout, [&nTicks]() { ++nTicks; });
    reference.start(10);
    MSG msg;
    QElapsedTimer clock;
    clock.start();
    // A loop that fetches only other messages, until the first tick waits in
    // the queue and then for five ticks more.
    while (!PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE) && clock.elapsed() < 5000)
        PeekMessage(&msg, nullptr, WM_USER + 99, WM_USER + 99, PM_REMOVE);
    const int nFirstTicks = nTicks;
    while (nTicks < nFirstTicks + 5 && clock.elapsed() < 10000)
        PeekMessage(&msg, nullptr, WM_USER + 99, WM_USER + 99, PM_REMOVE);
    EXPECT_GE(nTicks, nFirstTicks + 5);
    top.KillTimer(8);
    PumpEvents();
    EXPECT_EQ(top.Only({WM_TIMER}).size(), 1u);
}

TEST_F(InputTest, KeyStateFollowsTheKeyboard)
{
    child.SetFocus();
    QWidget *widget = WidgetOf(child.m_hWnd);
    QTest::keyPress(widget, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_LT(GetKeyState(VK_CONTROL), 0);
    QTest::keyRelease(widget, Qt::Key_Control, Qt::NoModifier);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    SHORT before = GetKeyState(VK_CAPITAL) & 1;
    QTest::keyClick(widget, Qt::Key_CapsLock);
    EXPECT_NE(GetKeyState(VK_CAPITAL) & 1, before);
}

} // namespace

namespace {

TEST_F(InputTest, ClicksOnTheBorderAreNonClientMessagesInScreenCoordinates)
{
    QTest::mousePress(WidgetOf(child.m_hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(0, 5));
    QTest::mouseRelease(WidgetOf(child.m_hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(0, 5));
    PumpEvents();
    EXPECT_TRUE(child.Only({WM_LBUTTONDOWN}).empty());
    auto got = child.Only({WM_NCLBUTTONDOWN});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].wParam, static_cast<WPARAM>(HTBORDER));
    EXPECT_EQ(got[0].lParam, Point(100 + 2 + 20, 100 + 2 + 30 + 5));
}

TEST_F(InputTest, ADisabledWindowGetsNoInput)
{
    child.EnableWindow(FALSE);
    EXPECT_FALSE(child.IsWindowEnabled());
    QTest::mouseClick(WidgetOf(child.m_hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(11, 21));
    PumpEvents();
    EXPECT_TRUE(child.Only({WM_LBUTTONDOWN, WM_LBUTTONUP}).empty());
    EXPECT_EQ(child.Only({WM_ENABLE}).size(), 1u);
}

class CCursorWnd : public CRecordingWnd {
public:
    HCURSOR shape = nullptr;

protected:
    afx_msg BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message)
    {
        if (nHitTest == HTCLIENT && shape) {
            SetCursor(shape);
            return TRUE;
        }
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCursorWnd, CRecordingWnd)
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

TEST_F(InputTest, TheCursorComesFromTheClassOrFromWmSetCursor)
{
    CCursorWnd wnd;
    LPCTSTR crossClass = AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_CROSS));
    ASSERT_TRUE(wnd.Create(crossClass, "", WS_VISIBLE, RECT{130, 10, 180, 60}, &top, 3));
    QWidget *widget = WidgetOf(wnd.m_hWnd);
    QTest::mouseMove(widget, QPoint(5, 5));
    EXPECT_EQ(widget->cursor().shape(), Qt::CrossCursor);
    wnd.shape = LoadCursor(nullptr, IDC_IBEAM);
    QTest::mouseMove(widget, QPoint(6, 6));
    EXPECT_EQ(widget->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(12345)), nullptr);
    {
        CWaitCursor wait;
        EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_IBEAM));
}

TEST_F(InputTest, AModalLoopFetchesItsOwnMessagesUntilQuit)
{
    top.PostMessage(WM_USER + 10, 1, 0);
    top.PostMessage(WM_USER + 11, 2, 0);
    MSG msg;
    EXPECT_TRUE(PeekMessage(&msg, top.m_hWnd, WM_USER + 11, WM_USER + 11, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 10));
    PostQuitMessage(3);
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 11));
    DispatchMessage(&msg);
    EXPECT_EQ(top.Only({WM_USER + 11}).size(), 1u);
    EXPECT_TRUE(top.Only({WM_USER + 10}).empty()); // fetched, never dispatched
    EXPECT_FALSE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

} // namespace

#include "framework/resources/ResourceImages.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/DeviceContext.h"
#include "framework/window/CursorHandles.h"

#include <QTemporaryDir>

namespace {

TEST(CursorResources, ACursorLoadsFromItsImageWithItsHotSpot)
{
    QTemporaryDir dir;
    QString path = dir.filePath("pen.png");
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(path));
    PlexoRegisterCursor(501, path.toUtf8().constData(), 3, 4);
    HCURSOR pen = LoadCursor(nullptr, MAKEINTRESOURCE(501));
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(504)), nullptr);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(501)), pen);
    EXPECT_NE(pen, LoadCursor(nullptr, IDC_ARROW));
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 20, 20}));
    wnd.SetCapture();
    HCURSOR previous = SetCursor(pen);
    EXPECT_EQ(WidgetOf(wnd.m_hWnd)->cursor().hotSpot(), QPoint(3, 4));
    EXPECT_EQ(WidgetOf(wnd.m_hWnd)->cursor().shape(), Qt::BitmapCursor);
    SetCursor(previous);
    ReleaseCapture();

    PlexoRegisterIcon(601, path.toUtf8().constData());
    HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(601));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(PlexoIconFromHandle(icon).isNull());
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(602)), nullptr);

    // The drawing layer draws loaded icons through the window layer's images.
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    HDC hdc = CreateImageDC(&target);
    ASSERT_NE(hdc, nullptr);
    EXPECT_TRUE(DrawIconEx(hdc, 2, 2, icon, 16, 16, 0, nullptr, DI_NORMAL));
    DeleteDC(hdc);
    EXPECT_EQ(target.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(19, 19), qRgb(255, 255, 255));
    EXPECT_TRUE(DestroyIcon(icon)) << "a loaded icon is shared and stays";
    EXPECT_NE(LoadIcon(nullptr, MAKEINTRESOURCE(601)), nullptr);

    // Icons the drawing layer makes are freed by DestroyIcon.
    const WORD maskBits[16] = {};
    const DWORD colourBits[16 * 16] = {};
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, maskBits);
    HBITMAP colour = CreateBitmap(16, 16, 1, 32, colourBits);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON made = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(DestroyIcon(made));
    EXPECT_FALSE(DestroyIcon(made)) << "a freed icon is gone";

    PlexoRegisterCursor(502, dir.filePath("missing.png").toUtf8().constData(), 0, 0);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(502)), nullptr);
    QFile corrupt(dir.filePath("corrupt.png"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("\x89PNG not really");
    corrupt.close();
    PlexoRegisterCursor(503, corrupt.fileName().toUtf8().constData(), 0, 0);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(503)), nullptr);
}

} // namespace

namespace {

TEST(HostedWindow, AWindowInsideAQtWidgetMapsThroughItAndDiesWithIt)
{
    auto *host = new QWidget;
    host->setGeometry(200, 150, 300, 200);
    host->show();
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 50, 40}));
    QWidget *widget = WidgetOf(wnd.m_hWnd);
    widget->setParent(host);
    widget->move(10, 20);
    widget->show();
    POINT pt{1, 2};
    wnd.ClientToScreen(&pt);
    QPoint expected = host->mapToGlobal(QPoint(11, 22));
    EXPECT_EQ(pt.x, expected.x());
    EXPECT_EQ(pt.y, expected.y());
    CRect rc;
    wnd.GetWindowRect(&rc);
    EXPECT_EQ(rc.Width(), 50);

    HWND hWnd = wnd.m_hWnd;
    delete host;
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_FALSE(wnd.Only({WM_NCDESTROY}).empty());
}

} // namespace

namespace {

// Refuses to become narrower than 150 pixels, keeping the dragged edge's
// opposite edge in place.
class CMinimumSizeWnd : public CRecordingWnd {
public:
    UINT lastEdge = 0;

protected:
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect)
    {
        lastEdge = fwSide;
        if (pRect->right - pRect->left < 150) {
            bool leftEdge = fwSide == WMSZ_LEFT || fwSide == WMSZ_TOPLEFT || fwSide == WMSZ_BOTTOMLEFT;
            if (leftEdge)
                pRect->left = pRect->right - 150;
            else
                pRect->right = pRect->left + 150;
        }
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMinimumSizeWnd, CRecordingWnd)
ON_WM_SIZING()
END_MESSAGE_MAP()

TEST(WindowSizing, TheUsersResizeCanBeCorrectedBeforeItHappens)
{
    CMinimumSizeWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{100, 100, 300, 200}));
    QWidget *widget = WidgetOf(wnd.m_hWnd);
    widget->setGeometry(100, 100, 250, 100); // the right edge dragged out
    EXPECT_EQ(wnd.lastEdge, static_cast<UINT>(WMSZ_RIGHT));
    CRect rc;
    wnd.GetWindowRect(&rc);
    EXPECT_EQ(rc, CRect(100, 100, 350, 200));
    auto sizes = wnd.Only({WM_SIZE});
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back().lParam, MAKELPARAM(250, 100));

    widget->setGeometry(280, 100, 70, 130); // the bottom-left corner dragged too far
    EXPECT_EQ(wnd.lastEdge, static_cast<UINT>(WMSZ_BOTTOMLEFT));
    wnd.GetWindowRect(&rc);
    EXPECT_EQ(rc, CRect(200, 100, 350, 230));
    EXPECT_EQ(widget->geometry(), QRect(200, 100, 150, 130));
}

} // namespace

namespace {

class CTransparentWnd : public CRecordingWnd {
protected:
    afx_msg LRESULT OnNcHitTest(CPoint) { return HTTRANSPARENT; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTransparentWnd, CRecordingWnd)
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

TEST_F(InputTest, ATransparentWindowHandsTheMouseToItsParent)
{
    CTransparentWnd glass;
    ASSERT_TRUE(glass.Create(TestWindowClass(), "", WS_VISIBLE, RECT{130, 10, 180, 60}, &top, 4));
    QTest::mouseClick(WidgetOf(glass.m_hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    PumpEvents();
    EXPECT_TRUE(glass.Only({WM_LBUTTONDOWN}).empty());
    auto got = top.Only({WM_LBUTTONDOWN});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].lParam, Point(135, 16));
}

} // namespace
