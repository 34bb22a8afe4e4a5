// The editor view's structure: creation with its controller and buffer
// links, routing, the buffer notices and what each repaints, and a view
// without a buffer.
#include "EditViewTestSupport.h"

#include "editor/controller/SECEditController.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditTextCommand.h"

#include "framework/gdi/Rgn.h"
#include "framework/object/GlobalMemory.h"
#include "framework/shellui/OleDataObject.h"
#include "framework/shellui/OleDataSource.h"
#include "framework/shellui/OleDropTarget.h"
#include "framework/gdi/SystemColors.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class EditViewStructureTest : public ::testing::Test {
protected:
    void Open(const std::string &text, int width = 400, int height = 200)
    {
        buffer = MakeBuffer(language.get(), text);
        observersBefore = buffer->GetObserverCount();
        harness = std::make_unique<ViewHarness>(buffer.get(), width, height);
        ASSERT_NE(harness->view, nullptr);
        lineHeight = harness->view->GetLineHeight();
        ASSERT_GT(lineHeight, 0);
    }
    // The bounding box of what is waiting to be painted (empty: nothing).
    CRect Pending()
    {
        CRect rect(0, 0, 0, 0);
        if (!harness->view->GetUpdateRect(&rect))
            return CRect(0, 0, 0, 0);
        return rect;
    }

    TestLanguage language;
    std::unique_ptr<SECEditTextBuffer> buffer;
    std::unique_ptr<ViewHarness> harness;
    int observersBefore = 0;
    int lineHeight = 0;
};

TEST_F(EditViewStructureTest, CreationPlugsInTheControllerAndObservesTheBuffer)
{
    Open("one\ntwo\n");
    CTestEditView *view = harness->view;
    SECEditController *pController = view->GetController();
    ASSERT_NE(pController, nullptr);
    EXPECT_TRUE(pController->IsPlugged());
    EXPECT_EQ(pController->GetHostView(), view);
    EXPECT_EQ(pController->GetBuffer(), buffer.get());
    EXPECT_EQ(pController->GetViewport(), static_cast<ISECViewport *>(&view->GetVisualPart().GetViewport()));
    EXPECT_EQ(buffer->GetObserverCount(), observersBefore + 1);
    EXPECT_EQ(view->GetStyle() & (WS_HSCROLL | WS_VSCROLL), static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL));
    EXPECT_NE(view->GetDropTarget(), nullptr);
    EXPECT_NE(view->GetVisualPart().GetGutterBrush(), nullptr);
    EXPECT_EQ(view->GetVisualPart().GetModeWord(), 0u);
    harness.reset(); // the view goes, and lets go of the buffer
    EXPECT_EQ(buffer->GetObserverCount(), observersBefore);
}

TEST_F(EditViewStructureTest, TypingGoesThroughTheControllerAndRepaintsTheLine)
{
    Open("one\ntwo\n");
    harness->view->SetFocus();
    harness->Flush();
    harness->view->SendMessage(WM_CHAR, 'x', 1);
    EXPECT_EQ(AllText(*buffer), "xone\ntwo\n");
    EXPECT_EQ(Pending().top, 0);
    harness->Flush();
    EXPECT_TRUE(Pending().IsRectEmpty());
}

struct HintCase {
    const char *name;
    int type; // 0: no hint object
    int first;
    int last;
    enum Expect { Gutter, Lines, Everything } expect;
};

class EditViewHintTest : public EditViewStructureTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(EditViewHintTest, EachNoticeRepaintsWhatItNames)
{
    const HintCase &c = GetParam();
    Open("0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n");
    harness->Flush();
    ASSERT_TRUE(Pending().IsRectEmpty());
    CRect client;
    harness->view->GetClientRect(&client);
    if (c.type == 0) {
        buffer->Notify(nullptr, nullptr);
    } else {
        auto *pHint = new SECEditBufferHint(c.type, c.first, c.last);
        buffer->Notify(nullptr, pHint);
        pHint->Release();
    }
    const int gutter = harness->view->GetVisualPart().GetGutterWidth();
    switch (c.expect) {
    case HintCase::Gutter: EXPECT_EQ(Pending(), CRect(0, 0, gutter, client.bottom)); break;
    case HintCase::Lines: {
        const int bottom = c.last < 0 ? client.bottom : (c.last + 1) * lineHeight;
        EXPECT_EQ(Pending(), CRect(0, c.first * lineHeight, client.right, bottom));
        break;
    }
    case HintCase::Everything: EXPECT_EQ(Pending(), client); break;
    }
}

