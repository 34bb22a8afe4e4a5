#include "framework/gdi/EmfRecorder.h"

#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/Saturate.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kStockCount = 20;

int KindIndex(GdiObjectKind kind)
{
    switch (kind) {
    case GdiObjectKind::Pen: return 0;
    case GdiObjectKind::Brush: return 1;
    case GdiObjectKind::Font: return 2;
    case GdiObjectKind::Palette: return 3;
    default: return -1;
    }
}

int StockIndex(HGDIOBJ object)
{
    for (int i = 0; i < kStockCount; ++i)
        if (GdiHandles::Stock(i) == object)
            return i;
    return -1;
}

bool Fits16(const POINT *points, int count)
{
    for (int i = 0; i < count; ++i)
        if (points[i].x < -32768 || points[i].x > 32767 || points[i].y < -32768 || points[i].y > 32767)
            return false;
    return true;
}

} // namespace

EmfRecorder::EmfRecorder(HDC hdc) : m_hdc(hdc)
{
    m_bytes.reserve(1 << 16);
}

void EmfRecorder::Put(DWORD v)
{
    const size_t at = m_bytes.size();
    m_bytes.resize(at + 4);
    std::memcpy(m_bytes.data() + at, &v, 4);
}

void EmfRecorder::PutBytes(const void *data, size_t size)
{
    const BYTE *p = static_cast<const BYTE *>(data);
    m_bytes.insert(m_bytes.end(), p, p + size);
    m_bytes.resize((m_bytes.size() + 3) & ~size_t(3), 0);
}

size_t EmfRecorder::Begin(DWORD type)
{
    const size_t start = m_bytes.size();
    Put(type);
    Put(0);
    return start;
}

void EmfRecorder::End(size_t start)
{
    const DWORD size = static_cast<DWORD>(m_bytes.size() - start);
    std::memcpy(m_bytes.data() + start + 4, &size, 4);
    ++m_records;
}

void EmfRecorder::Record(DWORD type, std::initializer_list<DWORD> fields)
{
    const size_t start = m_bytes.size();
    m_bytes.resize(start + 8 + 4 * fields.size());
    BYTE *p = m_bytes.data() + start;
    const DWORD size = static_cast<DWORD>(8 + 4 * fields.size());
    std::memcpy(p, &type, 4);
    std::memcpy(p + 4, &size, 4);
    p += 8;
    for (DWORD f : fields) {
        std::memcpy(p, &f, 4);
        p += 4;
    }
    ++m_records;
}

// Bounds are kept in device pixels of the recording context.
void EmfRecorder::Bound(int x, int y)
{
    if (!m_hasBounds) {
        m_bounds = RECT{x, y, x, y};
        m_hasBounds = true;
        return;
    }
    m_bounds.left = std::min<LONG>(m_bounds.left, x);
    m_bounds.top = std::min<LONG>(m_bounds.top, y);
    m_bounds.right = std::max<LONG>(m_bounds.right, x);
    m_bounds.bottom = std::max<LONG>(m_bounds.bottom, y);
}

void EmfRecorder::BoundLogical(int x, int y)
{
    const POINT d = m_hdc->state.mapping.ToDevice(POINT{x, y});
    Bound(d.x, d.y);
}

// A rectangle given by a corner and an extent of either sign; its far
// corner is found in 64 bits and kept at the end of the int range.
void EmfRecorder::BoundExtent(int x, int y, int w, int h)
{
    BoundLogical(x, y);
    BoundLogical(Saturate::ToInt(static_cast<long long>(x) + w), Saturate::ToInt(static_cast<long long>(y) + h));
}

