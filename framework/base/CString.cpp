#include "framework/base/CString.h"

#include <algorithm>
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
    // Collect the inserts the format names, in order of their numbers.
    const std::string_view format(lpszFormat ? lpszFormat : "");
    int highest = 0;
    for (size_t i = 0; i + 1 < format.size(); ++i)
        if (format[i] == '%' && format[i + 1] >= '1' && format[i + 1] <= '9')
            highest = std::max(highest, format[i + 1] - '0');
    std::vector<std::string> inserts;
    va_list args;
    va_start(args, lpszFormat);
    for (int i = 0; i < highest; ++i) {
        const char *insert = va_arg(args, const char *);
        inserts.emplace_back(insert ? insert : "");
    }
    va_end(args);

    std::string result;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char next = format[i + 1];
            if (next >= '1' && next <= '9') {
                result += inserts[static_cast<size_t>(next - '1')];
                ++i;
                continue;
            }
            if (next == '%') {
                result += '%';
                ++i;
                continue;
            }
        }
        result += format[i];
    }
    m_str.swap(result);
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
