// CList<TYPE, ARG_TYPE>: a doubly linked list with the framework's iteration.
// A POSITION is the address of a node; GetNext and GetPrev return the element
// at the position and then move it, so a caller can keep the position of the
// element it just got and remove it without disturbing the walk:
//
//     POSITION pos = list.GetHeadPosition();
//     while (pos != NULL) {
//         POSITION posThis = pos;
//         if (ShouldGo(list.GetNext(pos)))
//             list.RemoveAt(posThis);
//     }
//
// Nodes come from blocks of "block size" nodes (default 10); when the list
// becomes empty every block is released.
#pragma once

#include "framework/collections/CollectionErrors.h"
#include "framework/collections/ElementTraits.h"
#include "framework/collections/NodePool.h"
#include "framework/collections/Position.h"
#include "framework/collections/SerializeElements.h"
#include "framework/object/Object.h"

#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE &>
class CList : public CObject {
protected:
    struct CNode {
        CNode *pNext;
        CNode *pPrev;
        TYPE data;
    };

public:
    explicit CList(int nBlockSize = 10) : m_pool(nBlockSize) {}
    ~CList() override { RemoveAll(); }

    // Count
    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    // Nodes allocated at a time; TRUE while node blocks are allocated (an
    // empty list holds none).
    int GetBlockSize() const { return m_pool.GetBlockSize(); }
    BOOL HasNodeBlocks() const { return m_pool.HasBlocks(); }

    // Head and tail
    TYPE &GetHead() { return CheckedNode(m_pNodeHead)->data; }
    const TYPE &GetHead() const { return CheckedNode(m_pNodeHead)->data; }
    TYPE &GetTail() { return CheckedNode(m_pNodeTail)->data; }
    const TYPE &GetTail() const { return CheckedNode(m_pNodeTail)->data; }
    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement);
    POSITION AddTail(ARG_TYPE newElement);
    void AddHead(const CList *pNewList);
    void AddTail(const CList *pNewList);
    void RemoveAll();

    // Iteration
    POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }
    TYPE &GetNext(POSITION &rPosition) { return Step(rPosition, true)->data; }
    const TYPE &GetNext(POSITION &rPosition) const { return Step(rPosition, true)->data; }
    TYPE &GetPrev(POSITION &rPosition) { return Step(rPosition, false)->data; }
    const TYPE &GetPrev(POSITION &rPosition) const { return Step(rPosition, false)->data; }

    // Access and change at a position
    TYPE &GetAt(POSITION position) { return CheckedNode(FromPosition(position))->data; }
    const TYPE &GetAt(POSITION position) const { return CheckedNode(FromPosition(position))->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { CheckedNode(FromPosition(pos))->data = newElement; }
    void RemoveAt(POSITION position);
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // Searching: the first match after startAfter (from the head when NULL);
    // the node at nIndex counting from 0 at the head.  NULL when none.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
    POSITION FindIndex(int nIndex) const;

    // Count, then the elements in list order through SerializeElements;
    // loading appends.
    void Serialize(CArchive &ar) override;

protected:
    CNode *m_pNodeHead = nullptr;
    CNode *m_pNodeTail = nullptr;
    int m_nCount = 0;

private:
    static POSITION ToPosition(CNode *pNode) { return reinterpret_cast<POSITION>(pNode); }
    static CNode *FromPosition(POSITION pos) { return reinterpret_cast<CNode *>(pos); }
    static CNode *CheckedNode(CNode *pNode)
    {
        if (pNode == nullptr)
            ThrowCollectionBadArgument();
        return pNode;
    }
    CNode *Step(POSITION &rPosition, bool bForward) const
    {
        CNode *pNode = CheckedNode(FromPosition(rPosition));
        rPosition = ToPosition(bForward ? pNode->pNext : pNode->pPrev);
        return pNode;
    }
    CNode *NewNode(CNode *pPrev, CNode *pNext, ARG_TYPE value);
    void FreeNode(CNode *pNode);
    void Unlink(CNode *pNode);

    CollectionNodePool<CNode> m_pool;
};

// The element is copied into the node before the node joins the list.
template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode *CList<TYPE, ARG_TYPE>::NewNode(CNode *pPrev, CNode *pNext, ARG_TYPE value)
{
    void *pStorage = m_pool.Take();
    CNode *pNode;
    try {
        pNode = ::new (pStorage) CNode{.pNext = pNext, .pPrev = pPrev, .data = TYPE(value)};
    } catch (...) {
        m_pool.Give(pStorage);
        throw;
    }
    m_nCount++;
    return pNode;
}

