#include "framework/app/View.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/FrameWnd.h"
#include "framework/window/WindowDC.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

CFrameWnd *CView::GetParentFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return AfxGetParentFrame(GetParent());
}

BOOL CView::PreCreateWindow(CREATESTRUCT &cs)
{
    cs.style |= WS_CLIPSIBLINGS;
    return CWnd::PreCreateWindow(cs);
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    auto *pContext = static_cast<CCreateContext *>(lpcs->lpCreateParams);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd *pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    delete this;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnUpdate(CView *, LPARAM, CObject *)
{
    if (GetSafeHwnd() != nullptr)
        Invalidate(TRUE);
}

void CView::OnPrepareDC(CDC *, CPrintInfo *) {}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    // A click makes this the active view of its frame.
    CFrameWnd *pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return nResult;
    // A document window inside an MDI frame comes forward first.
    CFrameWnd *pOuter = (pFrame->GetStyle() & WS_CHILD) != 0 ? AfxGetParentFrame(pFrame->GetParent()) : nullptr;
    if (pOuter != nullptr && pOuter->GetActiveFrame() != pFrame)
        pFrame->ActivateFrame();
    if (pFrame->GetActiveView() != this)
        pFrame->SetActiveView(this);
    return nResult;
}

void CView::OnActivateView(BOOL bActivate, CView *pActivateView, CView *)
{
    if (bActivate && pActivateView == this) {
        CFrameWnd *pFrame = GetParentFrame();
        // The focus goes with the activation while the frame is active.
        if (pFrame != nullptr && ::GetActiveWindow() == GetTopLevelParent()->GetSafeHwnd())
            SetFocus();
    }
}

void CView::OnActivateFrame(UINT, CFrameWnd *) {}

BOOL CView::OnPreparePrinting(CPrintInfo *)
{
    return TRUE;
}

void CView::OnBeginPrinting(CDC *, CPrintInfo *) {}

void CView::OnPrint(CDC *pDC, CPrintInfo *pInfo)
{
    OnPrepareDC(pDC, pInfo);
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC *, CPrintInfo *) {}

DROPEFFECT CView::OnDragEnter(COleDataObject *, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT CView::OnDragOver(COleDataObject *, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void CView::OnDragLeave() {}

BOOL CView::OnDrop(COleDataObject *, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT CView::OnDropEx(COleDataObject *, DROPEFFECT, DROPEFFECT, CPoint)
{
    return static_cast<DROPEFFECT>(-1);
}
