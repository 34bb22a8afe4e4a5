// The 2-by-3 affine matrix with which components move their points, in
// single precision, each result rounded half away from zero.
#pragma once

#include "framework/base/CRect.h"

struct QYPointTransform {
    // x' = a*x + c*y + e, y' = b*x + d*y + f; the identity by default.
    float a = 1.0f, b = 0.0f, c = 0.0f, d = 1.0f, e = 0.0f, f = 0.0f;

    POINT Apply(POINT point) const;
    void ApplyAll(LPPOINT lpPoints, int nCount) const;

    // Scaling about an origin; the identity when both factors are exactly 1.
    static QYPointTransform Scale(float fScaleX, float fScaleY, float fOriginX, float fOriginY);
    // Turning by nAngle tenths of a degree about an origin, clockwise on
    // screen for positive angles.
    static QYPointTransform Rotate(int nAngle, float fOriginX, float fOriginY);
};
