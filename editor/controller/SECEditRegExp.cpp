#include "editor/controller/SECEditRegExp.h"

#include "framework/object/Exceptions.h"
#include "framework/shell/ScriptRegExp.h"

#include <new>

namespace {

SECEditRegExpBase *NewRegExp()
{
    return new SECEditRegExp;
}

// The store and the find settings get their engines from here as soon as
// this library is loaded.
const bool g_registered = (SECEditRegisterRegExp(), true);

} // namespace

void SECEditRegisterRegExp()
{
    SECEditSetRegExpFactory(&NewRegExp);
}

struct SECEditRegExp::Pass {
    CScriptRegExp::Subject subject{nullptr, 0};
    CScriptRegExp::Found found{};
    bool haveMatch = false;
};

SECEditRegExp::SECEditRegExp() = default;

SECEditRegExp::~SECEditRegExp()
{
    delete m_pRegExp;
}

BOOL SECEditRegExp::Create()
{
    if (m_pRegExp)
        return TRUE;
    m_pRegExp = new (std::nothrow) CScriptRegExp;
    if (!m_pRegExp)
        return FALSE;
    m_pRegExp->SetGlobal(FALSE);
    m_pRegExp->SetIgnoreCase(FALSE);
    return TRUE;
}

CString SECEditRegExp::GetPattern()
{
    return m_pRegExp ? m_pRegExp->GetPattern() : CString();
}

void SECEditRegExp::SetPattern(LPCTSTR pattern)
{
    if (m_pRegExp)
        m_pRegExp->SetPattern(CString(pattern));
}

BOOL SECEditRegExp::GetIgnoreCase()
{
    return m_pRegExp ? m_pRegExp->GetIgnoreCase() : FALSE;
}

void SECEditRegExp::SetIgnoreCase(BOOL bIgnoreCase)
{
    if (m_pRegExp)
        m_pRegExp->SetIgnoreCase(bIgnoreCase);
}

BOOL SECEditRegExp::GetGlobal() const
{
    return m_pRegExp ? m_pRegExp->GetGlobal() : FALSE;
}

BOOL SECEditRegExp::MatchText(const CString &text, bool bLast, long *firstIndex, long *length, CString *matched,
                              long nStartLimit)
{
    m_strLastError.Empty();
    if (!m_pRegExp || m_pRegExp->GetPattern().IsEmpty())
        return FALSE;
    try {
        m_pRegExp->SetGlobal(bLast);
        const CScriptMatchCollection matches = m_pRegExp->Execute(text);
        m_pRegExp->SetGlobal(FALSE);
        int index = bLast ? matches.GetCount() - 1 : 0;
        while (bLast && index >= 0 && matches.GetItem(index)->GetFirstIndex() >= nStartLimit)
            --index;
        const CScriptMatch *match = index >= 0 && index < matches.GetCount() ? matches.GetItem(index) : nullptr;
        if (!match)
            return FALSE;
        if (firstIndex)
            *firstIndex = match->GetFirstIndex();
        if (length)
            *length = match->GetLength();
        if (matched)
            *matched = match->GetValue();
        return TRUE;
    } catch (CException *e) {
        m_pRegExp->SetGlobal(FALSE);
        m_strLastError = e->GetErrorMessage();
        e->Delete();
        return FALSE;
    }
}

BOOL SECEditRegExp::Match(LPCTSTR text, long *firstIndex, long *length, CString &matched)
{
    return MatchText(CString(text), false, firstIndex, length, &matched);
}

BOOL SECEditRegExp::Match(LPCTSTR text, long *firstIndex, long *length)
{
    return MatchText(CString(text), false, firstIndex, length, nullptr);
}

BOOL SECEditRegExp::MatchBytes(const char *text, int nLength, long *firstIndex, long *length)
{
    return MatchText(CString(text, nLength), false, firstIndex, length, nullptr);
}

BOOL SECEditRegExp::MatchLastBytes(const char *text, int nLength, int nStartLimit, long *firstIndex, long *length)
{
    return MatchText(CString(text, nLength), true, firstIndex, length, nullptr, nStartLimit);
}

