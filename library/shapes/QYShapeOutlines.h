// The outline points and default port ratios of the basic shapes, computed
// from the rectangle a shape is created in.  All arithmetic is 32-bit
// integer, products before divisions, divisions truncating toward zero.
#pragma once

#include "framework/base/CRect.h"

#include <utility>
#include <vector>

// The outline of the shape with type code nType (51 to 71) in rc; empty for
// another code.
std::vector<POINT> QYBuildShapeOutline(int nType, const CRect& rc);

// The (fX, fY) ratios of the shape's default ports in creation order, the
// centre first; the ellipse (23) included.
std::vector<std::pair<double, double>> QYShapePortRatios(int nType);

// Shapes hit anywhere in the bounding rectangle of their points and drawn
// with faces: cube, bevel, can and corner.
bool QYIsBoxHitShape(int nType);
