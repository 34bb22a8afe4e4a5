#include "library/shapes/QYImageIcon.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Icon.h"
#include "framework/object/Exceptions.h"
#include "framework/object/File.h"
#include "framework/window/CursorApi.h"

#include <memory>
#include <vector>

IMPLEMENT_SERIAL(CQYImageIcon, CQYImageBaseObj, 1)

namespace {

// Icon files are small; anything larger is not read.
constexpr uint64_t kMaxIconFileBytes = 16u << 20;
constexpr size_t kIconDirBytes = 6;
constexpr size_t kIconEntryBytes = 16;

uint32_t Little(const BYTE* p, int nBytes)
{
    uint32_t value = 0;
    for (int i = nBytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

} // namespace

BOOL QYFindFirstIconImage(const BYTE* lpData, size_t nSize, size_t* pnOffset, size_t* pnBytes)
{
    if (lpData == nullptr || nSize < kIconDirBytes)
        return FALSE;
    const uint32_t nReserved = Little(lpData, 2);
    const uint32_t nType = Little(lpData + 2, 2);
    const uint32_t nCount = Little(lpData + 4, 2);
    if (nReserved != 0 || nType != 1 || nCount == 0)
        return FALSE;
    if (nSize - kIconDirBytes < static_cast<uint64_t>(nCount) * kIconEntryBytes)
        return FALSE;
    const BYTE* pEntry = lpData + kIconDirBytes;
    const uint64_t nBytes = Little(pEntry + 8, 4);
    const uint64_t nOffset = Little(pEntry + 12, 4);
    if (nBytes == 0 || nOffset > nSize || nBytes > nSize - nOffset)
        return FALSE;
    *pnOffset = static_cast<size_t>(nOffset);
    *pnBytes = static_cast<size_t>(nBytes);
    return TRUE;
}

CQYImageIcon::CQYImageIcon() = default;

CQYImageIcon::~CQYImageIcon() = default;

BOOL CQYImageIcon::LoadIconFile(CString strPath, COLORREF crBack)
{
    std::vector<BYTE> bytes;
    try {
        CFile file(strPath, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary);
        const uint64_t nLength = file.GetLength();
        if (nLength > kMaxIconFileBytes)
            return FALSE;
        bytes.resize(static_cast<size_t>(nLength));
        if (!bytes.empty() && file.Read(bytes.data(), static_cast<UINT>(bytes.size())) != bytes.size())
            return FALSE;
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return LoadIconBytes(bytes.data(), bytes.size(), crBack);
}

BOOL CQYImageIcon::LoadIconBytes(const BYTE* lpData, size_t nSize, COLORREF crBack)
{
    size_t nOffset = 0, nBytes = 0;
    if (!QYFindFirstIconImage(lpData, nSize, &nOffset, &nBytes))
        return FALSE;
    // The image's own header: width, height of colour and mask rows stacked.
    std::vector<BYTE> image(lpData + nOffset, lpData + nOffset + nBytes);
    BITMAPINFOHEADER header{};
    if (!ReadBitmapInfoHeader(image.data(), image.size(), &header) || header.biSize < kBitmapInfoHeaderSize ||
        header.biWidth <= 0 || header.biHeight <= 0)
        return FALSE;
    // One bit per pixel makes a monochrome icon, which gives no picture.
    if (static_cast<unsigned long>(header.biPlanes) * header.biBitCount <= 1)
        return FALSE;
    const int cx = header.biWidth;
    const int cy = header.biHeight / 2;
    HICON hIcon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x30000, cx, cy, 0);
    if (hIcon == nullptr && header.biBitCount != 16)
        hIcon = CreateIconFromResource(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x30000);
    if (hIcon == nullptr)
        return FALSE;
    const BOOL bResult = FromIcon(hIcon, crBack);
    PlexoDestroyGdiIcon(hIcon);
    return bResult;
}

BOOL CQYImageIcon::FromIcon(HICON hIcon, COLORREF crBack)
{
    ICONINFO info{};
    if (!GetIconInfo(hIcon, &info))
        return FALSE;
    std::unique_ptr<CBitmap> pMask(info.hbmMask != nullptr ? new CBitmap : nullptr);
    std::unique_ptr<CBitmap> pColor(info.hbmColor != nullptr ? new CBitmap : nullptr);
    if (pMask)
        pMask->Attach(info.hbmMask);
    if (pColor)
        pColor->Attach(info.hbmColor);
    BITMAP bm{};
    if (!info.fIcon || !pColor || pColor->GetBitmap(&bm) == 0)
        return FALSE;
    CDC screen, memDC;
    if (!screen.CreateCompatibleDC(nullptr) || !memDC.CreateCompatibleDC(&screen))
        return FALSE;
    // A bitmap like the icon's colour bitmap (a memory DC's own is monochrome).
    CBitmap canvas;
    if (!canvas.CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 32, nullptr))
        return FALSE;
    CBitmap* pOld = memDC.SelectObject(&canvas);
    memDC.FillSolidRect(0, 0, bm.bmWidth, bm.bmHeight, crBack);
    DrawIconEx(memDC.GetSafeHdc(), 0, 0, hIcon, 0, 0, 0, nullptr, DI_NORMAL);
    memDC.SelectObject(pOld);
    return CreateFromBitmap(&screen, &canvas);
}

BOOL CQYImageIcon::LoadIconResource(UINT nID, COLORREF crBack)
{
    // Icons of the registry are shared: they are not destroyed here.
    HICON hIcon = LoadIcon(nullptr, MAKEINTRESOURCE(nID));
    if (hIcon == nullptr)
        return FALSE;
    return FromIcon(hIcon, crBack);
}

BOOL CQYImageIcon::LoadBitmapResource(LPCTSTR lpszName)
{
    Release();
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(lpszName))
        return FALSE;
    return CreateFromBitmap(nullptr, &bitmap);
}
