// The language configuration's INI form: the bytes as a language file read
// by the INI reader; a configuration that reads is written by the INI
// writer and read again, and both must have the same archive form (which
// must itself load and store to the same bytes).
#include "editor/lang/SECEditLangIniReader.h"
#include "editor/lang/SECEditLangIniWriter.h"
#include "support/FuzzTempFile.h"
#include "support/LangRoundTrip.h"

#include <cstdint>
#include <cstdlib>

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
    if (StoreLangConfig(again.get()) != StoreLangConfig(config.get()))
        std::abort(); // and be the same configuration
    return 0;
}
