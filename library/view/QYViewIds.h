// The canvas view's command ids, status-bar panes, resources and private
// window messages, shared with the applications that build on the view.
#pragma once

#include "framework/app/AppIds.h"

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

// Tools.
#define ID_QY_TOOL_SELECT 27828
#define ID_QY_TOOL_STATIC 27803
#define ID_QY_TOOL_IMAGE 27827
#define ID_QY_TOOL_ELLIPSE 31006
#define ID_QY_TOOL_LINE 32000
#define ID_QY_TOOL_ARROW_LINE 32002
#define ID_QY_TOOL_POLYLINE 32001
#define ID_QY_TOOL_POLYGON 32003
#define ID_QY_TOOL_BEZIER_LINE 32004
#define ID_QY_TOOL_CLOSE_BEZIER 32013
#define ID_QY_TOOL_RECTANGLE 32015
#define ID_QY_TOOL_HYLINK 27806
#define ID_QY_TOOL_LINK_ELBOW 32017
#define ID_QY_TOOL_LINK_FREE 32019
#define ID_QY_TOOL_HAND 32014

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
#define IDC_QY_MOVE 26044
#define IDC_QY_CROSS 26065
#define IDC_QY_RECTANGLE 26158
#define IDC_QY_ROTATING 26168
#define IDC_QY_STATIC 26176
#define IDC_QY_LINK 26184
#define IDC_QY_ELLIPSE 26193
#define IDC_QY_POLYGON 26214
#define IDC_QY_CLOSE_BEZIER 26215
#define IDC_QY_LINE 26216
#define IDC_QY_BEZIER 26217
#define IDC_QY_POLYLINE 26218
#define IDC_QY_ON_PORT 26919
#define IDC_QY_HAND 26921
#define IDC_QY_HAND_GRAB 26922
#define IDS_QY_NO_PRINTER 27831

// Private messages: a toolbox item is about to be dropped, and the colour
// bar hands over new colours (a record of three 32-bit words made with
// new DWORD[3]: text colour, back colour, unused; the view deletes it).
#define WM_QY_TOOLBOX_ITEM 1234
#define WM_QY_PALETTE_COLORS 1235
