#include "framework/gdi/WinMetaFile.h"

#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/EmfRecorder.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/MetaFileDC.h"
#include "framework/gdi/PackedDib.h"
#include "framework/gdi/RegionBands.h"

#include <QRegion>
#include <QString>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr size_t kHeaderBytes = 18;
constexpr size_t kMaxObjects = 65535;
constexpr size_t kMaxSaveDepth = 1024;
// Rectangles of one region record beyond this are refused: real pictures
// hold a few, and building a region costs more with each.
constexpr size_t kMaxRegionRects = 4096;

enum Function : WORD {
    EOF_ = 0x0000,
    SAVEDC = 0x001E,
    REALIZEPALETTE = 0x0035,
    SETPALENTRIES = 0x0037,
    CREATEPALETTE = 0x00F7,
    SETBKMODE = 0x0102,
    SETMAPMODE = 0x0103,
    SETROP2 = 0x0104,
    SETRELABS = 0x0105,
    SETPOLYFILLMODE = 0x0106,
    SETSTRETCHBLTMODE = 0x0107,
    SETTEXTCHAREXTRA = 0x0108,
    RESTOREDC = 0x0127,
    INVERTREGION = 0x012A,
    PAINTREGION = 0x012B,
    SELECTCLIPREGION = 0x012C,
    SELECTOBJECT = 0x012D,
    SETTEXTALIGN = 0x012E,
    RESIZEPALETTE = 0x0139,
    DIBCREATEPATTERNBRUSH = 0x0142,
    DELETEOBJECT = 0x01F0,
    CREATEPATTERNBRUSH = 0x01F9,
    SETBKCOLOR = 0x0201,
    SETTEXTCOLOR = 0x0209,
    SETTEXTJUSTIFICATION = 0x020A,
    SETWINDOWORG = 0x020B,
    SETWINDOWEXT = 0x020C,
    SETVIEWPORTORG = 0x020D,
    SETVIEWPORTEXT = 0x020E,
    OFFSETWINDOWORG = 0x020F,
    OFFSETVIEWPORTORG = 0x0211,
    LINETO = 0x0213,
    MOVETO = 0x0214,
    OFFSETCLIPRGN = 0x0220,
    FILLREGION = 0x0228,
    SETMAPPERFLAGS = 0x0231,
    SELECTPALETTE = 0x0234,
    CREATEPENINDIRECT = 0x02FA,
    CREATEFONTINDIRECT = 0x02FB,
    CREATEBRUSHINDIRECT = 0x02FC,
    POLYGON = 0x0324,
    POLYLINE = 0x0325,
    SCALEWINDOWEXT = 0x0410,
    SCALEVIEWPORTEXT = 0x0412,
    EXCLUDECLIPRECT = 0x0415,
    INTERSECTCLIPRECT = 0x0416,
    ELLIPSE = 0x0418,
    FLOODFILL = 0x0419,
    RECTANGLE = 0x041B,
    SETPIXEL = 0x041F,
    FRAMEREGION = 0x0429,
    ANIMATEPALETTE = 0x0436,
    TEXTOUT = 0x0521,
    POLYPOLYGON = 0x0538,
    EXTFLOODFILL = 0x0548,
    ROUNDRECT = 0x061C,
    PATBLT = 0x061D,
    ESCAPE = 0x0626,
    CREATEREGION = 0x06FF,
    ARC = 0x0817,
    PIE = 0x081A,
    CHORD = 0x0830,
    BITBLT = 0x0922,
    DIBBITBLT = 0x0940,
    EXTTEXTOUT = 0x0A32,
    STRETCHBLT = 0x0B23,
    DIBSTRETCHBLT = 0x0B41,
    SETDIBTODEV = 0x0D33,
    STRETCHDIB = 0x0F43,
};

