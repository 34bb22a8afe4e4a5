// CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>: a hash map with the framework's layout
// and visiting order.  The table has a fixed number of buckets (17 unless
// InitHashTable says otherwise; it never grows by itself).  A key lives in
// bucket HashKey(key) % table size; a new key goes to the front of its
// bucket's chain.  GetStartPosition/GetNextAssoc visit the buckets from 0
// upwards and each chain from its front, so the order is fixed by the keys,
// the table size and the insertion order within a bucket.
//
// GetNextAssoc moves the position on before it returns, so removing the key
// just returned does not disturb the walk.
#pragma once

#include "framework/collections/CollectionErrors.h"
#include "framework/collections/ElementTraits.h"
#include "framework/collections/NodePool.h"
#include "framework/collections/Position.h"
#include "framework/collections/SerializeElements.h"
#include "framework/object/Object.h"

#include <new>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
protected:
    struct CAssoc {
        CAssoc *pNext;
        UINT nHashValue; // the bucket index
        KEY key;
        VALUE value;
    };

public:
    explicit CMap(int nBlockSize = 10) : m_pool(nBlockSize) {}
    ~CMap() override { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // Lookup: TRUE and the value when the key is present.
    BOOL Lookup(ARG_KEY key, VALUE &rValue) const;
    // The value of the key, added with a default value when missing.
    VALUE &operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    // Iteration in bucket order; NULL when the map is empty.
    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION &rNextPosition, KEY &rKey, VALUE &rValue) const;

    // Sets the number of buckets.  The table is allocated now (or with the
    // first key when bAllocNow is FALSE); keys already present are moved to
    // their new buckets.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);
    UINT GetHashTableSize() const { return m_nHashTableSize; }
    UINT HashKey(ARG_KEY key) const { return ::HashKey<ARG_KEY>(key); }

    // Count, then key and value of each pair in visiting order, through
    // SerializeElements; loading adds the pairs with SetAt.
    void Serialize(CArchive &ar) override;

protected:
    CAssoc **m_pHashTable = nullptr;
    UINT m_nHashTableSize = 17;
    int m_nCount = 0;

private:
    UINT BucketOf(ARG_KEY key) const { return ::HashKey<ARG_KEY>(key) % m_nHashTableSize; }
    CAssoc *GetAssocAt(ARG_KEY key, UINT &nBucket) const;
    CAssoc *FirstAssocFrom(UINT nBucket) const;
    void AllocateTable(UINT hashSize);
    void FreeAssoc(CAssoc *pAssoc);

    CollectionNodePool<CAssoc> m_pool;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::AllocateTable(UINT hashSize)
{
    try {
        m_pHashTable = new CAssoc *[hashSize]();
    } catch (const std::bad_alloc &) {
        ThrowCollectionOutOfMemory();
    }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc *
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT &nBucket) const
{
    nBucket = BucketOf(key);
    if (m_pHashTable == nullptr)
        return nullptr;
    for (CAssoc *pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
        if (CompareElements(&pAssoc->key, &key))
            return pAssoc;
    }
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE &rValue) const
{
    UINT nBucket;
    CAssoc *pAssoc = GetAssocAt(key, nBucket);
    if (pAssoc == nullptr)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE &CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nBucket;
    CAssoc *pAssoc = GetAssocAt(key, nBucket);
    if (pAssoc != nullptr)
        return pAssoc->value;
    if (m_pHashTable == nullptr)
        AllocateTable(m_nHashTableSize);
    void *pStorage = m_pool.Take();
    try {
        pAssoc = ::new (pStorage)
            CAssoc{.pNext = m_pHashTable[nBucket], .nHashValue = nBucket, .key = KEY(key), .value = VALUE()};
    } catch (...) {
        m_pool.Give(pStorage);
        throw;
    }
    m_pHashTable[nBucket] = pAssoc;
    m_nCount++;
    return pAssoc->value;
}

