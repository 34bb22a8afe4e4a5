#include "DrawingCanvas.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Rgn.h"
#include "library/model/QYBitmapFill.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYPortComponent.h"
#include "library/pickers/QYGlobalData.h"

#include <gtest/gtest.h>

#include <climits>

#include <cstdlib>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kNavy = RGB(0, 0, 128);

// A rectangle shape: its body is its polygon in its own fill; the 3-D look
// adds a green line along the top inside edge.
class BoxShape : public CQYDrawPortsComponent {
public:
    explicit BoxShape(const CRect& r)
    {
        const POINT corners[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        SetPoints(corners, 4);
        UpdatePosition();
        ResetTrackPoints();
        UpdateComp();
        CQYCompProperties* pProp = GetDefaultProperty();
        pProp->SetBkColor(kRed);
        pProp->SetBrushType(1);
        pProp->SetLineColor(kBlue);
        pProp->SetLineWidth(1);
        pProp->m_bFlat = TRUE;
    }
    void OnDrawFlat(CDC* pDC) override
    {
        DrawBody(pDC);
        CQYDrawPortsComponent::OnDrawFlat(pDC);
    }
    void OnDraw3d(CDC* pDC) override
    {
        DrawBody(pDC);
        pDC->FillSolidRect(m_rectPosition.left + 2, m_rectPosition.top + 2, m_rectPosition.Width() - 4, 1, kGreen);
        CQYDrawPortsComponent::OnDraw3d(pDC);
    }

private:
    void DrawBody(CDC* pDC)
    {
        CQYCompProperties* pProp = GetDefaultProperty();
        FillPoly(pDC, m_lpCompPoints, m_nCompPtCount, pProp->m_crBkColor, pProp->m_crPatternColor,
                 static_cast<UINT>(pProp->m_nBrushType));
    }
};

// A 32-bit memory canvas filled with white, and a box (20,20)-(80,60) with
// a port in the middle of its right side.
class DrawTest : public DrawingCanvas {
protected:
    static constexpr int kSize = 120;

    DrawTest() : DrawingCanvas(kSize) {}
    void SetUp() override
    {
        DrawingCanvas::SetUp();
        m_pBox = new BoxShape(CRect(20, 20, 80, 60));
        m_pBox->AddRef();
        m_pBox->CreateDefaultPort(1, 0.5);
    }
    void TearDown() override
    {
        DrawingCanvas::TearDown();
        m_pBox->Release();
    }

