#include "editor/lang/SECEditLangConfig.h"

#include "editor/lang/SECEditLangConfigHint.h"
#include "editor/lang/SECEditLangDefaults.h"
#include "framework/base/Mbcs.h"
#include "framework/collections/Collections.h"

IMPLEMENT_SERIAL(SECEditLangConfig, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr UINT kHashTableSize = 17;
constexpr int kMapBlockSize = 10;
constexpr int kSetCount = 5;

bool IsValidSet(int nSet)
{
    return nSet >= 0 && nSet < kSetCount;
}

} // namespace

SECEditLangConfig::SECEditLangConfig()
    : m_strName("Default"), m_keywords(kMapBlockSize), m_tags(kMapBlockSize), m_groupNames(kMapBlockSize),
      m_lowerKeywords(kMapBlockSize)
{
    m_keywords.InitHashTable(kHashTableSize);
    m_tags.InitHashTable(kHashTableSize);
    m_groupNames.InitHashTable(kHashTableSize);
    SetDefaults();
}

SECEditLangConfig::~SECEditLangConfig()
{
    ClearTags();
    ClearGroups();
}

bool SECEditLangConfig::QueryInterface(const GUID &iid, void **ppv)
{
    if (iid == IID_SECEditLangConfig || iid == IID_SECEditObject) {
        *ppv = static_cast<ISECEditLangConfig *>(this);
        return true;
    }
    if (iid == IID_SECEditRefCount) {
        *ppv = static_cast<ISECEditRefCount *>(this);
        return true;
    }
    *ppv = nullptr;
    return false;
}

int SECEditLangConfig::AddRef()
{
    return ++m_nRefCount;
}

int SECEditLangConfig::Release()
{
    const int count = --m_nRefCount;
    if (count == 0)
        delete this;
    return count;
}

void SECEditLangConfig::ClearTags()
{
    POSITION pos = m_tags.GetStartPosition();
    while (pos != nullptr) {
        CString key;
        SECEditTag *pTag = nullptr;
        m_tags.GetNextAssoc(pos, key, pTag);
        delete pTag;
    }
    m_tags.RemoveAll();
}

void SECEditLangConfig::ClearGroups()
{
    for (INT_PTR i = 0; i < m_groups.GetSize(); ++i)
        delete m_groups[i];
    m_groups.RemoveAll();
    m_groupNames.RemoveAll();
}

void SECEditLangConfig::Clear()
{
    ClearTags();
    m_keywords.RemoveAll();
    m_lowerKeywords.RemoveAll();
    ClearGroups();
    for (SECEditCharSet &set : m_sets)
        set.RemoveAll();
}

void SECEditLangConfig::AppendDefaultGroup(LPCTSTR lpszName, COLORREF crFore, COLORREF crBack, BOOL bConfigurable,
                                           int nFixedGroup)
{
    auto *pGroup = new SECEditColorGroup;
    pGroup->m_crForeground = crFore;
    pGroup->m_crBackground = crBack;
    pGroup->m_bForeColorAutomatic = TRUE;
    pGroup->m_bBackColorAutomatic = TRUE;
    pGroup->m_strDisplayName = lpszName;
    pGroup->m_bConfigurable = bConfigurable;
    m_fixedGroups[nFixedGroup] = SetColorGroup(lpszName, pGroup);
}

void SECEditLangConfig::SetDefaults()
{
    Clear();
    SECEditGetDefaultFont(m_strFontFace, m_nFontSize);
    m_bItalic = FALSE;
    m_bBold = FALSE;

    const COLORREF text = SECEditGetWindowTextColor();
    const COLORREF window = SECEditGetWindowColor();
    AppendDefaultGroup("Text", text, window, TRUE, SECEDIT_GROUP_TEXT);
    AppendDefaultGroup("Text Selection", window, text, TRUE, SECEDIT_GROUP_SELECTION);
    AppendDefaultGroup("Number", text, window, FALSE, SECEDIT_GROUP_NUMBER);
    AppendDefaultGroup("Operator", text, window, FALSE, SECEDIT_GROUP_OPERATOR);

    m_nTabSize = 4;
    m_bAutoIndent = FALSE;
    m_bShowWhitespace = FALSE;
    m_bVirtualWhitespace = FALSE;
    m_bReplaceTabs = FALSE;
    m_bMatchCase = TRUE;
}

