#include "editor/controls/SECImage.h"

#include "editor/controls/SECDibFormat.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/GdiConstants.h"

#include <algorithm>
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(SECImage, CObject)

namespace {

constexpr WORD kPaletteVersion = 0x300;

void FreeBlock(HGLOBAL &handle)
{
    if (handle) {
        GlobalUnlock(handle);
        GlobalFree(handle);
        handle = nullptr;
    }
}

} // namespace

// Everything LoadImage moves aside while it reads a new picture.
struct SECImage::PictureData {
    int bitsPerPixel, padWidth, width, height;
    BOOL padded;
    WORD colours;
    CPalette *palette;
    HGLOBAL bits, header;
    BYTE *bitsPtr;
    size_t bitsSize;
    LPBITMAPINFOHEADER headerPtr;
    BOOL needMapping;
};

// The file in use during one load or save.  A caller's file is forgotten
// afterwards (it may not outlive the call); one of our own opened files is
// kept for the next load or save by name.
class SECImage::FileScope {
public:
    FileScope(SECImage &image, CFile *file) : m_image(image), m_previous(image.m_pFile) { image.m_pFile = file; }
    ~FileScope()
    {
        if (!m_image.m_openedFiles.Find(m_image.m_pFile))
            m_image.m_pFile = m_previous;
    }
    FileScope(const FileScope &) = delete;
    FileScope &operator=(const FileScope &) = delete;

private:
    SECImage &m_image;
    CFile *m_previous;
};

SECImage::SECImage()
{
    HDC screen = CreateCompatibleDC(nullptr);
    if (screen) {
        m_nSysPlanes = GetDeviceCaps(screen, PLANES);
        const int depth = GetDeviceCaps(screen, BITSPIXEL);
        // Only palette displays (8 bits or fewer) have a display depth.
        m_nSysBitsPerPixel = depth > 0 && depth <= 8 ? depth : 0;
        DeleteDC(screen);
    }
    if (m_nSysBitsPerPixel == 1)
        m_wSysColors = WORD(1u << m_nSysPlanes);
    else if (m_nSysBitsPerPixel > 1)
        m_wSysColors = WORD(1u << m_nSysBitsPerPixel);
}

SECImage::~SECImage()
{
    Clear();
    CloseFiles();
}

BOOL SECImage::HasPicture() const
{
    return m_lpSrcBits && m_dwWidth > 0 && m_dwHeight > 0 && m_lpBMI;
}

RGBQUAD *SECImage::ColourTable() const
{
    return m_lpBMI ? reinterpret_cast<RGBQUAD *>(reinterpret_cast<BYTE *>(m_lpBMI) + sizeof(BITMAPINFOHEADER))
                   : nullptr;
}

size_t SECImage::PackedRowBytes() const
{
    return size_t(DibPackedRowBytes(m_dwWidth, m_nSrcBitsPerPixel));
}
size_t SECImage::AlignedRowBytes() const
{
    return size_t(DibRowBytes(m_dwWidth, WORD(m_nSrcBitsPerPixel)));
}

BOOL SECImage::AllocateHeader(const BITMAPINFOHEADER &header)
{
    FreeBlock(m_hBMI);
    m_lpBMI = nullptr;
    m_hBMI = GlobalAlloc(GHND, sizeof(BITMAPINFOHEADER) + sizeof(RGBQUAD) * m_wColors);
    if (!m_hBMI)
        return FALSE;
    m_lpBMI = static_cast<LPBITMAPINFOHEADER>(GlobalLock(m_hBMI));
    *m_lpBMI = header;
    return TRUE;
}

BOOL SECImage::AllocateBits(size_t size)
{
    FreeBlock(m_hSrcBits);
    m_lpSrcBits = nullptr;
    m_nBitsSize = 0;
    m_hSrcBits = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1); // every byte is written by the caller
    if (!m_hSrcBits)
        return FALSE;
    m_lpSrcBits = static_cast<BYTE *>(GlobalLock(m_hSrcBits));
    m_nBitsSize = size;
    return TRUE;
}

