// CDC: block transfers between contexts and pattern fills.
#include "framework/gdi/Blit.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/Rop3.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The source side of a transfer from another context (its selected bitmap
// or image); FALSE when it has no pixels to read, such as a printer.
bool SourceFrom(HDC src, int x, int y, int w, int h, Blit::Source &out)
{
    if (!src)
        return false;
    const QImage *image = src->Image();
    if (!image)
        return false;
    out.image = image;
    out.rect = Blit::DeviceRect(src, x, y, w, h);
    out.mono = src->IsMono();
    // A window image's top bytes only keep it opaque: its pixels are colours.
    out.colourOnly = src->target == HDC__::Target::Image;
    out.hasBkColor = true;
    out.bkColor = src->state.bkColor;
    return true;
}

// A transfer into a metafile carries the source's pixels as a DIB.
void RecordTransfer(EmfRecorder &recorder, int x, int y, int w, int h, const Blit::Source *source, DWORD rop)
{
    if (!source) {
        recorder.PatBlt(x, y, w, h, rop);
        return;
    }
    const Blit::Rect &r = source->rect;
    const QRect rect = QRect(std::min(r.x, r.x + r.w), std::min(r.y, r.y + r.h), std::abs(r.w), std::abs(r.h))
                           .intersected(source->image->rect());
    if (rect.isEmpty())
        return;
    const QImage pixels = source->image->copy(rect);
    recorder.Transfer(x, y, w, h, pixels, rop, rect.size() != QSize(std::abs(w), std::abs(h)));
}

BOOL Transfer(HDC dst, int x, int y, int w, int h, HDC src, int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop)
{
    if (!dst)
        return FALSE;
    Blit::Source source;
    bool hasSource = SourceFrom(src, xSrc, ySrc, wSrc, hSrc, source);
    if (EmfRecorder *recorder = RecorderOf(dst)) {
        RecordTransfer(*recorder, x, y, w, h, hasSource ? &source : nullptr, rop);
        return TRUE;
    }
    return Blit::Run(dst, Blit::DeviceRect(dst, x, y, w, h), hasSource ? &source : nullptr, rop);
}

} // namespace

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC *pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC *pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop)
{
    // The source rectangle has the same logical size; contexts with different
    // mappings stretch or compress it.
    return Transfer(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
                int hSrc, DWORD rop)
{
    return Transfer(hdcDest, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc, wSrc, hSrc, rop);
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop)
{
    if (!hdc)
        return FALSE;
    // Only operations of pattern and destination belong here.
    if (Rop3::UsesSource(Rop3::Table(rop)))
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(hdc)) {
        recorder->PatBlt(x, y, w, h, rop);
        return TRUE;
    }
    return Blit::Run(hdc, Blit::DeviceRect(hdc, x, y, w, h), nullptr, rop);
}
