// The controller's part in printing: how much of a line fits a page.
#include "editor/controller/SECEditController.h"

#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextBuffer.h"

#include "framework/base/Mbcs.h"
#include "framework/gdi/CDC.h"

#include <vector>

int SECEditController::FitTextToWidth(CDC *pDC, SECEditDisplayMetrics *pMetrics, LPCTSTR text, int length, int width)
{
    if (!pDC || !pMetrics || !text || length <= 0 || width < pMetrics->GetCharWidth() || width < 1)
        return 0;
    INT tabStop = (GetBuffer() ? GetBuffer()->GetTabSize() : 4) * pMetrics->GetSpaceWidth();
    auto extent = [&](int count) { return pDC->GetTabbedTextExtent(text, count, 1, &tabStop).cx; };
    if (extent(length) <= width)
        return length;
    // Character boundaries; the extents grow with them, so a bisection
    // finds the last one that fits.
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    std::vector<int> bounds{0};
    for (int at = 0; at < length;) {
        at += MbCharLength(bytes + at, static_cast<size_t>(length - at));
        bounds.push_back(at);
    }
    size_t lo = 0, hi = bounds.size() - 1; // extent(bounds[lo]) fits, extent(bounds[hi]) does not
    while (hi - lo > 1) {
        const size_t mid = (lo + hi) / 2;
        if (extent(bounds[mid]) <= width)
            lo = mid;
        else
            hi = mid;
    }
    return bounds[lo];
}
