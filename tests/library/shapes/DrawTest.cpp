#include "ShapeTestUtil.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "library/shapes/QYArrowObjects.h"
#include "library/shapes/QYBasicShapes.h"
#include "library/shapes/QYCloseBezierComponent.h"
#include "library/shapes/QYEllipseComponnent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLineComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYRectComponent.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);

// A white 32-bit canvas.
class Canvas {
public:
    explicit Canvas(int nSize = 200) : m_nSize(nSize)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(nSize, nSize, 1, 32, nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, nSize, nSize, kWhite);
    }
    ~Canvas() { m_dc.SelectObject(m_pOld); }
    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const { return m_dc.GetPixel(x, y); }
    std::vector<COLORREF> Snapshot() const
    {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < m_nSize; ++y)
            for (int x = 0; x < m_nSize; ++x)
                pixels.push_back(Pixel(x, y));
        return pixels;
    }

private:
    int m_nSize;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
};

void Paint(CQYDrawComponent* pComp, COLORREF crFill, COLORREF crLine)
{
    CQYCompProperties* pProp = pComp->GetDefaultProperty();
    pProp->SetBkColor(crFill);
    pProp->SetBrushType(1);
    pProp->SetLineColor(crLine);
    pProp->SetLineWidth(1);
    pProp->m_bFlat = TRUE;
}

Held<CQYRectComponent> RedRect(CRect rc)
{
    Held<CQYRectComponent> rect;
    rect->Create(rc, "");
    Paint(rect.get(), kRed, kBlue);
    return rect;
}

TEST(ShapeDrawing, FilledRectangleInteriorAndEdge)
{
    Canvas canvas;
    auto rect = RedRect(CRect(20, 20, 120, 80));
    rect->OnDraw(canvas.DC());
    EXPECT_EQ(canvas.Pixel(30, 30), kRed);
    EXPECT_EQ(canvas.Pixel(100, 70), kRed);
    EXPECT_EQ(canvas.Pixel(40, 20), kBlue); // top edge
    EXPECT_EQ(canvas.Pixel(20, 60), kBlue); // left edge
    EXPECT_EQ(canvas.Pixel(10, 10), kWhite);
    EXPECT_EQ(canvas.Pixel(130, 50), kWhite);
}

TEST(ShapeDrawing, LinkDrawsItsArrowHeadAtItsEnd)
{
    Canvas canvas;
    Held<CQYLinkComponent> link;
    link->SetElbow(FALSE);
    const POINT ends[2] = {{10, 100}, {110, 100}};
    link->CreateFromPoints(ends, 2, nullptr, nullptr);
    link->GetDefaultProperty()->SetLineColor(kBlue);
    link->GetDefaultProperty()->SetLineWidth(1);
    link->SetEndArrowType(5);
    link->GetEndArrow()->m_crFillColor = kGreen;
    link->GetEndArrow()->SetPenColor(kGreen);
    link->OnDraw(canvas.DC());
    EXPECT_EQ(canvas.Pixel(100, 103), kGreen); // inside the head
    EXPECT_EQ(canvas.Pixel(100, 97), kGreen);
    EXPECT_EQ(canvas.Pixel(50, 100), kBlue);   // the line
    EXPECT_EQ(canvas.Pixel(100, 112), kWhite); // beside the head
    EXPECT_EQ(canvas.Pixel(115, 100), kWhite); // beyond the tip
}

TEST(ShapeDrawing, GroupDrawsAsItsMembers)
{
    Canvas grouped;
    Canvas separate;
    Held<CQYGroupComponent> group;
    auto a = RedRect(CRect(10, 10, 60, 60));
    auto* pEllipse = new CQYEllipseComponnent;
    CRect re(50, 50, 150, 120);
    pEllipse->Create(re, "");
    Paint(pEllipse, kGreen, kBlue);
    group->AddComponent(a.get());
    group->AddComponent(pEllipse);
    group->OnDraw(grouped.DC());
    a->OnDraw(separate.DC());
    pEllipse->OnDraw(separate.DC());
    EXPECT_EQ(grouped.Snapshot(), separate.Snapshot());
    EXPECT_EQ(grouped.Pixel(75, 85), kGreen); // inside the ellipse, off its ports
}

TEST(ShapeDrawing, TrackOutlineDrawnTwiceIsErased)
{
    Canvas canvas;
    auto rect = RedRect(CRect(20, 20, 120, 80));
    rect->OnDraw(canvas.DC());
    const std::vector<COLORREF> before = canvas.Snapshot();
    rect->ResetTrackPoints();
    rect->OffsetTrackComponent(15, 10, 0, 0);
    rect->OnDrawTrack(canvas.DC());
    EXPECT_NE(canvas.Snapshot(), before);
    rect->OnDrawTrack(canvas.DC());
    EXPECT_EQ(canvas.Snapshot(), before);
}

