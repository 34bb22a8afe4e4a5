// The view's selection: clicks (plain, Shift, Ctrl), handles and their hit
// tests, the form's edges, hover cursors and the tab-order click mode.
#include "library/view/QYBaseView.h"

#include "framework/gdi/CDC.h"
#include "framework/window/CursorApi.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowDC.h"
#include "library/model/QYComponentCommands.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/shapes/QYBezierLineComponent.h"
#include "library/shapes/QYCloseBezierComponent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYHyLinkComponent.h"
#include "library/shapes/QYLineComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYPolygonComponent.h"
#include "library/view/QYViewIds.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

CQYCompProperties* PropertiesOf(CQYDrawComponent* pComp)
{
    return pComp != nullptr ? pComp->GetDefaultProperty() : nullptr;
}

void SetMainMark(CQYDrawComponent* pComp, BOOL bMain)
{
    if (CQYCompProperties* pProp = PropertiesOf(pComp))
        pProp->m_bMainObj = bMain;
}

BOOL IsPointFigure(CQYDrawComponent* pComp)
{
    return pComp->IsKindOf(RUNTIME_CLASS(CQYPolygonComponent)) ||
           pComp->IsKindOf(RUNTIME_CLASS(CQYCloseBezierComponent));
}

// Every selected component's property set has the flag set.
template <typename Flag>
BOOL AllSelectedHave(CQYCompList& list, Flag flag)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CQYCompProperties* pProp = PropertiesOf(list.GetNext(pos));
        if (pProp == nullptr || !(pProp->*flag))
            return FALSE;
    }
    return TRUE;
}

} // namespace

// ---------------------------------------------------------------------------
// Queries

BOOL CQYBaseView::IsSelectionVisible()
{
    return AllSelectedHave(m_listSelected, &CQYCompProperties::m_bVisible);
}

BOOL CQYBaseView::IsSelectionFlag1Set()
{
    return AllSelectedHave(m_listSelected, &CQYCompProperties::m_bFlag1);
}

BOOL CQYBaseView::IsSelectionFlag2Set()
{
    return AllSelectedHave(m_listSelected, &CQYCompProperties::m_bFlag2);
}

BOOL CQYBaseView::IsSelectionFlat()
{
    return AllSelectedHave(m_listSelected, &CQYCompProperties::m_bFlat);
}

BOOL CQYBaseView::IsLineComponent(CQYDrawComponent* pComp)
{
    return pComp != nullptr &&
           (pComp->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)) || pComp->IsKindOf(RUNTIME_CLASS(CQYLineComponent)) ||
            pComp->IsKindOf(RUNTIME_CLASS(CQYBezierLineComponent)));
}

int CQYBaseView::GetSelectedCount()
{
    int nCount = 0;
    for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;)
        if (!m_listSelected.GetNext(pos)->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)))
            ++nCount;
    return nCount;
}

int CQYBaseView::CopySelectionNoLinks(CQYCompList* pSource, CQYCompList* pTarget)
{
    int nCount = 0;
    for (POSITION pos = pSource->GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = pSource->GetNext(pos);
        if (!pComp->IsKindOf(RUNTIME_CLASS(CQYLinkComponent))) {
            pTarget->AddTail(pComp);
            ++nCount;
        }
    }
    return nCount;
}

CRect CQYBaseView::GetComponentsBounds()
{
    CRect rect(0, 0, 0, 0);
    bool bFirst = true;
    for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
        const CRect& aux = m_listSelected.GetNext(pos)->GetAuxRect();
        if (bFirst) {
            rect = aux;
            bFirst = false;
            continue;
        }
        rect.left = std::min(rect.left, aux.left);
        rect.top = std::min(rect.top, aux.top);
        rect.right = std::max(rect.right, aux.right);
        rect.bottom = std::max(rect.bottom, aux.bottom);
    }
    return rect;
}

CRect CQYBaseView::GetSelectionExtent()
{
    CRect rect(0, 0, 0, 0);
    bool bFirst = true;
    for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
        CRect r = m_listSelected.GetNext(pos)->GetRect();
        r.NormalizeRect();
        if (bFirst)
            rect = r;
        else
            rect = CRect(std::min(rect.left, r.left), std::min(rect.top, r.top), std::max(rect.right, r.right),
                         std::max(rect.bottom, r.bottom));
        bFirst = false;
    }
    return rect;
}

