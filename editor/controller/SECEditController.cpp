#include "editor/controller/SECEditController.h"

#include "editor/controller/SECEditAccelerators.h"
#include "editor/controller/SECEditCommandIds.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditFindState.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/controller/ISECViewport.h"

#include "framework/gdi/Font.h"
#include "framework/shellui/Clipboard.h"

#include <cstdio>

IMPLEMENT_DYNAMIC(SECEditController, SECEditPlugIn)

BEGIN_MESSAGE_MAP(SECEditController, SECEditPlugIn)
ON_WM_SETFOCUS()
ON_WM_CONTEXTMENU()
ON_WM_CHAR()
ON_COMMAND(ID_SECEDIT_BACKSPACE, OnBackspace)
ON_COMMAND(ID_SECEDIT_DELETE, OnDelete)
ON_COMMAND(ID_SECEDIT_RETURN, OnReturn)
ON_COMMAND(ID_SECEDIT_TAB, OnTab)
ON_COMMAND(ID_SECEDIT_LOWER_CASE, OnLowerCase)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_COMMAND(ID_SECEDIT_CUT_LINES, OnCutLines)
ON_COMMAND(ID_SECEDIT_UPPER_CASE, OnUpperCase)
ON_COMMAND(ID_SECEDIT_DELETE_LINES, OnDeleteLines)
ON_COMMAND(ID_SECEDIT_CONFIGURE_LANGUAGE, OnConfigureLanguage)
ON_MESSAGE(WM_IME_STARTCOMPOSITION, OnImeStartComposition)
ON_MESSAGE(WM_IME_ENDCOMPOSITION, OnImeEndComposition)
ON_COMMAND(ID_SECEDIT_UNINDENT, OnUnindent)
ON_COMMAND(ID_SECEDIT_DELETE_WORD_BACK, OnDeleteWordBack)
ON_COMMAND(ID_SECEDIT_DELETE_WORD, OnDeleteWord)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_TIMER()
ON_WM_SETCURSOR()
ON_WM_KILLFOCUS()
ON_COMMAND_RANGE(ID_SECEDIT_EXTEND_DOC_END, ID_SECEDIT_DOC_START, OnMoveCommand)
ON_COMMAND_RANGE(ID_SECEDIT_UP, ID_SECEDIT_EXTEND_HOME, OnMoveCommand)
ON_COMMAND_RANGE(ID_SECEDIT_EXTEND_END, ID_SECEDIT_EXTEND_END, OnMoveCommand)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnSelectAll)
ON_COMMAND(ID_SECEDIT_SELECT_WORD, OnSelectWord)
ON_COMMAND_RANGE(ID_SECEDIT_EXTEND_WORD_LEFT, ID_SECEDIT_WORD_RIGHT, OnMoveCommand)
ON_COMMAND_RANGE(ID_SECEDIT_EXTEND_WORD_RIGHT, ID_SECEDIT_EXTEND_WORD_RIGHT, OnMoveCommand)
ON_COMMAND(ID_SECEDIT_OVERWRITE, OnOverwrite)
ON_COMMAND(ID_SECEDIT_SHOW_WHITESPACE, OnShowWhitespace)
ON_COMMAND(ID_SECEDIT_ESCAPE, OnEscape)
ON_COMMAND(ID_SECEDIT_LINE_CHANGED, OnLineChanged)
ON_COMMAND(ID_SECEDIT_SCROLL_DOWN, OnScrollDown)
ON_COMMAND(ID_SECEDIT_SCROLL_UP, OnScrollUp)
// Before the toggle range, which holds its id.
ON_COMMAND(ID_SECEDIT_TOGGLE_HIGHLIGHT, OnToggleHighlight)
ON_COMMAND_RANGE(ID_SECEDIT_TOGGLE_MARK_FIRST, ID_SECEDIT_TOGGLE_MARK_LAST, OnToggleMark)
ON_COMMAND_RANGE(ID_SECEDIT_NEXT_MARK_FIRST, ID_SECEDIT_NEXT_MARK_LAST, OnNextMark)
ON_COMMAND_RANGE(ID_SECEDIT_PREV_MARK_FIRST, ID_SECEDIT_PREV_MARK_LAST, OnPrevMark)
ON_COMMAND_RANGE(ID_SECEDIT_CLEAR_MARK_FIRST, ID_SECEDIT_CLEAR_MARK_LAST, OnClearMark)
ON_COMMAND(ID_EDIT_FIND, OnEditFind)
ON_COMMAND(ID_EDIT_REPLACE, OnEditReplace)
ON_COMMAND_RANGE(ID_SECEDIT_FIND_NEXT, ID_SECEDIT_FIND_PREV_WORD, OnFindCommand)
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
ON_UPDATE_COMMAND_UI(ID_SECEDIT_SHOW_WHITESPACE, OnUpdateShowWhitespace)
ON_UPDATE_COMMAND_UI_RANGE(ID_SECEDIT_TOGGLE_MARK_FIRST, ID_SECEDIT_TOGGLE_MARK_LAST, OnUpdateToggleMark)
ON_UPDATE_COMMAND_UI_RANGE(ID_SECEDIT_NEXT_MARK_FIRST, ID_SECEDIT_CLEAR_MARK_LAST, OnUpdateMarkMove)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_OVR, OnUpdateOverwrite)
ON_UPDATE_COMMAND_UI(ID_SECEDIT_STATUS_POSITION, OnUpdateStatusPosition)
END_MESSAGE_MAP()

