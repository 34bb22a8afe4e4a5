// Share modes as advisory locks on the open file (flock, one lock per open
// file description, so two opens in one process exclude each other too):
//
//   writers and shareExclusive   exclusive lock
//   shareDenyWrite, DenyRead     shared lock
//   readers sharing everything   no lock; they only check that no one holds
//                                the file exclusively
//
// So a save (write, exclusive) waits for no one and is refused while anyone
// else reads with deny-write or writes; two saves of one file never
// interleave.  Two writers that both share everything are refused as well,
// which errs on the safe side.
#include "framework/object/File.h"

#include <cerrno>
#include <sys/file.h>

BOOL CFile::AcquireShareLocks(int hFile, UINT nOpenFlags, LPCTSTR lpszFileName,
                              CFileException *pError)
{
    UINT nShare = nOpenFlags & 0x70;
    UINT nAccess = nOpenFlags & 3;
    bool bWrites = nAccess == modeWrite || nAccess == modeReadWrite;

    int nOperation;
    if (bWrites || nShare == shareExclusive)
        nOperation = LOCK_EX;
    else if (nShare == shareDenyWrite || nShare == shareDenyRead)
        nOperation = LOCK_SH;
    else
        nOperation = LOCK_SH; // probe only, released below

    int nResult;
    do {
        nResult = ::flock(hFile, nOperation | LOCK_NB);
    } while (nResult != 0 && errno == EINTR);
    if (nResult != 0) {
        int nErrno = errno;
        if (nErrno == EWOULDBLOCK) {
            if (pError != NULL) {
                pError->m_cause = CFileException::sharingViolation;
                pError->m_lOsError = nErrno;
                pError->m_strFileName = lpszFileName;
            }
            return FALSE;
        }
        // File systems without locks: the open goes ahead unguarded.
        return TRUE;
    }
    bool bProbeOnly = !bWrites && nShare != shareExclusive && nShare != shareDenyWrite &&
                      nShare != shareDenyRead;
    if (bProbeOnly)
        ::flock(hFile, LOCK_UN);
    return TRUE;
}
