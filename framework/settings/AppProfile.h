// CAppProfile: the application profile, the registry's stand-in.  A program
// keeps its settings in one INI file, $XDG_CONFIG_HOME/<program>/<program>.ini
// (the variable is read at each access, so it can be redirected).
//
// With a registry key set (SetRegistryKey), the application's key is
// "HKEY_CURRENT_USER\Software\<registry key>\<application name>"; the profile
// sections are the sub-keys of it, named as the program names them
// ("Settings", "Recent File List", "C\Color Groups\Text"), and the values of
// the application key itself are in the section "".  Registry keys outside
// the application key keep their full path as section name
// ("HKEY_LOCAL_MACHINE\Software\..."), in the same file.
//
// Values are typed as in the registry (see RegistryValueText.h): strings,
// 32-bit numbers and binary data.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"
#include "framework/settings/RegistryValueText.h"

class CAppProfile {
public:
    // lpszProgram names the folder and file; NULL takes the executable's
    // file name.
    explicit CAppProfile(LPCTSTR lpszProgram = NULL);

    void SetProgramName(LPCTSTR lpszProgram);
    const CString &GetProgramName() const { return m_strProgram; }
    void SetRegistryKey(LPCTSTR lpszRegistryKey, LPCTSTR lpszAppName);
    // "HKEY_CURRENT_USER\Software\<key>\<app>", or empty without a key.
    const CString &GetApplicationKey() const { return m_strAppKey; }

    CString GetProfileFolder() const;
    CString GetProfilePath() const;

    // The profile functions of the application object.  Writing with a NULL
    // entry deletes the section, with a NULL value the entry.
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const;
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL) const;
    // *ppData is allocated with new[] and belongs to the caller.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE *ppData, UINT *pBytes) const;
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Key and typed value access by section, for the registry calls.  A NULL
    // or empty value name is the key's default value.
    BOOL KeyExists(const CString &section) const;
    BOOL CreateKey(const CString &section);
    BOOL DeleteKey(const CString &section);
    BOOL QueryValue(const CString &section, LPCTSTR lpszName, CRegistryValue &value) const;
    BOOL SetValue(const CString &section, LPCTSTR lpszName, const CRegistryValue &value);
    BOOL DeleteValue(const CString &section, LPCTSTR lpszName);

    // The section that holds a registry key given by its full path
    // ("HKEY_CURRENT_USER\Software\...").
    CString SectionForKeyPath(const CString &fullPath) const;

private:
    CString m_strProgram;
    CString m_strAppKey;
};

// The running program's profile; the application object configures it at
// start, and the registry calls work on its file.
CAppProfile &PlexoGetAppProfile();
