// SECEditView: the syntax-colouring editor in a document/view CView. The
// view owns the window, not the text: a derived view hands out the buffer
// (GetTextBuffer). Its embedded visual part creates the controller, which
// borrows the view's window for caret, selection, keys and mouse; the view
// observes the buffer and repaints, rescrolls and keeps split panes in step
// when the buffer sends a notice. Printing: SECEditViewPrint.cpp.
#pragma once

#include "editor/view/SECEditVisualPart.h"

#include "framework/app/View.h"

class COleDropTarget;
class CSplitterWnd;
class SECEditPrintState;

// The editor view's own operations after CView's.
class SECEditViewBase : public CView {
public:
    // Line height and character width of the buffer's display metrics; 0
    // without metrics.
    virtual int GetLineHeight() = 0;
    virtual int GetCharWidth() = 0;
    virtual void UpdateScrollBars() = 0;
    // FALSE: a document that fits scrolls back to its start.
    virtual BOOL KeepsScrollPosition() { return FALSE; }
    virtual COleDropTarget *CreateDropTarget(BOOL *pbOwns) = 0;
    virtual BOOL RegisterDropTarget() = 0;
};

class SECEditView : public SECEditViewBase, public SECEditVisualHost {
    DECLARE_DYNCREATE(SECEditView)
public:
    SECEditView();
    ~SECEditView() override;

    // ---- SECEditViewBase
    int GetLineHeight() override { return m_visualPart.GetLineHeight(); }
    int GetCharWidth() override { return m_visualPart.GetCharWidth(); }
    void UpdateScrollBars() override { m_visualPart.UpdateScrollBars(); }
    COleDropTarget *CreateDropTarget(BOOL *pbOwns) override;
    BOOL RegisterDropTarget() override;

    // ---- Printing (SECEditViewPrint.cpp)
    // Splits the buffer's lines into print lines; returns their number.
    virtual int PrintPage(CDC *pDC);
    // Half an inch off every side of the rectangle.
    virtual void GetPrintMargins(CDC *pDC, CRect &rect);
    // Two print lines each.
    virtual int GetHeaderHeight(CDC *pDC);
    virtual int GetFooterHeight(CDC *pDC);
    virtual void PrintHeader(CDC *pDC, CPrintInfo *pInfo, const CRect &rect);
    virtual void PrintBody(CDC *pDC, CPrintInfo *pInfo, const CRect &rect);
    virtual void PrintFooter(CDC *pDC, CPrintInfo *pInfo, const CRect &rect);
    // The start of a print job on pDC: the print font, the page's
    // rectangles and the pagination; returns the number of pages (0: none,
    // and a page too small to print on is refused with a message box).
    UINT BeginPrint(CDC *pDC);
    // Prints page nPage (from 1) of the job begun.
    void PrintPageNumber(CDC *pDC, CPrintInfo *pInfo, UINT nPage);
    // Forgets the job.
    void EndPrint();
    SECEditPrintState *GetPrintState() const { return m_pPrintState; }
    static const char *const kPageTooSmall;

    // The buffer shown; NULL here, a usable view overrides it.
    virtual SECEditTextBuffer *GetTextBuffer() { return nullptr; }

    // ---- CView
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                UINT nID, CCreateContext *pContext = NULL) override;
    BOOL PreTranslateMessage(MSG *pMsg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;
    CScrollBar *GetScrollBarCtrl(int nBar) const override;
    // The drag auto-scroll: low byte the horizontal request (0 left, 1
    // right), high byte the vertical one (0 up, 1 down).
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    DROPEFFECT OnDragEnter(COleDataObject *pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(COleDataObject *pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave() override;
    BOOL OnDrop(COleDataObject *pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView *pSender, LPARAM lHint, CObject *pHint) override;
    // Painting goes through WM_PAINT and the visual part.
    void OnDraw(CDC *pDC) override {}
    // The print loop's steps (SECEditViewPrint.cpp).
    BOOL OnPreparePrinting(CPrintInfo *pInfo) override;
    void OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo) override;
    void OnPrint(CDC *pDC, CPrintInfo *pInfo) override;
    void OnEndPrinting(CDC *pDC, CPrintInfo *pInfo) override;

    // ---- Parts and state
    SECEditVisualPart &GetVisualPart() { return m_visualPart; }
    SECEditController *GetController() { return m_visualPart.GetController(); }
    CSplitterWnd *GetSplitter() const { return m_pSplitter; }
    COleDropTarget *GetDropTarget() const { return m_pDropTarget; }
    BOOL IsScrolling() const { return m_visualPart.IsScrolling(); }
    // Takes another view's origin on one axis (0 horizontal, 1 vertical);
    // TRUE when it changed.
    BOOL TakeOrigin(int axis, int value);

    // ---- SECEditVisualHost
    CWnd *GetHostWindow() override { return this; }
    SECEditTextBuffer *GetHostBuffer() override { return GetTextBuffer(); }
    SECEditController *CreateHostController() override;
    void OnHostUpdate(void *pSender, SECEditHint *pHint) override;
    void OnHostOriginSet() override;
    BOOL KeepsScrollPosition() override { return FALSE; }
    void OnHostScrolled(int nBar, int delta) override;

protected:
    // The controller a new view creates (a derived view makes its own kind).
    virtual SECEditController *NewController();
    void OnSplitterSync();
    // Lines per page below 1 or a body narrower than one character.
    BOOL IsPageTooSmall() const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    afx_msg BOOL OnEraseBkgnd(CDC *pDC);
    DECLARE_MESSAGE_MAP()

    SECEditVisualPart m_visualPart{*this};
    COleDropTarget *m_pDropTarget = nullptr;
    BOOL m_bOwnsDropTarget = TRUE;
    CRect m_rectLastClient{0, 0, 0, 0};
    SECEditPrintState *m_pPrintState = nullptr;
    CSplitterWnd *m_pSplitter = nullptr;
    int m_nSplitterRow = 0;
    int m_nSplitterCol = 0;
};
