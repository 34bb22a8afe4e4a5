#include "kilnsmith/frame/FrameResources.h"

#include "framework/app/StatusBar.h"
#include "framework/controls/ControlStyles.h"
#include "framework/resources/Resources.h"
#include "framework/window/VirtualKeys.h"
#include "framework/window/WinStyles.h"
#include "kilnsmith/frame/FrameArtwork.h"
#include "kilnsmith/frame/ResourceIds.h"

#include <iterator>

const char kKilnsmithHomePage[] = "https://www.example.org/kilnsmith/";
const char kKilnsmithSupportAddress[] = "https://support.example.org/kilnsmith/";

namespace {

// ---- Menus 101 and 102
#define KILNSMITH_MENU_ITEMS                                                                                           \
    {MF_POPUP, 0, "&File"}, {MF_STRING, ID_FILE_NEW, "&New\tCtrl+N"}, {MF_STRING, ID_FILE_OPEN, "&Open...\tCtrl+O"},   \
        {MF_STRING, ID_FILE_CLOSE, "&Close"}, {MF_STRING, ID_FILE_SAVE, "&Save\tCtrl+S"},                              \
        {MF_STRING, ID_FILE_SAVE_AS, "Save &As..."}, {MF_SEPARATOR, 0, nullptr},                                       \
        {MF_STRING, ID_FILE_OPTIONS, "&Options..."}, {MF_SEPARATOR, 0, nullptr},                                       \
        {MF_STRING, ID_FILE_PRINT, "&Print...\tCtrl+P"}, {MF_STRING, ID_FILE_PRINT_PREVIEW, "Print Pre&view"},         \
        {MF_STRING, ID_FILE_PRINT_SETUP, "P&rint Setup..."}, {MF_SEPARATOR, 0, nullptr},                               \
        {MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1, "Recent File"}, {MF_SEPARATOR, 0, nullptr},                         \
        {MF_STRING | MF_END, ID_APP_EXIT, "E&xit"},                                                                    \
                                                                                                                       \
        {MF_POPUP, 0, "&Edit"}, {MF_STRING, ID_EDIT_UNDO, "&Undo\tCtrl+Z"},                                            \
        {MF_STRING, ID_EDIT_REDO, "&Redo\tCtrl+Y"}, {MF_SEPARATOR, 0, nullptr},                                        \
        {MF_STRING, ID_EDIT_CUT, "Cu&t\tCtrl+X"}, {MF_STRING, ID_EDIT_COPY, "&Copy\tCtrl+C"},                          \
        {MF_STRING, ID_EDIT_PASTE, "&Paste\tCtrl+V"}, {MF_SEPARATOR, 0, nullptr},                                      \
        {MF_STRING, ID_EDIT_CLEAR, "C&lear\tDel"}, {MF_SEPARATOR, 0, nullptr},                                         \
        {MF_STRING, ID_EDIT_FIND, "&Find...\tCtrl+F"}, {MF_STRING | MF_END, ID_EDIT_REPLACE, "&Replace...\tCtrl+R"},   \
                                                                                                                       \
        {MF_POPUP, 0, "&Command"},                                                                                     \
        {MF_STRING, ID_WIZARD_SINGLE_COMMAND, "Create &new Command (CQYCommand,Single Component)..."},                 \
        {MF_STRING, ID_WIZARD_MULTI_COMMAND, "Create &new Command (CQYCommand,Multi Component)..."},                   \
        {MF_STRING | MF_END, ID_WIZARD_MACRO_COMMAND, "Create &new Command (CQYMacroCommand,Multi Component)..."},     \
                                                                                                                       \
        {MF_POPUP, 0, "Co&mponent"},                                                                                   \
        {MF_STRING, ID_WIZARD_DRAW_COMPONENT, "Create &New Component Class(CQYDrawComponent)..."},                     \
        {MF_STRING, ID_WIZARD_PORTS_COMPONENT, "Create &New Component Class(CQYDrawPortsComponent)..."},               \
        {MF_STRING | MF_END, ID_WIZARD_HYLINK_COMPONENT, "Create New Component Class(CQYHyLinkComponent)..."},         \
                                                                                                                       \
        {MF_POPUP, 0, "&Properties"}, {MF_STRING | MF_END, ID_WIZARD_PROPERTIES, "Create &New Property Source..."},    \
                                                                                                                       \
        {MF_POPUP, 0, "&Model"},                                                                                       \
        {MF_STRING, ID_WIZARD_SINGLE_MODEL, "&Create Single Application Model(CQYDataModel)..."},                      \
        {MF_STRING, ID_WIZARD_SUB_FORM_MODEL, "&Create Single Application Model(CQYSubFormModel)..."},                 \
        {MF_STRING, ID_WIZARD_MULTI_MODEL, "Create Multi Application Model(CQYMultiPageModel)..."},                    \
        {MF_STRING | MF_END, ID_WIZARD_MULTI_PAGE_DOCUMENT, "Create Document class(CQYMultiPageModel)..."},            \
                                                                                                                       \
        {MF_POPUP, 0, "&Other"}, {MF_STRING, ID_WIZARD_DOCUMENT, "Create Document class(CQYDoc)..."},                  \
        {MF_STRING, ID_WIZARD_BASE_VIEW, "Create View class(CQYBaseView)..."},                                         \
        {MF_STRING, ID_WIZARD_CONTENT_VIEW, "Create View class(CQYContentView)..."},                                   \
        {MF_STRING, ID_WIZARD_LINE_END, "Create Line End Class(CQYBaseEndObject)"},                                    \
        {MF_STRING, ID_WIZARD_TOOLBOX_ITEM, "Create ToolBox Item Class(CQYToolBoxItem)"},                              \
        {MF_STRING | MF_END, ID_WIZARD_NORMAL_CLASS, "Create Normal Class..."},                                        \
                                                                                                                       \
        {MF_POPUP, 0, "&Window"}, {MF_STRING, ID_WINDOW_NEW, "&New Window"}, {MF_SEPARATOR, 0, nullptr},               \
        {MF_STRING, ID_VIEW_TOOLBAR, "&Toolbar"}, {MF_STRING, ID_VIEW_STATUS_BAR, "&Status Bar"},                      \
        {MF_SEPARATOR, 0, nullptr}, {MF_STRING, ID_WINDOW_NEXT, "Ne&xt\tCtrl+F6"},                                     \
        {MF_STRING, ID_WINDOW_PREVIOUS, "Prev&ious\tCtrl+Shift+F6"}, {MF_STRING, ID_WINDOW_CLOSE, "Clo&se\tAlt+F4"},   \
        {MF_STRING, ID_WINDOW_CLOSE_ALL, "Close &All"}, {MF_SEPARATOR, 0, nullptr},                                    \
        {MF_STRING, ID_WINDOW_TILE_HORZ, "Tile &Horizontally"}, {MF_STRING, ID_WINDOW_TILE_VERT, "Tile &Vertically"},  \
        {MF_SEPARATOR, 0, nullptr}, {MF_STRING, ID_WINDOW_CASCADE, "&Cascade"},                                        \
        {MF_STRING, ID_WINDOW_TILE_HORZ, "&Tile"}, {MF_STRING, ID_WINDOW_ARRANGE, "&Arrange Icons"},                   \
        {MF_STRING | MF_END, ID_WINDOW_WINDOWS, "&Windows..."},                                                        \
                                                                                                                       \
        {MF_POPUP | MF_END, 0, "&Help"}, {MF_STRING, ID_HELP_HOMEPAGE, "Plexo &Home Page"},                            \
        {MF_SEPARATOR, 0, nullptr}, {MF_STRING | MF_END, ID_APP_ABOUT, "&About Plexo Kilnsmith..."},

const RESOURCE_MENU_ITEM kMainMenu[] = {KILNSMITH_MENU_ITEMS};
const RESOURCE_MENU_ITEM kDocumentMenu[] = {KILNSMITH_MENU_ITEMS};
#undef KILNSMITH_MENU_ITEMS

// ---- Menu 104: the notification icon's; its second pop-up is never shown.
const RESOURCE_MENU_ITEM kTrayMenu[] = {
    {MF_POPUP, 0, "Tray"},
    {MF_STRING, ID_TRAY_OPEN, "&1.Open Kilnsmith"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_FILE_OPTIONS, "2.&Options..."},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING | MF_END, ID_TRAY_EXIT, "&Exit\tAlt+F4"},
    {MF_POPUP | MF_END, 0, "Unused"},
    {MF_STRING | MF_END, ID_TRAY_OPEN, "&Open Kilnsmith"},
};

