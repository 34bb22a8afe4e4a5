#include "library/shapes/QYLabelLines.h"

std::vector<CString> QYSplitLabelLines(const CString& strText)
{
    std::vector<CString> lines;
    const char* p = strText;
    const int n = strText.GetLength();
    int start = 0;
    for (int i = 0; i < n; ++i) {
        if (p[i] != '\r' && p[i] != '\n')
            continue;
        lines.emplace_back(p + start, i - start);
        if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.emplace_back(p + start, n - start);
    return lines;
}
