// Drag outlines: rectangles drawn inverted so that drawing them again takes
// them away, as dragging a window or a bar shows where it would go.
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"

namespace {

// The frame of rect that is size thick, as a region (empty for no size).
void OutlineRegion(CRgn &rgn, const RECT &rect, SIZE size)
{
    CRect outer(rect);
    outer.NormalizeRect();
    rgn.CreateRectRgnIndirect(&outer);
    if (size.cx <= 0 && size.cy <= 0) {
        rgn.SetRectRgn(0, 0, 0, 0);
        return;
    }
    CRect inner = outer;
    inner.DeflateRect(size.cx, size.cy);
    inner.IntersectRect(&inner, &outer);
    CRgn rgnInner;
    rgnInner.CreateRectRgnIndirect(&inner);
    rgn.CombineRgn(&rgn, &rgnInner, RGN_XOR);
}

void Invert(CDC *pDC, CRgn &rgn, CBrush *pBrush)
{
    pDC->SelectClipRgn(&rgn);
    CRect box;
    pDC->GetClipBox(&box);
    CBrush *pOld = pDC->SelectObject(pBrush);
    pDC->PatBlt(box.left, box.top, box.Width(), box.Height(), PATINVERT);
    pDC->SelectObject(pOld);
}

} // namespace

CBrush *CDC::GetHalftoneBrush()
{
    static CBrush *pBrush = []() {
        WORD pattern[8];
        for (int i = 0; i < 8; ++i)
            pattern[i] = static_cast<WORD>(0x5555u << (i & 1));
        CBitmap bitmap;
        auto *pHalftone = new CBrush;
        if (bitmap.CreateBitmap(8, 8, 1, 1, pattern))
            pHalftone->CreatePatternBrush(&bitmap);
        return pHalftone;
    }();
    return pBrush;
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush *pBrush, CBrush *pBrushLast)
{
    if (m_hDC == nullptr || lpRect == nullptr)
        return;
    if (pBrush == nullptr)
        pBrush = GetHalftoneBrush();
    if (pBrushLast == nullptr)
        pBrushLast = pBrush;
    CRgn rgnNew;
    OutlineRegion(rgnNew, *lpRect, size);
    CRgn rgnLast;
    if (lpRectLast != nullptr)
        OutlineRegion(rgnLast, *lpRectLast, sizeLast);
    else
        rgnLast.CreateRectRgn(0, 0, 0, 0);
    if (pBrush->GetSafeHandle() == pBrushLast->GetSafeHandle()) {
        // One brush: what both outlines cover stays as it is.
        CRgn rgnUpdate;
        rgnUpdate.CreateRectRgn(0, 0, 0, 0);
        rgnUpdate.CombineRgn(&rgnNew, &rgnLast, RGN_XOR);
        Invert(this, rgnUpdate, pBrush);
    } else {
        Invert(this, rgnLast, pBrushLast);
        Invert(this, rgnNew, pBrush);
    }
    SelectClipRgn(nullptr);
}
