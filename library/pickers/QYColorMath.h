// Conversions between RGB colours and hue, lightness and saturation (HLS),
// used by the colour palettes and the More Colors dialog.
#pragma once

#include "framework/base/WinTypes.h"

// Splits a colour into hue (a fraction of a full turn, 0 to just under 1),
// saturation and lightness (0 to 1 each).
void QYRGBToHLS(COLORREF color, double* pHue, double* pSaturation, double* pLightness);

// Builds a colour from a hue in degrees, a lightness and a saturation (0 to 1).
COLORREF QYHLSToRGB(double hueDegrees, double lightness, double saturation);

// One channel (0 to 255 in the low byte) of an HLS colour, from the two
// lightness bounds and a hue in degrees.
int QYHueToRGB(float m1, float m2, float hueDegrees);
