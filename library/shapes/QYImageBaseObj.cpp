#include "library/shapes/QYImageBaseObj.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/object/Archive.h"
#include "library/shapes/QYBmpReader.h"

#include <algorithm>
#include <cstring>
#include <memory>

IMPLEMENT_SERIAL(CQYImageBaseObj, CObject, 1)
QY_IMPLEMENT_FILE_PERSISTENCE(CQYImageBaseObj)

static_assert(sizeof(BITMAPINFOHEADER) == 40, "the info block is laid out as in files");

CQYImageBaseObj::CQYImageBaseObj() : m_listFiles(10)
{
    ReadDisplayDepth();
}

CQYImageBaseObj::CQYImageBaseObj(const CQYImageBaseObj& src) : CObject(), m_listFiles(10)
{
    ReadDisplayDepth();
    *this = src;
}

CQYImageBaseObj& CQYImageBaseObj::operator=(const CQYImageBaseObj& src)
{
    if (this == &src)
        return *this;
    Release();
    if (!src.IsEmpty()) {
        Parts parts = src.m_parts;
        Adopt(std::move(parts));
        InitBitmapInfo();
    }
    return *this;
}

CQYImageBaseObj::~CQYImageBaseObj()
{
    Release();
    POSITION pos = m_listFiles.GetHeadPosition();
    while (pos != nullptr)
        delete static_cast<CFile*>(m_listFiles.GetNext(pos));
    m_listFiles.RemoveAll();
}

void CQYImageBaseObj::ReadDisplayDepth()
{
    CDC screen;
    if (!screen.CreateCompatibleDC(nullptr))
        return;
    m_nPlanes = screen.GetDeviceCaps(PLANES);
    const int nBits = screen.GetDeviceCaps(BITSPIXEL);
    switch (nBits) {
    case 1: m_nScreenColors = 1 << m_nPlanes; break;
    case 2: m_nScreenColors = 4; break;
    case 4: m_nScreenColors = 16; break;
    case 8: m_nScreenColors = 256; break;
    default: m_nScreenColors = 0; break;
    }
    m_nScreenBits = m_nScreenColors != 0 ? nBits : 0;
}

void CQYImageBaseObj::ClearPicture()
{
    m_pDeviceCopy.reset();
    m_parts = Parts();
    m_lpBits = nullptr;
    m_lpbi = nullptr;
    m_lpColorTable = nullptr;
    m_nWidth = m_nHeight = m_nBitCount = m_nColors = 0;
}

void CQYImageBaseObj::Release()
{
    ClearPicture();
    delete m_pPalette;
    m_pPalette = nullptr;
    m_bHalftone = FALSE;
}

void CQYImageBaseObj::Adopt(Parts&& parts)
{
    m_pDeviceCopy.reset();
    m_parts = std::move(parts);
    m_lpbi = reinterpret_cast<LPBITMAPINFO>(m_parts.info.data());
    m_lpColorTable = reinterpret_cast<RGBQUAD*>(m_parts.info.data() + kBitmapInfoHeaderSize);
    m_lpBits = m_parts.bits.data();
    m_nWidth = m_lpbi->bmiHeader.biWidth;
    m_nHeight = m_lpbi->bmiHeader.biHeight;
    m_nBitCount = m_lpbi->bmiHeader.biBitCount;
    m_nColors = QYDibColorCount(m_nBitCount);
}

// ---------------------------------------------------------------------------
// Files

BOOL CQYImageBaseObj::ReadBitmapFile(CFile* pFile)
{
    Parts parts;
    if (pFile == nullptr || !QYReadBmpFile(*pFile, parts))
        return FALSE;
    Adopt(std::move(parts));
    return TRUE;
}

BOOL CQYImageBaseObj::ReadFromFile(CFile* pFile)
{
    m_pFile = pFile;
    // The old picture waits aside until the new one is complete.
    CQYImageBaseObj old;
    old.m_parts = std::move(m_parts);
    std::swap(old.m_pPalette, m_pPalette);
    Release();
    if (ReadBitmapFile(pFile) && InitBitmapInfo())
        return TRUE;
    Release();
    if (!old.m_parts.info.empty())
        Adopt(std::move(old.m_parts));
    std::swap(old.m_pPalette, m_pPalette);
    InitBitmapInfo();
    return FALSE;
}

BOOL CQYImageBaseObj::LoadFromFile(LPCTSTR lpszPathName)
{
    if (m_pFile == nullptr || m_listFiles.Find(m_pFile) == nullptr) {
        m_pFile = new CFile;
        m_listFiles.AddTail(m_pFile);
    }
    CFile* pFile = m_pFile;
    CFileException* pError = new CFileException;
    if (!pFile->Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary, pError))
        throw pError;
    pError->Delete();
    BOOL bResult = FALSE;
    try {
        bResult = ReadFromFile(pFile);
    } catch (CException*) {
        pFile->Abort();
        throw;
    }
    pFile->Close();
    return bResult;
}

