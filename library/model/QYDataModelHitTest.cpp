// The data model's draw passes and hit tests.
#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawingChanges.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYGroupMembers.h"
#include "library/model/QYPortComponent.h"

namespace {

constexpr int kHitTolerance = 8;
constexpr int kPortAreaMargin = 10;

} // namespace

CQYGroupMembers* QYGetGroupMembers(CQYDrawComponent* pComp)
{
    return dynamic_cast<CQYGroupMembers*>(pComp);
}

void CQYDataModel::OnDraw(CDC* pDC)
{
    QYDrawPassScope pass;
    for (POSITION pos = m_listComponents.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listComponents.GetNext(pos);
        CRect rect = pComp->GetRect();
        NormalizeRect(rect);
        pComp->SetRect(&rect);
        pComp->SetAuxRect(&rect);
        pComp->OnDraw(pDC);
    }
}

void CQYDataModel::DrawComponentsIn(CDC* pDC, const CRect& rectClip)
{
    auto bounds = [this, pDC](CQYDrawComponent* pComp) {
        CRect rect = pComp->GetRect();
        NormalizeRect(rect);
        return pComp->GetDrawingBounds(pDC, rect);
    };
    if (!m_pDrawIndex)
        m_pDrawIndex = std::make_unique<CQYDrawIndex>();
    std::vector<CQYDrawComponent*> candidates;
    m_pDrawIndex->Collect(m_listComponents, rectClip, bounds, candidates);
    // Setting each drawn component's rectangle again is part of drawing,
    // not a change of the page.
    QYDrawPassScope pass;
    for (CQYDrawComponent* pComp : candidates) {
        CRect rect = pComp->GetRect();
        NormalizeRect(rect);
        CRect rectCommon;
        const CRect rectBounds = pComp->GetDrawingBounds(pDC, rect);
        if (!rectCommon.IntersectRect(&rectBounds, &rectClip))
            continue;
        pComp->SetRect(&rect);
        pComp->SetAuxRect(&rect);
        pComp->OnDraw(pDC);
    }
}

void CQYDataModel::OnDrawTabOrder(CDC* pDC)
{
    QYDrawPassScope pass;
    for (POSITION pos = m_listComponents.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listComponents.GetNext(pos);
        CRect rect = pComp->GetRect();
        NormalizeRect(rect);
        pComp->SetRect(&rect);
        pComp->SetAuxRect(&rect);
        pComp->OnDrawTabOrder(pDC);
    }
}

CQYDrawComponent* CQYDataModel::HitTest(int x, int y)
{
    for (POSITION pos = m_listComponents.GetTailPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listComponents.GetPrev(pos);
        if (pComp != nullptr && pComp->GetCompRgn().PtInArea(x, y, kHitTolerance))
            return pComp;
    }
    return nullptr;
}

CQYDrawComponent* CQYDataModel::HitTestComponent(int x, int y)
{
    return HitTest(x, y);
}

CQYDrawComponent* CQYDataModel::HitTestArea(int x, int y)
{
    return HitTest(x, y);
}

CQYDrawComponent* CQYDataModel::HitTestPortArea(int x, int y)
{
    for (POSITION pos = m_listComponents.GetTailPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listComponents.GetPrev(pos);
        if (pComp == nullptr)
            continue;
        CRect rect = pComp->GetPointsRect();
        rect.InflateRect(kPortAreaMargin, kPortAreaMargin);
        if (rect.PtInRect(CPoint(x, y)))
            return pComp;
    }
    return nullptr;
}

CQYPortComponent* CQYDataModel::HitTestPort(int x, int y)
{
    for (POSITION pos = m_listComponents.GetTailPosition(); pos != nullptr;) {
        auto* pShape = dynamic_cast<CQYDrawPortsComponent*>(m_listComponents.GetPrev(pos));
        if (pShape == nullptr)
            continue;
        if (CQYPortComponent* pPort = pShape->HitTestPort(CPoint(x, y)))
            return pPort;
    }
    return nullptr;
}

void CQYDataModel::SetMainComponent(CQYCompList* pList, CQYDrawComponent* pComp)
{
    if (pList != nullptr) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            CQYCompProperties* pProp = pList->GetNext(pos)->GetDefaultProperty();
            if (pProp != nullptr)
                pProp->m_bMainObj = FALSE;
        }
    }
    if (pComp != nullptr && pComp->GetDefaultProperty() != nullptr)
        pComp->GetDefaultProperty()->m_bMainObj = TRUE;
}
