// The visual part's interfaces: look-up, bounds, viewport, zoom, scrolling
// inside the document and event listeners.
#include "EditViewTestSupport.h"

#include "editor/controller/SECEditEvent.h"

#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingListener : public ISECEventListener {
public:
    std::vector<UINT> messages;
    int refs = 0;
    int AddRef() override { return ++refs; }
    int Release() override { return --refs; }
    BOOL Dispatch(SECEditEvent *pEvent) override
    {
        messages.push_back(pEvent->message);
        return TRUE;
    }
    BOOL AddListener(ISECEventListener *) override { return FALSE; }
    BOOL RemoveListener(ISECEventListener *) override { return FALSE; }
};

class VisualPartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string text;
        for (int i = 0; i < 100; ++i)
            text += "line " + std::to_string(i) + "\n";
        buffer = MakeBuffer(language.get(), text);
        harness = std::make_unique<ViewHarness>(buffer.get(), 400, 200);
        ASSERT_NE(harness->view, nullptr);
        lineHeight = harness->view->GetLineHeight();
        charWidth = harness->view->GetCharWidth();
        ASSERT_GT(lineHeight, 0);
        ASSERT_GT(charWidth, 0);
    }
    SECEditVisualPart &Part() { return harness->view->GetVisualPart(); }

    TestLanguage language;
    std::unique_ptr<SECEditTextBuffer> buffer;
    std::unique_ptr<ViewHarness> harness;
    int lineHeight = 0;
    int charWidth = 0;
};

TEST_F(VisualPartTest, EveryInterfaceIsFoundFromEveryOther)
{
    const GUID ids[] = {IID_ISECVisual,   IID_ISECBounds, IID_ISECBounds2,  IID_ISECBounds3,      IID_ISECBounds4,
                        IID_ISECViewport, IID_ISECZoom,   IID_ISECObserver, IID_ISECEventListener};
    void *pBounds = nullptr;
    ASSERT_TRUE(Part().QueryInterface(IID_ISECBounds3, &pBounds));
    auto *pFromBounds = static_cast<ISECBounds *>(pBounds);
    for (const GUID &id : ids) {
        void *a = nullptr, *b = nullptr;
        EXPECT_TRUE(Part().QueryInterface(id, &a));
        EXPECT_TRUE(pFromBounds->QueryInterface(id, &b));
        EXPECT_NE(a, nullptr);
        EXPECT_EQ(a, b);
    }
    void *pBoundsAgain = nullptr;
    Part().QueryInterface(IID_ISECBounds, &pBoundsAgain);
    EXPECT_EQ(pBounds, pBoundsAgain); // four identifiers, one interface
    void *pNone = &pNone;
    const GUID unknown = {0x12345678, 0x1, 0x2, {0, 1, 2, 3, 4, 5, 6, 7}};
    EXPECT_FALSE(Part().QueryInterface(unknown, &pNone));
    EXPECT_EQ(pNone, nullptr);
    EXPECT_EQ(Part().AddRef(), 1);
    EXPECT_EQ(Part().Release(), 1);
}

TEST_F(VisualPartTest, BoundsMoveAndResize)
{
    ISECBounds &bounds = Part().GetBounds();
    CRect client;
    harness->view->GetClientRect(&client);
    // The client size after the initial update: the view less its bars.
    EXPECT_EQ(client.Size(), CSize(400 - GetSystemMetrics(SM_CXVSCROLL), 200 - GetSystemMetrics(SM_CYHSCROLL)));
    EXPECT_EQ(bounds.GetSize(), client.Size());
    EXPECT_EQ(bounds.SetSize(100, 50), client.Size());
    EXPECT_EQ(bounds.SetOrigin(10, 20), CPoint(0, 0));
    EXPECT_EQ(bounds.GetRect(), CRect(10, 20, 100, 50)); // right and bottom stay
    EXPECT_EQ(bounds.Offset(5, 5), CPoint(15, 25));
    EXPECT_EQ(bounds.GetRect(), CRect(15, 25, 105, 55));
    Part().ScaleSize(2, 1, 1, 2, TRUE);
    EXPECT_EQ(bounds.GetRect(), CRect(-30, 32, 150, 47));
}

