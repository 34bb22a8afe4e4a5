// CDC: creation, attributes, object selection and saved states.
#include "framework/gdi/DeviceContext.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/SystemColors.h"

#include "framework/base/HandleMap.h"

#include <memory>

namespace {

using DCMap = CHandleMap<HDC, CDC>;

// GUI thread only (see HandleMap.h).
DCMap &Map()
{
    static DCMap *map = new DCMap; // outlives every static CDC
    return *map;
}

} // namespace

IMPLEMENT_DYNAMIC(CDC, CObject)

// Queries go to the attribute context, output to the output context.
static HDC Attr(const CDC *dc)
{
    return dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC;
}

template <typename F>
void CDC::ForEachDC(F f)
{
    if (m_hDC)
        f(m_hDC);
    if (m_hAttribDC && m_hAttribDC != m_hDC)
        f(m_hAttribDC);
}

// As in the framework, the object owns the output context it holds: the
// destructor deletes it unless the program detached it first.
CDC::~CDC()
{
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC *CDC::FromHandle(HDC hDC)
{
    if (!hDC)
        return nullptr;
    if (CDC *pDC = Map().LookupPermanent(hDC))
        return pDC;
    return Map().TemporaryFor(hDC, [hDC]() {
        auto pDC = std::make_unique<CDC>();
        pDC->m_hDC = pDC->m_hAttribDC = hDC;
        pDC->m_bPrinting = hDC->printing;
        return pDC;
    });
}

void CDC::DeleteTempMap()
{
    // A temporary wrapper only borrows its handles.
    Map().DeleteTemporaries([](CDC &dc) { dc.m_hDC = dc.m_hAttribDC = nullptr; });
}

BOOL CDC::Attach(HDC hDC)
{
    if (m_hDC || !hDC)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    m_bPrinting = hDC->printing;
    Map().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    if (h)
        Map().RemovePermanent(h, this);
    m_hDC = m_hAttribDC = nullptr;
    return h;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}
void CDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
}
void CDC::ReleaseAttribDC()
{
    m_hAttribDC = nullptr;
}
void CDC::ReleaseOutputDC()
{
    m_hDC = nullptr;
}

BOOL CDC::CreateCompatibleDC(CDC *pDC)
{
    HDC h = CreateMemoryDC(pDC ? Attr(pDC) : nullptr);
    if (!h)
        return FALSE;
    DeleteDC();
    return Attach(h);
}

BOOL CDC::CreateImageDC(QImage *pImage)
{
    HDC h = ::CreateImageDC(pImage);
    if (!h)
        return FALSE;
    DeleteDC();
    return Attach(h);
}

BOOL CDC::CreatePaintDeviceDC(QPaintDevice *pDevice, BOOL bPrinting)
{
    HDC h = ::CreatePaintDeviceDC(pDevice, bPrinting != FALSE);
    if (!h)
        return FALSE;
    DeleteDC();
    return Attach(h);
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(Attr(this), nIndex);
}

int GetDeviceCaps(HDC hdc, int index)
{
    if (!hdc)
        return 0;
    bool device = hdc->target == HDC__::Target::Device;
    int width = device ? hdc->device->width() : GetSystemMetrics(SM_CXSCREEN);
    int height = device ? hdc->device->height() : GetSystemMetrics(SM_CYSCREEN);
    switch (index) {
    case DRIVERVERSION: return 0x400;
    case TECHNOLOGY: return hdc->printing ? DT_RASPRINTER : DT_RASDISPLAY;
    case HORZSIZE: return MulDiv(width, 254, hdc->dpiX * 10);
    case VERTSIZE: return MulDiv(height, 254, hdc->dpiY * 10);
    case HORZRES: return width;
    case VERTRES: return height;
    case LOGPIXELSX: return hdc->dpiX;
    case LOGPIXELSY: return hdc->dpiY;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMBRUSHES:
    case NUMPENS:
    case NUMCOLORS: return -1;
    case NUMFONTS: return 0;
    case ASPECTX:
    case ASPECTY: return 36;
    case ASPECTXY: return 51;
    case SIZEPALETTE:
    case NUMRESERVED: return 0;
    case COLORRES: return 24;
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB |
               (hdc->printing ? RC_BANDING : RC_FLOODFILL);
    case PHYSICALWIDTH: return hdc->printing ? hdc->physicalSize.width() : 0;
    case PHYSICALHEIGHT: return hdc->printing ? hdc->physicalSize.height() : 0;
    case PHYSICALOFFSETX: return hdc->printing ? hdc->physicalOffset.x() : 0;
    case PHYSICALOFFSETY: return hdc->printing ? hdc->physicalOffset.y() : 0;
    default: return 0;
    }
}

