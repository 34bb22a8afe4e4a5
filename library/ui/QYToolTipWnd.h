// A small pop-up that shows a short, possibly multi-line text next to a
// point on the screen: the toolbox shows its items' names in it.  It never
// takes the focus, and hides itself after its delay or as soon as the mouse
// moves over it.  A tip of several lines shows its first line as a title on
// a light band.
#pragma once

#include "framework/base/CString.h"
#include "framework/gdi/Font.h"
#include "framework/window/Wnd.h"

// The timer that hides the tip.
#define QY_TIP_TIMER 2000

// The tip's colours: background, title band.
#define QY_TIP_BACK_COLOR RGB(255, 255, 223)
#define QY_TIP_TITLE_COLOR RGB(239, 235, 255)

class CQYToolTipWnd : public CWnd {
    DECLARE_DYNAMIC(CQYToolTipWnd)
public:
    CQYToolTipWnd();
    CQYToolTipWnd(const CQYToolTipWnd&) = delete;
    CQYToolTipWnd& operator=(const CQYToolTipWnd&) = delete;
    ~CQYToolTipWnd() override;

    // Milliseconds until a shown tip hides itself.
    virtual void SetDelay(int nDelay);
    virtual int GetDelay();
    virtual BOOL IsShown();
    // Formats the text printf-style, cut to 1023 bytes at a character
    // start, and shows it.
    virtual BOOL ShowTipFormat(int x, int y, CWnd* pParent, LPCTSTR lpszFormat, ...)
        __attribute__((format(printf, 5, 6)));
    // Shows the text next to (x, y) in screen coordinates, over pParent.
    virtual BOOL ShowTip(LPCTSTR lpszText, int x, int y, CWnd* pParent);
    // Destroys the tip's window when it is shown; returns whether it was.
    virtual BOOL HideTip();

    const CString& GetText() const { return m_strText; }
    CPoint GetTipPoint() const { return m_ptTip; }
    CFont& GetTipFont() { return m_font; }

    CString m_strClassName;
    int m_nDelay = 3500;
    HBRUSH m_hBrush = nullptr;
    CString m_strText;
    CPoint m_ptTip;
    BOOL m_bShown = FALSE;
    CFont m_font;

protected:
    // The window went (with its owner, say): the tip is no longer shown.
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void CreateTipFont();
    BOOL CreateTipWindow(CWnd* pParent);
    // The tip's size and place for the current text.
    CRect TipRectAt(int x, int y);
};
