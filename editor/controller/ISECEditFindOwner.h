// The seam between the editor controller and its find and replace dialog.
//
// The dialog hands every button press to its owner through
// ISECEditFindOwner.  The controller never sees the dialog's class: it
// reaches the dialog through the runner that the dialog's code installs
// with SECEditController::SetFindDialogRunner, which makes a dialog from a
// SECEditFindDialogSetup, runs or shows it, and reads a button press back
// as a SECEditFindRequest.  Without a runner the find commands still work
// on the shared find settings; only the dialog is not shown.
#pragma once

#include "framework/base/CString.h"

class CStringList;
class SECEditFindDialog;

// The find-callback interface of the dialog's owner.
class ISECEditFindOwner {
public:
    // One button press of the dialog: the owner reads it (through the
    // runner's Read) and acts; TRUE when the action succeeded (text found,
    // replacement made).
    virtual BOOL OnFindDialogButton(SECEditFindDialog *pDialog) = 0;
    // TRUE when the editor has a selection and no mouse selection runs.
    virtual BOOL CanReplaceInSelection() = 0;

protected:
    ~ISECEditFindOwner() = default;
};

// What the owner hands a new dialog, in the order the dialog's setters
// want it: the find-only flag before the direction and the selection
// option, the selection's availability before the selection option.
struct SECEditFindDialogSetup {
    ISECEditFindOwner *m_pOwner = nullptr;
    // Owned by the find settings; the dialog keeps them up to date.
    CStringList *m_pFindHistory = nullptr;
    CStringList *m_pReplaceHistory = nullptr;
    BOOL m_bFindOnly = TRUE;
    BOOL m_bMatchCase = FALSE;
    BOOL m_bWholeWord = FALSE;
    BOOL m_bRegularExpression = FALSE;
    BOOL m_bRegexAvailable = FALSE;
    // Find dialog only.
    BOOL m_bSearchDown = TRUE;
    // Replace dialog only: the selection is always offered (the dialog
    // decides on activation); whether Replace All keeps to it.
    BOOL m_bSelectionAvailable = FALSE;
    BOOL m_bInSelection = FALSE;
    CString m_strReplaceText;
    CString m_strFindText;
};

// One button press, as the owner reads it from the dialog's accessors.
struct SECEditFindRequest {
    enum Action { terminating = 0, findNext = 1, markAll = 2, replaceCurrent = 3, replaceAll = 4 };
    int m_nAction = terminating;
    CString m_strFindText;
    CString m_strReplaceText;
    BOOL m_bSearchDown = TRUE;
    BOOL m_bMatchCase = FALSE;
    BOOL m_bWholeWord = FALSE;
    BOOL m_bInSelection = FALSE;
    BOOL m_bRegularExpression = FALSE;
    BOOL m_bFindOnly = TRUE;
};

// The dialog's side of the seam, installed by the dialog's code.
class ISECEditFindDialogRunner {
public:
    // A new dialog object filled from the setup (no window yet).
    virtual SECEditFindDialog *New(const SECEditFindDialogSetup &setup) = 0;
    // Runs the dialog modally; returns when it has ended (the object stays
    // for Delete).
    virtual int DoModal(SECEditFindDialog *pDialog) = 0;
    // Creates the modeless window from template 22701 (find) or 22702
    // (replace), activates and shows it; FALSE when it cannot be made.
    virtual BOOL CreateModeless(SECEditFindDialog *pDialog) = 0;
    // Brings an open dialog forward: activated and shown.
    virtual void Activate(SECEditFindDialog *pDialog) = 0;
    // Destroys an open modeless dialog's window (its owner is going away);
    // the object then deletes itself.
    virtual void Destroy(SECEditFindDialog *pDialog) = 0;
    // Deletes a modal dialog's object after DoModal.
    virtual void Delete(SECEditFindDialog *pDialog) = 0;
    // The press being handled: the action and every field.
    virtual void Read(SECEditFindDialog *pDialog, SECEditFindRequest &request) = 0;

protected:
    ~ISECEditFindDialogRunner() = default;
};
