// What the pen outline tests share: the pixels a set of outline polygons
// covers, and the solid geometric pens they outline.
#pragma once

#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/PenOutline.h"
#include "framework/gdi/PolygonScan.h"

#include <tuple>
#include <vector>

// One covered run of pixels: its row, first column and end column.
using ScannedRun = std::tuple<int, int, int>;

// The runs the polygons cover between the columns left and right, filled
// under the winding rule as pens are.
inline std::vector<ScannedRun> ScannedPixels(const PenOutline::Polygons &polygons, int left, int right)
{
    std::vector<ScannedRun> runs;
    PolygonScan::Scan(polygons, true, left, right, [&](int y, int x0, int x1) { runs.emplace_back(y, x0, x1); });
    return runs;
}

// A solid geometric pen with the cap and join given.
inline PenData SolidGeometricPen(UINT cap, UINT join, int width = 1)
{
    PenData pen;
    pen.style = PS_GEOMETRIC | PS_SOLID | cap | join;
    pen.width = width;
    return pen;
}

// The pens no direct outline takes: a dashed one and one with a hatched
// brush, both flat-capped and mitred.
inline PenData DashedPen()
{
    PenData pen = SolidGeometricPen(PS_ENDCAP_FLAT, PS_JOIN_MITER);
    pen.style = PS_GEOMETRIC | PS_DASH | PS_ENDCAP_FLAT | PS_JOIN_MITER;
    return pen;
}

inline PenData HatchedPen()
{
    PenData pen = SolidGeometricPen(PS_ENDCAP_FLAT, PS_JOIN_MITER);
    pen.extended = true;
    pen.brush.lbStyle = BS_HATCHED;
    return pen;
}
