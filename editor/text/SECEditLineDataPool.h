// Where the text buffer's line objects live: slots in chunks of a few
// thousand, handed out and taken back through a free list, so that marking
// millions of lines (every line a bulk replacement brought in) costs a
// pointer move per line instead of a heap allocation, and lines that go and
// come again reuse the same memory.
#pragma once

#include "editor/text/SECEditLineData.h"

#include <cstddef>
#include <memory>
#include <vector>

class SECEditLineDataPool {
public:
    // Line objects per chunk.
    static constexpr size_t kChunk = 4096;

    SECEditLineDataPool() = default;
    SECEditLineDataPool(const SECEditLineDataPool &) = delete;
    SECEditLineDataPool &operator=(const SECEditLineDataPool &) = delete;

    // A new empty line object.
    SECEditLineData *New();
    // Takes back an object that New handed out.
    void Delete(SECEditLineData *pData);
    // Gives all the memory back; every object handed out is gone with it.
    void Release();
    // Objects handed out and not taken back.
    size_t GetLiveCount() const { return m_nLive; }

private:
    union Slot {
        Slot *next;
        alignas(SECEditLineData) unsigned char storage[sizeof(SECEditLineData)];
    };

    std::vector<std::unique_ptr<Slot[]>> m_chunks;
    // Slots of the last chunk never handed out yet.
    size_t m_nFreshInLast = 0;
    Slot *m_pFree = nullptr;
    size_t m_nLive = 0;
};
