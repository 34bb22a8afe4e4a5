// The data model's editing operations: the undoable adds and delete-all,
// and the direct edits the commands run.
#include "framework/object/Exceptions.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYComponentCommands.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFormProperties.h"
#include "library/model/QYGroupMembers.h"
#include "library/model/QYPointFigure.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPortLink.h"
#include "library/model/QYTabOrder.h"

#include <algorithm>
#include <vector>

namespace {

#define QY_ARROW_SOLID_END 3

// The anchor point of a handle on a rectangle (0 top-left clockwise to 7
// left-middle, anything else the centre), middles as truncated halves.
void AnchorOf(const CRect& rect, int nHandle, float& fX, float& fY)
{
    const int nMidX = (rect.left + rect.right) / 2;
    const int nMidY = (rect.top + rect.bottom) / 2;
    static const int kXs[8] = {0, 1, 2, 2, 2, 1, 0, 0}; // 0 left, 1 middle, 2 right
    static const int kYs[8] = {0, 0, 0, 1, 2, 2, 2, 1}; // 0 top, 1 middle, 2 bottom
    int x = nMidX;
    int y = nMidY;
    if (nHandle >= 0 && nHandle < 8) {
        x = kXs[nHandle] == 0 ? rect.left : kXs[nHandle] == 1 ? nMidX : rect.right;
        y = kYs[nHandle] == 0 ? rect.top : kYs[nHandle] == 1 ? nMidY : rect.bottom;
    }
    fX = static_cast<float>(x);
    fY = static_cast<float>(y);
}

std::vector<CQYDrawComponent*> Snapshot(CQYCompList* pList)
{
    std::vector<CQYDrawComponent*> comps;
    if (pList == nullptr)
        return comps;
    comps.reserve(static_cast<size_t>(pList->GetCount()));
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        comps.push_back(pList->GetNext(pos));
    return comps;
}

} // namespace

void CQYDataModel::AddComponent(CQYDrawComponent* pComp)
{
    if (pComp == nullptr)
        return;
    QYSetTabOrderOf(pComp, GetMaxTabOrder() + 1);
    Execute(new CQYAddCompCommand(this, pComp), TRUE);
    SetModifiedFlag(TRUE);
}

void CQYDataModel::AddNewComponent(int nType, CRect rect, LPCTSTR lpszFileName)
{
    if (CQYDrawComponent* pComp = GetComponentByType(nType, rect, lpszFileName, 0)) {
        AddComponent(pComp);
        pComp->Release();
    }
    SetModifiedFlag(TRUE);
}

void CQYDataModel::AddNewLink(CQYDrawComponent* pLink, CArray<CPoint, CPoint>* pPoints, CQYPortComponent* pFrom,
                              CQYPortComponent* pTo, BOOL bEndArrow)
{
    CQYPortLink* pConnector = QYGetPortLink(pLink);
    if (pConnector == nullptr || pPoints == nullptr)
        return;
    pLink->AddRef();
    // A link that refuses its points (too few) is not placed: no name, no
    // step, and the modified mark stays as it was.
    if (!pConnector->CreateFromArray(pPoints, nullptr, nullptr)) {
        pLink->Release();
        return;
    }
    pLink->UpdatePosition();
    pLink->SetObjectCaption(GetUniqueCaption(QY_COMP_LINK));
    pLink->SetObjectName(GetUniqueName(QY_COMP_LINK));
    if (bEndArrow) {
        pConnector->SetEndArrowType(QY_ARROW_SOLID_END);
        // The new arrow head takes its place on the end now, as it would at
        // the link's first move, so the stored record does not change when
        // a move is undone.
        pLink->UpdatePosition();
        pLink->ResetTrackPoints();
        pLink->UpdateComp();
    }
    auto* pCommand = new CQYAddLinkCommand(this, pLink);
    pCommand->SetToPort(pTo);
    pCommand->SetFromPort(pFrom);
    Execute(pCommand, TRUE);
    SetModifiedFlag(TRUE);
    pLink->Release();
}

CQYPointFigure* QYGetPointFigure(CQYDrawComponent* pComp)
{
    return dynamic_cast<CQYPointFigure*>(pComp);
}

