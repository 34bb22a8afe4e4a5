// CScriptRegExp: the scripting regular-expression object (properties
// Pattern, IgnoreCase, Global, Multiline; methods Execute, Test, Replace) on
// PCRE2, with ECMAScript-like syntax over UTF-8 byte strings.
//
// - Positions (FirstIndex, Length) are byte offsets into the text passed.
// - Text that is not valid UTF-8 is searched as it is: invalid bytes simply
//   never match a character.
// - '.' matches any character except CR and LF; without Multiline '^' and
//   '$' match only at the very start and end of the text.
// - With Global off, Execute finds the first match only and Replace changes
//   only the first; with Global on, every match, an empty match moving the
//   search on by one character.
// - Replacement tokens: $& the match, $` the text before it, $' the text
//   after it, $1..$99 the groups (a group that did not take part gives ""),
//   $$ a dollar sign; any other '$' stays as it is.
// - An invalid pattern raises COleDispatchException whose description holds
//   the engine's message and the offset in the pattern.  Matching has a
//   bounded amount of work, so a pattern that backtracks without end raises
//   the same exception instead of hanging.
// - Matching runs on the engine's compiled machine code where the engine has
//   it (and falls back to its interpreter for a match that needs more stack
//   than that code gets); the results are the same either way.  A global
//   match is linear in the text: the subject is checked for valid UTF-8 at
//   most once per call, never once per match.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CScriptMatch {
public:
    CString GetValue() const { return m_strValue; }
    long GetFirstIndex() const { return m_nFirstIndex; }
    long GetLength() const { return m_strValue.GetLength(); }
    // The groups of the pattern, in order (SubMatches).
    long GetSubMatchCount() const { return static_cast<long>(m_subMatches.size()); }
    CString GetSubMatch(long nIndex) const;

private:
    friend class CScriptRegExp;
    CString m_strValue;
    long m_nFirstIndex = 0;
    std::vector<CString> m_subMatches;
};

class CScriptMatchCollection {
public:
    long GetCount() const { return static_cast<long>(m_matches.size()); }
    // NULL when the index is out of range.
    const CScriptMatch *GetItem(long nIndex) const;

private:
    friend class CScriptRegExp;
    std::vector<CScriptMatch> m_matches;
};

class CScriptRegExp {
public:
    // Work allowed for matching from one start position (engine steps) and
    // the memory its backtracking may take (KiB).
    static constexpr UINT kMatchLimit = 2000000;
    static constexpr UINT kHeapLimitKiB = 64 * 1024;
    // Error codes in the raised exception.
    enum : WORD { errorSyntax = 5017, errorTooComplex = 28, errorMatch = 5018 };

    CScriptRegExp();
    ~CScriptRegExp();
    CScriptRegExp(const CScriptRegExp &) = delete;
    CScriptRegExp &operator=(const CScriptRegExp &) = delete;

    CString GetPattern() const { return m_strPattern; }
    void SetPattern(const CString &strPattern);
    BOOL GetIgnoreCase() const { return m_bIgnoreCase; }
    void SetIgnoreCase(BOOL bIgnoreCase);
    BOOL GetGlobal() const { return m_bGlobal; }
    void SetGlobal(BOOL bGlobal) { m_bGlobal = bGlobal; }
    BOOL GetMultiline() const { return m_bMultiline; }
    void SetMultiline(BOOL bMultiline);

    // Whether the engine's compiled machine code is used (on by default where
    // the engine has it; off, every match runs in its interpreter).
    static bool IsJitAvailable();
    BOOL GetUseJit() const { return m_bUseJit; }
    void SetUseJit(BOOL bUseJit);

    CScriptMatchCollection Execute(const CString &strText);
    BOOL Test(const CString &strText);
    CString Replace(const CString &strText, const CString &strReplacement);

    // Matching text that is kept in pieces, without copying it together.
    // MatchPiece searches pSubject[0, nLength) for the first match that starts
    // at nStart or later.  The text before nStart is seen by look-behinds and
    // by '\b' and '^' in multiline mode, but the subject's first byte is the
    // start of the text.  With bMoreFollows the text goes on after nLength:
    // an attempt that would need to see past nLength (including '$' and '\b'
    // there) stops the search with piecePartial, nMatchStart telling where
    // that attempt began; every earlier start has then failed for good.
    enum PieceResult { pieceNoMatch, pieceMatch, piecePartial };
    PieceResult MatchPiece(const char *pSubject, size_t nLength, size_t nStart, bool bMoreFollows, size_t &nMatchStart,
                           size_t &nMatchEnd);
    // How many bytes before a start position a match may look at.
    size_t GetLookbehindBytes();

    // Matching counted bytes that the caller keeps, one match after another
    // (a global pass run by the caller): whether the subject is valid UTF-8
    // is learnt once for all the calls on one Subject.  The bytes before a
    // start offset are seen by look-behinds, '\b' and anchors.
    struct Subject {
        const char *data;
        size_t length;
        enum Validity { unknown, valid, invalid } validity = unknown;
    };
    struct Found {
        size_t start;
        size_t end;
        std::vector<std::pair<size_t, size_t>> groups; // npos start: did not take part
    };
    // The first match that starts at byte offset nStart or later; false when
    // there is none.  Raises as Execute does.
    bool FindAt(Subject &subject, size_t nStart, Found &found);
    // The same when the text goes on after the subject: an attempt that
    // needs to see past its end stops the search with piecePartial (found's
    // start telling where that attempt began).
    PieceResult FindAtPiece(Subject &subject, size_t nStart, bool bMoreFollows, Found &found);
    // Appends strReplacement with its tokens expanded for the match found in
    // the subject's bytes.
    static void AppendExpansion(std::string &out, const Subject &subject, const Found &found,
                                const CString &strReplacement);

private:
    struct Compiled;
    Compiled &Compile();
    // The engine's raw answer for one match call (a result code of pcre2).
    int RunMatch(Subject &subject, size_t nStart, uint32_t nOptions);
    // Calls visit with the first match, or with bAll with every match in turn.
    void ForEachMatch(const CString &strText, bool bAll, const std::function<void(const Found &)> &visit);
    static CString Expand(const CString &strText, const Found &found, const CString &strReplacement);

    CString m_strPattern;
    BOOL m_bIgnoreCase = FALSE;
    BOOL m_bGlobal = FALSE;
    BOOL m_bMultiline = FALSE;
    BOOL m_bUseJit = TRUE;
    std::unique_ptr<Compiled> m_compiled;
};
