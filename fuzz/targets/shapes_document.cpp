// Fuzz target: a document body holding shapes, groups, links, lines and
// their line ends, read by the data model with the shapes library linked;
// a page that loads is then drawn, moved, copied and closed.
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "library/model/QYDataModel.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLinkComponent.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// Draws every component of the page, its track outline and its highlight,
// routes links again and copies everything.
void ExercisePage(CQYDataModel &model)
{
    CDC dc;
    CBitmap bitmap;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateBitmap(64, 64, 1, 32, nullptr);
    CBitmap *pOld = dc.SelectObject(&bitmap);
    CQYCompList &comps = model.GetComponents();
    for (POSITION pos = comps.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent *pComp = comps.GetNext(pos);
        pComp->OnDraw(&dc);
        pComp->ResetTrackPoints();
        pComp->OnDrawTrack(&dc);
        pComp->OnDrawHighlight(&dc);
        pComp->UpdateComp();
        if (auto *pLink = dynamic_cast<CQYLinkComponent *>(pComp)) {
            pLink->RouteElbow();
            pLink->UpdateComp();
        }
        if (auto *pGroup = dynamic_cast<CQYGroupComponent *>(pComp))
            pGroup->UpdatePosition();
        CQYDrawComponent *pCopy = pComp->Copy();
        pCopy->AddRef();
        pCopy->Release();
    }
    dc.SelectObject(pOld);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1u << 20)
        return 0;
    CQYDataModel model;
    std::unique_ptr<BYTE[]> buffer(new BYTE[size + 1]);
    for (size_t i = 0; i < size; ++i)
        buffer[i] = data[i];
    CMemFile file(buffer.get(), static_cast<UINT>(size));
    try {
        CArchive ar(&file, CArchive::load);
        model.Serialize(ar);
        ar.Close();
    } catch (CException *e) {
        e->Delete();
        return 0;
    }
    ExercisePage(model);
    return 0;
}
