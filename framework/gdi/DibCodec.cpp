// DIB rows to and from 32-bit images.
#include "framework/gdi/DibCodec.h"

#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/DibRle.h"
#include "framework/gdi/FillPaint.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Extracts a channel under a bit-field mask as 8 bits: a narrower channel
// repeats its high bits below itself ((v << 3) | (v >> 2) for 5 bits), a
// wider one keeps its top 8 bits.
uint32_t Channel(uint32_t value, uint32_t mask)
{
    if (!mask)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    int width = 0;
    while (width + shift < 32 && (mask >> (shift + width)))
        ++width;
    uint32_t v = (value & mask) >> shift;
    if (width >= 8)
        return (v >> (width - 8)) & 0xFF;
    uint32_t out = 0;
    int bits = 0;
    for (; bits < 8; bits += width)
        out = (out << width) | v;
    return out >> (bits - 8);
}

uint32_t FromMasks(uint32_t value, const uint32_t masks[3])
{
    return Channel(value, masks[0]) << 16 | Channel(value, masks[1]) << 8 | Channel(value, masks[2]);
}

// 8-8-8 masks in the low three bytes: the pixel is the word itself, top byte included.
bool DefaultMasks32(const uint32_t masks[3])
{
    return masks[0] == 0x00FF0000u && masks[1] == 0x0000FF00u && masks[2] == 0x000000FFu;
}

uint32_t TableColour(const DibCodec::Layout &layout, uint32_t index)
{
    return index < layout.colours.size() ? layout.colours[index] : 0;
}

