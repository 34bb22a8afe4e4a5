#include "framework/settings/AppProfile.h"

#include "framework/settings/IniDocument.h"
#include "framework/settings/IniReadCache.h"
#include "framework/shell/Places.h"

#include <cstdlib>
#include <cstring>

namespace {

// The default value of a key has no name; in the file it is "@".
const char *ValueKey(LPCTSTR lpszName)
{
    return (lpszName == nullptr || *lpszName == '\0') ? "@" : lpszName;
}

CString ExecutableName()
{
    CString path = PlexoGetProgramPath();
    CString name = path.Mid(path.ReverseFind('/') + 1);
    return name.IsEmpty() ? CString("plexo") : name;
}

// Program names become one folder and file name: no separators, no "..".
CString SafeFileName(const CString &name)
{
    CString safe(name);
    safe.Replace('/', '_');
    if (safe.IsEmpty() || safe == "." || safe == "..")
        safe = "plexo";
    return safe;
}

bool StartsWithNoCase(const CString &text, const CString &prefix)
{
    return text.GetLength() >= prefix.GetLength() && text.Left(prefix.GetLength()).CompareNoCase(prefix) == 0;
}

} // namespace

CAppProfile::CAppProfile(LPCTSTR lpszProgram)
{
    SetProgramName(lpszProgram);
}

void CAppProfile::SetProgramName(LPCTSTR lpszProgram)
{
    m_strProgram =
        SafeFileName(lpszProgram != nullptr && *lpszProgram != '\0' ? CString(lpszProgram) : ExecutableName());
}

void CAppProfile::SetRegistryKey(LPCTSTR lpszRegistryKey, LPCTSTR lpszAppName)
{
    if (lpszRegistryKey == nullptr || *lpszRegistryKey == '\0') {
        m_strAppKey.Empty();
        return;
    }
    m_strAppKey = CString("HKEY_CURRENT_USER\\Software\\") + lpszRegistryKey;
    if (lpszAppName != nullptr && *lpszAppName != '\0')
        m_strAppKey += CString("\\") + lpszAppName;
}

CString CAppProfile::GetProfileFolder() const
{
    return PlexoGetUserConfigFolder(m_strProgram);
}

CString CAppProfile::GetProfilePath() const
{
    return GetProfileFolder() + "/" + m_strProgram + ".ini";
}

CString CAppProfile::SectionForKeyPath(const CString &fullPath) const
{
    if (m_strAppKey.IsEmpty())
        return fullPath;
    if (fullPath.CompareNoCase(m_strAppKey) == 0)
        return CString();
    if (StartsWithNoCase(fullPath, m_strAppKey + "\\"))
        return fullPath.Mid(m_strAppKey.GetLength() + 1);
    return fullPath;
}

BOOL CAppProfile::QueryValue(const CString &section, LPCTSTR lpszName, CRegistryValue &value) const
{
    std::shared_ptr<const CIniDocument> file = PlexoReadIniFile(GetProfilePath());
    const CIniDocument &doc = *file;
    const std::string *text = doc.FindValue(section.View(), ValueKey(lpszName));
    if (text == nullptr)
        return FALSE;
    value = DecodeRegistryValue(*text);
    return TRUE;
}

BOOL CAppProfile::SetValue(const CString &section, LPCTSTR lpszName, const CRegistryValue &value)
{
    CString path = GetProfilePath();
    CIniDocument doc;
    if (!PlexoCreateFolderPath(GetProfileFolder()) || !doc.LoadForEdit(path))
        return FALSE;
    if (!doc.SetValue(section.View(), ValueKey(lpszName), EncodeRegistryValue(value)))
        return FALSE;
    return doc.Save(path);
}

BOOL CAppProfile::DeleteValue(const CString &section, LPCTSTR lpszName)
{
    CString path = GetProfilePath();
    CIniDocument doc;
    if (!doc.LoadForEdit(path) || !doc.DeleteKey(section.View(), ValueKey(lpszName)))
        return FALSE;
    return doc.Save(path);
}

BOOL CAppProfile::KeyExists(const CString &section) const
{
    std::shared_ptr<const CIniDocument> file = PlexoReadIniFile(GetProfilePath());
    const CIniDocument &doc = *file;
    if (doc.HasSection(section.View()))
        return TRUE;
    // A key also exists when only its sub-keys hold values.
    CString prefix = section + "\\";
    for (const std::string &name : doc.SectionNames())
        if (section.IsEmpty() || StartsWithNoCase(CString(name), prefix))
            return TRUE;
    return FALSE;
}

