// Points, track points and the geometry operations of the draw component.
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawingChanges.h"

#include "library/model/QYGeometry.h"
#include "library/model/QYPointTransform.h"

#include <algorithm>
#include <vector>

namespace {

// A fresh zeroed array of n points, NULL for none.
LPPOINT NewPoints(int nCount)
{
    if (nCount <= 0)
        return nullptr;
    try {
        return new POINT[static_cast<size_t>(nCount)]();
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
}

// The scale factor that takes nOld to nNew; an axis without extent keeps
// its scale, so nothing divides by zero.
float AxisScale(int nNew, int nOld)
{
    return nOld == 0 ? 1.0f : static_cast<float>(nNew) / static_cast<float>(nOld);
}

} // namespace

// ---------------------------------------------------------------------------
// Memory

void CQYDrawComponent::AllocMemory(int nCount)
{
    QYNoteDrawingChange();
    nCount = std::max(nCount, 0);
    LPPOINT lpPoints = NewPoints(nCount);
    delete[] m_lpCompPoints;
    m_lpCompPoints = lpPoints;
    m_nCompPtCount = nCount;
    AllocTrackMemory(nCount);
}

void CQYDrawComponent::AllocTrackMemory(int nCount)
{
    nCount = std::max(nCount, 0);
    LPPOINT lpPoints = NewPoints(nCount);
    delete[] m_lpCompTrackPoints;
    m_lpCompTrackPoints = lpPoints;
    m_nCompTrackPtCount = nCount;
}

// ---------------------------------------------------------------------------
// Points

void CQYDrawComponent::GetPoints(CArray<CPoint, CPoint>* pArray)
{
    pArray->SetSize(m_nCompPtCount);
    for (int i = 0; i < m_nCompPtCount; ++i)
        (*pArray)[i] = m_lpCompPoints[i];
}

LPPOINT CQYDrawComponent::GetPointsPtr()
{
    return m_lpCompPoints;
}

void CQYDrawComponent::SetPoints(CArray<CPoint, CPoint>* pArray)
{
    QYNoteDrawingChange();
    SetPoints(pArray->GetData(), pArray->GetSize());
}

void CQYDrawComponent::SetPoints(const POINT* lpPoints, int nCount)
{
    QYNoteDrawingChange();
    // The source may be this component's own array: copy it first.
    std::vector<POINT> source;
    if (lpPoints != nullptr && nCount > 0)
        source.assign(lpPoints, lpPoints + nCount);
    AllocMemory(nCount);
    std::copy(source.begin(), source.end(), m_lpCompPoints);
}

CPoint CQYDrawComponent::GetPointAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nCompPtCount)
        return CPoint(0, 0);
    return QYPointTransform().Apply(m_lpCompPoints[nIndex]);
}

void CQYDrawComponent::SetPointAt(int nIndex, CPoint point)
{
    QYNoteDrawingChange();
    if (nIndex < 0 || nIndex >= m_nCompPtCount)
        return;
    m_lpCompPoints[nIndex] = QYPointTransform().Apply(point);
}

BOOL CQYDrawComponent::AddPoint(CPoint point)
{
    QYNoteDrawingChange();
    return InsertPoint(m_nCompPtCount, point);
}

BOOL CQYDrawComponent::InsertPoint(int nIndex, CPoint point)
{
    QYNoteDrawingChange();
    if (nIndex < 0 || nIndex > m_nCompPtCount)
        return FALSE;
    std::vector<POINT> points(m_lpCompPoints, m_lpCompPoints + m_nCompPtCount);
    points.insert(points.begin() + nIndex, point);
    AllocMemory(static_cast<int>(points.size()));
    std::copy(points.begin(), points.end(), m_lpCompPoints);
    UpdateComp();
    return TRUE;
}

BOOL CQYDrawComponent::RemovePoint(int nIndex)
{
    QYNoteDrawingChange();
    if (nIndex < 0 || nIndex >= m_nCompPtCount)
        return FALSE;
    std::vector<POINT> points(m_lpCompPoints, m_lpCompPoints + m_nCompPtCount);
    points.erase(points.begin() + nIndex);
    AllocMemory(static_cast<int>(points.size()));
    std::copy(points.begin(), points.end(), m_lpCompPoints);
    UpdateComp();
    return TRUE;
}

