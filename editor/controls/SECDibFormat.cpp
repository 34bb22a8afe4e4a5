#include "editor/controls/SECDibFormat.h"

#include "framework/gdi/DibHeaders.h"

#include <cstring>
#include <limits>

namespace {

constexpr WORD kBmpMark = 0x4D42; // "BM"
constexpr DWORD kCoreHeaderSize = 12;
constexpr DWORD kOs2HeaderSize = 64;
constexpr DWORD kV4HeaderSize = 108;
constexpr DWORD kV5HeaderSize = 124;
constexpr DWORD kUncompressed = 0;
// Pictures beyond this many bytes of rows are refused before any allocation.
constexpr uint64_t kMaxImageBytes = uint64_t(1) << 31;

WORD Read16(const BYTE *p)
{
    return WORD(p[0] | (p[1] << 8));
}

bool IsSupportedBitCount(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 24;
}

// Reads the info header of any accepted size into the 40-byte form.
bool ReadAnyInfoHeader(const BYTE *data, size_t size, BITMAPINFOHEADER &header, DWORD &headerSize)
{
    if (size < 4)
        return false;
    headerSize = DWORD(data[0]) | DWORD(data[1]) << 8 | DWORD(data[2]) << 16 | DWORD(data[3]) << 24;
    if (headerSize == kCoreHeaderSize) {
        if (size < kCoreHeaderSize)
            return false;
        header = BITMAPINFOHEADER{};
        header.biWidth = Read16(data + 4);
        header.biHeight = Read16(data + 6);
        header.biPlanes = Read16(data + 8);
        header.biBitCount = Read16(data + 10);
        return true;
    }
    if (headerSize != kBitmapInfoHeaderSize && headerSize != kOs2HeaderSize && headerSize != kV4HeaderSize &&
        headerSize != kV5HeaderSize)
        return false;
    if (size < headerSize || !ReadBitmapInfoHeader(data, size, &header))
        return false;
    return true;
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

uint64_t DibAlignedRowBytes(int64_t width, int bitsPerPixel)
{
    if (width <= 0 || bitsPerPixel <= 0 || width > std::numeric_limits<int32_t>::max())
        return 0;
    return (uint64_t(width) * uint64_t(bitsPerPixel) + 31) / 32 * 4;
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
    const size_t infoRoom = headSize - kBitmapFileHeaderSize;
    BITMAPINFOHEADER header{};
    DWORD headerSize = 0;
    if (!ReadAnyInfoHeader(info, infoRoom, header, headerSize))
        return FALSE;
    const int bits = header.biBitCount;
    if (!IsSupportedBitCount(bits) || header.biCompression != kUncompressed)
        return FALSE;
    // Top-down pictures (negative height) and empty ones are refused.
    if (header.biWidth <= 0 || header.biHeight <= 0)
        return FALSE;
    const uint64_t stride = DibAlignedRowBytes(header.biWidth, bits);
    if (stride == 0 || stride > kMaxImageBytes / uint64_t(header.biHeight))
        return FALSE;
    const uint64_t imageBytes = stride * uint64_t(header.biHeight);

    // The colour table: the used count when it is a proper subset, else all.
    const WORD colourCount = DibColourCount(bits);
    DWORD tableEntries = colourCount;
    if (header.biClrUsed > 0 && header.biClrUsed < colourCount)
        tableEntries = header.biClrUsed;
    const size_t entrySize = headerSize == kCoreHeaderSize ? 3 : 4;
    const uint64_t tableEnd = kBitmapFileHeaderSize + uint64_t(headerSize) + uint64_t(tableEntries) * entrySize;
    if (fileHeader.bfOffBits < tableEnd || fileHeader.bfOffBits > size || tableEnd > headSize)
        return FALSE;
    if (imageBytes > size - fileHeader.bfOffBits)
        return FALSE;

    DibLayout result;
    result.colours.assign(colourCount, RGBQUAD{});
    const BYTE *table = info + headerSize;
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
    const uint64_t imageBytes = DibAlignedRowBytes(width, bitsPerPixel) * uint64_t(height > 0 ? height : 0);
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
    return size_t(DibAlignedRowBytes(width, bitsPerPixel) * uint64_t(height > 0 ? height : 0));
}

std::vector<BYTE> BuildBmpFile(LONG width, LONG height, int bitsPerPixel, const RGBQUAD *colours, const BYTE *bits)
{
    std::vector<BYTE> file = BuildBmpHead(width, height, bitsPerPixel, colours);
    const size_t imageBytes = BmpImageBytes(width, height, bitsPerPixel);
    if (imageBytes > 0)
        file.insert(file.end(), bits, bits + imageBytes);
    return file;
}
