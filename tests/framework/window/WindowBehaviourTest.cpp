// What the window layer's message sequences protect: dialogs keep the
// focus when a focused control goes, in-place editors commit, tracking loops
// end with their window, re-parented bars hear of their new parent, and a
// subclass that keeps WM_WINDOWPOSCHANGED to itself gets no WM_SIZE.
// All run offscreen; none depends on the desktop.
#include "WindowTestSupport.h"

#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;

// ---- A focused edit destroyed while its dialog is active

// Stands in for an in-place editor: it commits its text when it loses the
// focus, as editors of list and grid cells do.
class CCommittingEdit : public CRecordingWnd {
protected:
    afx_msg void OnKillFocus(CWnd *pNewWnd)
    {
        g_events.push_back("commit");
        CRecordingWnd::OnKillFocus(pNewWnd);
    }
    afx_msg void OnDestroy()
    {
        g_events.push_back("destroy");
        CRecordingWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCommittingEdit, CRecordingWnd)
ON_WM_KILLFOCUS()
ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(WindowBehaviour, AFocusedEditDestroyedLeavesTheFocusOnItsDialog)
{
    g_events.clear();
    CRecordingWnd dialog;
    ASSERT_TRUE(CreateTopLevel(dialog, RECT{50, 50, 250, 200}, WS_POPUP | WS_CAPTION | WS_VISIBLE));
    CCommittingEdit edit;
    ASSERT_TRUE(edit.Create(TestWindowClass(), "", WS_VISIBLE, CRect(10, 10, 110, 30), &dialog, 100));
    edit.SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), &edit);
    dialog.Clear();

    edit.DestroyWindow();
    EXPECT_EQ(CWnd::GetFocus(), &dialog);
    EXPECT_EQ(CWnd::GetActiveWindow(), &dialog);
    auto set = dialog.Only({WM_SETFOCUS});
    ASSERT_EQ(set.size(), 1u);
    EXPECT_EQ(g_events, (std::vector<std::string>{"commit", "destroy"})); // committed while it still lived

    // The keyboard now reaches the dialog.
    QTest::keyClick(WidgetOf(dialog.m_hWnd), Qt::Key_Escape);
    PumpEvents();
    auto keys = dialog.Only({WM_KEYDOWN});
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].wParam, static_cast<WPARAM>(VK_ESCAPE));
}

// ---- A modal dialog ending: hidden, owner re-enabled and activated