void CQYDataModel::AddNewFigure(LPCSTR lpszClassName, const CArray<CPoint, CPoint>& points, BOOL bEndArrow)
{
    // By run-time class name: the figure classes live in a library loaded
    // next to this one.
    CObject* pObject = CRuntimeClass::CreateObject(lpszClassName);
    auto* pComp = dynamic_cast<CQYDrawComponent*>(pObject);
    CQYPointFigure* pFigure = QYGetPointFigure(pComp);
    if (pFigure == nullptr) {
        delete pObject;
        return;
    }
    pComp->AddRef();
    // A figure that refuses its points (too few for its kind) would be an
    // empty component: nothing is added, named or recorded.
    if (!pFigure->CreateFromArray(points)) {
        pComp->Release();
        return;
    }
    pComp->UpdatePosition();
    CQYCompProperties* pProp = pComp->GetDefaultProperty();
    const int nType = pProp != nullptr ? pProp->GetType() : QY_COMP_NONE;
    pComp->SetObjectCaption(GetUniqueCaption(nType));
    pComp->SetObjectName(GetUniqueName(nType));
    if (bEndArrow)
        pFigure->SetEndArrowType(QY_ARROW_SOLID_END);
    // The whole geometry (line ends included) up to date before the page
    // records it.
    pComp->UpdatePosition();
    pComp->ResetTrackPoints();
    pComp->UpdateComp();
    AddComponent(pComp);
    pComp->Release();
    SetModifiedFlag(TRUE);
}

void CQYDataModel::AddNewLine(LPPOINT lpPoints, int nCount, BOOL bEndArrow)
{
    CArray<CPoint, CPoint> points;
    for (int i = 0; lpPoints != nullptr && i < nCount; ++i)
        points.Add(CPoint(lpPoints[i]));
    AddNewFigure("CQYLineComponent", points, bEndArrow);
}

void CQYDataModel::AddNewLine(CArray<CPoint, CPoint>* pPoints, BOOL bEndArrow)
{
    if (pPoints != nullptr)
        AddNewFigure("CQYLineComponent", *pPoints, bEndArrow);
}

void CQYDataModel::AddNewPolygon(CArray<CPoint, CPoint>* pPoints)
{
    if (pPoints != nullptr)
        AddNewFigure("CQYPolygonComponent", *pPoints, FALSE);
}

void CQYDataModel::AddNewBezierLine(CArray<CPoint, CPoint>* pPoints, BOOL bEndArrow)
{
    if (pPoints != nullptr)
        AddNewFigure("CQYBezierLineComponent", *pPoints, bEndArrow);
}

void CQYDataModel::AddNewCloseBezier(CArray<CPoint, CPoint>* pPoints)
{
    if (pPoints != nullptr)
        AddNewFigure("CQYCloseBezierComponent", *pPoints, FALSE);
}

BOOL CQYDataModel::DeleteAllComponents()
{
    // The bonds are cut by the command itself, so that its undo ties them
    // again and a removal that fails cuts nothing.
    auto* pCommand = new CQYRemoveCompsCommand(this, &m_listComponents);
    pCommand->SetCutBonds(TRUE);
    SetModifiedFlag(TRUE);
    return Execute(pCommand, TRUE);
}

BOOL CQYDataModel::MoveComponent(CQYDrawComponent* pComp, int dx, int dy)
{
    if (pComp == nullptr || m_listComponents.Find(pComp) == nullptr)
        return FALSE;
    pComp->OffsetComponent(dx, dy);
    pComp->UpdatePosition();
    const CRect rect = pComp->GetRect();
    pComp->SetAuxRect(&rect);
    pComp->ResetTrackPoints();
    // The hit area follows at once: a click before the next paint finds the
    // component where it is now.
    pComp->UpdateComp();
    SetModifiedFlag(TRUE);
    return TRUE;
}

int CQYDataModel::MoveComponents(CQYCompList* pList, int dx, int dy)
{
    if (pList == nullptr || (dx == 0 && dy == 0))
        return 0;
    int nMoved = 0;
    for (CQYDrawComponent* pComp : Snapshot(pList)) {
        if (MoveComponent(pComp, dx, dy))
            ++nMoved;
    }
    SetModifiedFlag(TRUE);
    return nMoved;
}

