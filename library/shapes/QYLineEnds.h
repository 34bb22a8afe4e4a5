// The line-end handling that the link, the line and the Bézier line share
// (they have no common base class): the owned archive reading of a line
// end, its placement on the first or last segment, its area and drawing.
#pragma once

#include "library/shapes/QYBaseEndObject.h"

class CArchive;
class CDC;

// Reads a line end that the reader will own: NULL for the null tag; a
// class that is not a line end, or a reference to an object read earlier
// (a line end named by two owners), raises CArchiveException
// (CArchive::ReadOwnedObject).
CQYBaseEndObject* QYReadOwnedLineEnd(CArchive& ar);

// Gives the start line end (first, second point) and the end line end
// (last, second-last point) their line points; nothing with fewer than two
// points.
void QYPlaceLineEnds(CQYBaseEndObject* pStart, CQYBaseEndObject* pEnd, const POINT* lpPoints, int nCount);

// Places the line ends, builds their areas and adds them to pArea.
void QYAddLineEndAreas(CQYArea* pArea, CQYBaseEndObject* pStart, CQYBaseEndObject* pEnd, const POINT* lpPoints,
                       int nCount);

// Places the line ends and draws them: bFull with their own pen and brush
// (OnDraw), else with the DC's (DrawLineEnd, for tracking outlines).
void QYDrawLineEnds(CDC* pDC, CQYBaseEndObject* pStart, CQYBaseEndObject* pEnd, const POINT* lpPoints, int nCount,
                    BOOL bFull);

// How far the line ends may draw beyond the line's end points: twice the
// larger of their length and width (the longest heads reach 1.75 lengths
// along the line, circles a width around the end) and their pen width.
int QYLineEndsReach(const CQYBaseEndObject* pStart, const CQYBaseEndObject* pEnd);

// The line end for an arrow type (1 to 39) replacing *ppEnd; 0 and other
// codes leave none.  The stored code is nType in every case.
void QYReplaceLineEnd(CQYBaseEndObject** ppEnd, int* pnType, int nType);
