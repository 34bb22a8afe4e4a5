// The canvas view's command ids, status-bar panes, resources and private
// window messages, shared with the applications that build on the view.
#pragma once

#include "framework/app/AppIds.h"

// Edit commands of the standard range (other modules may define them too,
// with the same values).
#ifndef ID_EDIT_CLEAR
#define ID_EDIT_CLEAR 57632
#endif
#ifndef ID_EDIT_CLEAR_ALL
#define ID_EDIT_CLEAR_ALL 57633
#endif
#ifndef ID_EDIT_COPY
#define ID_EDIT_COPY 57634
#endif
#ifndef ID_EDIT_CUT
#define ID_EDIT_CUT 57635
#endif
#ifndef ID_EDIT_PASTE
#define ID_EDIT_PASTE 57637
#endif
#ifndef ID_EDIT_SELECT_ALL
#define ID_EDIT_SELECT_ALL 57642
#endif
#ifndef ID_EDIT_UNDO
#define ID_EDIT_UNDO 57643
#endif
#ifndef ID_EDIT_REDO
#define ID_EDIT_REDO 57644
#endif

// Arrangement.
#define ID_QY_ALIGN_LEFT 27773
#define ID_QY_ALIGN_RIGHT 27774
#define ID_QY_ALIGN_TOP 27775
#define ID_QY_ALIGN_BOTTOM 27780
#define ID_QY_ALIGN_CENTER 27781
#define ID_QY_ALIGN_MIDDLE 27782
#define ID_QY_CENTER_HORIZONTAL 27783
#define ID_QY_CENTER_VERTICAL 27784
#define ID_QY_SPACE_ACROSS 27785
#define ID_QY_SPACE_DOWN 27786
#define ID_QY_SAME_WIDTH 27787
#define ID_QY_SAME_HEIGHT 27788
#define ID_QY_SAME_SIZE 27800
#define ID_QY_BRING_TO_FRONT 27790
#define ID_QY_SEND_TO_BACK 27791
#define ID_QY_BRING_FORWARD 27792
#define ID_QY_SEND_BACKWARD 27793
#define ID_QY_GROUP 27794
#define ID_QY_UNGROUP 27795
#define ID_QY_FLIP_HORIZONTAL 32036
#define ID_QY_FLIP_VERTICAL 32037
#define ID_QY_ROTATE_LEFT 32038
#define ID_QY_ROTATE_RIGHT 32039
#define ID_QY_FREE_ROTATE 32040
#define ID_QY_NUDGE_LEFT 32007
#define ID_QY_NUDGE_RIGHT 32008
#define ID_QY_NUDGE_TOP 32009
#define ID_QY_NUDGE_BOTTOM 32010
#define ID_QY_TAB_ORDER 27801

// Mode switches.
#define ID_QY_DESIGN_MODE 32042
#define ID_QY_SNAP_TO_GRID 27772
#define ID_QY_SHOW_MARGIN 32016
#define ID_QY_EDIT_POINTS 32041

// Dialog commands, export and page setup.
#define ID_QY_TEXT_PROPERTIES 32018
#define ID_QY_LINE_PROPERTIES 32031
#define ID_QY_FILL_PROPERTIES 32032
#define ID_QY_SHADOW_PROPERTIES 32034
#define ID_QY_PROPERTIES 27798
#define ID_QY_BULLET_PROPERTIES 32035
#define ID_QY_COMPONENTS 27797
#define ID_QY_FORM_SETTING 27799
#define ID_QY_HEADER_FOOTER 32033
#define ID_QY_GRID_PROPERTIES 27829
#define ID_QY_FILE_EXPORT 27830

// Status-bar panes: the position and the size of what is selected.
#define ID_QY_INDICATOR_POSITION 26038
#define ID_QY_INDICATOR_SIZE 26039

// Resources.
#define IDR_QY_CONTEXT_MENU 26016
#define IDC_QY_COMPONENT 26018
#define IDC_QY_ROTATE 26923
#define IDS_QY_NO_PRINTER 27831

// Private messages: a toolbox item is about to be dropped, and the colour
// bar hands over new colours (a record of three 32-bit words made with
// new DWORD[3]: text colour, back colour, unused; the view deletes it).
#define WM_QY_TOOLBOX_ITEM 1234
#define WM_QY_PALETTE_COLORS 1235
