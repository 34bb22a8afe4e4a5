#include "editor/controls/SECDib.h"

#include "editor/controls/SECDibFormat.h"

#include <vector>

IMPLEMENT_SERIAL(SECDib, SECImage, 1)

namespace {

// Files beyond this size are refused before anything is read.
constexpr ULONGLONG kMaxBmpFileBytes = 0x7FFFFFFF;

} // namespace

BOOL SECDib::ReadFormat(CFile *pFile)
{
    const ULONGLONG length = pFile->GetLength();
    const ULONGLONG position = pFile->GetPosition();
    if (position > length || length - position > kMaxBmpFileBytes)
        return FALSE;
    std::vector<BYTE> file(size_t(length - position));
    if (!file.empty() && pFile->Read(file.data(), UINT(file.size())) != file.size())
        return FALSE;
    DibLayout layout;
    if (!ParseBmpLayout(file.data(), file.size(), layout))
        return FALSE;
    return AdoptPicture(layout.header, layout.colours.data(), file.data() + layout.bitsOffset, layout.bitsSize);
}

BOOL SECDib::WriteFormat(CFile *pFile)
{
    AlignRows();
    const std::vector<BYTE> file = BuildBmpFile(m_dwWidth, m_dwHeight, m_nSrcBitsPerPixel, ColourTable(), GetBits());
    pFile->Write(file.data(), UINT(file.size()));
    return TRUE;
}
