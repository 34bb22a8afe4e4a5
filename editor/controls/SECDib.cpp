#include "editor/controls/SECDib.h"

#include "editor/controls/SECDibFormat.h"
#include "framework/gdi/DibHeaders.h"

#include <vector>

IMPLEMENT_SERIAL(SECDib, SECImage, 1)

namespace {

// Files beyond this size are refused before anything is read.
constexpr ULONGLONG kMaxBmpFileBytes = 0x7FFFFFFF;

} // namespace

// Reads the file header, then everything up to the rows, checks the layout
// against the file's length, and reads the rows straight into the bitmap.
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
    head.resize(fileHeader.bfOffBits);
    const UINT rest = UINT(head.size() - kBitmapFileHeaderSize);
    if (pFile->Read(head.data() + kBitmapFileHeaderSize, rest) != rest)
        return FALSE;
    DibLayout layout;
    if (!ParseBmpLayout(head.data(), head.size(), fileSize, layout))
        return FALSE;
    if (!AdoptPicture(layout.header, layout.colours.data(), nullptr, layout.bitsSize))
        return FALSE;
    return pFile->Read(GetBits(), UINT(layout.bitsSize)) == layout.bitsSize;
}

BOOL SECDib::WriteFormat(CFile *pFile)
{
    AlignRows();
    const std::vector<BYTE> file = BuildBmpFile(m_dwWidth, m_dwHeight, m_nSrcBitsPerPixel, ColourTable(), GetBits());
    pFile->Write(file.data(), UINT(file.size()));
    return TRUE;
}
