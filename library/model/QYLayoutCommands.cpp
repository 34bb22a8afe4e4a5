#include "library/model/QYLayoutCommands.h"

#include "library/model/QYCommandStrings.h"
#include "library/model/QYComponentCommands.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYLayoutSingleCommands.h"
#include "library/model/QYPortLink.h"

#include <algorithm>
#include <unordered_map>

IMPLEMENT_DYNAMIC(CQYLayoutMacro, CQYCommandMacro)
IMPLEMENT_DYNAMIC(CQYScaleCommand, CQYLayoutMacro)
IMPLEMENT_DYNAMIC(CQYRotateCommand, CQYLayoutMacro)
IMPLEMENT_DYNAMIC(CQYAlignCommand, CQYLayoutMacro)
IMPLEMENT_DYNAMIC(CQYSizeCommand, CQYLayoutMacro)
IMPLEMENT_DYNAMIC(CQYSpacingCommand, CQYLayoutMacro)
IMPLEMENT_DYNAMIC(CQYOrderCommand, CQYLayoutMacro)

namespace {

// Connectors are never scaled, rotated, sized or aligned: they follow their
// ports.
bool IsConnector(CQYDrawComponent* pComp)
{
    return QYGetPortLink(pComp) != nullptr;
}

int MidOf(int a, int b)
{
    return (a + b) / 2;
}

} // namespace

// Shared.

CQYLayoutMacro::CQYLayoutMacro(CQYDataModel* pModel) : CQYCommandMacro(pModel) {}

CQYLayoutMacro::~CQYLayoutMacro()
{
    if (m_pMainComp != nullptr)
        m_pMainComp->Release();
}

void CQYLayoutMacro::SetMainComponent(CQYDrawComponent* pComp)
{
    if (pComp == m_pMainComp)
        return;
    if (pComp != nullptr)
        pComp->AddRef();
    if (m_pMainComp != nullptr)
        m_pMainComp->Release();
    m_pMainComp = pComp;
}

CQYBaseCommandMacro* CQYLayoutMacro::NewEmptyMacro() const
{
    CQYLayoutMacro* pMacro = NewOfSameClass();
    pMacro->m_nType = 0;
    pMacro->SetMainComponent(m_pMainComp);
    pMacro->m_list.AddTail(&m_list);
    return pMacro;
}

std::vector<CQYSingleCompCommand*> CQYLayoutMacro::SubCommands()
{
    std::vector<CQYSingleCompCommand*> commands;
    commands.reserve(static_cast<size_t>(m_listCommands.GetCount()));
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;)
        commands.push_back(static_cast<CQYSingleCompCommand*>(m_listCommands.GetNext(pos)));
    return commands;
}

BOOL CQYLayoutMacro::RunAll()
{
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;)
        static_cast<CQYBaseCommand*>(m_listCommands.GetNext(pos))->Execute();
    return TRUE;
}

void CQYLayoutMacro::SprintType(CString& strText, int nType, const UINT* pIds, int nCount, UINT nFallback)
{
    strText = QYLoadCommandString(nType >= 1 && nType <= nCount ? pIds[nType - 1] : nFallback);
}

// Scale.

CQYScaleCommand::CQYScaleCommand(CQYDataModel* pModel) : CQYLayoutMacro(pModel) {}

void CQYScaleCommand::AddComponents(CQYCompList* pList, float fScaleX, float fScaleY, int nSpot)
{
    if (pList == nullptr)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = pList->GetNext(pos);
        if (!IsConnector(pComp))
            AddCommand(new CQYScaleExtendCommand(m_pModel, pComp, fScaleX, fScaleY, nSpot));
    }
    m_list.AddTail(pList);
}

BOOL CQYScaleCommand::Execute()
{
    return RunAll();
}

void CQYScaleCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_SCALE);
}

CQYLayoutMacro* CQYScaleCommand::NewOfSameClass() const
{
    return new CQYScaleCommand(m_pModel);
}

// Rotate.

CQYRotateCommand::CQYRotateCommand(CQYDataModel* pModel) : CQYLayoutMacro(pModel) {}

