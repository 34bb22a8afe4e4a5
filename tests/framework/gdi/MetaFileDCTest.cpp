#include "GdiTestSupport.h"

#include "framework/gdi/Icon.h"
#include "framework/gdi/MetaFileDC.h"

#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kSize = 96;

// The frame of a kSize x kSize pixel picture in 0.01 mm at 96 dots per inch.
RECT PixelFrame()
{
    const LONG himetric = (kSize * 2540 + 48) / 96;
    return RECT{0, 0, himetric, himetric};
}

// Records a drawing, plays it 1:1 on a fresh canvas and draws it directly on
// another: the two must match pixel for pixel.
void ExpectSamePixels(const std::function<void(CDC &)> &draw)
{
    Canvas direct(kSize, kSize);
    draw(direct.dc);

    CMetaFileDC recorder;
    const RECT frame = PixelFrame();
    ASSERT_TRUE(recorder.CreateEnhanced(nullptr, nullptr, &frame, "Plexo\0Test\0\0"));
    draw(recorder);
    HENHMETAFILE emf = recorder.CloseEnhanced();
    ASSERT_NE(emf, nullptr);

    Canvas played(kSize, kSize);
    const RECT target{0, 0, kSize, kSize};
    ASSERT_TRUE(PlayEnhMetaFile(played.dc.m_hDC, emf, &target));
    int differing = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            differing += direct.At(x, y) != played.At(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_GT(kSize * kSize - direct.Count(RGB(255, 255, 255)), 0) << "the drawing drew nothing";
    DeleteEnhMetaFile(emf);
}

struct RoundTrip {
    const char *name;
    std::function<void(CDC &)> draw;
};

void Lines(CDC &dc)
{
    CPen red(PS_SOLID, 1, RGB(255, 0, 0)), wide(PS_SOLID, 3, RGB(0, 0, 255)), dashed(PS_DASH, 1, RGB(0, 128, 0));
    CPen *old = dc.SelectObject(&red);
    dc.MoveTo(5, 5);
    dc.LineTo(90, 20);
    dc.SelectObject(&wide);
    const POINT zigzag[] = {{5, 40}, {20, 30}, {35, 50}, {50, 30}, {65, 50}};
    dc.Polyline(zigzag, 5);
    dc.SelectObject(&dashed);
    dc.MoveTo(5, 70);
    const POINT to[] = {{40, 60}, {80, 90}};
    dc.PolylineTo(to, 2);
    const POINT curve[] = {{10, 80}, {30, 40}, {60, 120}, {90, 60}};
    dc.PolyBezier(curve, 4);
    const POINT strokes[] = {{60, 30}, {90, 35}, {70, 45}, {62, 40}, {92, 48}};
    const DWORD sizes[] = {3, 2};
    dc.PolyPolyline(strokes, sizes, 2);
    dc.SelectObject(old);
    dc.Arc(50, 50, 90, 90, 90, 70, 50, 70);
    dc.SetPixel(2, 93, RGB(200, 0, 200));
}

void Fills(CDC &dc)
{
    CBrush solid(RGB(0, 160, 0)), hatch(HS_DIAGCROSS, RGB(0, 0, 255));
    CBitmap bits;
    const WORD pattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    bits.CreateBitmap(8, 8, 1, 1, pattern);
    CBrush patterned;
    patterned.CreatePatternBrush(&bits);
    CBrush *old = dc.SelectObject(&solid);
    dc.Rectangle(5, 5, 40, 30);
    dc.SelectObject(&hatch);
    dc.Ellipse(45, 5, 90, 40);
    dc.SetTextColor(RGB(128, 0, 0));
    dc.SelectObject(&patterned);
    const POINT triangle[] = {{5, 90}, {45, 45}, {85, 90}};
    dc.Polygon(triangle, 3);
    dc.SelectObject(old);
    dc.RoundRect(50, 50, 90, 70, 10, 10);
    dc.Pie(5, 40, 35, 70, 35, 55, 20, 40);
    CRect rect(60, 75, 90, 90);
    dc.FillRect(&rect, &solid);
    dc.FillSolidRect(40, 32, 10, 6, RGB(255, 128, 0));
    dc.SelectStockObject(NULL_PEN);
    dc.SelectStockObject(GRAY_BRUSH);
    dc.Rectangle(2, 92, 30, 96);
    // A DIB pattern brush (4x4, 24 bits, bottom-up) at a moved brush origin.
    std::vector<BYTE> dib(40 + 4 * 12, 0);
    const DWORD header[] = {40, 4, 4, 1u | 24u << 16, BI_RGB};
    std::memcpy(dib.data(), header, sizeof header);
    for (int i = 0; i < 16; ++i)
        dib[40 + (i / 4) * 12 + (i % 4) * 3 + (i % 3)] = static_cast<BYTE>(60 + 12 * i);
    CBrush dibBrush;
    ASSERT_TRUE(dibBrush.CreateDIBPatternBrush(dib.data(), DIB_RGB_COLORS));
    SetBrushOrgEx(dc.m_hDC, 2, 1, nullptr);
    dc.SelectObject(&dibBrush);
    dc.Rectangle(60, 40, 94, 60);
    dc.SelectStockObject(WHITE_BRUSH);
}

void Text(CDC &dc)
{
    CFont font;
    font.CreatePointFont(120, "DejaVu Sans");
    CFont *old = dc.SelectObject(&font);
    dc.SetTextColor(RGB(0, 0, 200));
    dc.TextOut(4, 4, CString("Plexo"));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_BOTTOM | TA_RIGHT);
    dc.TextOut(90, 60, CString("Grüße"));
    dc.SelectObject(old);
    CRect box(4, 70, 60, 90);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(255, 255, 0));
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.ExtTextOut(6, 72, ETO_OPAQUE | ETO_CLIPPED, &box, CString("clipped text"), nullptr);
}

