#include "framework/base/CRect.h"

#include <utility>

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    return ::IntersectRect(this, lpRect1, lpRect2);
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    return ::UnionRect(this, lpRect1, lpRect2);
}

// The smallest rectangle holding what remains of the first rectangle once the
// second is taken away; only an exact side cut shrinks it.
BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
{
    CRect result(lpRectSrc1);
    CRect cut;
    if (result.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    if (!cut.IntersectRect(lpRectSrc1, lpRectSrc2)) {
        *this = result;
        return TRUE;
    }
    const bool spansWidth = cut.left == result.left && cut.right == result.right;
    const bool spansHeight = cut.top == result.top && cut.bottom == result.bottom;
    if (spansWidth && spansHeight) {
        SetRectEmpty();
        return FALSE;
    }
    if (spansWidth) {
        if (cut.top == result.top)
            result.top = cut.bottom;
        else if (cut.bottom == result.bottom)
            result.bottom = cut.top;
    } else if (spansHeight) {
        if (cut.left == result.left)
            result.left = cut.right;
        else if (cut.right == result.right)
            result.right = cut.left;
    }
    *this = result;
    return TRUE;
}

BOOL SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom)
{
    if (!lprc)
        return FALSE;
    *lprc = RECT{xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT lprc)
{
    return SetRect(lprc, 0, 0, 0, 0);
}

BOOL CopyRect(LPRECT lprcDst, const RECT *lprcSrc)
{
    if (!lprcDst || !lprcSrc)
        return FALSE;
    *lprcDst = *lprcSrc;
    return TRUE;
}

BOOL IsRectEmpty(const RECT *lprc)
{
    return !lprc || lprc->left >= lprc->right || lprc->top >= lprc->bottom;
}

BOOL PtInRect(const RECT *lprc, POINT pt)
{
    return lprc && pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}

BOOL OffsetRect(LPRECT lprc, int dx, int dy)
{
    if (!lprc)
        return FALSE;
    lprc->left += dx;
    lprc->right += dx;
    lprc->top += dy;
    lprc->bottom += dy;
    return TRUE;
}

BOOL InflateRect(LPRECT lprc, int dx, int dy)
{
    if (!lprc)
        return FALSE;
    lprc->left -= dx;
    lprc->right += dx;
    lprc->top -= dy;
    lprc->bottom += dy;
    return TRUE;
}

BOOL IntersectRect(LPRECT lprcDst, const RECT *lprcSrc1, const RECT *lprcSrc2)
{
    if (!lprcDst || !lprcSrc1 || !lprcSrc2)
        return FALSE;
    RECT r{plexoMax(lprcSrc1->left, lprcSrc2->left), plexoMax(lprcSrc1->top, lprcSrc2->top),
           plexoMin(lprcSrc1->right, lprcSrc2->right), plexoMin(lprcSrc1->bottom, lprcSrc2->bottom)};
    if (IsRectEmpty(&r)) {
        SetRectEmpty(lprcDst);
        return FALSE;
    }
    *lprcDst = r;
    return TRUE;
}

BOOL UnionRect(LPRECT lprcDst, const RECT *lprcSrc1, const RECT *lprcSrc2)
{
    if (!lprcDst || !lprcSrc1 || !lprcSrc2)
        return FALSE;
    const bool empty1 = IsRectEmpty(lprcSrc1);
    const bool empty2 = IsRectEmpty(lprcSrc2);
    if (empty1 && empty2) {
        SetRectEmpty(lprcDst);
        return FALSE;
    }
    if (empty1) {
        *lprcDst = *lprcSrc2;
        return TRUE;
    }
    if (empty2) {
        *lprcDst = *lprcSrc1;
        return TRUE;
    }
    *lprcDst = RECT{plexoMin(lprcSrc1->left, lprcSrc2->left), plexoMin(lprcSrc1->top, lprcSrc2->top),
                    plexoMax(lprcSrc1->right, lprcSrc2->right), plexoMax(lprcSrc1->bottom, lprcSrc2->bottom)};
    return TRUE;
}

BOOL EqualRect(const RECT *lprc1, const RECT *lprc2)
{
    return lprc1 && lprc2 && lprc1->left == lprc2->left && lprc1->top == lprc2->top && lprc1->right == lprc2->right &&
           lprc1->bottom == lprc2->bottom;
}