void SECEditLangConfig::AddListener(SECEditObserver *pListener)
{
    m_listeners.Add(pListener);
}

void SECEditLangConfig::RemoveListener(SECEditObserver *pListener)
{
    m_listeners.Remove(pListener);
}

void SECEditLangConfig::NotifyListeners(SECEditObserver *pExcept, SECEditHint *pHint)
{
    ISECEditLangConfig *pSender = this;
    SECEditListenerList::Iterator it(m_listeners);
    for (it.First(); !it.IsDone(); it.Next()) {
        SECEditObserver *pListener = it.Current();
        if (pListener != pExcept)
            pListener->OnUpdate(pSender, pHint);
    }
}

SECEditColorGroup *SECEditLangConfig::GetColorGroup(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_groups.GetSize())
        return nullptr;
    return m_groups[nIndex];
}

int SECEditLangConfig::GetColorGroupCount()
{
    return static_cast<int>(m_groups.GetSize());
}

SECEditColorGroup *SECEditLangConfig::GetFixedColorGroup(int nFixedGroup)
{
    if (nFixedGroup < 0 || nFixedGroup > 3)
        return nullptr;
    return GetColorGroup(m_fixedGroups[nFixedGroup]);
}

WORD SECEditLangConfig::GetFixedGroupIndex(int nFixedGroup)
{
    if (nFixedGroup < 0 || nFixedGroup > 3)
        return 0;
    return m_fixedGroups[nFixedGroup];
}

SECEditTag *SECEditLangConfig::FindTag(LPCTSTR pText, int nAvailable, int nExactLength, int nKind)
{
    if (pText == nullptr || nAvailable <= 0)
        return nullptr;
    const auto *p = reinterpret_cast<const unsigned char *>(pText);
    SECEditTag *pCandidate = nullptr;
    int nPrefix = 0;
    while (pCandidate == nullptr) {
        if (nPrefix >= nAvailable)
            return nullptr;
        nPrefix += MbCharLength(p + nPrefix, static_cast<size_t>(nAvailable - nPrefix));
        if (!m_tags.Lookup(CString(pText, nPrefix), pCandidate))
            return nullptr;
    }
    if (nExactLength != 0 && nExactLength != pCandidate->m_strBeginTag.GetLength())
        return nullptr;
    const bool kindMatches = nKind == SECEDIT_TAG_ANY ||
                             (nKind == SECEDIT_TAG_SINGLELINE && !pCandidate->m_bMultiLine) ||
                             (nKind == SECEDIT_TAG_MULTILINE && pCandidate->m_bMultiLine);
    return kindMatches ? pCandidate : nullptr;
}

void SECEditLangConfig::GetTags(CPtrList &tags, int nKind)
{
    tags.RemoveAll();
    POSITION pos = m_tags.GetStartPosition();
    while (pos != nullptr) {
        CString key;
        SECEditTag *pTag = nullptr;
        m_tags.GetNextAssoc(pos, key, pTag);
        if (pTag == nullptr)
            continue;
        if (nKind == SECEDIT_TAG_ANY || (nKind == SECEDIT_TAG_SINGLELINE && !pTag->m_bMultiLine) ||
            (nKind == SECEDIT_TAG_MULTILINE && pTag->m_bMultiLine))
            tags.AddTail(pTag);
    }
}

int SECEditLangConfig::LookupKeyword(LPCTSTR pToken, int nLength, WORD *pGroup)
{
    if (pToken == nullptr || nLength <= 0)
        return 0;
    const CString token(pToken, nLength);
    WORD group = 0;
    if (m_keywords.Lookup(token, group)) {
        *pGroup = group;
        return nLength;
    }
    if (!m_bMatchCase) {
        CString lower(token);
        lower.MakeLower();
        CString stored;
        if (m_lowerKeywords.Lookup(lower, stored) && m_keywords.Lookup(stored, group)) {
            *pGroup = group;
            return nLength;
        }
    }
    if (token.GetAt(0) >= '0' && token.GetAt(0) <= '9') {
        *pGroup = m_fixedGroups[SECEDIT_GROUP_NUMBER];
        return nLength;
    }
    return 0;
}

