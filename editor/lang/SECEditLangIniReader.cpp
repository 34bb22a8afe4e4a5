#include "editor/lang/SECEditLangIniReader.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditLangFiles.h"
#include "editor/lang/SECEditLangLimits.h"
#include "framework/settings/PrivateProfile.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr DWORD kGroupBufferSize = 1024;
constexpr DWORD kParserBufferSize = 4096;
constexpr DWORD kFaceBufferSize = 32;
constexpr DWORD kKeywordsBufferSize = 32760;

// "r,g,b" as a colour, each component taken modulo 256; what cannot be read
// stays 0.
COLORREF ParseColor(const CString &text)
{
    int red = 0;
    int green = 0;
    int blue = 0;
    std::sscanf(text.GetString(), "%d,%d,%d", &red, &green, &blue);
    return RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
}

} // namespace

SECEditLangIniReader::SECEditLangIniReader(LPCTSTR lpszPath) : SECEditLangReaderBase(TRUE), m_strPath(lpszPath) {}

CString SECEditLangIniReader::GetRawString(LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszDefault,
                                           DWORD nBufferSize) const
{
    auto buffer = std::make_unique<char[]>(nBufferSize);
    const DWORD length =
        GetPrivateProfileString(lpszSection, lpszKey, lpszDefault, buffer.get(), nBufferSize, m_strFile);
    return CString(buffer.get(), static_cast<int>(length));
}

CString SECEditLangIniReader::GetString(LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszDefault,
                                        DWORD nBufferSize) const
{
    // The value up to a NUL byte: the writer writes values as C strings, so
    // that is what a configuration can save and read again.
    const CString raw = GetRawString(lpszSection, lpszKey, lpszDefault, nBufferSize);
    const size_t nul = raw.Str().find('\0');
    return nul == std::string::npos ? raw : CString(raw.Str().substr(0, nul));
}

// The configuration's maps compare keys as C strings: a key holding a NUL
// byte would be stored under a shorter key that the writer cannot write
// back, so such a file is refused.
bool SECEditLangIniReader::HoldsNul(const CString &key)
{
    return key.Str().find('\0') != std::string::npos;
}

int SECEditLangIniReader::GetInt(LPCTSTR lpszSection, LPCTSTR lpszKey, int nDefault) const
{
    return static_cast<int>(GetPrivateProfileInt(lpszSection, lpszKey, nDefault, m_strFile));
}

BOOL SECEditLangIniReader::GetBool(LPCTSTR lpszSection, LPCTSTR lpszKey, BOOL bDefault) const
{
    // Any number but 0 is on, stored as TRUE, so that one configuration has
    // one archive form whatever number the file gave.
    return GetInt(lpszSection, lpszKey, bDefault ? 1 : 0) != 0 ? TRUE : FALSE;
}

BOOL SECEditLangIniReader::Read(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    ResetIfWanted(pConfig);
    m_strFile = SECEditResolveLanguageFileForReading(m_strPath);
    if (m_strFile.IsEmpty())
        return FALSE;
    const BOOL bRead = ReadColorGroups(pConfig) && ReadParser(pConfig) && ReadFont(pConfig) && ReadKeywords(pConfig) &&
                       ReadEditor(pConfig);
    if (!bRead)
        pConfig->SetDefaults();
    return bRead;
}

BOOL SECEditLangIniReader::ReadColorGroups(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    const int count = GetInt("ColorGroups", "NumGroups", 0);
    if (count < 0 || count > SECEDIT_MAX_INI_ENTRIES)
        return FALSE;
    for (int n = 1; n <= count; ++n) {
        const CString name = GetRawString("ColorGroups", FormatString("Group%d", n), "", kGroupBufferSize);
        if (!name.IsEmpty() && !ReadGroup(pConfig, name))
            return FALSE;
    }
    return pConfig->ResolveFixedGroups();
}

BOOL SECEditLangIniReader::ReadGroup(SECEditLangConfig *pConfig, const CString &name)
{
    if (pConfig->GetColorGroupCount() >= static_cast<int>(SECEDIT_MAX_COLOR_GROUPS))
        return FALSE;
    if (HoldsNul(name))
        return FALSE;
    auto *pGroup = new SECEditColorGroup;
    pGroup->m_wId = 0;
    pGroup->m_strDisplayName = GetString(name, "DisplayName", name, kGroupBufferSize);
    pGroup->m_bConfigurable = GetBool(name, "Configurable", TRUE);
    const CString fore = GetString(name, "Foreground", "", kGroupBufferSize);
    if (fore.IsEmpty()) {
        pGroup->m_crForeground = 0;
        pGroup->m_bForeColorAutomatic = TRUE;
    } else {
        pGroup->m_crForeground = ParseColor(fore);
        pGroup->m_bForeColorAutomatic = GetBool(name, "ForeColorAutomatic", FALSE);
    }
    const CString back = GetString(name, "Background", "", kGroupBufferSize);
    if (back.IsEmpty()) {
        pGroup->m_crBackground = 0xFFFFFF;
        pGroup->m_bBackColorAutomatic = TRUE;
    } else {
        pGroup->m_crBackground = ParseColor(back);
        pGroup->m_bBackColorAutomatic = GetBool(name, "BackColorAutomatic", FALSE);
    }
    pConfig->SetColorGroup(name, pGroup);
    return TRUE;
}

