// CArchive: construction, buffering, raw bytes, counts and plain records.
#include "framework/object/Archive.h"

#include <algorithm>

namespace {

const UINT kMinBufferSize = 128;

} // namespace

CArchive::CArchive(CFile *pFile, UINT nMode, int nBufSize, void *lpBuf)
    : m_pDocument(nullptr), m_bForceFlat(TRUE), m_nMode(nMode), m_pFile(pFile), m_lpBufStart(nullptr),
      m_lpBufCur(nullptr), m_lpBufMax(nullptr), m_nBufSize(0), m_bUserBuf(FALSE), m_nObjectSchema(UINT(-1)),
      m_nLoadNesting(0), m_nMapCount(1)
{
    m_nBufSize = nBufSize < int(kMinBufferSize) ? kMinBufferSize : UINT(nBufSize);
    if (lpBuf != nullptr && nBufSize >= int(kMinBufferSize)) {
        m_lpBufStart = static_cast<BYTE *>(lpBuf);
        m_bUserBuf = TRUE;
    } else {
        m_lpBufStart = new BYTE[m_nBufSize];
    }
    m_lpBufCur = m_lpBufStart;
    // Loading starts with an empty buffer, storing with an empty one to fill.
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    if (m_pFile != nullptr)
        m_strFileName = m_pFile->GetFilePath();
    // Index 0 is the null object.
    m_loadArray.push_back(LoadEntry{nullptr, 0, false, false});
}

CArchive::~CArchive()
{
    if (m_pFile != nullptr && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Close();
        } catch (CException *e) {
            e->Delete();
        }
    }
    Abort();
}

