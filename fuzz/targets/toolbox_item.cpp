// Fuzz target: the "Form ToolBox Item" data of a drag, read as the canvas
// view's drop reads it, then written back.
#include "framework/object/GlobalMemory.h"
#include "library/ui/QYToolBoxItem.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CQYToolBoxItem item;
    if (!QYReadToolBoxItemBytes(&item, data, size))
        return 0;
    if (HGLOBAL hData = QYWriteToolBoxItemData(&item))
        ::GlobalFree(hData);
    return 0;
}
