// The description an enhanced metafile's header may carry: the name of the
// application that made the picture and the picture's own name, each ended
// by a NUL, then one more NUL, stored as UTF-16 units after the header's
// fixed fields. Both directions keep that shape whatever they are given, so
// a reader walking to the double NUL never runs past the units.
#pragma once

#include "framework/base/WinTypes.h"

#include <string>
#include <string_view>

namespace EmfDescription {

// application NUL picture NUL NUL in UTF-16; empty when both names are.
std::u16string Units(std::string_view application, std::string_view picture);

// A caller's description: the application name up to its NUL, then the
// picture name up to the next NUL (the caller ends the text with two NULs,
// the framework's contract for a description).
std::u16string FromCallerText(LPCTSTR text);

// The stored units (count as the header gives it) as UTF-8 bytes in the
// same shape: application NUL picture NUL NUL. Units past the picture
// name's NUL are dropped; missing terminators are supplied.
std::string ToText(const std::u16string &stored);

} // namespace EmfDescription
