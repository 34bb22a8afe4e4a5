// The player's object table, DIBs and regions carried in records, and clipping.
#include "framework/gdi/EmfPlayer.h"

#include "framework/base/Mbcs.h"
#include "framework/gdi/DibCodec.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/RegionBands.h"
#include "framework/gdi/Saturate.h"

#include <QString>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kMaxRegionRects = 1u << 20;

} // namespace

HGDIOBJ EmfPlayer::Object(DWORD index) const
{
    if (index & Emf::kStockObjectFlag)
        return GetStockObject(static_cast<int>(index & ~Emf::kStockObjectFlag));
    return index > 0 && index < m_objects.size() ? m_objects[index] : nullptr;
}

void EmfPlayer::StoreObject(DWORD index, HGDIOBJ object)
{
    if (index == 0 || index >= m_objects.size()) {
        if (object)
            DeleteObject(object);
        return;
    }
    DeleteSlot(index);
    m_objects[index] = object;
}

void EmfPlayer::DeleteSlot(DWORD index)
{
    if (index == 0 || index >= m_objects.size() || !m_objects[index])
        return;
    DeleteObject(m_objects[index]);
    m_objects[index] = nullptr;
}

// The BITMAPINFO and bits at the given offsets of the record, when both lie
// within it and the bits hold every row the header describes; NULL otherwise.
const BITMAPINFO *EmfPlayer::CheckedDib(Emf::Reader &r, size_t offBmi, size_t cbBmi, size_t offBits, size_t cbBits,
                                        UINT usage, const void **bits) const
{
    if (cbBmi < sizeof(BITMAPINFOHEADER) || !r.Has(offBmi, cbBmi) || !r.Has(offBits, cbBits) || offBmi % 4)
        return nullptr;
    BITMAPINFOHEADER header;
    std::memcpy(&header, r.Data() + offBmi, sizeof header);
    if (header.biSize < sizeof header || header.biSize > cbBmi)
        return nullptr;
    // The colour table (and bit-field masks) must lie within cbBmi too.
    size_t tableBytes = 0;
    if (header.biBitCount <= 8) {
        const DWORD most = 1u << std::min<WORD>(header.biBitCount, 8);
        const DWORD count = header.biClrUsed && header.biClrUsed <= most ? header.biClrUsed : most;
        tableBytes = static_cast<size_t>(count) * (usage == DIB_PAL_COLORS ? 2 : 4);
    } else if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof header) {
        tableBytes = 12;
    }
    if (header.biSize + tableBytes > cbBmi)
        return nullptr;
    const auto *info = reinterpret_cast<const BITMAPINFO *>(r.Data() + offBmi);
    DibCodec::Layout layout;
    if (!DibCodec::Read(info, usage, nullptr, layout))
        return nullptr;
    // Compressed bits are read up to the header's image size, others row by row.
    const unsigned long long needed =
        layout.Compressed() ? layout.imageBytes : static_cast<unsigned long long>(layout.rowBytes) * layout.height;
    if (needed > cbBits)
        return nullptr;
    *bits = r.Data() + offBits;
    return info;
}

void EmfPlayer::CreateBrushFromDib(Emf::Reader &r, bool mono)
{
    const DWORD index = r.U32(8), usage = r.U32(12);
    const DWORD offBmi = r.U32(16), cbBmi = r.U32(20), offBits = r.U32(24), cbBits = r.U32(28);
    if (!r.Ok())
        return;
    const void *bits = nullptr;
    const BITMAPINFO *info = CheckedDib(r, offBmi, cbBmi, offBits, cbBits, mono ? DIB_RGB_COLORS : usage, &bits);
    if (!info)
        return;
    DibCodec::Layout layout;
    DibCodec::Read(info, mono ? DIB_RGB_COLORS : usage, nullptr, layout);
    if (layout.Compressed())
        return;
    if (mono) {
        if (layout.bitCount != 1)
            return;
        // Monochrome patterns: 0 bits take the text colour, 1 bits the background.
        layout.colours = {0x000000, 0xFFFFFF};
    }
    QImage pattern(layout.width, layout.height, QImage::Format_RGB32);
    pattern.fill(0);
    DibCodec::Decode(layout, bits, 0, layout.height, pattern);
    auto brush = std::make_shared<BrushData>();
    brush->style = mono ? BS_PATTERN : BS_DIBPATTERN;
    brush->pattern = std::move(pattern);
    brush->monoPattern = mono;
    StoreObject(index, GdiHandles::Insert(std::move(brush)));
}

