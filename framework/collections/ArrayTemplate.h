// CArray<TYPE, ARG_TYPE>: a growable array of values with the framework's
// growth rule.  SetSize grows the capacity to max(requested size, capacity +
// grow-by), where a grow-by of 0 means size / 8 clamped to [4, 1024]; new
// elements are zero-filled and then default-constructed; shrinking keeps the
// capacity.  An index outside the array raises an exception instead of
// touching memory that is not there.
#pragma once

#include "framework/collections/CollectionErrors.h"
#include "framework/collections/SerializeElements.h"
#include "framework/object/Object.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE &>
class CArray : public CObject {
public:
    CArray() = default;
    ~CArray() override { SetSize(0, -1); }

    // Size
    int GetSize() const { return m_nSize; }
    int GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    int GetUpperBound() const { return m_nSize - 1; }
    void SetSize(int nNewSize, int nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    // Element access
    const TYPE &GetAt(int nIndex) const { return m_pData[CheckedIndex(nIndex)]; }
    TYPE &GetAt(int nIndex) { return m_pData[CheckedIndex(nIndex)]; }
    void SetAt(int nIndex, ARG_TYPE newElement) { m_pData[CheckedIndex(nIndex)] = newElement; }
    TYPE &ElementAt(int nIndex) { return m_pData[CheckedIndex(nIndex)]; }
    const TYPE &ElementAt(int nIndex) const { return m_pData[CheckedIndex(nIndex)]; }
    const TYPE *GetData() const { return m_pData; }
    TYPE *GetData() { return m_pData; }
    const TYPE &operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE &operator[](int nIndex) { return ElementAt(nIndex); }

    // Growing
    void SetAtGrow(int nIndex, ARG_TYPE newElement);
    int Add(ARG_TYPE newElement);
    int Append(const CArray &src);
    void Copy(const CArray &src);

    // Inserting and removing; later elements move up or down.
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
    void InsertAt(int nStartIndex, const CArray *pNewArray);
    void RemoveAt(int nIndex, int nCount = 1);

    // Count, then the elements through SerializeElements.
    void Serialize(CArchive &ar) override;

protected:
    TYPE *m_pData = nullptr;
    int m_nSize = 0;
    int m_nMaxSize = 0;
    int m_nGrowBy = 0;

private:
    int CheckedIndex(int nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nSize)
            ThrowCollectionBadArgument();
        return nIndex;
    }
    static TYPE *Allocate(int nCount);
    static void ConstructNew(TYPE *pElements, int nCount);
    static void Destroy(TYPE *pElements, int nCount);
    void Reallocate(int nNewMax);
};

template <class TYPE, class ARG_TYPE>
TYPE *CArray<TYPE, ARG_TYPE>::Allocate(int nCount)
{
    if (nCount <= 0)
        return nullptr;
    if (static_cast<size_t>(nCount) > SIZE_MAX / sizeof(TYPE))
        ThrowCollectionOutOfMemory();
    try {
        return static_cast<TYPE *>(::operator new(static_cast<size_t>(nCount) * sizeof(TYPE)));
    } catch (const std::bad_alloc &) {
        ThrowCollectionOutOfMemory();
    }
}

