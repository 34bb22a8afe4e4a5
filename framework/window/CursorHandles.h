// The Qt shapes behind cursor and icon handles, for the framework's own
// Qt-facing code (frames, notification icons, image lists).
// Framework-internal.
#pragma once

#include "framework/window/WinHandles.h"

#include <QCursor>
#include <QIcon>

// The arrow for NULL.
QCursor PlexoCursorFromHandle(HCURSOR hCursor);
// A null icon for NULL, for a handle loaded as a cursor, or for an icon
// the drawing layer made.
QIcon PlexoIconFromHandle(HICON hIcon);
