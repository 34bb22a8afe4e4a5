// CToolBar's look: the button face, the gripper, flat buttons raised under
// the mouse and sunken while pressed or checked, and the images from the
// strip, embossed when the button is disabled.
#include "framework/appui/ToolBar.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/WindowDC.h"

#include <cstdint>
#include <vector>

namespace {

// The strip's colours that stand for the button face.
bool IsBackground(uint32_t rgb)
{
    return rgb == 0xC0C0C0u || rgb == 0xFF00FFu;
}

uint32_t Rgb(COLORREF c)
{
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

bool IsDark(uint32_t rgb)
{
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return (r * 30 + g * 59 + b * 11) / 100 < 160;
}

BITMAPINFO TopDownInfo(int cx, int cy)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool MakeBitmap(CBitmap &bitmap, HDC hdc, int cx, int cy, const std::vector<uint32_t> &pixels)
{
    bitmap.DeleteObject();
    // A colour bitmap of its own: one compatible with a fresh memory
    // context would be monochrome.
    if (!bitmap.Attach(::CreateBitmap(cx, cy, 1, 32, nullptr)))
        return false;
    BITMAPINFO info = TopDownInfo(cx, cy);
    return ::SetDIBits(hdc, static_cast<HBITMAP>(bitmap.GetSafeHandle()), 0, static_cast<UINT>(cy), pixels.data(),
                       &info, DIB_RGB_COLORS) > 0;
}

} // namespace

// The strip on the button face, and its disabled look: the dark parts of
// each image in the highlight colour, one pixel down and right, under the
// same parts in the shadow colour.
void CToolBar::PrepareImages()
{
    m_bmNormal.DeleteObject();
    m_bmDisabled.DeleteObject();
    m_nImages = 0;
    BITMAP bm{};
    if (m_bmImages.GetSafeHandle() == nullptr || m_bmImages.GetBitmap(&bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return;
    const int cx = bm.bmWidth, cy = bm.bmHeight;
    std::vector<uint32_t> pixels(static_cast<size_t>(cx) * static_cast<size_t>(cy));
    HDC hdc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO info = TopDownInfo(cx, cy);
    const bool bRead = ::GetDIBits(hdc, static_cast<HBITMAP>(m_bmImages.GetSafeHandle()), 0, static_cast<UINT>(cy),
                                   pixels.data(), &info, DIB_RGB_COLORS) > 0;
    if (bRead) {
        const uint32_t face = Rgb(GetSysColor(COLOR_BTNFACE));
        const uint32_t light = Rgb(GetSysColor(COLOR_BTNHIGHLIGHT));
        const uint32_t shadow = Rgb(GetSysColor(COLOR_BTNSHADOW));
        std::vector<uint32_t> normal(pixels.size()), disabled(pixels.size(), face);
        for (size_t i = 0; i < pixels.size(); ++i) {
            const uint32_t rgb = pixels[i] & 0xFFFFFFu;
            normal[i] = IsBackground(rgb) ? face : rgb;
        }
        for (int pass = 0; pass < 2; ++pass) {
            for (int y = 0; y < cy; ++y) {
                for (int x = 0; x < cx; ++x) {
                    const uint32_t rgb = pixels[static_cast<size_t>(y) * cx + x] & 0xFFFFFFu;
                    if (IsBackground(rgb) || !IsDark(rgb))
                        continue;
                    const int dx = pass == 0 ? 1 : 0;
                    if (x + dx < cx && y + dx < cy)
                        disabled[static_cast<size_t>(y + dx) * cx + x + dx] = pass == 0 ? light : shadow;
                }
            }
        }
        if (MakeBitmap(m_bmNormal, hdc, cx, cy, normal) && MakeBitmap(m_bmDisabled, hdc, cx, cy, disabled))
            m_nImages = cy >= m_sizeImage.cy ? cx / m_sizeImage.cx : 0;
    }
    ::DeleteDC(hdc);
}

void CToolBar::DrawGripper(CDC *pDC, const CRect &rect)
{
    if (!(m_dwStyle & CBRS_GRIPPER) || IsFloating())
        return;
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const CPoint origin = Origin();
    if (IsHorzBar() || !(m_dwStyle & CBRS_ORIENT_VERT))
        pDC->Draw3dRect(origin.x - 6, rect.top + 2, 3, rect.Height() - 4, light, shadow);
    else
        pDC->Draw3dRect(rect.left + 2, origin.y - 6, rect.Width() - 4, 3, light, shadow);
}

void CToolBar::DrawButton(CDC *pDC, int nIndex) const
{
    const Button &button = m_buttons[static_cast<size_t>(nIndex)];
    CRect rect = button.rect;
    if (rect.IsRectEmpty())
        return;
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    if (button.nStyle & TBBS_SEPARATOR) {
        if (rect.Width() > rect.Height())
            pDC->Draw3dRect(rect.left + 2, rect.CenterPoint().y - 1, rect.Width() - 4, 2, shadow, light);
        else
            pDC->Draw3dRect(rect.CenterPoint().x - 1, rect.top + 2, 2, rect.Height() - 4, shadow, light);
        return;
    }
    const bool bDisabled = (button.nStyle & TBBS_DISABLED) != 0;
    const bool bDown = (button.nStyle & (TBBS_PRESSED | TBBS_CHECKED)) != 0;
    const bool bFlat = (m_dwCtrlStyle & TBSTYLE_FLAT) != 0;
    if ((button.nStyle & (TBBS_CHECKED | TBBS_INDETERMINATE)) && !(button.nStyle & TBBS_PRESSED))
        pDC->FillSolidRect(rect.left + 1, rect.top + 1, rect.Width() - 2, rect.Height() - 2,
                           RGB((GetRValue(light) + GetRValue(GetSysColor(COLOR_BTNFACE))) / 2,
                               (GetGValue(light) + GetGValue(GetSysColor(COLOR_BTNFACE))) / 2,
                               (GetBValue(light) + GetBValue(GetSysColor(COLOR_BTNFACE))) / 2));
    if (bDown)
        pDC->Draw3dRect(&rect, shadow, light);
    else if (!bFlat || (nIndex == m_iHot && !bDisabled))
        pDC->Draw3dRect(&rect, light, shadow);

    CBitmap &strip = const_cast<CBitmap &>(bDisabled ? m_bmDisabled : m_bmNormal);
    if (button.iImage < 0 || button.iImage >= m_nImages || strip.GetSafeHandle() == nullptr)
        return; // no image for it: a blank button
    CDC memory;
    if (!memory.CreateCompatibleDC(pDC))
        return;
    CBitmap *pOld = memory.SelectObject(&strip);
    const int x = rect.left + (rect.Width() - m_sizeImage.cx) / 2 + (bDown ? 1 : 0);
    const int y = rect.top + (rect.Height() - m_sizeImage.cy) / 2 + (bDown ? 1 : 0);
    pDC->BitBlt(x, y, m_sizeImage.cx, m_sizeImage.cy, &memory, button.iImage * m_sizeImage.cx, 0, SRCCOPY);
    memory.SelectObject(pOld);
}

void CToolBar::Draw(CDC *pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
    CRect inside = rect;
    DrawBorders(pDC, inside);
    DrawGripper(pDC, inside);
    for (int i = 0; i < GetCount(); ++i)
        DrawButton(pDC, i);
}

void CToolBar::OnPaint()
{
    CPaintDC dc(this);
    Draw(&dc);
}
