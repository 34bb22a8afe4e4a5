#include "library/view/QYBaseView.h"

#include "framework/app/Document.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/shell/Instance.h"
#include "framework/window/CursorApi.h"
#include "framework/window/Menu.h"
#include "framework/window/WindowDC.h"
#include "library/model/QYCompCommandBases.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFormProperties.h"
#include "library/model/QYLayoutCommands.h"
#include "library/model/QYPropertyCommands.h"
#include "library/shapes/QYStaticComponent.h"
#include "library/view/QYViewIds.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CQYBaseView, CScrollView)

namespace {

// The screen resolution, read once for the process (again only while
// either value is still zero).
int g_nScreenDpiX = 0;
int g_nScreenDpiY = 0;

CSize ReadScreenResolution()
{
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return CSize(96, 96);
    return CSize(dc.GetDeviceCaps(LOGPIXELSX), dc.GetDeviceCaps(LOGPIXELSY));
}

} // namespace

CQYBaseView::CQYBaseView()
{
    m_brushMainHandle.CreateSolidBrush(RGB(0, 255, 0));
    m_brushHandle.CreateSolidBrush(RGB(0, 255, 255));
}

CQYBaseView::~CQYBaseView()
{
    if (m_pEditComp != nullptr) {
        // The label's editor was a child of this window.
        if (auto* pLabel = DYNAMIC_DOWNCAST(CQYStaticComponent, m_pEditComp))
            pLabel->DestroyEdit();
        m_pEditComp->Release();
    }
    delete m_pContextMenu;
    if (m_pLinkProto != nullptr)
        m_pLinkProto->Release();
    if (m_pDropComp != nullptr)
        m_pDropComp->Release();
    m_tracker.Clear();
}

BOOL CQYBaseView::PreCreateWindow(CREATESTRUCT& cs)
{
    return CScrollView::PreCreateWindow(cs);
}

int CQYBaseView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CScrollView::OnCreate(lpcs) == -1)
        return -1;
    m_dropTarget.Register(this);
    return 0;
}

// ---------------------------------------------------------------------------
// Model

void CQYBaseView::SetCurrentModel(CQYDataModel* pModel)
{
    m_pModel = pModel;
    m_hitIndex.Invalidate();
    if (m_pModel == nullptr)
        return;
    if (CQYDrawComponent* pForm = m_pModel->GetFormComponent()) {
        CRect rectPage = m_pModel->GetPagePosition();
        pForm->SetRect(&rectPage);
        CRect rectBound = pForm->GetRect();
        pForm->SetAuxRect(&rectBound);
    }
}

CQYFormProperties* CQYBaseView::GetFormProperties() const
{
    return m_pModel != nullptr ? m_pModel->GetDefaultProperty() : nullptr;
}

BOOL CQYBaseView::IsDesignMode() const
{
    CQYFormProperties* pForm = GetFormProperties();
    return pForm != nullptr && pForm->IsDesignMode();
}

void CQYBaseView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CQYBaseView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    if (bActivate == m_bActive)
        return;
    if (!m_listSelected.IsEmpty())
        OnUpdate(nullptr, 2, nullptr);
    m_bActive = bActivate;
}

void CQYBaseView::SetHandleSize(SIZE size)
{
    m_sizeHandle = size;
    CQYCompList list(m_listSelected);
    InvalidateComponents(&list);
}

// ---------------------------------------------------------------------------
// Coordinates

void CQYBaseView::LPtoDPPoint(POINT* pPoint)
{
    CClientDC dc(this);
    OnPrepareDC(&dc, nullptr);
    dc.LPtoDP(pPoint, 1);
}

void CQYBaseView::DPtoLPPoint(POINT* pPoint)
{
    CClientDC dc(this);
    OnPrepareDC(&dc, nullptr);
    dc.DPtoLP(pPoint, 1);
}

void CQYBaseView::LPtoDPRect(RECT* pRect)
{
    CClientDC dc(this);
    OnPrepareDC(&dc, nullptr);
    dc.LPtoDP(reinterpret_cast<LPPOINT>(pRect), 2);
    CRect rect(*pRect);
    rect.NormalizeRect();
    *pRect = rect;
}

void CQYBaseView::DPtoLPRect(RECT* pRect)
{
    CClientDC dc(this);
    OnPrepareDC(&dc, nullptr);
    dc.DPtoLP(reinterpret_cast<LPPOINT>(pRect), 2);
}

