#include "kilnsmith/documents/DocumentSettings.h"

namespace {

CDocumentSettings *g_pInstalled = nullptr;

struct ExtensionPair {
    const char *extension;
    const char *language;
};

const ExtensionPair kStandardExtensions[] = {
    {".c", "C"},          {".cpp", "C"},        {".inl", "C"},        {".h", "C"},          {".idl", "IDL"},
    {".odl", "IDL"},      {".java", "JScript"}, {".dsm", "VBScript"}, {".vbs", "VBScript"}, {".mod", "VBScript"},
    {".bas", "VBScript"}, {".cls", "VBScript"}, {".frm", "VBScript"}, {".htm", "HTML"},     {".html", "HTML"},
};

} // namespace

CDocumentSettings::CDocumentSettings() = default;

CDocumentSettings::~CDocumentSettings()
{
    if (g_pInstalled == this)
        g_pInstalled = nullptr;
}

void CDocumentSettings::AddStandardExtensions()
{
    for (const ExtensionPair &pair : kStandardExtensions)
        m_mapExtensions.SetAt(pair.extension, pair.language);
}

CString CDocumentSettings::ExtensionOf(LPCTSTR lpszPath)
{
    const CString path(lpszPath ? lpszPath : "");
    const int nameStart = path.ReverseFind('/') + 1;
    const int dot = path.ReverseFind('.');
    if (dot < nameStart)
        return CString();
    CString extension = path.Mid(dot);
    // Only ASCII letters change case, so the bytes of any other character
    // of a UTF-8 name stay as they are.
    extension.MakeLower();
    return extension;
}

CString CDocumentSettings::LanguageForPath(LPCTSTR lpszPath) const
{
    CString language;
    const CString extension = ExtensionOf(lpszPath);
    if (extension.IsEmpty() || !m_mapExtensions.Lookup(extension, language))
        return CString("Default");
    return language;
}

CDocumentSettings &CDocumentSettings::Current()
{
    static CDocumentSettings defaults;
    return g_pInstalled ? *g_pInstalled : defaults;
}

CDocumentSettings *CDocumentSettings::Install(CDocumentSettings *pSettings)
{
    CDocumentSettings *previous = g_pInstalled;
    g_pInstalled = pSettings;
    return previous;
}
