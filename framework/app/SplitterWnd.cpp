#include "framework/app/SplitterWnd.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/FrameWnd.h"
#include "framework/app/View.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() = default;

BOOL CSplitterWnd::Create(CWnd *pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext *pContext,
                          DWORD dwStyle, UINT nID)
{
    if (pParentWnd == nullptr || pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return FALSE;
    m_nMaxRows = std::clamp(nMaxRows, 1, 2);
    m_nMaxCols = std::clamp(nMaxCols, 1, 2);
    m_sizeMin = sizeMin;
    m_pViewClass = pContext->m_pNewViewClass;
    m_bHasHScroll = (dwStyle & WS_HSCROLL) != 0;
    m_bHasVScroll = (dwStyle & WS_VSCROLL) != 0;
    // The bars are controls of the splitter, not bars of its own window.
    DWORD dwWindowStyle = (dwStyle & ~(WS_HSCROLL | WS_VSCROLL)) | WS_CHILD | WS_CLIPCHILDREN;
    CRect rect;
    pParentWnd->GetClientRect(&rect);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    if (!CreateEx(0, lpszClass, nullptr, dwWindowStyle, rect, pParentWnd, nID, nullptr))
        return FALSE;
    if (m_bHasHScroll)
        CreateScrollBar(TRUE, 0);
    if (m_bHasVScroll)
        CreateScrollBar(FALSE, 0);
    m_nRows = 1;
    m_nCols = 1;
    if (!CreateView(0, 0, m_pViewClass, CSize(0, 0), pContext)) {
        DestroyWindow();
        return FALSE;
    }
    RecalcLayout();
    return TRUE;
}

void CSplitterWnd::CreateScrollBar(BOOL bHorz, int index)
{
    auto pBar = std::make_unique<CScrollBar>();
    UINT nID = bHorz ? AFX_IDW_HSCROLL_FIRST + index : AFX_IDW_VSCROLL_FIRST + index;
    pBar->Create((bHorz ? SBS_HORZ : SBS_VERT) | WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID);
    pBar->EnableScrollBar(ESB_DISABLE_BOTH);
    (bHorz ? m_hBars : m_vBars)[index] = std::move(pBar);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass *pViewClass, SIZE, CCreateContext *pContext)
{
    CCreateContext context;
    if (pContext != nullptr)
        context = *pContext;
    context.m_pNewViewClass = pViewClass;
    if (context.m_pCurrentDoc == nullptr) {
        // A new pane shows the document of the first one.
        if (auto *pFirst = dynamic_cast<CView *>(GetPane(0, 0)))
            context.m_pCurrentDoc = pFirst->GetDocument();
    }
    auto *pView = dynamic_cast<CWnd *>(pViewClass->CreateObject());
    if (pView == nullptr)
        return FALSE;
    // The view deletes itself if its window cannot be made.
    return pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                         static_cast<UINT>(IdFromRowCol(row, col)), &context);
}

CWnd *CSplitterWnd::GetPane(int row, int col) const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hPane = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col));
    return hPane != nullptr ? CWnd::FromHandlePermanent(hPane) : nullptr;
}

BOOL CSplitterWnd::IsChildPane(CWnd *pWnd, int *pRow, int *pCol) const
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || ::GetParent(pWnd->GetSafeHwnd()) != m_hWnd)
        return FALSE;
    int nID = ::GetDlgCtrlID(pWnd->GetSafeHwnd()) - AFX_IDW_PANE_FIRST;
    int row = nID / 16;
    int col = nID % 16;
    if (nID < 0 || row >= m_nRows || col >= m_nCols)
        return FALSE;
    if (pRow != nullptr)
        *pRow = row;
    if (pCol != nullptr)
        *pCol = col;
    return TRUE;
}

CWnd *CSplitterWnd::GetActivePane(int *pRow, int *pCol) const
{
    CWnd *pPane = nullptr;
    if (CFrameWnd *pFrame = AfxGetParentFrame(this))
        pPane = pFrame->GetActiveView();
    if (pPane == nullptr || !IsChildPane(pPane, pRow, pCol)) {
        pPane = CWnd::FromHandlePermanent(::GetFocus());
        if (pPane == nullptr || !IsChildPane(pPane, pRow, pCol))
            return nullptr;
    }
    return pPane;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd *pWnd)
{
    CWnd *pPane = pWnd != nullptr ? pWnd : GetPane(row, col);
    if (pPane == nullptr)
        return;
    CFrameWnd *pFrame = AfxGetParentFrame(this);
    if (auto *pView = dynamic_cast<CView *>(pPane); pView != nullptr && pFrame != nullptr)
        pFrame->SetActiveView(pView);
    pPane->SetFocus();
}

