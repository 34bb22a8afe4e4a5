#include "library/model/QYCompList.h"

#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "library/model/QYDrawComponent.h"

IMPLEMENT_SERIAL(CQYCompList, CObject, 0)

namespace {

void ReleaseComponent(CQYDrawComponent* pComp)
{
    pComp->Release();
}

void DeleteComponent(CQYDrawComponent* pComp)
{
    delete pComp;
}

void KeepComponent(CQYDrawComponent*)
{
}

} // namespace

CQYCompList::CQYCompList(int nBlockSize) : m_pool(nBlockSize)
{
}

CQYCompList::CQYCompList(const CQYCompList& src) : CObject(), m_pool(src.GetBlockSize())
{
    AddTail(&src);
}

CQYCompList& CQYCompList::operator=(const CQYCompList& src)
{
    if (this != &src) {
        // The new references are taken before the old ones are given back,
        // so a component held by both lists never reaches a count of 0.
        CQYCompList old(GetBlockSize());
        while (!IsEmpty())
            old.AdoptTail(RemoveHead());
        AddTail(&src);
    }
    return *this;
}

CQYCompList::~CQYCompList()
{
    RemoveAll();
}

BOOL CQYCompList::IsAcceptable(const CQYDrawComponent* pComp)
{
    return pComp != nullptr && pComp->IsKindOf(RUNTIME_CLASS(CQYDrawComponent));
}

CQYCompList::Node* CQYCompList::NewNode(Node* pPrev, Node* pNext, CQYDrawComponent* pComp)
{
    Node* pNode = static_cast<Node*>(m_pool.Take());
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    pNode->pComp = pComp;
    if (pPrev != nullptr)
        pPrev->pNext = pNode;
    else
        m_pNodeHead = pNode;
    if (pNext != nullptr)
        pNext->pPrev = pNode;
    else
        m_pNodeTail = pNode;
    ++m_nCount;
    return pNode;
}

POSITION CQYCompList::AddTail(CQYDrawComponent* pComp)
{
    if (!IsAcceptable(pComp))
        return nullptr;
    Node* pNode = NewNode(m_pNodeTail, nullptr, pComp);
    pComp->AddRef();
    return ToPosition(pNode);
}

POSITION CQYCompList::AddHead(CQYDrawComponent* pComp)
{
    if (!IsAcceptable(pComp))
        return nullptr;
    Node* pNode = NewNode(nullptr, m_pNodeHead, pComp);
    pComp->AddRef();
    return ToPosition(pNode);
}

POSITION CQYCompList::InsertBefore(POSITION position, CQYDrawComponent* pComp)
{
    if (position == nullptr)
        return AddHead(pComp);
    if (!IsAcceptable(pComp))
        return nullptr;
    Node* pOld = ToNode(position);
    Node* pNode = NewNode(pOld->pPrev, pOld, pComp);
    pComp->AddRef();
    return ToPosition(pNode);
}

POSITION CQYCompList::InsertAfter(POSITION position, CQYDrawComponent* pComp)
{
    if (position == nullptr)
        return AddTail(pComp);
    if (!IsAcceptable(pComp))
        return nullptr;
    Node* pOld = ToNode(position);
    Node* pNode = NewNode(pOld, pOld->pNext, pComp);
    pComp->AddRef();
    return ToPosition(pNode);
}

void CQYCompList::AddTail(const CQYCompList* pList)
{
    if (pList == nullptr)
        return;
    // Counted first, so that appending a list to itself ends.
    int nLeft = pList->GetCount();
    for (Node* pNode = pList->m_pNodeHead; pNode != nullptr && nLeft > 0; pNode = pNode->pNext, --nLeft)
        AddTail(pNode->pComp);
}

POSITION CQYCompList::AdoptTail(CQYDrawComponent* pComp)
{
    if (pComp == nullptr)
        return nullptr;
    return ToPosition(NewNode(m_pNodeTail, nullptr, pComp));
}

CQYDrawComponent* CQYCompList::Unlink(Node* pNode)
{
    if (pNode->pPrev != nullptr)
        pNode->pPrev->pNext = pNode->pNext;
    else
        m_pNodeHead = pNode->pNext;
    if (pNode->pNext != nullptr)
        pNode->pNext->pPrev = pNode->pPrev;
    else
        m_pNodeTail = pNode->pPrev;
    CQYDrawComponent* pComp = pNode->pComp;
    m_pool.Give(pNode);
    if (--m_nCount == 0 && m_nClearing == 0)
        m_pool.FreeAll();
    return pComp;
}

