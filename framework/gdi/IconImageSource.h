// How the drawing layer gets the pictures of icons and cursors it did not
// make (those the window layer loads): the window layer registers a source
// that answers an image of the icon at a size (alpha marks the
// transparent pixels), or a null image when the handle is not its own.
#pragma once

#include "framework/gdi/Icon.h"

#include <QImage>

using PlexoIconImageSource = QImage (*)(HICON hIcon, int cx, int cy);
void PlexoSetIconImageSource(PlexoIconImageSource source);
