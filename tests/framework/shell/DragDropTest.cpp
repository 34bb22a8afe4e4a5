#include "WindowTestSupport.h"

#include "framework/app/Document.h"
#include "framework/object/Exceptions.h"
#include "framework/object/GlobalMemory.h"
#include "framework/shell/ClipboardFormats.h"
#include "framework/shellui/OleDataObject.h"
#include "framework/shellui/OleDataSource.h"
#include "framework/shellui/OleDropSource.h"
#include "framework/shellui/OleDropTarget.h"
#include "framework/window/MessageApi.h"
#include "framework/window/VirtualKeys.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

const UINT kToolBoxItem = RegisterClipboardFormat("Form ToolBox Item");

// A drop target that records every step and answers by the keys: Ctrl
// copies, Ctrl+Shift links, anything else moves.
class CRecordingTarget : public COleDropTarget {
public:
    std::vector<std::string> calls;
    std::vector<DWORD> keyStates;
    std::vector<CPoint> points;
    DROPEFFECT dropped = DROPEFFECT_NONE;
    std::string droppedText;
    BOOL acceptDrop = TRUE;
    bool throwOnDrop = false;

    DROPEFFECT OnDragEnter(CWnd *pWnd, COleDataObject *pData, DWORD dwKeyState, CPoint point) override
    {
        return Record("enter", pData, dwKeyState, point);
    }
    DROPEFFECT OnDragOver(CWnd *pWnd, COleDataObject *pData, DWORD dwKeyState, CPoint point) override
    {
        return Record("over", pData, dwKeyState, point);
    }
    void OnDragLeave(CWnd *) override { calls.push_back("leave"); }
    BOOL OnDrop(CWnd *, COleDataObject *pData, DROPEFFECT dropEffect, CPoint point) override
    {
        calls.push_back("drop");
        points.push_back(point);
        if (throwOnDrop)
            AfxThrowArchiveException(CArchiveException::badIndex);
        dropped = dropEffect;
        HGLOBAL hText = pData->GetGlobalData(CF_TEXT);
        if (hText) {
            droppedText = static_cast<const char *>(GlobalLock(hText));
            GlobalUnlock(hText);
            GlobalFree(hText);
        }
        return acceptDrop;
    }

private:
    DROPEFFECT Record(const char *step, COleDataObject *pData, DWORD dwKeyState, CPoint point)
    {
        calls.push_back(step);
        keyStates.push_back(dwKeyState);
        points.push_back(point);
        if (!pData->IsDataAvailable(CF_TEXT) && !pData->IsDataAvailable(kToolBoxItem))
            return DROPEFFECT_NONE;
        if ((dwKeyState & (MK_CONTROL | MK_SHIFT)) == (MK_CONTROL | MK_SHIFT))
            return DROPEFFECT_LINK;
        return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    }
};

HGLOBAL TextBlock(const char *text)
{
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, std::strlen(text) + 1);
    std::memcpy(GlobalLock(hMem), text, std::strlen(text) + 1);
    GlobalUnlock(hMem);
    return hMem;
}

// Two top-level windows side by side: the source at (0, 0), the target at
// (200, 0), each 100 x 100.
class DragDropTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(source, RECT{0, 0, 100, 100}));
        ASSERT_TRUE(CreateTopLevel(targetWnd, RECT{200, 0, 300, 100}, WS_POPUP | WS_VISIBLE | WS_VSCROLL));
        ASSERT_TRUE(target.Register(&targetWnd));
        PumpEvents();
    }

    // Posts mouse and key messages to the source window once the drag's
    // loop runs (as a real mouse held down over the source would give).
    struct Step {
        UINT message;
        WPARAM wParam;
        POINT screen;
        int delayMs;
    };
    // Steps without a delay are queued at once, so that the drag finds them
    // waiting whatever the machine's load.
    void Script(std::vector<Step> steps)
    {
        int at = 0;
        for (const Step &s : steps) {
            at += s.delayMs;
            HWND hSource = source.m_hWnd;
            auto post = [hSource, s]() {
                POINT pt = s.screen;
                ScreenToClient(hSource, &pt);
                PostMessage(hSource, s.message, s.wParam, MAKELPARAM(pt.x, pt.y));
            };
            if (at == 0)
                post();
            else
                QTimer::singleShot(at, post);
        }
    }
    DROPEFFECT Drag(DWORD effects = DROPEFFECT_COPY | DROPEFFECT_MOVE)
    {
        COleDataSource data;
        data.CacheGlobalData(CF_TEXT, TextBlock("dragged text"));
        return data.DoDragDrop(effects);
    }

    CRecordingWnd source;
    CRecordingWnd targetWnd;
    CRecordingTarget target;
};

