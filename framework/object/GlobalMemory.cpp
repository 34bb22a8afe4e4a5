// Movable global memory blocks on the C heap.
#include "framework/object/GlobalMemory.h"

#include <cstdlib>
#include <cstring>

namespace {

struct GlobalBlock {
    BYTE *data;
    size_t size;
    UINT flags;
    UINT lockCount;
};

GlobalBlock *BlockOf(HGLOBAL hMem)
{
    return static_cast<GlobalBlock *>(hMem);
}

} // namespace

HGLOBAL GlobalAlloc(UINT uFlags, size_t dwBytes)
{
    GlobalBlock *pBlock = static_cast<GlobalBlock *>(std::malloc(sizeof(GlobalBlock)));
    if (pBlock == nullptr)
        return nullptr;
    // Never a NULL data pointer, so that a locked empty block is usable.
    pBlock->data = static_cast<BYTE *>(std::malloc(dwBytes != 0 ? dwBytes : 1));
    if (pBlock->data == nullptr) {
        std::free(pBlock);
        return nullptr;
    }
    if (uFlags & GMEM_ZEROINIT)
        std::memset(pBlock->data, 0, dwBytes);
    pBlock->size = dwBytes;
    pBlock->flags = uFlags;
    pBlock->lockCount = 0;
    return pBlock;
}

HGLOBAL GlobalReAlloc(HGLOBAL hMem, size_t dwBytes, UINT uFlags)
{
    GlobalBlock *pBlock = BlockOf(hMem);
    if (pBlock == nullptr)
        return nullptr;
    if (uFlags & GMEM_MODIFY) {
        pBlock->flags = (pBlock->flags & ~GMEM_MOVEABLE) | (uFlags & GMEM_MOVEABLE);
        return hMem;
    }
    BYTE *pData = static_cast<BYTE *>(std::realloc(pBlock->data, dwBytes != 0 ? dwBytes : 1));
    if (pData == nullptr)
        return nullptr;
    if ((uFlags & GMEM_ZEROINIT) && dwBytes > pBlock->size)
        std::memset(pData + pBlock->size, 0, dwBytes - pBlock->size);
    pBlock->data = pData;
    pBlock->size = dwBytes;
    return hMem;
}

LPVOID GlobalLock(HGLOBAL hMem)
{
    GlobalBlock *pBlock = BlockOf(hMem);
    if (pBlock == nullptr)
        return nullptr;
    ++pBlock->lockCount;
    return pBlock->data;
}

BOOL GlobalUnlock(HGLOBAL hMem)
{
    GlobalBlock *pBlock = BlockOf(hMem);
    if (pBlock == nullptr || pBlock->lockCount == 0)
        return FALSE;
    --pBlock->lockCount;
    return pBlock->lockCount != 0;
}

size_t GlobalSize(HGLOBAL hMem)
{
    GlobalBlock *pBlock = BlockOf(hMem);
    return pBlock != nullptr ? pBlock->size : 0;
}

UINT GlobalFlags(HGLOBAL hMem)
{
    GlobalBlock *pBlock = BlockOf(hMem);
    return pBlock != nullptr ? (pBlock->lockCount & 0xFF) : 0;
}

HGLOBAL GlobalFree(HGLOBAL hMem)
{
    GlobalBlock *pBlock = BlockOf(hMem);
    if (pBlock != nullptr) {
        std::free(pBlock->data);
        std::free(pBlock);
    }
    return nullptr;
}
