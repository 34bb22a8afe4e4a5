// CMetaFileDC: a context that records what is drawn on it as an enhanced
// metafile. Drawing calls become records; measuring goes to the attribute
// context (a reference context the caller sets, such as a view's client
// context), and state changes go to both, as on any CDC.
#pragma once

#include "framework/gdi/CDC.h"
#include "framework/gdi/EnhMetaFile.h"

class CMetaFileDC : public CDC {
    DECLARE_DYNAMIC(CMetaFileDC)

public:
    CMetaFileDC() = default;
    ~CMetaFileDC() override;

    // Starts recording. pDCRef is the reference device (the screen when
    // NULL); lpszFileName, when given, also receives the bytes on closing;
    // lpBounds is the picture's frame in 0.01 mm (NULL: the bounds of what
    // is drawn); lpszDescription is the program's name and the picture's
    // title, each ended by a NUL, the whole by a second NUL.
    BOOL CreateEnhanced(CDC *pDCRef, LPCTSTR lpszFileName, LPCRECT lpBounds, LPCTSTR lpszDescription);
    // Ends recording: the metafile (NULL when nothing was being recorded or
    // the file could not be written). The context is gone afterwards.
    HENHMETAFILE CloseEnhanced();

    void SetAttribDC(HDC hDC) override;
    void ReleaseAttribDC() override;
};

HDC CreateEnhMetaFile(HDC hdcRef, LPCTSTR lpFilename, const RECT *lprc, LPCTSTR lpDesc);
HENHMETAFILE CloseEnhMetaFile(HDC hdc);
