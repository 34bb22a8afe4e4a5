// A stretch of the editor's text from a start to an end position.  The start
// may lie after the end until the range is normalised.
#pragma once

#include "editor/text/SECEditPosition.h"

class SECEditRange {
public:
    SECEditRange() = default;
    SECEditRange(int startLine, int startCol, int endLine, int endCol)
        : m_start(startLine, startCol), m_end(endLine, endCol)
    {
    }
    SECEditRange(const SECEditPosition &start, const SECEditPosition &end) : m_start(start), m_end(end) {}
    SECEditRange(const SECEditRange &) = default;
    SECEditRange &operator=(const SECEditRange &) = default;
    virtual ~SECEditRange() = default;

    void SetStart(int line, int column) { m_start = SECEditPosition(line, column); }
    void SetEnd(int line, int column) { m_end = SECEditPosition(line, column); }

    SECEditRange Normalized() const;
    BOOL IsOrdered() const { return m_start <= m_end; }
    // Both ends are included.
    BOOL Contains(const SECEditPosition &pos) const;
    BOOL Intersects(const SECEditRange &other) const;

    // Ranges compare by their normalised forms; greater-than compares the
    // normalised ends only.
    bool operator==(const SECEditRange &other) const;
    bool operator!=(const SECEditRange &other) const { return !(*this == other); }
    bool operator>(const SECEditRange &other) const;

    // Moves both ends to follow an edit; TRUE when either end was touched.
    BOOL AdjustForEdit(const SECEditRange &editRange, BOOL bInserted);

    SECEditPosition m_start;
    SECEditPosition m_end;
};