void FormattedText(CDC &dc)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_BASELINE | TA_CENTER); // DrawText places its lines itself
    CRect box(4, 4, 60, 60);
    dc.DrawText(CString("Two words\nand\ttab"), &box, DT_LEFT);
    CRect narrow(50, 60, 92, 90);
    dc.DrawText(CString("centred and cut off"), &narrow, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    dc.TextOut(60, 30, CString("after"));
}

void PathsAndClips(CDC &dc)
{
    dc.SaveDC();
    dc.IntersectClipRect(10, 10, 80, 80);
    dc.ExcludeClipRect(40, 40, 50, 50);
    CBrush blue(RGB(0, 0, 255));
    dc.SelectObject(&blue);
    dc.Rectangle(0, 0, 96, 96);
    dc.RestoreDC(-1);
    dc.BeginPath();
    dc.MoveTo(20, 85);
    dc.LineTo(50, 60);
    dc.LineTo(80, 85);
    dc.CloseFigure();
    dc.EndPath();
    CBrush green(RGB(0, 200, 0));
    CBrush *old = dc.SelectObject(&green);
    dc.FillPath();
    CRgn region;
    region.CreateEllipticRgn(60, 5, 90, 35);
    dc.SelectClipRgn(&region);
    dc.SelectObject(old);
    dc.FillSolidRect(50, 0, 46, 46, RGB(255, 0, 0));
    dc.SelectClipRgn(nullptr);
    dc.FrameRgn(&region, &green, 2, 2);
}

void Mapped(CDC &dc)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(-10, -10);
    dc.SetWindowExt(200, 200);
    dc.SetViewportExt(96, 96);
    CPen pen(PS_SOLID, 4, RGB(255, 0, 0));
    dc.SelectObject(&pen);
    dc.Rectangle(0, 0, 100, 60);
    dc.Ellipse(100, 80, 180, 170);
    TRIVERTEX band[2] = {{10, 120, 0xFF00, 0, 0, 0}, {90, 180, 0, 0, 0xFF00, 0}};
    GRADIENT_RECT rect{0, 1};
    dc.GradientFill(band, 2, &rect, 1, GRADIENT_FILL_RECT_H);
    dc.SetMapMode(MM_TEXT);
    dc.SetWindowOrg(0, 0);
    dc.SelectStockObject(BLACK_PEN);
    dc.LineTo(90, 5);
}