// One record's parameters: 16-bit words after the size and function.
class Params {
public:
    Params(const BYTE *words, size_t count) : m_words(words), m_count(count) {}
    size_t Count() const { return m_count; }
    bool Has(size_t n) const { return n <= m_count; }
    short S(size_t i) const { return static_cast<short>(W(i)); }
    WORD W(size_t i) const { return i < m_count ? static_cast<WORD>(m_words[2 * i] | m_words[2 * i + 1] << 8) : 0; }
    DWORD D(size_t i) const { return W(i) | static_cast<DWORD>(W(i + 1)) << 16; }
    const BYTE *Bytes(size_t i) const { return m_words + 2 * i; }
    size_t BytesFrom(size_t i) const { return i <= m_count ? 2 * (m_count - i) : 0; }

private:
    const BYTE *m_words;
    size_t m_count;
};

struct Header {
    size_t start = 0; // of the 18-byte header
    size_t bytes = 0; // the metafile's size from its header
    size_t objects = 0;
};

bool ReadHeader(const BYTE *data, size_t size, Header &header)
{
    DWORD key = 0;
    if (size >= 4)
        std::memcpy(&key, data, 4);
    header.start = key == kPlaceableKey ? kPlaceableSize : 0;
    if (size < header.start + kHeaderBytes)
        return false;
    const Params h(data + header.start, kHeaderBytes / 2);
    const WORD type = h.W(0), headerWords = h.W(1);
    const DWORD words = h.D(3);
    if ((type != 1 && type != 2) || headerWords != 9)
        return false;
    // The size counts 16-bit words: it must cover the header and lie within the bytes.
    if (words < kHeaderBytes / 2 || static_cast<unsigned long long>(words) * 2 > size - header.start)
        return false;
    header.bytes = static_cast<size_t>(words) * 2;
    header.objects = h.W(5);
    return true;
}

// Every record within the size the header gives, the last an end record.
bool ValidRecords(const BYTE *data, const Header &header, std::vector<std::pair<size_t, size_t>> &records)
{
    size_t at = header.start + kHeaderBytes;
    const size_t end = header.start + header.bytes;
    while (at + 6 <= end) {
        const Params r(data + at, 3);
        const DWORD words = r.D(0);
        if (words < 3 || static_cast<unsigned long long>(words) * 2 > end - at)
            return false;
        if (r.W(2) == EOF_)
            return true;
        records.emplace_back(at, static_cast<size_t>(words));
        at += static_cast<size_t>(words) * 2;
    }
    return false;
}

class Converter {
public:
    // ownViewport: the converter has set the viewport the window maps onto,
    // and the metafile's own viewport and fixed mapping modes are ignored.
    Converter(CMetaFileDC &dc, size_t objects, bool ownViewport)
        : m_dc(dc), m_objects(std::min(objects, kMaxObjects), nullptr), m_ownViewport(ownViewport)
    {
    }
    ~Converter()
    {
        for (HGDIOBJ object : m_objects)
            if (object)
                DeleteObject(object);
    }

    void Play(WORD function, const Params &p);

private:
    void Store(HGDIOBJ object);
    void State(WORD function, const Params &p);
    bool Mapping(WORD function, const Params &p);
    bool Objects(WORD function, const Params &p);
    bool Drawing(WORD function, const Params &p);
    bool Text(WORD function, const Params &p);
    bool Transfers(WORD function, const Params &p);
    void DrawDib(const Params &p, size_t dibAt, int x, int y, int w, int h, int xSrc, int ySrc, int wSrc, int hSrc,
                 DWORD rop, bool bottomUpSource);
    std::vector<POINT> Points(const Params &p, size_t at, size_t count) const;
    bool Regions(WORD function, const Params &p);
    void SelectLogicalClip(HGDIOBJ region);
    HGDIOBJ ObjectAt(const Params &p, size_t param, DWORD type) const;

    CMetaFileDC &m_dc;
    std::vector<HGDIOBJ> m_objects;
    bool m_ownViewport;
    size_t m_saves = 0;
};

// New objects take the lowest free slot; beyond the table they are dropped.
void Converter::Store(HGDIOBJ object)
{
    auto slot = std::find(m_objects.begin(), m_objects.end(), nullptr);
    if (slot == m_objects.end()) {
        if (object)
            DeleteObject(object);
        return;
    }
    // A slot must be taken even by an object that could not be made, so the
    // numbering of later objects stays right: an empty region stands in.
    *slot = object ? object : CreateRectRgn(0, 0, 0, 0);
}

