#include "editor/controls/SECColorWellOtherButton.h"

#include "editor/controls/SECPopupColorWell.h"

#include "framework/controls/DialogManager.h"
#include "framework/window/InputApi.h"
#include "framework/window/VirtualKeys.h"

IMPLEMENT_DYNAMIC(SECColorWellOtherButton, CButton)

BEGIN_MESSAGE_MAP(SECColorWellOtherButton, CButton)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

SECColorWell *SECColorWellOtherButton::GetWell() const
{
    CWnd *parent = GetParent();
    if (!parent)
        parent = GetOwner();
    if (!parent || !parent->IsKindOf(RUNTIME_CLASS(SECColorWell)))
        return nullptr;
    return static_cast<SECColorWell *>(parent);
}

UINT SECColorWellOtherButton::OnGetDlgCode()
{
    return DLGC_BUTTON | DLGC_WANTTAB;
}

void SECColorWellOtherButton::OnKeyDown(UINT nChar, UINT, UINT)
{
    SECColorWell *well = GetWell();
    bool navigation = nChar == VK_TAB || nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_UP || nChar == VK_DOWN;
    if (!well || !navigation) {
        Default();
        return;
    }
    if (well->IsKindOf(RUNTIME_CLASS(SECPopupColorWell))) {
        well->SetFocus();
        Default();
        return;
    }
    if (nChar != VK_TAB) {
        Default();
        return;
    }
    if (GetKeyState(VK_SHIFT) < 0) {
        well->SetFocus();
        return;
    }
    CWnd *dialog = well->GetParent();
    if (!dialog)
        return;
    HWND next = ::GetNextDlgTabItem(dialog->GetSafeHwnd(), well->GetSafeHwnd(), FALSE);
    if (next)
        ::SetFocus(next);
}

void SECColorWellOtherButton::OnKillFocus(CWnd *pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    SECColorWell *well = GetWell();
    if (well && pNewWnd != well && well->IsKindOf(RUNTIME_CLASS(SECPopupColorWell)))
        static_cast<SECPopupColorWell *>(well)->Close();
}