void EmfRecorder::Mapping(DWORD type, const CoordinateMapping &m)
{
    switch (type) {
    case Emf::SETMAPMODE:
        Value(Emf::SETMAPMODE, static_cast<DWORD>(m.mapMode));
        if (m.IsScalable()) {
            Pair(Emf::SETWINDOWEXTEX, m.windowExt.cx, m.windowExt.cy);
            Pair(Emf::SETVIEWPORTEXTEX, m.viewportExt.cx, m.viewportExt.cy);
        }
        break;
    case Emf::SETWINDOWORGEX: Pair(type, m.windowOrg.x, m.windowOrg.y); break;
    case Emf::SETVIEWPORTORGEX: Pair(type, m.viewportOrg.x, m.viewportOrg.y); break;
    case Emf::SETWINDOWEXTEX:
    case Emf::SETVIEWPORTEXTEX:
        if (m.IsScalable()) {
            Pair(Emf::SETWINDOWEXTEX, m.windowExt.cx, m.windowExt.cy);
            Pair(Emf::SETVIEWPORTEXTEX, m.viewportExt.cx, m.viewportExt.cy);
        }
        break;
    default: break;
    }
}

void EmfRecorder::SaveDC()
{
    m_saved.push_back(m_current);
    Plain(Emf::SAVEDC);
}

void EmfRecorder::RestoreDC(int level)
{
    // The context has already checked the level; relative levels only.
    const int count = static_cast<int>(m_saved.size());
    const int index = level < 0 ? count + level : level - 1;
    if (index < 0 || index >= count)
        return;
    Value(Emf::RESTOREDC, static_cast<DWORD>(index - count));
    std::array<HGDIOBJ, 4> leaving = m_current;
    m_current = m_saved[index];
    m_saved.resize(index);
    for (HGDIOBJ object : leaving)
        Release(object);
}

bool EmfRecorder::Held(HGDIOBJ object) const
{
    if (std::find(m_current.begin(), m_current.end(), object) != m_current.end())
        return true;
    for (const auto &state : m_saved)
        if (std::find(state.begin(), state.end(), object) != state.end())
            return true;
    return false;
}

// Deletes a created object from the metafile's table once nothing holds it.
void EmfRecorder::Release(HGDIOBJ object)
{
    if (!object || Held(object))
        return;
    auto it = m_slots.find(object);
    if (it == m_slots.end())
        return;
    Value(Emf::DELETEOBJECT, it->second);
    m_freeSlots.push_back(it->second);
    m_slots.erase(it);
}

void EmfRecorder::SelectObject(HGDIOBJ object)
{
    std::shared_ptr<GdiObjectData> data = GdiHandles::Lookup(object);
    if (!data)
        return;
    const int kind = KindIndex(data->kind);
    if (kind < 0)
        return;
    const int stock = data->stock ? StockIndex(object) : -1;
    if (stock >= 0) {
        Value(Emf::SELECTOBJECT, Emf::kStockObjectFlag | static_cast<DWORD>(stock));
    } else {
        const DWORD slot = SlotOf(object);
        if (!slot)
            return;
        Value(data->kind == GdiObjectKind::Palette ? Emf::SELECTPALETTE : Emf::SELECTOBJECT, slot);
    }
    HGDIOBJ previous = m_current[kind];
    m_current[kind] = object;
    if (previous != object)
        Release(previous);
}

DWORD EmfRecorder::SlotOf(HGDIOBJ object)
{
    auto it = m_slots.find(object);
    return it != m_slots.end() ? it->second : CreateSlot(object);
}

