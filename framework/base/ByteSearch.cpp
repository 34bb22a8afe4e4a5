#include "framework/base/ByteSearch.h"

#include <string.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

bool EqualIgnoringCase(const char *a, const char *b, size_t length)
{
    for (size_t i = 0; i < length; ++i)
        if (FoldAscii(static_cast<unsigned char>(a[i])) != FoldAscii(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

const char *FindBytes(const char *data, size_t length, const char *pattern, size_t patternLength)
{
    if (patternLength == 0)
        return data;
    return static_cast<const char *>(memmem(data, length, pattern, patternLength));
}

const char *FindBytesIgnoringCase(const char *data, size_t length, const char *pattern, size_t patternLength)
{
    if (patternLength == 0)
        return data;
    if (length < patternLength)
        return nullptr;
    const size_t lastCandidate = length - patternLength;
    size_t i = 0;
#ifdef __SSE2__
    // Sixteen candidates at a time: a candidate survives when its first and
    // last bytes equal the pattern's with bit 0x20 set on both sides.  Two
    // bytes that are equal ignoring case are always equal so, so no match is
    // lost; the few others that pass are checked in full.
    const __m128i caseBit = _mm_set1_epi8(0x20);
    const __m128i first = _mm_set1_epi8(static_cast<char>(pattern[0] | 0x20));
    const __m128i last = _mm_set1_epi8(static_cast<char>(pattern[patternLength - 1] | 0x20));
    for (; i + 16 <= lastCandidate + 1; i += 16) {
        const __m128i a = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i)), caseBit);
        const __m128i b =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i + patternLength - 1)), caseBit);
        unsigned mask =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
        while (mask != 0) {
            const size_t at = i + static_cast<size_t>(__builtin_ctz(mask));
            if (EqualIgnoringCase(data + at, pattern, patternLength))
                return data + at;
            mask &= mask - 1;
        }
    }
#endif
    for (; i <= lastCandidate; ++i)
        if (EqualIgnoringCase(data + i, pattern, patternLength))
            return data + i;
    return nullptr;
}
