// The block transfer engine: sampling (with the stretching modes), colour
// conversion between monochrome and colour, patterns and raster operations.
#include "framework/gdi/Blit.h"

#include "framework/gdi/Rop3.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Transfers larger than this (in target pixels) are refused.
constexpr long long kMaxPixels = 1LL << 28;
// Device coordinates of a transfer are kept within this distance of 0.
constexpr long long kCoordLimit = 1LL << 29;

int FloorMod(int a, int m)
{
    int r = a % m;
    return r < 0 ? r + m : r;
}

// Maps each target column (or row) of the transfer to the run of source
// columns it takes: [first, first + count), mirrored when flip. Only the
// offsets [from, to) that can be drawn are kept.
struct AxisMap {
    int from = 0;
    std::vector<int> first;
    std::vector<int> count;

    AxisMap(int dstLen, int srcStart, int srcLen, bool flip, int visibleFrom, int visibleTo) : from(visibleFrom)
    {
        size_t n = visibleTo > visibleFrom ? static_cast<size_t>(visibleTo - visibleFrom) : 0;
        first.resize(n);
        count.resize(n);
        for (int i = visibleFrom; i < visibleTo; ++i) {
            long long a = static_cast<long long>(i) * srcLen / dstLen;
            long long b = static_cast<long long>(i + 1) * srcLen / dstLen;
            // Enlarging: the source pixel under the target pixel's centre.
            if (b <= a) {
                a = (2LL * i + 1) * srcLen / (2LL * dstLen);
                b = a + 1;
            }
            if (flip) {
                long long na = srcLen - b, nb = srcLen - a;
                a = na;
                b = nb;
            }
            first[static_cast<size_t>(i - visibleFrom)] =
                static_cast<int>(std::clamp(srcStart + a, -kCoordLimit, kCoordLimit));
            count[static_cast<size_t>(i - visibleFrom)] = static_cast<int>(b - a);
        }
    }
};

struct Normalized {
    int x, y, w, h;
    bool flipX, flipY;
};

// The rectangle with positive sizes and its mirroring, kept inside
// +-kCoordLimit (callers may pass any ints: DIB source rectangles).
Normalized Normalize(const Blit::Rect &r)
{
    auto clamp = [](long long v) { return static_cast<int>(std::clamp(v, -kCoordLimit, kCoordLimit)); };
    long long x = r.x, y = r.y, w = r.w, h = r.h;
    if (w < 0)
        x += w;
    if (h < 0)
        y += h;
    return Normalized{clamp(x), clamp(y), clamp(w < 0 ? -w : w), clamp(h < 0 ? -h : h), r.w < 0, r.h < 0};
}

class SourceSampler {
public:
    // visible: the target pixels that can be drawn, as offsets into the target rectangle.
    SourceSampler(const Blit::Source &src, HDC dst, const Normalized &d, const Normalized &s, const QRect &visible)
        : m_image(*src.image), m_src(src), m_dstMono(dst->IsMono()),
          m_xs(d.w, s.x, s.w, d.flipX != s.flipX, visible.left(), visible.right() + 1),
          m_ys(d.h, s.y, s.h, d.flipY != s.flipY, visible.top(), visible.bottom() + 1),
          m_mode(dst->state.stretchBltMode)
    {
        Paints::Context ctx = dst->PaintContext();
        m_text = Paints::ToPixel(ctx.textColor);
        m_bk = Paints::ToPixel(ctx.bkColor);
        m_srcBk = Paints::ToPixel(src.bkColor);
    }

