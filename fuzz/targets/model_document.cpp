// The data model's document: a whole document body read from the bytes;
// a body that loads is written again, and what it writes must load.
#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "library/model/QYDataModel.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// True when the record loaded whole.
bool LoadModel(CQYDataModel &model, std::vector<BYTE> bytes)
{
    const UINT nSize = static_cast<UINT>(bytes.size());
    bytes.push_back(0); // a memory file wants a buffer even for no bytes
    CMemFile file(bytes.data(), nSize);
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        model.Serialize(ar);
        ar.Close();
        return true;
    } catch (CException *e) {
        e->Delete();
        return false;
    }
}

std::vector<BYTE> StoreModel(CQYDataModel &model)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        model.Serialize(ar);
        ar.Close();
    }
    const UINT nLength = static_cast<UINT>(file.GetLength());
    std::vector<BYTE> bytes(nLength);
    file.SeekToBegin();
    if (nLength != 0)
        file.Read(bytes.data(), nLength);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CQYDataModel model;
    if (!LoadModel(model, std::vector<BYTE>(data, data + size)))
        return 0;
    const std::vector<BYTE> saved = StoreModel(model);
    CQYDataModel reloaded;
    if (!LoadModel(reloaded, saved))
        std::abort(); // a document that loads must save in a form that loads
    return 0;
}