SECEditController::SECEditController()
{
    SECEditRegisterAccelerators();
    m_hAccelerators = ::LoadAccelerators(nullptr, MAKEINTRESOURCE(IDR_SECEDIT_ACCELERATORS));
    m_hGutterCursor = ::LoadCursor(nullptr, MAKEINTRESOURCE(IDC_SECEDIT_GUTTER_CURSOR));
    // The record behind the line numbers: a fixed 12-pixel line and
    // 8-pixel characters, whatever font the view shows.
    m_pMetrics = new SECEditDisplayMetrics;
    m_pMetrics->m_nLineHeight = 12;
    m_pMetrics->m_nCharWidth = 8;
    m_strMetricsFace = "Ariel";
    CreateFonts();
}

SECEditController::~SECEditController()
{
    // The shared dialog must not call back into a controller that is gone.
    if (SECEditFindDialog *pDialog = SECEditGetFindState().ReleaseOwner(this))
        if (ISECEditFindDialogRunner *pRunner = GetFindDialogRunner())
            pRunner->Destroy(pDialog);
    delete m_pMetrics;
}

void SECEditController::Initialize(CWnd *pHost, ISECViewport *pViewport)
{
    ClearSelection(FALSE);
    AttachToView(pHost, pViewport);
}

void SECEditController::ResetEditState()
{
    if (m_hWnd && GetBuffer())
        MoveCaretTo(0, 0, FALSE);
    else
        m_caret = SECEditPosition(0, 0);
    ClearSelection(FALSE);
    m_nScrollTimer = 0;
    m_nUpdateLock = 0;
    m_nDesiredX = 0;
    m_bVirtualColumn = FALSE;
    m_bMouseSelecting = FALSE;
    m_typedChars.Clear();
    m_nTypingSerial = 0;
    m_bLineHookBusy = FALSE;
    m_nTrackingCaretLine = 0;
    m_bUpdatesEnabled = TRUE;
}

// ---- Gutter

int SECEditController::GetLineNumberWidth()
{
    if (m_nGutterMode == ID_SECEDIT_GUTTER_NONE || m_nGutterMode == ID_SECEDIT_GUTTER_MARGIN)
        return 0;
    if (m_nLineNumberWidth >= 0)
        return m_nLineNumberWidth;
    return GetLineNumberDigits() * m_pMetrics->GetCharWidth();
}

int SECEditController::GetSelectionMarginWidth()
{
    if (m_nGutterMode == ID_SECEDIT_GUTTER_NONE || m_nGutterMode == ID_SECEDIT_GUTTER_NUMBERS)
        return 0;
    return m_nSelectionMargin;
}

int SECEditController::GetLineNumberDigits()
{
    if (m_nLineNumberDigits >= 0)
        return m_nLineNumberDigits;
    int lines = GetBuffer() ? GetBuffer()->GetLineCount() : 1;
    int digits = 1;
    for (; lines >= 10; lines /= 10)
        ++digits;
    return digits;
}

CString SECEditController::FormatLineNumber(int n)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%0*d", GetLineNumberDigits(), n);
    return CString(text);
}

void SECEditController::CreateFonts()
{
    for (INT_PTR i = 0; i < m_pMetrics->m_fonts.GetSize(); ++i)
        delete static_cast<CFont *>(m_pMetrics->m_fonts.GetAt(i));
    m_pMetrics->m_fonts.RemoveAll();
    auto *pFont = new CFont;
    pFont->CreateFont(m_pMetrics->GetLineHeight(), m_pMetrics->GetCharWidth(), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                      m_strMetricsFace);
    m_pMetrics->m_fonts.Add(pFont);
}

// ---- Updates and links

