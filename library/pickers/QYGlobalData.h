// The drawing data the whole library shares: system colours cached in
// memory, the screen's colour depth, and the 30 fill textures loaded once,
// on first use.
#pragma once

#include "framework/gdi/Bitmap.h"

// Number of fill textures; texture n serves fill kind 62 + n.
#define QY_FILL_TEXTURE_COUNT 30

class CQYGlobalData {
public:
    CQYGlobalData();
    ~CQYGlobalData();
    CQYGlobalData(const CQYGlobalData&) = delete;
    CQYGlobalData& operator=(const CQYGlobalData&) = delete;

    // Re-reads the system colours and the screen's bits per pixel
    // (m_clrFrameDark keeps its value).
    void UpdateSysColors();
    // Loads the 30 textures on the first call; later calls do nothing.  A
    // texture that fails to load leaves its slot empty.
    void LoadBitmaps();
    // Deletes the first 24 textures (25000-25023); the other six go with
    // their wrappers.
    void DeleteBitmaps();

    // The resource id of texture nIndex (0 to 29), 0 for any other index.
    static UINT GetTextureResourceId(int nIndex);

    // The one shared instance, made on first use (after the application
    // object exists) and kept until the program ends.
    static CQYGlobalData& Instance();

    COLORREF m_clrBtnFace;
    COLORREF m_clrBtnHilite;
    COLORREF m_clrBtnShadow;
    COLORREF m_clrBtnText;
    COLORREF m_clr3DDkShadow;
    COLORREF m_clrFrameShadow;
    COLORREF m_clrFrameHilite;
    COLORREF m_clr3DLight;
    COLORREF m_clrFrameDark;
    COLORREF m_clrActiveCaption;
    COLORREF m_clrInactiveCaption;
    COLORREF m_clrInactiveCaptionText;
    COLORREF m_clrDesktop;
    COLORREF m_clrWindowFrame;
    COLORREF m_clrHilite;
    COLORREF m_clrWindowText;
    COLORREF m_clrGrayText;
    COLORREF m_clrHiliteText;
    BOOL m_bBitmapsLoaded;
    CBitmap m_bmpTextures[QY_FILL_TEXTURE_COUNT];
    int m_nBitsPerPixel;
};

// The library's shared drawing data.
#define qyGlobalData (CQYGlobalData::Instance())
