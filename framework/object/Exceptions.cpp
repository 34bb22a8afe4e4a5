// The exception classes, their messages and the throw helpers.
#include "framework/object/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace {

const int IDOK = 1;

AfxMessageBoxHandler g_pfnMessageBox = nullptr;

// Fills "%1" in a message with the file name, or "an unnamed file".
CString FormatWithFileName(LPCTSTR lpszFormat, const CString &strFileName)
{
    CString strName = strFileName.IsEmpty() ? CString("an unnamed file") : strFileName;
    CString strText(lpszFormat);
    strText.Replace("%1", strName);
    return strText;
}

} // namespace

AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler pfnHandler)
{
    AfxMessageBoxHandler pfnOld = g_pfnMessageBox;
    g_pfnMessageBox = pfnHandler;
    return pfnOld;
}

// ---------------------------------------------------------------------------
// CException

namespace {

// Set by CException::operator new, taken by the constructor that follows.
thread_local bool t_bExceptionOnHeap = false;

} // namespace

void *CException::operator new(size_t nSize)
{
    void *p = ::operator new(nSize);
    t_bExceptionOnHeap = true;
    return p;
}

void CException::operator delete(void *p) noexcept
{
    ::operator delete(p);
}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete), m_bOnHeap(t_bExceptionOnHeap)
{
    t_bExceptionOnHeap = false;
}

void CException::Delete()
{
    if (m_bAutoDelete && m_bOnHeap) {
        CExceptionAutoDelete::Forget(this);
        delete this;
    }
}

// ---------------------------------------------------------------------------
// Handler-block guards, innermost first

namespace {

thread_local CExceptionAutoDelete *t_pInnermostGuard = nullptr;

} // namespace

CExceptionAutoDelete::CExceptionAutoDelete(CException *pException)
    : m_pException(pException), m_pOuter(t_pInnermostGuard)
{
    t_pInnermostGuard = this;
}

CExceptionAutoDelete::~CExceptionAutoDelete()
{
    t_pInnermostGuard = m_pOuter;
    if (m_pException != nullptr)
        m_pException->Delete();
}

void CExceptionAutoDelete::Forget(CException *pException)
{
    for (CExceptionAutoDelete *pGuard = t_pInnermostGuard; pGuard != nullptr; pGuard = pGuard->m_pOuter) {
        if (pGuard->m_pException == pException)
            pGuard->m_pException = nullptr;
    }
}

BOOL CException::GetMessageText(CString &) const
{
    return FALSE;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT *pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    CString strMessage;
    if (!GetMessageText(strMessage)) {
        if (lpszError != nullptr && nMaxError > 0)
            lpszError[0] = '\0';
        return FALSE;
    }
    if (lpszError != nullptr && nMaxError > 0) {
        size_t nCopy = std::min<size_t>(size_t(strMessage.GetLength()), size_t(nMaxError - 1));
        std::memcpy(lpszError, (LPCTSTR)strMessage, nCopy);
        lpszError[nCopy] = '\0';
    }
    return TRUE;
}

CString CException::GetErrorMessage() const
{
    CString strMessage;
    if (!GetMessageText(strMessage))
        strMessage.Empty();
    return strMessage;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    CString strMessage;
    if (!GetMessageText(strMessage)) {
        if (nMessageID == 0 || !strMessage.LoadString(nMessageID))
            strMessage = "No error message is available.";
    }
    if (g_pfnMessageBox != nullptr)
        return g_pfnMessageBox(strMessage, nType, 0);
    std::fprintf(stderr, "%s\n", (LPCTSTR)strMessage);
    return IDOK;
}

// ---------------------------------------------------------------------------
// Simple exceptions

BOOL CMemoryException::GetMessageText(CString &strMessage) const
{
    strMessage = "Out of memory.";
    return TRUE;
}

BOOL CNotSupportedException::GetMessageText(CString &strMessage) const
{
    strMessage = "Unsupported operation was attempted.";
    return TRUE;
}

BOOL CResourceException::GetMessageText(CString &strMessage) const
{
    strMessage = "A required resource was unavailable.";
    return TRUE;
}

// ---------------------------------------------------------------------------
// CFileException

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

int CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST: return accessDenied;
    case EBADF: return invalidFile;
    case EBUSY:
    case ETXTBSY: return sharingViolation;
    case EWOULDBLOCK: return lockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return diskFull;
    case ESPIPE:
    case EOVERFLOW: return badSeek;
    case EIO: return hardIO;
    default: return genericException;
    }
}

int CFileException::OsErrorToException(LONG lOsError)
{
    return ErrnoToException(int(lOsError));
}

void CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    if (nErrno != 0)
        AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

void CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    ThrowErrno(int(lOsError), lpszFileName);
}

BOOL CFileException::GetMessageText(CString &strMessage) const
{
    static const char *const messages[] = {
        "No error occurred.",
        "An unexpected error occurred while accessing %1.",
        "%1 was not found.",
        "%1 contains an invalid path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.",
        "An invalid file handle was associated with %1.",
        "%1 could not be removed because it is the current directory.",
        "%1 could not be created because the directory is full.",
        "Seek failed on %1",
        "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end.",
    };
    int cause = (m_cause >= 0 && m_cause <= endOfFile) ? m_cause : genericException;
    strMessage = FormatWithFileName(messages[cause], m_strFileName);
    return TRUE;
}

// ---------------------------------------------------------------------------
// CArchiveException

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetMessageText(CString &strMessage) const
{
    static const char *const messages[] = {
        "No error occurred.",
        "An unexpected error occurred while accessing %1.",
        "An attempt was made to write to the reading %1.",
        "An attempt was made to access %1 past its end.",
        "An attempt was made to read from the writing %1.",
        "%1 has a bad format.",
        "%1 contained an unexpected object.",
        "%1 contains an incorrect schema.",
    };
    int cause = (m_cause >= 0 && m_cause <= badSchema) ? m_cause : genericException;
    strMessage = FormatWithFileName(messages[cause], m_strFileName);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Throw helpers

void AfxThrowMemoryException()
{
    throw new CMemoryException;
}

void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AfxThrowResourceException()
{
    throw new CResourceException;
}

void AfxThrowUserException()
{
    throw new CUserException;
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
