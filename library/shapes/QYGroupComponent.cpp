#include "library/shapes/QYGroupComponent.h"

#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "library/model/QYGeometry.h"
#include "library/model/QYTrackPass.h"
#include "library/shapes/QYShapeCommon.h"
#include "library/shapes/QYShapeTypes.h"

#include <unordered_set>
#include <vector>

IMPLEMENT_SERIAL(CQYGroupComponent, CQYDrawPortsComponent, 0)

namespace {

constexpr int kMemberBlockSize = 10;

// The scale that takes nOld to nNew; an axis without extent keeps 1.0.
float AxisScale(int nNew, int nOld)
{
    return nOld == 0 ? 1.0f : static_cast<float>(nNew) / static_cast<float>(nOld);
}

// TRUE when pTarget is reached from pComp through group membership.
BOOL Reaches(const CQYDrawComponent* pComp, const CQYDrawComponent* pTarget,
             std::unordered_set<const CQYDrawComponent*>& visited)
{
    if (pComp == pTarget)
        return TRUE;
    if (!visited.insert(pComp).second)
        return FALSE;
    const auto* pGroup = dynamic_cast<const CQYGroupComponent*>(pComp);
    if (pGroup == nullptr)
        return FALSE;
    for (POSITION pos = pGroup->m_listComponents.GetHeadPosition(); pos != nullptr;) {
        if (Reaches(pGroup->m_listComponents.GetNext(pos), pTarget, visited))
            return TRUE;
    }
    return FALSE;
}

} // namespace

CQYGroupComponent::CQYGroupComponent() : m_listComponents(kMemberBlockSize)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->SetType(QY_COMP_GROUP);
}

CQYGroupComponent::CQYGroupComponent(const CQYGroupComponent& src)
    : CQYDrawPortsComponent(src), m_listComponents(kMemberBlockSize)
{
    src.ForEachMember([this](CQYDrawComponent* pMember) {
        CQYDrawComponent* pCopy = pMember->Copy();
        m_listComponents.AddTail(pCopy);
    });
    CQYDrawComponent::ResetTrackPoints();
}

CQYGroupComponent::~CQYGroupComponent()
{
    m_listComponents.RemoveAll();
}

CQYDrawComponent* CQYGroupComponent::Copy()
{
    return new CQYGroupComponent(*this);
}

template <class FN>
void CQYGroupComponent::ForEachMember(FN fn) const
{
    for (POSITION pos = m_listComponents.GetHeadPosition(); pos != nullptr;)
        fn(m_listComponents.GetNext(pos));
}

BOOL CQYGroupComponent::Contains(const CQYDrawComponent* pComp) const
{
    std::unordered_set<const CQYDrawComponent*> visited;
    return Reaches(this, pComp, visited);
}

BOOL CQYGroupComponent::WouldCycle(CQYDrawComponent* pComp) const
{
    std::unordered_set<const CQYDrawComponent*> visited;
    return Reaches(pComp, this, visited);
}

// ---------------------------------------------------------------------------
// Archive record

void CQYGroupComponent::Serialize(CArchive& ar)
{
    // The member list may name this group again (CQYLoadingHold).
    const CQYLoadingHold hold(this);
    CQYDrawPortsComponent::Serialize(ar);
    if (ar.IsStoring()) {
        m_listComponents.Serialize(ar);
        return;
    }
    CQYCompList loaded(kMemberBlockSize);
    loaded.Serialize(ar);
    // A group inside itself would draw and move itself without end.
    for (POSITION pos = loaded.GetHeadPosition(); pos != nullptr;) {
        if (WouldCycle(loaded.GetNext(pos)))
            AfxThrowArchiveException(CArchiveException::badIndex);
    }
    m_listComponents.RemoveAll();
    while (!loaded.IsEmpty()) {
        CQYDrawComponent* pMember = loaded.RemoveHead();
        m_listComponents.AddTail(pMember);
        pMember->Release(); // the list's reference replaces the one handed over
    }
}

// ---------------------------------------------------------------------------
// Members

int CQYGroupComponent::GetPortCount()
{
    return m_listComponents.GetCount();
}

