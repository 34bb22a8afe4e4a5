// The small geometric tests behind the hit areas: segment crossing, the
// angle of a segment, rotation about the origin and the flatness of a
// Bézier piece.
#pragma once

#include "framework/base/CRect.h"

// TRUE when the segments a-b and c-d intersect; touching and collinear
// overlaps count as intersecting when the orientation products allow it
// (collinear orientations count as negative).
BOOL QYSegmentsIntersect(POINT a, POINT b, POINT c, POINT d);

// Angle of the segment in tenths of a degree, single precision, rounded
// half away from zero.
int QYSegmentAngle(POINT from, POINT to);

// The point turned about the origin by nAngle tenths of a degree (clockwise
// on screen for positive angles), rounded half away from zero.
POINT QYRotatePointAboutOrigin(POINT point, int nAngle);

// TRUE when the middle point (x1, y1) lies within one unit of the line
// through (x0, y0) and (x2, y2).
BOOL QYIsFlatEnough(float x0, float y0, float x1, float y1, float x2, float y2);
