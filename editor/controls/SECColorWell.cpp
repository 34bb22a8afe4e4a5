// The colour well: creation, palette, geometry, painting and selection.
#include "editor/controls/SECColorWell.h"

#include "editor/controls/SECColorWellOtherButton.h"
#include "editor/controls/SECControlStrings.h"

#include "framework/controls/Dialog.h"
#include "framework/controls/DialogManager.h"
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/WindowDC.h"

#include <vector>

IMPLEMENT_DYNAMIC(SECColorWell, CWnd)

BEGIN_MESSAGE_MAP(SECColorWell, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_SYSCOLORCHANGE()
ON_WM_CTLCOLOR()
ON_COMMAND(SEC_IDC_COLORWELL_OTHER, OnOtherColor)
END_MESSAGE_MAP()

namespace {

// The system colours every well draws with, shared by all wells and re-read
// by each constructor and on WM_SYSCOLORCHANGE.
struct WellColors {
    COLORREF highlight;
    COLORREF shadow;
    COLORREF face;
    COLORREF darkShadow;
    COLORREF light;
    COLORREF frame;
};
WellColors g_wellColors;

// The 20 standard system colours, used when the default palette gives none.
const COLORREF kStandardColors[20] = {RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
                                      RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192),
                                      RGB(192, 220, 192), RGB(166, 202, 240), RGB(255, 251, 240), RGB(160, 160, 164),
                                      RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(255, 255, 0),
                                      RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255)};

COLORREF EntryColor(const PALETTEENTRY &e)
{
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

} // namespace

SECColorWell::SECColorWell()
{
    ReadSysColors();
    m_backgroundBrush.CreateSolidBrush(g_wellColors.face);
    Reset();
}

SECColorWell::~SECColorWell()
{
    delete m_pOtherButton;
    m_pOtherButton = nullptr;
    m_backgroundBrush.DeleteObject();
    m_palette.DeleteObject();
}

void SECColorWell::ReadSysColors()
{
    g_wellColors = {GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNFACE),
                    GetSysColor(COLOR_3DDKSHADOW),   GetSysColor(COLOR_3DLIGHT),   GetSysColor(COLOR_WINDOWFRAME)};
}

void SECColorWell::Reset()
{
    m_nSelRow = 0;
    m_nSelColumn = 0;
    m_nHorzMargin = 2;
    m_nVertMargin = 2;
    m_nCaptionRoom = 0;
    m_bFocused = FALSE;
    m_bTrackMouse = FALSE;
    m_bHasOtherButton = FALSE;
    m_bCustomShown = FALSE;
    m_bPaletteMode = FALSE;
    delete m_pOtherButton;
    m_pOtherButton = nullptr;
    if (m_palette.GetSafeHandle())
        m_palette.DeleteObject();
}

void SECColorWell::SetMarginsForStyle(DWORD dwStyle)
{
    // 4 pixels around a raised border, 2 without, and one more for the focus frame.
    int margin = (dwStyle & 1) ? 4 : 2;
    if (HasFocusFrame())
        ++margin;
    m_nHorzMargin = m_nVertMargin = margin;
    m_nCaptionRoom = 0;
}

void SECColorWell::InitGridSize()
{
    m_nRows = 5;
    m_nColumns = 4;
}

void SECColorWell::CustomizeColors(PALETTEENTRY *, int, int) {}

void SECColorWell::CalcWellRect(CRect &rect, CWnd *pParentWnd, int x, int y, BOOL bDialogUnits)
{
    CDialog *dialog =
        pParentWnd && pParentWnd->IsKindOf(RUNTIME_CLASS(CDialog)) ? static_cast<CDialog *>(pParentWnd) : nullptr;
    if (dialog && dialog->GetSafeHwnd()) {
        CRect cell(0, 0, 10, 10);
        dialog->MapDialogRect(&cell);
        m_nCellWidth = cell.Width();
        m_nCellHeight = cell.Height();
        if (bDialogUnits) {
            CRect origin(x, y, x, y);
            dialog->MapDialogRect(&origin);
            x = origin.left;
            y = origin.top;
        }
    } else {
        LONG units = GetDialogBaseUnits();
        int unitX = LOWORD(units), unitY = HIWORD(units);
        m_nCellWidth = unitX * 10 / 4;
        m_nCellHeight = unitY * 10 / 8;
        if (bDialogUnits) {
            x = x * unitX / 4;
            y = y * unitY / 8;
        }
    }
    m_nButtonHeight = m_nCellHeight + 2;
    int width = 2 * m_nHorzMargin + m_nColumns * (m_nCellWidth + 2) - 2;
    int height = 2 * m_nVertMargin + m_nRows * (m_nCellHeight + 2) - 2;
    if (m_bHasOtherButton)
        height += m_nCellHeight + 8;
    rect.SetRect(x, y, x + width, y + height);
}

