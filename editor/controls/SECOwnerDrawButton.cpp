#include "editor/controls/SECOwnerDrawButton.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/WindowDC.h"

IMPLEMENT_DYNAMIC(SECOwnerDrawButton, CButton)

BEGIN_MESSAGE_MAP(SECOwnerDrawButton, CButton)
ON_WM_SYSCOLORCHANGE()
ON_WM_KEYUP()
ON_WM_GETDLGCODE()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
END_MESSAGE_MAP()

namespace {

SECOwnerDrawButton::Colors g_buttonColors;

// Paints the brush where the mask is black and keeps the destination where
// it is white.
const DWORD kRopBrushWhereMaskBlack = 0x00B8074A;

} // namespace

SECOwnerDrawButton::SECOwnerDrawButton()
{
    RefreshSysColors();
}

const SECOwnerDrawButton::Colors &SECOwnerDrawButton::SysColors()
{
    return g_buttonColors;
}

void SECOwnerDrawButton::RefreshSysColors()
{
    g_buttonColors = {GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT),
                      GetSysColor(COLOR_BTNFACE)};
}

BOOL SECOwnerDrawButton::SubclassButton(UINT nID, CWnd *pParentWnd, DWORD dwExtraStyle)
{
    m_dwExtraStyle = dwExtraStyle;
    return SubclassDlgItem(nID, pParentWnd);
}

BOOL SECOwnerDrawButton::CreateButton(LPCTSTR lpszCaption, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID,
                                      DWORD dwExtraStyle)
{
    m_dwExtraStyle = dwExtraStyle;
    return Create(lpszCaption, dwStyle | BS_OWNERDRAW, rect, pParentWnd, nID);
}

void SECOwnerDrawButton::OnButtonClick() {}

LRESULT SECOwnerDrawButton::ApplyButtonStyle(WPARAM wParam, LPARAM lParam)
{
    DWORD before = GetStyle();
    ModifyStyle(0, static_cast<DWORD>(wParam) | BS_OWNERDRAW);
    if (GetStyle() != before && LOWORD(lParam))
        Invalidate(TRUE);
    return 0;
}

LRESULT SECOwnerDrawButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    return ApplyButtonStyle(wParam, lParam);
}

void SECOwnerDrawButton::BeginDrawing(CDC *, CDC *) {}

void SECOwnerDrawButton::EndDrawing(CDC *, CDC *) {}

// ---- Drawing

void SECOwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC *itemDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    UINT action = lpDrawItemStruct->itemAction;
    if (action & (ODA_DRAWENTIRE | ODA_SELECT)) {
        DrawStates(itemDC, lpDrawItemStruct);
        DrawFocus(itemDC, lpDrawItemStruct);
    } else if (action & ODA_FOCUS) {
        DrawFocus(itemDC, lpDrawItemStruct);
    }
}

void SECOwnerDrawButton::DrawStates(CDC *pItemDC, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CRect item(lpDrawItemStruct->rcItem);
    CDC memoryDC;
    CBitmap bitmap;
    if (!memoryDC.CreateCompatibleDC(pItemDC) || !bitmap.CreateCompatibleBitmap(pItemDC, item.Width(), item.Height())) {
        // Drawn straight on the screen, without the embossing.
        BeginDrawing(pItemDC, pItemDC);
        CRect content = DrawButtonFrame(pItemDC, lpDrawItemStruct);
        DrawContent(pItemDC, lpDrawItemStruct, &content);
        EndDrawing(pItemDC, pItemDC);
        return;
    }
    CBitmap *oldBitmap = memoryDC.SelectObject(&bitmap);
    BeginDrawing(pItemDC, &memoryDC);
    CRect content = DrawButtonFrame(&memoryDC, lpDrawItemStruct);
    DrawContent(&memoryDC, lpDrawItemStruct, &content);
    if (lpDrawItemStruct->itemState & ODS_DISABLED)
        DrawDisabledImage(&memoryDC, item.Width(), item.Height());
    pItemDC->BitBlt(0, 0, item.Width(), item.Height(), &memoryDC, 0, 0, SRCCOPY);
    EndDrawing(pItemDC, &memoryDC);
    memoryDC.SelectObject(oldBitmap);
}

void SECOwnerDrawButton::DrawOldOutline(CDC *pDC, CRect &rect)
{
    COLORREF frame = g_buttonColors.frame;
    int width = rect.Width(), height = rect.Height();
    pDC->FillSolidRect(rect.left + 1, rect.top, width - 2, 1, frame);
    pDC->FillSolidRect(rect.left, rect.top + 1, 1, height - 2, frame);
    pDC->FillSolidRect(rect.right, rect.top + 1, -1, height - 2, frame);
    pDC->FillSolidRect(rect.left + 1, rect.bottom, width - 2, -1, frame);
    rect.DeflateRect(1, 1);
}

