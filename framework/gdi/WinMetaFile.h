// Windows metafiles (the 16-bit format) converted into enhanced metafiles:
// each record is drawn on a recording context, so the result is what the
// enhanced-metafile writer makes of the same calls. The frame is the
// metafile's window (its first window origin and extent; without them the
// bounds of what it draws), so playing the result into a rectangle
// stretches the window onto it.
#pragma once

#include "framework/gdi/EnhMetaFile.h"

struct METAFILEPICT {
    LONG mm;
    LONG xExt;
    LONG yExt;
    void *hMF;
};

// bytes: the metafile with its 18-byte header (a placeable header before it
// is skipped). NULL for bytes that are not a well-formed metafile: a header
// size beyond the bytes or below the header, a record past the end, an
// unknown type.
HENHMETAFILE SetWinMetaFileBits(UINT nSize, const BYTE *lpMeta16Data, HDC hdcRef, const METAFILEPICT *lpMFP);
