// CString: the framework's byte string.  It holds bytes (UTF-8 text here),
// always carries its length and may contain NUL bytes; the conversion to
// LPCTSTR gives a NUL-terminated view for C-style callers.
#pragma once

#include "framework/base/WinTypes.h"

#include <cstdarg>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const CString &) = default;
    CString(CString &&) noexcept = default;
    CString(LPCTSTR lpsz) : m_str(lpsz ? lpsz : "") {}
    CString(const unsigned char *lpsz) : CString(reinterpret_cast<LPCTSTR>(lpsz)) {}
    CString(LPCTSTR lpch, int nLength) : m_str(lpch ? lpch : "", lpch && nLength > 0 ? nLength : 0) {}
    CString(TCHAR ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
    CString(std::string_view sv) : m_str(sv) {}
    CString(const std::string &s) : m_str(s) {}
    CString(std::string &&s) : m_str(std::move(s)) {}
    ~CString() = default;

    // Size and access
    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    TCHAR GetAt(int nIndex) const { return m_str[static_cast<size_t>(nIndex)]; }
    TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, TCHAR ch) { m_str[static_cast<size_t>(nIndex)] = ch; }
    operator LPCTSTR() const { return m_str.c_str(); }
    LPCTSTR GetString() const { return m_str.c_str(); }
    const std::string &Str() const { return m_str; }
    std::string_view View() const { return m_str; }

    // Assignment and concatenation
    CString &operator=(const CString &) = default;
    CString &operator=(CString &&) noexcept = default;
    CString &operator=(LPCTSTR lpsz)
    {
        m_str = lpsz ? lpsz : "";
        return *this;
    }
    CString &operator=(const unsigned char *lpsz) { return *this = reinterpret_cast<LPCTSTR>(lpsz); }
    CString &operator=(TCHAR ch)
    {
        m_str.assign(1, ch);
        return *this;
    }
    CString &operator+=(const CString &s)
    {
        m_str += s.m_str;
        return *this;
    }
    CString &operator+=(LPCTSTR lpsz)
    {
        if (lpsz)
            m_str += lpsz;
        return *this;
    }
    CString &operator+=(TCHAR ch)
    {
        m_str += ch;
        return *this;
    }
    CString &Append(LPCTSTR lpch, int nLength);

    friend CString operator+(const CString &a, const CString &b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString &a, LPCTSTR b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(LPCTSTR a, const CString &b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const CString &a, TCHAR b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(TCHAR a, const CString &b)
    {
        CString r(a);
        r += b;
        return r;
    }

    // Comparison: byte order, like strcmp, but over the whole length.
    int Compare(LPCTSTR lpsz) const;
    int Compare(const CString &s) const;
    // ASCII letters compare without case; other bytes as they are.
    int CompareNoCase(LPCTSTR lpsz) const;
    int CompareNoCase(const CString &s) const;
    int Collate(LPCTSTR lpsz) const { return Compare(lpsz); }
    int CollateNoCase(LPCTSTR lpsz) const { return CompareNoCase(lpsz); }

    friend bool operator==(const CString &a, const CString &b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString &a, LPCTSTR b) { return a.Compare(b) == 0; }
    friend bool operator==(LPCTSTR a, const CString &b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString &a, const CString &b) { return !(a == b); }
    friend bool operator!=(const CString &a, LPCTSTR b) { return !(a == b); }
    friend bool operator!=(LPCTSTR a, const CString &b) { return !(b == a); }
    friend bool operator<(const CString &a, const CString &b) { return a.Compare(b) < 0; }
    friend bool operator<(const CString &a, LPCTSTR b) { return a.Compare(b) < 0; }
    friend bool operator>(const CString &a, const CString &b) { return a.Compare(b) > 0; }
    friend bool operator>(const CString &a, LPCTSTR b) { return a.Compare(b) > 0; }
    friend bool operator<=(const CString &a, const CString &b) { return a.Compare(b) <= 0; }
    friend bool operator<=(const CString &a, LPCTSTR b) { return a.Compare(b) <= 0; }
    friend bool operator>=(const CString &a, const CString &b) { return a.Compare(b) >= 0; }
    friend bool operator>=(const CString &a, LPCTSTR b) { return a.Compare(b) >= 0; }

    // Extraction: out-of-range arguments are clamped, never an error.
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    // The leading run of characters that are (or are not) in the set.
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

    // Case and order (ASCII letters only; UTF-8 sequences stay as they are)
    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // Trimming: white space is space, tab, CR, LF, VT and FF.
    void TrimRight();
    void TrimRight(TCHAR chTarget);
    void TrimRight(LPCTSTR lpszTargets);
    void TrimLeft();
    void TrimLeft(TCHAR chTarget);
    void TrimLeft(LPCTSTR lpszTargets);
    void Trim()
    {
        TrimRight();
        TrimLeft();
    }

    // Editing; each returns a count (replacements, removals) or the new length.
    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR chRemove);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // Searching: zero-based index, -1 when not found.
    int Find(TCHAR ch) const { return Find(ch, 0); }
    int Find(TCHAR ch, int nStart) const;
    int Find(LPCTSTR lpszSub) const { return Find(lpszSub, 0); }
    int Find(LPCTSTR lpszSub, int nStart) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    // Formatting with printf semantics.
    void Format(LPCTSTR lpszFormat, ...) __attribute__((format(printf, 2, 3)));
    void Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR lpszFormat, va_list argList) __attribute__((format(printf, 2, 0)));
    void AppendFormat(LPCTSTR lpszFormat, ...) __attribute__((format(printf, 2, 3)));
    // Replaces %1..%9 with the string arguments given (LPCTSTR each).
    void FormatMessage(LPCTSTR lpszFormat, ...);

    // The string table entry nID; FALSE (and the string unchanged) when absent.
    BOOL LoadString(UINT nID);

    // Direct buffer access: GetBuffer gives room for at least nMinBufLength
    // bytes plus a NUL; ReleaseBuffer(-1) takes the length up to the first NUL.
    LPTSTR GetBuffer(int nMinBufLength);
    LPTSTR GetBuffer() { return GetBuffer(0); }
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR GetBufferSetLength(int nNewLength);
    void FreeExtra() { m_str.shrink_to_fit(); }
    LPTSTR LockBuffer() { return m_str.data(); }
    void UnlockBuffer() {}

private:
    std::string m_str;
};

// The string table lookup that LoadString uses; the resource module installs
// it.  A loader returns false when the id has no string.
typedef bool (*StringResourceLoader)(UINT nID, std::string &text);
void SetStringResourceLoader(StringResourceLoader loader);

// Formats with printf semantics into a new string.
CString FormatString(LPCTSTR lpszFormat, ...) __attribute__((format(printf, 1, 2)));

template <>
struct std::hash<CString> {
    size_t operator()(const CString &s) const noexcept { return std::hash<std::string>()(s.Str()); }
};
