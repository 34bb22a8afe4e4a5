#include "framework/shell/Places.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsFolder(const CString &path)
{
    struct stat st;
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

CString ParentOf(const CString &path)
{
    int slash = path.ReverseFind('/');
    if (slash < 0)
        return CString(".");
    if (slash == 0)
        return CString("/");
    return path.Left(slash);
}

CString NameOf(const CString &path)
{
    return path.Mid(path.ReverseFind('/') + 1);
}

CString JoinPath(const CString &folder, LPCTSTR lpszName)
{
    if (lpszName == nullptr || *lpszName == '\0')
        return folder;
    CString result(folder);
    if (result.IsEmpty() || result[result.GetLength() - 1] != '/')
        result += '/';
    result += lpszName;
    return result;
}

// The XDG rule: a relative or empty value is ignored.
CString XdgFolder(const char *variable, const char *defaultUnderHome)
{
    const char *value = ::getenv(variable);
    if (value != nullptr && value[0] == '/')
        return CString(value);
    return JoinPath(PlexoGetHomeFolder(), defaultUnderHome);
}

DWORD CopyOut(const CString &text, LPTSTR lpBuffer, DWORD nSize)
{
    if (lpBuffer == nullptr || nSize == 0)
        return 0;
    DWORD length = static_cast<DWORD>(text.GetLength());
    DWORD copied = length < nSize ? length : nSize - 1;
    std::memcpy(lpBuffer, text.GetString(), copied);
    lpBuffer[copied] = '\0';
    return length < nSize ? length : nSize;
}

} // namespace

CString PlexoGetProgramPath()
{
    char buffer[PATH_MAX + 1];
    ssize_t length = ::readlink("/proc/self/exe", buffer, PATH_MAX);
    if (length <= 0)
        return CString();
    return CString(buffer, static_cast<int>(length));
}

DWORD GetModuleFileName(HMODULE, LPTSTR lpFilename, DWORD nSize)
{
    CString path = PlexoGetProgramPath();
    if (path.IsEmpty())
        return 0;
    return CopyOut(path, lpFilename, nSize);
}

CString PlexoGetProgramFolder()
{
    CString path = PlexoGetProgramPath();
    return path.IsEmpty() ? CString() : ParentOf(path);
}

CString PlexoGetDataFolder(LPCTSTR lpszProgram)
{
    CString folder = PlexoGetProgramFolder();
    if (NameOf(folder) == "bin" && lpszProgram != nullptr && *lpszProgram != '\0') {
        CString shared = JoinPath(JoinPath(ParentOf(folder), "share"), lpszProgram);
        if (IsFolder(shared))
            return shared;
    }
    return folder;
}

CString PlexoGetHomeFolder()
{
    const char *home = ::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return CString(home);
    struct passwd *entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr)
        return CString(entry->pw_dir);
    return CString("/tmp");
}

CString PlexoGetUserDataFolder(LPCTSTR lpszProgram)
{
    return JoinPath(XdgFolder("XDG_DATA_HOME", ".local/share"), lpszProgram);
}

CString PlexoGetUserConfigFolder(LPCTSTR lpszProgram)
{
    return JoinPath(XdgFolder("XDG_CONFIG_HOME", ".config"), lpszProgram);
}

CString PlexoGetUserCacheFolder(LPCTSTR lpszProgram)
{
    return JoinPath(XdgFolder("XDG_CACHE_HOME", ".cache"), lpszProgram);
}

BOOL PlexoCreateFolderPath(LPCTSTR lpszPath)
{
    if (lpszPath == nullptr || *lpszPath == '\0')
        return FALSE;
    CString path(lpszPath);
    for (int i = 1; i <= path.GetLength(); ++i) {
        if (i < path.GetLength() && path[i] != '/')
            continue;
        CString prefix = path.Left(i);
        if (::mkdir(prefix, 0700) != 0 && errno != EEXIST)
            return FALSE;
    }
    return IsFolder(path);
}

DWORD GetTempPath(DWORD nBufferLength, LPTSTR lpBuffer)
{
    const char *value = ::getenv("TMPDIR");
    CString path = (value != nullptr && value[0] == '/') ? CString(value) : CString("/tmp");
    if (path[path.GetLength() - 1] != '/')
        path += '/';
    DWORD length = static_cast<DWORD>(path.GetLength());
    if (lpBuffer == nullptr || nBufferLength <= length)
        return length + 1;
    std::memcpy(lpBuffer, path.GetString(), length + 1);
    return length;
}

UINT GetTempFileName(LPCTSTR lpPathName, LPCTSTR lpPrefixString, UINT uUnique, LPTSTR lpTempFileName)
{
    if (lpPathName == nullptr || lpTempFileName == nullptr)
        return 0;
    CString prefix = CString(lpPrefixString ? lpPrefixString : "").Left(3);
    auto formName = [&](UINT number) {
        CString name;
        name.Format("%s%X.tmp", prefix.GetString(), number & 0xFFFF);
        return JoinPath(CString(lpPathName), name);
    };
    auto store = [&](const CString &name) {
        if (name.GetLength() >= MAX_PATH)
            return false;
        std::memcpy(lpTempFileName, name.GetString(), name.GetLength() + 1);
        return true;
    };
    if (uUnique != 0)
        return store(formName(uUnique)) ? (uUnique & 0xFFFF) : 0;

    // Start from a value that differs between processes and calls, and walk
    // the 16-bit space until an exclusive create succeeds.
    UINT start = static_cast<UINT>(::getpid() ^ ::time(nullptr) ^ static_cast<UINT>(::clock()));
    for (UINT step = 0; step < 0x10000; ++step) {
        UINT number = ((start + step) & 0xFFFF);
        if (number == 0)
            continue;
        CString name = formName(number);
        if (name.GetLength() >= MAX_PATH)
            return 0;
        int fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            store(name);
            return number;
        }
        if (errno != EEXIST)
            return 0;
    }
    return 0;
}
