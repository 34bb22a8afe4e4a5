#include "library/model/QYDataModel.h"

#include "framework/app/Document.h"
#include "framework/gdi/Font.h"
#include "framework/object/Exceptions.h"
#include "framework/object/GlobalMemory.h"
#include "library/model/QYBackComponent.h"
#include "library/model/QYBaseCommand.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFontUnits.h"
#include "library/model/QYFormProperties.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYTabOrder.h"
#include "library/pickers/QYGlobalData.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// A port placed directly on the page and a link attached to it hold
// references on each other, and no owning shape cuts them as a shape's
// RemoveAllPorts does for its own ports: the model cuts them when it lets
// go of its components, so that neither outlives it.
void DetachPagePorts(CQYCompList& components)
{
    for (POSITION pos = components.GetHeadPosition(); pos != nullptr;) {
        auto* pPort = dynamic_cast<CQYPortComponent*>(components.GetNext(pos));
        if (pPort != nullptr && pPort->GetParentComp() == nullptr)
            pPort->DetachAllLinks();
    }
}

} // namespace

IMPLEMENT_SERIAL(CQYDataModel, CObject, 0)

namespace {

constexpr int kComponentBlockSize = 10;
constexpr COLORREF kWhite = 0xFFFFFF;

} // namespace

CQYDataModel::CQYDataModel() : m_listComponents(kComponentBlockSize), m_strHFFaceName("Times New Roman")
{
    // The page's list answers membership and drawing-order places through
    // its index: edits of a large selection stay linear in the selection.
    m_listComponents.EnableIndex();
    std::memset(&m_psd, 0, sizeof(m_psd));
    CQYFormProperties form(QY_FORM_PROP_ID);
    AddProperty(&form);
    m_pBackComponent = new CQYBackComponent(this);
    m_pFormComponent = new CQYDrawComponent();
    m_pFormComponent->AllocMemory(4);
    m_pFormComponent->AddRef();
    m_nHFFontHeight = PointToLogical(m_nHFPointSize, nullptr, TRUE);
    ResetPageSetup();
    DoInitData();
    m_bModified = FALSE;
}

CQYDataModel::~CQYDataModel()
{
    delete m_pBackComponent;
    m_pBackComponent = nullptr;
    m_pFormComponent->Release();
    m_pFormComponent = nullptr;
    // Commands hold references on components: they go before the list.
    DeleteAll();
    FreePrinterBlocks();
    ReleaseHeaderFont();
    RemoveAllProperties();
    DetachPagePorts(m_listComponents);
    m_listComponents.RemoveAll();
}

void CQYDataModel::ResetModel()
{
    ResetPageSetup();
    DoInitData();
}

void CQYDataModel::DoInitData()
{
    m_rcPrintPage = GetPrintPageSize();
    m_rcPage = m_rcPrintPage;
    CQYFormProperties* pForm = GetDefaultProperty();
    if (m_bFormDesignMode) {
        m_rcPage.SetRect(0, 0, 450, 400);
        if (pForm != nullptr) {
            pForm->SetBkColor(qyGlobalData.m_clrBtnFace);
            pForm->ShowTitleBar(TRUE);
            pForm->ShowIcon(TRUE);
            pForm->SetCloseButton(TRUE);
            pForm->Set3DBorder(TRUE);
            pForm->ShowGrid(TRUE);
            pForm->ShowMargin(TRUE);
            pForm->SetPageBkColor(kWhite);
        }
    }
    SetPagePosition(m_rcPage);
    if (pForm != nullptr) {
        pForm->SetObjectCaption("Caption");
        pForm->SetMarginXStart(14);
        pForm->SetMarginYStart(14);
        pForm->SetMarginXEnd(14);
        pForm->SetMarginYEnd(14);
    }
}

// ---------------------------------------------------------------------------
// Owner document, title, modified state

void CQYDataModel::SetOwnerDocument(CDocument* pDocument)
{
    m_pOwnerDoc = pDocument;
}

CDocument* CQYDataModel::GetOwnerDocument()
{
    return m_pOwnerDoc;
}

CString CQYDataModel::GetTitle()
{
    return m_strTitle;
}

void CQYDataModel::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle != nullptr ? lpszTitle : "";
}

