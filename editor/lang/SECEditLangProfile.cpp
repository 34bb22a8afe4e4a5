#include "editor/lang/SECEditLangProfile.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditLangLimits.h"
#include "framework/settings/AppProfile.h"

namespace {

CString MakePrefix(LPCTSTR lpszLanguage)
{
    CString prefix(lpszLanguage);
    if (prefix.IsEmpty() || prefix.GetAt(prefix.GetLength() - 1) != '\\')
        prefix += '\\';
    return prefix;
}

int ReadInt(const CString &section, LPCTSTR lpszEntry, int nCurrent)
{
    return static_cast<int>(PlexoGetAppProfile().GetProfileInt(section, lpszEntry, nCurrent));
}

// Any number but 0 is on and kept as TRUE, as the archive and the INI reader
// keep flags, so that one configuration has one stored form.
BOOL ReadFlag(const CString &section, LPCTSTR lpszEntry, BOOL bCurrent)
{
    return ReadInt(section, lpszEntry, bCurrent ? 1 : 0) != 0 ? TRUE : FALSE;
}

// Reads a colour; a stored value that is no RGB value keeps the current one
// and clears bValid.
COLORREF ReadColor(const CString &section, LPCTSTR lpszEntry, COLORREF current, BOOL &bValid)
{
    const DWORD value = PlexoGetAppProfile().GetProfileInt(section, lpszEntry, static_cast<int>(current));
    if (SECEditIsValidColor(value))
        return value;
    bValid = FALSE;
    return current;
}

// Marks a selection group's section as written by a build whose language
// files give the selection visible colours.  Earlier builds shipped black
// on white for the selection of most languages (the colours of plain text,
// so that a selection could not be seen) and stored that pair at exit; such
// a pair is not taken over the file's colours while the mark is missing.
const char kSelectionPairKept[] = "SelectionPairKept";
const COLORREF kOldShippedSelectionFore = 0x000000;
const COLORREF kOldShippedSelectionBack = 0xFFFFFF;

// TRUE when the section holds the old shipped selection pair and was not
// written by this build; the next write at exit adds the mark, so the pair
// is passed over once and a user's own later choice of it is kept.
BOOL HoldsOldShippedSelection(const CString &section)
{
    CAppProfile &profile = PlexoGetAppProfile();
    return profile.GetProfileInt(section, kSelectionPairKept, 0) == 0 &&
           profile.GetProfileInt(section, "Foreground", -1) == kOldShippedSelectionFore &&
           profile.GetProfileInt(section, "Background", -1) == kOldShippedSelectionBack;
}

// The groups in group-name map order, with their names.
template <class FUNCTION>
BOOL ForEachNamedGroup(SECEditLangConfig *pConfig, FUNCTION function)
{
    BOOL bAll = TRUE;
    POSITION pos = pConfig->GetGroupNameMap().GetStartPosition();
    while (pos != nullptr) {
        CString name;
        WORD index = 0;
        pConfig->GetGroupNameMap().GetNextAssoc(pos, name, index);
        SECEditColorGroup *pGroup = pConfig->GetColorGroup(index);
        if (pGroup != nullptr && !function(name, *pGroup))
            bAll = FALSE;
    }
    return bAll;
}

} // namespace

SECEditLangProfileReader::SECEditLangProfileReader(LPCTSTR lpszLanguage)
    : SECEditLangReaderBase(FALSE), m_strPrefix(MakePrefix(lpszLanguage))
{
}

BOOL SECEditLangProfileReader::Read(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    ResetIfWanted(pConfig);
    const BOOL bEditor = ReadEditor(pConfig);
    const BOOL bGroups = ReadColorGroups(pConfig);
    const BOOL bFont = ReadFont(pConfig);
    return bEditor && bGroups && bFont;
}

BOOL SECEditLangProfileReader::ReadEditor(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    const CString section = m_strPrefix + "Editor";
    BOOL bValid = TRUE;
    const int tabSize = ReadInt(section, "TabSize", pConfig->GetTabSize());
    if (SECEditIsValidTabSize(tabSize))
        pConfig->SetTabSize(tabSize);
    else
        bValid = FALSE;
    pConfig->SetAutoIndent(ReadFlag(section, "AutoIndent", pConfig->GetAutoIndent()));
    pConfig->SetShowWhitespace(ReadFlag(section, "ShowWhitespace", pConfig->GetShowWhitespace()));
    pConfig->SetVirtualWhitespace(ReadFlag(section, "VirtualWhitespace", pConfig->GetVirtualWhitespace()));
    pConfig->SetReplaceTabs(ReadFlag(section, "ReplaceTabs", pConfig->GetReplaceTabs()));
    pConfig->SetMatchCase(ReadFlag(section, "MatchCase", pConfig->GetMatchCase()));
    return bValid;
}

