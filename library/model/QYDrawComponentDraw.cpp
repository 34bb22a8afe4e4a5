// The drawing operations of the draw component: device-context preparation
// from the default property set, the drawing order of a component, its
// track outline, text, tab-order mark and selection frame.
#include "library/model/QYDrawComponent.h"

#include "framework/gdi/CDC.h"
#include "library/model/QYGradientFill.h"
#include "library/model/QYTrackPass.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Width of the selection band around a selected component.
constexpr int kSelectBand = 6;

// How far any component's drawing may reach beyond its rectangle besides
// its line width and shadow: half a port, arrow heads of the default size,
// half a wide pen.
constexpr int kDrawingReach = 48;
// Reaches are held below this, so that widening a rectangle stays in range.
constexpr long long kMaxReach = 1 << 28;

} // namespace

// ---------------------------------------------------------------------------
// Device-context preparation

void CQYDrawComponent::PrepareDC(CDC* pDC)
{
    pDC->SaveDC();
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp == nullptr)
        return;
    pDC->SetBkMode(pProp->m_bTransparent ? TRANSPARENT : OPAQUE);
    pDC->SelectObject(pProp->GetBrush(pDC));
    pDC->SelectObject(pProp->GetPen(pDC));
    pDC->SetBkColor(pProp->m_crBkColor);
    pDC->SelectObject(pProp->GetFont(pDC));
    pDC->SetTextColor(pProp->m_crPatternColor);
}

void CQYDrawComponent::PrepareShadowDC(CDC* pDC)
{
    pDC->SaveDC();
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp == nullptr)
        return;
    pDC->SelectObject(pProp->GetShadowBrush(pDC));
    pDC->SelectObject(NullPen());
    pDC->SetBkColor(pProp->m_crShadowColor);
    pDC->SetTextColor(pProp->m_crShadowPatternColor);
}

void CQYDrawComponent::PrepareTrackDC(CDC* pDC)
{
    pDC->SaveDC();
    pDC->SelectObject(GetTrackPen());
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->SetROP2(R2_NOTXORPEN);
    pDC->SetBkMode(TRANSPARENT);
}

void CQYDrawComponent::ClearDC(CDC* pDC)
{
    pDC->RestoreDC(-1);
}

void CQYDrawComponent::ClearShadowDC(CDC* pDC)
{
    ClearDC(pDC);
}

void CQYDrawComponent::ClearTrackDC(CDC* pDC)
{
    ClearDC(pDC);
}

CPen* CQYDrawComponent::GetTrackPen()
{
    if (m_pTrackPen == nullptr) {
        int nStyle = PS_SOLID;
        int nWidth = 1;
        if (CQYCompProperties* pProp = GetDefaultProperty()) {
            nStyle = pProp->m_nPenStyle;
            nWidth = pProp->m_nLineWidth == -1 ? 1 : pProp->m_nLineWidth;
        }
        LOGBRUSH logBrush = {BS_SOLID, RGB(0, 0, 0), 0};
        auto* pPen = new CPen;
        pPen->CreatePen(nStyle | PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER, nWidth, &logBrush);
        m_pTrackPen = pPen;
    }
    return m_pTrackPen;
}

void CQYDrawComponent::ReleasePen()
{
    delete m_pTrackPen;
    m_pTrackPen = nullptr;
}

// ---------------------------------------------------------------------------
// Drawing

void CQYDrawComponent::OnDraw(CDC* pDC)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp != nullptr && pProp->m_bShadow) {
        PrepareShadowDC(pDC);
        OnDrawShadow(pDC);
        ClearShadowDC(pDC);
    }
    PrepareDC(pDC);
    // The body may have replaced the set (a property dialog); look again.
    if (CQYCompProperties* pBodyProp = GetDefaultProperty()) {
        if (pBodyProp->m_bFlat)
            OnDrawFlat(pDC);
        else
            OnDraw3d(pDC);
    }
    ClearDC(pDC);
}

CRect CQYDrawComponent::GetDrawingBounds(CDC*, const CRect& rectPosition)
{
    long long nReach = kDrawingReach;
    if (CQYCompProperties* pProp = GetDefaultProperty()) {
        // The shadow's offset counts whether the shadow is on or not, so a
        // shadow switched on needs no new bounds.
        nReach += std::max(pProp->m_nLineWidth, 1);
        nReach += std::max(std::llabs(static_cast<long long>(pProp->GetShadowOffsetX())),
                           std::llabs(static_cast<long long>(pProp->GetShadowOffsetY())));
    }
    const int nBy = static_cast<int>(std::min(nReach, kMaxReach));
    CRect bounds = rectPosition;
    bounds.InflateRect(nBy, nBy);
    return bounds;
}

void CQYDrawComponent::OnDrawFlat(CDC*) {}

void CQYDrawComponent::OnDraw3d(CDC*) {}

void CQYDrawComponent::OnDrawShadow(CDC*) {}

void CQYDrawComponent::OnDrawHighlight(CDC*) {}

void CQYDrawComponent::OnDrawPorts(CDC*, BOOL) {}

