// The editor view: creation, routing to the controller, buffer notices,
// split panes kept in step, scroll messages and painting.
#include "editor/view/SECEditView.h"

#include "editor/controller/SECEditController.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/view/SECEditPrintState.h"

#include "framework/app/AppIds.h"
#include "framework/app/SplitterWnd.h"
#include "framework/shellui/OleDropTarget.h"
#include "framework/window/WindowDC.h"

IMPLEMENT_DYNCREATE(SECEditView, CView)

BEGIN_MESSAGE_MAP(SECEditView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_ERASEBKGND()
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

SECEditView::SECEditView()
{
    m_visualPart.GetViewport().SetMapMode(MM_TEXT);
}

SECEditView::~SECEditView()
{
    EndPrint();
    if (m_pDropTarget) {
        m_pDropTarget->Revoke();
        if (m_bOwnsDropTarget)
            delete m_pDropTarget;
        m_pDropTarget = nullptr;
    }
}

// ---- Creation

BOOL SECEditView::PreCreateWindow(CREATESTRUCT &cs)
{
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_IBEAM), nullptr, nullptr);
    return CView::PreCreateWindow(cs);
}

BOOL SECEditView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect,
                         CWnd *pParentWnd, UINT nID, CCreateContext *pContext)
{
    m_visualPart.SetOwnerWindow(this);
    m_visualPart.SetModeWord(0);
    if (!CView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext))
        return FALSE;
    return m_visualPart.Initialize();
}

int SECEditView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_visualPart.SetBuffer(GetTextBuffer());
    RegisterDropTarget();
    // A pane of a splitter with shared bars has none of its own. The frame
    // is recalculated at once, so that the client area leaves room for the
    // bars from the first paint on, not only after the first resize.
    if (!GetScrollBarCtrl(SB_HORZ))
        ModifyStyle(0, WS_HSCROLL, SWP_FRAMECHANGED);
    if (!GetScrollBarCtrl(SB_VERT))
        ModifyStyle(0, WS_VSCROLL, SWP_FRAMECHANGED);
    return 0;
}

SECEditController *SECEditView::NewController()
{
    return new SECEditController;
}

SECEditController *SECEditView::CreateHostController()
{
    return NewController();
}

COleDropTarget *SECEditView::CreateDropTarget(BOOL *pbOwns)
{
    if (pbOwns)
        *pbOwns = TRUE;
    return new COleDropTarget;
}

BOOL SECEditView::RegisterDropTarget()
{
    if (!m_pDropTarget)
        m_pDropTarget = CreateDropTarget(&m_bOwnsDropTarget);
    return m_pDropTarget && m_pDropTarget->Register(this);
}

CScrollBar *SECEditView::GetScrollBarCtrl(int nBar) const
{
    // A splitter lends its shared bars to its panes.
    if (m_hWnd)
        if (auto *pSplitter = dynamic_cast<CSplitterWnd *>(GetParent()))
            return pSplitter->GetPaneScrollBar(this, nBar);
    return CView::GetScrollBarCtrl(nBar);
}

// ---- Routing

BOOL SECEditView::PreTranslateMessage(MSG *pMsg)
{
    if (m_visualPart.PreTranslateMessage(pMsg))
        return TRUE;
    return CView::PreTranslateMessage(pMsg);
}

