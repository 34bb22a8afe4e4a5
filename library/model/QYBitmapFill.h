// The bitmap fills of fill kinds 62 to 91: one of the 30 shared fill
// textures, tiled or stretched over a rectangle and never painted outside
// it.
#pragma once

#include "framework/base/CRect.h"

class CDC;
class CRgn;

// Fills (left, top, right, bottom) with texture nIndex (0 to 29): tiled
// unscaled from the top-left corner, or stretched when bTiled is FALSE.
// Another index, or a texture that did not load, draws nothing.
void QYFillBitmapRect(CDC* pDC, int left, int top, int right, int bottom, BOOL bTiled, int nIndex, CRgn* pClip);
