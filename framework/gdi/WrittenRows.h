// The pixels a drawing operation wrote into an image, kept as one x extent
// per row, so that what follows the image (a DIB section's bits) is
// brought up to date for those pixels only. Framework-internal.
#pragma once

#include <QRect>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

class WrittenRows {
public:
    explicit WrittenRows(int height) : m_height(height) {}

    // Pixels [x0, x1) of row y.
    void Add(int y, int x0, int x1)
    {
        if (y < 0 || y >= m_height || x0 >= x1)
            return;
        if (m_rows.empty())
            m_rows.assign(static_cast<size_t>(m_height), {INT_MAX, INT_MIN});
        std::pair<int, int> &r = m_rows[static_cast<size_t>(y)];
        r.first = std::min(r.first, x0);
        r.second = std::max(r.second, x1);
        m_top = std::min(m_top, y);
        m_bottom = std::max(m_bottom, y + 1);
    }
    void Add(const QRect &rect)
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            Add(y, rect.left(), rect.right() + 1);
    }

    bool Empty() const { return m_top >= m_bottom; }
    int Top() const { return m_top; }
    int Bottom() const { return m_bottom; }
    // The extent [first, second) written in row y; empty when first >= second.
    std::pair<int, int> Row(int y) const
    {
        return m_rows.empty() || y < 0 || y >= m_height ? std::pair<int, int>{0, 0} : m_rows[static_cast<size_t>(y)];
    }

private:
    int m_height;
    int m_top = INT_MAX;
    int m_bottom = INT_MIN;
    std::vector<std::pair<int, int>> m_rows;
};