// The last key going releases the table and every block, as RemoveAll does;
// the table size stays.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FreeAssoc(CAssoc *pAssoc)
{
    pAssoc->~CAssoc();
    m_pool.Give(pAssoc);
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == nullptr)
        return FALSE;
    CAssoc **ppPrev = &m_pHashTable[BucketOf(key)];
    for (CAssoc *pAssoc = *ppPrev; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
        if (CompareElements(&pAssoc->key, &key)) {
            *ppPrev = pAssoc->pNext;
            FreeAssoc(pAssoc);
            return TRUE;
        }
        ppPrev = &pAssoc->pNext;
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != nullptr) {
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++) {
            for (CAssoc *pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr;) {
                CAssoc *pNext = pAssoc->pNext;
                pAssoc->~CAssoc();
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
    }
    m_nCount = 0;
    m_pool.FreeAll();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc *
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FirstAssocFrom(UINT nBucket) const
{
    for (; nBucket < m_nHashTableSize; nBucket++) {
        if (m_pHashTable[nBucket] != nullptr)
            return m_pHashTable[nBucket];
    }
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION &rNextPosition, KEY &rKey, VALUE &rValue) const
{
    if (rNextPosition == nullptr || m_pHashTable == nullptr)
        ThrowCollectionBadArgument();
    CAssoc *pAssoc =
        rNextPosition == BEFORE_START_POSITION ? FirstAssocFrom(0) : reinterpret_cast<CAssoc *>(rNextPosition);
    CAssoc *pNext = pAssoc->pNext != nullptr ? pAssoc->pNext : FirstAssocFrom(pAssoc->nHashValue + 1);
    rNextPosition = reinterpret_cast<POSITION>(pNext);
    rKey = pAssoc->key;
    rValue = pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    if (hashSize == 0)
        ThrowCollectionBadArgument();
    CAssoc **pOldTable = m_pHashTable;
    UINT nOldSize = m_nHashTableSize;
    m_pHashTable = nullptr;
    try {
        if (bAllocNow || m_nCount > 0)
            AllocateTable(hashSize);
    } catch (...) {
        m_pHashTable = pOldTable;
        throw;
    }
    m_nHashTableSize = hashSize;
    if (pOldTable == nullptr)
        return;
    // Keys already present move in visiting order, each to the front of
    // its new bucket.
    for (UINT nBucket = 0; nBucket < nOldSize; nBucket++) {
        for (CAssoc *pAssoc = pOldTable[nBucket]; pAssoc != nullptr;) {
            CAssoc *pNext = pAssoc->pNext;
            UINT nNew = BucketOf(pAssoc->key);
            pAssoc->nHashValue = nNew;
            pAssoc->pNext = m_pHashTable[nNew];
            m_pHashTable[nNew] = pAssoc;
            pAssoc = pNext;
        }
    }
    delete[] pOldTable;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive &ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        if (m_nCount == 0)
            return;
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++) {
            for (CAssoc *pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
                SerializeElements<KEY>(ar, &pAssoc->key, 1);
                SerializeElements<VALUE>(ar, &pAssoc->value, 1);
            }
        }
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    CheckArchivedCount(ar, nCount, ArchivedElementMinSize<KEY>() + ArchivedElementMinSize<VALUE>());
    while (nCount-- > 0) {
        KEY newKey{};
        VALUE newValue{};
        SerializeElements<KEY>(ar, &newKey, 1);
        if constexpr (collection_detail::isObjectPointer<VALUE>) {
            newValue = collection_detail::LoadObjectPointer<VALUE>(ar, this);
            // A repeated key: the map lets go of the value it replaces,
            // which is deleted unless something else still refers to it.
            VALUE oldValue{};
            if (Lookup(newKey, oldValue)) {
                SetAt(newKey, newValue);
                ar.DropElementObject(this, oldValue);
                continue;
            }
        } else {
            SerializeElements<VALUE>(ar, &newValue, 1);
        }
        SetAt(newKey, newValue);
    }
}