// ---- Accelerator table 101
const ACCEL kAccelerators[] = {
    {FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},
    {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},
    {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
    {FVIRTKEY | FCONTROL, 'P', ID_FILE_PRINT},
    {FVIRTKEY | FCONTROL, 'Z', ID_EDIT_UNDO},
    {FVIRTKEY | FCONTROL, 'X', ID_EDIT_CUT},
    {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},
    {FVIRTKEY | FCONTROL, 'V', ID_EDIT_PASTE},
    // The Edit menu shows Ctrl+R for Replace: the key does what it says.
    {FVIRTKEY | FCONTROL, 'R', ID_EDIT_REPLACE},
    {FVIRTKEY | FALT, VK_BACK, ID_EDIT_UNDO},
    {FVIRTKEY | FSHIFT, VK_DELETE, ID_EDIT_CUT},
    {FVIRTKEY | FCONTROL, VK_INSERT, ID_EDIT_COPY},
    {FVIRTKEY | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
    {FVIRTKEY, VK_F6, ID_NEXT_PANE},
    {FVIRTKEY | FSHIFT, VK_F6, ID_PREV_PANE},
};

// ---- Toolbar 101
const UINT kToolbarButtons[] = {ID_FILE_NEW,
                                ID_FILE_OPEN,
                                ID_FILE_SAVE,
                                0,
                                ID_EDIT_UNDO,
                                ID_EDIT_REDO,
                                0,
                                ID_EDIT_CUT,
                                ID_EDIT_COPY,
                                ID_EDIT_PASTE,
                                0,
                                ID_WINDOW_WINDOWS,
                                0,
                                ID_FILE_PRINT,
                                0,
                                ID_APP_ABOUT};
const RESOURCE_TOOLBAR kToolbar = {IDR_MAINFRAME, 16, 15, kToolbarButtons,
                                   static_cast<int>(std::size(kToolbarButtons))};

// ---- Status bar panes
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_POSITION, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_OVR};

// ---- Strings
const RESOURCE_STRING kStrings[] = {
    {IDR_MAINFRAME, "Plexo Kilnsmith"},
    {IDR_KILNSMITHTYPE, "\nKilnsmith\nKilnsmith\n\n\nKilnsmith.Document\nKilnsmith Document"},
    {IDS_HOME_PAGE, kKilnsmithHomePage},
    {IDS_SUPPORT_ADDRESS, kKilnsmithSupportAddress},
    {ID_INDICATOR_POSITION, "Ln 9999, Col 9999"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_OVR, "OVR"},
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ID_EDIT_REDO, "Redo the previously undone action\nRedo"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    {ID_WINDOW_WINDOWS, "Manage the open windows\nWindows"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_FILE_OPTIONS, "Change the start-up settings\nOptions"},
    {ID_HELP_HOMEPAGE, "Open the Plexo home page\nHome Page"},
    {ID_WINDOW_NEXT, "Activate the next window\nNext Window"},
    {ID_WINDOW_PREVIOUS, "Activate the previous window\nPrevious Window"},
    {ID_WINDOW_CLOSE, "Close the active window\nClose Window"},
    {ID_WINDOW_CLOSE_ALL, "Close all windows\nClose All"},
    {ID_TRAY_OPEN, "Show or hide Kilnsmith\nOpen Kilnsmith"},
    {ID_TRAY_EXIT, "Quit Kilnsmith\nExit"},
    {ID_USE_SPLITTER, "Use Splitter when creating new frames\nUse Splitter for new frames"},
};

// ---- Dialog templates
const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
const DWORD kCheck = WS_CHILD | BS_AUTOCHECKBOX | WS_TABSTOP;
const DWORD kFrame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const RESOURCE_DIALOG_ITEM kAboutItems[] = {
    {"STATIC", "", IDC_ABOUT_PICTURE, 8, 8, 32, 32, kChild | SS_BITMAP, 0},
    {"STATIC", "Plexo Kilnsmith Version 1.0", IDC_ABOUT_TEXT, 48, 10, 170, 18, kChild | SS_LEFT | SS_NOPREFIX, 0},
    {"STATIC", kKilnsmithHomePage, IDC_ABOUT_LINK, 48, 32, 170, 9, kChild | SS_LEFT | SS_NOPREFIX, 0},
    {"BUTTON", "OK", IDOK, 178, 50, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0},
};
const RESOURCE_DIALOG kAboutDialog = {kFrame,
                                      0,
                                      0,
                                      0,
                                      236,
                                      72,
                                      "About Plexo Kilnsmith",
                                      nullptr,
                                      0,
                                      0,
                                      kAboutItems,
                                      static_cast<int>(std::size(kAboutItems))};

const RESOURCE_DIALOG_ITEM kWindowsItems[] = {
    {"STATIC", "Select &window:", 0xFFFF, 7, 7, 160, 9, kChild | SS_LEFT, 0},
    {"LISTBOX", "", IDC_WINDOWS_LIST, 7, 18, 170, 148,
     kChild | LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_EXTENDEDSEL | LBS_NOTIFY | WS_VSCROLL | WS_BORDER |
         WS_TABSTOP,
     0},
    {"BUTTON", "&Actvate", IDC_WINDOWS_ACTIVATE, 184, 18, 70, 14, kButton | WS_GROUP, 0},
    {"BUTTON", "&Ok", IDOK, 184, 35, 70, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
    {"BUTTON", "&Save", IDC_WINDOWS_SAVE, 184, 52, 70, 14, kButton, 0},
    {"BUTTON", "&Close Window(s)", IDC_WINDOWS_CLOSE, 184, 69, 70, 14, kButton, 0},
    {"BUTTON", "Cascade", IDC_WINDOWS_CASCADE, 184, 86, 70, 14, kButton, 0},
    {"BUTTON", "Tile &Horizontaly", IDC_WINDOWS_TILE_HORZ, 184, 103, 70, 14, kButton, 0},
    {"BUTTON", "Tile &Verticaly", IDC_WINDOWS_TILE_VERT, 184, 120, 70, 14, kButton, 0},
    {"BUTTON", "Minimize", IDC_WINDOWS_MINIMIZE, 184, 137, 70, 14, kButton, 0},
};
const RESOURCE_DIALOG kWindowsDialog = {
    kFrame, 0, 0, 0, 262, 172, "Windows", nullptr, 0, 0, kWindowsItems, static_cast<int>(std::size(kWindowsItems))};

// Check box 1017 has no visible style: its value is kept all the same.
const RESOURCE_DIALOG_ITEM kOptionsItems[] = {
    {"BUTTON", "Startup", 0xFFFF, 7, 7, 220, 58, kChild | BS_GROUPBOX, 0},
    {"BUTTON", "Run Kilnsmith when Windows starts", IDC_RUN_AT_START, 16, 20, 200, 10, kCheck | WS_VISIBLE | WS_GROUP,
     0},
    {"BUTTON", "Start Kilnsmith minimized", IDC_START_MINIMIZED, 16, 34, 200, 10, kCheck | WS_VISIBLE, 0},
    {"BUTTON", "Automatically connect to server when Tarno starts", IDC_SEND_ON_START, 16, 48, 200, 10, kCheck, 0},
    {"BUTTON", "OK", IDOK, 120, 72, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0},
    {"BUTTON", "Cancel", IDCANCEL, 177, 72, 50, 14, kButton, 0},
};
const RESOURCE_DIALOG kOptionsDialog = {
    kFrame,          0,       0, 0, 234,           93,
    "Tarno Options", nullptr, 0, 0, kOptionsItems, static_cast<int>(std::size(kOptionsItems))};

} // namespace

const UINT *MainFrameIndicators(int *pnCount)
{
    if (pnCount != nullptr)
        *pnCount = static_cast<int>(std::size(kIndicators));
    return kIndicators;
}

void RegisterFrameResources()
{
    static const bool bRegistered = []() {
        PlexoRegisterStrings(kStrings, static_cast<int>(std::size(kStrings)));
        PlexoRegisterMenu(IDR_MAINFRAME, kMainMenu, static_cast<int>(std::size(kMainMenu)));
        PlexoRegisterMenu(IDR_KILNSMITHTYPE, kDocumentMenu, static_cast<int>(std::size(kDocumentMenu)));
        PlexoRegisterMenu(IDR_TRAYMENU, kTrayMenu, static_cast<int>(std::size(kTrayMenu)));
        PlexoRegisterAccelerators(IDR_MAINFRAME, kAccelerators, static_cast<int>(std::size(kAccelerators)));
        PlexoRegisterToolBar(IDR_MAINFRAME, &kToolbar);
        PlexoRegisterDialog(IDD_ABOUTBOX, &kAboutDialog);
        PlexoRegisterDialog(IDD_WINDOWS, &kWindowsDialog);
        PlexoRegisterDialog(IDD_OPTIONS, &kOptionsDialog);
        RegisterFrameArtwork();
        return true;
    }();
    (void)bRegistered;
}
