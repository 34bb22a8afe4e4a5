// The archive form of a language configuration: colour groups, the tag map,
// the options, the font, the five character sets, the keywords and the
// group names.  Map entries are written in ascending key order so that the
// same configuration always gives the same bytes.  Loading checks what it
// reads and throws a CArchiveException for a body that cannot be a
// configuration.
#include "editor/lang/SECEditLangConfig.h"

#include "editor/lang/SECEditLangLimits.h"
#include "framework/object/Archive.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

template <class VALUE>
std::vector<std::pair<CString, VALUE>> SortedEntries(CMap<CString, LPCTSTR, VALUE, VALUE> &map)
{
    std::vector<std::pair<CString, VALUE>> entries;
    entries.reserve(static_cast<size_t>(map.GetCount()));
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        CString key;
        VALUE value{};
        map.GetNextAssoc(pos, key, value);
        entries.emplace_back(key, value);
    }
    std::sort(entries.begin(), entries.end(),
              [](const auto &a, const auto &b) { return a.first.Compare(b.first) < 0; });
    return entries;
}

[[noreturn]] void ThrowCorrupt()
{
    AfxThrowArchiveException(CArchiveException::badIndex);
}

DWORD ReadDword(CArchive &ar)
{
    DWORD value = 0;
    ar >> value;
    return value;
}

WORD ReadWord(CArchive &ar)
{
    WORD value = 0;
    ar >> value;
    return value;
}

CString ReadString(CArchive &ar)
{
    CString value;
    ar >> value;
    return value;
}

COLORREF ReadColor(CArchive &ar)
{
    const DWORD color = ReadDword(ar);
    if (!SECEditIsValidColor(color))
        ThrowCorrupt();
    return color;
}

} // namespace

void SECEditLangConfig::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        StoreBody(ar);
        return;
    }
    Clear();
    LoadBody(ar);
    RebuildLowerCaseKeywords();
}

void SECEditLangConfig::StoreBody(CArchive &ar)
{
    ar << static_cast<DWORD>(m_groups.GetSize());
    for (INT_PTR i = 0; i < m_groups.GetSize(); ++i) {
        const SECEditColorGroup &group = *m_groups[i];
        ar << group.m_wId << static_cast<DWORD>(group.m_crForeground) << static_cast<DWORD>(group.m_crBackground)
           << static_cast<DWORD>(group.m_bForeColorAutomatic) << static_cast<DWORD>(group.m_bBackColorAutomatic)
           << group.m_strDisplayName << static_cast<DWORD>(group.m_bConfigurable);
    }

    ar << static_cast<DWORD>(m_tags.GetCount());
    for (const auto &[key, pTag] : SortedEntries(m_tags)) {
        ar << key << static_cast<DWORD>(pTag != nullptr ? 1 : 0);
        if (pTag != nullptr)
            ar << pTag->m_strBeginTag << pTag->m_strEndTag << pTag->m_strEscapeChar << pTag->m_wColorGroup
               << static_cast<DWORD>(pTag->m_bMultiLine);
    }

    ar << static_cast<DWORD>(m_bMatchCase) << static_cast<DWORD>(m_bShowWhitespace)
       << static_cast<DWORD>(m_bReplaceTabs) << static_cast<DWORD>(m_bVirtualWhitespace)
       << static_cast<DWORD>(m_nTabSize) << static_cast<DWORD>(m_bAutoIndent);
    ar << m_strFontFace << static_cast<DWORD>(m_nFontSize) << static_cast<DWORD>(m_bItalic)
       << static_cast<DWORD>(m_bBold);

    for (int nSet = 0; nSet < 5; ++nSet)
        ar << GetCharSetString(nSet);

    ar.WriteCount(static_cast<DWORD_PTR>(m_keywords.GetCount()));
    for (const auto &[keyword, group] : SortedEntries(m_keywords))
        ar << keyword << group;

    ar.WriteCount(static_cast<DWORD_PTR>(m_groupNames.GetCount()));
    for (const auto &[name, index] : SortedEntries(m_groupNames))
        ar << name << index;
}