void CQYRotateCommand::AddComponents(CQYCompList* pList, int nAngle)
{
    if (pList == nullptr)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = pList->GetNext(pos);
        if (!IsConnector(pComp))
            AddCommand(new CQYRotateExtendCommand(m_pModel, pComp, nAngle));
    }
    m_list.AddTail(pList);
}

BOOL CQYRotateCommand::Execute()
{
    return RunAll();
}

void CQYRotateCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_ROTATE);
}

CQYLayoutMacro* CQYRotateCommand::NewOfSameClass() const
{
    return new CQYRotateCommand(m_pModel);
}

// Align.

CQYAlignCommand::CQYAlignCommand(CQYDataModel* pModel) : CQYLayoutMacro(pModel) {}

void CQYAlignCommand::AddComponent(CQYDrawComponent* pComp)
{
    if (pComp == nullptr || m_list.Find(pComp) != nullptr)
        return;
    m_list.AddTail(pComp);
    AddCommand(new CQYMoveCompCommand(m_pModel, pComp, 0, 0));
}

void CQYAlignCommand::AddComponents(CQYCompList* pList)
{
    if (pList == nullptr)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        AddCommand(new CQYMoveCompCommand(m_pModel, pList->GetNext(pos), 0, 0));
    m_list.AddTail(pList);
}

BOOL CQYAlignCommand::Execute()
{
    if (m_list.IsEmpty())
        return TRUE;
    if (m_nType >= 1 && m_nType <= 6 && m_pMainComp != nullptr) {
        const CRect main = m_pMainComp->GetRect();
        const int cx = MidOf(main.left, main.right);
        const int cy = MidOf(main.top, main.bottom);
        for (CQYSingleCompCommand* pSub : SubCommands()) {
            CQYDrawComponent* pComp = pSub->GetComponent();
            if (IsConnector(pComp))
                continue;
            const CRect r = pComp->GetRect();
            CPoint offset(0, 0);
            switch (m_nType) {
            case 1: offset.y = main.top - r.top; break;
            case 2: offset.y = cy - MidOf(r.top, r.bottom); break;
            case 3: offset.y = main.bottom - r.bottom; break;
            case 4: offset.x = main.left - r.left; break;
            case 5: offset.x = cx - MidOf(r.left, r.right); break;
            default: offset.x = main.right - r.right; break;
            }
            if (offset.x != 0 || offset.y != 0)
                static_cast<CQYMoveCompCommand*>(pSub)->SetOffset(offset.x, offset.y);
        }
    }
    return RunAll();
}

void CQYAlignCommand::Sprint(CString& strText) const
{
    static const UINT kIds[] = {IDS_QY_CMD_ALIGN_TOP,  IDS_QY_CMD_ALIGN_MIDDLE, IDS_QY_CMD_ALIGN_BOTTOM,
                                IDS_QY_CMD_ALIGN_LEFT, IDS_QY_CMD_ALIGN_CENTER, IDS_QY_CMD_ALIGN_RIGHT};
    SprintType(strText, m_nType, kIds, 6, IDS_QY_CMD_UNKNOWN);
}

CQYLayoutMacro* CQYAlignCommand::NewOfSameClass() const
{
    return new CQYAlignCommand(m_pModel);
}

// Same size.

CQYSizeCommand::CQYSizeCommand(CQYDataModel* pModel) : CQYLayoutMacro(pModel) {}

void CQYSizeCommand::AddComponents(CQYCompList* pList)
{
    if (pList == nullptr)
        return;
    const CRect main = m_pMainComp != nullptr ? m_pMainComp->GetRect() : CRect();
    // A factor against or for a zero extent stays 1: nothing is collapsed
    // and nothing divides by zero.
    const auto factor = [](int nMain, int nOwn) {
        return nMain != 0 && nOwn != 0 ? static_cast<float>(nMain) / static_cast<float>(nOwn) : 1.0f;
    };
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = pList->GetNext(pos);
        if (IsConnector(pComp))
            continue;
        const CRect r = pComp->GetRect();
        const float fx = (m_nType == 1 || m_nType == 3) ? factor(main.Width(), r.Width()) : 1.0f;
        const float fy = (m_nType == 2 || m_nType == 3) ? factor(main.Height(), r.Height()) : 1.0f;
        AddCommand(new CQYScaleExtendCommand(m_pModel, pComp, fx, fy, 0));
    }
    m_list.AddTail(pList);
}