// The last node going releases every block.
template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::FreeNode(CNode *pNode)
{
    ASSERT(pNode != nullptr && m_nCount > 0);
    pNode->~CNode();
    m_pool.Give(pNode);
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Unlink(CNode *pNode)
{
    ASSERT(pNode != nullptr);
    if (pNode->pPrev != nullptr)
        pNode->pPrev->pNext = pNode->pNext;
    else
        m_pNodeHead = pNode->pNext;
    if (pNode->pNext != nullptr)
        pNode->pNext->pPrev = pNode->pPrev;
    else
        m_pNodeTail = pNode->pPrev;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    for (CNode *pNode = m_pNodeHead; pNode != nullptr;) {
        CNode *pNext = pNode->pNext;
        pNode->~CNode();
        pNode = pNext;
    }
    m_pNodeHead = m_pNodeTail = nullptr;
    m_nCount = 0;
    m_pool.FreeAll();
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement)
{
    CNode *pNode = NewNode(nullptr, m_pNodeHead, newElement);
    if (m_pNodeHead != nullptr)
        m_pNodeHead->pPrev = pNode;
    else
        m_pNodeTail = pNode;
    m_pNodeHead = pNode;
    return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement)
{
    CNode *pNode = NewNode(m_pNodeTail, nullptr, newElement);
    if (m_pNodeTail != nullptr)
        m_pNodeTail->pNext = pNode;
    else
        m_pNodeHead = pNode;
    m_pNodeTail = pNode;
    return ToPosition(pNode);
}

// Both keep the other list's order.  A list added to itself is doubled: the
// walk stops after the elements it had when the call began.
template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(const CList *pNewList)
{
    if (pNewList == nullptr)
        ThrowCollectionBadArgument();
    CNode *pNode = pNewList->m_pNodeTail;
    for (int n = pNewList->m_nCount; n > 0; n--, pNode = pNode->pPrev)
        AddHead(pNode->data);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(const CList *pNewList)
{
    if (pNewList == nullptr)
        ThrowCollectionBadArgument();
    CNode *pNode = pNewList->m_pNodeHead;
    for (int n = pNewList->m_nCount; n > 0; n--, pNode = pNode->pNext)
        AddTail(pNode->data);
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    CNode *pNode = CheckedNode(m_pNodeHead);
    TYPE value(std::move(pNode->data));
    Unlink(pNode);
    FreeNode(pNode);
    return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    CNode *pNode = CheckedNode(m_pNodeTail);
    TYPE value(std::move(pNode->data));
    Unlink(pNode);
    FreeNode(pNode);
    return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode *pNode = CheckedNode(FromPosition(position));
    Unlink(pNode);
    FreeNode(pNode);
}

// A NULL position inserts at the head (InsertBefore) or the tail (InsertAfter).
template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    if (position == nullptr)
        return AddHead(newElement);
    CNode *pOld = FromPosition(position);
    CNode *pNode = NewNode(pOld->pPrev, pOld, newElement);
    if (pOld->pPrev != nullptr)
        pOld->pPrev->pNext = pNode;
    else
        m_pNodeHead = pNode;
    pOld->pPrev = pNode;
    return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    if (position == nullptr)
        return AddTail(newElement);
    CNode *pOld = FromPosition(position);
    CNode *pNode = NewNode(pOld, pOld->pNext, newElement);
    if (pOld->pNext != nullptr)
        pOld->pNext->pPrev = pNode;
    else
        m_pNodeTail = pNode;
    pOld->pNext = pNode;
    return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode *pNode = startAfter == nullptr ? m_pNodeHead : FromPosition(startAfter)->pNext;
    for (; pNode != nullptr; pNode = pNode->pNext) {
        if (CompareElements(&pNode->data, &searchValue))
            return ToPosition(pNode);
    }
    return nullptr;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CNode *pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive &ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        for (CNode *pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
            SerializeElements<TYPE>(ar, &pNode->data, 1);
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    CheckArchivedCount(ar, nCount, ArchivedElementMinSize<TYPE>());
    while (nCount-- > 0) {
        TYPE newData{};
        SerializeCollectionElements<TYPE>(ar, this, &newData, 1);
        AddTail(newData);
    }
}
