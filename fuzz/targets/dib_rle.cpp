// Fuzz target: run-length compressed DIB bits from outside bytes, both as
// packed DIBs (header, colour table, bits) and as bare bits of a small
// picture.
#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/DibRle.h"
#include "framework/gdi/PackedDib.h"

#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The bytes as a packed DIB, kept to pictures small enough to decode quickly.
    BITMAPINFOHEADER h{};
    if (ReadBitmapInfoHeader(data, size, &h)) {
        long long w = std::llabs(static_cast<long long>(h.biWidth));
        long long rows = std::llabs(static_cast<long long>(h.biHeight));
        if (w <= 4096 && rows <= 4096 && w * rows <= (1LL << 20))
            PackedDib::Decode(data, size);
    }
    // The bytes as bare bits: the first two bytes choose the size and depth.
    if (size >= 2) {
        std::vector<uint16_t> indexes;
        int width = 1 + data[0] % 64, height = 1 + data[1] % 64;
        DibRle::Expand(data + 2, size - 2, width, height, (data[0] & 0x80) ? 4 : 8, indexes);
    }
    return 0;
}
