#include "framework/base/CString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

StringResourceLoader g_stringLoader = nullptr;

const char kWhiteSpace[] = " \t\r\n\v\f";

int ClampIndex(int value, int length)
{
    return std::clamp(value, 0, length);
}

int AsciiLower(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

int CompareBytesNoCase(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = AsciiLower(static_cast<unsigned char>(a[i])) - AsciiLower(static_cast<unsigned char>(b[i]));
        if (d != 0)
            return d < 0 ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string FormatToString(const char *format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int needed = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0)
        return std::string();
    if (static_cast<size_t>(needed) < sizeof small)
        return std::string(small, static_cast<size_t>(needed));
    std::string result(static_cast<size_t>(needed), '\0');
    std::vsnprintf(result.data(), result.size() + 1, format, args);
    return result;
}

// ---------------------------------------------------------------------------
// Message formats: "%1".."%99" inserts with an optional printf conversion
// between '!' (default "s"), "%0" ending the text, "%n" a line break, "%r",
// "%t" and "%b" a return, tab and space; any other character after '%'
// stands for itself.

// One insert: its number, the conversion text after '%', the digits and
// characters consumed from the format.
struct MessageInsert {
    int number = 0;
    std::string conversion = "s";
    size_t length = 0;
};

enum class InsertKind { String, Int, Long, LongLong, Pointer };

// Flags, width, precision, length and a conversion of the integer, character,
// string or pointer kind; anything else (floating point, '*', "%n") is not a
// conversion an insert can use.
bool ParseConversion(std::string_view text, InsertKind &kind)
{
    size_t i = text.find_first_not_of("-+ #0");
    if (i == std::string_view::npos)
        return false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i;
    }
    const std::string_view rest = text.substr(std::min(i, text.size()));
    if (rest.size() == 1 || (rest.size() == 2 && rest[0] == 'h'))
        kind = InsertKind::Int;
    else if (rest.size() == 2 && rest[0] == 'l')
        kind = InsertKind::Long;
    else if (rest.size() == 3 && rest.substr(0, 2) == "ll")
        kind = InsertKind::LongLong;
    else
        return false;
    const char conversion = rest.back();
    if (conversion == 's' && rest.size() == 1)
        kind = InsertKind::String;
    else if (conversion == 'p' && rest.size() == 1)
        kind = InsertKind::Pointer;
    else if (std::strchr("cdiouxX", conversion) == nullptr)
        return false;
    return true;
}

// The insert that starts after the '%' at text[0..]; number 0 when none.
MessageInsert ParseInsert(std::string_view text)
{
    MessageInsert insert;
    if (text.empty() || text[0] < '1' || text[0] > '9')
        return insert;
    insert.number = text[0] - '0';
    insert.length = 1;
    if (text.size() > 1 && std::isdigit(static_cast<unsigned char>(text[1]))) {
        insert.number = insert.number * 10 + (text[1] - '0');
        insert.length = 2;
    }
    if (text.size() > insert.length && text[insert.length] == '!') {
        const size_t close = text.find('!', insert.length + 1);
        InsertKind kind;
        if (close != std::string_view::npos &&
            ParseConversion(text.substr(insert.length + 1, close - insert.length - 1), kind)) {
            insert.conversion = std::string(text.substr(insert.length + 1, close - insert.length - 1));
            insert.length = close + 1;
        }
    }
    return insert;
}

InsertKind KindOf(const MessageInsert &insert)
{
    InsertKind kind = InsertKind::String;
    ParseConversion(insert.conversion, kind);
    return kind;
}

struct InsertValue {
    InsertKind kind = InsertKind::Pointer;
    std::string conversion;
    const char *text = nullptr;
    long long number = 0;
    void *pointer = nullptr;
};

