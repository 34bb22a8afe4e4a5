#include "editor/lang/SECEditLangIniWriter.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditLangFiles.h"
#include "framework/settings/PrivateProfile.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

bool IsIniBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Reading trims blanks and removes one pair of matching quotes; a value that
// would change that way is written inside an extra pair of double quotes.
CString ProtectValue(const CString &value)
{
    const int length = value.GetLength();
    if (length == 0)
        return value;
    const char first = value.GetAt(0);
    const char last = value.GetAt(length - 1);
    const bool quoted = length >= 2 && (first == '"' || first == '\'') && last == first;
    if (quoted || IsIniBlank(first) || IsIniBlank(last))
        return "\"" + value + "\"";
    return value;
}

struct TagEntry {
    CString key;
    SECEditTag *pTag;
};

// The tags in the order that reading them back makes the same tag map.
std::vector<TagEntry> SortedTags(SECEditLangConfig *pConfig)
{
    std::vector<TagEntry> tags;
    POSITION pos = pConfig->GetTagMap().GetStartPosition();
    while (pos != nullptr) {
        TagEntry entry{CString(), nullptr};
        pConfig->GetTagMap().GetNextAssoc(pos, entry.key, entry.pTag);
        if (entry.pTag != nullptr)
            tags.push_back(entry);
    }
    // Reading a tag back clears every tag named by a prefix of its begin
    // string ("//" clears "/"), so a tag that is another's prefix must come
    // after it: the longer begin strings first, each length in key order.
    std::sort(tags.begin(), tags.end(), [](const TagEntry &a, const TagEntry &b) {
        if (a.key.GetLength() != b.key.GetLength())
            return a.key.GetLength() > b.key.GetLength();
        return a.key < b.key;
    });
    return tags;
}

} // namespace

SECEditLangIniWriter::SECEditLangIniWriter(LPCTSTR lpszPath) : m_strPath(lpszPath) {}

BOOL SECEditLangIniWriter::WriteValue(LPCTSTR lpszSection, LPCTSTR lpszKey, const CString &value) const
{
    return WritePrivateProfileString(lpszSection, lpszKey, ProtectValue(value), m_strFile);
}

BOOL SECEditLangIniWriter::WriteInt(LPCTSTR lpszSection, LPCTSTR lpszKey, int nValue) const
{
    return WriteValue(lpszSection, lpszKey, FormatString("%d", nValue));
}

BOOL SECEditLangIniWriter::WriteColor(LPCTSTR lpszSection, LPCTSTR lpszKey, COLORREF color) const
{
    return WriteValue(lpszSection, lpszKey,
                      FormatString("%d,%d,%d", GetRValue(color), GetGValue(color), GetBValue(color)));
}

BOOL SECEditLangIniWriter::Write(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    m_strFile = SECEditPrepareLanguageFileForWriting(m_strPath);
    if (m_strFile.IsEmpty())
        return FALSE;
    return WriteColorGroups(pConfig) && WriteParser(pConfig) && WriteFont(pConfig) && WriteKeywords(pConfig) &&
           WriteEditor(pConfig);
}

BOOL SECEditLangIniWriter::WriteColorGroups(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    int written = 0;
    for (int i = 0; i < pConfig->GetColorGroupCount(); ++i) {
        const SECEditColorGroup *pGroup = pConfig->GetColorGroup(i);
        const CString name = pConfig->GetColorGroupName(i);
        if (pGroup == nullptr || name.IsEmpty())
            continue;
        ++written;
        if (!WriteValue("ColorGroups", FormatString("Group%d", written), name) ||
            !WriteColor(name, "Foreground", pGroup->m_crForeground) ||
            !WriteInt(name, "ForeColorAutomatic", pGroup->m_bForeColorAutomatic) ||
            !WriteColor(name, "Background", pGroup->m_crBackground) ||
            !WriteInt(name, "BackColorAutomatic", pGroup->m_bBackColorAutomatic) ||
            !WriteValue(name, "DisplayName", pGroup->m_strDisplayName) ||
            !WriteInt(name, "Configurable", pGroup->m_bConfigurable))
            return FALSE;
    }
    if (written > 0 && !WriteInt("ColorGroups", "NumGroups", written))
        return FALSE;
    return TRUE;
}

