// A picture holder filled from an icon file, an icon resource or a bitmap
// resource: the icon is painted over a back colour and kept as a
// device-independent bitmap.  Toolbox items store it inline (its own
// record, run without a class tag).
#pragma once

#include "framework/base/CString.h"
#include "framework/gdi/Icon.h"
#include "library/shapes/QYImageBaseObj.h"

#include <cstddef>

class CQYImageIcon : public CQYImageBaseObj {
    DECLARE_SERIAL(CQYImageIcon)
public:
    CQYImageIcon();
    ~CQYImageIcon() override;

    // The bitmap resource of that name from the resource registry; 0 (and
    // the holder empty) when it is missing.
    virtual BOOL LoadBitmapResource(LPCTSTR lpszName);
    // The icon resource of that id, painted over crBack; 0 when missing.
    virtual BOOL LoadIconResource(UINT nID, COLORREF crBack);
    // The first image of an .ico file, painted over crBack.  0 (holder
    // unchanged) when the file cannot be read, is not an icon file, or its
    // first image is monochrome or broken.
    virtual BOOL LoadIconFile(CString strPath, COLORREF crBack);
    // The same from the bytes of an icon file.
    BOOL LoadIconBytes(const BYTE* lpData, size_t nSize, COLORREF crBack);

private:
    BOOL FromIcon(HICON hIcon, COLORREF crBack);
};

// Where the first image of an icon file lies: reserved 0, type 1, at least
// one directory entry, the directory whole and the image within the bytes.
BOOL QYFindFirstIconImage(const BYTE* lpData, size_t nSize, size_t* pnOffset, size_t* pnBytes);
