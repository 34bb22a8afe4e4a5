#include "library/shapes/QYStaticComponent.h"

#include "framework/controls/Edit.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Rgn.h"
#include "library/model/QYGeometry.h"
#include "library/shapes/QYLabelLines.h"
#include "library/shapes/QYShapeCommon.h"
#include "library/shapes/QYShapeTypes.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CQYStaticComponent, CQYDrawPortsComponent, 0)
QY_IMPLEMENT_FILE_PERSISTENCE(CQYStaticComponent)

CQYStaticComponent::CQYStaticComponent()
{
    if (CQYCompProperties* pProp = GetDefaultProperty()) {
        pProp->SetType(QY_COMP_STATIC);
        pProp->m_nTextHorzAlign = 0;
        pProp->m_crBkColor = 0xFFFFFF;
        pProp->ReleasePen();
        pProp->m_bNullPen = TRUE;
        pProp->ReleaseBrush();
        pProp->m_bTransparent = TRUE;
        pProp->m_nBrushType = 0;
        pProp->ReleaseFont();
        pProp->m_nPointSize = 22;
        pProp->m_bMultiLine = TRUE;
    }
}

CQYStaticComponent::CQYStaticComponent(const CQYStaticComponent& src) : CQYDrawPortsComponent()
{
    CQYDrawPortsComponent::operator=(src);
    UpdateComp();
}

CQYStaticComponent::~CQYStaticComponent()
{
    DestroyEdit();
}

void CQYStaticComponent::Serialize(CArchive& ar)
{
    CQYDrawPortsComponent::Serialize(ar);
}

void CQYStaticComponent::Create(CRect& rcPos, CString strCaption)
{
    AllocMemory(4);
    QYRectCorners(rcPos, m_lpCompPoints);
    CQYDrawPortsComponent::Create(rcPos, strCaption);
    UpdatePosition();
    ResetTrackPoints();
    QYCreateBoxPorts(this);
}

void CQYStaticComponent::GeometryUpdated(CQYArea* pRgn)
{
    CQYDrawPortsComponent::GeometryUpdated(pRgn);
    if (pRgn != nullptr && m_nCompPtCount > 0)
        pRgn->BuildPolygonArea(m_lpCompPoints, m_nCompPtCount);
}

CQYDrawComponent* CQYStaticComponent::Copy()
{
    return new CQYStaticComponent(*this);
}

// ---------------------------------------------------------------------------
// Layout

UINT CQYStaticComponent::GetTextFlags()
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp == nullptr)
        return DT_WORDBREAK;
    UINT nFlags = pProp->m_bMultiLine ? DT_WORDBREAK : DT_SINGLELINE;
    if (pProp->m_nTextHorzAlign == 1)
        nFlags |= DT_CENTER;
    else if (pProp->m_nTextHorzAlign == 2)
        nFlags |= DT_RIGHT;
    if (!pProp->m_bMultiLine) {
        if (pProp->m_nTextVertAlign == 1)
            nFlags |= DT_VCENTER;
        else if (pProp->m_nTextVertAlign == 2)
            nFlags |= DT_BOTTOM;
    }
    return nFlags;
}

int CQYStaticComponent::GetBulletType()
{
    CQYCompProperties* pProp = GetDefaultProperty();
    return pProp != nullptr ? pProp->m_nBulletType : 0;
}

int CQYStaticComponent::LineWidth()
{
    CQYCompProperties* pProp = GetDefaultProperty();
    return pProp != nullptr ? pProp->m_nLineWidth : 0;
}

int CQYStaticComponent::BreakTextLines(CDC*, CRect, CString strText, CStringArray* pLines)
{
    std::vector<CString> lines;
    if (GetTextFlags() & DT_SINGLELINE)
        lines.push_back(strText);
    else
        lines = QYSplitLabelLines(strText);
    if (pLines != nullptr) {
        pLines->RemoveAll();
        for (const CString& line : lines)
            pLines->Add(line);
    }
    return static_cast<int>(lines.size());
}

CSize CQYStaticComponent::LineExtent(CDC* pDC, const CString& strLine, int nEmptyWidth)
{
    if (strLine.IsEmpty()) {
        TEXTMETRIC tm{};
        pDC->GetTextMetrics(&tm);
        return CSize(nEmptyWidth, tm.tmHeight);
    }
    return pDC->GetTextExtent(strLine);
}

CSize CQYStaticComponent::MeasureText(CDC* pDC, CRect rect, CString strText)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    CFont* pOldFont = pProp != nullptr ? pDC->SelectObject(pProp->GetFont(pDC)) : nullptr;
    CStringArray lines;
    BreakTextLines(pDC, rect, strText, &lines);
    CSize total(0, 0);
    for (INT_PTR i = 0; i < lines.GetSize(); ++i) {
        const CSize line = LineExtent(pDC, lines[i], 1);
        total.cx = std::max(total.cx, line.cx);
        total.cy += line.cy;
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return total;
}

