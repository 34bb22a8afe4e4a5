#include "kilnsmith/generator/GeneratedFileNames.h"

#include "framework/base/Mbcs.h"

CString GetClassFileStem(const CString &strClassName)
{
    const int nLength = strClassName.GetLength();
    if (nLength == 0)
        return CString();
    const auto *pBytes = reinterpret_cast<const unsigned char *>(strClassName.GetString());
    const int nFirst = MbCharLength(pBytes, static_cast<size_t>(nLength));
    return strClassName.Mid(nFirst);
}

CString GetHeaderFileName(const CString &strClassName)
{
    return GetClassFileStem(strClassName) + ".h";
}

CString GetSourceFileName(const CString &strClassName)
{
    return GetClassFileStem(strClassName) + ".cpp";
}

BOOL IsSafeClassName(const CString &strClassName)
{
    const CString strStem = GetClassFileStem(strClassName);
    const std::string_view stem = strStem.View();
    if (stem.empty())
        return FALSE;
    if (stem.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
        return FALSE;
    // The dropped first character is part of no path, but a NUL there would
    // still cut the name short for C-style callers.
    if (strClassName.View().find('\0') != std::string_view::npos)
        return FALSE;
    return stem.find("..") == std::string_view::npos;
}

BOOL IsCppIdentifier(const CString &strName)
{
    const std::string_view name = strName.View();
    if (name.empty())
        return FALSE;
    auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!isLetter(name.front()))
        return FALSE;
    for (char c : name) {
        if (!isLetter(c) && !(c >= '0' && c <= '9'))
            return FALSE;
    }
    return TRUE;
}

CString JoinOutputPath(const CString &strFolder, const CString &strFileName)
{
    if (strFolder.IsEmpty())
        return strFileName;
    if (strFolder.View().back() == '/')
        return strFolder + strFileName;
    return strFolder + "/" + strFileName;
}