BOOL SECEditLangProfileReader::ReadColorGroups(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    const SECEditColorGroup *pSelection = pConfig->GetFixedColorGroup(SECEDIT_GROUP_SELECTION);
    return ForEachNamedGroup(pConfig, [this, pSelection](const CString &name, SECEditColorGroup &group) {
        const CString section = m_strPrefix + "Color Groups\\" + name;
        BOOL bValid = TRUE;
        if (&group != pSelection || !HoldsOldShippedSelection(section)) {
            group.m_bBackColorAutomatic = ReadFlag(section, "BackColorAutomatic", group.m_bBackColorAutomatic);
            group.m_bForeColorAutomatic = ReadFlag(section, "ForeColorAutomatic", group.m_bForeColorAutomatic);
            group.m_crBackground = ReadColor(section, "Background", group.m_crBackground, bValid);
            group.m_crForeground = ReadColor(section, "Foreground", group.m_crForeground, bValid);
        }
        group.m_strDisplayName = PlexoGetAppProfile().GetProfileString(section, "DisplayName", group.m_strDisplayName);
        group.m_bConfigurable = ReadFlag(section, "Configurable", group.m_bConfigurable);
        return bValid;
    });
}

BOOL SECEditLangProfileReader::ReadFont(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    const CString section = m_strPrefix + "Font";
    pConfig->SetFontFace(PlexoGetAppProfile().GetProfileString(section, "Facename", pConfig->GetFontFace()));
    BOOL bValid = TRUE;
    const int size = ReadInt(section, "Size", pConfig->GetFontSize());
    if (SECEditIsValidFontSize(size))
        pConfig->SetFontSize(size);
    else
        bValid = FALSE;
    pConfig->SetBold(ReadFlag(section, "Bold", pConfig->GetBold()));
    pConfig->SetItalic(ReadFlag(section, "Italic", pConfig->GetItalic()));
    return bValid;
}

SECEditLangProfileWriter::SECEditLangProfileWriter(LPCTSTR lpszLanguage) : m_strPrefix(MakePrefix(lpszLanguage)) {}

BOOL SECEditLangProfileWriter::Write(SECEditLangConfig *pConfig)
{
    return WriteEditor(pConfig) && WriteColorGroups(pConfig) && WriteFont(pConfig);
}

BOOL SECEditLangProfileWriter::WriteEditor(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    CAppProfile &profile = PlexoGetAppProfile();
    const CString section = m_strPrefix + "Editor";
    return profile.WriteProfileInt(section, "TabSize", pConfig->GetTabSize()) &&
           profile.WriteProfileInt(section, "AutoIndent", pConfig->GetAutoIndent()) &&
           profile.WriteProfileInt(section, "ShowWhitespace", pConfig->GetShowWhitespace()) &&
           profile.WriteProfileInt(section, "VirtualWhitespace", pConfig->GetVirtualWhitespace()) &&
           profile.WriteProfileInt(section, "ReplaceTabs", pConfig->GetReplaceTabs()) &&
           profile.WriteProfileInt(section, "MatchCase", pConfig->GetMatchCase());
}

BOOL SECEditLangProfileWriter::WriteColorGroups(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    const SECEditColorGroup *pSelection = pConfig->GetFixedColorGroup(SECEDIT_GROUP_SELECTION);
    return ForEachNamedGroup(pConfig, [this, pSelection](const CString &name, const SECEditColorGroup &group) -> BOOL {
        CAppProfile &profile = PlexoGetAppProfile();
        const CString section = m_strPrefix + "Color Groups\\" + name;
        if (&group == pSelection && !profile.WriteProfileInt(section, kSelectionPairKept, 1))
            return FALSE;
        return profile.WriteProfileInt(section, "BackColorAutomatic", group.m_bBackColorAutomatic) &&
               profile.WriteProfileInt(section, "ForeColorAutomatic", group.m_bForeColorAutomatic) &&
               profile.WriteProfileInt(section, "Background", static_cast<int>(group.m_crBackground)) &&
               profile.WriteProfileInt(section, "Foreground", static_cast<int>(group.m_crForeground)) &&
               profile.WriteProfileString(section, "DisplayName", group.m_strDisplayName) &&
               profile.WriteProfileInt(section, "Configurable", group.m_bConfigurable);
    });
}

BOOL SECEditLangProfileWriter::WriteFont(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    CAppProfile &profile = PlexoGetAppProfile();
    const CString section = m_strPrefix + "Font";
    return profile.WriteProfileString(section, "Facename", pConfig->GetFontFace()) &&
           profile.WriteProfileInt(section, "Size", pConfig->GetFontSize()) &&
           profile.WriteProfileInt(section, "Bold", pConfig->GetBold()) &&
           profile.WriteProfileInt(section, "Italic", pConfig->GetItalic());
}
