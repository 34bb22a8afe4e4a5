// The player's drawing records: lines, shapes, paths, regions, transfers and text.
#include "framework/gdi/EmfPlayer.h"
#include "framework/gdi/Saturate.h"

#include <QString>

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kMaxTextUnits = 1u << 20;

struct Point32 {
    static constexpr size_t kSize = 8;
    static POINT Read(Emf::Reader &r, size_t at) { return r.Point(at); }
};
struct Point16 {
    static constexpr size_t kSize = 4;
    static POINT Read(Emf::Reader &r, size_t at) { return POINT{r.I16(at), r.I16(at + 2)}; }
};

} // namespace

template <typename PointForm>
bool EmfPlayer::ReadPoints(Emf::Reader &r, size_t offset, DWORD count, std::vector<POINT> &points) const
{
    if (count == 0 || !r.Has(offset, static_cast<size_t>(count) * PointForm::kSize))
        return false;
    points.resize(count);
    for (DWORD i = 0; i < count; ++i)
        points[i] = PointForm::Read(r, offset + PointForm::kSize * i);
    return true;
}

// Poly-poly records: bounds, number of polygons, total points, the counts, the points.
bool EmfPlayer::ReadPolyCounts(Emf::Reader &r, bool small, std::vector<POINT> &points, std::vector<INT> &counts) const
{
    const DWORD polys = r.U32(24), total = r.U32(28);
    if (!r.Ok() || polys == 0 || !r.Has(32, 4ull * polys))
        return false;
    counts.resize(polys);
    unsigned long long sum = 0;
    for (DWORD i = 0; i < polys; ++i) {
        const DWORD n = r.U32(32 + 4ull * i);
        if (n > total)
            return false;
        counts[i] = static_cast<INT>(n);
        sum += n;
    }
    if (sum != total)
        return false;
    const size_t at = 32 + 4ull * polys;
    return small ? ReadPoints<Point16>(r, at, total, points) : ReadPoints<Point32>(r, at, total, points);
}

bool EmfPlayer::PlayLineRecord(DWORD type, Emf::Reader r)
{
    std::vector<POINT> points;
    const bool small = type >= Emf::POLYBEZIER16 && type <= Emf::POLYBEZIERTO16 + 1;
    auto read = [&] {
        const DWORD count = r.U32(24);
        return r.Ok() &&
               (small ? ReadPoints<Point16>(r, 28, count, points) : ReadPoints<Point32>(r, 28, count, points));
    };
    const auto count = [&] { return static_cast<int>(points.size()); };
    switch (type) {
    case Emf::MOVETOEX:
        if (r.Has(8, 8))
            m_dc->MoveTo(r.I32(8), r.I32(12));
        return true;
    case Emf::LINETO:
        if (r.Has(8, 8))
            m_dc->LineTo(r.I32(8), r.I32(12));
        return true;
    case Emf::POLYLINE:
    case Emf::POLYLINE16:
        if (read())
            m_dc->Polyline(points.data(), count());
        return true;
    case Emf::POLYLINETO:
    case Emf::POLYLINETO16:
        if (read())
            m_dc->PolylineTo(points.data(), count());
        return true;
    case Emf::POLYBEZIER:
    case Emf::POLYBEZIER16:
        if (read() && points.size() % 3 == 1)
            m_dc->PolyBezier(points.data(), count());
        return true;
    case Emf::POLYBEZIERTO:
    case Emf::POLYBEZIERTO16:
        if (read() && points.size() % 3 == 0)
            m_dc->PolyBezierTo(points.data(), count());
        return true;
    case Emf::POLYGON:
    case Emf::POLYGON16:
        if (read())
            m_dc->Polygon(points.data(), count());
        return true;
    case Emf::POLYPOLYLINE:
    case Emf::POLYPOLYLINE16:
    case Emf::POLYPOLYGON:
    case Emf::POLYPOLYGON16: {
        std::vector<INT> counts;
        const bool small16 = type == Emf::POLYPOLYLINE16 || type == Emf::POLYPOLYGON16;
        if (!ReadPolyCounts(r, small16, points, counts))
            return true;
        if (type == Emf::POLYPOLYGON || type == Emf::POLYPOLYGON16) {
            m_dc->PolyPolygon(points.data(), counts.data(), static_cast<int>(counts.size()));
            return true;
        }
        std::vector<DWORD> sizes(counts.begin(), counts.end());
        m_dc->PolyPolyline(points.data(), sizes.data(), static_cast<int>(sizes.size()));
        return true;
    }
    case Emf::EXTFLOODFILL:
        if (r.Has(8, 16))
            m_dc->ExtFloodFill(r.I32(8), r.I32(12), r.U32(16), r.U32(20));
        return true;
    case Emf::SETPIXELV:
        if (r.Has(8, 12))
            m_dc->SetPixelV(r.I32(8), r.I32(12), r.U32(16));
        return true;
    default: return false;
    }
}

