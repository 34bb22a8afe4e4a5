// CMirrorFile: safe saving.  The new content goes to a temporary file beside
// the target and replaces the target by one rename on Close.
#include "framework/object/File.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

IMPLEMENT_DYNAMIC(CMirrorFile, CFile)

namespace {

// The file a save must replace: a symbolic link is followed, so the link
// stays and its destination gets the new content.
std::string ResolveTarget(const std::string &path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr)
        return resolved;
    return path;
}

// Temporaries are named ".<target name>.XXXXXX" (mkostemp's six characters).
const size_t kMirrorSuffixLength = 6;

bool IsMirrorName(const std::string &entry, const std::string &prefix)
{
    return entry.size() == prefix.size() + kMirrorSuffixLength && entry.compare(0, prefix.size(), prefix) == 0;
}

// Removes the temporaries of saves of the target that never finished (the
// saving process was killed): a save holds an exclusive lock on its
// temporary until the rename, so one that can be locked has no writer left.
void RemoveStaleMirrors(const std::string &target)
{
    const size_t nSlash = target.rfind('/');
    const std::string folder = target.substr(0, nSlash + 1);
    // Appended rather than "." + std::string: GCC 12's release build reports
    // a false -Wrestrict on the literal-plus-string form.
    std::string prefix(".");
    prefix += target.substr(nSlash + 1);
    prefix += '.';
    DIR *pDir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (pDir == nullptr)
        return;
    while (const dirent *pEntry = ::readdir(pDir)) {
        const std::string name = pEntry->d_name;
        if (!IsMirrorName(name, prefix))
            continue;
        const std::string path = folder + name;
        const int hFile = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (hFile < 0)
            continue;
        struct stat opened;
        struct stat named;
        if (::flock(hFile, LOCK_EX | LOCK_NB) == 0 && ::fstat(hFile, &opened) == 0 && S_ISREG(opened.st_mode) &&
            ::lstat(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino && named.st_dev == opened.st_dev)
            ::unlink(path.c_str());
        ::close(hFile);
    }
    ::closedir(pDir);
}

mode_t CurrentUmask()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

CMirrorFile::~CMirrorFile()
{
    // Destroyed without Close: the save did not finish, the target stays.
    if (m_hFile != hFileNull || !m_strMirrorName.IsEmpty() || m_hTargetLock != hFileNull)
        Abort();
}

BOOL CMirrorFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError)
{
    if (m_hFile != hFileNull || !m_strMirrorName.IsEmpty())
        Abort();
    // Only a file that is created afresh is mirrored; appending to or
    // reading an existing file works on the file itself.
    if (!(nOpenFlags & modeCreate) || (nOpenFlags & modeNoTruncate) || lpszFileName == nullptr || *lpszFileName == '\0')
        return CFile::Open(lpszFileName, nOpenFlags, pError);

    std::string target = ResolveTarget(MakeFullPath(lpszFileName).Str());
    struct stat targetStat;
    bool bTargetExists = ::stat(target.c_str(), &targetStat) == 0;
    if (bTargetExists) {
        // The rename would replace even a file the user may not write.
        if (S_ISDIR(targetStat.st_mode)) {
            ReportOpenError(pError, EISDIR, lpszFileName);
            return FALSE;
        }
        if (::access(target.c_str(), W_OK) != 0) {
            ReportOpenError(pError, errno, lpszFileName);
            return FALSE;
        }
        // Hold the target's share locks until the new content is in place.
        int hLock = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
        if (hLock >= 0) {
            if (!AcquireShareLocks(hLock, nOpenFlags, lpszFileName, pError)) {
                ::close(hLock);
                return FALSE;
            }
            m_hTargetLock = hLock;
        }
    }

    size_t nSlash = target.rfind('/');
    std::string mirror = target.substr(0, nSlash + 1) + "." + target.substr(nSlash + 1) + ".XXXXXX";
    int hFile = ::mkostemp(mirror.data(), O_CLOEXEC);
    if (hFile < 0) {
        ReportOpenError(pError, errno, lpszFileName);
        DiscardMirror();
        return FALSE;
    }
    mode_t mode = bTargetExists ? (targetStat.st_mode & 07777) : (0666 & ~CurrentUmask());
    ::fchmod(hFile, mode);
    // Held until the rename: it tells later saves this temporary is in use.
    ::flock(hFile, LOCK_EX | LOCK_NB);

    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = CString(target);
    m_strMirrorName = CString(mirror);
    return TRUE;
}

void CMirrorFile::DiscardMirror()
{
    if (!m_strMirrorName.IsEmpty())
        ::unlink(m_strMirrorName);
    m_strMirrorName.Empty();
    if (m_hTargetLock != hFileNull)
        ::close(m_hTargetLock);
    m_hTargetLock = hFileNull;
}

void CMirrorFile::Close()
{
    if (m_strMirrorName.IsEmpty()) {
        CFile::Close();
        return;
    }
    CString strTarget = m_strFileName;
    // Keeps the temporary's lock past closing the file, up to the rename.
    const int hMirrorLock = ::fcntl(m_hFile, F_DUPFD_CLOEXEC, 0);
    try {
        // The content reaches the disk before it replaces the target.
        Flush();
        CFile::Close();
        if (::rename(m_strMirrorName, strTarget) != 0)
            CFileException::ThrowErrno(errno, strTarget);
    } catch (CException *) {
        CFile::Abort();
        DiscardMirror();
        if (hMirrorLock >= 0)
            ::close(hMirrorLock);
        throw;
    }
    if (hMirrorLock >= 0)
        ::close(hMirrorLock);
    m_strMirrorName.Empty();
    DiscardMirror();
    RemoveStaleMirrors(strTarget.Str());
}

void CMirrorFile::Abort()
{
    CFile::Abort();
    DiscardMirror();
}