CRect CQYStaticComponent::GetTextMargins(CDC* pDC)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    CFont* pOldFont = pProp != nullptr ? pDC->SelectObject(pProp->GetFont(pDC)) : nullptr;
    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    const int w = 4 * tm.tmAveCharWidth;
    CRect margins;
    if (GetBulletType() > 0) {
        margins.left = w;
        margins.right = 0;
    } else {
        margins.left = w / 2;
        margins.right = w - margins.left;
    }
    margins.top = tm.tmExternalLeading / 2;
    margins.bottom = tm.tmExternalLeading - margins.top;
    return margins;
}

void CQYStaticComponent::AutoSize(CDC* pDC)
{
    CDC memDC;
    if (pDC == nullptr) {
        if (!memDC.CreateCompatibleDC(nullptr))
            return;
        pDC = &memDC;
    }
    const CRect current = GetPointsRect();
    CString strText = GetObjectCaption();
    if (m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != nullptr)
        m_pEdit->GetWindowText(strText);
    const CSize text = MeasureText(pDC, current, strText);
    const CRect margins = GetTextMargins(pDC);
    const int nLine = LineWidth();
    const CSize size(text.cx + margins.left + margins.right + 2 * nLine,
                     text.cy + margins.top + margins.bottom + 2 * nLine);
    CRect grown(current.left, current.top, current.left + size.cx, current.top + size.cy);
    grown.UnionRect(&grown, &current);
    PositionComponent(&grown);
    UpdateComp();
}

// ---------------------------------------------------------------------------
// Drawing

void CQYStaticComponent::OnDrawFlat(CDC* pDC)
{
    CQYDrawPortsComponent::OnDrawFlat(pDC);
    if (CQYCompProperties* pProp = GetDefaultProperty())
        FillPoly(pDC, m_lpCompPoints, m_nCompPtCount, pProp->m_crBkColor, pProp->m_crPatternColor,
                 static_cast<UINT>(pProp->m_nBrushType));
    DrawLabelText(pDC);
}

void CQYStaticComponent::OnDraw3d(CDC* pDC)
{
    CQYStaticComponent::OnDrawFlat(pDC);
}

void CQYStaticComponent::OnDrawShadow(CDC* pDC)
{
    FillShadowPoly(pDC, m_lpCompPoints, m_nCompPtCount);
}

void CQYStaticComponent::DrawLabelText(CDC* pDC)
{
    CRect rect = GetPointsRect();
    if (m_pEdit != nullptr) {
        PlaceEdit(pDC, rect);
        return;
    }
    CString strCaption = GetObjectCaption();
    DrawText(pDC, strCaption, &rect, GetTextFlags());
}

void CQYStaticComponent::DrawText(CDC* pDC, CString& str, LPRECT lpRect, UINT nFormat)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pDC == nullptr || lpRect == nullptr || pProp == nullptr || m_nCompPtCount <= 0)
        return;
    const int nSaved = pDC->SaveDC();
    CRect rect(lpRect);
    rect.DeflateRect(pProp->m_nLineWidth, pProp->m_nLineWidth);
    const CRect margins = GetTextMargins(pDC);
    rect.left += margins.left;
    rect.top += margins.top;
    rect.right -= margins.right;
    rect.bottom -= margins.bottom;
    pDC->SelectObject(pProp->GetFont(pDC));
    CStringArray lines;
    BreakTextLines(pDC, rect, str, &lines);
    std::vector<CSize> extents;
    int nTotal = 0;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i) {
        extents.push_back(LineExtent(pDC, lines[i], 0));
        nTotal += extents.back().cy;
    }
    int y = rect.top;
    if (nFormat & DT_SINGLELINE) {
        if (nFormat & DT_VCENTER)
            y += (rect.bottom - rect.top - nTotal) / 2;
        else if (nFormat & DT_BOTTOM)
            y = rect.bottom - nTotal;
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(pProp->m_crFontColor);
    // Clip to the outline in device units.
    std::vector<POINT> outline(m_lpCompPoints, m_lpCompPoints + m_nCompPtCount);
    pDC->LPtoDP(outline.data(), static_cast<int>(outline.size()));
    CRgn clip;
    if (clip.CreatePolygonRgn(outline.data(), static_cast<int>(outline.size()), WINDING))
        pDC->SelectClipRgn(&clip, RGN_AND);
    const int x0 = m_lpCompPoints[0].x;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i) {
        const CSize extent = extents[static_cast<size_t>(i)];
        int x = rect.left;
        if (nFormat & DT_CENTER)
            x = rect.left + (rect.right - extent.cx - rect.left) / 2;
        else if (nFormat & DT_RIGHT)
            x = rect.right - extent.cx;
        pDC->TextOut(x, y, lines[i]);
        const int a = extent.cy / 6;
        const CRect bullet(x0 + a, y + a, x0 + a + 2 * extent.cy / 3, y + a + 2 * extent.cy / 3);
        DrawBullet(pDC, &bullet, pProp->m_nBulletType, CString());
        y += extent.cy;
    }
    pDC->RestoreDC(nSaved);
}
