// The colour well's mouse, keyboard and focus handling and its colour
// dialog.
#include "editor/controls/SECColorWell.h"

#include "editor/controls/SECColorWellOtherButton.h"

#include "framework/controls/ColorDialog.h"
#include "framework/controls/DialogManager.h"
#include "framework/window/InputApi.h"
#include "framework/window/VirtualKeys.h"
#include "framework/window/WindowDC.h"

void SECColorWell::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    SECWellCell cell{};
    if (!HitTest(point, cell)) {
        Default();
        return;
    }
    SelectCell(cell.column, cell.row, SECWellByChoice);
}

void SECColorWell::OnMouseMove(UINT, CPoint point)
{
    if (!m_bTrackMouse)
        return;
    SECWellCell cell{};
    if (HitTest(point, cell) && !(cell.column == m_nSelColumn && cell.row == m_nSelRow))
        SelectCell(cell.column, cell.row, SECWellByHover);
}

void SECColorWell::MoveByKey(UINT nChar)
{
    SECWellGridShape shape{m_nColumns, m_nRows, CustomAvailable() != FALSE};
    SECWellCell next = SECColorWellNextCell(shape, {m_nSelColumn, m_nSelRow}, nChar);
    SelectCell(next.column, next.row, SECWellByKey);
}

void SECColorWell::TabOut(BOOL bBackward)
{
    if (!bBackward) {
        if (m_pOtherButton && m_pOtherButton->GetSafeHwnd())
            m_pOtherButton->SetFocus();
        return;
    }
    CWnd *parent = GetParent();
    if (!parent)
        return;
    HWND previous = ::GetNextDlgTabItem(parent->GetSafeHwnd(), GetSafeHwnd(), TRUE);
    if (previous && previous != GetSafeHwnd())
        ::SetFocus(previous);
}

void SECColorWell::OnKeyDown(UINT nChar, UINT, UINT)
{
    switch (nChar) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: MoveByKey(nChar); return;
    case VK_TAB: TabOut(GetKeyState(VK_SHIFT) < 0); return;
    default: Default(); return;
    }
}

UINT SECColorWell::OnGetDlgCode()
{
    UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bHasOtherButton)
        code |= DLGC_WANTTAB;
    return code;
}

void SECColorWell::OnSetFocus(CWnd *pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    // Reverse tabbing enters the well at its last stop: the button.
    if (m_pOtherButton && m_pOtherButton->GetSafeHwnd() && GetKeyState(VK_SHIFT) < 0 && pOldWnd != m_pOtherButton) {
        m_pOtherButton->SetFocus();
        return;
    }
    if (!HasFocusFrame())
        return;
    m_bFocused = TRUE;
    Invalidate(FALSE);
}

void SECColorWell::OnKillFocus(CWnd *pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (!HasFocusFrame() || !m_bFocused)
        return;
    m_bFocused = FALSE;
    Invalidate(FALSE);
}

BOOL SECColorWell::ChooseOtherColor()
{
    CColorDialog dialog(GetColor(), m_dwColorDialogFlags, this);
    if (m_pCustomColors)
        dialog.m_cc.lpCustColors = m_pCustomColors;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    SetColor(dialog.GetColor());
    return TRUE;
}

void SECColorWell::OnOtherColor()
{
    if (ChooseOtherColor())
        NotifyColor();
}
