// Logical palettes and their selection into contexts.
#include "framework/gdi/Palette.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/DibCodec.h"

#include <algorithm>

namespace {

// A logical palette holds at most this many entries.
constexpr UINT kMaxEntries = 1024;

std::shared_ptr<PaletteData> Data(HGDIOBJ h)
{
    return GdiHandles::LookupAs<PaletteData>(h, GdiObjectKind::Palette);
}

void Put(PaletteData &p, size_t i, const PALETTEENTRY &e)
{
    p.entries[i] = RGB(e.peRed, e.peGreen, e.peBlue);
    p.flags[i] = e.peFlags;
}

} // namespace

HPALETTE CreatePalette(const LOGPALETTE *plpal)
{
    if (!plpal || plpal->palVersion != 0x300 || plpal->palNumEntries == 0 || plpal->palNumEntries > kMaxEntries)
        return nullptr;
    auto p = std::make_shared<PaletteData>();
    p->entries.resize(plpal->palNumEntries);
    p->flags.resize(plpal->palNumEntries);
    for (size_t i = 0; i < plpal->palNumEntries; ++i)
        Put(*p, i, plpal->palPalEntry[i]);
    return GdiHandles::Insert(std::move(p));
}

HPALETTE CreateHalftonePalette(HDC)
{
    auto p = std::make_shared<PaletteData>();
    for (uint32_t c : DibCodec::HalftoneColours())
        p->entries.push_back(Paints::ToColorRef(c));
    p->flags.assign(p->entries.size(), 0);
    return GdiHandles::Insert(std::move(p));
}

UINT GetPaletteEntries(HPALETTE hpal, UINT iStart, UINT cEntries, LPPALETTEENTRY pPalEntries)
{
    auto p = Data(hpal);
    if (!p)
        return 0;
    UINT size = static_cast<UINT>(p->entries.size());
    if (!pPalEntries)
        return size;
    if (iStart >= size)
        return 0;
    UINT n = std::min(cEntries, size - iStart);
    for (UINT i = 0; i < n; ++i) {
        COLORREF c = p->entries[iStart + i];
        BYTE flags = iStart + i < p->flags.size() ? p->flags[iStart + i] : 0;
        pPalEntries[i] = PALETTEENTRY{GetRValue(c), GetGValue(c), GetBValue(c), flags};
    }
    return n;
}

UINT SetPaletteEntries(HPALETTE hpal, UINT iStart, UINT cEntries, const PALETTEENTRY *pPalEntries)
{
    auto p = Data(hpal);
    if (!p || !pPalEntries || p->stock)
        return 0;
    UINT size = static_cast<UINT>(p->entries.size());
    if (iStart >= size)
        return 0;
    p->flags.resize(size);
    // The next drawing uses the new entries, realized or not; a copy held
    // for an earlier resize takes them too.
    UINT n = std::min(cEntries, size - iStart);
    for (UINT i = 0; i < n; ++i) {
        Put(*p, iStart + i, pPalEntries[i]);
        if (iStart + i < p->realized.size())
            p->realized[iStart + i] = p->entries[iStart + i];
    }
    return n;
}

UINT GetNearestPaletteIndex(HPALETTE h, COLORREF color)
{
    auto p = Data(h);
    if (!p || p->entries.empty())
        return CLR_INVALID;
    std::vector<uint32_t> table;
    for (COLORREF c : p->entries)
        table.push_back(Paints::ToPixel(c));
    return static_cast<UINT>(DibCodec::Nearest(table, Paints::ToPixel(Paints::Resolve(color, p.get()))));
}

BOOL ResizePalette(HPALETTE hpal, UINT n)
{
    auto p = Data(hpal);
    if (!p || p->stock || n == 0 || n > kMaxEntries)
        return FALSE;
    p->HoldRealized();
    p->entries.resize(n, RGB(0, 0, 0));
    p->flags.resize(n, 0);
    return TRUE;
}

HPALETTE SelectPalette(HDC hdc, HPALETTE hPal, BOOL)
{
    if (!hdc || !Data(hPal))
        return nullptr;
    return SelectObject(hdc, hPal);
}

UINT RealizePalette(HDC hdc)
{
    if (!hdc)
        return GDI_ERROR;
    // Drawing takes the palette's current entries from now on.
    if (hdc->state.palette && !hdc->state.palette->stock)
        hdc->state.palette->realized.clear();
    return 0;
}

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette)
{
    return AttachNew(::CreatePalette(lpLogPalette));
}

BOOL CPalette::CreateHalftonePalette(CDC *pDC)
{
    return AttachNew(::CreateHalftonePalette(pDC ? pDC->m_hDC : nullptr));
}

int CPalette::GetEntryCount()
{
    return static_cast<int>(::GetPaletteEntries(m_hObject, 0, 0, nullptr));
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
{
    return ::GetPaletteEntries(m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors)
{
    return ::SetPaletteEntries(m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
}

void CPalette::AnimatePalette(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors)
{
    // Only entries made with PC_RESERVED change.
    auto p = Data(m_hObject);
    if (!p || !lpPaletteColors)
        return;
    for (UINT i = 0; i < nNumEntries; ++i) {
        size_t k = static_cast<size_t>(nStartIndex) + i;
        if (k < p->entries.size() && k < p->flags.size() && (p->flags[k] & PC_RESERVED)) {
            // Animated entries change at once, for drawing too.
            Put(*p, k, lpPaletteColors[i]);
            if (k < p->realized.size())
                p->realized[k] = p->entries[k];
        }
    }
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const
{
    return ::GetNearestPaletteIndex(m_hObject, crColor);
}

BOOL CPalette::ResizePalette(UINT nNumEntries)
{
    return ::ResizePalette(m_hObject, nNumEntries);
}

CPalette *CDC::SelectPalette(CPalette *pPalette, BOOL bForceBackground)
{
    if (!pPalette)
        return nullptr;
    HPALETTE previous = ::SelectPalette(m_hDC, pPalette->m_hObject, bForceBackground);
    if (m_hAttribDC && m_hAttribDC != m_hDC) {
        HPALETTE attribPrevious = ::SelectPalette(m_hAttribDC, pPalette->m_hObject, bForceBackground);
        if (!previous)
            previous = attribPrevious;
    }
    return previous ? CPalette::FromHandle(previous) : nullptr;
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}
