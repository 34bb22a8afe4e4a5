// JPEG files come from anywhere: decoding arbitrary bytes must fail cleanly
// or give an image whose pixels fill exactly its rows, the same whether the
// codec fills its own rows or the caller's bottom-up padded ones.
#include "framework/image/JpegCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

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
    // The same picture into bottom-up rows with 4 bytes of padding each.
    const std::ptrdiff_t step = static_cast<std::ptrdiff_t>(image.Stride()) + 4;
    std::vector<unsigned char> rows;
    const bool intoRows = Jpeg::DecodeInto(data, size, [&](int width, int height, std::ptrdiff_t &rowStep) {
        if (width != image.width || height != image.height)
            std::abort();
        rows.assign(static_cast<size_t>(step) * static_cast<size_t>(height), 0);
        rowStep = -step;
        return rows.data() + step * (height - 1);
    });
    if (!intoRows)
        std::abort();
    for (int y = 0; y < image.height; ++y) {
        const unsigned char *row = rows.data() + step * (image.height - 1 - y);
        if (std::memcmp(row, image.Row(y), image.Stride()) != 0)
            std::abort();
    }
    return 0;
}
