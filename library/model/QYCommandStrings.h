// The string-table entries that describe the commands (what a command's
// Sprint loads), registered with the resource registry when the library
// loads; a program may register its own text under the same id.
#pragma once

#include "framework/base/CString.h"

#define IDS_QY_CMD_ADDCOMP 28077
#define IDS_QY_CMD_ADDCOMPS 28078
#define IDS_QY_CMD_ADDLINK 28079
#define IDS_QY_CMD_ALIGN_TOP 28080
#define IDS_QY_CMD_ALIGN_MIDDLE 28081
#define IDS_QY_CMD_ALIGN_BOTTOM 28082
#define IDS_QY_CMD_ALIGN_LEFT 28083
#define IDS_QY_CMD_ALIGN_CENTER 28084
#define IDS_QY_CMD_ALIGN_RIGHT 28085
#define IDS_QY_CMD_UNKNOWN 28086
#define IDS_QY_CMD_COLORCHANGE 28087
#define IDS_QY_CMD_FORMCOLORCHANGE 28088
#define IDS_QY_CMD_FORMSIZE 28090
#define IDS_QY_CMD_MOVECOMP 28091
#define IDS_QY_CMD_MOVECOMPS 28092
#define IDS_QY_CMD_ORDER_NONE 28093
#define IDS_QY_CMD_ORDER_TOFRONT 28094
#define IDS_QY_CMD_ORDER_TOBACK 28095
#define IDS_QY_CMD_ORDER_FORWARD 28096
#define IDS_QY_CMD_ORDER_BACKWARD 28097
#define IDS_QY_CMD_ORDERSINGLE 28098
#define IDS_QY_CMD_REMOVECOMP 28099
#define IDS_QY_CMD_REMOVECOMPS 28100
#define IDS_QY_CMD_REMOVELINK 28101
#define IDS_QY_CMD_SCALE 28102
#define IDS_QY_CMD_SAME_WIDTH 28103
#define IDS_QY_CMD_SAME_HEIGHT 28104
#define IDS_QY_CMD_SAME_SIZE 28105
#define IDS_QY_CMD_SIZEPORT 28106
#define IDS_QY_CMD_SIZESPOT 28107
#define IDS_QY_CMD_SPACING_ACROSS 28108
#define IDS_QY_CMD_SPACING_DOWN 28109
#define IDS_QY_CMD_ROTATE 28113
#define IDS_QY_CMD_GROUP 28114
#define IDS_QY_CMD_UNGROUP 28115

// Registers the descriptions (done once when the library loads; calling it
// again registers the library's texts again).
void QYRegisterCommandStrings();
// The text of a description id; empty when the id is not registered.
CString QYLoadCommandString(UINT nID);