TEST_F(DragDropTest, EffectsFollowTheKeysAndTheResultIsTheDropsEffect)
{
    struct Case {
        const char *name;
        WPARAM keys; // held on the last move and the release
        DWORD allowed;
        DROPEFFECT expected;
    };
    const Case cases[] = {
        {"move", 0, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {"ctrl copies", MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY},
        {"shift moves", MK_SHIFT, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {"ctrl+shift links, which the source refuses", MK_CONTROL | MK_SHIFT, DROPEFFECT_COPY | DROPEFFECT_MOVE,
         DROPEFFECT_NONE},
        {"a move the source does not allow", 0, DROPEFFECT_COPY, DROPEFFECT_NONE},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        target.calls.clear();
        target.keyStates.clear();
        target.points.clear();
        Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{50, 50}, 0},
                {WM_MOUSEMOVE, MK_LBUTTON, POINT{230, 40}, 0},
                {WM_MOUSEMOVE, MK_LBUTTON | c.keys, POINT{240, 45}, 0},
                {WM_LBUTTONUP, c.keys, POINT{240, 45}, 0}});
        EXPECT_EQ(Drag(c.allowed), c.expected);
        ASSERT_GE(target.calls.size(), 2u);
        EXPECT_EQ(target.calls[0], "enter");
        EXPECT_EQ(target.points[0], CPoint(30, 40)); // client coordinates of the target
        EXPECT_EQ(target.calls[1], "over");
        EXPECT_EQ(target.keyStates[1] & (MK_CONTROL | MK_SHIFT | MK_LBUTTON), MK_LBUTTON | c.keys);
        if (c.expected != DROPEFFECT_NONE) {
            EXPECT_EQ(target.calls.back(), "drop");
            EXPECT_EQ(target.dropped, c.expected);
            EXPECT_EQ(target.droppedText, "dragged text");
        } else {
            EXPECT_EQ(target.calls.back(), "leave");
        }
    }
}

TEST_F(DragDropTest, LeavingEscapeAndRefusalsGiveNoEffect)
{
    // In and out again, released over a window without a target.
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{250, 50}, 0},
            {WM_MOUSEMOVE, MK_LBUTTON, POINT{50, 50}, 0},
            {WM_LBUTTONUP, 0, POINT{50, 50}, 0}});
    EXPECT_EQ(Drag(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(target.calls, (std::vector<std::string>{"enter", "leave"}));

    // Escape over the target cancels.
    target.calls.clear();
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{250, 50}, 0}, {WM_KEYDOWN, VK_ESCAPE, POINT{250, 50}, 0}});
    EXPECT_EQ(Drag(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(target.calls, (std::vector<std::string>{"enter", "leave"}));

    // The target refuses the drop.
    target.calls.clear();
    target.acceptDrop = FALSE;
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{250, 50}, 0}, {WM_LBUTTONUP, 0, POINT{250, 50}, 0}});
    EXPECT_EQ(Drag(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(target.calls, (std::vector<std::string>{"enter", "drop"}));

    // Data the target does not want: no drop reaches it.
    target.calls.clear();
    target.acceptDrop = TRUE;
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{250, 50}, 0}, {WM_LBUTTONUP, 0, POINT{250, 50}, 0}});
    COleDataSource other;
    other.CacheGlobalData(RegisterClipboardFormat("Plexo Component"), TextBlock("x"));
    EXPECT_EQ(other.DoDragDrop(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(target.calls, (std::vector<std::string>{"enter", "leave"}));

    // After Revoke the window is no target.
    target.calls.clear();
    target.Revoke();
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{250, 50}, 0}, {WM_LBUTTONUP, 0, POINT{250, 50}, 0}});
    EXPECT_EQ(Drag(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_TRUE(target.calls.empty());
}

TEST_F(DragDropTest, TheDragStartsWhenTheMouseLeavesTheStartRectangle)
{
    CRect start(0, 0, 100, 100);
    // Released inside the rectangle: the drag never starts.
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{60, 60}, 0}, {WM_LBUTTONUP, 0, POINT{60, 60}, 0}});
    COleDataSource data;
    data.CacheGlobalData(CF_TEXT, TextBlock("t"));
    COleDropSource dropSource;
    EXPECT_EQ(data.DoDragDrop(DROPEFFECT_COPY, &start, &dropSource), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_FALSE(dropSource.m_bDragStarted);
    EXPECT_TRUE(target.calls.empty());

    // Leaving it starts the drag, which then drops on the target.
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{150, 50}, 0},
            {WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, POINT{250, 50}, 0},
            {WM_LBUTTONUP, MK_CONTROL, POINT{250, 50}, 0}});
    EXPECT_EQ(data.DoDragDrop(DROPEFFECT_COPY, &start, &dropSource), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_TRUE(dropSource.m_bDragStarted);
}