TEST(ShapeDrawing, EveryShapeAndLineEndDrawsAndItsTrackErases)
{
    Canvas canvas(260);
    const std::vector<COLORREF> blank = canvas.Snapshot();
    std::vector<Held<CQYDrawComponent>> comps;
    for (int nType = 51; nType <= 71; ++nType) {
        CQYBasicShape* pShape = QYNewBasicShape(nType);
        CRect rc(20, 20, 220, 180);
        pShape->Create(rc, "");
        comps.emplace_back(pShape);
    }
    for (int nType = 1; nType <= 39; ++nType) {
        auto* pLine = new CQYLineComponent;
        const POINT points[2] = {{30, 30 + nType * 5}, {200, 40 + nType * 5}};
        pLine->CreateFromPoints(points, 2);
        pLine->SetStartArrowType(nType);
        pLine->SetEndArrowType(nType);
        pLine->UpdateComp();
        comps.emplace_back(pLine);
    }
    for (auto& comp : comps) {
        comp->OnDraw(canvas.DC());
        EXPECT_NE(canvas.Snapshot(), blank) << comp->GetRuntimeClass()->m_lpszClassName;
        const std::vector<COLORREF> drawn = canvas.Snapshot();
        comp->ResetTrackPoints();
        comp->OnDrawTrack(canvas.DC());
        comp->OnDrawTrack(canvas.DC());
        EXPECT_EQ(canvas.Snapshot(), drawn) << comp->GetRuntimeClass()->m_lpszClassName;
        canvas.DC()->FillSolidRect(0, 0, 260, 260, kWhite);
    }
}

TEST(ShapeDrawing, CanWithNoFillDrawsOnlyItsPorts)
{
    Canvas canvas;
    Held<CQYCanComponent> can;
    CRect rc(20, 20, 180, 180);
    can->Create(rc, "");
    can->GetDefaultProperty()->m_nBrushType = 95;
    can->OnDraw(canvas.DC());
    EXPECT_EQ(canvas.Pixel(40, 100), kWhite);  // inside the body
    EXPECT_NE(canvas.Pixel(100, 100), kWhite); // the centre port
}

TEST(ShapeDrawing, OnePointClosedBezierDrawsNothing)
{
    Canvas canvas;
    Held<CQYCloseBezierComponent> bezier;
    const POINT one[1] = {{50, 50}};
    bezier->SetPoints(one, 1);
    bezier->UpdateComp();
    const std::vector<COLORREF> blank = canvas.Snapshot();
    bezier->OnDraw(canvas.DC());
    bezier->OnDrawTrack(canvas.DC());
    EXPECT_EQ(canvas.Snapshot(), blank);
}

TEST(ShapeDrawing, SolidRoundHeadFillsOnlyInsideItsCircle)
{
    Canvas canvas;
    CQYSolidRoundArrowObject head;
    head.m_crFillColor = kRed;
    head.SetPenColor(kBlue);
    head.SetLinePoints(CPoint(100, 100), CPoint(0, 100));
    head.OnDraw(canvas.DC());
    EXPECT_EQ(canvas.Pixel(100, 100), kRed);   // the disc
    EXPECT_EQ(canvas.Pixel(108, 100), kBlue);  // the circle
    EXPECT_EQ(canvas.Pixel(111, 100), kWhite); // outside
    EXPECT_EQ(canvas.Pixel(107, 107), kWhite); // the corner of its box
}

} // namespace

namespace {

std::vector<COLORREF> HeadPicture(int nType, int nLength, int nWidth)
{
    Canvas canvas(120);
    std::unique_ptr<CQYBaseEndObject> head(QYCreateLineEnd(nType));
    head->m_nArrowLength = nLength;
    head->m_nArrowWidth = nWidth;
    head->SetLinePoints(CPoint(90, 70), CPoint(10, 30));
    head->OnDraw(canvas.DC());
    return canvas.Snapshot();
}

TEST(ArrowHeadDrawing, PartnersDrawTheSamePicture)
{
    const std::pair<int, int> partners[] = {{14, 15}, {22, 26}, {30, 31}, {34, 35}};
    for (const auto& [a, b] : partners) {
        for (const auto& [nLength, nWidth] : {std::make_pair(16, 8), std::make_pair(30, 5)})
            EXPECT_EQ(HeadPicture(a, nLength, nWidth), HeadPicture(b, nLength, nWidth)) << a << " " << b;
    }
    // With the default settings both circle radii are 8.
    EXPECT_EQ(HeadPicture(23, 16, 8), HeadPicture(27, 16, 8));
    EXPECT_NE(HeadPicture(23, 30, 8), HeadPicture(27, 30, 8));
}

TEST(ArrowHeadDrawing, PenSettings)
{
    CQYSolidTriArrowObject head;
    head.SetPenStyle(1);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    EXPECT_NE(head.GetPen(&dc), nullptr);
    head.SetPenStyle(5);
    EXPECT_EQ(head.m_pPen, nullptr); // dropped even though the style stays
    EXPECT_EQ(head.m_nPenStyle, 1);
    // A width of -1 draws as a width of 1.
    head.SetPenWidth(-1);
    head.SetPenStyle(0);
    head.SetLinePoints(CPoint(90, 70), CPoint(10, 70));
    Canvas thin(120);
    head.OnDraw(thin.DC());
    CQYSolidTriArrowObject one;
    one.SetLinePoints(CPoint(90, 70), CPoint(10, 70));
    Canvas reference(120);
    one.OnDraw(reference.DC());
    EXPECT_EQ(thin.Snapshot(), reference.Snapshot());
}

} // namespace