int CQYBaseView::CollectInsideRect(CQYCompList* pList, CRect rect)
{
    rect.NormalizeRect();
    if (m_pModel != nullptr) {
        CQYCompList& all = m_pModel->GetComponents();
        for (POSITION pos = all.GetHeadPosition(); pos != nullptr;) {
            CQYDrawComponent* pComp = all.GetNext(pos);
            const CRect r = pComp->GetRect();
            auto inside = [&rect](int x, int y) {
                return x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
            };
            if (inside(r.left, r.top) && inside(r.right, r.bottom))
                pList->AddTail(pComp);
        }
    }
    return pList->GetCount();
}

BOOL CQYBaseView::CanMoveTo(CPoint topLeft, CQYDrawComponent* pComp)
{
    if (pComp == nullptr || m_pModel == nullptr)
        return FALSE;
    const CRect rect = pComp->GetRect();
    const CRect page = m_pModel->GetPagePosition();
    return topLeft.x >= 0 && topLeft.y >= 0 && topLeft.x + rect.Width() <= page.Width() &&
           topLeft.y + rect.Height() <= page.Height();
}

BOOL CQYBaseView::CanMoveListBy(CQYCompList* pList, int dx, int dy)
{
    // Every component must fit.
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = pList->GetNext(pos);
        CPoint topLeft = pComp->GetRect().TopLeft();
        if (!CanMoveTo(CPoint(topLeft.x + dx, topLeft.y + dy), pComp))
            return FALSE;
    }
    return TRUE;
}

BOOL CQYBaseView::ListHasLinkEnd(CQYCompList* pList, CQYDrawComponent* pLink)
{
    auto* pLinkComp = DYNAMIC_DOWNCAST(CQYLinkComponent, pLink);
    if (pLinkComp == nullptr)
        return FALSE;
    for (CQYDrawComponent* pPort : {static_cast<CQYDrawComponent*>(pLinkComp->GetFromPort()),
                                    static_cast<CQYDrawComponent*>(pLinkComp->GetToPort())})
        if (pPort != nullptr && pList->Find(pPort) != nullptr)
            return TRUE;
    return FALSE;
}

// ---------------------------------------------------------------------------
// Selection operations

CQYDrawComponent* CQYBaseView::MarkFirstAsMain()
{
    CQYDrawComponent* pFirst = m_listSelected.GetHead();
    for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listSelected.GetNext(pos);
        SetMainMark(pComp, pComp == pFirst);
    }
    return pFirst;
}

CQYDrawComponent* CQYBaseView::GetMainSelected()
{
    for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listSelected.GetNext(pos);
        CQYCompProperties* pProp = PropertiesOf(pComp);
        if (pProp != nullptr && pProp->IsMainObj())
            return pComp;
    }
    return nullptr;
}

void CQYBaseView::SelectComponent(CQYDrawComponent* pComp)
{
    if (pComp == nullptr)
        return;
    CQYCompList listRepaint(m_listSelected);
    pComp->AddRef();
    m_listSelected.RemoveAll();
    m_listSelected.AddTail(pComp);
    MarkFirstAsMain();
    if (listRepaint.Find(pComp) == nullptr)
        listRepaint.AddTail(pComp);
    pComp->Release();
    InvalidateComponents(&listRepaint);
}

void CQYBaseView::DeleteComponent(CQYDrawComponent* pComp)
{
    if (pComp == nullptr || m_pModel == nullptr)
        return;
    CQYCompList listRepaint(m_listSelected);
    m_listSelected.RemoveAll();
    CQYCompList listRemove;
    listRemove.AddTail(pComp);
    RunCommand(new CQYRemoveCompsCommand(m_pModel, &listRemove));
    InvalidateComponents(&listRepaint);
}

void CQYBaseView::ClearSelection()
{
    CQYCompList listRepaint(m_listSelected);
    m_listSelected.RemoveAll();
    InvalidateComponents(&listRepaint);
}

