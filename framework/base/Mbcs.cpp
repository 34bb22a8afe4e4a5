#include "framework/base/Mbcs.h"

#include <cstring>

namespace {

// The length of the well-formed sequence a lead byte starts; 0 for a byte
// that starts none.
int LeadLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The bytes that may follow a lead byte as the second of its sequence: some
// leads narrow the range, which excludes overlong forms, surrogates and
// values past U+10FFFF (the same rule as the decoder's checks).
bool FitsAsSecond(unsigned char lead, unsigned char c)
{
    switch (lead) {
    case 0xE0: return c >= 0xA0 && c <= 0xBF;
    case 0xED: return c >= 0x80 && c <= 0x9F;
    case 0xF0: return c >= 0x90 && c <= 0xBF;
    case 0xF4: return c >= 0x80 && c <= 0x8F;
    default: return MbIsContinuation(c);
    }
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
        if (!MbIsContinuation(p[i]))
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
        if (MbIsContinuation(start[candidate]))
            continue;
        unsigned int codePoint;
        if (DecodeSequence(start + candidate, back, &codePoint) == static_cast<int>(back))
            return candidate;
        break;
    }
    return current - 1;
}

size_t MbCharCount(const unsigned char *p, size_t length)
{
    size_t count = 0;
    for (size_t at = 0; at < length; at += static_cast<size_t>(MbCharLength(p + at, length - at)))
        ++count;
    return count;
}

size_t MbCharBoundary(const unsigned char *p, size_t length, size_t limit)
{
    if (limit >= length)
        return length;
    // Every byte that is no continuation byte starts a character, so only a
    // well-formed sequence that starts at most three bytes back can reach
    // over the cut.
    for (size_t back = 1; back <= 3 && back <= limit; ++back) {
        const size_t candidate = limit - back;
        if (MbIsContinuation(p[candidate]))
            continue;
        return MbCharLength(p + candidate, length - candidate) > static_cast<int>(back) ? candidate : limit;
    }
    return limit;
}

bool MbIsCharPrefix(const unsigned char *p, size_t n)
{
    if (n == 0 || n >= static_cast<size_t>(LeadLength(p[0])))
        return false;
    if (n > 1 && !FitsAsSecond(p[0], p[1]))
        return false;
    for (size_t i = 2; i < n; ++i)
        if (!MbIsContinuation(p[i]))
            return false;
    return true;
}

MbTypedChars::Ready MbTypedChars::Add(unsigned char byte)
{
    Ready ready;
    m_bytes[m_count] = byte;
    const size_t count = m_count + 1;
    if (MbIsCharPrefix(m_bytes, count)) {
        m_count = count;
        return ready;
    }
    m_count = 0;
    if (MbCharLength(m_bytes, count) == static_cast<int>(count)) {
        ready.character.assign(reinterpret_cast<const char *>(m_bytes), count);
        return ready;
    }
    // The byte cannot continue the waiting ones: they go on as they are,
    // and the byte starts anew.
    ready.flushed.assign(reinterpret_cast<const char *>(m_bytes), count - 1);
    if (MbIsCharPrefix(&byte, 1)) {
        m_bytes[0] = byte;
        m_count = 1;
    } else {
        ready.character.assign(1, static_cast<char>(byte));
    }
    return ready;
}

int MbEngineCharLength(const unsigned char *p, size_t available)
{
    if (available == 0)
        return 1; // as MbCharLength: a step always moves on
    const unsigned char lead = p[0];
    const size_t length = (lead >= 0xF0 && lead <= 0xF7)   ? 4
                          : (lead >= 0xE0 && lead <= 0xEF) ? 3
                          : (lead >= 0xC2 && lead <= 0xDF) ? 2
                                                           : 1;
    if (length > available)
        return 1;
    for (size_t i = 1; i < length; ++i)
        if (!MbIsContinuation(p[i]))
            return 1;
    return static_cast<int>(length);
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