    BoxShape* m_pBox = nullptr;
};

TEST_F(DrawTest, FlatLookFillsOutlinesAndDrawsThePorts)
{
    const int nSaved = m_dc.SaveDC();
    m_pBox->OnDraw(&m_dc);
    EXPECT_EQ(m_dc.SaveDC(), nSaved + 1); // OnDraw left the state stack as it found it

    EXPECT_EQ(Pixel(50, 40), kRed);
    EXPECT_EQ(Pixel(50, 20), kBlue); // outline
    EXPECT_EQ(Pixel(20, 40), kBlue);
    EXPECT_EQ(Pixel(22, 22), kRed); // no 3-D line in the flat look
    // The port: a 4-by-4 square on (80, 40), white outline, blue inside.
    EXPECT_EQ(Pixel(78, 38), kWhite);
    EXPECT_EQ(Pixel(79, 39), kBlue);
    EXPECT_EQ(Pixel(81, 41), kWhite);
    EXPECT_TRUE(OutsideIsBackground(CRect(20, 20, 82, 62)));
}

TEST_F(DrawTest, ThreeDLookAndPrintingWithoutPorts)
{
    m_pBox->GetDefaultProperty()->m_bFlat = FALSE;
    m_dc.m_bPrinting = TRUE;
    m_pBox->OnDraw(&m_dc);
    m_dc.m_bPrinting = FALSE;
    EXPECT_EQ(Pixel(40, 22), kGreen);
    EXPECT_EQ(Pixel(79, 39), kRed); // inside the box, where the port would be
    EXPECT_EQ(Pixel(81, 41), kWhite);
}

TEST_F(DrawTest, ShadowIsTheOffsetFigureWithoutOutline)
{
    CQYCompProperties* pProp = m_pBox->GetDefaultProperty();
    pProp->m_bShadow = TRUE;
    pProp->m_crShadowColor = kGrey;
    pProp->SetShadowBrushType(1);
    m_pBox->OnDraw(&m_dc);
    EXPECT_EQ(Pixel(82, 62), kGrey);
    EXPECT_EQ(Pixel(30, 62), kGrey);
    EXPECT_EQ(Pixel(83, 63), kGrey); // no outline on the shadow's far edges
    EXPECT_EQ(Pixel(84, 64), kWhite);
    EXPECT_EQ(Pixel(81, 40), kWhite); // the port's outline is drawn over the shadow
    EXPECT_EQ(Pixel(50, 40), kRed);   // the body is drawn over the shadow
    EXPECT_EQ(Pixel(22, 22), kRed);
    EXPECT_EQ(Pixel(21, 61), kWhite); // left of the shadow

    Clear();
    pProp->m_bShadow = FALSE;
    m_pBox->OnDraw(&m_dc);
    EXPECT_EQ(Pixel(82, 62), kWhite);
}

TEST_F(DrawTest, GradientAndBitmapFillsStayInsideTheFigure)
{
    // A triangle: its bounding box's top-right half lies outside it.
    POINT triangle[] = {{10, 10}, {10, 90}, {90, 90}};
    const POINT original[] = {{10, 10}, {10, 90}, {90, 90}};
    for (UINT nKind : {42u, 47u, 61u, 62u, 91u}) {
        SCOPED_TRACE(nKind);
        Clear();
        m_pBox->GetDefaultProperty()->SetBrushType(static_cast<int>(nKind));
        m_pBox->PrepareDC(&m_dc);
        m_pBox->FillPoly(&m_dc, triangle, 3, kRed, kBlue, nKind);
        m_pBox->ClearDC(&m_dc);
        EXPECT_EQ(Pixel(70, 30), kWhite);
        EXPECT_EQ(Pixel(85, 20), kWhite);
        EXPECT_TRUE(OutsideIsBackground(CRect(10, 10, 91, 91)));
        EXPECT_EQ(Pixel(10, 50), kBlue); // outline
        int nPainted = 0;
        for (int y = 50; y < 88; ++y)
            nPainted += Pixel(20, y) != kWhite;
        EXPECT_GT(nPainted, 30);
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(triangle[i].x == original[i].x && triangle[i].y == original[i].y);
}

TEST_F(DrawTest, TilesLineUpWithTheRectangleWhereverTheVisiblePartStarts)
{
    qyGlobalData.LoadBitmaps();
    CBitmap& texture = qyGlobalData.m_bmpTextures[5];
    BITMAP info = {};
    ASSERT_TRUE(texture.GetBitmap(&info));
    std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * static_cast<size_t>(info.bmHeight));
    texture.GetBitmapBits(static_cast<DWORD>(pixels.size() * 4), pixels.data());
    auto expected = [&](long long x, long long y, long long left, long long top) {
        const long long tx = ((x - left) % info.bmWidth + info.bmWidth) % info.bmWidth;
        const long long ty = ((y - top) % info.bmHeight + info.bmHeight) % info.bmHeight;
        const DWORD pixel = pixels[static_cast<size_t>(ty * info.bmWidth + tx)];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    };
    struct Case {
        CRect rect;
        CRect clip;
    };
    const Case cases[] = {
        {{3, 5, 118, 117}, {61, 77, 100, 110}},                             // the visible part starts mid-tile
        {{-100000003, -200000005, 100000000, 100000000}, {0, 0, 120, 120}}, // huge: only what shows is tiled
    };
    for (const Case& c : cases) {
        Clear();
        CRgn clip;
        clip.CreateRectRgnIndirect(&c.clip);
        QYFillBitmapRect(&m_dc, c.rect.left, c.rect.top, c.rect.right, c.rect.bottom, TRUE, 5, &clip);
        for (int y = c.clip.top; y < c.clip.bottom; y += 3)
            for (int x = c.clip.left; x < c.clip.right; x += 2)
                ASSERT_EQ(Pixel(x, y), expected(x, y, c.rect.left, c.rect.top)) << x << "," << y;
        EXPECT_TRUE(OutsideIsBackground(c.clip));
    }
}

TEST_F(DrawTest, KindsFrom92DrawNothingAtAll)
{
    POINT square[] = {{10, 10}, {60, 10}, {60, 60}, {10, 60}};
    POINT bezier[] = {{10, 10}, {30, 0}, {50, 40}, {60, 60}};
    m_pBox->PrepareDC(&m_dc);
    m_pBox->FillPoly(&m_dc, square, 4, kRed, kBlue, 92);
    m_pBox->FillBezier(&m_dc, bezier, 4, kRed, kBlue, 92);
    m_pBox->FillCloseBezier(&m_dc, bezier, 4, kRed, kBlue, 200);
    m_pBox->ClearDC(&m_dc);
    EXPECT_TRUE(OutsideIsBackground(CRect(0, 0, 0, 0)));
}

TEST_F(DrawTest, OpenBezierIsClosedByALineOnlyWhenItsEndsDiffer)
{
    // A curve from (10, 80) bulging upward back to (70, 80): the ends differ
    // by nothing but x, so the closing line runs along y = 80.
    POINT open[] = {{10, 80}, {20, 20}, {60, 20}, {70, 80}};
    m_pBox->GetDefaultProperty()->SetBrushType(0); // hollow: only the outline
    m_pBox->PrepareDC(&m_dc);
    m_pBox->FillBezier(&m_dc, open, 4, kRed, kBlue, 0);
    EXPECT_EQ(Pixel(40, 80), kBlue);
    Clear();
    m_pBox->FillCloseBezier(&m_dc, open, 4, kRed, kBlue, 0);
    EXPECT_EQ(Pixel(40, 80), kWhite);
    m_pBox->ClearDC(&m_dc);
}

TEST_F(DrawTest, ShadowFillsLeaveThePointsAsTheyWere)
{
    CQYCompProperties* pProp = m_pBox->GetDefaultProperty();
    pProp->m_nShadowOffsetX = 7;
    pProp->m_nShadowOffsetY = -3;
    pProp->m_crShadowColor = kGrey;
    pProp->SetShadowBrushType(1);
    POINT points[] = {{30, 30}, {60, 30}, {60, 60}, {30, 60}};
    const std::vector<POINT> before(points, points + 4);
    m_pBox->PrepareShadowDC(&m_dc);
    m_pBox->FillShadowPoly(&m_dc, points, 4);
    m_pBox->FillShadowBezier(&m_dc, points, 4);
    m_pBox->FillShadowCloseBezier(&m_dc, points, 4);
    m_pBox->ClearShadowDC(&m_dc);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(points[i].x == before[i].x && points[i].y == before[i].y) << i;
    EXPECT_EQ(Pixel(64, 28), kGrey);
    EXPECT_EQ(Pixel(33, 28), kWhite);
}

TEST_F(DrawTest, ShadowOffsetsFromTheEndsOfTheRangeLeaveThePointsAsTheyWere)
{
    CQYCompProperties* pProp = m_pBox->GetDefaultProperty();
    pProp->m_nShadowOffsetX = INT_MAX;
    pProp->m_nShadowOffsetY = INT_MIN;
    POINT points[] = {{30, 30}, {60, 30}, {60, 60}, {-30, -60}};
    const std::vector<POINT> before(points, points + 4);
    m_pBox->PrepareShadowDC(&m_dc);
    m_pBox->FillShadowPoly(&m_dc, points, 4);
    m_pBox->FillShadowBezier(&m_dc, points, 4);
    m_pBox->ClearShadowDC(&m_dc);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(points[i].x == before[i].x && points[i].y == before[i].y) << i;
}

TEST_F(DrawTest, TrackOutlineDrawnTwiceLeavesTheSurfaceAsItWas)
{
    m_pBox->OnDraw(&m_dc);
    const std::vector<COLORREF> before = Snapshot();
    m_pBox->OffsetTrackComponent(5, 5, 0, 0);
    m_pBox->OnDrawTrack(&m_dc);
    EXPECT_NE(Snapshot(), before);
    EXPECT_NE(Pixel(85, 45), kWhite); // the port's track follows
    m_pBox->OnDrawTrack(&m_dc);
    EXPECT_EQ(Snapshot(), before);

    CPen* pPen = m_pBox->GetTrackPen();
    ASSERT_NE(pPen, nullptr);
    EXTLOGPEN logPen = {};
    pPen->GetExtLogPen(&logPen);
    EXPECT_EQ(logPen.elpPenStyle & PS_TYPE_MASK, static_cast<DWORD>(PS_GEOMETRIC));
    EXPECT_EQ(logPen.elpWidth, 1u);
    m_pBox->GetDefaultProperty()->SetLineWidth(3);
    EXPECT_EQ(m_pBox->GetTrackPen(), pPen); // kept until released
    m_pBox->ReleasePen();
    m_pBox->GetTrackPen()->GetExtLogPen(&logPen);
    EXPECT_EQ(logPen.elpWidth, 3u);
}

TEST_F(DrawTest, TabOrderMarkIsANavyBoxAboveAndLeftOfTheComponent)
{
    m_pBox->GetDefaultProperty()->m_nTabOrder = 7;
    m_pBox->OnDrawTabOrder(&m_dc);
    // An 18-by-16 box from (14, 14).
    EXPECT_EQ(Pixel(14, 14), kNavy);
    EXPECT_EQ(Pixel(31, 29), kNavy);
    EXPECT_EQ(Pixel(32, 29), kWhite);
    EXPECT_EQ(Pixel(31, 30), kWhite);
    EXPECT_EQ(Pixel(13, 13), kWhite);
    int nWhiteInside = 0;
    for (int y = 14; y < 30; ++y)
        for (int x = 14; x < 32; ++x)
            nWhiteInside += Pixel(x, y) == kWhite;
    EXPECT_GT(nWhiteInside, 4); // the digit
    EXPECT_EQ(m_dc.GetBkMode(), OPAQUE);
}

TEST_F(DrawTest, SelectionFrameHasNavyHandlesAndHatchedBars)
{
    const CRect total(40, 40, 100, 80); // cx 70, cy 60
    m_pBox->OnDrawSelect(&m_dc, total);
    struct Probe {
        int x, y;
        COLORREF expected;
    };
    const Probe probes[] = {
        {34, 34, kNavy},  {39, 39, kNavy},                                     // top-left corner handle
        {105, 85, kNavy},                                                      // bottom-right corner handle
        {67, 34, kNavy},  {72, 39, kNavy},                                     // top middle handle
        {104, 57, kNavy}, {104, 62, kNavy},                                    // right middle handle
        {51, 35, kWhite}, {53, 37, kWhite},                                    // top bar between the dots
        {52, 36, kNavy},  {50, 38, kNavy},                                     // dots of the hatching
        {50, 82, kNavy},  {52, 84, kNavy},  {36, 48, kNavy},  {38, 50, kNavy}, // left bar dots (L-4, y+2), (L-2, y)
        {104, 48, kNavy}, {102, 50, kNavy}, {35, 51, kWhite}, {33, 33, kWhite}, {106, 86, kWhite}, // outside the band
        {40, 40, kWhite}, {70, 60, kWhite}, // the component itself is untouched
    };
    for (const Probe& p : probes)
        EXPECT_EQ(Pixel(p.x, p.y), p.expected) << p.x << "," << p.y;
}

} // namespace