void Blit(CDC &dc)
{
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(16, 16, 1, 32, nullptr);
    CBitmap *old = memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 16, 16, RGB(0, 0, 255));
    memory.FillSolidRect(0, 0, 8, 8, RGB(255, 0, 0));
    memory.FillSolidRect(8, 8, 8, 8, RGB(0, 255, 0));
    dc.BitBlt(10, 10, 16, 16, &memory, 0, 0, SRCCOPY);
    dc.StretchBlt(40, 10, 32, 32, &memory, 0, 0, 16, 16, SRCCOPY);
    dc.BitBlt(10, 50, 12, 12, &memory, 4, 4, SRCCOPY);
    CBrush hatch(HS_CROSS, RGB(0, 0, 0));
    dc.SelectObject(&hatch);
    dc.PatBlt(50, 60, 30, 30, PATCOPY);
    dc.SelectStockObject(WHITE_BRUSH);
    memory.SelectObject(old);
    CRect framed(4, 70, 40, 92), inverted(30, 80, 60, 94);
    CBrush red(RGB(255, 0, 0));
    dc.FrameRect(&framed, &red);
    dc.InvertRect(&inverted);
    dc.Draw3dRect(62, 4, 30, 20, RGB(0, 0, 255), RGB(0, 128, 0));
    // A bottom-up 24-bit DIB, 3x2, part of it stretched.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    const BYTE rows[24] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 255, 255, 255, 0, 255, 255, 255, 0};
    StretchDIBits(dc.m_hDC, 64, 64, 24, 16, 1, 0, 2, 2, rows, &info, DIB_RGB_COLORS, SRCCOPY);
}

// The same kinds of drawing through the plain context functions.
void GradientsThroughTheContext(CDC &dc)
{
    HDC hdc = dc.m_hDC;
    TRIVERTEX band[2] = {{4, 4, 0xFF00, 0, 0, 0}, {60, 30, 0, 0, 0xFF00, 0}};
    GRADIENT_RECT rect{0, 1};
    GradientFill(hdc, band, 2, &rect, 1, GRADIENT_FILL_RECT_H);
    TRIVERTEX column[2] = {{64, 4, 0, 0xFF00, 0, 0}, {92, 60, 0xFF00, 0xFF00, 0, 0}};
    GradientFill(hdc, column, 2, &rect, 1, GRADIENT_FILL_RECT_V);
    TRIVERTEX corners[3] = {{4, 40, 0xFF00, 0, 0, 0}, {60, 40, 0, 0xFF00, 0, 0}, {30, 92, 0, 0, 0xFF00, 0}};
    GRADIENT_TRIANGLE triangle{0, 1, 2};
    GradientFill(hdc, corners, 3, &triangle, 1, GRADIENT_FILL_TRIANGLE);
}

// A 16x16 icon: a red square inside, transparent around it.
HICON MakeIcon()
{
    HBITMAP colour = CreateBitmap(16, 16, 1, 32, nullptr);
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory.m_hDC, colour);
    memory.FillSolidRect(0, 0, 16, 16, RGB(0, 0, 0));
    memory.FillSolidRect(4, 4, 8, 8, RGB(200, 30, 30));
    SelectObject(memory.m_hDC, mask);
    memory.FillSolidRect(0, 0, 16, 16, RGB(255, 255, 255));
    memory.FillSolidRect(4, 4, 8, 8, RGB(0, 0, 0));
    SelectObject(memory.m_hDC, old);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

void EdgesIconsAndTabsThroughTheContext(CDC &dc)
{
    HDC hdc = dc.m_hDC;
    RECT raised{4, 4, 40, 30}, sunken{44, 4, 90, 30}, flat{4, 34, 40, 50};
    DrawEdge(hdc, &raised, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    DrawEdge(hdc, &sunken, EDGE_SUNKEN, BF_RECT);
    DrawEdge(hdc, &flat, BDR_RAISEDOUTER, BF_BOTTOMRIGHT | BF_FLAT);
    RECT frame{44, 34, 60, 50};
    DrawFrameControl(hdc, &frame, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    HICON icon = MakeIcon();
    RECT under{60, 34, 90, 60};
    FillRect(hdc, &under, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH))); // shows through the mask
    DrawIconEx(hdc, 62, 36, icon, 16, 16, 0, nullptr, DI_NORMAL);
    DrawIconEx(hdc, 62, 54, icon, 32, 8, 0, nullptr, DI_NORMAL); // stretched
    PlexoDestroyGdiIcon(icon);
    SetBkMode(hdc, TRANSPARENT);
    const INT stops[] = {30};
    TabbedTextOut(hdc, 4, 70, "a\tb\tc", 5, 1, stops, 4);
}

