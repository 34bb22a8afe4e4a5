// The arithmetic of the tip window, apart from the window so that it can be
// checked on its own: how many lines a tip has and how wide its longest line
// is, and where a tip of that size goes next to a point on the screen.
#pragma once

#include "framework/base/CRect.h"
#include "framework/base/CString.h"

#include <vector>

// The tip's lines: the text split at each line feed (a carriage return
// before a line feed belongs to the line end).  An empty text has no lines.
std::vector<CString> QYSplitTipLines(const CString& strText);

// The length in characters (UTF-8 sequences) of the longest line, at least 1.
int QYTipWidthInChars(const std::vector<CString>& lines);

// The measures the tip's size comes from.
struct QYTipMetrics {
    int nAvgCharWidth; // width of "AaBbCc" in the tip font / 6
    int nLineHeight;   // height of that text
    int cxBorder;      // SM_CXBORDER
    int cyBorder;      // SM_CYBORDER
    int nScreenWidth;  // the desktop's client width
};

// The tip's window rectangle in screen coordinates for nLines lines of at
// most nWidthChars characters shown at (x, y): it opens to the right of the
// point unless it would reach the screen's right edge, and above the point
// unless that leaves no room above the top of the screen.
CRect QYTipWindowRect(int nLines, int nWidthChars, int x, int y, const QYTipMetrics& metrics);
