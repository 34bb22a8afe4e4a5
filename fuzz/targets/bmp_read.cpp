// Fuzz target: BMP files from outside bytes read into a SECDib, both as a
// file and through an archive.
#include "editor/controls/SECDib.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    SECDib dib;
    {
        CMemFile file(bytes.data(), UINT(bytes.size()));
        dib.LoadImage(&file);
    }
    CMemFile file(bytes.data(), UINT(bytes.size()));
    try {
        CArchive ar(&file, CArchive::load);
        dib.Serialize(ar);
    } catch (CException *e) {
        e->Delete();
    }
    return 0;
}
