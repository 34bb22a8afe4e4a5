#include "framework/shellui/InstanceSocket.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder is ours alone: a directory of this user that no one else can
// enter.
bool IsPrivateFolder(const std::string &path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
           (info.st_mode & 077) == 0;
}

std::string Folder()
{
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/' && IsPrivateFolder(runtime))
        return runtime;
    const char *tmp = std::getenv("TMPDIR");
    std::string folder = std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/plexo-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    return IsPrivateFolder(folder) ? folder : std::string();
}

} // namespace

namespace InstanceSocket {

CString PathFor(LPCTSTR lpszClassName)
{
    const std::string folder = Folder();
    if (folder.empty() || !lpszClassName)
        return CString();
    // A hash keeps any class name (case folded, as classes compare) short
    // and free of path characters.
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray(lpszClassName).toLower(), QCryptographicHash::Sha1).toHex();
    return CString((folder + "/plexo-window-class-" + hash.toStdString()).c_str());
}

void RemoveStale(const CString &path)
{
    struct stat info {};
    if (::lstat(path.GetString(), &info) == 0 && S_ISSOCK(info.st_mode))
        ::unlink(path.GetString());
}

} // namespace InstanceSocket
