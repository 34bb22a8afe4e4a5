// The language settings kept in the application profile: the bytes as the
// profile file, read by the profile reader over a default configuration,
// which must then store, load and store to the same archive bytes.
#include "editor/lang/SECEditLangProfile.h"
#include "framework/settings/AppProfile.h"
#include "support/FuzzConfigHome.h"
#include "support/FuzzTempFile.h"
#include "support/LangRoundTrip.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzTempFile marker(".lang");
    static const FuzzConfigHome home(std::string(marker.Path()) + ".config");
    static const bool configured = [] {
        PlexoGetAppProfile().SetProgramName("plexofuzz");
        PlexoGetAppProfile().SetRegistryKey("Plexo", "Fuzz");
        return true;
    }();
    (void)configured;
    if (!home.WriteProfile("plexofuzz", data, size))
        return 0;
    LangConfigHandle config;
    auto *pReader = new SECEditLangProfileReader("C");
    pReader->Read(config.get());
    pReader->Release();
    CheckLangRoundTrip(config.get());
    return 0;
}
