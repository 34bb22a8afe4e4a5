// Movable global memory blocks, the currency of clipboard data: a handle
// names a block that can be locked to a pointer, resized and freed.  Handles
// are plain pointers to a block record; NULL is no block.
#pragma once

#include <cstddef>

#include "framework/base/WinTypes.h"

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_MODIFY 0x0080
#define GMEM_DDESHARE 0x2000
#define GMEM_SHARE 0x2000
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

// A new block of dwBytes bytes (zero-filled with GMEM_ZEROINIT), or NULL.
HGLOBAL GlobalAlloc(UINT uFlags, size_t dwBytes);
// Resizes the block (new bytes zero-filled with GMEM_ZEROINIT); the same
// handle, or NULL when memory is short (the block is then unchanged).
HGLOBAL GlobalReAlloc(HGLOBAL hMem, size_t dwBytes, UINT uFlags);
// The block's bytes; valid until the block is resized or freed.
LPVOID GlobalLock(HGLOBAL hMem);
// TRUE while other locks remain.
BOOL GlobalUnlock(HGLOBAL hMem);
size_t GlobalSize(HGLOBAL hMem);
UINT GlobalFlags(HGLOBAL hMem);
// Frees the block; NULL on success.
HGLOBAL GlobalFree(HGLOBAL hMem);