TEST_F(VisualPartTest, ZoomAndExtents)
{
    ISECZoom &zoom = Part().GetZoom();
    zoom.SetZoom(75, 150);
    EXPECT_EQ(zoom.GetZoom(), CSize(75, 150));
    zoom.ZoomBy(25, -50);
    EXPECT_EQ(zoom.GetZoom(), CSize(100, 100));
    SECEditVisualPart::Viewport &viewport = Part().GetViewport();
    EXPECT_EQ(viewport.GetMapMode(), MM_TEXT);
    EXPECT_TRUE(viewport.IsFixedMapping());
    EXPECT_EQ(viewport.SetWindowExtent(10, 10), CSize(1, 1));
    EXPECT_EQ(viewport.GetWindowExtent(), CSize(1, 1)); // fixed mapping: unchanged
    viewport.SetMapMode(MM_ANISOTROPIC);
    EXPECT_EQ(viewport.SetWindowExtent(4, -2), CSize(1, 1));
    viewport.SetViewportExtent(2, 2);
    EXPECT_EQ(viewport.GetYDirection(), -1);
    float fx = 0, fy = 0;
    zoom.SetZoom(50, 200); // scale factors 2 and 0.5
    viewport.GetScale(fx, fy);
    EXPECT_FLOAT_EQ(fx, 4.0f); // 4 x 2 / 2
    EXPECT_FLOAT_EQ(fy, 0.5f); // -2 x 0.5 = -1, at least 1, / 2
    viewport.SetMapMode(MM_LOMETRIC);
    EXPECT_EQ(viewport.GetYDirection(), -1);
}

TEST_F(VisualPartTest, OriginsSnapToWholeCells)
{
    SECEditVisualPart::Viewport &viewport = Part().GetViewport();
    viewport.SetOrigin(4 * charWidth + charWidth / 2 + 1, lineHeight + lineHeight / 2 + 1);
    EXPECT_EQ(viewport.GetOrigin(), CPoint(4 * charWidth, lineHeight));
    EXPECT_EQ(viewport.SetOrigin(-5, -40), CPoint(4 * charWidth, lineHeight));
    EXPECT_EQ(viewport.GetOrigin(), CPoint(0, 0));
}

TEST_F(VisualPartTest, ScrollByStaysInsideTheDocument)
{
    const CSize document = Part().GetViewport().GetDocumentSize();
    EXPECT_EQ(document, CSize(buffer->GetMaxLineWidth() * charWidth, buffer->GetLineCount() * lineHeight));
    const int width = Part().GetBounds().GetSize().cx;
    const int height = Part().GetBounds().GetSize().cy;
    const int nearEnd = (document.cx - width - 3 * charWidth) / charWidth * charWidth;
    Part().GetViewport().SetOrigin(nearEnd, 0);
    CRect visible = Part().ScrollBy(1000, 0);
    EXPECT_EQ(visible.right, document.cx - (document.cx - width) % charWidth);
    EXPECT_LE(visible.right, document.cx);
    visible = Part().ScrollBy(-100000, 0);
    EXPECT_EQ(visible.left, 0);
    Part().LineScroll(1, TRUE);
    EXPECT_EQ(Part().GetViewport().GetOrigin().y, height / 25 / lineHeight * lineHeight);
    Part().PageScroll(1, TRUE);
    const int afterLine = height / 25 / lineHeight * lineHeight;
    EXPECT_EQ(Part().GetViewport().GetOrigin().y, (afterLine + height) / lineHeight * lineHeight);
}

TEST_F(VisualPartTest, MouseEventsOutsideTheVisibleRectangleReachNoListener)
{
    RecordingListener listener;
    ISECEventListener &events = Part().GetEventListener();
    EXPECT_FALSE(events.AddListener(nullptr));
    ASSERT_TRUE(events.AddListener(&listener));
    EXPECT_EQ(listener.refs, 1);
    SECEditEvent outside{WM_MOUSEMOVE, 0, MAKELPARAM(450, 10)};
    EXPECT_FALSE(events.Dispatch(&outside));
    SECEditEvent inside{WM_MOUSEMOVE, 0, MAKELPARAM(300, 10)};
    EXPECT_TRUE(events.Dispatch(&inside));
    SECEditEvent key{WM_KEYDOWN, 'A', 0};
    EXPECT_TRUE(events.Dispatch(&key));
    EXPECT_EQ(listener.messages, (std::vector<UINT>{WM_MOUSEMOVE, WM_KEYDOWN}));
    EXPECT_TRUE(events.RemoveListener(&listener));
    EXPECT_EQ(listener.refs, 0);
    EXPECT_FALSE(events.RemoveListener(&listener));
}

} // namespace
