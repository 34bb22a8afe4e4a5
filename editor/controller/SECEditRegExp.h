// The editor's regular-expression engine: a thin layer over the framework's
// scripting regular-expression object.  Each caller makes its own engine for
// one operation.  Errors of the object (an invalid pattern, a pattern that
// needs too much work) never escape: the operation answers FALSE and
// GetLastError tells why, so a command can refuse before it changes text.
#pragma once

#include "editor/text/SECEditRegExpBase.h"

#include <memory>
#include <string>

class CScriptRegExp;

class SECEditRegExp : public SECEditRegExpBase {
public:
    SECEditRegExp();
    ~SECEditRegExp() override;
    SECEditRegExp(const SECEditRegExp &) = delete;
    SECEditRegExp &operator=(const SECEditRegExp &) = delete;

    // Makes the regular-expression object, with Global and IgnoreCase off.
    BOOL Create() override;
    CString GetPattern() override;
    void SetPattern(LPCTSTR pattern) override;
    BOOL GetIgnoreCase() override;
    void SetIgnoreCase(BOOL bIgnoreCase) override;
    BOOL IsAvailable() override { return TRUE; }
    // The first match only; FALSE for an empty pattern without searching.
    BOOL Match(LPCTSTR text, long *firstIndex, long *length, CString &matched) override;
    BOOL Match(LPCTSTR text, long *firstIndex, long *length) override;
    // Global is on only during the call.  TRUE when the text changed.
    BOOL Replace(CString &text, LPCTSTR replacement, BOOL bAll) override;

    BOOL MatchBytes(const char *text, int nLength, long *firstIndex, long *length) override;
    BOOL MatchLastBytes(const char *text, int nLength, int nStartLimit, long *firstIndex, long *length) override;
    BOOL IsPatternValid(CString &error) override;
    int MatchPiece(const char *text, int nLength, int nStart, BOOL bMoreFollows, long *first, long *end) override;
    int GetLookbehindBytes() override;

    // ---- A pass over counted bytes the caller keeps (Replace, Replace All)
    // Makes text[0, nLength) the subject of NextMatch; validity is learnt
    // once for the whole pass.
    void BeginPass(const char *text, int nLength);
    // The first match at nStart or later, the bytes before nStart seen as
    // context (look-behinds, anchors): 1 with its bounds, 0 for none, -1
    // when the engine failed (GetLastError tells why).
    int NextMatch(int nStart, long *first, long *end);
    // The same when the text goes on after the subject: 2 (partial) when an
    // attempt would need to see past its end.
    int NextMatchPiece(int nStart, BOOL bMoreFollows, long *first, long *end);
    // Appends the replacement, its group tokens expanded for the last match
    // NextMatch found.
    void AppendReplacement(std::string &out, const CString &replacement);

    BOOL GetGlobal() const;
    // Why the last operation failed inside the object; empty otherwise.
    const CString &GetLastError() const { return m_strLastError; }
    BOOL IsCreated() const { return m_pRegExp != nullptr; }

private:
    // The first match, or with bLast the last successive match that starts
    // before nStartLimit.
    BOOL MatchText(const CString &text, bool bLast, long *firstIndex, long *length, CString *matched,
                   long nStartLimit = 0);

    CScriptRegExp *m_pRegExp = nullptr;
    struct Pass;
    std::unique_ptr<Pass> m_pPass;
    CString m_strLastError;
};

// Installs SECEditRegExp as the engine that the text store and the find
// settings make (done once when the controller library loads).
void SECEditRegisterRegExp();
