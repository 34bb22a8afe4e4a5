// How a typed registry value is kept as the text of an INI value:
//   REG_DWORD          dword:0000002a
//   REG_BINARY         hex:01,ff,20
//   other types        hex(<type in hex>):<bytes>
//   REG_SZ             the text itself, or hex(1):<bytes> when the plain
//                      text would not read back the same (line breaks, NUL
//                      bytes, blanks at either end, matching quotes around
//                      it, or a start that looks like one of the forms above)
// Text that is none of the typed forms reads as REG_SZ, with one pair of
// matching quotes removed, as a hand-edited file would mean it.
#pragma once

#include "framework/settings/RegistryTypes.h"

#include <string>
#include <string_view>

struct CRegistryValue {
    DWORD type = REG_NONE;
    std::string bytes; // REG_SZ without its terminating NUL
};

std::string EncodeRegistryValue(const CRegistryValue &value);
CRegistryValue DecodeRegistryValue(std::string_view text);
