// Drawing objects: handles, wrappers, stock objects, descriptions and
// refusal of bad arguments.
#include "GdiTestSupport.h"

#include "framework/gdi/GdiObject.h"

TEST(GdiObjects, SelectObjectReturnsThePreviousObject)
{
    Canvas c;
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    CPen *first = c.dc.SelectObject(&red);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_hObject, GetStockObject(BLACK_PEN)); // a new context holds the black pen
    EXPECT_EQ(c.dc.SelectObject(&blue), &red);              // an attached wrapper is found again
    EXPECT_EQ(c.dc.SelectObject(first), &blue);
    EXPECT_EQ(c.dc.GetCurrentPen()->m_hObject, GetStockObject(BLACK_PEN));
}

TEST(GdiObjects, InitialSelectionOfANewContext)
{
    Canvas c;
    EXPECT_EQ(c.dc.GetCurrentBrush()->m_hObject, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(c.dc.GetCurrentFont()->m_hObject, GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(c.dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(c.dc.GetBkColor(), RGB(255, 255, 255));
    EXPECT_EQ(c.dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(c.dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(c.dc.GetMapMode(), MM_TEXT);
}

TEST(GdiObjects, StockObjectsAreSharedAndNeverDeleted)
{
    const int stock[] = {NULL_PEN,    BLACK_PEN,  WHITE_PEN,        NULL_BRUSH,    HOLLOW_BRUSH, BLACK_BRUSH,
                         WHITE_BRUSH, GRAY_BRUSH, DEFAULT_GUI_FONT, ANSI_VAR_FONT, SYSTEM_FONT};
    for (int index : stock) {
        HGDIOBJ h = GetStockObject(index);
        ASSERT_NE(h, nullptr) << index;
        EXPECT_EQ(GetStockObject(index), h);
        EXPECT_TRUE(DeleteObject(h));
        EXPECT_NE(GetObjectType(h), 0u) << "stock object " << index << " survived DeleteObject";
    }
    EXPECT_EQ(GetStockObject(NULL_BRUSH), GetStockObject(HOLLOW_BRUSH));
    EXPECT_EQ(GetStockObject(9999), nullptr);
}

TEST(GdiObjects, SelectStockObjectReturnsPreviousWrapper)
{
    Canvas c;
    CBrush red(RGB(255, 0, 0));
    c.dc.SelectObject(&red);
    EXPECT_EQ(c.dc.SelectStockObject(NULL_BRUSH), &red);
    EXPECT_EQ(c.dc.GetCurrentBrush()->m_hObject, GetStockObject(NULL_BRUSH));
}

TEST(GdiObjects, DescriptionsRoundTrip)
{
    CPen pen(PS_DASH, 1, RGB(1, 2, 3));
    LOGPEN lp{};
    ASSERT_EQ(pen.GetLogPen(&lp), static_cast<int>(sizeof(LOGPEN)));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));
    EXPECT_EQ(pen.GetObjectType(), static_cast<UINT>(OBJ_PEN));

    CBrush hatch(HS_CROSS, RGB(4, 5, 6));
    LOGBRUSH lb{};
    ASSERT_EQ(hatch.GetLogBrush(&lb), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
    EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));

    LOGFONT lf{};
    lf.lfHeight = -13;
    lf.lfWeight = FW_BOLD;
    std::strcpy(lf.lfFaceName, "Arial");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    LOGFONT back{};
    ASSERT_EQ(font.GetLogFont(&back), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_EQ(back.lfHeight, -13);
    EXPECT_STREQ(back.lfFaceName, "Arial");
    EXPECT_EQ(font.GetObject(0, nullptr), static_cast<int>(sizeof(LOGFONT)));

    LOGFONT stock{};
    ASSERT_EQ(GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_LT(stock.lfHeight, 0);
    EXPECT_STRNE(stock.lfFaceName, "");
}

TEST(GdiObjects, ExtendedPenDescription)
{
    LOGBRUSH lb{BS_SOLID, RGB(9, 9, 9), 0};
    CPen pen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER, 5, &lb);
    ASSERT_NE(pen.m_hObject, nullptr);
    EXPECT_EQ(pen.GetObjectType(), static_cast<UINT>(OBJ_EXTPEN));
    EXTLOGPEN ep{};
    ASSERT_GT(pen.GetExtLogPen(&ep), 0);
    EXPECT_EQ(ep.elpWidth, 5u);
    EXPECT_EQ(ep.elpColor, RGB(9, 9, 9));
    EXPECT_EQ(ep.elpPenStyle & PS_ENDCAP_MASK, static_cast<DWORD>(PS_ENDCAP_FLAT));
}

TEST(GdiObjects, BadArgumentsAreRefused)
{
    CPen pen;
    EXPECT_FALSE(pen.CreatePen(42, 1, RGB(0, 0, 0)));
    LOGBRUSH lb{BS_SOLID, 0, 0};
    EXPECT_FALSE(pen.CreatePen(PS_COSMETIC | PS_SOLID, 3, &lb)); // cosmetic pens are one pixel wide
    EXPECT_FALSE(pen.CreatePen(PS_GEOMETRIC | PS_USERSTYLE, 2, &lb, 0, nullptr));
    CBrush brush;
    EXPECT_FALSE(brush.CreateHatchBrush(17, 0));
    EXPECT_FALSE(brush.CreatePatternBrush(nullptr));
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.CreateBitmap(0, 8, 1, 1, nullptr));
    EXPECT_FALSE(bitmap.CreateBitmap(8, 8, 2, 1, nullptr));
    EXPECT_FALSE(bitmap.CreateBitmap(1 << 20, 1 << 20, 1, 32, nullptr)); // refused, not allocated
    CFont font;
    EXPECT_FALSE(font.CreateFontIndirect(nullptr));
    EXPECT_EQ(GetObject(reinterpret_cast<HGDIOBJ>(0x12345), 0, nullptr), 0);
    EXPECT_EQ(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(0x12345)), nullptr);
}

TEST(GdiObjects, UnterminatedFaceNameIsCut)
{
    LOGFONT lf{};
    std::memset(lf.lfFaceName, 'A', sizeof(lf.lfFaceName));
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    LOGFONT back{};
    font.GetLogFont(&back);
    EXPECT_EQ(std::strlen(back.lfFaceName), static_cast<size_t>(LF_FACESIZE - 1));
}

TEST(GdiObjects, DeletingASelectedObjectLeavesTheContextDrawing)
{
    Canvas c(16, 16);
    auto *brush = new CBrush(RGB(0, 128, 0));
    c.dc.SelectObject(brush);
    c.dc.SelectStockObject(NULL_PEN);
    delete brush; // the context keeps what it needs
    c.dc.Rectangle(0, 0, 9, 9);
    EXPECT_EQ(c.At(4, 4), RGB(0, 128, 0));
}

TEST(GdiObjects, TemporaryWrappersFollowTheHandleKind)
{
    HGDIOBJ h = CreateSolidBrush(RGB(1, 1, 1));
    CGdiObject *wrapper = CGdiObject::FromHandle(h);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_NE(dynamic_cast<CBrush *>(wrapper), nullptr);
    EXPECT_EQ(CGdiObject::FromHandle(h), wrapper);
    EXPECT_TRUE(DeleteObject(h));
    EXPECT_EQ(CGdiObject::FromHandle(h), nullptr);
    EXPECT_FALSE(DeleteObject(h));
    CGdiObject::DeleteTempMap();
}

TEST(GdiObjects, CreateReplacesThePreviousObject)
{
    CBrush brush(RGB(1, 2, 3));
    HGDIOBJ first = brush.m_hObject;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(4, 5, 6)));
    EXPECT_NE(brush.m_hObject, first);
    EXPECT_EQ(GetObjectType(first), 0u); // the old handle was deleted, not leaked
}

