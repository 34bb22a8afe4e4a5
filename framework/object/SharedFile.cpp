// CSharedFile: a memory file whose bytes live in a global memory block.
#include "framework/object/File.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_hGlobalMemory(nullptr), m_bAllowGrow(TRUE)
{
}

CSharedFile::~CSharedFile()
{
    Close();
}

void CSharedFile::Close()
{
    if (m_hGlobalMemory != nullptr && !m_bAutoDelete) {
        // The caller's block: unlocked and handed back untouched.
        GlobalUnlock(m_hGlobalMemory);
        m_hGlobalMemory = nullptr;
        m_lpBuffer = nullptr;
    }
    CMemFile::Close();
}

BYTE *CSharedFile::Alloc(size_t nBytes)
{
    HGLOBAL hMem = GlobalAlloc(m_nAllocFlags, nBytes);
    if (hMem == nullptr)
        return nullptr;
    m_hGlobalMemory = hMem;
    return static_cast<BYTE *>(GlobalLock(hMem));
}

BYTE *CSharedFile::Realloc(BYTE *, size_t nBytes)
{
    if (!m_bAllowGrow || m_hGlobalMemory == nullptr)
        return nullptr;
    GlobalUnlock(m_hGlobalMemory);
    HGLOBAL hNew = GlobalReAlloc(m_hGlobalMemory, nBytes, m_nAllocFlags);
    if (hNew == nullptr) {
        GlobalLock(m_hGlobalMemory);
        return nullptr;
    }
    m_hGlobalMemory = hNew;
    return static_cast<BYTE *>(GlobalLock(hNew));
}

BYTE *CSharedFile::GrowForeignBuffer(size_t nBytes)
{
    // The caller's block grows in place when the caller allowed it.
    return Realloc(m_lpBuffer, nBytes);
}

void CSharedFile::Free(BYTE *)
{
    if (m_hGlobalMemory == nullptr)
        return;
    GlobalUnlock(m_hGlobalMemory);
    GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = nullptr;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMem = m_hGlobalMemory;
    if (hMem == nullptr) {
        hMem = GlobalAlloc(m_nAllocFlags, 0);
        if (hMem == nullptr)
            AfxThrowMemoryException();
    } else {
        // The receiver sees exactly the bytes written, not the growth room.
        GlobalUnlock(hMem);
        if (GlobalReAlloc(hMem, m_nFileSize, m_nAllocFlags) == nullptr && m_nFileSize > GlobalSize(hMem))
            AfxThrowMemoryException();
    }
    m_hGlobalMemory = nullptr;
    m_lpBuffer = nullptr;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return hMem;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    Close();
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = static_cast<BYTE *>(GlobalLock(hGlobalMemory));
    m_nBufferSize = m_nFileSize = GlobalSize(hGlobalMemory);
    m_nPosition = 0;
    m_bAllowGrow = bAllowGrow;
    m_bAutoDelete = FALSE;
}
