// The Find and Replace dialogs' templates, registered when the library
// loads.
#include "editor/controller/SECEditFindDialog.h"

#include "framework/controls/ControlStyles.h"
#include "framework/resources/Resources.h"

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kHistoryBox = kChild | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
const DWORD kCheck = kChild | BS_AUTOCHECKBOX | WS_TABSTOP;
const DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
const DWORD kFrame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const RESOURCE_DIALOG_ITEM kFindItems[] = {
    {"STATIC", "Fi&nd what:", 0xFFFF, 6, 9, 48, 9, kChild | SS_LEFT, 0},
    {"COMBOBOX", "", SECEDIT_IDC_FIND_TEXT, 58, 7, 140, 80, kHistoryBox, 0},
    {"BUTTON", "Match &whole word only", SECEDIT_IDC_WHOLE_WORD, 6, 28, 112, 10, kCheck | WS_GROUP, 0},
    {"BUTTON", "Match &case", SECEDIT_IDC_MATCH_CASE, 6, 42, 112, 10, kCheck, 0},
    {"BUTTON", "Regular &expression", SECEDIT_IDC_REGEX, 6, 56, 112, 10, kCheck, 0},
    {"BUTTON", "Direction", SECEDIT_IDC_DIRECTION, 122, 26, 76, 30, kChild | BS_GROUPBOX, 0},
    {"BUTTON", "&Up", SECEDIT_IDC_RADIO_FIRST, 128, 39, 30, 10, kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0},
    {"BUTTON", "&Down", SECEDIT_IDC_RADIO_SECOND, 160, 39, 34, 10, kChild | BS_AUTORADIOBUTTON, 0},
    {"BUTTON", "&Find Next", IDOK, 206, 6, 58, 14, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0},
    {"BUTTON", "&Mark All", SECEDIT_IDC_MARK_ALL, 206, 23, 58, 14, kButton, 0},
    {"BUTTON", "Cancel", IDCANCEL, 206, 40, 58, 14, kButton, 0},
};

const RESOURCE_DIALOG_ITEM kReplaceItems[] = {
    {"STATIC", "Fi&nd what:", 0xFFFF, 6, 9, 60, 9, kChild | SS_LEFT, 0},
    {"COMBOBOX", "", SECEDIT_IDC_FIND_TEXT, 70, 7, 146, 80, kHistoryBox, 0},
    {"STATIC", "Re&place with:", 0xFFFF, 6, 27, 60, 9, kChild | SS_LEFT, 0},
    {"COMBOBOX", "", SECEDIT_IDC_REPLACE_TEXT, 70, 25, 146, 80, kHistoryBox, 0},
    {"BUTTON", "Match &whole word only", SECEDIT_IDC_WHOLE_WORD, 6, 45, 112, 10, kCheck | WS_GROUP, 0},
    {"BUTTON", "Match &case", SECEDIT_IDC_MATCH_CASE, 6, 58, 112, 10, kCheck, 0},
    {"BUTTON", "Regular &expression", SECEDIT_IDC_REGEX, 6, 71, 112, 10, kCheck, 0},
    {"BUTTON", "Replace In", 0xFFFF, 124, 43, 92, 36, kChild | BS_GROUPBOX, 0},
    {"BUTTON", "&Selection", SECEDIT_IDC_RADIO_FIRST, 130, 55, 80, 10,
     kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP | WS_DISABLED, 0},
    {"BUTTON", "Wh&ole file", SECEDIT_IDC_RADIO_SECOND, 130, 66, 80, 10, kChild | BS_AUTORADIOBUTTON, 0},
    {"BUTTON", "&Find Next", IDOK, 224, 6, 60, 14, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0},
    {"BUTTON", "&Replace", SECEDIT_IDC_REPLACE, 224, 23, 60, 14, kButton, 0},
    {"BUTTON", "Replace &All", SECEDIT_IDC_REPLACE_ALL, 224, 40, 60, 14, kButton, 0},
    {"BUTTON", "Cancel", IDCANCEL, 224, 57, 60, 14, kButton, 0},
};

const RESOURCE_DIALOG kFindTemplate = {
    kFrame, 0,          0,  0, 270,        82,
    "Find", "Fixedsys", 12, 0, kFindItems, static_cast<int>(sizeof(kFindItems) / sizeof(kFindItems[0]))};
const RESOURCE_DIALOG kReplaceTemplate = {
    kFrame,    0,          0,  0, 289,           85,
    "Replace", "Fixedsys", 12, 0, kReplaceItems, static_cast<int>(sizeof(kReplaceItems) / sizeof(kReplaceItems[0]))};

const bool kRegistered = [] {
    PlexoRegisterDialog(SECEDIT_IDD_FIND, &kFindTemplate);
    PlexoRegisterDialog(SECEDIT_IDD_REPLACE, &kReplaceTemplate);
    return true;
}();

} // namespace
