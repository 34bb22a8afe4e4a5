#include "framework/shell/ScriptRegExp.h"

#include "framework/base/Mbcs.h"
#include "framework/shell/OleDispatchException.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

namespace {

constexpr size_t npos = static_cast<size_t>(-1);

CString EngineMessage(int nErrorCode)
{
    PCRE2_UCHAR buffer[256];
    if (pcre2_get_error_message(nErrorCode, buffer, sizeof buffer) < 0)
        return CString("unknown error");
    return CString(reinterpret_cast<const char *>(buffer));
}

// The length of the character at offset as the engine steps (1 for a byte
// that starts none), so an empty match never moves into the middle of a
// character and the next attempt starts where the engine expects one.
size_t CharLength(const char *text, size_t textLength, size_t offset)
{
    return static_cast<size_t>(
        MbEngineCharLength(reinterpret_cast<const unsigned char *>(text) + offset, textLength - offset));
}

bool IsUtfError(int result)
{
    return (result <= PCRE2_ERROR_UTF8_ERR1 && result >= PCRE2_ERROR_UTF8_ERR21) || result == PCRE2_ERROR_BADUTFOFFSET;
}

// Stack for the compiled machine code: it starts small and may grow to the
// limit; a match that needs more runs again in the interpreter.
constexpr size_t kJitStackStart = 32 * 1024;
constexpr size_t kJitStackLimit = 8 * 1024 * 1024;

} // namespace

struct CScriptRegExp::Compiled {
    // Matches any bytes, invalid UTF-8 acting as a barrier no match crosses.
    pcre2_code *code = nullptr;
    // The same pattern for valid UTF-8 only; the interpreter runs it with
    // the per-call check switched off once a subject proved valid, because
    // the interpreter checks the rest of the subject on every call of
    // `code`, which makes a global match quadratic.  Made when first needed.
    pcre2_code *strict = nullptr;
    bool jit = false;
    pcre2_match_data *data = nullptr;
    pcre2_match_context *context = nullptr;
    pcre2_jit_stack *jitStack = nullptr;
    ~Compiled()
    {
        pcre2_jit_stack_free(jitStack);
        pcre2_match_context_free(context);
        pcre2_match_data_free(data);
        pcre2_code_free(strict);
        pcre2_code_free(code);
    }
};

CString CScriptMatch::GetSubMatch(long nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSubMatchCount())
        return CString();
    return m_subMatches[static_cast<size_t>(nIndex)];
}

const CScriptMatch *CScriptMatchCollection::GetItem(long nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return &m_matches[static_cast<size_t>(nIndex)];
}

CScriptRegExp::CScriptRegExp() = default;
CScriptRegExp::~CScriptRegExp() = default;

void CScriptRegExp::SetPattern(const CString &strPattern)
{
    m_strPattern = strPattern;
    m_compiled.reset();
}

void CScriptRegExp::SetIgnoreCase(BOOL bIgnoreCase)
{
    m_bIgnoreCase = bIgnoreCase;
    m_compiled.reset();
}

void CScriptRegExp::SetMultiline(BOOL bMultiline)
{
    m_bMultiline = bMultiline;
    m_compiled.reset();
}

bool CScriptRegExp::IsJitAvailable()
{
    uint32_t available = 0;
    return pcre2_config(PCRE2_CONFIG_JIT, &available) >= 0 && available != 0;
}

void CScriptRegExp::SetUseJit(BOOL bUseJit)
{
    m_bUseJit = bUseJit;
    m_compiled.reset();
}

namespace {

uint32_t PatternOptions(BOOL bIgnoreCase, BOOL bMultiline)
{
    // ECMAScript's \uhhhh and \xhh escapes, "[]" matching nothing, "[^]"
    // matching any character, and a back reference to a group that has not
    // matched (yet) matching the empty string.
    uint32_t options =
        PCRE2_UTF | PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS | PCRE2_NEVER_BACKSLASH_C | PCRE2_MATCH_UNSET_BACKREF;
    options |= bIgnoreCase ? PCRE2_CASELESS : 0;
    options |= bMultiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
    return options;
}

// The compiled pattern, or NULL with the engine's error code and offset.
pcre2_code *CompilePattern(const CString &pattern, uint32_t options, int &errorCode, PCRE2_SIZE &errorOffset)
{
    pcre2_compile_context *compileContext = pcre2_compile_context_create(nullptr);
    if (compileContext == nullptr)
        AfxThrowMemoryException();
    pcre2_set_newline(compileContext, PCRE2_NEWLINE_ANYCRLF);
    pcre2_code *code =
        pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.GetString()), static_cast<PCRE2_SIZE>(pattern.GetLength()),
                      options, &errorCode, &errorOffset, compileContext);
    pcre2_compile_context_free(compileContext);
    return code;
}

} // namespace

