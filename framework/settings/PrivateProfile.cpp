#include "framework/settings/PrivateProfile.h"

#include "framework/settings/IniDocument.h"
#include "framework/settings/IniReadCache.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

DWORD CopyValue(std::string_view value, LPTSTR buffer, DWORD nSize)
{
    if (buffer == nullptr || nSize == 0)
        return 0;
    DWORD count = value.size() < nSize ? static_cast<DWORD>(value.size()) : nSize - 1;
    std::memcpy(buffer, value.data(), count);
    buffer[count] = '\0';
    return count;
}

// Each item NUL-terminated, then a closing NUL; the count excludes the
// closing NUL.
DWORD CopyList(const std::vector<std::string> &items, LPTSTR buffer, DWORD nSize)
{
    if (buffer == nullptr || nSize == 0)
        return 0;
    if (nSize == 1) {
        buffer[0] = '\0';
        return 0;
    }
    std::string packed;
    for (const std::string &item : items) {
        packed += item;
        packed += '\0';
    }
    if (packed.size() + 1 <= nSize) {
        std::memcpy(buffer, packed.data(), packed.size());
        buffer[packed.size()] = '\0';
        if (packed.empty() && nSize > 1)
            buffer[1] = '\0';
        return static_cast<DWORD>(packed.size());
    }
    std::memcpy(buffer, packed.data(), nSize - 2);
    buffer[nSize - 2] = '\0';
    buffer[nSize - 1] = '\0';
    return nSize - 2;
}

std::string_view DefaultText(LPCTSTR lpDefault)
{
    std::string_view text = lpDefault ? lpDefault : "";
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

DWORD GetPrivateProfileString(LPCTSTR lpAppName, LPCTSTR lpKeyName, LPCTSTR lpDefault, LPTSTR lpReturnedString,
                              DWORD nSize, LPCTSTR lpFileName)
{
    std::shared_ptr<const CIniDocument> file = PlexoReadIniFile(lpFileName);
    const CIniDocument &doc = *file;
    if (lpAppName == nullptr)
        return CopyList(doc.SectionNames(), lpReturnedString, nSize);
    if (lpKeyName == nullptr)
        return CopyList(doc.KeyNames(lpAppName), lpReturnedString, nSize);
    const std::string *value = doc.FindValue(lpAppName, lpKeyName);
    if (value == nullptr)
        return CopyValue(DefaultText(lpDefault), lpReturnedString, nSize);
    return CopyValue(CIniDocument::StripQuotes(*value), lpReturnedString, nSize);
}

UINT GetPrivateProfileInt(LPCTSTR lpAppName, LPCTSTR lpKeyName, INT nDefault, LPCTSTR lpFileName)
{
    std::shared_ptr<const CIniDocument> file = PlexoReadIniFile(lpFileName);
    const CIniDocument &doc = *file;
    const std::string *found = (lpAppName && lpKeyName) ? doc.FindValue(lpAppName, lpKeyName) : nullptr;
    if (found == nullptr)
        return static_cast<UINT>(nDefault);
    std::string_view value = CIniDocument::StripQuotes(*found);
    if (value.empty())
        return static_cast<UINT>(nDefault);
    size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+'))
        negative = value[i++] == '-';
    // Wraps like the 32-bit arithmetic of the result type.
    UINT result = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        result = result * 10u + static_cast<UINT>(value[i] - '0');
    return negative ? 0u - result : result;
}

DWORD GetPrivateProfileSection(LPCTSTR lpAppName, LPTSTR lpReturnedString, DWORD nSize, LPCTSTR lpFileName)
{
    std::shared_ptr<const CIniDocument> file = PlexoReadIniFile(lpFileName);
    const CIniDocument &doc = *file;
    std::vector<std::string> entries;
    if (lpAppName != nullptr)
        entries = doc.SectionEntries(lpAppName);
    return CopyList(entries, lpReturnedString, nSize);
}

DWORD GetPrivateProfileSectionNames(LPTSTR lpszReturnBuffer, DWORD nSize, LPCTSTR lpFileName)
{
    return GetPrivateProfileString(nullptr, nullptr, nullptr, lpszReturnBuffer, nSize, lpFileName);
}

BOOL WritePrivateProfileString(LPCTSTR lpAppName, LPCTSTR lpKeyName, LPCTSTR lpString, LPCTSTR lpFileName)
{
    // Without a section there is nothing to write; the all-NULL call, a cache
    // flush elsewhere (nothing is cached here), answers FALSE as well.
    if (lpAppName == nullptr)
        return FALSE;
    CIniDocument doc;
    if (!doc.LoadForEdit(lpFileName))
        return FALSE;
    if (lpKeyName == nullptr) {
        if (!doc.DeleteSection(lpAppName))
            return TRUE;
    } else if (lpString == nullptr) {
        if (!doc.DeleteKey(lpAppName, lpKeyName))
            return TRUE;
    } else {
        if (!doc.SetValue(lpAppName, lpKeyName, lpString))
            return FALSE;
    }
    return doc.Save(lpFileName);
}

BOOL WritePrivateProfileSection(LPCTSTR lpAppName, LPCTSTR lpString, LPCTSTR lpFileName)
{
    if (lpAppName == nullptr)
        return FALSE;
    CIniDocument doc;
    if (!doc.LoadForEdit(lpFileName))
        return FALSE;
    if (lpString == nullptr) {
        if (!doc.DeleteSection(lpAppName))
            return TRUE;
        return doc.Save(lpFileName);
    }
    std::vector<std::string> entries;
    for (LPCTSTR entry = lpString; *entry != '\0'; entry += std::strlen(entry) + 1)
        entries.push_back(entry);
    if (!doc.ReplaceSection(lpAppName, entries))
        return FALSE;
    return doc.Save(lpFileName);
}
