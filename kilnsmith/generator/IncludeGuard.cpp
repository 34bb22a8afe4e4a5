#include "kilnsmith/generator/IncludeGuard.h"

CString MakeGuardName(const CString &strHeaderFileName)
{
    CString strName = strHeaderFileName;
    const int nDot = strName.Find('.');
    if (nDot >= 0)
        strName.SetAt(nDot, '_');
    strName.MakeUpper();
    return strName;
}

CString FormatGuardSuffix(const GUID &guid)
{
    static const GUID guidNull = {};
    if (guid == guidNull)
        return CString();
    CString strSuffix =
        FormatString("__%08lX_%04X_%04x_%02X%02X_%02X%02X%02X%02X%02X%02X__INCLUDED_",
                     static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1],
                     guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    strSuffix.MakeUpper();
    return strSuffix;
}

CString MakeGuardOpen(const CString &strGuardName, const CString &strSuffix)
{
    if (strSuffix.IsEmpty())
        return "#ifndef\t_" + strGuardName + "_\n#define\t_" + strGuardName + "_";
    const CString strMacro = strGuardName + strSuffix;
    return "#if !defined(AFC_" + strMacro + ")\n#define AFC_" + strMacro;
}

CString MakeGuardClose(const CString &strGuardName, const CString &strSuffix, GuardCloseForm form)
{
    const CString strLead = form == GuardCloseForm::TwoLineEnds ? "\n\n" : "\n";
    if (strSuffix.IsEmpty())
        return strLead + "#endif // _" + strGuardName + "_";
    return strLead + "#endif // !defined(AFC_" + strGuardName + strSuffix + ")";
}
