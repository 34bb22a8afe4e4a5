// Fuzz target: a "Plexo Component" clipboard payload read as the canvas
// view's paste reads it; what loads is moved as a paste moves it and
// written back.
#include "framework/object/GlobalMemory.h"
#include "library/model/QYCompList.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/view/QYClipboardPayload.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CQYCompList list;
    CString strError;
    if (!QYReadComponentPayload(data, size, nullptr, list, strError))
        return 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent *pComp = list.GetNext(pos);
        if (auto *pPorts = dynamic_cast<CQYDrawPortsComponent *>(pComp))
            pPorts->ClearPortLinks();
        pComp->OffsetComponent(7, 7);
        pComp->UpdateComp();
    }
    if (HGLOBAL hPayload = QYWriteComponentPayload(&list))
        ::GlobalFree(hPayload);
    return 0;
}
