// The type codes of the command classes.  A command reports its code
// through GetCommandID; the views switch on it to refresh what changed.
// Codes 12, 15, 16 and 17 belong to no command class.
#pragma once

#define QY_CMD_MACRO (-1)
#define QY_CMD_ADDCOMP 1
#define QY_CMD_ADDCOMPS 2
#define QY_CMD_REMOVECOMP 3
#define QY_CMD_REMOVECOMPS 4
#define QY_CMD_MOVECOMP 5
#define QY_CMD_MOVECOMPS 6
#define QY_CMD_SCALE 7
#define QY_CMD_ALIGN 8
#define QY_CMD_SIZE 9
#define QY_CMD_SPACING 10
#define QY_CMD_FORMSIZE 11
#define QY_CMD_ORDERSINGLE 13
#define QY_CMD_ORDER 14
#define QY_CMD_SIZESPOT 18
#define QY_CMD_COLORCHANGE 19
#define QY_CMD_FORMCOLORCHANGE 20
#define QY_CMD_GROUP 21
#define QY_CMD_UNGROUP 22
#define QY_CMD_SIZEPORT 23
#define QY_CMD_ADDLINK 24
#define QY_CMD_REMOVELINK 25
#define QY_CMD_SCALEEXTEND 26
#define QY_CMD_ROTATEEXTEND 27
#define QY_CMD_ROTATE 28