BOOL CAppProfile::CreateKey(const CString &section)
{
    CString path = GetProfilePath();
    CIniDocument doc;
    if (!PlexoCreateFolderPath(GetProfileFolder()) || !doc.LoadForEdit(path))
        return FALSE;
    if (doc.HasSection(section.View()))
        return TRUE;
    return doc.AddSection(section.View()) && doc.Save(path);
}

// Deletes the key with its values and all its sub-keys.
BOOL CAppProfile::DeleteKey(const CString &section)
{
    CString path = GetProfilePath();
    CIniDocument doc;
    if (!doc.LoadForEdit(path))
        return FALSE;
    bool found = doc.DeleteSection(section.View());
    CString prefix = section + "\\";
    for (const std::string &name : doc.SectionNames())
        if (StartsWithNoCase(CString(name), prefix))
            found = doc.DeleteSection(name) || found;
    return found && doc.Save(path);
}

UINT CAppProfile::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) const
{
    CRegistryValue value;
    if (lpszSection == nullptr || lpszEntry == nullptr || !QueryValue(lpszSection, lpszEntry, value))
        return static_cast<UINT>(nDefault);
    if (value.type == REG_DWORD && value.bytes.size() == 4) {
        const unsigned char *b = reinterpret_cast<const unsigned char *>(value.bytes.data());
        return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<UINT>(b[3]) << 24);
    }
    if (value.type == REG_SZ && !value.bytes.empty()) {
        // A number typed into the file by hand.
        char *end = nullptr;
        long long number = std::strtoll(value.bytes.c_str(), &end, 10);
        if (end != value.bytes.c_str())
            return static_cast<UINT>(number);
    }
    return static_cast<UINT>(nDefault);
}

CString CAppProfile::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) const
{
    CRegistryValue value;
    if (lpszSection == nullptr || lpszEntry == nullptr || !QueryValue(lpszSection, lpszEntry, value) ||
        value.type != REG_SZ)
        return CString(lpszDefault);
    return CString(value.bytes);
}

BOOL CAppProfile::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE *ppData, UINT *pBytes) const
{
    if (ppData == nullptr || pBytes == nullptr)
        return FALSE;
    *ppData = nullptr;
    *pBytes = 0;
    CRegistryValue value;
    if (lpszSection == nullptr || lpszEntry == nullptr || !QueryValue(lpszSection, lpszEntry, value) ||
        value.type != REG_BINARY)
        return FALSE;
    *pBytes = static_cast<UINT>(value.bytes.size());
    if (!value.bytes.empty()) {
        *ppData = new BYTE[value.bytes.size()];
        std::memcpy(*ppData, value.bytes.data(), value.bytes.size());
    }
    return TRUE;
}

BOOL CAppProfile::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (lpszSection == nullptr || lpszEntry == nullptr)
        return FALSE;
    CRegistryValue value;
    value.type = REG_DWORD;
    DWORD number = static_cast<DWORD>(nValue);
    for (int shift = 0; shift < 32; shift += 8)
        value.bytes += static_cast<char>((number >> shift) & 0xFF);
    return SetValue(lpszSection, lpszEntry, value);
}

BOOL CAppProfile::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (lpszSection == nullptr)
        return FALSE;
    if (lpszEntry == nullptr) {
        DeleteKey(lpszSection);
        return TRUE;
    }
    if (lpszValue == nullptr) {
        DeleteValue(lpszSection, lpszEntry);
        return TRUE;
    }
    CRegistryValue value;
    value.type = REG_SZ;
    value.bytes = lpszValue;
    return SetValue(lpszSection, lpszEntry, value);
}

BOOL CAppProfile::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (lpszSection == nullptr || lpszEntry == nullptr || (pData == nullptr && nBytes > 0))
        return FALSE;
    CRegistryValue value;
    value.type = REG_BINARY;
    if (nBytes > 0)
        value.bytes.assign(reinterpret_cast<const char *>(pData), nBytes);
    return SetValue(lpszSection, lpszEntry, value);
}

CAppProfile &PlexoGetAppProfile()
{
    static CAppProfile profile;
    return profile;
}
