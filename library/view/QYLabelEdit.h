// The edit control that edits a text label in place on the canvas: Return
// ends a single-line label's edit (notification code 200 to the owner),
// its own clipboard handling refuses pastes while its private format is
// on the clipboard, and typed bytes are gathered into whole UTF-8
// characters before they are inserted, within the control's text limit.
#pragma once

#include "framework/base/Mbcs.h"
#include "framework/controls/Edit.h"

class CQYDrawComponent;

// The notification the control sends when Return ends the edit.
#define QY_LABEL_EDIT_RETURN 200

// Gathers the bytes of one UTF-8 sequence.  TRUE when the byte was taken
// by the collector (text holds what is complete: nothing while a sequence
// is pending, the whole sequence when it completed, or a pending sequence
// flushed unchanged by a byte that cannot continue it, followed by that
// byte when it stands alone); FALSE for a byte that is a character of its
// own (text holds it).
BOOL QYAppendUtf8Byte(UINT nChar, CString& text, MbTypedChars& pending);

// UTF-8 characters (a well-formed sequence, or one byte that starts none):
// their count, and the text of the first nChars of them.
int QYCountUtf8Characters(const CString& strText);
CString QYLeftUtf8Characters(const CString& strText, int nChars);

class CQYLabelEdit : public CEdit {
    DECLARE_DYNAMIC(CQYLabelEdit)
public:
    explicit CQYLabelEdit(CQYDrawComponent* pOwner);
    ~CQYLabelEdit() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    virtual BOOL Activate(BOOL bOn);
    virtual BOOL IsActive();
    // The whole text as CF_TEXT (the clipboard is not emptied here).
    virtual BOOL Copy();
    virtual BOOL Paste();
    virtual BOOL Cut();
    virtual int GetEditEnabled();
    virtual BOOL IsEditEnabled();
    virtual BOOL CanPaste();
    virtual BOOL CanInsertText(const CString& strText);
    // Non-zero lets the edit control process the character itself.
    virtual BOOL FilterChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL Refresh();

    UINT GetPrivateFormat() const { return m_cfPrivate; }

    CQYDrawComponent* m_pOwner;
    BOOL m_bEditEnabled = TRUE;
    BOOL m_bActive = TRUE;
    UINT m_cfPrivate;
    CString m_strPending;
    BOOL m_bInserting = FALSE;
    // The bytes of a UTF-8 sequence that waits for its continuation bytes.
    BOOL m_bLeadPending = FALSE;
    MbTypedChars m_typedChars;
    BOOL m_bRefreshing = FALSE;
    // The text limit in characters (EM_LIMITTEXT and EM_GETLIMITTEXT);
    // taken from the edit control's default on first use.
    UINT m_nCharLimit = 0;
    BOOL m_bLimitTaken = FALSE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // The text that replacing the selection with strText would give.
    CString TextWith(const CString& strText);
    void InsertPending();
    UINT CharacterLimit();
    // How many characters may still replace the selection.
    int CharacterRoom();
    static UINT ByteRoomFor(UINT nChars);
    // Whether a control character passed to the edit control still fits
    // (a line break or a tab inserts text).
    BOOL ControlCharacterFits(UINT nChar);
    void NotifyReturn();
    // Whether the label keeps Return as a line break.
    BOOL IsMultiLineLabel();
};
