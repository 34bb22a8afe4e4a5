// The map a storing archive keeps from each class and object it wrote to its
// index: one flat table with open addressing, so that storing many objects
// costs no allocation per object.
#pragma once

#include "framework/base/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CArchiveStoreMap {
public:
    // The index stored for the pointer; 0 (never an index) when it has none.
    DWORD Find(const void *pKey) const
    {
        if (pKey == nullptr)
            return m_nNullIndex;
        if (m_slots.empty())
            return 0;
        for (size_t i = Hash(pKey) & Mask();; i = (i + 1) & Mask()) {
            const Slot &slot = m_slots[i];
            if (slot.key == pKey)
                return slot.index;
            if (slot.key == nullptr)
                return 0;
        }
    }

    // Adds a pointer that has no index yet.
    void Insert(const void *pKey, DWORD nIndex)
    {
        if (pKey == nullptr) {
            m_nNullIndex = nIndex;
            return;
        }
        if ((m_nCount + 1) * 2 > m_slots.size())
            Rehash(m_slots.empty() ? kFirstSize : m_slots.size() * 2);
        Place(pKey, nIndex);
        ++m_nCount;
    }

    // Room for nCount entries without growing.
    void Reserve(size_t nCount)
    {
        size_t size = kFirstSize;
        while (size < nCount * 2)
            size *= 2;
        if (size > m_slots.size())
            Rehash(size);
    }

private:
    struct Slot {
        const void *key;
        DWORD index;
    };
    static constexpr size_t kFirstSize = 64;

    size_t Mask() const { return m_slots.size() - 1; }

    // Objects are allocated at 16-byte aligned addresses, mostly one after
    // another: dropping the low bits keeps neighbours in neighbouring slots,
    // so storing objects in the order they were made walks the table in
    // order instead of missing the cache on every object.  The high bits
    // folded in spread heap regions that would land on the same slots.
    static size_t Hash(const void *pKey)
    {
        const uintptr_t x = reinterpret_cast<uintptr_t>(pKey);
        return static_cast<size_t>((x >> 4) ^ (x >> 24));
    }

    void Place(const void *pKey, DWORD nIndex)
    {
        size_t i = Hash(pKey) & Mask();
        while (m_slots[i].key != nullptr)
            i = (i + 1) & Mask();
        m_slots[i] = Slot{pKey, nIndex};
    }

    void Rehash(size_t nSize)
    {
        std::vector<Slot> old(nSize, Slot{nullptr, 0});
        old.swap(m_slots);
        for (const Slot &slot : old)
            if (slot.key != nullptr)
                Place(slot.key, slot.index);
    }

    std::vector<Slot> m_slots;
    size_t m_nCount = 0;
    DWORD m_nNullIndex = 0;
};
