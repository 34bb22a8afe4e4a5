#include "editor/controls/SECDibFormat.h"

#include "framework/gdi/DibHeaders.h"

#include <cstring>
#include <limits>

namespace {

constexpr WORD kBmpMark = 0x4D42; // "BM"
constexpr DWORD kUncompressed = 0;

bool IsSupportedBitCount(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 24;
}

} // namespace

WORD DibColourCount(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

uint64_t DibPackedRowBytes(int64_t width, int bitsPerPixel)
{
    if (width <= 0 || bitsPerPixel <= 0 || width > std::numeric_limits<int32_t>::max())
        return 0;
    return (uint64_t(width) * uint64_t(bitsPerPixel) + 7) / 8;
}

BOOL ParseBmpLayout(const BYTE *data, size_t size, DibLayout &layout)
{
    return ParseBmpLayout(data, size, size, layout);
}

BOOL ParseBmpLayout(const BYTE *data, size_t headSize, uint64_t size, DibLayout &layout)
{
    BITMAPFILEHEADER fileHeader{};
    if (headSize > size || !ReadBitmapFileHeader(data, headSize, &fileHeader) || fileHeader.bfType != kBmpMark)
        return FALSE;
    const BYTE *info = data + kBitmapFileHeaderSize;
    DibHeader read;
    if (!ReadDibHeader(info, headSize - kBitmapFileHeaderSize, &read))
        return FALSE;
    BITMAPINFOHEADER header = read.fields;
    if (!IsSupportedBitCount(header.biBitCount) || header.biCompression != kUncompressed)
        return FALSE;
    // Top-down pictures (negative height) are refused.
    if (read.geometry.topDown)
        return FALSE;
    const uint64_t imageBytes = read.geometry.pixelBytes;

    // The colour table: all entries are kept, those the file leaves out black.
    const WORD colourCount = DibColourCount(header.biBitCount);
    const DWORD tableEntries = read.tableEntries;
    const size_t entrySize = read.tableEntrySize;
    const uint64_t tableEnd = kBitmapFileHeaderSize + uint64_t(read.headerSize) + uint64_t(tableEntries) * entrySize;
    if (fileHeader.bfOffBits < tableEnd || fileHeader.bfOffBits > size || tableEnd > headSize)
        return FALSE;
    if (imageBytes > size - fileHeader.bfOffBits)
        return FALSE;

    DibLayout result;
    result.colours.assign(colourCount, RGBQUAD{});
    const BYTE *table = info + read.headerSize;
    for (DWORD i = 0; i < tableEntries; ++i) {
        const BYTE *entry = table + i * entrySize;
        result.colours[i] = RGBQUAD{entry[0], entry[1], entry[2], 0};
    }
    result.bitsOffset = fileHeader.bfOffBits;
    result.bitsSize = size_t(imageBytes);
    header.biSize = kBitmapInfoHeaderSize;
    header.biPlanes = 1;
    header.biSizeImage = DWORD(imageBytes);
    header.biClrUsed = 0;
    header.biClrImportant = 0;
    result.header = header;
    layout = std::move(result);
    return TRUE;
}

BOOL ParseBmpFile(const BYTE *data, size_t size, DibPicture &picture)
{
    DibLayout layout;
    if (!ParseBmpLayout(data, size, layout))
        return FALSE;
    picture.header = layout.header;
    picture.colours = std::move(layout.colours);
    picture.bits.assign(data + layout.bitsOffset, data + layout.bitsOffset + layout.bitsSize);
    return TRUE;
}

std::vector<BYTE> BuildBmpHead(LONG width, LONG height, int bitsPerPixel, const RGBQUAD *colours)
{
    const WORD colourCount = DibColourCount(bitsPerPixel);
    const uint64_t imageBytes = DibRowBytes(width, WORD(bitsPerPixel)) * uint64_t(height > 0 ? height : 0);
    const DWORD offset = DWORD(kBitmapFileHeaderSize + kBitmapInfoHeaderSize + 4u * colourCount);

    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = kBmpMark;
    fileHeader.bfSize = DWORD(offset + imageBytes);
    fileHeader.bfOffBits = offset;
    BITMAPINFOHEADER header{};
    header.biSize = kBitmapInfoHeaderSize;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = WORD(bitsPerPixel);
    header.biCompression = kUncompressed;
    header.biSizeImage = DWORD(imageBytes);

    std::vector<BYTE> head(offset);
    WriteBitmapFileHeader(fileHeader, head.data());
    WriteBitmapInfoHeader(header, head.data() + kBitmapFileHeaderSize);
    BYTE *table = head.data() + kBitmapFileHeaderSize + kBitmapInfoHeaderSize;
    for (WORD i = 0; i < colourCount; ++i) {
        table[4 * i] = colours[i].rgbBlue;
        table[4 * i + 1] = colours[i].rgbGreen;
        table[4 * i + 2] = colours[i].rgbRed;
        table[4 * i + 3] = 0;
    }
    return head;
}

size_t BmpImageBytes(LONG width, LONG height, int bitsPerPixel)
{
    return size_t(DibRowBytes(width, WORD(bitsPerPixel)) * uint64_t(height > 0 ? height : 0));
}

std::vector<BYTE> BuildBmpFile(LONG width, LONG height, int bitsPerPixel, const RGBQUAD *colours, const BYTE *bits)
{
    std::vector<BYTE> file = BuildBmpHead(width, height, bitsPerPixel, colours);
    const size_t imageBytes = BmpImageBytes(width, height, bitsPerPixel);
    if (imageBytes > 0)
        file.insert(file.end(), bits, bits + imageBytes);
    return file;
}
