// Arrangement: each operation turns a request on the selection into one
// command run through the model's history, and the keyboard's moves, sizes
// and alignments that use them.
#include "library/view/QYBaseView.h"

#include "framework/window/InputApi.h"
#include "library/model/QYComponentCommands.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYLayoutCommands.h"
#include "library/model/QYLayoutSingleCommands.h"
#include "library/model/QYPropertyCommands.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYHyLinkComponent.h"
#include "library/shapes/QYLinkComponent.h"

#include <vector>

namespace {

bool IsKeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

// The largest size a form grows to by keyboard.
const int kMaxFormEdge = 2000;

} // namespace

CQYBaseCommand* CQYBaseView::RunCommand(CQYBaseCommand* pCommand)
{
    if (m_pModel == nullptr) {
        delete pCommand;
        return nullptr;
    }
    // The history deletes a command that did nothing; it keeps the others.
    return m_pModel->Execute(pCommand, TRUE) ? pCommand : nullptr;
}

CRect CQYBaseView::GetSelectionBounds()
{
    CRect rect(2000, 2000, -2000, -2000);
    for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
        const CRect r = m_listSelected.GetNext(pos)->GetRect();
        rect.left = std::min(rect.left, r.left);
        rect.top = std::min(rect.top, r.top);
        rect.right = std::max(rect.right, r.right);
        rect.bottom = std::max(rect.bottom, r.bottom);
    }
    return rect;
}

CQYBaseCommand* CQYBaseView::AlignSelection(int nAlign)
{
    CQYDrawComponent* pMain = GetMainSelected();
    if (pMain == nullptr || m_pModel == nullptr)
        return nullptr;
    auto* pCommand = new CQYAlignCommand(m_pModel);
    pCommand->m_nType = nAlign;
    pCommand->SetMainComponent(pMain);
    pCommand->AddComponents(&m_listSelected);
    return RunCommand(pCommand);
}

CQYBaseCommand* CQYBaseView::SizeSelection(int nSize)
{
    CQYDrawComponent* pMain = GetMainSelected();
    if (pMain == nullptr || m_pModel == nullptr)
        return nullptr;
    auto* pCommand = new CQYSizeCommand(m_pModel);
    pCommand->m_nType = nSize;
    pCommand->SetMainComponent(pMain);
    pCommand->AddComponents(&m_listSelected);
    return RunCommand(pCommand);
}

CQYBaseCommand* CQYBaseView::SpaceSelection(int nSpacing)
{
    CQYCompList list(10);
    if (CopySelectionNoLinks(&m_listSelected, &list) == 0 || m_pModel == nullptr)
        return nullptr;
    auto* pCommand = new CQYSpacingCommand(m_pModel);
    pCommand->m_nType = nSpacing;
    pCommand->AddComponents(&list);
    return RunCommand(pCommand);
}

CQYBaseCommand* CQYBaseView::AlignLeft()
{
    return AlignSelection(4);
}

CQYBaseCommand* CQYBaseView::AlignRight()
{
    return AlignSelection(6);
}

CQYBaseCommand* CQYBaseView::AlignTop()
{
    return AlignSelection(1);
}

CQYBaseCommand* CQYBaseView::AlignBottom()
{
    return AlignSelection(3);
}

CQYBaseCommand* CQYBaseView::AlignMiddle()
{
    return AlignSelection(2);
}

CQYBaseCommand* CQYBaseView::AlignCenter()
{
    return AlignSelection(5);
}

CQYBaseCommand* CQYBaseView::MakeSameWidth()
{
    return SizeSelection(1);
}

CQYBaseCommand* CQYBaseView::MakeSameHeight()
{
    return SizeSelection(2);
}

CQYBaseCommand* CQYBaseView::MakeSameSize()
{
    return SizeSelection(3);
}

CQYBaseCommand* CQYBaseView::SpaceAcross()
{
    return SpaceSelection(1);
}

CQYBaseCommand* CQYBaseView::SpaceDown()
{
    return SpaceSelection(2);
}

CQYBaseCommand* CQYBaseView::MoveSelection(CQYCompList* /*pList*/, int dx, int dy)
{
    // The selection is what moves.
    if ((dx == 0 && dy == 0) || m_pModel == nullptr || m_listSelected.IsEmpty())
        return nullptr;
    CQYBaseCommand* pCommand = RunCommand(new CQYMoveCompsCommand(m_pModel, &m_listSelected, dx, dy));
    m_pModel->SetModifiedFlag(TRUE);
    return pCommand;
}