bool EmfPlayer::PlayObjectRecord(DWORD type, Emf::Reader r)
{
    const DWORD index = r.U32(8);
    switch (type) {
    case Emf::SELECTOBJECT:
        if (HGDIOBJ object = Object(index))
            m_dc->SelectObject(object);
        return true;
    case Emf::DELETEOBJECT: DeleteSlot(index); return true;
    case Emf::CREATEPEN: {
        const LOGPEN pen{r.U32(12), POINT{r.I32(16), 0}, r.U32(24)};
        if (r.Ok())
            StoreObject(index, CreatePenIndirect(&pen));
        return true;
    }
    case Emf::EXTCREATEPEN: {
        // ihPen, offBmi, cbBmi, offBits, cbBits, then the EXTLOGPEN32.
        const DWORD style = r.U32(28), width = r.U32(32), entries = r.U32(48);
        LOGBRUSH brush{r.U32(36), r.U32(40), r.U32(44)};
        if (!r.Ok() || entries > 16 || !r.Has(52, 4ull * entries))
            return true;
        if (brush.lbStyle != BS_SOLID && brush.lbStyle != BS_HATCHED && brush.lbStyle != BS_NULL)
            brush.lbStyle = BS_SOLID; // pattern pens draw in their colour
        std::vector<DWORD> dashes(entries);
        for (DWORD i = 0; i < entries; ++i)
            dashes[i] = r.U32(52 + 4 * i);
        StoreObject(index, ExtCreatePen(style, width, &brush, entries, entries ? dashes.data() : nullptr));
        return true;
    }
    case Emf::CREATEBRUSHINDIRECT: {
        const LOGBRUSH brush{r.U32(12), r.U32(16), r.U32(20)};
        if (r.Ok() && (brush.lbStyle == BS_SOLID || brush.lbStyle == BS_HATCHED || brush.lbStyle == BS_NULL))
            StoreObject(index, CreateBrushIndirect(&brush));
        return true;
    }
    case Emf::CREATEDIBPATTERNBRUSHPT: CreateBrushFromDib(r, false); return true;
    case Emf::CREATEMONOBRUSH: CreateBrushFromDib(r, true); return true;
    case Emf::EXTCREATEFONTINDIRECTW: {
        // ihFont, then LOGFONTW: five LONGs, eight BYTEs, 32 UTF-16 units of face name.
        if (!r.Has(12, 92))
            return true;
        LOGFONT font{};
        font.lfHeight = r.I32(12);
        font.lfWidth = r.I32(16);
        font.lfEscapement = r.I32(20);
        font.lfOrientation = r.I32(24);
        font.lfWeight = r.I32(28);
        const BYTE *b = r.Data() + 32;
        font.lfItalic = b[0], font.lfUnderline = b[1], font.lfStrikeOut = b[2], font.lfCharSet = b[3];
        font.lfOutPrecision = b[4], font.lfClipPrecision = b[5], font.lfQuality = b[6], font.lfPitchAndFamily = b[7];
        char16_t face[LF_FACESIZE];
        std::memcpy(face, r.Data() + 40, sizeof face);
        const QByteArray name = QString::fromUtf16(face, std::find(face, face + LF_FACESIZE, u'\0') - face).toUtf8();
        // Cut at a whole character so the name stays valid UTF-8.
        const size_t length = MbCharBoundary(reinterpret_cast<const unsigned char *>(name.constData()),
                                             static_cast<size_t>(name.size()), LF_FACESIZE - 1);
        std::memcpy(font.lfFaceName, name.constData(), length);
        StoreObject(index, CreateFontIndirect(&font));
        return true;
    }
    case Emf::CREATEPALETTE: {
        // ihPal, then LOGPALETTE: version, count, entries.
        const WORD count = r.U16(14);
        if (!r.Ok() || count == 0 || !r.Has(16, 4ull * count))
            return true;
        std::vector<BYTE> storage(sizeof(LOGPALETTE) + 4ull * count);
        auto *palette = reinterpret_cast<LOGPALETTE *>(storage.data());
        palette->palVersion = 0x300;
        palette->palNumEntries = count;
        std::memcpy(palette->palPalEntry, r.Data() + 16, 4ull * count);
        StoreObject(index, CreatePalette(palette));
        return true;
    }
    case Emf::SETPALETTEENTRIES: {
        const DWORD start = r.U32(12), count = r.U32(16);
        HGDIOBJ palette = Object(index);
        if (r.Ok() && palette && count <= 4096 && r.Has(20, 4ull * count))
            SetPaletteEntries(palette, start, count, reinterpret_cast<const PALETTEENTRY *>(r.Data() + 20));
        return true;
    }
    case Emf::RESIZEPALETTE: {
        HGDIOBJ palette = Object(index);
        const DWORD count = r.U32(12);
        if (r.Ok() && palette && count <= 4096)
            ResizePalette(palette, count);
        return true;
    }
    case Emf::SELECTPALETTE:
        if (HGDIOBJ palette = Object(index))
            SelectPalette(m_hdc, palette, FALSE);
        return true;
    case Emf::REALIZEPALETTE: RealizePalette(m_hdc); return true;
    default: return false;
    }
}