void CQYBaseView::GetPagePosition(CRect& rect, int& nFormStyle)
{
    rect = m_pModel != nullptr ? m_pModel->GetPagePosition() : CRect(0, 0, 0, 0);
    CQYFormProperties* pForm = GetFormProperties();
    nFormStyle = pForm != nullptr ? pForm->GetType() : 0;
}

CRect CQYBaseView::GetCanvasRect()
{
    // The page rectangle is kept in logical pixels: nothing to convert.
    return m_pModel != nullptr ? m_pModel->GetPagePosition() : CRect(0, 0, 0, 0);
}

CSize CQYBaseView::ScreenPixelsPerInch()
{
    if (g_nScreenDpiX == 0 || g_nScreenDpiY == 0) {
        CSize dpi = ReadScreenResolution();
        g_nScreenDpiX = dpi.cx;
        g_nScreenDpiY = dpi.cy;
    }
    return CSize(g_nScreenDpiX, g_nScreenDpiY);
}

BOOL CQYBaseView::LogicalToPixels(int nMapMode, int& x, int& y)
{
    if (nMapMode == MM_ISOTROPIC || nMapMode == MM_ANISOTROPIC)
        return FALSE;
    const CSize dpi = ScreenPixelsPerInch();
    // To twips first, in 64 bits so that large pages do not overflow.
    long long tx = x;
    long long ty = y;
    switch (nMapMode) {
    case MM_TEXT:
        tx = tx * 1440 / dpi.cx;
        ty = ty * 1440 / dpi.cy;
        break;
    case MM_LOMETRIC:
        tx = tx * 1440 / 254;
        ty = ty * 1440 / 254;
        break;
    case MM_HIMETRIC:
        tx = tx * 1440 / 2540;
        ty = ty * 1440 / 2540;
        break;
    case MM_LOENGLISH:
        tx = tx * 1440 / 100;
        ty = ty * 1440 / 100;
        break;
    case MM_HIENGLISH:
        tx = tx * 1440 / 1000;
        ty = ty * 1440 / 1000;
        break;
    default: // MM_TWIPS
        break;
    }
    x = static_cast<int>(tx * dpi.cx / 1440);
    y = static_cast<int>(ty * dpi.cy / 1440);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Scrolling and DC preparation

void CQYBaseView::ResetScrollBars()
{
    ScrollToPosition(CPoint(0, 0));
}

void CQYBaseView::UpdateScrollSizes()
{
    CRect rectPage;
    int nStyle = 0;
    GetPagePosition(rectPage, nStyle);
    const int w = rectPage.Width();
    const int h = rectPage.Height();
    if (w <= 800 && h <= 600)
        return;
    SetScrollSizes(MM_TEXT, CSize(std::max(w, 800), std::max(h, 600)), CSize(w, h), CSize(10, 10));
}

void CQYBaseView::UpdatePrintScrollSizes()
{
    if (m_pModel == nullptr)
        return;
    CRect rect;
    if (m_pModel->IsFormDesignMode()) {
        int nStyle = 0;
        GetPagePosition(rect, nStyle);
    } else {
        rect = m_pModel->GetPrintPageRect();
    }
    SetScrollSizes(MM_TEXT, CSize(rect.Width() + 50, rect.Height() + 50), CSize(100, 100), CSize(100, 100));
}

BOOL CQYBaseView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    if (!CScrollView::OnScrollBy(sizeScroll, bDoScroll))
        return FALSE;
    if (bDoScroll)
        UpdateWindow();
    return TRUE;
}

void CQYBaseView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (pInfo == nullptr) {
        pDC->SetMapMode(MM_TEXT);
        UpdatePrintScrollSizes();
        CScrollView::OnPrepareDC(pDC, pInfo);
        return;
    }
    CScrollView::OnPrepareDC(pDC, pInfo);
    CRect rectPage;
    int nStyle = 0;
    GetPagePosition(rectPage, nStyle);
    CRect rectCanvas = GetCanvasRect();
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowOrg(rectPage.left - rectCanvas.left, rectPage.top - rectCanvas.top);
    pDC->SetViewportOrg(17, 17);
    pDC->SetWindowExt(1000, 1000);
    // A fresh reading of the screen: the printer scales from it.
    const CSize screen = ReadScreenResolution();
    const int nPrinterX = pDC->GetDeviceCaps(LOGPIXELSX);
    const int nPrinterY = pDC->GetDeviceCaps(LOGPIXELSY);
    if (nPrinterX == screen.cx && nPrinterY == screen.cy)
        pDC->SetViewportExt(1000, 1000);
    else
        pDC->SetViewportExt(nPrinterX * 1000 / screen.cx, nPrinterY * 1000 / screen.cy);
}

