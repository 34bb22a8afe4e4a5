// The mouse tracking of the canvas view in design mode: one state number
// drives what button-down, mouse-move, button-up and double click do.  A
// tool arms a start state; the gesture draws an inverting band or the
// outlines of what it changes; the button-up ends it with one command
// through the model's history.
#include "library/view/QYBaseView.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/window/CursorApi.h"
#include "framework/window/WindowDC.h"

#include "framework/window/InputApi.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPropertyCommands.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYViewIds.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kToolArrowLine = 25;
// A rotation with Shift turns in steps of 15 degrees.
constexpr int kRotateStep = 150;
constexpr double kPi = 3.14159265358979323846;

// The angle from the centre to the point in tenths of a degree, clockwise
// on the screen (y grows downward).
int AngleTo(CPoint centre, CPoint point)
{
    const double fAngle = std::atan2(static_cast<double>(point.y - centre.y), static_cast<double>(point.x - centre.x));
    return static_cast<int>(fAngle * 1800.0 / kPi);
}

// Brings an angle into -1800 .. 1800.
int NormalizeAngle(int nAngle)
{
    while (nAngle > 1800)
        nAngle -= 3600;
    while (nAngle < -1800)
        nAngle += 3600;
    return nAngle;
}

// The start state of a point tool from any of its three states.
int PointToolStart(int nState)
{
    return 18 + 3 * ((nState - 18) / 3);
}

// The Bézier figures need four points, the other point tools two.
int PointToolMinimum(int nStartState)
{
    return nStartState == 24 || nStartState == 27 ? 4 : 2;
}

} // namespace

CPoint CQYBaseView::ScrollOrigin()
{
    CPoint origin(0, 0);
    DPtoLPPoint(&origin);
    return origin;
}

void CQYBaseView::EndAction()
{
    m_nTrackState = 0;
    m_nToolType = 0;
    SetStandardCursor(IDC_ARROW);
}

void CQYBaseView::EndClickAction()
{
    ::ReleaseCapture();
    if (m_bReduceOnUp && m_pActiveComp != nullptr && m_listSelected.Find(m_pActiveComp) != nullptr) {
        CQYCompList listRepaint(m_listSelected);
        SelectComponent(m_pActiveComp);
        InvalidateComponents(&listRepaint);
    }
    m_bReduceOnUp = FALSE;
    m_pNotedPort = nullptr;
    EndAction();
}

// ---------------------------------------------------------------------------
// Button down

void CQYBaseView::TrackButtonDown(UINT nFlags, CPoint point)
{
    switch (m_nTrackState) {
    case 0:
    case 42: {
        CPoint ptLogical = point;
        DPtoLPPoint(&ptLogical);
        OnButtonDownSelect(nFlags, ptLogical, 1);
        break;
    }
    case 7:
    case 12:
    case 15: ++m_nTrackState; break;
    case 18:
    case 21:
    case 24:
    case 27:
        m_arrPoints.RemoveAll();
        m_arrPoints.Add(point); // the click point as clicked
        if (IsSnapOn())
            m_ptDown = m_ptDownDevice = SnapToGrid(point.x, point.y);
        DrawPointsBand(point);
        ++m_nTrackState;
        break;
    case 20:
    case 23:
    case 26:
    case 29: CollectPoint(nFlags, point); break;
    case 30:
        m_nTrackState = 31;
        SetTrackCursor(IDC_QY_HAND_GRAB, IDC_SIZEALL);
        m_ptLast = point;
        SetCapture();
        break;
    case 33:
    case 35: LinkButtonDown(point); break;
    default: break;
    }
}

void CQYBaseView::CollectPoint(UINT nFlags, CPoint point)
{
    DrawPointsBand(m_ptLast);
    point = SnapIfOn(point);
    if ((nFlags & MK_SHIFT) != 0 && m_arrPoints.GetSize() > 0)
        point = ConstrainToAxis(m_arrPoints[m_arrPoints.GetSize() - 1], point);
    m_arrPoints.Add(point);
    DrawPointsBand(point);
}