std::vector<POINT> Converter::Points(const Params &p, size_t at, size_t count) const
{
    std::vector<POINT> points(count);
    for (size_t i = 0; i < count; ++i)
        points[i] = POINT{p.S(at + 2 * i), p.S(at + 2 * i + 1)};
    return points;
}

// A region record: the header (next in chain, object type, object count,
// region size, scan count, largest scan, bounds) and its scans, each a
// count of x coordinates, top, bottom, the left-right pairs and the count
// again. Anything that does not hold together gives no region.
QRegion ReadRegion(const Params &p, bool &ok)
{
    ok = false;
    if (!p.Has(11))
        return QRegion();
    const size_t scans = p.W(5);
    size_t at = 11, total = 0;
    std::vector<QRect> rects;
    rects.reserve(std::min(p.Count() / 2, kMaxRegionRects));
    for (size_t i = 0; i < scans; ++i) {
        if (!p.Has(at + 3))
            return QRegion();
        const size_t count = p.W(at);
        const int top = p.S(at + 1), bottom = p.S(at + 2);
        if (count % 2 != 0 || !p.Has(at + 4 + count) || p.W(at + 3 + count) != count)
            return QRegion();
        total += count / 2;
        if (total > kMaxRegionRects)
            return QRegion();
        for (size_t k = 0; k < count; k += 2) {
            const int left = p.S(at + 3 + k), right = p.S(at + 4 + k);
            if (right > left && bottom > top)
                rects.push_back(QRect(left, top, right - left, bottom - top));
        }
        at += 4 + count;
    }
    ok = true;
    // United in one pass: one rectangle at a time took time with the cube of
    // the scans.
    return RegionFromRects(std::move(rects));
}

// The object in the slot a parameter names, when it is of the type.
HGDIOBJ Converter::ObjectAt(const Params &p, size_t param, DWORD type) const
{
    if (!p.Has(param + 1))
        return nullptr;
    const WORD index = p.W(param);
    HGDIOBJ object = index < m_objects.size() ? m_objects[index] : nullptr;
    return object && GetObjectType(object) == type ? object : nullptr;
}

// The file's regions are in its logical units: as a clip they become the
// context's device units under the mapping in force.
void Converter::SelectLogicalClip(HGDIOBJ object)
{
    auto rgn = GdiHandles::LookupAs<RgnData>(object, GdiObjectKind::Region);
    if (!rgn)
        return;
    std::vector<QRect> rects;
    rects.reserve(static_cast<size_t>(rgn->region.rectCount()));
    for (const QRect &r : rgn->region) {
        RECT rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
        m_dc.LPtoDP(&rect);
        rects.push_back(QRect(QPoint(std::min(rect.left, rect.right), std::min(rect.top, rect.bottom)),
                              QPoint(std::max(rect.left, rect.right) - 1, std::max(rect.top, rect.bottom) - 1)));
    }
    auto device = std::make_shared<RgnData>();
    device->region = RegionFromRects(std::move(rects));
    HGDIOBJ clip = GdiHandles::Insert(std::move(device));
    m_dc.SelectClipRgn(CRgn::FromHandle(clip));
    DeleteObject(clip);
}

bool Converter::Regions(WORD function, const Params &p)
{
    switch (function) {
    case CREATEREGION: {
        bool ok = false;
        QRegion region = ReadRegion(p, ok);
        auto rgn = std::make_shared<RgnData>();
        rgn->region = region;
        // A region that does not hold together still takes its slot, empty.
        Store(GdiHandles::Insert(std::move(rgn)));
        return true;
    }
    case FILLREGION:
    case FRAMEREGION: {
        HGDIOBJ region = ObjectAt(p, 0, OBJ_REGION), brush = ObjectAt(p, 1, OBJ_BRUSH);
        if (!region || !brush)
            return true;
        if (function == FILLREGION)
            FillRgn(m_dc.m_hDC, static_cast<HRGN>(region), static_cast<HBRUSH>(brush));
        else if (p.Has(4))
            FrameRgn(m_dc.m_hDC, static_cast<HRGN>(region), static_cast<HBRUSH>(brush), p.S(3), p.S(2));
        return true;
    }
    case PAINTREGION:
    case INVERTREGION:
        if (HGDIOBJ region = ObjectAt(p, 0, OBJ_REGION)) {
            if (function == PAINTREGION)
                PaintRgn(m_dc.m_hDC, static_cast<HRGN>(region));
            else
                InvertRgn(m_dc.m_hDC, static_cast<HRGN>(region));
        }
        return true;
    default: return false;
    }
}

