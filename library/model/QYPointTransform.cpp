#include "library/model/QYPointTransform.h"

#include "library/model/QYRounding.h"

#include <cmath>

POINT QYPointTransform::Apply(POINT point) const
{
    const float x = static_cast<float>(point.x);
    const float y = static_cast<float>(point.y);
    return POINT{MoreNear(a * x + c * y + e), MoreNear(b * x + d * y + f)};
}

void QYPointTransform::ApplyAll(LPPOINT lpPoints, int nCount) const
{
    for (int i = 0; i < nCount; ++i)
        lpPoints[i] = Apply(lpPoints[i]);
}

QYPointTransform QYPointTransform::Scale(float fScaleX, float fScaleY, float fOriginX, float fOriginY)
{
    QYPointTransform t;
    if (fScaleX == 1.0f && fScaleY == 1.0f)
        return t;
    t.a = fScaleX;
    t.d = fScaleY;
    t.e = fOriginX - fScaleX * fOriginX;
    t.f = fOriginY - fScaleY * fOriginY;
    return t;
}

QYPointTransform QYPointTransform::Rotate(int nAngle, float fOriginX, float fOriginY)
{
    // The system's own constants: pi as 3.14159 and 1/180 in single precision.
    const float theta = static_cast<float>(nAngle) * 0.1f * 3.14159f * 0.0055555557f;
    const float cosine = std::cos(theta);
    const float sine = std::sin(theta);
    QYPointTransform t;
    t.a = cosine;
    t.b = sine;
    t.c = -sine;
    t.d = cosine;
    t.e = fOriginX - fOriginX * cosine + fOriginY * sine;
    t.f = fOriginY - fOriginY * cosine - fOriginX * sine;
    return t;
}
