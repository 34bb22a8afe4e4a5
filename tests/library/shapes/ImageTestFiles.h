// Builders of BMP and ICO files for the image tests and fuzz seeds: a
// description of every header field, so lying and unusual files are made
// as easily as good ones.
#pragma once

#include "../model/ArchiveBytes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct BmpFields {
    int32_t width = 4;
    int32_t height = 3; // negative: top row first
    uint16_t bits = 24;
    uint32_t headerSize = 40;
    uint32_t compression = 0;
    uint32_t clrUsed = 0;
    uint16_t type = 0x4D42;
    int64_t offBitsDelta = 0;  // added to the true pixel offset
    int64_t sizeImage = -1;    // -1: row bytes x rows
    size_t tableEntries = 0;   // 0: the full table of the bit depth
    int64_t cutPixelBytes = 0; // bytes cut from the end of the file
    // The value of the pixel at (x, y), y counted from the top row: a colour
    // table index, or 0x00RRGGBB for 24 bits.
    std::function<uint32_t(int, int)> pixel = [](int x, int y) { return static_cast<uint32_t>((x + 2 * y) % 2); };
    // Colour table entry i as 0x00RRGGBB.
    std::function<uint32_t(int)> colour = [](int i) {
        return static_cast<uint32_t>((i * 37 % 256) << 16 | (i * 91 % 256) << 8 | (255 - i));
    };
};

inline void PutLe(Bytes& out, uint64_t value, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        out.push_back(static_cast<BYTE>(value >> (8 * i)));
}

inline uint64_t FieldsRowBytes(const BmpFields& s)
{
    return ((static_cast<uint64_t>(s.width < 0 ? 0 : s.width) * s.bits + 31) / 32) * 4;
}

inline size_t FieldsTableEntries(const BmpFields& s)
{
    if (s.tableEntries != 0)
        return s.tableEntries;
    return s.bits <= 8 ? (s.clrUsed != 0 ? s.clrUsed : (1u << s.bits)) : 0;
}

// The pixel rows, bottom-up or top-down as the height says.
inline Bytes FieldsPixels(const BmpFields& s)
{
    const int64_t rows = s.height < 0 ? -static_cast<int64_t>(s.height) : s.height;
    const uint64_t rowBytes = FieldsRowBytes(s);
    Bytes pixels;
    if (rowBytes * static_cast<uint64_t>(rows) > (64u << 20))
        return pixels; // a lying header: no real rows behind it
    pixels.assign(rowBytes * rows, 0);
    for (int r = 0; r < rows; ++r) {
        const int y = static_cast<int>(s.height < 0 ? r : rows - 1 - r); // picture row stored at r
        BYTE* row = pixels.data() + rowBytes * r;
        for (int x = 0; x < s.width; ++x) {
            const uint32_t v = s.pixel(x, y);
            if (s.bits >= 16) {
                for (int b = 0; b < s.bits / 8; ++b)
                    row[s.bits / 8 * x + b] = static_cast<BYTE>(v >> (8 * b));
            } else {
                const int perByte = 8 / s.bits;
                const int shift = (perByte - 1 - x % perByte) * s.bits;
                row[x / perByte] |= static_cast<BYTE>((v & ((1u << s.bits) - 1)) << shift);
            }
        }
    }
    return pixels;
}

inline Bytes MakeBmp(const BmpFields& s)
{
    const size_t entries = FieldsTableEntries(s);
    const Bytes pixels = FieldsPixels(s);
    const uint64_t offBits = 14 + s.headerSize + entries * 4;
    Bytes out;
    PutLe(out, s.type, 2);
    PutLe(out, offBits + pixels.size(), 4);
    PutLe(out, 0, 4);
    PutLe(out, static_cast<uint64_t>(static_cast<int64_t>(offBits) + s.offBitsDelta), 4);
    PutLe(out, s.headerSize, 4);
    PutLe(out, static_cast<uint32_t>(s.width), 4);
    PutLe(out, static_cast<uint32_t>(s.height), 4);
    PutLe(out, 1, 2);
    PutLe(out, s.bits, 2);
    PutLe(out, s.compression, 4);
    PutLe(out, s.sizeImage < 0 ? pixels.size() : static_cast<uint64_t>(s.sizeImage), 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, s.clrUsed, 4);
    PutLe(out, 0, 4);
    out.resize(14 + s.headerSize, 0); // longer headers: their extra fields zero
    for (size_t i = 0; i < entries; ++i)
        PutLe(out, s.colour(static_cast<int>(i)), 4);
    out.insert(out.end(), pixels.begin(), pixels.end());
    out.resize(static_cast<size_t>(std::max<int64_t>(0, static_cast<int64_t>(out.size()) - s.cutPixelBytes)));
    return out;
}

// An icon image: a 32-bit packed DIB (height doubled) of one colour plus
// an all-clear 1-bit mask; bits 1 makes a monochrome image.
inline Bytes MakeIconImage(int size, uint32_t rgb, uint16_t bits = 32)
{
    Bytes out;
    const uint64_t colourRow = ((static_cast<uint64_t>(size) * bits + 31) / 32) * 4;
    const uint64_t maskRow = ((static_cast<uint64_t>(size) + 31) / 32) * 4;
    PutLe(out, 40, 4);
    PutLe(out, static_cast<uint32_t>(size), 4);
    PutLe(out, static_cast<uint32_t>(size * 2), 4);
    PutLe(out, 1, 2);
    PutLe(out, bits, 2);
    PutLe(out, 0, 4);
    PutLe(out, (colourRow + maskRow) * size, 4);
    PutLe(out, 0, 8); // resolution
    PutLe(out, 0, 8); // colours used and important
    if (bits == 1) {
        PutLe(out, 0, 4);
        PutLe(out, 0xFFFFFF, 4);
        for (int i = 0; i < size; ++i)
            for (uint64_t b = 0; b < colourRow; ++b)
                out.push_back(0xFF);
    } else {
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                PutLe(out, rgb | 0xFF000000u, 4);
        }
    }
    out.insert(out.end(), maskRow * size, 0);
    return out;
}

// An .ico file holding the images in order.
inline Bytes MakeIco(const std::vector<std::pair<int, Bytes>>& images, uint16_t reserved = 0, uint16_t type = 1)
{
    Bytes out;
    PutLe(out, reserved, 2);
    PutLe(out, type, 2);
    PutLe(out, images.size(), 2);
    uint64_t offset = 6 + 16 * images.size();
    for (const auto& [size, bytes] : images) {
        out.push_back(static_cast<BYTE>(size));
        out.push_back(static_cast<BYTE>(size));
        PutLe(out, 0, 2);
        PutLe(out, 1, 2);
        PutLe(out, 32, 2);
        PutLe(out, bytes.size(), 4);
        PutLe(out, offset, 4);
        offset += bytes.size();
    }
    for (const auto& image : images)
        out.insert(out.end(), image.second.begin(), image.second.end());
    return out;
}