// Writes the record that creates the object in a free slot; 0 when the
// object cannot be described.
DWORD EmfRecorder::CreateSlot(HGDIOBJ object)
{
    std::shared_ptr<GdiObjectData> data = GdiHandles::Lookup(object);
    DWORD slot;
    if (!m_freeSlots.empty()) {
        slot = m_freeSlots.back();
        m_freeSlots.pop_back();
    } else {
        if (m_handles >= 0xFFFF)
            return 0;
        slot = m_handles++;
    }
    switch (data->kind) {
    case GdiObjectKind::Pen: {
        const auto &pen = static_cast<const PenData &>(*data);
        if (!pen.extended) {
            Record(Emf::CREATEPEN, {slot, pen.style, DWORD(pen.width), 0, pen.color});
            break;
        }
        const size_t start = Begin(Emf::EXTCREATEPEN);
        for (DWORD v : {slot, 0u, 0u, 0u, 0u, pen.style, DWORD(pen.width), pen.brush.lbStyle, pen.brush.lbColor,
                        DWORD(pen.brush.lbHatch), DWORD(pen.userStyle.size())})
            Put(v);
        for (DWORD dash : pen.userStyle)
            Put(dash);
        End(start);
        break;
    }
    case GdiObjectKind::Brush: {
        const auto &brush = static_cast<const BrushData &>(*data);
        if (brush.style == BS_SOLID || brush.style == BS_HATCHED || brush.style == BS_NULL) {
            Record(Emf::CREATEBRUSHINDIRECT, {slot, brush.style, brush.color, DWORD(brush.hatch)});
            break;
        }
        const size_t start = Begin(brush.monoPattern ? Emf::CREATEMONOBRUSH : Emf::CREATEDIBPATTERNBRUSHPT);
        Put(slot);
        Put(DIB_RGB_COLORS);
        for (int i = 0; i < 4; ++i)
            Put(0); // offsets and sizes, filled in by PutDib
        PutDib(brush.pattern, brush.monoPattern, start, 16);
        End(start);
        break;
    }
    case GdiObjectKind::Font: {
        const LOGFONT &font = static_cast<const FontData &>(*data).logFont;
        const size_t start = Begin(Emf::EXTCREATEFONTINDIRECTW);
        Put(slot);
        for (LONG v : {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight})
            Put(DWORD(v));
        const BYTE flags[8] = {font.lfItalic,       font.lfUnderline,     font.lfStrikeOut, font.lfCharSet,
                               font.lfOutPrecision, font.lfClipPrecision, font.lfQuality,   font.lfPitchAndFamily};
        PutBytes(flags, 8);
        // The face name as stored, in UTF-16, in 32 units.
        const size_t nameLength = strnlen(font.lfFaceName, LF_FACESIZE);
        const QString name = QString::fromUtf8(font.lfFaceName, static_cast<qsizetype>(nameLength));
        char16_t face[LF_FACESIZE] = {};
        std::memcpy(face, name.utf16(), 2 * std::min<size_t>(name.size(), LF_FACESIZE - 1));
        PutBytes(face, sizeof face);
        End(start);
        break;
    }
    case GdiObjectKind::Palette: {
        const auto &palette = static_cast<const PaletteData &>(*data);
        const size_t start = Begin(Emf::CREATEPALETTE);
        Put(slot);
        const WORD count = static_cast<WORD>(std::min<size_t>(palette.entries.size(), 0xFFFF));
        Put(0x300u | DWORD(count) << 16);
        for (WORD i = 0; i < count; ++i) {
            const COLORREF c = palette.entries[i];
            const BYTE flag = i < palette.flags.size() ? palette.flags[i] : 0;
            Put((c & 0xFFFFFF) | DWORD(flag) << 24);
        }
        End(start);
        break;
    }
    default: m_freeSlots.push_back(slot); return 0;
    }
    m_slots[object] = slot;
    return slot;
}

// A top-down DIB of the image (32 bits, or 1 bit for monochrome patterns)
// after the record's fixed part; the four offset and size fields start at
// offsetField within the record.
void EmfRecorder::PutDib(const QImage &source, bool mono, size_t recordStart, size_t offsetField)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width(), height = image.height();
    const WORD bits = mono ? 1 : 32;
    const DWORD rowBytes = static_cast<DWORD>(DibRowBytes(width, bits));
    const DWORD offBmi = static_cast<DWORD>(m_bytes.size() - recordStart);
    const DWORD cbBmi = 40 + (mono ? 8 : 0);
    for (DWORD v : {40u, DWORD(width), DWORD(-height), DWORD(1u | DWORD(bits) << 16), DWORD(BI_RGB),
                    rowBytes * DWORD(height), 0u, 0u, 0u, 0u})
        Put(v);
    if (mono) {
        Put(0x000000);
        Put(0xFFFFFF);
    }
    const DWORD offBits = static_cast<DWORD>(m_bytes.size() - recordStart);
    const size_t at = m_bytes.size();
    m_bytes.resize(at + static_cast<size_t>(rowBytes) * height, 0);
    for (int y = 0; y < height; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        BYTE *out = m_bytes.data() + at + static_cast<size_t>(rowBytes) * y;
        if (!mono) {
            std::memcpy(out, row, 4ull * width);
            continue;
        }
        for (int x = 0; x < width; ++x)
            if (qGray(row[x]) >= 128) // white is the 1 bit
                out[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    }
    const DWORD fields[4] = {offBmi, cbBmi, offBits, rowBytes * DWORD(height)};
    std::memcpy(m_bytes.data() + recordStart + offsetField, fields, sizeof fields);
}