void CArchive::Abort()
{
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
    m_lpBufStart = m_lpBufCur = m_lpBufMax = nullptr;
    m_bUserBuf = FALSE;
    m_pFile = nullptr;
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Flush()
{
    if (m_pFile == nullptr)
        return;
    if (IsLoading()) {
        // Give the bytes read ahead back, so the file stands right after
        // the last byte the archive handed out.
        if (m_lpBufMax != m_lpBufCur)
            m_pFile->Seek(-LONGLONG(m_lpBufMax - m_lpBufCur), CFile::current);
        m_lpBufCur = m_lpBufMax;
    } else {
        if (m_lpBufCur != m_lpBufStart) {
            UINT nBytes = UINT(m_lpBufCur - m_lpBufStart);
            m_lpBufCur = m_lpBufStart;
            m_pFile->Write(m_lpBufStart, nBytes);
        }
    }
}

void CArchive::ThrowArchive(int cause) const
{
    AfxThrowArchiveException(cause, m_strFileName);
}

void CArchive::ThrowReadOnly() const
{
    ThrowArchive(CArchiveException::readOnly);
}

void CArchive::ThrowWriteOnly() const
{
    ThrowArchive(CArchiveException::writeOnly);
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = UINT(-1);
    return nResult;
}

void CArchive::FillBuffer(UINT nBytesNeeded)
{
    if (!IsLoading())
        ThrowWriteOnly();
    UINT nUnused = UINT(m_lpBufMax - m_lpBufCur);
    UINT nTotalNeeded = nUnused + nBytesNeeded;
    if (nTotalNeeded > m_nBufSize)
        ThrowArchive(CArchiveException::genericException);
    if (nUnused > 0 && m_lpBufCur != m_lpBufStart)
        std::memmove(m_lpBufStart, m_lpBufCur, nUnused);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + nUnused;
    while (m_pFile != nullptr && UINT(m_lpBufMax - m_lpBufStart) < nTotalNeeded) {
        UINT nRead = m_pFile->Read(m_lpBufMax, m_nBufSize - UINT(m_lpBufMax - m_lpBufStart));
        if (nRead == 0)
            break;
        m_lpBufMax += nRead;
    }
    if (UINT(m_lpBufMax - m_lpBufStart) < nTotalNeeded)
        ThrowArchive(CArchiveException::endOfFile);
}

void CArchive::EnsureAvailable(ULONGLONG nBytes)
{
    ULONGLONG nBuffered = ULONGLONG(m_lpBufMax - m_lpBufCur);
    if (nBytes <= nBuffered || m_pFile == nullptr)
        return;
    ULONGLONG nRemaining;
    try {
        ULONGLONG nPosition = m_pFile->GetPosition();
        ULONGLONG nLength = m_pFile->GetLength();
        nRemaining = nLength > nPosition ? nLength - nPosition : 0;
    } catch (CException *e) {
        // A stream without a length: reading itself will run out.
        e->Delete();
        return;
    }
    if (nBytes - nBuffered > nRemaining)
        ThrowArchive(CArchiveException::endOfFile);
}

UINT CArchive::Read(void *lpBuf, UINT nMax)
{
    if (nMax == 0)
        return 0;
    if (!IsLoading())
        ThrowWriteOnly();
    BYTE *pDest = static_cast<BYTE *>(lpBuf);
    UINT nLeft = nMax;

    UINT nFromBuffer = std::min(nLeft, UINT(m_lpBufMax - m_lpBufCur));
    std::memcpy(pDest, m_lpBufCur, nFromBuffer);
    m_lpBufCur += nFromBuffer;
    pDest += nFromBuffer;
    nLeft -= nFromBuffer;

    while (nLeft > 0 && m_pFile != nullptr) {
        if (nLeft >= m_nBufSize) {
            // Large reads bypass the buffer.
            UINT nRead = m_pFile->Read(pDest, nLeft);
            if (nRead == 0)
                break;
            pDest += nRead;
            nLeft -= nRead;
        } else {
            m_lpBufCur = m_lpBufStart;
            m_lpBufMax = m_lpBufStart + m_pFile->Read(m_lpBufStart, m_nBufSize);
            UINT nCopy = std::min(nLeft, UINT(m_lpBufMax - m_lpBufCur));
            if (nCopy == 0)
                break;
            std::memcpy(pDest, m_lpBufCur, nCopy);
            m_lpBufCur += nCopy;
            pDest += nCopy;
            nLeft -= nCopy;
        }
    }
    return nMax - nLeft;
}

void CArchive::Write(const void *lpBuf, UINT nMax)
{
    if (nMax == 0)
        return;
    if (!IsStoring())
        ThrowReadOnly();
    const BYTE *pSrc = static_cast<const BYTE *>(lpBuf);
    UINT nRoom = UINT(m_lpBufMax - m_lpBufCur);
    if (nMax <= nRoom) {
        std::memcpy(m_lpBufCur, pSrc, nMax);
        m_lpBufCur += nMax;
        return;
    }
    std::memcpy(m_lpBufCur, pSrc, nRoom);
    m_lpBufCur += nRoom;
    pSrc += nRoom;
    nMax -= nRoom;
    Flush();
    if (nMax >= m_nBufSize) {
        // Large writes bypass the buffer.
        m_pFile->Write(pSrc, nMax);
    } else {
        std::memcpy(m_lpBufCur, pSrc, nMax);
        m_lpBufCur += nMax;
    }
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF) {
        *this << WORD(dwCount);
    } else {
        *this << WORD(0xFFFF);
        if (dwCount < 0xFFFFFFFF) {
            *this << DWORD(dwCount);
        } else {
            *this << DWORD(0xFFFFFFFF);
            *this << ULONGLONG(dwCount);
        }
    }
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    DWORD_PTR nCount = wCount;
    if (wCount == 0xFFFF) {
        DWORD dwCount;
        *this >> dwCount;
        nCount = dwCount;
        if (dwCount == 0xFFFFFFFF) {
            ULONGLONG qwCount;
            *this >> qwCount;
            nCount = DWORD_PTR(qwCount);
        }
    }
    // Every counted item takes at least one byte of the archive.
    EnsureAvailable(nCount);
    return nCount;
}

CArchive &operator<<(CArchive &ar, SIZE size)
{
    return ar << int(size.cx) << int(size.cy);
}

CArchive &operator<<(CArchive &ar, POINT point)
{
    return ar << int(point.x) << int(point.y);
}

CArchive &operator<<(CArchive &ar, const RECT &rect)
{
    return ar << int(rect.left) << int(rect.top) << int(rect.right) << int(rect.bottom);
}

CArchive &operator>>(CArchive &ar, SIZE &size)
{
    return ar >> size.cx >> size.cy;
}

CArchive &operator>>(CArchive &ar, POINT &point)
{
    return ar >> point.x >> point.y;
}

CArchive &operator>>(CArchive &ar, RECT &rect)
{
    return ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}