void SECEditController::LockUpdates(BOOL bUnlock)
{
    if (!bUnlock)
        ++m_nUpdateLock;
    else if (m_nUpdateLock > 0)
        --m_nUpdateLock;
    const BOOL bWasEnabled = m_bUpdatesEnabled;
    m_bUpdatesEnabled = m_nUpdateLock == 0;
    if (m_bUpdatesEnabled && !bWasEnabled)
        ScrollToCaret();
}

SECEditDisplayMetrics *SECEditController::GetMetrics()
{
    return GetBuffer() ? GetBuffer()->GetDisplayMetrics() : nullptr;
}

SECEditLangConfig *SECEditController::GetLangConfig()
{
    return GetBuffer() ? GetBuffer()->GetLangConfig() : nullptr;
}

BOOL SECEditController::IsBufferReadOnly()
{
    // Without a buffer there is nothing to change.
    return GetBuffer() ? GetBuffer()->IsReadOnly() : TRUE;
}

// ---- Caret and selection

BOOL SECEditController::HasSelection()
{
    if (m_selection.IsEmpty())
        return FALSE;
    if (m_selection.GetMode() == SECEDIT_SEL_LINES && m_selection.GetAnchor() == m_selection.GetEnd()) {
        SECEditTextBuffer *pBuffer = GetBuffer();
        const int line = m_selection.GetEnd().m_nLine;
        if (pBuffer && line >= pBuffer->GetLastLine())
            return pBuffer->GetLineTextLength(line) > 0;
    }
    return TRUE;
}

void SECEditController::ClearSelection(BOOL bRepaint)
{
    if (m_selection.IsEmpty() && m_selection.GetMode() == SECEDIT_SEL_NONE)
        return;
    const SECEditPosition first = m_selection.GetStart();
    const SECEditPosition last = m_selection.GetFinish();
    m_selection.Clear();
    if (bRepaint)
        InvalidateLines(first.m_nLine, last.m_nLine);
}

// ---- Marks, lines and status

BOOL SECEditController::OnLeaveMarkedLine(int line, BOOL)
{
    if (GetBuffer())
        GetBuffer()->GetLineData(line);
    return TRUE;
}

void SECEditController::ToggleHighlight(int line)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer)
        return;
    if (line < 0)
        line = m_caret.m_nLine;
    if (!pBuffer->ToggleMark(line, SECEDIT_MARK_HIGHLIGHT))
        return;
    // The highlight paints over the syntax colours; without it the line
    // takes its own colours again.
    if (!pBuffer->HasMark(line, SECEDIT_MARK_HIGHLIGHT))
        pBuffer->ColorLine(line, 0);
    InvalidateLines(line, line);
}

CString SECEditController::FormatStatusPosition()
{
    CString text;
    text.Format("Ln %d, Col %d", m_caret.m_nLine + m_nDisplayBase, m_caret.m_nCol + m_nDisplayBase);
    return text;
}

void SECEditController::InvalidateLines(int first, int last)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer)
        return;
    auto *pHint = new SECEditBufferHint(SECEDIT_HINT_INVALIDATE_LINES, first, last);
    pBuffer->Notify(nullptr, pHint);
    pHint->Release();
}

// ---- Routing

BOOL SECEditController::PreTranslateMessage(MSG *pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelerators && m_hWnd &&
        ::TranslateAccelerator(m_hWnd, m_hAccelerators, pMsg))
        return TRUE;
    return SECEditPlugIn::PreTranslateMessage(pMsg);
}

bool SECEditController::IsExtraMessage(UINT message) const
{
    return message == WM_SETFOCUS || message == WM_KILLFOCUS || message == WM_IME_STARTCOMPOSITION ||
           message == WM_IME_ENDCOMPOSITION || message == WM_TIMER;
}

// ---- Commands

void SECEditController::OnOverwrite()
{
    if (GetBuffer())
        GetBuffer()->SetOvertype(!GetBuffer()->GetOvertype());
}

void SECEditController::OnShowWhitespace()
{
    SECEditLangConfig *pConfig = GetLangConfig();
    if (!pConfig)
        return;
    pConfig->SetShowWhitespace(!pConfig->GetShowWhitespace());
    GetBuffer()->Notify(nullptr, nullptr);
}

void SECEditController::OnEscape()
{
    ClearSelection(TRUE);
}

void SECEditController::OnLineChanged()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || m_bLineHookBusy)
        return;
    m_bLineHookBusy = TRUE;
    if (!HasSelection() && m_nTrackingCaretLine <= pBuffer->GetLastLine()) {
        const BOOL bHasMark = pBuffer->HasMark(m_nTrackingCaretLine, SECEDIT_MARK_CURRENT_LINE);
        if (OnLeaveMarkedLine(m_nTrackingCaretLine, bHasMark) && bHasMark)
            pBuffer->SetMark(m_nTrackingCaretLine, SECEDIT_MARK_CURRENT_LINE, FALSE);
    }
    m_nTrackingCaretLine = m_caret.m_nLine;
    m_bLineHookBusy = FALSE;
}

