// Small steps shared by the drawn shapes: their default property values,
// the points' bounding rectangle, a rectangle's corners and eight resize
// handles, the nine ports of a boxed component and the green dotted outline
// of highlights.
#pragma once

#include "framework/collections/Arrays.h"
#include "library/model/QYDrawComponent.h"

class CDC;
class CQYDrawPortsComponent;

// Writes the type code into the default property set and gives it the
// shapes' fill colour (dropping the cached brush); the over-4 resize
// handle flag goes on.
void QYSetShapeDefaults(CQYDrawComponent* pComp, int nType);

// The eight handles of the rectangle: top-left, top-centre, top-right,
// right-middle, bottom-right, bottom-centre, bottom-left, left-middle.
void QYRectHandles(const CRect& rect, CArray<CPoint, CPoint>* pArray);

// The rectangle's four corners, clockwise from the top-left.
void QYRectCorners(const CRect& rect, POINT* lpPoints);

// The nine default ports of a boxed component: the centre, the four
// corners, then the middles of the left, bottom, right and top sides.
void QYCreateBoxPorts(CQYDrawPortsComponent* pComp);

// The points as an open polyline (bClose: a polygon) in a dotted green pen
// of width 0 with the hollow brush; the DC is left as it was.
void QYDrawGreenDotted(CDC* pDC, const POINT* lpPoints, int nCount, BOOL bClose);

// Keeps the first 3k + 1 of n points (k = (n - 1) / 3); FALSE and nothing
// kept when fewer than 4 points make no whole cubic segment.
BOOL QYKeepBezierPoints(int nCount, int* pnKept);
