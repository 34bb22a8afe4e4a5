#include "library/pickers/QYGlobalData.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/SystemColors.h"
#include "library/pickers/QYDibResource.h"

namespace {

// Textures 0-23 are the resources 25000-25023, 24-29 are 26222-26227.
constexpr UINT kFirstTextureId = 25000;
constexpr int kFirstBlockCount = 24;
constexpr UINT kSecondTextureId = 26222;

// Bits per pixel of the screen, asked of a context compatible with it.
int ScreenBitsPerPixel()
{
    CDC screen;
    if (!screen.CreateCompatibleDC(nullptr))
        return 0;
    return screen.GetDeviceCaps(BITSPIXEL) * screen.GetDeviceCaps(PLANES);
}

} // namespace

CQYGlobalData& CQYGlobalData::Instance()
{
    static CQYGlobalData instance;
    return instance;
}

CQYGlobalData::CQYGlobalData() : m_clrFrameDark(0), m_bBitmapsLoaded(FALSE), m_nBitsPerPixel(0)
{
    UpdateSysColors();
}

CQYGlobalData::~CQYGlobalData()
{
    DeleteBitmaps();
}

UINT CQYGlobalData::GetTextureResourceId(int nIndex)
{
    if (nIndex < 0 || nIndex >= QY_FILL_TEXTURE_COUNT)
        return 0;
    if (nIndex < kFirstBlockCount)
        return kFirstTextureId + static_cast<UINT>(nIndex);
    return kSecondTextureId + static_cast<UINT>(nIndex - kFirstBlockCount);
}

void CQYGlobalData::UpdateSysColors()
{
    m_clrBtnFace = GetSysColor(COLOR_BTNFACE);
    m_clrBtnHilite = GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrBtnShadow = GetSysColor(COLOR_BTNSHADOW);
    m_clrBtnText = GetSysColor(COLOR_BTNTEXT);
    m_clr3DDkShadow = GetSysColor(COLOR_3DDKSHADOW);
    m_clrFrameShadow = GetSysColor(COLOR_BTNSHADOW);
    m_clrFrameHilite = GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clr3DLight = GetSysColor(COLOR_3DLIGHT);
    m_clrActiveCaption = GetSysColor(COLOR_ACTIVECAPTION);
    m_clrInactiveCaption = GetSysColor(COLOR_INACTIVECAPTION);
    m_clrInactiveCaptionText = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
    m_clrDesktop = GetSysColor(COLOR_BACKGROUND);
    m_clrWindowFrame = GetSysColor(COLOR_WINDOWFRAME);
    m_clrHilite = GetSysColor(COLOR_HIGHLIGHT);
    m_clrWindowText = GetSysColor(COLOR_WINDOWTEXT);
    m_clrGrayText = GetSysColor(COLOR_GRAYTEXT);
    m_clrHiliteText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_nBitsPerPixel = ScreenBitsPerPixel();
}

void CQYGlobalData::LoadBitmaps()
{
    if (m_bBitmapsLoaded)
        return;
    m_bBitmapsLoaded = TRUE;
    QYRegisterFillTextures();
    for (int i = 0; i < QY_FILL_TEXTURE_COUNT; ++i)
        QYLoadBitmapResource(m_bmpTextures[i], GetTextureResourceId(i));
}

void CQYGlobalData::DeleteBitmaps()
{
    for (int i = 0; i < kFirstBlockCount; ++i)
        m_bmpTextures[i].DeleteObject();
}
