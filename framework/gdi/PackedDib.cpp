// Packed DIBs from bytes.
#include "framework/gdi/PackedDib.h"

#include "framework/gdi/DibCodec.h"
#include "framework/gdi/DibHeaders.h"

#include <cstring>
#include <vector>

namespace {

// The colour table entries a header brings.
size_t TableEntries(const BITMAPINFOHEADER &h)
{
    if (h.biBitCount <= 8)
        return h.biClrUsed ? h.biClrUsed : (size_t{1} << h.biBitCount);
    return h.biCompression == BI_BITFIELDS ? 3 : 0; // the three masks take three entries' room
}

} // namespace

namespace PackedDib {

QImage Decode(const BYTE *data, size_t size, int heightDivisor, Parsed *parsed)
{
    BITMAPINFOHEADER h{};
    // The header's size is one the DIB header reader knows (the decoder takes
    // no core headers); its sizes are checked by the decoder below, once the
    // icon image's stacked rows are divided out of its height.
    if (!ReadBitmapInfoHeader(data, size, &h) || !IsDibHeaderSize(h.biSize) || h.biSize == kBitmapCoreHeaderSize ||
        h.biSize > size || heightDivisor < 1 || h.biBitCount > 32 || h.biClrUsed > 256)
        return QImage();
    // Header and colour table copied into aligned memory for the decoder.
    size_t table = TableEntries(h) * 4;
    if (table > size - h.biSize)
        return QImage();
    size_t infoSize = h.biSize + table;
    std::vector<DWORD> info((infoSize + 3) / 4 + 1, 0);
    std::memcpy(info.data(), data, infoSize);
    auto *bmi = reinterpret_cast<BITMAPINFO *>(info.data());
    LONG height = h.biHeight / heightDivisor;
    if (height == 0)
        return QImage();
    bmi->bmiHeader.biHeight = height;
    DibCodec::Layout layout;
    // Icon images (heightDivisor 2) are never compressed: their mask follows fixed-size rows.
    if (!DibCodec::Read(bmi, DIB_RGB_COLORS, nullptr, layout) || (layout.Compressed() && heightDivisor != 1))
        return QImage();
    size_t rows = layout.Compressed() ? layout.imageBytes
                                      : static_cast<size_t>(layout.rowBytes) * static_cast<size_t>(layout.height);
    if (rows > size - infoSize)
        return QImage();
    QImage image(static_cast<int>(layout.width), static_cast<int>(layout.height), QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    if (layout.Compressed()) {
        // Pixels the bits skip stay black, as in a new bitmap.
        DibCodec::Coverage covered;
        if (!DibCodec::DecodeCompressed(layout, data + infoSize, image, covered))
            return QImage();
    } else {
        DibCodec::Decode(layout, data + infoSize, 0, static_cast<int>(layout.height), image);
    }
    if (parsed) {
        parsed->header = h;
        parsed->bitsOffset = infoSize;
        parsed->width = static_cast<int>(layout.width);
        parsed->height = static_cast<int>(layout.height);
    }
    return image;
}

QImage DecodeIconMask(const BYTE *data, size_t size, const Parsed &parsed)
{
    const BITMAPINFOHEADER &h = parsed.header;
    size_t colourRows =
        static_cast<size_t>(DibRowBytes(parsed.width, h.biBitCount)) * static_cast<size_t>(parsed.height);
    size_t maskOffset = parsed.bitsOffset + colourRows;
    size_t maskRow = static_cast<size_t>(DibRowBytes(parsed.width, 1));
    if (maskOffset > size || maskRow * static_cast<size_t>(parsed.height) > size - maskOffset)
        return QImage();
    QImage mask(parsed.width, parsed.height, QImage::Format_RGB32);
    bool topDown = h.biHeight < 0;
    for (int scan = 0; scan < parsed.height; ++scan) {
        const BYTE *row = data + maskOffset + static_cast<size_t>(scan) * maskRow;
        uint32_t *out = reinterpret_cast<uint32_t *>(mask.scanLine(topDown ? scan : parsed.height - 1 - scan));
        for (int x = 0; x < parsed.width; ++x)
            out[x] = ((row[x >> 3] >> (7 - (x & 7))) & 1) ? 0xFFFFFFFFu : 0xFF000000u;
    }
    return mask;
}

} // namespace PackedDib