void CQYBaseView::SelectAll()
{
    ClearSelection();
    if (m_pModel == nullptr)
        return;
    m_listSelected.AddTail(&m_pModel->GetComponents());
    MarkFirstAsMain();
    InvalidateComponents(&m_listSelected);
    m_nTrackState = Idle;
}

void CQYBaseView::ResetTracking()
{
    m_tracker.Clear();
    m_listTrack.RemoveAll();
    m_listTrackAll.RemoveAll();
}

void CQYBaseView::AddMoveOutlines(CQYCompList* pList)
{
    ResetTracking();
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = pList->GetNext(pos);
        if (pComp == nullptr)
            continue;
        m_listTrack.AddTail(pComp);
        m_listTrackAll.AddTail(pComp);
    }
    m_tracker.BeginTrack(&m_listTrack);
    m_tracker.SetTrackComponents(&m_listTrackAll);
}

// ---------------------------------------------------------------------------
// Handles

CRect CQYBaseView::GetHandleRect(int x, int y)
{
    return CRect(x - m_sizeHandle.cx, y - m_sizeHandle.cy, x + m_sizeHandle.cx, y + m_sizeHandle.cy);
}

void CQYBaseView::GetHandlePoints(CQYDrawComponent* pComp, CArray<CPoint, CPoint>& points)
{
    points.RemoveAll();
    if (IsLineComponent(pComp) || (m_bEditPoints && IsPointFigure(pComp)))
        pComp->GetPointSpotLocation(&points);
    else
        pComp->GetNormalSpotLocation(&points);
}

CQYDrawComponent* CQYBaseView::HitTestHandle(CPoint point, int& nIndex)
{
    nIndex = -1;
    if (!IsDesignMode() || m_listSelected.IsEmpty())
        return nullptr;
    // One prepared context converts everything.
    CClientDC dc(this);
    OnPrepareDC(&dc, nullptr);
    // The handle's size in logical units, to find the candidates.
    CSize sizeLogical = m_sizeHandle;
    dc.DPtoLP(&sizeLogical);
    CPoint ptDevice = point;
    dc.LPtoDP(&ptDevice, 1);
    // A plain vector: filling a component list would count as a drawing
    // change and make the hover index build itself again on every move.
    std::vector<CQYDrawComponent*> candidates;
    for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listSelected.GetNext(pos);
        CRect rect = pComp->GetRect();
        rect.NormalizeRect();
        rect.InflateRect(std::abs(sizeLogical.cx), std::abs(sizeLogical.cy));
        if (point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom)
            candidates.push_back(pComp);
    }
    if (candidates.empty())
        return nullptr;
    CArray<CPoint, CPoint> points;
    for (CQYDrawComponent* pComp : candidates) {
        GetHandlePoints(pComp, points);
        for (int i = 0; i < points.GetSize(); ++i) {
            CPoint pt = points[i];
            if (pt.x == -1)
                continue;
            dc.LPtoDP(&pt, 1);
            CRect rect = GetHandleRect(pt.x, pt.y);
            rect.InflateRect(3, 3);
            if (rect.PtInRect(ptDevice)) {
                nIndex = i;
                return pComp;
            }
        }
    }
    return nullptr;
}

