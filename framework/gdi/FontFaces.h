// The face table and font resolution. Faces the system names map to
// installed metric-compatible families (one table below, in FontFaces.cpp);
// a LOGFONT becomes a QFont of a whole number of device pixels, with GDI's
// height rule and the metrics GetTextMetrics reports. Framework-internal.
#pragma once

#include <QFont>
#include <QString>

#include "framework/gdi/CoordinateMapping.h"
#include "framework/gdi/GdiStructs.h"

#include <memory>

struct ResolvedFont {
    QFont font;     // pixel-sized for the device
    int em = 0;     // character height in device pixels
    int ascent = 0; // device pixels
    int descent = 0;
    int height = 0; // ascent + descent: the cell height
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    bool fixedPitch = false;
    double escapementDegrees = 0; // counter-clockwise on the screen
    QString family;
};

namespace FontFaces {
// The installed family for a face name (case-insensitive), with the pitch
// and family bits choosing the default when the face is empty or unknown.
QString FamilyFor(const char *faceName, BYTE pitchAndFamily);
// Resolves a logical font for a device; cached, so repeated calls are cheap.
std::shared_ptr<const ResolvedFont> Resolve(const LOGFONT &logFont, const CoordinateMapping &mapping, int dpiY);
// The logical font height of nPointSize tenths of a point on a device of dpiY.
int PointSizeToHeight(int nPointSize, int dpiY);
} // namespace FontFaces
