// Takes a fuzz input apart from the front: small values that steer a
// target (choices, sizes, offsets) and byte runs, each short when the input
// runs out (zeros for values), so every input means something.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

class FuzzInput {
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    size_t Remaining() const { return m_size - m_offset; }

    template <typename T>
    T Take()
    {
        static_assert(std::is_trivially_copyable_v<T>);
        T value{};
        const size_t n = sizeof(T) < Remaining() ? sizeof(T) : Remaining();
        if (n != 0)
            std::memcpy(&value, m_data + m_offset, n);
        m_offset += n;
        return value;
    }

    // A value in [0, count).
    unsigned TakeChoice(unsigned count) { return count == 0 ? 0 : Take<uint8_t>() % count; }

    std::string TakeString(size_t maxLength)
    {
        const size_t length = Take<uint8_t>() % (maxLength + 1);
        return TakeBytesAsString(length);
    }

    std::string TakeBytesAsString(size_t length)
    {
        const size_t n = length < Remaining() ? length : Remaining();
        std::string text(reinterpret_cast<const char *>(m_data + m_offset), n);
        m_offset += n;
        return text;
    }

    std::string RestAsString() { return TakeBytesAsString(Remaining()); }
    std::vector<uint8_t> Rest()
    {
        std::vector<uint8_t> bytes(m_data + m_offset, m_data + m_size);
        m_offset = m_size;
        return bytes;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_offset = 0;
};
