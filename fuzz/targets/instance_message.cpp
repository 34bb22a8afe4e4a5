// The single-instance socket's messages come from any process of the user:
// the reader must take any bytes, in any pieces, without reading past them,
// and what it accepts must encode back to the same bytes.
#include "framework/shellui/InstanceProtocol.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using InstanceProtocol::Reader;
    const char *bytes = reinterpret_cast<const char *>(data);
    // The first byte chooses the piece size, as a socket cuts its data.
    const size_t piece = size > 0 ? (data[0] % 23) + 1 : 1;
    Reader reader;
    for (size_t at = 0; at < size; at += piece)
        reader.Feed(bytes + at, piece < size - at ? piece : size - at);
    if (reader.GetStatus() == Reader::Status::Done &&
        InstanceProtocol::Encode(reader.GetMessage()) != std::string(bytes, size))
        std::abort();
    return 0;
}
