// CRegistryKey: a small object over one registry key that reads, writes and
// deletes string values and remembers the result of its last call, so that
// a failure can be told to the user with its reason.
#pragma once

#include "framework/base/CString.h"
#include "framework/object/Object.h"
#include "framework/settings/RegistryTypes.h"

class CRegistryKey : public CObject {
    DECLARE_DYNAMIC(CRegistryKey)
public:
    explicit CRegistryKey(HKEY hRootKey);
    ~CRegistryKey() override;
    CRegistryKey(const CRegistryKey &) = delete;
    CRegistryKey &operator=(const CRegistryKey &) = delete;

    BOOL Open(HKEY hRootKey, LPCTSTR lpszSubKey);
    void Close();
    // Stores the text as REG_SZ with its terminating zero.
    BOOL WriteString(LPCTSTR lpszValueName, LPCTSTR lpszText);
    // Reads a string value whatever its length; on failure rString is left
    // as it was.
    BOOL ReadString(LPCTSTR lpszValueName, CString &rString);
    BOOL DeleteValue(LPCTSTR lpszValueName);

    LONG GetLastError() const { return m_lLastError; }
    DWORD GetLastValueType() const { return m_dwLastType; }
    DWORD GetLastDataSize() const { return m_dwLastSize; }
    const CString &GetSubKeyName() const { return m_strSubKey; }

    // A sentence that tells the user what a registry result code means.
    static CString ErrorText(LONG lError);

private:
    LONG m_lLastError = ERROR_SUCCESS;
    DWORD m_dwLastType = 0;
    DWORD m_dwLastSize = 0;
    HKEY m_hKey;
    BOOL m_bOpened = FALSE;
    CString m_strSubKey;
};