BOOL SECImage::AdoptPicture(const BITMAPINFOHEADER &header, const RGBQUAD *colours, const BYTE *bits, size_t bitsSize)
{
    Clear();
    m_nSrcBitsPerPixel = header.biBitCount;
    m_dwWidth = header.biWidth;
    m_dwHeight = header.biHeight;
    m_wColors = DibColourCount(m_nSrcBitsPerPixel);
    m_bIsPadded = TRUE;
    if (!AllocateHeader(header) || !AllocateBits(bitsSize)) {
        Clear();
        return FALSE;
    }
    if (m_wColors)
        std::memcpy(ColourTable(), colours, sizeof(RGBQUAD) * m_wColors);
    if (bits && bitsSize)
        std::memcpy(m_lpSrcBits, bits, bitsSize);
    return TRUE;
}

void SECImage::Clear()
{
    FreeBlock(m_hSrcBits);
    FreeBlock(m_hBMI);
    m_lpSrcBits = nullptr;
    m_lpBMI = nullptr;
    m_nBitsSize = 0;
    delete m_pPalette;
    m_pPalette = nullptr;
    m_nSrcBitsPerPixel = 0;
    m_dwWidth = m_dwHeight = m_dwPadWidth = 0;
    m_wColors = 0;
    m_bIsPadded = FALSE;
    m_bNeedMapping = FALSE;
}

void SECImage::CloseFiles()
{
    POSITION pos = m_openedFiles.GetHeadPosition();
    while (pos) {
        CFile *file = static_cast<CFile *>(m_openedFiles.GetNext(pos));
        if (file == m_pFile)
            m_pFile = nullptr;
        delete file;
    }
    m_openedFiles.RemoveAll();
}

BOOL SECImage::MakePalette()
{
    if (m_nSrcBitsPerPixel == 24 || !m_lpBMI)
        return TRUE;
    const UINT entries = m_lpBMI->biClrUsed > m_wColors ? UINT(m_lpBMI->biClrUsed) : m_wColors;
    if (entries == 0 || entries > 0xFFFF)
        return FALSE;
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * entries);
    auto *logPalette = reinterpret_cast<LOGPALETTE *>(storage.data());
    logPalette->palVersion = kPaletteVersion;
    logPalette->palNumEntries = WORD(entries);
    const RGBQUAD *table = ColourTable();
    for (UINT i = 0; i < entries && i < m_wColors; ++i)
        logPalette->palPalEntry[i] = PALETTEENTRY{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    auto *palette = new CPalette;
    if (!palette->CreatePalette(logPalette)) {
        delete palette;
        return FALSE;
    }
    delete m_pPalette;
    m_pPalette = palette;
    return TRUE;
}

BOOL SECImage::FinishLoad()
{
    if (!MakePalette())
        return FALSE;
    m_dwPadWidth = (m_dwWidth + 3) / 4 * 4;
    AlignRows();
    m_bNeedMapping = m_nSysBitsPerPixel != 0 && m_nSysBitsPerPixel != m_nSrcBitsPerPixel;
    if (!m_lpBMI) {
        BITMAPINFOHEADER header{};
        header.biSize = kBitmapInfoHeaderSize;
        header.biWidth = m_dwWidth;
        header.biHeight = m_dwHeight;
        header.biPlanes = 1;
        header.biBitCount = WORD(m_nSrcBitsPerPixel);
        header.biSizeImage = DWORD(size_t(m_dwHeight) * AlignedRowBytes());
        return AllocateHeader(header);
    }
    return TRUE;
}