void DibAndClipsThroughTheContext(CDC &dc)
{
    HDC hdc = dc.m_hDC;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    const BYTE rows[24] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 255, 255, 255, 0, 255, 255, 255, 0};
    SetDIBitsToDevice(hdc, 4, 4, 3, 2, 0, 0, 0, 2, rows, &info, DIB_RGB_COLORS);
    SaveDC(hdc);
    IntersectClipRect(hdc, 10, 10, 80, 80);
    ExcludeClipRect(hdc, 40, 40, 50, 50);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    HGDIOBJ old = SelectObject(hdc, blue);
    Rectangle(hdc, 0, 0, 96, 96);
    RestoreDC(hdc, -1); // the clip and the brush as they were
    SelectObject(hdc, blue);
    HRGN ellipse = CreateEllipticRgn(60, 5, 90, 35);
    ExtSelectClipRgn(hdc, ellipse, RGN_AND);
    RECT all{0, 0, 96, 96};
    FillRect(hdc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SelectClipRgn(hdc, nullptr);
    BeginPath(hdc);
    MoveToEx(hdc, 20, 85, nullptr);
    LineTo(hdc, 50, 60);
    LineTo(hdc, 80, 85);
    CloseFigure(hdc);
    EndPath(hdc);
    FillPath(hdc);
    BeginPath(hdc);
    Rectangle(hdc, 4, 60, 30, 94);
    EndPath(hdc);
    SelectClipPath(hdc, RGN_COPY);
    FillRect(hdc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectClipRgn(hdc, nullptr);
    SelectObject(hdc, old);
    DeleteObject(blue);
    DeleteObject(ellipse);
}

TEST(MetaFileDC, DrawingThroughTheContextFunctionsIsRecordedToo)
{
    const RoundTrip cases[] = {
        {"gradients", GradientsThroughTheContext},
        {"edges, icons and tabs", EdgesIconsAndTabsThroughTheContext},
        {"a DIB, clips and paths", DibAndClipsThroughTheContext},
    };
    for (const RoundTrip &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSamePixels(c.draw);
    }
}

TEST(MetaFileDC, RecordedDrawingPlaysBackToTheSamePixels)
{
    const RoundTrip cases[] = {
        {"lines", Lines},
        {"fills", Fills},
        {"text", Text},
        {"formatted text", FormattedText},
        {"paths and clips", PathsAndClips},
        {"mapping", Mapped},
        {"blits", Blit},
    };
    for (const RoundTrip &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSamePixels(c.draw);
    }
}

TEST(MetaFileDC, HeaderCarriesCountsBoundsFrameAndDescription)
{
    CMetaFileDC recorder;
    ASSERT_TRUE(recorder.CreateEnhanced(nullptr, nullptr, nullptr, "Orchard\0Page 1\0\0"));
    CBrush brush(RGB(255, 0, 0));
    CBrush *old = recorder.SelectObject(&brush);
    recorder.Rectangle(10, 20, 50, 40);
    recorder.SelectObject(old);
    recorder.MoveTo(5, 5);
    recorder.LineTo(60, 8);
    EXPECT_EQ(recorder.GetCurrentPosition(), CPoint(60, 8));
    HENHMETAFILE emf = recorder.CloseEnhanced();
    ASSERT_NE(emf, nullptr);
    EXPECT_EQ(recorder.m_hDC, nullptr);

    ENHMETAHEADER header{};
    ASSERT_EQ(GetEnhMetaFileHeader(emf, sizeof header, &header), sizeof header);
    // header, create brush, select, rectangle, select stock, delete brush, move, line, end
    EXPECT_EQ(header.nRecords, 9u);
    EXPECT_EQ(header.nHandles, 2);
    EXPECT_EQ(header.rclBounds.left, 5);
    EXPECT_EQ(header.rclBounds.top, 5);
    EXPECT_EQ(header.rclBounds.right, 60);
    EXPECT_EQ(header.rclBounds.bottom, 40);
    // The frame is the bounds in 0.01 mm at 96 dots per inch.
    EXPECT_NEAR(header.rclFrame.right, 60 * 2540 / 96, 1);
    EXPECT_NEAR(header.rclFrame.bottom, 40 * 2540 / 96, 1);
    EXPECT_GT(header.szlDevice.cx, 0);
    EXPECT_NEAR(header.szlMillimeters.cx, header.szlDevice.cx * 25.4 / 96, 1);
    std::vector<BYTE> bytes(GetEnhMetaFileBits(emf, 0, nullptr));
    GetEnhMetaFileBits(emf, static_cast<UINT>(bytes.size()), bytes.data());
    EXPECT_EQ(header.nBytes, bytes.size());
    ASSERT_EQ(header.nDescription, 16u); // "Orchard", NUL, "Page 1", NUL, NUL
    const char16_t *description = reinterpret_cast<const char16_t *>(bytes.data() + header.offDescription);
    EXPECT_EQ(std::u16string(description, 16), std::u16string(u"Orchard\0Page 1\0\0", 16));

    // Bytes taken back through SetEnhMetaFileBits are the same bytes.
    HENHMETAFILE again = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
    ASSERT_NE(again, nullptr);
    std::vector<BYTE> second(bytes.size());
    GetEnhMetaFileBits(again, static_cast<UINT>(second.size()), second.data());
    EXPECT_EQ(second, bytes);
    DeleteEnhMetaFile(again);
    DeleteEnhMetaFile(emf);
}

// The header stores application NUL picture NUL NUL, whatever part of it the
// caller gives; the reader hands back the same shape.
TEST(MetaFileDC, DescriptionKeepsBothNamesAndTheFinalNul)
{
    struct Case {
        const char *name;
        const char *text;
        std::u16string stored;
    };
    const Case cases[] = {
        {"both names", "Orchard\0Page 1\0\0", std::u16string(u"Orchard\0Page 1\0\0", 16)},
        {"application only", "Orchard\0\0", std::u16string(u"Orchard\0\0\0", 10)},
        {"picture only", "\0Page 1\0\0", std::u16string(u"\0Page 1\0\0", 9)},
        {"non-ASCII names", "K\xC3\xB6ln\0\xE2\x82\xAC\0\0", std::u16string(u"K\u00F6ln\0\u20AC\0\0", 8)},
        {"empty", "\0\0", {}},
        {"none", nullptr, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CMetaFileDC recorder;
        ASSERT_TRUE(recorder.CreateEnhanced(nullptr, nullptr, nullptr, c.text));
        recorder.MoveTo(1, 1);
        HENHMETAFILE emf = recorder.CloseEnhanced();
        ASSERT_NE(emf, nullptr);
        std::vector<BYTE> bytes(GetEnhMetaFileBits(emf, 0, nullptr));
        GetEnhMetaFileBits(emf, static_cast<UINT>(bytes.size()), bytes.data());
        ENHMETAHEADER header{};
        ASSERT_EQ(GetEnhMetaFileHeader(emf, sizeof header, &header), sizeof header);
        ASSERT_EQ(header.nDescription, c.stored.size());
        EXPECT_EQ(header.offDescription, c.stored.empty() ? 0u : 108u);
        // The header record ends on a 4-byte boundary after the units.
        EXPECT_EQ(header.nSize, 108 + ((2 * c.stored.size() + 3) & ~size_t(3)));
        std::u16string stored(c.stored.size(), u'\0');
        if (!stored.empty())
            std::memcpy(stored.data(), bytes.data() + header.offDescription, 2 * stored.size());
        EXPECT_EQ(stored, c.stored);

        // Read back as UTF-8 in the same shape (the caller's text when it had
        // both terminators, else with them added).
        std::string expected;
        if (!c.stored.empty()) {
            const std::string_view application(c.text);
            const std::string_view picture(c.text + application.size() + 1);
            expected = std::string(application) + '\0' + std::string(picture) + std::string(2, '\0');
        }
        const UINT length = GetEnhMetaFileDescription(emf, 0, nullptr);
        ASSERT_EQ(length, expected.size());
        std::string text(length, 'x');
        EXPECT_EQ(GetEnhMetaFileDescription(emf, length, text.data()), length);
        EXPECT_EQ(text, expected);
        DeleteEnhMetaFile(emf);
    }
}

TEST(MetaFileDC, ObjectTableSlotsAreReused)
{
    CMetaFileDC recorder;
    ASSERT_TRUE(recorder.CreateEnhanced(nullptr, nullptr, nullptr, nullptr));
    for (int i = 0; i < 500; ++i) {
        CPen pen(PS_SOLID, 1, RGB(i % 256, 0, 0));
        CPen *old = recorder.SelectObject(&pen);
        recorder.LineTo(i % 90, i % 70);
        recorder.SelectObject(old);
    }
    HENHMETAFILE emf = recorder.CloseEnhanced();
    ASSERT_NE(emf, nullptr);
    ENHMETAHEADER header{};
    GetEnhMetaFileHeader(emf, sizeof header, &header);
    EXPECT_EQ(header.nHandles, 2);
    DeleteEnhMetaFile(emf);
}

TEST(MetaFileDC, MeasuresOnTheAttributeContext)
{
    Canvas screen(10, 10);
    CMetaFileDC recorder;
    ASSERT_TRUE(recorder.CreateEnhanced(&screen.dc, nullptr, nullptr, nullptr));
    recorder.SetAttribDC(screen.dc.m_hDC);
    EXPECT_EQ(recorder.m_hAttribDC, screen.dc.m_hDC);
    const CSize direct = screen.dc.GetTextExtent(CString("Measure"));
    EXPECT_EQ(recorder.GetTextExtent(CString("Measure")), direct);
    recorder.SetTextColor(RGB(1, 2, 3)); // attribute changes reach both
    EXPECT_EQ(screen.dc.GetTextColor(), RGB(1, 2, 3));
    recorder.ReleaseAttribDC();
    HENHMETAFILE emf = recorder.CloseEnhanced();
    EXPECT_NE(emf, nullptr);
    DeleteEnhMetaFile(emf);
}

} // namespace

namespace {

TEST(MetaFileDC, IsARunTimeClassDerivedFromCDC)
{
    CMetaFileDC recorder;
    EXPECT_TRUE(recorder.IsKindOf(RUNTIME_CLASS(CDC)));
    EXPECT_TRUE(recorder.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_STREQ(RUNTIME_CLASS(CDC)->m_lpszClassName, "CDC");
    EXPECT_EQ(CRuntimeClass::FromName("CMetaFileDC"), RUNTIME_CLASS(CMetaFileDC));
    CDC plain;
    EXPECT_FALSE(plain.IsKindOf(RUNTIME_CLASS(CMetaFileDC)));
}

} // namespace

namespace {

TEST(FloodFill, BorderAndSurfaceFillsStopWhereTheyShould)
{
    Canvas canvas(40, 40);
    canvas.dc.SelectStockObject(NULL_BRUSH);
    canvas.dc.Rectangle(10, 10, 30, 30); // black outline, white inside
    CBrush red(RGB(255, 0, 0));
    canvas.dc.SelectObject(&red);
    EXPECT_FALSE(canvas.dc.ExtFloodFill(10, 20, RGB(0, 0, 0), FLOODFILLBORDER)); // starts on the border
    EXPECT_TRUE(canvas.dc.ExtFloodFill(20, 20, RGB(0, 0, 0), FLOODFILLBORDER));
    EXPECT_EQ(canvas.Count(RGB(255, 0, 0)), 18 * 18);
    EXPECT_EQ(canvas.At(5, 5), RGB(255, 255, 255));
    CBrush blue(RGB(0, 0, 255));
    canvas.dc.SelectObject(&blue);
    EXPECT_TRUE(canvas.dc.ExtFloodFill(0, 0, RGB(255, 255, 255), FLOODFILLSURFACE));
    EXPECT_EQ(canvas.Count(RGB(0, 0, 255)), 40 * 40 - 20 * 20);
    EXPECT_EQ(canvas.Count(RGB(255, 0, 0)), 18 * 18);
    EXPECT_FALSE(canvas.dc.ExtFloodFill(5, 5, RGB(255, 255, 255), FLOODFILLSURFACE)); // no longer white
    EXPECT_FALSE(canvas.dc.ExtFloodFill(500, 5, RGB(0, 0, 0), FLOODFILLBORDER));
    canvas.dc.SelectStockObject(WHITE_BRUSH);
}

TEST(FloodFill, RecordsAndPlaysBack)
{
    ExpectSamePixels([](CDC &dc) {
        dc.SelectStockObject(NULL_BRUSH);
        dc.Ellipse(10, 10, 80, 70);
        CBrush green(RGB(0, 160, 0));
        dc.SelectObject(&green);
        dc.ExtFloodFill(45, 40, RGB(0, 0, 0), FLOODFILLBORDER);
        dc.SelectStockObject(WHITE_BRUSH);
    });
}

} // namespace
