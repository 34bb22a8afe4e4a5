// Registering a program's or library's image files as bitmap, icon and
// cursor resources under numeric ids.  Without Qt types, so that the
// library and the programs can register their images without taking the
// toolkit's headers; ResourceImages.h has the lookups.
#pragma once

#include "framework/resources/ResourceTypes.h"

// lpszPath names an image file, usually one compiled in with Qt's resource
// system (":/...").  A later registration of the same id replaces the path.
void PlexoRegisterBitmap(UINT nID, LPCTSTR lpszPath);
void PlexoRegisterIcon(UINT nID, LPCTSTR lpszPath);
void PlexoRegisterCursor(UINT nID, LPCTSTR lpszPath, int xHotSpot, int yHotSpot);