void Converter::Play(WORD function, const Params &p)
{
    if (Mapping(function, p) || Regions(function, p) || Objects(function, p) || Drawing(function, p) ||
        Text(function, p) || Transfers(function, p))
        return;
    State(function, p);
}

void Converter::State(WORD function, const Params &p)
{
    if (function != SAVEDC && function != REALIZEPALETTE && !p.Has(1))
        return;
    switch (function) {
    case SETBKCOLOR: m_dc.SetBkColor(p.D(0)); break;
    case SETTEXTCOLOR: m_dc.SetTextColor(p.D(0)); break;
    case SETBKMODE: m_dc.SetBkMode(p.W(0)); break;
    case SETROP2: m_dc.SetROP2(p.W(0)); break;
    case SETPOLYFILLMODE: m_dc.SetPolyFillMode(p.W(0)); break;
    case SETSTRETCHBLTMODE: m_dc.SetStretchBltMode(p.W(0)); break;
    case SETTEXTALIGN: m_dc.SetTextAlign(p.W(0)); break;
    case SETTEXTCHAREXTRA: m_dc.SetTextCharacterExtra(p.S(0)); break;
    case SAVEDC:
        if (m_saves < kMaxSaveDepth && m_dc.SaveDC())
            ++m_saves;
        break;
    case RESTOREDC: {
        const int level = p.S(0);
        if (level < 0 && static_cast<size_t>(-level) <= m_saves && m_dc.RestoreDC(level))
            m_saves -= static_cast<size_t>(-level);
        break;
    }
    case REALIZEPALETTE: m_dc.RealizePalette(); break;
    default: break; // escapes, justification, mapper flags and unknown records
    }
}

bool Converter::Mapping(WORD function, const Params &p)
{
    switch (function) {
    case SETMAPMODE:
        if (p.Has(1) && !m_ownViewport)
            m_dc.SetMapMode(p.W(0));
        return true;
    case SETWINDOWORG:
    case SETWINDOWEXT:
    case SETVIEWPORTORG:
    case SETVIEWPORTEXT:
    case OFFSETWINDOWORG:
    case OFFSETVIEWPORTORG: {
        const bool viewport = function == SETVIEWPORTORG || function == SETVIEWPORTEXT || function == OFFSETVIEWPORTORG;
        if (!p.Has(2) || (viewport && m_ownViewport))
            return true;
        const int y = p.S(0), x = p.S(1);
        if (function == SETWINDOWORG)
            m_dc.SetWindowOrg(x, y);
        else if (function == SETWINDOWEXT)
            m_dc.SetWindowExt(x, y);
        else if (function == SETVIEWPORTORG)
            m_dc.SetViewportOrg(x, y);
        else if (function == SETVIEWPORTEXT)
            m_dc.SetViewportExt(x, y);
        else if (function == OFFSETWINDOWORG)
            m_dc.OffsetWindowOrg(x, y);
        else
            m_dc.OffsetViewportOrg(x, y);
        return true;
    }
    case SCALEWINDOWEXT:
    case SCALEVIEWPORTEXT:
        if (p.Has(4) && p.S(0) && p.S(2) && !(function == SCALEVIEWPORTEXT && m_ownViewport)) {
            if (function == SCALEWINDOWEXT)
                m_dc.ScaleWindowExt(p.S(3), p.S(2), p.S(1), p.S(0));
            else
                m_dc.ScaleViewportExt(p.S(3), p.S(2), p.S(1), p.S(0));
        }
        return true;
    default: return false;
    }
}

