// The component type codes.  A component's default property set carries its
// code; the data model's factory makes, names and recognises components by
// it.  Codes 25, 26, 31 and 34 to 50 are not assigned.
#pragma once

#define QY_COMP_NONE 0
#define QY_COMP_STATICRECT 1
#define QY_COMP_STATIC 2
#define QY_COMP_EDITBOX 3
#define QY_COMP_FRAME 4
#define QY_COMP_BUTTON 5
#define QY_COMP_CHECKBOX 6
#define QY_COMP_RADIO 7
#define QY_COMP_COMBOBOX 8
#define QY_COMP_LISTBOX 9
#define QY_COMP_HSCROLLBAR 10
#define QY_COMP_VSCROLLBAR 11
#define QY_COMP_SPINEDITBOX 12
#define QY_COMP_PROGRESSCTRL 13
#define QY_COMP_SLIDERCTRL 14
#define QY_COMP_LISTCTRL 15
#define QY_COMP_TABCTRL 16
#define QY_COMP_CALENDAR 17
#define QY_COMP_SEPARATOR 18
#define QY_COMP_ROUNDBUTTON 19
#define QY_COMP_MARQUEE 20
#define QY_COMP_SELECTEDITBOX 21
#define QY_COMP_IMAGE 22
#define QY_COMP_ELLIPSE 23
#define QY_COMP_LINE 24
#define QY_COMP_POLYGON 27
#define QY_COMP_BEZIERLINE 28
#define QY_COMP_CLOSEBEZIER 29
#define QY_COMP_RECTANGLE 30
#define QY_COMP_HYLINK 32
#define QY_COMP_WMF 33
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
// The first code of a program's own components.
#define QY_COMP_CUSTOM 101
