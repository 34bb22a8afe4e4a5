// CMemFile: a file in one growing memory block.
#include "framework/object/File.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE *lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile(nGrowBytes)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    // Free is called non-virtually here; CSharedFile has released its
    // global block in its own destructor already.
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        CMemFile::Free(m_lpBuffer);
    m_lpBuffer = nullptr;
}

void CMemFile::Attach(BYTE *lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    Close();
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_nBufferSize = nBufferSize;
    // Without growth the buffer's bytes are the file; with growth the
    // buffer is only room for a file that starts empty.
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_lpBuffer = lpBuffer;
    m_bAutoDelete = FALSE;
}

BYTE *CMemFile::Detach()
{
    BYTE *lpBuffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return lpBuffer;
}

BYTE *CMemFile::Alloc(size_t nBytes)
{
    return static_cast<BYTE *>(std::malloc(nBytes));
}

BYTE *CMemFile::Realloc(BYTE *lpMem, size_t nBytes)
{
    return static_cast<BYTE *>(std::realloc(lpMem, nBytes));
}

void CMemFile::Free(BYTE *lpMem)
{
    std::free(lpMem);
}

void CMemFile::GrowFile(size_t dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    // The next multiple of the growth step above the current size.
    size_t nSteps = (dwNewLen - m_nBufferSize + m_nGrowBytes - 1) / m_nGrowBytes;
    size_t nNewBufferSize = m_nBufferSize + nSteps * m_nGrowBytes;

    BYTE *lpNew;
    if (m_lpBuffer == nullptr)
        lpNew = Alloc(nNewBufferSize);
    else if (m_bAutoDelete)
        lpNew = Realloc(m_lpBuffer, nNewBufferSize);
    else
        lpNew = GrowForeignBuffer(nNewBufferSize);
    if (lpNew == nullptr)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = nNewBufferSize;
}

BYTE *CMemFile::GrowForeignBuffer(size_t nBytes)
{
    // A caller's buffer is never reallocated: the file moves to its own.
    BYTE *lpNew = Alloc(nBytes);
    if (lpNew != nullptr) {
        std::memcpy(lpNew, m_lpBuffer, m_nFileSize);
        m_bAutoDelete = TRUE;
    }
    return lpNew;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG nBase = nFrom == begin ? 0 : nFrom == current ? LONGLONG(m_nPosition) : LONGLONG(m_nFileSize);
    LONGLONG nNewPos = nBase + lOff;
    if (nNewPos < 0 || (lOff > 0 && nNewPos < nBase))
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = size_t(nNewPos);
    return ULONGLONG(m_nPosition);
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > m_nBufferSize)
        GrowFile(size_t(dwNewLen));
    if (dwNewLen > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, size_t(dwNewLen) - m_nFileSize);
    if (dwNewLen < m_nPosition)
        m_nPosition = size_t(dwNewLen);
    m_nFileSize = size_t(dwNewLen);
}

UINT CMemFile::Read(void *lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize || nCount == 0)
        return 0;
    size_t nRead = m_nFileSize - m_nPosition;
    if (nRead > nCount)
        nRead = nCount;
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return UINT(nRead);
}

void CMemFile::Write(const void *lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    size_t nEnd = m_nPosition + nCount;
    if (nEnd > m_nBufferSize)
        GrowFile(nEnd);
    // Bytes skipped by a seek past the end read as zeros.
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = nEnd;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

void CMemFile::Close()
{
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_bAutoDelete = TRUE;
}

void CMemFile::Abort()
{
    Close();
}

void CMemFile::LockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

void CMemFile::UnlockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}
