// Bitmap resources in the device-independent form (a DIB header, its colour
// table and the pixel rows), read into the framework's bitmap objects.
#pragma once

#include "framework/gdi/Bitmap.h"

// Registers the library's own fill textures as bitmap resources, except
// ids a program has registered already (its own textures win).
void QYRegisterFillTextures();

// Builds a 32-bit bitmap from the DIB bytes (1, 4, 8, 24 or 32 bits per
// pixel, uncompressed, bottom-up or top-down).  FALSE, with the bitmap left
// empty, for anything malformed or larger than 4096 by 4096.
BOOL QYCreateBitmapFromDib(CBitmap& bitmap, const BYTE* pDib, DWORD nSize);

// Loads bitmap resource nID into the bitmap; FALSE when it is missing or
// malformed.
BOOL QYLoadBitmapResource(CBitmap& bitmap, UINT nID);