void CQYDataModel::UpdateTitle()
{
    if (m_pOwnerDoc == nullptr || !m_pOwnerDoc->IsKindOf(RUNTIME_CLASS(CDocument)))
        return;
    if (m_strTitle.IsEmpty() && !m_pOwnerDoc->GetTitle().IsEmpty())
        m_strTitle = m_pOwnerDoc->GetTitle();
    if (m_strTitle.IsEmpty())
        return;
    CString strTitle = m_strTitle;
    if (IsDirty() && m_strTitle.Find('*') < 0)
        strTitle += " *";
    if (std::strcmp(m_pOwnerDoc->GetTitle(), strTitle) != 0)
        m_pOwnerDoc->SetTitle(strTitle);
}

void CQYDataModel::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CQYDataModel::IsModified()
{
    return IsDirty() || m_bModified;
}

void CQYDataModel::OnHistoryChanged()
{
    UpdateTitle();
}

void CQYDataModel::OnCommandExecuted(CQYBaseCommand* pCommand)
{
    if (pCommand == nullptr)
        return;
    CString strText;
    pCommand->Sprint(strText);
    CString strMessage;
    strMessage.Format("%s", static_cast<LPCTSTR>(strText));
    if (CWnd* pMainWnd = AfxGetMainWnd(); pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
        pMainWnd->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(strMessage)));
    if (m_pOwnerDoc != nullptr && m_pOwnerDoc->IsKindOf(RUNTIME_CLASS(CDocument)))
        m_pOwnerDoc->UpdateAllViews(nullptr, 0, pCommand);
}

// ---------------------------------------------------------------------------
// Property list

CQYFormProperties* CQYDataModel::GetDefaultProperty()
{
    CQYBaseProperties* pProp = FindProperty(QY_FORM_PROP_ID);
    return pProp != nullptr && pProp->IsKindOf(RUNTIME_CLASS(CQYFormProperties))
               ? static_cast<CQYFormProperties*>(pProp)
               : nullptr;
}

CQYBaseProperties* CQYDataModel::FindProperty(int nId)
{
    POSITION pos = m_listProperties.GetHeadPosition();
    while (pos != nullptr) {
        auto* pProp = static_cast<CQYBaseProperties*>(m_listProperties.GetNext(pos));
        if (pProp->GetPropId() == nId)
            return pProp;
    }
    return nullptr;
}

