// Remembers what a language answered to the questions the colouring parser
// asks of almost every token: is this word a keyword (and of which colour
// group), can a tag begin here, and what does the editor's rule make of a
// token where no tag can begin.
//
// The language keeps its keywords and tag openers in small hash tables
// keyed by strings; each question builds a string and walks a bucket's
// chain, and the editor's rule asks its questions through a chain of
// overridable steps. The buffer asks about the same few words over and
// over (an HTML page repeats its element and attribute names on every
// line), so the answers are kept here by the token's bytes, and the tag
// question is first checked against the openers' texts. The buffer drops
// the cache whenever its language or the language's settings change, as it
// drops its colours.
#pragma once

#include "kilnsmith/documents/ShortWordTable.h"

#include "framework/base/WinTypes.h"

#include <string>
#include <vector>

class SECEditLangConfig;

class CLanguageLookupCache {
public:
    // What the editor's rule makes of a token where no tag can begin: it
    // adds one run, after the pending plain text (a keyword, a number, an
    // operator), or the token joins the pending plain text (dwRun 0).
    // nConsumed: the bytes it takes.
    struct TokenRule {
        int nConsumed = 0;
        DWORD dwRun = 0;
    };
    // Answers are kept for tokens of up to this many bytes.
    static constexpr int kLongestKeptToken = CShortWordTable<TokenRule>::kLongestWord;

    // Forgets every answer; the openers are those of the configuration
    // (none for NULL).
    void Reset(SECEditLangConfig *pConfig);
    // The configuration the answers belong to.
    const SECEditLangConfig *GetConfig() const { return m_pConfig; }

    // A keyword answer kept for exactly these bytes: TRUE with the
    // language's result (the length it took, 0 for none) and group.
    BOOL FindKeyword(const char *token, int length, int *pResult, WORD *pGroup) const;
    // Keeps an answer (tokens longer than a short word are not kept, and
    // the cache stops growing at a fixed number of words).
    void KeepKeyword(const char *token, int length, int result, WORD group);

    // The rule kept for a token of tokenLength bytes (0: the one delimiter
    // character at token, which must be ASCII), or NULL.
    const TokenRule *FindRule(const char *token, int tokenLength) const
    {
        if (tokenLength > 0)
            return m_rules.Find(token, tokenLength);
        const auto c = static_cast<unsigned char>(*token);
        return c < 0x80 && m_delimiterRules[c].nConsumed > 0 ? &m_delimiterRules[c] : nullptr;
    }
    void KeepRule(const char *token, int tokenLength, const TokenRule &rule);

    // FALSE when no tag opener's text starts the available bytes, so the
    // language cannot find a tag there; TRUE when one could.
    BOOL MayBeginTag(const char *text, int available) const
    {
        if (available <= 0 || !m_openerStarts[static_cast<unsigned char>(*text)])
            return FALSE;
        return AnOpenerStarts(text, available);
    }

private:
    struct KeywordAnswer {
        int nResult = 0;
        WORD wGroup = 0;
    };

    // Whether one of the openers' texts starts the available bytes.
    BOOL AnOpenerStarts(const char *text, int available) const;

    SECEditLangConfig *m_pConfig = nullptr;
    CShortWordTable<KeywordAnswer> m_keywords;
    CShortWordTable<TokenRule> m_rules;
    // The rules of the one-character tokens, by character (nConsumed 0:
    // not known).
    TokenRule m_delimiterRules[128] = {};
    std::vector<std::string> m_openers;
    bool m_openerStarts[256] = {};
};
