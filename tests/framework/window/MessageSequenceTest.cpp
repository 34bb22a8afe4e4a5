// The message sequences of window operations, compared entry by entry with
// the sequences programs written against these functions expect. Each case
// arranges a frame ("frame", a visible pop-up window at (100, 100), 200 x 150,
// active and focused) holding "child" (id 5, at (10, 10), 50 x 30) holding
// "grandchild" (id 6, at (2, 2), 10 x 10), all of the logging class, then
// runs one operation.
//
// Desktop dependence: everything here runs on the offscreen platform, where
// the layer alone decides places and activation. On X11 and Wayland the
// desktop may follow a minimise, maximise or restore with geometry and
// activation reports of its own (the desktop-reported cases below say so);
// those arrive later, through the queue, and only where the desktop really
// changed something.
#include "MessageLog.h"
#include "WindowTestSupport.h"

#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowInternals.h"

#include <QEvent>
#include <QWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

HWND W(const char *name)
{
    return MessageLog::Find(name);
}

LPARAM H(const char *name)
{
    return reinterpret_cast<LPARAM>(W(name));
}

constexpr UINT kUnmovedClient = SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE;
constexpr UINT kChildShow = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER;
constexpr UINT kChildHide = SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER;
constexpr UINT kDestroyHide = SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE;
constexpr unsigned kW = kCheckW;
constexpr unsigned kWL = kCheckW | kCheckL;
constexpr unsigned kL = kCheckL;

struct SequenceCase {
    const char *name;
    std::function<void()> arrange; // before the log starts
    std::function<void()> act;
    std::function<std::vector<ExpectedMessage>()> expected;
    std::vector<UINT> only = {};            // compare these messages only (all when empty)
    std::function<void()> verify = nullptr; // state the operation leaves
};

void Nothing() {}

// A window of no program of ours: the desktop's activation goes to it.
std::unique_ptr<QWidget> g_stranger;

void ShowStranger()
{
    g_stranger = std::make_unique<QWidget>();
    g_stranger->setGeometry(600, 100, 50, 50);
    g_stranger->show();
    g_stranger->activateWindow();
    PumpEvents();
}

