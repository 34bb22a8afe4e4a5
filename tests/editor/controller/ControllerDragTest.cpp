// Dragging text: moves and copies within one pane and between two panes of
// one buffer, drops from and to other programs, and refusals.  The drag
// loop is stood in for by handing the data straight to a target pane's
// drop steps, as the view's drop target does.
#include "ControllerTestSupport.h"

#include "../text/BufferTestSupport.h"

#include "editor/text/SECEditDisplayMetrics.h"

#include "framework/object/GlobalMemory.h"
#include "framework/shell/OleDataObject.h"
#include "framework/shell/OleDataSource.h"
#include "framework/shell/OleDropTarget.h"
#include "framework/window/MessageApi.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <tuple>

namespace {

// A pane whose drag loop is a script.
class CScriptedDragController : public SECEditController {
public:
    std::function<DROPEFFECT(COleDataSource *)> loop;
    // Without a script, the framework's own drag.
    DROPEFFECT RunDragDrop(COleDataSource *pSource) override
    {
        return loop ? loop(pSource) : SECEditController::RunDragDrop(pSource);
    }
};

struct Pane {
    CTestViewport viewport;
    CTestHostWnd host;
    CScriptedDragController controller;
};

HGLOBAL Block(const std::string &bytes)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    char *p = static_cast<char *>(GlobalLock(h));
    std::memcpy(p, bytes.data(), bytes.size());
    p[bytes.size()] = '\0';
    GlobalUnlock(h);
    return h;
}

class ControllerDragTest : public ::testing::Test {
protected:
    TestLanguage language;
    std::unique_ptr<SECEditTextBuffer> buffer;
    Pane panes[2];
    SECEditController &first = panes[0].controller;
    SECEditController &second = panes[1].controller;

    void Open(const std::string &text)
    {
        buffer = MakeBuffer(language.get(), text);
        int top = 10;
        for (Pane &pane : panes) {
            buffer->Attach(pane.controller.GetBufferObserver());
            ASSERT_TRUE(pane.host.Create(CRect(10, top, 410, top + 160)));
            top += 200;
            pane.controller.GetEventListener().SetBuffer(buffer.get());
            pane.controller.Initialize(&pane.host, &pane.viewport);
            pane.host.pPlugIn = &pane.controller;
        }
        ::SetFocus(nullptr);
        panes[0].host.SetFocus();
        PumpEditorEvents();
    }
    void TearDown() override
    {
        for (Pane &pane : panes) {
            if (buffer)
                buffer->Detach(pane.controller.GetBufferObserver());
            pane.host.pPlugIn = nullptr;
            pane.controller.UnPlug();
            if (pane.host.m_hWnd)
                pane.host.DestroyWindow();
        }
    }
    std::string Text() { return AllText(*buffer); }
    // The client point of a text position in a pane.
    CPoint PointOf(SECEditController &pane, int line, int col)
    {
        return pane.PositionToPoint(SECEditPosition(line, col));
    }
    // What the drop target of the pane does with one drag: enter, over, and
    // the drop when the pane accepts; the effect taken.
    static DROPEFFECT DropOn(SECEditController &target, COleDataSource *pSource, CPoint point, DWORD keys = 0)
    {
        COleDataObject data;
        data.PlexoAttachMimeData(pSource->PlexoMakeMimeData(), TRUE);
        DROPEFFECT effect = target.OnDragEnter(&data, keys, point);
        if (effect != DROPEFFECT_NONE)
            effect = target.OnDragOver(&data, keys, point);
        if (effect == DROPEFFECT_NONE) {
            target.OnDragLeave();
            return DROPEFFECT_NONE;
        }
        return target.OnDrop(&data, effect, point) ? effect : DROPEFFECT_NONE;
    }
    // Drags the pane's selection onto (line, col) of the target pane.
    DROPEFFECT Drag(Pane &from, SECEditController &target, int line, int col, DWORD keys = 0)
    {
        const CPoint point = PointOf(target, line, col);
        from.controller.loop = [&target, point, keys](COleDataSource *pSource) {
            return DropOn(target, pSource, point, keys);
        };
        return from.controller.StartDrag();
    }
    std::string Selected(SECEditController &pane) { return std::string(pane.GetSelectionText().GetString()); }
};

