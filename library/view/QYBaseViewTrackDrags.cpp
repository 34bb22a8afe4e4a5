// The gestures of the select tool: the rubber-band selection and the drags
// that move, size and turn the selection, size the form, move one point of
// a figure or move a link's end to another port.  A press waits in its
// pending state; the first move begins the drag (the tracker takes the
// outlines and draws them once), every further move is a step, and the
// button-up erases the outlines and runs one command.
#include "library/view/QYBaseView.h"

#include "framework/gdi/CDC.h"
#include "framework/window/CursorApi.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowDC.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPropertyCommands.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYViewIds.h"

#include <cmath>
#include <cstdlib>

namespace {

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

} // namespace

// ---------------------------------------------------------------------------
// Rubber-band selection: what lies wholly inside the band joins the
// selection.

void CQYBaseView::RubberBandMove(UINT nFlags, CPoint point)
{
    if (m_nTrackState == SelectPending) {
        SetCapture();
        DrawSelectBand(m_ptDownDevice);
        m_nTrackState = RubberBandSelect;
    }
    DrawSelectBand(m_ptLast);
    DrawSelectBand((nFlags & MK_SHIFT) != 0 ? ConstrainToSquare(point) : point);
}

void CQYBaseView::EndRubberBand(UINT nFlags, CPoint point)
{
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
}

// ---------------------------------------------------------------------------
// Sizing the selection by a handle of the active component

void CQYBaseView::BeginSizeDrag(CPoint point)
{
    CClientDC dc(this);
    const CPoint s = ScrollOrigin();
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
    m_nTrackState = Resizing;
    SizeDrag(point);
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

void CQYBaseView::EndSizeDrag()
{
    CClientDC dc(this);
    m_tracker.RemoveTrack(&dc);
    ResetTracking();
    ::ReleaseCapture();
    EndAction();
    ScaleActiveComponent(m_fScaleX, m_fScaleY, m_nSizeMode);
    m_listDrag.RemoveAll();
}

// ---------------------------------------------------------------------------
// Sizing the form by an edge handle (nothing selected)

void CQYBaseView::BeginFormSizeDrag(CPoint point)
{
    CQYDrawComponent* pForm = m_pModel != nullptr ? m_pModel->GetFormComponent() : nullptr;
    if (pForm == nullptr)
        return;
    SetCapture();
    m_ptDown = QYGetHandlePoint(pForm->GetRect(), static_cast<UINT>(m_nFormEdge));
    CQYCompList list;
    list.AddTail(pForm);
    ResetTracking();
    m_tracker.BeginTrack(&list);
    m_sizeDragStart = CSize(pForm->GetRect().Width(), pForm->GetRect().Height());
    m_nSizeMode = 8;
    m_nTrackState = FormResizing;
    FormSizeDrag(point);
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

void CQYBaseView::EndFormSizeDrag()
{
    CClientDC dc(this);
    m_tracker.RemoveOutline(&dc);
    ResetTracking();
    ::ReleaseCapture();
    EndAction();
    ResizeForm(m_ptFormLast.x, m_ptFormLast.y, m_nFormAnchor);
    m_listDrag.RemoveAll();
}

// ---------------------------------------------------------------------------
// Moving an end of a link, possibly to another port (the steps are
// TrackLinkEnd)

void CQYBaseView::BeginLinkEndDrag(UINT nFlags, CPoint point)
{
    CClientDC dc(this);
    const CPoint s = ScrollOrigin();
    SetCapture();
    CQYCompList list;
    list.AddTail(m_pActiveComp);
    AddMoveOutlines(&list);
    m_ptDown = m_pActiveComp->GetPointAt(m_nHitHandle);
    m_tracker.MoveLinkTrackPoint(&dc, s.x, s.y, m_nHitHandle, 0, 0, s.x, s.y);
    SetTrackCursor(IDC_QY_CROSS, IDC_CROSS);
    m_nTrackState = LinkEndDragging;
    TrackLinkEnd(nFlags, point);
}

void CQYBaseView::EndLinkEndDrag(UINT nFlags, CPoint point)
{
    CClientDC dc(this);
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
}

// ---------------------------------------------------------------------------
// Moving the selection

void CQYBaseView::BeginMoveDrag(UINT nFlags, CPoint point)
{
    if (m_listSelected.IsEmpty())
        return;
    CClientDC dc(this);
    const CPoint s = ScrollOrigin();
    SetCapture();
    m_listDrag.RemoveAll();
    m_listDrag.AddTail(&m_listSelected);
    AddMoveOutlines(&m_listDrag);
    m_sizeMoveOffset = CSize(0, 0);
    m_tracker.MoveTrack(&dc, -s.x, -s.y, s.x, s.y);
    SetTrackCursor(IDC_QY_MOVE, IDC_SIZEALL);
    m_bReduceOnUp = FALSE;
    m_nTrackState = Moving;
    MoveDrag(nFlags, point);
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

void CQYBaseView::EndMoveDrag()
{
    CClientDC dc(this);
    m_tracker.RemoveTrack(&dc);
    ResetTracking();
    ::ReleaseCapture();
    EndAction();
    const CSize offset = m_sizeMoveOffset;
    MoveSelection(&m_listDrag, offset.cx, offset.cy);
    m_listDrag.RemoveAll();
}

// ---------------------------------------------------------------------------
// Moving one point of a line, a link, or a polygon or closed Bézier in Edit
// Points mode

void CQYBaseView::BeginPointDrag(CPoint point)
{
    CClientDC dc(this);
    const CPoint s = ScrollOrigin();
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
    m_nTrackState = PointDragging;
    PointDrag(point);
}

void CQYBaseView::PointDrag(CPoint point)
{
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
}

void CQYBaseView::EndPointDrag()
{
    CClientDC dc(this);
    ::ReleaseCapture();
    m_tracker.RemoveTrack(&dc);
    ResetTracking();
    EndAction();
    if (m_sizeMoveOffset.cx != 0 || m_sizeMoveOffset.cy != 0)
        MoveComponentPoint(m_nHitHandle, m_sizeMoveOffset.cx, m_sizeMoveOffset.cy);
    m_listDrag.RemoveAll();
}

// ---------------------------------------------------------------------------
// Turning the selection about the active component's centre (free rotate)

void CQYBaseView::BeginRotateDrag(UINT nFlags, CPoint point)
{
    m_listDrag.RemoveAll();
    for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listSelected.GetNext(pos);
        if (pComp->IsOver4ResizeHandles() && !pComp->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)))
            m_listDrag.AddTail(pComp);
    }
    if (m_listDrag.IsEmpty()) {
        SetStandardCursor(IDC_ARROW);
        return;
    }
    // A Shift press leaves no active component: the first one turns.
    if (m_pActiveComp == nullptr || m_listDrag.Find(m_pActiveComp) == nullptr)
        m_pActiveComp = m_listDrag.GetHead();
    CClientDC dc(this);
    const CPoint s = ScrollOrigin();
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
    m_nTrackState = Rotating;
    RotateDrag(nFlags, point);
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

// The free-rotate tool stays armed for the next turn.
void CQYBaseView::EndRotateDrag()
{
    CClientDC dc(this);
    m_tracker.RemoveTrack(&dc);
    ResetTracking();
    ::ReleaseCapture();
    if (m_nLastAngle != 0)
        RotateSelection(&m_listDrag, m_nLastAngle);
    m_listDrag.RemoveAll();
    m_nToolType = 0;
    m_nTrackState = RotateArmed;
    SetTrackCursor(IDC_QY_ROTATE, IDC_CROSS);
}
