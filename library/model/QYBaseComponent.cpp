#include "library/model/QYBaseComponent.h"

#include "library/model/QYDrawingChanges.h"

IMPLEMENT_DYNAMIC(CQYBaseComponent, QYIUnknown)

void CQYBaseComponent::Create(CRect& rcPos, CString)
{
    SetRect(rcPos);
}

CRect CQYBaseComponent::GetRect()
{
    return m_rectPosition;
}

CSize CQYBaseComponent::GetSize()
{
    return CSize(m_rectPosition.Width(), m_rectPosition.Height());
}

void CQYBaseComponent::SetRect(LPCRECT lpRect)
{
    m_rectPosition = *lpRect;
    UpdateComp();
}

void CQYBaseComponent::SetAuxRect(LPCRECT lpRect)
{
    m_rectAux = *lpRect;
}

void CQYBaseComponent::SetCompRect(CRect& rect, int, int, int, int)
{
    m_rectPosition = rect;
    UpdateComp();
}

void CQYBaseComponent::GeometryUpdated(CQYArea* pRgn)
{
    if (pRgn != nullptr)
        pRgn->RemoveAll();
}

void CQYBaseComponent::UpdateComp()
{
    QYNoteDrawingChange();
    GeometryUpdated(&m_CompArea);
}
