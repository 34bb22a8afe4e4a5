// Plane geometry shared by the drawing classes: bounding and united
// rectangles, the intersection of two lines and the angle of a line.
#pragma once

#include "framework/base/CRect.h"

// (min x, min y, max x, max y) over the points; (0, 0, 0, 0) for n <= 0.
CRect QYBoundRect(const POINT* lpPoints, int nCount);
inline CRect QYGetPointsRect(const POINT* lpPoints, int nCount)
{
    return QYBoundRect(lpPoints, nCount);
}

// Union of two rectangles, each normalised first; an all-zero rectangle
// counts as absent.
CRect QYUnionRect(CRect rect1, CRect rect2);

// Intersection of the line a-b with the line c-d, coordinates rounded by
// adding 0.5 and truncating.  Parallel lines have no finite answer: the
// result is then the point a.
POINT QYLineIntersection(POINT a, POINT b, POINT c, POINT d);

// Angle of the line from (x1, y1) to (x2, y2) in tenths of a degree; the y
// axis points down, so a clockwise turn on screen is positive.
int QYGetLineAngle(int x1, int y1, int x2, int y2);
