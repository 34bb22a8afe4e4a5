// The canvas view's resources: the status-bar texts of its commands, its
// message string, its context menu and its cursors, registered when the
// library loads.  A program that registers the same ids later replaces
// them.
#include "library/view/QYViewResources.h"

#include "framework/resources/ResourceRegistry.h"
#include "framework/resources/Resources.h"
#include "framework/window/MenuApi.h"
#include "library/view/QYViewIds.h"

namespace {

const RESOURCE_STRING kViewStrings[] = {
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ID_EDIT_REDO, "Redo the previously undone action\nRedo"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ID_EDIT_CLEAR, "Erase the selection\nErase"},
    {ID_EDIT_SELECT_ALL, "Select the entire document\nSelect All"},
    {ID_EDIT_CLEAR_ALL, "Erase everything\nErase All"},
    {ID_QY_ALIGN_LEFT, "Allign left the selected components"},
    {ID_QY_ALIGN_CENTER, "Allign center the selected components horizontally"},
    {ID_QY_ALIGN_RIGHT, "Allign right the selected components"},
    {ID_QY_ALIGN_TOP, "Allign top the selected components"},
    {ID_QY_ALIGN_MIDDLE, "Allign center the selected components veritcally"},
    {ID_QY_ALIGN_BOTTOM, "Allign bottom the selected components"},
    {ID_QY_SAME_WIDTH, "Set the selected components same width"},
    {ID_QY_SAME_HEIGHT, "Set the selected components same heigth"},
    {ID_QY_SAME_SIZE, "Set the selected components same size"},
    {ID_QY_CENTER_HORIZONTAL, "Allign center the selected component horizontally"},
    {ID_QY_CENTER_VERTICAL, "Allign center the selected component horizontally"},
    {ID_QY_SPACE_ACROSS, "Evenly spaces the selected components horizontally"},
    {ID_QY_SPACE_DOWN, "Evenly spaces the selected components vertically"},
    {ID_QY_BRING_TO_FRONT, "Bring front the selected component"},
    {ID_QY_SEND_TO_BACK, "Bring back the selected component"},
    {ID_QY_BRING_FORWARD, "Bring forward the selected component"},
    {ID_QY_SEND_BACKWARD, "Bring backward the selected component"},
    {ID_QY_NUDGE_LEFT, "Move left the selected component slightly"},
    {ID_QY_NUDGE_RIGHT, "Move right the selected component slightly"},
    {ID_QY_NUDGE_TOP, "Move up the selected component slightly"},
    {ID_QY_NUDGE_BOTTOM, "Move down the selected component  slightly"},
    {ID_QY_TAB_ORDER, "Adds the tab order for the component"},
    {ID_QY_TEXT_PROPERTIES, "Set caption,style,allign and color"},
    {ID_QY_LINE_PROPERTIES, "Set color,style,length and width of line and arrow"},
    {ID_QY_FILL_PROPERTIES, "Set the background color ,patern and foreground color"},
    {ID_QY_SHADOW_PROPERTIES, "Show shadow setting dialog"},
    {ID_QY_PROPERTIES, "Set the selected component's general property"},
    {ID_QY_COMPONENTS, "List all optional component"},
    {ID_QY_FORM_SETTING, "Set page's caption,color and background color"},
    {ID_QY_HEADER_FOOTER, "Popup the setting dialog of header and footer when printing"},
    {ID_QY_GRID_PROPERTIES, "Set the grid's color and space visible"},
    {ID_QY_FILE_EXPORT, "Export the component and form"},
    {ID_FILE_PAGE_SETUP, "Change the printing options\nPage Setup"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_DIRECT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    {IDS_QY_NO_PRINTER, "No correct printer installed!"},
};

// The context menu: its first sub-menu is what the view shows.
const RESOURCE_MENU_ITEM kContextMenu[] = {
    {MF_POPUP | MF_END, 0, "Canvas"},
    {MF_STRING, ID_EDIT_CUT, "Cu&t\tCtrl + X"},
    {MF_STRING, ID_EDIT_COPY, "&Copy\tCtrl + C"},
    {MF_STRING, ID_EDIT_PASTE, "&Paste\tCtrl + V"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_EDIT_CLEAR, "&Delete\tDel"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_EDIT_SELECT_ALL, "Select &All"},
    {MF_STRING, ID_EDIT_CLEAR_ALL, "Cle&ar All"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_QY_FORM_SETTING, "&Page Setting..."},
    {MF_STRING, ID_QY_GRID_PROPERTIES, "Grid Pro&perties..."},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_QY_BULLET_PROPERTIES, "&Bullets..."},
    {MF_SEPARATOR, 0, nullptr},
    {MF_POPUP, 0, "&Properties"},
    {MF_STRING, ID_QY_TEXT_PROPERTIES, "&Text..."},
    {MF_STRING, ID_QY_LINE_PROPERTIES, "&Line..."},
    {MF_STRING, ID_QY_FILL_PROPERTIES, "&Fill..."},
    {MF_STRING, ID_QY_SHADOW_PROPERTIES, "&Shadow..."},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING | MF_END, ID_QY_PROPERTIES, "&Custom..."},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_QY_COMPONENTS, "Com&ponents..."},
    {MF_POPUP | MF_END, 0, "Format"},
    {MF_POPUP, 0, "&Order"},
    {MF_STRING, ID_QY_BRING_TO_FRONT, "&Bring to Front"},
    {MF_STRING, ID_QY_SEND_TO_BACK, "&Send to Back"},
    {MF_STRING, ID_QY_BRING_FORWARD, "Bring &Forward"},
    {MF_STRING | MF_END, ID_QY_SEND_BACKWARD, "Send Bac&kward"},
    {MF_POPUP, 0, "&Align"},
    {MF_STRING, ID_QY_ALIGN_LEFT, "Align &Left"},
    {MF_STRING, ID_QY_ALIGN_CENTER, "Align &Center"},
    {MF_STRING, ID_QY_ALIGN_RIGHT, "Align &Right"},
    {MF_STRING, ID_QY_ALIGN_TOP, "Align &Top"},
    {MF_STRING, ID_QY_ALIGN_MIDDLE, "Align &Middle"},
    {MF_STRING | MF_END, ID_QY_ALIGN_BOTTOM, "Align &Bottom"},
    {MF_POPUP, 0, "&Make Same Size"},
    {MF_STRING, ID_QY_SAME_WIDTH, "&Width"},
    {MF_STRING, ID_QY_SAME_HEIGHT, "&Height"},
    {MF_STRING | MF_END, ID_QY_SAME_SIZE, "&Both"},
    {MF_POPUP, 0, "&Center in Form"},
    {MF_STRING, ID_QY_CENTER_HORIZONTAL, "&Horizontal"},
    {MF_STRING | MF_END, ID_QY_CENTER_VERTICAL, "&Vertical"},
    {MF_POPUP, 0, "&Space Evenly"},
    {MF_STRING, ID_QY_SPACE_ACROSS, "&Across"},
    {MF_STRING | MF_END, ID_QY_SPACE_DOWN, "&Down"},
    {MF_POPUP, 0, "Nudge"},
    {MF_STRING, ID_QY_NUDGE_LEFT, "Nudge Left"},
    {MF_STRING, ID_QY_NUDGE_RIGHT, "Nudge Right"},
    {MF_STRING, ID_QY_NUDGE_TOP, "Nudge Top"},
    {MF_STRING | MF_END, ID_QY_NUDGE_BOTTOM, "Nudge Bottom"},
    {MF_POPUP, 0, "&Rotate or Flip"},
    {MF_STRING, ID_QY_FLIP_HORIZONTAL, "Flip &Horizontal"},
    {MF_STRING, ID_QY_FLIP_VERTICAL, "Flip Vertical"},
    {MF_STRING, ID_QY_ROTATE_LEFT, "Rotate &Left"},
    {MF_STRING, ID_QY_ROTATE_RIGHT, "Rotate &Right"},
    {MF_STRING | MF_END, ID_QY_FREE_ROTATE, "&Free Rotate"},
    {MF_STRING, ID_QY_GROUP, "&Group"},
    {MF_STRING, ID_QY_UNGROUP, "&UnGroup"},
    {MF_STRING, ID_QY_EDIT_POINTS, "Edit &Points"},
    {MF_STRING, ID_QY_TAB_ORDER, "&Tab &Order\tCtrl+D"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_QY_HEADER_FOOTER, "&Header and Footer..."},
    {MF_STRING | MF_END, ID_QY_FORM_SETTING, "Form &Setting..."},
};

