#include "ArchiveBytes.h"
#include "DrawingCanvas.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "library/model/QYBackComponent.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYFormProperties.h"
#include "library/pickers/QYGlobalData.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kGrid = 0x474747;

LOGBRUSH BrushOf(CBrush* pBrush)
{
    LOGBRUSH logBrush = {};
    pBrush->GetLogBrush(&logBrush);
    return logBrush;
}

TEST(FormProperties, RangeCheckedSettersKeepTheOldValueAndDropTheCache)
{
    struct Case {
        const char* name;
        std::function<void(CQYFormProperties&)> set;
        std::function<int(const CQYFormProperties&)> get;
        int expected;
    };
    const Case cases[] = {
        {"brush 92", [](auto& f) { f.SetBrushType(92); }, [](auto& f) { return f.GetBrushType(); }, 1},
        {"brush -1", [](auto& f) { f.SetBrushType(-1); }, [](auto& f) { return f.GetBrushType(); }, 1},
        {"brush 91", [](auto& f) { f.SetBrushType(91); }, [](auto& f) { return f.GetBrushType(); }, 91},
        {"weight 1001", [](auto& f) { f.SetWeight(1001); }, [](auto& f) { return f.GetWeight(); }, 400},
        {"weight 0", [](auto& f) { f.SetWeight(0); }, [](auto& f) { return f.GetWeight(); }, 0},
        {"points 1", [](auto& f) { f.SetPointSize(1); }, [](auto& f) { return f.GetPointSize(); }, 10},
        {"points 12", [](auto& f) { f.SetPointSize(12); }, [](auto& f) { return f.GetFontHeight(); }, 16},
        {"height 32", [](auto& f) { f.SetFontHeight(32); }, [](auto& f) { return f.GetPointSize(); }, 24},
        {"grid x 0", [](auto& f) { f.SetGridXStep(0); }, [](auto& f) { return f.GetGridXStep(); }, 1},
        {"grid y -5", [](auto& f) { f.SetGridYStep(-5); }, [](auto& f) { return f.GetGridYStep(); }, 1},
    };
    for (const Case& c : cases) {
        CQYFormProperties form;
        CBrush* pOldBrush = form.GetBrush(nullptr);
        ASSERT_NE(pOldBrush, nullptr);
        c.set(form);
        EXPECT_EQ(c.get(form), c.expected) << c.name;
    }
    // A refused brush type still drops the cached brush: the new one has
    // the new colour.
    CQYFormProperties form;
    form.GetBrush(nullptr);
    form.m_crBkColor = RGB(1, 2, 3);
    form.SetBrushType(92);
    EXPECT_EQ(BrushOf(form.GetBrush(nullptr)).lbColor, RGB(1, 2, 3));
}

TEST(FormProperties, BrushFollowsTheBrushType)
{
    struct Case {
        int nType;
        UINT nStyle;
        COLORREF crColor;
    };
    const Case cases[] = {
        {0, BS_NULL, RGB(10, 20, 30)},    {1, BS_SOLID, RGB(10, 20, 30)},
        {2, BS_SOLID, RGB(200, 0, 0)},    {3, BS_PATTERN, 0},
        {38, BS_HATCHED, RGB(200, 0, 0)}, {50, BS_NULL, 0},
    };
    for (const Case& c : cases) {
        CQYFormProperties form;
        form.SetBkColor(RGB(10, 20, 30));
        form.SetPatternColor(RGB(200, 0, 0));
        form.SetBrushType(c.nType);
        const LOGBRUSH logBrush = BrushOf(form.GetBrush(nullptr));
        EXPECT_EQ(logBrush.lbStyle, c.nStyle) << c.nType;
        if (c.nStyle == BS_SOLID || c.nStyle == BS_HATCHED) {
            EXPECT_EQ(logBrush.lbColor, c.crColor) << c.nType;
        }
    }
}