// ---------------------------------------------------------------------------
// Invalidation

void CQYBaseView::InvalidateComponent(CQYDrawComponent* pComp)
{
    if (pComp == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect rect = pComp->GetRect();
    LPtoDPRect(&rect);
    rect.InflateRect(10, 10);
    InvalidateRect(&rect, TRUE);
}

void CQYBaseView::InvalidateRectMargin(RECT rect)
{
    if (GetSafeHwnd() == nullptr)
        return;
    LPtoDPRect(&rect);
    CRect rectDevice(rect);
    rectDevice.InflateRect(10, 10);
    InvalidateRect(&rectDevice, TRUE);
}

void CQYBaseView::InvalidateTwoRects(RECT rectOld, RECT rectNew)
{
    if (GetSafeHwnd() == nullptr)
        return;
    // Logical rectangles, converted like the other helpers so that a
    // scrolled view repaints where they are on the screen.
    const int nMargin = m_bActive ? 9 : 1;
    for (RECT rect : {rectOld, rectNew}) {
        LPtoDPRect(&rect);
        CRect rectDevice(rect);
        rectDevice.InflateRect(nMargin, nMargin);
        InvalidateRect(&rectDevice, FALSE);
    }
}

void CQYBaseView::InvalidateComponents(CQYCompList* pList)
{
    if (pList == nullptr)
        return;
    CRect rectUnion(0, 0, 0, 0);
    bool bAny = false;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        CRect rect = pList->GetNext(pos)->GetRect();
        rect.NormalizeRect();
        if (rect.IsRectEmpty())
            continue;
        if (!bAny)
            rectUnion = rect;
        else
            rectUnion.UnionRect(&rectUnion, &rect);
        bAny = true;
    }
    if (bAny)
        InvalidateRectMargin(rectUnion);
}

// ---------------------------------------------------------------------------
// Update dispatch

void CQYBaseView::UpdateForCommand(CQYBaseCommand* pCommand)
{
    const int nCode = pCommand->GetCommandID();
    CQYDrawComponent* pComp = nullptr;
    if (auto* pSingle = DYNAMIC_DOWNCAST(CQYSingleCompCommand, pCommand))
        pComp = pSingle->GetComponent();
    CQYCompList listCommand;
    if (auto* pListCmd = DYNAMIC_DOWNCAST(CQYListCompCommand, pCommand))
        listCommand.AddTail(pListCmd->GetComponentList());
    else if (auto* pLayout = DYNAMIC_DOWNCAST(CQYLayoutMacro, pCommand))
        listCommand.AddTail(pLayout->GetComponentList());

    switch (nCode) {
    case QY_CMD_ADDCOMP:
    case QY_CMD_ADDLINK: SelectComponent(pComp); break;
    case QY_CMD_ADDCOMPS: {
        CQYCompList listRepaint(m_listSelected);
        m_listSelected.RemoveAll();
        for (POSITION pos = listCommand.GetHeadPosition(); pos != nullptr;) {
            CQYDrawComponent* p = listCommand.GetNext(pos);
            if (m_listSelected.Find(p) == nullptr)
                m_listSelected.AddTail(p);
            if (listRepaint.Find(p) == nullptr)
                listRepaint.AddTail(p);
        }
        MarkFirstAsMain();
        InvalidateComponents(&listRepaint);
        break;
    }
    case QY_CMD_REMOVECOMP:
    case QY_CMD_REMOVELINK:
        ClearSelection();
        InvalidateComponent(pComp);
        break;
    case QY_CMD_REMOVECOMPS:
        ClearSelection();
        InvalidateComponents(&listCommand);
        break;
    case QY_CMD_MOVECOMPS:
    case QY_CMD_SCALE:
    case QY_CMD_ALIGN:
    case QY_CMD_SIZE:
    case QY_CMD_SPACING:
    case QY_CMD_ROTATE:
    case QY_CMD_ORDER: InvalidateComponents(&listCommand); break;
    case QY_CMD_GROUP: {
        CQYCompList listRepaint(m_listSelected);
        m_listSelected.RemoveAll();
        auto* pGroupCmd = static_cast<CQYGroupCommand*>(pCommand);
        CQYDrawComponent* pGroup = pGroupCmd->GetGroup();
        if (pGroup != nullptr) {
            m_listSelected.AddTail(pGroup);
            listRepaint.AddTail(pGroup);
        }
        MarkFirstAsMain();
        InvalidateComponents(&listRepaint);
        break;
    }
    case QY_CMD_UNGROUP: {
        CQYCompList listRepaint(m_listSelected);
        m_listSelected.RemoveAll();
        MarkFirstAsMain();
        listRepaint.AddTail(&listCommand);
        InvalidateComponents(&listRepaint);
        break;
    }
    case QY_CMD_MOVECOMP:
    case QY_CMD_FORMSIZE:
    case QY_CMD_SIZESPOT:
    case QY_CMD_FORMCOLORCHANGE:
    case QY_CMD_SCALEEXTEND:
    case 12:
    case QY_CMD_ORDERSINGLE:
    case QY_CMD_COLORCHANGE:
    case QY_CMD_SIZEPORT:
    case QY_CMD_ROTATEEXTEND: InvalidateComponent(pComp); break;
    default: break; // 15, 16, 17
    }
}

