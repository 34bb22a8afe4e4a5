// Elbow (orthogonal) routing of polylines, shared by the link and the
// line: the route between two points, the neighbour rules that keep end
// segments horizontal or vertical while a point moves, and the spots of a
// rectangle.
#pragma once

#include "framework/base/CRect.h"

#include <vector>

// TRUE when every pair of consecutive points shares its x or its y (TRUE
// for fewer than two points).
BOOL QYIsOrthogonal(const POINT* lpPoints, int nCount);

// The elbow route from F to L: F, the corners that are used and not already
// in the list, then L (two, three or four points).
std::vector<POINT> QYRouteElbow(POINT F, POINT L);

// The three-point elbow made on creation: F, a corner, L.
std::vector<POINT> QYElbowCorner(POINT F, POINT L);

// Spot 0-7 of the rectangle (corners and mid-sides clockwise from the
// top-left), any other value its centre; written to *pOut and returned.
CPoint* QYGetRectSpot(CPoint* pOut, const CRect& rc, int nSpot);

// Moves *pPoint, the current position of point nIndex, by (dx, dy); with
// bElbow the neighbours of nIndex in lpPoints move too so that the segments
// at both ends stay horizontal or vertical.  FALSE for an index outside the
// list.  The caller stores *pPoint back into point nIndex.
BOOL QYMoveElbowPoint(LPPOINT lpPoints, int nCount, int nIndex, CPoint* pPoint, int dx, int dy, BOOL bElbow);
