#include "editor/langbuiltin/SECEditLangBuiltin.h"

#include "editor/lang/SECEditLangResourceReader.h"
#include "framework/resources/Resources.h"

extern const unsigned char SECEditLangConfig103[];
extern const unsigned int SECEditLangConfig103Size;

const BYTE *SECEditGetBuiltinLangConfig(DWORD *pnSize)
{
    *pnSize = SECEditLangConfig103Size;
    return SECEditLangConfig103;
}

void SECEditRegisterBuiltinLangConfig()
{
    PlexoRegisterCustomResource("SECEDITLANGCONFIG", SECEDIT_LANGCONFIG_RESOURCE_C, SECEditLangConfig103,
                                SECEditLangConfig103Size);
}

namespace {

// Registered as soon as the library is loaded.
const struct BuiltinRegistration {
    BuiltinRegistration() { SECEditRegisterBuiltinLangConfig(); }
} builtinRegistration;

} // namespace