void EmfRecorder::Box(DWORD type, int x1, int y1, int x2, int y2)
{
    Record(type, {DWORD(x1), DWORD(y1), DWORD(x2), DWORD(y2)});
    BoundLogical(x1, y1);
    BoundLogical(x2, y2);
}

void EmfRecorder::RoundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    Record(Emf::ROUNDRECT, {DWORD(x1), DWORD(y1), DWORD(x2), DWORD(y2), DWORD(w), DWORD(h)});
    BoundLogical(x1, y1);
    BoundLogical(x2, y2);
}

void EmfRecorder::ArcFigure(DWORD type, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Record(type, {DWORD(x1), DWORD(y1), DWORD(x2), DWORD(y2), DWORD(x3), DWORD(y3), DWORD(x4), DWORD(y4)});
    BoundLogical(x1, y1);
    BoundLogical(x2, y2);
}

void EmfRecorder::AngleArc(int x, int y, int radius, float start, float sweep)
{
    DWORD a, b;
    std::memcpy(&a, &start, 4);
    std::memcpy(&b, &sweep, 4);
    Record(Emf::ANGLEARC, {DWORD(x), DWORD(y), DWORD(radius), a, b});
    BoundLogical(x - radius, y - radius);
    BoundLogical(x + radius, y + radius);
}

void EmfRecorder::MoveTo(int x, int y)
{
    Pair(Emf::MOVETOEX, x, y);
}

void EmfRecorder::LineTo(int x, int y)
{
    Pair(Emf::LINETO, x, y);
    const POINT from = m_hdc->state.currentPos;
    BoundLogical(from.x, from.y);
    BoundLogical(x, y);
}

void EmfRecorder::Points(DWORD type32, const POINT *points, int count)
{
    const bool small = Fits16(points, count);
    // The 16-bit forms follow the 32-bit ones in the same order.
    const DWORD type = small ? type32 - Emf::POLYBEZIER + Emf::POLYBEZIER16 : type32;
    const size_t start = Begin(type);
    for (int i = 0; i < 4; ++i)
        Put(0); // bounds, filled below
    Put(static_cast<DWORD>(count));
    const size_t at = m_bytes.size();
    m_bytes.resize(at + static_cast<size_t>(count) * (small ? 4 : 8));
    BYTE *out = m_bytes.data() + at;
    LONG left = points[0].x, top = points[0].y, right = left, bottom = top;
    for (int i = 0; i < count; ++i) {
        const POINT p = points[i];
        left = std::min(left, p.x), right = std::max(right, p.x);
        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
        if (small) {
            const short xy[2] = {static_cast<short>(p.x), static_cast<short>(p.y)};
            std::memcpy(out + 4 * i, xy, 4);
        } else {
            std::memcpy(out + 8 * i, &p, 8);
        }
    }
    m_bytes.resize((m_bytes.size() + 3) & ~size_t(3), 0);
    const LONG box[4] = {left, top, right, bottom};
    std::memcpy(m_bytes.data() + start + 8, box, sizeof box);
    End(start);
    BoundLogical(left, top);
    BoundLogical(right, bottom);
}

