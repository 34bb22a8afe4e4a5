#include "kilnsmith/wizard/ClassNameRule.h"

namespace {

bool IsClassNameCharacter(char c)
{
    return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

BOOL IsWizardClassName(const CString &strName)
{
    for (int i = 0; i < strName.GetLength(); ++i) {
        if (!IsClassNameCharacter(strName[i]))
            return FALSE;
    }
    return TRUE;
}
