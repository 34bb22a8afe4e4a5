// CDC: classic 3-D edges, focus rectangles and frame controls, drawn from
// the system colours.
#include "framework/gdi/CDC.h"
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/Renderer.h"
#include "framework/gdi/SystemColors.h"

#include <algorithm>

namespace {

QRect DeviceRect(HDC h, int l, int t, int r, int b)
{
    POINT a = h->state.mapping.ToDevice(POINT{l, t});
    POINT c = h->state.mapping.ToDevice(POINT{r, b});
    return QRect(QPoint(std::min(a.x, c.x), std::min(a.y, c.y)),
                 QPoint(std::max(a.x, c.x) - 1, std::max(a.y, c.y) - 1));
}

// Fills a logical rectangle with a colour, leaving the context's colours
// alone. A metafile context records a pattern fill with a brush of the colour.
void Fill(CDC *dc, int l, int t, int r, int b, COLORREF color)
{
    HDC h = dc->m_hDC;
    if (!h || r <= l || b <= t)
        return;
    if (EmfRecorder *recorder = RecorderOf(h)) {
        HBRUSH brush = CreateSolidBrush(color);
        recorder->FillWithBrush(RECT{l, t, r, b}, brush);
        DeleteObject(brush);
        return;
    }
    if (auto renderer = Renderer::For(h))
        renderer->FillRect(DeviceRect(h, l, t, r, b), Paints::ForSolid(color, R2_COPYPEN, h->IsMono()));
}

struct EdgeColors {
    COLORREF topLeft;
    COLORREF bottomRight;
};

// The two colours of one border line of an edge.
EdgeColors OuterColors(UINT edge, UINT flags)
{
    bool soft = (flags & BF_SOFT) != 0;
    if (edge & BDR_RAISEDOUTER)
        return {GetSysColor(soft ? COLOR_3DHILIGHT : COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW)};
    return {GetSysColor(soft ? COLOR_3DDKSHADOW : COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT)};
}

EdgeColors InnerColors(UINT edge, UINT flags)
{
    bool soft = (flags & BF_SOFT) != 0;
    if (edge & BDR_RAISEDINNER)
        return {GetSysColor(soft ? COLOR_3DLIGHT : COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW)};
    return {GetSysColor(soft ? COLOR_3DSHADOW : COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)};
}

// One ring of an edge on the sides named by flags: top and left in the
// first colour (stopping short of a bottom-right corner that is drawn too),
// bottom and right in the second. Shrinks rc past the sides drawn.
void DrawRing(CDC *dc, RECT &rc, UINT flags, EdgeColors colors)
{
    int rightCut = (flags & BF_RIGHT) ? 1 : 0;
    int bottomCut = (flags & BF_BOTTOM) ? 1 : 0;
    if (flags & BF_TOP)
        Fill(dc, rc.left, rc.top, rc.right - rightCut, rc.top + 1, colors.topLeft);
    if (flags & BF_LEFT)
        Fill(dc, rc.left, rc.top, rc.left + 1, rc.bottom - bottomCut, colors.topLeft);
    if (flags & BF_BOTTOM)
        Fill(dc, rc.left, rc.bottom - 1, rc.right, rc.bottom, colors.bottomRight);
    if (flags & BF_RIGHT)
        Fill(dc, rc.right - 1, rc.top, rc.right, rc.bottom, colors.bottomRight);
    if (flags & BF_LEFT)
        ++rc.left;
    if (flags & BF_TOP)
        ++rc.top;
    if (flags & BF_RIGHT)
        --rc.right;
    if (flags & BF_BOTTOM)
        --rc.bottom;
}

void DrawDiagonal(CDC *dc, const RECT &rc, UINT edge, UINT flags)
{
    EdgeColors c = (edge & BDR_OUTER) ? OuterColors(edge, flags) : InnerColors(edge, flags);
    CPen pen(PS_SOLID, 1, (flags & (BF_TOP | BF_LEFT)) == (BF_TOP | BF_LEFT) ? c.topLeft : c.bottomRight);
    CPen *old = dc->SelectObject(&pen);
    bool endTopRight = (flags & (BF_TOP | BF_RIGHT)) == (BF_TOP | BF_RIGHT);
    bool endBottomRight = (flags & (BF_BOTTOM | BF_RIGHT)) == (BF_BOTTOM | BF_RIGHT);
    if (endTopRight || (flags & (BF_BOTTOM | BF_LEFT)) == (BF_BOTTOM | BF_LEFT)) {
        dc->MoveTo(rc.left, rc.bottom - 1);
        dc->LineTo(rc.right, rc.top - 1);
    } else if (endBottomRight || (flags & (BF_TOP | BF_LEFT)) == (BF_TOP | BF_LEFT)) {
        dc->MoveTo(rc.left, rc.top);
        dc->LineTo(rc.right, rc.bottom);
    }
    dc->SelectObject(old);
}

// A filled triangle pointing in one direction, centred in rc.
void DrawArrow(CDC *dc, const RECT &rc, int direction, COLORREF color, int shift)
{
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    int size = std::max(1, (std::min(w, h) - 4) / 4 + 1); // rows: 4 (7 pixels wide) in a 16-pixel button
    int cx = rc.left + (w - 1) / 2 + shift, cy = rc.top + (h - 1) / 2 + shift;
    for (int i = 0; i < size; ++i) {
        int half = size - 1 - i;
        switch (direction) {
        case DFCS_SCROLLUP:
            Fill(dc, cx - half, cy - size / 2 + half, cx + half + 1, cy - size / 2 + half + 1, color);
            break;
        case DFCS_SCROLLDOWN:
        case DFCS_SCROLLCOMBOBOX:
            Fill(dc, cx - half, cy - size / 2 + i, cx + half + 1, cy - size / 2 + i + 1, color);
            break;
        case DFCS_SCROLLLEFT:
            Fill(dc, cx - size / 2 + half, cy - half, cx - size / 2 + half + 1, cy + half + 1, color);
            break;
        case DFCS_SCROLLRIGHT:
            Fill(dc, cx - size / 2 + i, cy - half, cx - size / 2 + i + 1, cy + half + 1, color);
            break;
        default: break;
        }
    }
}

// Glyphs drawn twice, white and offset then grey, look engraved when disabled.
template <typename F>
void DrawGlyph(UINT state, F draw)
{
    if (state & DFCS_INACTIVE) {
        draw(GetSysColor(COLOR_3DHILIGHT), 1);
        draw(GetSysColor(COLOR_3DSHADOW), 0);
    } else {
        draw(GetSysColor(COLOR_BTNTEXT), (state & DFCS_PUSHED) ? 1 : 0);
    }
}

void DrawButtonFace(CDC *dc, RECT &rc, UINT state)
{
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        UINT flags = BF_RECT | BF_MIDDLE | ((state & DFCS_MONO) ? BF_MONO : BF_FLAT);
        dc->DrawEdge(&rc, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, flags | BF_ADJUST);
        return;
    }
    if (state & (DFCS_PUSHED | DFCS_CHECKED))
        dc->DrawEdge(&rc, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST);
    else
        dc->DrawEdge(&rc, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST);
}

