#include "framework/collections/SerializeElements.h"

#include <climits>

void ThrowArchiveError(CArchive &ar, int nCause)
{
    AfxThrowArchiveException(nCause, ar.m_strFileName);
}

// A count beyond what an int holds cannot be a collection's size here; one
// beyond the remaining bytes cannot be read.  Either way the data ends
// before the count does.
void CheckArchivedCount(CArchive &ar, DWORD_PTR nCount, DWORD nMinBytes)
{
    if (nCount > static_cast<DWORD_PTR>(INT_MAX))
        ThrowArchiveError(ar, CArchiveException::endOfFile);
    ar.EnsureAvailable(static_cast<ULONGLONG>(nCount) * nMinBytes);
}

// The archive takes at most a UINT per call.
void ReadArchiveBytes(CArchive &ar, void *pBuffer, size_t nBytes)
{
    BYTE *pBytes = static_cast<BYTE *>(pBuffer);
    while (nBytes > 0) {
        UINT nChunk = static_cast<UINT>(nBytes < UINT_MAX ? nBytes : UINT_MAX);
        if (ar.Read(pBytes, nChunk) != nChunk)
            ThrowArchiveError(ar, CArchiveException::endOfFile);
        pBytes += nChunk;
        nBytes -= nChunk;
    }
}

void WriteArchiveBytes(CArchive &ar, const void *pBuffer, size_t nBytes)
{
    const BYTE *pBytes = static_cast<const BYTE *>(pBuffer);
    while (nBytes > 0) {
        UINT nChunk = static_cast<UINT>(nBytes < UINT_MAX ? nBytes : UINT_MAX);
        ar.Write(pBytes, nChunk);
        pBytes += nChunk;
        nBytes -= nChunk;
    }
}
