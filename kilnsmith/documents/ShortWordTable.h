// Answers kept by short byte strings (a token's bytes): an open-address
// table, at most half full, of at most a fixed number of words of up to 64
// bytes each. Tokens are short and repeat, so a simple byte hash and a
// linear probe find an answer in a few steps.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

template <class Answer>
class CShortWordTable {
public:
    static constexpr int kLongestWord = 64;
    static constexpr size_t kMostWords = 1u << 16;

    CShortWordTable() { Clear(); }

    void Clear()
    {
        m_slots.assign(kFirstSlots, Slot{});
        m_nKept = 0;
        m_bytes.clear();
    }

    // The answer kept for exactly these bytes, or NULL.
    const Answer *Find(const char *word, int length) const
    {
        if (length <= 0 || length > kLongestWord)
            return nullptr;
        const unsigned hash = HashOf(word, length);
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot &slot = m_slots[i];
            if (slot.nLength == 0)
                return nullptr;
            if (slot.nHash == hash && SameWord(slot, word, length))
                return &slot.answer;
        }
    }

    // Keeps an answer (longer words are not kept, and the table stops
    // growing at kMostWords).
    void Keep(const char *word, int length, const Answer &answer)
    {
        if (length <= 0 || length > kLongestWord || m_nKept >= kMostWords)
            return;
        if ((m_nKept + 1) * 2 > m_slots.size())
            Grow();
        const unsigned hash = HashOf(word, length);
        const size_t mask = m_slots.size() - 1;
        size_t i = hash & mask;
        while (m_slots[i].nLength != 0) {
            if (m_slots[i].nHash == hash && SameWord(m_slots[i], word, length))
                return; // kept already
            i = (i + 1) & mask;
        }
        m_slots[i] = Slot{hash, static_cast<unsigned>(m_bytes.size()), length, answer};
        m_bytes.append(word, static_cast<size_t>(length));
        ++m_nKept;
    }

private:
    static constexpr size_t kFirstSlots = 1024; // a power of two

    // One kept word: its bytes in m_bytes, and the answer. A slot with
    // length 0 is free.
    struct Slot {
        unsigned nHash = 0;
        unsigned nOffset = 0;
        int nLength = 0;
        Answer answer{};
    };

    // FNV-1a.
    static unsigned HashOf(const char *word, int length)
    {
        unsigned hash = 2166136261u;
        for (int i = 0; i < length; ++i)
            hash = (hash ^ static_cast<unsigned char>(word[i])) * 16777619u;
        return hash;
    }

    bool SameWord(const Slot &slot, const char *word, int length) const
    {
        if (slot.nLength != length)
            return false;
        const char *kept = m_bytes.data() + slot.nOffset;
        for (int i = 0; i < length; ++i)
            if (kept[i] != word[i])
                return false;
        return true;
    }

    void Grow()
    {
        std::vector<Slot> old(m_slots.size() * 2);
        old.swap(m_slots);
        const size_t mask = m_slots.size() - 1;
        for (const Slot &slot : old) {
            if (slot.nLength == 0)
                continue;
            size_t i = slot.nHash & mask;
            while (m_slots[i].nLength != 0)
                i = (i + 1) & mask;
            m_slots[i] = slot;
        }
    }

    std::vector<Slot> m_slots;
    size_t m_nKept = 0;
    std::string m_bytes;
};