CQYBaseCommand* CQYBaseView::GroupSelection(CQYCompList* pList)
{
    if (m_pModel == nullptr || pList == nullptr)
        return nullptr;
    auto* pGroup = new CQYGroupComponent;
    CRect rect(100, 100, 200, 200);
    pGroup->Create(rect, "");
    // The command takes the group's first reference.
    return RunCommand(new CQYGroupCommand(m_pModel, pList, pGroup));
}

CQYBaseCommand* CQYBaseView::UngroupComponent(CQYDrawComponent* pGroup)
{
    if (m_pModel == nullptr || pGroup == nullptr)
        return nullptr;
    return RunCommand(new CQYUnGroupCommand(m_pModel, pGroup));
}

CQYBaseCommand* CQYBaseView::MoveComponentPoint(int nPoint, int dx, int dy)
{
    if (m_pActiveComp == nullptr || m_pModel == nullptr)
        return nullptr;
    return RunCommand(new CQYSizeSpotCommand(m_pModel, m_pActiveComp, nPoint, dx, dy));
}

CQYBaseCommand* CQYBaseView::ResizeForm(int x, int y, int nAnchor)
{
    if (m_pModel == nullptr || m_pModel->GetFormComponent() == nullptr)
        return nullptr;
    CPoint origin(0, 0);
    DPtoLPPoint(&origin);
    x += origin.x;
    y += origin.y;
    CQYDrawComponent* pForm = m_pModel->GetFormComponent();
    const CRect r = pForm->GetRect();
    CRect rectNew;
    switch (nAnchor) {
    case 0: rectNew.SetRect(r.left, r.top, x, y); break;
    case 1: rectNew.SetRect(r.left, r.top, r.right, y); break;
    case 7: rectNew.SetRect(r.left, r.top, x, r.bottom); break;
    default: return nullptr;
    }
    return RunCommand(
        new CQYFormSizeCommand(m_pModel, pForm, rectNew.left, rectNew.top, rectNew.right, rectNew.bottom));
}

CQYBaseCommand* CQYBaseView::OrderSelection(CQYCompList* pList, int nOrder)
{
    if (m_pModel == nullptr || pList == nullptr)
        return nullptr;
    auto* pCommand = new CQYOrderCommand(m_pModel);
    pCommand->m_nType = nOrder;
    pCommand->AddComponents(pList);
    return RunCommand(pCommand);
}

CQYBaseCommand* CQYBaseView::ScaleSelection(CQYCompList* pList, float fScaleX, float fScaleY, int nAnchor)
{
    if (m_pModel == nullptr || pList == nullptr)
        return nullptr;
    auto* pCommand = new CQYScaleCommand(m_pModel);
    pCommand->AddComponents(pList, fScaleX, fScaleY, nAnchor);
    return RunCommand(pCommand);
}

CQYBaseCommand* CQYBaseView::RotateSelection(CQYCompList* pList, int nAngle)
{
    if (m_pModel == nullptr || pList == nullptr)
        return nullptr;
    auto* pCommand = new CQYRotateCommand(m_pModel);
    pCommand->AddComponents(pList, nAngle);
    return RunCommand(pCommand);
}

CQYBaseCommand* CQYBaseView::ScaleActiveComponent(float fScaleX, float fScaleY, int nAnchor)
{
    if (m_pActiveComp == nullptr || m_pModel == nullptr)
        return nullptr;
    return RunCommand(new CQYScaleExtendCommand(m_pModel, m_pActiveComp, fScaleX, fScaleY, nAnchor));
}

// Centring moves the selection (links left out) so that the union of the
// components' rectangles sits in the middle of the page.
CQYBaseCommand* CQYBaseView::CenterHorizontal(const RECT& page)
{
    CQYCompList list(10);
    if (CopySelectionNoLinks(&m_listSelected, &list) == 0 || m_pModel == nullptr)
        return nullptr;
    CRect extent(0, 0, 0, 0);
    bool bFirst = true;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CRect r = list.GetNext(pos)->GetRect();
        r.NormalizeRect();
        extent = bFirst ? r : CRect(std::min(extent.left, r.left), 0, std::max(extent.right, r.right), 0);
        bFirst = false;
    }
    const int nGroupCentre = extent.left + (extent.right - extent.left) / 2;
    const int nPageCentre = page.left + (page.right - page.left) / 2;
    return RunCommand(new CQYMoveCompsCommand(m_pModel, &list, nPageCentre - nGroupCentre, 0));
}

