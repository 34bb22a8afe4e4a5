// The template texts of the generated files, built into the generator from
// the data files of kilnsmith/templates/ (one entry per file, named after
// the file without ".tpl").
#pragma once

#include "framework/base/WinTypes.h"

#include <cstddef>
#include <string_view>

struct TemplateEntry {
    const char *pszName;
    const char *pData;
    size_t nSize;
};

// Filled in by the source that the build makes from the data files.
extern const TemplateEntry g_templateEntries[];
extern const size_t g_nTemplateEntryCount;

// The text of the template of that name; FALSE when there is none.
BOOL FindTemplateText(std::string_view name, std::string_view &text);
