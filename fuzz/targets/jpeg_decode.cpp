// JPEG files come from anywhere: decoding arbitrary bytes must fail cleanly
// or give an image whose pixels fill exactly its rows.
#include "framework/image/JpegCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Jpeg::ImageInfo info;
    const bool headerRead = Jpeg::ReadInfo(data, size, info);
    Jpeg::BgrImage image;
    if (!Jpeg::Decode(data, size, image))
        return 0;
    if (!headerRead || image.width != info.width || image.height != info.height)
        std::abort();
    if (image.pixels.size() != image.Stride() * static_cast<size_t>(image.height))
        std::abort();
    return 0;
}