BOOL CSplitterWnd::CanActivateNext(BOOL) const
{
    return m_nRows * m_nCols > 1;
}

void CSplitterWnd::ActivateNext(BOOL bPrev)
{
    int row = 0;
    int col = 0;
    if (GetActivePane(&row, &col) == nullptr)
        row = col = 0;
    int nPanes = m_nRows * m_nCols;
    int index = (row * m_nCols + col + (bPrev ? nPanes - 1 : 1)) % nPanes;
    SetActivePane(index / m_nCols, index % m_nCols);
}

// ---- Splitting and joining

BOOL CSplitterWnd::SplitRow(int cyBefore)
{
    CRect area = PaneArea();
    if (m_nRows >= m_nMaxRows || cyBefore < m_sizeMin.cy || area.Height() - cyBefore - m_cxSplitter < m_sizeMin.cy)
        return FALSE;
    m_nRows = 2;
    m_cyFirstRow = cyBefore;
    if (m_bHasVScroll)
        CreateScrollBar(FALSE, 1);
    for (int col = 0; col < m_nCols; ++col) {
        if (!CreateView(1, col, m_pViewClass, CSize(0, 0), nullptr)) {
            DeleteRow(1);
            return FALSE;
        }
    }
    RecalcLayout();
    for (int col = 0; col < m_nCols; ++col)
        GetPane(1, col)->SendMessage(WM_INITIALUPDATE);
    return TRUE;
}

BOOL CSplitterWnd::SplitColumn(int cxBefore)
{
    CRect area = PaneArea();
    if (m_nCols >= m_nMaxCols || cxBefore < m_sizeMin.cx || area.Width() - cxBefore - m_cxSplitter < m_sizeMin.cx)
        return FALSE;
    m_nCols = 2;
    m_cxFirstCol = cxBefore;
    if (m_bHasHScroll)
        CreateScrollBar(TRUE, 1);
    for (int row = 0; row < m_nRows; ++row) {
        if (!CreateView(row, 1, m_pViewClass, CSize(0, 0), nullptr)) {
            DeleteColumn(1);
            return FALSE;
        }
    }
    RecalcLayout();
    for (int row = 0; row < m_nRows; ++row)
        GetPane(row, 1)->SendMessage(WM_INITIALUPDATE);
    return TRUE;
}

void CSplitterWnd::RenumberPane(int rowOld, int colOld, int rowNew, int colNew)
{
    if (CWnd *pPane = GetPane(rowOld, colOld))
        ::SetWindowLong(pPane->GetSafeHwnd(), GWL_ID, IdFromRowCol(rowNew, colNew));
}

void CSplitterWnd::DeleteRow(int rowDelete)
{
    if (m_nRows < 2 || rowDelete < 0 || rowDelete > 1)
        return;
    int rowActive = 0;
    CWnd *pActive = GetActivePane(&rowActive, nullptr);
    for (int col = 0; col < m_nCols; ++col) {
        if (CWnd *pPane = GetPane(rowDelete, col))
            pPane->DestroyWindow();
    }
    m_vBars[rowDelete].reset();
    if (rowDelete == 0) {
        for (int col = 0; col < m_nCols; ++col)
            RenumberPane(1, col, 0, col);
        m_vBars[0] = std::move(m_vBars[1]);
    }
    m_nRows = 1;
    RecalcLayout();
    if (pActive == nullptr || rowActive == rowDelete)
        SetActivePane(0, 0);
}

void CSplitterWnd::DeleteColumn(int colDelete)
{
    if (m_nCols < 2 || colDelete < 0 || colDelete > 1)
        return;
    int colActive = 0;
    CWnd *pActive = GetActivePane(nullptr, &colActive);
    for (int row = 0; row < m_nRows; ++row) {
        if (CWnd *pPane = GetPane(row, colDelete))
            pPane->DestroyWindow();
    }
    m_hBars[colDelete].reset();
    if (colDelete == 0) {
        for (int row = 0; row < m_nRows; ++row)
            RenumberPane(row, 1, row, 0);
        m_hBars[0] = std::move(m_hBars[1]);
    }
    m_nCols = 1;
    RecalcLayout();
    if (pActive == nullptr || colActive == colDelete)
        SetActivePane(0, 0);
}