std::vector<BYTE> CQYImageBaseObj::FileImage() const
{
    if (IsEmpty())
        return QYEmptyBmpRecord();
    return QYBmpFileImage(m_lpbi->bmiHeader, m_parts.info.data() + kBitmapInfoHeaderSize, m_lpBits);
}

BOOL CQYImageBaseObj::WriteToFile(CFile* pFile)
{
    if (pFile == nullptr || IsEmpty())
        return FALSE;
    const std::vector<BYTE> image = FileImage();
    pFile->Write(image.data(), static_cast<UINT>(image.size()));
    return TRUE;
}

BOOL CQYImageBaseObj::SaveToFile(LPCTSTR lpszPathName)
{
    if (IsEmpty())
        return FALSE;
    // A mirror file: the old file is replaced only by a complete new one.
    CMirrorFile file;
    CFileException* pError = new CFileException;
    if (!file.Open(lpszPathName, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary, pError))
        throw pError;
    pError->Delete();
    try {
        WriteToFile(&file);
        file.Close();
    } catch (CException*) {
        file.Abort();
        throw;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// Documents

void CQYImageBaseObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        const std::vector<BYTE> image = FileImage();
        ar.Write(image.data(), static_cast<UINT>(image.size()));
        return;
    }
    Parts parts;
    if (!QYReadBmpRecord(ar, parts)) {
        Release(); // the empty picture record
        return;
    }
    Release();
    Adopt(std::move(parts));
    InitBitmapInfo();
}

// ---------------------------------------------------------------------------
// Palette and drawing

BOOL CQYImageBaseObj::InitBitmapInfo()
{
    CreatePalette();
    m_bHalftone = m_nScreenBits != 0 && m_nScreenBits != m_nBitCount;
    return TRUE;
}

BOOL CQYImageBaseObj::CreatePalette()
{
    delete m_pPalette;
    m_pPalette = nullptr;
    if (IsEmpty() || m_nBitCount == 24)
        return TRUE;
    const DWORD nUsed = m_lpbi->bmiHeader.biClrUsed;
    const int nEntries = std::max<int>(m_nColors, static_cast<int>(nUsed));
    const int nTaken = nUsed != 0 ? static_cast<int>(nUsed) : m_nColors;
    std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<size_t>(nEntries), 0);
    auto* pLog = reinterpret_cast<LOGPALETTE*>(block.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = static_cast<WORD>(nEntries);
    for (int i = 0; i < nTaken; ++i) {
        pLog->palPalEntry[i].peRed = m_lpColorTable[i].rgbRed;
        pLog->palPalEntry[i].peGreen = m_lpColorTable[i].rgbGreen;
        pLog->palPalEntry[i].peBlue = m_lpColorTable[i].rgbBlue;
        pLog->palPalEntry[i].peFlags = 0;
    }
    auto pPalette = std::make_unique<CPalette>();
    if (!pPalette->CreatePalette(pLog))
        return FALSE;
    m_pPalette = pPalette.release();
    return TRUE;
}

int CQYImageBaseObj::Draw(CDC* pDC, int xDest, int yDest, int cxDest, int cyDest, int xSrc, int ySrc, int cxSrc,
                          int cySrc, DWORD dwRop)
{
    if (pDC == nullptr || IsEmpty())
        return 0;
    if (!m_bHalftone && DrawCached(pDC, xDest, yDest, cxDest, cyDest, xSrc, ySrc, cxSrc, cySrc, dwRop))
        return cySrc;
    if (!m_bHalftone)
        return StretchDIBits(pDC->GetSafeHdc(), xDest, yDest, cxDest, cyDest, xSrc, ySrc, cxSrc, cySrc, m_lpBits,
                             m_lpbi, DIB_RGB_COLORS, dwRop);
    CPalette halftone;
    if (!halftone.CreateHalftonePalette(pDC))
        return 0;
    CPalette* pOldPalette = pDC->SelectPalette(&halftone, FALSE);
    if (pOldPalette == nullptr)
        return 0;
    pDC->RealizePalette();
    const int nOldMode = pDC->SetStretchBltMode(HALFTONE);
    const int nLines = StretchDIBits(pDC->GetSafeHdc(), xDest, yDest, cxDest, cyDest, xSrc, ySrc, cxSrc, cySrc,
                                     m_lpBits, m_lpbi, DIB_RGB_COLORS, dwRop);
    pDC->SetStretchBltMode(nOldMode);
    pDC->SelectPalette(pOldPalette, FALSE);
    return nLines;
}

