// Replace and Replace All, and the searches and replacements they share
// with Find.  Replace All runs through SECEditReplaceAllPass, which builds
// the new text in one pass over the old.
#include "editor/controller/SECEditController.h"

#include "editor/controller/SECEditDocumentText.h"
#include "editor/controller/SECEditFindMessages.h"
#include "editor/controller/SECEditRegExp.h"
#include "editor/controller/SECEditReplaceAllPass.h"
#include "editor/controller/SECEditUpdateLock.h"
#include "editor/text/SECEditFindState.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/text/SECEditTextStore.h"

#include <algorithm>
#include <string>
#include <string_view>

// ---- Replacements

int SECEditController::SearchDown(SECEditFindState &state, const SECEditPosition &from, const SECEditPosition *pStop,
                                  SECEditPosition &at)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    SECEditRegExp regExp;
    if (!state.m_bRegularExpression || !regExp.Create()) {
        return pBuffer->Find(from.m_nLine, from.m_nCol, &at.m_nLine, &at.m_nCol, state.m_strFindText, TRUE,
                             pStop == nullptr, state.m_bMatchCase, state.m_bWholeWord, FALSE,
                             pStop ? pStop->m_nLine : -1, pStop ? pStop->m_nCol : 0);
    }
    regExp.SetPattern(state.m_strFindText);
    regExp.SetIgnoreCase(!state.m_bMatchCase);
    SECEditTextStore *pStore = pBuffer->GetStore();
    SECEditDocumentText text(*pBuffer);
    regExp.BeginPass(text.Data(), text.Length());
    // The first non-empty match that starts in [first, last].
    auto search = [&](int first, int last, long &matchStart, long &matchEnd) {
        while (first <= last && regExp.NextMatch(first, &matchStart, &matchEnd) == 1 && matchStart <= last) {
            if (matchEnd > matchStart)
                return true;
            if (matchStart >= text.Length())
                break;
            first = text.StepPastEmptyMatch(static_cast<int>(matchStart));
        }
        return false;
    };
    const int start = pStore->PositionToOffset(from.m_nLine, from.m_nCol);
    if (start < 0)
        return 0;
    long matchStart = 0, matchEnd = 0;
    bool found = false;
    if (pStop)
        found = search(start, pStore->PositionToOffset(pStop->m_nLine, pStop->m_nCol), matchStart, matchEnd);
    else
        found = search(start, text.Length(), matchStart, matchEnd) || search(0, start, matchStart, matchEnd);
    if (!found)
        return 0;
    pStore->OffsetToPosition(static_cast<int>(matchStart), &at.m_nLine, &at.m_nCol);
    return static_cast<int>(matchEnd - matchStart);
}

CString SECEditController::ReplacementFor(SECEditFindState &state, int matchStart, int matchLength)
{
    if (!state.m_bRegularExpression)
        return state.m_strReplaceText;
    SECEditRegExp regExp;
    if (!regExp.Create())
        return state.m_strReplaceText;
    regExp.SetPattern(state.m_strFindText);
    regExp.SetIgnoreCase(!state.m_bMatchCase);
    SECEditDocumentText text(*GetBuffer());
    // The match as the search found it: in the whole document, from its
    // own start.
    regExp.BeginPass(text.Data(), text.Length());
    long first = 0, last = 0;
    if (regExp.NextMatch(matchStart, &first, &last) == 1 && first == matchStart && last - first == matchLength) {
        std::string out;
        regExp.AppendReplacement(out, state.m_strReplaceText);
        return CString(std::move(out));
    }
    return state.m_strReplaceText;
}

