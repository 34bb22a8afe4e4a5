// What the buffer keeps for one line beyond its text: an item value and 32
// marks.  A line object exists only while it holds something.
#pragma once

#include "framework/base/WinTypes.h"

class SECEditLineData {
public:
    static constexpr int kMarkCount = 32;

    BOOL HasMark(int mark) const { return IsMarkNumber(mark) && (m_nMarks & Bit(mark)) != 0; }
    // Mark numbers of 32 or more (and negative ones) are ignored.
    void SetMark(int mark, BOOL on)
    {
        if (!IsMarkNumber(mark))
            return;
        m_nMarks = on ? (m_nMarks | Bit(mark)) : (m_nMarks & ~Bit(mark));
    }
    // Neither item data nor a mark: the buffer deletes such a line object.
    BOOL IsEmpty() const { return m_nItemData == 0 && m_nMarks == 0; }

    int m_nItemData = 0;
    DWORD m_nMarks = 0;

private:
    static bool IsMarkNumber(int mark) { return mark >= 0 && mark < kMarkCount; }
    static DWORD Bit(int mark) { return static_cast<DWORD>(1u) << mark; }
};