bool Converter::Objects(WORD function, const Params &p)
{
    switch (function) {
    case CREATEPENINDIRECT: {
        const LOGPEN pen{p.W(0), POINT{p.S(1), 0}, p.D(3)};
        Store(p.Has(5) ? CreatePenIndirect(&pen) : nullptr);
        return true;
    }
    case CREATEBRUSHINDIRECT: {
        LOGBRUSH brush{p.W(0), p.D(1), p.W(3)};
        if (brush.lbStyle != BS_SOLID && brush.lbStyle != BS_HATCHED && brush.lbStyle != BS_NULL)
            brush.lbStyle = BS_SOLID;
        Store(p.Has(4) ? CreateBrushIndirect(&brush) : nullptr);
        return true;
    }
    case CREATEFONTINDIRECT: {
        if (!p.Has(9)) {
            Store(nullptr);
            return true;
        }
        LOGFONT font{};
        font.lfHeight = p.S(0), font.lfWidth = p.S(1), font.lfEscapement = p.S(2), font.lfOrientation = p.S(3);
        font.lfWeight = p.S(4);
        const BYTE *b = p.Bytes(5);
        font.lfItalic = b[0], font.lfUnderline = b[1], font.lfStrikeOut = b[2], font.lfCharSet = b[3];
        font.lfOutPrecision = b[4], font.lfClipPrecision = b[5], font.lfQuality = b[6], font.lfPitchAndFamily = b[7];
        const size_t nameBytes = std::min<size_t>(p.BytesFrom(9), LF_FACESIZE - 1);
        const BYTE *name = p.Bytes(9);
        const size_t length = std::find(name, name + nameBytes, 0) - name;
        std::memcpy(font.lfFaceName, name, length);
        Store(CreateFontIndirect(&font));
        return true;
    }
    case DIBCREATEPATTERNBRUSH: {
        // style, usage, then a packed DIB (monochrome patterns keep their two colours).
        const QImage pattern = p.Has(2) ? PackedDib::Decode(p.Bytes(2), p.BytesFrom(2)) : QImage();
        if (pattern.isNull()) {
            Store(nullptr);
            return true;
        }
        auto brush = std::make_shared<BrushData>();
        brush->style = BS_DIBPATTERN;
        brush->pattern = pattern.convertToFormat(QImage::Format_RGB32);
        Store(GdiHandles::Insert(std::move(brush)));
        return true;
    }
    case CREATEPALETTE: {
        const WORD count = p.W(1);
        if (!p.Has(2) || count == 0 || p.BytesFrom(2) < 4ull * count) {
            Store(nullptr);
            return true;
        }
        std::vector<BYTE> storage(sizeof(LOGPALETTE) + 4ull * count);
        auto *palette = reinterpret_cast<LOGPALETTE *>(storage.data());
        palette->palVersion = 0x300;
        palette->palNumEntries = count;
        std::memcpy(palette->palPalEntry, p.Bytes(2), 4ull * count);
        Store(CreatePalette(palette));
        return true;
    }
    case CREATEPATTERNBRUSH: Store(nullptr); return true;
    case SELECTOBJECT:
    case SELECTPALETTE:
    case DELETEOBJECT:
    case SELECTCLIPREGION:
    case SETPALENTRIES:
    case RESIZEPALETTE: {
        const WORD index = p.W(0);
        HGDIOBJ object = p.Has(1) && index < m_objects.size() ? m_objects[index] : nullptr;
        if (function == SELECTCLIPREGION && p.Has(1) && !object) {
            m_dc.SelectClipRgn(nullptr);
            return true;
        }
        if (!object)
            return true;
        if (function == DELETEOBJECT) {
            // A selected object stays usable by the context; the slot is free again.
            DeleteObject(object);
            m_objects[index] = nullptr;
        } else if (function == SELECTPALETTE) {
            SelectPalette(m_dc.m_hDC, object, FALSE);
        } else if (function == SELECTCLIPREGION || (function == SELECTOBJECT && GetObjectType(object) == OBJ_REGION)) {
            // The slot is named by the file: only a region can become the clip.
            if (GetObjectType(object) == OBJ_REGION)
                SelectLogicalClip(object);
        } else if (function == SELECTOBJECT) {
            m_dc.SelectObject(object);
        }
        return true;
    }
    default: return false;
    }
}

