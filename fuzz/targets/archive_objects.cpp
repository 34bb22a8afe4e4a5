// The object archive: object records (any serializable class of the
// framework, the object collections included) read one after another until
// the bytes run out or a record is refused.
#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "support/ObjectCleanup.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    bytes.push_back(0); // a memory file wants a buffer even for no bytes
    CMemFile file(bytes.data(), static_cast<UINT>(size));
    std::vector<CObject *> objects;
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        while (file.GetPosition() < size || !ar.IsBufferEmpty())
            objects.push_back(ar.ReadObject(nullptr));
        ar.Close();
    } catch (CException *e) {
        e->Delete();
    }
    // Later records may refer to earlier objects: one cleanup for all.
    auto *pAll = new CObArray;
    for (CObject *pObject : objects)
        pAll->Add(pObject);
    DeleteObjectTree(pAll);
    return 0;
}