BOOL SECEditLangIniWriter::WriteParser(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    if (!WriteValue("Parser", "Operators", pConfig->GetCharSetString(SECEDIT_OPERATORS)) ||
        !WriteValue("Parser", "Delimiters", pConfig->GetCharSetString(SECEDIT_DELIMITERS)) ||
        !WriteValue("Parser", "KWStartChars", pConfig->GetCharSetString(SECEDIT_KWSTARTCHARS)) ||
        !WriteValue("Parser", "KWMiddleChars", pConfig->GetCharSetString(SECEDIT_KWMIDDLECHARS)) ||
        !WriteValue("Parser", "KWEndChars", pConfig->GetCharSetString(SECEDIT_KWENDCHARS)))
        return FALSE;
    const std::vector<TagEntry> tags = SortedTags(pConfig);
    if (!WriteInt("Parser", "NumTags", static_cast<int>(tags.size())))
        return FALSE;
    int number = 0;
    for (const TagEntry &entry : tags) {
        ++number;
        const SECEditTag &tag = *entry.pTag;
        const CString groupName = pConfig->GetColorGroupName(tag.m_wColorGroup);
        if (groupName.IsEmpty())
            continue;
        const CString section = FormatString("Tag%d", number);
        if (!WriteValue(section, "ColorGroup", groupName) || !WriteValue(section, "BeginTag", tag.m_strBeginTag) ||
            !WriteValue(section, "EndTag", tag.m_strEndTag) ||
            !WriteValue(section, "EscapeChar", tag.m_strEscapeChar) ||
            !WriteInt(section, "MultiLine", tag.m_bMultiLine))
            return FALSE;
    }
    return TRUE;
}

BOOL SECEditLangIniWriter::WriteFont(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    return WriteValue("Font", "FaceName", pConfig->GetFontFace()) && WriteInt("Font", "Size", pConfig->GetFontSize()) &&
           WriteInt("Font", "Italic", pConfig->GetItalic()) && WriteInt("Font", "Bold", pConfig->GetBold());
}

BOOL SECEditLangIniWriter::WriteKeywords(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    // The section is written whole: keys compare without case in an INI
    // file, and keywords that differ only in case must all stay.
    std::vector<std::string> entries;
    POSITION pos = pConfig->GetKeywordMap().GetStartPosition();
    while (pos != nullptr) {
        CString keyword;
        WORD group = 0;
        pConfig->GetKeywordMap().GetNextAssoc(pos, keyword, group);
        const CString groupName = pConfig->GetColorGroupName(group);
        // A keyword that the reader could not split back out is left out.
        if (groupName.IsEmpty() || keyword.Find('=') >= 0 || keyword.FindOneOf("\r\n") >= 0 || keyword.Find('\0') >= 0)
            continue;
        entries.push_back(keyword.Str() + "=" + groupName.Str());
    }
    std::sort(entries.begin(), entries.end());
    std::string list;
    for (const std::string &entry : entries) {
        list += entry;
        list += '\0';
    }
    list += '\0';
    return WritePrivateProfileSection("Keywords", list.c_str(), m_strFile);
}

BOOL SECEditLangIniWriter::WriteEditor(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    return WriteInt("Editor", "TabSize", pConfig->GetTabSize()) &&
           WriteInt("Editor", "AutoIndent", pConfig->GetAutoIndent()) &&
           WriteInt("Editor", "ShowWhitespace", pConfig->GetShowWhitespace()) &&
           WriteInt("Editor", "VirtualWhitespace", pConfig->GetVirtualWhitespace()) &&
           WriteInt("Editor", "ReplaceTabs", pConfig->GetReplaceTabs()) &&
           WriteInt("Editor", "MatchCase", pConfig->GetMatchCase());
}
