// Loads a bitmap resource with its button colours following the current
// system colours: colour-table entries that are exactly black, dark grey
// (128,128,128), light grey (192,192,192) or white become the button text,
// shadow, face and highlight colours.
#pragma once

#include "framework/gdi/Bitmap.h"

// FALSE when the resource is missing or not a well-formed packed bitmap of
// 1, 4, 8 or 24 bits, or when the bitmap cannot be made; `bitmap` then
// stays as it was.
BOOL SECLoadSysColorBitmap(CBitmap &bitmap, LPCTSTR lpszResourceName);