    // The converted source pixel for target offset (i, j); false outside the
    // source image or where the source sets nothing.
    bool At(int i, int j, uint32_t &out) const
    {
        size_t xi = static_cast<size_t>(i - m_xs.from), yi = static_cast<size_t>(j - m_ys.from);
        int x0 = m_xs.first[xi], nx = m_xs.count[xi];
        int y0 = m_ys.first[yi], ny = m_ys.count[yi];
        if (x0 < 0 || y0 < 0 || x0 + nx > m_image.width() || y0 + ny > m_image.height())
            return false;
        if (m_src.covered && !(*m_src.covered)[static_cast<size_t>(y0 + ny / 2) * static_cast<size_t>(m_image.width()) +
                                               static_cast<size_t>(x0 + nx / 2)])
            return false;
        if (nx == 1 && ny == 1) {
            out = Convert(Raw(x0, y0));
            return true;
        }
        out = Convert(Combine(x0, y0, nx, ny));
        return true;
    }

private:
    // The whole source word: its top byte travels with it.
    uint32_t Raw(int x, int y) const
    {
        uint32_t word = reinterpret_cast<const uint32_t *>(m_image.constScanLine(y))[x];
        return m_src.colourOnly ? word & 0x00FFFFFFu : word;
    }

    // Shrinking: the pixels a target pixel covers, joined as the stretching mode says.
    uint32_t Combine(int x0, int y0, int nx, int ny) const
    {
        switch (m_mode) {
        case BLACKONWHITE:
        case WHITEONBLACK: {
            bool andScans = m_mode == BLACKONWHITE;
            uint32_t acc = andScans ? 0xFFFFFFFFu : 0;
            for (int y = y0; y < y0 + ny; ++y)
                for (int x = x0; x < x0 + nx; ++x)
                    acc = andScans ? (acc & Raw(x, y)) : (acc | Raw(x, y));
            return acc;
        }
        case HALFTONE: {
            if (m_src.mono)
                break;
            // Each byte of the word is averaged on its own.
            unsigned long long sums[4] = {0, 0, 0, 0}, n = static_cast<unsigned long long>(nx) * ny;
            for (int y = y0; y < y0 + ny; ++y)
                for (int x = x0; x < x0 + nx; ++x) {
                    uint32_t p = Raw(x, y);
                    for (int k = 0; k < 4; ++k)
                        sums[k] += (p >> (8 * k)) & 0xFF;
                }
            uint32_t word = 0;
            for (int k = 0; k < 4; ++k)
                word |= static_cast<uint32_t>((sums[k] + n / 2) / n) << (8 * k);
            return word;
        }
        default: break;
        }
        // COLORONCOLOR: the pixel at the middle of the run, the others dropped.
        return Raw(x0 + nx / 2, y0 + ny / 2);
    }

    uint32_t Convert(uint32_t p) const
    {
        uint32_t colour = p & 0xFFFFFFu;
        if (m_src.mono && !m_dstMono)
            return colour == 0xFFFFFFu ? m_bk : m_text;
        if (!m_src.mono && m_dstMono) {
            if (m_src.hasBkColor)
                return colour == m_srcBk ? 0xFFFFFFu : 0;
            return Paints::ToMono(colour);
        }
        return p;
    }

    const QImage &m_image;
    const Blit::Source &m_src;
    bool m_dstMono;
    AxisMap m_xs, m_ys;
    int m_mode;
    uint32_t m_text = 0, m_bk = 0, m_srcBk = 0;
};

class PatternSampler {
public:
    explicit PatternSampler(HDC dst)
    {
        Paints::Context ctx = dst->PaintContext();
        ctx.bkMode = OPAQUE; // a hatch pattern fills its gaps in a transfer
        m_paint = Paints::ForBrush(dst->state.brush.get(), ctx);
    }
    bool None() const { return m_paint.none; }
    uint32_t At(int x, int y) const
    {
        if (m_paint.solid)
            return m_paint.color;
        int tx = FloorMod(x - m_paint.originX, m_paint.tileWidth);
        int ty = FloorMod(y - m_paint.originY, m_paint.tileHeight);
        return m_paint.tile[static_cast<size_t>(ty * m_paint.tileWidth + tx)];
    }

private:
    FillPaint m_paint;
};

