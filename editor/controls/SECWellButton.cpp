#include "editor/controls/SECWellButton.h"

#include "editor/controls/SECPopupColorWell.h"

#include "framework/controls/ColorDialog.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Pen.h"

IMPLEMENT_DYNAMIC(SECWellButton, SECOwnerDrawButton)

BEGIN_MESSAGE_MAP(SECWellButton, SECOwnerDrawButton)
ON_MESSAGE(WM_SECCOLORWELL_SELCHANGE, OnColorChosen)
ON_MESSAGE(WM_SECCOLORWELL_OTHER, OnOtherColor)
END_MESSAGE_MAP()

SECWellButton::SECWellButton()
{
    CreateColorPalette();
    m_pPopup = new SECPopupColorWell;
}

SECWellButton::~SECWellButton()
{
    delete m_pPopup;
    m_pPopup = nullptr;
    m_palette.DeleteObject();
}

BOOL SECWellButton::CreateColorPalette()
{
    LOGPALETTE logPalette{};
    logPalette.palVersion = 0x300;
    logPalette.palNumEntries = 1;
    logPalette.palPalEntry[0] = {0, 0, 0, 0};
    if (m_palette.GetSafeHandle())
        m_palette.DeleteObject();
    return m_palette.CreatePalette(&logPalette);
}

void SECWellButton::SetColor(COLORREF color)
{
    PALETTEENTRY entry = {GetRValue(color), GetGValue(color), GetBValue(color), 0};
    m_palette.SetPaletteEntries(0, 1, &entry);
    if (GetSafeHwnd())
        Invalidate(TRUE);
}

COLORREF SECWellButton::GetColor() const
{
    PALETTEENTRY entry{};
    if (m_palette.GetPaletteEntries(0, 1, &entry) != 1)
        return RGB(0, 0, 0);
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

void SECWellButton::OnButtonClick()
{
    if (m_pPopup && m_pPopup->IsActive())
        return;
    ShowPopup();
}

void SECWellButton::ShowPopup()
{
    if (!m_pPopup)
        return;
    CRect rect;
    GetWindowRect(&rect);
    m_pPopup->Close();
    m_pPopup->Reset();
    m_pPopup->CreatePopup(WS_VISIBLE, rect, GetParent(), m_bMoreColors, NULL);
    m_pPopup->SetColor(GetColor());
    m_pPopup->SetPaletteMode(m_bPaletteMode);
    m_pPopup->SetNotifyWindow(this);
}

LRESULT SECWellButton::OnColorChosen(WPARAM, LPARAM lParam)
{
    COLORREF color = static_cast<COLORREF>(lParam);
    SetColor(color);
    Invalidate(TRUE);
    CWnd *parent = GetParent();
    if (parent)
        parent->SendMessage(WM_SECCOLORWELL_SELCHANGE, static_cast<WPARAM>(GetDlgCtrlID()), static_cast<LPARAM>(color));
    return 0;
}

LRESULT SECWellButton::OnOtherColor(WPARAM, LPARAM)
{
    CColorDialog dialog(0, 0, NULL);
    dialog.SetCurrentColor(GetColor());
    dialog.m_cc.Flags |= GetColorDialogFlags();
    if (GetCustomColors())
        dialog.m_cc.lpCustColors = GetCustomColors();
    if (dialog.DoModal() == IDOK)
        OnColorChosen(0, static_cast<LPARAM>(dialog.GetColor()));
    return 0;
}

// ---- Drawing

void SECWellButton::BeginDrawing(CDC *pScreenDC, CDC *pDrawDC)
{
    if (!m_bPaletteMode)
        return;
    m_pOldScreenPalette = pScreenDC->SelectPalette(&m_palette, TRUE);
    pScreenDC->RealizePalette();
    m_pOldDrawPalette = pDrawDC->SelectPalette(&m_palette, FALSE);
}

void SECWellButton::EndDrawing(CDC *pScreenDC, CDC *pDrawDC)
{
    if (!m_bPaletteMode)
        return;
    if (m_pOldScreenPalette)
        pScreenDC->SelectPalette(m_pOldScreenPalette, TRUE);
    if (m_pOldDrawPalette)
        pDrawDC->SelectPalette(m_pOldDrawPalette, FALSE);
    m_pOldScreenPalette = m_pOldDrawPalette = nullptr;
}

void SECWellButton::DrawFocusFrame(CDC *pDC, CRect *pRect)
{
    CRect rect(*pRect);
    rect.DeflateRect(1, 1);
    pDC->DrawFocusRect(&rect);
}

void SECWellButton::DrawContent(CDC *pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, CRect *pContent)
{
    const CRect &c = *pContent;
    pDC->SelectStockObject(BLACK_PEN);
    pDC->SelectStockObject(BLACK_BRUSH);
    pDC->SetPolyFillMode(WINDING);
    int x = c.right - 7, y = c.top + (c.bottom - c.top - 3) / 2;
    POINT arrow[3] = {{x, y}, {x + 4, y}, {x + 2, y + 2}};
    pDC->Polygon(arrow, 3);
    int lineHeight = c.bottom - c.top - 4;
    pDC->FillSolidRect(c.right - 10, c.top + 2, 1, lineHeight, SysColors().shadow);
    pDC->FillSolidRect(c.right - 9, c.top + 2, 1, lineHeight, SysColors().highlight);
    if (lpDrawItemStruct->itemState & ODS_DISABLED)
        return;
    CRect swatch(c.left + 3, c.top + 2, c.right - 13, c.bottom - 2);
    pDC->FrameRect(&swatch, CBrush::FromHandle(static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    swatch.DeflateRect(1, 1);
    CBrush fill(m_bPaletteMode ? PALETTEINDEX(0) : GetColor());
    pDC->FillRect(&swatch, &fill);
}
