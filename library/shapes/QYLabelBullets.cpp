// The label's bullet shapes, drawn with a cached pen and brush of the
// bullet colour.
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiObject.h"
#include "library/shapes/QYStaticComponent.h"

#include <algorithm>

void CQYStaticComponent::ReleaseBulletCache()
{
    m_penBullet.DeleteObject();
    m_brBullet.DeleteObject();
    m_bBulletDirty = TRUE;
}

void CQYStaticComponent::MakeBulletCache()
{
    if (!m_bBulletDirty && m_penBullet.GetSafeHandle() != nullptr && m_brBullet.GetSafeHandle() != nullptr)
        return;
    m_penBullet.DeleteObject();
    m_brBullet.DeleteObject();
    m_penBullet.CreatePen(PS_SOLID, 2, m_crBulletCache);
    m_brBullet.CreateSolidBrush(m_crBulletCache);
    m_bBulletDirty = FALSE;
}

namespace {

void Diamond(CDC* pDC, int cx, int cy, int r)
{
    const POINT points[5] = {{cx - r, cy}, {cx, cy + r}, {cx + r, cy}, {cx, cy - r}, {cx - r, cy}};
    pDC->Polygon(points, 5);
}

} // namespace

void CQYStaticComponent::DrawBullet(CDC* pDC, const CRect* pRect, int nKind, CString strText)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pDC == nullptr || pRect == nullptr || pProp == nullptr || nKind < 1 || nKind > 8)
        return;
    if (nKind == 8 && strText.IsEmpty())
        return;
    if (pProp->m_crBulletColor != m_crBulletCache || pProp->m_nBulletType != m_nBulletTypeCache) {
        ReleaseBulletCache();
        m_crBulletCache = pProp->m_crBulletColor;
        m_nBulletTypeCache = pProp->m_nBulletType;
    }
    MakeBulletCache();
    const int cx = (pRect->left + pRect->right) / 2;
    const int cy = (pRect->top + pRect->bottom) / 2;
    const int r = std::min(pRect->Width(), pRect->Height()) / 2;
    CGdiObject* pOldPen;
    CGdiObject* pOldBrush;
    if (nKind == 4) {
        pOldPen = pDC->SelectObject(&m_penBullet);
        pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    } else {
        pOldPen = pDC->SelectStockObject(NULL_PEN);
        pOldBrush = pDC->SelectObject(&m_brBullet);
    }
    switch (nKind) {
    case 1: pDC->Ellipse(cx - r, cy - r, cx + r, cy + r); break;
    case 2:
    case 4: pDC->Rectangle(cx - r, cy - r, cx + r, cy + r); break;
    case 3: Diamond(pDC, cx, cy, r); break;
    case 5: {
        const POINT arrow[5] = {
            {cx - r, cy - r}, {cx - r + 2 * r / 3, cy}, {cx - r, cy + r}, {cx + r, cy}, {cx - r, cy - r}};
        pDC->Polygon(arrow, 5);
        const POINT inset[3] = {{cx - r + 3, cy - r + 3}, {cx - r + 2 * r / 3 + 3, cy}, {cx + r - 3, cy}};
        pDC->Polygon(inset, 3);
        break;
    }
    case 6: {
        const int q = std::min(pRect->Width(), pRect->Height()) / 4;
        pDC->Ellipse(cx - q, cy - q, cx + q, cy + q);
        break;
    }
    case 7: {
        const int d = r / 2 - 1;
        Diamond(pDC, cx, cy - r / 2, d);
        Diamond(pDC, cx - r / 2, cy, d);
        Diamond(pDC, cx, cy + r / 2, d);
        Diamond(pDC, cx + r / 2, cy, d);
        break;
    }
    case 8: {
        pDC->FillSolidRect(cx - r, cy - r, 2 * r - 4, 2 * r - 4, m_crBulletCache);
        const POINT band[7] = {{cx + r - 4, cy - r}, {cx + r - 4, cy + r - 4}, {cx - r, cy + r - 4},
                               {cx - r + 4, cy + r}, {cx + r, cy + r},         {cx + r, cy - r + 4},
                               {cx + r - 4, cy - r}};
        pDC->Polygon(band, 7);
        break;
    }
    default: break;
    }
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}
