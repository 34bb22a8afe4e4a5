// The model's clipped component pass: painting a page tile by tile, each
// tile drawing only the components whose drawing bounds meet it, gives the
// page that drawing every component gives, for rotated shapes, shadows,
// wide pens, links and lines with large arrow heads, a link caption far
// wider than its link and a group member's shadow; and it still does after the page changes.
#include "ShapeTestUtil.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Rgn.h"
#include "library/model/QYDataModel.h"
#include "library/shapes/QYBasicShapes.h"
#include "library/shapes/QYEllipseComponnent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLineComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYRectComponent.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kSize = 480;
constexpr int kTile = 40;
constexpr COLORREF kWhite = RGB(255, 255, 255);

class Canvas {
public:
    Canvas()
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(kSize, kSize, 1, 32, nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, kSize, kSize, kWhite);
    }
    ~Canvas() { m_dc.SelectObject(m_pOld); }
    CDC* DC() { return &m_dc; }
    std::vector<COLORREF> Snapshot()
    {
        std::vector<COLORREF> pixels;
        pixels.reserve(static_cast<size_t>(kSize) * kSize);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                pixels.push_back(m_dc.GetPixel(x, y));
        return pixels;
    }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
};

void Style(CQYDrawComponent* pComp, COLORREF crFill, int nLineWidth)
{
    CQYCompProperties* pProp = pComp->GetDefaultProperty();
    pProp->SetBkColor(crFill);
    pProp->SetBrushType(1);
    pProp->SetLineColor(RGB(0, 0, 128));
    pProp->SetLineWidth(nLineWidth);
    pProp->m_bFlat = TRUE;
}

class ClippedDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Basic shapes of several kinds, turned by angles that are not right
        // angles, so their rectangles are those of the turned points.
        for (int i = 0; i < 6; ++i) {
            CQYDrawComponent* pShape = QYNewBasicShape(51 + 3 * i);
            CRect rect(30 + 70 * i, 40, 90 + 70 * i, 90);
            pShape->Create(rect, "");
            Style(pShape, RGB(40 * i, 200, 90), 1 + i % 3);
            pShape->RotateComponent(150 + 250 * i, static_cast<float>(rect.CenterPoint().x),
                                    static_cast<float>(rect.CenterPoint().y));
            Add(pShape);
        }
        auto* pEllipse = new CQYEllipseComponnent;
        CRect rectEllipse(60, 150, 200, 200);
        pEllipse->Create(rectEllipse, "");
        Style(pEllipse, RGB(250, 220, 0), 2);
        pEllipse->RotateComponent(300, 130.0f, 175.0f);
        Add(pEllipse);
        // A shape whose shadow falls far from it, with a wide pen.
        auto* pRect = new CQYRectComponent;
        CRect rectShadowed(250, 150, 300, 190);
        pRect->Create(rectShadowed, "");
        Style(pRect, RGB(0, 180, 255), 9);
        pRect->GetDefaultProperty()->m_bShadow = TRUE;
        pRect->GetDefaultProperty()->m_nShadowOffsetX = 70;
        pRect->GetDefaultProperty()->m_nShadowOffsetY = 60;
        Add(pRect);
        // A short link with a large arrow head and a caption far wider than
        // the link.
        m_pLink = new CQYLinkComponent;
        const POINT linkEnds[2] = {{100, 300}, {140, 310}};
        m_pLink->CreateFromPoints(linkEnds, 2);
        Style(m_pLink, RGB(255, 255, 160), 1); // the caption's box
        m_pLink->GetDefaultProperty()->m_bTransparent = FALSE;
        m_pLink->SetEndArrowType(3);
        m_pLink->GetEndArrow()->m_nArrowLength = 60;
        m_pLink->GetEndArrow()->m_nArrowWidth = 30;
        m_pLink->SetObjectCaption("A caption far, far wider than the link it names and than the reach of a line");
        m_pLink->UpdateComp();
        Add(m_pLink);
        // A line with a large start arrow.
        auto* pLine = new CQYLineComponent;
        const POINT lineEnds[2] = {{300, 260}, {440, 360}};
        pLine->CreateFromPoints(lineEnds, 2);
        Style(pLine, kWhite, 2);
        pLine->SetStartArrowType(5);
        pLine->GetStartArrow()->m_nArrowLength = 70;
        pLine->GetStartArrow()->m_nArrowWidth = 40;
        pLine->UpdateComp();
        Add(pLine);
        // A group whose member's shadow falls beyond the group's reach.
        auto* pGroup = new CQYGroupComponent;
        auto* pMember = new CQYRectComponent;
        CRect rectMember(380, 60, 420, 100);
        pMember->Create(rectMember, "");
        Style(pMember, RGB(120, 0, 200), 1);
        pMember->GetDefaultProperty()->m_bShadow = TRUE;
        pMember->GetDefaultProperty()->m_nShadowOffsetX = 50;
        pMember->GetDefaultProperty()->m_nShadowOffsetY = 70;
        pGroup->AddComponent(pMember);
        Add(pGroup);
        // A shape far off the canvas, to be moved onto it.
        m_pFar = QYNewBasicShape(60);
        CRect rectFar(2000, 2000, 2060, 2050);
        m_pFar->Create(rectFar, "");
        Style(m_pFar, RGB(255, 0, 255), 1);
        Add(m_pFar);
    }

    // The model takes the only reference.
    void Add(CQYDrawComponent* pComp) { m_model.InsertComponent(pComp); }

    // The page drawn whole.
    std::vector<COLORREF> DrawnWhole()
    {
        Canvas canvas;
        m_model.DrawComponents(canvas.DC());
        return canvas.Snapshot();
    }

    // The page drawn tile by tile, each tile clipped to itself and drawing
    // only what its clipped pass picks.
    std::vector<COLORREF> DrawnInTiles()
    {
        Canvas canvas;
        for (int top = 0; top < kSize; top += kTile) {
            for (int left = 0; left < kSize; left += kTile) {
                CRgn clip;
                clip.CreateRectRgn(left, top, left + kTile, top + kTile);
                canvas.DC()->SelectClipRgn(&clip);
                CRect rectClip;
                canvas.DC()->GetClipBox(&rectClip);
                m_model.DrawComponentsIn(canvas.DC(), rectClip);
            }
        }
        canvas.DC()->SelectClipRgn(nullptr);
        return canvas.Snapshot();
    }

    void ExpectSamePage(const char* lpszWhen)
    {
        const std::vector<COLORREF> whole = DrawnWhole();
        const std::vector<COLORREF> tiles = DrawnInTiles();
        int nDiffering = 0;
        int nFirst = -1;
        for (size_t i = 0; i < whole.size(); ++i) {
            if (whole[i] != tiles[i]) {
                if (nFirst < 0)
                    nFirst = static_cast<int>(i);
                ++nDiffering;
            }
        }
        EXPECT_EQ(nDiffering, 0) << lpszWhen << ": first at (" << nFirst % kSize << ", " << nFirst / kSize << ")";
    }

    CQYDataModel m_model;
    CQYLinkComponent* m_pLink = nullptr;
    CQYDrawComponent* m_pFar = nullptr;
};

