#include "editor/controls/SECJpeg.h"

#include "editor/controls/SECDibFormat.h"
#include "framework/gdi/DibHeaders.h"

#include <cstring>

IMPLEMENT_SERIAL(SECJpeg, SECImage, 1)

SECJpeg::SECJpeg()
{
    m_bQuantize = m_nSysBitsPerPixel != 0;
}

BOOL SECJpeg::ReadFormat(CFile *pFile)
{
    m_messages.Reset();
    std::vector<unsigned char> bytes;
    if (!SECJpegFile::ReadAll(*pFile, bytes))
        return FALSE;
    // The codec writes straight into the bitmap's bottom-up rows, padded to
    // 4 bytes; the picture held before is kept by LoadImage should the
    // decode fail.
    size_t stride = 0, rowBytes = 0;
    int height = 0;
    auto rows = [&](int width, int rowsHigh, std::ptrdiff_t &rowStep) -> unsigned char * {
        // A picture beyond the DIB size limits is refused before any memory is taken.
        DibGeometry geometry;
        if (!CheckDibGeometry(width, rowsHigh, 24, &geometry))
            return nullptr;
        BITMAPINFOHEADER header{};
        header.biSize = kBitmapInfoHeaderSize;
        header.biWidth = width;
        header.biHeight = rowsHigh;
        header.biPlanes = 1;
        header.biBitCount = 24;
        stride = size_t(geometry.rowBytes);
        rowBytes = size_t(width) * 3;
        height = rowsHigh;
        header.biSizeImage = DWORD(stride * size_t(rowsHigh));
        if (!AdoptPicture(header, nullptr, nullptr, header.biSizeImage))
            return nullptr;
        m_nImageBytes = int(header.biSizeImage);
        rowStep = -std::ptrdiff_t(stride);
        return GetBits() + stride * size_t(rowsHigh - 1);
    };
    if (!Jpeg::DecodeInto(bytes.data(), bytes.size(), rows, m_messages.Callbacks()))
        return FALSE;
    if (stride > rowBytes) {
        BYTE *bits = GetBits();
        for (int y = 0; y < height; ++y)
            std::memset(bits + stride * size_t(y) + rowBytes, 0, stride - rowBytes);
    }
    return TRUE;
}

std::vector<unsigned char> SECJpeg::TopDownBgrRows() const
{
    const size_t width = size_t(m_dwWidth);
    const size_t stride = m_bIsPadded ? AlignedRowBytes() : PackedRowBytes();
    const RGBQUAD *table = ColourTable();
    std::vector<unsigned char> rows(width * 3 * size_t(m_dwHeight));
    for (int y = 0; y < m_dwHeight; ++y) {
        const BYTE *source = GetBits() + stride * size_t(m_dwHeight - 1 - y);
        unsigned char *out = rows.data() + width * 3 * size_t(y);
        if (m_nSrcBitsPerPixel == 24) {
            std::memcpy(out, source, width * 3);
            continue;
        }
        // Palette pixels: 1-bit ones most significant bit first, 4-bit ones high half first.
        for (size_t x = 0; x < width; ++x, out += 3) {
            unsigned index = 0;
            if (m_nSrcBitsPerPixel == 8)
                index = source[x];
            else if (m_nSrcBitsPerPixel == 4)
                index = (source[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F;
            else
                index = (source[x / 8] >> (7 - x % 8)) & 1;
            const RGBQUAD colour = index < m_wColors ? table[index] : RGBQUAD{};
            out[0] = colour.rgbBlue;
            out[1] = colour.rgbGreen;
            out[2] = colour.rgbRed;
        }
    }
    return rows;
}

BOOL SECJpeg::WriteFormat(CFile *pFile)
{
    m_messages.Reset();
    if (!GetBits() || m_dwWidth <= 0 || m_dwHeight <= 0)
        return FALSE;
    std::vector<unsigned char> output;
    if (m_nSrcBitsPerPixel == 24) {
        // The codec reads the bitmap's bottom-up rows where they are.
        const std::ptrdiff_t stride = std::ptrdiff_t(m_bIsPadded ? AlignedRowBytes() : PackedRowBytes());
        if (size_t(stride) * size_t(m_dwHeight) > GetBitsSize())
            return FALSE;
        const BYTE *top = GetBits() + stride * (m_dwHeight - 1);
        if (!Jpeg::EncodeRows(top, m_dwWidth, m_dwHeight, -stride, output, m_messages.Callbacks(), m_nQuality))
            return FALSE;
        SECJpegFile::WriteAll(*pFile, output);
        return TRUE;
    }
    const std::vector<unsigned char> rows = TopDownBgrRows();
    if (!Jpeg::Encode(rows.data(), m_dwWidth, m_dwHeight, size_t(m_dwWidth) * 3, output, m_messages.Callbacks(),
                      m_nQuality))
        return FALSE;
    SECJpegFile::WriteAll(*pFile, output);
    return TRUE;
}
