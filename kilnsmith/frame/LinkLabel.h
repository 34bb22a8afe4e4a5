// CLinkLabel: a static text that acts as a web link.  It draws its text in
// link colours (normal, visited, and the hover colour while the pointer is
// over it), underlined, sized to its text, shows the hand cursor and a
// tooltip with its address, and on a click opens the address with the
// desktop's handler, falling back to $BROWSER and then xdg-open.  A failed
// open beeps and says why.
#pragma once

#include "framework/controls/Static.h"
#include "framework/controls/ToolTipCtrl.h"
#include "framework/gdi/Font.h"

// The message box's first line when an address cannot be opened.
#define LINKLABEL_OPEN_ERROR_PREFIX "Unable to open hyperlink:\n\n"

class CLinkLabel : public CStatic {
    DECLARE_DYNAMIC(CLinkLabel)
public:
    CLinkLabel();
    ~CLinkLabel() override;

    virtual void SetLinkAddress(const CString &strAddress);
    virtual CString GetLinkAddress() const;
    // A hover colour of (COLORREF)-1 stands for the highlight colour.
    virtual void SetLinkColors(COLORREF crNormal, COLORREF crVisited, COLORREF crHover);
    virtual COLORREF GetNormalColor() const;
    virtual COLORREF GetVisitedColor() const;
    virtual COLORREF GetHoverColor() const;
    virtual void SetVisitedState(BOOL bVisited);
    virtual BOOL IsVisited() const;
    // NULL loads the desktop's hand cursor.
    virtual void SetHandCursor(HCURSOR hCursor);
    virtual HCURSOR GetHandCursor() const;
    virtual void SetUnderlined(BOOL bUnderlined);
    virtual BOOL IsUnderlined() const;
    virtual void SetFitToText(BOOL bFitToText);
    virtual BOOL IsFitToText() const;
    // Opens the address; a result above 32 means it was opened, smaller
    // values are the error codes ShowOpenError knows.
    virtual INT_PTR OpenLink(const CString &strAddress, int nShowCmd);
    virtual void ShowOpenError(INT_PTR nErrorCode);
    virtual void FitToText();
    virtual void LoadHandCursor();

    // The colour the text is drawn in now.
    COLORREF GetCurrentTextColor() const;
    BOOL IsPointerOver() const { return m_bPointerOver; }
    CToolTipCtrl &GetToolTip() { return m_toolTip; }
    // The text ShowOpenError shows for a code.
    static CString OpenErrorText(INT_PTR nErrorCode);

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG *pMsg) override;

protected:
    afx_msg void OnClicked();
    afx_msg HBRUSH CtlColor(CDC *pDC, UINT nCtlColor);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyFont();
    void RedrawNow();

    COLORREF m_crNormal;
    COLORREF m_crVisited;
    COLORREF m_crHover;
    BOOL m_bPointerOver = FALSE;
    BOOL m_bVisited = FALSE;
    BOOL m_bUnderlined = TRUE;
    BOOL m_bFitToText = TRUE;
    CString m_strAddress;
    CFont m_font;
    HCURSOR m_hHandCursor = nullptr;
    CToolTipCtrl m_toolTip;
};
