// Fuzz target: JPEG files from outside bytes read into a SECJpeg, which
// decodes straight into its bitmap; a failed read keeps the picture held.
#include "editor/controls/SECJpeg.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    SECJpeg jpeg;
    CMemFile file(bytes.data(), UINT(bytes.size()));
    if (!jpeg.LoadImage(&file)) {
        if (jpeg.GetBits() != nullptr)
            std::abort();
        return 0;
    }
    const size_t stride = (size_t(jpeg.m_dwWidth) * 3 + 3) / 4 * 4;
    if (jpeg.GetBitsSize() != stride * size_t(jpeg.m_dwHeight))
        std::abort();
    return 0;
}
