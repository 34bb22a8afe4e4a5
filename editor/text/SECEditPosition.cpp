#include "editor/text/SECEditPosition.h"

#include "editor/text/SECEditRange.h"

bool SECEditPosition::operator<(const SECEditPosition &other) const
{
    if (m_nLine != other.m_nLine)
        return m_nLine < other.m_nLine;
    return m_nCol < other.m_nCol;
}

bool SECEditPosition::operator==(const SECEditPosition &other) const
{
    return m_nLine == other.m_nLine && m_nCol == other.m_nCol;
}

BOOL SECEditPosition::AdjustForEdit(const SECEditRange &editRange, BOOL bInserted)
{
    const SECEditRange edit = editRange.Normalized();
    const SECEditPosition &s = edit.m_start;
    const SECEditPosition &e = edit.m_end;

    if (*this < s)
        return FALSE;

    if (bInserted) {
        // Text went in at s and now ends right before e.
        if (m_nLine == s.m_nLine)
            m_nCol += e.m_nCol - s.m_nCol;
        m_nLine += e.m_nLine - s.m_nLine;
        return TRUE;
    }

    if (*this == s)
        return FALSE;
    if (*this <= e) {
        *this = s;
        return TRUE;
    }
    // After the deleted text: on e's line the column follows s, and every
    // later line moves up by the number of lines taken out.
    if (m_nLine == e.m_nLine)
        m_nCol = s.m_nCol + (m_nCol - e.m_nCol);
    m_nLine -= e.m_nLine - s.m_nLine;
    return TRUE;
}