CQYDrawComponent* CQYBaseView::HitTestFormHandle(CPoint point, int& nCode)
{
    nCode = -1;
    if (!IsDesignMode() || m_pModel == nullptr)
        return nullptr;
    CQYDrawComponent* pForm = m_pModel->GetFormComponent();
    if (pForm == nullptr)
        return nullptr;
    CPoint ptDevice = point;
    LPtoDPPoint(&ptDevice);
    CArray<CPoint, CPoint> points;
    pForm->GetNormalSpotLocation(&points);
    for (int i = 0; i < points.GetSize() && i < 8; ++i) {
        CPoint pt = points[i];
        if (pt.x == -1)
            continue;
        LPtoDPPoint(&pt);
        CRect rect = GetHandleRect(pt.x, pt.y);
        rect.InflateRect(3, 3);
        if (rect.PtInRect(ptDevice)) {
            nCode = i;
            return pForm;
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Clicks

BOOL CQYBaseView::BeginResize(CPoint point)
{
    if (!IsDesignMode() || m_nTrackState != Idle || m_listSelected.GetCount() != 1)
        return FALSE;
    int nIndex = -1;
    CQYDrawComponent* pComp = HitTestHandle(point, nIndex);
    if (pComp == nullptr)
        return FALSE;
    m_pActiveComp = pComp;
    m_nHitHandle = nIndex;
    if (!pComp->IsOver4ResizeHandles()) {
        m_nTrackState = ResizePending;
    } else if (pComp->IsKindOf(RUNTIME_CLASS(CQYLinkComponent))) {
        const bool bEnd = nIndex == 0 || nIndex == pComp->GetPointCount() - 1;
        m_nTrackState = bEnd ? LinkEndPending : PointDragPending;
    } else if (IsLineComponent(pComp) || (m_bEditPoints && IsPointFigure(pComp))) {
        m_nTrackState = PointDragPending;
    } else {
        m_nTrackState = ResizePending;
    }
    return TRUE;
}

BOOL CQYBaseView::BeginFormResize(CPoint point)
{
    if (!IsDesignMode() || m_nTrackState != Idle || !m_listSelected.IsEmpty())
        return FALSE;
    int nCode = -1;
    if (HitTestFormHandle(point, nCode) == nullptr)
        return FALSE;
    m_nFormEdge = nCode;
    m_nTrackState = FormResizePending;
    return TRUE;
}

BOOL CQYBaseView::SelectAtPoint(UINT nFlags, CPoint point, int nKind)
{
    if (!IsDesignMode() || m_pModel == nullptr)
        return FALSE;
    CQYDrawComponent* pHit = m_pModel->HitTest(point.x, point.y);
    if (pHit == nullptr)
        return FALSE;
    const BOOL bShift = (nFlags & MK_SHIFT) != 0;
    const BOOL bCtrl = (nFlags & MK_CONTROL) != 0;
    CQYCompList listRepaint(m_listSelected);
    if (listRepaint.Find(pHit) == nullptr)
        listRepaint.AddTail(pHit);

    if (m_listSelected.IsEmpty()) {
        m_listSelected.AddTail(pHit);
        MarkFirstAsMain();
    } else if (m_listSelected.Find(pHit) == nullptr) {
        if (!bShift && !bCtrl)
            m_listSelected.RemoveAll();
        m_listSelected.AddTail(pHit);
        MarkFirstAsMain();
    } else if (bCtrl) {
        // The first selected component under the point becomes the main one.
        CQYDrawComponent* pOldMain = GetMainSelected();
        for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
            CQYDrawComponent* pComp = m_listSelected.GetNext(pos);
            CRect rect = pComp->GetRect();
            rect.NormalizeRect();
            if (point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom) {
                m_pModel->SetMainComponent(&m_listSelected, pComp);
                InvalidateComponent(pOldMain);
                InvalidateComponent(pComp);
                break;
            }
        }
        listRepaint.RemoveAll();
    } else if (nKind != 1) {
        return TRUE;
    } else if (bShift) {
        CQYDrawComponent* pLastNoted = nullptr;
        for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
            CQYDrawComponent* pComp = m_listSelected.GetNext(pos);
            if (pComp->GetCompRgn().PtInArea(point.x, point.y, 8))
                pLastNoted = pComp;
        }
        if (pLastNoted != nullptr && m_listSelected.GetCount() > 1)
            m_listSelected.RemoveAt(m_listSelected.Find(pLastNoted));
        MarkFirstAsMain();
    } else {
        m_bReduceOnUp = TRUE;
        m_pActiveComp = pHit;
        listRepaint.RemoveAll();
    }
    InvalidateComponents(&listRepaint);
    if (nKind == 1)
        m_nTrackState = m_nTrackState == RotateArmed ? RotatePending : MovePending;
    return TRUE;
}

BOOL CQYBaseView::TabOrderClick(CPoint point)
{
    if (!IsDesignMode() || m_pModel == nullptr)
        return FALSE;
    CQYDrawComponent* pHit = m_pModel->HitTest(point.x, point.y);
    if (pHit == nullptr) {
        m_nTabOrderCounter = 0;
        m_bShowTabOrder = FALSE;
        OnUpdate(nullptr, 4, nullptr);
        return FALSE;
    }
    m_nTabOrderCounter = std::min(m_nTabOrderCounter + 1, m_pModel->GetMaxTabOrder());
    CQYDrawComponent* pOther = m_pModel->SwapTabOrder(m_nTabOrderCounter, pHit);
    InvalidateComponent(pHit);
    InvalidateComponent(pOther);
    return TRUE;
}

void CQYBaseView::OnButtonDownSelect(UINT nFlags, CPoint point, int nKind)
{
    EndLabelEdit();
    if (nKind == 1 && BeginResize(point))
        return;
    if (SelectAtPoint(nFlags, point, nKind))
        return;
    if (m_pModel != nullptr && m_pModel->IsFormDesignMode() && nKind == 1 && BeginFormResize(point))
        return;
    // Empty canvas.
    if (!m_listSelected.IsEmpty() && (nFlags & (MK_SHIFT | MK_CONTROL)) == 0)
        ClearSelection();
    if (m_pModel != nullptr)
        InvalidateRectMargin(m_pModel->GetPagePosition());
    if (nKind == 1)
        m_nTrackState = SelectPending;
}

// ---------------------------------------------------------------------------
// Outside design mode the page is live: hyperlink labels take the input.

CQYHyLinkComponent* CQYBaseView::HyperlinkAt(CPoint ptLogical)
{
    if (m_pModel == nullptr)
        return nullptr;
    auto* pLink = DYNAMIC_DOWNCAST(CQYHyLinkComponent, m_pModel->HitTest(ptLogical.x, ptLogical.y));
    if (pLink != nullptr)
        pLink->m_pHostWnd = this;
    return pLink;
}

CQYHyLinkComponent* CQYBaseView::SelectedHyperlink()
{
    if (m_listSelected.GetCount() != 1)
        return nullptr;
    auto* pLink = DYNAMIC_DOWNCAST(CQYHyLinkComponent, m_listSelected.GetHead());
    if (pLink != nullptr)
        pLink->m_pHostWnd = this;
    return pLink;
}

void CQYBaseView::OnLButtonDown(UINT nFlags, CPoint point)
{
    CScrollView::Default();
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    if (!IsDesignMode()) {
        // The button up goes to whatever was under the button down.
        m_pActiveComp = m_pModel != nullptr ? m_pModel->HitTest(ptLogical.x, ptLogical.y) : nullptr;
        if (CQYHyLinkComponent* pLink = HyperlinkAt(ptLogical)) {
            pLink->OnLButtonDown(nFlags, ptLogical);
            InvalidateComponent(pLink);
        }
        return;
    }
    SetFocus();
    m_ptDownDevice = point;
    m_ptDown = point;
    m_ptDragLast = ptLogical;
    m_bReduceOnUp = FALSE;
    if (m_bShowTabOrder) {
        TabOrderClick(ptLogical);
        return;
    }
    TrackButtonDown(nFlags, point);
}

void CQYBaseView::OnLButtonUp(UINT nFlags, CPoint point)
{
    CScrollView::Default();
    if (!IsDesignMode()) {
        if (m_pActiveComp != nullptr) {
            CPoint ptLogical = point;
            DPtoLPPoint(&ptLogical);
            if (auto* pLink = DYNAMIC_DOWNCAST(CQYHyLinkComponent, m_pActiveComp))
                pLink->m_pHostWnd = this;
            m_pActiveComp->OnLButtonUp(nFlags, ptLogical);
            InvalidateComponent(m_pActiveComp);
        }
        return;
    }
    TrackButtonUp(nFlags, point);
}

void CQYBaseView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CScrollView::Default();
    if (IsDesignMode()) {
        TrackDoubleClick(nFlags, point);
        return;
    }
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    if (CQYHyLinkComponent* pLink = HyperlinkAt(ptLogical))
        pLink->OnLButtonDblClk(nFlags, ptLogical);
}

