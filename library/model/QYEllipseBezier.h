// Ellipses, half ellipses and quarter arcs as cubic Bézier control points.
#pragma once

#include "framework/base/CRect.h"

// Half of the circle constant 0.5522847498: the control distance per unit
// of full extent.
constexpr double QY_ELLIPSE_FACTOR = 0.2761423749154;

// Control points of a whole ellipse (four cubic pieces), of a half ellipse
// (two pieces) and of a quarter arc (one piece).
constexpr int QY_ELLIPSE_POINTS = 13;
constexpr int QY_HALF_ELLIPSE_POINTS = 7;
constexpr int QY_ARC_POINTS = 4;

// The 13 points of four cubic pieces, clockwise on screen from the left
// point back to it.
void QYEllipseToBezier(const RECT& rect, POINT out[QY_ELLIPSE_POINTS]);

// 7 points: the upper half from the left point over the top to the right
// point, or the lower half from the right point under the bottom to the left.
void QYHalfEllipseToBezier(const RECT& rect, POINT out[QY_HALF_ELLIPSE_POINTS], BOOL bUpper);

// One quarter (0 to 3, clockwise from the left point) of the ellipse in the
// box given by its top-left and bottom-right corners; any other quarter
// writes nothing.
void QYArcToBezier(const POINT box[2], POINT out[QY_ARC_POINTS], UINT nQuarter);