void CQYBaseView::LinkButtonDown(CPoint point)
{
    if (m_pLinkProto == nullptr || m_pModel == nullptr)
        return;
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    CQYPortComponent* pPort = m_pModel->HitTestPort(ptLogical.x, ptLogical.y);
    if (m_nTrackState == 33) {
        if (pPort == nullptr)
            return; // the tool stays armed
        m_pLinkFromPort = pPort;
        m_pActiveComp = pPort->GetParentComp();
        CPoint ptPort = pPort->GetLinkPoint();
        LPtoDPPoint(&ptPort);
        m_arrPoints.RemoveAll();
        m_arrPoints.Add(ptPort);
        DrawPointsBand(ptPort);
        SetCapture();
        m_nTrackState = 35;
        return;
    }
    if (pPort != nullptr) {
        if (pPort == m_pLinkFromPort && m_arrPoints.GetSize() < 2)
            return; // a link needs two different ends
        CPoint ptPort = pPort->GetLinkPoint();
        LPtoDPPoint(&ptPort);
        DrawPointsBand(m_ptLast);
        m_arrPoints.Add(ptPort);
        m_pLinkToPort = pPort;
        // The band is off the screen now; the ending draws nothing more.
        m_ptLast = ptPort;
        DrawPointsBand(ptPort);
        EndLinkTracking(0, point);
        return;
    }
    DrawPointsBand(m_ptLast);
    point = SnapIfOn(point);
    if (m_bLinkElbow && m_arrPoints.GetSize() > 0)
        point = ConstrainToAxis(m_arrPoints[m_arrPoints.GetSize() - 1], point);
    m_arrPoints.Add(point);
    DrawPointsBand(point);
}

// ---------------------------------------------------------------------------
// Mouse move

void CQYBaseView::TrackMouseMove(UINT nFlags, CPoint point)
{
    const BOOL bShift = (nFlags & MK_SHIFT) != 0;
    const BOOL bMoved = point != m_ptDownDevice;
    switch (m_nTrackState) {
    case 1:
        SetCapture();
        DrawSelectBand(m_ptDownDevice);
        m_nTrackState = 2;
        [[fallthrough]];
    case 2:
        DrawSelectBand(m_ptLast);
        DrawSelectBand(bShift ? ConstrainToSquare(point) : point);
        break;
    case 8:
    case 13:
        SetCapture();
        m_ptDown = SnapIfOn(m_ptDown);
        ClampToPage(&m_ptDown, 1);
        m_ptDownDevice = m_ptDown;
        ++m_nTrackState;
        if (m_nTrackState == 9)
            DrawEllipseBand(m_ptDownDevice);
        else
            DrawRectBand(m_ptDownDevice, TRUE);
        [[fallthrough]];
    case 9:
    case 14: {
        CPoint p = SnapIfOn(point);
        if (bShift)
            p = ConstrainToSquare(p);
        if (m_nTrackState == 9) {
            DrawEllipseBand(m_ptLast);
            DrawEllipseBand(p);
        } else {
            DrawRectBand(m_ptLast, TRUE);
            DrawRectBand(p, TRUE);
        }
        break;
    }
    case 16:
        ClampToPage(&m_ptDown, 1);
        m_ptDown = SnapIfOn(m_ptDown);
        m_ptDownDevice = m_ptDown;
        SetCapture();
        DrawLineBand(m_ptDownDevice);
        m_nTrackState = 17;
        [[fallthrough]];
    case 17: {
        CPoint p = SnapIfOn(point);
        DrawLineBand(m_ptLast);
        DrawLineBand(bShift ? ConstrainToAxis(m_ptDownDevice, p) : p);
        break;
    }
    case 19:
    case 22:
    case 25:
    case 28:
        SetCapture();
        m_ptDown = SnapIfOn(m_ptDown);
        ClampToPage(&m_ptDown, 1);
        ++m_nTrackState;
        [[fallthrough]];
    case 20:
    case 23:
    case 26:
    case 29: {
        CPoint p = SnapIfOn(point);
        DrawPointsBand(m_ptLast);
        if (bShift && m_arrPoints.GetSize() > 0)
            p = ConstrainToAxis(m_arrPoints[m_arrPoints.GetSize() - 1], p);
        DrawPointsBand(p);
        break;
    }
    case 31:
    case 32: {
        // The page follows the hand pixel for pixel.
        const CPoint position = GetScrollPosition();
        ScrollToPosition(CPoint(position.x + m_ptLast.x - point.x, position.y + m_ptLast.y - point.y));
        Invalidate(FALSE);
        m_ptLast = point;
        m_nTrackState = 32;
        break;
    }
    case 33:
    case 35: LinkMouseMove(point); break;
    case 37: TrackLinkEnd(nFlags, point); break;
    case 6: SizeDrag(point); break;
    case 11: FormSizeDrag(point); break;
    case 39: MoveDrag(nFlags, point); break;
    case 41: {
        CPoint ptLogical = point;
        DPtoLPPoint(&ptLogical);
        CClientDC dc(this);
        m_tracker.RemoveTrack(&dc);
        const CPoint s = ScrollOrigin();
        const int dx = ptLogical.x - m_ptDown.x;
        const int dy = ptLogical.y - m_ptDown.y;
        if (m_pActiveComp->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)))
            m_tracker.MoveLinkTrackPoint(&dc, s.x, s.y, m_nHitHandle, dx, dy, s.x, s.y);
        else
            m_tracker.MoveTrackPoint(&dc, s.x, s.y, m_nHitHandle, dx, dy, s.x, s.y);
        m_sizeMoveOffset = CSize(dx, dy);
        break;
    }
    case 44: RotateDrag(nFlags, point); break;
    case 5:
    case 10:
    case 36:
    case 38:
    case 40:
    case 43:
        if (m_nTrackState == 36 && m_pActiveComp != nullptr) {
            if (CQYPortLink* pLink = QYGetPortLink(m_pActiveComp))
                m_pNotedPort = m_nHitHandle == 0 ? pLink->GetFromPort() : pLink->GetToPort();
        }
        if (bMoved)
            BeginDragStep(nFlags, point);
        break;
    default: break;
    }
}

