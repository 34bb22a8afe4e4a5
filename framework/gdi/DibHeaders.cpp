// DIB headers as little-endian bytes.
#include "framework/gdi/DibHeaders.h"

namespace {

WORD Word(const BYTE *p)
{
    return static_cast<WORD>(p[0] | p[1] << 8);
}

DWORD Dword(const BYTE *p)
{
    return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 | static_cast<DWORD>(p[2]) << 16 |
           static_cast<DWORD>(p[3]) << 24;
}

void PutWord(BYTE *p, WORD v)
{
    p[0] = static_cast<BYTE>(v);
    p[1] = static_cast<BYTE>(v >> 8);
}

void PutDword(BYTE *p, DWORD v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<BYTE>(v >> (8 * i));
}

} // namespace

BOOL ReadBitmapFileHeader(const BYTE *data, size_t size, BITMAPFILEHEADER *header)
{
    if (!data || !header || size < kBitmapFileHeaderSize)
        return FALSE;
    header->bfType = Word(data);
    header->bfSize = Dword(data + 2);
    header->bfReserved1 = Word(data + 6);
    header->bfReserved2 = Word(data + 8);
    header->bfOffBits = Dword(data + 10);
    return TRUE;
}

BOOL ReadBitmapInfoHeader(const BYTE *data, size_t size, BITMAPINFOHEADER *header)
{
    if (!data || !header || size < kBitmapInfoHeaderSize)
        return FALSE;
    header->biSize = Dword(data);
    header->biWidth = static_cast<LONG>(Dword(data + 4));
    header->biHeight = static_cast<LONG>(Dword(data + 8));
    header->biPlanes = Word(data + 12);
    header->biBitCount = Word(data + 14);
    header->biCompression = Dword(data + 16);
    header->biSizeImage = Dword(data + 20);
    header->biXPelsPerMeter = static_cast<LONG>(Dword(data + 24));
    header->biYPelsPerMeter = static_cast<LONG>(Dword(data + 28));
    header->biClrUsed = Dword(data + 32);
    header->biClrImportant = Dword(data + 36);
    return TRUE;
}

void WriteBitmapFileHeader(const BITMAPFILEHEADER &header, BYTE *out)
{
    PutWord(out, header.bfType);
    PutDword(out + 2, header.bfSize);
    PutWord(out + 6, header.bfReserved1);
    PutWord(out + 8, header.bfReserved2);
    PutDword(out + 10, header.bfOffBits);
}

void WriteBitmapInfoHeader(const BITMAPINFOHEADER &header, BYTE *out)
{
    PutDword(out, header.biSize);
    PutDword(out + 4, static_cast<DWORD>(header.biWidth));
    PutDword(out + 8, static_cast<DWORD>(header.biHeight));
    PutWord(out + 12, header.biPlanes);
    PutWord(out + 14, header.biBitCount);
    PutDword(out + 16, header.biCompression);
    PutDword(out + 20, header.biSizeImage);
    PutDword(out + 24, static_cast<DWORD>(header.biXPelsPerMeter));
    PutDword(out + 28, static_cast<DWORD>(header.biYPelsPerMeter));
    PutDword(out + 32, header.biClrUsed);
    PutDword(out + 36, header.biClrImportant);
}

uint64_t DibRowBytes(LONG width, WORD bitCount)
{
    if (width <= 0 || bitCount == 0)
        return 0;
    // Below 2^31 x 2^16: the product cannot overflow 64 bits.
    return (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
}

bool CheckDibGeometry(LONG width, LONG height, WORD bitCount, DibGeometry *geometry)
{
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return false;
    }
    if (width <= 0 || width > kDibMaxSide || height == 0 || height > kDibMaxSide || height < -kDibMaxSide)
        return false;
    const LONG rows = height < 0 ? -height : height;
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(rows) > kDibMaxPixels)
        return false;
    if (geometry) {
        geometry->width = width;
        geometry->rows = rows;
        geometry->topDown = height < 0;
        geometry->bitCount = bitCount;
        geometry->rowBytes = DibRowBytes(width, bitCount);
        geometry->pixelBytes = geometry->rowBytes * static_cast<uint64_t>(rows);
    }
    return true;
}

bool IsDibHeaderSize(DWORD headerSize)
{
    return headerSize == kBitmapCoreHeaderSize || headerSize == kBitmapInfoHeaderSize ||
           headerSize == kBitmapOs2HeaderSize || headerSize == kBitmapV4HeaderSize || headerSize == kBitmapV5HeaderSize;
}

bool ReadDibHeader(const BYTE *data, size_t size, DibHeader *header)
{
    if (!data || size < 4)
        return false;
    DibHeader read;
    read.headerSize = Dword(data);
    if (!IsDibHeaderSize(read.headerSize) || read.headerSize > size)
        return false;
    if (read.headerSize == kBitmapCoreHeaderSize) {
        // 16-bit unsigned sizes, and neither compression nor a used-colour count.
        read.fields.biSize = kBitmapCoreHeaderSize;
        read.fields.biWidth = Word(data + 4);
        read.fields.biHeight = Word(data + 6);
        read.fields.biPlanes = Word(data + 8);
        read.fields.biBitCount = Word(data + 10);
        read.tableEntrySize = 3;
    } else {
        ReadBitmapInfoHeader(data, size, &read.fields);
    }
    const BITMAPINFOHEADER &h = read.fields;
    if (!CheckDibGeometry(h.biWidth, h.biHeight, h.biBitCount, &read.geometry))
        return false;
    if (h.biBitCount <= 8) {
        const DWORD most = DWORD(1) << h.biBitCount;
        if (h.biClrUsed > most)
            return false;
        read.tableEntries = h.biClrUsed ? h.biClrUsed : most;
    }
    if (header)
        *header = read;
    return true;
}