int CDC::SaveDC()
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->SaveDC();
    int result = 0;
    ForEachDC([&](HDC h) {
        h->saved.push_back(h->state);
        if (h == Attr(this))
            result = static_cast<int>(h->saved.size());
    });
    return result;
}

static bool RestoreOne(HDC h, int nSavedDC)
{
    int count = static_cast<int>(h->saved.size());
    int index = nSavedDC < 0 ? count + nSavedDC : nSavedDC - 1;
    if (nSavedDC == 0 || index < 0 || index >= count)
        return false;
    h->state = h->saved[static_cast<size_t>(index)];
    h->saved.resize(static_cast<size_t>(index));
    return true;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->RestoreDC(nSavedDC);
    bool ok = m_hDC != nullptr;
    ForEachDC([&](HDC h) { ok = RestoreOne(h, nSavedDC) && ok; });
    return ok ? TRUE : FALSE;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    // ::SelectObject records the selection on a metafile context.
    HGDIOBJ previous = nullptr;
    ForEachDC([&](HDC h) {
        HGDIOBJ p = ::SelectObject(h, hObject);
        if (h == m_hDC)
            previous = p;
    });
    return previous;
}

CGdiObject *CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ h = GetStockObject(nIndex);
    return h ? CGdiObject::FromHandle(SelectObject(h)) : nullptr;
}

CPen *CDC::SelectObject(CPen *pPen)
{
    return pPen ? static_cast<CPen *>(CGdiObject::FromHandle(SelectObject(pPen->m_hObject))) : nullptr;
}

CBrush *CDC::SelectObject(CBrush *pBrush)
{
    return pBrush ? static_cast<CBrush *>(CGdiObject::FromHandle(SelectObject(pBrush->m_hObject))) : nullptr;
}

CFont *CDC::SelectObject(CFont *pFont)
{
    return pFont ? static_cast<CFont *>(CGdiObject::FromHandle(SelectObject(pFont->m_hObject))) : nullptr;
}

CBitmap *CDC::SelectObject(CBitmap *pBitmap)
{
    return pBitmap ? static_cast<CBitmap *>(CGdiObject::FromHandle(SelectObject(pBitmap->m_hObject))) : nullptr;
}

CGdiObject *CDC::SelectObject(CGdiObject *pObject)
{
    return pObject ? CGdiObject::FromHandle(SelectObject(pObject->m_hObject)) : nullptr;
}

int CDC::SelectObject(CRgn *pRgn)
{
    return SelectClipRgn(pRgn);
}

CPen *CDC::GetCurrentPen() const
{
    HDC h = Attr(this);
    return h ? static_cast<CPen *>(CGdiObject::FromHandle(h->state.hPen)) : nullptr;
}

CBrush *CDC::GetCurrentBrush() const
{
    HDC h = Attr(this);
    return h ? static_cast<CBrush *>(CGdiObject::FromHandle(h->state.hBrush)) : nullptr;
}

CFont *CDC::GetCurrentFont() const
{
    HDC h = Attr(this);
    return h ? static_cast<CFont *>(CGdiObject::FromHandle(h->state.hFont)) : nullptr;
}

CBitmap *CDC::GetCurrentBitmap() const
{
    HDC h = m_hDC;
    return h ? static_cast<CBitmap *>(CGdiObject::FromHandle(h->state.hBitmap)) : nullptr;
}

// Attribute getters read the attribute context.
#define PLEXO_DC_ATTRIBUTE(Type, Getter, field, invalid)                                                               \
    Type CDC::Getter() const                                                                                           \
    {                                                                                                                  \
        HDC h = Attr(this);                                                                                            \
        return h ? static_cast<Type>(h->state.field) : invalid;                                                        \
    }

