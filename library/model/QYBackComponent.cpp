#include "library/model/QYBackComponent.h"

#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/resources/ResourceTypes.h"
#include "framework/window/CursorApi.h"
#include "library/model/QYBitmapFill.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYFillKinds.h"
#include "library/model/QYFormIcon.h"
#include "library/model/QYFormProperties.h"
#include "library/model/QYGradientFill.h"
#include "library/pickers/QYGlobalData.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_SERIAL(CQYBackComponent, CObject, 0)

namespace {

constexpr COLORREF kNavy = 0x800000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
// Width of the form's selection band and of its handle squares.
constexpr int kFrameBand = 6;
constexpr int kIconSize = 16;
constexpr int kCaptionButtonWidth = 16;
// Pages and margins beyond this many units from the origin are not drawn:
// no device shows them, and the painter's sums stay inside the int range.
constexpr int kDrawableLimit = 1 << 28;

// The first of start, start + step, ... that is not below the limit.
long long FirstOnLattice(long long start, int nStep, long long limit)
{
    if (start >= limit)
        return start;
    return start + (limit - start + nStep - 1) / nStep * nStep;
}

bool IsDrawable(const CRect& rect)
{
    return std::abs(static_cast<long long>(rect.left)) <= kDrawableLimit &&
           std::abs(static_cast<long long>(rect.top)) <= kDrawableLimit &&
           std::abs(static_cast<long long>(rect.right)) <= kDrawableLimit &&
           std::abs(static_cast<long long>(rect.bottom)) <= kDrawableLimit;
}

int DrawableMargin(int nMargin)
{
    return std::clamp(nMargin, -kDrawableLimit, kDrawableLimit);
}

} // namespace

CQYBackComponent::CQYBackComponent() : CQYBackComponent(nullptr) {}

CQYBackComponent::CQYBackComponent(CQYDataModel* pModel) : m_pModel(pModel)
{
    m_hIcon = LoadIcon(nullptr, MAKEINTRESOURCE(QY_FORM_ICON_ID));
    // Without a program's own icon under that id the library draws one.
    if (m_hIcon == nullptr) {
        m_hIcon = QYCreateFormIcon();
        m_bOwnIcon = m_hIcon != nullptr;
    }
    m_penDot.CreatePen(PS_DOT, 1, kBlack);
    m_penTitleLine.CreatePen(PS_SOLID, 1, qyGlobalData.m_clrBtnFace);
}

// Icons from the resource registry live as long as the program; the drawn
// one is the painter's.
CQYBackComponent::~CQYBackComponent()
{
    if (m_bOwnIcon)
        DestroyIcon(m_hIcon);
}

void CQYBackComponent::Serialize(CArchive&) {}

CQYFormProperties* CQYBackComponent::GetForm()
{
    return m_pModel != nullptr ? m_pModel->GetDefaultProperty() : nullptr;
}

void CQYBackComponent::PrepareDC(CDC* pDC)
{
    pDC->SaveDC();
    CQYFormProperties* pForm = GetForm();
    if (pForm == nullptr)
        return;
    pDC->SetBkMode(OPAQUE);
    pDC->SelectObject(pForm->GetBrush(pDC));
    pDC->SetBkColor(pForm->GetBkColor());
    pDC->SelectObject(pForm->GetFont(nullptr));
    pDC->SetTextColor(pForm->GetPatternColor());
    pDC->SelectStockObject(NULL_PEN);
}

void CQYBackComponent::ClearDC(CDC* pDC)
{
    pDC->RestoreDC(-1);
}

void CQYBackComponent::OnDraw(CDC* pDC)
{
    PrepareDC(pDC);
    OnDrawForm(pDC);
    ClearDC(pDC);
}

void CQYBackComponent::DrawText(CDC* pDC, const CString& strText, CRect rect, UINT nFormat)
{
    CQYFormProperties* pForm = GetForm();
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOldText = pDC->SetTextColor(pForm != nullptr ? pForm->GetFontColor() : kBlack);
    pDC->DrawText(strText, &rect, nFormat);
    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
}