TEST(FormProperties, FontRecordCarriesHeightStyleAndCutFace)
{
    CQYFormProperties form;
    form.SetFontHeight(20);
    form.SetWeight(700);
    form.SetItalic(TRUE);
    form.SetFaceName("An extremely long face name that does not fit");
    LOGFONT logFont = {};
    form.GetFont(nullptr)->GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfHeight, -20);
    EXPECT_EQ(logFont.lfWeight, 700);
    EXPECT_EQ(logFont.lfItalic, 1);
    EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(std::string(logFont.lfFaceName), std::string("An extremely long face name tha"));
}

// The record of a form set, field by field.
Bytes FormRecord(const CQYFormProperties& f)
{
    RecordBuilder b;
    b.Int(f.GetPropId()).Str(std::string(f.m_strObjectName)).Str(std::string(f.m_strObjectCaption));
    b.Int(f.m_nType).Int(f.m_bDesignMode).Int(f.m_nReserved).Int(static_cast<int>(f.m_crBkColor));
    b.Int(static_cast<int>(f.m_crPageBkColor)).Str(std::string(f.m_strFaceName));
    b.Int(f.m_nPointSize).Int(static_cast<int>(f.m_crFontColor)).Int(f.m_nFontHeight).Int(f.m_nWeight);
    b.Int(f.m_bItalic).Int(f.m_bUnderline).Int(f.m_bStrikeOut);
    b.Int(f.m_nGridXStep).Int(f.m_nGridYStep).Int(static_cast<int>(f.m_crGridColor));
    b.Int(f.m_nMarginLeft).Int(f.m_nMarginTop).Int(f.m_nMarginRight).Int(f.m_nMarginBottom);
    b.Int(f.m_bShowGrid).Int(f.m_bShowMargins);
    b.Int(f.m_bCloseButton).Int(f.m_bMinimizeButton).Int(f.m_bMaximizeButton).Int(f.m_bHelpButton);
    b.Int(f.m_bShowIcon).Int(f.m_bShowTitleBar).Int(f.m_b3DBorder).Int(f.m_nBrushType);
    b.Int(static_cast<int>(f.m_crPatternColor));
    return b.Get();
}

// A new form stores its defaults: id, type 102, design mode, white fill,
// the desktop page colour, 10-point Times New Roman in the inactive caption
// text colour, a 7 by 7 grid, 14-unit margins, every switch off, fill kind 1.
TEST(FormProperties, GoldenBytesOfANewSet)
{
    CQYFormProperties form;
    RecordBuilder b;
    b.Int(QY_FORM_PROP_ID).Str("").Str("");
    b.Int(102).Int(1).Int(0).Int(0xFFFFFF);
    b.Int(static_cast<int>(qyGlobalData.m_clrDesktop)).Str("Times New Roman");
    b.Int(10).Int(static_cast<int>(qyGlobalData.m_clrInactiveCaptionText)).Int(13).Int(400);
    b.Int(0).Int(0).Int(0);
    b.Int(7).Int(7).Int(0x474747);
    b.Int(14).Int(14).Int(14).Int(14);
    b.Int(0).Int(0);
    b.Int(0).Int(0).Int(0).Int(0);
    b.Int(0).Int(0).Int(0).Int(1);
    b.Int(0);
    EXPECT_EQ(StoreRecord(form), b.Get());
}

TEST(FormProperties, RecordOrderAndRoundTrip)
{
    CQYFormProperties form;
    form.SetObjectName("FORM1");
    form.SetObjectCaption("Caption");
    form.m_nReserved = 77;
    form.SetCloseButton(TRUE);
    form.SetHelpButton(TRUE); // close and help, not minimize and maximize
    form.SetGridXStep(9);
    form.SetMarginYEnd(21);
    form.SetBrushType(40);
    form.SetPatternColor(RGB(1, 2, 3));
    const Bytes bytes = StoreRecord(form);
    EXPECT_EQ(bytes, FormRecord(form));

    CQYFormProperties loaded;
    ASSERT_EQ(LoadRecord(loaded, bytes), -1);
    EXPECT_EQ(StoreRecord(loaded), bytes);
    EXPECT_TRUE(loaded.HasCloseButton() && loaded.HasHelpButton());
    EXPECT_FALSE(loaded.HasMinimizeButton() || loaded.HasMaximizeButton());
    std::unique_ptr<CQYBaseProperties> pCopy(loaded.Copy());
    EXPECT_EQ(StoreRecord(*pCopy), bytes);
}

