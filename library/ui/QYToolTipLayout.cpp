// The tip window's line split, size and position.
#include "library/ui/QYToolTipLayout.h"

#include "framework/base/Mbcs.h"

namespace {

int CountCharacters(const CString& strText)
{
    return static_cast<int>(MbCharCount(reinterpret_cast<const unsigned char*>(static_cast<LPCTSTR>(strText)),
                                        static_cast<size_t>(strText.GetLength())));
}

// The distance the tip keeps from the point above or below it.
constexpr int kTipGap = 5;

} // namespace

std::vector<CString> QYSplitTipLines(const CString& strText)
{
    std::vector<CString> lines;
    if (strText.IsEmpty())
        return lines;
    int nStart = 0;
    for (;;) {
        const int nFeed = strText.Find('\n', nStart);
        CString strLine = nFeed < 0 ? strText.Mid(nStart) : strText.Mid(nStart, nFeed - nStart);
        if (nFeed >= 0 && !strLine.IsEmpty() && strLine[strLine.GetLength() - 1] == '\r')
            strLine = strLine.Left(strLine.GetLength() - 1);
        lines.push_back(strLine);
        if (nFeed < 0)
            return lines;
        nStart = nFeed + 1;
    }
}

int QYTipWidthInChars(const std::vector<CString>& lines)
{
    int nWidth = 1;
    for (const CString& strLine : lines) {
        const int nChars = CountCharacters(strLine);
        if (nChars > nWidth)
            nWidth = nChars;
    }
    return nWidth;
}

CRect QYTipWindowRect(int nLines, int nWidthChars, int x, int y, const QYTipMetrics& metrics)
{
    const int nWidth = nWidthChars * metrics.nAvgCharWidth + 4 * metrics.cxBorder;
    const int nHeight = nLines * metrics.nLineHeight + 4 * metrics.cyBorder;
    const int nLeft = x + nWidth >= metrics.nScreenWidth ? x - nWidth : x;
    const int nTop = y - nHeight - kTipGap > 0 ? y - nHeight - kTipGap : y + nHeight + kTipGap;
    return CRect(nLeft, nTop, nLeft + nWidth, nTop + nHeight);
}
