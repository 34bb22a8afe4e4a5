// The hyperlink label: a text label that acts as a push button when the
// canvas forwards mouse and keyboard events to it.  It draws raised, or
// pressed while held, shows its own cursor, and on release runs its link
// action: send mail, open an address, open a file or run a program.
// Derived classes override DoEvent for an action of their own.
#pragma once

#include "framework/window/CursorApi.h"
#include "library/shapes/QYStaticComponent.h"

class CWnd;
class CDocTemplate;

// Link actions.
#define QY_LINK_NONE 0
#define QY_LINK_MAIL 1
#define QY_LINK_INTERNET 2
#define QY_LINK_FILE 3
#define QY_LINK_PROGRAM 4

class CQYHyLinkComponent : public CQYStaticComponent {
    DECLARE_SERIAL(CQYHyLinkComponent)
public:
    CQYHyLinkComponent();
    CQYHyLinkComponent(const CQYHyLinkComponent& src);
    ~CQYHyLinkComponent() override;
    CQYHyLinkComponent& operator=(const CQYHyLinkComponent& src);

    // The label's record, then link type, address and cursor type.
    void Serialize(CArchive& ar) override;
    QY_DECLARE_FILE_PERSISTENCE()
    CQYDrawComponent* Copy() override;

    void OnLButtonDown(UINT nFlags, CPoint point) override;
    // Every release runs the action, wherever the pointer is.
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    // The space bar shows the pressed look only; it runs no action.
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnCancelMode() override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDraw(CDC* pDC) override;

    virtual void SetLinkType(const int& nLinkType);
    virtual int GetCursorType();
    // 0 the arrow, 1-4 the link cursors of the program's resources (set at
    // once); other values only store the type.
    virtual void SetCursorType(const int& nCursorType);
    virtual void SetLinkAddress(CString strAddress);
    virtual void InvalidateHost(BOOL bErase);
    virtual void InvalidateRectOnHost(CRect rect);
    virtual void InvalidateLabel();
    virtual void SetLinkCapture(BOOL bCapture);
    // Opens a file or starts a program with the desktop's shell.
    virtual BOOL ExecuteTarget(CString strTarget);
    // Brings forward the template's open document titled strTitle, or opens
    // strPath through the template (and gives it that title).
    virtual BOOL OpenDocumentTarget(CDocTemplate* pTemplate, CString strPath, CString strTitle);
    // The link action: types 1 and 2 open the address as a link, 3 and 4
    // hand it to ExecuteTarget; other types and an empty address do nothing.
    virtual void DoEvent();
    virtual void DrawPressedFrame(CDC* pDC, CRect rect);
    virtual void DrawRaisedFrame(CDC* pDC, CRect rect);

    BOOL OnSetCursor();
    // The host window's cursor message, for classes that override it: the
    // same rule as OnSetCursor().
    virtual BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    // The label's own text drawing (caption or in-place edit), for classes
    // that paint their own face and then the text.
    virtual void OnDrawText(CDC* pDC);
    CString GetLinkAddress() const { return m_strLinkAddress; }
    int GetLinkType() const { return m_nLinkType; }

    CWnd* m_pHostWnd = nullptr;
    BOOL m_bPressed = FALSE;
    BOOL m_bTracking = FALSE;
    BOOL m_bRedraw = TRUE;
    HCURSOR m_hLinkCursor = nullptr;
    int m_nLinkType = QY_LINK_NONE;
    CString m_strLinkAddress;
    int m_nCursorType = 0;

private:
    void InvalidateIfRedraw();
};
