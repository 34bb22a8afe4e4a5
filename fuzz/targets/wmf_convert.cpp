// Windows metafiles come from files: any bytes must be refused or become an
// enhanced metafile that is itself well formed and plays without reading
// outside its records.
#include "FuzzSupport.h"

#include "framework/gdi/OffscreenApplication.h"
#include "framework/gdi/WinMetaFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureOffscreenApplication();
    HENHMETAFILE emf = SetWinMetaFileBits(static_cast<UINT>(size), data, nullptr, nullptr);
    if (!emf)
        return 0;
    std::vector<BYTE> bytes(GetEnhMetaFileBits(emf, 0, nullptr));
    GetEnhMetaFileBits(emf, static_cast<UINT>(bytes.size()), bytes.data());
    HENHMETAFILE again = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
    if (!again)
        std::abort(); // the writer made bytes its own reader refuses
    DeleteEnhMetaFile(again);
    PlayOnCanvas(emf, {{0, 0, 64, 48}});
    DeleteEnhMetaFile(emf);
    return 0;
}
