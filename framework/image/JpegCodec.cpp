#include "framework/image/JpegCodec.h"

#include "framework/image/JpegCore.h"

#include <cstdint>
#include <new>

namespace Jpeg {
namespace {

// Called from C: must not let an exception through.
void ForwardMessage(void *context, int code, const char *text, int isError) noexcept
{
    const auto *callbacks = static_cast<const Callbacks *>(context);
    try {
        const auto &handler = isError ? callbacks->onError : callbacks->onWarning;
        if (handler)
            handler(code, text);
    } catch (...) {
        // A failing handler loses its message, nothing more.
    }
}

struct DecodeTarget {
    BgrImage image;
};

unsigned char *AllocateRows(void *context, unsigned width, unsigned height) noexcept
{
    auto *target = static_cast<DecodeTarget *>(context);
    try {
        target->image.width = static_cast<int>(width);
        target->image.height = static_cast<int>(height);
        target->image.pixels.assign(static_cast<size_t>(width) * 3 * height, 0);
        return target->image.pixels.data();
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

unsigned char *CallerRows(void *context, unsigned width, unsigned height, std::ptrdiff_t *rowStep) noexcept
{
    const auto &rows = *static_cast<const RowsAllocator *>(context);
    try {
        return rows(static_cast<int>(width), static_cast<int>(height), *rowStep);
    } catch (...) {
        return nullptr;
    }
}

} // namespace

bool ReadInfo(const void *data, size_t size, ImageInfo &info, const Callbacks &callbacks)
{
    const PlexoJpegReport report{const_cast<Callbacks *>(&callbacks), ForwardMessage};
    unsigned width = 0, height = 0, components = 0;
    if (!PlexoJpegReadHeader(static_cast<const unsigned char *>(data), size, &report, &width, &height, &components))
        return false;
    info.width = static_cast<int>(width);
    info.height = static_cast<int>(height);
    info.components = static_cast<int>(components);
    return true;
}

bool Decode(const void *data, size_t size, BgrImage &image, const Callbacks &callbacks)
{
    const PlexoJpegReport report{const_cast<Callbacks *>(&callbacks), ForwardMessage};
    DecodeTarget target;
    if (!PlexoJpegDecode(static_cast<const unsigned char *>(data), size, &report, AllocateRows, &target))
        return false;
    image = std::move(target.image);
    return true;
}

bool DecodeInto(const void *data, size_t size, const RowsAllocator &rows, const Callbacks &callbacks)
{
    if (!rows)
        return false;
    const PlexoJpegReport report{const_cast<Callbacks *>(&callbacks), ForwardMessage};
    return PlexoJpegDecodeRows(static_cast<const unsigned char *>(data), size, &report, CallerRows,
                               const_cast<RowsAllocator *>(&rows)) != 0;
}

bool Encode(const unsigned char *bgrRows, int width, int height, size_t stride, std::vector<unsigned char> &output,
            const Callbacks &callbacks, int quality)
{
    if (stride > static_cast<size_t>(PTRDIFF_MAX))
        return false;
    return EncodeRows(bgrRows, width, height, static_cast<std::ptrdiff_t>(stride), output, callbacks, quality);
}

bool EncodeRows(const unsigned char *topRow, int width, int height, std::ptrdiff_t rowStep,
                std::vector<unsigned char> &output, const Callbacks &callbacks, int quality)
{
    const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(width) * 3;
    if (!topRow || width <= 0 || height <= 0 || (rowStep < rowBytes && rowStep > -rowBytes))
        return false;
    const PlexoJpegReport report{const_cast<Callbacks *>(&callbacks), ForwardMessage};
    unsigned char *bytes = nullptr;
    size_t count = 0;
    if (!PlexoJpegEncode(topRow, static_cast<unsigned>(width), static_cast<unsigned>(height), rowStep, quality, &report,
                         &bytes, &count))
        return false;
    try {
        output.assign(bytes, bytes + count);
    } catch (const std::bad_alloc &) {
        PlexoJpegFree(bytes);
        return false;
    }
    PlexoJpegFree(bytes);
    return true;
}

} // namespace Jpeg
