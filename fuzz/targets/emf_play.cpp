// Enhanced metafiles come from documents and the clipboard: any bytes must
// be refused or kept unchanged, and whatever is kept must play into large
// and small rectangles without reading outside its records; its description
// is read within the header record.
#include "FuzzSupport.h"

#include "framework/gdi/EnhMetaFile.h"
#include "framework/gdi/OffscreenApplication.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureOffscreenApplication();
    HENHMETAFILE emf = SetEnhMetaFileBits(static_cast<UINT>(size), data);
    if (!emf)
        return 0;
    std::vector<BYTE> back(GetEnhMetaFileBits(emf, 0, nullptr));
    if (back.size() != size || GetEnhMetaFileBits(emf, static_cast<UINT>(size), back.data()) != size ||
        std::memcmp(back.data(), data, size) != 0)
        std::abort();
    // The description comes back in its shape, whatever the header claims.
    const UINT length = GetEnhMetaFileDescription(emf, 0, nullptr);
    if (length != 0) {
        std::vector<char> text(length);
        if (length < 3 || GetEnhMetaFileDescription(emf, length, text.data()) != length || text[length - 1] != '\0' ||
            text[length - 2] != '\0')
            std::abort();
    }
    PlayOnCanvas(emf, {{0, 0, 64, 48}, {10, 40, 20, 5}});
    DeleteEnhMetaFile(emf);
    return 0;
}
