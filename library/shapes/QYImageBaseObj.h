// The picture holder: a device-independent bitmap (info header and colour
// table in one block, the pixel rows in another) read from and written to
// BMP files and documents, drawn stretched onto any device context.
//
// A bad file gives 0 and keeps the picture held before; a bad record in a
// document raises CArchiveException.  An empty holder stores the empty
// picture record: a 14-byte file header of type 0 and nothing after it.
#pragma once

#include "framework/collections/Lists.h"
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/GdiStructs.h"
#include "framework/gdi/Palette.h"
#include "framework/object/File.h"
#include "framework/object/Object.h"
#include "library/model/QYFilePersistence.h"
#include "library/shapes/QYBmpFormat.h"

#include <memory>
#include <vector>

class CArchive;
class CDC;

class CQYImageBaseObj : public CObject {
    DECLARE_SERIAL(CQYImageBaseObj)
public:
    CQYImageBaseObj();
    // A deep copy of the picture (no files are shared).
    CQYImageBaseObj(const CQYImageBaseObj& src);
    CQYImageBaseObj& operator=(const CQYImageBaseObj& src);
    ~CQYImageBaseObj() override;

    // A complete BMP file image, or the empty picture record.
    void Serialize(CArchive& ar) override;
    QY_DECLARE_FILE_PERSISTENCE()

    // Reads a BMP file; raises CFileException when the path cannot be opened.
    virtual BOOL LoadFromFile(LPCTSTR lpszPathName);
    // Reads a BMP file image from the file's current position.
    virtual BOOL ReadFromFile(CFile* pFile);
    // Writes the picture as a BMP file (the old file stays until the new one
    // is complete); raises CFileException when the path cannot be created.
    // 0 for an empty holder.
    virtual BOOL SaveToFile(LPCTSTR lpszPathName);
    virtual BOOL WriteToFile(CFile* pFile);
    // StretchDIBits of the source rectangle (y counted from the bottom row)
    // onto the destination; through a halftone palette when the display's
    // depth differs from the picture's.  The scan lines drawn, 0 when empty.
    virtual int Draw(CDC* pDC, int xDest, int yDest, int cxDest, int cyDest, int xSrc, int ySrc, int cxSrc, int cySrc,
                     DWORD dwRop);
    // Frees pixels, info block and palette; the holder is empty afterwards.
    virtual void Release();
    // Reads one BMP file image into the holder; 0 (holder unchanged) when the
    // bytes are not a picture this holder takes.
    virtual BOOL ReadBitmapFile(CFile* pFile);
    virtual BOOL InitBitmapInfo();
    virtual BOOL CreatePalette();

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    BOOL IsEmpty() const { return m_lpBits == nullptr; }
    // Replaces the picture by the bitmap's pixels: 1, 4 and 8 bits keep a
    // colour table, deeper bitmaps become 24-bit.  0 when they cannot be had.
    BOOL CreateFromBitmap(CDC* pDC, CBitmap* pBitmap);
    // A new device bitmap compatible with pDC holding the picture 1:1; the
    // caller owns it.  NULL when empty.
    CBitmap* CreateBitmap(CDC* pDC);

    using Parts = QYDibParts;

public:
    LPBYTE m_lpBits = nullptr;
    LPBITMAPINFO m_lpbi = nullptr;
    CPalette* m_pPalette = nullptr;
    RGBQUAD* m_lpColorTable = nullptr;
    BOOL m_bHalftone = FALSE;
    int m_nBitCount = 0;
    CPtrList m_listFiles;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nScreenBits = 0;
    CFile* m_pFile = nullptr;
    int m_nColors = 0;
    int m_nScreenColors = 0;
    int m_nPlanes = 1;

protected:
    // Takes the parts as the held picture (the palette is left to the caller).
    void Adopt(Parts&& parts);
    // The BMP file image of the held picture, or the empty picture record.
    std::vector<BYTE> FileImage() const;

private:
    void ReadDisplayDepth();
    void ClearPicture();
    // Draws from a device bitmap of the picture made on first use, so a
    // large picture is converted once rather than at every draw.  FALSE
    // when the transfer is not one the cache serves.
    BOOL DrawCached(CDC* pDC, int xDest, int yDest, int cxDest, int cyDest, int xSrc, int ySrc, int cxSrc, int cySrc,
                    DWORD dwRop);

    Parts m_parts;
    std::unique_ptr<CBitmap> m_pDeviceCopy;
};