void CQYBaseView::LinkMouseMove(CPoint point)
{
    if (m_pLinkProto == nullptr || m_pModel == nullptr)
        return;
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    if (CQYPortComponent* pPort = m_pModel->HitTestPort(ptLogical.x, ptLogical.y)) {
        point = pPort->GetLinkPoint();
        LPtoDPPoint(&point);
        SetTrackCursor(IDC_QY_ON_PORT, IDC_UPARROW);
    } else {
        point = SnapIfOn(point);
        SetTrackCursor(IDC_QY_CROSS, IDC_CROSS);
    }
    if (m_arrPoints.GetSize() == 0)
        return;
    DrawPointsBand(m_ptLast);
    if (m_bLinkElbow)
        point = ConstrainToAxis(m_arrPoints[m_arrPoints.GetSize() - 1], point);
    DrawPointsBand(point);
}

// The first move of a press on a handle, a component or a form edge turns
// it into a drag: the outlines are taken and drawn once.
void CQYBaseView::BeginDragStep(UINT nFlags, CPoint point)
{
    CClientDC dc(this);
    const CPoint s = ScrollOrigin();
    switch (m_nTrackState) {
    case 5: {
        SetCapture();
        CRect rect = m_pActiveComp->GetRect();
        rect.NormalizeRect();
        m_ptDown = QYGetHandlePoint(rect, static_cast<UINT>(m_nHitHandle));
        LPtoDPPoint(&m_ptDown);
        ClampToFormIfDesign(&m_ptDown, 1);
        DPtoLPPoint(&m_ptDown);
        m_listDrag.RemoveAll();
        m_listDrag.AddTail(&m_listSelected);
        AddMoveOutlines(&m_listDrag);
        m_sizeDragStart = CSize(rect.Width(), rect.Height());
        m_fScaleX = m_fScaleY = 1.0f;
        m_nSizeMode = 8;
        m_tracker.SizeTrack(&dc, s.x, s.y, 1.0f, 1.0f, m_nSizeMode);
        SetTrackCursor(IDC_QY_CROSS, IDC_CROSS);
        m_nTrackState = 6;
        SizeDrag(point);
        break;
    }
    case 10: {
        CQYDrawComponent* pForm = m_pModel != nullptr ? m_pModel->GetFormComponent() : nullptr;
        if (pForm == nullptr)
            break;
        SetCapture();
        m_ptDown = QYGetHandlePoint(pForm->GetRect(), static_cast<UINT>(m_nFormEdge));
        CQYCompList list;
        list.AddTail(pForm);
        ResetTracking();
        m_tracker.BeginTrack(&list);
        m_sizeDragStart = CSize(pForm->GetRect().Width(), pForm->GetRect().Height());
        m_nSizeMode = 8;
        m_nTrackState = 11;
        FormSizeDrag(point);
        break;
    }
    case 36: {
        SetCapture();
        CQYCompList list;
        list.AddTail(m_pActiveComp);
        AddMoveOutlines(&list);
        m_ptDown = m_pActiveComp->GetPointAt(m_nHitHandle);
        m_tracker.MoveLinkTrackPoint(&dc, s.x, s.y, m_nHitHandle, 0, 0, s.x, s.y);
        SetTrackCursor(IDC_QY_CROSS, IDC_CROSS);
        m_nTrackState = 37;
        TrackLinkEnd(nFlags, point);
        break;
    }
    case 38:
        if (m_listSelected.IsEmpty())
            break;
        SetCapture();
        m_listDrag.RemoveAll();
        m_listDrag.AddTail(&m_listSelected);
        AddMoveOutlines(&m_listDrag);
        m_sizeMoveOffset = CSize(0, 0);
        m_tracker.MoveTrack(&dc, -s.x, -s.y, s.x, s.y);
        SetTrackCursor(IDC_QY_MOVE, IDC_SIZEALL);
        m_bReduceOnUp = FALSE;
        m_nTrackState = 39;
        MoveDrag(nFlags, point);
        break;
    case 40: {
        SetCapture();
        CQYCompList list;
        list.AddTail(m_pActiveComp);
        AddMoveOutlines(&list);
        m_ptDown = m_pActiveComp->GetPointAt(m_nHitHandle);
        m_sizeMoveOffset = CSize(0, 0);
        if (m_pActiveComp->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)))
            m_tracker.MoveLinkTrackPoint(&dc, s.x, s.y, m_nHitHandle, 0, 0, s.x, s.y);
        else
            m_tracker.MoveTrackPoint(&dc, s.x, s.y, m_nHitHandle, 0, 0, s.x, s.y);
        SetTrackCursor(IDC_QY_CROSS, IDC_CROSS);
        m_nTrackState = 41;
        TrackMouseMove(nFlags, point);
        break;
    }
    case 43: {
        m_listDrag.RemoveAll();
        for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
            CQYDrawComponent* pComp = m_listSelected.GetNext(pos);
            if (pComp->IsOver4ResizeHandles() && !pComp->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)))
                m_listDrag.AddTail(pComp);
        }
        if (m_listDrag.IsEmpty()) {
            SetStandardCursor(IDC_ARROW);
            break;
        }
        // A Shift press leaves no active component: the first one turns.
        if (m_pActiveComp == nullptr || m_listDrag.Find(m_pActiveComp) == nullptr)
            m_pActiveComp = m_listDrag.GetHead();
        SetCapture();
        m_bReduceOnUp = FALSE;
        CRect rect = m_pActiveComp->GetRect();
        rect.NormalizeRect();
        m_ptRotateCentre = rect.CenterPoint();
        CPoint ptLogical = point;
        DPtoLPPoint(&ptLogical);
        m_nStartAngle = AngleTo(m_ptRotateCentre, ptLogical);
        m_nLastAngle = 0;
        AddMoveOutlines(&m_listDrag);
        m_tracker.RotateTrack(&dc, 0, s.x, s.y);
        SetTrackCursor(IDC_QY_ROTATING, IDC_CROSS);
        m_nTrackState = 44;
        RotateDrag(nFlags, point);
        break;
    }
    default: break;
    }
}

