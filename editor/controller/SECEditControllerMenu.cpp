// The context menu: Undo, Redo, Cut, Copy, Paste and Select All, opened
// from the keyboard or at the mouse.
#include "editor/controller/SECEditController.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/controller/ISECViewport.h"

#include "framework/resources/Resources.h"
#include "framework/window/Menu.h"

namespace {

const RESOURCE_MENU_ITEM kContextMenu[] = {
    {MF_POPUP | MF_END, 0, "Edit"},
    {MF_STRING, ID_EDIT_UNDO, "&Undo"},
    {MF_STRING, ID_EDIT_REDO, "&Redo"},
    {MF_SEPARATOR, 0, ""},
    {MF_STRING, ID_EDIT_CUT, "Cu&t"},
    {MF_STRING, ID_EDIT_COPY, "&Copy"},
    {MF_STRING, ID_EDIT_PASTE, "&Paste"},
    {MF_SEPARATOR, 0, ""},
    {MF_STRING | MF_END, ID_EDIT_SELECT_ALL, "Select &All"},
};

const bool kRegistered = [] {
    PlexoRegisterMenu(IDR_SECEDIT_CONTEXT_MENU, kContextMenu,
                      static_cast<int>(sizeof(kContextMenu) / sizeof(kContextMenu[0])));
    return true;
}();

} // namespace

BOOL SECEditController::CreateContextMenu(CMenu &menu, CMenu *&pPopup)
{
    pPopup = nullptr;
    if (!kRegistered || !menu.LoadMenu(IDR_SECEDIT_CONTEXT_MENU))
        return FALSE;
    pPopup = menu.GetSubMenu(0);
    return pPopup && pPopup->GetMenuItemCount() > 0;
}

void SECEditController::UpdateMenuItems(CMenu *pPopup)
{
    CCmdUI state;
    state.m_pMenu = pPopup;
    state.m_nIndexMax = pPopup->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopup->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
            continue;
        state.DoUpdate(this, FALSE);
    }
}

void SECEditController::OnContextMenu(CWnd *, CPoint point)
{
    if (point.x == -1 && point.y == -1) {
        // From the keyboard: near the window's top-left corner.
        point = CPoint(5, 5);
        ClientToScreen(&point);
    } else if (GetBuffer()) {
        CPoint client = point;
        ScreenToClient(&client);
        CPoint document = client;
        if (GetViewport())
            GetViewport()->DPtoLP(&document, 1);
        const SECEditPosition position = PointToPosition(document, TRUE);
        if (!IsInSelection(position)) {
            ClearSelection(TRUE);
            MoveCaretTo(position.m_nLine, position.m_nCol, FALSE);
        }
    }
    CMenu menu;
    CMenu *pPopup = nullptr;
    if (CreateContextMenu(menu, pPopup)) {
        UpdateMenuItems(pPopup);
        if (m_bCaretExists)
            HideCaret();
        pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
        if (m_bCaretExists)
            ShowCaret();
    }
    menu.DestroyMenu();
}