INSTANTIATE_TEST_SUITE_P(Hints, EditViewHintTest,
                         ::testing::Values(HintCase{"Gutter", SECEDIT_HINT_GUTTER, 0, 0, HintCase::Gutter},
                                           HintCase{"TwoLines", SECEDIT_HINT_INVALIDATE_LINES, 2, 3, HintCase::Lines},
                                           HintCase{"ToTheBottom", SECEDIT_HINT_INVALIDATE_LINES, 5, -1,
                                                    HintCase::Lines},
                                           HintCase{"Font", SECEDIT_HINT_FONT_UPDATE, 0, 0, HintCase::Everything},
                                           HintCase{"LineCount", SECEDIT_HINT_LINE_COUNT, 0, 0, HintCase::Everything},
                                           HintCase{"Initialize", SECEDIT_HINT_INITIALIZE, 0, 0, HintCase::Everything},
                                           HintCase{"Recolor", SECEDIT_HINT_RECOLOR, 0, 0, HintCase::Everything},
                                           HintCase{"NoHintObject", 0, 0, 0, HintCase::Everything}),
                         [](const ::testing::TestParamInfo<HintCase> &info) { return std::string(info.param.name); });

TEST_F(EditViewStructureTest, AnEditOfOneLineRepaintsItAndOfSeveralToTheBottom)
{
    Open("aaa\nbbb\nccc\nddd\neee\n");
    harness->Flush();
    ASSERT_TRUE(buffer->InsertText(1, 1, "x", 1));
    EXPECT_EQ(Pending().top, lineHeight);
    EXPECT_EQ(Pending().bottom, 2 * lineHeight);
    harness->Flush();
    ASSERT_TRUE(buffer->InsertText(2, 0, "y\nz", 3));
    CRect client;
    harness->view->GetClientRect(&client);
    EXPECT_EQ(Pending().top, 2 * lineHeight);
    EXPECT_EQ(Pending().bottom, client.bottom);
}

TEST_F(EditViewStructureTest, TextDroppedOnTheViewGoesInWhereItFalls)
{
    Open("one\ntwo\n");
    COleDataSource source;
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 5);
    std::memcpy(GlobalLock(h), "new ", 5);
    GlobalUnlock(h);
    source.CacheGlobalData(CF_TEXT, h);
    COleDataObject data;
    data.PlexoAttachMimeData(source.PlexoMakeMimeData(), TRUE);
    // The view's registered target hands the drag to the view, which
    // passes it to its controller.
    COleDropTarget *pTarget = harness->view->GetDropTarget();
    ASSERT_NE(pTarget, nullptr);
    CPoint point = harness->view->GetController()->PositionToPoint(SECEditPosition(1, 0));
    harness->view->GetVisualPart().GetViewport().LPtoDP(&point, 1);
    point.y += lineHeight / 2;
    DROPEFFECT effect = pTarget->OnDragEnter(harness->view, &data, 0, point);
    ASSERT_NE(effect, static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    effect = pTarget->OnDragOver(harness->view, &data, 0, point);
    ASSERT_NE(effect, static_cast<DROPEFFECT>(DROPEFFECT_NONE));
    EXPECT_TRUE(pTarget->OnDrop(harness->view, &data, effect, point));
    EXPECT_EQ(AllText(*buffer), "one\nnew two\n");
}

TEST_F(EditViewStructureTest, EraseBackgroundNeverErases)
{
    Open("text\n");
    harness->Paint(RGB(1, 2, 3));
    EXPECT_EQ(harness->view->SendMessage(WM_ERASEBKGND, 0, 0), TRUE);
    EXPECT_EQ(harness->Pixel(200, 100), ToRgb(RGB(1, 2, 3)));
}

TEST_F(EditViewStructureTest, AViewWithoutBufferShowsAnEmptyClientArea)
{
    harness = std::make_unique<ViewHarness>(nullptr, 300, 150);
    ASSERT_NE(harness->view, nullptr);
    CTestEditView *view = harness->view;
    EXPECT_EQ(view->GetLineHeight(), 0);
    EXPECT_EQ(view->GetCharWidth(), 0);
    EXPECT_EQ(view->GetVisualPart().GetViewport().GetDocumentSize(), CSize(0, 0));
    view->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    view->SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);
    view->MoveWindow(0, 0, 250, 120);
    view->Invalidate();
    harness->Flush();
    EXPECT_FALSE(harness->AnyOtherThan(CRect(0, 0, 200, 100), GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(view->GetVisualPart().GetViewport().GetOrigin(), CPoint(0, 0));
}

} // namespace