PLEXO_DC_ATTRIBUTE(COLORREF, GetTextColor, textColor, CLR_INVALID)
PLEXO_DC_ATTRIBUTE(COLORREF, GetBkColor, bkColor, CLR_INVALID)
PLEXO_DC_ATTRIBUTE(int, GetBkMode, bkMode, 0)
PLEXO_DC_ATTRIBUTE(int, GetROP2, rop2, 0)
PLEXO_DC_ATTRIBUTE(int, GetPolyFillMode, polyFillMode, 0)
PLEXO_DC_ATTRIBUTE(int, GetStretchBltMode, stretchBltMode, 0)
PLEXO_DC_ATTRIBUTE(int, GetArcDirection, arcDirection, 0)
PLEXO_DC_ATTRIBUTE(UINT, GetTextAlign, textAlign, GDI_ERROR)
PLEXO_DC_ATTRIBUTE(int, GetTextCharacterExtra, textCharExtra, 0)
#undef PLEXO_DC_ATTRIBUTE

// Attribute setters change both contexts and return the attribute context's
// previous value.
template <typename T, typename Field>
static T SetBoth(CDC *dc, HDC attrib, T value, T invalid, Field field)
{
    T previous = attrib ? static_cast<T>(attrib->state.*field) : invalid;
    for (HDC h : {dc->m_hDC, dc->m_hAttribDC})
        if (h)
            h->state.*field = value;
    return previous;
}

// Colours keep a palette flag (PALETTEINDEX, PALETTERGB); drawing resolves them.
static COLORREF KeepPaletteFlag(COLORREF c)
{
    return Paints::KeepFlags(c);
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Value(Emf::SETTEXTCOLOR, crColor);
    return SetBoth<COLORREF>(this, Attr(this), KeepPaletteFlag(crColor), CLR_INVALID, &DCState::textColor);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Value(Emf::SETBKCOLOR, crColor);
    return SetBoth<COLORREF>(this, Attr(this), KeepPaletteFlag(crColor), CLR_INVALID, &DCState::bkColor);
}

int CDC::SetBkMode(int nBkMode)
{
    if (nBkMode != TRANSPARENT && nBkMode != OPAQUE)
        return 0;
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Value(Emf::SETBKMODE, static_cast<DWORD>(nBkMode));
    return SetBoth<int>(this, Attr(this), nBkMode, 0, &DCState::bkMode);
}

int CDC::SetROP2(int nDrawMode)
{
    if (nDrawMode < R2_BLACK || nDrawMode > R2_WHITE)
        return 0;
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Value(Emf::SETROP2, static_cast<DWORD>(nDrawMode));
    return SetBoth<int>(this, Attr(this), nDrawMode, 0, &DCState::rop2);
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    if (nPolyFillMode != ALTERNATE && nPolyFillMode != WINDING)
        return 0;
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Value(Emf::SETPOLYFILLMODE, static_cast<DWORD>(nPolyFillMode));
    return SetBoth<int>(this, Attr(this), nPolyFillMode, 0, &DCState::polyFillMode);
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    if (nStretchMode < 1 || nStretchMode > 4)
        return 0;
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Value(Emf::SETSTRETCHBLTMODE, static_cast<DWORD>(nStretchMode));
    return SetBoth<int>(this, Attr(this), nStretchMode, 0, &DCState::stretchBltMode);
}

int CDC::SetArcDirection(int nArcDirection)
{
    if (nArcDirection != AD_CLOCKWISE && nArcDirection != AD_COUNTERCLOCKWISE)
        return 0;
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Value(Emf::SETARCDIRECTION, static_cast<DWORD>(nArcDirection));
    return SetBoth<int>(this, Attr(this), nArcDirection, 0, &DCState::arcDirection);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Value(Emf::SETTEXTALIGN, nFlags & TA_MASK);
    return SetBoth<UINT>(this, Attr(this), nFlags & TA_MASK, GDI_ERROR, &DCState::textAlign);
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return SetBoth<int>(this, Attr(this), nCharExtra, 0, &DCState::textCharExtra);
}

CPoint CDC::GetBrushOrg() const
{
    HDC h = Attr(this);
    return h ? CPoint(h->state.brushOrg) : CPoint();
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->Pair(Emf::SETBRUSHORGEX, x, y);
    POINT previous = SetBoth<POINT>(this, Attr(this), POINT{x, y}, POINT{0, 0}, &DCState::brushOrg);
    return CPoint(previous);
}
