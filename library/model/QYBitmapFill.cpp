#include "library/model/QYBitmapFill.h"

#include "framework/gdi/CDC.h"
#include "library/pickers/QYGlobalData.h"

#include <climits>

namespace {

// The first tile offset at or before `from` in steps of `step` from
// `origin` (from >= origin).
long long FirstTile(long long origin, long long from, long long step)
{
    return origin + (from - origin) / step * step;
}

// Copies the bitmap unscaled tile after tile from the rectangle's top-left
// corner.  Only the tiles that reach the visible part are copied: the
// others would be cut by the clip anyway, so a huge rectangle costs no more
// than the surface it shows on.
void TileBitmap(CDC* pDC, CDC& source, const BITMAP& info, const CRect& rect, const CRect& visible)
{
    const long long startY = FirstTile(rect.top, visible.top, info.bmHeight);
    const long long startX = FirstTile(rect.left, visible.left, info.bmWidth);
    for (long long y = startY; y < visible.bottom; y += info.bmHeight) {
        for (long long x = startX; x < visible.right; x += info.bmWidth)
            pDC->BitBlt(static_cast<int>(x), static_cast<int>(y), info.bmWidth, info.bmHeight, &source, 0, 0, SRCCOPY);
    }
}

} // namespace

void QYFillBitmapRect(CDC* pDC, int left, int top, int right, int bottom, BOOL bTiled, int nIndex, CRgn* pClip)
{
    if (pDC == nullptr || nIndex < 0 || nIndex >= QY_FILL_TEXTURE_COUNT)
        return;
    qyGlobalData.LoadBitmaps();
    CBitmap& texture = qyGlobalData.m_bmpTextures[nIndex];
    BITMAP info = {};
    if (texture.GetSafeHandle() == nullptr || !texture.GetBitmap(&info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    // A rectangle wider or taller than the int range has no usable extent.
    if (static_cast<long long>(right) - left > INT_MAX || static_cast<long long>(bottom) - top > INT_MAX)
        return;
    const CRect rect(left, top, right, bottom);
    if (rect.IsRectEmpty())
        return;

    // The saved state brings back the caller's clip; the fill itself stays
    // inside the rectangle (and the given region).
    const int nSaved = pDC->SaveDC();
    if (pClip != nullptr)
        pDC->SelectClipRgn(pClip);
    pDC->IntersectClipRect(&rect);

    CRect visible;
    pDC->GetClipBox(&visible);
    visible.IntersectRect(&visible, &rect);
    CDC source;
    if (!visible.IsRectEmpty() && source.CreateCompatibleDC(nullptr)) {
        CBitmap* pOld = source.SelectObject(&texture);
        if (bTiled)
            TileBitmap(pDC, source, info, rect, visible);
        else
            pDC->StretchBlt(left, top, rect.Width(), rect.Height(), &source, 0, 0, info.bmWidth, info.bmHeight,
                            SRCCOPY);
        source.SelectObject(pOld);
    }
    pDC->RestoreDC(nSaved);
}