BOOL CQYSizeCommand::Execute()
{
    return RunAll();
}

void CQYSizeCommand::Sprint(CString& strText) const
{
    static const UINT kIds[] = {IDS_QY_CMD_SAME_WIDTH, IDS_QY_CMD_SAME_HEIGHT, IDS_QY_CMD_SAME_SIZE};
    SprintType(strText, m_nType, kIds, 3, IDS_QY_CMD_UNKNOWN);
}

CQYLayoutMacro* CQYSizeCommand::NewOfSameClass() const
{
    return new CQYSizeCommand(m_pModel);
}

// Spacing.

CQYSpacingCommand::CQYSpacingCommand(CQYDataModel* pModel) : CQYLayoutMacro(pModel) {}

void CQYSpacingCommand::AddComponent(CQYDrawComponent* pComp)
{
    if (pComp == nullptr || m_list.Find(pComp) != nullptr)
        return;
    m_list.AddTail(pComp);
    AddCommand(new CQYMoveCompCommand(m_pModel, pComp, 0, 0));
}

void CQYSpacingCommand::AddComponents(CQYCompList* pList)
{
    if (pList == nullptr)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        AddCommand(new CQYMoveCompCommand(m_pModel, pList->GetNext(pos), 0, 0));
    m_list.AddTail(pList);
}

BOOL CQYSpacingCommand::Execute()
{
    if (m_list.GetCount() <= 2 || (m_nType != 1 && m_nType != 2))
        return m_list.GetCount() <= 2 ? TRUE : RunAll();
    const bool bAcross = m_nType == 1;
    struct Item {
        CQYMoveCompCommand* pMove;
        CRect rect;
    };
    std::vector<Item> items;
    for (CQYSingleCompCommand* pSub : SubCommands())
        items.push_back(Item{static_cast<CQYMoveCompCommand*>(pSub), pSub->GetComponent()->GetRect()});
    // Equal centres keep their list order.
    std::stable_sort(items.begin(), items.end(), [bAcross](const Item& a, const Item& b) {
        return bAcross ? MidOf(a.rect.left, a.rect.right) < MidOf(b.rect.left, b.rect.right)
                       : MidOf(a.rect.top, a.rect.bottom) < MidOf(b.rect.top, b.rect.bottom);
    });
    const auto lead = [bAcross](const CRect& r) { return bAcross ? r.left : r.top; };
    const auto trail = [bAcross](const CRect& r) { return bAcross ? r.right : r.bottom; };
    long long nGaps = 0;
    for (size_t i = 1; i < items.size(); ++i)
        nGaps += lead(items[i].rect) - trail(items[i - 1].rect);
    const int nGap = static_cast<int>(nGaps / static_cast<long long>(items.size() - 1));
    int nEdge = trail(items[0].rect);
    for (size_t i = 1; i < items.size(); ++i) {
        const int d = nEdge + nGap - lead(items[i].rect);
        if (d != 0)
            items[i].pMove->SetOffset(bAcross ? d : 0, bAcross ? 0 : d);
        nEdge = trail(items[i].rect) + d;
    }
    return RunAll();
}

void CQYSpacingCommand::Sprint(CString& strText) const
{
    // Type 0 is a spacing not chosen yet; any type past the two kinds is
    // described by the plain literal, which has no string-table entry.
    if (m_nType != 0 && m_nType != 1 && m_nType != 2) {
        strText = "None";
        return;
    }
    static const UINT kIds[] = {IDS_QY_CMD_SPACING_ACROSS, IDS_QY_CMD_SPACING_DOWN};
    SprintType(strText, m_nType, kIds, 2, IDS_QY_CMD_UNKNOWN);
}

CQYLayoutMacro* CQYSpacingCommand::NewOfSameClass() const
{
    return new CQYSpacingCommand(m_pModel);
}

