// Bitmaps, icons and cursors by resource id.  Each program and library
// registers its image files (compiled in with Qt's resource system, ":/...")
// under numeric ids; the lookups answer Qt images, which the drawing and
// window layers wrap in their own objects.  Names are MAKEINTRESOURCE(id)
// or "#id".  A missing or unreadable resource gives a null image, a null
// icon or FALSE: the caller sees it, nothing crashes.
#pragma once

#include "framework/resources/ResourceRegistry.h"
#include "framework/resources/ResourceTypes.h"

#include <QCursor>
#include <QIcon>
#include <QImage>

#include <vector>

QImage PlexoLoadBitmapImage(LPCTSTR lpBitmapName);

// The file registered for a bitmap (icon false) or an icon id; the ids of
// every registered icon, in order. For the resource readers.
bool PlexoRegisteredImagePath(UINT nID, bool icon, QString &path);
std::vector<UINT> PlexoRegisteredIconIds();
inline QImage PlexoLoadBitmapImage(UINT nID)
{
    return PlexoLoadBitmapImage(MAKEINTRESOURCE(nID));
}

// A registered icon, or one of the desktop's standard icons (IDI_...).
QIcon PlexoLoadIconResource(LPCTSTR lpIconName);
// The icon drawn at nSize by nSize pixels.
QImage PlexoLoadIconImage(LPCTSTR lpIconName, int nSize = 32);

// A registered cursor, or one of the desktop's standard cursors (IDC_...).
BOOL PlexoLoadCursorResource(LPCTSTR lpCursorName, QCursor &cursor);