void EmfRecorder::PolyPoly(DWORD type32, const POINT *points, const INT *counts, int polys)
{
    size_t total = 0;
    for (int i = 0; i < polys; ++i)
        total += static_cast<size_t>(counts[i]);
    const bool small = Fits16(points, static_cast<int>(total));
    const DWORD type = small ? (type32 == Emf::POLYPOLYGON ? Emf::POLYPOLYGON16 : Emf::POLYPOLYLINE16) : type32;
    const size_t start = Begin(type);
    for (int i = 0; i < 4; ++i)
        Put(0);
    Put(static_cast<DWORD>(polys));
    Put(static_cast<DWORD>(total));
    for (int i = 0; i < polys; ++i)
        Put(static_cast<DWORD>(counts[i]));
    for (size_t i = 0; i < total; ++i) {
        if (small) {
            const short xy[2] = {static_cast<short>(points[i].x), static_cast<short>(points[i].y)};
            const size_t at = m_bytes.size();
            m_bytes.resize(at + 4);
            std::memcpy(m_bytes.data() + at, xy, 4);
        } else {
            Put(DWORD(points[i].x));
            Put(DWORD(points[i].y));
        }
        BoundLogical(points[i].x, points[i].y);
    }
    End(start);
}

void EmfRecorder::Pixel(int x, int y, COLORREF colour)
{
    Record(Emf::SETPIXELV, {DWORD(x), DWORD(y), colour});
    BoundLogical(x, y);
}

// EXTTEXTOUTW: the program's UTF-8 text as UTF-16, with the advances
// given per UTF-16 unit as the drawing code takes them.
void EmfRecorder::Text(int x, int y, UINT options, const RECT *rect, const char *utf8, UINT bytes, const INT *dx)
{
    const QString text = QString::fromUtf8(utf8, static_cast<qsizetype>(bytes));
    const DWORD count = static_cast<DWORD>(text.size());
    const RECT box = rect ? *rect : RECT{0, 0, 0, 0};
    const size_t start = Begin(Emf::EXTTEXTOUTW);
    for (int i = 0; i < 4; ++i)
        Put(0);
    Put(1); // GM_COMPATIBLE
    Put(0); // no scale
    Put(0);
    const DWORD offString = 76;
    const DWORD offDx = dx && count ? offString + ((2 * count + 3) & ~3u) : 0;
    for (DWORD v : {DWORD(x), DWORD(y), count, offString, options, DWORD(box.left), DWORD(box.top), DWORD(box.right),
                    DWORD(box.bottom), offDx})
        Put(v);
    PutBytes(text.utf16(), 2ull * count);
    if (offDx)
        for (DWORD i = 0; i < count; ++i)
            Put(DWORD(dx[i]));
    End(start);
    BoundLogical(x, y);
    if (rect) {
        BoundLogical(box.left, box.top);
        BoundLogical(box.right, box.bottom);
    }
}

// A brush fill: the brush selected for one pattern copy and the previous one back.
void EmfRecorder::FillWithBrush(const RECT &rect, HGDIOBJ brush)
{
    HGDIOBJ previous = m_current[1];
    SelectObject(brush);
    PatBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATCOPY);
    SelectObject(previous ? previous : GdiHandles::Stock(WHITE_BRUSH));
}

void EmfRecorder::PatBlt(int x, int y, int w, int h, DWORD rop)
{
    const size_t start = Begin(Emf::BITBLT);
    for (DWORD v : {0u, 0u, 0u, 0u, DWORD(x), DWORD(y), DWORD(w), DWORD(h), rop, 0u, 0u})
        Put(v);
    const float identity[6] = {1, 0, 0, 1, 0, 0};
    PutBytes(identity, sizeof identity);
    for (int i = 0; i < 6; ++i)
        Put(0);
    End(start);
    BoundExtent(x, y, w, h);
}

