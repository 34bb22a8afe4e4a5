// SECEditController: the keyboard, mouse and command half of the editor.
// Plugged into the view's window, it receives the window's messages before
// the view, turns keys into commands through accelerator table 22502, and
// reads and changes text only through the view's text buffer.
//
// This file holds the object, its routing, its gutter layout, the command
// enable states and the commands that belong to no editing area (marks,
// highlight, overwrite, whitespace, scrolling, undo and redo, the
// line-change hook).
#pragma once

#include "editor/controller/ISECEditFindOwner.h"
#include "editor/controller/SECEditPlugIn.h"
#include "editor/controller/SECEditSelection.h"
#include "editor/lang/SECEditHint.h"

#include "framework/base/CString.h"
#include "framework/base/Mbcs.h"
#include "framework/shell/OleTypes.h"

class CCmdUI;
class CDC;
class CMenu;
class COleDataObject;
class COleDataSource;
class SECEditHint;
class SECEditTextCommand;
class SECEditCommand;
class SECEditDisplayMetrics;
class SECEditLangConfig;
class SECEditFindState;
class SECEditRegExp;

class SECEditController : public SECEditPlugIn, public ISECEditFindOwner {
    DECLARE_DYNAMIC(SECEditController)
public:
    SECEditController();
    ~SECEditController() override;

    // ---- Attaching and state
    void Initialize(CWnd *pHost, ISECViewport *pViewport) override;
    virtual void ResetEditState();

    // ---- Gutter
    virtual void SetSelectionMargin(int width) { m_nSelectionMargin = width; }
    virtual int GetLineNumberWidth();
    virtual void SetLineNumberWidth(int width) { m_nLineNumberWidth = width; }
    virtual UINT GetGutterMode() { return m_nGutterMode; }
    virtual void SetGutterMode(UINT mode) { m_nGutterMode = mode; }
    virtual int GetSelectionMarginWidth();
    virtual int GetLineNumberDigits();
    virtual void SetLineNumberDigits(int digits) { m_nLineNumberDigits = digits; }
    // Selection margin plus line numbers: where the text starts.
    int GetTextLeft() { return GetSelectionMarginWidth() + GetLineNumberWidth(); }
    virtual CString FormatLineNumber(int n);
    virtual void *GetAttachedObject() { return m_pAttachedObject; }
    virtual void SetAttachedObject(void *pObject) { m_pAttachedObject = pObject; }
    // The controller's own metrics record, which serves the line numbers.
    virtual SECEditDisplayMetrics *GetDisplayMetrics() { return m_pMetrics; }
    virtual void CreateFonts();

    // ---- Updates
    // FALSE locks, TRUE unlocks (never below 0); updates run again at 0.
    virtual void LockUpdates(BOOL bUnlock);
    BOOL AreUpdatesEnabled() const { return m_bUpdatesEnabled; }
    int GetUpdateLock() const { return m_nUpdateLock; }

    // ---- Links
    virtual BOOL CanDrag() { return TRUE; }
    // Line height and character width for everything but the line numbers.
    virtual SECEditDisplayMetrics *GetMetrics();
    virtual SECEditLangConfig *GetLangConfig();
    SECEditTextBuffer *GetBuffer() { return GetEventListener().GetBuffer(); }
    ISECViewport *GetViewport() { return GetEventListener().GetViewport(); }
    virtual BOOL IsMouseSelecting() { return m_bMouseSelecting; }
    virtual BOOL IsBufferReadOnly();
    // The read-only rule: commands that change text do nothing while the
    // buffer is read-only or a mouse selection is in progress.
    BOOL CanChangeText() { return !IsBufferReadOnly() && !IsMouseSelecting(); }

