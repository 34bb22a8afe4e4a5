// The coloured runs of one line: each run is one 32-bit value, the low word
// its length in bytes, the high word its colour group.  A run of length 0 on
// a line inside a multi-line tag stands for the whole line.
//
// Rows are kept for every coloured line of a document, so the array is kept
// small: one allocation for the object, a second one only for lines of more
// than a few runs.
#pragma once

#include "framework/base/WinTypes.h"
#include "framework/object/Object.h"

inline DWORD SECEditMakeRun(int length, WORD group)
{
    return (static_cast<DWORD>(group) << 16) | (static_cast<DWORD>(length) & 0xFFFFu);
}
inline int SECEditRunLength(DWORD run) { return static_cast<int>(run & 0xFFFFu); }
inline WORD SECEditRunGroup(DWORD run) { return static_cast<WORD>(run >> 16); }

class SECEditColorRuns : public CObject
{
    DECLARE_SERIAL(SECEditColorRuns)

public:
    SECEditColorRuns() = default;
    ~SECEditColorRuns() override;
    SECEditColorRuns(const SECEditColorRuns &) = delete;
    SECEditColorRuns &operator=(const SECEditColorRuns &) = delete;

    int GetSize() const { return m_nSize; }
    DWORD GetAt(int index) const { return Data()[index]; }
    const DWORD *GetData() const { return Data(); }
    // Appends a run; a run longer than a word holds is split into several.
    void Add(int length, WORD group);
    void AddRaw(DWORD run);
    void RemoveAll() { m_nSize = 0; }
    // Releases room the runs no longer need.
    void FreeExtra();

    // A count, then the raw values.
    void Serialize(CArchive &ar) override;

    bool operator==(const SECEditColorRuns &other) const;
    bool operator!=(const SECEditColorRuns &other) const { return !(*this == other); }

    // The multi-line tag region the line starts in when the row was made (0:
    // it started outside every region).  The buffer compares it with the
    // regions it knows to tell whether the row still holds.
    unsigned m_nRegionStamp = 0;

private:
    static constexpr int kInline = 3;
    DWORD *Data() { return m_pHeap ? m_pHeap : m_inline; }
    const DWORD *Data() const { return m_pHeap ? m_pHeap : m_inline; }
    void Grow();

    DWORD *m_pHeap = nullptr;
    int m_nSize = 0;
    int m_nCapacity = kInline;
    DWORD m_inline[kInline] = {};
};
