// The tool commands that arm the creation tools and the hand, their update
// rules, the endings of the link tool and the image tool's file choice.
#include "library/view/QYBaseView.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/window/CursorApi.h"
#include "framework/window/WindowDC.h"

#include "framework/controls/FileDialog.h"
#include "framework/window/InputApi.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPropertyCommands.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYViewIds.h"

#include <algorithm>

namespace {

// The arrow-line and polyline tools have type codes of their own that
// the factory does not make.
constexpr int kToolArrowLine = 25;
constexpr int kToolPolyline = 26;

const char kImageFilter[] = "Image Files(.bmp;.wmf)|*.bmp;*.wmf|Image Files(*.wmf)|*.wmf||";

} // namespace

void CQYBaseView::SetTrackCursor(UINT nIDCursor, LPCTSTR lpszFallback)
{
    SetToolCursor(nIDCursor);
    if (m_hCursor == nullptr)
        SetStandardCursor(lpszFallback);
}

void CQYBaseView::ArmTool(int nType, int nState, UINT nIDCursor)
{
    m_nToolType = nType;
    m_nTrackState = nState;
    SetTrackCursor(nIDCursor, IDC_CROSS);
}

void CQYBaseView::ArmLinkTool(BOOL bElbow)
{
    auto* pLink = new CQYLinkComponent;
    pLink->AddRef(); // the view's reference on the link in progress
    const POINT points[2] = {{0, 0}, {0, 0}};
    pLink->CreateFromPoints(points, 2);
    if (m_pLinkProto != nullptr)
        m_pLinkProto->Release();
    m_pLinkProto = pLink;
    m_nTrackState = LinkArmed;
    m_pLinkFromPort = nullptr;
    m_pLinkToPort = nullptr;
    m_arrPoints.RemoveAll();
    m_nToolType = QY_COMP_LINK;
    m_bLinkElbow = bElbow;
    SetTrackCursor(IDC_QY_LINK, IDC_CROSS);
}

void CQYBaseView::OnToolSelect()
{
    m_nToolType = 0;
    m_nTrackState = Idle;
    SetStandardCursor(IDC_ARROW);
}

void CQYBaseView::OnToolStatic()
{
    ArmTool(QY_COMP_STATIC, RectArmed, IDC_QY_STATIC);
}

void CQYBaseView::OnToolImage()
{
    ArmTool(QY_COMP_IMAGE, RectArmed, IDC_QY_CROSS);
}

void CQYBaseView::OnToolEllipse()
{
    ArmTool(QY_COMP_ELLIPSE, EllipseArmed, IDC_QY_ELLIPSE);
}

void CQYBaseView::OnToolLine()
{
    ArmTool(QY_COMP_LINE, LineArmed, IDC_QY_LINE);
}

void CQYBaseView::OnToolArrowLine()
{
    ArmTool(kToolArrowLine, LineArmed, IDC_QY_LINE);
}

void CQYBaseView::OnToolPolyline()
{
    ArmTool(kToolPolyline, PolylineArmed, IDC_QY_POLYLINE);
}

void CQYBaseView::OnToolPolygon()
{
    ArmTool(QY_COMP_POLYGON, PolygonArmed, IDC_QY_POLYGON);
}

void CQYBaseView::OnToolBezierLine()
{
    ArmTool(QY_COMP_BEZIERLINE, BezierArmed, IDC_QY_BEZIER);
}

void CQYBaseView::OnToolCloseBezier()
{
    ArmTool(QY_COMP_CLOSEBEZIER, CloseBezierArmed, IDC_QY_CLOSE_BEZIER);
}

void CQYBaseView::OnToolRectangle()
{
    ArmTool(QY_COMP_RECTANGLE, RectArmed, IDC_QY_RECTANGLE);
}

void CQYBaseView::OnToolHyLink()
{
    ArmTool(QY_COMP_HYLINK, RectArmed, IDC_QY_CROSS);
}

void CQYBaseView::OnToolLinkElbow()
{
    ArmLinkTool(TRUE);
}

void CQYBaseView::OnToolLinkFree()
{
    ArmLinkTool(FALSE);
}

void CQYBaseView::OnToolHand()
{
    m_nTrackState = PanArmed;
    SetTrackCursor(IDC_QY_HAND, IDC_SIZEALL);
}

// Every tool button works in design mode only and shows whether its tool
// is the current one.
#define QY_TOOL_UPDATE(name, condition)                                                                                \
    void CQYBaseView::name(CCmdUI* pCmdUI)                                                                             \
    {                                                                                                                  \
        pCmdUI->Enable(IsDesignMode());                                                                                \
        pCmdUI->SetCheck((condition) ? 1 : 0);                                                                         \
    }

QY_TOOL_UPDATE(OnUpdateToolSelect, m_nToolType == 0)
QY_TOOL_UPDATE(OnUpdateToolStatic, m_nToolType == QY_COMP_STATIC)
QY_TOOL_UPDATE(OnUpdateToolImage, m_nToolType == QY_COMP_IMAGE)
QY_TOOL_UPDATE(OnUpdateToolEllipse, m_nToolType == QY_COMP_ELLIPSE)
QY_TOOL_UPDATE(OnUpdateToolLine, m_nToolType == QY_COMP_LINE)
QY_TOOL_UPDATE(OnUpdateToolArrowLine, m_nToolType == kToolArrowLine)
QY_TOOL_UPDATE(OnUpdateToolPolyline, m_nToolType == kToolPolyline)
QY_TOOL_UPDATE(OnUpdateToolPolygon, m_nToolType == QY_COMP_POLYGON)
QY_TOOL_UPDATE(OnUpdateToolBezierLine, m_nToolType == QY_COMP_BEZIERLINE)
QY_TOOL_UPDATE(OnUpdateToolCloseBezier, m_nToolType == QY_COMP_CLOSEBEZIER)
QY_TOOL_UPDATE(OnUpdateToolRectangle, m_nToolType == QY_COMP_RECTANGLE)
QY_TOOL_UPDATE(OnUpdateToolHyLink, m_nToolType == QY_COMP_HYLINK)
QY_TOOL_UPDATE(OnUpdateToolLinkElbow, m_nToolType == QY_COMP_LINK && m_bLinkElbow)
QY_TOOL_UPDATE(OnUpdateToolLinkFree, m_nToolType == QY_COMP_LINK && !m_bLinkElbow)
QY_TOOL_UPDATE(OnUpdateToolHand, m_nTrackState >= PanArmed && m_nTrackState <= Panning)

