// The static control: its window procedure and its painting.
#include "framework/controls/Static.h"
#include "framework/controls/ControlClasses.h"
#include "framework/controls/ControlPaint.h"
#include "framework/controls/ControlWindowState.h"

#include "framework/base/CRect.h"
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiStructs.h"
#include "framework/gdi/Icon.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <map>

namespace {

struct StaticImage {
    HBITMAP bitmap = nullptr;
    HICON icon = nullptr;
};

std::map<HWND, StaticImage> &Images()
{
    static std::map<HWND, StaticImage> images;
    return images;
}

CString Text(HWND h)
{
    CString text;
    int n = GetWindowTextLength(h);
    GetWindowText(h, text.GetBuffer(n + 1), n + 1);
    text.ReleaseBuffer();
    return text;
}

void PaintText(HWND h, CDC &dc, CRect rc, DWORD style)
{
    DWORD type = style & SS_TYPEMASK;
    UINT format = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE)
        format |= DT_SINGLELINE;
    else if (style & SS_CENTERIMAGE)
        format |= DT_SINGLELINE | DT_VCENTER;
    else
        format |= DT_WORDBREAK;
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if (!IsWindowEnabled(h))
        dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(Text(h), &rc, format);
}

void PaintImage(HWND h, CDC &dc, const CRect &rc, DWORD style)
{
    const StaticImage &image = Images()[h];
    bool centred = (style & SS_CENTERIMAGE) != 0;
    if ((style & SS_TYPEMASK) == SS_ICON && image.icon) {
        int x = centred ? rc.left + (rc.Width() - 32) / 2 : rc.left;
        int y = centred ? rc.top + (rc.Height() - 32) / 2 : rc.top;
        dc.DrawIcon(x, y, image.icon);
        return;
    }
    if ((style & SS_TYPEMASK) != SS_BITMAP || !image.bitmap)
        return;
    BITMAP bm{};
    if (!GetObject(image.bitmap, sizeof(bm), &bm))
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    CBitmap *old = memory.SelectObject(CBitmap::FromHandle(image.bitmap));
    int x = centred ? rc.left + (rc.Width() - bm.bmWidth) / 2 : rc.left;
    int y = centred ? rc.top + (rc.Height() - bm.bmHeight) / 2 : rc.top;
    dc.BitBlt(x, y, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void PaintShape(CDC &dc, CRect rc, DWORD type)
{
    switch (type) {
    case SS_BLACKRECT: dc.FillSolidRect(&rc, GetSysColor(COLOR_WINDOWFRAME)); break;
    case SS_GRAYRECT: dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNSHADOW)); break;
    case SS_WHITERECT: dc.FillSolidRect(&rc, GetSysColor(COLOR_WINDOW)); break;
    case SS_BLACKFRAME: dc.Draw3dRect(&rc, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)); break;
    case SS_GRAYFRAME: dc.Draw3dRect(&rc, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW)); break;
    case SS_WHITEFRAME: dc.Draw3dRect(&rc, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW)); break;
    case SS_ETCHEDHORZ:
        rc.bottom = rc.top + 2;
        dc.DrawEdge(&rc, EDGE_ETCHED, BF_TOP | BF_BOTTOM);
        break;
    case SS_ETCHEDVERT:
        rc.right = rc.left + 2;
        dc.DrawEdge(&rc, EDGE_ETCHED, BF_LEFT | BF_RIGHT);
        break;
    case SS_ETCHEDFRAME: dc.DrawEdge(&rc, EDGE_ETCHED, BF_RECT); break;
    default: break;
    }
}

void Paint(HWND h, HDC hdc)
{
    CDC &dc = *CDC::FromHandle(hdc);
    CRect rc;
    GetClientRect(h, &rc);
    DWORD style = ControlStyle(h);
    DWORD type = style & SS_TYPEMASK;
    if (type == SS_OWNERDRAW) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_STATIC;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(h));
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = h;
        dis.hDC = hdc;
        dis.rcItem = rc;
        SendMessage(GetParent(h), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    HBRUSH brush = ControlPaint::ParentColors(h, hdc, WM_CTLCOLORSTATIC);
    if (brush)
        FillRect(hdc, &rc, brush);
    HGDIOBJ oldFont = ControlPaint::SelectFont(h, hdc);
    if (type <= SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP)
        PaintText(h, dc, rc, style);
    else if (type == SS_ICON || type == SS_BITMAP)
        PaintImage(h, dc, rc, style);
    else
        PaintShape(dc, rc, type);
    SelectObject(hdc, oldFont);
}

LRESULT SetImage(HWND h, WPARAM type, LPARAM image)
{
    StaticImage &slot = Images()[h];
    LRESULT old;
    if (type == IMAGE_ICON) {
        old = reinterpret_cast<LRESULT>(slot.icon);
        slot.icon = reinterpret_cast<HICON>(image);
    } else {
        old = reinterpret_cast<LRESULT>(slot.bitmap);
        slot.bitmap = reinterpret_cast<HBITMAP>(image);
    }
    InvalidateRect(h, nullptr, TRUE);
    return old;
}

void Notify(HWND h, WORD code)
{
    if (HWND hParent = GetParent(h))
        SendMessage(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), code), reinterpret_cast<LPARAM>(h));
}

} // namespace

LRESULT PlexoStaticProc(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    switch (Msg) {
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_NCHITTEST:
        if (!(ControlStyle(h) & SS_NOTIFY))
            return HTTRANSPARENT;
        return DefWindowProc(h, Msg, wParam, lParam);
    case WM_LBUTTONDOWN: Notify(h, STN_CLICKED); return 0;
    case WM_LBUTTONDBLCLK: Notify(h, STN_DBLCLK); return 0;
    case STM_SETICON: return SetImage(h, IMAGE_ICON, static_cast<LPARAM>(wParam));
    case STM_GETICON: return reinterpret_cast<LRESULT>(Images()[h].icon);
    case STM_SETIMAGE: return SetImage(h, wParam, lParam);
    case STM_GETIMAGE:
        return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(Images()[h].icon)
                                    : reinterpret_cast<LRESULT>(Images()[h].bitmap);
    case WM_SETTEXT:
    case WM_ENABLE: {
        LRESULT r = DefWindowProc(h, Msg, wParam, lParam);
        InvalidateRect(h, nullptr, TRUE);
        return r;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: ControlPaint::OnPaint(h, wParam, [h](HDC hdc) { Paint(h, hdc); }); return 0;
    case WM_NCDESTROY: Images().erase(h); return DefWindowProc(h, Msg, wParam, lParam);
    default: return DefWindowProc(h, Msg, wParam, lParam);
    }
}

void PlexoRegisterStaticClass()
{
    static const bool registered = RegisterControlClass("STATIC", &PlexoStaticProc, CS_DBLCLKS | CS_PARENTDC);
    (void)registered;
}

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    PlexoRegisterStandardControls();
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}
