// The dialog manager: dialog windows built from templates in dialog units,
// the dialog window procedure and keyboard navigation among the controls.
//
// Navigation follows the controls' WM_GETDLGCODE answers: Tab and Shift+Tab
// move among WS_TABSTOP controls in creation order (entering children with
// WS_EX_CONTROLPARENT), arrows move within a WS_GROUP group (checking auto
// radio buttons), Alt+letter (or the letter alone when the focused control
// takes no characters) picks the control with that mnemonic, Enter presses
// the default push button and Escape sends IDCANCEL.
#pragma once

#include "framework/controls/ControlStyles.h"
#include "framework/resources/ResourceTypes.h"
#include "framework/window/WinHandles.h"

// The class of dialog windows.
#define PLEXO_DIALOG_CLASS "PlexoDialog"
// A plain window that draws nothing: the stand-in for a control whose class
// a template names but nobody registered.
#define PLEXO_EMPTY_CONTROL_CLASS "PlexoEmptyControl"

// ---- Dialog units
// The base units of the system's dialog font: width in the low word, height
// in the high word.
LONG GetDialogBaseUnits();
// Converts a rectangle from the dialog's units to pixels.
BOOL MapDialogRect(HWND hDlg, LPRECT lpRect);

// ---- Dialogs
// The procedure of dialog windows (DM_GETDEFID/SETDEFID, focus keeping,
// Enter, Escape and close as commands, the dialog's background).
LRESULT DefDlgProc(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam);
// Handles the message when it is a navigation key or a mnemonic of hDlg's
// controls; otherwise translates and dispatches it when it is for hDlg or
// one of its controls. FALSE for other windows' messages.
BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg);
// Ends a modal dialog's loop with the result (the dialog is hidden; the
// owner of the loop destroys it). FALSE when hDlg is no dialog.
BOOL EndDialog(HWND hDlg, INT_PTR nResult);
// TRUE once EndDialog was called; the result goes to *pnResult.
BOOL PlexoDialogEnded(HWND hDlg, INT_PTR *pnResult = nullptr);
HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
// Checks the last radio button and clears the others from first to last.
BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
// Moves the focus to a control as the keyboard does: an edit's text is
// selected, the default push button follows.
void PlexoGotoDlgCtrl(HWND hDlg, HWND hCtl);

// Builds the controls of a template inside a dialog window that was made
// with PLEXO_DIALOG_CLASS, sets the dialog's font and size, and sends
// WM_INITDIALOG (focus to the first tab stop when it answers TRUE).
// Controls of unknown classes stand in as empty controls; every problem of
// the template is reported once by a clear message.
BOOL PlexoBuildDialog(HWND hDlg, const RESOURCE_DIALOG *pTemplate, LPARAM lInitParam);
// The window placement of a template over an owner or parent: the window
// rectangle (screen coordinates for top-level dialogs), in pixels of the
// template's font.
RECT PlexoDialogWindowRect(const RESOURCE_DIALOG *pTemplate, HWND hWndParent);
// The problems the last PlexoBuildDialog call found (one line each).
const char *PlexoLastDialogProblems();
// Gives the focus back to the control that had it last (the first tab stop
// when none), unless a control of the dialog has it already.
void PlexoDialogRestoreFocus(HWND hDlg);