TEST_F(ClippedDrawTest, TilesGiveTheWholePage)
{
    // The page is not blank where only the far-reaching parts draw.
    const std::vector<COLORREF> whole = DrawnWhole();
    EXPECT_NE(whole[static_cast<size_t>(305) * kSize + 300], kWhite) << "the caption's box";
    EXPECT_NE(whole[static_cast<size_t>(235) * kSize + 345], kWhite) << "the far shadow";
    EXPECT_NE(whole[static_cast<size_t>(165) * kSize + 450], kWhite) << "the group member's shadow";
    ExpectSamePage("as made");
}

TEST_F(ClippedDrawTest, TilesFollowEveryChangeOfThePage)
{
    ExpectSamePage("before the changes"); // makes the index
    m_pFar->OffsetComponent(-1800, -1700);
    ExpectSamePage("after a far shape moved onto the canvas");
    m_pFar->RotateComponent(450, 230.0f, 325.0f);
    ExpectSamePage("after it turned");
    m_pLink->SetLabelPoint(CPoint(120, 120));
    ExpectSamePage("after the label point moved");
    m_pLink->OffsetComponent(200, 100);
    ExpectSamePage("after the link moved");
    m_pLink->GetDefaultProperty()->SetLineWidth(12);
    ExpectSamePage("after a pen widened");
    m_pLink->SetObjectCaption("Another, even longer caption for the same link here");
    ExpectSamePage("after the caption changed");
    CQYCompList& list = m_model.GetComponents();
    CQYDrawComponent* pFirst = list.GetHead();
    m_model.RemoveComponent(pFirst);
    ExpectSamePage("after a removal");
}

} // namespace