std::string FormatInsert(const InsertValue &value)
{
    const std::string format = "%" + value.conversion;
    char small[64];
    const char *text = value.text ? value.text : "";
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    auto print = [&](char *buffer, size_t size) {
        switch (value.kind) {
        case InsertKind::String: return std::snprintf(buffer, size, format.c_str(), text);
        case InsertKind::Int: return std::snprintf(buffer, size, format.c_str(), static_cast<int>(value.number));
        case InsertKind::Long: return std::snprintf(buffer, size, format.c_str(), static_cast<long>(value.number));
        case InsertKind::LongLong: return std::snprintf(buffer, size, format.c_str(), value.number);
        case InsertKind::Pointer: return std::snprintf(buffer, size, format.c_str(), value.pointer);
        }
        return -1;
    };
#pragma GCC diagnostic pop
    const int needed = print(small, sizeof small);
    if (needed < 0)
        return std::string();
    if (static_cast<size_t>(needed) < sizeof small)
        return std::string(small, static_cast<size_t>(needed));
    std::string result(static_cast<size_t>(needed), '\0');
    print(result.data(), result.size() + 1);
    return result;
}

// The arguments, taken in the order of their numbers; each takes the kind its
// first use in the format gives it, and a number the format skips is read as
// a pointer-sized value so the later ones stay in place.
std::vector<InsertValue> ReadInserts(std::string_view format, va_list args)
{
    std::vector<InsertValue> values;
    std::vector<bool> named;
    for (size_t i = 0; i + 1 < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        const MessageInsert insert = ParseInsert(format.substr(i + 1));
        if (insert.number == 0) {
            if (format[i + 1] == '0')
                break; // nothing after "%0" is shown
            ++i;       // "%%" and the other escapes
            continue;
        }
        const size_t index = static_cast<size_t>(insert.number - 1);
        if (values.size() <= index) {
            values.resize(index + 1);
            named.resize(index + 1, false);
        }
        if (!named[index]) {
            named[index] = true;
            values[index].kind = KindOf(insert);
            values[index].conversion = insert.conversion;
        }
        i += insert.length;
    }
    for (InsertValue &value : values) {
        switch (value.kind) {
        case InsertKind::String: value.text = va_arg(args, const char *); break;
        case InsertKind::Int: value.number = va_arg(args, int); break;
        case InsertKind::Long: value.number = va_arg(args, long); break;
        case InsertKind::LongLong: value.number = va_arg(args, long long); break;
        case InsertKind::Pointer: value.pointer = va_arg(args, void *); break;
        }
    }
    return values;
}

std::string FormatMessageText(std::string_view format, va_list args)
{
    const std::vector<InsertValue> values = ReadInserts(format, args);
    std::string result;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            result += format[i];
            continue;
        }
        const MessageInsert insert = ParseInsert(format.substr(i + 1));
        if (insert.number != 0) {
            InsertValue value = values[static_cast<size_t>(insert.number - 1)];
            // A later use may change the look, never the kind of the argument.
            if (KindOf(insert) == value.kind)
                value.conversion = insert.conversion;
            result += FormatInsert(value);
            i += insert.length;
            continue;
        }
        const char escape = format[++i];
        if (escape == '0')
            break;
        switch (escape) {
        case 'n': result += "\r\n"; break;
        case 'r': result += '\r'; break;
        case 't': result += '\t'; break;
        case 'b': result += ' '; break;
        default: result += escape; break;
        }
    }
    return result;
}

} // namespace

void SetStringResourceLoader(StringResourceLoader loader)
{
    g_stringLoader = loader;
}

CString &CString::Append(LPCTSTR lpch, int nLength)
{
    if (lpch && nLength > 0)
        m_str.append(lpch, static_cast<size_t>(nLength));
    return *this;
}