bool Converter::Drawing(WORD function, const Params &p)
{
    switch (function) {
    case MOVETO:
    case LINETO:
        if (p.Has(2))
            function == MOVETO ? (void)m_dc.MoveTo(p.S(1), p.S(0)) : (void)m_dc.LineTo(p.S(1), p.S(0));
        return true;
    case RECTANGLE:
    case ELLIPSE:
    case INTERSECTCLIPRECT:
    case EXCLUDECLIPRECT:
        if (p.Has(4)) {
            const int bottom = p.S(0), right = p.S(1), top = p.S(2), left = p.S(3);
            if (function == RECTANGLE)
                m_dc.Rectangle(left, top, right, bottom);
            else if (function == ELLIPSE)
                m_dc.Ellipse(left, top, right, bottom);
            else if (function == INTERSECTCLIPRECT)
                m_dc.IntersectClipRect(left, top, right, bottom);
            else
                m_dc.ExcludeClipRect(left, top, right, bottom);
        }
        return true;
    case ROUNDRECT:
        if (p.Has(6))
            m_dc.RoundRect(p.S(5), p.S(4), p.S(3), p.S(2), p.S(1), p.S(0));
        return true;
    case ARC:
    case PIE:
    case CHORD:
        if (p.Has(8)) {
            const int yEnd = p.S(0), xEnd = p.S(1), yStart = p.S(2), xStart = p.S(3);
            const int bottom = p.S(4), right = p.S(5), top = p.S(6), left = p.S(7);
            if (function == ARC)
                m_dc.Arc(left, top, right, bottom, xStart, yStart, xEnd, yEnd);
            else if (function == PIE)
                m_dc.Pie(left, top, right, bottom, xStart, yStart, xEnd, yEnd);
            else
                m_dc.Chord(left, top, right, bottom, xStart, yStart, xEnd, yEnd);
        }
        return true;
    case SETPIXEL:
        if (p.Has(4))
            m_dc.SetPixel(p.S(3), p.S(2), p.D(0));
        return true;
    case OFFSETCLIPRGN:
        if (p.Has(2))
            m_dc.OffsetClipRgn(p.S(1), p.S(0));
        return true;
    case POLYGON:
    case POLYLINE: {
        const size_t count = p.W(0);
        if (!p.Has(1 + 2 * count) || count < 2)
            return true;
        const std::vector<POINT> points = Points(p, 1, count);
        if (function == POLYGON)
            m_dc.Polygon(points.data(), static_cast<int>(count));
        else
            m_dc.Polyline(points.data(), static_cast<int>(count));
        return true;
    }
    case POLYPOLYGON: {
        const size_t polys = p.W(0);
        if (polys == 0 || !p.Has(1 + polys))
            return true;
        std::vector<INT> counts(polys);
        size_t total = 0;
        for (size_t i = 0; i < polys; ++i) {
            counts[i] = p.W(1 + i);
            if (counts[i] < 2)
                return true;
            total += static_cast<size_t>(counts[i]);
        }
        if (!p.Has(1 + polys + 2 * total))
            return true;
        const std::vector<POINT> points = Points(p, 1 + polys, total);
        m_dc.PolyPolygon(points.data(), counts.data(), static_cast<int>(polys));
        return true;
    }
    case PATBLT:
        if (p.Has(6))
            m_dc.PatBlt(p.S(5), p.S(4), p.S(3), p.S(2), p.D(0));
        return true;
    case FLOODFILL:
    case EXTFLOODFILL:
    case ANIMATEPALETTE: return true; // fills need the pixels
    default: return false;
    }
}