void CQYDrawComponent::OnDrawTrack(CDC* pDC)
{
    // Drawn on its own, the outline is a pass of its own: a link held by two
    // of this component's ports is drawn once.  Within a longer pass the
    // outline may already have its drawer (a port at one of its ends).
    const CQYTrackPass pass;
    if (!CQYTrackPass::Claim(this, this))
        return;
    PrepareTrackDC(pDC);
    OnDrawTrackCustom(pDC);
    ClearTrackDC(pDC);
}

void CQYDrawComponent::OnDrawTrackCustom(CDC* pDC)
{
    if (m_lpCompTrackPoints != nullptr && m_nCompTrackPtCount > 0)
        pDC->Polygon(m_lpCompTrackPoints, m_nCompTrackPtCount);
}

void CQYDrawComponent::DrawText(CDC* pDC, CString& str, LPRECT lpRect, UINT nFormat)
{
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CQYCompProperties* pProp = GetDefaultProperty();
    const COLORREF crOldText = pDC->SetTextColor(pProp != nullptr ? pProp->m_crFontColor : pDC->GetTextColor());
    pDC->DrawText(str, lpRect, nFormat);
    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
}

void CQYDrawComponent::DrawGradient(CDC* pDC, CRect rect, COLORREF crStart, COLORREF crEnd, UINT nGradient)
{
    QYGradientFill(pDC, rect.left, rect.top, rect.right, rect.bottom, crStart, crEnd, nGradient, nullptr);
}

// ---------------------------------------------------------------------------
// Marks

void CQYDrawComponent::OnDrawTabOrder(CDC* pDC)
{
    CFont* pOldFont = pDC->SelectObject(TabOrderFont());
    CString strOrder;
    if (CQYCompProperties* pProp = GetDefaultProperty())
        strOrder.Format("%u", static_cast<unsigned>(pProp->m_nTabOrder));

    const CSize extent = pDC->GetTextExtent(strOrder);
    const int left = m_rectPosition.left - kSelectBand;
    const int top = m_rectPosition.top - kSelectBand;
    CRect box(left, top, left + std::max(static_cast<int>(extent.cx), 18),
              top + std::max(static_cast<int>(extent.cy), 16));

    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOldBk = pDC->GetBkColor();
    const COLORREF crOldText = pDC->GetTextColor();
    pDC->FillSolidRect(&box, kNavy);
    pDC->SetBkColor(kNavy);
    pDC->SetTextColor(kWhite);
    pDC->DrawText(strOrder, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(crOldText);
    pDC->SetBkColor(crOldBk);
    pDC->SetBkMode(nOldMode);
}

void CQYDrawComponent::OnDrawSelect(CDC* pDC, CRect rcTotal)
{
    const int L = rcTotal.left;
    const int T = rcTotal.top;
    const int R = rcTotal.right;
    const int B = rcTotal.bottom;
    const int cx = (L + R) / 2;
    const int cy = (T + B) / 2;
    // The solid fills below change the background colour.
    const int nSaved = pDC->SaveDC();

    // A navy band from 6 pixels out to 1 pixel out, as nested frames.
    CRect frame = rcTotal;
    frame.InflateRect(kSelectBand, kSelectBand);
    for (int i = 0; i < kSelectBand; ++i) {
        pDC->FillSolidRect(frame.left, frame.top, frame.Width(), 1, kNavy);
        pDC->FillSolidRect(frame.left, frame.bottom - 1, frame.Width(), 1, kNavy);
        pDC->FillSolidRect(frame.left, frame.top, 1, frame.Height(), kNavy);
        pDC->FillSolidRect(frame.right - 1, frame.top, 1, frame.Height(), kNavy);
        frame.DeflateRect(1, 1);
    }

    // White bars cut the band into handles at the corners and mid-sides.
    CBrush white;
    white.CreateSolidBrush(kWhite);
    const CRect bars[] = {
        {L, T - 6, cx - 3, T}, {cx + 3, T - 6, R, T}, // top
        {L, B, cx - 3, B + 6}, {cx + 3, B, R, B + 6}, // bottom
        {L - 6, T, L, cy - 3}, {L - 6, cy + 3, L, B}, // left
        {R, T, R + 6, cy - 3}, {R, cy + 3, R + 6, B}, // right
    };
    for (const CRect& bar : bars)
        pDC->FillRect(&bar, &white);

    // Dotted hatching over the white bars.
    for (int x = L - 2; x + 6 <= R + 6; x += 4) {
        pDC->SetPixel(x + 2, T - 4, kNavy);
        pDC->SetPixel(x, T - 2, kNavy);
        pDC->SetPixel(x + 2, B + 4, kNavy);
        pDC->SetPixel(x, B + 2, kNavy);
    }
    if (B + 2 - (T - 6) > 5) {
        for (int y = T - 2; y <= B; y += 4) {
            pDC->SetPixel(L - 4, y + 2, kNavy);
            pDC->SetPixel(L - 2, y, kNavy);
            pDC->SetPixel(R + 4, y + 2, kNavy);
            pDC->SetPixel(R + 2, y, kNavy);
        }
    }
    pDC->RestoreDC(nSaved);
}