bool EmfPlayer::PlayShapeRecord(DWORD type, Emf::Reader r)
{
    const RECT box = r.Rect(8);
    switch (type) {
    case Emf::RECTANGLE:
        if (r.Ok())
            m_dc->Rectangle(box.left, box.top, box.right, box.bottom);
        return true;
    case Emf::ELLIPSE:
        if (r.Ok())
            m_dc->Ellipse(box.left, box.top, box.right, box.bottom);
        return true;
    case Emf::ROUNDRECT: {
        const LONG w = r.I32(24), h = r.I32(28);
        if (r.Ok())
            m_dc->RoundRect(box.left, box.top, box.right, box.bottom, w, h);
        return true;
    }
    case Emf::ARC:
    case Emf::ARCTO:
    case Emf::CHORD:
    case Emf::PIE: {
        const POINT a = r.Point(24), b = r.Point(32);
        if (!r.Ok())
            return true;
        if (type == Emf::ARC)
            m_dc->Arc(box.left, box.top, box.right, box.bottom, a.x, a.y, b.x, b.y);
        else if (type == Emf::ARCTO)
            m_dc->ArcTo(box.left, box.top, box.right, box.bottom, a.x, a.y, b.x, b.y);
        else if (type == Emf::CHORD)
            m_dc->Chord(box.left, box.top, box.right, box.bottom, a.x, a.y, b.x, b.y);
        else
            m_dc->Pie(box.left, box.top, box.right, box.bottom, a.x, a.y, b.x, b.y);
        return true;
    }
    case Emf::ANGLEARC: {
        const POINT centre = r.Point(8);
        const DWORD radius = r.U32(16);
        const float start = r.F32(20), sweep = r.F32(24);
        if (r.Ok() && radius < (1u << 30) && std::isfinite(start) && std::isfinite(sweep))
            m_dc->AngleArc(centre.x, centre.y, static_cast<int>(radius), start, sweep);
        return true;
    }
    default: return false;
    }
}

bool EmfPlayer::PlayPathRecord(DWORD type)
{
    switch (type) {
    case Emf::BEGINPATH: m_dc->BeginPath(); return true;
    case Emf::ENDPATH: m_dc->EndPath(); return true;
    case Emf::CLOSEFIGURE: m_dc->CloseFigure(); return true;
    case Emf::FILLPATH: m_dc->FillPath(); return true;
    case Emf::STROKEANDFILLPATH: m_dc->StrokeAndFillPath(); return true;
    case Emf::STROKEPATH: m_dc->StrokePath(); return true;
    case Emf::FLATTENPATH: m_dc->FlattenPath(); return true;
    case Emf::ABORTPATH: m_dc->AbortPath(); return true;
    default: return false;
    }
}

