// An array with a gap where the last insertion or removal happened: slots
// added or removed there again cost nothing, and elsewhere only the slots
// between the two places move.  The buffer keeps one slot per line in it, so
// a line added at the top of a large file does not move every slot after it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

template <class T>
class SECEditGapArray {
public:
    size_t size() const { return m_data.size() - m_gapLength; }
    bool empty() const { return size() == 0; }

    T &operator[](size_t index) { return m_data[Physical(index)]; }
    const T &operator[](size_t index) const { return m_data[Physical(index)]; }

    void assign(size_t count, const T &value)
    {
        m_data.assign(count, value);
        m_gapStart = count;
        m_gapLength = 0;
    }
    // Empties the array and gives its memory back.
    void release()
    {
        std::vector<T>().swap(m_data);
        m_gapStart = 0;
        m_gapLength = 0;
    }
    // count slots holding value before index at.
    void insert(size_t at, size_t count, const T &value)
    {
        MoveGap(at);
        if (m_gapLength < count)
            Widen(count);
        std::fill(m_data.begin() + static_cast<std::ptrdiff_t>(at),
                  m_data.begin() + static_cast<std::ptrdiff_t>(at + count), value);
        m_gapStart += count;
        m_gapLength -= count;
    }
    // Removes the slots first .. last - 1.
    void erase(size_t first, size_t last)
    {
        MoveGap(last);
        m_gapLength += last - first;
        m_gapStart = first;
    }

private:
    size_t Physical(size_t index) const { return index < m_gapStart ? index : index + m_gapLength; }

    void MoveGap(size_t at)
    {
        auto begin = m_data.begin();
        if (at < m_gapStart) {
            std::move_backward(begin + static_cast<std::ptrdiff_t>(at), begin + static_cast<std::ptrdiff_t>(m_gapStart),
                               begin + static_cast<std::ptrdiff_t>(m_gapStart + m_gapLength));
        } else if (at > m_gapStart) {
            std::move(begin + static_cast<std::ptrdiff_t>(m_gapStart + m_gapLength),
                      begin + static_cast<std::ptrdiff_t>(at + m_gapLength),
                      begin + static_cast<std::ptrdiff_t>(m_gapStart));
        }
        m_gapStart = at;
    }

    // Makes the gap at least `needed` slots wide, and some more, so that
    // a run of insertions widens it only now and then.
    void Widen(size_t needed)
    {
        const size_t gap = std::max(needed, std::max<size_t>(size() / 8, 64));
        std::vector<T> data(m_data.size() - m_gapLength + gap);
        auto begin = m_data.begin();
        std::move(begin, begin + static_cast<std::ptrdiff_t>(m_gapStart), data.begin());
        std::move(begin + static_cast<std::ptrdiff_t>(m_gapStart + m_gapLength), m_data.end(),
                  data.begin() + static_cast<std::ptrdiff_t>(m_gapStart + gap));
        m_data.swap(data);
        m_gapLength = gap;
    }

    std::vector<T> m_data;
    size_t m_gapStart = 0;
    size_t m_gapLength = 0;
};