// Drawing order.

CQYOrderCommand::CQYOrderCommand(CQYDataModel* pModel) : CQYLayoutMacro(pModel) {}

void CQYOrderCommand::AddComponent(CQYDrawComponent* pComp)
{
    if (pComp == nullptr || m_list.Find(pComp) != nullptr)
        return;
    m_list.AddTail(pComp);
    AddCommand(new CQYOrderSingleCommand(m_pModel, pComp, 0));
}

void CQYOrderCommand::AddComponents(CQYCompList* pList)
{
    if (pList == nullptr)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        AddCommand(new CQYOrderSingleCommand(m_pModel, pList->GetNext(pos), 0));
    m_list.AddTail(pList);
}

void CQYOrderCommand::PlanPositions()
{
    CQYCompList& page = m_pModel->GetComponents();
    std::unordered_map<CQYDrawComponent*, int> indices;
    indices.reserve(static_cast<size_t>(page.GetCount()));
    int nIndex = 0;
    for (POSITION pos = page.GetHeadPosition(); pos != nullptr; ++nIndex)
        indices.emplace(page.GetNext(pos), nIndex);
    const int nCount = page.GetCount();

    struct Item {
        CQYOrderSingleCommand* pOrder;
        int nIndex;
    };
    std::vector<Item> onPage;
    std::vector<CQYOrderSingleCommand*> offPage;
    for (CQYSingleCompCommand* pSub : SubCommands()) {
        auto* pOrder = static_cast<CQYOrderSingleCommand*>(pSub);
        auto found = indices.find(pOrder->GetComponent());
        if (found != indices.end())
            onPage.push_back(Item{pOrder, found->second});
        else
            offPage.push_back(pOrder);
    }
    // Forward and to back go topmost first, backward and to front bottom
    // first: each move then leaves the indices of those still to come as
    // they were, and the selection keeps its own order.
    const bool bTopFirst = m_nType == 3 || m_nType == 2;
    std::sort(onPage.begin(), onPage.end(), [bTopFirst](const Item& a, const Item& b) {
        return bTopFirst ? a.nIndex > b.nIndex : a.nIndex < b.nIndex;
    });
    int nLimit = bTopFirst ? nCount - 1 : 0; // no selected component jumps over another
    for (Item& item : onPage) {
        int nNew = item.nIndex;
        switch (m_nType) {
        case 1: nNew = nCount - 1; break;
        case 2: nNew = 0; break;
        case 3:
            nNew = std::min(item.nIndex + 1, nLimit);
            nLimit = nNew - 1;
            break;
        default:
            nNew = std::max(item.nIndex - 1, nLimit);
            nLimit = nNew + 1;
            break;
        }
        item.pOrder->SetNewPosition(nNew);
    }
    // Components no longer on the page move nothing.
    for (CQYOrderSingleCommand* pOrder : offPage)
        pOrder->SetNewPosition(-1);
    m_listCommands.RemoveAll();
    for (const Item& item : onPage)
        m_listCommands.AddTail(item.pOrder);
    for (CQYOrderSingleCommand* pOrder : offPage)
        m_listCommands.AddTail(pOrder);
}

BOOL CQYOrderCommand::Execute()
{
    if (m_nType >= 1 && m_nType <= 4)
        PlanPositions();
    return RunAll();
}

void CQYOrderCommand::Sprint(CString& strText) const
{
    // Type 0 (no move chosen) has its own text; types past the four moves
    // are unknown.
    if (m_nType == 0) {
        strText = QYLoadCommandString(IDS_QY_CMD_ORDER_NONE);
        return;
    }
    static const UINT kIds[] = {IDS_QY_CMD_ORDER_TOFRONT, IDS_QY_CMD_ORDER_TOBACK, IDS_QY_CMD_ORDER_FORWARD,
                                IDS_QY_CMD_ORDER_BACKWARD};
    SprintType(strText, m_nType, kIds, 4, IDS_QY_CMD_UNKNOWN);
}

CQYLayoutMacro* CQYOrderCommand::NewOfSameClass() const
{
    return new CQYOrderCommand(m_pModel);
}