// Region records carry their region in logical units.
bool EmfPlayer::PlayRegionRecord(DWORD type, Emf::Reader r)
{
    size_t dataAt = 0;
    switch (type) {
    case Emf::FILLRGN: dataAt = 32; break;
    case Emf::FRAMERGN: dataAt = 40; break;
    case Emf::INVERTRGN:
    case Emf::PAINTRGN: dataAt = 28; break;
    default: return false;
    }
    const DWORD size = r.U32(24);
    HRGN region = r.Ok() ? RegionFromData(r, dataAt, size, false) : nullptr;
    if (!region)
        return true;
    if (type == Emf::FILLRGN || type == Emf::FRAMERGN) {
        HGDIOBJ brush = Object(r.U32(28));
        if (brush && type == Emf::FILLRGN)
            FillRgn(m_hdc, region, brush);
        else if (brush && r.Has(32, 8))
            FrameRgn(m_hdc, region, brush, r.I32(32), r.I32(36));
    } else if (type == Emf::INVERTRGN) {
        InvertRgn(m_hdc, region);
    } else {
        PaintRgn(m_hdc, region);
    }
    DeleteObject(region);
    return true;
}

bool EmfPlayer::PlayTransferRecord(DWORD type, Emf::Reader r)
{
    switch (type) {
    case Emf::BITBLT:
    case Emf::STRETCHBLT: {
        // bounds, dest x y cx cy, rop, src x y, xform, bk colour, usage, offBmi cbBmi offBits cbBits[, cx cy src]
        const LONG x = r.I32(24), y = r.I32(28), cx = r.I32(32), cy = r.I32(36);
        const DWORD rop = r.U32(40);
        const LONG xSrc = r.I32(44), ySrc = r.I32(48);
        const DWORD usage = r.U32(80), offBmi = r.U32(84), cbBmi = r.U32(88), offBits = r.U32(92), cbBits = r.U32(96);
        LONG cxSrc = cx, cySrc = cy;
        if (type == Emf::STRETCHBLT) {
            cxSrc = r.I32(100);
            cySrc = r.I32(104);
        }
        if (!r.Ok())
            return true;
        if (cbBmi == 0) {
            m_dc->PatBlt(x, y, cx, cy, rop);
            return true;
        }
        const void *bits = nullptr;
        const BITMAPINFO *info = CheckedDib(r, offBmi, cbBmi, offBits, cbBits, usage, &bits);
        if (!info)
            return true;
        // Source rows count from the top here; a bottom-up DIB counts them
        // from its bottom (in 64 bits: a hostile source y can be any int).
        const LONG height = info->bmiHeader.biHeight;
        const LONG ySource =
            height > 0 ? Saturate::ToInt(static_cast<long long>(height) - ySrc - static_cast<long long>(cySrc)) : ySrc;
        StretchDIBits(m_hdc, x, y, cx, cy, xSrc, ySource, cxSrc, cySrc, bits, info, usage, rop);
        return true;
    }
    case Emf::STRETCHDIBITS: {
        const LONG x = r.I32(24), y = r.I32(28), xSrc = r.I32(32), ySrc = r.I32(36), cxSrc = r.I32(40),
                   cySrc = r.I32(44);
        const DWORD offBmi = r.U32(48), cbBmi = r.U32(52), offBits = r.U32(56), cbBits = r.U32(60), usage = r.U32(64),
                    rop = r.U32(68);
        const LONG cx = r.I32(72), cy = r.I32(76);
        const void *bits = nullptr;
        const BITMAPINFO *info = r.Ok() ? CheckedDib(r, offBmi, cbBmi, offBits, cbBits, usage, &bits) : nullptr;
        if (info)
            StretchDIBits(m_hdc, x, y, cx, cy, xSrc, ySrc, cxSrc, cySrc, bits, info, usage, rop);
        return true;
    }
    case Emf::SETDIBITSTODEVICE: {
        const LONG x = r.I32(24), y = r.I32(28), xSrc = r.I32(32), ySrc = r.I32(36), cxSrc = r.I32(40),
                   cySrc = r.I32(44);
        const DWORD offBmi = r.U32(48), cbBmi = r.U32(52), offBits = r.U32(56), cbBits = r.U32(60), usage = r.U32(64),
                    startScan = r.U32(68), scans = r.U32(72);
        const void *bits = nullptr;
        const BITMAPINFO *info = r.Ok() ? CheckedDib(r, offBmi, cbBmi, offBits, cbBits, usage, &bits) : nullptr;
        if (info && cxSrc >= 0 && cySrc >= 0)
            SetDIBitsToDevice(m_hdc, x, y, static_cast<DWORD>(cxSrc), static_cast<DWORD>(cySrc), xSrc, ySrc, startScan,
                              scans, bits, info, usage);
        return true;
    }
    default: return false;
    }
}

