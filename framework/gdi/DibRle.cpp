// Expanding RLE8 and RLE4 bits.
#include "framework/gdi/DibRle.h"

#include <algorithm>

namespace {

// Walks the bits: encoded runs, absolute runs (padded to 16 bits) and the
// end-of-line, end-of-bitmap and delta escapes.
class Expander {
public:
    Expander(const uint8_t *bits, size_t size, int width, int height, int bitCount, std::vector<uint16_t> &out)
        : m_bits(bits), m_size(size), m_width(width), m_height(height), m_four(bitCount == 4), m_out(out)
    {
    }

    bool Run()
    {
        while (m_pos + 2 <= m_size) {
            uint8_t first = m_bits[m_pos], second = m_bits[m_pos + 1];
            m_pos += 2;
            if (first > 0) {
                if (!Encoded(first, second))
                    return false;
                continue;
            }
            switch (second) {
            case 0: // end of line
                m_x = 0;
                m_scan = std::min(m_scan + 1, m_height);
                break;
            case 1: // end of bitmap
                return true;
            case 2: // delta: right and up (toward later scan lines)
                if (m_pos + 2 > m_size)
                    return false;
                // Positions past the image stay just past it (no later
                // pixel can be put there), so no count overflows.
                m_x = std::min(m_x + m_bits[m_pos], m_width + 1);
                m_scan = std::min(m_scan + m_bits[m_pos + 1], m_height);
                m_pos += 2;
                break;
            default:
                if (!Absolute(second))
                    return false;
                break;
            }
        }
        // Bits that end without an end-of-bitmap escape: whatever was
        // expanded stands; a lone byte left over is a cut-short pair.
        return m_pos == m_size;
    }

private:
    // True when count pixels fit from the current position.
    bool Fits(int count) const { return m_scan < m_height && m_x + count <= m_width; }

    void Put(uint16_t index)
    {
        size_t row = static_cast<size_t>(m_height - 1 - m_scan);
        m_out[row * static_cast<size_t>(m_width) + static_cast<size_t>(m_x)] = index;
        ++m_x;
    }

    bool Encoded(int count, uint8_t value)
    {
        if (!Fits(count))
            return false;
        for (int i = 0; i < count; ++i)
            Put(m_four ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
        return true;
    }

    bool Absolute(int count)
    {
        size_t bytes = m_four ? (static_cast<size_t>(count) + 1) / 2 : static_cast<size_t>(count);
        if (bytes > m_size - m_pos || !Fits(count))
            return false;
        for (int i = 0; i < count; ++i) {
            uint8_t b = m_bits[m_pos + (m_four ? static_cast<size_t>(i / 2) : static_cast<size_t>(i))];
            Put(m_four ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
        }
        // Absolute runs are padded to a 16-bit boundary; a missing pad byte
        // at the very end of the bits is no loss.
        m_pos += bytes + (bytes & 1);
        if (m_pos > m_size)
            m_pos = m_size;
        return true;
    }

    const uint8_t *m_bits;
    size_t m_size;
    size_t m_pos = 0;
    int m_width;
    int m_height;
    bool m_four;
    std::vector<uint16_t> &m_out;
    int m_x = 0;
    int m_scan = 0; // scan 0 is the bottom row
};

} // namespace

namespace DibRle {

bool Expand(const uint8_t *bits, size_t size, int width, int height, int bitCount, std::vector<uint16_t> &indexes)
{
    indexes.assign(static_cast<size_t>(width) * static_cast<size_t>(height), kUnset);
    if (!bits || width <= 0 || height <= 0 || (bitCount != 8 && bitCount != 4))
        return false;
    return Expander(bits, size, width, height, bitCount, indexes).Run();
}

} // namespace DibRle
