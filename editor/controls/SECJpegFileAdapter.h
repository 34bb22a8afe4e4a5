// Carries JPEG data between a CFile and the framework's in-memory codec:
// the file is read and written 4096 bytes at a time, and the library's
// messages are formatted into a 200-byte buffer and kept from the user.
#pragma once

#include "framework/image/JpegCodec.h"
#include "framework/object/File.h"

#include <vector>

namespace SECJpegFile {

constexpr UINT kChunkBytes = 4096;
constexpr size_t kMessageBytes = 200;

// Reads from the current position to the end of the file, 4096 bytes a
// call; FALSE when the file holds more than the codec can take.
BOOL ReadAll(CFile &file, std::vector<unsigned char> &bytes);
// Writes the bytes 4096 at a time, then flushes.
void WriteAll(CFile &file, const std::vector<unsigned char> &bytes);

// The library's warnings and errors, shown to nobody: warnings counted and
// the first one's code and text kept; an error's code and text replace it.
class Messages {
public:
    Jpeg::Callbacks Callbacks();
    void Reset();

    int WarningCount() const { return m_nWarnings; }
    int MessageCode() const { return m_nMessageCode; }
    BOOL HadError() const { return m_bError; }
    const char *MessageText() const { return m_szText; }

private:
    void Keep(int code, const std::string &text);

    int m_nWarnings = 0;
    int m_nMessageCode = 0;
    BOOL m_bError = FALSE;
    char m_szText[kMessageBytes] = {};
};

} // namespace SECJpegFile