void CQYBaseView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    m_hitIndex.Invalidate();
    if (pHint != nullptr && pHint->IsKindOf(RUNTIME_CLASS(CQYBaseCommand))) {
        auto* pCommand = static_cast<CQYBaseCommand*>(pHint);
        const int nCode = pCommand->GetCommandID();
        if (nCode >= 1 && nCode <= 28)
            UpdateForCommand(pCommand);
    }
    if (GetSafeHwnd() == nullptr)
        return;
    switch (lHint) {
    case 0: Invalidate(FALSE); break;
    case 1:
        if (pHint != nullptr && pHint->IsKindOf(RUNTIME_CLASS(CQYDrawComponent)))
            InvalidateComponent(static_cast<CQYDrawComponent*>(pHint));
        break;
    case 2:
    case 3:
    case 4:
        if (m_pModel != nullptr) {
            CQYCompList& list = m_pModel->GetComponents();
            for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
                InvalidateComponent(list.GetNext(pos));
        }
        break;
    default: break;
    }
}

// ---------------------------------------------------------------------------
// Cursors

void CQYBaseView::SetToolCursor(UINT nIDCursor)
{
    m_hCursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDCursor));
    if (m_hCursor != nullptr)
        ::SetCursor(m_hCursor);
}

void CQYBaseView::SetStandardCursor(LPCTSTR lpszCursor)
{
    m_hCursor = ::LoadCursor(nullptr, lpszCursor);
    if (m_hCursor != nullptr)
        ::SetCursor(m_hCursor);
}

BOOL CQYBaseView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && m_hCursor != nullptr) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return FALSE;
}

// ---------------------------------------------------------------------------
// Status panes

BOOL CQYBaseView::GetStatusTexts(CString& strPosition, CString& strSize)
{
    if (m_pModel == nullptr)
        return FALSE;
    CRect rect;
    if (m_pDropComp != nullptr) {
        rect = m_pDropComp->GetAuxRect();
    } else if (m_listSelected.GetCount() == 1) {
        rect = m_listSelected.GetHead()->GetAuxRect();
    } else if (m_listSelected.GetCount() > 1) {
        rect = GetComponentsBounds();
    } else if (CQYDrawComponent* pForm = m_pModel->GetFormComponent()) {
        rect = pForm->GetAuxRect();
        if (rect.left < -1000 && rect.top < -1000)
            rect = pForm->GetRect();
    } else {
        return FALSE;
    }
    strPosition.Format(" %d, %d", rect.left, rect.top);
    strSize.Format("%d, %d", rect.Width(), rect.Height());
    return TRUE;
}

void CQYBaseView::OnUpdatePositionPane(CCmdUI* pCmdUI)
{
    CString strPosition;
    CString strSize;
    if (GetStatusTexts(strPosition, strSize))
        pCmdUI->SetText(strPosition);
}

void CQYBaseView::OnUpdateSizePane(CCmdUI* pCmdUI)
{
    CString strPosition;
    CString strSize;
    if (GetStatusTexts(strPosition, strSize))
        pCmdUI->SetText(strSize);
}
