#include "framework/settings/Registry.h"

#include "framework/settings/AppProfile.h"
#include "framework/settings/AutostartEntries.h"

#include <cstring>
#include <mutex>
#include <set>

struct HKEY__ {
    CString path; // full path: root name, then sub-keys separated by '\'
};

namespace {

std::mutex g_handlesLock;
std::set<HKEY> g_openHandles;

const char *RootName(HKEY hKey)
{
    if (hKey == HKEY_CLASSES_ROOT)
        return "HKEY_CLASSES_ROOT";
    if (hKey == HKEY_CURRENT_USER)
        return "HKEY_CURRENT_USER";
    if (hKey == HKEY_LOCAL_MACHINE)
        return "HKEY_LOCAL_MACHINE";
    if (hKey == HKEY_USERS)
        return "HKEY_USERS";
    return nullptr;
}

// The full path of hKey, or false for a handle that is neither a root key
// nor an open key (closed twice, never opened, garbage).
bool KeyPath(HKEY hKey, CString &path)
{
    if (const char *root = RootName(hKey)) {
        path = root;
        return true;
    }
    std::lock_guard<std::mutex> lock(g_handlesLock);
    if (g_openHandles.count(hKey) == 0)
        return false;
    path = hKey->path;
    return true;
}

// Appends a sub-key, dropping empty components ("a\\b\", "\a").
CString JoinKey(const CString &path, LPCTSTR lpSubKey)
{
    CString result(path);
    CString sub(lpSubKey ? lpSubKey : "");
    int start = 0;
    while (start <= sub.GetLength()) {
        int end = sub.Find('\\', start);
        if (end < 0)
            end = sub.GetLength();
        if (end > start)
            result += CString("\\") + sub.Mid(start, end - start);
        start = end + 1;
    }
    return result;
}

HKEY NewHandle(const CString &path)
{
    HKEY handle = new HKEY__{path};
    std::lock_guard<std::mutex> lock(g_handlesLock);
    g_openHandles.insert(handle);
    return handle;
}

bool IsRootPath(const CString &path)
{
    return path.Find('\\') < 0;
}

CString SectionOf(const CString &path)
{
    return PlexoGetAppProfile().SectionForKeyPath(path);
}

// A key exists when it holds values or sub-keys.  The keys above the
// application's key ("HKEY_CURRENT_USER\Software\<key>") exist as long as
// the application's key does.
bool KeyExistsAt(const CString &path)
{
    if (IsRootPath(path) || Autostart::IsRunKey(path))
        return true;
    const CAppProfile &profile = PlexoGetAppProfile();
    CString appKey = profile.GetApplicationKey();
    CString ancestor = path + "\\";
    if (appKey.GetLength() > ancestor.GetLength() && appKey.Left(ancestor.GetLength()).CompareNoCase(ancestor) == 0)
        return profile.KeyExists(CString()) != FALSE;
    return profile.KeyExists(SectionOf(path)) != FALSE;
}

LONG ErrorOf(Autostart::Result result)
{
    switch (result) {
    case Autostart::Result::Ok: return ERROR_SUCCESS;
    case Autostart::Result::Missing: return ERROR_FILE_NOT_FOUND;
    case Autostart::Result::Corrupt: return ERROR_INVALID_DATA;
    case Autostart::Result::BadName: return ERROR_INVALID_PARAMETER;
    case Autostart::Result::WriteFailed: return ERROR_CANTWRITE;
    }
    return ERROR_CANTWRITE;
}

// A Run key's value as the registry holds it: the command as a string.
bool QueryRunValue(const CString &path, LPCTSTR lpValueName, CRegistryValue &value, LONG &error)
{
    if (!Autostart::IsRunKey(path))
        return false;
    CString command;
    error = ErrorOf(Autostart::Read(CString(lpValueName ? lpValueName : ""), command));
    value.type = REG_SZ;
    value.bytes.assign(command.GetString(), static_cast<size_t>(command.GetLength()));
    return true;
}

} // namespace

LONG RegOpenKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult)
{
    CString path;
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    if (!KeyPath(hKey, path))
        return ERROR_INVALID_HANDLE;
    path = JoinKey(path, lpSubKey);
    if (!KeyExistsAt(path))
        return ERROR_FILE_NOT_FOUND;
    *phkResult = NewHandle(path);
    return ERROR_SUCCESS;
}

LONG RegOpenKey(HKEY hKey, LPCTSTR lpSubKey, PHKEY phkResult)
{
    return RegOpenKeyEx(hKey, lpSubKey, 0, KEY_ALL_ACCESS, phkResult);
}

LONG RegCreateKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD, LPTSTR, DWORD, REGSAM, LPVOID, PHKEY phkResult,
                    LPDWORD lpdwDisposition)
{
    CString path;
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    if (!KeyPath(hKey, path))
        return ERROR_INVALID_HANDLE;
    path = JoinKey(path, lpSubKey);
    bool existed = KeyExistsAt(path);
    if (!existed && !PlexoGetAppProfile().CreateKey(SectionOf(path)))
        return ERROR_CANTWRITE;
    if (lpdwDisposition != nullptr)
        *lpdwDisposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *phkResult = NewHandle(path);
    return ERROR_SUCCESS;
}

