// The colour cache's rows in packed form.  A document keeps a row for every
// coloured line, so a row is stored as 16-bit units in memory the store
// hands out from large chunks: no heap block and no header of its own per
// line.
//
// A row: the region stamp (two units), the number of run units (one unit,
// or 0xFFFF and two more), then the runs.  A run whose group is below 32
// and whose length is below 1024 takes one unit (bit 15 clear, the group in
// bits 10-14, the length below); any other run takes three (0x8000, the
// length, the group).
#pragma once

#include "framework/base/WinTypes.h"

#include <cstddef>
#include <memory>
#include <vector>

class SECEditColorRuns;

class SECEditPackedRows {
public:
    typedef const WORD *Row;

    SECEditPackedRows() = default;
    ~SECEditPackedRows();
    SECEditPackedRows(const SECEditPackedRows &) = delete;
    SECEditPackedRows &operator=(const SECEditPackedRows &) = delete;

    // A packed copy of count runs made in the region stamp.
    Row Pack(unsigned stamp, const DWORD *runs, int count);
    // Gives a row's memory back (NULL does nothing).
    void Free(Row row);
    // Gives the chunks back once no row is left.
    void ReleaseIfEmpty();

    static unsigned Stamp(Row row);
    // Replaces pRuns's runs with the row's.
    static void Unpack(Row row, SECEditColorRuns *pRuns);

    size_t LiveRows() const { return m_nLive; }

private:
    // Rows of up to kMaxPooledUnits units come from the chunks, in sizes
    // rounded up to an even number of units; longer rows are heap blocks.
    static constexpr size_t kMaxPooledUnits = 1024;
    static constexpr size_t kChunkUnits = 32768;

    static size_t RunUnits(Row row, size_t *pHeader);
    static size_t RoundedUnits(size_t units);
    WORD *Allocate(size_t units);

    std::vector<std::unique_ptr<WORD[]>> m_chunks;
    WORD *m_pNext = nullptr; // the unused rest of the newest chunk
    size_t m_nLeft = 0;
    // Freed blocks by rounded size / 2, linked through their first bytes.
    std::vector<WORD *> m_freeHeads = std::vector<WORD *>(kMaxPooledUnits / 2 + 1, nullptr);
    size_t m_nLive = 0;
};