// Pictures smaller than this many pixels are drawn straight from their bits.
static constexpr long long kDeviceCopyPixels = 1000000;

BOOL CQYImageBaseObj::DrawCached(CDC* pDC, int xDest, int yDest, int cxDest, int cyDest, int xSrc, int ySrc, int cxSrc,
                                 int cySrc, DWORD dwRop)
{
    if (static_cast<long long>(m_nWidth) * m_nHeight < kDeviceCopyPixels || cxSrc <= 0 || cySrc <= 0 || cxDest <= 0 ||
        cyDest <= 0 || pDC->IsPrinting())
        return FALSE;
    if (!m_pDeviceCopy) {
        auto pCopy = std::make_unique<CBitmap>();
        if (!pCopy->Attach(CreateDIBitmap(nullptr, &m_lpbi->bmiHeader, CBM_INIT, m_lpBits, m_lpbi, DIB_RGB_COLORS)))
            return FALSE;
        m_pDeviceCopy = std::move(pCopy);
    }
    CDC memDC;
    if (!memDC.CreateCompatibleDC(nullptr))
        return FALSE;
    CBitmap* pOld = memDC.SelectObject(m_pDeviceCopy.get());
    // The picture's source y counts from its bottom row; the device copy's
    // rows run from the top.
    const int yTop = m_nHeight - ySrc - cySrc;
    const BOOL bDrawn = pDC->StretchBlt(xDest, yDest, cxDest, cyDest, &memDC, xSrc, yTop, cxSrc, cySrc, dwRop);
    memDC.SelectObject(pOld);
    return bDrawn;
}

// ---------------------------------------------------------------------------
// Device bitmaps

BOOL CQYImageBaseObj::CreateFromBitmap(CDC* pDC, CBitmap* pBitmap)
{
    BITMAP bm{};
    if (pBitmap == nullptr || pBitmap->GetBitmap(&bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return FALSE;
    const int nDeviceBits = bm.bmBitsPixel * bm.bmPlanes;
    const int nBitCount = nDeviceBits <= 1 ? 1 : nDeviceBits <= 4 ? 4 : nDeviceBits <= 8 ? 8 : 24;
    // The picture must be one the holders can read back from a record.
    DibGeometry geometry;
    if (!CheckDibGeometry(bm.bmWidth, bm.bmHeight, static_cast<WORD>(nBitCount), &geometry))
        return FALSE;
    const uint64_t nPixelBytes = geometry.pixelBytes;
    Parts parts;
    parts.info.assign(kBitmapInfoHeaderSize + kQYInfoBlockSlack, 0);
    parts.bits.assign(static_cast<size_t>(nPixelBytes), 0);
    auto* pInfo = reinterpret_cast<LPBITMAPINFO>(parts.info.data());
    BITMAPINFOHEADER& header = pInfo->bmiHeader;
    header.biSize = kBitmapInfoHeaderSize;
    header.biWidth = bm.bmWidth;
    header.biHeight = bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(nBitCount);
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(nPixelBytes);
    CDC screen;
    HDC hDC = pDC != nullptr ? pDC->GetSafeHdc() : nullptr;
    if (hDC == nullptr) {
        if (!screen.CreateCompatibleDC(nullptr))
            return FALSE;
        hDC = screen.GetSafeHdc();
    }
    if (GetDIBits(hDC, static_cast<HBITMAP>(*pBitmap), 0, static_cast<UINT>(bm.bmHeight), parts.bits.data(), pInfo,
                  DIB_RGB_COLORS) == 0)
        return FALSE;
    Release();
    Adopt(std::move(parts));
    InitBitmapInfo();
    return TRUE;
}

CBitmap* CQYImageBaseObj::CreateBitmap(CDC* pDC)
{
    if (IsEmpty())
        return nullptr;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return nullptr;
    auto pBitmap = std::make_unique<CBitmap>();
    CDC* pCompatible = pDC != nullptr ? pDC : &memDC;
    if (!pBitmap->CreateCompatibleBitmap(pCompatible, m_nWidth, m_nHeight))
        return nullptr;
    CBitmap* pOld = memDC.SelectObject(pBitmap.get());
    StretchDIBits(memDC.GetSafeHdc(), 0, 0, m_nWidth, m_nHeight, 0, 0, m_nWidth, m_nHeight, m_lpBits, m_lpbi,
                  DIB_RGB_COLORS, SRCCOPY);
    memDC.SelectObject(pOld);
    return pBitmap.release();
}
