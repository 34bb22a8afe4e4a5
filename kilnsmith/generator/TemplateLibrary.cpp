#include "kilnsmith/generator/TemplateLibrary.h"

BOOL FindTemplateText(std::string_view name, std::string_view &text)
{
    for (size_t i = 0; i < g_nTemplateEntryCount; ++i) {
        if (name == g_templateEntries[i].pszName) {
            text = std::string_view(g_templateEntries[i].pData, g_templateEntries[i].nSize);
            return TRUE;
        }
    }
    return FALSE;
}
