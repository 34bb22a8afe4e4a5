// Toolbox items dragged onto the canvas: the item's component exists while
// the drag is over the view, its outline follows the mouse, and the drop
// hands it to the model as one undoable add (an image without a picture
// asks for its file first).  Every way out releases the dragged component.
#include "library/view/QYBaseView.h"

#include "framework/gdi/CDC.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowDC.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/shapes/QYImageBaseObj.h"
#include "library/shapes/QYImageComponent.h"
#include "library/ui/QYToolBoxItem.h"
#include "library/view/QYViewIds.h"

#include <memory>

namespace {

// The dropped component's top-left sits this far up and left of the
// pointer.
constexpr int kDropGrip = 10;

// Moves the component, keeping its size, so that its top-left is there.
void PlaceTopLeft(CQYDrawComponent* pComp, CPoint topLeft)
{
    CRect rect = pComp->GetRect();
    rect.NormalizeRect();
    pComp->OffsetComponent(topLeft.x - rect.left, topLeft.y - rect.top);
    pComp->UpdatePosition();
    pComp->ResetTrackPoints();
    pComp->UpdateComp();
}

bool IsImageWithoutPicture(CQYDrawComponent* pComp)
{
    auto* pImage = DYNAMIC_DOWNCAST(CQYImageComponent, pComp);
    return pImage != nullptr && (pImage->m_pImage == nullptr || pImage->m_pImage->IsEmpty());
}

} // namespace

CQYDrawComponent* CQYBaseView::CreateFromToolBoxItem(COleDataObject* pDataObject)
{
    if (m_pModel == nullptr)
        return nullptr;
    auto pItem = std::make_unique<CQYToolBoxItem>();
    if (!QYReadToolBoxItem(pItem.get(), pDataObject))
        return nullptr;
    // A derived model's factory gets the item itself (a custom item's data);
    // the item goes once the component is made.
    return m_pModel->GetComponentByType(pItem->GetType(), CRect(0, 0, 0, 0), m_strCreateFile,
                                        reinterpret_cast<DWORD_PTR>(pItem.get()));
}

CQYDrawComponent* CQYBaseView::CreateDropComponent(COleDataObject* pDataObject)
{
    return CreateFromToolBoxItem(pDataObject);
}

void CQYBaseView::ReleaseDropComponent()
{
    if (m_pDropComp != nullptr)
        m_pDropComp->Release();
    m_pDropComp = nullptr;
}

DROPEFFECT CQYBaseView::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!IsDesignMode())
        return CScrollView::OnDragEnter(pDataObject, dwKeyState, point);
    m_ptDownDevice = m_ptDown = point;
    ReleaseDropComponent();
    m_pDropComp = CreateDropComponent(pDataObject);
    if (m_pDropComp != nullptr) {
        m_bDropActive = TRUE;
        CPoint ptLogical = point;
        DPtoLPPoint(&ptLogical);
        PlaceTopLeft(m_pDropComp, CPoint(ptLogical.x - kDropGrip, ptLogical.y - kDropGrip));
        m_nTrackState = DropEntered;
        // The item is wanted even if it is dropped without moving.
        return DROPEFFECT_COPY;
    }
    return CScrollView::OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CQYBaseView::OnDragOver(COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/, CPoint point)
{
    if (!IsDesignMode())
        return DROPEFFECT_COPY;
    m_ptDragLast = point;
    if (m_nTrackState == DropEntered && m_pDropComp != nullptr && point != m_ptDownDevice) {
        m_listDrag.RemoveAll();
        m_listDrag.AddTail(m_pDropComp);
        AddMoveOutlines(&m_listDrag);
        CClientDC dc(this);
        const CPoint s = ScrollOrigin();
        m_sizeMoveOffset = CSize(0, 0);
        m_tracker.MoveTrack(&dc, -s.x, -s.y, s.x, s.y);
        SetTrackCursor(IDC_QY_MOVE, IDC_SIZEALL);
        m_nTrackState = DropDragging;
    }
    if (m_nTrackState == DropDragging)
        MoveDrag(0, point);
    return DROPEFFECT_COPY;
}

void CQYBaseView::OnDragLeave()
{
    // A drag that began in design mode leaves no component behind, even
    // when the mode changed under it.
    ReleaseDropComponent();
    if (IsDesignMode()) {
        CClientDC dc(this);
        m_tracker.RemoveTrack(&dc);
        ResetTracking();
        ::ReleaseCapture();
        m_nTrackState = Idle;
        SetStandardCursor(IDC_ARROW);
        m_listDrag.RemoveAll();
        m_bDropActive = FALSE;
    }
    CScrollView::OnDragLeave();
}

BOOL CQYBaseView::OnDrop(COleDataObject* /*pDataObject*/, DROPEFFECT /*dropEffect*/, CPoint point)
{
    if (!IsDesignMode()) {
        ReleaseDropComponent();
        return FALSE;
    }
    switch (m_nTrackState) {
    case SelectPending:
    case ResizePending:
    case FormResizePending:
    case MovePending: EndClickAction(); break;
    case DropEntered: // dropped where it entered: placed at the entry point
    case DropDragging: {
        CClientDC dc(this);
        m_tracker.RemoveTrack(&dc);
        ResetTracking();
        ::ReleaseCapture();
        CQYDrawComponent* pComp = m_pDropComp;
        m_pDropComp = nullptr;
        m_listDrag.RemoveAll();
        m_nTrackState = Idle;
        if (pComp != nullptr)
            DropComponent(pComp, point);
        break;
    }
    default: break;
    }
    // Whatever the state, no dragged component outlives the drop.
    ReleaseDropComponent();
    m_nTrackState = Idle;
    SetStandardCursor(IDC_ARROW);
    m_bDropActive = FALSE;
    return TRUE;
}

void CQYBaseView::DropComponent(CQYDrawComponent* pComp, CPoint point)
{
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    PlaceTopLeft(pComp, CPoint(ptLogical.x - kDropGrip, ptLogical.y - kDropGrip));
    if (m_pModel == nullptr) {
        pComp->Release();
        return;
    }
    if (!IsImageWithoutPicture(pComp)) {
        m_pModel->AddComponent(pComp);
        pComp->Release();
        return;
    }
    // The picture comes from a file the user chooses now.
    CRect rect = pComp->GetRect();
    rect.NormalizeRect();
    pComp->Release();
    AddImageFromFile(rect);
}
