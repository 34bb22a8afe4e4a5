// JPEG decoding and encoding on memory buffers, for callers that must not
// see libjpeg. Pixels are blue-green-red, 3 bytes a pixel, top row first.
// The library's warnings and its fatal error reach the caller's callbacks
// with the library's message code and formatted text; a fatal error makes
// the call return false and leaves the output untouched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Jpeg {

constexpr int kDefaultQuality = 75;

struct Callbacks {
    std::function<void(int code, const std::string &text)> onWarning;
    std::function<void(int code, const std::string &text)> onError;
};

struct ImageInfo {
    int width = 0;
    int height = 0;
    int components = 0; // 1 for greyscale, 3 for colour, 4 for CMYK
};

struct BgrImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels; // height rows of width * 3 bytes

    size_t Stride() const { return static_cast<size_t>(width) * 3; }
    const unsigned char *Row(int y) const { return pixels.data() + Stride() * static_cast<size_t>(y); }
};

// Reads the header only. Images above 100 megapixels are refused.
bool ReadInfo(const void *data, size_t size, ImageInfo &info, const Callbacks &callbacks = {});

// Decodes a whole image; greyscale images come out with equal blue, green
// and red bytes. A truncated file decodes with a warning, its missing rows
// grey as the library fills them.
bool Decode(const void *data, size_t size, BgrImage &image, const Callbacks &callbacks = {});

// Gives the rows a decode writes into: the top row's address, with rowStep
// set to the bytes from one row to the next below it (at least width * 3
// either way, negative for bottom-up rows); nullptr refuses the picture.
using RowsAllocator = std::function<unsigned char *(int width, int height, std::ptrdiff_t &rowStep)>;

// Decodes straight into the rows the allocator gives, without a copy. The
// rows are asked for once the header is read; on failure their contents
// are undefined.
bool DecodeInto(const void *data, size_t size, const RowsAllocator &rows, const Callbacks &callbacks = {});

// Encodes rows of width * 3 blue-green-red bytes, stride bytes apart, with
// the library's defaults at the given quality.
bool Encode(const unsigned char *bgrRows, int width, int height, size_t stride, std::vector<unsigned char> &output,
            const Callbacks &callbacks = {}, int quality = kDefaultQuality);

// Encodes rows laid out as the caller keeps them: topRow is the top row and
// rowStep the bytes from one row to the next below it (at least width * 3
// either way; negative for bottom-up rows).
bool EncodeRows(const unsigned char *topRow, int width, int height, std::ptrdiff_t rowStep,
                std::vector<unsigned char> &output, const Callbacks &callbacks = {}, int quality = kDefaultQuality);

} // namespace Jpeg
