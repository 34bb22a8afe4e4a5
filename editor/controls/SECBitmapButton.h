// SECBitmapButton: an owner-drawn button that shows a bitmap resource,
// centred on its face, with the button colours of the bitmap following the
// system colours. SECMenuButton is the same button that reports a mouse
// click only after the button's own handling of the release.
#pragma once

#include "editor/controls/SECOwnerDrawButton.h"

#include "framework/base/CString.h"
#include "framework/gdi/Bitmap.h"

class SECBitmapButton : public SECOwnerDrawButton {
    DECLARE_DYNAMIC(SECBitmapButton)
public:
    SECBitmapButton() = default;

    // Loads the bitmap resource through the system-colour loader; FALSE (the
    // old bitmap kept) when it cannot be loaded.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    BOOL HasBitmap() const { return m_bitmap.GetSafeHandle() != nullptr; }
    // Where the bitmap's top-left corner goes, in client co-ordinates.
    CPoint GetImageOrigin() const { return m_imageOrigin; }

    void DrawFocusFrame(CDC *pDC, CRect *pRect) override;
    void DrawContent(CDC *pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, CRect *pContent) override;
    // Places the bitmap in the client area: centred.
    virtual void LayoutButton();

protected:
    afx_msg void OnDestroy();
    afx_msg void OnSysColorChange();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    CBitmap m_bitmap;
    // The resource the bitmap came from: a name, or "#n" for a numeric id.
    CString m_strResource;
    CPoint m_imageOrigin;
};

class SECMenuButton : public SECBitmapButton {
    DECLARE_DYNAMIC(SECMenuButton)
public:
    SECMenuButton() = default;

protected:
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