void CQYBaseView::MoveDrag(UINT nFlags, CPoint point)
{
    CSize offset(point.x - m_ptDown.x, point.y - m_ptDown.y);
    if ((nFlags & MK_SHIFT) != 0) {
        if (std::abs(offset.cy) < std::abs(offset.cx))
            offset.cy = 0;
        else
            offset.cx = 0;
    }
    if (IsSnapOn()) {
        const CRect& rectUnion = m_tracker.GetUnionRect();
        const CPoint snapped = SnapToGrid(rectUnion.left + offset.cx, rectUnion.top + offset.cy);
        offset = CSize(snapped.x - rectUnion.left, snapped.y - rectUnion.top);
    }
    if (offset == m_sizeMoveOffset)
        return;
    CClientDC dc(this);
    const CPoint s = ScrollOrigin();
    m_tracker.RemoveTrack(&dc);
    m_tracker.MoveTrack(&dc, offset.cx - s.x, offset.cy - s.y, s.x, s.y);
    m_sizeMoveOffset = offset;
}

void CQYBaseView::SizeDrag(CPoint point)
{
    point = SnapIfOn(point);
    ClampToFormIfDesign(&point, 1);
    DPtoLPPoint(&point);
    const int dx = point.x - m_ptDown.x;
    const int dy = point.y - m_ptDown.y;
    const int nHandle = m_nHitHandle;
    const bool bRight = nHandle >= 2 && nHandle <= 4;
    const bool bLeft = nHandle == 0 || nHandle == 6 || nHandle == 7;
    const bool bBottom = nHandle >= 4 && nHandle <= 6;
    const bool bTop = nHandle >= 0 && nHandle <= 2;
    float fScaleX = 1.0f;
    float fScaleY = 1.0f;
    if (bRight || bLeft)
        fScaleX = 1.0f + static_cast<float>(bRight ? dx : -dx) / static_cast<float>(m_sizeDragStart.cx);
    if (bBottom || bTop)
        fScaleY = 1.0f + static_cast<float>(bBottom ? dy : -dy) / static_cast<float>(m_sizeDragStart.cy);
    m_fScaleX = std::isfinite(fScaleX) ? fScaleX : 1.0f;
    m_fScaleY = std::isfinite(fScaleY) ? fScaleY : 1.0f;
    m_nSizeMode = (nHandle + 4) % 8;
    CClientDC dc(this);
    const CPoint s = ScrollOrigin();
    m_tracker.RemoveTrack(&dc);
    m_tracker.SizeTrack(&dc, s.x, s.y, m_fScaleX, m_fScaleY, m_nSizeMode);
}

