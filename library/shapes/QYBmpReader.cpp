#include "library/shapes/QYBmpReader.h"

#include "framework/gdi/DibHeaders.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"

#include <algorithm>
#include <cstring>

namespace {

// Bytes are read in steps of this size, so a record that lies about its
// sizes runs out of bytes before much memory is taken.
constexpr uint64_t kReadStep = 1 << 20;

void ReadArchiveBytes(CArchive& ar, uint64_t nCount, std::vector<BYTE>& out)
{
    out.clear();
    while (out.size() < nCount) {
        const size_t nDone = out.size();
        const size_t nStep = static_cast<size_t>(std::min<uint64_t>(kReadStep, nCount - nDone));
        out.resize(nDone + nStep);
        if (ar.Read(out.data() + nDone, static_cast<UINT>(nStep)) != nStep)
            AfxThrowArchiveException(CArchiveException::endOfFile);
    }
}

BOOL ReadFileBytes(CFile& file, void* lpBuf, uint64_t nCount)
{
    return file.Read(lpBuf, static_cast<UINT>(nCount)) == nCount;
}

// Checks the info header at the front of the block and settles the rows:
// top-down pictures are turned bottom-up so every picture is held one way.
BOOL CheckInfoBlock(const std::vector<BYTE>& info, QYBmpLayout& layout)
{
    return QYReadBmpInfoHeader(info.data(), info.size(), &layout);
}

void SettleRows(QYDibParts& parts, const QYBmpLayout& layout)
{
    auto* pHeader = reinterpret_cast<BITMAPINFOHEADER*>(parts.info.data());
    if (layout.bTopDown) {
        QYFlipDibRows(parts.bits.data(), layout.nRowBytes, layout.nRows);
        pHeader->biHeight = layout.nRows;
    }
    if (pHeader->biSizeImage != 0)
        pHeader->biSizeImage = static_cast<DWORD>(layout.nPixelBytes);
}

} // namespace

BOOL QYReadBmpFile(CFile& file, QYDibParts& parts)
{
    const uint64_t nStart = file.GetPosition();
    const uint64_t nLength = file.GetLength();
    if (nLength < nStart)
        return FALSE;
    const uint64_t nAvailable = nLength - nStart;
    BYTE fileHeaderBytes[kBitmapFileHeaderSize];
    BITMAPFILEHEADER fileHeader{};
    if (!ReadFileBytes(file, fileHeaderBytes, sizeof fileHeaderBytes) ||
        !ReadBitmapFileHeader(fileHeaderBytes, sizeof fileHeaderBytes, &fileHeader) ||
        !QYCheckBmpFileHeader(fileHeader, nAvailable))
        return FALSE;
    QYDibParts read;
    const uint64_t nInfoBytes = fileHeader.bfOffBits - kBitmapFileHeaderSize;
    read.info.assign(static_cast<size_t>(nInfoBytes + kQYInfoBlockSlack), 0);
    QYBmpLayout layout;
    if (!ReadFileBytes(file, read.info.data(), nInfoBytes) || !CheckInfoBlock(read.info, layout))
        return FALSE;
    if (nAvailable - fileHeader.bfOffBits < layout.nPixelBytes)
        return FALSE;
    read.bits.assign(static_cast<size_t>(layout.nPixelBytes), 0);
    if (!ReadFileBytes(file, read.bits.data(), layout.nPixelBytes))
        return FALSE;
    SettleRows(read, layout);
    parts = std::move(read);
    return TRUE;
}

BOOL QYReadBmpRecord(CArchive& ar, QYDibParts& parts)
{
    BYTE fileHeaderBytes[kBitmapFileHeaderSize];
    if (ar.Read(fileHeaderBytes, sizeof fileHeaderBytes) != sizeof fileHeaderBytes)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    BITMAPFILEHEADER fileHeader{};
    ReadBitmapFileHeader(fileHeaderBytes, sizeof fileHeaderBytes, &fileHeader);
    if (fileHeader.bfType != 0x4D42)
        return FALSE;
    if (!QYCheckBmpFileHeader(fileHeader, 0))
        AfxThrowArchiveException(CArchiveException::genericException);
    QYDibParts read;
    ReadArchiveBytes(ar, fileHeader.bfOffBits - kBitmapFileHeaderSize, read.info);
    read.info.resize(read.info.size() + kQYInfoBlockSlack, 0);
    QYBmpLayout layout;
    if (!CheckInfoBlock(read.info, layout))
        AfxThrowArchiveException(CArchiveException::genericException);
    ReadArchiveBytes(ar, layout.nPixelBytes, read.bits);
    SettleRows(read, layout);
    parts = std::move(read);
    return TRUE;
}

std::vector<BYTE> QYBmpFileImage(const BITMAPINFOHEADER& header, const BYTE* lpColorTable, const BYTE* lpBits)
{
    const uint64_t nTableBytes = static_cast<uint64_t>(QYDibColorCount(header.biBitCount)) * 4;
    const uint64_t nRows =
        static_cast<uint64_t>(header.biHeight < 0 ? -static_cast<int64_t>(header.biHeight) : header.biHeight);
    const uint64_t nPixelBytes = DibRowBytes(header.biWidth, header.biBitCount) * nRows;
    const uint64_t nOffBits = kBitmapFileHeaderSize + kBitmapInfoHeaderSize + nTableBytes;
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;
    fileHeader.bfSize = static_cast<DWORD>(nOffBits + nPixelBytes);
    fileHeader.bfOffBits = static_cast<DWORD>(nOffBits);
    std::vector<BYTE> image(static_cast<size_t>(nOffBits + nPixelBytes), 0);
    WriteBitmapFileHeader(fileHeader, image.data());
    BITMAPINFOHEADER info = header;
    info.biSize = kBitmapInfoHeaderSize;
    WriteBitmapInfoHeader(info, image.data() + kBitmapFileHeaderSize);
    if (nTableBytes != 0)
        std::memcpy(image.data() + kBitmapFileHeaderSize + kBitmapInfoHeaderSize, lpColorTable, nTableBytes);
    if (nPixelBytes != 0)
        std::memcpy(image.data() + nOffBits, lpBits, nPixelBytes);
    return image;
}

std::vector<BYTE> QYEmptyBmpRecord()
{
    return std::vector<BYTE>(kBitmapFileHeaderSize, 0);
}