// Runs the operation over the target pixels in area, reading the
// destination through readDst and writing through write.
// skip(p, s) leaves a pixel undrawn (after readDst ran for it).
template <typename Read, typename Write, typename Skip>
void Transfer(HDC dst, const Normalized &d, const QRect &area, const SourceSampler *source,
              const PatternSampler &pattern, unsigned table, Read readDst, Write write, Skip skip)
{
    bool mono = dst->IsMono();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            uint32_t s = 0;
            if (source && !source->At(x - d.x, y - d.y, s))
                continue;
            uint32_t p = pattern.None() ? 0 : pattern.At(x, y);
            uint32_t dest = readDst(x, y);
            if (skip(p, s))
                continue;
            uint32_t result = Rop3::Apply(table, p, s, dest);
            write(x, y, mono ? Paints::ToMono(result & 0xFFFFFFu) : result);
        }
}

template <typename Read, typename Write>
void Transfer(HDC dst, const Normalized &d, const QRect &area, const SourceSampler *source,
              const PatternSampler &pattern, unsigned table, Read readDst, Write write)
{
    Transfer(dst, d, area, source, pattern, table, readDst, write, [](uint32_t, uint32_t) { return false; });
}

// A plain copy between images of the same kind at the same size: whole
// rows at a time. False when the transfer needs the general path.
bool CopyRows(HDC dst, const Normalized &d, const Blit::Source &src, const QRegion &visible, QImage &target)
{
    const PixelStore store = dst->Store();
    Normalized s = Normalize(src.rect);
    if (s.w != d.w || s.h != d.h || s.flipX != d.flipX || s.flipY != d.flipY || src.mono != dst->IsMono())
        return false;
    const QImage &image = *src.image;
    QRect readable = QRect(0, 0, image.width(), image.height()).translated(d.x - s.x, d.y - s.y);
    for (const QRect &area : visible) {
        QRect r = area.intersected(readable);
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const uint32_t *from =
                reinterpret_cast<const uint32_t *>(image.constScanLine(y - d.y + s.y)) + (r.left() - d.x + s.x);
            uint32_t *to = reinterpret_cast<uint32_t *>(target.scanLine(y)) + r.left();
            uint32_t keep = src.colourOnly ? 0x00FFFFFFu : 0xFFFFFFFFu;
            std::transform(from, from + r.width(), to, [&](uint32_t word) { return store.Store(word & keep); });
        }
    }
    return true;
}

} // namespace