void CQYCompList::RemoveAt(POSITION position)
{
    if (position == nullptr)
        return;
    // Unlinked before the release: the component's destructor may look at
    // this list.
    Unlink(ToNode(position))->Release();
}

CQYDrawComponent* CQYCompList::RemoveHead()
{
    return m_pNodeHead != nullptr ? Unlink(m_pNodeHead) : nullptr;
}

CQYDrawComponent* CQYCompList::RemoveTail()
{
    return m_pNodeTail != nullptr ? Unlink(m_pNodeTail) : nullptr;
}

void CQYCompList::Clear(void (*pfnEach)(CQYDrawComponent*))
{
    Node* pNode = m_pNodeHead;
    m_pNodeHead = nullptr;
    m_pNodeTail = nullptr;
    m_nCount = 0;
    // The detached nodes stay allocated until every element has been
    // handed on; then they go back to the pool.
    ++m_nClearing;
    for (Node* p = pNode; p != nullptr; p = p->pNext)
        pfnEach(p->pComp);
    --m_nClearing;
    while (pNode != nullptr) {
        Node* pNext = pNode->pNext;
        m_pool.Give(pNode);
        pNode = pNext;
    }
    if (m_nCount == 0 && m_nClearing == 0)
        m_pool.FreeAll();
}

void CQYCompList::RemoveAll()
{
    Clear(ReleaseComponent);
}

void CQYCompList::RemoveAllWithoutRelease()
{
    Clear(KeepComponent);
}

void CQYCompList::RemoveAllAndDelete()
{
    Clear(DeleteComponent);
}

POSITION CQYCompList::Find(const CQYDrawComponent* pComp, POSITION startAfter) const
{
    Node* pNode = startAfter != nullptr ? ToNode(startAfter)->pNext : m_pNodeHead;
    for (; pNode != nullptr; pNode = pNode->pNext) {
        if (pNode->pComp == pComp)
            return ToPosition(pNode);
    }
    return nullptr;
}

POSITION CQYCompList::FindIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    Node* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return ToPosition(pNode);
}

CQYDrawComponent* CQYCompList::GetNext(POSITION& rPosition) const
{
    Node* pNode = ToNode(rPosition);
    rPosition = ToPosition(pNode->pNext);
    return pNode->pComp;
}

CQYDrawComponent* CQYCompList::GetPrev(POSITION& rPosition) const
{
    Node* pNode = ToNode(rPosition);
    rPosition = ToPosition(pNode->pPrev);
    return pNode->pComp;
}

CQYDrawComponent* CQYCompList::GetAt(POSITION position) const
{
    return ToNode(position)->pComp;
}

CQYDrawComponent* CQYCompList::GetHead() const
{
    return m_pNodeHead != nullptr ? m_pNodeHead->pComp : nullptr;
}

CQYDrawComponent* CQYCompList::GetTail() const
{
    return m_pNodeTail != nullptr ? m_pNodeTail->pComp : nullptr;
}

// ---------------------------------------------------------------------------
// Archive record

void CQYCompList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        for (Node* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
            ar.WriteObject(pNode->pComp);
        return;
    }
    LoadComponents(ar);
}

void CQYCompList::LoadComponents(CArchive& ar)
{
    // Read into a list of our own first: on any error its references are
    // given back (deleting what only it held) and this list is unchanged.
    CQYCompList loaded(GetBlockSize());
    DWORD_PTR nCount = ar.ReadCount();
    if (nCount > static_cast<DWORD_PTR>(0x7FFFFFFF))
        AfxThrowArchiveException(CArchiveException::generic);
    for (DWORD_PTR i = 0; i < nCount; ++i) {
        CObject* pObject = nullptr;
        {
            // The component made for this record takes its stored property
            // sets without building default ones first.
            const CQYDrawComponent::ReadingStoredComponent reading;
            pObject = ar.ReadObject(RUNTIME_CLASS(CQYDrawComponent));
        }
        auto* pComp = static_cast<CQYDrawComponent*>(pObject);
        if (!IsAcceptable(pComp))
            AfxThrowArchiveException(CArchiveException::badClass);
        loaded.AddTail(pComp);
    }
    // Loading appends; the references move over unchanged.
    while (!loaded.IsEmpty())
        AdoptTail(loaded.RemoveHead());
}
