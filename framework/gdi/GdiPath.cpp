// Recording figures into a context's path and reading them back flattened.
#include "framework/gdi/GdiPath.h"

#include "framework/gdi/ShapeGeometry.h"

void GdiPath::Begin()
{
    Clear();
    recording = true;
}

void GdiPath::End()
{
    recording = false;
    complete = true;
    m_figureOpen = false;
}

void GdiPath::Clear()
{
    recording = false;
    complete = false;
    points.clear();
    types.clear();
    m_figureOpen = false;
}

void GdiPath::Add(QPoint p, BYTE type)
{
    points.push_back(p);
    types.push_back(type);
}

void GdiPath::StartIfNeeded(QPoint from)
{
    if (!m_figureOpen) {
        Add(from, PT_MOVETO);
        m_figureOpen = true;
    }
}

void GdiPath::LineTo(QPoint from, QPoint to)
{
    StartIfNeeded(from);
    Add(to, PT_LINETO);
}

void GdiPath::Lines(const std::vector<QPoint> &pts, bool continueFrom, QPoint from)
{
    AddRun(pts, continueFrom, from, PT_LINETO);
}

void GdiPath::Beziers(const std::vector<QPoint> &pts, bool continueFrom, QPoint from)
{
    AddRun(pts, continueFrom, from, PT_BEZIERTO);
}

void GdiPath::AddRun(const std::vector<QPoint> &pts, bool continueFrom, QPoint from, BYTE type)
{
    if (pts.empty())
        return;
    size_t first = 0;
    if (continueFrom) {
        StartIfNeeded(from);
    } else {
        Add(pts[0], PT_MOVETO);
        m_figureOpen = true;
        first = 1;
    }
    for (size_t i = first; i < pts.size(); ++i)
        Add(pts[i], type);
}

void GdiPath::ClosedFigure(const std::vector<QPoint> &pts, const std::vector<BYTE> &kinds)
{
    if (pts.empty())
        return;
    Add(pts[0], PT_MOVETO);
    for (size_t i = 1; i < pts.size(); ++i)
        Add(pts[i], i - 1 < kinds.size() ? kinds[i - 1] : static_cast<BYTE>(PT_LINETO));
    types.back() |= PT_CLOSEFIGURE;
    m_figureOpen = false;
}

bool GdiPath::CloseFigure()
{
    if (!m_figureOpen || types.empty())
        return false;
    types.back() |= PT_CLOSEFIGURE;
    m_figureOpen = false;
    return true;
}

std::vector<GdiPath::Figure> GdiPath::Figures() const
{
    std::vector<Figure> figures;
    for (size_t i = 0; i < points.size();) {
        Figure f;
        f.points.push_back(points[i]);
        size_t k = i + 1;
        while (k < points.size() && (types[k] & ~PT_CLOSEFIGURE) != PT_MOVETO) {
            BYTE kind = types[k] & ~PT_CLOSEFIGURE;
            if (kind == PT_BEZIERTO && k + 2 < points.size()) {
                std::vector<QPoint> curve{f.points.back(), points[k], points[k + 1], points[k + 2]};
                std::vector<QPoint> flat = ShapeGeometry::FlattenBeziers(curve);
                f.points.insert(f.points.end(), flat.begin() + 1, flat.end());
                k += 3;
            } else {
                f.points.push_back(points[k]);
                k += 1;
            }
            if (types[k - 1] & PT_CLOSEFIGURE) {
                f.closed = true;
                break;
            }
        }
        figures.push_back(std::move(f));
        i = k;
    }
    return figures;
}

void GdiPath::Flatten()
{
    std::vector<QPoint> flatPoints;
    std::vector<BYTE> flatTypes;
    for (const Figure &f : Figures()) {
        for (size_t i = 0; i < f.points.size(); ++i) {
            flatPoints.push_back(f.points[i]);
            flatTypes.push_back(i == 0 ? PT_MOVETO : PT_LINETO);
        }
        if (f.closed)
            flatTypes.back() |= PT_CLOSEFIGURE;
    }
    points = std::move(flatPoints);
    types = std::move(flatTypes);
}
