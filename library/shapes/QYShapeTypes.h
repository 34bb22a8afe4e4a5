// Component type codes of the drawn shapes, lines and connectors.  The
// default property set of each component carries its code.
#pragma once

#define QY_COMP_ELLIPSE 23
#define QY_COMP_LINE 24
#define QY_COMP_POLYGON 27
#define QY_COMP_BEZIERLINE 28
#define QY_COMP_CLOSEBEZIER 29
#define QY_COMP_RECTANGLE 30
#define QY_COMP_DIAMOND_SHAPE 51
#define QY_COMP_TRAPEZOID 52
#define QY_COMP_PARALLELOGRAM 53
#define QY_COMP_TRIANGLE 54
#define QY_COMP_RIGHTTRIANGLE 55
#define QY_COMP_HEXAGON 56
#define QY_COMP_CROSS 57
#define QY_COMP_PENTAGON 58
#define QY_COMP_CUBE 59
#define QY_COMP_BEVEL 60
#define QY_COMP_CORNER 61
#define QY_COMP_RIGHTARROW 62
#define QY_COMP_TOPARROW 63
#define QY_COMP_LEFTRIGHTARROW 64
#define QY_COMP_UPDOWNARROW 65
#define QY_COMP_QUADARROW 66
#define QY_COMP_LEFTRIGHTUPARROW 67
#define QY_COMP_RECTCALLOUT 68
#define QY_COMP_FIVESTAR 69
#define QY_COMP_CAN 70
#define QY_COMP_ROUNDCALLOUT 71
#define QY_COMP_GROUP 89
#define QY_COMP_LINK 91

// The fill colour of new shapes: RGB(187, 224, 227).
#define QY_SHAPE_FILL_COLOR 0x00E3E0BB

// Labels and pictures.
#define QY_COMP_IMAGE 22
#define QY_COMP_STATIC 2
#define QY_COMP_HYLINK 32