TEST(WindowBehaviour, AModalDialogEndingHandsTheActivationBackToItsOwner)
{
    CRecordingWnd owner, dialog;
    ASSERT_TRUE(CreateTopLevel(owner, RECT{0, 0, 300, 200}, WS_POPUP | WS_CAPTION | WS_VISIBLE));
    ASSERT_TRUE(dialog.CreateEx(0, TestWindowClass(), "Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                CRect(50, 50, 200, 150), &owner, 0));
    owner.EnableWindow(FALSE);
    dialog.SetActiveWindow();
    ASSERT_EQ(CWnd::GetActiveWindow(), &dialog);
    owner.Clear();

    dialog.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    EXPECT_EQ(CWnd::GetActiveWindow(), &dialog); // still, while the owner is disabled
    owner.EnableWindow(TRUE);
    if (CWnd::GetActiveWindow() == &dialog)
        owner.SetActiveWindow();
    dialog.DestroyWindow();
    EXPECT_EQ(CWnd::GetActiveWindow(), &owner);
    EXPECT_EQ(CWnd::GetFocus(), &owner);
    auto activations = owner.Only({WM_ACTIVATE});
    ASSERT_EQ(activations.size(), 1u); // once, by the loop; the destruction changes nothing
    EXPECT_EQ(LOWORD(activations[0].wParam), WA_ACTIVE);
}

// ---- A tracking loop that ends on WM_CAPTURECHANGED

class CTracker : public CWnd {
public:
    bool tracking = false;
    void StartTracking()
    {
        tracking = true;
        SetCapture();
    }

protected:
    afx_msg void OnCaptureChanged(CWnd *pWnd)
    {
        if (tracking && pWnd != this) {
            tracking = false;
            g_events.push_back("stop tracking");
        }
        CWnd::OnCaptureChanged(pWnd);
    }
    afx_msg void OnDestroy()
    {
        g_events.push_back(tracking ? "destroy while tracking" : "destroy");
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTracker, CWnd)
ON_WM_CAPTURECHANGED()
ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(WindowBehaviour, ATrackingLoopEndsWhenItsWindowIsDestroyed)
{
    g_events.clear();
    CRecordingWnd frame;
    ASSERT_TRUE(CreateTopLevel(frame, RECT{0, 0, 200, 200}));
    CTracker tracker;
    ASSERT_TRUE(tracker.Create(TestWindowClass(), "", WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 1));
    tracker.StartTracking();
    ASSERT_EQ(GetCapture(), tracker.m_hWnd);

    frame.DestroyWindow(); // the tracker goes with its frame
    EXPECT_EQ(g_events, (std::vector<std::string>{"stop tracking", "destroy"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

// ---- A bar re-parented between frames

constexpr int kTopDockId = 0xE81B;
constexpr int kFloatingDockId = 0xE81F;

// Reads the id of its parent when its position changes, as docking bars
// learn where they are docked; asks for a new frame each time.
class CDockingBar : public CRecordingWnd {
public:
    std::vector<int> parentIds;
    UINT lastChangedFlags = 0;

protected:
    afx_msg void OnWindowPosChanging(WINDOWPOS *lpwndpos)
    {
        lpwndpos->flags |= SWP_FRAMECHANGED;
        CRecordingWnd::OnWindowPosChanging(lpwndpos);
        parentIds.push_back(GetParent()->GetDlgCtrlID());
    }
    afx_msg void OnWindowPosChanged(WINDOWPOS *lpwndpos)
    {
        lastChangedFlags = lpwndpos->flags;
        CRecordingWnd::OnWindowPosChanged(lpwndpos);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDockingBar, CRecordingWnd)
ON_WM_WINDOWPOSCHANGING()
ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

TEST(WindowBehaviour, ABarReparentedToAFloatingFrameHearsOfItsNewParent)
{
    CRecordingWnd frame, dock, floating, floatingDock;
    ASSERT_TRUE(CreateTopLevel(frame, RECT{0, 0, 400, 300}, WS_POPUP | WS_CAPTION | WS_VISIBLE));
    ASSERT_TRUE(dock.Create(TestWindowClass(), "", WS_VISIBLE, CRect(0, 0, 400, 30), &frame, kTopDockId));
    ASSERT_TRUE(CreateTopLevel(floating, RECT{500, 200, 700, 260}, WS_POPUP | WS_VISIBLE));
    ASSERT_TRUE(
        floatingDock.Create(TestWindowClass(), "", WS_VISIBLE, CRect(0, 0, 200, 60), &floating, kFloatingDockId));
    CDockingBar bar;
    ASSERT_TRUE(bar.Create(TestWindowClass(), "", WS_VISIBLE, CRect(4, 2, 154, 28), &dock, 0xE800));
    bar.Clear();
    bar.parentIds.clear();

    ASSERT_EQ(bar.SetParent(&floatingDock), &dock);
    EXPECT_EQ(bar.GetParent(), &floatingDock);
    EXPECT_EQ(bar.parentIds.back(), kFloatingDockId);
    auto seen = bar.Only({WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_CHILDACTIVATE, WM_WINDOWPOSCHANGED});
    ASSERT_GE(seen.size(), 4u);
    // The last change puts it into the new parent: it shows it there, asks
    // for its frame again and is activated as a child.
    auto last = seen.end() - 4;
    EXPECT_EQ(last[0].message, static_cast<UINT>(WM_WINDOWPOSCHANGING));
    EXPECT_EQ(last[1].message, static_cast<UINT>(WM_NCCALCSIZE));
    EXPECT_EQ(last[1].wParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(last[2].message, static_cast<UINT>(WM_CHILDACTIVATE));
    EXPECT_EQ(last[3].message, static_cast<UINT>(WM_WINDOWPOSCHANGED));
    EXPECT_TRUE(bar.lastChangedFlags & SWP_SHOWWINDOW);
    EXPECT_TRUE(bar.IsWindowVisible());
    CRect rc;
    bar.GetWindowRect(&rc);
    EXPECT_EQ(rc.TopLeft(), CPoint(504, 202)); // the same place in the floating frame
}

// ---- A subclass that keeps WM_WINDOWPOSCHANGED to itself

WNDPROC g_original = nullptr;
bool g_passOn = false;
int g_swallowed = 0;

LRESULT SwallowingProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGED && !g_passOn) {
        ++g_swallowed;
        return 0;
    }
    return CallWindowProc(g_original, h, message, wParam, lParam);
}

TEST(WindowBehaviour, ASubclassSwallowingThePositionChangeGetsNoSizeOrMove)
{
    CRecordingWnd frame, child;
    ASSERT_TRUE(CreateTopLevel(frame, RECT{0, 0, 300, 200}, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    ASSERT_TRUE(child.Create(TestWindowClass(), "", WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 1));
    for (CRecordingWnd *wnd : {&frame, &child}) {
        g_original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtr(wnd->m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SwallowingProc)));
        // Each window is subclassed in turn; the other keeps its own procedure.
        g_passOn = false;
        g_swallowed = 0;
        wnd->Clear();
        if (wnd == &child) {
            child.MoveWindow(10, 10, 60, 70);
        } else {
            frame.ShowWindow(SW_MINIMIZE);
            frame.ShowWindow(SW_RESTORE);
            frame.ShowWindow(SW_SHOWMAXIMIZED);
        }
        EXPECT_TRUE(wnd->Only({WM_SIZE, WM_MOVE}).empty());
        EXPECT_GT(g_swallowed, 0);

        // Passing it on brings both back, WM_MOVE first.
        g_passOn = true;
        wnd->Clear();
        if (wnd == &child)
            child.MoveWindow(0, 0, 50, 50);
        else
            frame.ShowWindow(SW_RESTORE);
        auto both = wnd->Only({WM_SIZE, WM_MOVE});
        ASSERT_EQ(both.size(), 2u);
        EXPECT_EQ(both[0].message, static_cast<UINT>(WM_MOVE));
        EXPECT_EQ(both[1].message, static_cast<UINT>(WM_SIZE));
        SetWindowLongPtr(wnd->m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_original));
    }
}

// ---- Siblings destroyed with their frame

// A bar that frees itself after WM_NCDESTROY, and one whose WM_DESTROY
// still asks its neighbour something.
class CSelfFreeingBar : public CWnd {
protected:
    void PostNcDestroy() override { delete this; }
};

class CNeighbourlyBar : public CWnd {
public:
    CWnd *neighbour = nullptr;
    int neighbourId = 0;

protected:
    afx_msg void OnDestroy()
    {
        neighbourId = neighbour->GetDlgCtrlID(); // still alive: no WM_NCDESTROY yet
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CNeighbourlyBar, CWnd)
ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(WindowBehaviour, NoBarIsFreedBeforeEveryBarHasHeardWmDestroy)
{
    CRecordingWnd frame;
    ASSERT_TRUE(CreateTopLevel(frame, RECT{0, 0, 300, 200}));
    CNeighbourlyBar neighbourly;
    ASSERT_TRUE(neighbourly.Create(TestWindowClass(), "", WS_VISIBLE, CRect(0, 30, 300, 60), &frame, 2));
    auto *freeing = new CSelfFreeingBar;
    ASSERT_TRUE(freeing->Create(TestWindowClass(), "", WS_VISIBLE, CRect(0, 0, 300, 30), &frame, 1));
    neighbourly.neighbour = freeing; // the newer bar is first in the z-order
    frame.DestroyWindow();
    EXPECT_EQ(neighbourly.neighbourId, 1);
}

// ---- WM_NCCALCSIZE on a change

class CFrameCalculator : public CRecordingWnd {
public:
    std::vector<NCCALCSIZE_PARAMS> changes;

protected:
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS *lpncsp)
    {
        if (bCalcValidRects) {
            changes.push_back(*lpncsp);
            EXPECT_NE(lpncsp->lppos, nullptr);
        }
        CRecordingWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFrameCalculator, CRecordingWnd)
ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

TEST(WindowBehaviour, AResizeCalculatesTheFrameWithTheOldAndNewRectangles)
{
    CRecordingWnd frame;
    ASSERT_TRUE(CreateTopLevel(frame, RECT{0, 0, 300, 200}));
    CFrameCalculator wnd;
    ASSERT_TRUE(
        wnd.CreateEx(WS_EX_CLIENTEDGE, TestWindowClass(), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), &frame, 1));
    ASSERT_TRUE(wnd.changes.empty()); // creation calculates with FALSE
    wnd.MoveWindow(20, 20, 100, 80);
    ASSERT_EQ(wnd.changes.size(), 1u);
    const NCCALCSIZE_PARAMS &p = wnd.changes[0];
    EXPECT_EQ(CRect(p.rgrc[0]), CRect(20, 20, 120, 100)); // the new window rectangle
    EXPECT_EQ(CRect(p.rgrc[1]), CRect(10, 10, 60, 40));   // the old one
    EXPECT_EQ(CRect(p.rgrc[2]), CRect(12, 12, 58, 38));   // the old client area
    CRect client;
    wnd.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 96, 76));
}

} // namespace
