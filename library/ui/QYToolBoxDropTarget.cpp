#include "library/ui/QYToolBoxDropTarget.h"

#include "framework/app/View.h"
#include "framework/shellui/OleDataObject.h"
#include "library/ui/QYToolBoxItem.h"

BOOL CQYToolBoxDropTarget::Register(CView* pView)
{
    m_pView = pView;
    return COleDropTarget::Register(pView);
}

BOOL CQYToolBoxDropTarget::HasItem(COleDataObject* pDataObject)
{
    return pDataObject != nullptr && pDataObject->IsDataAvailable(static_cast<CLIPFORMAT>(QYGetToolBoxItemFormat()));
}

DROPEFFECT CQYToolBoxDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (m_pView == nullptr || !HasItem(pDataObject))
        return DROPEFFECT_NONE;
    return m_pView->OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CQYToolBoxDropTarget::OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (m_pView == nullptr || !HasItem(pDataObject))
        return DROPEFFECT_NONE;
    return m_pView->OnDragOver(pDataObject, dwKeyState, point);
}

void CQYToolBoxDropTarget::OnDragLeave(CWnd*)
{
    if (m_pView != nullptr)
        m_pView->OnDragLeave();
}

BOOL CQYToolBoxDropTarget::OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    if (m_pView == nullptr || !HasItem(pDataObject))
        return FALSE;
    return m_pView->OnDrop(pDataObject, dropEffect, point);
}

DROPEFFECT CQYToolBoxDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return static_cast<DROPEFFECT>(-1); // OnDrop decides
}