void CQYBackComponent::OnDrawForm(CDC* pDC)
{
    CQYFormProperties* pForm = GetForm();
    if (pForm == nullptr || m_pModel == nullptr)
        return;
    const CRect rectPage = m_pModel->GetPagePosition();
    if (!IsDrawable(rectPage))
        return;
    CRect rectInner(rectPage.left + DrawableMargin(pForm->GetMarginXStart()),
                    rectPage.top + DrawableMargin(pForm->GetMarginYStart()),
                    rectPage.right - DrawableMargin(pForm->GetMarginXEnd()),
                    rectPage.bottom - DrawableMargin(pForm->GetMarginYEnd()));
    const BOOL bFormMode = m_pModel->IsFormDesignMode();
    if (m_pModel->IsDrawFormFrame() && !pDC->IsPrinting() && bFormMode)
        OnDrawFormFrame(pDC, rectPage);
    OnDrawBackground(pDC);

    CRect rectWindow = rectPage;
    if (bFormMode) {
        if (pForm->Is3DBorder()) {
            pDC->Draw3dRect(&rectWindow, qyGlobalData.m_clrBtnFace, kBlack);
            rectWindow.DeflateRect(1, 1);
            pDC->Draw3dRect(&rectWindow, kWhite, qyGlobalData.m_clr3DDkShadow);
            rectWindow.DeflateRect(1, 1);
            pDC->Draw3dRect(&rectWindow, qyGlobalData.m_clrBtnFace, qyGlobalData.m_clrBtnFace);
        } else {
            pDC->Draw3dRect(&rectWindow, kBlack, kBlack);
        }
    }
    if (pForm->IsShowTitleBar())
        DrawTitleBar(pDC, pForm, rectWindow);
    if (pDC->IsPrinting())
        return;
    if (pForm->IsShowTitleBar())
        rectInner.top += 17;
    if (pForm->IsShowMargin())
        OnDrawMargins(pDC, rectInner);
    if (pForm->IsShowGrid()) {
        if (pForm->IsShowTitleBar())
            rectWindow.top += 21;
        OnDrawGrid(pDC, rectWindow);
    }
}

