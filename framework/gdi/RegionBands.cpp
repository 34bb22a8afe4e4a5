#include "framework/gdi/RegionBands.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// A rectangle's exclusive bottom, in 64 bits: it can lie one past the int
// range.
long long End(const QRect &r)
{
    return r.bottom() + 1LL;
}

typedef std::vector<std::pair<long long, long long>> Spans;

// The active boxes' x-spans (exclusive ends), sorted, with overlapping and
// touching spans merged into one.
void MergeSpans(const std::vector<const QRect *> &active, Spans &spans, Spans &merged)
{
    spans.clear();
    for (const QRect *pRect : active)
        spans.emplace_back(pRect->left(), pRect->right() + 1LL);
    std::sort(spans.begin(), spans.end());
    merged.clear();
    for (const auto &span : spans) {
        if (!merged.empty() && span.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, span.second);
        else
            merged.push_back(span);
    }
}

QRect BandRect(long long left, long long top, long long right, long long bottom)
{
    return QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
                 QPoint(static_cast<int>(right - 1), static_cast<int>(bottom - 1)));
}

} // namespace

QRegion RegionFromRects(std::vector<QRect> rects)
{
    rects.erase(std::remove_if(rects.begin(), rects.end(),
                               [](const QRect &r) { return r.right() < r.left() || r.bottom() < r.top(); }),
                rects.end());
    if (rects.empty())
        return QRegion();
    std::sort(rects.begin(), rects.end(), [](const QRect &a, const QRect &b) { return a.top() < b.top(); });

    // A sweep down the rectangles: a band runs from one edge to the next,
    // the nearest of the next rectangle's top and the active ones' bottoms.
    std::vector<QRect> bands;
    bands.reserve(rects.size());
    std::vector<const QRect *> active;
    Spans spans, merged, previous;
    size_t next = 0, previousStart = 0;
    long long y = rects.front().top(), previousBottom = 0;
    while (next < rects.size() || !active.empty()) {
        if (active.empty())
            y = std::max<long long>(y, rects[next].top());
        while (next < rects.size() && rects[next].top() <= y)
            active.push_back(&rects[next++]);
        long long bottom = next < rects.size() ? rects[next].top() : std::numeric_limits<long long>::max();
        for (const QRect *pRect : active)
            bottom = std::min(bottom, End(*pRect));
        MergeSpans(active, spans, merged);
        if (!previous.empty() && previousBottom == y && merged == previous) {
            // The same spans as the band just above: that band grows.
            for (size_t k = previousStart; k < bands.size(); ++k)
                bands[k].setBottom(static_cast<int>(bottom - 1));
        } else {
            previousStart = bands.size();
            for (const auto &span : merged)
                bands.push_back(BandRect(span.first, y, span.second, bottom));
            std::swap(previous, merged);
        }
        previousBottom = bottom;
        y = bottom;
        active.erase(std::remove_if(active.begin(), active.end(), [y](const QRect *pRect) { return End(*pRect) <= y; }),
                     active.end());
    }
    QRegion region;
    region.setRects(bands.data(), static_cast<int>(bands.size()));
    return region;
}
