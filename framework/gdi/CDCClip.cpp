// CDC: the clipping region. Regions are kept in device pixels; the
// rectangle forms take logical coordinates.
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/DeviceContext.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/RegionUtil.h"

static HDC Attr(const CDC *dc)
{
    return dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC;
}

static QRect DeviceRect(HDC h, int x1, int y1, int x2, int y2)
{
    POINT a = h->state.mapping.ToDevice(POINT{x1, y1});
    POINT b = h->state.mapping.ToDevice(POINT{x2, y2});
    return RegionUtil::RectFromEdges(a.x, a.y, b.x, b.y);
}

// The clip as a region: the whole target when nothing clips.
static QRegion CurrentClip(HDC h)
{
    return h->state.clipped ? h->state.clip : QRegion(QRect(QPoint(0, 0), h->Size()));
}

template <typename F>
static int ChangeClip(CDC *dc, F f)
{
    int result = ERROR;
    if (dc->m_hDC)
        result = f(dc->m_hDC);
    if (dc->m_hAttribDC && dc->m_hAttribDC != dc->m_hDC)
        result = f(dc->m_hAttribDC);
    return result;
}

int CDC::SelectClipRgn(CRgn *pRgn)
{
    return SelectClipRgn(pRgn, RGN_COPY);
}

int CDC::SelectClipRgn(CRgn *pRgn, int nMode)
{
    std::shared_ptr<RgnData> rgn =
        pRgn ? GdiHandles::LookupAs<RgnData>(pRgn->m_hObject, GdiObjectKind::Region) : nullptr;
    if (pRgn && !rgn)
        return ERROR;
    if (!rgn && nMode != RGN_COPY)
        return ERROR;
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->ClipRegion(rgn ? rgn->region : QRegion(), nMode);
    return ChangeClip(this, [&](HDC h) {
        DCState &s = h->state;
        if (!rgn) {
            s.clipped = false;
            s.clip = QRegion();
            return SIMPLEREGION;
        }
        QRegion current = CurrentClip(h);
        switch (nMode) {
        case RGN_COPY: s.clip = rgn->region; break;
        case RGN_AND: s.clip = current.intersected(rgn->region); break;
        case RGN_OR: s.clip = current.united(rgn->region); break;
        case RGN_XOR: s.clip = current.xored(rgn->region); break;
        case RGN_DIFF: s.clip = current.subtracted(rgn->region); break;
        default: return ERROR;
        }
        s.clipped = true;
        return RegionUtil::Type(s.clip);
    });
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Box(Emf::INTERSECTCLIPRECT, x1, y1, x2, y2);
    return ChangeClip(this, [&](HDC h) {
        h->state.clip = CurrentClip(h).intersected(DeviceRect(h, x1, y1, x2, y2));
        h->state.clipped = true;
        return RegionUtil::Type(h->state.clip);
    });
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return lpRect ? IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : ERROR;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Box(Emf::EXCLUDECLIPRECT, x1, y1, x2, y2);
    return ChangeClip(this, [&](HDC h) {
        h->state.clip = CurrentClip(h).subtracted(DeviceRect(h, x1, y1, x2, y2));
        h->state.clipped = true;
        return RegionUtil::Type(h->state.clip);
    });
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return lpRect ? ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : ERROR;
}

int CDC::OffsetClipRgn(int x, int y)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Pair(Emf::OFFSETCLIPRGN, x, y);
    return ChangeClip(this, [&](HDC h) {
        if (!h->state.clipped)
            return SIMPLEREGION;
        SIZE d = h->state.mapping.SizeToDevice(SIZE{x, y});
        // Sizes convert as magnitudes; keep the direction of the logical offset on the device.
        if (h->state.mapping.ScaleX() < 0)
            d.cx = -d.cx;
        if (h->state.mapping.ScaleY() < 0)
            d.cy = -d.cy;
        h->state.clip.translate(d.cx, d.cy);
        return RegionUtil::Type(h->state.clip);
    });
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    HDC h = Attr(this);
    if (!h || !lpRect)
        return ERROR;
    QRegion visible = h->VisibleRegion();
    *lpRect = RegionUtil::ToRect(visible.boundingRect());
    DPtoLP(lpRect);
    return RegionUtil::Type(visible);
}

BOOL CDC::PtVisible(int x, int y) const
{
    HDC h = Attr(this);
    if (!h)
        return FALSE;
    POINT p = h->state.mapping.ToDevice(POINT{x, y});
    return h->VisibleRegion().contains(QPoint(p.x, p.y));
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    HDC h = Attr(this);
    if (!h || !lpRect)
        return FALSE;
    QRect r = DeviceRect(h, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    return !r.isEmpty() && h->VisibleRegion().intersects(r);
}
