// The controller's selection: an anchor, an end and a mode.
#pragma once

#include "editor/text/SECEditPosition.h"
#include "editor/text/SECEditRange.h"

enum SECEditSelectionMode {
    SECEDIT_SEL_NONE = 0,
    SECEDIT_SEL_STREAM = 1,      // every character between the two positions
    SECEDIT_SEL_LINES = 2,       // whole lines from the first line to the last
    SECEDIT_SEL_COLUMN = 3,      // the block between the positions' pixel x values
    SECEDIT_SEL_COLUMN_DRAG = 4, // a column block being dragged with the mouse
};

class SECEditSelection {
public:
    void Begin(const SECEditPosition &at, int mode)
    {
        m_anchor = at;
        m_end = at;
        m_nMode = mode;
    }
    void ExtendTo(const SECEditPosition &at) { m_end = at; }
    void Clear()
    {
        m_anchor = m_end = SECEditPosition(0, 0);
        m_nMode = SECEDIT_SEL_NONE;
    }
    // A mode and two different positions; whole-line selections are never
    // empty (one line is selected even when both positions are equal).
    bool IsEmpty() const
    {
        if (m_nMode == SECEDIT_SEL_NONE)
            return true;
        return m_nMode != SECEDIT_SEL_LINES && m_anchor == m_end;
    }
    const SECEditPosition &GetAnchor() const { return m_anchor; }
    const SECEditPosition &GetEnd() const { return m_end; }
    SECEditPosition GetStart() const { return m_anchor < m_end ? m_anchor : m_end; }
    SECEditPosition GetFinish() const { return m_anchor < m_end ? m_end : m_anchor; }
    int GetMode() const { return m_nMode; }
    void SetMode(int mode) { m_nMode = mode; }
    // Shifts both positions for an insertion or deletion elsewhere.
    void AdjustForEdit(const SECEditRange &edit, BOOL bInserted)
    {
        m_anchor.AdjustForEdit(edit, bInserted);
        m_end.AdjustForEdit(edit, bInserted);
    }

private:
    SECEditPosition m_anchor;
    SECEditPosition m_end;
    int m_nMode = SECEDIT_SEL_NONE;
};