void EmfRecorder::Transfer(int x, int y, int w, int h, const QImage &source, DWORD rop, bool stretch)
{
    const size_t start = Begin(stretch ? Emf::STRETCHBLT : Emf::BITBLT);
    for (DWORD v : {0u, 0u, 0u, 0u, DWORD(x), DWORD(y), DWORD(w), DWORD(h), rop, 0u, 0u})
        Put(v);
    const float identity[6] = {1, 0, 0, 1, 0, 0};
    PutBytes(identity, sizeof identity);
    Put(0xFFFFFF); // source background colour
    Put(DIB_RGB_COLORS);
    for (int i = 0; i < 4; ++i)
        Put(0);
    if (stretch) {
        Put(DWORD(source.width()));
        Put(DWORD(source.height()));
    }
    PutDib(source, false, start, 84);
    End(start);
    BoundExtent(x, y, w, h);
}

void EmfRecorder::GradientFill(const TRIVERTEX *vertices, ULONG nVertices, const void *mesh, ULONG nMesh, ULONG mode)
{
    const bool triangles = mode == GRADIENT_FILL_TRIANGLE;
    const size_t start = Begin(Emf::GRADIENTFILL);
    LONG left = vertices[0].x, top = vertices[0].y, right = left, bottom = top;
    for (ULONG i = 1; i < nVertices; ++i) {
        left = std::min(left, vertices[i].x);
        top = std::min(top, vertices[i].y);
        right = std::max(right, vertices[i].x);
        bottom = std::max(bottom, vertices[i].y);
    }
    for (LONG v : {left, top, right, bottom})
        Put(DWORD(v));
    Put(nVertices);
    Put(nMesh);
    Put(mode);
    for (ULONG i = 0; i < nVertices; ++i) {
        const TRIVERTEX &v = vertices[i];
        Put(DWORD(v.x));
        Put(DWORD(v.y));
        Put(DWORD(v.Red) | DWORD(v.Green) << 16);
        Put(DWORD(v.Blue) | DWORD(v.Alpha) << 16);
        BoundLogical(v.x, v.y);
    }
    const ULONG *indexes = static_cast<const ULONG *>(mesh);
    for (ULONG i = 0; i < nMesh * (triangles ? 3u : 2u); ++i)
        Put(indexes[i]);
    End(start);
}

void EmfRecorder::ClipRegion(const QRegion &deviceRegion, int mode)
{
    const size_t start = Begin(Emf::EXTSELECTCLIPRGN);
    const int rects = deviceRegion.rectCount();
    Put(rects || mode != RGN_COPY ? DWORD(32 + 16 * rects) : 0u);
    Put(DWORD(mode));
    if (rects || mode != RGN_COPY) {
        const QRect bound = deviceRegion.boundingRect();
        for (DWORD v : {32u, 1u, DWORD(rects), DWORD(16 * rects), DWORD(bound.left()), DWORD(bound.top()),
                        DWORD(bound.right() + 1), DWORD(bound.bottom() + 1)})
            Put(v);
        for (const QRect &r : deviceRegion)
            for (int v : {r.left(), r.top(), r.right() + 1, r.bottom() + 1})
                Put(DWORD(v));
    }
    End(start);
}

void EmfRecorder::Region(DWORD type, const QRegion &region, HGDIOBJ brush, int w, int h)
{
    DWORD brushSlot = 0;
    if (brush) {
        std::shared_ptr<GdiObjectData> data = GdiHandles::Lookup(brush);
        const int stock = data && data->stock ? StockIndex(brush) : -1;
        brushSlot = stock >= 0 ? (Emf::kStockObjectFlag | DWORD(stock)) : SlotOf(brush);
        if (!brushSlot)
            return;
    }
    const int rects = region.rectCount();
    const QRect bound = region.boundingRect();
    const size_t start = Begin(type);
    for (int v : {bound.left(), bound.top(), bound.right() + 1, bound.bottom() + 1})
        Put(DWORD(v));
    Put(DWORD(32 + 16 * rects));
    if (type == Emf::FILLRGN || type == Emf::FRAMERGN)
        Put(brushSlot);
    if (type == Emf::FRAMERGN) {
        Put(DWORD(w));
        Put(DWORD(h));
    }
    for (DWORD v : {32u, 1u, DWORD(rects), DWORD(16 * rects), DWORD(bound.left()), DWORD(bound.top()),
                    DWORD(bound.right() + 1), DWORD(bound.bottom() + 1)})
        Put(v);
    for (const QRect &r : region)
        for (int v : {r.left(), r.top(), r.right() + 1, r.bottom() + 1})
            Put(DWORD(v));
    End(start);
    BoundLogical(bound.left(), bound.top());
    BoundLogical(bound.right() + 1, bound.bottom() + 1);
    // A brush used only here leaves the table again.
    if (brush && !Held(brush))
        Release(brush);
}

