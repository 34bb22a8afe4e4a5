// An array of one slot per line, kept in chunks of a few thousand slots:
// adding or removing slots moves only the slots of one chunk and the list
// of chunk starts, wherever the edit is, so a line added anywhere in a
// file of millions of lines costs the same.  Looking a slot up tries the
// chunk of the last look-up first, so walking lines in order finds each
// slot at once; otherwise it is a binary search over the chunk starts.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

template <class T>
class SECEditSlotArray {
public:
    // Slots per chunk made from new slots; a chunk that grows beyond twice
    // this is cut up again.
    static constexpr size_t kChunk = 4096;

    size_t size() const { return m_nSize; }
    bool empty() const { return m_nSize == 0; }

    T &operator[](size_t index)
    {
        const size_t c = ChunkOf(index);
        return m_chunks[c][index - m_starts[c]];
    }
    const T &operator[](size_t index) const
    {
        const size_t c = ChunkOf(index);
        return m_chunks[c][index - m_starts[c]];
    }

    void assign(size_t count, const T &value)
    {
        m_chunks.clear();
        m_nSize = 0;
        AddChunks(0, count, value);
        m_nSize = count;
        Restart(0);
    }
    // Empties the array and gives its memory back.
    void release()
    {
        std::vector<std::vector<T>>().swap(m_chunks);
        std::vector<size_t>().swap(m_starts);
        m_nSize = 0;
        m_nHint = 0;
    }
    // count slots holding value before index at.
    void insert(size_t at, size_t count, const T &value)
    {
        if (count == 0)
            return;
        if (m_chunks.empty()) {
            assign(count, value);
            return;
        }
        // At the end the slots join the last chunk.
        const size_t c = at >= m_nSize ? m_chunks.size() - 1 : ChunkOf(at);
        const size_t local = at - m_starts[c];
        std::vector<T> &chunk = m_chunks[c];
        if (count <= kChunk) {
            chunk.insert(chunk.begin() + static_cast<std::ptrdiff_t>(local), count, value);
            if (chunk.size() > 2 * kChunk)
                SplitChunk(c);
        } else {
            // Many slots become chunks of their own between the two halves.
            std::vector<T> tail(chunk.begin() + static_cast<std::ptrdiff_t>(local), chunk.end());
            chunk.resize(local);
            size_t next = c + 1;
            if (!tail.empty())
                m_chunks.insert(m_chunks.begin() + static_cast<std::ptrdiff_t>(next), std::move(tail));
            AddChunks(next, count, value);
            if (m_chunks[c].empty())
                m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(c));
        }
        m_nSize += count;
        Restart(c);
    }
    // Removes the slots first .. last - 1.
    void erase(size_t first, size_t last)
    {
        last = std::min(last, m_nSize);
        if (first >= last)
            return;
        const size_t c = ChunkOf(first);
        size_t k = c;
        size_t local = first - m_starts[c];
        size_t left = last - first;
        while (left > 0) {
            std::vector<T> &chunk = m_chunks[k];
            const size_t n = std::min(left, chunk.size() - local);
            chunk.erase(chunk.begin() + static_cast<std::ptrdiff_t>(local),
                        chunk.begin() + static_cast<std::ptrdiff_t>(local + n));
            left -= n;
            local = 0;
            if (chunk.empty())
                m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(k));
            else
                ++k;
        }
        m_nSize -= last - first;
        Restart(c);
    }

private:
    size_t ChunkOf(size_t index) const
    {
        const size_t hint = m_nHint;
        if (hint < m_chunks.size() && index >= m_starts[hint] && index - m_starts[hint] < m_chunks[hint].size())
            return hint;
        const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), index);
        m_nHint = static_cast<size_t>(after - m_starts.begin()) - 1;
        return m_nHint;
    }
    // count new slots as chunks of kChunk before chunk `at`.
    void AddChunks(size_t at, size_t count, const T &value)
    {
        std::vector<std::vector<T>> added;
        for (size_t left = count; left > 0;) {
            const size_t n = std::min(left, kChunk);
            added.emplace_back(n, value);
            left -= n;
        }
        m_chunks.insert(m_chunks.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(added.begin()),
                        std::make_move_iterator(added.end()));
    }
    void SplitChunk(size_t c)
    {
        std::vector<T> whole = std::move(m_chunks[c]);
        m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(c));
        std::vector<std::vector<T>> pieces;
        for (size_t from = 0; from < whole.size(); from += kChunk) {
            const size_t to = std::min(whole.size(), from + kChunk);
            pieces.emplace_back(whole.begin() + static_cast<std::ptrdiff_t>(from),
                                whole.begin() + static_cast<std::ptrdiff_t>(to));
        }
        m_chunks.insert(m_chunks.begin() + static_cast<std::ptrdiff_t>(c), std::make_move_iterator(pieces.begin()),
                        std::make_move_iterator(pieces.end()));
    }
    // The starts of chunk `from` on are worked out again (a chunk before it
    // keeps its start).
    void Restart(size_t from)
    {
        from = from > 0 ? from - 1 : 0;
        m_starts.resize(m_chunks.size());
        for (size_t j = from; j < m_chunks.size(); ++j)
            m_starts[j] = j == 0 ? 0 : m_starts[j - 1] + m_chunks[j - 1].size();
        m_nHint = 0;
    }

    std::vector<std::vector<T>> m_chunks;
    // The index of each chunk's first slot.
    std::vector<size_t> m_starts;
    size_t m_nSize = 0;
    mutable size_t m_nHint = 0;
};
