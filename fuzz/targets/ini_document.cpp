// INI documents: the bytes parsed and written back, which must give the
// same bytes and parse to the same sections and keys; then edited and
// written once more.
#include "framework/settings/IniDocument.h"
#include "support/FuzzInput.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const std::string section = input.TakeString(16);
    const std::string key = input.TakeString(16);
    const std::string value = input.TakeString(32);
    const std::string text = input.RestAsString();

    CIniDocument document;
    if (!document.Parse(text))
        return 0;
    const std::string written = document.Serialize();
    CIniDocument again;
    if (!again.Parse(written) || again.SectionNames() != document.SectionNames())
        std::abort();
    for (const std::string &name : document.SectionNames()) {
        if (again.KeyNames(name) != document.KeyNames(name))
            std::abort();
    }
    // Lines the program did not change keep their bytes through a rewrite.
    if (written != text || again.Serialize() != written)
        std::abort();

    document.SetValue(section, key, value);
    document.DeleteKey(key, section);
    document.ReplaceSection(value, document.SectionEntries(section));
    document.DeleteSection(key);
    document.Serialize();
    return 0;
}