int CString::Compare(LPCTSTR lpsz) const
{
    const int r = m_str.compare(lpsz ? lpsz : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::Compare(const CString &s) const
{
    const int r = m_str.compare(s.m_str);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return CompareBytesNoCase(m_str, lpsz ? lpsz : "");
}

int CString::CompareNoCase(const CString &s) const
{
    return CompareBytesNoCase(m_str, s.m_str);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const
{
    const int first = ClampIndex(nFirst, GetLength());
    const int count = std::clamp(nCount, 0, GetLength() - first);
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int nCount) const
{
    return CString(m_str.substr(0, static_cast<size_t>(ClampIndex(nCount, GetLength()))));
}

CString CString::Right(int nCount) const
{
    const int count = ClampIndex(nCount, GetLength());
    return CString(m_str.substr(static_cast<size_t>(GetLength() - count)));
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    const size_t n = m_str.find_first_not_of(lpszCharSet ? lpszCharSet : "");
    return CString(m_str.substr(0, n));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    const size_t n = m_str.find_first_of(lpszCharSet ? lpszCharSet : "");
    return CString(m_str.substr(0, n));
}

void CString::MakeUpper()
{
    for (char &c : m_str)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - ('a' - 'A'));
}

void CString::MakeLower()
{
    for (char &c : m_str)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
}

void CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
}

void CString::TrimRight()
{
    TrimRight(kWhiteSpace);
}

void CString::TrimRight(TCHAR chTarget)
{
    const size_t n = m_str.find_last_not_of(chTarget);
    m_str.erase(n == std::string::npos ? 0 : n + 1);
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    const size_t n = m_str.find_last_not_of(lpszTargets ? lpszTargets : "");
    m_str.erase(n == std::string::npos ? 0 : n + 1);
}

void CString::TrimLeft()
{
    TrimLeft(kWhiteSpace);
}

void CString::TrimLeft(TCHAR chTarget)
{
    m_str.erase(0, std::min(m_str.find_first_not_of(chTarget), m_str.size()));
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    m_str.erase(0, std::min(m_str.find_first_not_of(lpszTargets ? lpszTargets : ""), m_str.size()));
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    int count = 0;
    if (chOld == chNew)
        return 0;
    for (char &c : m_str)
        if (c == chOld) {
            c = chNew;
            ++count;
        }
    return count;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    const std::string_view from(lpszOld ? lpszOld : "");
    const std::string_view to(lpszNew ? lpszNew : "");
    if (from.empty())
        return 0;
    std::string result;
    int count = 0;
    size_t start = 0;
    for (size_t at = m_str.find(from); at != std::string::npos; at = m_str.find(from, start)) {
        result.append(m_str, start, at - start);
        result.append(to);
        start = at + from.size();
        ++count;
    }
    if (count) {
        result.append(m_str, start);
        m_str.swap(result);
    }
    return count;
}

int CString::Remove(TCHAR chRemove)
{
    const size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), chRemove), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int nIndex, TCHAR ch)
{
    m_str.insert(static_cast<size_t>(ClampIndex(nIndex, GetLength())), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    if (pstr)
        m_str.insert(static_cast<size_t>(ClampIndex(nIndex, GetLength())), pstr);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    const int first = std::max(nIndex, 0);
    if (nCount > 0 && first < GetLength())
        m_str.erase(static_cast<size_t>(first), static_cast<size_t>(nCount));
    return GetLength();
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    const size_t at = m_str.find(ch, static_cast<size_t>(nStart));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (!lpszSub || nStart < 0 || nStart > GetLength())
        return -1;
    const size_t at = m_str.find(lpszSub, static_cast<size_t>(nStart));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(TCHAR ch) const
{
    const size_t at = m_str.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    const size_t at = m_str.find_first_of(lpszCharSet ? lpszCharSet : "");
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

void CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...)
{
    CString format;
    if (!format.LoadString(nFormatID))
        return;
    va_list args;
    va_start(args, nFormatID);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    m_str = FormatToString(format, args);
#pragma GCC diagnostic pop
    va_end(args);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    m_str = FormatToString(lpszFormat ? lpszFormat : "", argList);
}

void CString::AppendFormat(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    m_str += FormatToString(lpszFormat ? lpszFormat : "", args);
    va_end(args);
}

void CString::FormatMessage(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    m_str = FormatMessageText(lpszFormat ? lpszFormat : "", args);
    va_end(args);
}

BOOL CString::LoadString(UINT nID)
{
    std::string text;
    if (!g_stringLoader || !g_stringLoader(nID, text))
        return FALSE;
    m_str.swap(text);
    return TRUE;
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength), '\0');
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_str.data(), m_str.size()));
    m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(static_cast<size_t>(std::max(nNewLength, 0)), '\0');
    return m_str.data();
}

CString FormatString(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    CString result(FormatToString(lpszFormat ? lpszFormat : "", args));
    va_end(args);
    return result;
}