BOOL CQYGroupComponent::AddComponent(CQYDrawComponent* pComp)
{
    if (pComp == nullptr || WouldCycle(pComp))
        return FALSE;
    if (m_listComponents.AddTail(pComp) == nullptr)
        return FALSE;
    UpdatePosition();
    return TRUE;
}

void CQYGroupComponent::AddComponents(CQYCompList* pList)
{
    if (pList == nullptr || pList == &m_listComponents)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = pList->GetNext(pos);
        if (!WouldCycle(pComp))
            m_listComponents.AddTail(pComp);
    }
    UpdatePosition();
}

void CQYGroupComponent::RemoveComponent(CQYDrawComponent* pComp)
{
    POSITION pos = m_listComponents.Find(pComp);
    if (pos == nullptr)
        return;
    m_listComponents.RemoveAt(pos);
    UpdatePosition();
}

void CQYGroupComponent::RemoveComponents(CQYCompList* pList)
{
    if (pList == nullptr)
        return;
    // A snapshot: the list may be the member list itself.
    const CQYCompList listed(*pList);
    for (POSITION pos = listed.GetHeadPosition(); pos != nullptr;) {
        POSITION found = m_listComponents.Find(listed.GetNext(pos));
        if (found != nullptr)
            m_listComponents.RemoveAt(found);
    }
    UpdatePosition();
}

void CQYGroupComponent::RemoveAllComponents()
{
    m_listComponents.RemoveAll();
    UpdatePosition();
}

// ---------------------------------------------------------------------------
// Geometry

void CQYGroupComponent::Create(CRect& rcPos, CString strCaption)
{
    AllocMemory(4);
    QYRectCorners(rcPos, m_lpCompPoints);
    CQYDrawPortsComponent::Create(rcPos, strCaption);
}

void CQYGroupComponent::SetRect(LPCRECT lpRect)
{
    if (lpRect == nullptr)
        return;
    const CRect r(lpRect);
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    const CRect o = GetRect();
    const float fx = AxisScale(r.Width(), o.Width());
    const float fy = AxisScale(r.Height(), o.Height());
    const auto left = static_cast<float>(o.left);
    const auto top = static_cast<float>(o.top);
    ForEachMember([&](CQYDrawComponent* pMember) {
        pMember->ScaleComponent(fx, fy, left, top);
        pMember->OffsetComponent(r.left - o.left, r.top - o.top);
    });
    CQYDrawPortsComponent::ScaleComponent(fx, fy, left, top);
    CQYDrawPortsComponent::OffsetComponent(r.left - o.left, r.top - o.top);
    m_rectPosition = r;
    UpdateComp();
}

void CQYGroupComponent::GeometryUpdated(CQYArea* pRgn)
{
    const CRect& r = m_rectPosition;
    if (m_nCompPtCount != 4)
        AllocMemory(4);
    QYRectCorners(r, m_lpCompPoints);
    if (pRgn != nullptr)
        pRgn->BuildPolygonArea(m_lpCompPoints, 4);
}

void CQYGroupComponent::UpdateComp()
{
    GeometryUpdated(&m_CompArea);
    ForEachMember([](CQYDrawComponent* pMember) { pMember->UpdateComp(); });
}

void CQYGroupComponent::UpdatePosition()
{
    CRect united(0, 0, 0, 0);
    ForEachMember([&](CQYDrawComponent* pMember) {
        pMember->UpdatePosition();
        united = QYUnionRect(united, pMember->GetRect());
    });
    m_rectPosition = united;
    GeometryUpdated(nullptr);
}

void CQYGroupComponent::ScaleComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY)
{
    ForEachMember([&](CQYDrawComponent* pMember) { pMember->ScaleComponent(fScaleX, fScaleY, fOriginX, fOriginY); });
    CQYDrawPortsComponent::ScaleComponent(fScaleX, fScaleY, fOriginX, fOriginY);
}

void CQYGroupComponent::ScaleTrackComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY)
{
    ForEachMember(
        [&](CQYDrawComponent* pMember) { pMember->ScaleTrackComponent(fScaleX, fScaleY, fOriginX, fOriginY); });
    CQYDrawPortsComponent::ScaleTrackComponent(fScaleX, fScaleY, fOriginX, fOriginY);
}

