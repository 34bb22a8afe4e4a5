// The enhanced-metafile record layout: record types, the header and a
// reader that checks every field it reads against the record's bytes.
// Framework-internal.
#pragma once

#include "framework/gdi/GdiStructs.h"

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>

namespace Emf {

enum RecordType : DWORD {
    HEADER = 1,
    POLYBEZIER = 2,
    POLYGON = 3,
    POLYLINE = 4,
    POLYBEZIERTO = 5,
    POLYLINETO = 6,
    POLYPOLYLINE = 7,
    POLYPOLYGON = 8,
    SETWINDOWEXTEX = 9,
    SETWINDOWORGEX = 10,
    SETVIEWPORTEXTEX = 11,
    SETVIEWPORTORGEX = 12,
    SETBRUSHORGEX = 13,
    EOF_ = 14,
    SETPIXELV = 15,
    SETMAPPERFLAGS = 16,
    SETMAPMODE = 17,
    SETBKMODE = 18,
    SETPOLYFILLMODE = 19,
    SETROP2 = 20,
    SETSTRETCHBLTMODE = 21,
    SETTEXTALIGN = 22,
    SETCOLORADJUSTMENT = 23,
    SETTEXTCOLOR = 24,
    SETBKCOLOR = 25,
    OFFSETCLIPRGN = 26,
    MOVETOEX = 27,
    SETMETARGN = 28,
    EXCLUDECLIPRECT = 29,
    INTERSECTCLIPRECT = 30,
    SCALEVIEWPORTEXTEX = 31,
    SCALEWINDOWEXTEX = 32,
    SAVEDC = 33,
    RESTOREDC = 34,
    SETWORLDTRANSFORM = 35,
    MODIFYWORLDTRANSFORM = 36,
    SELECTOBJECT = 37,
    CREATEPEN = 38,
    CREATEBRUSHINDIRECT = 39,
    DELETEOBJECT = 40,
    ANGLEARC = 41,
    ELLIPSE = 42,
    RECTANGLE = 43,
    ROUNDRECT = 44,
    ARC = 45,
    CHORD = 46,
    PIE = 47,
    SELECTPALETTE = 48,
    CREATEPALETTE = 49,
    SETPALETTEENTRIES = 50,
    RESIZEPALETTE = 51,
    REALIZEPALETTE = 52,
    EXTFLOODFILL = 53,
    LINETO = 54,
    ARCTO = 55,
    POLYDRAW = 56,
    SETARCDIRECTION = 57,
    SETMITERLIMIT = 58,
    BEGINPATH = 59,
    ENDPATH = 60,
    CLOSEFIGURE = 61,
    FILLPATH = 62,
    STROKEANDFILLPATH = 63,
    STROKEPATH = 64,
    FLATTENPATH = 65,
    WIDENPATH = 66,
    SELECTCLIPPATH = 67,
    ABORTPATH = 68,
    GDICOMMENT = 70,
    FILLRGN = 71,
    FRAMERGN = 72,
    INVERTRGN = 73,
    PAINTRGN = 74,
    EXTSELECTCLIPRGN = 75,
    BITBLT = 76,
    STRETCHBLT = 77,
    MASKBLT = 78,
    PLGBLT = 79,
    SETDIBITSTODEVICE = 80,
    STRETCHDIBITS = 81,
    EXTCREATEFONTINDIRECTW = 82,
    EXTTEXTOUTA = 83,
    EXTTEXTOUTW = 84,
    POLYBEZIER16 = 85,
    POLYGON16 = 86,
    POLYLINE16 = 87,
    POLYBEZIERTO16 = 88,
    POLYLINETO16 = 89,
    POLYPOLYLINE16 = 90,
    POLYPOLYGON16 = 91,
    POLYDRAW16 = 92,
    CREATEMONOBRUSH = 93,
    CREATEDIBPATTERNBRUSHPT = 94,
    EXTCREATEPEN = 95,
    GRADIENTFILL = 118,
};

constexpr DWORD kSignature = 0x464D4520; // " EMF"
constexpr DWORD kVersion = 0x10000;
constexpr DWORD kHeaderMinSize = 88;
constexpr DWORD kStockObjectFlag = 0x80000000;

// Little-endian fields of one record; a read past the end gives 0 and marks
// the reader failed, so a caller checks Ok() once after reading a group.
class Reader {
public:
    Reader(const BYTE *data, size_t size) : m_data(data), m_size(size) {}

    bool Ok() const { return m_ok; }
    size_t Size() const { return m_size; }
    const BYTE *Data() const { return m_data; }
    bool Has(size_t offset, size_t count) const { return offset <= m_size && count <= m_size - offset; }

    DWORD U32(size_t offset)
    {
        if (!Has(offset, 4))
            return Fail();
        DWORD v;
        std::memcpy(&v, m_data + offset, 4);
        return v;
    }
    LONG I32(size_t offset) { return static_cast<LONG>(U32(offset)); }
    WORD U16(size_t offset)
    {
        if (!Has(offset, 2))
            return static_cast<WORD>(Fail());
        return static_cast<WORD>(m_data[offset] | m_data[offset + 1] << 8);
    }
    short I16(size_t offset) { return static_cast<short>(U16(offset)); }
    float F32(size_t offset)
    {
        DWORD bits = U32(offset);
        float v;
        std::memcpy(&v, &bits, 4);
        return v;
    }
    // A coordinate, kept within the 28-bit range the platform's drawing
    // accepts, so that no later sum or difference of two of them overflows.
    LONG Coord(size_t offset) { return std::clamp<LONG>(I32(offset), -kMaxCoord, kMaxCoord); }
    POINT Point(size_t offset) { return POINT{Coord(offset), Coord(offset + 4)}; }
    RECT Rect(size_t offset) { return RECT{Coord(offset), Coord(offset + 4), Coord(offset + 8), Coord(offset + 12)}; }
    static constexpr LONG kMaxCoord = (1 << 27) - 1;

private:
    DWORD Fail()
    {
        m_ok = false;
        return 0;
    }
    const BYTE *m_data;
    size_t m_size;
    bool m_ok = true;
};

} // namespace Emf