LONG RegCreateKey(HKEY hKey, LPCTSTR lpSubKey, PHKEY phkResult)
{
    return RegCreateKeyEx(hKey, lpSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, phkResult,
                          nullptr);
}

LONG RegCloseKey(HKEY hKey)
{
    if (RootName(hKey) != nullptr)
        return ERROR_SUCCESS;
    {
        std::lock_guard<std::mutex> lock(g_handlesLock);
        if (g_openHandles.erase(hKey) == 0)
            return ERROR_INVALID_HANDLE;
    }
    delete hKey;
    return ERROR_SUCCESS;
}

LONG RegDeleteKey(HKEY hKey, LPCTSTR lpSubKey)
{
    CString path;
    if (!KeyPath(hKey, path))
        return ERROR_INVALID_HANDLE;
    if (lpSubKey == nullptr || *lpSubKey == '\0')
        return ERROR_INVALID_PARAMETER;
    path = JoinKey(path, lpSubKey);
    if (IsRootPath(path) || Autostart::IsRunKey(path))
        return ERROR_ACCESS_DENIED;
    return PlexoGetAppProfile().DeleteKey(SectionOf(path)) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LONG RegQueryValueEx(HKEY hKey, LPCTSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    CString path;
    if (!KeyPath(hKey, path))
        return ERROR_INVALID_HANDLE;
    if (lpData != nullptr && lpcbData == nullptr)
        return ERROR_INVALID_PARAMETER;
    CRegistryValue value;
    LONG runError = ERROR_SUCCESS;
    if (QueryRunValue(path, lpValueName, value, runError)) {
        if (runError != ERROR_SUCCESS)
            return runError;
    } else if (!PlexoGetAppProfile().QueryValue(SectionOf(path), lpValueName, value)) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ)
        value.bytes += '\0';
    if (lpType != nullptr)
        *lpType = value.type;
    if (lpcbData == nullptr)
        return ERROR_SUCCESS;
    DWORD needed = static_cast<DWORD>(value.bytes.size());
    DWORD room = *lpcbData;
    *lpcbData = needed;
    if (lpData == nullptr)
        return ERROR_SUCCESS;
    if (room < needed)
        return ERROR_MORE_DATA;
    if (needed > 0)
        std::memcpy(lpData, value.bytes.data(), needed);
    return ERROR_SUCCESS;
}

LONG RegQueryValue(HKEY hKey, LPCTSTR lpSubKey, LPTSTR lpData, LPLONG lpcbData)
{
    HKEY sub = nullptr;
    LONG result = RegOpenKeyEx(hKey, lpSubKey, 0, KEY_QUERY_VALUE, &sub);
    if (result != ERROR_SUCCESS)
        return result;
    DWORD type = REG_NONE;
    DWORD size = lpcbData != nullptr && *lpcbData > 0 ? static_cast<DWORD>(*lpcbData) : 0;
    result =
        RegQueryValueEx(sub, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(lpData), lpcbData ? &size : nullptr);
    RegCloseKey(sub);
    if (result == ERROR_SUCCESS && type != REG_SZ)
        result = ERROR_FILE_NOT_FOUND;
    if (lpcbData != nullptr)
        *lpcbData = static_cast<LONG>(size);
    return result;
}

LONG RegSetValueEx(HKEY hKey, LPCTSTR lpValueName, DWORD, DWORD dwType, const BYTE *lpData, DWORD cbData)
{
    CString path;
    if (!KeyPath(hKey, path))
        return ERROR_INVALID_HANDLE;
    if (lpData == nullptr && cbData > 0)
        return ERROR_INVALID_PARAMETER;
    if (dwType == REG_DWORD && cbData != 4)
        return ERROR_INVALID_PARAMETER;
    CRegistryValue value;
    value.type = dwType;
    if (cbData > 0)
        value.bytes.assign(reinterpret_cast<const char *>(lpData), cbData);
    if (dwType == REG_SZ || dwType == REG_EXPAND_SZ) {
        // The count includes the terminating NUL; a string ends at its first NUL.
        size_t nul = value.bytes.find('\0');
        if (nul != std::string::npos)
            value.bytes.resize(nul);
    }
    if (Autostart::IsRunKey(path)) {
        // An autostart entry holds a command, nothing else.
        if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
            return ERROR_INVALID_PARAMETER;
        return ErrorOf(Autostart::Write(CString(lpValueName ? lpValueName : ""), CString(value.bytes.c_str())));
    }
    return PlexoGetAppProfile().SetValue(SectionOf(path), lpValueName, value) ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

LONG RegDeleteValue(HKEY hKey, LPCTSTR lpValueName)
{
    CString path;
    if (!KeyPath(hKey, path))
        return ERROR_INVALID_HANDLE;
    if (Autostart::IsRunKey(path))
        return ErrorOf(Autostart::Remove(CString(lpValueName ? lpValueName : "")));
    return PlexoGetAppProfile().DeleteValue(SectionOf(path), lpValueName) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}