BOOL SECColorWell::WidenForOtherButton(CWnd *pParentWnd)
{
    if (!m_bHasOtherButton)
        return FALSE;
    // The button's caption, in the parent's font, must fit under the grid,
    // also once the button has made room for the custom cell: a grid
    // narrower than that is centred in a wider well.
    CString caption = SECControlString(SEC_IDS_COLORWELL_OTHER);
    caption.Remove('&');
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return FALSE;
    HFONT font = pParentWnd ? reinterpret_cast<HFONT>(pParentWnd->SendMessage(WM_GETFONT)) : nullptr;
    CFont *old = font ? dc.SelectObject(CFont::FromHandle(font)) : nullptr;
    const int needed = dc.GetTextExtent(caption).cx + 12 + m_nCellWidth + 2;
    if (old)
        dc.SelectObject(old);
    const int gridWidth = m_nColumns * (m_nCellWidth + 2) - 2;
    if (needed <= gridWidth)
        return FALSE;
    m_nCaptionRoom = (needed - gridWidth + 1) / 2;
    m_nHorzMargin += m_nCaptionRoom;
    return TRUE;
}

BOOL SECColorWell::CreatePalette()
{
    int gridCount = m_nRows * m_nColumns;
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<size_t>(gridCount + 1));
    auto *logPalette = reinterpret_cast<LOGPALETTE *>(storage.data());
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = static_cast<WORD>(gridCount + 1);
    PALETTEENTRY *entries = logPalette->palPalEntry;
    auto stock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    int filled = stock ? static_cast<int>(::GetPaletteEntries(stock, 0, static_cast<UINT>(gridCount), entries)) : 0;
    if (filled <= 0) {
        filled = gridCount < 20 ? gridCount : 20;
        for (int i = 0; i < filled; ++i)
            entries[i] = {GetRValue(kStandardColors[i]), GetGValue(kStandardColors[i]), GetBValue(kStandardColors[i]),
                          0};
    }
    for (int i = 0; i < filled; ++i)
        entries[i].peFlags = 0;
    CustomizeColors(entries, gridCount, filled);
    entries[gridCount] = {0, 0, 0, 0};
    m_bCustomShown = FALSE;
    if (m_palette.GetSafeHandle())
        m_palette.DeleteObject();
    return m_palette.CreatePalette(logPalette);
}

