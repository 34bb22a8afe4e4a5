#include "editor/controls/SECBitmapButton.h"

#include "editor/controls/SECSysColorBitmap.h"

#include "framework/gdi/CDC.h"
#include "framework/resources/Resources.h"
#include "framework/window/InputApi.h"

IMPLEMENT_DYNAMIC(SECBitmapButton, SECOwnerDrawButton)
IMPLEMENT_DYNAMIC(SECMenuButton, SECBitmapButton)

BEGIN_MESSAGE_MAP(SECBitmapButton, SECOwnerDrawButton)
ON_WM_DESTROY()
ON_WM_SYSCOLORCHANGE()
ON_WM_SIZE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(SECMenuButton, SECBitmapButton)
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

BOOL SECBitmapButton::LoadBitmap(LPCTSTR lpszResourceName)
{
    UINT id = 0;
    CString name;
    if (PlexoResourceIdFromName(lpszResourceName, id))
        name.Format("#%u", id);
    else if (lpszResourceName)
        name = lpszResourceName;
    CBitmap loaded;
    if (name.IsEmpty() || !SECLoadSysColorBitmap(loaded, name))
        return FALSE;
    m_bitmap.DeleteObject();
    m_bitmap.Attach(loaded.Detach());
    m_strResource = name;
    LayoutButton();
    if (GetSafeHwnd())
        Invalidate(TRUE);
    return TRUE;
}

void SECBitmapButton::LayoutButton()
{
    m_imageOrigin = CPoint(0, 0);
    BITMAP info{};
    if (!HasBitmap() || !m_bitmap.GetBitmap(&info) || !GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_imageOrigin = CPoint((client.Width() - info.bmWidth) / 2, (client.Height() - info.bmHeight) / 2);
}

void SECBitmapButton::DrawFocusFrame(CDC *pDC, CRect *pRect)
{
    CRect rect(*pRect);
    rect.DeflateRect(1, 1);
    pDC->DrawFocusRect(&rect);
}

void SECBitmapButton::DrawContent(CDC *pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, CRect *)
{
    BITMAP info{};
    if (!HasBitmap() || !m_bitmap.GetBitmap(&info))
        return;
    CDC imageDC;
    if (!imageDC.CreateCompatibleDC(pDC))
        return;
    CBitmap *old = imageDC.SelectObject(&m_bitmap);
    // A pushed face moves its content one pixel down and right.
    int shift = (lpDrawItemStruct->itemState & ODS_SELECTED) ? 1 : 0;
    pDC->BitBlt(m_imageOrigin.x + shift, m_imageOrigin.y + shift, info.bmWidth, info.bmHeight, &imageDC, 0, 0, SRCCOPY);
    imageDC.SelectObject(old);
}

void SECBitmapButton::OnDestroy()
{
    m_bitmap.DeleteObject();
    SECOwnerDrawButton::OnDestroy();
}

void SECBitmapButton::OnSysColorChange()
{
    if (HasBitmap() && !m_strResource.IsEmpty()) {
        m_bitmap.DeleteObject();
        SECLoadSysColorBitmap(m_bitmap, m_strResource);
    }
    SECOwnerDrawButton::OnSysColorChange();
}

void SECBitmapButton::OnSize(UINT, int, int)
{
    Default();
    LayoutButton();
}

void SECMenuButton::OnLButtonUp(UINT, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    bool click = client.PtInRect(point) && (GetState() & BST_PUSHED) && GetCapture() == this;
    Default();
    if (click)
        OnButtonClick();
}
