// CFile on a POSIX file descriptor.
#include "framework/object/File.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CFile()
{
    CFileException fe(CFileException::none);
    if (!Open(lpszFileName, nOpenFlags, &fe))
        AfxThrowFileException(fe.m_cause, fe.m_lOsError, fe.m_strFileName);
}

CFile::~CFile()
{
    // Destruction must not throw: errors of a final close are dropped.
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        CFile::Abort();
}

CString CFile::MakeFullPath(LPCTSTR lpszFileName)
{
    std::string path = lpszFileName != nullptr ? lpszFileName : "";
    if (!path.empty() && path[0] != '/') {
        char cwd[PATH_MAX];
        if (::getcwd(cwd, sizeof(cwd)) != nullptr) {
            std::string dir = cwd;
            if (dir.empty() || dir.back() != '/')
                dir += '/';
            path = dir + path;
        }
    }
    return CString(path);
}

void CFile::ReportOpenError(CFileException *pError, int nErrno, LPCTSTR lpszFileName)
{
    if (pError == nullptr)
        return;
    pError->m_cause = CFileException::ErrnoToException(nErrno);
    pError->m_lOsError = nErrno;
    pError->m_strFileName = lpszFileName;
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError)
{
    if (m_hFile != hFileNull)
        Abort();
    if (lpszFileName == nullptr || *lpszFileName == '\0') {
        ReportOpenError(pError, ENOENT, lpszFileName);
        return FALSE;
    }

    int flags = O_CLOEXEC;
    switch (nOpenFlags & 3) {
    case modeRead: flags |= O_RDONLY; break;
    case modeWrite: flags |= O_WRONLY; break;
    case modeReadWrite: flags |= O_RDWR; break;
    default: ReportOpenError(pError, EINVAL, lpszFileName); return FALSE;
    }
    // Truncation waits until the share locks are held, so that a refused
    // open never destroys the content another opener protects.
    if (nOpenFlags & modeCreate)
        flags |= O_CREAT;

    int hFile = ::open(lpszFileName, flags, 0666);
    if (hFile < 0) {
        ReportOpenError(pError, errno, lpszFileName);
        return FALSE;
    }
    struct stat st;
    if (::fstat(hFile, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(hFile);
        ReportOpenError(pError, EISDIR, lpszFileName);
        return FALSE;
    }
    if (!AcquireShareLocks(hFile, nOpenFlags, lpszFileName, pError)) {
        ::close(hFile);
        return FALSE;
    }
    if ((nOpenFlags & modeCreate) && !(nOpenFlags & modeNoTruncate) && ::ftruncate(hFile, 0) != 0) {
        int nErrno = errno;
        ::close(hFile);
        ReportOpenError(pError, nErrno, lpszFileName);
        return FALSE;
    }

    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = MakeFullPath(lpszFileName);
    return TRUE;
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    int whence = nFrom == begin ? SEEK_SET : nFrom == current ? SEEK_CUR : SEEK_END;
    off_t pos = ::lseek(m_hFile, off_t(lOff), whence);
    if (pos < 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return ULONGLONG(pos);
}

ULONGLONG CFile::GetPosition() const
{
    off_t pos = ::lseek(m_hFile, 0, SEEK_CUR);
    if (pos < 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    return ULONGLONG(pos);
}

ULONGLONG CFile::GetLength() const
{
    struct stat st;
    if (::fstat(m_hFile, &st) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    return ULONGLONG(st.st_size);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    if (::ftruncate(m_hFile, off_t(dwNewLen)) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
}

UINT CFile::Read(void *lpBuf, UINT nCount)
{
    BYTE *pDest = static_cast<BYTE *>(lpBuf);
    UINT nRead = 0;
    while (nRead < nCount) {
        ssize_t n = ::read(m_hFile, pDest + nRead, nCount - nRead);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            CFileException::ThrowErrno(errno, m_strFileName);
        }
        if (n == 0)
            break;
        nRead += UINT(n);
    }
    return nRead;
}

void CFile::Write(const void *lpBuf, UINT nCount)
{
    const BYTE *pSrc = static_cast<const BYTE *>(lpBuf);
    UINT nWritten = 0;
    while (nWritten < nCount) {
        ssize_t n = ::write(m_hFile, pSrc + nWritten, nCount - nWritten);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            CFileException::ThrowErrno(errno, m_strFileName);
        }
        if (n == 0)
            AfxThrowFileException(CFileException::diskFull, ENOSPC, m_strFileName);
        nWritten += UINT(n);
    }
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    // Pipes and terminals cannot be synchronised; that is no error.
    if (::fsync(m_hFile) != 0 && errno != EINVAL && errno != EROFS)
        CFileException::ThrowErrno(errno, m_strFileName);
}

void CFile::Close()
{
    int hFile = m_hFile;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (hFile != hFileNull && ::close(hFile) != 0 && errno != EINTR)
        CFileException::ThrowErrno(errno, nullptr);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        ::close(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

void CFile::LockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = off_t(dwPos);
    lock.l_len = off_t(dwCount);
    if (::fcntl(m_hFile, F_OFD_SETLK, &lock) != 0)
        AfxThrowFileException(CFileException::lockViolation, errno, m_strFileName);
}

void CFile::UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    struct flock lock = {};
    lock.l_type = F_UNLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = off_t(dwPos);
    lock.l_len = off_t(dwCount);
    if (::fcntl(m_hFile, F_OFD_SETLK, &lock) != 0)
        AfxThrowFileException(CFileException::lockViolation, errno, m_strFileName);
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

CString CFile::GetFileName() const
{
    int nSlash = m_strFileName.ReverseFind('/');
    return m_strFileName.Mid(nSlash + 1);
}

CString CFile::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

void CFile::SetFilePath(LPCTSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

void CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (::rename(lpszOldName, lpszNewName) != 0)
        CFileException::ThrowErrno(errno, lpszOldName);
}

void CFile::Remove(LPCTSTR lpszFileName)
{
    if (::unlink(lpszFileName) != 0)
        CFileException::ThrowErrno(errno, lpszFileName);
}
