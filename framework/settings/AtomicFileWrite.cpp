#include "framework/settings/AtomicFileWrite.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file the name finally stands for, so renaming replaces the link's
// target and not the link.
std::string ResolveTarget(const char *path)
{
    char resolved[PATH_MAX];
    if (::realpath(path, resolved) != nullptr)
        return resolved;
    return path;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

} // namespace

bool PlexoWriteFileAtomically(const char *path, std::string_view bytes)
{
    if (path == nullptr || *path == '\0')
        return false;
    std::string target = ResolveTarget(path);
    std::string scratch = target + ".XXXXXX";
    int fd = ::mkstemp(scratch.data());
    if (fd < 0)
        return false;

    // Keep the permissions of the file being replaced.
    struct stat st;
    if (::stat(target.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);
    else
        ::fchmod(
            fd, 0644 & ~[] {
                mode_t m = ::umask(0);
                ::umask(m);
                return m;
            }());

    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(scratch.c_str(), target.c_str()) == 0)
        return true;
    ::unlink(scratch.c_str());
    return false;
}
