// What the block-by-block regular-expression searches share about the small
// windows they copy over the seam between two blocks.
#pragma once

// Bytes a seam window holds after its first start position at first.
constexpr int kSECEditSeamWindow = 256;

// The bytes without a character at their end that the text after them may
// still complete, so that the engine never sees half of a character there.
inline int SECEditCompleteLength(const char *bytes, int length)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes);
    for (int back = 1; back <= 3 && back <= length; ++back) {
        const unsigned char c = p[length - back];
        if (c >= 0x80 && c <= 0xBF)
            continue;
        const int needed = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return needed > back ? length - back : length;
    }
    return length;
}