// ---- Layout

CRect CSplitterWnd::PaneArea() const
{
    CRect rect;
    GetClientRect(&rect);
    if (m_bHasVScroll)
        rect.right -= GetSystemMetrics(SM_CXVSCROLL);
    if (m_bHasHScroll)
        rect.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    rect.right = std::max(rect.right, rect.left);
    rect.bottom = std::max(rect.bottom, rect.top);
    return rect;
}

CRect CSplitterWnd::GetSplitBoxRect(BOOL bRowBox) const
{
    CRect area = PaneArea();
    if (bRowBox) {
        if (!m_bHasVScroll || m_nRows >= m_nMaxRows)
            return CRect(0, 0, 0, 0);
        return CRect(area.right, area.top, area.right + GetSystemMetrics(SM_CXVSCROLL), area.top + m_cxSplitter);
    }
    if (!m_bHasHScroll || m_nCols >= m_nMaxCols)
        return CRect(0, 0, 0, 0);
    return CRect(area.left, area.bottom, area.left + m_cxSplitter, area.bottom + GetSystemMetrics(SM_CYHSCROLL));
}

CRect CSplitterWnd::GetSplitterBarRect(BOOL bRowBar) const
{
    CRect area = PaneArea();
    if (bRowBar)
        return m_nRows < 2
                   ? CRect(0, 0, 0, 0)
                   : CRect(area.left, area.top + m_cyFirstRow, area.right, area.top + m_cyFirstRow + m_cxSplitter);
    return m_nCols < 2
               ? CRect(0, 0, 0, 0)
               : CRect(area.left + m_cxFirstCol, area.top, area.left + m_cxFirstCol + m_cxSplitter, area.bottom);
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    CRect area = PaneArea();
    // Row and column extents; a shrunken window keeps the first one fitting.
    int rowTop[2] = {area.top, area.top};
    int rowBottom[2] = {area.bottom, area.bottom};
    if (m_nRows == 2) {
        m_cyFirstRow = std::clamp(m_cyFirstRow, 0, std::max(area.Height() - m_cxSplitter, 0));
        rowBottom[0] = area.top + m_cyFirstRow;
        rowTop[1] = rowBottom[0] + m_cxSplitter;
    }
    int colLeft[2] = {area.left, area.left};
    int colRight[2] = {area.right, area.right};
    if (m_nCols == 2) {
        m_cxFirstCol = std::clamp(m_cxFirstCol, 0, std::max(area.Width() - m_cxSplitter, 0));
        colRight[0] = area.left + m_cxFirstCol;
        colLeft[1] = colRight[0] + m_cxSplitter;
    }
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < m_nCols; ++col) {
            if (CWnd *pPane = GetPane(row, col))
                pPane->MoveWindow(colLeft[col], rowTop[row], colRight[col] - colLeft[col],
                                  rowBottom[row] - rowTop[row]);
        }
    }
    // The shared bars: a split box at their start while splitting is open.
    for (int row = 0; row < m_nRows; ++row) {
        if (!m_vBars[row])
            continue;
        int top = rowTop[row];
        if (row == 0 && m_nRows < m_nMaxRows)
            top += m_cxSplitter;
        m_vBars[row]->MoveWindow(area.right, top, GetSystemMetrics(SM_CXVSCROLL), std::max(rowBottom[row] - top, 0));
    }
    for (int col = 0; col < m_nCols; ++col) {
        if (!m_hBars[col])
            continue;
        int left = colLeft[col];
        if (col == 0 && m_nCols < m_nMaxCols)
            left += m_cxSplitter;
        m_hBars[col]->MoveWindow(left, area.bottom, std::max(colRight[col] - left, 0), GetSystemMetrics(SM_CYHSCROLL));
    }
    Invalidate(TRUE);
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    COLORREF face = GetSysColor(COLOR_3DFACE);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, face); // the bars and the corner; panes cover the rest
    for (BOOL bRow : {TRUE, FALSE}) {
        CRect box = GetSplitBoxRect(bRow);
        if (!box.IsRectEmpty())
            dc.Draw3dRect(&box, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW));
        CRect bar = GetSplitterBarRect(bRow);
        if (!bar.IsRectEmpty())
            dc.Draw3dRect(&bar, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW));
    }
}

