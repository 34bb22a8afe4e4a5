#include "editor/text/SECEditLineDataPool.h"

#include <new>

SECEditLineData *SECEditLineDataPool::New()
{
    Slot *slot = m_pFree;
    if (slot) {
        m_pFree = slot->next;
    } else {
        if (m_nFreshInLast == 0) {
            // Not value-initialised: a slot is only written when handed out.
            m_chunks.emplace_back(new Slot[kChunk]);
            m_nFreshInLast = kChunk;
        }
        slot = &m_chunks.back()[kChunk - m_nFreshInLast];
        --m_nFreshInLast;
    }
    ++m_nLive;
    return new (slot->storage) SECEditLineData;
}

void SECEditLineDataPool::Delete(SECEditLineData *pData)
{
    if (!pData)
        return;
    pData->~SECEditLineData();
    Slot *slot = reinterpret_cast<Slot *>(pData);
    slot->next = m_pFree;
    m_pFree = slot;
    --m_nLive;
}

void SECEditLineDataPool::Release()
{
    std::vector<std::unique_ptr<Slot[]>>().swap(m_chunks);
    m_nFreshInLast = 0;
    m_pFree = nullptr;
    m_nLive = 0;
}
