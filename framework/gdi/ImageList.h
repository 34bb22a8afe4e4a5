// CImageList: a row of equally sized pictures, each with an optional mask
// (ILC_MASK; 1 where the target shows through). Adding a bitmap cuts it
// into images of the list's width; adding with a mask colour makes the mask
// from the pixels of that colour. Drawing with ILD_TRANSPARENT (or
// ILD_NORMAL while the background colour is CLR_NONE) lets the target show
// through the mask; ILD_NORMAL with a background colour fills the masked
// pixels with it; ILD_MASK draws the mask alone.
#pragma once

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Icon.h"

class CDC;
struct HIMAGELIST__;
typedef HIMAGELIST__ *HIMAGELIST;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow);
BOOL ImageList_Destroy(HIMAGELIST himl);
int ImageList_GetImageCount(HIMAGELIST himl);
BOOL ImageList_GetIconSize(HIMAGELIST himl, int *cx, int *cy);
// Each returns the index of the first image added, or -1.
int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask);
int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask);
// i -1 adds the icon; otherwise it replaces image i.
int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon);
int ImageList_AddIcon(HIMAGELIST himl, HICON hicon);
// i -1 removes every image.
BOOL ImageList_Remove(HIMAGELIST himl, int i);
COLORREF ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk);
COLORREF ImageList_GetBkColor(HIMAGELIST himl);
BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle);
// A new icon of image i (the caller frees it with DestroyIcon).
HICON ImageList_GetIcon(HIMAGELIST himl, int i, UINT flags);
// From a bitmap resource cut into images cx wide (the bitmap's height
// tall); crMask CLR_NONE makes a list without masks.
HIMAGELIST ImageList_LoadBitmap(HINSTANCE hi, LPCTSTR lpbmp, int cx, int cGrow, COLORREF crMask);

class CImageList {
public:
    HIMAGELIST m_hImageList = nullptr;

    CImageList() = default;
    virtual ~CImageList();
    CImageList(const CImageList &) = delete;
    CImageList &operator=(const CImageList &) = delete;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL GetIconSize(int &cx, int &cy) const { return ImageList_GetIconSize(m_hImageList, &cx, &cy); }
    int Add(CBitmap *pbmImage, CBitmap *pbmMask);
    int Add(CBitmap *pbmImage, COLORREF crMask);
    int Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
    BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
    BOOL Draw(CDC *pDC, int nImage, POINT pt, UINT nStyle);
    HICON ExtractIcon(int nImage) { return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }
};
