// CPalette: a logical palette. Targets here are true-colour, so a palette
// keeps its entries and PALETTEINDEX colours drawn in a context resolve to
// the RGB of the selected palette's entry; realising maps nothing and
// nothing dithers.
#pragma once

#include "framework/gdi/GdiObject.h"

class CDC;

class CPalette : public CGdiObject {
public:
    CPalette() = default;

    static CPalette *FromHandle(HPALETTE hPalette) { return static_cast<CPalette *>(CGdiObject::FromHandle(hPalette)); }
    operator HPALETTE() const { return m_hObject; }

    BOOL CreatePalette(LPLOGPALETTE lpLogPalette);
    // The 256 halftone colours (a colour cube, grey ramp and the classic colours).
    BOOL CreateHalftonePalette(CDC *pDC);
    int GetEntryCount();
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors);
    void AnimatePalette(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors);
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
    BOOL ResizePalette(UINT nNumEntries);
};

HPALETTE CreatePalette(const LOGPALETTE *plpal);
HPALETTE CreateHalftonePalette(HDC hdc);
UINT GetPaletteEntries(HPALETTE hpal, UINT iStart, UINT cEntries, LPPALETTEENTRY pPalEntries);
UINT SetPaletteEntries(HPALETTE hpal, UINT iStart, UINT cEntries, const PALETTEENTRY *pPalEntries);
UINT GetNearestPaletteIndex(HPALETTE h, COLORREF color);
BOOL ResizePalette(HPALETTE hpal, UINT n);
// Selects a palette into a context; returns the previous one (NULL on error).
HPALETTE SelectPalette(HDC hdc, HPALETTE hPal, BOOL bForceBkgd);
// The number of entries that had to be mapped: 0 on true-colour targets; GDI_ERROR for a bad context.
UINT RealizePalette(HDC hdc);