std::vector<SequenceCase> Cases()
{
    return {
        // ---- Position changes
        {"MoveWindowMovesAndSizesThroughThePositionChange", Nothing,
         [] { MoveWindow(W("child"), 20, 30, 40, 50, TRUE); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_WINDOWPOSCHANGING, kW, SWP_NOZORDER | SWP_NOACTIVATE},
                 {"child", WM_NCCALCSIZE, kW, TRUE},
                 {"child", WM_NCPAINT, kOptional},
                 {"child", WM_WINDOWPOSCHANGED, kW, SWP_NOZORDER | SWP_NOACTIVATE},
                 {"child", WM_MOVE, kL, 0, MAKELPARAM(20, 30)},
                 {"child", WM_SIZE, kWL, SIZE_RESTORED, MAKELPARAM(40, 50)},
             };
         }},
        {"AMoveAloneCalculatesNoFrame", Nothing, [] { MoveWindow(W("child"), 20, 30, 50, 30, TRUE); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_WINDOWPOSCHANGING, kW, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE},
                 {"child", WM_WINDOWPOSCHANGED, kW, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOCLIENTSIZE},
                 {"child", WM_MOVE, kL, 0, MAKELPARAM(20, 30)},
             };
         }},
        {"APositionChangeThatChangesNothingSendsNoMoveOrSize", Nothing,
         [] { SetWindowPos(W("child"), nullptr, 10, 10, 50, 30, SWP_NOZORDER | SWP_NOACTIVATE); },
         [] {
             UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE;
             return std::vector<ExpectedMessage>{
                 {"child", WM_WINDOWPOSCHANGING, kW, flags},
                 {"child", WM_WINDOWPOSCHANGED, kW, flags | kUnmovedClient},
             };
         }},
        {"ShowWindowShowsAChildThroughThePositionChange", [] { ShowWindow(W("child"), SW_HIDE); },
         [] { ShowWindow(W("child"), SW_SHOW); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_SHOWWINDOW, kWL, TRUE, 0},
                 {"child", WM_WINDOWPOSCHANGING, kW, kChildShow},
                 {"child", WM_NCPAINT, kOptional},
                 {"child", WM_WINDOWPOSCHANGED, kW, kChildShow | kUnmovedClient},
             };
         }},
        {"ShowWindowHidesAChildThroughThePositionChange",
         Nothing,
         [] { ShowWindow(W("child"), SW_HIDE); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_SHOWWINDOW, kWL, FALSE, 0},
                 {"child", WM_WINDOWPOSCHANGING, kW, kChildHide},
                 {"child", WM_WINDOWPOSCHANGED, kW, kChildHide | kUnmovedClient},
             };
         },
         {},
         [] { EXPECT_FALSE(IsWindowVisible(W("child"))); }},
        {"SetWindowPosShowsWithoutWmShowWindowAndActivatesTheChild", [] { ShowWindow(W("child"), SW_HIDE); },
         [] { SetWindowPos(W("child"), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW); },
         [] {
             UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW;
             return std::vector<ExpectedMessage>{
                 {"child", WM_WINDOWPOSCHANGING, kW, flags},
                 {"child", WM_NCPAINT, kOptional},
                 {"child", WM_CHILDACTIVATE},
                 {"child", WM_WINDOWPOSCHANGED, kW, flags | kUnmovedClient},
             };
         }},
        {"SetWindowPosHidesWithoutWmShowWindow", Nothing,
         [] { SetWindowPos(W("child"), nullptr, 0, 0, 0, 0, kChildHide); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_WINDOWPOSCHANGING, kW, kChildHide},
                 {"child", WM_WINDOWPOSCHANGED, kW, kChildHide | kUnmovedClient},
             };
         }},
        {"ShowWindowHidingTheActiveWindowActivatesTheNextOne",
         [] {
             MessageLog::Create("other", WS_POPUP | WS_VISIBLE, RECT{400, 100, 500, 200});
             PumpEvents();
             SetFocus(W("frame"));
         },
         [] { ShowWindow(W("frame"), SW_HIDE); },
         [] {
             UINT flags = SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE;
             return std::vector<ExpectedMessage>{
                 {"frame", WM_SHOWWINDOW, kWL, FALSE, 0},
                 {"frame", WM_WINDOWPOSCHANGING, kW, flags},
                 {"frame", WM_WINDOWPOSCHANGED, kW, flags | kUnmovedClient},
                 {"frame", WM_NCACTIVATE, kW, FALSE},
                 {"frame", WM_ACTIVATE, kWL, WA_INACTIVE, H("other")},
                 {"other", WM_NCACTIVATE, kW, TRUE},
                 {"other", WM_ACTIVATE, kWL, WA_ACTIVE, H("frame")},
                 {"frame", WM_KILLFOCUS, kW, static_cast<WPARAM>(H("other"))},
                 {"other", WM_SETFOCUS, kW, static_cast<WPARAM>(H("frame"))},
             };
         }},
        // A modal loop hides its dialog this way before it re-enables and
        // activates the owner itself.
        {"SetWindowPosHidingTheActiveWindowLeavesItActive",
         Nothing,
         [] { SetWindowPos(W("frame"), nullptr, 0, 0, 0, 0, kDestroyHide); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"frame", WM_WINDOWPOSCHANGING, kW, kDestroyHide},
                 {"frame", WM_WINDOWPOSCHANGED, kW, kDestroyHide | kUnmovedClient},
             };
         },
         {},
         [] { EXPECT_EQ(GetActiveWindow(), W("frame")); }},
        {"SetWindowPosWithoutNoActivateActivatesAChild", Nothing,
         [] { SetWindowPos(W("child"), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_WINDOWPOSCHANGING, kW, SWP_NOMOVE | SWP_NOSIZE},
                 {"child", WM_CHILDACTIVATE},
                 {"child", WM_WINDOWPOSCHANGED, kW, SWP_NOMOVE | SWP_NOSIZE | kUnmovedClient},
             };
         }},
        {"ShowingAHiddenTopLevelWindowActivatesItInsideThePositionChange",
         [] {
             MessageLog::Create("late", WS_POPUP, RECT{5, 5, 105, 85});
         },
         [] {
             ShowWindow(W("late"), SW_SHOW);
             PumpEvents();
         },
         [] {
             UINT flags = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
             return std::vector<ExpectedMessage>{
                 {"late", WM_SHOWWINDOW, kWL, TRUE, 0},
                 {"late", WM_WINDOWPOSCHANGING, kW, flags},
                 {"late", WM_NCPAINT, kOptional},
                 {"frame", WM_NCACTIVATE, kW, FALSE},
                 {"frame", WM_ACTIVATE, kWL, WA_INACTIVE, H("late")},
                 {"late", WM_NCACTIVATE, kW, TRUE},
                 {"late", WM_ACTIVATE, kWL, WA_ACTIVE, H("frame")},
                 {"frame", WM_KILLFOCUS, kW, static_cast<WPARAM>(H("late"))},
                 {"late", WM_SETFOCUS, kW, static_cast<WPARAM>(H("frame"))},
                 {"late", WM_WINDOWPOSCHANGED, kW, flags | kUnmovedClient},
                 {"late", WM_PAINT, kAnyKind},
                 {"late", WM_ERASEBKGND},
             };
         }},
        {"APositionChangeOfAHiddenWindowDrawsNothing", [] { ShowWindow(W("child"), SW_HIDE); },
         [] { MoveWindow(W("child"), 20, 10, 50, 30, TRUE); },
         [] {
             UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOREDRAW;
             return std::vector<ExpectedMessage>{
                 {"child", WM_WINDOWPOSCHANGING, kW, flags},
                 {"child", WM_WINDOWPOSCHANGED, kW, flags | SWP_NOCLIENTSIZE},
                 {"child", WM_MOVE, kL, 0, MAKELPARAM(20, 10)},
             };
         }},
        // Desktop-dependent: a desktop that places top-level windows itself
        // (Wayland) refuses the move; the size still changes.
        {"ADesktopThatPlacesTopLevelWindowsRefusesTheMove",
         [] { Desktop::SetPlacesTopLevelWindows(true); },
         [] { MoveWindow(W("frame"), 150, 120, 220, 160, TRUE); },
         [] {
             UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
             return std::vector<ExpectedMessage>{
                 {"frame", WM_WINDOWPOSCHANGING, kW, flags},
                 {"frame", WM_NCCALCSIZE, kW, TRUE},
                 {"frame", WM_NCPAINT, kOptional},
                 {"frame", WM_WINDOWPOSCHANGED, kW, flags | SWP_NOMOVE | SWP_NOCLIENTMOVE},
                 {"frame", WM_SIZE, kWL, SIZE_RESTORED, MAKELPARAM(220, 160)},
             };
         },
         {},
         [] {
             RECT rc;
             GetWindowRect(W("frame"), &rc);
             EXPECT_EQ(rc.left, 100);
             EXPECT_EQ(rc.right, 320);
             // Where the desktop itself puts the window is taken.
             WidgetOf(W("frame"))->setGeometry(130, 140, 220, 160);
             GetWindowRect(W("frame"), &rc);
             EXPECT_EQ(rc.left, 130);
             EXPECT_EQ(rc.top, 140);
             Desktop::SetPlacesTopLevelWindows(false);
         }},
        // Creation holds WM_SIZE and WM_MOVE itself (WM_NCCALCSIZE FALSE);
        // nothing follows for a window that is not shown.
        {"AnInvisibleTopLevelWindowGetsNothingBeyondItsCreation", Nothing,
         [] {
             MessageLog::Create("late", WS_POPUP, RECT{5, 5, 105, 85});
             PumpEvents();
         },
         [] {
             return std::vector<ExpectedMessage>{
                 {"late", WM_GETMINMAXINFO},
                 {"late", WM_NCCREATE},
                 {"late", WM_NCCALCSIZE, kW, FALSE},
                 {"late", WM_CREATE},
                 {"late", WM_SIZE, kWL, SIZE_RESTORED, MAKELPARAM(100, 80)},
                 {"late", WM_MOVE, kL, 0, MAKELPARAM(5, 5)},
             };
         }},
        // Desktop-reported: the desktop confirming a place is not a move.
        {"AMoveTheDesktopReportsForAnUnmovedWindowSendsNothing", Nothing,
         [] {
             QWidget *widget = WidgetOf(W("frame"));
             QMoveEvent move(widget->pos(), widget->pos());
             QCoreApplication::sendEvent(widget, &move);
             PumpEvents();
         },
         [] { return std::vector<ExpectedMessage>{}; }},

        // ---- Minimising, maximising, restoring (desktop-reported on X11 and
        // Wayland: the window manager's own state report follows later and
        // changes nothing more)
        {"MinimisingTheActiveWindowDeactivatesItAndTakesItsFocus",
         Nothing,
         [] {
             ShowWindow(W("frame"), SW_MINIMIZE);
             PumpEvents(); // offscreen, Qt's state report changes nothing more
         },
         [] {
             UINT flags = SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_STATECHANGED | SWP_NOSIZE | SWP_NOMOVE;
             return std::vector<ExpectedMessage>{
                 {"frame", WM_WINDOWPOSCHANGING, kW, flags},
                 {"frame", WM_NCCALCSIZE, kW, TRUE},
                 {"frame", WM_NCPAINT, kOptional},
                 {"frame", WM_WINDOWPOSCHANGED, kW, flags},
                 {"frame", WM_MOVE, kL, 0, MAKELPARAM(100, 100)},
                 {"frame", WM_SIZE, kWL, SIZE_MINIMIZED, 0},
                 {"frame", WM_NCACTIVATE, kW, FALSE},
                 {"frame", WM_ACTIVATE, kWL, MAKEWPARAM(WA_INACTIVE, 1), 0},
                 {"frame", WM_KILLFOCUS, kW, 0},
             };
         },
         {},
         [] {
             EXPECT_TRUE(IsIconic(W("frame")));
             EXPECT_EQ(GetActiveWindow(), nullptr);
             EXPECT_EQ(GetFocus(), nullptr);
         }},
        {"RestoringReactivatesAndRepaints", [] { ShowWindow(W("frame"), SW_MINIMIZE); },
         [] {
             ShowWindow(W("frame"), SW_RESTORE);
             PumpEvents();
         },
         [] {
             UINT flags = SWP_FRAMECHANGED | SWP_STATECHANGED | SWP_NOSIZE | SWP_NOMOVE;
             return std::vector<ExpectedMessage>{
                 {"frame", WM_WINDOWPOSCHANGING, kW, flags},
                 {"frame", WM_NCCALCSIZE, kW, TRUE},
                 {"frame", WM_NCPAINT, kOptional},
                 {"frame", WM_NCACTIVATE, kW, TRUE},
                 {"frame", WM_ACTIVATE, kWL, WA_ACTIVE, 0},
                 {"frame", WM_SETFOCUS, kW, 0},
                 {"frame", WM_WINDOWPOSCHANGED, kW, flags},
                 {"frame", WM_MOVE, kL, 0, MAKELPARAM(100, 100)},
                 {"frame", WM_SIZE, kWL, SIZE_RESTORED, MAKELPARAM(200, 150)},
                 {"frame", WM_PAINT, kAnyKind},
                 {"frame", WM_NCPAINT},
                 {"frame", WM_ERASEBKGND},
                 {"child", WM_PAINT, kAnyKind},
                 {"child", WM_NCPAINT},
                 {"child", WM_ERASEBKGND},
                 {"grandchild", WM_PAINT, kAnyKind},
                 {"grandchild", WM_NCPAINT},
                 {"grandchild", WM_ERASEBKGND},
             };
         }},
        {"MaximisingAsksForTheLimitsAndReportsTheState", Nothing,
         [] {
             ShowWindow(W("frame"), SW_SHOWMAXIMIZED);
             PumpEvents(); // offscreen, Qt's maximised geometry is the same: nothing follows
         },
         [] {
             UINT flags = SWP_FRAMECHANGED | SWP_STATECHANGED;
             return std::vector<ExpectedMessage>{
                 {"frame", WM_GETMINMAXINFO},
                 {"frame", WM_WINDOWPOSCHANGING, kW, flags},
                 {"frame", WM_NCCALCSIZE, kW, TRUE},
                 {"frame", WM_NCPAINT, kOptional},
                 {"frame", WM_WINDOWPOSCHANGED, kW, flags},
                 {"frame", WM_MOVE, kL, 0, MAKELPARAM(0, 0)},
                 {"frame", WM_SIZE, kW, SIZE_MAXIMIZED},
                 {"frame", WM_PAINT, kAnyKind}, // the area the window grew by
                 {"frame", WM_ERASEBKGND},
             };
         }},

        // ---- Destruction
        {"DestroyingAFocusedChildHidesItAndGivesTheFocusToItsParent",
         [] { SetFocus(W("grandchild")); },
         [] { DestroyWindow(W("child")); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"frame", WM_PARENTNOTIFY, kWL, MAKEWPARAM(WM_DESTROY, 5), H("child")},
                 {"child", WM_SHOWWINDOW, kW, FALSE},
                 {"child", WM_WINDOWPOSCHANGING, kW, kChildHide},
                 {"child", WM_WINDOWPOSCHANGED, kW, kChildHide | kUnmovedClient},
                 {"grandchild", WM_KILLFOCUS, kW, static_cast<WPARAM>(H("frame"))},
                 {"frame", WM_SETFOCUS, kW, static_cast<WPARAM>(H("grandchild"))},
                 {"child", WM_DESTROY},
                 {"grandchild", WM_DESTROY},
                 {"grandchild", WM_NCDESTROY},
                 {"child", WM_NCDESTROY},
             };
         },
         {},
         [] { EXPECT_EQ(GetFocus(), W("frame")); }},
        {"DestroyingAHiddenFocusedChildStillGivesTheFocusToItsParent",
         [] {
             SetFocus(W("child"));
             SetWindowLong(W("child"), GWL_STYLE, WS_CHILD); // hidden, keeping the focus
         },
         [] { DestroyWindow(W("child")); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"frame", WM_PARENTNOTIFY, kWL, MAKEWPARAM(WM_DESTROY, 5), H("child")},
                 {"child", WM_KILLFOCUS, kW, static_cast<WPARAM>(H("frame"))},
                 {"frame", WM_SETFOCUS, kW, static_cast<WPARAM>(H("child"))},
                 {"child", WM_DESTROY},
                 {"grandchild", WM_DESTROY},
                 {"grandchild", WM_NCDESTROY},
                 {"child", WM_NCDESTROY},
             };
         },
         {},
         [] { EXPECT_EQ(GetFocus(), W("frame")); }},
        {"DestroyingTheCaptureHolderTellsItOfTheCapture",
         [] { SetCapture(W("grandchild")); },
         [] { DestroyWindow(W("child")); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"frame", WM_PARENTNOTIFY, kWL, MAKEWPARAM(WM_DESTROY, 5), H("child")},
                 {"child", WM_SHOWWINDOW, kW, FALSE},
                 {"child", WM_WINDOWPOSCHANGING, kW, kChildHide},
                 {"child", WM_WINDOWPOSCHANGED, kW, kChildHide | kUnmovedClient},
                 {"child", WM_DESTROY},
                 {"grandchild", WM_CAPTURECHANGED, kL, 0, 0},
                 {"grandchild", WM_DESTROY},
                 {"grandchild", WM_NCDESTROY},
                 {"child", WM_NCDESTROY},
             };
         },
         {},
         [] { EXPECT_EQ(GetCapture(), nullptr); }},
        {"EveryWindowGetsWmDestroyBeforeAnyGetsWmNcDestroy",
         [] {
             MessageLog::Create("sibling", WS_CHILD | WS_VISIBLE, RECT{70, 10, 90, 30}, W("frame"), 7);
         },
         [] { DestroyWindow(W("frame")); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"frame", WM_WINDOWPOSCHANGING, kW, kDestroyHide},
                 {"frame", WM_WINDOWPOSCHANGED, kW, kDestroyHide | kUnmovedClient},
                 {"frame", WM_NCACTIVATE, kW, FALSE},
                 {"frame", WM_ACTIVATE, kWL, WA_INACTIVE, 0},
                 {"frame", WM_KILLFOCUS, kW, 0},
                 {"frame", WM_DESTROY},
                 {"sibling", WM_DESTROY},
                 {"child", WM_DESTROY},
                 {"grandchild", WM_DESTROY},
                 {"sibling", WM_NCDESTROY},
                 {"grandchild", WM_NCDESTROY},
                 {"child", WM_NCDESTROY},
                 {"frame", WM_NCDESTROY},
             };
         }},
        {"DestroyingTheActiveWindowActivatesTheNextOne",
         [] {
             // Offscreen, Qt activates a window it shows: that report comes
             // first, then the program activates the frame.
             MessageLog::Create("other", WS_POPUP | WS_VISIBLE, RECT{400, 100, 500, 200});
             PumpEvents();
             SetFocus(W("frame"));
         },
         [] { DestroyWindow(W("frame")); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"frame", WM_WINDOWPOSCHANGING, kW, kDestroyHide},
                 {"frame", WM_WINDOWPOSCHANGED, kW, kDestroyHide | kUnmovedClient},
                 {"frame", WM_NCACTIVATE, kW, FALSE},
                 {"frame", WM_ACTIVATE, kWL, WA_INACTIVE, H("other")},
                 {"other", WM_NCACTIVATE, kW, TRUE},
                 {"other", WM_ACTIVATE, kWL, WA_ACTIVE, H("frame")},
                 {"frame", WM_KILLFOCUS, kW, static_cast<WPARAM>(H("other"))},
                 {"other", WM_SETFOCUS, kW, static_cast<WPARAM>(H("frame"))},
                 {"frame", WM_DESTROY},
                 {"child", WM_DESTROY},
                 {"grandchild", WM_DESTROY},
                 {"grandchild", WM_NCDESTROY},
                 {"child", WM_NCDESTROY},
                 {"frame", WM_NCDESTROY},
             };
         },
         {},
         [] { EXPECT_EQ(GetActiveWindow(), W("other")); }},

        // ---- Focus and activation
        {"SetActiveWindowNullDeactivatesTheActiveWindow", Nothing, [] { SetActiveWindow(nullptr); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"frame", WM_NCACTIVATE, kW, FALSE},
                 {"frame", WM_ACTIVATE, kWL, WA_INACTIVE, 0},
                 {"frame", WM_KILLFOCUS, kW, 0},
             };
         }},
        // Desktop-reported: a plain Qt window that Qt activates stands for
        // another program taking the activation (offscreen, Qt activates a
        // window it shows; on X11 and Wayland the window manager decides).
        {"ActivationPassingToAnotherProgramTellsTheProgram", Nothing, [] { ShowStranger(); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"frame", WM_NCACTIVATE, kW, FALSE},
                 {"frame", WM_ACTIVATE, kWL, WA_INACTIVE, 0},
                 {"frame", WM_ACTIVATEAPP, kW, FALSE},
                 {"frame", WM_KILLFOCUS, kW, 0},
             };
         }},
        {"ActivationComingFromAnotherProgramTellsTheProgram", [] { ShowStranger(); },
         [] { SetActiveWindow(W("frame")); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"frame", WM_ACTIVATEAPP, kW, TRUE},
                 {"frame", WM_NCACTIVATE, kW, TRUE},
                 {"frame", WM_ACTIVATE, kWL, WA_ACTIVE, 0},
                 {"frame", WM_SETFOCUS, kW, 0},
             };
         }},

        // ---- Styles
        {"AFrameStyleChangesTheFrame", Nothing,
         [] { SetWindowLong(W("child"), GWL_STYLE, GetWindowLong(W("child"), GWL_STYLE) | WS_BORDER); },
         [] {
             UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
             LPARAM style = static_cast<LPARAM>(WS_CHILD | WS_VISIBLE | WS_BORDER);
             return std::vector<ExpectedMessage>{
                 {"child", WM_STYLECHANGING, kWL, static_cast<WPARAM>(GWL_STYLE), style},
                 {"child", WM_STYLECHANGED, kWL, static_cast<WPARAM>(GWL_STYLE), style},
                 {"child", WM_WINDOWPOSCHANGING, kW, flags},
                 {"child", WM_NCCALCSIZE, kW, TRUE},
                 {"child", WM_NCPAINT, kOptional},
                 {"child", WM_WINDOWPOSCHANGED, kW, flags},
                 {"child", WM_MOVE, kL, 0, MAKELPARAM(11, 11)},
                 {"child", WM_SIZE, kWL, SIZE_RESTORED, MAKELPARAM(48, 28)},
             };
         }},
        {"TheVisibleStyleHidesWithoutOtherMessages",
         Nothing,
         [] { SetWindowLong(W("child"), GWL_STYLE, WS_CHILD); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_STYLECHANGING, kW, static_cast<WPARAM>(GWL_STYLE)},
                 {"child", WM_STYLECHANGED, kW, static_cast<WPARAM>(GWL_STYLE)},
             };
         },
         {},
         [] {
             EXPECT_FALSE(IsWindowVisible(W("child")));
             EXPECT_FALSE(WidgetOf(W("child"))->isVisibleTo(WidgetOf(W("frame"))));
         }},
        {"TheVisibleStyleShowsWithoutActivating",
         [] { SetWindowPos(W("child"), nullptr, 0, 0, 0, 0, kChildHide); },
         [] { SetWindowLong(W("child"), GWL_STYLE, WS_CHILD | WS_VISIBLE); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_STYLECHANGING, kW, static_cast<WPARAM>(GWL_STYLE)},
                 {"child", WM_STYLECHANGED, kW, static_cast<WPARAM>(GWL_STYLE)},
             };
         },
         {},
         [] { EXPECT_TRUE(WidgetOf(W("child"))->isVisibleTo(WidgetOf(W("frame")))); }},
        {"TheDisabledStyleDisablesWithoutWmEnable",
         Nothing,
         [] { SetWindowLong(W("child"), GWL_STYLE, WS_CHILD | WS_VISIBLE | WS_DISABLED); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_STYLECHANGING, kW, static_cast<WPARAM>(GWL_STYLE)},
                 {"child", WM_STYLECHANGED, kW, static_cast<WPARAM>(GWL_STYLE)},
             };
         },
         {},
         [] { EXPECT_FALSE(IsWindowEnabled(W("child"))); }},
        {"APopUpStyleMakesAChildATopLevelWindowWhereItWas",
         Nothing,
         [] { SetWindowLong(W("grandchild"), GWL_STYLE, WS_POPUP | WS_VISIBLE); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"grandchild", WM_STYLECHANGING, kW, static_cast<WPARAM>(GWL_STYLE)},
                 {"grandchild", WM_STYLECHANGED, kW, static_cast<WPARAM>(GWL_STYLE)},
             };
         },
         {},
         [] {
             HWND h = W("grandchild");
             EXPECT_EQ(GetTopLevelWindow(h), h);
             EXPECT_EQ(GetParent(h), W("frame")); // now its owner
             EXPECT_EQ(GetWindow(W("child"), GW_CHILD), nullptr);
             RECT rc;
             GetWindowRect(h, &rc);
             EXPECT_EQ(rc.left, 112);
             EXPECT_EQ(rc.top, 112);
             EXPECT_TRUE(WidgetOf(h)->isWindow());
         }},
        {"AChildStyleMakesAnOwnedWindowAChildOfItsOwner",
         [] {
             MessageLog::Create("owned", WS_POPUP, RECT{150, 160, 170, 180}, W("frame"));
         },
         [] { SetWindowLong(W("owned"), GWL_STYLE, WS_CHILD); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"owned", WM_STYLECHANGING, kW, static_cast<WPARAM>(GWL_STYLE)},
                 {"owned", WM_STYLECHANGED, kW, static_cast<WPARAM>(GWL_STYLE)},
             };
         },
         {},
         [] {
             HWND h = W("owned");
             EXPECT_TRUE(IsChild(W("frame"), h));
             RECT rc;
             GetWindowRect(h, &rc);
             EXPECT_EQ(rc.left, 150);
             EXPECT_EQ(rc.top, 160);
         }},

        // ---- Capture
        {"SetCaptureOnTheHolderSendsNothing",
         [] { SetCapture(W("child")); },
         [] { SetCapture(W("child")); },
         [] { return std::vector<ExpectedMessage>{}; },
         {},
         [] { ReleaseCapture(); }},
        {"TakingTheCaptureTellsTheOldHolder",
         [] { SetCapture(W("child")); },
         [] { SetCapture(W("grandchild")); },
         [] {
             return std::vector<ExpectedMessage>{{"child", WM_CAPTURECHANGED, kWL, 0, H("grandchild")}};
         },
         {},
         [] { ReleaseCapture(); }},
        {"ReleaseCaptureTellsTheHolder", [] { SetCapture(W("child")); }, [] { ReleaseCapture(); },
         [] {
             return std::vector<ExpectedMessage>{{"child", WM_CAPTURECHANGED, kWL, 0, 0}};
         }},

        // ---- Parent notification
        {"CreatingAChildNotifiesTheParentChain", Nothing,
         [] {
             MessageLog::Create("new", WS_CHILD | WS_VISIBLE, RECT{1, 1, 5, 5}, W("child"), 9);
         },
         [] {
             return std::vector<ExpectedMessage>{
                 {"new", WM_NCCREATE},
                 {"new", WM_NCCALCSIZE, kW, FALSE},
                 {"new", WM_CREATE},
                 {"new", WM_SIZE, kWL, SIZE_RESTORED, MAKELPARAM(4, 4)},
                 {"new", WM_MOVE, kL, 0, MAKELPARAM(1, 1)},
                 {"child", WM_PARENTNOTIFY, kWL, MAKEWPARAM(WM_CREATE, 9), H("new")},
                 {"frame", WM_PARENTNOTIFY, kWL, MAKEWPARAM(WM_CREATE, 9), H("new")},
                 {"new", WM_SHOWWINDOW, kW, TRUE},
                 {"new", WM_WINDOWPOSCHANGING, kW, kChildShow},
                 {"new", WM_NCPAINT, kOptional},
                 {"new", WM_WINDOWPOSCHANGED, kW, kChildShow | kUnmovedClient},
             };
         }},
        {"NoParentNotifyStopsTheChain",
         [] { SetWindowLong(W("child"), GWL_EXSTYLE, WS_EX_NOPARENTNOTIFY); },
         [] {
             MessageLog::Create("new", WS_CHILD, RECT{1, 1, 5, 5}, W("child"), 9);
             MessageLog::Create("quiet", WS_CHILD, RECT{1, 1, 5, 5}, W("child"), 10, WS_EX_NOPARENTNOTIFY);
             DestroyWindow(W("quiet"));
         },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_PARENTNOTIFY, kWL, MAKEWPARAM(WM_CREATE, 9), H("new")},
             };
         },
         {WM_PARENTNOTIFY}},
        {"AButtonPressInAChildNotifiesTheParentsFirst",
         Nothing,
         [] {
             QWidget *widget = WidgetOf(W("grandchild"));
             QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
             QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
             PumpEvents();
         },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_PARENTNOTIFY, kWL, WM_LBUTTONDOWN, MAKELPARAM(5, 6)},
                 {"frame", WM_PARENTNOTIFY, kWL, WM_LBUTTONDOWN, MAKELPARAM(15, 16)},
                 {"grandchild", WM_MOUSEACTIVATE},
                 {"child", WM_MOUSEACTIVATE},
                 {"frame", WM_MOUSEACTIVATE},
                 {"grandchild", WM_LBUTTONDOWN, kL | kPosted, 0, MAKELPARAM(3, 4)},
                 {"grandchild", WM_LBUTTONUP, kL | kPosted, 0, MAKELPARAM(3, 4)},
             };
         },
         {WM_PARENTNOTIFY, WM_MOUSEACTIVATE, WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {"SetParentHidesMovesAndShowsTheChild",
         Nothing,
         [] { SetParent(W("grandchild"), W("frame")); },
         [] {
             UINT show = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
             return std::vector<ExpectedMessage>{
                 {"grandchild", WM_SHOWWINDOW, kW, FALSE},
                 {"grandchild", WM_WINDOWPOSCHANGING, kW, kChildHide},
                 {"grandchild", WM_WINDOWPOSCHANGED, kW, kChildHide | kUnmovedClient},
                 {"grandchild", WM_WINDOWPOSCHANGING, kW, show},
                 {"grandchild", WM_NCPAINT, kOptional},
                 {"grandchild", WM_CHILDACTIVATE},
                 {"grandchild", WM_WINDOWPOSCHANGED, kW, show | kUnmovedClient},
             };
         },
         {},
         [] { EXPECT_EQ(GetParent(W("grandchild")), W("frame")); }},

        {"SetParentNullMakesAChildATopLevelWindowAndActivatesIt",
         Nothing,
         [] { SetParent(W("grandchild"), nullptr); },
         [] {
             UINT show = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
             return std::vector<ExpectedMessage>{
                 {"grandchild", WM_SHOWWINDOW, kW, FALSE},
                 {"grandchild", WM_WINDOWPOSCHANGING, kW, kChildHide},
                 {"grandchild", WM_WINDOWPOSCHANGED, kW, kChildHide | kUnmovedClient},
                 {"grandchild", WM_WINDOWPOSCHANGING, kW, show},
                 {"grandchild", WM_NCPAINT, kOptional},
                 {"frame", WM_NCACTIVATE, kW, FALSE},
                 {"frame", WM_ACTIVATE, kWL, WA_INACTIVE, H("grandchild")},
                 {"grandchild", WM_NCACTIVATE, kW, TRUE},
                 {"grandchild", WM_ACTIVATE, kWL, WA_ACTIVE, H("frame")},
                 {"frame", WM_KILLFOCUS, kW, static_cast<WPARAM>(H("grandchild"))},
                 {"grandchild", WM_SETFOCUS, kW, static_cast<WPARAM>(H("frame"))},
                 {"grandchild", WM_WINDOWPOSCHANGED, kW, show | kUnmovedClient},
             };
         },
         {},
         [] {
             HWND h = W("grandchild");
             EXPECT_EQ(GetParent(h), nullptr);
             EXPECT_EQ(GetWindow(W("child"), GW_CHILD), nullptr);
             EXPECT_TRUE(WidgetOf(h)->isWindow());
             RECT rc;
             GetWindowRect(h, &rc);
             EXPECT_EQ(rc.left, 2); // the same coordinates, now on the screen
         }},
        {"SetParentMakesAHiddenTopLevelWindowAChild",
         [] {
             MessageLog::Create("late", WS_POPUP, RECT{5, 5, 25, 25});
         },
         [] { SetParent(W("late"), W("child")); },
         [] {
             UINT flags = SWP_NOSIZE | SWP_NOREDRAW;
             return std::vector<ExpectedMessage>{
                 {"late", WM_WINDOWPOSCHANGING, kW, flags | SWP_NOMOVE},
                 {"late", WM_WINDOWPOSCHANGED, kW, flags | SWP_NOMOVE | kUnmovedClient},
             };
         },
         {},
         [] {
             EXPECT_TRUE(IsChild(W("child"), W("late")));
             EXPECT_FALSE(WidgetOf(W("late"))->isWindow());
         }},

        // ---- Painting
        {"RdwNoEraseDropsThePendingErase", Nothing,
         [] {
             InvalidateRect(W("child"), nullptr, TRUE);
             RedrawWindow(W("child"), nullptr, nullptr, RDW_NOERASE | RDW_UPDATENOW);
         },
         [] {
             return std::vector<ExpectedMessage>{{"child", WM_PAINT, kAnyKind}};
         }},
        {"RdwFramePaintsTheFrameFromBeginPaint", Nothing,
         [] { RedrawWindow(W("child"), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_PAINT, kAnyKind},
                 {"child", WM_NCPAINT, kW, 1},
                 {"child", WM_ERASEBKGND},
             };
         }},
        {"RdwEraseNowPaintsTheFrameAndErasesAtOnce", Nothing,
         [] { RedrawWindow(W("child"), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ERASENOW); },
         [] {
             return std::vector<ExpectedMessage>{
                 {"child", WM_NCPAINT, kW, 1},
                 {"child", WM_ERASEBKGND},
             };
         }},
    };
}