TEST_F(DragDropTest, NearAnEdgeThePlainWindowScrolls)
{
    CRect client;
    targetWnd.GetClientRect(&client);
    CPoint nearBottom(client.Width() / 2, client.bottom - 3);
    targetWnd.ClientToScreen(&nearBottom);
    CPoint middle(client.Width() / 2, client.Height() / 2);
    targetWnd.ClientToScreen(&middle);
    Script({{WM_MOUSEMOVE, MK_LBUTTON, middle, 0}, {WM_MOUSEMOVE, MK_LBUTTON, nearBottom, 10}});
    // The mouse rests near the edge until the window scrolled (or long
    // enough to know it will not), then goes back and drops.
    QTimer watch;
    QElapsedTimer resting;
    resting.start();
    QObject::connect(&watch, &QTimer::timeout, [&]() {
        if (targetWnd.Only({WM_VSCROLL}).empty() && resting.elapsed() < 5000)
            return;
        watch.stop();
        Script({{WM_MOUSEMOVE, MK_LBUTTON, middle, 0}, {WM_LBUTTONUP, 0, middle, 0}});
    });
    watch.start(20);
    targetWnd.Clear();
    EXPECT_EQ(Drag(), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    auto scrolls = targetWnd.Only({WM_VSCROLL});
    ASSERT_GE(scrolls.size(), 1u);
    EXPECT_EQ(LOWORD(scrolls[0].wParam), SB_LINEDOWN);
    EXPECT_TRUE(targetWnd.Only({WM_HSCROLL}).empty()); // no horizontal bar
    EXPECT_EQ(target.dropped, static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
}

TEST_F(DragDropTest, ADropFromAnotherProgramReachesOnDropAfterTheEvent)
{
    QWidget *widget = WidgetOf(targetWnd.m_hWnd);
    ASSERT_NE(widget, nullptr);
    auto *mime = new QMimeData;
    mime->setData("text/plain", QByteArray("from outside"));
    const QPoint pos(30, 40);
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::ControlModifier);
    QCoreApplication::sendEvent(widget, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent move(pos, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::ControlModifier);
    QCoreApplication::sendEvent(widget, &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(move.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(pos), Qt::CopyAction | Qt::MoveAction, mime, Qt::NoButton, Qt::ControlModifier);
    QCoreApplication::sendEvent(widget, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    delete mime; // the other program's data is gone once its event returned
    EXPECT_EQ(target.calls, (std::vector<std::string>{"enter", "over"}));

    PumpEvents();
    EXPECT_EQ(target.calls, (std::vector<std::string>{"enter", "over", "drop"}));
    EXPECT_EQ(target.dropped, static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_EQ(target.droppedText, "from outside");
    EXPECT_EQ(target.points.back(), CPoint(30, 40));

    // Data the target refuses: the drop is refused at once and never arrives.
    target.calls.clear();
    QMimeData other;
    other.setData("application/x-unknown", QByteArray("?"));
    QDragEnterEvent enter2(pos, Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &enter2);
    QDropEvent drop2(QPointF(pos), Qt::CopyAction, &other, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &drop2);
    EXPECT_FALSE(drop2.isAccepted());
    PumpEvents();
    EXPECT_EQ(target.calls, (std::vector<std::string>{"enter", "leave"}));
}

// A drop source that notes the cursor each step shows, and can set the
// cursor itself.
class CCursorSource : public COleDropSource {
public:
    bool ownCursors = false;
    std::vector<DROPEFFECT> feedback;
    std::vector<int> shapes; // the override cursor when asked to go on (-1: none)

    SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) override
    {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        shapes.push_back(cursor ? static_cast<int>(cursor->shape()) : -1);
        return COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
    }
    SCODE GiveFeedback(DROPEFFECT dropEffect) override
    {
        feedback.push_back(dropEffect);
        return ownCursors ? S_OK : COleDropSource::GiveFeedback(dropEffect);
    }
};

TEST_F(DragDropTest, TheCursorShowsTheEffectUnlessTheSourceSetsItsOwn)
{
    for (bool own : {false, true}) {
        SCOPED_TRACE(own ? "own cursors" : "default cursors");
        CCursorSource dropSource;
        dropSource.ownCursors = own;
        Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{50, 50}, 0},
                {WM_MOUSEMOVE, MK_LBUTTON, POINT{250, 50}, 0},
                {WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, POINT{250, 50}, 0},
                {WM_LBUTTONUP, MK_CONTROL, POINT{250, 50}, 0}});
        COleDataSource data;
        data.CacheGlobalData(CF_TEXT, TextBlock("t"));
        EXPECT_EQ(data.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, nullptr, &dropSource),
                  static_cast<DROPEFFECT>(DROPEFFECT_COPY));
        // Feedback: before the first move, over the source, over the target
        // (move), with Ctrl (copy).
        ASSERT_EQ(dropSource.feedback.size(), 4u);
        EXPECT_EQ(dropSource.feedback[1], static_cast<DROPEFFECT>(DROPEFFECT_NONE));
        EXPECT_EQ(dropSource.feedback[2], static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
        EXPECT_EQ(dropSource.feedback[3], static_cast<DROPEFFECT>(DROPEFFECT_COPY));
        ASSERT_EQ(dropSource.shapes.size(), 5u);
        if (own) {
            EXPECT_EQ(dropSource.shapes, (std::vector<int>{-1, -1, -1, -1, -1}));
        } else {
            EXPECT_EQ(dropSource.shapes[2], static_cast<int>(Qt::ForbiddenCursor));
            EXPECT_EQ(dropSource.shapes[3], static_cast<int>(Qt::DragMoveCursor));
            EXPECT_EQ(dropSource.shapes[4], static_cast<int>(Qt::DragCopyCursor));
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); // the drag put the cursor back
    }
}

// A window that starts a drag when its left button goes down, as the
// toolbox's page window does.
class CDragSourceWnd : public CRecordingWnd {
public:
    DROPEFFECT result = 12345;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN) {
            COleDataSource data;
            data.CacheGlobalData(kToolBoxItem, TextBlock("item"));
            CRect start;
            GetClientRect(&start);
            ClientToScreen(&start);
            result = data.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_SCROLL, &start);
            return 0;
        }
        return CRecordingWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(DragDropTest, ARealMouseDragsFromItsWindowOntoTheTarget)
{
    CDragSourceWnd dragger;
    ASSERT_TRUE(CreateTopLevel(dragger, RECT{0, 200, 100, 300}));
    PumpEvents();
    QWidget *widget = WidgetOf(dragger.m_hWnd);
    // The mouse, held down in the source, goes over the target (200, 0) and
    // is released there; Qt hands every move to the pressed window.
    QTimer::singleShot(0, [widget]() {
        QTest::mouseMove(widget, QPoint(60, 50));
        QTest::mouseMove(widget, QPoint(230, -160));
        QTest::mouseMove(widget, QPoint(240, -150));
        QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(240, -150));
    });
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(dragger.result, static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    ASSERT_FALSE(target.calls.empty());
    EXPECT_EQ(target.calls.front(), "enter");
    EXPECT_EQ(target.calls.back(), "drop");
    EXPECT_EQ(target.points.back(), CPoint(40, 50));
    EXPECT_EQ(GetCapture(), nullptr); // the drag let the mouse go
}

