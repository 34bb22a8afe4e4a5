#include "library/model/QYBitmapFill.h"

#include "framework/gdi/CDC.h"
#include "library/pickers/QYGlobalData.h"

#include <vector>

namespace {

// Paints the part of `rect` that is visible with the bitmap as a pattern
// whose first tile starts at `origin` (logical units of an MM_TEXT DC).
void FillWithPattern(CDC* pDC, const CRect& rect, CBitmap* pBitmap, POINT origin)
{
    CBrush brush;
    if (!brush.CreatePatternBrush(pBitmap))
        return;
    POINT deviceOrigin = origin;
    pDC->LPtoDP(&deviceOrigin);
    pDC->SetBrushOrg(deviceOrigin.x, deviceOrigin.y);
    pDC->FillRect(&rect, &brush);
}

// The texture scaled to a width by height rectangle, nearest pixel, for
// the visible part `visible` of that rectangle only (its own coordinates).
BOOL MakeStretchedPart(CBitmap& texture, const BITMAP& info, int width, int height, const CRect& visible,
                       CBitmap& part)
{
    std::vector<DWORD> source(static_cast<size_t>(info.bmWidth) * static_cast<size_t>(info.bmHeight));
    texture.GetBitmapBits(static_cast<DWORD>(source.size() * sizeof(DWORD)), source.data());
    std::vector<DWORD> pixels(static_cast<size_t>(visible.Width()) * static_cast<size_t>(visible.Height()));
    for (int y = 0; y < visible.Height(); ++y) {
        const long long sy = static_cast<long long>(visible.top + y) * info.bmHeight / height;
        for (int x = 0; x < visible.Width(); ++x) {
            const long long sx = static_cast<long long>(visible.left + x) * info.bmWidth / width;
            pixels[static_cast<size_t>(y) * visible.Width() + x] =
                source[static_cast<size_t>(sy) * info.bmWidth + static_cast<size_t>(sx)];
        }
    }
    return part.CreateBitmap(visible.Width(), visible.Height(), 1, 32, pixels.data());
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
    const CRect rect(left, top, right, bottom);
    if (rect.IsRectEmpty())
        return;

    // The saved state brings back the caller's clip and brush origin; the
    // fill itself stays inside the rectangle (and the given region).
    const int nSaved = pDC->SaveDC();
    if (pClip != nullptr)
        pDC->SelectClipRgn(pClip);
    pDC->IntersectClipRect(&rect);

    if (bTiled) {
        // Unscaled tiles from the top-left corner; those past the right and
        // bottom edge are cut by the clip.
        FillWithPattern(pDC, rect, &texture, POINT{left, top});
    } else {
        // Stretched over the rectangle; only the visible part is scaled, so
        // a huge rectangle costs no more than the surface it shows on.
        CRect visible;
        pDC->GetClipBox(&visible);
        visible.IntersectRect(&visible, &rect);
        if (!visible.IsRectEmpty()) {
            CRect part = visible;
            part.OffsetRect(-left, -top);
            CBitmap stretched;
            if (MakeStretchedPart(texture, info, rect.Width(), rect.Height(), part, stretched))
                FillWithPattern(pDC, visible, &stretched, POINT{visible.left, visible.top});
        }
    }
    pDC->RestoreDC(nSaved);
}