void SECEditLangConfig::LoadBody(CArchive &ar)
{
    LoadGroups(ar);
    LoadTags(ar);

    m_bMatchCase = ReadDword(ar) != 0;
    m_bShowWhitespace = ReadDword(ar) != 0;
    m_bReplaceTabs = ReadDword(ar) != 0;
    m_bVirtualWhitespace = ReadDword(ar) != 0;
    const DWORD tabSize = ReadDword(ar);
    if (!SECEditIsValidTabSize(static_cast<int>(std::min<DWORD>(tabSize, 0x7FFFFFFF))))
        ThrowCorrupt();
    m_nTabSize = static_cast<int>(tabSize);
    m_bAutoIndent = ReadDword(ar) != 0;

    m_strFontFace = ReadString(ar);
    const DWORD fontSize = ReadDword(ar);
    if (!SECEditIsValidFontSize(static_cast<int>(std::min<DWORD>(fontSize, 0x7FFFFFFF))))
        ThrowCorrupt();
    m_nFontSize = static_cast<int>(fontSize);
    m_bItalic = ReadDword(ar) != 0;
    m_bBold = ReadDword(ar) != 0;

    for (int nSet = 0; nSet < 5; ++nSet) {
        const CString members = ReadString(ar);
        AddCharacters(nSet, members.GetString(), members.GetLength());
    }

    LoadKeywords(ar);
    LoadGroupNames(ar);
    if (!ResolveFixedGroups())
        ThrowCorrupt();
}

void SECEditLangConfig::LoadGroups(CArchive &ar)
{
    const DWORD count = ReadDword(ar);
    if (count > SECEDIT_MAX_COLOR_GROUPS)
        ThrowCorrupt();
    for (DWORD i = 0; i < count; ++i) {
        auto *pGroup = new SECEditColorGroup;
        m_groups.Add(pGroup);
        pGroup->m_wId = ReadWord(ar);
        pGroup->m_crForeground = ReadColor(ar);
        pGroup->m_crBackground = ReadColor(ar);
        pGroup->m_bForeColorAutomatic = ReadDword(ar) != 0;
        pGroup->m_bBackColorAutomatic = ReadDword(ar) != 0;
        pGroup->m_strDisplayName = ReadString(ar);
        pGroup->m_bConfigurable = ReadDword(ar) != 0;
    }
}

// A key of the tag, keyword or group-name map.  The maps compare keys as C
// strings, so a key holding a NUL byte would be stored under a shorter one
// and saved in a form that does not load: it is refused.
namespace {
CString ReadMapKey(CArchive &ar)
{
    CString key = ReadString(ar);
    if (key.Str().find('\0') != std::string::npos)
        ThrowCorrupt();
    return key;
}
} // namespace

void SECEditLangConfig::LoadTags(CArchive &ar)
{
    const DWORD count = ReadDword(ar);
    for (DWORD i = 0; i < count; ++i) {
        const CString key = ReadMapKey(ar);
        if (key.IsEmpty())
            ThrowCorrupt();
        SECEditTag *pOld = nullptr;
        if (m_tags.Lookup(key, pOld)) {
            delete pOld;
            m_tags.SetAt(key, nullptr);
        }
        if (ReadDword(ar) == 0) {
            m_tags.SetAt(key, nullptr);
            continue;
        }
        auto *pTag = new SECEditTag;
        m_tags.SetAt(key, pTag);
        pTag->m_strBeginTag = ReadString(ar);
        pTag->m_strEndTag = ReadString(ar);
        pTag->m_strEscapeChar = ReadString(ar);
        pTag->m_wColorGroup = ReadWord(ar);
        pTag->m_bMultiLine = ReadDword(ar) != 0;
        if (pTag->m_wColorGroup >= m_groups.GetSize())
            ThrowCorrupt();
    }
}

void SECEditLangConfig::LoadKeywords(CArchive &ar)
{
    const DWORD_PTR count = ar.ReadCount();
    for (DWORD_PTR i = 0; i < count; ++i) {
        const CString keyword = ReadMapKey(ar);
        const WORD group = ReadWord(ar);
        if (group >= m_groups.GetSize())
            ThrowCorrupt();
        m_keywords.SetAt(keyword, group);
    }
}

void SECEditLangConfig::LoadGroupNames(CArchive &ar)
{
    const DWORD_PTR count = ar.ReadCount();
    for (DWORD_PTR i = 0; i < count; ++i) {
        const CString name = ReadMapKey(ar);
        const WORD index = ReadWord(ar);
        if (index >= m_groups.GetSize())
            ThrowCorrupt();
        m_groupNames.SetAt(name, index);
    }
}
