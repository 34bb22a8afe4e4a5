#include "kilnsmith/frame/RegistryKey.h"

#include "framework/settings/Registry.h"

#include <vector>

IMPLEMENT_DYNAMIC(CRegistryKey, CObject)

CRegistryKey::CRegistryKey(HKEY hRootKey) : m_hKey(hRootKey) {}

CRegistryKey::~CRegistryKey()
{
    Close();
}

BOOL CRegistryKey::Open(HKEY hRootKey, LPCTSTR lpszSubKey)
{
    Close();
    m_strSubKey = lpszSubKey != nullptr ? lpszSubKey : "";
    HKEY hOpened = nullptr;
    m_lLastError = ::RegOpenKeyEx(hRootKey, lpszSubKey, 0, KEY_ALL_ACCESS, &hOpened);
    m_dwLastType = 0;
    m_dwLastSize = 0;
    if (m_lLastError != ERROR_SUCCESS)
        return FALSE;
    m_hKey = hOpened;
    m_bOpened = TRUE;
    return TRUE;
}

void CRegistryKey::Close()
{
    if (m_bOpened)
        ::RegCloseKey(m_hKey);
    m_bOpened = FALSE;
    m_hKey = nullptr;
}

BOOL CRegistryKey::WriteString(LPCTSTR lpszValueName, LPCTSTR lpszText)
{
    const CString strText = lpszText != nullptr ? lpszText : "";
    const DWORD nBytes = static_cast<DWORD>(strText.GetLength()) + 1;
    m_lLastError =
        ::RegSetValueEx(m_hKey, lpszValueName, 0, REG_SZ, reinterpret_cast<const BYTE *>(strText.GetString()), nBytes);
    m_dwLastType = REG_SZ;
    m_dwLastSize = nBytes;
    return m_lLastError == ERROR_SUCCESS;
}

BOOL CRegistryKey::ReadString(LPCTSTR lpszValueName, CString &rString)
{
    // The value's size first, so a long path is read whole.
    DWORD dwType = 0, dwSize = 0;
    m_lLastError = ::RegQueryValueEx(m_hKey, lpszValueName, nullptr, &dwType, nullptr, &dwSize);
    m_dwLastType = dwType;
    m_dwLastSize = dwSize;
    if (m_lLastError != ERROR_SUCCESS)
        return FALSE;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ) {
        m_lLastError = ERROR_INVALID_DATA;
        return FALSE;
    }
    std::vector<BYTE> buffer(static_cast<size_t>(dwSize) + 1, 0);
    m_lLastError = ::RegQueryValueEx(m_hKey, lpszValueName, nullptr, &dwType, buffer.data(), &dwSize);
    m_dwLastType = dwType;
    m_dwLastSize = dwSize;
    if (m_lLastError != ERROR_SUCCESS)
        return FALSE;
    rString = reinterpret_cast<const char *>(buffer.data());
    return TRUE;
}

BOOL CRegistryKey::DeleteValue(LPCTSTR lpszValueName)
{
    m_lLastError = ::RegDeleteValue(m_hKey, lpszValueName);
    m_dwLastType = 0;
    m_dwLastSize = 0;
    return m_lLastError == ERROR_SUCCESS;
}

CString CRegistryKey::ErrorText(LONG lError)
{
    switch (lError) {
    case ERROR_SUCCESS: return "The operation completed successfully.";
    case ERROR_FILE_NOT_FOUND: return "The entry does not exist.";
    case ERROR_ACCESS_DENIED: return "Access is denied.";
    case ERROR_INVALID_HANDLE: return "The key is not open.";
    case ERROR_INVALID_DATA: return "The entry is damaged: it is not a valid desktop entry.";
    case ERROR_INVALID_PARAMETER: return "The name cannot name an entry.";
    case ERROR_MORE_DATA: return "The value is larger than the space for it.";
    case ERROR_CANTWRITE: return "The file could not be written.";
    default: {
        CString strText;
        strText.Format("Registry error %ld.", static_cast<long>(lError));
        return strText;
    }
    }
}
