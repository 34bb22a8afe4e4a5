// CToolBar's layout: one row along a horizontal edge, one column along a
// vertical edge, rows no wider than a given width when floating. A
// separator where a row breaks becomes the break itself and is not shown.
#include "framework/appui/ToolBar.h"

namespace {

constexpr int kSeparatorWidth = 8;
constexpr int kGripperWidth = 8;
constexpr int kNoLimit = 32767;

} // namespace

CSize CToolBar::Edges() const
{
    CSize size(m_rectBorders.left + m_rectBorders.right, m_rectBorders.top + m_rectBorders.bottom);
    if (m_dwStyle & CBRS_BORDER_LEFT)
        size.cx += kBorderSize;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        size.cx += kBorderSize;
    if (m_dwStyle & CBRS_BORDER_TOP)
        size.cy += kBorderSize;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        size.cy += kBorderSize;
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating()) {
        if (IsHorzBar() || !(m_dwStyle & CBRS_ORIENT_VERT))
            size.cx += kGripperWidth;
        else
            size.cy += kGripperWidth;
    }
    return size;
}

CPoint CToolBar::Origin() const
{
    CPoint point(m_rectBorders.left, m_rectBorders.top);
    if (m_dwStyle & CBRS_BORDER_LEFT)
        point.x += kBorderSize;
    if (m_dwStyle & CBRS_BORDER_TOP)
        point.y += kBorderSize;
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating()) {
        if (IsHorzBar() || !(m_dwStyle & CBRS_ORIENT_VERT))
            point.x += kGripperWidth;
        else
            point.y += kGripperWidth;
    }
    return point;
}

int CToolBar::ButtonWidth(const Button &button, BOOL bVertical) const
{
    if (button.nStyle & TBBS_SEPARATOR)
        return bVertical ? m_sizeButton.cx : kSeparatorWidth;
    return m_sizeButton.cx;
}

// Places the buttons of one layout in rows (bVertical: one button a row)
// and sets their rectangles relative to the first button's corner.
CSize CToolBar::ButtonsSize(std::vector<Button> &buttons, int nWidth, BOOL bWrap, BOOL bVertical) const
{
    CSize size(0, 0);
    int x = 0;
    int y = 0;
    int nRowHeight = 0;
    bool bRowStart = true;
    for (size_t i = 0; i < buttons.size(); ++i) {
        Button &button = buttons[i];
        button.nStyle &= ~TBBS_WRAPPED;
        button.rect.SetRectEmpty();
        if (button.nStyle & TBBS_HIDDEN)
            continue;
        const bool bSeparator = (button.nStyle & TBBS_SEPARATOR) != 0;
        const int cx = ButtonWidth(button, bVertical);
        const int cy = bSeparator && bVertical ? kSeparatorWidth : m_sizeButton.cy;
        const bool bBreak = !bRowStart && (bVertical || (bWrap && x + cx > nWidth));
        if (bBreak) {
            y += nRowHeight;
            x = 0;
            nRowHeight = 0;
            bRowStart = true;
            if (i > 0)
                buttons[i - 1].nStyle |= TBBS_WRAPPED;
            // A separator where a row breaks is the break.
            if (bSeparator && !bVertical)
                continue;
        }
        if (bSeparator && bRowStart && !bVertical && bWrap)
            continue;
        button.rect.SetRect(x, y, x + cx, y + cy);
        x += cx;
        nRowHeight = std::max(nRowHeight, cy);
        size.cx = std::max<int>(size.cx, x);
        bRowStart = false;
    }
    size.cy = y + nRowHeight;
    return size;
}

void CToolBar::PlaceButtons(std::vector<Button> &buttons) const
{
    const CPoint origin = Origin();
    for (Button &button : buttons)
        if (!button.rect.IsRectEmpty())
            button.rect.OffsetRect(origin);
}

CSize CToolBar::LayoutButtons(int nWidth, BOOL bWrap, BOOL bVertical)
{
    const CSize size = ButtonsSize(m_buttons, nWidth, bWrap, bVertical);
    PlaceButtons(m_buttons);
    UpdateToolTips();
    return size + Edges();
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = LayoutButtons(kNoLimit, FALSE, !bHorz);
    if (bStretch) {
        if (bHorz)
            size.cx = kNoLimit;
        else
            size.cy = kNoLimit;
    }
    return size;
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    const CSize edges = Edges();
    int nWidth = kNoLimit;
    if (dwMode & LM_MRUWIDTH) {
        nWidth = m_nMRUWidth;
    } else if (dwMode & LM_LENGTHY) {
        // The narrowest rows that fit the height: widen one button at a
        // time until the rows are few enough.
        const int nHeight = nLength - edges.cy;
        std::vector<Button> trial = m_buttons;
        const int nFull = ButtonsSize(trial, kNoLimit, FALSE, FALSE).cx;
        for (nWidth = m_sizeButton.cx; nWidth < nFull; nWidth += m_sizeButton.cx)
            if (ButtonsSize(trial, nWidth, TRUE, FALSE).cy <= nHeight)
                break;
    } else if (nLength >= 0) {
        nWidth = std::max<int>(nLength - edges.cx, m_sizeButton.cx);
    }
    std::vector<Button> trial = m_buttons;
    CSize size = ButtonsSize(trial, nWidth, TRUE, FALSE) + edges;
    if (dwMode & LM_COMMIT) {
        m_nMRUWidth = nWidth;
        m_buttons = std::move(trial);
        PlaceButtons(m_buttons);
        UpdateToolTips();
    }
    return size;
}

void CToolBar::OnSize(UINT, int cx, int)
{
    // A bar placed by hand (in a dialog, floating) lays itself out for its
    // own size; the frame lays docked bars out through CalcFixedLayout.
    if (IsFloating() && (m_dwStyle & CBRS_SIZE_DYNAMIC))
        CalcDynamicLayout(cx, LM_HORZ | LM_COMMIT);
    else
        LayoutButtons(kNoLimit, FALSE, (m_dwStyle & CBRS_ORIENT_VERT) && !(m_dwStyle & CBRS_ORIENT_HORZ));
    Invalidate();
}