CScriptRegExp::Compiled &CScriptRegExp::Compile()
{
    if (m_compiled)
        return *m_compiled;
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code *code = CompilePattern(
        m_strPattern, PatternOptions(m_bIgnoreCase, m_bMultiline) | PCRE2_MATCH_INVALID_UTF, errorCode, errorOffset);
    if (code == nullptr) {
        CString description;
        description.Format("Syntax error in regular expression at offset %lu: %s",
                           static_cast<unsigned long>(errorOffset), EngineMessage(errorCode).GetString());
        AfxThrowOleDispatchException(errorSyntax, description);
    }

    auto compiled = std::make_unique<Compiled>();
    compiled->code = code;
    compiled->data = pcre2_match_data_create_from_pattern(code, nullptr);
    compiled->context = pcre2_match_context_create(nullptr);
    if (compiled->data == nullptr || compiled->context == nullptr)
        AfxThrowMemoryException();
    pcre2_set_match_limit(compiled->context, kMatchLimit);
    pcre2_set_heap_limit(compiled->context, kHeapLimitKiB);
    // Without machine code (none on this platform, or it cannot be made for
    // this pattern) every match runs in the interpreter.
    if (m_bUseJit && IsJitAvailable() && pcre2_jit_compile(code, PCRE2_JIT_COMPLETE | PCRE2_JIT_PARTIAL_HARD) == 0) {
        compiled->jitStack = pcre2_jit_stack_create(kJitStackStart, kJitStackLimit, nullptr);
        if (compiled->jitStack == nullptr)
            AfxThrowMemoryException();
        pcre2_jit_stack_assign(compiled->context, nullptr, compiled->jitStack);
        compiled->jit = true;
    }
    m_compiled = std::move(compiled);
    return *m_compiled;
}

int CScriptRegExp::RunMatch(Subject &subject, size_t nStart, uint32_t nOptions)
{
    Compiled &compiled = Compile();
    const auto *bytes = reinterpret_cast<PCRE2_SPTR>(subject.data);
    const auto length = static_cast<PCRE2_SIZE>(subject.length);
    if (!compiled.jit && subject.validity != Subject::invalid) {
        if (compiled.strict == nullptr) {
            int errorCode = 0;
            PCRE2_SIZE errorOffset = 0;
            compiled.strict =
                CompilePattern(m_strPattern, PatternOptions(m_bIgnoreCase, m_bMultiline), errorCode, errorOffset);
            if (compiled.strict == nullptr)
                AfxThrowMemoryException();
        }
        // The first call checks the subject from its start offset (less
        // what a look-behind may see) to the end; later calls start further
        // on, so that check holds for them.
        const uint32_t check = subject.validity == Subject::valid ? PCRE2_NO_UTF_CHECK : 0;
        const int result =
            pcre2_match(compiled.strict, bytes, length, nStart, nOptions | check, compiled.data, compiled.context);
        if (!IsUtfError(result)) {
            subject.validity = Subject::valid;
            return result;
        }
        subject.validity = Subject::invalid;
    }
    int result = pcre2_match(compiled.code, bytes, length, nStart, nOptions, compiled.data, compiled.context);
    if (result == PCRE2_ERROR_JIT_STACKLIMIT)
        result =
            pcre2_match(compiled.code, bytes, length, nStart, nOptions | PCRE2_NO_JIT, compiled.data, compiled.context);
    return result;
}

namespace {

[[noreturn]] void RaiseMatchError(int result)
{
    if (result == PCRE2_ERROR_MATCHLIMIT || result == PCRE2_ERROR_HEAPLIMIT || result == PCRE2_ERROR_DEPTHLIMIT) {
        AfxThrowOleDispatchException(CScriptRegExp::errorTooComplex,
                                     "The regular expression needs too much work to match: " + EngineMessage(result));
    }
    AfxThrowOleDispatchException(CScriptRegExp::errorMatch,
                                 "Regular expression match failed: " + EngineMessage(result));
}

} // namespace

bool CScriptRegExp::FindAt(Subject &subject, size_t nStart, Found &found)
{
    return FindAtPiece(subject, nStart, false, found) == pieceMatch;
}

CScriptRegExp::PieceResult CScriptRegExp::FindAtPiece(Subject &subject, size_t nStart, bool bMoreFollows, Found &found)
{
    const int result = RunMatch(subject, nStart, bMoreFollows ? PCRE2_PARTIAL_HARD : 0);
    if (result == PCRE2_ERROR_NOMATCH)
        return pieceNoMatch;
    if (result < 0 && result != PCRE2_ERROR_PARTIAL)
        RaiseMatchError(result);

    Compiled &compiled = *m_compiled;
    PCRE2_SIZE *ovector = pcre2_get_ovector_pointer(compiled.data);
    uint32_t pairs = pcre2_get_ovector_count(compiled.data);
    found.start = ovector[0];
    found.end = ovector[1];
    found.groups.clear();
    if (result == PCRE2_ERROR_PARTIAL)
        return piecePartial;
    for (uint32_t i = 1; i < pairs; ++i) {
        bool took = static_cast<int>(i) < result && ovector[2 * i] != PCRE2_UNSET;
        found.groups.emplace_back(took ? ovector[2 * i] : npos, took ? ovector[2 * i + 1] : npos);
    }
    return pieceMatch;
}