TEST(GdiObjects, MemoryContextStartsMonochromeAndTakesBitmaps)
{
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(nullptr));
    BITMAP bm{};
    ASSERT_NE(mem.GetCurrentBitmap(), nullptr);
    mem.GetCurrentBitmap()->GetBitmap(&bm);
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);

    CBitmap mono;
    ASSERT_TRUE(mono.CreateCompatibleBitmap(&mem, 4, 4)); // compatible with the monochrome bitmap
    mono.GetBitmap(&bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);

    Canvas screen;
    CBitmap colour;
    ASSERT_TRUE(colour.CreateCompatibleBitmap(&screen.dc, 20, 10));
    CBitmap *old = mem.SelectObject(&colour);
    ASSERT_NE(old, nullptr);
    mem.FillSolidRect(0, 0, 20, 10, RGB(10, 20, 30));
    EXPECT_EQ(mem.GetPixel(19, 9), RGB(10, 20, 30));
    EXPECT_EQ(mem.GetPixel(20, 9), CLR_INVALID);
    mem.SelectObject(old);
}

TEST(GdiObjects, BitmapBitsRoundTrip)
{
    // Each row is one WORD whose low (first) byte holds the eight pixels.
    const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    CBitmap bm;
    ASSERT_TRUE(bm.CreateBitmap(8, 8, 1, 1, rows));
    BYTE back[16] = {};
    EXPECT_EQ(bm.GetBitmapBits(sizeof(back), back), 16u);
    EXPECT_EQ(std::memcmp(back, rows, sizeof(back)), 0);
}

TEST(GdiObjects, RectangleRegions)
{
    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(5, 5, 15, 15));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_AND), SIMPLEREGION);
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(5, 5, 10, 10));
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(14, 14));
    EXPECT_FALSE(both.PtInRegion(15, 15));
    EXPECT_EQ(both.CombineRgn(&a, &a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(both.CombineRgn(&a, &b, 99), ERROR);
}

TEST(PlainFunctions, ForwardToTheContext)
{
    Canvas c(20, 20);
    HDC h = c.dc.m_hDC;
    EXPECT_EQ(CDC::FromHandle(h), &c.dc); // the attached object, not a temporary
    EXPECT_EQ(SetTextColor(h, RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(c.dc.GetTextColor(), RGB(1, 2, 3));
    int saved = SaveDC(h);
    SetBkMode(h, TRANSPARENT);
    EXPECT_TRUE(RestoreDC(h, saved));
    EXPECT_EQ(GetBkMode(h), OPAQUE);
    HGDIOBJ old = SelectObject(h, GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(old, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(h, OBJ_BRUSH), GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Rectangle(h, 2, 2, 6, 6));
    EXPECT_EQ(GetPixel(h, 3, 3), RGB(0, 0, 0));
    POINT previous{};
    EXPECT_TRUE(MoveToEx(h, 10, 10, &previous));
    EXPECT_TRUE(LineTo(h, 15, 10));
    EXPECT_EQ(c.At(14, 10), RGB(0, 0, 0));
    EXPECT_EQ(SetBkColor(nullptr, 0), CLR_INVALID);
    EXPECT_FALSE(Rectangle(nullptr, 0, 0, 1, 1));

    HDC mem = CreateCompatibleDC(h);
    ASSERT_NE(mem, nullptr);
    EXPECT_EQ(GetDeviceCaps(mem, LOGPIXELSX), 96);
    CDC *temporary = CDC::FromHandle(mem);
    EXPECT_EQ(temporary->GetSafeHdc(), mem);
    CDC::DeleteTempMap(); // temporaries never delete the context they borrow
    EXPECT_TRUE(DeleteDC(mem));
}