void CQYBaseView::RotateDrag(UINT nFlags, CPoint point)
{
    DPtoLPPoint(&point);
    int nAngle = NormalizeAngle(AngleTo(m_ptRotateCentre, point) - m_nStartAngle);
    if ((nFlags & MK_SHIFT) != 0)
        nAngle = nAngle / kRotateStep * kRotateStep;
    if (nAngle == m_nLastAngle)
        return;
    CClientDC dc(this);
    const CPoint s = ScrollOrigin();
    m_tracker.RemoveTrack(&dc);
    m_tracker.RotateTrack(&dc, nAngle, s.x, s.y);
    m_nLastAngle = nAngle;
}

void CQYBaseView::FormSizeDrag(CPoint point)
{
    point = SnapIfOn(point);
    ClampToExtent(&point, 1);
    const int nAnchor = m_nFormEdge >= 0 && m_nFormEdge < 8 ? (m_nFormEdge + 4) % 8 : 8;
    CClientDC dc(this);
    const CPoint s = ScrollOrigin();
    m_tracker.RemoveOutline(&dc);
    m_tracker.SizeTrackBySpot(&dc, point.x, point.y, nAnchor, s.x, s.y);
    m_ptFormLast = point;
    m_nFormAnchor = nAnchor;
}

// ---------------------------------------------------------------------------
// Button up

void CQYBaseView::FinishEllipseTool(UINT nFlags, CPoint point, BOOL bDragged)
{
    ::ReleaseCapture();
    CRect rect(point, point);
    if (bDragged) {
        DrawEllipseBand(m_ptLast);
        CPoint p = (nFlags & MK_SHIFT) != 0 ? ConstrainToSquare(point) : point;
        p = SnapIfOn(p);
        CPoint corners[2] = {m_ptDown, p};
        ClampToPage(corners, 2);
        rect.SetRect(corners[0], corners[1]);
    }
    rect.NormalizeRect();
    DPtoLPRect(&rect);
    EndAction();
    if (m_pModel != nullptr)
        m_pModel->AddNewComponent(QY_COMP_ELLIPSE, rect, "");
}