CScriptRegExp::PieceResult CScriptRegExp::MatchPiece(const char *pSubject, size_t nLength, size_t nStart,
                                                     bool bMoreFollows, size_t &nMatchStart, size_t &nMatchEnd)
{
    // Pieces go to the engine in its own invalid-UTF mode: with machine code
    // that checks nothing ahead, and in the interpreter the check stops at
    // the piece's end (or its first invalid byte).
    Subject subject{pSubject, nLength, Subject::invalid};
    const int result = RunMatch(subject, nStart, bMoreFollows ? PCRE2_PARTIAL_HARD : 0);
    if (result == PCRE2_ERROR_NOMATCH)
        return pieceNoMatch;
    if (result < 0 && result != PCRE2_ERROR_PARTIAL)
        RaiseMatchError(result);
    PCRE2_SIZE *ovector = pcre2_get_ovector_pointer(m_compiled->data);
    nMatchStart = ovector[0];
    nMatchEnd = ovector[1];
    return result == PCRE2_ERROR_PARTIAL ? piecePartial : pieceMatch;
}

size_t CScriptRegExp::GetLookbehindBytes()
{
    uint32_t characters = 0;
    pcre2_pattern_info(Compile().code, PCRE2_INFO_MAXLOOKBEHIND, &characters);
    // Four bytes a character, and two characters more for '\b' and for '^'
    // after a CR LF line end.
    return 4 * (static_cast<size_t>(characters) + 2);
}

void CScriptRegExp::ForEachMatch(const CString &strText, bool bAll, const std::function<void(const Found &)> &visit)
{
    size_t length = static_cast<size_t>(strText.GetLength());
    Subject subject{strText.GetString(), length};
    size_t start = 0;
    Found found;
    while (start <= length && FindAt(subject, start, found)) {
        visit(found);
        if (!bAll)
            break;
        start = found.end;
        if (found.end == found.start) {
            if (start >= length)
                break;
            start += CharLength(subject.data, length, start);
        }
    }
}

CScriptMatchCollection CScriptRegExp::Execute(const CString &strText)
{
    CScriptMatchCollection collection;
    ForEachMatch(strText, m_bGlobal != FALSE, [&](const Found &found) {
        CScriptMatch match;
        match.m_nFirstIndex = static_cast<long>(found.start);
        match.m_strValue = strText.Mid(static_cast<int>(found.start), static_cast<int>(found.end - found.start));
        for (const auto &group : found.groups)
            match.m_subMatches.push_back(
                group.first == npos
                    ? CString()
                    : strText.Mid(static_cast<int>(group.first), static_cast<int>(group.second - group.first)));
        collection.m_matches.push_back(std::move(match));
    });
    return collection;
}

BOOL CScriptRegExp::Test(const CString &strText)
{
    Subject subject{strText.GetString(), static_cast<size_t>(strText.GetLength())};
    Found found;
    return FindAt(subject, 0, found) ? TRUE : FALSE;
}

void CScriptRegExp::AppendExpansion(std::string &out, const Subject &subject, const Found &found,
                                    const CString &strReplacement)
{
    auto piece = [&](size_t from, size_t to) { out.append(subject.data + from, to - from); };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    size_t groupCount = found.groups.size();
    const std::string &r = strReplacement.Str();
    for (size_t i = 0; i < r.size(); ++i) {
        if (r[i] != '$' || i + 1 >= r.size()) {
            out += r[i];
            continue;
        }
        char next = r[i + 1];
        if (next == '$') {
            out += '$';
            ++i;
        } else if (next == '&') {
            piece(found.start, found.end);
            ++i;
        } else if (next == '`') {
            piece(0, found.start);
            ++i;
        } else if (next == '\'') {
            piece(found.end, subject.length);
            ++i;
        } else if (isDigit(next)) {
            // Two digits when they name a group, else one digit when that does.
            size_t number = static_cast<size_t>(next - '0');
            size_t used = 1;
            if (i + 2 < r.size() && isDigit(r[i + 2])) {
                size_t two = number * 10 + static_cast<size_t>(r[i + 2] - '0');
                if (two >= 1 && two <= groupCount) {
                    number = two;
                    used = 2;
                }
            }
            if (number < 1 || number > groupCount) {
                out += '$';
                continue;
            }
            const auto &group = found.groups[number - 1];
            if (group.first != npos)
                piece(group.first, group.second);
            i += used;
        } else {
            out += '$';
        }
    }
}

CString CScriptRegExp::Expand(const CString &strText, const Found &found, const CString &strReplacement)
{
    std::string out;
    const Subject subject{strText.GetString(), static_cast<size_t>(strText.GetLength())};
    AppendExpansion(out, subject, found, strReplacement);
    return CString(std::move(out));
}

CString CScriptRegExp::Replace(const CString &strText, const CString &strReplacement)
{
    CString out;
    size_t copied = 0;
    ForEachMatch(strText, m_bGlobal != FALSE, [&](const Found &found) {
        out += strText.Mid(static_cast<int>(copied), static_cast<int>(found.start - copied));
        out += Expand(strText, found, strReplacement);
        copied = found.end;
    });
    out += strText.Mid(static_cast<int>(copied));
    return out;
}
