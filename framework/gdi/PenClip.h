// Cutting a dashed wide pen's polyline down to the part that can show.
// The path stroker makes every dash of a figure, so a dashed line running
// millions of pixels past the target (a far zoom, a hostile metafile)
// would cost millions of dashes.  Only the runs of the figure inside a box
// around the target are stroked, each one carrying on the dash pattern
// from where the whole figure had it.  Framework-internal.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>

#include <vector>

namespace PenClip {

// A piece of the figure: its points and the length of the figure before
// the first of them, where its dash pattern goes on.
struct Run {
    std::vector<QPointF> points;
    double startLength = 0;
};

// The runs of the polyline (closed: with the segment back to its first
// point) that lie in the box, cut where they leave it.  FALSE (runs left
// empty) when every segment lies wholly inside, so the figure is stroked as
// it stands; TRUE with no runs when nothing of it comes into the box.
bool ClipToBox(const std::vector<QPoint> &points, bool closed, const QRectF &box, std::vector<Run> &runs);

} // namespace PenClip
