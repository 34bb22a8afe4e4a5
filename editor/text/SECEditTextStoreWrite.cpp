// Writing the text store to a file: the bytes as they are, or converted to
// UTF-16 (little-endian, after the FF FE mark) when a wide file is asked for.
#include "editor/text/SECEditTextStore.h"
#include "framework/base/Mbcs.h"
#include "framework/object/File.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// UTF-8 to UTF-16LE bytes; a byte that starts no well-formed sequence
// becomes U+FFFD.
std::string WidenUtf8(const unsigned char *p, size_t n)
{
    std::string out;
    out.reserve(n * 2);
    auto put = [&out](unsigned unit) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    };
    for (size_t i = 0; i < n;) {
        unsigned cp = 0;
        const int len = MbDecodeChar(p + i, n - i, &cp);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(0xD800 + (cp >> 10));
            put(0xDC00 + (cp & 0x3FF));
        } else {
            put(cp);
        }
        i += static_cast<size_t>(len);
    }
    return out;
}

} // namespace

void SECEditTextStore::Write(CFile *pFile, BOOL bUnicode)
{
    if (!pFile)
        return;
    if (bUnicode) {
        static const unsigned char mark[2] = {0xFF, 0xFE};
        pFile->Write(mark, 2);
    }
    for (int offset = 0; offset < m_nTextLength;) {
        int length = std::min(kWritePiece, m_nTextLength - offset);
        // A wide piece is converted by itself, so it must not end inside a
        // character.
        if (bUnicode && offset + length < m_nTextLength) {
            int cut = offset + length;
            while (cut > offset && !IsCharStart(cut))
                --cut;
            if (cut > offset)
                length = cut - offset;
        }
        WriteChunk(pFile, offset, length, bUnicode);
        offset += length;
    }
}

void SECEditTextStore::WriteChunk(CFile *pFile, int offset, int length, BOOL bUnicode)
{
    if (!pFile || offset < 0 || length <= 0 || offset + length > m_nTextLength)
        return;
    std::vector<char> bytes(static_cast<size_t>(length));
    CopyBytes(offset, length, bytes.data());
    if (!bUnicode) {
        pFile->Write(bytes.data(), static_cast<UINT>(length));
        return;
    }
    const std::string wide = WidenUtf8(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
    pFile->Write(wide.data(), static_cast<UINT>(wide.size()));
}