BOOL SECColorWell::Create(DWORD dwStyle, int x, int y, CWnd *pParentWnd, UINT nID, BOOL bDialogUnits, BOOL bOtherButton,
                          LPVOID lpCreateParam)
{
    InitGridSize();
    m_nCustomRow = m_nRows;
    m_nCustomIndex = m_nRows * m_nColumns;
    m_bHasOtherButton = bOtherButton;
    m_nCustomColumn = m_nColumns - 1;
    SetMarginsForStyle(dwStyle);
    CRect rect;
    CalcWellRect(rect, pParentWnd, x, y, bDialogUnits);
    if (WidenForOtherButton(pParentWnd))
        CalcWellRect(rect, pParentWnd, x, y, bDialogUnits);
    CreatePalette();
    // A pop-up is owned by its parent and placed on the screen; anything else
    // is a child.
    DWORD style = dwStyle | WS_CLIPCHILDREN | ((dwStyle & WS_POPUP) ? 0 : WS_CHILD);
    LPCTSTR windowClass = AfxRegisterWndClass(GetClassStyle());
    if (!CreateEx(0, windowClass, NULL, style, rect, pParentWnd, nID, lpCreateParam)) {
        m_palette.DeleteObject();
        return FALSE;
    }
    if (bOtherButton && !CreateOtherButton(SEC_IDC_COLORWELL_OTHER)) {
        delete m_pOtherButton;
        m_pOtherButton = nullptr;
        m_palette.DeleteObject();
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL SECColorWell::CreateOtherButton(UINT nID)
{
    CRect client;
    GetClientRect(&client);
    // The button spans the well, beyond a grid centred to make it room.
    const int side = m_nHorzMargin - m_nCaptionRoom;
    CRect buttonRect(side, 0, client.Width() - side, client.Height() - m_nVertMargin);
    buttonRect.top = buttonRect.bottom - m_nButtonHeight;
    m_pOtherButton = new SECColorWellOtherButton;
    CString caption = SECControlString(SEC_IDS_COLORWELL_OTHER);
    if (!m_pOtherButton->Create(caption, WS_CHILD | WS_VISIBLE, buttonRect, this, nID))
        return FALSE;
    CWnd *parent = GetParent() ? GetParent() : GetOwner();
    if (parent)
        m_pOtherButton->SendMessage(WM_SETFONT, static_cast<WPARAM>(parent->SendMessage(WM_GETFONT)));
    return TRUE;
}

// ---- Geometry

CRect SECColorWell::GetCellRect(int nColumn, int nRow) const
{
    CRect rect;
    rect.left = m_nHorzMargin + nColumn * (m_nCellWidth + 2);
    rect.top = m_nVertMargin + nRow * (m_nCellHeight + 2);
    rect.right = rect.left + m_nCellWidth;
    rect.bottom = rect.top + m_nCellHeight;
    if (nColumn == m_nCustomColumn && nRow == m_nCustomRow && m_bHasOtherButton)
        rect.OffsetRect(0, 5);
    return rect;
}

BOOL SECColorWell::HitTest(CPoint point, SECWellCell &cell) const
{
    for (int column = 0; column < m_nColumns; ++column)
        for (int row = 0; row < m_nRows; ++row) {
            CRect rect = GetCellRect(column, row);
            rect.InflateRect(1, 1);
            if (rect.PtInRect(point)) {
                cell = {column, row};
                return TRUE;
            }
        }
    if (m_bHasOtherButton && m_bCustomShown) {
        CRect rect = GetCellRect(m_nCustomColumn, m_nCustomRow);
        rect.InflateRect(1, 1);
        if (rect.PtInRect(point)) {
            cell = {m_nCustomColumn, m_nCustomRow};
            return TRUE;
        }
    }
    return FALSE;
}

BOOL SECColorWell::IsValidCell(int nColumn, int nRow) const
{
    if (nColumn == m_nCustomColumn && nRow == m_nCustomRow)
        return m_bHasOtherButton && m_bCustomShown;
    return nColumn >= 0 && nColumn < m_nColumns && nRow >= 0 && nRow < m_nRows;
}

int SECColorWell::PaletteIndex(int nColumn, int nRow) const
{
    if (nColumn == m_nCustomColumn && nRow == m_nCustomRow)
        return m_nCustomIndex;
    return nColumn + nRow * m_nColumns;
}

COLORREF SECColorWell::CellColor(int nColumn, int nRow) const
{
    PALETTEENTRY entry{};
    if (!m_palette.GetSafeHandle() ||
        m_palette.GetPaletteEntries(static_cast<UINT>(PaletteIndex(nColumn, nRow)), 1, &entry) != 1)
        return RGB(0, 0, 0);
    return EntryColor(entry);
}

// ---- Selection

COLORREF SECColorWell::GetColor() const
{
    return CellColor(m_nSelColumn, m_nSelRow);
}

void SECColorWell::InvalidateCell(int nColumn, int nRow)
{
    if (!GetSafeHwnd())
        return;
    CRect rect = GetCellRect(nColumn, nRow);
    rect.InflateRect(1, 1);
    InvalidateRect(&rect, FALSE);
}

void SECColorWell::ChangeSelection(int nColumn, int nRow)
{
    if (nColumn == m_nSelColumn && nRow == m_nSelRow)
        return;
    InvalidateCell(m_nSelColumn, m_nSelRow);
    m_nSelColumn = nColumn;
    m_nSelRow = nRow;
    InvalidateCell(m_nSelColumn, m_nSelRow);
}

void SECColorWell::SelectCell(int nColumn, int nRow, int)
{
    ChangeSelection(nColumn, nRow);
    NotifyColor();
}

void SECColorWell::NotifyColor()
{
    CWnd *parent = GetParent();
    if (parent)
        parent->SendMessage(WM_SECCOLORWELL_SELCHANGE, static_cast<WPARAM>(GetDlgCtrlID()),
                            static_cast<LPARAM>(GetColor()));
}

void SECColorWell::SetColor(COLORREF color)
{
    color &= 0x00FFFFFF;
    for (int column = 0; column < m_nColumns; ++column)
        for (int row = 0; row < m_nRows; ++row)
            if (CellColor(column, row) == color) {
                ChangeSelection(column, row);
                return;
            }
    if (!m_bHasOtherButton || !m_palette.GetSafeHandle())
        return;
    PALETTEENTRY entry = {GetRValue(color), GetGValue(color), GetBValue(color), 0};
    m_palette.SetPaletteEntries(static_cast<UINT>(m_nCustomIndex), 1, &entry);
    if (!m_bCustomShown) {
        m_bCustomShown = TRUE;
        if (m_pOtherButton && m_pOtherButton->GetSafeHwnd()) {
            CRect buttonRect;
            m_pOtherButton->GetWindowRect(&buttonRect);
            ScreenToClient(&buttonRect);
            buttonRect.right -= m_nCellWidth + 2;
            m_pOtherButton->MoveWindow(&buttonRect);
        }
    }
    InvalidateCell(m_nCustomColumn, m_nCustomRow);
    ChangeSelection(m_nCustomColumn, m_nCustomRow);
}

// ---- Painting

void SECColorWell::DrawCell(CDC *pDC, CDC *pClipDC, CPoint origin, int nColumn, int nRow)
{
    CRect rect = GetCellRect(nColumn, nRow);
    rect.OffsetRect(origin.x, origin.y);
    if (pClipDC && !pClipDC->RectVisible(&rect))
        return;
    pDC->Draw3dRect(&rect, g_wellColors.shadow, g_wellColors.highlight);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, g_wellColors.darkShadow, g_wellColors.light);
    rect.DeflateRect(1, 1);
    pDC->FillSolidRect(&rect, CellColor(nColumn, nRow));
}

void SECColorWell::DrawSelectedCell(CDC *pDC, CDC *pClipDC, CPoint origin, int nColumn, int nRow)
{
    CRect rect = GetCellRect(nColumn, nRow);
    rect.OffsetRect(origin.x, origin.y);
    rect.InflateRect(1, 1);
    if (pClipDC && !pClipDC->RectVisible(&rect))
        return;
    CBrush black(RGB(0, 0, 0)), white(RGB(255, 255, 255));
    pDC->FrameRect(&rect, &black);
    rect.DeflateRect(1, 1);
    pDC->FrameRect(&rect, &white);
    rect.DeflateRect(1, 1);
    pDC->FrameRect(&rect, &black);
    rect.DeflateRect(1, 1);
    pDC->FillSolidRect(&rect, CellColor(nColumn, nRow));
}

void SECColorWell::DrawWell(CDC *pDC, CDC *pClipDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, g_wellColors.face);
    if (HasFocusFrame()) {
        if (m_bFocused) {
            CBrush frame(g_wellColors.frame);
            pDC->FrameRect(&client, &frame);
        }
        client.DeflateRect(1, 1);
    }
    if (GetStyle() & 1) {
        pDC->Draw3dRect(&client, g_wellColors.light, g_wellColors.darkShadow);
        client.DeflateRect(1, 1);
        pDC->Draw3dRect(&client, g_wellColors.highlight, g_wellColors.shadow);
    }
    CPoint origin(0, 0);
    for (int column = 0; column < m_nColumns; ++column)
        for (int row = 0; row < m_nRows; ++row) {
            if (column == m_nSelColumn && row == m_nSelRow)
                DrawSelectedCell(pDC, pClipDC, origin, column, row);
            else
                DrawCell(pDC, pClipDC, origin, column, row);
        }
    if (!m_bHasOtherButton)
        return;
    int gridWidth = m_nColumns * (m_nCellWidth + 2) - 2;
    pDC->Draw3dRect(m_nHorzMargin, m_nVertMargin + m_nRows * (m_nCellHeight + 2), gridWidth, 2, g_wellColors.shadow,
                    RGB(255, 255, 255));
    if (!m_bCustomShown)
        return;
    if (m_nSelColumn == m_nCustomColumn && m_nSelRow == m_nCustomRow)
        DrawSelectedCell(pDC, pClipDC, origin, m_nCustomColumn, m_nCustomRow);
    else
        DrawCell(pDC, pClipDC, origin, m_nCustomColumn, m_nCustomRow);
}

