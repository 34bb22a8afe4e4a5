// Painting the page: double-buffered painting against direct drawing, what
// prints and what does not, the page shadow, the header and footer bands,
// and the page exported as a bitmap file and as an enhanced metafile.
#include "ViewTestSupport.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/EnhMetaFile.h"
#include "framework/gdi/GdiConstants.h"
#include "library/model/QYCompProperties.h"
#include "library/pickers/QYGlobalData.h"
#include "library/shapes/QYImageBaseObj.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// An off-screen page: a memory context on a 32-bit bitmap, read back as
// 0x00RRGGBB pixels.
class Canvas {
public:
    Canvas(int cx, int cy, BOOL bPrinting = FALSE) : m_cx(cx), m_cy(cy)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(cx, cy, 1, 32, nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.m_bPrinting = bPrinting;
    }
    ~Canvas() { m_dc.SelectObject(m_pOld); }
    CDC* DC() { return &m_dc; }
    std::vector<uint32_t> Pixels()
    {
        std::vector<uint32_t> bits(static_cast<size_t>(m_cx) * m_cy);
        m_bitmap.GetBitmapBits(static_cast<DWORD>(bits.size() * 4), bits.data());
        for (uint32_t& p : bits)
            p &= 0xFFFFFF;
        return bits;
    }
    uint32_t At(int x, int y) { return Pixels()[static_cast<size_t>(y) * m_cx + x]; }

private:
    int m_cx, m_cy;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
};