void CQYBaseView::OnRButtonDown(UINT nFlags, CPoint point)
{
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    if (!IsDesignMode()) {
        m_pActiveComp = nullptr;
        CScrollView::Default();
        if (CQYHyLinkComponent* pLink = HyperlinkAt(ptLogical))
            pLink->OnRButtonDown(nFlags, ptLogical);
        return;
    }
    if (m_nTrackState != Idle && m_nTrackState != RotateArmed)
        return;
    OnButtonDownSelect(nFlags, ptLogical, 2);
}

void CQYBaseView::OnRButtonDblClk(UINT nFlags, CPoint point)
{
    CScrollView::Default();
    if (IsDesignMode())
        return;
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    if (CQYHyLinkComponent* pLink = HyperlinkAt(ptLogical))
        pLink->OnRButtonDblClk(nFlags, ptLogical);
}

void CQYBaseView::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CScrollView::Default();
    if (IsDesignMode())
        return;
    if (CQYHyLinkComponent* pLink = SelectedHyperlink())
        pLink->OnChar(nChar, nRepCnt, nFlags);
}

void CQYBaseView::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CScrollView::Default();
    if (IsDesignMode())
        return;
    if (CQYHyLinkComponent* pLink = SelectedHyperlink())
        pLink->OnKeyUp(nChar, nRepCnt, nFlags);
}

