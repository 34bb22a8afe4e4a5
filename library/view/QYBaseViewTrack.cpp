// The mouse tracking of the canvas view in design mode: one tracking state
// drives what button-down, mouse-move, button-up and double click do.  A
// tool arms a start state; the gesture draws an inverting band or the
// outlines of what it changes; the button-up ends it with one command
// through the model's history.  This file hands each message to the
// gesture of the state; the gestures of the select tool are in
// QYBaseViewTrackDrags.cpp, those of the armed tools in
// QYBaseViewTrackTools.cpp.
#include "library/view/QYBaseView.h"

#include "framework/window/CursorApi.h"
#include "framework/window/InputApi.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPortLink.h"

namespace {

// The armed state of a point tool from any of its three states.
int PointToolStart(int nState)
{
    return CQYBaseView::PolylineArmed + 3 * ((nState - CQYBaseView::PolylineArmed) / 3);
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
    m_nTrackState = Idle;
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

void CQYBaseView::TrackButtonDown(UINT nFlags, CPoint point)
{
    switch (m_nTrackState) {
    case Idle:
    case RotateArmed: {
        CPoint ptLogical = point;
        DPtoLPPoint(&ptLogical);
        OnButtonDownSelect(nFlags, ptLogical, 1);
        break;
    }
    case EllipseArmed:
    case RectArmed:
    case LineArmed: ++m_nTrackState; break; // to the tool's pressed state
    case PolylineArmed:
    case PolygonArmed:
    case BezierArmed:
    case CloseBezierArmed: StartPointTool(point); break;
    case PolylineCollecting:
    case PolygonCollecting:
    case BezierCollecting:
    case CloseBezierCollecting: CollectPoint(nFlags, point); break;
    case PanArmed: BeginPan(point); break;
    case LinkArmed:
    case LinkCollecting: LinkButtonDown(point); break;
    default: break;
    }
}

void CQYBaseView::TrackMouseMove(UINT nFlags, CPoint point)
{
    switch (m_nTrackState) {
    case SelectPending:
    case RubberBandSelect: RubberBandMove(nFlags, point); break;
    case EllipsePressed:
    case EllipseDragging:
    case RectPressed:
    case RectDragging: ShapeToolMove(nFlags, point); break;
    case LinePressed:
    case LineDragging: LineToolMove(nFlags, point); break;
    case PolylineFirstPoint:
    case PolylineCollecting:
    case PolygonFirstPoint:
    case PolygonCollecting:
    case BezierFirstPoint:
    case BezierCollecting:
    case CloseBezierFirstPoint:
    case CloseBezierCollecting: PointToolMove(nFlags, point); break;
    case PanPressed:
    case Panning: PanMove(point); break;
    case LinkArmed:
    case LinkCollecting: LinkMouseMove(point); break;
    case ResizePending:
    case FormResizePending:
    case LinkEndPending:
    case MovePending:
    case PointDragPending:
    case RotatePending: PendingMove(nFlags, point); break;
    case Resizing: SizeDrag(point); break;
    case FormResizing: FormSizeDrag(point); break;
    case LinkEndDragging: TrackLinkEnd(nFlags, point); break;
    case Moving: MoveDrag(nFlags, point); break;
    case PointDragging: PointDrag(point); break;
    case Rotating: RotateDrag(nFlags, point); break;
    default: break;
    }
}

void CQYBaseView::PendingMove(UINT nFlags, CPoint point)
{
    // A press on a link's end notes the end's port even when it never
    // becomes a drag: the button-up of a plain click reads it.
    if (m_nTrackState == LinkEndPending && m_pActiveComp != nullptr) {
        if (CQYPortLink* pLink = QYGetPortLink(m_pActiveComp))
            m_pNotedPort = m_nHitHandle == 0 ? pLink->GetFromPort() : pLink->GetToPort();
    }
    if (point != m_ptDownDevice)
        BeginDragStep(nFlags, point);
}

// The first move of a press on a handle, a component or a form edge turns
// it into a drag: the outlines are taken and drawn once.
void CQYBaseView::BeginDragStep(UINT nFlags, CPoint point)
{
    switch (m_nTrackState) {
    case ResizePending: BeginSizeDrag(point); break;
    case FormResizePending: BeginFormSizeDrag(point); break;
    case LinkEndPending: BeginLinkEndDrag(nFlags, point); break;
    case MovePending: BeginMoveDrag(nFlags, point); break;
    case PointDragPending: BeginPointDrag(point); break;
    case RotatePending: BeginRotateDrag(nFlags, point); break;
    default: break;
    }
}

void CQYBaseView::TrackButtonUp(UINT nFlags, CPoint point)
{
    switch (m_nTrackState) {
    case SelectPending:
    case ResizePending:
    case FormResizePending:
    case LinkEndPending:
    case MovePending:
    case PointDragPending:
    case RotatePending: EndClickAction(); break;
    case RubberBandSelect: EndRubberBand(nFlags, point); break;
    case Resizing: EndSizeDrag(); break;
    case FormResizing: EndFormSizeDrag(); break;
    case LinkEndDragging: EndLinkEndDrag(nFlags, point); break;
    case Moving: EndMoveDrag(); break;
    case PointDragging: EndPointDrag(); break;
    case Rotating: EndRotateDrag(); break;
    case EllipsePressed:
    case EllipseDragging: FinishEllipseTool(nFlags, point, m_nTrackState == EllipseDragging); break;
    case RectPressed:
    case RectDragging: FinishRectTool(nFlags, point, m_nTrackState == RectDragging); break;
    case LinePressed:
        ::ReleaseCapture();
        m_nTrackState = LineArmed; // a click draws no line: the tool stays armed, arrow or not
        break;
    case LineDragging: FinishLineTool(nFlags, point); break;
    case PanPressed:
    case Panning: EndPan(); break;
    default: break;
    }
}

// Double click: ends the point tools and the link tool, and opens the
// label editor of a text label.
void CQYBaseView::TrackDoubleClick(UINT nFlags, CPoint point)
{
    switch (m_nTrackState) {
    case Idle: {
        CPoint ptLogical = point;
        DPtoLPPoint(&ptLogical);
        if (m_pModel != nullptr)
            BeginLabelEdit(m_pModel->HitTest(ptLogical.x, ptLogical.y));
        break;
    }
    case PolylineFirstPoint:
    case PolylineCollecting:
    case PolygonFirstPoint:
    case PolygonCollecting:
    case BezierFirstPoint:
    case BezierCollecting:
    case CloseBezierFirstPoint:
    case CloseBezierCollecting: FinishPointTool(PointToolStart(m_nTrackState)); break;
    case LinkCollecting: EndLinkTracking(nFlags, point); break;
    default: break;
    }
}
