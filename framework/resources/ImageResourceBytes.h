// The bytes FindResource answers for images registered by file: RT_BITMAP
// as a packed DIB (header, colour table, rows) made from the bitmap file,
// RT_GROUP_ICON as the icon file's directory with each image named by an
// entry id, and RT_ICON as one image of an icon file by that entry id.
// Entry ids are handed out over every registered icon in the order of the
// icons' ids, the first icon's images getting 1, 2, ... Framework-internal.
#pragma once

#include "framework/resources/ResourceTypes.h"

#include <QByteArray>

// False when the name and type do not name such an image or its file
// cannot be read or is not a well-formed image of its kind.
bool PlexoImageResourceBytes(UINT nID, LPCTSTR lpType, QByteArray &bytes);