    // ---- Caret and selection
    int GetCaretLine() const { return m_caret.m_nLine; }
    int GetCaretColumn() const { return m_caret.m_nCol; }
    CPoint GetCaretPoint() const { return CPoint(m_nCaretX, m_nCaretY); }
    BOOL CaretExists() const { return m_bCaretExists; }
    // Clamps the line to the document and, without virtual space, the
    // column to the line; then places the caret on the pixel position.
    virtual void MoveCaretTo(int line, int column, BOOL bKeepVirtual);
    // A client point: converted to the document, then to a position.
    virtual void MoveCaretToPoint(int x, int y, BOOL bKeepVirtual);
    virtual void UpdateCaret();
    virtual void CreateCaret(BOOL bSolid);
    virtual void DestroyCaret();
    virtual void ScrollToCaret();
    // Remembers the caret x for vertical moves.
    virtual void SetDesiredX();
    virtual BOOL HasSelection();
    const SECEditSelection &GetSelectionObject() const { return m_selection; }
    virtual void SelectRange(int startLine, int startCol, int endLine, int endCol, int mode);
    virtual void ClearSelection(BOOL bRepaint);
    // Begins a stream selection at the caret when none exists, runs the
    // move, and makes the caret the selection's end.
    void ExtendSelectionWith(void (SECEditController::*pfnMove)());
    // Begins a stream selection at the caret when none exists, moves the
    // caret to the position (clamped as MoveCaretTo does) and makes it the
    // selection's end; brings the caret into view when bScroll is set.
    virtual void ExtendSelectionTo(int line, int column, BOOL bScroll);

    // ---- Positions and pixels (document co-ordinates, gutter included)
    BOOL IsVirtualSpaceAllowed(BOOL bKeepVirtual);
    CPoint PositionToPoint(const SECEditPosition &position);
    SECEditPosition PointToPosition(CPoint point, BOOL bRoundToNearest);

    // ---- Words (runs of characters of one class: blanks, delimiters, the rest)
    // The run touching the position on one side, and its far end; FALSE
    // when there is none (the document's start or end).
    virtual BOOL GetWordAt(CString &out, int line, int column, BOOL bAfter, SECEditPosition &farEnd);
    virtual BOOL GetWordAtCaret(CString &out);
    // The word a double-click or Ctrl+Shift+W selects; FALSE when empty.
    virtual BOOL GetTokenAt(CString &out, int line, int column, int &start, int &end);
    SECEditPosition PreviousWordStart();
    SECEditPosition NextWordStart();
    void SelectWordAtCaret();