std::vector<BYTE> EmfRecorder::Finish(const RECT *frame, const std::u16string &description, SIZE devicePixels,
                                      SIZE deviceDpi)
{
    // The reference device at its resolution: micrometres exactly, millimetres rounded.
    const double dpiX = deviceDpi.cx > 0 ? deviceDpi.cx : 96, dpiY = deviceDpi.cy > 0 ? deviceDpi.cy : 96;
    const LONG umX = static_cast<LONG>(std::llround(devicePixels.cx * 25400.0 / dpiX));
    const LONG umY = static_cast<LONG>(std::llround(devicePixels.cy * 25400.0 / dpiY));
    const RECT bounds = m_hasBounds ? m_bounds : RECT{0, 0, -1, -1};
    RECT himetric;
    if (frame) {
        himetric = *frame;
    } else {
        // From the bounds in pixels, by the same ratio players use to go back.
        auto toHimetric = [](LONG px, LONG um, LONG device) {
            return static_cast<LONG>(std::llround(px * (um / 10.0) / device));
        };
        himetric =
            RECT{toHimetric(bounds.left, umX, devicePixels.cx), toHimetric(bounds.top, umY, devicePixels.cy),
                 toHimetric(bounds.right, umX, devicePixels.cx), toHimetric(bounds.bottom, umY, devicePixels.cy)};
    }
    const DWORD headerSize = 108;
    const DWORD descriptionBytes = static_cast<DWORD>((2 * description.size() + 3) & ~size_t(3));
    const DWORD headerTotal = headerSize + descriptionBytes;
    const DWORD eofSize = 20;
    const DWORD total = headerTotal + static_cast<DWORD>(m_bytes.size()) + eofSize;

    std::vector<BYTE> out;
    out.reserve(total);
    auto put = [&](DWORD v) {
        const size_t at = out.size();
        out.resize(at + 4);
        std::memcpy(out.data() + at, &v, 4);
    };
    put(Emf::HEADER);
    put(headerTotal);
    for (LONG v : {bounds.left, bounds.top, bounds.right, bounds.bottom, himetric.left, himetric.top, himetric.right,
                   himetric.bottom})
        put(DWORD(v));
    put(Emf::kSignature);
    put(Emf::kVersion);
    put(total);
    put(m_records + 2);
    put(std::max<DWORD>(m_handles, 1)); // nHandles and the reserved word
    put(static_cast<DWORD>(description.size()));
    put(description.empty() ? 0 : headerSize);
    put(0); // palette entries
    put(DWORD(devicePixels.cx));
    put(DWORD(devicePixels.cy));
    put(DWORD((umX + 500) / 1000));
    put(DWORD((umY + 500) / 1000));
    put(0); // pixel format
    put(0);
    put(0); // OpenGL
    put(DWORD(umX));
    put(DWORD(umY));
    const size_t at = out.size();
    out.resize(at + descriptionBytes, 0);
    if (!description.empty())
        std::memcpy(out.data() + at, description.data(), 2 * description.size());
    out.insert(out.end(), m_bytes.begin(), m_bytes.end());
    for (DWORD v : {DWORD(Emf::EOF_), eofSize, 0u, 16u, eofSize})
        put(v);
    return out;
}
