// Text files read line by line (the tool index and other lists) come from
// outside: any bytes must read as lines without their line ends, and the
// lines with their ends put back must give the bytes again.
#include "framework/object/StdioFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    char path[] = "/tmp/plexo-fuzz-lines-XXXXXX";
    int fd = ::mkstemp(path);
    if (fd < 0)
        return 0;
    if (::write(fd, data, size) != static_cast<ssize_t>(size)) {
        ::close(fd);
        ::unlink(path);
        return 0;
    }
    ::close(fd);
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    std::string rebuilt;
    {
        CStdioFile file(path, CFile::modeRead | CFile::typeText);
        CString line;
        while (file.ReadString(line)) {
            std::string text(static_cast<LPCTSTR>(line), static_cast<size_t>(line.GetLength()));
            if (text.find('\n') != std::string::npos)
                std::abort();
            rebuilt += text;
            // The end that was taken away: CR-LF, LF or nothing at the end.
            size_t at = rebuilt.size();
            if (at < size && bytes[at] == '\r' && at + 1 < size && bytes[at + 1] == '\n')
                rebuilt += "\r\n";
            else if (at < size && bytes[at] == '\n')
                rebuilt += "\n";
        }
        // The buffer version never writes past its buffer.
        file.SeekToBegin();
        char buffer[8];
        buffer[7] = 'X';
        while (file.ReadString(buffer, 7) != nullptr) {
            if (buffer[7] != 'X')
                std::abort();
        }
    }
    ::unlink(path);
    if (rebuilt != bytes)
        std::abort();
    return 0;
}