TEST(FormProperties, BadRecordsLeaveTheSetAsItWas)
{
    CQYFormProperties source;
    source.SetGridXStep(0);
    Bytes bytes = StoreRecord(source);
    auto spoil = [](Bytes b, size_t nOffsetFromEnd, int nValue) {
        for (size_t i = 0; i < 4; ++i)
            b.at(b.size() - nOffsetFromEnd + i) = static_cast<BYTE>(static_cast<unsigned>(nValue) >> (8 * i));
        return b;
    };
    struct Case {
        const char* name;
        Bytes record;
        int nCause;
    };
    // From the end: pattern colour, then brush type.
    const Case cases[] = {
        {"brush type 92", spoil(bytes, 8, 92), CArchiveException::generic},
        {"brush type -1", spoil(bytes, 8, -1), CArchiveException::generic},
        {"weight 5000", spoil(bytes, 4 * 22, 5000), CArchiveException::generic},
        {"truncated", Bytes(bytes.begin(), bytes.end() - 3), CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        const Bytes& spoilt = c.record;
        CQYFormProperties target;
        target.SetObjectCaption("kept");
        EXPECT_EQ(LoadRecord(target, spoilt), c.nCause) << c.name;
        EXPECT_STREQ(target.GetObjectCaption(), "kept") << c.name;
    }
    // A stored grid step of 0 or below reads as 1.
    bytes = spoil(bytes, 4 * 17, -3); // the y step; the x step was stored as 1
    CQYFormProperties loaded;
    ASSERT_EQ(LoadRecord(loaded, bytes), -1);
    EXPECT_EQ(loaded.GetGridXStep(), 1);
    EXPECT_EQ(loaded.GetGridYStep(), 1);
}

// ---------------------------------------------------------------------------
// The painter, probed in an image.

// The canvas starts almost black, so that every colour the painter puts
// down shows.
class Painter : public DrawingCanvas {
protected:
    static constexpr int kSize = 260;

    Painter() : DrawingCanvas(kSize, RGB(1, 1, 1)) {}
    void SetUp() override
    {
        DrawingCanvas::SetUp();
        m_model.SetPagePosition(CRect(20, 20, 220, 200));
        m_pForm = m_model.GetDefaultProperty();
        m_pForm->SetBkColor(kWhite);
    }
    void Draw() { m_model.OnDrawBack(&m_dc); }

    CQYDataModel m_model;
    CQYFormProperties* m_pForm = nullptr;
};

TEST_F(Painter, GridDotsFollowTheSteps)
{
    m_pForm->ShowGrid(TRUE);
    m_pForm->SetGridXStep(7);
    m_pForm->SetGridYStep(10);
    Draw();
    EXPECT_EQ(Pixel(20, 20), kGrid);
    EXPECT_EQ(Pixel(27, 20), kGrid);
    EXPECT_EQ(Pixel(20, 30), kGrid);
    EXPECT_EQ(Pixel(23, 20), kWhite);
    EXPECT_EQ(Pixel(27, 25), kWhite);
    // Rows y = 20, 30 ... 190 (18), columns x = 20, 27 ... 216 (29).
    EXPECT_EQ(CountColour(CRect(0, 0, kSize, kSize), kGrid), 18 * 29);
    // The design-mode flag off hides the grid.
    m_pForm->SetDesignMode(FALSE);
    m_dc.FillSolidRect(0, 0, kSize, kSize, RGB(1, 1, 1));
    Draw();
    EXPECT_EQ(CountColour(CRect(0, 0, kSize, kSize), kGrid), 0);
}

TEST_F(Painter, StepOfOneStillEnds)
{
    m_pForm->ShowGrid(TRUE);
    m_pForm->m_nGridXStep = 0; // written past the setter
    m_pForm->m_nGridYStep = -4;
    Draw();
    EXPECT_EQ(CountColour(CRect(0, 0, kSize, kSize), kGrid), 200 * 180);
}

TEST_F(Painter, HostilePagesAndMarginsDrawOnlyWhatShows)
{
    // A huge page with a grid of step 1: only the dots in the image are set.
    m_pForm->ShowGrid(TRUE);
    m_pForm->ShowMargin(TRUE);
    m_pForm->SetGridXStep(1);
    m_pForm->SetGridYStep(3);
    m_model.SetPagePosition(CRect(-(1 << 27) - 1, -(1 << 27) - 1, 1 << 27, 1 << 27));
    m_pForm->SetMarginXStart(INT_MIN);
    m_pForm->SetMarginYEnd(INT_MAX);
    Draw();
    // Rows on the lattice from the page's top: y = -(2^27) - 1 + 3k.
    const int yFirst = static_cast<int>((((1LL << 27) + 1) % 3 == 0) ? 0 : 3 - ((1LL << 27) + 1) % 3);
    EXPECT_EQ(Pixel(5, yFirst), kGrid);
    EXPECT_NE(Pixel(5, yFirst + 1), kGrid);
    // Pages beyond any device draw nothing at all.
    m_dc.FillSolidRect(0, 0, kSize, kSize, RGB(1, 1, 1));
    m_model.SetPagePosition(CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    m_model.SetFormDesignMode(TRUE);
    m_model.SetDrawFormFrame(TRUE);
    Draw();
    EXPECT_EQ(CountColour(CRect(0, 0, kSize, kSize), RGB(1, 1, 1)), kSize * kSize);
}

TEST_F(Painter, MarginFrameIsDottedInsideTheMargins)
{
    m_pForm->ShowMargin(TRUE);
    Draw();
    // The frame runs along the rectangle inset by 14 on each side.
    const CRect inner(34, 34, 206, 186);
    EXPECT_GT(CountColour(CRect(inner.left, inner.top, inner.right, inner.top + 1), RGB(0, 0, 0)), 40);
    EXPECT_LT(CountColour(CRect(inner.left, inner.top, inner.right, inner.top + 1), RGB(0, 0, 0)), 172);
    EXPECT_EQ(Pixel(inner.left + 5, inner.top + 5), kWhite);
}

TEST_F(Painter, FormWindowTitleBarAndCaptionButtons)
{
    m_model.SetFormDesignMode(TRUE);
    m_pForm->ShowGrid(FALSE);
    m_pForm->ShowMargin(FALSE);
    m_pForm->SetObjectCaption("");
    Draw();
    // 3-D border: outer top-left button face, outer bottom-right black.
    EXPECT_EQ(Pixel(20, 100), qyGlobalData.m_clrBtnFace);
    EXPECT_EQ(Pixel(219, 100), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(21, 100), kWhite);
    // Title bar inside the border: (23, 23)-(217, 41).
    EXPECT_EQ(Pixel(60, 23), qyGlobalData.m_clrInactiveCaption);
    EXPECT_EQ(Pixel(60, 40), qyGlobalData.m_clrInactiveCaption);
    EXPECT_EQ(Pixel(60, 42), qyGlobalData.m_clrBtnFace); // the line under the bar
    // The icon, 16 by 16 at (25, 24): its frame, title strip and body.
    EXPECT_EQ(Pixel(25, 24), RGB(64, 64, 64));
    EXPECT_EQ(Pixel(27, 26), RGB(0, 0, 128));
    EXPECT_EQ(Pixel(27, 31), kWhite);
    EXPECT_EQ(Pixel(41, 39), qyGlobalData.m_clrInactiveCaption);
    // The close button covers (199, 25)-(215, 39): not caption coloured.
    EXPECT_LT(CountColour(CRect(199, 25, 215, 39), qyGlobalData.m_clrInactiveCaption), 16 * 14);
    // Only the close button: the place of the maximize button is bare.
    EXPECT_EQ(CountColour(CRect(181, 25, 197, 39), qyGlobalData.m_clrInactiveCaption), 16 * 14);

    m_pForm->SetMinimizeButton(TRUE);
    Draw();
    EXPECT_LT(CountColour(CRect(181, 25, 197, 39), qyGlobalData.m_clrInactiveCaption), 16 * 14);
    EXPECT_LT(CountColour(CRect(165, 25, 181, 39), qyGlobalData.m_clrInactiveCaption), 16 * 14);
}

TEST_F(Painter, PrintingDrawsTheTitleBarButNoGridMarginsOrFrame)
{
    m_model.SetFormDesignMode(TRUE); // grid, margins and title bar on
    m_model.SetDrawFormFrame(TRUE);
    m_dc.m_bPrinting = TRUE;
    Draw();
    m_dc.m_bPrinting = FALSE;
    EXPECT_EQ(Pixel(150, 30), qyGlobalData.m_clrInactiveCaption);
    EXPECT_EQ(CountColour(CRect(0, 0, kSize, kSize), kGrid), 0);
    EXPECT_EQ(CountColour(CRect(0, 0, kSize, kSize), kNavy), CountColour(CRect(25, 24, 41, 40), kNavy));
    EXPECT_EQ(Pixel(40, 60), kWhite); // inside the margin frame's line: nothing
    EXPECT_EQ(Pixel(36, 150), kWhite);
}

TEST_F(Painter, FormFrameBandSquaresAndDots)
{
    m_model.SetFormDesignMode(TRUE);
    m_pForm->ShowTitleBar(FALSE);
    m_pForm->ShowGrid(FALSE);
    m_pForm->ShowMargin(FALSE);
    m_model.SetPagePosition(CRect(100, 100, 200, 150));
    m_model.SetDrawFormFrame(TRUE);
    Draw();
    // Corner and middle squares of the top side.
    for (int x : {94, 99, 147, 152, 200, 205})
        EXPECT_EQ(Pixel(x, 94), kNavy) << x;
    EXPECT_EQ(Pixel(206, 94), RGB(1, 1, 1));
    EXPECT_EQ(Pixel(94, 155), kNavy);
    // White between the squares, with the navy dots on it.
    EXPECT_EQ(Pixel(110, 95), kWhite);
    for (POINT pt : {POINT{100, 96}, POINT{98, 98}, POINT{104, 96}, POINT{102, 98}, POINT{200, 96}, POINT{198, 98}})
        EXPECT_EQ(Pixel(pt.x, pt.y), kNavy) << pt.x << "," << pt.y;
    EXPECT_EQ(Pixel(101, 96), kWhite);
}

TEST_F(Painter, BrushTypesFillThePage)
{
    m_pForm->SetPatternColor(RGB(200, 0, 0));
    m_pForm->SetBrushType(0);
    Draw();
    EXPECT_EQ(CountColour(CRect(0, 0, kSize, kSize), RGB(1, 1, 1)), kSize * kSize);

    m_pForm->SetBrushType(38); // forward diagonal hatch in the pattern colour
    Draw();
    const int nHatch = CountColour(CRect(20, 20, 220, 200), RGB(200, 0, 0));
    EXPECT_GT(nHatch, 200 * 180 / 16);
    EXPECT_LT(nHatch, 200 * 180 / 4);
    EXPECT_EQ(CountColour(CRect(0, 0, 20, kSize), RGB(200, 0, 0)), 0);

    m_pForm->SetBrushType(42); // a gradient stays on the page
    Draw();
    EXPECT_EQ(CountColour(CRect(0, 0, 20, kSize), RGB(1, 1, 1)), 20 * kSize);
    EXPECT_NE(Pixel(100, 100), RGB(1, 1, 1));
}

} // namespace
