// A place in the editor's text: a 0-based line and a 0-based column counted
// in bytes.  Positions order by line, then column.
#pragma once

#include "framework/base/WinTypes.h"

class SECEditRange;

class SECEditPosition {
public:
    SECEditPosition() = default;
    SECEditPosition(int line, int column) : m_nLine(line), m_nCol(column) {}
    SECEditPosition(const SECEditPosition &) = default;
    SECEditPosition &operator=(const SECEditPosition &) = default;
    virtual ~SECEditPosition() = default;

    bool operator<(const SECEditPosition &other) const;
    bool operator<=(const SECEditPosition &other) const { return !(other < *this); }
    bool operator>(const SECEditPosition &other) const { return other < *this; }
    bool operator>=(const SECEditPosition &other) const { return !(*this < other); }
    bool operator==(const SECEditPosition &other) const;
    bool operator!=(const SECEditPosition &other) const { return !(*this == other); }

    // Moves this position to follow an insertion (bInserted) or a deletion of
    // the text in editRange.  TRUE when the position was changed or swallowed.
    BOOL AdjustForEdit(const SECEditRange &editRange, BOOL bInserted);

    int m_nLine = 0;
    int m_nCol = 0;
};