// ---- Dragging

CSplitterWnd::Tracking CSplitterWnd::HitTest(CPoint point) const
{
    if (GetSplitBoxRect(TRUE).PtInRect(point))
        return trackRowBox;
    if (GetSplitBoxRect(FALSE).PtInRect(point))
        return trackColBox;
    if (GetSplitterBarRect(TRUE).PtInRect(point))
        return trackRowBar;
    if (GetSplitterBarRect(FALSE).PtInRect(point))
        return trackColBar;
    return trackNone;
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    m_tracking = HitTest(point);
    if (m_tracking != trackNone)
        SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT, CPoint)
{
    // The panes change on release; the cursor shows the direction meanwhile.
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint point)
{
    if (m_tracking == trackNone)
        return;
    EndTracking(point);
}

void CSplitterWnd::EndTracking(CPoint point)
{
    Tracking tracking = m_tracking;
    m_tracking = trackNone;
    ReleaseCapture();
    CRect area = PaneArea();
    int cy = point.y - area.top;
    int cx = point.x - area.left;
    switch (tracking) {
    case trackRowBox: SplitRow(cy); break;
    case trackColBox: SplitColumn(cx); break;
    case trackRowBar:
        // A pane pushed below the minimum goes.
        if (cy < m_sizeMin.cy)
            DeleteRow(0);
        else if (area.Height() - cy - m_cxSplitter < m_sizeMin.cy)
            DeleteRow(1);
        else {
            m_cyFirstRow = cy;
            RecalcLayout();
        }
        break;
    case trackColBar:
        if (cx < m_sizeMin.cx)
            DeleteColumn(0);
        else if (area.Width() - cx - m_cxSplitter < m_sizeMin.cx)
            DeleteColumn(1);
        else {
            m_cxFirstCol = cx;
            RecalcLayout();
        }
        break;
    default: break;
    }
}

// ---- Shared scroll bars

CScrollBar *CSplitterWnd::GetPaneScrollBar(const CWnd *pPane, int nBar) const
{
    int row = 0;
    int col = 0;
    if (!IsChildPane(const_cast<CWnd *>(pPane), &row, &col))
        return nullptr;
    if (nBar == SB_HORZ)
        return m_bHasHScroll ? m_hBars[col].get() : nullptr;
    return m_bHasVScroll ? m_vBars[row].get() : nullptr;
}

void CSplitterWnd::SyncPaneScroll(const CWnd *pPane, int dx, int dy)
{
    int row = 0;
    int col = 0;
    if (!IsChildPane(const_cast<CWnd *>(pPane), &row, &col))
        return;
    for (int r = 0; r < m_nRows; ++r) {
        for (int c = 0; c < m_nCols; ++c) {
            CWnd *pOther = GetPane(r, c);
            if (pOther == nullptr || pOther == pPane)
                continue;
            int moveX = (c == col && m_bHasHScroll) ? dx : 0;
            int moveY = (r == row && m_bHasVScroll) ? dy : 0;
            if (moveX != 0 || moveY != 0)
                pOther->ScrollWindow(-moveX, -moveY);
        }
    }
}

void CSplitterWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar)
{
    for (int col = 0; col < m_nCols; ++col) {
        if (pScrollBar != nullptr && pScrollBar == m_hBars[col].get()) {
            if (CWnd *pPane = GetPane(0, col))
                pPane->SendMessage(WM_HSCROLL, MAKEWPARAM(nSBCode, nPos),
                                   reinterpret_cast<LPARAM>(pScrollBar->GetSafeHwnd()));
        }
    }
}

void CSplitterWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar)
{
    for (int row = 0; row < m_nRows; ++row) {
        if (pScrollBar != nullptr && pScrollBar == m_vBars[row].get()) {
            if (CWnd *pPane = GetPane(row, 0))
                pPane->SendMessage(WM_VSCROLL, MAKEWPARAM(nSBCode, nPos),
                                   reinterpret_cast<LPARAM>(pScrollBar->GetSafeHwnd()));
        }
    }
}