void SECImage::AlignRows()
{
    if (m_bIsPadded || !m_lpSrcBits)
        return;
    const size_t packed = PackedRowBytes();
    const size_t aligned = AlignedRowBytes();
    if (aligned * size_t(m_dwHeight) > m_nBitsSize)
        return; // the bits have no room for aligned rows: leave them as they are
    for (int row = m_dwHeight - 1; row >= 0; --row) {
        std::memmove(m_lpSrcBits + row * aligned, m_lpSrcBits + row * packed, packed);
        std::memset(m_lpSrcBits + row * aligned + packed, 0, aligned - packed);
    }
    m_bIsPadded = TRUE;
}

void SECImage::PackRows()
{
    if (!m_bIsPadded || !m_lpSrcBits)
        return;
    const size_t packed = PackedRowBytes();
    const size_t aligned = AlignedRowBytes();
    for (int row = 0; row < m_dwHeight; ++row)
        std::memmove(m_lpSrcBits + row * packed, m_lpSrcBits + row * aligned, packed);
    m_bIsPadded = FALSE;
}

void SECImage::FlipRows()
{
    AlignRows();
    if (!m_lpSrcBits || !m_bIsPadded)
        return;
    const size_t aligned = AlignedRowBytes();
    std::vector<BYTE> buffer(aligned);
    for (int top = 0, bottom = m_dwHeight - 1; top < bottom; ++top, --bottom) {
        BYTE *a = m_lpSrcBits + top * aligned;
        BYTE *b = m_lpSrcBits + bottom * aligned;
        std::memcpy(buffer.data(), a, aligned);
        std::memcpy(a, b, aligned);
        std::memcpy(b, buffer.data(), aligned);
    }
}

SECImage::PictureData SECImage::TakePicture()
{
    PictureData data{m_nSrcBitsPerPixel, m_dwPadWidth, m_dwWidth,   m_dwHeight,  m_bIsPadded, m_wColors,     m_pPalette,
                     m_hSrcBits,         m_hBMI,       m_lpSrcBits, m_nBitsSize, m_lpBMI,     m_bNeedMapping};
    m_pPalette = nullptr;
    m_hSrcBits = m_hBMI = nullptr;
    m_lpSrcBits = nullptr;
    m_lpBMI = nullptr;
    m_nBitsSize = 0;
    Clear();
    return data;
}

void SECImage::RestorePicture(PictureData &data)
{
    Clear();
    m_nSrcBitsPerPixel = data.bitsPerPixel;
    m_dwPadWidth = data.padWidth;
    m_dwWidth = data.width;
    m_dwHeight = data.height;
    m_bIsPadded = data.padded;
    m_wColors = data.colours;
    m_pPalette = data.palette;
    m_hSrcBits = data.bits;
    m_hBMI = data.header;
    m_lpSrcBits = data.bitsPtr;
    m_nBitsSize = data.bitsSize;
    m_lpBMI = data.headerPtr;
    m_bNeedMapping = data.needMapping;
}

BOOL SECImage::LoadImage(CFile *pFile)
{
    if (!pFile)
        return FALSE;
    FileScope scope(*this, pFile);
    PictureData backup = TakePicture();
    BOOL loaded = FALSE;
    try {
        loaded = ReadFormat(pFile) && FinishLoad();
    } catch (CException *e) {
        e->Delete();
        loaded = FALSE;
    }
    if (!loaded) {
        RestorePicture(backup);
        return FALSE;
    }
    FreePicture(backup);
    return TRUE;
}

void SECImage::FreePicture(PictureData &data)
{
    FreeBlock(data.bits);
    FreeBlock(data.header);
    delete data.palette;
    data.palette = nullptr;
}

CFile *SECImage::FileForName(LPCTSTR lpszFileName, UINT nOpenFlags)
{
    if (m_pFile)
        return m_pFile->Open(lpszFileName, nOpenFlags) ? m_pFile : nullptr;
    auto *file = new CFile;
    if (!file->Open(lpszFileName, nOpenFlags)) {
        delete file;
        return nullptr;
    }
    m_openedFiles.AddTail(file);
    return file;
}