BOOL SECEditLangConfig::IsInCharSet(unsigned int nCode, int nSet)
{
    if (!IsValidSet(nSet))
        return FALSE;
    return m_sets[nSet].Test(nCode);
}

SECEditCharSet *SECEditLangConfig::GetCharSet(int nSet)
{
    return IsValidSet(nSet) ? &m_sets[nSet] : nullptr;
}

CString SECEditLangConfig::GetCharSetString(int nSet)
{
    CString members;
    if (!IsValidSet(nSet))
        return members;
    for (unsigned int code = 0; code <= 65534; ++code) {
        if (!m_sets[nSet].Test(code))
            continue;
        unsigned char bytes[2];
        const int n = SECEditCodeBytes(code, bytes);
        members.Append(reinterpret_cast<LPCTSTR>(bytes), n);
    }
    return members;
}

void SECEditLangConfig::AddCharacters(int nSet, LPCTSTR pChars, int nLength)
{
    if (IsValidSet(nSet) && pChars != nullptr && nLength > 0)
        m_sets[nSet].AddCharacters(pChars, static_cast<size_t>(nLength));
}

void SECEditLangConfig::SetCharSet(LPCTSTR lpszChars, int nSet, BOOL bClearFirst)
{
    if (!IsValidSet(nSet))
        return;
    if (bClearFirst)
        m_sets[nSet].RemoveAll();
    if (lpszChars != nullptr)
        m_sets[nSet].AddCharacters(lpszChars, std::char_traits<char>::length(lpszChars));
    auto *pHint = new SECEditLangConfigHint;
    NotifyListeners(nullptr, pHint);
    pHint->Release();
}

void SECEditLangConfig::AddTag(SECEditTag *pTag)
{
    const CString &begin = pTag->m_strBeginTag;
    const auto *p = reinterpret_cast<const unsigned char *>(begin.GetString());
    const int length = begin.GetLength();
    int nPrefix = 0;
    while (nPrefix < length) {
        nPrefix += MbCharLength(p + nPrefix, static_cast<size_t>(length - nPrefix));
        const CString key = begin.Left(nPrefix);
        SECEditTag *pOld = nullptr;
        if (m_tags.Lookup(key, pOld))
            delete pOld;
        m_tags.SetAt(key, nullptr);
    }
    m_tags.SetAt(begin, pTag);
}

WORD SECEditLangConfig::SetColorGroup(LPCTSTR lpszName, SECEditColorGroup *pGroup)
{
    WORD index = 0;
    if (m_groupNames.Lookup(lpszName, index) && index < m_groups.GetSize()) {
        delete m_groups[index];
        m_groups[index] = pGroup;
        return index;
    }
    index = static_cast<WORD>(m_groups.Add(pGroup));
    m_groupNames.SetAt(lpszName, index);
    return index;
}

BOOL SECEditLangConfig::ResolveFixedGroups()
{
    static const LPCTSTR names[4] = {"Text", "Text Selection", "Number", "Operator"};
    BOOL bAllFound = TRUE;
    for (int i = 0; i < 4; ++i) {
        WORD index = 0;
        if (m_groupNames.Lookup(names[i], index) && index < m_groups.GetSize())
            m_fixedGroups[i] = index;
        else
            bAllFound = FALSE;
    }
    return bAllFound;
}

CString SECEditLangConfig::GetColorGroupName(int nIndex)
{
    POSITION pos = m_groupNames.GetStartPosition();
    while (pos != nullptr) {
        CString name;
        WORD index = 0;
        m_groupNames.GetNextAssoc(pos, name, index);
        if (index == nIndex)
            return name;
    }
    return CString();
}

void SECEditLangConfig::RebuildLowerCaseKeywords()
{
    m_lowerKeywords.RemoveAll();
    POSITION pos = m_keywords.GetStartPosition();
    while (pos != nullptr) {
        CString keyword;
        WORD group = 0;
        m_keywords.GetNextAssoc(pos, keyword, group);
        CString lower(keyword);
        lower.MakeLower();
        m_lowerKeywords.SetAt(lower, keyword);
    }
}
