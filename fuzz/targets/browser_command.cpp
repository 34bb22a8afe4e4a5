// $BROWSER comes from the user's environment: any bytes must split into
// argument lists that hold the address whole and end with xdg-open.
#include "kilnsmith/frame/BrowserFallback.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Environment values end at their first NUL.
    const std::string variable(reinterpret_cast<const char *>(data), size);
    const CString address = "https://example.org/a b";
    const auto commands = BrowserFallbackCommands(address, variable.c_str());
    if (commands.empty() || commands.back().size() != 2 || commands.back()[0] != "xdg-open")
        std::abort();
    for (const auto &argv : commands) {
        if (argv.empty() || argv[0].IsEmpty())
            std::abort();
        bool bHasAddress = false;
        for (const CString &arg : argv)
            bHasAddress = bHasAddress || arg.Find(address) >= 0;
        if (!bHasAddress)
            std::abort();
    }
    return 0;
}
