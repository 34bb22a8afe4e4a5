// Node storage for lists and maps.  Nodes are handed out from a free list;
// when it is empty a block of "block size" nodes is allocated and chained into
// it.  Blocks are only released all together (FreeAll), which the collections
// do when they become empty.  The pool hands out raw storage: the collection
// constructs and destroys what it keeps in a node.
#pragma once

#include "framework/base/WinTypes.h"
#include "framework/collections/CollectionErrors.h"

#include <cstddef>
#include <new>

template <class NODE>
class CollectionNodePool {
public:
    explicit CollectionNodePool(int nBlockSize) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 1) {}
    ~CollectionNodePool() { FreeAll(); }
    CollectionNodePool(const CollectionNodePool &) = delete;
    CollectionNodePool &operator=(const CollectionNodePool &) = delete;

    int GetBlockSize() const { return m_nBlockSize; }
    bool HasBlocks() const { return m_pBlocks != nullptr; }

    // Storage for one node; raises the memory exception when a new block
    // cannot be allocated (the pool is then unchanged).
    void *Take()
    {
        if (m_pFree == nullptr)
            AddBlock();
        Slot *pSlot = m_pFree;
        m_pFree = pSlot->pNextFree;
        return pSlot->bytes;
    }

    // Returns the storage of a node whose contents are already destroyed.
    void Give(void *pNode)
    {
        ASSERT(pNode != nullptr);
        Slot *pSlot = static_cast<Slot *>(pNode);
        pSlot->pNextFree = m_pFree;
        m_pFree = pSlot;
    }

    // Releases every block; all nodes must be destroyed first.
    void FreeAll()
    {
        while (m_pBlocks != nullptr) {
            Slot *pNext = m_pBlocks[0].pNextFree;
            delete[] m_pBlocks;
            m_pBlocks = pNext;
        }
        m_pFree = nullptr;
    }

private:
    union Slot {
        Slot *pNextFree;
        alignas(NODE) unsigned char bytes[sizeof(NODE)];
    };

    // Slot 0 of a block links the blocks; the others join the free list so
    // that the lowest address is handed out first.
    void AddBlock()
    {
        Slot *pBlock = nullptr;
        try {
            pBlock = new Slot[static_cast<size_t>(m_nBlockSize) + 1];
        } catch (const std::bad_alloc &) {
            ThrowCollectionOutOfMemory();
        }
        pBlock[0].pNextFree = m_pBlocks;
        m_pBlocks = pBlock;
        for (int i = m_nBlockSize; i >= 1; i--) {
            pBlock[i].pNextFree = m_pFree;
            m_pFree = &pBlock[i];
        }
    }

    Slot *m_pFree = nullptr;
    Slot *m_pBlocks = nullptr;
    int m_nBlockSize;
};