// EXTTEXTOUTW and EXTTEXTOUTA: bounds, graphics mode, x and y scale, then
// the EMRTEXT: reference point, count, string offset, options, rectangle,
// offset of the advances (offsets from the record's start).
bool EmfPlayer::PlayTextRecord(DWORD type, Emf::Reader r)
{
    if (type != Emf::EXTTEXTOUTW && type != Emf::EXTTEXTOUTA)
        return false;
    const POINT at = r.Point(36);
    const DWORD count = r.U32(44), offString = r.U32(48), options = r.U32(52), offDx = r.U32(72);
    const RECT rect = r.Rect(56);
    const size_t unit = type == Emf::EXTTEXTOUTW ? 2 : 1;
    if (!r.Ok() || count > kMaxTextUnits || !r.Has(offString, unit * count))
        return true;
    QByteArray text;
    if (type == Emf::EXTTEXTOUTW) {
        std::vector<char16_t> units(count);
        if (count)
            std::memcpy(units.data(), r.Data() + offString, 2ull * count);
        text = QString::fromUtf16(units.data(), static_cast<qsizetype>(count)).toUtf8();
    } else {
        text = QByteArray(reinterpret_cast<const char *>(r.Data() + offString), static_cast<qsizetype>(count));
    }
    std::vector<INT> advances;
    if (offDx && count && r.Has(offDx, 4ull * count)) {
        advances.resize(count);
        std::memcpy(advances.data(), r.Data() + offDx, 4ull * count);
    }
    const UINT drawOptions = options & (ETO_OPAQUE | ETO_CLIPPED);
    m_dc->ExtTextOut(at.x, at.y, drawOptions, drawOptions ? &rect : nullptr, text.constData(),
                     static_cast<UINT>(text.size()), advances.empty() ? nullptr : advances.data());
    return true;
}

// Vertices and mesh after the bounds: their counts must fit the record.
bool EmfPlayer::PlayGradientRecord(DWORD type, Emf::Reader r)
{
    if (type != Emf::GRADIENTFILL)
        return false;
    const DWORD nVertices = r.U32(24), nMesh = r.U32(28), mode = r.U32(32);
    if (!r.Ok() || nVertices == 0 ||
        (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V && mode != GRADIENT_FILL_TRIANGLE))
        return true;
    const size_t meshSize = mode == GRADIENT_FILL_TRIANGLE ? 12 : 8;
    if (nVertices > r.Size() / 16 || nMesh > r.Size() / meshSize || !r.Has(36, nVertices * 16 + nMesh * meshSize))
        return true;
    std::vector<TRIVERTEX> vertices(nVertices);
    for (DWORD i = 0; i < nVertices; ++i) {
        const size_t at = 36 + 16 * static_cast<size_t>(i);
        TRIVERTEX &v = vertices[i];
        v.x = r.Coord(at);
        v.y = r.Coord(at + 4);
        v.Red = r.U16(at + 8);
        v.Green = r.U16(at + 10);
        v.Blue = r.U16(at + 12);
        v.Alpha = r.U16(at + 14);
    }
    std::vector<ULONG> mesh(nMesh * (meshSize / 4));
    const size_t meshAt = 36 + 16 * static_cast<size_t>(nVertices);
    for (size_t i = 0; i < mesh.size(); ++i)
        mesh[i] = r.U32(meshAt + 4 * i);
    // Indexes outside the vertices make the call refuse the whole record.
    if (r.Ok())
        m_dc->GradientFill(vertices.data(), nVertices, mesh.data(), nMesh, mode);
    return true;
}