uint32_t Rgb(COLORREF cr)
{
    return (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
}

class ViewDraw : public ViewFixture {
protected:
    void SetUp() override
    {
        ViewFixture::SetUp();
        a = Put(CRect(20, 20, 120, 90));
        b = Put(CRect(200, 60, 300, 160), QY_COMP_ELLIPSE);
        Model().SetPrintPageRect(CRect(0, 0, 400, 300));
        Model().SetPagePosition(CRect(0, 0, 400, 300));
    }
    CQYDrawComponent* a = nullptr;
    CQYDrawComponent* b = nullptr;
};

TEST_F(ViewDraw, DoubleBufferedPaintEqualsDirectDrawing)
{
    CQYDrawComponent* c = Put(CRect(150, 200, 190, 240));
    Select({a, b, c});
    m_pView->Invalidate();
    const QImage painted = Painted();
    Canvas direct(painted.width(), painted.height());
    CRect client(0, 0, painted.width(), painted.height());
    m_pView->DrawBackground(direct.DC(), client);
    Model().DrawComponents(direct.DC());
    m_pView->DrawSelectionHandles(direct.DC());
    const std::vector<uint32_t> pixels = direct.Pixels();
    int nDifferent = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            if ((painted.pixel(x, y) & 0xFFFFFF) != pixels[static_cast<size_t>(y) * painted.width() + x])
                ++nDifferent;
    EXPECT_EQ(nDifferent, 0);
    // The handles are there: the main one green at a's top-left corner.
    EXPECT_EQ(painted.pixel(20, 20) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(painted.pixel(190, 240) & 0xFFFFFF, 0x00FFFFu);
}

TEST_F(ViewDraw, PaintingAPartRedrawsOnlyThatPart)
{
    m_pView->Invalidate();
    Painted();
    Painted();
    // Changing the colour without repainting and then painting a part shows
    // the change only there.
    a->GetDefaultProperty()->SetBkColor(RGB(255, 0, 0));
    m_pView->InvalidateRect(CRect(20, 20, 60, 90), FALSE);
    const QImage painted = Painted();
    EXPECT_EQ(painted.pixel(40, 50) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(painted.pixel(100, 50) & 0xFFFFFF, 0xFF0000u);
}

// Scrolling moves what is on the screen and paints only what comes into
// view; the result is the picture a whole repaint at that position gives.
TEST_F(ViewDraw, AScrolledViewLeavesNoStalePixels)
{
    Model().SetPrintPageRect(CRect(0, 0, 1600, 1200));
    Model().SetPagePosition(CRect(0, 0, 1600, 1200));
    for (int i = 0; i < 12; ++i) // shapes across the whole page
        Put(CRect(60 + i * 120, 40 + i * 90, 140 + i * 120, 110 + i * 90), i % 2 ? QY_COMP_ELLIPSE : 30);
    Select({a, b});
    m_pView->Invalidate();
    Painted();
    struct Step {
        UINT nMessage;
        int nCode;
    } steps[] = {{WM_VSCROLL, SB_LINEDOWN}, {WM_VSCROLL, SB_LINEDOWN}, {WM_HSCROLL, SB_PAGERIGHT},
                 {WM_VSCROLL, SB_PAGEDOWN}, {WM_HSCROLL, SB_LINELEFT}, {WM_VSCROLL, SB_LINEUP},
                 {WM_HSCROLL, SB_RIGHT},    {WM_VSCROLL, SB_TOP}};
    for (const Step& step : steps) {
        m_pView->SendMessage(step.nMessage, step.nCode);
        Pump();
        const QImage scrolled = Painted();
        m_pView->Invalidate();
        const QImage whole = Painted();
        ASSERT_EQ(scrolled.size(), whole.size());
        int nDifferent = 0;
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                nDifferent += (scrolled.pixel(x, y) & 0xFFFFFF) != (whole.pixel(x, y) & 0xFFFFFF);
        EXPECT_EQ(nDifferent, 0) << "after " << step.nMessage << "/" << step.nCode << " at "
                                 << m_pView->GetScrollPosition().x << ", " << m_pView->GetScrollPosition().y;
    }
    EXPECT_EQ(m_pView->GetScrollPosition().y, 0);
    EXPECT_GT(m_pView->GetScrollPosition().x, 0);
}

// Drawing for a printer through the off-screen copy gives what drawing
// straight onto it gives: white page, components, tab numbers when shown,
// no handles.
TEST_F(ViewDraw, OffScreenPrintingEqualsDirectPrinting)
{
    a->GetDefaultProperty()->SetBkColor(RGB(255, 0, 0));
    Select({a, b});
    for (BOOL bTabs : {FALSE, TRUE}) {
        m_pView->m_bShowTabOrder = bTabs;
        Canvas direct(400, 300, TRUE);
        m_pView->Draw(direct.DC());
        Canvas buffered(400, 300, TRUE);
        m_pView->DrawToDC(buffered.DC());
        EXPECT_EQ(direct.Pixels(), buffered.Pixels()) << bTabs;
        EXPECT_EQ(buffered.At(50, 50), 0xFF0000u);
        EXPECT_EQ(buffered.At(20, 20) == 0x00FF00u, false); // no handle
    }
}

TEST_F(ViewDraw, HandlesNeverPrintTabNumbersDoWhenShown)
{
    Select({a});
    auto render = [this](BOOL bPrinting, BOOL bTabOrder) {
        m_pView->m_bShowTabOrder = bTabOrder;
        Canvas canvas(400, 300, bPrinting);
        canvas.DC()->IntersectClipRect(0, 0, 400, 300);
        m_pView->Draw(canvas.DC());
        return canvas.Pixels();
    };
    const auto screen = render(FALSE, FALSE);
    const auto printed = render(TRUE, FALSE);
    const auto printedTabs = render(TRUE, TRUE);
    EXPECT_EQ(screen[20 * 400 + 20], 0x00FF00u); // the main handle on the screen
    EXPECT_NE(printed[20 * 400 + 20], 0x00FF00u);
    for (uint32_t p : printed)
        ASSERT_NE(p, 0x00FF00u) << "a handle printed";
    EXPECT_NE(printed, printedTabs); // the tab numbers
    // The printer path of DrawToDC, double-buffered, prints the same.
    {
        Canvas canvas(400, 300, TRUE);
        canvas.DC()->IntersectClipRect(0, 0, 400, 300);
        m_pView->m_bShowTabOrder = TRUE;
        m_pView->DrawToDC(canvas.DC());
        EXPECT_EQ(canvas.Pixels(), printedTabs);
    }
    // Outside design mode the screen shows neither handles nor numbers.
    Model().GetDefaultProperty()->SetDesignMode(FALSE);
    const auto viewing = render(FALSE, TRUE);
    EXPECT_NE(viewing[20 * 400 + 20], 0x00FF00u);
    EXPECT_EQ(viewing, render(FALSE, FALSE));
}

TEST_F(ViewDraw, PageShadowOnlyOutsideFormModeAndNeverPrinted)
{
    const uint32_t shadow = Rgb(qyGlobalData.m_clrBtnShadow);
    struct Case {
        BOOL bFormMode;
        BOOL bPrinting;
        bool bShadow;
    } cases[] = {{FALSE, FALSE, true}, {TRUE, FALSE, false}, {FALSE, TRUE, false}};
    for (const Case& c : cases) {
        Model().SetFormDesignMode(c.bFormMode);
        Model().SetPrintPageRect(CRect(0, 0, 300, 200));
        Model().SetPagePosition(CRect(0, 0, 300, 200));
        Canvas canvas(400, 300, c.bPrinting);
        m_pView->DrawBackground(canvas.DC(), CRect(0, 0, 400, 300));
        EXPECT_EQ(canvas.At(302, 100) == shadow, c.bShadow) << c.bFormMode << c.bPrinting;
        EXPECT_EQ(canvas.At(150, 202) == shadow, c.bShadow) << c.bFormMode << c.bPrinting;
        EXPECT_NE(canvas.At(302, 2), shadow); // starts 4 below the top
    }
}

// In form mode the form shows as selected, framed, while nothing else is
// selected; never on paper and never outside form mode.
TEST_F(ViewDraw, FormFrameWhileNothingIsSelected)
{
    const uint32_t kNavy = Rgb(RGB(0, 0, 128));
    struct Case {
        BOOL bFormMode;
        bool bSelection;
        BOOL bPrinting;
        bool bFrame;
    } cases[] = {{TRUE, false, FALSE, true},
                 {TRUE, true, FALSE, false},
                 {TRUE, false, TRUE, false},
                 {FALSE, false, FALSE, false}};
    for (const Case& c : cases) {
        Model().SetFormDesignMode(c.bFormMode);
        Model().SetPrintPageRect(CRect(40, 40, 340, 240));
        Model().SetPagePosition(CRect(40, 40, 340, 240));
        if (c.bSelection)
            Select({a});
        else
            Select({});
        Canvas canvas(400, 300, c.bPrinting);
        m_pView->DrawBackground(canvas.DC(), CRect(0, 0, 400, 300));
        // The frame's band runs just outside the page: solid at its corners
        // and at the middle of its edges.
        EXPECT_EQ(canvas.At(36, 36) == kNavy, c.bFrame) << c.bFormMode << c.bSelection << c.bPrinting;
        EXPECT_EQ(canvas.At(36, 140) == kNavy, c.bFrame) << c.bFormMode << c.bSelection << c.bPrinting;
    }
}

// The rows and columns of the canvas that hold non-white pixels.
CRect InkBounds(Canvas& canvas, int cx, int cy)
{
    const auto pixels = canvas.Pixels();
    CRect ink(cx, cy, -1, -1);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            if (pixels[static_cast<size_t>(y) * cx + x] != 0xFFFFFFu) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
    return ink;
}

TEST_F(ViewDraw, HeaderAndFooterTextsSitInTheirBands)
{
    const int cx = 600;
    const int cy = 800;
    const CRect body(50, 60, 550, 700);
    struct Case {
        int nText;
        bool bHeader;
        int nAlign; // 0 left, 1 centre, 2 right
    } cases[] = {{QY_HEADER_LEFT, true, 0},  {QY_HEADER_CENTER, true, 1},  {QY_HEADER_RIGHT, true, 2},
                 {QY_FOOTER_LEFT, false, 0}, {QY_FOOTER_CENTER, false, 1}, {QY_FOOTER_RIGHT, false, 2}};
    for (const Case& c : cases) {
        for (CString& str : Model().m_strHeaderFooter)
            str.Empty();
        Model().m_strHeaderFooter[c.nText] = "Plexo";
        Canvas canvas(cx, cy, TRUE);
        canvas.DC()->FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
        const int h = [&] {
            m_pView->PrepareHeaderFooterDC(canvas.DC());
            const int n = canvas.DC()->GetTextExtent("S", 1).cy;
            m_pView->ClearDC(canvas.DC());
            return n;
        }();
        m_pView->DrawHeaderFooterBands(canvas.DC(), &body);
        const CRect ink = InkBounds(canvas, cx, cy);
        ASSERT_LT(ink.left, ink.right) << c.nText;
        // Vertically inside the band.
        const int nTop = c.bHeader ? h : std::max(body.bottom, cy - 2 * h);
        const int nBottom = c.bHeader ? body.top : cy - h;
        EXPECT_GE(ink.top, nTop) << c.nText;
        EXPECT_LE(ink.bottom, nBottom) << c.nText;
        // Horizontally by alignment.
        if (c.nAlign == 0)
            EXPECT_LT(ink.left - body.left, 4) << c.nText;
        else if (c.nAlign == 2)
            EXPECT_LT(body.right - ink.right, 4) << c.nText;
        else
            EXPECT_LE(std::abs((ink.left + ink.right) / 2 - (body.left + body.right) / 2), 3) << c.nText;
    }
}

// A page body reaching below two text heights above the paper's bottom
// starts the footer band at the body's bottom: a band less than one text
// height tall, the text centred on it.
TEST_F(ViewDraw, FooterBandStartsAtALowBodysBottom)
{
    const int cx = 600;
    const int cy = 800;
    for (CString& str : Model().m_strHeaderFooter)
        str.Empty();
    Model().m_strHeaderFooter[QY_FOOTER_CENTER] = "Plexo";
    Canvas canvas(cx, cy, TRUE);
    canvas.DC()->FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
    m_pView->PrepareHeaderFooterDC(canvas.DC());
    const int h = canvas.DC()->GetTextExtent("S", 1).cy;
    m_pView->ClearDC(canvas.DC());
    ASSERT_GT(h, 8);
    const CRect body(50, 60, 550, cy - h - 4);
    m_pView->DrawHeaderFooterBands(canvas.DC(), &body);
    const CRect ink = InkBounds(canvas, cx, cy);
    ASSERT_LT(ink.top, ink.bottom);
    // The same text drawn centred on the band from the body's bottom to one
    // text height above the paper's bottom.
    Canvas expected(cx, cy, TRUE);
    expected.DC()->FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
    m_pView->PrepareHeaderFooterDC(expected.DC());
    const int w = expected.DC()->GetTextExtent("Plexo", 5).cx;
    const int m = (body.left + body.right) / 2;
    CRect band(m - w / 2, body.bottom, m + w / 2, cy - h);
    expected.DC()->DrawText("Plexo", 5, &band, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    m_pView->ClearDC(expected.DC());
    EXPECT_EQ(ink, InkBounds(expected, cx, cy));
    // A band of a full text height would put it higher.
    EXPECT_GT(ink.top, cy - 2 * h);
}

TEST_F(ViewDraw, EmptyHeaderAndFooterDrawNothingAndKeepTheContext)
{
    Canvas canvas(300, 300, TRUE);
    canvas.DC()->FillSolidRect(0, 0, 300, 300, RGB(255, 255, 255));
    const COLORREF crText = canvas.DC()->GetTextColor();
    const int nMode = canvas.DC()->GetBkMode();
    m_pView->DrawHeaderFooterBands(canvas.DC(), nullptr);
    EXPECT_EQ(InkBounds(canvas, 300, 300).right, -1);
    EXPECT_EQ(canvas.DC()->GetTextColor(), crText);
    EXPECT_EQ(canvas.DC()->GetBkMode(), nMode);
}

// The frame mark: a 6-pixel band around the rectangle widened by 2, in the
// mark's blue dotted with white, broken by white squares at the corners and
// the edge centres, and nothing drawn inside or beyond it.
TEST_F(ViewDraw, FrameMarkIsABandOutsideTheRectangle)
{
    const uint32_t kGrey = 0x808080;
    const uint32_t kBlue = Rgb(RGB(183, 209, 253));
    Canvas canvas(200, 200);
    canvas.DC()->FillSolidRect(0, 0, 200, 200, RGB(128, 128, 128));
    const CRect rect(60, 60, 140, 120);
    m_pView->DrawFrameMark(canvas.DC(), rect);
    const std::vector<uint32_t> pixels = canvas.Pixels();
    auto at = [&pixels](int x, int y) { return pixels[static_cast<size_t>(y) * 200 + x]; };
    CRect inner = rect;
    inner.InflateRect(2, 2);
    CRect outer = inner;
    outer.InflateRect(6, 6);
    int nBlue = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const CPoint pt(x, y);
            const bool bInBand = outer.PtInRect(pt) && !inner.PtInRect(pt);
            const uint32_t p = at(x, y);
            if (!bInBand) {
                ASSERT_EQ(p, kGrey) << x << ", " << y;
                continue;
            }
            ASSERT_TRUE(p == kBlue || p == 0xFFFFFFu) << x << ", " << y;
            nBlue += p == kBlue;
        }
    EXPECT_GT(nBlue, 300);
    // The breaks cover the band's width: white across it at each corner
    // and in the middle of each edge.
    const CPoint mid = inner.CenterPoint();
    for (CPoint pt : {CPoint(inner.left - 3, inner.top - 3), CPoint(inner.right + 2, inner.bottom + 2),
                      CPoint(mid.x, inner.top - 1), CPoint(mid.x, inner.top - 6), CPoint(inner.left - 1, mid.y),
                      CPoint(inner.right, mid.y), CPoint(inner.right + 5, mid.y), CPoint(mid.x, inner.bottom + 5)})
        EXPECT_EQ(at(pt.x, pt.y), 0xFFFFFFu) << pt.x << ", " << pt.y;
}

// ---------------------------------------------------------------------------
// Export

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

template <typename T>
T At(const std::string& bytes, size_t offset)
{
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

class ViewExport : public ViewDraw {
protected:
    void SetUp() override
    {
        ViewDraw::SetUp();
        m_folder = std::filesystem::temp_directory_path() / ("plexo-view-export-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override
    {
        std::filesystem::remove_all(m_folder);
        ViewDraw::TearDown();
    }
    std::filesystem::path m_folder;
};

TEST_F(ViewExport, BitmapAtThePageSizeAndExtensionAdded)
{
    a->GetDefaultProperty()->SetBkColor(RGB(255, 0, 0));
    ASSERT_TRUE(m_pView->ExportByExtension((m_folder / "page").string().c_str()));
    const std::filesystem::path path = m_folder / "page.bmp";
    ASSERT_TRUE(std::filesystem::exists(path));
    const std::string bytes = ReadFile(path);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(At<uint32_t>(bytes, 2), bytes.size());
    EXPECT_EQ(At<int32_t>(bytes, 18), 400);
    EXPECT_EQ(std::abs(At<int32_t>(bytes, 22)), 300);
    EXPECT_EQ(At<uint16_t>(bytes, 28), 24); // in colour
    // Read back: a's red fill is in the picture.
    CQYImageBaseObj image;
    ASSERT_TRUE(image.LoadFromFile(path.string().c_str()));
    EXPECT_EQ(image.GetWidth(), 400);
    // Another program's reader (Qt's) opens it at the page size, the right
    // way up, with a's fill (20-120, 20-90) where it lies on the page.
    QImage other;
    ASSERT_TRUE(other.load(QString::fromStdString(path.string()), "BMP"));
    EXPECT_EQ(other.size(), QSize(400, 300));
    EXPECT_EQ(other.pixel(50, 50) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(other.pixel(50, 150) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(other.pixel(150, 50) & 0xFFFFFF, 0xFF0000u);
    // ".dib" is written in the same format.
    ASSERT_TRUE(m_pView->ExportByExtension((m_folder / "page.DIB").string().c_str()));
    EXPECT_EQ(ReadFile(m_folder / "page.DIB").substr(0, 2), "BM");
}

TEST_F(ViewExport, MetafileOfTheTopLeftCornerShrunk)
{
    a->GetDefaultProperty()->SetBkColor(RGB(255, 0, 0));
    const std::filesystem::path path = m_folder / "page.emf";
    ASSERT_TRUE(m_pView->ExportByExtension(path.string().c_str()));
    const std::string bytes = ReadFile(path);
    ASSERT_GE(bytes.size(), sizeof(ENHMETAHEADER));
    ENHMETAHEADER header = At<ENHMETAHEADER>(bytes, 0);
    EXPECT_EQ(header.iType, 1u);
    EXPECT_EQ(header.dSignature, 0x464D4520u); // " EMF"
    EXPECT_EQ(header.nBytes, bytes.size());
    // The frame: the 400 x 300 page in hundredths of a millimetre.
    EXPECT_NEAR(header.rclFrame.right - header.rclFrame.left, 400 * 2540 / 96, 2);
    EXPECT_NEAR(header.rclFrame.bottom - header.rclFrame.top, 300 * 2540 / 96, 2);
    // The picture: 320 x 240 device units.
    EXPECT_EQ(header.rclBounds.left, 0);
    EXPECT_EQ(header.rclBounds.top, 0);
    EXPECT_NEAR(header.rclBounds.right, 319, 1);
    EXPECT_NEAR(header.rclBounds.bottom, 239, 1);
    // Played back into the frame's 400 x 300 pixels, the picture covers
    // its top-left 320 x 240.
    HENHMETAFILE hMeta =
        SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), reinterpret_cast<const BYTE*>(bytes.data()));
    ASSERT_NE(hMeta, nullptr);
    Canvas canvas(400, 300);
    canvas.DC()->FillSolidRect(0, 0, 400, 300, RGB(0, 0, 255));
    CRect rect(0, 0, 400, 300);
    EXPECT_TRUE(PlayEnhMetaFile(canvas.DC()->m_hDC, hMeta, &rect));
    DeleteEnhMetaFile(hMeta);
    EXPECT_EQ(canvas.At(0, 0), 0u);            // the black frame
    EXPECT_NE(canvas.At(310, 230), 0x0000FFu); // painted over
    EXPECT_EQ(canvas.At(330, 250), 0x0000FFu); // beyond the picture
    // a's red fill (20-120, 20-90 on the page) at two fifths: 8-48, 8-36.
    EXPECT_EQ(canvas.At(12, 12), 0xFF0000u);
    EXPECT_EQ(canvas.At(44, 33), 0xFF0000u);
    EXPECT_NE(canvas.At(60, 12), 0xFF0000u);
    EXPECT_NE(canvas.At(12, 45), 0xFF0000u);
}

// The metafile read record by record as the format lays it out, without the
// library's own player: a chain of records that fills the file exactly,
// counted in the header, ending in the end-of-file record, holding one
// stretched copy of the 800 x 600 corner into the 320 x 240 picture.
TEST_F(ViewExport, MetafileRecordsFollowTheFormat)
{
    const std::filesystem::path path = m_folder / "records.emf";
    ASSERT_TRUE(m_pView->ExportByExtension(path.string().c_str()));
    const std::string bytes = ReadFile(path);
    ASSERT_GE(bytes.size(), 108u);
    ASSERT_EQ(At<uint32_t>(bytes, 0), 1u); // the header record comes first
    const uint32_t nHeaderSize = At<uint32_t>(bytes, 4);
    EXPECT_GE(nHeaderSize, 88u);
    EXPECT_EQ(At<uint32_t>(bytes, 40), 0x464D4520u);   // " EMF"
    EXPECT_EQ(At<uint32_t>(bytes, 44), 0x10000u);      // version
    EXPECT_EQ(At<uint32_t>(bytes, 48), bytes.size());  // bytes
    const uint32_t nRecords = At<uint32_t>(bytes, 52); // records
    EXPECT_GT(At<int32_t>(bytes, 72), 0);              // the reference device in pixels
    EXPECT_GT(At<int32_t>(bytes, 80), 0);              // and in millimetres
    size_t offset = 0;
    uint32_t nWalked = 0;
    uint32_t nLastType = 0;
    int nStretches = 0;
    while (offset + 8 <= bytes.size()) {
        const uint32_t nType = At<uint32_t>(bytes, offset);
        const uint32_t nSize = At<uint32_t>(bytes, offset + 4);
        ASSERT_GE(nSize, 8u) << "record " << nWalked;
        ASSERT_EQ(nSize % 4, 0u) << "record " << nWalked;
        ASSERT_LE(offset + nSize, bytes.size()) << "record " << nWalked;
        if (nType == 77) { // a stretched copy: destination, then the source bitmap
            ++nStretches;
            EXPECT_EQ(At<int32_t>(bytes, offset + 24), 0);
            EXPECT_EQ(At<int32_t>(bytes, offset + 28), 0);
            EXPECT_EQ(At<int32_t>(bytes, offset + 32), 320);
            EXPECT_EQ(At<int32_t>(bytes, offset + 36), 240);
            EXPECT_EQ(At<uint32_t>(bytes, offset + 40), SRCCOPY);
            EXPECT_EQ(At<int32_t>(bytes, offset + 100), 800);
            EXPECT_EQ(At<int32_t>(bytes, offset + 104), 600);
            const uint32_t offBmi = At<uint32_t>(bytes, offset + 84);
            const uint32_t cbBmi = At<uint32_t>(bytes, offset + 88);
            const uint32_t offBits = At<uint32_t>(bytes, offset + 92);
            const uint32_t cbBits = At<uint32_t>(bytes, offset + 96);
            ASSERT_GE(cbBmi, 40u);
            ASSERT_LE(offBmi + cbBmi, nSize);
            ASSERT_LE(offBits + cbBits, nSize);
            EXPECT_EQ(At<int32_t>(bytes, offset + offBmi + 4), 800);
            EXPECT_EQ(std::abs(At<int32_t>(bytes, offset + offBmi + 8)), 600);
            EXPECT_GE(cbBits, 800u * 600u * At<uint16_t>(bytes, offset + offBmi + 14) / 8);
        }
        nLastType = nType;
        offset += nSize;
        ++nWalked;
    }
    EXPECT_EQ(offset, bytes.size());
    EXPECT_EQ(nWalked, nRecords);
    EXPECT_EQ(nLastType, 14u); // end of file
    EXPECT_EQ(nStretches, 1);
}

TEST_F(ViewExport, AFailedExportLeavesTheOldFile)
{
    const std::filesystem::path path = m_folder / "old.bmp";
    std::ofstream(path, std::ios::binary) << "precious";
    Model().SetPagePosition(CRect(0, 0, 0, 0)); // nothing to render
    EXPECT_FALSE(m_pView->ExportByExtension(path.string().c_str()));
    EXPECT_EQ(ReadFile(path), "precious");
    EXPECT_FALSE(m_pView->ExportByExtension((m_folder / "missing" / "x.emf").string().c_str()));
    EXPECT_FALSE(m_pView->ExportByExtension((m_folder / "missing" / "x.bmp").string().c_str()));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "missing"));
}

} // namespace
