#include "editor/view/SECMemDC.h"

#include "framework/gdi/GdiConstants.h"
#include "framework/object/Exceptions.h"

SECMemDC::SECMemDC(CDC *pDC, int left, int top, int right, int bottom)
    : m_pTarget(pDC), m_nLeft(left), m_nTop(top), m_nRight(right), m_nBottom(bottom)
{
    // No target, or no pixels to stand in for: nothing can be made.
    if (!pDC || !pDC->GetSafeHdc() || right <= left || bottom <= top)
        AfxThrowResourceException();
    // The attribute context holds the mapping; the output context the pixels.
    CDC attributes;
    attributes.m_hDC = pDC->m_hAttribDC ? pDC->m_hAttribDC : pDC->m_hDC;
    attributes.m_hAttribDC = attributes.m_hDC;
    m_viewportOrg = attributes.GetViewportOrg();
    m_windowOrg = attributes.GetWindowOrg();
    m_viewportExt = attributes.GetViewportExt();
    m_windowExt = attributes.GetWindowExt();
    attributes.m_hDC = attributes.m_hAttribDC = nullptr;

    HDC hMemory = ::CreateCompatibleDC(pDC->m_hDC);
    if (!hMemory)
        AfxThrowResourceException();
    Attach(hMemory); // freed by CDC's destructor, even when the bitmap fails
    HBITMAP hBitmap = ::CreateCompatibleBitmap(pDC->m_hDC, right - left, bottom - top);
    if (!hBitmap)
        AfxThrowResourceException();
    m_bitmap.Attach(hBitmap);
    m_pOldBitmap = SelectObject(&m_bitmap);
    ApplyTargetMapping();
}

SECMemDC::~SECMemDC()
{
    ApplyTargetMapping();
    ::BitBlt(m_pTarget->m_hDC, m_nLeft, m_nTop, m_nRight - m_nLeft, m_nBottom - m_nTop, m_hDC, m_nLeft, m_nTop,
             SRCCOPY);
    if (m_pOldBitmap)
        SelectObject(m_pOldBitmap);
    m_bitmap.DeleteObject();
}

void SECMemDC::ApplyTargetMapping()
{
    SetViewportOrg(m_viewportOrg);
    SetWindowOrg(m_windowOrg);
    SetViewportExt(m_viewportExt);
    SetWindowExt(m_windowExt);
}