CQYBaseCommand* CQYBaseView::CenterVertical(const RECT& page)
{
    CQYCompList list(10);
    if (CopySelectionNoLinks(&m_listSelected, &list) == 0 || m_pModel == nullptr)
        return nullptr;
    CRect extent(0, 0, 0, 0);
    bool bFirst = true;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CRect r = list.GetNext(pos)->GetRect();
        r.NormalizeRect();
        extent = bFirst ? r : CRect(0, std::min(extent.top, r.top), 0, std::max(extent.bottom, r.bottom));
        bFirst = false;
    }
    const int nGroupCentre = extent.top + (extent.bottom - extent.top) / 2;
    const int nPageCentre = page.top + (page.bottom - page.top) / 2;
    return RunCommand(new CQYMoveCompsCommand(m_pModel, &list, 0, nPageCentre - nGroupCentre));
}

// ---------------------------------------------------------------------------
// Keyboard

void CQYBaseView::SizeByKey(UINT nChar)
{
    if (m_pModel == nullptr)
        return;
    if (m_listSelected.GetCount() == 1) {
        CQYDrawComponent* pComp = m_listSelected.GetHead();
        if (pComp->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)))
            return; // links have no size of their own
        const CRect r = pComp->GetRect();
        const float w = static_cast<float>(r.Width());
        const float h = static_cast<float>(r.Height());
        float fx = 1.0f;
        float fy = 1.0f;
        switch (nChar) {
        case VK_LEFT:
            if (r.Width() < 2)
                return;
            fx = (w - 1) / w;
            break;
        case VK_RIGHT:
            if (r.Width() < 1)
                return;
            fx = (w + 1) / w;
            break;
        case VK_UP:
            if (r.Height() < 2)
                return;
            fy = (h - 1) / h;
            break;
        case VK_DOWN:
            if (r.Height() < 1)
                return;
            fy = (h + 1) / h;
            break;
        default: return;
        }
        m_pActiveComp = pComp;
        ScaleActiveComponent(fx, fy, 0);
        return;
    }
    if (!m_listSelected.IsEmpty() || !m_pModel->IsFormDesignMode())
        return;
    CQYDrawComponent* pForm = m_pModel->GetFormComponent();
    if (pForm == nullptr)
        return;
    const CRect r = pForm->GetRect();
    const CSize extent = m_pModel->GetComponentsExtent();
    // One pixel in the key's direction, or nothing: an edge already at or
    // past its limit stays where it is (never pulled the other way).
    CRect rectNew = r;
    switch (nChar) {
    case VK_LEFT:
        if (r.right - 1 >= extent.cx)
            rectNew.right = r.right - 1;
        break;
    case VK_RIGHT:
        if (r.right + 1 <= kMaxFormEdge)
            rectNew.right = r.right + 1;
        break;
    case VK_UP:
        if (r.bottom - 1 >= extent.cy)
            rectNew.bottom = r.bottom - 1;
        break;
    case VK_DOWN:
        if (r.bottom + 1 <= kMaxFormEdge)
            rectNew.bottom = r.bottom + 1;
        break;
    default: return;
    }
    if (rectNew == r)
        return;
    RunCommand(new CQYFormSizeCommand(m_pModel, pForm, rectNew.left, rectNew.top, rectNew.right, rectNew.bottom));
}

void CQYBaseView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsDesignMode()) {
        // Outside design mode the one selected hyperlink takes the key.
        if (CQYHyLinkComponent* pLink = SelectedHyperlink())
            pLink->OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const bool bCtrl = IsKeyDown(VK_CONTROL);
    const bool bShift = IsKeyDown(VK_SHIFT);
    switch (nChar) {
    case VK_RETURN:
        if (m_listSelected.GetCount() == 1)
            InvalidateComponent(m_listSelected.GetHead());
        break;
    case VK_DELETE: OnEditClear(); break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (bCtrl) {
            if (nChar == VK_LEFT)
                AlignLeft();
            else if (nChar == VK_UP)
                AlignTop();
            else if (nChar == VK_RIGHT)
                AlignRight();
            else
                AlignBottom();
        } else if (bShift) {
            SizeByKey(nChar);
        } else {
            const int dx = nChar == VK_LEFT ? -1 : nChar == VK_RIGHT ? 1 : 0;
            const int dy = nChar == VK_UP ? -1 : nChar == VK_DOWN ? 1 : 0;
            MoveSelection(&m_listSelected, dx, dy);
        }
        break;
    default: break;
    }
    CScrollView::Default();
}
