#include "editor/text/SECEditPackedRows.h"

#include "editor/text/SECEditColorRuns.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr WORD kLongRun = 0x8000;
constexpr WORD kLongCount = 0xFFFF;

bool IsShort(DWORD run)
{
    return SECEditRunGroup(run) < 32 && SECEditRunLength(run) < 1024;
}

WORD *NextFree(WORD *block)
{
    WORD *next = nullptr;
    std::memcpy(&next, block, sizeof(next));
    return next;
}

void SetNextFree(WORD *block, WORD *next)
{
    std::memcpy(block, &next, sizeof(next));
}

} // namespace

SECEditPackedRows::~SECEditPackedRows() = default;

size_t SECEditPackedRows::RoundedUnits(size_t units)
{
    return std::max<size_t>(4, (units + 1) & ~static_cast<size_t>(1));
}

size_t SECEditPackedRows::RunUnits(Row row, size_t *pHeader)
{
    if (row[2] != kLongCount) {
        *pHeader = 3;
        return row[2];
    }
    *pHeader = 5;
    return static_cast<size_t>(row[3]) | (static_cast<size_t>(row[4]) << 16);
}

WORD *SECEditPackedRows::Allocate(size_t units)
{
    const size_t size = RoundedUnits(units);
    if (size > kMaxPooledUnits)
        return new WORD[size];
    WORD *&head = m_freeHeads[size / 2];
    if (head) {
        WORD *block = head;
        head = NextFree(block);
        return block;
    }
    if (m_nLeft < size) {
        // What is left of the old chunk serves the smaller sizes later.
        if (m_nLeft >= 4) {
            WORD *&spare = m_freeHeads[(m_nLeft & ~static_cast<size_t>(1)) / 2];
            SetNextFree(m_pNext, spare);
            spare = m_pNext;
        }
        m_chunks.emplace_back(new WORD[kChunkUnits]);
        m_pNext = m_chunks.back().get();
        m_nLeft = kChunkUnits;
    }
    WORD *block = m_pNext;
    m_pNext += size;
    m_nLeft -= size;
    return block;
}

SECEditPackedRows::Row SECEditPackedRows::Pack(unsigned stamp, const DWORD *runs, int count)
{
    size_t runUnits = 0;
    for (int i = 0; i < count; ++i)
        runUnits += IsShort(runs[i]) ? 1 : 3;
    const size_t header = runUnits < kLongCount ? 3 : 5;
    WORD *row = Allocate(header + runUnits);
    row[0] = static_cast<WORD>(stamp & 0xFFFFu);
    row[1] = static_cast<WORD>(stamp >> 16);
    if (header == 3) {
        row[2] = static_cast<WORD>(runUnits);
    } else {
        row[2] = kLongCount;
        row[3] = static_cast<WORD>(runUnits & 0xFFFFu);
        row[4] = static_cast<WORD>(runUnits >> 16);
    }
    WORD *out = row + header;
    for (int i = 0; i < count; ++i) {
        const DWORD run = runs[i];
        if (IsShort(run)) {
            *out++ = static_cast<WORD>((SECEditRunGroup(run) << 10) | SECEditRunLength(run));
        } else {
            *out++ = kLongRun;
            *out++ = static_cast<WORD>(SECEditRunLength(run));
            *out++ = SECEditRunGroup(run);
        }
    }
    ++m_nLive;
    return row;
}

void SECEditPackedRows::Free(Row row)
{
    if (!row)
        return;
    size_t header = 0;
    const size_t size = RoundedUnits(header + RunUnits(row, &header));
    auto *block = const_cast<WORD *>(row);
    --m_nLive;
    if (size > kMaxPooledUnits) {
        delete[] block;
        return;
    }
    WORD *&head = m_freeHeads[size / 2];
    SetNextFree(block, head);
    head = block;
}

void SECEditPackedRows::ReleaseIfEmpty()
{
    if (m_nLive != 0)
        return;
    m_chunks.clear();
    m_chunks.shrink_to_fit();
    std::fill(m_freeHeads.begin(), m_freeHeads.end(), nullptr);
    m_pNext = nullptr;
    m_nLeft = 0;
}

unsigned SECEditPackedRows::Stamp(Row row)
{
    return static_cast<unsigned>(row[0]) | (static_cast<unsigned>(row[1]) << 16);
}

void SECEditPackedRows::Unpack(Row row, SECEditColorRuns *pRuns)
{
    pRuns->RemoveAll();
    size_t header = 0;
    const size_t units = RunUnits(row, &header);
    const WORD *p = row + header;
    const WORD *end = p + units;
    while (p < end) {
        if (*p != kLongRun) {
            pRuns->AddRaw(SECEditMakeRun(*p & 0x3FF, static_cast<WORD>((*p >> 10) & 0x1F)));
            ++p;
        } else {
            pRuns->AddRaw(SECEditMakeRun(p[1], p[2]));
            p += 3;
        }
    }
}
