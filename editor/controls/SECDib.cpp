#include "editor/controls/SECDib.h"

#include "editor/controls/SECDibFormat.h"
#include "framework/gdi/DibHeaders.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(SECDib, SECImage, 1)

namespace {

// Files beyond this size are refused before anything is read.
constexpr ULONGLONG kMaxBmpFileBytes = 0x7FFFFFFF;

} // namespace

// Reads the file header, then the info header and colour table (never more
// than the largest of them, whatever the rows' offset says), checks the
// layout against the file's length, and reads the rows straight into the
// bitmap.
BOOL SECDib::ReadFormat(CFile *pFile)
{
    const ULONGLONG length = pFile->GetLength();
    const ULONGLONG position = pFile->GetPosition();
    if (position > length || length - position > kMaxBmpFileBytes)
        return FALSE;
    const ULONGLONG fileSize = length - position;
    std::vector<BYTE> head(kBitmapFileHeaderSize);
    if (fileSize < head.size() || pFile->Read(head.data(), UINT(head.size())) != head.size())
        return FALSE;
    BITMAPFILEHEADER fileHeader{};
    ReadBitmapFileHeader(head.data(), head.size(), &fileHeader);
    if (fileHeader.bfOffBits <= kBitmapFileHeaderSize || fileHeader.bfOffBits > fileSize)
        return FALSE;
    head.resize(std::min<size_t>(fileHeader.bfOffBits, kBmpLargestHead));
    const UINT rest = UINT(head.size() - kBitmapFileHeaderSize);
    if (pFile->Read(head.data() + kBitmapFileHeaderSize, rest) != rest)
        return FALSE;
    DibLayout layout;
    if (!ParseBmpLayout(head.data(), head.size(), fileSize, layout))
        return FALSE;
    if (head.size() != layout.bitsOffset)
        pFile->Seek(LONGLONG(position + layout.bitsOffset), CFile::begin);
    if (!AdoptPicture(layout.header, layout.colours.data(), nullptr, layout.bitsSize))
        return FALSE;
    return pFile->Read(GetBits(), UINT(layout.bitsSize)) == layout.bitsSize;
}

// The headers and colour table, then the rows straight from the bitmap.
BOOL SECDib::WriteFormat(CFile *pFile)
{
    AlignRows();
    const size_t imageBytes = BmpImageBytes(m_dwWidth, m_dwHeight, m_nSrcBitsPerPixel);
    if (imageBytes > GetBitsSize() || imageBytes > kMaxBmpFileBytes)
        return FALSE;
    const std::vector<BYTE> head = BuildBmpHead(m_dwWidth, m_dwHeight, m_nSrcBitsPerPixel, ColourTable());
    pFile->Write(head.data(), UINT(head.size()));
    pFile->Write(GetBits(), UINT(imageBytes));
    return TRUE;
}
