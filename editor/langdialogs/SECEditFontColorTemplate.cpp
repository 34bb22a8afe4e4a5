// The Font and Color Settings dialog's template, registered when the
// library loads.
#include "editor/langdialogs/SECEditFontColorDlg.h"

#include "framework/controls/ControlStyles.h"
#include "framework/resources/Resources.h"

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;
// The two colour buttons are owner-drawn push buttons.
const DWORD kWellStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;

const RESOURCE_DIALOG_ITEM kFontColorItems[] = {
    {"LISTBOX", "", SECEDIT_IDC_GROUPS, 7, 7, 110, 128,
     kChild | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, 0},
    {"BUTTON", "Color", 0xFFFF, 124, 4, 157, 58, kChild | BS_GROUPBOX, 0},
    {"STATIC", "&Foreground", 0xFFFF, 131, 19, 50, 9, kChild | SS_LEFT, 0},
    {"BUTTON", "Forecolor", SECEDIT_IDC_FORE_WELL, 184, 16, 40, 14, kWellStyle, 0},
    {"BUTTON", "Automatic", SECEDIT_IDC_FORE_AUTO, 230, 18, 48, 10, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0},
    {"STATIC", "&Background", 0xFFFF, 131, 41, 50, 9, kChild | SS_LEFT, 0},
    {"BUTTON", "Backcolor", SECEDIT_IDC_BACK_WELL, 184, 38, 40, 14, kWellStyle, 0},
    {"BUTTON", "Automatic", SECEDIT_IDC_BACK_AUTO, 230, 40, 48, 10, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0},
    {"STATIC", "Font:", 0xFFFF, 124, 70, 26, 9, kChild | SS_LEFT, 0},
    {"STATIC", "", SECEDIT_IDC_FONT_FACE, 152, 70, 76, 9, kChild | SS_LEFT, 0},
    {"STATIC", "Size:", 0xFFFF, 124, 82, 26, 9, kChild | SS_LEFT, 0},
    {"STATIC", "", SECEDIT_IDC_FONT_SIZE, 152, 82, 60, 9, kChild | SS_LEFT, 0},
    {"BUTTON", "C&hoose Font", SECEDIT_IDC_CHOOSE_FONT, 230, 74, 51, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
    {"BUTTON", "Sample", SECEDIT_IDC_SAMPLE, 124, 96, 157, 40, kChild | BS_GROUPBOX, 0},
    {"BUTTON", "Reset All", SECEDIT_IDC_RESET_ALL, 7, 142, 60, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
    {"BUTTON", "OK", IDOK, 166, 142, 55, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
    {"BUTTON", "Cancel", IDCANCEL, 226, 142, 55, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
};

const RESOURCE_DIALOG kFontColorTemplate = {DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                            0,
                                            0,
                                            0,
                                            288,
                                            162,
                                            "Font and Color Settings",
                                            "Fixedsys",
                                            12,
                                            0,
                                            kFontColorItems,
                                            static_cast<int>(sizeof(kFontColorItems) / sizeof(kFontColorItems[0]))};

const bool kRegistered = [] {
    PlexoRegisterDialog(SECEDIT_IDD_FONTCOLOR, &kFontColorTemplate);
    return true;
}();

} // namespace
