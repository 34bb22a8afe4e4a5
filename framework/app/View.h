// Views: a child window of a frame that shows a document. WM_PAINT draws
// through OnPrepareDC and OnDraw; a click makes the view the frame's active
// view; commands go to the view, then its document.
#pragma once

#include "framework/shell/OleTypes.h"
#include "framework/window/Wnd.h"

class CDC;
class CDocument;
class CFrameWnd;
class COleDataObject;
struct CPrintInfo;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView() = default;
    ~CView() override;

    CDocument *GetDocument() const { return m_pDocument; }
    // The frame the view lives in (the nearest CFrameWnd parent).
    CFrameWnd *GetParentFrame() const;

    // After the document was made or loaded: here OnUpdate(NULL, 0, NULL).
    virtual void OnInitialUpdate();
    // The document's data changed: here the whole view is repainted.
    virtual void OnUpdate(CView *pSender, LPARAM lHint, CObject *pHint);
    virtual void OnDraw(CDC *pDC) = 0;
    // Sets the DC up for drawing (pInfo NULL on the screen).
    virtual void OnPrepareDC(CDC *pDC, CPrintInfo *pInfo = NULL);
    // The view became (bActivate) or stopped being the active view.
    virtual void OnActivateView(BOOL bActivate, CView *pActivateView, CView *pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd *pFrameWnd);

    // Printing, driven by the print loop.
    virtual BOOL OnPreparePrinting(CPrintInfo *pInfo);
    virtual void OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo);
    virtual void OnPrint(CDC *pDC, CPrintInfo *pInfo);
    virtual void OnEndPrinting(CDC *pDC, CPrintInfo *pInfo);
    // The print preparation a view's OnPreparePrinting returns: the print
    // dialog (or, printing directly, the current printer without asking)
    // and the printing context. FALSE when the user cancelled or no
    // printer could be started.
    BOOL DoPreparePrinting(CPrintInfo *pInfo);
    // ID_FILE_PRINT and ID_FILE_PRINT_DIRECT: the print loop. Views map
    // them to these (the print loop and preview live in the fw_appui
    // module, which programs that print link).
    afx_msg void OnFilePrint();
    // ID_FILE_PRINT_PREVIEW: the preview takes the view's place in its
    // frame until it is closed.
    afx_msg void OnFilePrintPreview();

    // Drag-and-drop over the view, as its registered drop target (or one of
    // the program's own targets) hands it on: here nothing is accepted.
    virtual DROPEFFECT OnDragEnter(COleDataObject *pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject *pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject *pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1: OnDrop decides.
    virtual DROPEFFECT OnDropEx(COleDataObject *pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList, CPoint point);

    // Commands go to the view, then its document.
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    void PostNcDestroy() override;

protected:
    friend class CDocument;
    CDocument *m_pDocument = nullptr;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};
