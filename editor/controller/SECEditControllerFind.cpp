// The search side of the controller: the find and replace dialog's owner,
// Find, Mark All and the F3 family.  Replace and Replace All are in
// SECEditControllerReplace.cpp.
#include "editor/controller/SECEditController.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/controller/SECEditFindMessages.h"
#include "editor/controller/SECEditRegExp.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditFindState.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/text/SECEditTextStore.h"
#include "editor/controller/ISECViewport.h"

namespace {

ISECEditFindDialogRunner *g_pFindDialogRunner = nullptr;

// The end of a match that starts at position and is length bytes long.
SECEditPosition MatchEnd(SECEditTextBuffer &buffer, const SECEditPosition &position, int length)
{
    SECEditTextStore *pStore = buffer.GetStore();
    const int offset = pStore->PositionToOffset(position.m_nLine, position.m_nCol);
    SECEditPosition end = position;
    if (offset >= 0)
        pStore->OffsetToPosition(offset + length, &end.m_nLine, &end.m_nCol);
    return end;
}

} // namespace

ISECEditFindDialogRunner *SECEditController::SetFindDialogRunner(ISECEditFindDialogRunner *pRunner)
{
    ISECEditFindDialogRunner *previous = g_pFindDialogRunner;
    g_pFindDialogRunner = pRunner;
    return previous;
}

ISECEditFindDialogRunner *SECEditController::GetFindDialogRunner()
{
    return g_pFindDialogRunner;
}

// ---- Shared helpers

BOOL SECEditController::CheckPattern(SECEditFindState &state)
{
    if (!state.m_bRegularExpression)
        return TRUE;
    SECEditRegExp regExp;
    // Without an engine the search runs as a plain one.
    if (!regExp.Create())
        return TRUE;
    regExp.SetPattern(state.m_strFindText);
    regExp.SetIgnoreCase(!state.m_bMatchCase);
    CString reason;
    if (regExp.IsPatternValid(reason))
        return TRUE;
    SECEditShowFindMessage("Invalid regular expression: " + reason, MB_ICONEXCLAMATION);
    return FALSE;
}

SECEditPosition SECEditController::FindStart(BOOL bDown)
{
    SECEditPosition start = m_caret;
    if (HasFindSelection())
        start = bDown ? m_selection.GetFinish() : m_selection.GetStart();
    if (SECEditTextBuffer *pBuffer = GetBuffer())
        start.m_nCol = std::min(start.m_nCol, std::max(pBuffer->GetLineTextLength(start.m_nLine), 0));
    return start;
}

void SECEditController::SelectMatch(const SECEditPosition &from, const SECEditPosition &to)
{
    ClearSelection(TRUE);
    m_selection.Begin(from, SECEDIT_SEL_STREAM);
    m_selection.ExtendTo(to);
    InvalidateLines(from.m_nLine, to.m_nLine);
}

CString SECEditController::GetInitialFindText()
{
    if (HasFindSelection() && m_selection.GetStart().m_nLine == m_selection.GetFinish().m_nLine)
        return GetSelectionText();
    CString word;
    GetWordAtCaret(word);
    return word;
}

void SECEditController::CenterLine(int line)
{
    ISECViewport *pViewport = GetViewport();
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (!pViewport || !pMetrics || pMetrics->GetLineHeight() <= 0)
        return;
    const int height = pMetrics->GetLineHeight();
    const int visible = pViewport->GetSize().cy / height;
    const int top = pViewport->GetOrigin().y / height;
    const int count = line - visible / 2 - top;
    if (count != 0)
        ScrollLines(count);
}

// ---- The dialog

