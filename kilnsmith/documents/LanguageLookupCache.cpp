#include "kilnsmith/documents/LanguageLookupCache.h"

#include "editor/lang/SECEditLangConfig.h"

#include <algorithm>
#include <iterator>

void CLanguageLookupCache::Reset(SECEditLangConfig *pConfig)
{
    m_pConfig = pConfig;
    m_slots.assign(kFirstSlots, Slot{});
    m_nKept = 0;
    m_bytes.clear();
    m_openers.clear();
    std::fill(std::begin(m_openerStarts), std::end(m_openerStarts), false);
    if (!pConfig)
        return;
    // The language finds a tag where the text starts with a key of its tag
    // map that names a tag (the other keys are the openers' beginnings).
    SECEditTagMap &tags = pConfig->GetTagMap();
    for (POSITION pos = tags.GetStartPosition(); pos != nullptr;) {
        CString strKey;
        SECEditTag *pTag = nullptr;
        tags.GetNextAssoc(pos, strKey, pTag);
        if (pTag == nullptr || strKey.IsEmpty())
            continue;
        m_openers.emplace_back(static_cast<LPCTSTR>(strKey), static_cast<size_t>(strKey.GetLength()));
        m_openerStarts[static_cast<unsigned char>(strKey[0])] = true;
    }
}

// FNV-1a: tokens are short, so a simple byte hash is the quickest.
unsigned CLanguageLookupCache::HashOf(const char *token, int length)
{
    unsigned hash = 2166136261u;
    for (int i = 0; i < length; ++i)
        hash = (hash ^ static_cast<unsigned char>(token[i])) * 16777619u;
    return hash;
}

bool CLanguageLookupCache::SameWord(const Slot &slot, const char *token, int length) const
{
    if (slot.nLength != length)
        return false;
    const char *kept = m_bytes.data() + slot.nOffset;
    for (int i = 0; i < length; ++i)
        if (kept[i] != token[i])
            return false;
    return true;
}

BOOL CLanguageLookupCache::FindKeyword(const char *token, int length, int *pResult, WORD *pGroup) const
{
    if (length <= 0 || length > kLongestKeptToken || m_slots.empty())
        return FALSE;
    const unsigned hash = HashOf(token, length);
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.nLength == 0)
            return FALSE;
        if (slot.nHash == hash && SameWord(slot, token, length)) {
            *pResult = slot.nResult;
            *pGroup = slot.wGroup;
            return TRUE;
        }
    }
}

void CLanguageLookupCache::KeepKeyword(const char *token, int length, int result, WORD group)
{
    if (length <= 0 || length > kLongestKeptToken || m_nKept >= kMostKeptTokens || m_slots.empty())
        return;
    if ((m_nKept + 1) * 2 > m_slots.size())
        Grow();
    const unsigned hash = HashOf(token, length);
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    while (m_slots[i].nLength != 0) {
        if (m_slots[i].nHash == hash && SameWord(m_slots[i], token, length))
            return; // kept already
        i = (i + 1) & mask;
    }
    m_slots[i] = Slot{hash, static_cast<unsigned>(m_bytes.size()), length, result, group};
    m_bytes.append(token, static_cast<size_t>(length));
    ++m_nKept;
}

void CLanguageLookupCache::Grow()
{
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    const size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (slot.nLength == 0)
            continue;
        size_t i = slot.nHash & mask;
        while (m_slots[i].nLength != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

BOOL CLanguageLookupCache::AnOpenerStarts(const char *text, int available) const
{
    for (const std::string &opener : m_openers) {
        const int length = static_cast<int>(opener.size());
        int i = 0;
        while (i < length && i < available && opener[static_cast<size_t>(i)] == text[i])
            ++i;
        if (i == length)
            return TRUE;
    }
    return FALSE;
}