// Region data (RGNDATAHEADER and its rectangles) at offset, count bytes
// long: in logical units, or in reference-device pixels taken to the
// target's pixels.
HRGN EmfPlayer::RegionFromData(Emf::Reader &r, size_t offset, DWORD count, bool toTargetDevice) const
{
    const DWORD headerSize = r.U32(offset), rects = r.U32(offset + 8);
    if (!r.Ok() || headerSize < 32 || count < headerSize || !r.Has(offset, count) || rects > kMaxRegionRects ||
        static_cast<unsigned long long>(rects) * 16 > count - headerSize)
        return nullptr;
    std::vector<QRect> list;
    list.reserve(rects);
    for (DWORD i = 0; i < rects; ++i) {
        RECT rc = r.Rect(offset + headerSize + 16ull * i);
        if (toTargetDevice) {
            rc.left = Saturate::Round(m_offsetX + m_scaleX * rc.left);
            rc.right = Saturate::Round(m_offsetX + m_scaleX * rc.right);
            rc.top = Saturate::Round(m_offsetY + m_scaleY * rc.top);
            rc.bottom = Saturate::Round(m_offsetY + m_scaleY * rc.bottom);
        }
        // Empty, or both edges saturated to one end of the range.
        if (rc.left == rc.right || rc.top == rc.bottom)
            continue;
        list.push_back(QRect(QPoint(std::min(rc.left, rc.right), std::min(rc.top, rc.bottom)),
                             QPoint(std::max(rc.left, rc.right) - 1, std::max(rc.top, rc.bottom) - 1)));
    }
    // The rectangles may overlap and come in any order: the region is built
    // from their union, not handed them as they are.
    auto region = std::make_shared<RgnData>();
    region->region = RegionFromRects(std::move(list));
    return GdiHandles::Insert(std::move(region));
}

// The metafile's clipping may narrow the target's clip, never widen it.
void EmfPlayer::KeepWithinBaseClip()
{
    if (!m_baseClip)
        return;
    HRGN current = CreateRectRgn(0, 0, 0, 0);
    if (GetClipRgn(m_hdc, current) == 1)
        CombineRgn(current, current, m_baseClip, RGN_AND);
    else
        CombineRgn(current, m_baseClip, nullptr, RGN_COPY);
    ExtSelectClipRgn(m_hdc, current, RGN_COPY);
    DeleteObject(current);
}

bool EmfPlayer::PlayClipRecord(DWORD type, Emf::Reader r)
{
    switch (type) {
    case Emf::INTERSECTCLIPRECT:
    case Emf::EXCLUDECLIPRECT: {
        const RECT rc = r.Rect(8);
        if (!r.Ok())
            return true;
        if (type == Emf::INTERSECTCLIPRECT)
            m_dc->IntersectClipRect(rc.left, rc.top, rc.right, rc.bottom);
        else
            m_dc->ExcludeClipRect(rc.left, rc.top, rc.right, rc.bottom);
        return true;
    }
    case Emf::OFFSETCLIPRGN:
        if (r.Has(8, 8)) {
            m_dc->OffsetClipRgn(r.I32(8), r.I32(12));
            KeepWithinBaseClip();
        }
        return true;
    case Emf::SELECTCLIPPATH:
        if (r.Has(8, 4)) {
            m_dc->SelectClipPath(r.I32(8));
            KeepWithinBaseClip();
        }
        return true;
    case Emf::EXTSELECTCLIPRGN: {
        const DWORD size = r.U32(8);
        const int mode = r.I32(12);
        if (!r.Ok() || mode < RGN_AND || mode > RGN_COPY)
            return true;
        if (size == 0) {
            // No region: only RGN_COPY, back to the target's own clip.
            if (mode == RGN_COPY) {
                ExtSelectClipRgn(m_hdc, m_baseClip, RGN_COPY);
            }
            return true;
        }
        HRGN region = RegionFromData(r, 16, size, true);
        if (!region)
            return true;
        ExtSelectClipRgn(m_hdc, region, mode);
        DeleteObject(region);
        KeepWithinBaseClip();
        return true;
    }
    default: return false;
    }
}
