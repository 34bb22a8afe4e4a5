// The abstract base of the control library's images: a bottom-up
// device-independent bitmap in global memory with its header, colour table
// and a palette for the display.  Subclasses read and write one file format
// (ReadFormat, WriteFormat); loading keeps the previous picture when the
// new one cannot be read.
#pragma once

#include "framework/collections/Lists.h"
#include "framework/gdi/GdiStructs.h"
#include "framework/gdi/Palette.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"

class SECImage : public CObject {
    DECLARE_DYNAMIC(SECImage)
public:
    SECImage();
    ~SECImage() override;
    SECImage(const SECImage &) = delete;
    SECImage &operator=(const SECImage &) = delete;

    virtual BOOL MakePalette();
    virtual BOOL LoadImage(LPCTSTR lpszFileName);
    virtual BOOL LoadImage(CFile *pFile);
    virtual BOOL SaveImage(LPCTSTR lpszFileName);
    virtual BOOL SaveImage(CFile *pFile);
    virtual void Clear();
    virtual BOOL FinishLoad();
    virtual BOOL BeginSave() { return TRUE; }
    virtual BOOL EndSave() { return TRUE; }
    virtual BOOL WriteFormat(CFile *pFile) = 0;
    virtual BOOL ReadFormat(CFile *pFile) = 0;
    virtual void CloseFiles();

    // Writes and reads the BMP layout through the archive.  A bad picture
    // read from an archive throws a CArchiveException and keeps the old one.
    void Serialize(CArchive &ar) override;

    // Takes over a picture (header normalised, rows aligned, bottom row
    // first), replacing the current one; FALSE when memory is short.
    // Without bits, the caller fills every byte of the rows (GetBits).
    BOOL AdoptPicture(const BITMAPINFOHEADER &header, const RGBQUAD *colours, const BYTE *bits, size_t bitsSize);

    BYTE *GetBits() const { return m_lpSrcBits; }
    LPBITMAPINFOHEADER GetHeader() const { return m_lpBMI; }
    size_t GetBitsSize() const { return m_nBitsSize; }
    // Bytes of one row: packed to whole bytes, or padded to 4 bytes.
    size_t PackedRowBytes() const;
    size_t AlignedRowBytes() const;
    // Spread packed rows to the aligned stride in place, and the reverse.
    void AlignRows();
    void PackRows();
    // Aligns the rows, then reverses their order.
    void FlipRows();

    int m_nSrcBitsPerPixel = 0;
    int m_nSysBitsPerPixel = 0; // display depth: 0 on a true-colour display
    int m_nSysPlanes = 0;
    BOOL m_bIsPadded = FALSE;
    int m_dwPadWidth = 0;
    int m_dwWidth = 0;
    int m_dwHeight = 0;
    WORD m_wColors = 0;
    WORD m_wSysColors = 0;
    CPalette *m_pPalette = nullptr;
    CFile *m_pFile = nullptr;
    BOOL m_bNeedMapping = FALSE;
    int m_nBitOrder = 1;
    CPtrList m_openedFiles;

protected:
    RGBQUAD *ColourTable() const;
    // Allocates a header with room for the colour table of m_wColors entries.
    BOOL AllocateHeader(const BITMAPINFOHEADER &header);
    BOOL AllocateBits(size_t size);

private:
    struct PictureData;
    class FileScope;
    PictureData TakePicture();
    void RestorePicture(PictureData &data);
    static void FreePicture(PictureData &data);
    BOOL HasPicture() const;
    CFile *FileForName(LPCTSTR lpszFileName, UINT nOpenFlags);
    BOOL ReadArchivePicture(CArchive &ar);

    HGLOBAL m_hSrcBits = nullptr;
    BYTE *m_lpSrcBits = nullptr;
    size_t m_nBitsSize = 0;
    HGLOBAL m_hBMI = nullptr;
    LPBITMAPINFOHEADER m_lpBMI = nullptr;
};
