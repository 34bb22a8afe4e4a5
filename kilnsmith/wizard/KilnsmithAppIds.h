// The numbers of the application object's commands, of the class dialogs
// and their controls, and of the application's strings.
#pragma once

// ---- Wizard commands: one per library base class
#define ID_CREATE_SINGLE_COMMAND 32774
#define ID_CREATE_LIST_COMMAND 32791
#define ID_CREATE_MACRO_COMMAND 32792
#define ID_CREATE_DRAW_COMPONENT 32775
#define ID_CREATE_PORTS_COMPONENT 32799
#define ID_CREATE_HYPERLINK_COMPONENT 32803
#define ID_CREATE_PROPERTY_SET 32776
#define ID_CREATE_DATA_MODEL 32786
#define ID_CREATE_SUB_FORM_MODEL 32800
#define ID_CREATE_MULTI_PAGE_MODEL 32773
#define ID_CREATE_MULTI_PAGE_DOCUMENT 32796
#define ID_CREATE_DOCUMENT 32793
#define ID_CREATE_BASE_VIEW 32794
#define ID_CREATE_CONTENT_VIEW 32795
#define ID_CREATE_LINE_END 32798
#define ID_CREATE_TOOLBOX_ITEM 32801
#define ID_CREATE_PLAIN_CLASS 32802

// ---- Other commands of the application object
#define ID_USE_SPLITTER 32788

// ---- Resources of the application
#define IDR_KILNSMITH_DOCUMENT 102

// ---- Class dialogs and their controls
#define IDD_NEW_CLASS 200
#define IDD_VIEW_CLASS 201
#define IDD_NORMAL_CLASS 20496
#define IDC_CLASS_NAME 1002
#define IDC_CLASS_SECOND_FIELD 1003 // description, or the document / base class
#define IDC_CLASS_DESCRIPTION_3 1004

// ---- Strings of the application
#define IDS_BAD_CLASS_NAME 20500
#define IDS_WRITE_FAILED 20501
#define IDS_REASON_FOLDER_MISSING 20502
#define IDS_REASON_NOT_A_FOLDER 20503
#define IDS_REASON_FOLDER_READ_ONLY 20504
#define IDS_REASON_FILE_READ_ONLY 20505
#define IDS_REASON_NOT_A_FILE 20506
#define IDS_REASON_UNKNOWN 20507
#define IDS_TOO_MANY_FILES 20508