// ---------------------------------------------------------------------------
// Hover cursors

void CQYBaseView::SetHandleCursor(CPoint point)
{
    int nIndex = -1;
    CQYDrawComponent* pComp = HitTestHandle(point, nIndex);
    m_pActiveComp = pComp;
    m_nHitHandle = nIndex;
    static const LPCTSTR kHandleCursors[8] = {IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE,
                                              IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE};
    if (pComp != nullptr && nIndex >= 0 && nIndex < 8)
        SetStandardCursor(kHandleCursors[nIndex]);
}

BOOL CQYBaseView::SetFormEdgeCursor(CPoint point)
{
    if (m_pModel == nullptr || !m_pModel->IsFormDesignMode() || !IsDesignMode() || m_nTrackState != Idle ||
        !m_listSelected.IsEmpty())
        return FALSE;
    int nCode = -1;
    if (HitTestFormHandle(point, nCode) == nullptr)
        return FALSE;
    m_nFormEdge = nCode;
    if (nCode == 3)
        SetStandardCursor(IDC_SIZEWE);
    else if (nCode == 4)
        SetStandardCursor(IDC_SIZENWSE);
    else if (nCode == 5)
        SetStandardCursor(IDC_SIZENS);
    return TRUE;
}

BOOL CQYBaseView::SetComponentCursor(CPoint point)
{
    if (!IsDesignMode() || m_pModel == nullptr)
        return FALSE;
    CQYDrawComponent* pComp = m_hitIndex.HitTest(m_pModel, point.x, point.y);
    if (pComp == nullptr)
        return FALSE;
    m_pActiveComp = pComp;
    SetToolCursor(m_nTrackState == RotateArmed ? IDC_QY_ROTATE : IDC_QY_COMPONENT);
    if (m_hCursor == nullptr) // no cursor of our own: the standard move shape
        SetStandardCursor(m_nTrackState == RotateArmed ? IDC_CROSS : IDC_SIZEALL);
    return TRUE;
}

void CQYBaseView::SetHoverCursor(CPoint point)
{
    if (IsDesignMode() && (m_nTrackState == Idle || m_nTrackState == RotateArmed) && m_listSelected.GetCount() == 1) {
        int nIndex = -1;
        if (HitTestHandle(point, nIndex) != nullptr) {
            SetHandleCursor(point);
            return;
        }
    }
    if (SetComponentCursor(point))
        return;
    if (SetFormEdgeCursor(point))
        return;
    SetStandardCursor(IDC_ARROW);
}

void CQYBaseView::OnMouseMove(UINT nFlags, CPoint point)
{
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    if (!IsDesignMode()) {
        if (CQYHyLinkComponent* pLink = HyperlinkAt(ptLogical)) {
            pLink->OnMouseMove(nFlags, ptLogical);
            InvalidateComponent(pLink);
        }
        return;
    }
    m_ptDragLast = ptLogical;
    if (m_nTrackState == Idle || m_nTrackState == RotateArmed)
        SetHoverCursor(ptLogical);
    else
        TrackMouseMove(nFlags, point);
}
