// The sample dialogs of the control tests and helpers to drive them with
// simulated keys and mouse clicks on the offscreen platform.
#pragma once

#include "framework/controls/Button.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/DataExchange.h"
#include "framework/controls/Dialog.h"
#include "framework/controls/Edit.h"
#include "framework/controls/SpinButtonCtrl.h"
#include "framework/controls/Static.h"

#include <QWidget>

#include <string>
#include <vector>

// Ids of the sample dialog: one of every control and style.
enum SampleIds : UINT {
    IDD_SAMPLE = 9001,
    IDD_FIND = 9002,
    IDD_MISSING = 9099,
    IDC_NAME = 101,
    IDC_COUNT = 102,
    IDC_BOLD = 103,
    IDC_LEFT = 104,
    IDC_CENTRE = 105,
    IDC_RIGHT = 106,
    IDC_SWATCH = 107,
    IDC_NOTES = 108,
    IDC_TITLE = 109,
    IDC_LIST = 110,
    IDC_OWNER_LIST = 111,
    IDC_HISTORY = 112,
    IDC_KIND = 113,
    IDC_COUNT_SPIN = 114,
    IDC_FIND_WHAT = 201,
    IDC_MATCH_CASE = 202,
};

// Registers the sample templates (once).
void RegisterSampleTemplates();
const RESOURCE_DIALOG *SampleTemplate();

// A dialog that records every WM_COMMAND it gets (id and code) and the
// owner-draw requests of its children.
class CRecordingDialog : public CDialog {
public:
    explicit CRecordingDialog(UINT nIDTemplate = IDD_SAMPLE, CWnd *pParent = nullptr) : CDialog(nIDTemplate, pParent) {}
    struct Command {
        int id;
        int code;
    };
    std::vector<Command> commands;
    std::vector<DRAWITEMSTRUCT> drawn;

    std::vector<int> CodesFor(int id) const;
    bool Got(int id, int code) const;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Creates the sample dialog from its template, shows it and pumps the events;
// false when it cannot be created.
bool ShowSampleDialog(CDialog &dialog);
// As ShowSampleDialog, then the focus where the dialog first puts it and
// the commands heard so far forgotten.
bool ShowSampleDialogFocused(CRecordingDialog &dialog);

// The widget of a window, to send Qt input to.
QWidget *WidgetOf(HWND hWnd);
void PumpEvents();
// A key typed at the window that has the focus.
void Press(HWND hAny, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void TypeText(HWND hAny, const char *text);
// A left click at a point of a window's client area.
void Click(HWND hWnd, int x, int y);
void MouseDown(HWND hWnd, int x, int y);
void MouseUp(HWND hWnd, int x, int y);
int FocusId();
CString TextOf(HWND hWnd);

// Records the framework's message boxes while alive.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    static std::vector<std::string> &Messages();
};