BOOL SECEditLangIniReader::ReadParser(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    static const struct {
        LPCTSTR key;
        int set;
    } sets[] = {{"Operators", SECEDIT_OPERATORS},
                {"Delimiters", SECEDIT_DELIMITERS},
                {"KWStartChars", SECEDIT_KWSTARTCHARS},
                {"KWMiddleChars", SECEDIT_KWMIDDLECHARS},
                {"KWEndChars", SECEDIT_KWENDCHARS}};
    for (const auto &entry : sets) {
        const CString chars = GetString("Parser", entry.key, "", kParserBufferSize);
        pConfig->AddCharacters(entry.set, chars.GetString(), chars.GetLength());
    }
    const int count = GetInt("Parser", "NumTags", 0);
    if (count < 0 || count > SECEDIT_MAX_INI_ENTRIES)
        return FALSE;
    for (int n = 1; n <= count; ++n)
        if (!ReadTag(pConfig, n))
            return FALSE;
    return TRUE;
}

BOOL SECEditLangIniReader::ReadTag(SECEditLangConfig *pConfig, int nTag)
{
    const CString section = FormatString("Tag%d", nTag);
    auto *pTag = new SECEditTag;
    pTag->m_strBeginTag = GetRawString(section, "BeginTag", "", kParserBufferSize);
    pTag->m_strEndTag = GetString(section, "EndTag", "", kParserBufferSize);
    pTag->m_strEscapeChar = GetString(section, "EscapeChar", "", kParserBufferSize);
    pTag->m_bMultiLine = GetBool(section, "MultiLine", FALSE);
    WORD group = 0;
    const CString groupName = GetString(section, "ColorGroup", "", kParserBufferSize);
    if (!pConfig->GetGroupNameMap().Lookup(groupName, group))
        group = 0;
    pTag->m_wColorGroup = group;
    if (HoldsNul(pTag->m_strBeginTag)) {
        delete pTag;
        return FALSE;
    }
    if (pTag->m_strBeginTag.IsEmpty()) {
        // A tag without a begin text could never be found; it is dropped.
        delete pTag;
        return TRUE;
    }
    pConfig->AddTag(pTag);
    return TRUE;
}

BOOL SECEditLangIniReader::ReadFont(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    const CString face = GetString("Font", "FaceName", pConfig->GetFontFace(), kFaceBufferSize);
    const int size = GetInt("Font", "Size", pConfig->GetFontSize());
    if (!SECEditIsValidFontSize(size))
        return FALSE;
    pConfig->SetFontFace(face);
    pConfig->SetFontSize(size);
    pConfig->SetItalic(GetBool("Font", "Italic", pConfig->GetItalic()));
    pConfig->SetBold(GetBool("Font", "Bold", pConfig->GetBold()));
    return TRUE;
}

BOOL SECEditLangIniReader::ReadKeywords(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    auto buffer = std::make_unique<char[]>(kKeywordsBufferSize);
    const DWORD length = GetPrivateProfileSection("Keywords", buffer.get(), kKeywordsBufferSize, m_strFile);
    const char *p = buffer.get();
    const char *end = p + length;
    while (p < end && *p != '\0') {
        const CString entry(p);
        p += entry.GetLength() + 1;
        const int equals = entry.Find('=');
        if (equals < 0)
            continue;
        CString keyword = entry.Left(equals);
        CString groupName = entry.Mid(equals + 1);
        keyword.Trim();
        groupName.Trim();
        WORD group = 0;
        // A keyword holding a CR could not be written back (the writer
        // leaves such keywords out), so it is not read either.
        if (keyword.IsEmpty() || keyword.Find('\r') >= 0 || groupName.IsEmpty() ||
            !pConfig->GetGroupNameMap().Lookup(groupName, group))
            continue;
        pConfig->GetKeywordMap().SetAt(keyword, group);
    }
    pConfig->RebuildLowerCaseKeywords();
    return TRUE;
}

BOOL SECEditLangIniReader::ReadEditor(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    const int tabSize = GetInt("Editor", "TabSize", 4);
    if (!SECEditIsValidTabSize(tabSize))
        return FALSE;
    pConfig->SetTabSize(tabSize);
    pConfig->SetAutoIndent(GetBool("Editor", "AutoIndent", FALSE));
    pConfig->SetShowWhitespace(GetBool("Editor", "ShowWhitespace", FALSE));
    pConfig->SetVirtualWhitespace(GetBool("Editor", "VirtualWhitespace", FALSE));
    pConfig->SetReplaceTabs(GetBool("Editor", "ReplaceTabs", FALSE));
    pConfig->SetMatchCase(GetBool("Editor", "MatchCase", TRUE));
    return TRUE;
}
