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

DWORD DibRowBytes(LONG width, WORD bitCount)
{
    return static_cast<DWORD>(((static_cast<unsigned long long>(width) * bitCount + 31) / 32) * 4);
}
