// What the component and form property sets share: the brush of a fill
// kind, the cached pattern bitmaps behind it, the font of the font fields,
// the font and fill-kind setters' checks and the range check of a loaded
// value.  Each set keeps its own caches and calls these to fill them.
#pragma once

#include "library/model/QYFillPatterns.h"
#include "library/model/QYFontRecord.h"

#include <array>
#include <functional>
#include <memory>

class CBitmap;
class CBrush;
class CDC;
class CFont;

// The pattern bitmaps by pattern index, each made on first use (8 by 8, one
// plane, one bit per pixel) and kept.  The table itself is made with the
// first one asked for: most property sets never draw a pattern, and a
// document holds many.
class CQYPatternBitmaps {
public:
    CQYPatternBitmaps();
    ~CQYPatternBitmaps();
    CQYPatternBitmaps(const CQYPatternBitmaps&) = delete;
    CQYPatternBitmaps& operator=(const CQYPatternBitmaps&) = delete;

    // The bitmap of pattern nIndex; NULL for an index without a pattern.
    CBitmap* Get(int nIndex);

private:
    std::unique_ptr<std::array<std::unique_ptr<CBitmap>, QY_FILL_PATTERN_COUNT>> m_pBitmaps;
};

// The brush of fill kind nBrushType: null (kind 0, recording crNullBrush as
// its colour), solid in crBack or crPattern, a pattern from patterns, a
// hatch in crPattern; kinds painted by the fill operations (gradients,
// bitmaps) get the stock null brush.
std::unique_ptr<CBrush> QYMakeFillBrush(int nBrushType, COLORREF crBack, COLORREF crPattern, COLORREF crNullBrush,
                                        CQYPatternBitmaps& patterns);
// The font the fields describe, for pDC (NULL: the screen).
std::unique_ptr<CFont> QYMakeFont(const QYFontFields& fields, CDC* pDC);

// TRUE for a fill kind a set accepts (0 to QY_MAX_BRUSH_TYPE).
BOOL QYIsValidBrushType(int nBrushType);

// The font setters.  A NULL face name, a point size below 2 and a weight
// outside 0-1000 are ignored.  toLogical / toPoints convert a point size to
// a font height and back (the set's own conversion).
void QYSetFaceName(const QYFontFields& fields, LPCTSTR lpszFaceName);
void QYSetPointSize(const QYFontFields& fields, int nPoints, const std::function<int(int)>& toLogical);
void QYSetFontHeight(const QYFontFields& fields, int nHeight, const std::function<int(int)>& toPoints);
void QYSetWeight(const QYFontFields& fields, int nWeight);

// Throws CArchiveException (generic) when a value read from an archive lies
// outside nMin..nMax: the load ends.
void QYCheckLoadedRange(int nValue, int nMin, int nMax);
