#include "framework/base/Mbcs.h"

#include <cstring>

namespace {

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Decodes the sequence at p when it is well formed; returns its length or 0.
int DecodeSequence(const unsigned char *p, size_t available, unsigned int *codePoint)
{
    if (available == 0)
        return 0;
    const unsigned char lead = p[0];
    int length;
    unsigned int value;
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (available < static_cast<size_t>(length))
        return 0;
    for (int i = 1; i < length; ++i) {
        if (!IsContinuation(p[i]))
            return 0;
        value = (value << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    static const unsigned int kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kMinimum[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

size_t TerminatedAvailable(const unsigned char *p)
{
    // At most four bytes matter; stop at the terminator.
    size_t n = 0;
    while (n < 4 && p[n] != 0)
        ++n;
    return n;
}

} // namespace

int MbCharLength(const unsigned char *p, size_t available)
{
    unsigned int codePoint;
    const int length = DecodeSequence(p, available, &codePoint);
    return length > 0 ? length : 1;
}

int MbDecodeChar(const unsigned char *p, size_t available, unsigned int *codePoint)
{
    if (available == 0) {
        *codePoint = 0;
        return 0;
    }
    const int length = DecodeSequence(p, available, codePoint);
    if (length > 0)
        return length;
    *codePoint = 0xFFFD;
    return 1;
}

size_t MbPreviousCharStart(const unsigned char *start, size_t current)
{
    if (current == 0)
        return 0;
    // A sequence ending just before `current` starts at most three bytes back.
    for (size_t back = 2; back <= 4 && back <= current; ++back) {
        const size_t candidate = current - back;
        if (IsContinuation(start[candidate]))
            continue;
        unsigned int codePoint;
        if (DecodeSequence(start + candidate, back, &codePoint) == static_cast<int>(back))
            return candidate;
        break;
    }
    return current - 1;
}

BOOL _ismbblead(unsigned int c)
{
    return c >= 0xC2 && c <= 0xF4;
}

BOOL _ismbbtrail(unsigned int c)
{
    return c >= 0x80 && c <= 0xBF;
}

const unsigned char *_mbsinc(const unsigned char *current)
{
    return current + MbCharLength(current, TerminatedAvailable(current) + 1);
}

unsigned char *_mbsinc(unsigned char *current)
{
    return const_cast<unsigned char *>(_mbsinc(static_cast<const unsigned char *>(current)));
}

const unsigned char *_mbsdec(const unsigned char *start, const unsigned char *current)
{
    if (!start || !current || current <= start)
        return nullptr;
    return start + MbPreviousCharStart(start, static_cast<size_t>(current - start));
}

unsigned char *_mbsdec(unsigned char *start, unsigned char *current)
{
    return const_cast<unsigned char *>(
        _mbsdec(static_cast<const unsigned char *>(start), static_cast<const unsigned char *>(current)));
}

const unsigned char *_mbsninc(const unsigned char *str, size_t count)
{
    while (count-- > 0 && *str)
        str = _mbsinc(str);
    return str;
}

size_t _mbclen(const unsigned char *c)
{
    return static_cast<size_t>(MbCharLength(c, TerminatedAvailable(c) + 1));
}

size_t _mbslen(const unsigned char *str)
{
    size_t count = 0;
    while (*str) {
        str = _mbsinc(str);
        ++count;
    }
    return count;
}

size_t _mbsnbcnt(const unsigned char *str, size_t count)
{
    return static_cast<size_t>(_mbsninc(str, count) - str);
}

int _mbsnbcmp(const unsigned char *s1, const unsigned char *s2, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (s1[i] != s2[i])
            return s1[i] < s2[i] ? -1 : 1;
        if (s1[i] == 0)
            break;
    }
    return 0;
}

int _mbsnbicmp(const unsigned char *s1, const unsigned char *s2, size_t count)
{
    auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
    for (size_t i = 0; i < count; ++i) {
        const int a = lower(s1[i]);
        const int b = lower(s2[i]);
        if (a != b)
            return a < b ? -1 : 1;
        if (a == 0)
            break;
    }
    return 0;
}

int _mbsicmp(const unsigned char *s1, const unsigned char *s2)
{
    return _mbsnbicmp(s1, s2, static_cast<size_t>(-1));
}

unsigned int _mbsnextc(const unsigned char *p)
{
    unsigned int codePoint;
    if (DecodeSequence(p, TerminatedAvailable(p) + 1, &codePoint) > 0)
        return codePoint;
    return *p;
}

const unsigned char *_mbschr(const unsigned char *str, unsigned int c)
{
    for (;; str = _mbsinc(str)) {
        if (_mbsnextc(str) == c && (c != 0 || *str == 0))
            return str;
        if (*str == 0)
            return nullptr;
    }
}

const unsigned char *_mbsstr(const unsigned char *str, const unsigned char *sub)
{
    const size_t subLength = std::strlen(reinterpret_cast<const char *>(sub));
    if (subLength == 0)
        return str;
    // Match only at character starts, so a match never begins inside a sequence.
    for (; *str; str = _mbsinc(str))
        if (std::strncmp(reinterpret_cast<const char *>(str), reinterpret_cast<const char *>(sub), subLength) == 0)
            return str;
    return nullptr;
}