BOOL CQYDataModel::OffsetComponentPoint(CQYDrawComponent* pComp, int nIndex, int dx, int dy)
{
    if (pComp == nullptr || m_listComponents.Find(pComp) == nullptr)
        return FALSE;
    pComp->OffsetPoint(nIndex, dx, dy);
    pComp->ResetTrackPoints();
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CQYDataModel::ScaleComponent(CQYDrawComponent* pComp, float fScaleX, float fScaleY, int nAnchor)
{
    if (pComp == nullptr || (fScaleX == 1.0f && fScaleY == 1.0f))
        return FALSE;
    float fX = 0;
    float fY = 0;
    AnchorOf(pComp->GetRect(), nAnchor, fX, fY);
    pComp->ScaleComponent(fScaleX, fScaleY, fX, fY);
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CQYDataModel::ScaleComponents(CQYCompList* pList, float fScaleX, float fScaleY, int nAnchor)
{
    if (pList == nullptr || (fScaleX == 1.0f && fScaleY == 1.0f))
        return FALSE;
    for (CQYDrawComponent* pComp : Snapshot(pList))
        ScaleComponent(pComp, fScaleX, fScaleY, nAnchor);
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CQYDataModel::RotateComponent(CQYDrawComponent* pComp, int nAngle)
{
    if (pComp == nullptr || nAngle == 0)
        return FALSE;
    float fX = 0;
    float fY = 0;
    AnchorOf(pComp->GetRect(), -1, fX, fY);
    pComp->RotateComponent(nAngle, fX, fY);
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CQYDataModel::RotateComponentAbout(CQYDrawComponent* pComp, int nAngle, float fCentreX, float fCentreY)
{
    if (pComp == nullptr || nAngle == 0)
        return FALSE;
    pComp->RotateComponent(nAngle, fCentreX, fCentreY);
    SetModifiedFlag(TRUE);
    return TRUE;
}

int CQYDataModel::MoveInDrawingOrder(CQYDrawComponent* pComp, int nPosition)
{
    const int nCount = m_listComponents.GetCount();
    POSITION current = m_listComponents.Find(pComp);
    const int nIndex = m_listComponents.GetIndexOf(current);
    if (nPosition < 0 || nPosition >= nCount || current == nullptr || nIndex == nPosition)
        return -1;
    // Held across the move: the list's own reference goes out and back in.
    pComp->AddRef();
    m_listComponents.RemoveAt(current);
    POSITION before = m_listComponents.FindIndex(nPosition);
    if (before != nullptr)
        m_listComponents.InsertBefore(before, pComp);
    else
        m_listComponents.AddTail(pComp);
    pComp->Release();
    SetModifiedFlag(TRUE);
    return nIndex;
}

BOOL CQYDataModel::RotateComponents(CQYCompList* pList, int nAngle)
{
    if (pList == nullptr || nAngle == 0)
        return FALSE;
    for (CQYDrawComponent* pComp : Snapshot(pList))
        RotateComponent(pComp, nAngle);
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CQYDataModel::GroupComponents(CQYCompList* pList, CQYDrawComponent* pGroup)
{
    CQYGroupMembers* pMembers = QYGetGroupMembers(pGroup);
    if (pList == nullptr || pList->IsEmpty() || pMembers == nullptr)
        return FALSE;
    for (CQYDrawComponent* pComp : Snapshot(pList)) {
        pComp->AddRef();
        RemoveComponent(pComp);
        pMembers->AddComponent(pComp);
        pComp->Release();
    }
    // The group's rectangle now spans its members: its track points and
    // hit area follow, or it would be hit where it was made.
    pGroup->UpdatePosition();
    pGroup->ResetTrackPoints();
    pGroup->UpdateComp();
    CQYCompProperties* pProp = pGroup->GetDefaultProperty();
    const int nType = pProp != nullptr ? pProp->GetType() : QY_COMP_GROUP;
    pGroup->SetObjectCaption(GetUniqueCaption(nType));
    pGroup->SetObjectName(GetUniqueName(nType));
    InsertComponent(pGroup);
    pGroup->Release();
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CQYDataModel::UnGroupComponent(CQYDrawComponent* pGroup)
{
    CQYGroupMembers* pMembers = QYGetGroupMembers(pGroup);
    if (pMembers == nullptr)
        return FALSE;
    if (pMembers->GetMemberList()->IsEmpty())
        return TRUE;
    pGroup->AddRef();
    // A group that is not on the page has nothing to hand back.
    if (!RemoveComponent(pGroup)) {
        pGroup->Release();
        return FALSE;
    }
    // The group keeps its member list, so that grouping again can reuse it.
    for (CQYDrawComponent* pComp : Snapshot(pMembers->GetMemberList()))
        InsertComponent(pComp);
    pGroup->Release();
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CQYDataModel::PlaceComponent(CQYDrawComponent* pComp, CRect& rect, int nParam1, int nParam2, int nParam3,
                                  int nParam4)
{
    if (pComp == nullptr || m_listComponents.Find(pComp) == nullptr)
        return FALSE;
    pComp->SetCompRect(rect, nParam1, nParam2, nParam3, nParam4);
    pComp->SetAuxRect(&rect);
    pComp->ResetTrackPoints();
    SetModifiedFlag(TRUE);
    return TRUE;
}

CSize CQYDataModel::GetComponentsExtent()
{
    CSize size(0, 0);
    for (POSITION pos = m_listComponents.GetHeadPosition(); pos != nullptr;) {
        const CRect rect = m_listComponents.GetNext(pos)->GetRect();
        size.cx = std::max<LONG>(size.cx, rect.right);
        size.cy = std::max<LONG>(size.cy, rect.bottom);
    }
    return size;
}

void CQYDataModel::ResizeFormComponent(CQYDrawComponent* pComp, int nLeft, int nTop, int nRight, int nBottom)
{
    if (pComp == nullptr)
        return;
    const CRect old = pComp->GetRect();
    pComp->SetAuxRect(&old);
    const CRect rect(nLeft, nTop, nRight, nBottom);
    pComp->SetRect(&rect);
    SetPagePosition(rect);
    SetModifiedFlag(TRUE);
}

void CQYDataModel::ResizeFormWithCaption(CQYDrawComponent* pComp, CRect rect, LPCTSTR lpszCaption)
{
    ResizeFormComponent(pComp, rect.left, rect.top, rect.right, rect.bottom);
    SetPagePositionAndCaption(rect, lpszCaption != nullptr ? lpszCaption : "");
}

void CQYDataModel::SetFormColors(CQYDrawComponent* pComp, COLORREF crBack, COLORREF crText)
{
    if (pComp != nullptr) {
        if (CQYCompProperties* pProp = pComp->GetDefaultProperty()) {
            pProp->SetFontColor(crText);
            pProp->SetBkColor(crBack);
        }
    }
    if (CQYFormProperties* pForm = GetDefaultProperty()) {
        pForm->SetFontColor(crText);
        pForm->SetBkColor(crBack);
    }
    SetModifiedFlag(TRUE);
}

CQYDrawComponent* CQYDataModel::SwapTabOrder(int nOrder, CQYDrawComponent* pComp)
{
    for (POSITION pos = m_listComponents.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pOther = m_listComponents.GetNext(pos);
        if (pOther != pComp && QYTabOrderOf(pOther) == nOrder) {
            QYSetTabOrderOf(pOther, QYTabOrderOf(pComp));
            QYSetTabOrderOf(pComp, nOrder);
            return pOther;
        }
    }
    SetModifiedFlag(TRUE);
    return nullptr;
}

BOOL CQYDataModel::AddAndRemoveLast(CQYDrawComponent* pComp)
{
    if (pComp == nullptr)
        return FALSE;
    // The component never was part of the page: nothing about the page
    // changes, not even its modified flag.
    const BOOL bModified = m_bModified;
    InsertComponent(pComp);
    pComp->Release();
    RemoveComponent(m_listComponents.GetTail());
    m_bModified = bModified;
    return TRUE;
}

BOOL CQYDataModel::FindComponentPlace(CQYDrawComponent* pComp, int& nIndex, int& nTabOrder)
{
    POSITION pos = m_listComponents.Find(pComp);
    if (pos == nullptr)
        return FALSE;
    nIndex = m_listComponents.GetIndexOf(pos);
    nTabOrder = QYTabOrderOf(pComp);
    return TRUE;
}

BOOL CQYDataModel::RestoreComponent(CQYDrawComponent* pComp, int nIndex, int nTabOrder)
{
    if (pComp == nullptr || m_listComponents.Find(pComp) != nullptr)
        return FALSE;
    try {
        if (nTabOrder > 0) {
            for (POSITION pos = m_listComponents.GetHeadPosition(); pos != nullptr;) {
                CQYDrawComponent* pOther = m_listComponents.GetNext(pos);
                if (QYTabOrderOf(pOther) >= nTabOrder)
                    QYSetTabOrderOf(pOther, QYTabOrderOf(pOther) + 1);
            }
        }
        QYSetTabOrderOf(pComp, nTabOrder > 0 ? nTabOrder : GetMaxTabOrder() + 1);
        POSITION before = m_listComponents.FindIndex(nIndex);
        if ((before != nullptr ? m_listComponents.InsertBefore(before, pComp) : m_listComponents.AddTail(pComp)) ==
            nullptr)
            return FALSE;
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(TRUE);
    return TRUE;
}
