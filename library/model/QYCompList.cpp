#include "library/model/QYCompList.h"

#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "library/model/QYCompListIndex.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawingChanges.h"
#include "library/model/QYLoadedLinks.h"

#include <vector>

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

void KeepComponent(CQYDrawComponent*) {}

} // namespace

CQYCompList::CQYCompList(int nBlockSize) : m_list(nBlockSize) {}

CQYCompList::CQYCompList(const CQYCompList& src) : CObject(), m_list(src.GetBlockSize())
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

void CQYCompList::IndexInserted(int nIndex, POSITION position)
{
    QYNoteDrawingChange();
    if (m_pIndex != nullptr)
        m_pIndex->Insert(nIndex, position, m_list.GetAt(position));
}

void CQYCompList::IndexRemoving(POSITION position)
{
    QYNoteDrawingChange();
    if (m_pIndex != nullptr)
        m_pIndex->Remove(position);
}

POSITION CQYCompList::AddTail(CQYDrawComponent* pComp)
{
    if (!IsAcceptable(pComp))
        return nullptr;
    POSITION position = m_list.AddTail(pComp);
    IndexInserted(m_list.GetCount() - 1, position);
    pComp->AddRef();
    return position;
}

POSITION CQYCompList::AddHead(CQYDrawComponent* pComp)
{
    if (!IsAcceptable(pComp))
        return nullptr;
    POSITION position = m_list.AddHead(pComp);
    IndexInserted(0, position);
    pComp->AddRef();
    return position;
}

POSITION CQYCompList::InsertBefore(POSITION position, CQYDrawComponent* pComp)
{
    if (!IsAcceptable(pComp))
        return nullptr;
    // A NULL place inserts at the head.
    const int nIndex = position != nullptr ? GetIndexOf(position) : 0;
    POSITION inserted = m_list.InsertBefore(position, pComp);
    IndexInserted(nIndex, inserted);
    pComp->AddRef();
    return inserted;
}

POSITION CQYCompList::InsertAfter(POSITION position, CQYDrawComponent* pComp)
{
    if (!IsAcceptable(pComp))
        return nullptr;
    // A NULL place appends.
    const int nIndex = position != nullptr ? GetIndexOf(position) + 1 : m_list.GetCount();
    POSITION inserted = m_list.InsertAfter(position, pComp);
    IndexInserted(nIndex, inserted);
    pComp->AddRef();
    return inserted;
}

void CQYCompList::AddTail(const CQYCompList* pList)
{
    if (pList == nullptr)
        return;
    // Counted first, so that appending a list to itself ends.
    int nLeft = pList->GetCount();
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr && nLeft > 0; --nLeft)
        AddTail(pList->GetNext(pos));
}

POSITION CQYCompList::AdoptTail(CQYDrawComponent* pComp)
{
    if (pComp == nullptr)
        return nullptr;
    POSITION position = m_list.AddTail(pComp);
    IndexInserted(m_list.GetCount() - 1, position);
    return position;
}

void CQYCompList::RemoveAt(POSITION position)
{
    if (position == nullptr)
        return;
    // Unlinked before the release: the component's destructor may look at
    // this list.
    CQYDrawComponent* pComp = m_list.GetAt(position);
    IndexRemoving(position);
    m_list.RemoveAt(position);
    pComp->Release();
}

CQYDrawComponent* CQYCompList::RemoveHead()
{
    if (m_list.IsEmpty())
        return nullptr;
    IndexRemoving(m_list.GetHeadPosition());
    return m_list.RemoveHead();
}

CQYDrawComponent* CQYCompList::RemoveTail()
{
    if (m_list.IsEmpty())
        return nullptr;
    IndexRemoving(m_list.GetTailPosition());
    return m_list.RemoveTail();
}

void CQYCompList::Clear(void (*pfnEach)(CQYDrawComponent*))
{
    std::vector<CQYDrawComponent*> former;
    former.reserve(static_cast<size_t>(m_list.GetCount()));
    for (POSITION pos = m_list.GetHeadPosition(); pos != nullptr;)
        former.push_back(m_list.GetNext(pos));
    QYNoteDrawingChange();
    if (m_pIndex != nullptr)
        m_pIndex->Clear();
    m_list.RemoveAll();
    for (CQYDrawComponent* pComp : former)
        pfnEach(pComp);
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
    if (m_pIndex != nullptr && startAfter == nullptr)
        return m_pIndex->FindFirst(pComp);
    return m_list.Find(const_cast<CQYDrawComponent*>(pComp), startAfter);
}

POSITION CQYCompList::FindIndex(int nIndex) const
{
    if (m_pIndex != nullptr)
        return m_pIndex->At(nIndex);
    return m_list.FindIndex(nIndex);
}

int CQYCompList::GetIndexOf(POSITION position) const
{
    if (position == nullptr)
        return -1;
    if (m_pIndex != nullptr)
        return m_pIndex->IndexOf(position);
    int nIndex = 0;
    for (POSITION pos = m_list.GetHeadPosition(); pos != nullptr; ++nIndex) {
        if (pos == position)
            return nIndex;
        m_list.GetNext(pos);
    }
    return -1;
}

void CQYCompList::EnableIndex()
{
    if (m_pIndex != nullptr)
        return;
    m_pIndex = std::make_unique<CQYCompListIndex>();
    int nIndex = 0;
    for (POSITION pos = m_list.GetHeadPosition(); pos != nullptr; ++nIndex) {
        POSITION here = pos;
        m_pIndex->Insert(nIndex, here, m_list.GetNext(pos));
    }
}

CQYDrawComponent* CQYCompList::GetHead() const
{
    return m_list.IsEmpty() ? nullptr : m_list.GetHead();
}

CQYDrawComponent* CQYCompList::GetTail() const
{
    return m_list.IsEmpty() ? nullptr : m_list.GetTail();
}

// ---------------------------------------------------------------------------
// Archive record

void CQYCompList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos != nullptr;)
            ar.WriteObject(GetNext(pos));
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
    try {
        for (DWORD_PTR i = 0; i < nCount; ++i) {
            CObject* pObject = nullptr;
            {
                // The component made for this record takes its stored
                // property sets without building default ones first.
                const CQYDrawComponent::ReadingStoredComponent reading;
                pObject = ar.ReadObject(RUNTIME_CLASS(CQYDrawComponent));
            }
            auto* pComp = static_cast<CQYDrawComponent*>(pObject);
            if (!IsAcceptable(pComp))
                AfxThrowArchiveException(CArchiveException::badClass);
            loaded.AddTail(pComp);
        }
    } catch (...) {
        // What was read may link back to itself through its ports; those
        // links would keep it alive once this list lets go.
        QYDetachLoadedLinks(loaded);
        throw;
    }
    // Loading appends; the references move over unchanged.
    while (!loaded.IsEmpty())
        AdoptTail(loaded.RemoveHead());
}
