// Autostart entry files are the desktop's (and any program may write one):
// parsing arbitrary bytes must fail cleanly or give a command that quotes
// back to a value that parses to the same command.
#include "framework/settings/AutostartEntries.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    CString command;
    if (Autostart::Parse(bytes, command) != Autostart::Result::Ok)
        return 0;
    CString again;
    if (!Autostart::UnquoteExec(Autostart::QuoteExec(command), again) || again != command)
        std::abort();
    return 0;
}
