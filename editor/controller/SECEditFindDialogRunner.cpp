// The controller's find and replace commands show SECEditFindDialog through
// this runner. It is installed when the controller's library loads, so
// Ctrl+F and Ctrl+H show the dialogs in every program; a program or a test
// may put another runner in its place (SECEditController::SetFindDialogRunner).
#include "editor/controller/SECEditFindDialog.h"

#include "editor/controller/ISECEditFindOwner.h"
#include "editor/controller/SECEditController.h"

namespace {

// A dialog whose button presses reach the controller.
class ControllerFindDialog : public SECEditFindDialog, private SECEditFindDialogOwner {
public:
    explicit ControllerFindDialog(ISECEditFindOwner *pController) : m_pController(pController) { m_pOwner = this; }

private:
    BOOL OnFindDialogButton(SECEditFindDialog *pDialog) override
    {
        return m_pController ? m_pController->OnFindDialogButton(pDialog) : FALSE;
    }
    BOOL CanReplaceInSelection() override { return m_pController ? m_pController->CanReplaceInSelection() : FALSE; }

    ISECEditFindOwner *m_pController;
};

class FindDialogRunner : public ISECEditFindDialogRunner {
public:
    SECEditFindDialog *New(const SECEditFindDialogSetup &setup) override
    {
        auto *dialog = new ControllerFindDialog(setup.m_pOwner);
        // The find-only flag goes first: the direction and the selection
        // option depend on it, and the selection option on its availability.
        dialog->m_bFindOnly = setup.m_bFindOnly;
        dialog->m_bRegularExpression = setup.m_bRegularExpression;
        dialog->m_bRegexAvailable = setup.m_bRegexAvailable;
        dialog->m_pFindHistory = setup.m_pFindHistory;
        dialog->m_pReplaceHistory = setup.m_pReplaceHistory;
        dialog->SetFindString(setup.m_strFindText);
        dialog->SetReplaceString(setup.m_strReplaceText);
        dialog->SetMatchCase(setup.m_bMatchCase);
        dialog->SetMatchWholeWord(setup.m_bWholeWord);
        dialog->SetSearchDown(setup.m_bSearchDown);
        if (setup.m_bSelectionAvailable)
            dialog->SetSelectionAvailable();
        dialog->SetReplaceInSelection(setup.m_bInSelection);
        return dialog;
    }
    int DoModal(SECEditFindDialog *pDialog) override { return pDialog ? int(pDialog->DoModal()) : -1; }
    BOOL CreateModeless(SECEditFindDialog *pDialog) override
    {
        if (!pDialog || !pDialog->CreateModeless(nullptr))
            return FALSE;
        Activate(pDialog);
        return TRUE;
    }
    void Activate(SECEditFindDialog *pDialog) override
    {
        if (!pDialog || !pDialog->GetSafeHwnd())
            return;
        pDialog->ShowWindow(SW_SHOW);
        pDialog->SetActiveWindow();
    }
    void Destroy(SECEditFindDialog *pDialog) override
    {
        if (pDialog && pDialog->GetSafeHwnd())
            pDialog->DestroyWindow();
    }
    void Delete(SECEditFindDialog *pDialog) override { delete pDialog; }
    void Read(SECEditFindDialog *pDialog, SECEditFindRequest &request) override
    {
        request.m_nAction = pDialog->GetAction();
        request.m_strFindText = pDialog->GetFindString();
        request.m_strReplaceText = pDialog->GetReplaceString();
        request.m_bSearchDown = pDialog->SearchDown();
        request.m_bMatchCase = pDialog->MatchCase();
        request.m_bWholeWord = pDialog->MatchWholeWord();
        request.m_bInSelection = pDialog->ReplaceInSelection();
        request.m_bRegularExpression = pDialog->m_bRegularExpression;
        request.m_bFindOnly = pDialog->m_bFindOnly;
    }
};

FindDialogRunner g_runner;

} // namespace

BOOL SECEditInstallFindDialog()
{
    SECEditController::SetFindDialogRunner(&g_runner);
    return TRUE;
}

namespace {

// Loading the controller's library is enough to make the commands show it.
const bool kFindDialogInstalled = [] { return SECEditInstallFindDialog() != FALSE; }();

} // namespace