void DrawCheckMark(CDC *dc, int left, int top, COLORREF color)
{
    // Seven columns of three pixels: down two steps, then up four.
    static const int drop[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i)
        Fill(dc, left + i, top + drop[i], left + i + 1, top + drop[i] + 3, color);
}

void DrawCheckBox(CDC *dc, const RECT &rc, UINT state)
{
    int size = std::min<int>(13, std::min(rc.right - rc.left, rc.bottom - rc.top));
    RECT box{rc.left, rc.top + (rc.bottom - rc.top - size) / 2, 0, 0};
    box.right = box.left + size;
    box.bottom = box.top + size;
    dc->DrawEdge(&box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    bool grey = (state & (DFCS_PUSHED | DFCS_INACTIVE)) != 0;
    Fill(dc, box.left, box.top, box.right, box.bottom, GetSysColor(grey ? COLOR_BTNFACE : COLOR_WINDOW));
    if (state & DFCS_CHECKED) {
        COLORREF mark =
            GetSysColor((state & DFCS_INACTIVE) || (state & DFCS_BUTTON3STATE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
        int w = box.right - box.left, h = box.bottom - box.top;
        DrawCheckMark(dc, box.left + (w - 7) / 2, box.top + (h - 7) / 2, mark);
    }
}

void DrawRadio(CDC *dc, const RECT &rc, UINT state)
{
    int size = std::min<int>(12, std::min(rc.right - rc.left, rc.bottom - rc.top));
    int l = rc.left, t = rc.top + (rc.bottom - rc.top - size) / 2;
    HDC h = dc->m_hDC;
    auto renderer = Renderer::For(h);
    if (!renderer)
        return;
    auto ring = [&](int inset, COLORREF topLeft, COLORREF bottomRight) {
        BoxShape outer;
        outer.kind = BoxShape::Ellipse;
        QRect box = DeviceRect(h, l + inset, t + inset, l + size - inset, t + size - inset);
        outer.left = box.left();
        outer.top = box.top();
        outer.right = box.right() + 1;
        outer.bottom = box.bottom() + 1;
        BoxShape inner = outer.Deflated(1, 1);
        // The upper-left half of the ring takes the first colour.
        double cx = (outer.left + outer.right) / 2, cy = (outer.top + outer.bottom) / 2;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            int x0, x1, i0, i1;
            if (!outer.Row(y, x0, x1))
                continue;
            bool hasInner = inner.Row(y, i0, i1);
            for (int x = x0; x < x1; ++x) {
                if (hasInner && x >= i0 && x < i1)
                    continue;
                bool upperLeft = (x + 0.5 - cx) + (y + 0.5 - cy) < 0;
                renderer->FillRect(QRect(x, y, 1, 1),
                                   Paints::ForSolid(upperLeft ? topLeft : bottomRight, R2_COPYPEN, h->IsMono()));
            }
        }
        return inner;
    };
    ring(0, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT));
    BoxShape centre = ring(1, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
    bool grey = (state & (DFCS_PUSHED | DFCS_INACTIVE)) != 0;
    renderer->FillShape(centre, nullptr,
                        Paints::ForSolid(GetSysColor(grey ? COLOR_BTNFACE : COLOR_WINDOW), R2_COPYPEN, h->IsMono()));
    if (state & DFCS_CHECKED) {
        BoxShape dot = centre.Deflated(2.5, 2.5);
        dot.kind = BoxShape::Ellipse;
        COLORREF c = GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
        renderer->FillShape(dot, nullptr, Paints::ForSolid(c, R2_COPYPEN, h->IsMono()));
    }
}

void DrawCaptionGlyph(CDC *dc, const RECT &rc, UINT kind, COLORREF color, int shift)
{
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    int size = std::max(4, std::min(w, h) / 2); // 7 pixels in a 14-pixel caption button
    int l = rc.left + (w - size) / 2 + shift, t = rc.top + (h - size) / 2 + shift;
    switch (kind) {
    case DFCS_CAPTIONCLOSE:
        // Two crossing strokes two pixels wide.
        for (int i = 0; i < size; ++i) {
            Fill(dc, l + i, t + i, l + i + 2, t + i + 1, color);
            Fill(dc, l + size - 2 - i, t + i, l + size - i, t + i + 1, color);
        }
        break;
    case DFCS_CAPTIONMIN: Fill(dc, l, t + size - 2, l + size - 2, t + size, color); break;
    case DFCS_CAPTIONMAX:
        Fill(dc, l, t, l + size, t + 2, color);
        Fill(dc, l, t, l + 1, t + size, color);
        Fill(dc, l + size - 1, t, l + size, t + size, color);
        Fill(dc, l, t + size - 1, l + size, t + size, color);
        break;
    case DFCS_CAPTIONRESTORE: {
        int s = size * 2 / 3;
        for (int k = 0; k < 2; ++k) {
            int x = l + (k == 0 ? size - s : 0), y = t + (k == 0 ? 0 : size - s);
            Fill(dc, x, y, x + s, y + 2, color);
            Fill(dc, x, y, x + 1, y + s, color);
            Fill(dc, x + s - 1, y, x + s, y + s, color);
            Fill(dc, x, y + s - 1, x + s, y + s, color);
        }
        break;
    }
    case DFCS_CAPTIONHELP: {
        // A question mark: a hook and a dot.
        int m = l + size / 2;
        Fill(dc, m - 2, t, m + 2, t + 1, color);
        Fill(dc, m - 3, t + 1, m - 1, t + 3, color);
        Fill(dc, m + 1, t + 1, m + 3, t + size / 2, color);
        Fill(dc, m - 1, t + size / 2, m + 1, t + size / 2 + 1, color);
        Fill(dc, m - 1, t + size / 2 + 1, m + 1, t + size - 3, color);
        Fill(dc, m - 1, t + size - 2, m + 1, t + size, color);
        break;
    }
    default: break;
    }
}

} // namespace

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (lpRect)
        Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
                   clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    // Top and left lines stop one short of the far corners, which the
    // bottom-right colour takes; the background colour is left as the last
    // fill's colour, as the original does.
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    if (!m_hDC || !lpRect)
        return;
    auto r = Renderer::For(m_hDC);
    if (!r)
        return;
    // A one-pixel border of alternate pixels, inverted: drawing it twice removes it.
    QRect box = DeviceRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    if (box.isEmpty())
        return;
    QRegion border(box);
    border -= box.adjusted(1, 1, -1, -1);
    for (const QRect &part : border)
        r->InvertPixels(part, true);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    if (!m_hDC || !lpRect)
        return FALSE;
    RECT rc = *lpRect;
    if (nFlags & BF_DIAGONAL) {
        DrawDiagonal(this, rc, nEdge, nFlags);
        return TRUE;
    }
    UINT sides = nFlags & BF_RECT;
    if (nFlags & BF_MONO) {
        if (nEdge & BDR_OUTER)
            DrawRing(this, rc, sides, {GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)});
        if (nEdge & BDR_INNER)
            DrawRing(this, rc, sides, {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW)});
    } else if (nFlags & BF_FLAT) {
        if (nEdge & BDR_OUTER)
            DrawRing(this, rc, sides, {GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DSHADOW)});
        if (nEdge & BDR_INNER)
            DrawRing(this, rc, sides, {GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_3DFACE)});
    } else {
        if (nEdge & BDR_OUTER)
            DrawRing(this, rc, sides, OuterColors(nEdge, nFlags));
        if (nEdge & BDR_INNER)
            DrawRing(this, rc, sides, InnerColors(nEdge, nFlags));
    }
    if (nFlags & BF_MIDDLE)
        Fill(this, rc.left, rc.top, rc.right, rc.bottom, GetSysColor((nFlags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE));
    if (nFlags & BF_ADJUST)
        *lpRect = rc;
    return TRUE;
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    if (!m_hDC || !lpRect)
        return FALSE;
    RECT rc = *lpRect;
    const RECT whole = *lpRect; // glyphs are sized and centred on the whole control
    switch (nType) {
    case DFC_BUTTON:
        if (nState & DFCS_BUTTONPUSH) {
            DrawButtonFace(this, rc, nState);
        } else if (nState & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
            DrawRadio(this, rc, nState);
        } else {
            DrawCheckBox(this, rc, nState);
        }
        break;
    case DFC_CAPTION:
        DrawButtonFace(this, rc, nState);
        DrawGlyph(nState, [&](COLORREF c, int shift) { DrawCaptionGlyph(this, whole, nState & 0xFF, c, shift); });
        break;
    case DFC_SCROLL:
        if ((nState & 0xFF) == DFCS_SCROLLSIZEGRIP) {
            Fill(this, rc.left, rc.top, rc.right, rc.bottom, GetSysColor(COLOR_3DFACE));
            int size = std::min(rc.right - rc.left, rc.bottom - rc.top);
            for (int k = 0; k < size - 2; k += 4) {
                CPen light(PS_SOLID, 1, GetSysColor(COLOR_3DHILIGHT));
                CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_3DSHADOW));
                CPen *old = SelectObject(&light);
                MoveTo(rc.right - 1 - k - 3, rc.bottom - 1);
                LineTo(rc.right, rc.bottom - 1 - k - 4);
                SelectObject(&shadow);
                MoveTo(rc.right - 1 - k - 2, rc.bottom - 1);
                LineTo(rc.right, rc.bottom - 1 - k - 3);
                MoveTo(rc.right - 1 - k - 1, rc.bottom - 1);
                LineTo(rc.right, rc.bottom - 1 - k - 2);
                SelectObject(old);
            }
            break;
        }
        if (nState & DFCS_PUSHED) {
            // A pressed scroll arrow is flat, framed in the shadow colour.
            DrawEdge(&rc, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
        } else {
            DrawButtonFace(this, rc, nState & ~DFCS_PUSHED);
        }
        DrawGlyph(nState,
                  [&](COLORREF c, int shift) { DrawArrow(this, whole, static_cast<int>(nState & 0xFF), c, shift); });
        break;
    case DFC_MENU:
    case DFC_POPUPMENU: {
        COLORREF c = GetSysColor(COLOR_MENUTEXT);
        if ((nState & 0xFF) == DFCS_MENUARROW)
            DrawArrow(this, rc, DFCS_SCROLLRIGHT, c, 0);
        else if ((nState & 0xFF) == DFCS_MENUCHECK)
            DrawCheckMark(this, rc.left + (rc.right - rc.left - 7) / 2, rc.top + (rc.bottom - rc.top - 7) / 2, c);
        else if ((nState & 0xFF) == DFCS_MENUBULLET) {
            int cx = (rc.left + rc.right) / 2, cy = (rc.top + rc.bottom) / 2;
            Fill(this, cx - 2, cy - 1, cx + 2, cy + 1, c);
            Fill(this, cx - 1, cy - 2, cx + 1, cy + 2, c);
        }
        break;
    }
    default: return FALSE;
    }
    if (nState & DFCS_ADJUSTRECT)
        InflateRect(lpRect, -2, -2);
    return TRUE;
}