CRect SECOwnerDrawButton::DrawButtonFrame(CDC *pDC, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const Colors &c = g_buttonColors;
    CRect rect(lpDrawItemStruct->rcItem);
    pDC->FillSolidRect(&rect, c.face);
    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        if (m_bNewLook) {
            pDC->Draw3dRect(&rect, c.frame, c.highlight);
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(&rect, c.shadow, c.face);
        } else {
            DrawOldOutline(pDC, rect);
            pDC->Draw3dRect(&rect, c.shadow, c.highlight);
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(&rect, c.shadow, c.highlight);
        }
        rect.left += 1;
        rect.top += 1;
        return rect;
    }
    if (m_bNewLook && m_bFlat)
        return rect;
    if (m_bNewLook) {
        pDC->Draw3dRect(&rect, c.highlight, c.frame);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, c.face, c.shadow);
    } else {
        DrawOldOutline(pDC, rect);
        pDC->Draw3dRect(&rect, c.highlight, c.shadow);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, c.highlight, c.shadow);
    }
    rect.right -= 1;
    rect.bottom -= 1;
    return rect;
}

void SECOwnerDrawButton::DrawDisabledImage(CDC *pDC, int nWidth, int nHeight)
{
    const Colors &c = g_buttonColors;
    CDC maskDC;
    CBitmap mask;
    if (!maskDC.CreateCompatibleDC(pDC) || !mask.CreateBitmap(nWidth, nHeight, 1, 1, NULL))
        return;
    CBitmap *oldMask = maskDC.SelectObject(&mask);
    maskDC.PatBlt(0, 0, nWidth, nHeight, WHITENESS);
    // White where the face shows the face or the highlight colour.
    pDC->SetBkColor(c.face);
    maskDC.BitBlt(0, 0, nWidth - 3, nHeight - 3, pDC, 1, 1, SRCCOPY);
    pDC->SetBkColor(c.highlight);
    maskDC.BitBlt(0, 0, nWidth - 3, nHeight - 3, pDC, 1, 1, SRCPAINT);
    pDC->SetBkColor(RGB(255, 255, 255));
    pDC->SetTextColor(RGB(0, 0, 0));
    CBrush highlight(c.highlight), shadow(c.shadow);
    CBrush *oldBrush = pDC->SelectObject(&highlight);
    pDC->BitBlt(2, 2, nWidth - 4, nHeight - 4, &maskDC, 0, 0, kRopBrushWhereMaskBlack);
    pDC->SelectObject(&shadow);
    pDC->BitBlt(1, 1, nWidth - 3, nHeight - 3, &maskDC, 0, 0, kRopBrushWhereMaskBlack);
    pDC->SelectObject(oldBrush);
    maskDC.SelectObject(oldMask);
}

void SECOwnerDrawButton::DrawFocus(CDC *pDC, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (!(lpDrawItemStruct->itemState & ODS_FOCUS))
        return;
    CRect rect(lpDrawItemStruct->rcItem);
    int inset = m_bNewLook ? 1 : 2;
    rect.DeflateRect(inset, inset);
    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        rect.left += 1;
        rect.top += 1;
    } else {
        rect.right -= 1;
        rect.bottom -= 1;
    }
    pDC->SetBkColor(g_buttonColors.face);
    DrawFocusFrame(pDC, &rect);
}

// ---- Messages

void SECOwnerDrawButton::OnSysColorChange()
{
    CButton::OnSysColorChange();
    RefreshSysColors();
    Invalidate(TRUE);
}

void SECOwnerDrawButton::OnKeyUp(UINT nChar, UINT, UINT)
{
    Default();
    if (nChar == VK_SPACE)
        OnButtonClick();
}

UINT SECOwnerDrawButton::OnGetDlgCode()
{
    if ((m_dwExtraStyle & 1) && GetFocus() == this)
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    return DLGC_BUTTON;
}

void SECOwnerDrawButton::OnLButtonUp(UINT, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point) && (GetState() & BST_PUSHED) && GetCapture() == this)
        OnButtonClick();
    Default();
}

void SECOwnerDrawButton::DrawHoverFrame(BOOL bShow)
{
    CRect client;
    GetClientRect(&client);
    CDC *dc = GetDC();
    if (!dc)
        return;
    if (bShow)
        dc->Draw3dRect(&client, g_buttonColors.highlight, g_buttonColors.shadow);
    else
        dc->Draw3dRect(&client, g_buttonColors.face, g_buttonColors.face);
    ReleaseDC(dc);
}

void SECOwnerDrawButton::OnMouseMove(UINT, CPoint point)
{
    if (m_bFlat && !(GetState() & BST_PUSHED)) {
        CRect client;
        GetClientRect(&client);
        if (client.PtInRect(point)) {
            if (GetCapture() != this)
                SetCapture();
            DrawHoverFrame(TRUE);
        } else {
            DrawHoverFrame(FALSE);
            if (GetCapture() == this)
                ReleaseCapture();
        }
    }
    Default();
}