class MessageSequence : public ::testing::TestWithParam<SequenceCase> {
protected:
    void SetUp() override
    {
        MessageLog::Start();
        ASSERT_TRUE(MessageLog::Create("frame", WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 250}));
        ASSERT_TRUE(MessageLog::Create("child", WS_CHILD | WS_VISIBLE, RECT{10, 10, 60, 40}, W("frame"), 5));
        ASSERT_TRUE(MessageLog::Create("grandchild", WS_CHILD | WS_VISIBLE, RECT{2, 2, 12, 12}, W("child"), 6));
        SetFocus(W("frame"));
        PumpEvents();
    }
    void TearDown() override
    {
        for (const char *name : {"frame", "other", "late", "owned", "grandchild"})
            if (HWND h = W(name); IsWindow(h))
                DestroyWindow(h);
        g_stranger.reset();
        Desktop::SetPlacesTopLevelWindows(false);
        PumpEvents();
        MessageLog::Stop();
    }
};

TEST_P(MessageSequence, SendsTheExpectedMessages)
{
    const SequenceCase &c = GetParam();
    c.arrange();
    PumpEvents();
    MessageLog::Clear();
    c.act();
    std::string differences = MessageLog::Compare(MessageLog::Filtered(c.only), c.expected());
    EXPECT_TRUE(differences.empty()) << differences;
    if (c.verify)
        c.verify();
}

INSTANTIATE_TEST_SUITE_P(Operations, MessageSequence, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<SequenceCase> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