void SECColorWell::OnPaint()
{
    CPaintDC paintDC(this);
    if (m_bPaletteMode && m_palette.GetSafeHandle()) {
        paintDC.SelectPalette(&m_palette, FALSE);
        paintDC.RealizePalette();
    }
    CRect client;
    GetClientRect(&client);
    CDC memoryDC;
    CBitmap bitmap;
    if (!memoryDC.CreateCompatibleDC(&paintDC) ||
        !bitmap.CreateCompatibleBitmap(&paintDC, client.Width(), client.Height())) {
        DrawWell(&paintDC, &paintDC);
        return;
    }
    CBitmap *oldBitmap = memoryDC.SelectObject(&bitmap);
    if (m_bPaletteMode && m_palette.GetSafeHandle())
        memoryDC.SelectPalette(&m_palette, FALSE);
    DrawWell(&memoryDC, &paintDC);
    CRect clip;
    paintDC.GetClipBox(&clip);
    paintDC.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &memoryDC, clip.left, clip.top, SRCCOPY);
    memoryDC.SelectObject(oldBitmap);
}

BOOL SECColorWell::OnEraseBkgnd(CDC *)
{
    // The whole well is painted in one step by OnPaint.
    return TRUE;
}

void SECColorWell::OnSysColorChange()
{
    Default();
    ReadSysColors();
    m_backgroundBrush.DeleteObject();
    m_backgroundBrush.CreateSolidBrush(g_wellColors.face);
    Invalidate(TRUE);
}

HBRUSH SECColorWell::OnCtlColor(CDC *pDC, CWnd *pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_BTN)
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkColor(g_wellColors.face);
    return static_cast<HBRUSH>(m_backgroundBrush.GetSafeHandle());
}