// The creation tools show a cross-hair (hot spot at its centre) with a
// badge of what they draw; moving and rotating show their arrows around the
// hot spot; the hover cursors over a component keep the arrow's tip.
const QY_VIEW_CURSOR kViewCursors[] = {
    {IDC_QY_COMPONENT, ":/plexo/view/cursors/component.xpm", 0, 0},
    {IDC_QY_MOVE, ":/plexo/view/cursors/move.xpm", 15, 15},
    {IDC_QY_CROSS, ":/plexo/view/cursors/cross.xpm", 15, 15},
    {IDC_QY_RECTANGLE, ":/plexo/view/cursors/rectangle.xpm", 8, 8},
    {IDC_QY_ROTATING, ":/plexo/view/cursors/rotating.xpm", 15, 15},
    {IDC_QY_STATIC, ":/plexo/view/cursors/static.xpm", 8, 8},
    {IDC_QY_LINK, ":/plexo/view/cursors/link.xpm", 8, 8},
    {IDC_QY_ELLIPSE, ":/plexo/view/cursors/ellipse.xpm", 8, 8},
    {IDC_QY_POLYGON, ":/plexo/view/cursors/polygon.xpm", 8, 8},
    {IDC_QY_CLOSE_BEZIER, ":/plexo/view/cursors/close_bezier.xpm", 8, 8},
    {IDC_QY_LINE, ":/plexo/view/cursors/line.xpm", 8, 8},
    {IDC_QY_BEZIER, ":/plexo/view/cursors/bezier.xpm", 8, 8},
    {IDC_QY_POLYLINE, ":/plexo/view/cursors/polyline.xpm", 8, 8},
    {IDC_QY_ON_PORT, ":/plexo/view/cursors/on_port.xpm", 15, 15},
    {IDC_QY_HAND, ":/plexo/view/cursors/hand.xpm", 15, 15},
    {IDC_QY_HAND_GRAB, ":/plexo/view/cursors/hand_grab.xpm", 15, 15},
    {IDC_QY_ROTATE, ":/plexo/view/cursors/rotate.xpm", 0, 0},
};

const bool kRegistered = [] {
    QYRegisterViewResources();
    return true;
}();

} // namespace

void QYRegisterViewResources()
{
    PlexoRegisterStrings(kViewStrings, static_cast<int>(sizeof(kViewStrings) / sizeof(kViewStrings[0])));
    PlexoRegisterMenu(IDR_QY_CONTEXT_MENU, kContextMenu,
                      static_cast<int>(sizeof(kContextMenu) / sizeof(kContextMenu[0])));
    for (const QY_VIEW_CURSOR& cursor : kViewCursors)
        PlexoRegisterCursor(cursor.nID, cursor.lpszPath, cursor.xHotSpot, cursor.yHotSpot);
}

const QY_VIEW_CURSOR* QYGetViewCursors(int* pnCount)
{
    *pnCount = static_cast<int>(sizeof(kViewCursors) / sizeof(kViewCursors[0]));
    return kViewCursors;
}
