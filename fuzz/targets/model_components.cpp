// The component list, the components and the property sets: the first byte
// chooses the class, the rest is its archive record.
#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "library/model/QYArea.h"
#include "library/model/QYBackComponent.h"
#include "library/model/QYCompList.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYFormProperties.h"
#include "library/model/QYMPtArea.h"
#include "library/model/QYPortComponent.h"
#include "support/FuzzInput.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace {

void LoadRecord(CObject &object, std::vector<BYTE> bytes)
{
    const UINT nSize = static_cast<UINT>(bytes.size());
    bytes.push_back(0);
    CMemFile file(bytes.data(), nSize);
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        object.Serialize(ar);
        ar.Close();
    } catch (CException *e) {
        e->Delete();
    }
}

// Components are reference counted: the first reference is ours.
template <class COMPONENT>
void LoadComponent(std::vector<BYTE> bytes)
{
    auto *pComponent = new COMPONENT;
    pComponent->AddRef();
    LoadRecord(*pComponent, std::move(bytes));
    pComponent->Release();
}

template <class OBJECT>
void LoadPlain(std::vector<BYTE> bytes)
{
    auto pObject = std::make_unique<OBJECT>();
    LoadRecord(*pObject, std::move(bytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const unsigned nClass = input.TakeChoice(9);
    std::vector<BYTE> record = input.Rest();
    switch (nClass) {
    case 0: LoadPlain<CQYCompList>(record); break;
    case 1: LoadComponent<CQYDrawComponent>(record); break;
    case 2: LoadComponent<CQYDrawPortsComponent>(record); break;
    case 3: LoadComponent<CQYPortComponent>(record); break;
    case 4: LoadPlain<CQYCompProperties>(record); break;
    case 5: LoadPlain<CQYFormProperties>(record); break;
    case 6: LoadPlain<CQYArea>(record); break;
    case 7: LoadPlain<CQYMPtArea>(record); break;
    default: LoadPlain<CQYBackComponent>(record); break;
    }
    return 0;
}