uint32_t DecodePixel(const DibCodec::Layout &layout, const BYTE *row, int x)
{
    switch (layout.bitCount) {
    case 1: return TableColour(layout, (row[x >> 3] >> (7 - (x & 7))) & 1);
    case 4: return TableColour(layout, (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
    case 8: return TableColour(layout, row[x]);
    case 16: return FromMasks(static_cast<uint32_t>(row[2 * x] | row[2 * x + 1] << 8), layout.masks);
    case 24: return static_cast<uint32_t>(row[3 * x + 2]) << 16 | row[3 * x + 1] << 8 | row[3 * x];
    default: {
        const BYTE *p = row + 4 * x;
        uint32_t v = static_cast<uint32_t>(p[0]) | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
        return DefaultMasks32(layout.masks) ? v : FromMasks(v, layout.masks);
    }
    }
}

uint32_t ToMasks(uint32_t pixel, const uint32_t masks[3])
{
    uint32_t out = 0;
    const uint32_t channels[3] = {(pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF};
    for (int i = 0; i < 3; ++i) {
        uint32_t mask = masks[i];
        if (!mask)
            continue;
        int shift = 0;
        while (!((mask >> shift) & 1))
            ++shift;
        uint32_t max = mask >> shift;
        out |= ((channels[i] * max + 127) / 255) << shift;
    }
    return out;
}

// Encodes pixels [x0, x1) of a row, leaving its other bits as they are.
void EncodeSpan(const DibCodec::Layout &layout, const uint32_t *in, BYTE *row, LONG x0, LONG x1,
                DibCodec::NearestCache *cache)
{
    // Rows mostly repeat a colour: the last match is kept.
    uint32_t lastPixel = 0;
    int lastIndex = -1;
    auto index = [&](uint32_t px) {
        if (lastIndex < 0 || px != lastPixel) {
            lastPixel = px;
            lastIndex = cache ? cache->Find(layout.colours, px) : DibCodec::Nearest(layout.colours, px);
        }
        return lastIndex;
    };
    for (LONG x = x0; x < x1; ++x) {
        uint32_t px = in[x] & 0xFFFFFFu;
        switch (layout.bitCount) {
        case 1: {
            BYTE bit = static_cast<BYTE>(0x80 >> (x & 7));
            row[x >> 3] = static_cast<BYTE>(index(px) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit));
            break;
        }
        case 4: {
            int shift = (x & 1) ? 0 : 4;
            row[x >> 1] = static_cast<BYTE>((row[x >> 1] & ~(0x0F << shift)) | (index(px) & 0x0F) << shift);
            break;
        }
        case 8: row[x] = static_cast<BYTE>(index(px)); break;
        case 16: {
            uint32_t v = ToMasks(px, layout.masks);
            row[2 * x] = static_cast<BYTE>(v);
            row[2 * x + 1] = static_cast<BYTE>(v >> 8);
            break;
        }
        case 24:
            row[3 * x] = static_cast<BYTE>(px);
            row[3 * x + 1] = static_cast<BYTE>(px >> 8);
            row[3 * x + 2] = static_cast<BYTE>(px >> 16);
            break;
        default: {
            uint32_t v = DefaultMasks32(layout.masks) ? in[x] : ToMasks(px, layout.masks);
            for (int i = 0; i < 4; ++i)
                row[4 * x + i] = static_cast<BYTE>(v >> (8 * i));
            break;
        }
        }
    }
}

void EncodeRow(const DibCodec::Layout &layout, const uint32_t *in, BYTE *row)
{
    std::memset(row, 0, layout.rowBytes);
    EncodeSpan(layout, in, row, 0, layout.width, nullptr);
}

// The image row of a DIB scan line.
int ImageRow(const DibCodec::Layout &layout, int scan)
{
    return layout.topDown ? scan : static_cast<int>(layout.height) - 1 - scan;
}

} // namespace

namespace DibCodec {

bool Read(const BITMAPINFO *info, UINT usage, const PaletteData *palette, Layout &layout)
{
    if (!info || (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS))
        return false;
    const BITMAPINFOHEADER &h = info->bmiHeader;
    if (h.biSize < kBitmapInfoHeaderSize || h.biSize > 4096 || h.biPlanes != 1)
        return false;
    DibGeometry geometry;
    if (!CheckDibGeometry(h.biWidth, h.biHeight, h.biBitCount, &geometry))
        return false;
    layout.width = geometry.width;
    layout.height = geometry.rows;
    layout.topDown = geometry.topDown;
    layout.bitCount = h.biBitCount;
    layout.compression = h.biCompression;
    switch (h.biBitCount) {
    case 4:
    case 8:
        if (h.biCompression == (h.biBitCount == 8 ? BI_RLE8 : BI_RLE4)) {
            // Compressed bits are bottom-up and their size is needed to read them safely.
            if (layout.topDown || h.biSizeImage == 0)
                return false;
            layout.imageBytes = h.biSizeImage;
            break;
        }
        if (h.biCompression != BI_RGB)
            return false;
        break;
    case 1:
    case 24:
        if (h.biCompression != BI_RGB)
            return false;
        break;
    case 16:
    case 32:
        if (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS)
            return false;
        break;
    default: return false;
    }
    layout.rowBytes = static_cast<DWORD>(geometry.rowBytes);
    const BYTE *table = reinterpret_cast<const BYTE *>(info) + h.biSize;
    if (h.biBitCount <= 8) {
        DWORD most = 1u << h.biBitCount;
        if (h.biClrUsed > most)
            return false;
        DWORD count = h.biClrUsed ? h.biClrUsed : most;
        layout.colours.resize(count);
        for (DWORD i = 0; i < count; ++i) {
            if (usage == DIB_RGB_COLORS) {
                const BYTE *q = table + 4 * i; // blue, green, red, reserved
                layout.colours[i] = static_cast<uint32_t>(q[2]) << 16 | q[1] << 8 | q[0];
            } else {
                WORD index = static_cast<WORD>(table[2 * i] | table[2 * i + 1] << 8);
                bool known = palette && index < palette->Realized().size();
                layout.colours[i] = known ? Paints::ToPixel(palette->Realized()[index]) : 0;
            }
        }
    } else if (h.biCompression == BI_BITFIELDS) {
        // The three masks follow a 40-byte header (later headers hold them inside).
        const BYTE *m = reinterpret_cast<const BYTE *>(info) + kBitmapInfoHeaderSize;
        for (int i = 0; i < 3; ++i)
            layout.masks[i] = static_cast<uint32_t>(m[4 * i]) | m[4 * i + 1] << 8 | m[4 * i + 2] << 16 |
                              static_cast<uint32_t>(m[4 * i + 3]) << 24;
        if (!layout.masks[0] && !layout.masks[1] && !layout.masks[2])
            return false;
    } else if (h.biBitCount == 16) {
        layout.masks[0] = 0x7C00;
        layout.masks[1] = 0x03E0;
        layout.masks[2] = 0x001F;
    } else if (h.biBitCount == 32) {
        layout.masks[0] = 0x00FF0000;
        layout.masks[1] = 0x0000FF00;
        layout.masks[2] = 0x000000FF;
    }
    return true;
}

void Decode(const Layout &layout, const void *bits, int firstScan, int lines, QImage &image)
{
    const BYTE *base = static_cast<const BYTE *>(bits);
    for (int i = 0; i < lines; ++i) {
        int scan = firstScan + i;
        if (scan < 0 || scan >= layout.height)
            continue;
        const BYTE *row = base + static_cast<size_t>(i) * layout.rowBytes;
        uint32_t *out = reinterpret_cast<uint32_t *>(image.scanLine(ImageRow(layout, scan)));
        for (LONG x = 0; x < layout.width; ++x)
            out[x] = DecodePixel(layout, row, static_cast<int>(x));
    }
}

int NearestCache::Find(const std::vector<uint32_t> &table, uint32_t pixel)
{
    size_t slot = (pixel * 2654435761u) >> 24;
    if (m_index[slot] < 0 || m_colour[slot] != pixel) {
        m_colour[slot] = pixel;
        m_index[slot] = Nearest(table, pixel);
    }
    return m_index[slot];
}

void EncodeSpan(const QImage &image, const Layout &layout, int scan, int x0, int x1, void *scanBits,
                NearestCache &cache)
{
    x0 = std::max(x0, 0);
    x1 = std::min(x1, static_cast<int>(layout.width));
    if (scan < 0 || scan >= layout.height || x0 >= x1)
        return;
    const uint32_t *in = reinterpret_cast<const uint32_t *>(image.constScanLine(ImageRow(layout, scan)));
    ::EncodeSpan(layout, in, static_cast<BYTE *>(scanBits), x0, x1, &cache);
}

void DecodeSpan(const Layout &layout, const void *scanBits, int scan, int x0, int x1, QImage &image)
{
    x0 = std::max(x0, 0);
    x1 = std::min(x1, static_cast<int>(layout.width));
    if (scan < 0 || scan >= layout.height || x0 >= x1)
        return;
    uint32_t *out = reinterpret_cast<uint32_t *>(image.scanLine(ImageRow(layout, scan)));
    for (int x = x0; x < x1; ++x)
        out[x] = DecodePixel(layout, static_cast<const BYTE *>(scanBits), x);
}

bool DecodeCompressed(const Layout &layout, const void *bits, QImage &image, Coverage &covered)
{
    std::vector<uint16_t> indexes;
    try {
        DibRle::Expand(static_cast<const uint8_t *>(bits), layout.imageBytes, static_cast<int>(layout.width),
                       static_cast<int>(layout.height), layout.bitCount, indexes);
        covered.assign(indexes.size(), 1);
    } catch (const std::bad_alloc &) {
        return false;
    }
    size_t i = 0;
    for (LONG y = 0; y < layout.height; ++y) {
        uint32_t *out = reinterpret_cast<uint32_t *>(image.scanLine(static_cast<int>(y)));
        for (LONG x = 0; x < layout.width; ++x, ++i) {
            bool set = indexes[i] != DibRle::kUnset;
            covered[i] = set ? 1 : 0;
            out[x] = set ? TableColour(layout, indexes[i]) : 0;
        }
    }
    return true;
}

void Encode(const QImage &image, const Layout &layout, int firstScan, int lines, void *bits)
{
    BYTE *base = static_cast<BYTE *>(bits);
    for (int i = 0; i < lines; ++i) {
        int scan = firstScan + i;
        if (scan < 0 || scan >= layout.height)
            continue;
        const uint32_t *in = reinterpret_cast<const uint32_t *>(image.constScanLine(ImageRow(layout, scan)));
        EncodeRow(layout, in, base + static_cast<size_t>(i) * layout.rowBytes);
    }
}

const std::vector<uint32_t> &HalftoneColours()
{
    static const std::vector<uint32_t> colours = [] {
        std::vector<uint32_t> c;
        for (uint32_t r = 0; r < 6; ++r)
            for (uint32_t g = 0; g < 6; ++g)
                for (uint32_t b = 0; b < 6; ++b)
                    c.push_back((r * 51) << 16 | (g * 51) << 8 | (b * 51));
        for (const uint32_t v : StandardTable(4))
            c.push_back(v);
        for (uint32_t i = 1; c.size() < 256; ++i) {
            uint32_t grey = i * 11;
            c.push_back(grey << 16 | grey << 8 | grey);
        }
        return c;
    }();
    return colours;
}

std::vector<uint32_t> StandardTable(int bitCount)
{
    switch (bitCount) {
    case 1: return {0x000000, 0xFFFFFF};
    case 4:
        return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    case 8: return HalftoneColours();
    default: return {};
    }
}

int Nearest(const std::vector<uint32_t> &table, uint32_t pixel)
{
    int best = 0;
    long long bestDistance = -1;
    for (size_t i = 0; i < table.size(); ++i) {
        long long dr = static_cast<long long>((table[i] >> 16) & 0xFF) - ((pixel >> 16) & 0xFF);
        long long dg = static_cast<long long>((table[i] >> 8) & 0xFF) - ((pixel >> 8) & 0xFF);
        long long db = static_cast<long long>(table[i] & 0xFF) - (pixel & 0xFF);
        long long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
            if (d == 0)
                break;
        }
    }
    return best;
}

} // namespace DibCodec
