#include "ControlTestSupport.h"

#include "framework/object/Exceptions.h"
#include "framework/resources/Resources.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowInternals.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>

namespace {

const RESOURCE_DIALOG_ITEM kSampleItems[] = {
    {"STATIC", "&Name:", 0xFFFF, 7, 7, 40, 8, SS_LEFT | WS_VISIBLE, 0},
    {"EDIT", "", IDC_NAME, 50, 5, 100, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0},
    {"STATIC", "C&ount:", 0xFFFF, 7, 21, 40, 8, SS_LEFT | WS_VISIBLE, 0},
    {"EDIT", "", IDC_COUNT, 50, 19, 40, 12, ES_NUMBER | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0},
    {"msctls_updown32", "", IDC_COUNT_SPIN, 90, 19, 10, 12,
     UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | WS_VISIBLE, 0},
    {"BUTTON", "&Bold", IDC_BOLD, 100, 19, 50, 10, BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "Alignment", 0xFFFF, 5, 34, 150, 40, BS_GROUPBOX | WS_VISIBLE, 0},
    {"BUTTON", "&Left", IDC_LEFT, 10, 45, 40, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "C&entre", IDC_CENTRE, 55, 45, 40, 10, BS_AUTORADIOBUTTON | WS_VISIBLE, 0},
    {"BUTTON", "&Right", IDC_RIGHT, 100, 45, 40, 10, BS_AUTORADIOBUTTON | WS_VISIBLE, 0},
    {"BUTTON", "Swatch", IDC_SWATCH, 10, 80, 30, 14, BS_OWNERDRAW | WS_GROUP | WS_TABSTOP | WS_VISIBLE, 0},
    {"EDIT", "", IDC_NOTES, 50, 80, 100, 30,
     ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0},
    {"STATIC", "Title", IDC_TITLE, 7, 115, 60, 8, SS_CENTER | SS_NOTIFY | WS_VISIBLE, 0},
    {"BUTTON", "OK", IDOK, 160, 5, 50, 14, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "Cancel", IDCANCEL, 160, 22, 50, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
    {"LISTBOX", "", IDC_LIST, 5, 130, 60, 40, LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE,
     0},
    {"LISTBOX", "", IDC_OWNER_LIST, 70, 130, 60, 40,
     LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_EXTENDEDSEL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0},
    {"COMBOBOX", "", IDC_HISTORY, 135, 130, 80, 60,
     CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE, 0},
    {"COMBOBOX", "", IDC_KIND, 135, 150, 80, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE, 0},
};
const RESOURCE_DIALOG kSample = {DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 0,
                                 10,
                                 10,
                                 220,
                                 180,
                                 "Sample",
                                 "MS Sans Serif",
                                 8,
                                 0,
                                 kSampleItems,
                                 static_cast<int>(sizeof(kSampleItems) / sizeof(kSampleItems[0]))};

const RESOURCE_DIALOG_ITEM kFindItems[] = {
    {"STATIC", "Fi&nd what:", 0xFFFF, 5, 7, 40, 8, SS_LEFT | WS_VISIBLE, 0},
    {"EDIT", "", IDC_FIND_WHAT, 50, 5, 100, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "Match &case", IDC_MATCH_CASE, 5, 22, 60, 10, BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "&Find Next", IDOK, 160, 5, 50, 14, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "Cancel", IDCANCEL, 160, 22, 50, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
};
const RESOURCE_DIALOG kFind = {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                               0,
                               30,
                               30,
                               215,
                               40,
                               "Find",
                               "MS Sans Serif",
                               8,
                               0,
                               kFindItems,
                               static_cast<int>(sizeof(kFindItems) / sizeof(kFindItems[0]))};

std::vector<std::string> g_messages;
AfxMessageBoxHandler g_previousHandler = nullptr;

int RecordMessage(LPCTSTR lpszText, UINT, UINT)
{
    g_messages.emplace_back(lpszText ? lpszText : "");
    return IDOK;
}

} // namespace

void RegisterSampleTemplates()
{
    static const bool registered = []() {
        PlexoRegisterDialog(IDD_SAMPLE, &kSample);
        PlexoRegisterDialog(IDD_FIND, &kFind);
        return true;
    }();
    (void)registered;
}

const RESOURCE_DIALOG *SampleTemplate()
{
    return &kSample;
}

std::vector<int> CRecordingDialog::CodesFor(int id) const
{
    std::vector<int> codes;
    for (const Command &c : commands)
        if (c.id == id)
            codes.push_back(c.code);
    return codes;
}

bool CRecordingDialog::Got(int id, int code) const
{
    for (const Command &c : commands)
        if (c.id == id && c.code == code)
            return true;
    return false;
}

BOOL CRecordingDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    commands.push_back(Command{LOWORD(wParam), HIWORD(wParam)});
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT CRecordingDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM && lParam)
        drawn.push_back(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
    return CDialog::WindowProc(message, wParam, lParam);
}

QWidget *WidgetOf(HWND hWnd)
{
    return WindowCore::Widget(hWnd);
}

bool ShowSampleDialog(CDialog &dialog)
{
    RegisterSampleTemplates();
    if (!dialog.Create(IDD_SAMPLE))
        return false;
    dialog.ShowWindow(SW_SHOW);
    PumpEvents();
    return true;
}

bool ShowSampleDialogFocused(CRecordingDialog &dialog)
{
    if (!ShowSampleDialog(dialog))
        return false;
    PlexoDialogRestoreFocus(dialog.m_hWnd);
    PumpEvents();
    dialog.commands.clear();
    return true;
}

void PumpEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}

void Press(HWND hAny, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(WidgetOf(GetTopLevelWindow(hAny)), key, modifiers);
    PumpEvents();
}

void TypeText(HWND hAny, const char *text)
{
    QWidget *widget = WidgetOf(GetTopLevelWindow(hAny));
    for (QChar c : QString::fromUtf8(text)) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            // Characters without a key of their own arrive as text alone.
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(widget, &press);
            QCoreApplication::sendEvent(widget, &release);
        }
        PumpEvents();
    }
}

void MouseDown(HWND hWnd, int x, int y)
{
    QTest::mousePress(WidgetOf(hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    PumpEvents();
}

void MouseUp(HWND hWnd, int x, int y)
{
    QTest::mouseRelease(WidgetOf(hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    PumpEvents();
}

void Click(HWND hWnd, int x, int y)
{
    MouseDown(hWnd, x, y);
    MouseUp(hWnd, x, y);
}

int FocusId()
{
    HWND h = GetFocus();
    return h ? GetDlgCtrlID(h) : 0;
}

CString TextOf(HWND hWnd)
{
    char buffer[1024];
    GetWindowText(hWnd, buffer, sizeof(buffer));
    return CString(buffer);
}

MessageBoxRecorder::MessageBoxRecorder()
{
    g_messages.clear();
    g_previousHandler = AfxSetMessageBoxHandler(&RecordMessage);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    AfxSetMessageBoxHandler(g_previousHandler);
}

std::vector<std::string> &MessageBoxRecorder::Messages()
{
    return g_messages;
}