TEST_F(ControllerDragTest, MovingWithinOnePaneLandsWhereTheDropPointWas)
{
    struct Case {
        const char *name;
        int dropCol;
        DWORD keys;
        const char *text;
        const char *selected;
    } cases[] = {
        {"after the text", 8, 0, "two one three", "one "},
        {"on its own first position", 0, 0, "one two three", "one "},
        {"on its own last position", 4, 0, "one two three", "one "},
        {"strictly inside", 2, 0, "one two three", ""},
        {"with Ctrl: a copy", 8, MK_CONTROL, "one two one three", "one "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        Open("one two three");
        first.SelectRange(0, 0, 0, 4, SECEDIT_SEL_STREAM);
        const int undo = buffer->GetUndoCount();
        EXPECT_NE(Drag(panes[0], first, 0, c.dropCol, c.keys), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
        EXPECT_EQ(Text(), c.text);
        EXPECT_EQ(Selected(first), c.selected);
        EXPECT_EQ(buffer->GetDragSource(), nullptr);
        if (Text() != "one two three" || buffer->GetUndoCount() != undo) {
            // The whole drop is one undo step.
            buffer->Undo();
            EXPECT_EQ(Text(), "one two three");
        }
    }
}

TEST_F(ControllerDragTest, MovingBetweenPanesOfOneBuffer)
{
    Open("alpha beta\ngamma\n");
    first.SelectRange(0, 6, 0, 10, SECEDIT_SEL_STREAM);
    EXPECT_EQ(Drag(panes[0], second, 1, 5), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(Text(), "alpha \ngammabeta\n");
    EXPECT_EQ(Selected(second), "beta");
    EXPECT_FALSE(first.HasSelection());
    // Back again, before the text, from the other pane.
    EXPECT_EQ(Drag(panes[1], first, 0, 0), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(Text(), "betaalpha \ngamma\n");
    EXPECT_EQ(Selected(first), "beta");
    // A copy leaves the source as it was.
    EXPECT_EQ(Drag(panes[0], second, 1, 0, MK_CONTROL), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_EQ(Text(), "betaalpha \nbetagamma\n");
    // Strictly inside the other pane's dragged text: refused.
    first.SelectRange(0, 0, 0, 9, SECEDIT_SEL_STREAM);
    EXPECT_EQ(Drag(panes[0], second, 0, 3), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(Text(), "betaalpha \nbetagamma\n");
}

TEST_F(ControllerDragTest, TheDragSourceIsForgottenWhenItsDragEnds)
{
    Open("keep this\nmove\n");
    // Taken by another program: the text goes from here.
    first.SelectRange(1, 0, 1, 4, SECEDIT_SEL_STREAM);
    panes[0].controller.loop = [](COleDataSource *) { return DROPEFFECT_MOVE; };
    EXPECT_EQ(first.StartDrag(), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(Text(), "keep this\n\n");
    EXPECT_EQ(buffer->GetDragSource(), nullptr);
    // A later move dropped in from another program takes nothing away
    // from the pane that dragged before.
    first.SelectRange(0, 0, 0, 4, SECEDIT_SEL_STREAM);
    COleDataSource outside;
    outside.CacheGlobalData(CF_TEXT, Block("new"));
    EXPECT_EQ(DropOn(second, &outside, PointOf(second, 1, 0)), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(Text(), "keep this\nnew\n");
    // The text from outside is left selected.
    EXPECT_EQ(Selected(second), "new");
    // An abandoned drag changes nothing and puts the caret back.
    first.SelectRange(0, 0, 0, 4, SECEDIT_SEL_STREAM);
    first.MoveCaretTo(0, 2, FALSE);
    panes[0].controller.loop = [](COleDataSource *) { return DROPEFFECT_NONE; };
    EXPECT_EQ(first.StartDrag(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(Text(), "keep this\nnew\n");
    EXPECT_FALSE(first.HasSelection());
    EXPECT_EQ(first.GetCaretColumn(), 2);
}

TEST_F(ControllerDragTest, DataWithoutTextOrAReadOnlyBufferIsRefused)
{
    Open("text\n");
    COleDataSource files;
    files.CacheGlobalData(CF_HDROP, Block("/tmp/a.txt"));
    EXPECT_EQ(DropOn(second, &files, PointOf(second, 0, 0)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_FALSE(second.IsDropAccepted());
    COleDataSource text;
    text.CacheGlobalData(CF_TEXT, Block("more"));
    buffer->SetReadOnly(TRUE);
    EXPECT_EQ(DropOn(second, &text, PointOf(second, 0, 0)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(Text(), "text\n");
    // An effect of 0 is no drop.
    buffer->SetReadOnly(FALSE);
    COleDataObject data;
    data.PlexoAttachMimeData(text.PlexoMakeMimeData(), TRUE);
    EXPECT_FALSE(second.OnDrop(&data, DROPEFFECT_NONE, PointOf(second, 0, 0)));
    EXPECT_EQ(Text(), "text\n");
}

TEST_F(ControllerDragTest, NulBytesAndColumnBlocksTravelWhole)
{
    Open(std::string("a\0b\nxy\nxy\n", 10));
    first.SelectRange(0, 0, 0, 3, SECEDIT_SEL_STREAM);
    EXPECT_EQ(Drag(panes[0], second, 2, 2, MK_CONTROL), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_EQ(Text(), std::string("a\0b\nxy\nxya\0b\n", 13));
    // A column block goes in as rows at the same x.
    first.SelectRange(1, 0, 2, 1, SECEDIT_SEL_COLUMN);
    EXPECT_EQ(Drag(panes[0], second, 1, 2, MK_CONTROL), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_EQ(Text(), std::string("a\0b\nxyx\nxyxa\0b\n", 15));
}

// The view's drop target: every step goes to the pane's controller.
class CPaneDropTarget : public COleDropTarget {
public:
    explicit CPaneDropTarget(SECEditController &controller) : m_controller(controller) {}
    DROPEFFECT OnDragEnter(CWnd *, COleDataObject *pData, DWORD dwKeyState, CPoint point) override
    {
        return m_controller.OnDragEnter(pData, dwKeyState, point);
    }
    DROPEFFECT OnDragOver(CWnd *, COleDataObject *pData, DWORD dwKeyState, CPoint point) override
    {
        return m_controller.OnDragOver(pData, dwKeyState, point);
    }
    void OnDragLeave(CWnd *) override { m_controller.OnDragLeave(); }
    BOOL OnDrop(CWnd *, COleDataObject *pData, DROPEFFECT dropEffect, CPoint point) override
    {
        return m_controller.OnDrop(pData, dropEffect, point);
    }

private:
    SECEditController &m_controller;
};

TEST_F(ControllerDragTest, ThroughTheDesktopsDragLoop)
{
    Open("first pane\nsecond\n");
    CPaneDropTarget target(second);
    ASSERT_TRUE(target.Register(&panes[1].host));
    first.SelectRange(0, 0, 0, 6, SECEDIT_SEL_STREAM);
    // The mouse, held down over the selection, goes to the second pane's
    // second line and is released there.
    CPoint drop = PointOf(second, 1, 0);
    panes[1].host.ClientToScreen(&drop);
    CPoint from = PointOf(first, 0, 2);
    panes[0].host.ClientToScreen(&from);
    const HWND hSource = panes[0].host.m_hWnd;
    for (const auto &[message, keys, point] :
         {std::tuple{WM_MOUSEMOVE, MK_LBUTTON, from}, std::tuple{WM_MOUSEMOVE, MK_LBUTTON, drop},
          std::tuple{WM_MOUSEMOVE, MK_LBUTTON, drop}, std::tuple{WM_LBUTTONUP, 0, drop}}) {
        POINT client = point;
        ScreenToClient(hSource, &client);
        PostMessage(hSource, message, keys, MAKELPARAM(client.x, client.y));
    }
    EXPECT_EQ(first.StartDrag(), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(Text(), "pane\nfirst second\n");
    EXPECT_EQ(Selected(second), "first ");
    EXPECT_EQ(buffer->GetDragSource(), nullptr);
    target.Revoke();
}

} // namespace

namespace {

TEST_F(ControllerDragTest, MovingAColumnBlockWithinOnePaneUndoesInOneStep)
{
    Open("abc\ndef\nghi\n");
    first.SelectRange(0, 0, 1, 1, SECEDIT_SEL_COLUMN);
    EXPECT_EQ(Drag(panes[0], first, 2, 2), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    // The block's rows leave their lines and go in one below the other
    // where the drop point ended up; the empty last line takes the second.
    EXPECT_EQ(Text(), "bc\nef\nghai\nd\n");
    buffer->Undo();
    EXPECT_EQ(Text(), "abc\ndef\nghi\n");
}

} // namespace