void SECEditController::ScrollLines(int count)
{
    if (m_bScrollByMessages) {
        for (int i = 0; i < std::abs(count); ++i)
            SendMessage(WM_VSCROLL, count > 0 ? SB_LINEDOWN : SB_LINEUP, 0);
        return;
    }
    ISECViewport *pViewport = GetViewport();
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (!pViewport || !pMetrics)
        return;
    const CPoint origin = pViewport->GetOrigin();
    pViewport->SetOrigin(origin.x, origin.y + count * pMetrics->GetLineHeight());
}

void SECEditController::OnScrollDown()
{
    ScrollLines(1);
}

void SECEditController::OnScrollUp()
{
    ScrollLines(-1);
}

void SECEditController::OnToggleHighlight()
{
    ToggleHighlight(-1);
}

void SECEditController::OnToggleMark(UINT nID)
{
    if (GetBuffer() && GetBuffer()->ToggleMark(m_caret.m_nLine, static_cast<int>(nID - ID_SECEDIT_TOGGLE_MARK_FIRST)))
        InvalidateLines(m_caret.m_nLine, m_caret.m_nLine);
}

void SECEditController::JumpToMark(int mark, BOOL bForward)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer)
        return;
    const int line = pBuffer->FindMarkedLine(m_caret.m_nLine, mark, bForward);
    if (line < 0)
        return;
    ClearSelection(TRUE);
    MoveCaretTo(line, 0, FALSE);
}

void SECEditController::OnNextMark(UINT nID)
{
    JumpToMark(static_cast<int>(nID - ID_SECEDIT_NEXT_MARK_FIRST), TRUE);
}

void SECEditController::OnPrevMark(UINT nID)
{
    JumpToMark(static_cast<int>(nID - ID_SECEDIT_PREV_MARK_FIRST), FALSE);
}

void SECEditController::OnClearMark(UINT nID)
{
    if (!GetBuffer())
        return;
    GetBuffer()->ClearMark(static_cast<int>(nID - ID_SECEDIT_CLEAR_MARK_FIRST));
    InvalidateLines(0, GetBuffer()->GetLastLine());
}

void SECEditController::OnEditUndo()
{
    if (!CanChangeText())
        return;
    LockUpdates(FALSE);
    GetBuffer()->Undo();
    LockUpdates(TRUE);
}

void SECEditController::OnEditRedo()
{
    if (!CanChangeText())
        return;
    LockUpdates(FALSE);
    GetBuffer()->Redo();
    LockUpdates(TRUE);
}

// ---- Enable states

void SECEditController::OnUpdateEditCopy(CCmdUI *pCmdUI)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    pCmdUI->Enable(pBuffer && !(pBuffer->GetLineCount() == 1 && pBuffer->GetLineTextLength(0) == 0));
}

void SECEditController::OnUpdateEditCut(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(!IsBufferReadOnly() && HasSelection() && !IsMouseSelecting());
}

void SECEditController::OnUpdateEditPaste(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(!IsBufferReadOnly() && ::IsClipboardFormatAvailable(CF_TEXT));
}

void SECEditController::OnUpdateEditUndo(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(GetBuffer() && GetBuffer()->GetUndoCount() > 0);
}

void SECEditController::OnUpdateEditRedo(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(GetBuffer() && GetBuffer()->GetRedoCount() > 0);
}

void SECEditController::OnUpdateShowWhitespace(CCmdUI *pCmdUI)
{
    SECEditLangConfig *pConfig = GetLangConfig();
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(pConfig && pConfig->GetShowWhitespace() ? 1 : 0);
}

void SECEditController::OnUpdateToggleMark(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void SECEditController::OnUpdateMarkMove(CCmdUI *pCmdUI)
{
    // The three ranges of 33 ids each name mark (id - range start).
    const int mark = static_cast<int>(pCmdUI->m_nID - ID_SECEDIT_NEXT_MARK_FIRST) % 33;
    pCmdUI->Enable(GetBuffer() && GetBuffer()->CountMarkedLines(mark) > 0);
}

void SECEditController::OnUpdateOverwrite(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(GetBuffer() && GetBuffer()->GetOvertype());
}

void SECEditController::OnUpdateStatusPosition(CCmdUI *pCmdUI)
{
    pCmdUI->SetText(FormatStatusPosition());
}