// A view that takes text: its drop target hands every step to it.
class CTextView : public CView {
public:
    std::vector<std::string> calls;
    void OnDraw(CDC *) override {}

protected:
    DROPEFFECT OnDragEnter(COleDataObject *pData, DWORD dwKeyState, CPoint point) override
    {
        calls.push_back("enter");
        return OnDragOver(pData, dwKeyState, point);
    }
    DROPEFFECT OnDragOver(COleDataObject *pData, DWORD dwKeyState, CPoint) override
    {
        calls.push_back("over");
        return pData->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    void OnDragLeave() override { calls.push_back("leave"); }
    BOOL OnDrop(COleDataObject *, DROPEFFECT dropEffect, CPoint) override
    {
        calls.push_back("drop");
        return dropEffect == DROPEFFECT_COPY;
    }
};

TEST_F(DragDropTest, ATargetOnAViewHandsEachStepToTheView)
{
    CTextView view;
    ASSERT_TRUE(
        view.CreateEx(0, TestWindowClass(), "View", WS_POPUP | WS_VISIBLE, CRect(400, 0, 500, 100), nullptr, 0));
    COleDropTarget viewTarget;
    ASSERT_TRUE(viewTarget.Register(&view));
    EXPECT_FALSE(viewTarget.Register(&view)); // one registration
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{450, 50}, 0},
            {WM_MOUSEMOVE, MK_LBUTTON, POINT{460, 50}, 0},
            {WM_LBUTTONUP, 0, POINT{460, 50}, 0}});
    EXPECT_EQ(Drag(), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"enter", "over", "over", "drop"}));

    // A plain window's target without overrides takes nothing.
    view.calls.clear();
    COleDropTarget plain;
    CRecordingWnd other;
    ASSERT_TRUE(CreateTopLevel(other, RECT{600, 0, 700, 100}));
    ASSERT_TRUE(plain.Register(&other));
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{650, 50}, 0}, {WM_LBUTTONUP, 0, POINT{650, 50}, 0}});
    EXPECT_EQ(Drag(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
}

TEST_F(DragDropTest, AnExceptionOfADropReachesTheCallerOrIsReported)
{
    // In this program's own drag the exception comes out of DoDragDrop.
    target.throwOnDrop = true;
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{250, 50}, 0}, {WM_LBUTTONUP, 0, POINT{250, 50}, 0}});
    int cause = -1;
    try {
        Drag();
    } catch (CArchiveException *e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, CArchiveException::badIndex);

    // A drop of another program is reported: nothing reaches Qt's loop.
    static std::vector<std::string> reports;
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler([](LPCTSTR text, UINT, UINT) {
        reports.push_back(text);
        return IDOK;
    });
    QWidget *widget = WidgetOf(targetWnd.m_hWnd);
    QMimeData mime;
    mime.setData("text/plain", QByteArray("x"));
    QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::MoveAction, &mime, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &drop);
    PumpEvents();
    AfxSetMessageBoxHandler(previous);
    EXPECT_EQ(reports.size(), 1u);

    // Drags go on working afterwards.
    target.throwOnDrop = false;
    Script({{WM_MOUSEMOVE, MK_LBUTTON, POINT{250, 50}, 0}, {WM_LBUTTONUP, 0, POINT{250, 50}, 0}});
    EXPECT_EQ(Drag(), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
}

} // namespace
