// SECEditCtrl: the editor as a plain child window, so that a dialog can
// hold an editor as one of its controls. It carries the same visual part as
// the editor view (viewport, painting, scrolling) driven by an editor
// controller, and answers the messages that make it behave as a dialog
// control: it wants every key, takes the focus when clicked, tells its
// parent when it gains or loses the focus, and passes Escape on so that
// the dialog can cancel.
#pragma once

#include "editor/view/SECEditVisualPart.h"

#include "framework/window/Wnd.h"

class SECEditCtrl : public CWnd, public SECEditVisualHost {
    DECLARE_DYNCREATE(SECEditCtrl)
public:
    SECEditCtrl();
    ~SECEditCtrl() override;

    // Makes the control over pBuffer (not owned; it must outlive the
    // control). FALSE when the window or its controller cannot be made.
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID, SECEditTextBuffer *pBuffer);

    SECEditTextBuffer *GetTextBuffer() { return m_pBuffer; }
    SECEditVisualPart &GetVisualPart() { return m_visualPart; }
    SECEditController *GetController() { return m_visualPart.GetController(); }

    BOOL PreTranslateMessage(MSG *pMsg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;

    // ---- SECEditVisualHost
    CWnd *GetHostWindow() override { return this; }
    SECEditTextBuffer *GetHostBuffer() override { return m_pBuffer; }
    SECEditController *CreateHostController() override;
    void OnHostUpdate(void *pSender, SECEditHint *pHint) override;

protected:
    // Tells the parent of a focus change (EN_SETFOCUS, EN_KILLFOCUS).
    void NotifyParent(UINT nCode);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg int OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC *pDC);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    DECLARE_MESSAGE_MAP()

    SECEditVisualPart m_visualPart{*this};
    SECEditTextBuffer *m_pBuffer = nullptr;
    CRect m_rectLastClient{0, 0, 0, 0};
};
