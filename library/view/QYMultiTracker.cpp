#include "library/view/QYMultiTracker.h"

#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDrawComponent.h"

IMPLEMENT_SERIAL(CQYMultiTracker, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr int kFrameInset = 14;
constexpr int kCaptionBar = 18;

void DrawFrame(CDC* pDC, const CRect& rect)
{
    const POINT points[5] = {{rect.left, rect.top},
                             {rect.right, rect.top},
                             {rect.right, rect.bottom},
                             {rect.left, rect.bottom},
                             {rect.left, rect.top}};
    pDC->Polyline(points, 5);
}

} // namespace

CQYMultiTracker::CQYMultiTracker(CQYDrawComponent* pComp)
{
    m_pen.CreatePen(PS_SOLID, 1, static_cast<COLORREF>(0));
    SetComponent(pComp);
}

CQYMultiTracker::~CQYMultiTracker()
{
    SetComponent(nullptr);
}

void CQYMultiTracker::SetComponent(CQYDrawComponent* pComp)
{
    if (pComp == m_pComp)
        return;
    if (pComp != nullptr)
        pComp->AddRef();
    if (m_pComp != nullptr)
        m_pComp->Release();
    m_pComp = pComp;
}

void CQYMultiTracker::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<CObject*>(m_pComp);
        return;
    }
    CObject* pObject = nullptr;
    ar >> pObject;
    auto* pComp = dynamic_cast<CQYDrawComponent*>(pObject);
    if (pComp == nullptr && pObject != nullptr) {
        delete pObject;
        AfxThrowArchiveException(CArchiveException::badClass);
    }
    SetComponent(pComp);
}

void CQYMultiTracker::DrawTrack(CDC* pDC)
{
    if (m_pComp == nullptr)
        return;
    const CRect rect = m_pComp->GetTrackRect();
    m_pComp->SetAuxRect(&rect);
    m_pComp->OnDrawTrack(pDC);
}

void CQYMultiTracker::DrawOutline(CDC* pDC)
{
    if (m_pComp == nullptr)
        return;
    const CRect rect = m_pComp->GetTrackRect();
    m_pComp->SetAuxRect(&rect);
    CQYCompProperties* pProp = m_pComp->GetDefaultProperty();
    const int nType = pProp != nullptr ? pProp->GetType() : 0;
    const int nSaved = pDC->SaveDC();
    pDC->SelectObject(&m_pen);
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->SetROP2(R2_NOTXORPEN);
    pDC->SetBkMode(TRANSPARENT);
    switch (nType) {
    case 0:
    case 100: DrawFrame(pDC, rect); break;
    case 101:
        DrawFrame(pDC, rect);
        DrawFrame(pDC, CRect(rect.left + kFrameInset, rect.top + kFrameInset, rect.right - kFrameInset,
                             rect.bottom - kFrameInset));
        break;
    case 102:
        DrawFrame(pDC, rect);
        DrawFrame(pDC, CRect(rect.left + kFrameInset, rect.top + kFrameInset + kCaptionBar, rect.right - kFrameInset,
                             rect.bottom - kFrameInset));
        break;
    default: break;
    }
    pDC->RestoreDC(nSaved);
}
