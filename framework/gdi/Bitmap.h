// CBitmap: a device-dependent bitmap held as a 32-bit image; monochrome
// bitmaps keep one bit per pixel in their bits interface (0 black, 1 white).
// Memory device contexts draw into the bitmap selected into them.
#pragma once

#include "framework/gdi/GdiObject.h"

class CDC;

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;

    static CBitmap *FromHandle(HBITMAP hBitmap) { return static_cast<CBitmap *>(CGdiObject::FromHandle(hBitmap)); }
    operator HBITMAP() const { return m_hObject; }

    // Bits are rows padded to 16 bits: 1 bpp (most significant bit first),
    // 24 bpp (blue, green, red) or 32 bpp (blue, green, red, unused).
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void *lpBits);
    BOOL CreateBitmapIndirect(const BITMAP *lpBitmap);
    BOOL CreateCompatibleBitmap(CDC *pDC, int nWidth, int nHeight);
    // From the resource registry: an image file registered under the name,
    // else a packed DIB registered as a bitmap resource. FALSE when neither loads.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    int GetBitmap(BITMAP *pBitMap) const;
    DWORD SetBitmapBits(DWORD dwCount, const void *lpBits);
    DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const;
};

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void *lpBits);
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
HBITMAP LoadBitmap(HINSTANCE hInstance, LPCTSTR lpBitmapName);
