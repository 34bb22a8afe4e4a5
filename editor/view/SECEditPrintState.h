// What the editor view keeps while it prints: the print lines (pieces of
// buffer lines that fit the body width; {-1, -1} is a blank line), the
// metrics of the print font, the header, body and footer rectangles and the
// lines per page.
#pragma once

#include "editor/text/SECEditDisplayMetrics.h"

#include "framework/base/CRect.h"
#include "framework/object/Object.h"

#include <vector>

struct SECEditPrintLine {
    int m_nLine = -1;
    int m_nColumn = -1;
    bool IsBlank() const { return m_nLine < 0; }
};

class SECEditPrintState : public CObject {
public:
    std::vector<SECEditPrintLine> m_lines;
    SECEditDisplayMetrics m_metrics; // font 0 is the print font
    CRect m_rectBody;
    CRect m_rectHeader;
    CRect m_rectFooter;
    int m_nLinesPerPage = 0;
    UINT m_nCurrentPage = 1;
};
