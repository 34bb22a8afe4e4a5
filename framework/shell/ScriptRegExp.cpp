#include "framework/shell/ScriptRegExp.h"

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

// The length of the UTF-8 character at offset, 1 for an invalid byte, so an
// empty match never moves into the middle of a character.
size_t CharLength(const CString &text, size_t offset)
{
    const unsigned char *p = reinterpret_cast<const unsigned char *>(text.GetString()) + offset;
    size_t left = static_cast<size_t>(text.GetLength()) - offset;
    size_t length = (*p >= 0xF0 && *p < 0xF8) ? 4 : (*p >= 0xE0) ? 3 : (*p >= 0xC2 && *p < 0xE0) ? 2 : 1;
    if (*p >= 0xF8 || length > left)
        return 1;
    for (size_t i = 1; i < length; ++i)
        if ((p[i] & 0xC0) != 0x80)
            return 1;
    return length;
}

} // namespace

struct CScriptRegExp::Compiled {
    pcre2_code *code = nullptr;
    pcre2_match_data *data = nullptr;
    pcre2_match_context *context = nullptr;
    ~Compiled()
    {
        pcre2_match_context_free(context);
        pcre2_match_data_free(data);
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
        return NULL;
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

CScriptRegExp::Compiled &CScriptRegExp::Compile()
{
    if (m_compiled)
        return *m_compiled;
    // ECMAScript's \uhhhh and \xhh escapes, "[]" matching nothing, "[^]"
    // matching any character, and a back reference to a group that has not
    // matched (yet) matching the empty string.
    uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS |
                       PCRE2_NEVER_BACKSLASH_C | PCRE2_MATCH_UNSET_BACKREF;
    options |= m_bIgnoreCase ? PCRE2_CASELESS : 0;
    options |= m_bMultiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;

    pcre2_compile_context *compileContext = pcre2_compile_context_create(nullptr);
    if (compileContext == nullptr)
        AfxThrowMemoryException();
    pcre2_set_newline(compileContext, PCRE2_NEWLINE_ANYCRLF);
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code *code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(m_strPattern.GetString()),
                                     static_cast<PCRE2_SIZE>(m_strPattern.GetLength()), options, &errorCode,
                                     &errorOffset, compileContext);
    pcre2_compile_context_free(compileContext);
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
    m_compiled = std::move(compiled);
    return *m_compiled;
}

bool CScriptRegExp::FindAt(const CString &strText, size_t nStart, Found &found)
{
    Compiled &compiled = Compile();
    int result = pcre2_match(compiled.code, reinterpret_cast<PCRE2_SPTR>(strText.GetString()),
                             static_cast<PCRE2_SIZE>(strText.GetLength()), nStart, 0, compiled.data, compiled.context);
    if (result == PCRE2_ERROR_NOMATCH)
        return false;
    if (result == PCRE2_ERROR_MATCHLIMIT || result == PCRE2_ERROR_HEAPLIMIT || result == PCRE2_ERROR_DEPTHLIMIT) {
        AfxThrowOleDispatchException(errorTooComplex,
                                     "The regular expression needs too much work to match: " + EngineMessage(result));
    }
    if (result < 0)
        AfxThrowOleDispatchException(errorMatch, "Regular expression match failed: " + EngineMessage(result));

    PCRE2_SIZE *ovector = pcre2_get_ovector_pointer(compiled.data);
    uint32_t pairs = pcre2_get_ovector_count(compiled.data);
    found.start = ovector[0];
    found.end = ovector[1];
    found.groups.clear();
    for (uint32_t i = 1; i < pairs; ++i) {
        bool took = static_cast<int>(i) < result && ovector[2 * i] != PCRE2_UNSET;
        found.groups.emplace_back(took ? ovector[2 * i] : npos, took ? ovector[2 * i + 1] : npos);
    }
    return true;
}

std::vector<CScriptRegExp::Found> CScriptRegExp::FindAll(const CString &strText, bool bAll)
{
    std::vector<Found> matches;
    size_t length = static_cast<size_t>(strText.GetLength());
    size_t start = 0;
    Found found;
    while (start <= length && FindAt(strText, start, found)) {
        matches.push_back(found);
        if (!bAll)
            break;
        start = found.end;
        if (found.end == found.start) {
            if (start >= length)
                break;
            start += CharLength(strText, start);
        }
    }
    return matches;
}

CScriptMatchCollection CScriptRegExp::Execute(const CString &strText)
{
    CScriptMatchCollection collection;
    for (const Found &found : FindAll(strText, m_bGlobal != FALSE)) {
        CScriptMatch match;
        match.m_nFirstIndex = static_cast<long>(found.start);
        match.m_strValue = strText.Mid(static_cast<int>(found.start), static_cast<int>(found.end - found.start));
        for (const auto &group : found.groups)
            match.m_subMatches.push_back(group.first == npos ? CString()
                                                             : strText.Mid(static_cast<int>(group.first),
                                                                           static_cast<int>(group.second - group.first)));
        collection.m_matches.push_back(std::move(match));
    }
    return collection;
}

BOOL CScriptRegExp::Test(const CString &strText)
{
    Found found;
    return FindAt(strText, 0, found) ? TRUE : FALSE;
}

CString CScriptRegExp::Expand(const CString &strText, const Found &found, const CString &strReplacement)
{
    auto piece = [&](size_t from, size_t to) {
        return strText.Mid(static_cast<int>(from), static_cast<int>(to - from));
    };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    size_t groupCount = found.groups.size();
    const std::string &r = strReplacement.Str();
    CString out;
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
            out += piece(found.start, found.end);
            ++i;
        } else if (next == '`') {
            out += piece(0, found.start);
            ++i;
        } else if (next == '\'') {
            out += piece(found.end, static_cast<size_t>(strText.GetLength()));
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
                out += piece(group.first, group.second);
            i += used;
        } else {
            out += '$';
        }
    }
    return out;
}

CString CScriptRegExp::Replace(const CString &strText, const CString &strReplacement)
{
    CString out;
    size_t copied = 0;
    for (const Found &found : FindAll(strText, m_bGlobal != FALSE)) {
        out += strText.Mid(static_cast<int>(copied), static_cast<int>(found.start - copied));
        out += Expand(strText, found, strReplacement);
        copied = found.end;
    }
    out += strText.Mid(static_cast<int>(copied));
    return out;
}
