// The path of a device context: the figures the drawing calls between
// BeginPath and EndPath record instead of drawing, in device pixels, as
// points tagged PT_MOVETO, PT_LINETO or PT_BEZIERTO (with PT_CLOSEFIGURE
// on a figure's last point). Figure rules: MoveTo ends the open figure;
// line and curve calls that continue from the current position (LineTo,
// PolylineTo, PolyBezierTo, ArcTo) extend the open figure or start one
// there; calls with their own start point (Polyline, PolyBezier, Arc) and
// closed shapes always begin a new figure. Framework-internal.
#pragma once

#include <QPoint>

#include "framework/base/WinTypes.h"
#include "framework/gdi/GdiConstants.h"

#include <vector>

struct GdiPath {
    struct Figure {
        std::vector<QPoint> points; // flattened
        bool closed = false;
    };

    bool recording = false; // between BeginPath and EndPath
    bool complete = false;  // EndPath made a path the path functions may use
    std::vector<QPoint> points;
    std::vector<BYTE> types;

    void Begin();
    void End();
    void Clear();
    // Ends the open figure; the next continuing call starts one at the current position.
    void Move() { m_figureOpen = false; }
    void LineTo(QPoint from, QPoint to);
    void Lines(const std::vector<QPoint> &pts, bool continueFrom, QPoint from);
    // pts: three points per segment, after the start point (pts[0] unless continuing).
    void Beziers(const std::vector<QPoint> &pts, bool continueFrom, QPoint from);
    // A closed figure: the start point, then points tagged by the matching entry of kinds.
    void ClosedFigure(const std::vector<QPoint> &pts, const std::vector<BYTE> &kinds);
    // FALSE when no figure is open.
    bool CloseFigure();
    // The figures with their curves flattened into lines.
    std::vector<Figure> Figures() const;
    void Flatten();
    size_t Size() const { return points.size(); }

private:
    void StartIfNeeded(QPoint from);
    void Add(QPoint p, BYTE type);
    // Points of one kind (PT_LINETO or PT_BEZIERTO): after the current
    // point when continueFrom, else from a new figure at the first point.
    void AddRun(const std::vector<QPoint> &pts, bool continueFrom, QPoint from, BYTE type);
    bool m_figureOpen = false;
};
