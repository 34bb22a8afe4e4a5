// Turns a template text into the text of a generated file: shared blocks
// are put in place of the lines that name them, then the placeholders
// («Class», {HeaderFile}, ...) are filled in.
#pragma once

#include "framework/base/WinTypes.h"

#include <initializer_list>
#include <string>
#include <string_view>

// The named template with every line that names a shared block ("{Header
// opening}", "{Diagnostics definitions}", ...) replaced by that block's
// text.  FALSE when the template or one of its blocks is missing.
BOOL ExpandTemplate(std::string_view name, std::string &text);

struct Placeholder {
    std::string_view token;
    std::string_view value;
};

// One pass over the text: each token found is replaced by its value.  The
// values are not looked at again, so a typed name that happens to contain a
// token is written as it was typed.
std::string FillPlaceholders(std::string_view text, std::initializer_list<Placeholder> placeholders);

// The text with any empty lines at its very end removed, so that it ends
// with the line end of its last line.
std::string EndWithSingleLineEnd(std::string text);