bool Converter::Text(WORD function, const Params &p)
{
    if (function == TEXTOUT) {
        const size_t count = p.W(0);
        const size_t words = (count + 1) / 2;
        if (!p.Has(1 + words + 2))
            return true;
        const char *text = reinterpret_cast<const char *>(p.Bytes(1));
        m_dc.TextOut(p.S(1 + words + 1), p.S(1 + words), text, static_cast<int>(count));
        return true;
    }
    if (function != EXTTEXTOUT)
        return false;
    // y, x, count, options, [rectangle], string, [advances]
    if (!p.Has(4))
        return true;
    const int y = p.S(0), x = p.S(1);
    const size_t count = p.W(2);
    const UINT options = p.W(3);
    size_t at = 4;
    RECT rect{0, 0, 0, 0};
    const bool hasRect = (options & (ETO_OPAQUE | ETO_CLIPPED)) != 0;
    if (hasRect) {
        if (!p.Has(8))
            return true;
        rect = RECT{p.S(4), p.S(5), p.S(6), p.S(7)};
        at = 8;
    }
    const size_t words = (count + 1) / 2;
    if (!p.Has(at + words))
        return true;
    const char *text = reinterpret_cast<const char *>(p.Bytes(at));
    std::vector<INT> dx;
    if (count && p.Has(at + words + count)) {
        dx.resize(count);
        for (size_t i = 0; i < count; ++i)
            dx[i] = p.S(at + words + i);
    }
    m_dc.ExtTextOut(x, y, options & (ETO_OPAQUE | ETO_CLIPPED), hasRect ? &rect : nullptr, text,
                    static_cast<UINT>(count), dx.empty() ? nullptr : dx.data());
    return true;
}

// A DIB carried in the record, drawn from its source rectangle (counted from
// the top, or for bottomUpSource from the bottom row as StretchDIBits does).
void Converter::DrawDib(const Params &p, size_t dibAt, int x, int y, int w, int h, int xSrc, int ySrc, int wSrc,
                        int hSrc, DWORD rop, bool bottomUpSource)
{
    const QImage image = PackedDib::Decode(p.Bytes(dibAt), p.BytesFrom(dibAt));
    EmfRecorder *recorder = m_dc.m_hDC ? m_dc.m_hDC->recorder.get() : nullptr;
    if (image.isNull() || !recorder || wSrc <= 0 || hSrc <= 0)
        return;
    const long long top = bottomUpSource ? static_cast<long long>(image.height()) - ySrc - hSrc : ySrc;
    // The source rectangle comes from the file: keep only the part that lies
    // on the picture (copying the rest would allocate whatever size the file
    // names) and shrink the destination in the same proportion.
    const long long left = std::max<long long>(xSrc, 0);
    const long long right = std::min<long long>(static_cast<long long>(xSrc) + wSrc, image.width());
    const long long upper = std::max<long long>(top, 0);
    const long long lower = std::min<long long>(top + hSrc, image.height());
    if (left >= right || upper >= lower)
        return;
    const auto scaled = [](long long offset, int dest, int source) { return static_cast<int>(offset * dest / source); };
    const int dx0 = scaled(left - xSrc, w, wSrc);
    const int dx1 = scaled(right - xSrc, w, wSrc);
    const int dy0 = scaled(upper - top, h, hSrc);
    const int dy1 = scaled(lower - top, h, hSrc);
    const QImage source = image.copy(QRect(static_cast<int>(left), static_cast<int>(upper),
                                           static_cast<int>(right - left), static_cast<int>(lower - upper)));
    if (source.isNull() || dx1 == dx0 || dy1 == dy0)
        return;
    recorder->Transfer(x + dx0, y + dy0, dx1 - dx0, dy1 - dy0, source, rop,
                       dx1 - dx0 != right - left || dy1 - dy0 != lower - upper);
}