BOOL CQYDataModel::AddProperty(CQYBaseProperties* pProp)
{
    if (pProp == nullptr || FindProperty(pProp->GetPropId()) != nullptr)
        return FALSE;
    m_listProperties.AddTail(pProp->Copy());
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CQYDataModel::RemoveProperty(int nId)
{
    POSITION pos = m_listProperties.GetHeadPosition();
    while (pos != nullptr) {
        const POSITION posThis = pos;
        auto* pProp = static_cast<CQYBaseProperties*>(m_listProperties.GetNext(pos));
        if (pProp->GetPropId() == nId) {
            m_listProperties.RemoveAt(posThis);
            // The model owns its sets: one taken out is deleted.
            delete pProp;
            SetModifiedFlag(TRUE);
            return TRUE;
        }
    }
    return FALSE;
}

void CQYDataModel::RemoveAllProperties()
{
    while (!m_listProperties.IsEmpty())
        delete static_cast<CQYBaseProperties*>(m_listProperties.RemoveHead());
}

// ---------------------------------------------------------------------------
// Form design mode

BOOL CQYDataModel::IsFormDesignMode()
{
    return m_bFormDesignMode;
}

void CQYDataModel::SetFormDesignMode(BOOL bOn)
{
    m_bFormDesignMode = bOn;
    CQYFormProperties* pForm = GetDefaultProperty();
    if (pForm != nullptr) {
        pForm->ShowTitleBar(bOn);
        pForm->ShowIcon(bOn);
        pForm->SetCloseButton(bOn);
        pForm->Set3DBorder(bOn);
        pForm->ShowMargin(bOn);
        if (bOn)
            pForm->ShowGrid(TRUE);
        pForm->SetPageBkColor(bOn ? kWhite : qyGlobalData.m_clrDesktop);
    }
    if (!bOn)
        RecalcPrintPage();
}

// ---------------------------------------------------------------------------
// Component list

BOOL CQYDataModel::InsertComponent(CQYDrawComponent* pComp)
{
    if (pComp == nullptr)
        return FALSE;
    try {
        QYSetTabOrderOf(pComp, GetMaxTabOrder() + 1);
        if (m_listComponents.AddTail(pComp) == nullptr)
            return FALSE;
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(TRUE);
    return TRUE;
}

int CQYDataModel::InsertComponents(CQYCompList* pList)
{
    if (pList == nullptr)
        return 0;
    int nAdded = 0;
    try {
        // Each added component takes the next tab order after the page's
        // highest; the page is walked once for it, not once per component.
        int nMaxOrder = GetMaxTabOrder();
        POSITION pos = pList->GetHeadPosition();
        while (pos != nullptr) {
            CQYDrawComponent* pComp = pList->GetNext(pos);
            // A component already on the page keeps its place in the tab
            // order: renumbering it would leave a gap and a duplicate.
            if (m_listComponents.Find(pComp) != nullptr)
                continue;
            QYSetTabOrderOf(pComp, nMaxOrder + 1);
            if (m_listComponents.AddTail(pComp) != nullptr) {
                ++nAdded;
                ++nMaxOrder;
            }
        }
    } catch (CMemoryException* e) {
        e->Delete();
    }
    SetModifiedFlag(TRUE);
    return nAdded;
}

BOOL CQYDataModel::RemoveComponent(CQYDrawComponent* pComp)
{
    POSITION pos = m_listComponents.Find(pComp);
    if (pos == nullptr)
        return FALSE;
    const int nOrder = QYTabOrderOf(pComp);
    m_listComponents.RemoveAt(pos);
    CompactTabOrder(nOrder);
    SetModifiedFlag(TRUE);
    return TRUE;
}

int CQYDataModel::RemoveComponents(CQYCompList* pList)
{
    if (pList == nullptr)
        return 0;
    // The list may be the model's own: walk a snapshot.
    std::vector<CQYDrawComponent*> comps;
    comps.reserve(static_cast<size_t>(pList->GetCount()));
    POSITION pos = pList->GetHeadPosition();
    while (pos != nullptr)
        comps.push_back(pList->GetNext(pos));
    int nRemoved = 0;
    for (CQYDrawComponent* pComp : comps) {
        if (m_listComponents.Find(pComp) == nullptr)
            continue;
        // Hold the component while it leaves, in case the list held the
        // last reference and pList names it again.
        pComp->AddRef();
        if (RemoveComponent(pComp))
            ++nRemoved;
        pComp->Release();
    }
    SetModifiedFlag(TRUE);
    return nRemoved;
}

void CQYDataModel::CompactTabOrder(int nOrder)
{
    POSITION pos = m_listComponents.GetHeadPosition();
    while (pos != nullptr) {
        CQYDrawComponent* pComp = m_listComponents.GetNext(pos);
        if (QYTabOrderOf(pComp) > nOrder)
            QYSetTabOrderOf(pComp, QYTabOrderOf(pComp) - 1);
    }
    SetModifiedFlag(TRUE);
}

int CQYDataModel::GetMaxTabOrder()
{
    int nMax = 0;
    POSITION pos = m_listComponents.GetHeadPosition();
    while (pos != nullptr)
        nMax = std::max(nMax, QYTabOrderOf(m_listComponents.GetNext(pos)));
    return nMax;
}

void CQYDataModel::MakeTabOrdersDense()
{
    std::vector<CQYDrawComponent*> comps;
    comps.reserve(static_cast<size_t>(m_listComponents.GetCount()));
    POSITION pos = m_listComponents.GetHeadPosition();
    while (pos != nullptr)
        comps.push_back(m_listComponents.GetNext(pos));
    // A page saved by this model is numbered 1..n in list order already.
    bool bDense = true;
    for (size_t i = 0; i < comps.size() && bDense; ++i)
        bDense = QYTabOrderOf(comps[i]) == static_cast<int>(i + 1);
    if (bDense)
        return;
    std::stable_sort(comps.begin(), comps.end(),
                     [](CQYDrawComponent* a, CQYDrawComponent* b) { return QYTabOrderOf(a) < QYTabOrderOf(b); });
    int nOrder = 0;
    for (CQYDrawComponent* pComp : comps)
        QYSetTabOrderOf(pComp, ++nOrder);
}

void CQYDataModel::RemoveAllComponents()
{
    Reset();
    DetachPagePorts(m_listComponents);
    m_listComponents.RemoveAll();
}

void CQYDataModel::OnDrawBack(CDC* pDC)
{
    if (m_pBackComponent != nullptr)
        m_pBackComponent->OnDraw(pDC);
}

void CQYDataModel::NormalizeRect(CRect& rect)
{
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
}

void CQYDataModel::CopyRect(CRect& rectDest, const CRect& rectSrc)
{
    rectDest = rectSrc;
}
