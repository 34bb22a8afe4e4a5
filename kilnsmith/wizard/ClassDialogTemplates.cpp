// The templates of the three class dialogs.
#include "kilnsmith/wizard/ClassDialogs.h"
#include "kilnsmith/wizard/KilnsmithAppIds.h"

#include "framework/controls/ControlStyles.h"
#include "framework/resources/Resources.h"

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kLabel = kChild | SS_LEFT;
const DWORD kEdit = kChild | WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
const DWORD kDefault = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP;
const DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
const DWORD kFrame = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const RESOURCE_DIALOG_ITEM kNewClassItems[] = {
    {"STATIC", "Class &Name:", 0xFFFF, 7, 9, 52, 8, kLabel, 0},
    {"EDIT", "", IDC_CLASS_NAME, 62, 7, 136, 12, kEdit, 0},
    {"STATIC", "Description:", 0xFFFF, 7, 27, 52, 8, kLabel, 0},
    {"EDIT", "", IDC_CLASS_SECOND_FIELD, 62, 25, 136, 12, kEdit, 0},
    {"BUTTON", "OK", IDOK, 206, 6, 50, 14, kDefault, 0},
    {"BUTTON", "Cancel", IDCANCEL, 206, 24, 50, 14, kButton, 0},
};

// The view and plain-class dialogs: the class name, a second name, then
// the description.
const RESOURCE_DIALOG_ITEM kViewClassItems[] = {
    {"STATIC", "Class &Name:", 0xFFFF, 7, 9, 60, 8, kLabel, 0},
    {"EDIT", "", IDC_CLASS_NAME, 70, 7, 128, 12, kEdit, 0},
    {"STATIC", "&Document Class:", 0xFFFF, 7, 27, 60, 8, kLabel, 0},
    {"EDIT", "", IDC_CLASS_SECOND_FIELD, 70, 25, 128, 12, kEdit, 0},
    {"STATIC", "Description:", 0xFFFF, 7, 45, 60, 8, kLabel, 0},
    {"EDIT", "", IDC_CLASS_DESCRIPTION_3, 70, 43, 128, 12, kEdit, 0},
    {"BUTTON", "OK", IDOK, 206, 6, 50, 14, kDefault, 0},
    {"BUTTON", "Cancel", IDCANCEL, 206, 24, 50, 14, kButton, 0},
};

const RESOURCE_DIALOG_ITEM kNormalClassItems[] = {
    {"STATIC", "Class &Name:", 0xFFFF, 7, 9, 60, 8, kLabel, 0},
    {"EDIT", "", IDC_CLASS_NAME, 70, 7, 128, 12, kEdit, 0},
    {"STATIC", "&Base Class:", 0xFFFF, 7, 27, 60, 8, kLabel, 0},
    {"EDIT", "", IDC_CLASS_SECOND_FIELD, 70, 25, 128, 12, kEdit, 0},
    {"STATIC", "Description:", 0xFFFF, 7, 45, 60, 8, kLabel, 0},
    {"EDIT", "", IDC_CLASS_DESCRIPTION_3, 70, 43, 128, 12, kEdit, 0},
    {"BUTTON", "OK", IDOK, 206, 6, 50, 14, kDefault, 0},
    {"BUTTON", "Cancel", IDCANCEL, 206, 24, 50, 14, kButton, 0},
};

template <int N>
constexpr int Count(const RESOURCE_DIALOG_ITEM (&)[N])
{
    return N;
}

const RESOURCE_DIALOG kNewClassTemplate = {
    kFrame, 0, 0, 0, 263, 46, "New Class", "MS Sans Serif", 8, 0, kNewClassItems, Count(kNewClassItems)};
const RESOURCE_DIALOG kViewClassTemplate = {
    kFrame, 0, 0, 0, 263, 64, "Dialog", "MS Sans Serif", 8, 0, kViewClassItems, Count(kViewClassItems)};
const RESOURCE_DIALOG kNormalClassTemplate = {
    kFrame, 0, 0, 0, 263, 64, "Dialog", "MS Sans Serif", 8, 0, kNormalClassItems, Count(kNormalClassItems)};

} // namespace

void KilnsmithRegisterClassDialogs()
{
    PlexoRegisterDialog(IDD_NEW_CLASS, &kNewClassTemplate);
    PlexoRegisterDialog(IDD_VIEW_CLASS, &kViewClassTemplate);
    PlexoRegisterDialog(IDD_NORMAL_CLASS, &kNormalClassTemplate);
}