// New elements start as zero bytes and are then default-constructed, so
// plain values read as 0.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::ConstructNew(TYPE *pElements, int nCount)
{
    if (nCount <= 0)
        return;
    std::memset(static_cast<void *>(pElements), 0, static_cast<size_t>(nCount) * sizeof(TYPE));
    for (int i = 0; i < nCount; i++)
        ::new (static_cast<void *>(pElements + i)) TYPE;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Destroy(TYPE *pElements, int nCount)
{
    for (int i = 0; i < nCount; i++)
        pElements[i].~TYPE();
}

// Moves the elements to a block of nNewMax elements (nNewMax >= m_nSize).
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(int nNewMax)
{
    TYPE *pNewData = Allocate(nNewMax);
    for (int i = 0; i < m_nSize; i++) {
        ::new (static_cast<void *>(pNewData + i)) TYPE(std::move(m_pData[i]));
        m_pData[i].~TYPE();
    }
    ::operator delete(m_pData);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy)
{
    if (nNewSize < 0)
        ThrowCollectionBadArgument();
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0) {
        Destroy(m_pData, m_nSize);
        ::operator delete(m_pData);
        m_pData = nullptr;
        m_nSize = m_nMaxSize = 0;
    } else if (m_pData == nullptr) {
        m_pData = Allocate(nNewSize);
        ConstructNew(m_pData, nNewSize);
        m_nSize = m_nMaxSize = nNewSize;
    } else if (nNewSize <= m_nMaxSize) {
        if (nNewSize > m_nSize)
            ConstructNew(m_pData + m_nSize, nNewSize - m_nSize);
        else
            Destroy(m_pData + nNewSize, m_nSize - nNewSize);
        m_nSize = nNewSize;
    } else {
        int nGrow = m_nGrowBy;
        if (nGrow == 0)
            nGrow = plexoMin(1024, plexoMax(4, m_nSize / 8));
        long long nNewMax = static_cast<long long>(m_nMaxSize) + nGrow;
        if (nNewSize >= nNewMax)
            nNewMax = nNewSize;
        Reallocate(static_cast<int>(plexoMin<long long>(nNewMax, INT_MAX)));
        ConstructNew(m_pData + m_nSize, nNewSize - m_nSize);
        m_nSize = nNewSize;
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0) {
        ::operator delete(m_pData);
        m_pData = nullptr;
        m_nMaxSize = 0;
        return;
    }
    Reallocate(m_nSize);
}

// The new element is copied before the array grows: it may be one of the
// array's own elements, which growing moves.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        ThrowCollectionBadArgument();
    if (nIndex >= m_nSize) {
        TYPE value(newElement);
        SetSize(nIndex + 1, -1);
        m_pData[nIndex] = std::move(value);
    } else {
        m_pData[nIndex] = newElement;
    }
}

template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    int nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

// Appending an array to itself doubles it.
template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Append(const CArray &src)
{
    int nOldSize = m_nSize;
    int nAdd = src.m_nSize;
    if (static_cast<long long>(nOldSize) + nAdd > INT_MAX)
        ThrowCollectionOutOfMemory();
    SetSize(nOldSize + nAdd, -1);
    for (int i = 0; i < nAdd; i++)
        m_pData[nOldSize + i] = src.m_pData[i];
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray &src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    for (int i = 0; i < m_nSize; i++)
        m_pData[i] = src.m_pData[i];
}

// Inserting at or past the end grows the array to nIndex + nCount.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount)
{
    if (nIndex < 0 || nCount < 0 || static_cast<long long>(plexoMax(nIndex, m_nSize)) + nCount > INT_MAX)
        ThrowCollectionBadArgument();
    if (nCount == 0)
        return;
    TYPE value(newElement);
    if (nIndex >= m_nSize) {
        SetSize(nIndex + nCount, -1);
    } else {
        int nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
    }
    for (int i = 0; i < nCount; i++)
        m_pData[nIndex + i] = value;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, const CArray *pNewArray)
{
    if (pNewArray == nullptr || nStartIndex < 0)
        ThrowCollectionBadArgument();
    if (pNewArray->m_nSize == 0)
        return;
    if (pNewArray == this) {
        CArray copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    InsertAt(nStartIndex, pNewArray->m_pData[0], pNewArray->m_nSize);
    for (int i = 1; i < pNewArray->m_nSize; i++)
        m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

// Removing keeps the capacity.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount)
{
    if (nIndex < 0 || nCount < 0 || static_cast<long long>(nIndex) + nCount > m_nSize)
        ThrowCollectionBadArgument();
    std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
    Destroy(m_pData + m_nSize - nCount, nCount);
    m_nSize -= nCount;
}

// The count is checked against the bytes the archive still holds before any
// room is made, so a corrupt count cannot allocate without bound.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive &ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nSize));
    } else {
        DWORD_PTR nCount = ar.ReadCount();
        CheckArchivedCount(ar, nCount, ArchivedElementMinSize<TYPE>());
        SetSize(static_cast<int>(nCount), -1);
    }
    SerializeCollectionElements<TYPE>(ar, this, m_pData, m_nSize);
}