void CQYBaseView::FinishRectTool(UINT nFlags, CPoint point, BOOL bDragged)
{
    ::ReleaseCapture();
    CRect rect(point, point);
    if (bDragged) {
        DrawRectBand(m_ptLast, TRUE);
        CPoint p = (nFlags & MK_SHIFT) != 0 ? ConstrainToSquare(point) : point;
        p = SnapIfOn(p);
        CPoint corners[2] = {m_ptDown, p};
        ClampToPage(corners, 2);
        rect.SetRect(corners[0], corners[1]);
    }
    rect.NormalizeRect();
    DPtoLPRect(&rect);
    const int nType = m_nToolType;
    EndAction();
    if (nType == QY_COMP_IMAGE)
        AddImageFromFile(rect);
    else if (m_pModel != nullptr)
        m_pModel->AddNewComponent(nType, rect, "");
}

void CQYBaseView::FinishLineTool(UINT nFlags, CPoint point)
{
    ClampToPage(&point, 1);
    ::ReleaseCapture();
    DrawLineBand(m_ptLast);
    if ((nFlags & MK_SHIFT) != 0)
        point = ConstrainToAxis(m_ptDownDevice, point);
    POINT points[2] = {m_ptDownDevice, point};
    for (POINT& pt : points) {
        DPtoLPPoint(&pt);
        if (IsSnapOn())
            pt = SnapToGrid(pt.x, pt.y);
    }
    const BOOL bArrow = m_nToolType == kToolArrowLine;
    EndAction();
    if (m_pModel != nullptr)
        m_pModel->AddNewLine(points, 2, bArrow);
}

void CQYBaseView::TrackButtonUp(UINT nFlags, CPoint point)
{
    CClientDC dc(this);
    switch (m_nTrackState) {
    case 1:
    case 5:
    case 10:
    case 36:
    case 38:
    case 40:
    case 43: EndClickAction(); break;
    case 2: {
        ::ReleaseCapture();
        const CPoint p = (nFlags & MK_SHIFT) != 0 ? ConstrainToSquare(point) : point;
        DrawSelectBand(m_ptLast);
        CRect rect(m_ptDownDevice, p);
        DPtoLPRect(&rect);
        CQYCompList listInside;
        CollectInsideRect(&listInside, rect);
        CQYCompList listNew;
        for (POSITION pos = listInside.GetHeadPosition(); pos != nullptr;) {
            CQYDrawComponent* pComp = listInside.GetNext(pos);
            if (m_listSelected.Find(pComp) == nullptr) {
                m_listSelected.AddTail(pComp);
                listNew.AddTail(pComp);
            }
        }
        MarkFirstAsMain();
        InvalidateComponents(&listNew);
        EndAction();
        break;
    }
    case 6:
        m_tracker.RemoveTrack(&dc);
        ResetTracking();
        ::ReleaseCapture();
        EndAction();
        ScaleActiveComponent(m_fScaleX, m_fScaleY, m_nSizeMode);
        m_listDrag.RemoveAll();
        break;
    case 8:
    case 9: FinishEllipseTool(nFlags, point, m_nTrackState == 9); break;
    case 11:
        m_tracker.RemoveOutline(&dc);
        ResetTracking();
        ::ReleaseCapture();
        EndAction();
        ResizeForm(m_ptFormLast.x, m_ptFormLast.y, m_nFormAnchor);
        m_listDrag.RemoveAll();
        break;
    case 13:
    case 14: FinishRectTool(nFlags, point, m_nTrackState == 14); break;
    case 16:
        ::ReleaseCapture();
        m_nTrackState = 15; // the line tool stays armed, arrow or not
        break;
    case 17: FinishLineTool(nFlags, point); break;
    case 31:
    case 32:
        ::ReleaseCapture();
        m_nTrackState = 30;
        SetTrackCursor(IDC_QY_HAND, IDC_SIZEALL);
        break;
    case 37: {
        ::ReleaseCapture();
        m_tracker.RemoveTrack(&dc);
        ResetTracking();
        CPoint ptLogical = point;
        DPtoLPPoint(&ptLogical);
        CQYPortComponent* pPort = m_pModel != nullptr ? m_pModel->HitTestPort(ptLogical.x, ptLogical.y) : nullptr;
        CPoint ptEnd = pPort != nullptr ? pPort->GetLinkPoint() : ptLogical;
        int dx = ptEnd.x - m_ptDown.x;
        int dy = ptEnd.y - m_ptDown.y;
        if (pPort == nullptr && (nFlags & MK_SHIFT) != 0) {
            if (std::abs(dy) < std::abs(dx))
                dy = 0;
            else
                dx = 0;
        }
        CQYDrawComponent* pLink = m_pActiveComp;
        CQYPortComponent* pOldPort = m_pNotedPort;
        m_pNotedPort = nullptr;
        EndAction();
        if (m_pModel != nullptr && pLink != nullptr && (dx != 0 || dy != 0 || pPort != pOldPort)) {
            auto* pCommand = new CQYSizePortCommand(m_pModel, pLink, m_nHitHandle, dx, dy);
            pCommand->SetToPort(pOldPort);
            pCommand->SetFromPort(pPort);
            RunCommand(pCommand);
        }
        m_listDrag.RemoveAll();
        break;
    }
    case 39: {
        m_tracker.RemoveTrack(&dc);
        ResetTracking();
        ::ReleaseCapture();
        EndAction();
        const CSize offset = m_sizeMoveOffset;
        MoveSelection(&m_listDrag, offset.cx, offset.cy);
        m_listDrag.RemoveAll();
        break;
    }
    case 41: {
        ::ReleaseCapture();
        m_tracker.RemoveTrack(&dc);
        ResetTracking();
        EndAction();
        if (m_sizeMoveOffset.cx != 0 || m_sizeMoveOffset.cy != 0)
            MoveComponentPoint(m_nHitHandle, m_sizeMoveOffset.cx, m_sizeMoveOffset.cy);
        m_listDrag.RemoveAll();
        break;
    }
    case 44:
        m_tracker.RemoveTrack(&dc);
        ResetTracking();
        ::ReleaseCapture();
        if (m_nLastAngle != 0)
            RotateSelection(&m_listDrag, m_nLastAngle);
        m_listDrag.RemoveAll();
        m_nToolType = 0;
        m_nTrackState = 42;
        SetTrackCursor(IDC_QY_ROTATE, IDC_CROSS);
        break;
    default: break;
    }
}