void SECEditController::ShowFindDialog(BOOL bFindOnly)
{
    SECEditFindState &state = SECEditGetFindState();
    ISECEditFindDialogRunner *pRunner = GetFindDialogRunner();
    if (state.m_pDialog) {
        if (pRunner)
            pRunner->Activate(state.m_pDialog);
        return;
    }
    if (!pRunner)
        return;
    SECEditFindDialogSetup setup;
    setup.m_pOwner = this;
    setup.m_pFindHistory = &state.m_findHistory;
    setup.m_pReplaceHistory = &state.m_replaceHistory;
    setup.m_bFindOnly = bFindOnly;
    setup.m_bMatchCase = state.m_bMatchCase;
    setup.m_bWholeWord = state.m_bWholeWord;
    setup.m_bRegularExpression = state.m_bRegularExpression;
    setup.m_bRegexAvailable = state.m_bRegexAvailable;
    setup.m_bSearchDown = state.m_bSearchDown;
    setup.m_bSelectionAvailable = !bFindOnly;
    setup.m_bInSelection = state.m_bInSelection;
    setup.m_strReplaceText = state.m_strReplaceText;
    setup.m_strFindText = GetInitialFindText();
    SECEditFindDialog *pDialog = pRunner->New(setup);
    if (!pDialog)
        return;
    state.m_pDialog = pDialog;
    state.m_pOwner = this;
    if (m_bModalFind) {
        pRunner->DoModal(pDialog);
        if (m_hWnd)
            SetFocus();
        pRunner->Delete(pDialog);
        state.m_pDialog = nullptr;
        state.m_pOwner = nullptr;
        return;
    }
    if (!pRunner->CreateModeless(pDialog)) {
        pRunner->Delete(pDialog);
        state.m_pDialog = nullptr;
        state.m_pOwner = nullptr;
    }
}

BOOL SECEditController::OnFindDialogButton(SECEditFindDialog *pDialog)
{
    ISECEditFindDialogRunner *pRunner = GetFindDialogRunner();
    if (!pRunner || !pDialog)
        return FALSE;
    SECEditFindRequest request;
    pRunner->Read(pDialog, request);
    return OnFindRequest(request);
}

BOOL SECEditController::CanReplaceInSelection()
{
    return HasFindSelection();
}

BOOL SECEditController::OnFindRequest(const SECEditFindRequest &request)
{
    SECEditFindState &state = SECEditGetFindState();
    if (request.m_nAction == SECEditFindRequest::terminating) {
        state.m_pDialog = nullptr;
        state.m_pOwner = nullptr;
        if (m_hWnd)
            SetFocus();
        return TRUE;
    }
    CWaitCursor wait;
    state.m_bFindOnly = request.m_bFindOnly;
    state.m_strFindText = request.m_strFindText;
    state.m_strReplaceText = request.m_strReplaceText;
    state.m_bMatchCase = request.m_bMatchCase;
    state.m_bSearchDown = request.m_bSearchDown;
    state.m_bWholeWord = request.m_bWholeWord;
    state.m_bInSelection = request.m_bInSelection;
    state.m_bRegularExpression = request.m_bRegularExpression;
    switch (request.m_nAction) {
    case SECEditFindRequest::findNext:
        if (m_bModalFind)
            m_bLastMatchValid = FALSE;
        return Find(state);
    case SECEditFindRequest::replaceCurrent: return SelectionDiffersFromMatch(state) ? Find(state) : Replace(state);
    case SECEditFindRequest::markAll: return MarkAll(state);
    default: return ReplaceAll(state);
    }
}

// ---- Searching

BOOL SECEditController::SelectionDiffersFromMatch(SECEditFindState &state)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || !HasFindSelection())
        return TRUE;
    const SECEditPosition start = m_selection.GetStart();
    const SECEditPosition finish = m_selection.GetFinish();
    if (start.m_nLine != finish.m_nLine)
        return TRUE;
    SECEditPosition at;
    const int length = SearchDown(state, start, &finish, at);
    if (length <= 0)
        return TRUE;
    return !(at == start && MatchEnd(*pBuffer, start, length) == finish);
}

