// The object archive's value records: strings (narrow and wide), counts,
// classes and the typed collections of values, in an order the first byte
// of each step chooses.
#include "framework/collections/Collections.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "support/FuzzInput.h"

#include <cstdint>
#include <vector>

namespace {

void ReadStep(CArchive &ar, unsigned nChoice)
{
    switch (nChoice) {
    case 0: {
        CString text;
        ar.ReadStringRecord(text);
        break;
    }
    case 1: ar.ReadCount(); break;
    case 2: ar.ReadClass(nullptr); break;
    case 3: {
        CStringArray strings;
        strings.Serialize(ar);
        break;
    }
    case 4: {
        CDWordArray words;
        words.Serialize(ar);
        break;
    }
    case 5: {
        CStringList list;
        list.Serialize(ar);
        break;
    }
    case 6: {
        CMapStringToString map;
        map.Serialize(ar);
        break;
    }
    default: {
        CByteArray bytes;
        bytes.Serialize(ar);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    std::vector<unsigned> steps;
    const unsigned nSteps = input.TakeChoice(8) + 1;
    for (unsigned i = 0; i < nSteps; ++i)
        steps.push_back(input.TakeChoice(8));
    std::vector<BYTE> bytes = input.Rest();
    const UINT nBytes = static_cast<UINT>(bytes.size());
    bytes.push_back(0);
    CMemFile file(bytes.data(), nBytes);
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        for (unsigned nChoice : steps)
            ReadStep(ar, nChoice);
        ar.Close();
    } catch (CException *e) {
        e->Delete();
    }
    return 0;
}
