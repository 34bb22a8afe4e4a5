// What a fill or a line puts into each pixel: a solid colour or a tile
// (hatch or pattern) aligned to the brush origin, with pixels the tile leaves
// untouched, combined with the destination by a ROP2 code. Colours are
// 0xRRGGBB. Framework-internal.
#pragma once

#include "framework/gdi/GdiObjectData.h"

#include <cstdint>
#include <vector>

struct FillPaint {
    bool none = true; // draws nothing (null brush or pen)
    bool solid = true;
    uint32_t color = 0;
    int tileWidth = 0;
    int tileHeight = 0;
    std::vector<uint32_t> tile; // tileWidth * tileHeight colours
    std::vector<uint8_t> skip;  // 1 where the tile leaves the pixel untouched
    int originX = 0;
    int originY = 0;
    int rop2 = R2_COPYPEN;
};

struct LinePaint {
    bool none = true;
    uint32_t color = 0;
    std::vector<int> dashes; // on, off, on, off... in pixels; empty = solid
    bool fillGaps = false;   // OPAQUE background: gaps take gapColor
    uint32_t gapColor = 0;
    int rop2 = R2_COPYPEN;
};

namespace Paints {
uint32_t ToPixel(COLORREF c); // 0x00BBGGRR to 0xRRGGBB
COLORREF ToColorRef(uint32_t pixel);
// Monochrome targets keep black and white only: the nearer of the two.
uint32_t ToMono(uint32_t pixel);
// The 8x8 hatch mask: true where the hatch line lies.
bool HatchBit(int hatch, int x, int y);

struct Context {
    COLORREF textColor;
    COLORREF bkColor;
    int bkMode;
    int rop2;
    int brushOrgX;
    int brushOrgY;
    bool mono;
    const PaletteData *palette;                        // resolves PALETTEINDEX colours
    const std::vector<uint32_t> *dibColours = nullptr; // resolves DIBINDEX colours (a DIB section's table)
};
// Colour flags in the top byte of a COLORREF: bit 24 makes it a palette
// index whatever the other top bits hold; 0x10FF in the high word (DIBINDEX)
// an index into a DIB's colour table.  Any other colour with a top byte of
// 0x10 is plain RGB.
inline bool IsPaletteIndex(COLORREF c)
{
    return (c & 0x01000000u) != 0;
}
inline bool IsDibIndex(COLORREF c)
{
    return (c >> 16) == 0x10FF;
}
// The colour as stored by objects and contexts: index and PALETTERGB
// colours keep their flags (they resolve when drawn), others their RGB part.
COLORREF KeepFlags(COLORREF c);
// A colour as RGB: palette indexes take the palette's entry (black when
// there is none), PALETTERGB colours their RGB part, DIB indexes the entry
// of the target's colour table (black without one, or past its end).
COLORREF Resolve(COLORREF c, const PaletteData *palette, const std::vector<uint32_t> *dibColours = nullptr);
FillPaint ForBrush(const BrushData *brush, const Context &ctx);
FillPaint ForSolid(COLORREF color, int rop2, bool mono);
// A cosmetic pen's pixels: colour and the dash pattern of its style.
LinePaint ForCosmeticPen(const PenData *pen, const Context &ctx);
} // namespace Paints