BOOL SECEditController::Replace(SECEditFindState &state)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || state.m_strFindText.IsEmpty())
        return FALSE;
    if (pBuffer->IsReadOnly()) {
        SECEditShowFindMessage(SECEditFindMessage(SECEDIT_MSG_REPLACE_READ_ONLY, CString()), MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (!CheckPattern(state))
        return FALSE;
    SECEditTextStore *pStore = pBuffer->GetStore();
    SECEditPosition from = HasFindSelection() ? m_selection.GetStart() : m_caret;
    from.m_nCol = std::min(from.m_nCol, std::max(pBuffer->GetLineTextLength(from.m_nLine), 0));
    SECEditPosition at;
    const int length = SearchDown(state, from, nullptr, at);
    const int line = at.m_nLine, col = at.m_nCol;
    if (length <= 0) {
        SECEditShowFindMessage(SECEditFindMessage(SECEDIT_MSG_FINISHED_SEARCHING, state.m_strFindText),
                               MB_ICONEXCLAMATION);
        return FALSE;
    }
    const int matchStart = pStore->PositionToOffset(line, col);
    SECEditPosition matchEnd;
    pStore->OffsetToPosition(matchStart + length, &matchEnd.m_nLine, &matchEnd.m_nCol);
    SelectMatch(SECEditPosition(line, col), matchEnd);
    MoveCaretTo(matchEnd.m_nLine, matchEnd.m_nCol, FALSE);
    const CString replacement = ReplacementFor(state, matchStart, length);
    {
        SECEditDocumentText text(*pBuffer);
        const int lineStart = text.LineStart(matchStart);
        const int lineEnd = text.LineTextEnd(matchStart + length);
        if (!SECEditLineFits(*pBuffer, text.Bytes(lineStart, matchStart - lineStart), replacement.View(),
                             text.Bytes(matchStart + length, lineEnd - matchStart - length),
                             text.Bytes(matchStart, length))) {
            ReportLineLimit();
            return FALSE;
        }
    }
    m_nTypingSerial = 0;
    ReplaceSelection(replacement, FALSE);
    // The next match is selected, ready for the next press.
    Find(state);
    return TRUE;
}

BOOL SECEditController::ReplaceAll(SECEditFindState &state)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || state.m_strFindText.IsEmpty())
        return FALSE;
    if (pBuffer->IsReadOnly()) {
        SECEditShowFindMessage(SECEditFindMessage(SECEDIT_MSG_REPLACE_READ_ONLY, CString()), MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (!CheckPattern(state))
        return FALSE;
    SECEditTextStore *pStore = pBuffer->GetStore();
    const BOOL bInSelection = state.m_bInSelection && HasFindSelection();
    auto offsetOf = [&](SECEditPosition position) {
        position.m_nCol = std::min(position.m_nCol, std::max(pBuffer->GetLineTextLength(position.m_nLine), 0));
        return pStore->PositionToOffset(position.m_nLine, position.m_nCol);
    };
    const int start = offsetOf(HasFindSelection() ? m_selection.GetStart() : m_caret);
    const int stop = bInSelection ? offsetOf(m_selection.GetFinish()) : start;
    if (start < 0 || stop < 0)
        return FALSE;

    SECEditReplaceAllPass pass(*pBuffer, state);
    pass.Collect(start, stop, bInSelection != FALSE);
    int end = -1;
    {
        SECEditCompoundScope group(*pBuffer);
        SECEditUpdateLock lock(*this);
        end = pass.Apply();
        m_nTypingSerial = 0;
    }
    if (pass.GetCount() > 0) {
        ClearSelection(TRUE);
        SECEditPosition caret;
        pStore->OffsetToPosition(end, &caret.m_nLine, &caret.m_nCol);
        MoveCaretTo(caret.m_nLine, caret.m_nCol, FALSE);
        ScrollToCaret();
    }
    if (!pass.GetEngineError().IsEmpty()) {
        SECEditShowFindMessage("Invalid regular expression: " + pass.GetEngineError(), MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (pass.IsStoppedByLineLimit()) {
        ReportLineLimit();
        return FALSE;
    }
    ReportReplaceAll(state, pass.GetCount(), bInSelection);
    return pass.GetCount() > 0;
}

void SECEditController::ReportReplaceAll(SECEditFindState &state, int count, BOOL bInSelection)
{
    if (count == 0) {
        SECEditShowFindMessage(SECEditFindMessage(SECEDIT_MSG_FINISHED_SEARCHING, state.m_strFindText),
                               MB_ICONEXCLAMATION);
        return;
    }
    const UINT nID = bInSelection ? SECEDIT_MSG_REPLACED_IN_SELECTION : SECEDIT_MSG_REPLACED_IN_DOCUMENT;
    SECEditShowFindMessage(SECEditFindMessage(nID, count), MB_OK);
}

void SECEditController::ReportLineLimit()
{
    const int limit = GetBuffer() ? GetBuffer()->GetMaxLineWidth() : SECEditTextBuffer::kDefaultMaxLineWidth;
    SECEditShowFindMessage(SECEditFindMessage(SECEDIT_MSG_LINE_TOO_LONG, limit), MB_ICONEXCLAMATION);
}
