// How a target keeps the 32-bit pixel words drawing writes into it. A
// bitmap keeps the whole word as the platform writes it: a colour from a
// COLORREF has a zero top byte, raster operations act on all 32 bits and
// transfers carry the source's top byte. A monochrome bitmap keeps only
// black and white colour bits. An image shown on screen keeps its top byte
// opaque, which changes nothing for the eye. Every write of a drawn pixel
// goes through Store. Framework-internal.
#pragma once

#include <cstdint>

struct PixelStore {
    uint32_t keep = 0xFFFFFFFFu; // bits of the drawn word that are kept
    uint32_t force = 0;          // bits always set in the stored word

    uint32_t Store(uint32_t word) const { return (word & keep) | force; }

    static PixelStore Bitmap() { return PixelStore{}; }
    static PixelStore Monochrome() { return PixelStore{0x00FFFFFFu, 0}; }
    static PixelStore Screen() { return PixelStore{0xFFFFFFFFu, 0xFF000000u}; }
};
