// Turning brushes and pens into per-pixel paints.
#include "framework/gdi/FillPaint.h"

namespace Paints {

uint32_t ToPixel(COLORREF c)
{
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

COLORREF ToColorRef(uint32_t pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

uint32_t ToMono(uint32_t pixel)
{
    int sum = static_cast<int>(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF));
    return sum >= 3 * 128 ? 0xFFFFFFu : 0;
}

bool HatchBit(int hatch, int x, int y)
{
    x &= 7;
    y &= 7;
    switch (hatch) {
    case HS_HORIZONTAL: return y == 3;
    case HS_VERTICAL: return x == 4;
    case HS_FDIAGONAL: return x == y;     // "\": down from left to right
    case HS_BDIAGONAL: return x + y == 7; // "/": up from left to right
    case HS_CROSS: return x == 4 || y == 3;
    case HS_DIAGCROSS: return x == y || x + y == 7;
    default: return false;
    }
}

COLORREF KeepFlags(COLORREF c)
{
    return IsPaletteIndex(c) || IsDibIndex(c) || (c >> 24) == 2 ? c : c & 0x00FFFFFF;
}

COLORREF Resolve(COLORREF c, const PaletteData *palette, const std::vector<uint32_t> *dibColours)
{
    if (IsPaletteIndex(c)) {
        size_t index = c & 0xFFFF;
        if (!palette || index >= palette->Realized().size())
            return RGB(0, 0, 0);
        return palette->Realized()[index] & 0xFFFFFF;
    }
    if (IsDibIndex(c)) {
        size_t index = c & 0xFFFF;
        return dibColours && index < dibColours->size() ? ToColorRef((*dibColours)[index]) : RGB(0, 0, 0);
    }
    return c & 0xFFFFFF;
}

namespace {

uint32_t Fit(uint32_t pixel, bool mono)
{
    return mono ? ToMono(pixel) : pixel;
}

void SetTile(FillPaint &p, int w, int h)
{
    p.solid = false;
    p.tileWidth = w;
    p.tileHeight = h;
    p.tile.assign(static_cast<size_t>(w * h), 0);
    p.skip.assign(static_cast<size_t>(w * h), 0);
}

} // namespace

FillPaint ForSolid(COLORREF color, int rop2, bool mono)
{
    FillPaint p;
    p.none = false;
    p.color = Fit(ToPixel(color), mono);
    p.rop2 = rop2;
    return p;
}

FillPaint ForBrush(const BrushData *brush, const Context &ctx)
{
    FillPaint p;
    if (!brush || brush->style == BS_NULL)
        return p;
    if (brush->style == BS_SOLID)
        return ForSolid(Resolve(brush->color, ctx.palette, ctx.dibColours), ctx.rop2, ctx.mono);
    p.none = false;
    p.rop2 = ctx.rop2;
    p.originX = ctx.brushOrgX;
    p.originY = ctx.brushOrgY;
    if (brush->style == BS_HATCHED) {
        SetTile(p, 8, 8);
        uint32_t line = Fit(ToPixel(Resolve(brush->color, ctx.palette, ctx.dibColours)), ctx.mono);
        uint32_t gap = Fit(ToPixel(ctx.bkColor), ctx.mono);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                size_t i = static_cast<size_t>(y * 8 + x);
                bool on = HatchBit(brush->hatch, x, y);
                p.tile[i] = on ? line : gap;
                p.skip[i] = (!on && ctx.bkMode == TRANSPARENT) ? 1 : 0;
            }
        return p;
    }
    // Pattern brush: monochrome bits take the text colour (0) and the
    // background colour (1); colour patterns keep their own pixels.
    const QImage &img = brush->pattern;
    int w = img.width() < 1 ? 1 : img.width();
    int h = img.height() < 1 ? 1 : img.height();
    SetTile(p, w, h);
    uint32_t fg = Fit(ToPixel(ctx.textColor), ctx.mono);
    uint32_t bg = Fit(ToPixel(ctx.bkColor), ctx.mono);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            uint32_t px = row[x] & 0xFFFFFFu;
            size_t i = static_cast<size_t>(y * w + x);
            if (brush->monoPattern)
                p.tile[i] = px == 0xFFFFFFu ? bg : fg;
            else
                p.tile[i] = Fit(px, ctx.mono);
        }
    }
    return p;
}

LinePaint ForCosmeticPen(const PenData *pen, const Context &ctx)
{
    LinePaint p;
    if (!pen || pen->IsNull())
        return p;
    p.none = false;
    p.color = Fit(ToPixel(Resolve(pen->color, ctx.palette, ctx.dibColours)), ctx.mono);
    p.rop2 = ctx.rop2;
    p.fillGaps = ctx.bkMode == OPAQUE;
    p.gapColor = Fit(ToPixel(ctx.bkColor), ctx.mono);
    switch (pen->DashStyle()) {
    case PS_DASH: p.dashes = {18, 6}; break;
    case PS_DOT: p.dashes = {3, 3}; break;
    case PS_DASHDOT: p.dashes = {9, 6, 3, 6}; break;
    case PS_DASHDOTDOT: p.dashes = {9, 3, 3, 3, 3, 3}; break;
    case PS_ALTERNATE: p.dashes = {1, 1}; break;
    case PS_USERSTYLE:
        for (DWORD d : pen->userStyle)
            p.dashes.push_back(d == 0 ? 1 : static_cast<int>(d > 1024 ? 1024 : d));
        if (p.dashes.size() % 2)
            p.dashes.push_back(p.dashes.back());
        break;
    default: break;
    }
    return p;
}

} // namespace Paints