#undef QY_TOOL_UPDATE

// ---------------------------------------------------------------------------
// Link tool endings

void CQYBaseView::OnBeforeLinkAdded(CQYDrawComponent* /*pLink*/, CQYPortComponent* /*pFrom*/) {}

void CQYBaseView::OnLinkAdded(CQYDrawComponent* /*pLink*/, CQYPortComponent* /*pPort*/) {}

void CQYBaseView::CancelLinkTracking()
{
    ::ReleaseCapture();
    if (m_arrPoints.GetSize() > 0) {
        DrawPointsBand(m_ptLast);
        m_arrPoints.RemoveAll();
    }
    m_nTrackState = Idle;
    m_nToolType = 0;
    SetStandardCursor(IDC_ARROW);
    if (m_pLinkProto != nullptr)
        m_pLinkProto->Release();
    m_pLinkProto = nullptr;
    m_pLinkFromPort = nullptr;
    m_pLinkToPort = nullptr;
}

void CQYBaseView::EndLinkTracking(UINT /*nFlags*/, CPoint /*point*/)
{
    ::ReleaseCapture();
    if (m_arrPoints.GetSize() < 2 || m_pLinkProto == nullptr || m_pModel == nullptr) {
        CancelLinkTracking();
        return;
    }
    ResetTracking();
    DrawPointsBand(m_ptLast); // the band of the collected points goes
    for (int i = 0; i < m_arrPoints.GetSize(); ++i)
        DPtoLPPoint(&m_arrPoints[i]);
    if (m_pLinkFromPort != nullptr && m_pLinkToPort != nullptr) {
        auto* pLink = static_cast<CQYLinkComponent*>(m_pLinkProto);
        pLink->SetElbow(m_bLinkElbow);
        OnBeforeLinkAdded(pLink, m_pLinkFromPort);
        OnLinkAdded(pLink, m_pLinkToPort);
        m_pModel->AddNewLink(pLink, &m_arrPoints, m_pLinkFromPort, m_pLinkToPort, TRUE);
    } else {
        CRect bounds(m_arrPoints[0], m_arrPoints[0]);
        for (int i = 1; i < m_arrPoints.GetSize(); ++i) {
            bounds.left = std::min(bounds.left, m_arrPoints[i].x);
            bounds.top = std::min(bounds.top, m_arrPoints[i].y);
            bounds.right = std::max(bounds.right, m_arrPoints[i].x);
            bounds.bottom = std::max(bounds.bottom, m_arrPoints[i].y);
        }
        InvalidateRectMargin(bounds);
    }
    m_arrPoints.RemoveAll();
    m_pLinkProto->Release();
    m_pLinkProto = nullptr;
    m_pLinkFromPort = nullptr;
    m_pLinkToPort = nullptr;
    EndAction();
}

void CQYBaseView::TrackLinkEnd(UINT nFlags, CPoint point)
{
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    CQYPortComponent* pPort = m_pModel != nullptr ? m_pModel->HitTestPort(ptLogical.x, ptLogical.y) : nullptr;
    if (pPort != nullptr) {
        point = pPort->GetLinkPoint();
        LPtoDPPoint(&point);
        SetTrackCursor(IDC_QY_ON_PORT, IDC_UPARROW);
    } else {
        SetTrackCursor(IDC_QY_CROSS, IDC_CROSS);
    }
    CPoint ptStart = m_ptDown;
    LPtoDPPoint(&ptStart);
    int dx = point.x - ptStart.x;
    int dy = point.y - ptStart.y;
    if ((nFlags & MK_SHIFT) != 0) {
        if (std::abs(dy) < std::abs(dx))
            dy = 0;
        else
            dx = 0;
    }
    CClientDC dc(this);
    m_tracker.RemoveTrack(&dc);
    const CPoint s = ScrollOrigin();
    m_tracker.MoveLinkTrackPoint(&dc, s.x, s.y, m_nHitHandle, dx, dy, s.x, s.y);
    m_sizeMoveOffset = CSize(dx, dy);
}

// ---------------------------------------------------------------------------
// Image tool

BOOL CQYBaseView::PromptImageFile(CString& strPath)
{
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kImageFilter, this);
    dlg.m_ofn.lpstrTitle = "Open";
    if (dlg.DoModal() != IDOK)
        return FALSE;
    strPath = dlg.GetPathName();
    return TRUE;
}

void CQYBaseView::AddImageFromFile(CRect rect)
{
    CString strPath;
    if (m_pModel == nullptr || !PromptImageFile(strPath))
        return;
    const int nDot = strPath.ReverseFind('.');
    const int nSlash = strPath.ReverseFind('/');
    CString strExt = nDot > nSlash ? strPath.Mid(nDot + 1) : CString();
    const int nType = strExt.CompareNoCase("wmf") == 0 ? QY_COMP_WMF : QY_COMP_IMAGE;
    m_pModel->AddNewComponent(nType, rect, strPath);
}