    // ---- Mouse
    // Whether a text position lies inside the selection.
    BOOL IsInSelection(const SECEditPosition &position);
    // Drags the selection (a left-button press inside it): the text goes
    // as CF_TEXT; a move taken outside this buffer's panes deletes it here.
    // The effect the drop took, 0 when none.
    virtual DROPEFFECT StartDrag();
    // The drop target's steps, forwarded by the view (client points).
    virtual DROPEFFECT OnDragEnter(COleDataObject *pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual DROPEFFECT OnDragOver(COleDataObject *pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(COleDataObject *pDataObject, DROPEFFECT dropEffect, CPoint point);
    BOOL IsDropAccepted() const { return m_bDropAccepted; }
    BOOL IsDropCaretShown() const { return m_bDropCaretShown; }

    // ---- Moves (each places the caret and scrolls it into view)
    void MoveWordLeft();
    void MoveWordRight();
    void MoveLeft();
    void MoveRight();
    void MoveUp();
    void MoveDown();
    void MovePageUp();
    void MovePageDown();
    void MoveHome();
    void MoveEnd();
    void MoveDocStart();
    void MoveDocEnd();

    // ---- Buffer notifications
    // The observer the view attaches to the buffer for this controller.
    SECEditObserver *GetBufferObserver() { return &m_observer; }
    virtual void OnUpdate(void *pSender, SECEditHint *pHint);
    // Moves the caret for a text change: the focused pane's caret to the
    // change, any other pane's caret shifted with the text.
    virtual void AdjustCaretForEdit(SECEditTextCommand *pEdit);
    // The caret placed where the records of an undo or redo left it.
    void PlacePendingCaret();

    // ---- Typing and editing
    // Typed text at the caret, merged into the typing run where it may.
    virtual void InsertText(const CString &text);
    // Deletes the selection and inserts text where it began.
    virtual void ReplaceSelection(const CString &text, BOOL bColumnBlock);
    virtual SECEditPosition DeleteSelection();
    virtual BOOL InsertAt(int line, int column, LPCTSTR text, int length);
    virtual BOOL InsertRange(SECEditRange &range, LPCTSTR text, int length);
    // Pads the caret line with whitespace up to a caret in virtual space.
    virtual void ExpandToVirtualColumn();
    // The whitespace that fills gap display columns after display column start.
    CString GapWhitespace(int start, int gap);
    virtual void DeleteAtCaret();
    // Return: a line break with auto-indent.
    virtual void NewLine();
    // Tab and Shift+Tab: a tab, a move to a tab stop, or the lines of the
    // selection indented or unindented.
    virtual void Tab();
    virtual void Unindent();
    // Ctrl+Backspace and Ctrl+Delete: the span to the previous or next word
    // start goes.
    virtual void DeleteWord(BOOL bForward);
    // Ctrl+U and Ctrl+Shift+U: the selection in lower or upper case, still
    // selected afterwards.
    virtual void ChangeCase(bool bUpper);
    // Ctrl+Shift+L: the selected lines, or the caret line, go.
    virtual void DeleteLines();
    // ---- Clipboard
    // The selection's text; a column block as rows each ending in a line
    // break.
    CString GetSelectionText();
    // The selection (or the caret line) as CF_TEXT, with the column marker
    // for a block; NULL when there is nothing to copy.
    virtual COleDataSource *CopyToDataSource(BOOL bForClipboard);
    virtual COleDataSource *NewDataSource();
    // The text a data object offers (all of its bytes, NUL bytes included)
    // and whether it is a column block; FALSE without text.
    virtual BOOL PasteFromDataObject(COleDataObject *pDataObject, CString &text, BOOL &bIsColumn);
    // Rows of text inserted one below the other at the position's pixel x.
    virtual void InsertColumnBlock(const SECEditPosition &position, const CString &text);
    // Runs an edit command through the buffer with updates locked.
    virtual BOOL ExecuteCommand(SECEditCommand *pCommand);
    virtual void Backspace();
    // The serial number of the insert record the typing run goes into (0:
    // no run).
    ULONGLONG GetTypingSerial() const { return m_nTypingSerial; }

    // ---- Printing
    // How many bytes of whole characters of text (length bytes, tabs
    // expanded to stops every tab size x the metrics' space width) fit into
    // width pixels on pDC with its current font; 0 when width is narrower
    // than one character of the metrics.
    virtual int FitTextToWidth(CDC *pDC, SECEditDisplayMetrics *pMetrics, LPCTSTR text, int length, int width);
    // ---- Find and replace (each reports its outcome in a message box)
    // TRUE unless the selection is exactly the match a search from its
    // start would find.
    virtual BOOL SelectionDiffersFromMatch(SECEditFindState &state);
    // The next match in the state's direction, wrapping, selected.
    virtual BOOL Find(SECEditFindState &state);
    // Bookmarks every line holding a match.
    virtual BOOL MarkAll(SECEditFindState &state);
    // Every match from the caret (or in the selection) replaced in one undo
    // step, the new text built in one pass over the old.
    virtual BOOL ReplaceAll(SECEditFindState &state);
    // The match at the selection replaced, then the next one found.
    virtual BOOL Replace(SECEditFindState &state);
    // Opens the shared find (TRUE) or replace dialog through the installed
    // runner; an open one is only brought forward.
    virtual void ShowFindDialog(BOOL bFindOnly);
    // The selection when it lies on one line, else the word at the caret.
    virtual CString GetInitialFindText();
    // Scrolls the line to the middle of the window.
    virtual void CenterLine(int line);
    BOOL OnFindDialogButton(SECEditFindDialog *pDialog) override;
    BOOL CanReplaceInSelection() override;
    // The selection as the find commands see it: none while the mouse
    // selects.
    BOOL HasFindSelection() { return HasSelection() && !IsMouseSelecting(); }
    // A button press already read from the dialog.
    virtual BOOL OnFindRequest(const SECEditFindRequest &request);
    // The dialog's code installs its runner; returns the one before.
    static ISECEditFindDialogRunner *SetFindDialogRunner(ISECEditFindDialogRunner *pRunner);
    static ISECEditFindDialogRunner *GetFindDialogRunner();
    const CString &GetLastMatchText() const { return m_strLastMatchText; }
    BOOL IsLastMatchValid() const { return m_bLastMatchValid; }

    // ---- Context menu
    // Loads menu 22565 and takes its first popup into pPopup; FALSE when
    // the menu is missing or empty.
    virtual BOOL CreateContextMenu(CMenu &menu, CMenu *&pPopup);
    // Runs the enable handler of every item, in order.
    virtual void UpdateMenuItems(CMenu *pPopup);

    // ---- Marks and lines
    virtual BOOL OnLeaveMarkedLine(int line, BOOL bHasMark);
    virtual void ToggleHighlight(int line);
    // The status pane's text: "Ln %d, Col %d", counting bytes.
    CString FormatStatusPosition();

    BOOL PreTranslateMessage(MSG *pMsg) override;

protected:
    bool IsExtraMessage(UINT message) const override;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnBackspace();
    afx_msg void OnDelete();
    afx_msg void OnReturn();
    afx_msg void OnTab();
    afx_msg void OnEditCopy();
    afx_msg void OnEditCut();
    afx_msg void OnEditPaste();
    afx_msg void OnCutLines();
    afx_msg void OnLowerCase();
    afx_msg void OnUpperCase();
    afx_msg void OnDeleteLines();
    afx_msg void OnConfigureLanguage();
    afx_msg LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeEndComposition(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUnindent();
    afx_msg void OnDeleteWordBack();
    afx_msg void OnDeleteWord();
    afx_msg void OnContextMenu(CWnd *pWnd, CPoint point);
    afx_msg void OnSetFocus(CWnd *pOldWnd);
    afx_msg void OnKillFocus(CWnd *pNewWnd);
    afx_msg void OnMoveCommand(UINT nID);
    afx_msg void OnSelectAll();
    afx_msg void OnSelectWord();
    afx_msg void OnOverwrite();
    afx_msg void OnShowWhitespace();
    afx_msg void OnEscape();
    afx_msg void OnLineChanged();
    afx_msg void OnScrollDown();
    afx_msg void OnScrollUp();
    afx_msg void OnToggleHighlight();
    afx_msg void OnToggleMark(UINT nID);
    afx_msg void OnNextMark(UINT nID);
    afx_msg void OnPrevMark(UINT nID);
    afx_msg void OnClearMark(UINT nID);
    afx_msg void OnEditUndo();
    afx_msg void OnEditRedo();
    afx_msg void OnUpdateEditCopy(CCmdUI *pCmdUI);
    afx_msg void OnUpdateEditCut(CCmdUI *pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI *pCmdUI);
    afx_msg void OnUpdateEditUndo(CCmdUI *pCmdUI);
    afx_msg void OnUpdateEditRedo(CCmdUI *pCmdUI);
    afx_msg void OnUpdateShowWhitespace(CCmdUI *pCmdUI);
    afx_msg void OnUpdateToggleMark(CCmdUI *pCmdUI);
    afx_msg void OnUpdateMarkMove(CCmdUI *pCmdUI);
    afx_msg void OnUpdateOverwrite(CCmdUI *pCmdUI);
    afx_msg void OnUpdateStatusPosition(CCmdUI *pCmdUI);
    afx_msg void OnEditFind();
    afx_msg void OnEditReplace();
    afx_msg void OnFindCommand(UINT nID);
    DECLARE_MESSAGE_MAP()

    // Find and replace helpers.
    // Shows the engine's reason and answers FALSE for an invalid pattern.
    BOOL CheckPattern(SECEditFindState &state);
    // The caret, or the selection's end (down) or start (up), never beyond
    // its line's end.
    SECEditPosition FindStart(BOOL bDown);
    // Searches down from `from` (wrapping, or up to and including *pStop):
    // the length of the match and its start, 0 for none.  A regular
    // expression sees the whole document around the match (look-behinds,
    // anchors), so a match found once is found again from its own start.
    int SearchDown(SECEditFindState &state, const SECEditPosition &from, const SECEditPosition *pStop,
                   SECEditPosition &at);
    // Selects from..to (a stream selection) with the caret at its end.
    void SelectMatch(const SECEditPosition &from, const SECEditPosition &to);
    // The replacement for a match: the literal text, or with regular
    // expressions the replacement expanded against the match in the
    // document.
    CString ReplacementFor(SECEditFindState &state, int matchStart, int matchLength);
    // Message 22604 with the buffer's line width.
    void ReportLineLimit();
    // Shows the summary or "finished" message of Replace All.
    void ReportReplaceAll(SECEditFindState &state, int count, BOOL bInSelection);

    // Runs the drag-and-drop loop with the data (modal); the effect taken.
    virtual DROPEFFECT RunDragDrop(COleDataSource *pSource);
    // Whether a client point lies strictly inside the selection of the
    // buffer's drag source (not on its first or last position).
    BOOL IsInsideDragSource(CPoint point);

    // Scrolls by whole lines without moving the caret.
    void ScrollLines(int count);
    // Has the buffer tell every pane to repaint the lines first to last.
    void InvalidateLines(int first, int last);
    void JumpToMark(int mark, BOOL bForward);
    // The line's text (no line break) and its length.
    int LineText(int line, CString &holder, const char **ppText);
    // Pixel width of the first count bytes of the line, tabs expanded.
    int LineExtent(const char *text, int count);
    void RepaintSelectionLines();
    // A stream selection over several lines becomes a line selection (a
    // last line reached only at column 0 left out); TRUE when the
    // selection is then a line selection.
    BOOL MakeLineSelection();
    void IndentColumnBlock();
    // The byte span of a column block on one line, clamped to the line.
    void GetBlockSpan(int line, int &startCol, int &endCol);
    void ChangeBlockCase(bool bUpper);
    // The caret after a block indent: the end when the anchor is the start.
    void PlaceCaretAfterIndent(const SECEditSelection &selection);
    void BeginMouseSelection();
    void EndMouseSelection();
    // The column block being dragged, in client pixels.
    CRect DragBlockRect(CPoint dragPoint);
    void InvertDragFeedback(const CRect &oldBlock, const CRect &newBlock);

    class BufferObserver : public SECEditObserver {
    public:
        explicit BufferObserver(SECEditController &owner) : m_owner(owner) {}
        void OnUpdate(void *pSender, SECEditHint *pHint) override { m_owner.OnUpdate(pSender, pHint); }

    private:
        SECEditController &m_owner;
    };
    BufferObserver m_observer{*this};
    // Whether a typed character continues the typing run.
    bool ContinuesTypingRun(const CString &text);
    void TypeCharacter(const CString &text);
    // The bytes of one UTF-8 character typed byte by byte.
    MbTypedChars m_typedChars;
    ULONGLONG m_nTypingSerial = 0;
    BOOL m_bModalFind = TRUE;
    BOOL m_bDropAccepted = FALSE;
    BOOL m_bDropCaretShown = FALSE;
    // This pane's running drag was dropped back into this pane.
    BOOL m_bDroppedHere = FALSE;
    CString m_strLastMatchText;
    BOOL m_bLastMatchValid = FALSE;
    BOOL m_bVirtualColumn = FALSE;
    BOOL m_bKeepSelectionOnFocus = FALSE;
    BOOL m_bSplitterPane = FALSE;
    UINT_PTR m_nScrollTimer = 0;
    BOOL m_bCaretHidden = TRUE;
    BOOL m_bLineHookBusy = FALSE;
    int m_nTrackingCaretLine = 0;
    HACCEL m_hAccelerators = nullptr;
    int m_nSelectionMargin = 20;
    BOOL m_bMouseSelecting = FALSE;
    BOOL m_bUpdatesEnabled = TRUE;
    int m_nUpdateLock = 0;
    // Inside an undo or redo (their depth): the caret follows each record
    // only in the text, and is placed on the screen once at the end.
    int m_nHistoryDepth = 0;
    BOOL m_bCaretPlacementPending = FALSE;
    SECEditPosition m_caret;
    int m_nCaretX = 0;
    int m_nCaretY = 0;
    int m_nDesiredX = 0;
    BOOL m_bKeepDesiredX = TRUE;
    BOOL m_bCaretExists = FALSE;
    BOOL m_bBeyondLineEnd = FALSE;
    SECEditSelection m_selection;
    int m_nDisplayBase = 1;
    BOOL m_bExactHits = FALSE;
    BOOL m_bDragStartPending = FALSE;
    CPoint m_dragAnchor;
    CPoint m_dragPoint;
    HCURSOR m_hGutterCursor = nullptr;
    BOOL m_bScrollByMessages = FALSE;
    UINT m_nGutterMode = 45314;
    int m_nLineNumberWidth = -1;
    int m_nLineNumberDigits = -1;
    SECEditDisplayMetrics *m_pMetrics = nullptr;
    CString m_strMetricsFace;
    void *m_pAttachedObject = nullptr;
};
