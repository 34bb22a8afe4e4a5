// The user-dirs.dirs file is the user's (and any program may rewrite it):
// parsing arbitrary bytes must give no folder, or an absolute one without a
// NUL byte and without a trailing '/'.
#include "framework/shell/UserDirs.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const char *name : {"DOCUMENTS", "DESKTOP", "PICTURES"}) {
        const CString folder = PlexoParseUserDirs(text, name, CString("/home/user"));
        if (folder.IsEmpty())
            continue;
        const std::string_view path(folder.GetString(), static_cast<size_t>(folder.GetLength()));
        if (path.front() != '/' || path.find('\0') != std::string_view::npos)
            std::abort();
        if (path.size() > 1 && path.back() == '/')
            std::abort();
    }
    return 0;
}
