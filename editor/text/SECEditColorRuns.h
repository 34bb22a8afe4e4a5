// The coloured runs of one line: each run is one 32-bit value, the low word
// its length in bytes, the high word its colour group.  A run of length 0 on
// a line inside a multi-line tag stands for the whole line.
//
// Rows grow as runs are added, as the parser's working rows do; the colour
// cache keeps its rows packed (SECEditPackedRows) and hands out rows of
// this kind.
#pragma once

#include "framework/base/WinTypes.h"

#include <cstddef>

class CArchive;

inline DWORD SECEditMakeRun(int length, WORD group)
{
    return (static_cast<DWORD>(group) << 16) | (static_cast<DWORD>(length) & 0xFFFFu);
}
inline int SECEditRunLength(DWORD run)
{
    return static_cast<int>(run & 0xFFFFu);
}
inline WORD SECEditRunGroup(DWORD run)
{
    return static_cast<WORD>(run >> 16);
}

class SECEditColorRuns {
public:
    SECEditColorRuns() = default;
    ~SECEditColorRuns();
    SECEditColorRuns(const SECEditColorRuns &) = delete;
    SECEditColorRuns &operator=(const SECEditColorRuns &) = delete;

    int GetSize() const { return m_nSize; }
    DWORD GetAt(int index) const { return m_pData[index]; }
    const DWORD *GetData() const { return m_pData; }
    // Appends a run; a run longer than a word holds is split into several.
    void Add(int length, WORD group);
    void AddRaw(DWORD run);
    void RemoveAll() { m_nSize = 0; }

    // A count, then the raw values.
    void Serialize(CArchive &ar);

    bool operator==(const SECEditColorRuns &other) const;
    bool operator!=(const SECEditColorRuns &other) const { return !(*this == other); }

    // The multi-line tag region the line starts in when the row was made (0:
    // it started outside every region).  The buffer compares it with the
    // regions it knows to tell whether the row still holds.
    unsigned m_nRegionStamp = 0;

private:
    void Grow();
    DWORD *Own() { return &m_first; }

    DWORD *m_pData = &m_first;
    int m_nSize = 0;
    int m_nCapacity = 1;
    // The first run: a row of one run needs no array.
    DWORD m_first = 0;
};