void CQYGroupComponent::RotateComponent(int nAngle, float fOriginX, float fOriginY)
{
    ForEachMember([&](CQYDrawComponent* pMember) { pMember->RotateComponent(nAngle, fOriginX, fOriginY); });
    CQYDrawPortsComponent::RotateComponent(nAngle, fOriginX, fOriginY);
}

void CQYGroupComponent::RotateTrackComponent(int nAngle, float fOriginX, float fOriginY)
{
    ForEachMember([&](CQYDrawComponent* pMember) { pMember->RotateTrackComponent(nAngle, fOriginX, fOriginY); });
    CQYDrawPortsComponent::RotateTrackComponent(nAngle, fOriginX, fOriginY);
}

void CQYGroupComponent::PositionComponent(LPCRECT lpRect)
{
    ForEachMember([&](CQYDrawComponent* pMember) { pMember->PositionComponent(lpRect); });
    CQYDrawPortsComponent::PositionComponent(lpRect);
}

BOOL CQYGroupComponent::OffsetTrackPoint(int nIndex, int dx, int dy)
{
    if (nIndex < 0 || nIndex >= m_nCompTrackPtCount)
        return FALSE;
    CQYDrawPortsComponent::OffsetTrackPoint(nIndex, dx, dy);
    ForEachMember([&](CQYDrawComponent* pMember) { pMember->OffsetTrackPoint(nIndex, dx, dy); });
    return TRUE;
}

void CQYGroupComponent::OffsetTrackComponent(int dx, int dy, int nParam1, int nParam2)
{
    CQYDrawPortsComponent::OffsetTrackComponent(dx, dy, nParam1, nParam2);
    ForEachMember([&](CQYDrawComponent* pMember) { pMember->OffsetTrackComponent(dx, dy, nParam1, nParam2); });
}

void CQYGroupComponent::ResetTrackPoints()
{
    CQYDrawPortsComponent::ResetTrackPoints();
    ForEachMember([](CQYDrawComponent* pMember) { pMember->ResetTrackPoints(); });
}

BOOL CQYGroupComponent::OffsetPoint(int nIndex, int dx, int dy)
{
    if (nIndex < 0 || nIndex >= m_nCompPtCount)
        return FALSE;
    m_lpCompPoints[nIndex].x += dx;
    m_lpCompPoints[nIndex].y += dy;
    GeometryUpdated(&m_CompArea);
    ForEachMember([&](CQYDrawComponent* pMember) { pMember->OffsetPoint(nIndex, dx, dy); });
    return TRUE;
}

void CQYGroupComponent::OffsetComponent(int dx, int dy)
{
    CQYDrawPortsComponent::OffsetComponent(dx, dy);
    ForEachMember([&](CQYDrawComponent* pMember) { pMember->OffsetComponent(dx, dy); });
}

// ---------------------------------------------------------------------------
// Drawing

void CQYGroupComponent::OnDraw(CDC* pDC)
{
    ForEachMember([pDC](CQYDrawComponent* pMember) { pMember->OnDraw(pDC); });
}

CRect CQYGroupComponent::GetDrawingBounds(CDC* pDC, const CRect& rectPosition)
{
    CRect bounds = CQYDrawPortsComponent::GetDrawingBounds(pDC, rectPosition);
    ForEachMember([&](CQYDrawComponent* pMember) {
        CRect rect = pMember->GetRect();
        rect.NormalizeRect();
        const CRect rectMember = pMember->GetDrawingBounds(pDC, rect);
        bounds.UnionRect(&bounds, &rectMember);
    });
    return bounds;
}

void CQYGroupComponent::OnDrawTrackCustom(CDC* pDC)
{
    QYDrawGreenDotted(pDC, m_lpCompTrackPoints, m_nCompTrackPtCount, TRUE);
    // A member link is also drawn by the ports at its ends: once in a pass.
    ForEachMember([this, pDC](CQYDrawComponent* pMember) {
        if (CQYTrackPass::Claim(pMember, this))
            pMember->OnDrawTrackCustom(pDC);
    });
}

void CQYGroupComponent::OnDrawHighlight(CDC* pDC)
{
    QYDrawGreenDotted(pDC, m_lpCompPoints, m_nCompPtCount, TRUE);
}