// ---------------------------------------------------------------------------
// Double click: ends the point tools and the link tool

void CQYBaseView::FinishPointTool(int nStartState)
{
    ::ReleaseCapture();
    DrawPointsBand(m_ptLast);
    if (m_arrPoints.GetSize() < PointToolMinimum(nStartState)) {
        m_arrPoints.RemoveAll();
        m_nTrackState = nStartState; // the tool stays armed
        return;
    }
    CArray<CPoint, CPoint> points;
    for (int i = 0; i < m_arrPoints.GetSize(); ++i) {
        CPoint pt = m_arrPoints[i];
        DPtoLPPoint(&pt);
        points.Add(pt);
    }
    m_arrPoints.RemoveAll();
    EndAction();
    if (m_pModel == nullptr)
        return;
    switch (nStartState) {
    case 18: m_pModel->AddNewLine(&points, TRUE); break;
    case 21: m_pModel->AddNewPolygon(&points); break;
    case 24: m_pModel->AddNewBezierLine(&points, TRUE); break;
    default: m_pModel->AddNewCloseBezier(&points); break;
    }
}

void CQYBaseView::CancelPointTool(int nStartState)
{
    ::ReleaseCapture();
    DrawPointsBand(m_ptLast);
    m_arrPoints.RemoveAll();
    m_nTrackState = nStartState;
}

void CQYBaseView::TrackDoubleClick(UINT nFlags, CPoint point)
{
    switch (m_nTrackState) {
    case 0: {
        CPoint ptLogical = point;
        DPtoLPPoint(&ptLogical);
        if (m_pModel != nullptr)
            BeginLabelEdit(m_pModel->HitTest(ptLogical.x, ptLogical.y));
        break;
    }
    case 19:
    case 20:
    case 22:
    case 23:
    case 25:
    case 26:
    case 28:
    case 29: FinishPointTool(PointToolStart(m_nTrackState)); break;
    case 35: EndLinkTracking(nFlags, point); break;
    default: break;
    }
}