bool Converter::Transfers(WORD function, const Params &p)
{
    // Without a bitmap these records carry a pattern operation only.
    const bool noBitmap = p.Count() + 3 == static_cast<size_t>(function >> 8) + 3;
    switch (function) {
    case DIBBITBLT:
    case BITBLT:
        if (noBitmap) {
            if (p.Has(9))
                m_dc.PatBlt(p.S(8), p.S(7), p.S(6), p.S(5), p.D(0));
        } else if (function == DIBBITBLT && p.Has(8)) {
            const int h = p.S(4), w = p.S(5);
            DrawDib(p, 8, p.S(7), p.S(6), w, h, p.S(3), p.S(2), w, h, p.D(0), false);
        }
        return true;
    case DIBSTRETCHBLT:
    case STRETCHBLT:
        if (noBitmap) {
            if (p.Has(11))
                m_dc.PatBlt(p.S(10), p.S(9), p.S(8), p.S(7), p.D(0));
        } else if (function == DIBSTRETCHBLT && p.Has(10)) {
            DrawDib(p, 10, p.S(9), p.S(8), p.S(7), p.S(6), p.S(5), p.S(4), p.S(3), p.S(2), p.D(0), false);
        }
        return true;
    case STRETCHDIB:
        // rop, usage, source height, width, y, x, destination height, width, y, x, DIB
        if (p.Has(11))
            DrawDib(p, 11, p.S(10), p.S(9), p.S(8), p.S(7), p.S(6), p.S(5), p.S(4), p.S(3), p.D(0), true);
        return true;
    case SETDIBTODEV:
        // usage, scan count, start scan, source y, x, height, width, destination y, x, DIB
        if (p.Has(9))
            DrawDib(p, 9, p.S(8), p.S(7), p.S(6), p.S(5), p.S(4), p.S(3), p.S(6), p.S(5), SRCCOPY, true);
        return true;
    default: return false;
    }
}

// The frame: the metafile's first window origin and extent, in pixels of
// a 96 dpi reference, as 0.01 mm; false without a window extent.
bool WindowFrame(const BYTE *data, const std::vector<std::pair<size_t, size_t>> &records, RECT &window)
{
    bool hasOrg = false, hasExt = false;
    POINT org{0, 0};
    SIZE ext{0, 0};
    for (const auto &[at, words] : records) {
        const Params r(data + at, words);
        const WORD function = r.W(2);
        if (words < 5)
            continue;
        if (function == SETWINDOWORG && !hasOrg) {
            org = POINT{r.S(4), r.S(3)};
            hasOrg = true;
        } else if (function == SETWINDOWEXT && !hasExt && r.S(3) && r.S(4)) {
            ext = SIZE{r.S(4), r.S(3)};
            hasExt = true;
        }
        if (hasOrg && hasExt)
            break;
    }
    if (!hasExt)
        return false;
    window = RECT{org.x, org.y, org.x + ext.cx, org.y + ext.cy};
    return true;
}

} // namespace

HENHMETAFILE SetWinMetaFileBits(UINT nSize, const BYTE *lpMeta16Data, HDC hdcRef, const METAFILEPICT *lpMFP)
{
    Header header;
    std::vector<std::pair<size_t, size_t>> records;
    if (!lpMeta16Data || !ReadHeader(lpMeta16Data, nSize, header) || !ValidRecords(lpMeta16Data, header, records))
        return nullptr;
    RECT window;
    const bool hasWindow = WindowFrame(lpMeta16Data, records, window);
    CMetaFileDC dc;
    CDC *reference = hdcRef ? CDC::FromHandle(hdcRef) : nullptr;
    RECT frame{};
    if (hasWindow) {
        // The window is drawn onto a viewport of its own size in pixels, and
        // that is the frame, so a player stretches the window onto its rectangle.
        const LONG width = std::abs(window.right - window.left), height = std::abs(window.bottom - window.top);
        frame = RECT{0, 0, (width * 2540 + 48) / 96, (height * 2540 + 48) / 96};
    }
    if (!dc.CreateEnhanced(reference, nullptr, hasWindow ? &frame : nullptr, nullptr))
        return nullptr;
    if (hasWindow) {
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowOrg(window.left, window.top);
        dc.SetWindowExt(window.right - window.left, window.bottom - window.top);
        dc.SetViewportOrg(0, 0);
        dc.SetViewportExt(std::abs(window.right - window.left), std::abs(window.bottom - window.top));
    }
    {
        Converter converter(dc, header.objects, hasWindow);
        for (const auto &[at, words] : records) {
            const Params r(lpMeta16Data + at, words);
            converter.Play(r.W(2), Params(lpMeta16Data + at + 6, words - 3));
        }
        dc.SelectStockObject(BLACK_PEN);
        dc.SelectStockObject(WHITE_BRUSH);
        dc.SelectStockObject(SYSTEM_FONT);
    }
    return dc.CloseEnhanced();
}
