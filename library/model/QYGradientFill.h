// Gradient fills of a rectangle: the twenty gradient types of the gradient
// fill kinds (42 to 61) and the routines behind them.  Every fill stays
// inside the rectangle it is given (and inside the clip region, when one is
// given), whatever the device context's own clip.
#pragma once

#include "framework/base/CRect.h"

class CDC;
class CRgn;

// Number of gradient types; types from this value on draw nothing.
#define QY_GRADIENT_TYPE_COUNT 20

// Fills (left, top, right, bottom) with gradient type nType (0 to 19) from
// colour1 to colour2.
void QYGradientFill(CDC* pDC, int left, int top, int right, int bottom, COLORREF colour1, COLORREF colour2, UINT nType,
                    CRgn* pClip);

// The routines behind the type table; each draws in the DC as it is.
void QYLinearGradient(CDC* pDC, const CRect& rect, COLORREF crStart, COLORREF crEnd, BOOL bVertical);
void QYTwoBandGradient(CDC* pDC, const CRect& rect, COLORREF colour1, COLORREF colour2, BOOL bVertical);
// Variants 1-4 shrink towards a corner (top-left, top-right, bottom-right,
// bottom-left), 5 towards the centre as rectangles, 6 as ellipses.
void QYShrinkingGradient(CDC* pDC, const CRect& rect, COLORREF crStart, COLORREF crEnd, int nVariant);
// Bands at nDegrees from the top-left corner or, with bFromTopRight, from
// the top-right corner.
void QYDiagonalGradient(CDC* pDC, const CRect& rect, COLORREF crStart, COLORREF crEnd, int nDegrees,
                        BOOL bFromTopRight);

void QYSolidRect(CDC* pDC, int x, int y, int nWidth, int nHeight, COLORREF crColor);
void QYSolidEllipse(CDC* pDC, int x, int y, int nWidth, int nHeight, COLORREF crColor);

// The band size of a gradient over nSpan units between the two colours: one
// unit below a span of 70, else three units per colour step, at least 3.
int QYGradientStrip(int nSpan, COLORREF crStart, COLORREF crEnd);
