#include "editor/controls/SECJpegFileAdapter.h"

#include <cstring>

namespace SECJpegFile {

namespace {

// Larger files are refused before they are read into memory.
constexpr size_t kMaxFileBytes = size_t(1) << 30;

} // namespace

BOOL ReadAll(CFile &file, std::vector<unsigned char> &bytes)
{
    bytes.clear();
    const ULONGLONG length = file.GetLength(), position = file.GetPosition();
    if (position <= length && length - position <= kMaxFileBytes)
        bytes.reserve(size_t(length - position));
    unsigned char chunk[kChunkBytes];
    for (;;) {
        const UINT got = file.Read(chunk, kChunkBytes);
        if (got == 0)
            return TRUE;
        if (bytes.size() + got > kMaxFileBytes)
            return FALSE;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

void WriteAll(CFile &file, const std::vector<unsigned char> &bytes)
{
    for (size_t at = 0; at < bytes.size(); at += kChunkBytes) {
        const size_t count = bytes.size() - at < kChunkBytes ? bytes.size() - at : kChunkBytes;
        file.Write(bytes.data() + at, UINT(count));
    }
    file.Flush();
}

Jpeg::Callbacks Messages::Callbacks()
{
    // Only the first warning is kept (later ones are only counted): it
    // tells why a picture came out damaged. An error always replaces it.
    return {[this](int code, const std::string &text) {
                if (m_nWarnings++ == 0)
                    Keep(code, text);
            },
            [this](int code, const std::string &text) {
                m_bError = TRUE;
                Keep(code, text);
            }};
}

void Messages::Reset()
{
    m_nWarnings = 0;
    m_nMessageCode = 0;
    m_bError = FALSE;
    m_szText[0] = '\0';
}

void Messages::Keep(int code, const std::string &text)
{
    m_nMessageCode = code;
    const size_t length = text.size() < kMessageBytes - 1 ? text.size() : kMessageBytes - 1;
    std::memcpy(m_szText, text.data(), length);
    m_szText[length] = '\0';
}

} // namespace SECJpegFile