BOOL SECImage::LoadImage(LPCTSTR lpszFileName)
{
    CFile *file = FileForName(lpszFileName, CFile::modeRead | CFile::shareDenyWrite);
    if (!file)
        return FALSE;
    const BOOL loaded = LoadImage(file);
    file->Abort();
    return loaded;
}

BOOL SECImage::SaveImage(LPCTSTR lpszFileName)
{
    CFile *file = FileForName(lpszFileName, CFile::modeCreate | CFile::modeWrite);
    if (!file)
        return FALSE;
    BOOL saved = SaveImage(file);
    try {
        file->Close();
    } catch (CException *e) {
        e->Delete();
        saved = FALSE;
    }
    return saved;
}

BOOL SECImage::SaveImage(CFile *pFile)
{
    if (!pFile || !HasPicture())
        return FALSE;
    FileScope scope(*this, pFile);
    try {
        return BeginSave() && WriteFormat(pFile) && EndSave();
    } catch (CException *e) {
        e->Delete();
        return FALSE;
    }
}

void SECImage::Serialize(CArchive &ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        AlignRows();
        const size_t imageBytes = BmpImageBytes(m_dwWidth, m_dwHeight, m_nSrcBitsPerPixel);
        if (imageBytes > m_nBitsSize)
            AfxThrowArchiveException(CArchiveException::genericException);
        const std::vector<BYTE> head = BuildBmpHead(m_dwWidth, m_dwHeight, m_nSrcBitsPerPixel, ColourTable());
        ar.Write(head.data(), UINT(head.size()));
        if (imageBytes > 0)
            ar.Write(m_lpSrcBits, UINT(imageBytes));
        return;
    }
    if (!ReadArchivePicture(ar))
        AfxThrowArchiveException(CArchiveException::badIndex);
}

// Reads the file header, then the header and colour table it announces,
// then exactly the rows the header needs, and checks the whole as a file.
BOOL SECImage::ReadArchivePicture(CArchive &ar)
{
    std::vector<BYTE> file(kBitmapFileHeaderSize);
    if (ar.Read(file.data(), UINT(file.size())) != file.size())
        return FALSE;
    BITMAPFILEHEADER fileHeader{};
    ReadBitmapFileHeader(file.data(), file.size(), &fileHeader);
    constexpr DWORD kLargestHeaderAndTable = 124 + 4 * 256;
    if (fileHeader.bfOffBits < kBitmapFileHeaderSize + 12 ||
        fileHeader.bfOffBits > kBitmapFileHeaderSize + kLargestHeaderAndTable)
        return FALSE;
    file.resize(fileHeader.bfOffBits);
    const UINT headerBytes = UINT(fileHeader.bfOffBits - kBitmapFileHeaderSize);
    if (ar.Read(file.data() + kBitmapFileHeaderSize, headerBytes) != headerBytes)
        return FALSE;
    // The header's sizes within the limits bound the rows to read; top-down
    // pictures are refused by the file check below anyway.
    DibHeader header;
    if (!ReadDibHeader(file.data() + kBitmapFileHeaderSize, headerBytes, &header) || header.geometry.topDown)
        return FALSE;
    const uint64_t imageBytes = header.geometry.pixelBytes;
    // Read in slices so a lying header costs no more memory than the archive holds.
    constexpr size_t kSlice = 1 << 20;
    for (uint64_t done = 0; done < imageBytes;) {
        const size_t slice = size_t(std::min<uint64_t>(kSlice, imageBytes - done));
        const size_t at = file.size();
        file.resize(at + slice);
        if (ar.Read(file.data() + at, UINT(slice)) != slice)
            return FALSE;
        done += slice;
    }
    DibPicture picture;
    if (!ParseBmpFile(file.data(), file.size(), picture))
        return FALSE;
    PictureData backup = TakePicture();
    if (!AdoptPicture(picture.header, picture.colours.data(), picture.bits.data(), picture.bits.size()) ||
        !FinishLoad()) {
        RestorePicture(backup);
        return FALSE;
    }
    FreePicture(backup);
    return TRUE;
}
