#include "kilnsmith/wizard/LanguageSetup.h"

#include "editor/langbuiltin/SECEditLangBuiltin.h"
#include "editor/lang/SECEditLangIniReader.h"
#include "editor/lang/SECEditLangIniWriter.h"
#include "editor/lang/SECEditLangProfile.h"
#include "editor/lang/SECEditLangReaderChain.h"
#include "editor/lang/SECEditLangRegistry.h"

namespace {

// The custom resource that holds the built-in C configuration.
constexpr UINT kBuiltinConfigResource = 103;

// Registers a language, then gives up the references made here: the
// registry keeps its own.
void Register(LPCTSTR lpszName, SECEditLangReader *pReader, SECEditLangWriter *pWriter)
{
    SECEditRegisterLanguage(lpszName, pReader, pWriter);
    if (pReader != nullptr)
        pReader->Release();
    if (pWriter != nullptr)
        pWriter->Release();
}

// A language read from an INI file with the profile overlay and written
// back to the profile.
void RegisterProfiledIni(LPCTSTR lpszName, LPCTSTR lpszFile)
{
    Register(lpszName, SECEditMakeIniReader(lpszFile, lpszName), new SECEditLangProfileWriter(lpszName));
}

} // namespace

void RegisterKilnsmithLanguages()
{
    SECEditRegisterBuiltinLangConfig();
    RegisterProfiledIni("C", "LanguageSys/DevStudio.ini");
    Register("C from Binary File", SECEditMakeArchiveReader("LanguageSys/DevStudio.lcf", "C from Binary File"),
             new SECEditLangProfileWriter("C from Binary File"));
    Register("C from Custom Resource", SECEditMakeResourceReader(kBuiltinConfigResource, "C from Custom Resource"),
             new SECEditLangProfileWriter("C from Custom Resource"));
    RegisterProfiledIni("JScript", "LanguageSys/JScript.ini");
    RegisterProfiledIni("VBScript", "LanguageSys/VBScript.ini");
    RegisterProfiledIni("HTML", "LanguageSys/HTML.ini");
    Register("IDL", new SECEditLangIniReader("LanguageSys/idl.ini"), new SECEditLangIniWriter("LanguageSys/idl.ini"));
}
