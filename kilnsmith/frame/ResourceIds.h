// Resource and command ids of Kilnsmith's main frame, its menus, toolbar,
// notification-area icon, dialogs and About box.  The wizard commands of
// the application object share the menus, so their ids live here too.
#pragma once

#include "framework/app/AppIds.h"

// ---- Resources
#define IDR_MAINFRAME 101        // main frame: menu, accelerators, toolbar, icon, title
#define IDR_KILNSMITHTYPE 102    // document frames' menu (the document template's)
#define IDR_TRAYMENU 104         // the notification icon's menu; also the icon's id
#define IDI_SMALLICON 105        // the frame's small icon
#define IDD_ABOUTBOX 107         // About Plexo Kilnsmith
#define IDD_WINDOWS 130          // the "Windows" dialog
#define IDB_ABOUT 131            // the About box's picture
#define IDD_OPTIONS 140          // "Tarno Options"
#define IDS_HOME_PAGE 7001       // the product's home-page address
#define IDS_SUPPORT_ADDRESS 7002 // the maker's support address

// ---- Commands of the frame and the icon
#define ID_FILE_OPTIONS 32779
#define ID_TRAY_EXIT 32782
#define ID_TRAY_OPEN 32783
#define ID_HELP_HOMEPAGE 32797
#define ID_WINDOW_CLOSE_ALL 32852
#define ID_WINDOW_CLOSE 32946
#define ID_WINDOW_WINDOWS 32947
#define ID_WINDOW_NEXT 32948
#define ID_WINDOW_PREVIOUS 32949

// ---- Wizard commands (handled by the application object)
#define ID_WIZARD_MULTI_MODEL 32773
#define ID_WIZARD_SINGLE_COMMAND 32774
#define ID_WIZARD_DRAW_COMPONENT 32775
#define ID_WIZARD_PROPERTIES 32776
#define ID_WIZARD_SINGLE_MODEL 32786
#define ID_USE_SPLITTER 32788
#define ID_WIZARD_MULTI_COMMAND 32791
#define ID_WIZARD_MACRO_COMMAND 32792
#define ID_WIZARD_DOCUMENT 32793
#define ID_WIZARD_BASE_VIEW 32794
#define ID_WIZARD_CONTENT_VIEW 32795
#define ID_WIZARD_MULTI_PAGE_DOCUMENT 32796
#define ID_WIZARD_LINE_END 32798
#define ID_WIZARD_PORTS_COMPONENT 32799
#define ID_WIZARD_SUB_FORM_MODEL 32800
#define ID_WIZARD_TOOLBOX_ITEM 32801
#define ID_WIZARD_NORMAL_CLASS 32802
#define ID_WIZARD_HYLINK_COMPONENT 32803

// ---- Status bar
#define ID_INDICATOR_POSITION 22579 // the editor's "Ln 9999, Col 9999" pane

// ---- Controls
#define IDC_WINDOWS_LIST 1000
#define IDC_WINDOWS_ACTIVATE 3
#define IDC_WINDOWS_SAVE 5
#define IDC_WINDOWS_CLOSE 6
#define IDC_WINDOWS_TILE_HORZ 1017
#define IDC_WINDOWS_MINIMIZE 1091
#define IDC_WINDOWS_CASCADE 1095
#define IDC_WINDOWS_TILE_VERT 32892
#define IDC_RUN_AT_START 1016
#define IDC_SEND_ON_START 1017
#define IDC_START_MINIMIZED 1021
#define IDC_ABOUT_LINK 1002
#define IDC_ABOUT_TEXT 1003
#define IDC_ABOUT_PICTURE 1004