BOOL SECEditController::Find(SECEditFindState &state)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || state.m_strFindText.IsEmpty() || !CheckPattern(state))
        return FALSE;
    SECEditPosition start = FindStart(state.m_bSearchDown);
    if (state.m_strFindText != m_strLastMatchText) {
        m_strLastMatchText.Empty();
        m_bLastMatchValid = FALSE;
    }
    if (!state.m_bSearchDown) {
        // Upwards from inside a word: from the word's start, so that the
        // word itself is not found again.
        CString after, before;
        SECEditPosition afterEnd, beforeStart;
        if (GetWordAt(after, m_caret.m_nLine, m_caret.m_nCol, TRUE, afterEnd) && !after.IsEmpty() &&
            !(afterEnd == start) && GetWordAt(before, m_caret.m_nLine, m_caret.m_nCol, FALSE, beforeStart))
            start = beforeStart;
    }
    int line = 0, col = 0;
    const int length = pBuffer->Find(start.m_nLine, start.m_nCol, &line, &col, state.m_strFindText, state.m_bSearchDown,
                                     TRUE, state.m_bMatchCase, state.m_bWholeWord, state.m_bRegularExpression, -1, 0);
    const SECEditPosition matchStart(line, col);
    const SECEditPosition matchEnd = length > 0 ? MatchEnd(*pBuffer, matchStart, length) : matchStart;
    const BOOL bRepeated = length > 0 && m_bLastMatchValid && HasFindSelection() &&
                           m_selection.GetStart() == matchStart && m_selection.GetFinish() == matchEnd;
    if (length <= 0 || bRepeated) {
        const UINT nID = (!state.m_bFindOnly || bRepeated) ? SECEDIT_MSG_FINISHED_SEARCHING : SECEDIT_MSG_CANNOT_FIND;
        SECEditShowFindMessage(SECEditFindMessage(nID, state.m_strFindText), MB_ICONEXCLAMATION);
        if (bRepeated)
            return FALSE;
        m_strLastMatchText.Empty();
        m_bLastMatchValid = FALSE;
        ClearSelection(TRUE);
        return FALSE;
    }
    MoveCaretTo(matchStart.m_nLine, matchStart.m_nCol, FALSE);
    ScrollToCaret();
    MoveCaretTo(matchEnd.m_nLine, matchEnd.m_nCol, FALSE);
    ScrollToCaret();
    SelectMatch(matchStart, matchEnd);
    CenterLine(matchStart.m_nLine);
    m_strLastMatchText = state.m_strFindText;
    m_bLastMatchValid = TRUE;
    return TRUE;
}

BOOL SECEditController::MarkAll(SECEditFindState &state)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || state.m_strFindText.IsEmpty())
        return FALSE;
    const BOOL bDown = state.m_bSearchDown;
    // From the selection's near end; that is also where the search stops.
    const SECEditPosition stop = FindStart(!bDown);
    SECEditPosition from = stop;
    int firstLine = -1;
    for (;;) {
        int line = 0, col = 0;
        const int length = pBuffer->Find(from.m_nLine, from.m_nCol, &line, &col, state.m_strFindText, bDown, TRUE,
                                         state.m_bMatchCase, state.m_bWholeWord, FALSE, stop.m_nLine, stop.m_nCol);
        if (length <= 0 || line == firstLine)
            break;
        if (firstLine < 0)
            firstLine = line;
        pBuffer->SetMark(line, SECEDIT_MARK_BOOKMARK, TRUE);
        InvalidateLines(line, line);
        if (bDown)
            from = line < pBuffer->GetLastLine() ? SECEditPosition(line + 1, 0) : SECEditPosition(0, 0);
        else if (line > 0)
            from = SECEditPosition(line - 1, pBuffer->GetLineTextLength(line - 1));
        else
            from = SECEditPosition(pBuffer->GetLastLine(), pBuffer->GetLineTextLength(pBuffer->GetLastLine()));
    }
    if (firstLine < 0) {
        CString text;
        text.Format("Cannot find the string '%s'.", state.m_strFindText.GetString());
        SECEditShowFindMessage(text, MB_ICONEXCLAMATION);
        return FALSE;
    }
    ClearSelection(TRUE);
    MoveCaretTo(firstLine, 0, FALSE);
    ScrollToCaret();
    return TRUE;
}

// ---- Commands

void SECEditController::OnEditFind()
{
    ShowFindDialog(TRUE);
}

void SECEditController::OnEditReplace()
{
    ShowFindDialog(FALSE);
}

void SECEditController::OnFindCommand(UINT nID)
{
    SECEditFindState &state = SECEditGetFindState();
    if (state.m_pDialog) {
        if (ISECEditFindDialogRunner *pRunner = GetFindDialogRunner())
            pRunner->Activate(state.m_pDialog);
        return;
    }
    const BOOL bDown = nID == ID_SECEDIT_FIND_NEXT || nID == ID_SECEDIT_FIND_NEXT_WORD;
    if (nID == ID_SECEDIT_FIND_NEXT || nID == ID_SECEDIT_FIND_PREV) {
        if (state.m_strFindText.IsEmpty())
            state.m_strFindText = GetInitialFindText();
        if (state.m_strFindText.IsEmpty())
            return;
        state.m_bSearchDown = bDown;
        m_strLastMatchText.Empty();
        m_bLastMatchValid = FALSE;
        Find(state);
        return;
    }
    state.m_bSearchDown = bDown;
    const CString word = GetInitialFindText();
    if (word.IsEmpty()) {
        ShowFindDialog(TRUE);
        return;
    }
    state.m_strFindText = word;
    Find(state);
}
