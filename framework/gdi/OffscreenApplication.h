// Drawing needs a GUI application object (fonts, colours). Programs without
// a window system of their own (fuzz targets, command-line tools) call this
// once before drawing: it makes an offscreen application unless one exists.
#pragma once

void EnsureOffscreenApplication();
