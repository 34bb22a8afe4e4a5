// Dragging text: moves and copies within one pane and between two panes of
// one buffer, drops from and to other programs, and refusals.  The drag
// loop is stood in for by handing the data straight to the steps of the
// target view's own drop target, as the desktop's drag loop does.
#include "ControllerTestSupport.h"

#include "../text/BufferTestSupport.h"

#include "editor/text/SECEditDisplayMetrics.h"

#include "framework/object/GlobalMemory.h"
#include "framework/shellui/OleDataObject.h"
#include "framework/shellui/OleDataSource.h"
#include "framework/shellui/OleDropTarget.h"
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
    CEditorPane panes[2];
    CScriptedDragController *controllers[2] = {nullptr, nullptr};

    void Open(const std::string &text)
    {
        buffer = MakeBuffer(language.get(), text);
        int top = 10;
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(
                panes[i].Create(buffer.get(), MakeController<CScriptedDragController>, CRect(10, top, 410, top + 160)));
            controllers[i] = &panes[i].ControllerAs<CScriptedDragController>();
            top += 200;
        }
        ::SetFocus(nullptr);
        panes[0].view->SetFocus();
        PumpEditorEvents();
    }
    void TearDown() override
    {
        for (CEditorPane &pane : panes)
            pane.Destroy();
    }
    SECEditController &First() { return *controllers[0]; }
    SECEditController &Second() { return *controllers[1]; }
    std::string Text() { return AllText(*buffer); }
    // The client point of a text position in a pane.
    CPoint PointOf(int pane, int line, int col)
    {
        CPoint point = controllers[pane]->PositionToPoint(SECEditPosition(line, col));
        panes[pane].Viewport().LPtoDP(&point, 1);
        return point;
    }
    // What the drop target of the pane's view does with one drag: enter,
    // over, and the drop when the pane accepts; the effect taken.
    DROPEFFECT DropOn(int pane, COleDataSource *pSource, CPoint point, DWORD keys = 0)
    {
        CControllerTestView *view = panes[pane].view;
        COleDropTarget *target = view->GetDropTarget();
        if (!target)
            return DROPEFFECT_NONE;
        COleDataObject data;
        data.PlexoAttachMimeData(pSource->PlexoMakeMimeData(), TRUE);
        DROPEFFECT effect = target->OnDragEnter(view, &data, keys, point);
        if (effect != DROPEFFECT_NONE)
            effect = target->OnDragOver(view, &data, keys, point);
        if (effect == DROPEFFECT_NONE) {
            target->OnDragLeave(view);
            return DROPEFFECT_NONE;
        }
        return target->OnDrop(view, &data, effect, point) ? effect : DROPEFFECT_NONE;
    }
    // Drags the selection of pane from onto (line, col) of pane to.
    DROPEFFECT Drag(int from, int to, int line, int col, DWORD keys = 0)
    {
        const CPoint point = PointOf(to, line, col);
        controllers[from]->loop = [this, to, point, keys](COleDataSource *pSource) {
            return DropOn(to, pSource, point, keys);
        };
        return controllers[from]->StartDrag();
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
        First().SelectRange(0, 0, 0, 4, SECEDIT_SEL_STREAM);
        const int undo = buffer->GetUndoCount();
        EXPECT_NE(Drag(0, 0, 0, c.dropCol, c.keys), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
        EXPECT_EQ(Text(), c.text);
        EXPECT_EQ(Selected(First()), c.selected);
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
    First().SelectRange(0, 6, 0, 10, SECEDIT_SEL_STREAM);
    EXPECT_EQ(Drag(0, 1, 1, 5), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(Text(), "alpha \ngammabeta\n");
    EXPECT_EQ(Selected(Second()), "beta");
    EXPECT_FALSE(First().HasSelection());
    // Back again, before the text, from the other pane.
    EXPECT_EQ(Drag(1, 0, 0, 0), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(Text(), "betaalpha \ngamma\n");
    EXPECT_EQ(Selected(First()), "beta");
    // A copy leaves the source as it was.
    EXPECT_EQ(Drag(0, 1, 1, 0, MK_CONTROL), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_EQ(Text(), "betaalpha \nbetagamma\n");
    // Strictly inside the other pane's dragged text: refused.
    First().SelectRange(0, 0, 0, 9, SECEDIT_SEL_STREAM);
    EXPECT_EQ(Drag(0, 1, 0, 3), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(Text(), "betaalpha \nbetagamma\n");
}

TEST_F(ControllerDragTest, TheDragSourceIsForgottenWhenItsDragEnds)
{
    Open("keep this\nmove\n");
    // Taken by another program: the text goes from here.
    First().SelectRange(1, 0, 1, 4, SECEDIT_SEL_STREAM);
    controllers[0]->loop = [](COleDataSource *) { return DROPEFFECT_MOVE; };
    EXPECT_EQ(First().StartDrag(), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(Text(), "keep this\n\n");
    EXPECT_EQ(buffer->GetDragSource(), nullptr);
    // A later move dropped in from another program takes nothing away
    // from the pane that dragged before.
    First().SelectRange(0, 0, 0, 4, SECEDIT_SEL_STREAM);
    COleDataSource outside;
    outside.CacheGlobalData(CF_TEXT, Block("new"));
    EXPECT_EQ(DropOn(1, &outside, PointOf(1, 1, 0)), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(Text(), "keep this\nnew\n");
    // The text from outside is left selected.
    EXPECT_EQ(Selected(Second()), "new");
    // An abandoned drag changes nothing and puts the caret back.
    First().SelectRange(0, 0, 0, 4, SECEDIT_SEL_STREAM);
    First().MoveCaretTo(0, 2, FALSE);
    controllers[0]->loop = [](COleDataSource *) { return DROPEFFECT_NONE; };
    EXPECT_EQ(First().StartDrag(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(Text(), "keep this\nnew\n");
    EXPECT_FALSE(First().HasSelection());
    EXPECT_EQ(First().GetCaretColumn(), 2);
}

TEST_F(ControllerDragTest, DataWithoutTextOrAReadOnlyBufferIsRefused)
{
    Open("text\n");
    COleDataSource files;
    files.CacheGlobalData(CF_HDROP, Block("/tmp/a.txt"));
    EXPECT_EQ(DropOn(1, &files, PointOf(1, 0, 0)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_FALSE(Second().IsDropAccepted());
    COleDataSource text;
    text.CacheGlobalData(CF_TEXT, Block("more"));
    buffer->SetReadOnly(TRUE);
    EXPECT_EQ(DropOn(1, &text, PointOf(1, 0, 0)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_EQ(Text(), "text\n");
    // An effect of 0 is no drop.
    buffer->SetReadOnly(FALSE);
    COleDataObject data;
    data.PlexoAttachMimeData(text.PlexoMakeMimeData(), TRUE);
    EXPECT_FALSE(panes[1].view->GetDropTarget()->OnDrop(panes[1].view, &data, DROPEFFECT_NONE, PointOf(1, 0, 0)));
    EXPECT_EQ(Text(), "text\n");
}

TEST_F(ControllerDragTest, NulBytesAndColumnBlocksTravelWhole)
{
    Open(std::string("a\0b\nxy\nxy\n", 10));
    First().SelectRange(0, 0, 0, 3, SECEDIT_SEL_STREAM);
    EXPECT_EQ(Drag(0, 1, 2, 2, MK_CONTROL), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_EQ(Text(), std::string("a\0b\nxy\nxya\0b\n", 13));
    // A column block goes in as rows at the same x.
    First().SelectRange(1, 0, 2, 1, SECEDIT_SEL_COLUMN);
    EXPECT_EQ(Drag(0, 1, 1, 2, MK_CONTROL), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    EXPECT_EQ(Text(), std::string("a\0b\nxyx\nxyxa\0b\n", 15));
}

TEST_F(ControllerDragTest, ThroughTheDesktopsDragLoop)
{
    Open("first pane\nsecond\n");
    // The second view's own drop target takes the drop.
    ASSERT_NE(panes[1].view->GetDropTarget(), nullptr);
    First().SelectRange(0, 0, 0, 6, SECEDIT_SEL_STREAM);
    // The mouse, held down over the selection, goes to the second pane's
    // second line and is released there.
    CPoint drop = PointOf(1, 1, 0);
    panes[1].view->ClientToScreen(&drop);
    CPoint from = PointOf(0, 0, 2);
    panes[0].view->ClientToScreen(&from);
    const HWND hSource = panes[0].view->m_hWnd;
    for (const auto &[message, keys, point] :
         {std::tuple{WM_MOUSEMOVE, MK_LBUTTON, from}, std::tuple{WM_MOUSEMOVE, MK_LBUTTON, drop},
          std::tuple{WM_MOUSEMOVE, MK_LBUTTON, drop}, std::tuple{WM_LBUTTONUP, 0, drop}}) {
        POINT client = point;
        ScreenToClient(hSource, &client);
        PostMessage(hSource, message, keys, MAKELPARAM(client.x, client.y));
    }
    EXPECT_EQ(First().StartDrag(), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    EXPECT_EQ(Text(), "pane\nfirst second\n");
    EXPECT_EQ(Selected(Second()), "first ");
    EXPECT_EQ(buffer->GetDragSource(), nullptr);
}

} // namespace

namespace {

TEST_F(ControllerDragTest, MovingAColumnBlockWithinOnePaneUndoesInOneStep)
{
    Open("abc\ndef\nghi\n");
    First().SelectRange(0, 0, 1, 1, SECEDIT_SEL_COLUMN);
    EXPECT_EQ(Drag(0, 0, 2, 2), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
    // The block's rows leave their lines and go in one below the other
    // where the drop point ended up; the empty last line takes the Second().
    EXPECT_EQ(Text(), "bc\nef\nghai\nd\n");
    buffer->Undo();
    EXPECT_EQ(Text(), "abc\ndef\nghi\n");
}

} // namespace
