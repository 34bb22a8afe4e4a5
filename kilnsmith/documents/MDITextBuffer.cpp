#include "kilnsmith/documents/MDITextBuffer.h"

#include "editor/lang/ISECEditLangConfig.h"
#include "editor/lang/SECEditCharSet.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditTextCommand.h"

#include "framework/base/Mbcs.h"

#include <algorithm>
#include <cstring>

CMDITextBuffer::CMDITextBuffer() = default;
CMDITextBuffer::~CMDITextBuffer() = default;

BOOL CMDITextBuffer::CheckLanguage(SECEditLangConfig *config)
{
    m_pCheckedConfig = config;
    m_bHtml = config && GetLanguageName().CompareNoCase("HTML") == 0;
    return m_bHtml;
}

int CMDITextBuffer::ParseToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                               WORD *pPending, SECEditColorRuns *pRuns)
{
    // Most tokens of a page lie inside a tag whose extent the bracket index
    // has just told: they go to the editor's rule at once, so this path
    // makes no call of its own (the language checked last is still this
    // buffer's, and it is HTML).
    const int offset = static_cast<int>(token - lineText);
    if (tokenLength >= 0 && remaining > 0 && lineText && m_bHtml &&
        SECEditTextBuffer::GetLangConfig() == m_pCheckedConfig &&
        m_brackets.IsKnownInside(line, lineText, offset + remaining, offset))
        return EditorRule(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    return ParseHtmlToken(line, lineText, token, tokenLength, remaining, pPending, pRuns);
}

// The editor's rule for a token, remembered where its answer depends on
// the token's bytes alone: where no tag can begin (a tag's extent depends
// on the text after it) and the token starts with an ASCII byte (a longer
// character is read with the bytes after it). The answer is replayed as
// the rule would act: a run after the pending plain text, or more pending
// plain text.
int CMDITextBuffer::EditorRule(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                               WORD *pPending, SECEditColorRuns *pRuns)
{
    if (!token || tokenLength < 0 || tokenLength > CLanguageLookupCache::kLongestKeptToken || remaining <= 0 ||
        static_cast<unsigned char>(*token) >= 0x80)
        return SECEditTextBuffer::ParseToken(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    // The answers are the language's, which is still the buffer's.
    if (m_lookups.GetConfig() != SECEditTextBuffer::GetLangConfig())
        Lookups();
    if (m_lookups.MayBeginTag(token, remaining))
        return SECEditTextBuffer::ParseToken(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    CLanguageLookupCache::TokenRule rule;
    if (const CLanguageLookupCache::TokenRule *kept = m_lookups.FindRule(token, tokenLength)) {
        rule = *kept;
    } else {
        rule = LearnRule(line, lineText, token, tokenLength, remaining);
        if (rule.nConsumed <= 0)
            return SECEditTextBuffer::ParseToken(line, lineText, token, tokenLength, remaining, pPending, pRuns);
        m_lookups.KeepRule(token, tokenLength, rule);
    }
    if (rule.dwRun != 0) {
        FlushPending(pRuns, pPending);
        pRuns->AddRaw(rule.dwRun);
    } else {
        // The pending count is a word: the text pending goes out first when
        // the token would overflow it, as the rule has it.
        if (static_cast<int>(*pPending) + rule.nConsumed > 0xFFFF)
            FlushPending(pRuns, pPending);
        *pPending = static_cast<WORD>(*pPending + rule.nConsumed);
    }
    return rule.nConsumed;
}

// Runs the editor's rule on the token with nothing pending and notes what
// it did; nConsumed is 0 when it did more than add one run or some pending
// plain text.
CLanguageLookupCache::TokenRule CMDITextBuffer::LearnRule(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength,
                                                          int remaining)
{
    SECEditColorRuns runs;
    WORD pending = 0;
    const int consumed = SECEditTextBuffer::ParseToken(line, lineText, token, tokenLength, remaining, &pending, &runs);
    CLanguageLookupCache::TokenRule rule;
    if (consumed <= 0)
        return rule;
    if (runs.GetSize() == 0 && pending == consumed)
        rule.nConsumed = consumed;
    else if (runs.GetSize() == 1 && pending == 0 && SECEditRunLength(runs.GetAt(0)) > 0)
        rule = CLanguageLookupCache::TokenRule{consumed, runs.GetAt(0)};
    return rule;
}

int CMDITextBuffer::ParseHtmlToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                                   WORD *pPending, SECEditColorRuns *pRuns)
{
    // The token's line ends remaining bytes after it.
    const int lineLength = lineText ? static_cast<int>(token - lineText) + remaining : 0;
    if (!IsHtml() || tokenLength < 0 || remaining <= 0 || !IsOutsideTagAt(line, lineText, lineLength, token))
        return EditorRule(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    int length = tokenLength;
    if (length == 0) {
        const unsigned code =
            SECEditCharCode(reinterpret_cast<const unsigned char *>(token), static_cast<size_t>(remaining), &length);
        length = std::max(length, 1);
        if (!GetLangConfig()->IsInCharSet(code, SECEDIT_DELIMITERS))
            return EditorRule(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    }
    length = PlainRunLength(token, std::min(length, remaining), remaining);
    AddPlain(length, pPending, pRuns);
    return length;
}

// Every token from an outside position up to the next "<" is outside too
// (no bracket in between can open a tag), and every one of them becomes
// plain text: a word or blank by its length, anything else being a
// delimiter. So the whole run is plain text at once, as it would be token by
// token.
int CMDITextBuffer::PlainRunLength(LPCTSTR token, int tokenLength, int remaining)
{
    if (tokenLength >= remaining)
        return remaining;
    const void *next = std::memchr(token + tokenLength, '<', static_cast<size_t>(remaining - tokenLength));
    return next ? static_cast<int>(static_cast<LPCTSTR>(next) - token) : remaining;
}

void CMDITextBuffer::AddPlain(int count, WORD *pPending, SECEditColorRuns *pRuns)
{
    while (count > 0) {
        if (*pPending == 0xFFFF)
            FlushPending(pRuns, pPending);
        const int room = 0xFFFF - *pPending;
        const int step = std::min(count, room);
        *pPending = static_cast<WORD>(*pPending + step);
        count -= step;
    }
}

BOOL CMDITextBuffer::IsOutsideTag(int line, LPCTSTR lineText, LPCTSTR position)
{
    return IsOutsideTagAt(line, lineText, GetLineTextLength(line), position);
}

int CMDITextBuffer::LookupKeyword(LPCTSTR token, int length, WORD *pGroup)
{
    if (!token || length <= 0)
        return SECEditTextBuffer::LookupKeyword(token, length, pGroup);
    CLanguageLookupCache &lookups = Lookups();
    int result = 0;
    WORD group = 0;
    if (!lookups.FindKeyword(token, length, &result, &group)) {
        result = SECEditTextBuffer::LookupKeyword(token, length, &group);
        lookups.KeepKeyword(token, length, result, group);
    }
    if (result != 0)
        *pGroup = group;
    return result;
}

SECEditTag *CMDITextBuffer::FindTag(int line, LPCTSTR lineText, LPCTSTR at, int length, int remaining, int kind)
{
    if (at && remaining > 0 && !Lookups().MayBeginTag(at, remaining))
        return nullptr;
    return SECEditTextBuffer::FindTag(line, lineText, at, length, remaining, kind);
}

BOOL CMDITextBuffer::Initialize()
{
    m_brackets.DropAll();
    return SECEditTextBuffer::Initialize();
}

BOOL CMDITextBuffer::Open(LPCTSTR lpszPath)
{
    // Opening reads the file straight into the store: the whole text is new.
    const BOOL opened = SECEditTextBuffer::Open(lpszPath);
    m_brackets.DropAll();
    return opened;
}

void CMDITextBuffer::OnUpdate(void *pSender, SECEditHint *pHint)
{
    // A new configuration or colours drop the colour cache, and the
    // brackets with it.
    if (pHint && pHint->GetTypeId() == SECEDIT_HINT_RECOLOR) {
        m_brackets.DropAll();
        m_pCheckedConfig = nullptr;
        m_bHtml = FALSE;
        m_lookups.Reset(nullptr);
    }
    SECEditTextBuffer::OnUpdate(pSender, pHint);
}

void CMDITextBuffer::OnTextCommand(SECEditTextCommand *pRecord)
{
    const SECEditRange range = pRecord->GetRange().Normalized();
    m_brackets.DropFrom(range.m_start.m_nLine);
    SECEditTextBuffer::OnTextCommand(pRecord);
    const CString &text = pRecord->GetText();
    if (IsHtml() && (text.Find('<') >= 0 || text.Find('>') >= 0))
        DropRowsAround(range.m_start.m_nLine, pRecord->IsInsertion() ? range.m_end.m_nLine : range.m_start.m_nLine);
}

// A bracket typed or deleted changes where tags lie on the lines around the
// edit, up to the nearest line with a bracket on either side: the searches
// of the lines beyond stop there. Those lines are coloured again.
void CMDITextBuffer::DropRowsAround(int firstEdited, int lastEdited)
{
    int first = firstEdited - 1;
    while (first > 0 && !LineHasBracket(first))
        --first;
    int last = lastEdited + 1;
    while (last < GetLastLine() && !LineHasBracket(last))
        ++last;
    DropColorRows(first, last);
}

BOOL CMDITextBuffer::LineHasBracket(int line)
{
    CString holder;
    char *text = nullptr;
    const int length = GetLineText(line, holder, &text);
    for (int i = 0; text && i < length; ++i)
        if (text[i] == '<' || text[i] == '>')
            return TRUE;
    return FALSE;
}