namespace Blit {

Rect DeviceRect(HDC h, int x, int y, int w, int h2)
{
    // Kept well inside the int range, so sizes and far edges cannot overflow.
    auto clamp = [](long long v) { return static_cast<LONG>(std::clamp(v, -kCoordLimit, kCoordLimit)); };
    POINT a = h->state.mapping.ToDevice(POINT{clamp(x), clamp(y)});
    POINT b =
        h->state.mapping.ToDevice(POINT{clamp(static_cast<long long>(x) + w), clamp(static_cast<long long>(y) + h2)});
    a.x = clamp(a.x), a.y = clamp(a.y), b.x = clamp(b.x), b.y = clamp(b.y);
    return Rect{a.x, a.y, b.x - a.x, b.y - a.y};
}

BOOL Run(HDC dst, const Rect &dstRect, const Source *src, DWORD rop)
{
    if (!dst)
        return FALSE;
    unsigned table = Rop3::Table(rop);
    if (!Rop3::UsesSource(table))
        src = nullptr;
    else if (!src || !src->image || src->image->isNull())
        return FALSE;
    Normalized d = Normalize(dstRect);
    if (d.w == 0 || d.h == 0)
        return TRUE;
    if (src && (src->rect.w == 0 || src->rect.h == 0))
        return FALSE;
    // Only the visible part of the target rectangle is worked on.
    QRegion visible = dst->VisibleRegion().intersected(QRect(d.x, d.y, d.w, d.h));
    QRect area = visible.boundingRect();
    if (static_cast<long long>(area.width()) * area.height() > kMaxPixels)
        return FALSE;
    if (visible.isEmpty())
        return TRUE;
    PatternSampler pattern(dst);
    if (Rop3::UsesPattern(table) && pattern.None())
        return TRUE; // a null brush leaves the pattern operations nothing to draw
    // A transfer within one image reads from a copy of it, so overlapping
    // rectangles copy correctly.
    Source copy;
    QImage sourceImage;
    std::unique_ptr<SourceSampler> source;
    if (src) {
        copy = *src;
        if (src->image == dst->Image()) {
            sourceImage = src->image->copy();
            copy.image = &sourceImage;
        }
        source = std::make_unique<SourceSampler>(copy, dst, d, Normalize(src->rect), area.translated(-d.x, -d.y));
    }
    if (QImage *image = dst->Image()) {
        if (src && table == Rop3::kSourceCopy && !src->covered && CopyRows(dst, d, copy, visible, *image)) {
            dst->Drawn(area);
            return TRUE;
        }
        uint32_t *bits = reinterpret_cast<uint32_t *>(image->bits());
        qsizetype stride = image->bytesPerLine() / 4;
        const PixelStore store = dst->Store();
        for (const QRect &part : visible)
            Transfer(
                dst, d, part, source.get(), pattern, table, [&](int x, int y) { return bits[y * stride + x]; },
                [&](int x, int y, uint32_t v) { bits[y * stride + x] = store.Store(v); });
        dst->Drawn(area);
        return TRUE;
    }
    if (!dst->painter || !dst->painter->isActive())
        return FALSE;
    // A paint device has no pixels to read back. The destination is what
    // the previous transfer to the same rectangle put there, else paper
    // white; a pixel the operation would leave as it is stays undrawn.
    QImage out(area.size(), QImage::Format_ARGB32);
    if (out.isNull())
        return FALSE;
    out.fill(Qt::transparent);
    const QImage *known = dst->lastTransferRect == area ? &dst->lastTransfer : nullptr;
    bool keepsDestination = false;
    auto knownPixel = [&](int x, int y, uint32_t &value) {
        if (!known)
            return false;
        QRgb p = known->pixel(x - area.left(), y - area.top());
        value = p & 0xFFFFFFu;
        return qAlpha(p) != 0;
    };
    Transfer(
        dst, d, area, source.get(), pattern, table,
        [&](int x, int y) {
            uint32_t value;
            keepsDestination = false;
            if (knownPixel(x, y, value))
                return value;
            keepsDestination = true; // decided once the source and pattern are known
            return 0xFFFFFFu;
        },
        [&](int x, int y, uint32_t v) { out.setPixel(x - area.left(), y - area.top(), v | 0xFF000000u); },
        [&](uint32_t p, uint32_t s) {
            // Unknown destination: skip the pixel when the operation copies it.
            return keepsDestination && (Rop3::Apply(table, p, s, 0) & 0xFFFFFFu) == 0 &&
                   (Rop3::Apply(table, p, s, 0xFFFFFFu) & 0xFFFFFFu) == 0xFFFFFFu;
        });
    if (known) {
        // Pixels this transfer left alone keep what the previous one drew.
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x)
                if (qAlpha(out.pixel(x, y)) == 0)
                    out.setPixel(x, y, known->pixel(x, y));
    }
    dst->lastTransfer = out;
    dst->lastTransferRect = area;
    dst->painter->save();
    dst->painter->setClipRegion(visible);
    dst->painter->drawImage(area.topLeft(), out);
    dst->painter->restore();
    return TRUE;
}

BOOL RunImage(HDC dst, const Rect &dstRect, const QImage &image, DWORD rop)
{
    Source source;
    source.image = &image;
    source.rect = Rect{0, 0, image.width(), image.height()};
    source.colourOnly = true;
    return Run(dst, dstRect, &source, rop);
}

} // namespace Blit
