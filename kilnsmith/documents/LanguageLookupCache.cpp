#include "kilnsmith/documents/LanguageLookupCache.h"

#include "editor/lang/SECEditLangConfig.h"

#include <algorithm>
#include <iterator>

void CLanguageLookupCache::Reset(SECEditLangConfig *pConfig)
{
    m_pConfig = pConfig;
    m_keywords.Clear();
    m_rules.Clear();
    std::fill(std::begin(m_delimiterRules), std::end(m_delimiterRules), TokenRule{});
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

BOOL CLanguageLookupCache::FindKeyword(const char *token, int length, int *pResult, WORD *pGroup) const
{
    const KeywordAnswer *answer = m_keywords.Find(token, length);
    if (!answer)
        return FALSE;
    *pResult = answer->nResult;
    *pGroup = answer->wGroup;
    return TRUE;
}

void CLanguageLookupCache::KeepKeyword(const char *token, int length, int result, WORD group)
{
    m_keywords.Keep(token, length, KeywordAnswer{result, group});
}

void CLanguageLookupCache::KeepRule(const char *token, int tokenLength, const TokenRule &rule)
{
    if (rule.nConsumed <= 0)
        return;
    if (tokenLength > 0) {
        m_rules.Keep(token, tokenLength, rule);
        return;
    }
    const auto c = static_cast<unsigned char>(*token);
    if (c < 0x80)
        m_delimiterRules[c] = rule;
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
