// The registry calls the programs make on their own keys.  Every root key
// is kept in the running program's profile file (PlexoGetAppProfile): the
// application's key by its sub-key names, every other key by its full path,
// so machine-wide keys, which a Linux program cannot write, live in the
// user's file.  Results are the Windows error codes (ERROR_SUCCESS = 0).
#pragma once

#include "framework/settings/RegistryTypes.h"

LONG RegOpenKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG RegOpenKey(HKEY hKey, LPCTSTR lpSubKey, PHKEY phkResult);
// lpSecurityAttributes and lpClass are accepted and ignored.
LONG RegCreateKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD Reserved, LPTSTR lpClass, DWORD dwOptions, REGSAM samDesired,
                    LPVOID lpSecurityAttributes, PHKEY phkResult, LPDWORD lpdwDisposition);
LONG RegCreateKey(HKEY hKey, LPCTSTR lpSubKey, PHKEY phkResult);
LONG RegCloseKey(HKEY hKey);
// Deletes the key with its values and sub-keys.
LONG RegDeleteKey(HKEY hKey, LPCTSTR lpSubKey);

// lpData NULL asks for the size only.  A buffer too small gives
// ERROR_MORE_DATA with the size needed in *lpcbData.  REG_SZ data carry
// their terminating NUL in the count.
LONG RegQueryValueEx(HKEY hKey, LPCTSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                     LPDWORD lpcbData);
// The default value of a sub-key, as a string.
LONG RegQueryValue(HKEY hKey, LPCTSTR lpSubKey, LPTSTR lpData, LPLONG lpcbData);
LONG RegSetValueEx(HKEY hKey, LPCTSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE *lpData, DWORD cbData);
LONG RegDeleteValue(HKEY hKey, LPCTSTR lpValueName);