BOOL SECEditView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (m_visualPart.OnWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    return CView::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL SECEditView::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (CView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_visualPart.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- Drag and drop: the controller's

DROPEFFECT SECEditView::OnDragEnter(COleDataObject *pDataObject, DWORD dwKeyState, CPoint point)
{
    SECEditController *pController = GetController();
    return pController ? pController->OnDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT SECEditView::OnDragOver(COleDataObject *pDataObject, DWORD dwKeyState, CPoint point)
{
    SECEditController *pController = GetController();
    return pController ? pController->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

void SECEditView::OnDragLeave()
{
    if (SECEditController *pController = GetController())
        pController->OnDragLeave();
}

BOOL SECEditView::OnDrop(COleDataObject *pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    SECEditController *pController = GetController();
    return pController && pController->OnDrop(pDataObject, dropEffect, point);
}

// ---- Initial update and split panes

void SECEditView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    CRect client;
    GetClientRect(&client);
    if (GetTextBuffer())
        m_visualPart.GetBounds().SetSize(client.Width(), client.Height());
    UpdateScrollBars();

    auto *pSplitter = dynamic_cast<CSplitterWnd *>(GetParent());
    if (!pSplitter || !(pSplitter->GetStyle() & SPLS_DYNAMIC_SPLIT))
        return;
    int row = 0, col = 0;
    if (!pSplitter->IsChildPane(this, &row, &col))
        return;
    m_pSplitter = pSplitter;
    m_nSplitterRow = row;
    m_nSplitterCol = col;
    if (row == 0 && col == 0)
        return;
    if (!dynamic_cast<SECEditView *>(pSplitter->GetPane(0, 0)))
        return;
    if (row > 0)
        if (auto *pTop = dynamic_cast<SECEditView *>(pSplitter->GetPane(0, col)))
            TakeOrigin(0, pTop->m_visualPart.GetViewport().GetOrigin().x);
    if (col > 0)
        if (auto *pLeft = dynamic_cast<SECEditView *>(pSplitter->GetPane(row, 0)))
            TakeOrigin(1, pLeft->m_visualPart.GetViewport().GetOrigin().y);
}

BOOL SECEditView::TakeOrigin(int axis, int value)
{
    SECEditVisualPart::Viewport &viewport = m_visualPart.GetViewport();
    const CPoint origin = viewport.GetOrigin();
    if ((axis == 0 ? origin.x : origin.y) == value)
        return FALSE;
    const int lineHeight = GetLineHeight();
    const int charWidth = GetCharWidth();
    // Moved as by the scroll bar: the bar follows and no broadcast goes out.
    if (axis == 1 && lineHeight > 0)
        m_visualPart.ScrollStep(SB_VERT, value / lineHeight - m_visualPart.GetTopLine());
    else if (axis == 0 && charWidth > 0)
        m_visualPart.ScrollStep(SB_HORZ, value / charWidth - m_visualPart.GetLeftColumn());
    return viewport.GetOrigin() != origin;
}

void SECEditView::OnHostOriginSet()
{
    if (!m_hWnd || m_visualPart.IsScrolling())
        return;
    // Moved from outside the scroll bars (the caret left the view): the
    // bars follow.
    UpdateScrollBars();
    if (!m_pSplitter)
        return;
    int row = 0, col = 0;
    if (!m_pSplitter->IsChildPane(this, &row, &col))
        return;
    m_nSplitterRow = row;
    m_nSplitterCol = col;
    if (m_pSplitter->GetActivePane() != this)
        return;
    if (SECEditTextBuffer *pBuffer = m_visualPart.GetBuffer()) {
        auto *pHint = new SECEditBufferHint(SECEDIT_HINT_SPLITTER_SYNC);
        pBuffer->Notify(static_cast<SECEditObserver *>(&m_visualPart.GetObserver()), pHint);
        pHint->Release();
    }
}

void SECEditView::OnSplitterSync()
{
    int activeRow = 0, activeCol = 0;
    auto *pActive = dynamic_cast<SECEditView *>(m_pSplitter->GetActivePane(&activeRow, &activeCol));
    if (!pActive || pActive == this || !m_pSplitter->IsChildPane(this, &m_nSplitterRow, &m_nSplitterCol))
        return;
    const CPoint theirs = pActive->m_visualPart.GetViewport().GetOrigin();
    BOOL bChanged = FALSE;
    if (activeCol == m_nSplitterCol)
        bChanged |= TakeOrigin(0, theirs.x);
    if (activeRow == m_nSplitterRow)
        bChanged |= TakeOrigin(1, theirs.y);
    if (bChanged)
        Invalidate(TRUE);
}

void SECEditView::OnHostScrolled(int nBar, int delta)
{
    // The panes that share the moved bar move with it.
    if (!m_pSplitter || !GetScrollBarCtrl(nBar))
        return;
    for (int row = 0; row < m_pSplitter->GetRowCount(); ++row) {
        for (int col = 0; col < m_pSplitter->GetColumnCount(); ++col) {
            auto *pPane = dynamic_cast<SECEditView *>(m_pSplitter->GetPane(row, col));
            if (pPane && pPane != this && pPane->GetScrollBarCtrl(nBar) == GetScrollBarCtrl(nBar))
                pPane->m_visualPart.ScrollStep(nBar, delta);
        }
    }
}

// ---- Buffer notices

void SECEditView::OnUpdate(CView *pSender, LPARAM lHint, CObject *pHint)
{
    CView::OnUpdate(pSender, lHint, pHint);
}

void SECEditView::OnHostUpdate(void *pSender, SECEditHint *pHint)
{
    if (pHint && pHint->GetTypeId() == SECEDIT_HINT_SPLITTER_SYNC) {
        if (m_pSplitter && m_hWnd)
            OnSplitterSync();
        return;
    }
    m_visualPart.OnBufferHint(pSender, pHint);
}

// ---- Messages

void SECEditView::OnSize(UINT nType, int cx, int cy)
{
    UpdateWindow();
    CView::OnSize(nType, cx, cy);
    m_visualPart.OnSize(cx, cy, m_rectLastClient);
}

void SECEditView::OnPaint()
{
    CPaintDC dc(this);
    m_visualPart.Draw(&dc);
}

void SECEditView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *)
{
    m_visualPart.OnScrollMessage(SB_VERT, nSBCode, nPos);
}

void SECEditView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *)
{
    m_visualPart.OnScrollMessage(SB_HORZ, nSBCode, nPos);
}

BOOL SECEditView::OnEraseBkgnd(CDC *)
{
    return TRUE;
}

BOOL SECEditView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    return m_visualPart.OnScroll(nScrollCode, nPos, bDoScroll);
}
