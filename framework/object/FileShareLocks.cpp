// Share modes as advisory locks held while the file is open (flock: one lock
// per open file description, so two opens in one process exclude each other
// too):
//
//   writers and shareExclusive   exclusive lock
//   every other opener           shared lock
//
// So a save (write, exclusive) is refused while anyone else has the file
// open through the framework, and an open is refused while a save is in
// progress; two saves of one file never interleave.  Two writers that both
// share everything, or a reader beside such a writer, are refused as well,
// which errs on the safe side.
#include "framework/object/File.h"

#include <cerrno>
#include <sys/file.h>

BOOL CFile::AcquireShareLocks(int hFile, UINT nOpenFlags, LPCTSTR lpszFileName, CFileException *pError)
{
    UINT nShare = nOpenFlags & 0x70;
    UINT nAccess = nOpenFlags & 3;
    bool bWrites = nAccess == modeWrite || nAccess == modeReadWrite;
    int nOperation = (bWrites || nShare == shareExclusive) ? LOCK_EX : LOCK_SH;

    int nResult;
    do {
        nResult = ::flock(hFile, nOperation | LOCK_NB);
    } while (nResult != 0 && errno == EINTR);
    if (nResult == 0)
        return TRUE;
    int nErrno = errno;
    if (nErrno != EWOULDBLOCK)
        return TRUE; // a file system without locks: the open goes ahead unguarded
    if (pError != nullptr) {
        pError->m_cause = CFileException::sharingViolation;
        pError->m_lOsError = nErrno;
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}
