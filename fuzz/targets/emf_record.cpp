// Enhanced metafiles played into a recording context, as a metafile shape
// copied to the clipboard or printed through a metafile does: the first 16
// bytes are the target rectangle (any four ints), the rest the metafile.
// What is recorded must be a metafile that reads back and plays onto a
// canvas.
#include "FuzzSupport.h"

#include "framework/gdi/EnhMetaFile.h"
#include "framework/gdi/MetaFileDC.h"
#include "framework/gdi/OffscreenApplication.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureOffscreenApplication();
    RECT target = {};
    if (size < sizeof target)
        return 0;
    std::memcpy(&target, data, sizeof target);
    HENHMETAFILE emf = SetEnhMetaFileBits(static_cast<UINT>(size - sizeof target), data + sizeof target);
    if (!emf)
        return 0;
    HDC recording = CreateEnhMetaFile(nullptr, nullptr, nullptr, nullptr);
    if (!recording)
        std::abort();
    PlayEnhMetaFile(recording, emf, &target);
    HENHMETAFILE recorded = CloseEnhMetaFile(recording);
    DeleteEnhMetaFile(emf);
    if (!recorded)
        std::abort(); // a recording always ends in a metafile
    std::vector<BYTE> bytes(GetEnhMetaFileBits(recorded, 0, nullptr));
    GetEnhMetaFileBits(recorded, static_cast<UINT>(bytes.size()), bytes.data());
    HENHMETAFILE reread = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
    if (!reread)
        std::abort(); // and its bytes are a metafile
    PlayOnCanvas(reread, {{0, 0, 64, 48}});
    DeleteEnhMetaFile(reread);
    DeleteEnhMetaFile(recorded);
    return 0;
}
