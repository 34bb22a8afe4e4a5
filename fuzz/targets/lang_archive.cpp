// The language configuration's archive form: the bytes loaded; a
// configuration that loads must store in a form that loads again and
// stores to the same bytes.
#include "editor/lang/SECEditLangArchiveReader.h"
#include "editor/lang/SECEditLangConfig.h"
#include "support/LangRoundTrip.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LangConfigHandle config;
    if (!LoadLangConfig(config.get(), std::vector<BYTE>(data, data + size)))
        return 0;
    CheckLangRoundTrip(config.get());
    return 0;
}
