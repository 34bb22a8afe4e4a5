// The metafile picture holder: an enhanced metafile made from a Windows
// metafile file (with or without its placeable header), played into a
// rectangle, fitted first when the placeable header gave its size.  Its
// record (run inline by the metafile picture) is the 24-byte placeable
// header block, a 4-byte size and the enhanced metafile's bytes.
#pragma once

#include "framework/gdi/MetaFileDC.h"
#include "library/shapes/QYMetaFileFormat.h"

class CArchive;
class CFile;

class CQYImageMetaFile : public CMetaFileDC {
    DECLARE_SERIAL(CQYImageMetaFile)
public:
    CQYImageMetaFile();
    ~CQYImageMetaFile() override;
    CQYImageMetaFile(const CQYImageMetaFile&) = delete;
    CQYImageMetaFile& operator=(const CQYImageMetaFile&) = delete;

    // FALSE when the file cannot be opened or is not a Windows metafile;
    // the picture held before then stays.
    virtual BOOL LoadFromFile(LPCTSTR lpszPathName);
    // The Windows metafile from the file's position to its end.
    virtual BOOL ReadMetaFile(CFile* pFile);
    // Plays the picture into the rectangle (fitted by nMode when the
    // placeable header gave units per inch); FALSE without a picture.
    virtual BOOL Draw(CDC* pDC, const CRect& rect, int nMode);
    virtual void FitRect(CRect& rc, const CSize& size, int nMode);
    virtual BOOL IsEmpty();
    // Bytes that are not a valid enhanced metafile give no picture; the
    // archive has still consumed exactly the recorded size.
    void Serialize(CArchive& ar) override;

    HENHMETAFILE GetEnhMetaFile() const { return m_hEnhMetaFile; }

    BYTE m_placeable[kQYPlaceableBlockBytes] = {};
    HENHMETAFILE m_hEnhMetaFile = nullptr;

private:
    void Replace(HENHMETAFILE hEnhMetaFile);
};
