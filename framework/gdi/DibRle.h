// Run-length compressed DIB bits (8 and 4 bits per pixel) expanded into
// colour-table indexes. The bits are read only within the given size: a run
// past the end of its row, a pixel past the last row or an escape cut short
// stops the expansion there, keeping what was expanded before.
// Framework-internal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace DibRle {

// Marks a pixel the bits leave unset (skipped by an end of line, a delta
// or an early end of the bitmap): drawing leaves the target there as it was.
constexpr uint16_t kUnset = 0xFFFF;

// Expands width x height pixels (bottom-up, as compressed DIBs always are)
// into indexes stored top row first; bitCount is 8 (RLE8) or 4 (RLE4).
// False when the expansion stopped at bad bits.
bool Expand(const uint8_t *bits, size_t size, int width, int height, int bitCount, std::vector<uint16_t> &indexes);

} // namespace DibRle
