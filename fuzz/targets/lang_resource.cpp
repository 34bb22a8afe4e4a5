// The language configuration's resource body: the bytes registered as a
// configuration resource and read by the resource reader, which must then
// store and load back to the same bytes.
#include "editor/lang/SECEditLangResourceReader.h"
#include "framework/resources/Resources.h"
#include "support/LangRoundTrip.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const UINT kResourceId = 61200;
    static std::vector<BYTE> body;
    body.assign(data, data + size);
    PlexoRegisterCustomResource(SECEDIT_LANGCONFIG_RESOURCE_TYPE, kResourceId, body.data(),
                                static_cast<DWORD>(body.size()));
    LangConfigHandle config;
    auto *pReader = new SECEditLangResourceReader(kResourceId);
    const BOOL bRead = pReader->Read(config.get());
    pReader->Release();
    if (bRead)
        CheckLangRoundTrip(config.get());
    return 0;
}