BOOL CQYDrawComponent::OffsetPoint(int nIndex, int dx, int dy)
{
    QYNoteDrawingChange();
    if (nIndex < 0 || nIndex >= m_nCompPtCount)
        return FALSE;
    QYPointTransform offset;
    offset.e = static_cast<float>(dx);
    offset.f = static_cast<float>(dy);
    m_lpCompPoints[nIndex] = offset.Apply(m_lpCompPoints[nIndex]);
    UpdateComp();
    return TRUE;
}

void CQYDrawComponent::OffsetComponent(int dx, int dy)
{
    QYNoteDrawingChange();
    for (int i = 0; i < m_nCompPtCount; ++i) {
        m_lpCompPoints[i].x += dx;
        m_lpCompPoints[i].y += dy;
    }
}

CRect CQYDrawComponent::GetPointsRect()
{
    return QYBoundRect(m_lpCompPoints, m_nCompPtCount);
}

CRect CQYDrawComponent::GetTrackRect()
{
    return QYBoundRect(m_lpCompTrackPoints, m_nCompTrackPtCount);
}

void CQYDrawComponent::UpdatePosition()
{
    QYNoteDrawingChange();
    m_rectPosition = GetPointsRect();
}

void CQYDrawComponent::UpdateGeometry()
{
    UpdatePosition();
    ResetTrackPoints();
    UpdateComp();
}

BOOL CQYDrawComponent::IsOver4ResizeHandles()
{
    return m_bOver4ResizeHandles;
}

void CQYDrawComponent::SetOver4ResizeHandles(BOOL bOver4ResizeHandles)
{
    m_bOver4ResizeHandles = bOver4ResizeHandles;
}

// ---------------------------------------------------------------------------
// Handles

void CQYDrawComponent::GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    const CRect r = GetRect();
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    pArray->RemoveAll();
    pArray->SetSize(8);
    (*pArray)[0] = CPoint(r.left, r.top);
    (*pArray)[1] = CPoint(cx, r.top);
    (*pArray)[2] = CPoint(r.right, r.top);
    (*pArray)[3] = CPoint(r.right, cy);
    (*pArray)[4] = CPoint(r.right, r.bottom);
    (*pArray)[5] = CPoint(cx, r.bottom);
    (*pArray)[6] = CPoint(r.left, r.bottom);
    (*pArray)[7] = CPoint(r.left, cy);
}

void CQYDrawComponent::GetPointSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    pArray->SetSize(m_nCompPtCount);
    const QYPointTransform identity;
    for (int i = 0; i < m_nCompPtCount; ++i)
        (*pArray)[i] = identity.Apply(m_lpCompPoints[i]);
}

// ---------------------------------------------------------------------------
// Transforms

void CQYDrawComponent::ScaleComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY)
{
    QYPointTransform::Scale(fScaleX, fScaleY, fOriginX, fOriginY).ApplyAll(m_lpCompPoints, m_nCompPtCount);
    UpdateGeometry();
}

void CQYDrawComponent::ScaleTrackComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY)
{
    QYPointTransform::Scale(fScaleX, fScaleY, fOriginX, fOriginY).ApplyAll(m_lpCompTrackPoints, m_nCompTrackPtCount);
}

void CQYDrawComponent::RotateComponent(int nAngle, float fOriginX, float fOriginY)
{
    QYPointTransform::Rotate(nAngle, fOriginX, fOriginY).ApplyAll(m_lpCompPoints, m_nCompPtCount);
    UpdateGeometry();
}

void CQYDrawComponent::RotateTrackComponent(int nAngle, float fOriginX, float fOriginY)
{
    QYPointTransform::Rotate(nAngle, fOriginX, fOriginY).ApplyAll(m_lpCompTrackPoints, m_nCompTrackPtCount);
}

void CQYDrawComponent::SizeBySpot(CSize size, UINT nSpot)
{
    if (size.cx == 0 || size.cy == 0)
        return;
    const CRect r = GetRect();
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    CPoint fixed(cx, cy);
    switch (nSpot) {
    case 0: fixed = CPoint(r.left, r.top); break;
    case 1: fixed = CPoint(cx, r.top); break;
    case 2: fixed = CPoint(r.right, r.top); break;
    case 3: fixed = CPoint(r.right, cy); break;
    case 4: fixed = CPoint(r.right, r.bottom); break;
    case 5: fixed = CPoint(cx, r.bottom); break;
    case 6: fixed = CPoint(r.left, r.bottom); break;
    case 7: fixed = CPoint(r.left, cy); break;
    default: break;
    }
    ScaleComponent(AxisScale(size.cx, r.Width()), AxisScale(size.cy, r.Height()), static_cast<float>(fixed.x),
                   static_cast<float>(fixed.y));
    UpdateGeometry();
}

