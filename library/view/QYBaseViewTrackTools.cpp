// The gestures of the armed tools: the ellipse and the rectangle-shaped
// tools and the line tool drag a band and create their figure on the
// button-up; the point tools collect clicked points until a double click;
// the link tool joins two ports through the points clicked between them;
// the hand pans the page.
#include "library/view/QYBaseView.h"

#include "framework/window/CursorApi.h"
#include "framework/window/InputApi.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPortComponent.h"
#include "library/view/QYViewIds.h"

namespace {

constexpr int kToolArrowLine = 25;

// The Bézier figures need four points, the other point tools two.
int PointToolMinimum(int nStartState)
{
    return nStartState == CQYBaseView::BezierArmed || nStartState == CQYBaseView::CloseBezierArmed ? 4 : 2;
}

} // namespace

// ---------------------------------------------------------------------------
// The ellipse and the rectangle-shaped tools: a click creates the factory's
// default size about the point, a drag the dragged rectangle.

void CQYBaseView::DrawShapeBand(CPoint point)
{
    if (m_nTrackState == EllipseDragging)
        DrawEllipseBand(point);
    else
        DrawRectBand(point, TRUE);
}

void CQYBaseView::ShapeToolMove(UINT nFlags, CPoint point)
{
    if (m_nTrackState == EllipsePressed || m_nTrackState == RectPressed) {
        SetCapture();
        m_ptDown = SnapIfOn(m_ptDown);
        ClampToPage(&m_ptDown, 1);
        m_ptDownDevice = m_ptDown;
        ++m_nTrackState; // to the tool's dragging state
        DrawShapeBand(m_ptDownDevice);
    }
    CPoint p = SnapIfOn(point);
    if ((nFlags & MK_SHIFT) != 0)
        p = ConstrainToSquare(p);
    DrawShapeBand(m_ptLast);
    DrawShapeBand(p);
}

// The logical rectangle a shape tool's gesture spans: from the press to the
// release (squared with Shift, snapped, kept on the page), or the release
// point alone for a click.
CRect CQYBaseView::ToolGestureRect(UINT nFlags, CPoint point, BOOL bDragged)
{
    CRect rect(point, point);
    if (bDragged) {
        CPoint p = (nFlags & MK_SHIFT) != 0 ? ConstrainToSquare(point) : point;
        p = SnapIfOn(p);
        CPoint corners[2] = {m_ptDown, p};
        ClampToPage(corners, 2);
        rect.SetRect(corners[0], corners[1]);
    }
    rect.NormalizeRect();
    DPtoLPRect(&rect);
    return rect;
}

void CQYBaseView::FinishEllipseTool(UINT nFlags, CPoint point, BOOL bDragged)
{
    ::ReleaseCapture();
    if (bDragged)
        DrawEllipseBand(m_ptLast);
    const CRect rect = ToolGestureRect(nFlags, point, bDragged);
    EndAction();
    if (m_pModel != nullptr)
        m_pModel->AddNewComponent(QY_COMP_ELLIPSE, rect, "");
}

void CQYBaseView::FinishRectTool(UINT nFlags, CPoint point, BOOL bDragged)
{
    ::ReleaseCapture();
    if (bDragged)
        DrawRectBand(m_ptLast, TRUE);
    const CRect rect = ToolGestureRect(nFlags, point, bDragged);
    const int nType = m_nToolType;
    EndAction();
    if (nType == QY_COMP_IMAGE)
        AddImageFromFile(rect);
    else if (m_pModel != nullptr)
        m_pModel->AddNewComponent(nType, rect, "");
}

// ---------------------------------------------------------------------------
// The line and arrow line tools: a drag from one end to the other

void CQYBaseView::LineToolMove(UINT nFlags, CPoint point)
{
    if (m_nTrackState == LinePressed) {
        ClampToPage(&m_ptDown, 1);
        m_ptDown = SnapIfOn(m_ptDown);
        m_ptDownDevice = m_ptDown;
        SetCapture();
        DrawLineBand(m_ptDownDevice);
        m_nTrackState = LineDragging;
    }
    CPoint p = SnapIfOn(point);
    DrawLineBand(m_ptLast);
    DrawLineBand((nFlags & MK_SHIFT) != 0 ? ConstrainToAxis(m_ptDownDevice, p) : p);
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

// ---------------------------------------------------------------------------
// The point tools (polyline, polygon, Bézier line, closed Bézier): a click
// per point, a double click to finish, the right button to cancel.

void CQYBaseView::StartPointTool(CPoint point)
{
    m_arrPoints.RemoveAll();
    m_arrPoints.Add(point); // the click point as clicked
    if (IsSnapOn())
        m_ptDown = m_ptDownDevice = SnapToGrid(point.x, point.y);
    DrawPointsBand(point);
    ++m_nTrackState; // to the tool's first-point state
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

void CQYBaseView::PointToolMove(UINT nFlags, CPoint point)
{
    switch (m_nTrackState) {
    case PolylineFirstPoint:
    case PolygonFirstPoint:
    case BezierFirstPoint:
    case CloseBezierFirstPoint:
        SetCapture();
        m_ptDown = SnapIfOn(m_ptDown);
        ClampToPage(&m_ptDown, 1);
        ++m_nTrackState; // to the tool's collecting state
        break;
    default: break;
    }
    CPoint p = SnapIfOn(point);
    DrawPointsBand(m_ptLast);
    if ((nFlags & MK_SHIFT) != 0 && m_arrPoints.GetSize() > 0)
        p = ConstrainToAxis(m_arrPoints[m_arrPoints.GetSize() - 1], p);
    DrawPointsBand(p);
}

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
    case PolylineArmed: m_pModel->AddNewLine(&points, TRUE); break;
    case PolygonArmed: m_pModel->AddNewPolygon(&points); break;
    case BezierArmed: m_pModel->AddNewBezierLine(&points, TRUE); break;
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

// ---------------------------------------------------------------------------
// The link tools: a click on a port starts the link, clicks on the canvas
// add its points, a click on another port ends it (EndLinkTracking).

void CQYBaseView::LinkButtonDown(CPoint point)
{
    if (m_pLinkProto == nullptr || m_pModel == nullptr)
        return;
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    CQYPortComponent* pPort = m_pModel->HitTestPort(ptLogical.x, ptLogical.y);
    if (m_nTrackState == LinkArmed) {
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
        m_nTrackState = LinkCollecting;
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

// ---------------------------------------------------------------------------
// The hand: a drag scrolls the page with the pointer; the tool stays armed.

void CQYBaseView::BeginPan(CPoint point)
{
    m_nTrackState = PanPressed;
    SetTrackCursor(IDC_QY_HAND_GRAB, IDC_SIZEALL);
    m_ptLast = point;
    SetCapture();
}

void CQYBaseView::PanMove(CPoint point)
{
    // The page follows the hand pixel for pixel.
    const CPoint position = GetScrollPosition();
    ScrollToPosition(CPoint(position.x + m_ptLast.x - point.x, position.y + m_ptLast.y - point.y));
    Invalidate(FALSE);
    m_ptLast = point;
    m_nTrackState = Panning;
}

void CQYBaseView::EndPan()
{
    ::ReleaseCapture();
    m_nTrackState = PanArmed;
    SetTrackCursor(IDC_QY_HAND, IDC_SIZEALL);
}
