// Enhanced metafiles held in memory: a handle owns one validated copy of a
// metafile's bytes. SetEnhMetaFileBits checks the header (signature, sizes,
// counts) and every record's size before taking bytes, so every holder of
// a handle can walk its records without further size checks of the frame.
#pragma once

#include "framework/gdi/GdiStructs.h"

#include <cstddef>
#include <vector>

struct HENHMETAFILE__;
typedef HENHMETAFILE__ *HENHMETAFILE;

struct ENHMETAHEADER {
    DWORD iType;
    DWORD nSize;
    RECT rclBounds; // device units of the reference device, inclusive
    RECT rclFrame;  // 0.01 mm, inclusive
    DWORD dSignature;
    DWORD nVersion;
    DWORD nBytes;
    DWORD nRecords;
    WORD nHandles;
    WORD sReserved;
    DWORD nDescription; // UTF-16 units, including the terminators
    DWORD offDescription;
    DWORD nPalEntries;
    SIZE szlDevice;      // reference device, pixels
    SIZE szlMillimeters; // reference device, millimetres
    DWORD cbPixelFormat;
    DWORD offPixelFormat;
    DWORD bOpenGL;
    SIZE szlMicrometers;
};
typedef ENHMETAHEADER *LPENHMETAHEADER;

// A copy of the bytes as a metafile; NULL when they are not a well-formed one.
HENHMETAFILE SetEnhMetaFileBits(UINT nSize, const BYTE *pb);
// Copies up to nSize bytes; with lpbBuffer NULL returns the size. 0 on error.
UINT GetEnhMetaFileBits(HENHMETAFILE hemf, UINT nSize, LPBYTE lpbBuffer);
// Copies the header (up to nSize bytes); with lpemh NULL returns its size.
UINT GetEnhMetaFileHeader(HENHMETAFILE hemf, UINT nSize, LPENHMETAHEADER lpemh);
// The description as UTF-8 text in the shape "application\0picture\0\0"
// (terminators supplied where the stored units lack them); copies up to
// cchBuffer bytes, and with lpDescription NULL returns the full length.
// 0 when the metafile has no description, GDI_ERROR for a bad handle.
UINT GetEnhMetaFileDescription(HENHMETAFILE hemf, UINT cchBuffer, LPTSTR lpDescription);
// A second handle on a copy of the bytes; with a file name the bytes are
// also written to that file (NULL when writing fails).
HENHMETAFILE CopyEnhMetaFile(HENHMETAFILE hemfSrc, LPCTSTR lpszFile);
BOOL DeleteEnhMetaFile(HENHMETAFILE hemf);
// Plays the metafile with its frame stretched onto lpRect (logical units of
// hdc). The target's state, selected objects and clip are as before
// afterwards; the metafile's own clipping only narrows the target's.
BOOL PlayEnhMetaFile(HDC hdc, HENHMETAFILE hemf, const RECT *lpRect);

namespace EnhMetaFiles {
// Framework-internal: the validated bytes of a live handle, NULL otherwise.
const BYTE *Bytes(HENHMETAFILE hemf, size_t *size);
// Takes bytes already built by the metafile writer (validated like any).
HENHMETAFILE Adopt(std::vector<BYTE> &&bytes);
// Whether the bytes form a well-formed metafile.
bool Validate(const BYTE *pb, size_t size);
} // namespace EnhMetaFiles
