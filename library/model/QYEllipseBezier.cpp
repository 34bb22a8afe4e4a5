#include "library/model/QYEllipseBezier.h"

#include "library/model/QYRounding.h"

namespace {

// The 13 control points of the ellipse in (left, top, right, bottom).
void BuildEllipse(int left, int top, int right, int bottom, POINT out[QY_ELLIPSE_POINTS])
{
    const int cx = (left + right) / 2;
    const int cy = (top + bottom) / 2;
    const int kx = QYTruncate((double(right) - left) * QY_ELLIPSE_FACTOR);
    const int ky = QYTruncate((double(bottom) - top) * QY_ELLIPSE_FACTOR);
    const POINT points[QY_ELLIPSE_POINTS] = {
        {left, cy},        {left, cy - ky}, {cx - kx, top},   {cx, top},         {cx + kx, top},
        {right, cy - ky},  {right, cy},     {right, cy + ky}, {cx + kx, bottom}, {cx, bottom},
        {cx - kx, bottom}, {left, cy + ky}, {left, cy},
    };
    for (int i = 0; i < QY_ELLIPSE_POINTS; ++i)
        out[i] = points[i];
}

} // namespace

void QYEllipseToBezier(const RECT& rect, POINT out[QY_ELLIPSE_POINTS])
{
    BuildEllipse(rect.left, rect.top, rect.right, rect.bottom, out);
}

void QYHalfEllipseToBezier(const RECT& rect, POINT out[QY_HALF_ELLIPSE_POINTS], BOOL bUpper)
{
    POINT ellipse[QY_ELLIPSE_POINTS];
    BuildEllipse(rect.left, rect.top, rect.right, rect.bottom, ellipse);
    const int first = bUpper ? 0 : QY_HALF_ELLIPSE_POINTS - 1;
    for (int i = 0; i < QY_HALF_ELLIPSE_POINTS; ++i)
        out[i] = ellipse[first + i];
}

void QYArcToBezier(const POINT box[2], POINT out[QY_ARC_POINTS], UINT nQuarter)
{
    if (nQuarter > 3)
        return;
    POINT ellipse[QY_ELLIPSE_POINTS];
    BuildEllipse(box[0].x, box[0].y, box[1].x, box[1].y, ellipse);
    for (int i = 0; i < QY_ARC_POINTS; ++i)
        out[i] = ellipse[nQuarter * (QY_ARC_POINTS - 1) + i];
}
