// The language configuration's INI form: the bytes as a language file read
// by the INI reader; a configuration that reads is written by the INI
// writer and read again, and both must have the same archive form (which
// must itself load and store to the same bytes).  Bold and italic are left
// out of that comparison: the writer writes them from GetBold and
// GetItalic, which always answer FALSE, so a file that sets them never
// reads back the same and is not meant to.
#include "editor/lang/SECEditLangIniReader.h"
#include "editor/lang/SECEditLangIniWriter.h"
#include "support/FuzzTempFile.h"
#include "support/LangRoundTrip.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

bool ReadIni(SECEditLangConfig *pConfig, const char *path)
{
    auto *pReader = new SECEditLangIniReader(path);
    const BOOL bRead = pReader->Read(pConfig);
    pReader->Release();
    return bRead != FALSE;
}

bool WriteIni(SECEditLangConfig *pConfig, const char *path)
{
    auto *pWriter = new SECEditLangIniWriter(path);
    const BOOL bWritten = pWriter->Write(pConfig);
    pWriter->Release();
    return bWritten != FALSE;
}

// The archive form with bold and italic set alike, since the INI form does
// not carry them.
std::vector<BYTE> StoreWithoutFontStyle(SECEditLangConfig *pConfig)
{
    pConfig->SetBold(FALSE);
    pConfig->SetItalic(FALSE);
    return StoreLangConfig(pConfig);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzTempFile input(".ini");
    static FuzzTempFile output(".out.ini");
    LangConfigHandle config;
    if (!ReadIni(config.get(), input.Write(data, size)))
        return 0;
    CheckLangRoundTrip(config.get());
    output.Write(nullptr, 0);
    if (!WriteIni(config.get(), output.Path()))
        return 0;
    LangConfigHandle again;
    if (!ReadIni(again.get(), output.Path()))
        std::abort(); // what the writer wrote must read
    if (StoreWithoutFontStyle(again.get()) != StoreWithoutFontStyle(config.get()))
        std::abort(); // and be the same configuration
    return 0;
}
