// Reading BMP file images from files and document records, and writing
// them.  Readers build a whole picture before anyone sees it, so a bad
// image changes nothing.
#pragma once

#include "framework/gdi/GdiStructs.h"
#include "library/shapes/QYBmpFormat.h"

#include <vector>

class CArchive;
class CFile;

// One BMP file image from the file's position to its end; FALSE when the
// bytes are not a picture the holders take (see QYBmpFormat.h).
BOOL QYReadBmpFile(CFile& file, QYDibParts& parts);

// One picture record of a document.  FALSE for the empty picture record (a
// file header whose type is not "BM": 14 bytes consumed); a record that
// claims a picture but is not a valid one raises CArchiveException.
BOOL QYReadBmpRecord(CArchive& ar, QYDibParts& parts);

// The BMP file image of a picture: file header, info header, a colour table
// of 2, 16, 256 or 0 entries by bit count, row bytes x height pixel bytes.
// The file-size field states the true size.
std::vector<BYTE> QYBmpFileImage(const BITMAPINFOHEADER& header, const BYTE* lpColorTable, const BYTE* lpBits);

// The empty picture record: a file header of type 0, all other fields 0.
std::vector<BYTE> QYEmptyBmpRecord();
