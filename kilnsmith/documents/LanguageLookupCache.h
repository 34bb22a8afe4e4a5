// Remembers what a language answered to the two questions the colouring
// parser asks of almost every token: is this word a keyword (and of which
// colour group), and can a tag begin here.
//
// The language keeps its keywords and tag openers in small hash tables
// keyed by strings; each question builds a string and walks a bucket's
// chain. The buffer asks the same few words over and over (an HTML page
// repeats its element and attribute names on every line), so the answers
// are kept here by the token's bytes, and the tag question is first
// checked against the openers' texts. The buffer drops the cache whenever
// its language or the language's settings change, as it drops its colours.
#pragma once

#include "framework/base/WinTypes.h"

#include <string>
#include <vector>

class SECEditLangConfig;

class CLanguageLookupCache {
public:
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

    // FALSE when no tag opener's text starts the available bytes, so the
    // language cannot find a tag there; TRUE when one could.
    BOOL MayBeginTag(const char *text, int available) const
    {
        if (available <= 0 || !m_openerStarts[static_cast<unsigned char>(*text)])
            return FALSE;
        return AnOpenerStarts(text, available);
    }

private:
    static constexpr int kLongestKeptToken = 64;
    static constexpr size_t kMostKeptTokens = 1u << 16;
    static constexpr size_t kFirstSlots = 1024; // a power of two

    // One kept word: its bytes in m_bytes, and the answer. An open-address
    // table of these (a slot with length 0 is free), at most half full.
    struct Slot {
        unsigned nHash = 0;
        unsigned nOffset = 0;
        int nLength = 0;
        int nResult = 0;
        WORD wGroup = 0;
    };
    // Whether one of the openers' texts starts the available bytes.
    BOOL AnOpenerStarts(const char *text, int available) const;
    static unsigned HashOf(const char *token, int length);
    bool SameWord(const Slot &slot, const char *token, int length) const;
    void Grow();

    SECEditLangConfig *m_pConfig = nullptr;
    std::vector<Slot> m_slots;
    size_t m_nKept = 0;
    std::string m_bytes;
    std::vector<std::string> m_openers;
    bool m_openerStarts[256] = {};
};