BOOL SECEditRegExp::Replace(CString &text, LPCTSTR replacement, BOOL bAll)
{
    m_strLastError.Empty();
    if (!m_pRegExp)
        return FALSE;
    const CString original = text;
    try {
        m_pRegExp->SetGlobal(bAll);
        CString replaced = m_pRegExp->Replace(original, CString(replacement));
        m_pRegExp->SetGlobal(FALSE);
        text = replaced;
    } catch (CException *e) {
        m_pRegExp->SetGlobal(FALSE);
        m_strLastError = e->GetErrorMessage();
        e->Delete();
        return FALSE;
    }
    return text != original;
}

BOOL SECEditRegExp::IsPatternValid(CString &error)
{
    error.Empty();
    if (!m_pRegExp)
        return TRUE;
    try {
        m_pRegExp->Test(CString());
        return TRUE;
    } catch (CException *e) {
        error = e->GetErrorMessage();
        e->Delete();
        return FALSE;
    }
}

int SECEditRegExp::MatchPiece(const char *text, int nLength, int nStart, BOOL bMoreFollows, long *first, long *end)
{
    m_strLastError.Empty();
    if (!m_pRegExp || m_pRegExp->GetPattern().IsEmpty() || nLength < 0 || nStart < 0 || nStart > nLength)
        return pieceError;
    try {
        size_t matchStart = 0, matchEnd = 0;
        const CScriptRegExp::PieceResult result =
            m_pRegExp->MatchPiece(text, static_cast<size_t>(nLength), static_cast<size_t>(nStart),
                                  bMoreFollows != FALSE, matchStart, matchEnd);
        if (result == CScriptRegExp::pieceNoMatch)
            return pieceNoMatch;
        if (first)
            *first = static_cast<long>(matchStart);
        if (end)
            *end = static_cast<long>(matchEnd);
        return result == CScriptRegExp::pieceMatch ? pieceMatch : piecePartial;
    } catch (CException *e) {
        m_strLastError = e->GetErrorMessage();
        e->Delete();
        return pieceError;
    }
}

int SECEditRegExp::GetLookbehindBytes()
{
    if (!m_pRegExp)
        return 0;
    try {
        return static_cast<int>(m_pRegExp->GetLookbehindBytes());
    } catch (CException *e) {
        m_strLastError = e->GetErrorMessage();
        e->Delete();
        return 0;
    }
}

void SECEditRegExp::BeginPass(const char *text, int nLength)
{
    if (!m_pPass)
        m_pPass = std::make_unique<Pass>();
    m_pPass->subject = CScriptRegExp::Subject{text, static_cast<size_t>(nLength < 0 ? 0 : nLength)};
    m_pPass->haveMatch = false;
}

int SECEditRegExp::NextMatch(int nStart, long *first, long *end)
{
    return NextMatchPiece(nStart, FALSE, first, end);
}

int SECEditRegExp::NextMatchPiece(int nStart, BOOL bMoreFollows, long *first, long *end)
{
    m_strLastError.Empty();
    if (!m_pRegExp || !m_pPass || m_pRegExp->GetPattern().IsEmpty() || nStart < 0 ||
        static_cast<size_t>(nStart) > m_pPass->subject.length)
        return 0;
    m_pPass->haveMatch = false;
    CScriptRegExp::PieceResult result = CScriptRegExp::pieceNoMatch;
    try {
        result = m_pRegExp->FindAtPiece(m_pPass->subject, static_cast<size_t>(nStart), bMoreFollows != FALSE,
                                        m_pPass->found);
    } catch (CException *e) {
        m_strLastError = e->GetErrorMessage();
        e->Delete();
        return -1;
    }
    if (result == CScriptRegExp::pieceNoMatch)
        return 0;
    m_pPass->haveMatch = result == CScriptRegExp::pieceMatch;
    if (first)
        *first = static_cast<long>(m_pPass->found.start);
    if (end)
        *end = static_cast<long>(m_pPass->found.end);
    return result == CScriptRegExp::pieceMatch ? 1 : 2;
}

void SECEditRegExp::AppendReplacement(std::string &out, const CString &replacement)
{
    if (m_pPass && m_pPass->haveMatch)
        CScriptRegExp::AppendExpansion(out, m_pPass->subject, m_pPass->found, replacement);
}
