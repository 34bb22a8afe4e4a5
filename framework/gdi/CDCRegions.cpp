// CDC: drawing regions (fill, frame, paint, invert) and reading the clip.
// The regions drawn here are in logical units and follow the mapping.
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/RegionShapes.h"
#include "framework/gdi/Renderer.h"

#include <algorithm>

namespace {

std::shared_ptr<RgnData> RegionOf(HRGN h)
{
    return GdiHandles::LookupAs<RgnData>(h, GdiObjectKind::Region);
}

QRegion DeviceRegion(HDC h, const RgnData &rgn)
{
    return RegionShapes::ToDevice(rgn.region, h->state.mapping);
}

// Fills the region with a brush, copying it whatever the drawing mode.
BOOL FillDeviceRegion(HDC h, const QRegion &region, const BrushData *brush)
{
    auto r = Renderer::For(h);
    if (!r || !brush)
        return FALSE;
    Paints::Context ctx = h->PaintContext();
    ctx.rop2 = R2_COPYPEN;
    FillPaint paint = Paints::ForBrush(brush, ctx);
    for (const QRect &part : region)
        r->FillRect(part, paint);
    return TRUE;
}

} // namespace

// Region drawing on a metafile context: the region's logical rectangles as a
// record. FALSE when the context does not record.
static bool RecordRegion(HDC hdc, DWORD type, HRGN hrgn, HGDIOBJ brush, int w, int h)
{
    EmfRecorder *recorder = RecorderOf(hdc);
    if (!recorder)
        return false;
    auto rgn = hrgn ? GdiHandles::LookupAs<RgnData>(hrgn, GdiObjectKind::Region) : nullptr;
    if (rgn && (brush || (type != Emf::FILLRGN && type != Emf::FRAMERGN)))
        recorder->Region(type, rgn->region, brush, w, h);
    return true;
}

BOOL FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr)
{
    auto rgn = RegionOf(hrgn);
    auto brush = GdiHandles::LookupAs<BrushData>(hbr, GdiObjectKind::Brush);
    if (!hdc || !rgn || !brush)
        return FALSE;
    if (RecordRegion(hdc, Emf::FILLRGN, hrgn, hbr, 0, 0))
        return TRUE;
    return FillDeviceRegion(hdc, DeviceRegion(hdc, *rgn), brush.get());
}

BOOL PaintRgn(HDC hdc, HRGN hrgn)
{
    auto rgn = RegionOf(hrgn);
    if (!hdc || !rgn)
        return FALSE;
    if (RecordRegion(hdc, Emf::PAINTRGN, hrgn, nullptr, 0, 0))
        return TRUE;
    return FillDeviceRegion(hdc, DeviceRegion(hdc, *rgn), hdc->state.brush.get());
}

BOOL FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h)
{
    auto rgn = RegionOf(hrgn);
    auto brush = GdiHandles::LookupAs<BrushData>(hbr, GdiObjectKind::Brush);
    if (!hdc || !rgn || !brush || w < 0 || h < 0)
        return FALSE;
    if (RecordRegion(hdc, Emf::FRAMERGN, hrgn, hbr, w, h))
        return TRUE;
    // The frame's width and height are logical units.
    SIZE device = hdc->state.mapping.SizeToDevice(SIZE{w, h});
    int dw = std::clamp<int>(device.cx, w > 0 ? 1 : 0, 1 << 16);
    int dh = std::clamp<int>(device.cy, h > 0 ? 1 : 0, 1 << 16);
    QRegion frame = RegionShapes::Frame(DeviceRegion(hdc, *rgn), dw, dh);
    return FillDeviceRegion(hdc, frame, brush.get());
}

BOOL InvertRgn(HDC hdc, HRGN hrgn)
{
    auto rgn = RegionOf(hrgn);
    if (!hdc || !rgn)
        return FALSE;
    if (RecordRegion(hdc, Emf::INVERTRGN, hrgn, nullptr, 0, 0))
        return TRUE;
    auto r = Renderer::For(hdc);
    if (!r)
        return FALSE;
    for (const QRect &part : DeviceRegion(hdc, *rgn))
        r->InvertPixels(part, false);
    return TRUE;
}

int GetClipRgn(HDC hdc, HRGN hrgn)
{
    auto rgn = RegionOf(hrgn);
    if (!hdc || !rgn)
        return -1;
    if (!hdc->state.clipped)
        return 0;
    rgn->region = hdc->state.clip;
    return 1;
}

int ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode)
{
    if (!hdc)
        return ERROR;
    CDC *dc = CDC::FromHandle(hdc);
    CRgn *rgn = hrgn ? CRgn::FromHandle(hrgn) : nullptr;
    if (hrgn && !rgn)
        return ERROR;
    return dc->SelectClipRgn(rgn, mode);
}

BOOL CDC::FillRgn(CRgn *pRgn, CBrush *pBrush)
{
    return pRgn && pBrush ? ::FillRgn(m_hDC, pRgn->m_hObject, pBrush->m_hObject) : FALSE;
}

BOOL CDC::FrameRgn(CRgn *pRgn, CBrush *pBrush, int nWidth, int nHeight)
{
    return pRgn && pBrush ? ::FrameRgn(m_hDC, pRgn->m_hObject, pBrush->m_hObject, nWidth, nHeight) : FALSE;
}

BOOL CDC::PaintRgn(CRgn *pRgn)
{
    return pRgn ? ::PaintRgn(m_hDC, pRgn->m_hObject) : FALSE;
}

BOOL CDC::InvertRgn(CRgn *pRgn)
{
    return pRgn ? ::InvertRgn(m_hDC, pRgn->m_hObject) : FALSE;
}
