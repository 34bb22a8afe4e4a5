// CDC: the path bracket and what can be done with a finished path (stroke,
// fill, clip, turn into a region, flatten, read back). Every use except
// FlattenPath and GetPath consumes the path.
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/RegionShapes.h"
#include "framework/gdi/Stroking.h"

namespace {

// The finished path of a context, or NULL (no path, or still recording).
GdiPath *Finished(HDC h)
{
    return h && h->state.path.complete && !h->state.path.recording ? &h->state.path : nullptr;
}

PolygonScan::Polygons PolygonsOf(const GdiPath &path)
{
    PolygonScan::Polygons polygons;
    for (const GdiPath::Figure &f : path.Figures())
        polygons.emplace_back(f.points.begin(), f.points.end());
    return polygons;
}

QRegion RegionOf(HDC h, const GdiPath &path)
{
    return RegionShapes::Polygons(PolygonsOf(path), h->state.polyFillMode == WINDING);
}

BOOL Draw(HDC h, bool fill, bool stroke)
{
    GdiPath *path = Finished(h);
    if (!path)
        return FALSE;
    auto r = Renderer::For(h);
    if (!r)
        return FALSE;
    if (fill)
        r->FillPolygons(PolygonsOf(*path), h->state.polyFillMode == WINDING, BrushPaint(h));
    if (stroke)
        for (const GdiPath::Figure &f : path->Figures())
            StrokeDevicePolyline(h, *r, f.points, f.closed);
    path->Clear();
    return TRUE;
}

} // namespace

// On a metafile context each step of a path is a record of its own.
static void RecordPathStep(HDC hdc, DWORD type)
{
    if (EmfRecorder *recorder = RecorderOf(hdc))
        recorder->Plain(type);
}

BOOL BeginPath(HDC hdc)
{
    RecordPathStep(hdc, Emf::BEGINPATH);
    if (!hdc)
        return FALSE;
    hdc->state.path.Begin();
    return TRUE;
}

BOOL EndPath(HDC hdc)
{
    RecordPathStep(hdc, Emf::ENDPATH);
    if (!hdc || !hdc->state.path.recording)
        return FALSE;
    hdc->state.path.End();
    return TRUE;
}

BOOL AbortPath(HDC hdc)
{
    RecordPathStep(hdc, Emf::ABORTPATH);
    if (!hdc)
        return FALSE;
    hdc->state.path.Clear();
    return TRUE;
}

BOOL CloseFigure(HDC hdc)
{
    RecordPathStep(hdc, Emf::CLOSEFIGURE);
    if (!hdc || !hdc->state.path.recording)
        return FALSE;
    return hdc->state.path.CloseFigure() ? TRUE : FALSE;
}

BOOL StrokePath(HDC hdc)
{
    RecordPathStep(hdc, Emf::STROKEPATH);
    return Draw(hdc, false, true);
}

BOOL FillPath(HDC hdc)
{
    RecordPathStep(hdc, Emf::FILLPATH);
    return Draw(hdc, true, false);
}

BOOL StrokeAndFillPath(HDC hdc)
{
    RecordPathStep(hdc, Emf::STROKEANDFILLPATH);
    return Draw(hdc, true, true);
}

BOOL FlattenPath(HDC hdc)
{
    RecordPathStep(hdc, Emf::FLATTENPATH);
    GdiPath *path = Finished(hdc);
    if (!path)
        return FALSE;
    path->Flatten();
    return TRUE;
}

HRGN PathToRegion(HDC hdc)
{
    GdiPath *path = Finished(hdc);
    if (!path)
        return nullptr;
    auto rgn = std::make_shared<RgnData>();
    rgn->region = RegionOf(hdc, *path);
    path->Clear();
    return GdiHandles::Insert(std::move(rgn));
}

BOOL SelectClipPath(HDC hdc, int mode)
{
    if (EmfRecorder *recorder = RecorderOf(hdc))
        recorder->Value(Emf::SELECTCLIPPATH, static_cast<DWORD>(mode));
    GdiPath *path = Finished(hdc);
    if (!path || mode < RGN_AND || mode > RGN_COPY)
        return FALSE;
    QRegion region = RegionOf(hdc, *path);
    DCState &s = hdc->state;
    QRegion current = s.clipped ? s.clip : QRegion(QRect(QPoint(0, 0), hdc->Size()));
    switch (mode) {
    case RGN_COPY: s.clip = region; break;
    case RGN_AND: s.clip = current.intersected(region); break;
    case RGN_OR: s.clip = current.united(region); break;
    case RGN_XOR: s.clip = current.xored(region); break;
    case RGN_DIFF: s.clip = current.subtracted(region); break;
    }
    s.clipped = true;
    path->Clear();
    return TRUE;
}

int GetPath(HDC hdc, LPPOINT apt, LPBYTE aj, int cpt)
{
    GdiPath *path = Finished(hdc);
    if (!path)
        return -1;
    int size = static_cast<int>(path->Size());
    if (cpt == 0)
        return size;
    if (!apt || !aj || cpt < size)
        return -1;
    for (int i = 0; i < size; ++i) {
        QPoint p = path->points[static_cast<size_t>(i)];
        apt[i] = hdc->state.mapping.ToLogical(POINT{p.x(), p.y()});
        aj[i] = path->types[static_cast<size_t>(i)];
    }
    return size;
}

BOOL CDC::BeginPath()
{
    return ::BeginPath(m_hDC);
}
BOOL CDC::EndPath()
{
    return ::EndPath(m_hDC);
}
BOOL CDC::AbortPath()
{
    return ::AbortPath(m_hDC);
}
BOOL CDC::CloseFigure()
{
    return ::CloseFigure(m_hDC);
}
BOOL CDC::StrokePath()
{
    return ::StrokePath(m_hDC);
}
BOOL CDC::FillPath()
{
    return ::FillPath(m_hDC);
}
BOOL CDC::StrokeAndFillPath()
{
    return ::StrokeAndFillPath(m_hDC);
}
BOOL CDC::FlattenPath()
{
    return ::FlattenPath(m_hDC);
}
BOOL CDC::SelectClipPath(int nMode)
{
    return ::SelectClipPath(m_hDC, nMode);
}

int CDC::GetPath(LPPOINT lpPoints, LPBYTE lpTypes, int nCount) const
{
    return ::GetPath(m_hDC, lpPoints, lpTypes, nCount);
}

BOOL CRgn::CreateFromPath(CDC *pDC)
{
    return pDC ? AttachNew(::PathToRegion(pDC->m_hDC)) : FALSE;
}