void CQYBackComponent::DrawTitleBar(CDC* pDC, CQYFormProperties* pForm, const CRect& rectWindow)
{
    const CRect rectTitle(rectWindow.left + 1, rectWindow.top + 1, rectWindow.right - 1,
                          rectWindow.top + 1 + QY_FORM_TITLE_HEIGHT);
    pDC->FillSolidRect(&rectTitle, qyGlobalData.m_clrInactiveCaption);
    CRect rectCaption = rectTitle;
    if (pForm->IsShowIcon()) {
        if (m_hIcon != nullptr)
            DrawIconEx(pDC->GetSafeHdc(), rectTitle.left + 2, (rectTitle.top + rectTitle.bottom - kIconSize) / 2,
                       m_hIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
        rectCaption.OffsetRect(20, 0);
    }
    DrawText(pDC, pForm->GetObjectCaption(), rectCaption, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    CPen* pOldPen = pDC->SelectObject(&m_penTitleLine);
    pDC->MoveTo(rectTitle.left, rectTitle.bottom + 1);
    pDC->LineTo(rectTitle.right, rectTitle.bottom + 1);
    pDC->SelectObject(pOldPen);
    OnDrawCaptionButtons(pDC, rectTitle);
}

void CQYBackComponent::OnDrawMargins(CDC* pDC, CRect rect)
{
    CQYFormProperties* pForm = GetForm();
    if (pForm == nullptr || !pForm->IsDesignMode() || pDC->IsPrinting())
        return;
    CPen* pOldPen = pDC->SelectObject(&m_penDot);
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(&rect);
    pDC->SelectObject(pOldPen);
    if (pOldBrush != nullptr)
        pDC->SelectObject(pOldBrush);
}

void CQYBackComponent::OnDrawGrid(CDC* pDC, CRect rect)
{
    CQYFormProperties* pForm = GetForm();
    if (pForm == nullptr || !pForm->IsDesignMode() || pDC->IsPrinting())
        return;
    // Steps are kept at 1 or more; the guard keeps a hand-set member from
    // stalling the loop.
    const int nStepX = std::max(pForm->GetGridXStep(), 1);
    const int nStepY = std::max(pForm->GetGridYStep(), 1);
    const COLORREF crGrid = pForm->GetGridColor();
    // Only the dots inside the clip box can show: the loops start at the
    // first dot there and stop at its end, on the same lattice.
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    const long long yFirst = FirstOnLattice(rect.top, nStepY, rectClip.top);
    const long long xFirst = FirstOnLattice(rect.left, nStepX, rectClip.left);
    const long long yEnd = std::min<long long>(rect.bottom, rectClip.bottom);
    const long long xEnd = std::min<long long>(rect.right, rectClip.right);
    for (long long y = yFirst; y < yEnd; y += nStepY) {
        for (long long x = xFirst; x < xEnd; x += nStepX)
            pDC->SetPixelV(static_cast<int>(x), static_cast<int>(y), crGrid);
    }
}

void CQYBackComponent::OnDrawBackground(CDC* pDC)
{
    CQYFormProperties* pForm = GetForm();
    if (pForm == nullptr || m_pModel == nullptr)
        return;
    const auto nType = static_cast<unsigned>(pForm->GetBrushType());
    if (nType > QY_MAX_BRUSH_TYPE)
        return;
    const CRect rectPage = m_pModel->GetPagePosition();
    if (!IsDrawable(rectPage))
        return;
    if (nType < QY_FIRST_GRADIENT_BRUSH) {
        pDC->Rectangle(&rectPage);
        return;
    }
    pDC->SaveDC();
    pDC->BeginPath();
    pDC->Rectangle(&rectPage);
    pDC->CloseFigure();
    pDC->EndPath();
    pDC->SelectClipPath(RGN_AND);
    if (nType < QY_FIRST_BITMAP_BRUSH)
        QYGradientFill(pDC, rectPage.left, rectPage.top, rectPage.right, rectPage.bottom, pForm->GetBkColor(),
                       pForm->GetPatternColor(), nType - QY_FIRST_GRADIENT_BRUSH, nullptr);
    else
        QYFillBitmapRect(pDC, rectPage.left, rectPage.top, rectPage.right, rectPage.bottom, TRUE,
                         static_cast<int>(nType) - QY_FIRST_BITMAP_BRUSH, nullptr);
    pDC->RestoreDC(-1);
}

void CQYBackComponent::OnDrawCaptionButtons(CDC* pDC, CRect rectTitle)
{
    CQYFormProperties* pForm = GetForm();
    if (pForm == nullptr || !pForm->HasCloseButton())
        return;
    CRect rectButton(rectTitle.right - 18, rectTitle.top + 2, rectTitle.right - 2, rectTitle.top + 16);
    pDC->DrawFrameControl(&rectButton, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    if (pForm->HasMaximizeButton()) {
        rectButton.OffsetRect(-18, 0);
        pDC->DrawFrameControl(&rectButton, DFC_CAPTION, DFCS_CAPTIONMAX);
        rectButton.OffsetRect(-kCaptionButtonWidth, 0);
        pDC->DrawFrameControl(&rectButton, DFC_CAPTION,
                              DFCS_CAPTIONMIN | (pForm->HasMinimizeButton() ? 0 : DFCS_INACTIVE));
    } else if (pForm->HasMinimizeButton()) {
        rectButton.OffsetRect(-18, 0);
        pDC->DrawFrameControl(&rectButton, DFC_CAPTION, DFCS_CAPTIONMAX | DFCS_INACTIVE);
        rectButton.OffsetRect(-kCaptionButtonWidth, 0);
        pDC->DrawFrameControl(&rectButton, DFC_CAPTION, DFCS_CAPTIONMIN);
    } else if (pForm->HasHelpButton()) {
        rectButton.OffsetRect(-18, 0);
        pDC->DrawFrameControl(&rectButton, DFC_CAPTION, DFCS_CAPTIONHELP);
    }
}

void CQYBackComponent::OnDrawFormFrame(CDC* pDC, CRect rect)
{
    CQYFormProperties* pForm = GetForm();
    if (pForm == nullptr || !pForm->IsDesignMode() || !IsDrawable(rect))
        return;
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    CRect rectOuter = rect;
    rectOuter.InflateRect(kFrameBand, kFrameBand);
    CRect rectBand = rectOuter;
    for (int i = 0; i < kFrameBand; ++i) {
        pDC->Draw3dRect(&rectBand, kNavy, kNavy);
        rectBand.DeflateRect(1, 1);
    }
    CBrush brushWhite;
    brushWhite.CreateSolidBrush(kWhite);
    const int mx = (rectOuter.left + rectOuter.right) / 2;
    const int my = (rectOuter.top + rectOuter.bottom) / 2;
    const CRect whiteParts[] = {
        {L, rectOuter.top, mx - 3, T},    {mx + 3, rectOuter.top, R, T},   {L, B, mx - 3, rectOuter.bottom},
        {mx + 3, B, R, rectOuter.bottom}, {rectOuter.left, T, L, my - 3},  {rectOuter.left, my + 3, L, B},
        {R, T, rectOuter.right, my - 3},  {R, my + 3, rectOuter.right, B},
    };
    for (const CRect& part : whiteParts)
        pDC->FillRect(&part, &brushWhite);
    if (rectOuter.Width() - 4 >= kFrameBand) {
        for (int x = rectOuter.left + 4; x <= rectOuter.right - 6; x += 4) {
            pDC->SetPixelV(x + 2, rectOuter.top + 2, kNavy);
            pDC->SetPixelV(x, rectOuter.top + 4, kNavy);
            pDC->SetPixelV(x + 2, rectOuter.bottom - 2, kNavy);
            pDC->SetPixelV(x, rectOuter.bottom - 4, kNavy);
        }
    }
    if (rectOuter.Height() - 4 >= kFrameBand) {
        for (int y = rectOuter.top + 4; y <= rectOuter.bottom - 6; y += 4) {
            pDC->SetPixelV(rectOuter.left + 2, y + 2, kNavy);
            pDC->SetPixelV(rectOuter.left + 4, y, kNavy);
            pDC->SetPixelV(rectOuter.right - 2, y + 2, kNavy);
            pDC->SetPixelV(rectOuter.right - 4, y, kNavy);
        }
    }
}