void CQYDrawComponent::PositionComponent(LPCRECT lpRect)
{
    const CRect target(lpRect);
    if (target.IsRectEmpty())
        return;
    const CRect r = GetRect();
    ScaleComponent(AxisScale(target.Width(), r.Width()), AxisScale(target.Height(), r.Height()),
                   static_cast<float>(r.left), static_cast<float>(r.top));
    OffsetComponent(target.left - r.left, target.top - r.top);
    UpdateGeometry();
}

// ---------------------------------------------------------------------------
// Track points

void CQYDrawComponent::GetTrackPoints(CArray<CPoint, CPoint>* pArray)
{
    pArray->SetSize(m_nCompTrackPtCount);
    for (int i = 0; i < m_nCompTrackPtCount; ++i)
        (*pArray)[i] = m_lpCompTrackPoints[i];
}

LPPOINT CQYDrawComponent::GetTrackPointsPtr()
{
    return m_lpCompTrackPoints;
}

void CQYDrawComponent::SetTrackPoints(CArray<CPoint, CPoint>* pArray)
{
    SetTrackPoints(pArray->GetData(), pArray->GetSize());
}

void CQYDrawComponent::SetTrackPoints(const POINT* lpPoints, int nCount)
{
    std::vector<POINT> source;
    if (lpPoints != nullptr && nCount > 0)
        source.assign(lpPoints, lpPoints + nCount);
    AllocTrackMemory(nCount);
    std::copy(source.begin(), source.end(), m_lpCompTrackPoints);
}

void CQYDrawComponent::MoveTrackComponent(int dx, int dy, int nParam1, int nParam2)
{
    OffsetTrackComponent(dx, dy, nParam1, nParam2);
}

BOOL CQYDrawComponent::OffsetTrackPoint(int nIndex, int dx, int dy)
{
    if (nIndex < 0 || nIndex >= m_nCompTrackPtCount)
        return FALSE;
    m_lpCompTrackPoints[nIndex].x += dx;
    m_lpCompTrackPoints[nIndex].y += dy;
    return TRUE;
}

void CQYDrawComponent::OffsetTrackComponent(int dx, int dy, int, int)
{
    for (int i = 0; i < m_nCompTrackPtCount; ++i) {
        m_lpCompTrackPoints[i].x += dx;
        m_lpCompTrackPoints[i].y += dy;
    }
}

void CQYDrawComponent::ResetTrackPoints()
{
    if (m_nCompTrackPtCount != m_nCompPtCount)
        AllocTrackMemory(m_nCompPtCount);
    std::copy(m_lpCompPoints, m_lpCompPoints + m_nCompPtCount, m_lpCompTrackPoints);
}

void CQYDrawComponent::SizeTrackBySpot(CRect rect, UINT nSpot, CPoint pt, int nParam1, int nParam2)
{
    CRect result = rect;
    switch (nSpot) {
    case 0:
        result.right = pt.x;
        result.bottom = pt.y;
        break;
    case 1: result.bottom = pt.y; break;
    case 2:
        result.left = pt.x;
        result.bottom = pt.y;
        break;
    case 3: result.left = pt.x; break;
    case 4:
        result.left = pt.x;
        result.top = pt.y;
        break;
    case 5: result.top = pt.y; break;
    case 6:
        result.top = pt.y;
        result.right = pt.x;
        break;
    case 7: result.right = pt.x; break;
    default: break;
    }
    // Meant for rectangle-like components; fewer than four points are
    // left alone instead of written past their end.
    if (m_nCompTrackPtCount < 4)
        return;
    const CRect rectOld(m_lpCompTrackPoints[0], m_lpCompTrackPoints[2]);
    m_lpCompTrackPoints[0] = CPoint(result.left, result.top);
    m_lpCompTrackPoints[1] = CPoint(result.left, result.bottom);
    m_lpCompTrackPoints[2] = CPoint(result.right, result.bottom);
    m_lpCompTrackPoints[3] = CPoint(result.right, result.top);
    OnSizeTrackBySpot(rectOld, result, nParam1, nParam2);
}

void CQYDrawComponent::OnSizeTrackBySpot(CRect, CRect, int, int) {}
