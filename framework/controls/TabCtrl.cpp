// The tab control: its tabs, their layout and painting, and the user's
// choice of a tab.
#include "framework/controls/TabCtrl.h"
#include "framework/controls/ControlClasses.h"
#include "framework/controls/ControlPaint.h"
#include "framework/controls/ControlWindowState.h"

#include "framework/base/CRect.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiStructs.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct TabItem {
    std::string text;
    int image = -1;
    LPARAM param = 0;
};

struct TabState {
    std::vector<TabItem> items;
    int current = -1;
    bool focus = false;
};

std::map<HWND, TabState> &States()
{
    return ControlStates<TabState>();
}

TabState &State(HWND h)
{
    return ControlState<TabState>(h);
}

bool Valid(const TabState &s, int index)
{
    return index >= 0 && index < static_cast<int>(s.items.size());
}

// Text extents with the control's font.
struct Metrics {
    int tabHeight = 18;
    std::vector<int> widths;
};

Metrics Measure(HWND h)
{
    Metrics m;
    const TabState &s = State(h);
    HDC hdc = GetDC(h);
    if (!hdc)
        return m;
    HGDIOBJ old = ControlPaint::SelectFont(h, hdc);
    TEXTMETRIC tm{};
    GetTextMetrics(hdc, &tm);
    m.tabHeight = (tm.tmHeight > 0 ? tm.tmHeight : 13) + 6;
    for (const TabItem &item : s.items) {
        SIZE size{0, 0};
        GetTextExtentPoint32(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &size);
        m.widths.push_back(static_cast<int>(size.cx) + 12);
    }
    SelectObject(hdc, old);
    ReleaseDC(h, hdc);
    return m;
}

RECT TabRect(const Metrics &m, int index)
{
    int x = 2;
    for (int i = 0; i < index; ++i)
        x += m.widths[static_cast<size_t>(i)];
    return RECT{x, 2, x + m.widths[static_cast<size_t>(index)], 2 + m.tabHeight};
}

LRESULT Notify(HWND h, UINT code)
{
    NMHDR nm{h, static_cast<UINT_PTR>(GetDlgCtrlID(h)), code};
    HWND hParent = GetParent(h);
    return hParent ? SendMessage(hParent, WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm)) : 0;
}

// The user picks a tab: the parent may refuse.
void Choose(HWND h, int index)
{
    TabState &s = State(h);
    if (!Valid(s, index) || index == s.current)
        return;
    if (Notify(h, TCN_SELCHANGING) || !IsWindow(h))
        return;
    State(h).current = index;
    InvalidateRect(h, nullptr, TRUE);
    Notify(h, TCN_SELCHANGE);
}

void Paint(HWND h, HDC hdc)
{
    const TabState &s = State(h);
    CDC &dc = *CDC::FromHandle(hdc);
    CRect client;
    GetClientRect(h, &client);
    HBRUSH brush = ControlPaint::ParentColors(h, hdc, WM_CTLCOLORDLG);
    if (brush)
        FillRect(hdc, &client, brush);
    Metrics m = Measure(h);
    CRect body(client.left, client.top + 2 + m.tabHeight, client.right, client.bottom);
    dc.DrawEdge(&body, EDGE_RAISED, BF_RECT | BF_SOFT);
    HGDIOBJ oldFont = ControlPaint::SelectFont(h, hdc);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    for (int i = 0; i < static_cast<int>(s.items.size()); ++i) {
        CRect tab = TabRect(m, i);
        bool selected = i == s.current;
        if (selected) {
            tab.InflateRect(2, 2, 2, 1);
            CRect cover(tab.left + 1, tab.bottom - 1, tab.right - 1, tab.bottom + 1);
            dc.FillSolidRect(&cover, GetSysColor(COLOR_BTNFACE));
        }
        dc.FillSolidRect(tab.left + 1, tab.top + 1, tab.Width() - 2, tab.Height() - 1, GetSysColor(COLOR_BTNFACE));
        dc.DrawEdge(&tab, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT | BF_SOFT);
        const std::string &text = s.items[static_cast<size_t>(i)].text;
        CRect label = tab;
        dc.DrawText(CString(text.c_str(), static_cast<int>(text.size())), &label,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (selected && s.focus) {
            label.DeflateRect(3, 3);
            dc.DrawFocusRect(&label);
        }
    }
    SelectObject(hdc, oldFont);
}

LRESULT InsertItem(HWND h, WPARAM wParam, LPARAM lParam)
{
    auto *item = reinterpret_cast<const TCITEM *>(lParam);
    if (!item)
        return -1;
    TabState &s = State(h);
    TabItem tab;
    if ((item->mask & TCIF_TEXT) && item->pszText)
        tab.text = item->pszText;
    if (item->mask & TCIF_IMAGE)
        tab.image = item->iImage;
    if (item->mask & TCIF_PARAM)
        tab.param = item->lParam;
    int index = static_cast<int>(wParam);
    if (index < 0 || index > static_cast<int>(s.items.size()))
        index = static_cast<int>(s.items.size());
    s.items.insert(s.items.begin() + index, tab);
    if (s.current < 0)
        s.current = 0;
    else if (s.current >= index && s.items.size() > 1)
        ++s.current;
    InvalidateRect(h, nullptr, TRUE);
    return index;
}

LRESULT GetItem(HWND h, WPARAM wParam, LPARAM lParam)
{
    const TabState &s = State(h);
    auto *item = reinterpret_cast<TCITEM *>(lParam);
    int index = static_cast<int>(wParam);
    if (!item || !Valid(s, index))
        return FALSE;
    const TabItem &tab = s.items[static_cast<size_t>(index)];
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
        size_t n = std::min(tab.text.size(), static_cast<size_t>(item->cchTextMax - 1));
        std::memcpy(item->pszText, tab.text.data(), n);
        item->pszText[n] = 0;
    }
    if (item->mask & TCIF_IMAGE)
        item->iImage = tab.image;
    if (item->mask & TCIF_PARAM)
        item->lParam = tab.param;
    return TRUE;
}

LRESULT SetItem(HWND h, WPARAM wParam, LPARAM lParam)
{
    TabState &s = State(h);
    auto *item = reinterpret_cast<const TCITEM *>(lParam);
    int index = static_cast<int>(wParam);
    if (!item || !Valid(s, index))
        return FALSE;
    TabItem &tab = s.items[static_cast<size_t>(index)];
    if ((item->mask & TCIF_TEXT) && item->pszText)
        tab.text = item->pszText;
    if (item->mask & TCIF_IMAGE)
        tab.image = item->iImage;
    if (item->mask & TCIF_PARAM)
        tab.param = item->lParam;
    InvalidateRect(h, nullptr, TRUE);
    return TRUE;
}

LRESULT AdjustRect(HWND h, WPARAM bLarger, LPARAM lParam)
{
    auto *rc = reinterpret_cast<RECT *>(lParam);
    if (!rc)
        return 0;
    int top = 2 + Measure(h).tabHeight + 2;
    int sign = bLarger ? -1 : 1;
    rc->left += sign * 4;
    rc->right -= sign * 4;
    rc->top += sign * top;
    rc->bottom -= sign * 4;
    return 0;
}

LRESULT HitTab(HWND h, LPARAM lParam)
{
    Metrics m = Measure(h);
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    for (int i = 0; i < static_cast<int>(State(h).items.size()); ++i) {
        RECT rc = TabRect(m, i);
        if (pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom)
            return i;
    }
    return -1;
}

} // namespace

LRESULT PlexoTabProc(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    TabState &s = State(h);
    switch (Msg) {
    case TCM_GETITEMCOUNT: return static_cast<LRESULT>(s.items.size());
    case TCM_INSERTITEM: return InsertItem(h, wParam, lParam);
    case TCM_GETITEM: return GetItem(h, wParam, lParam);
    case TCM_SETITEM: return SetItem(h, wParam, lParam);
    case TCM_DELETEITEM: {
        int index = static_cast<int>(wParam);
        if (!Valid(s, index))
            return FALSE;
        s.items.erase(s.items.begin() + index);
        if (s.current >= static_cast<int>(s.items.size()) || s.current > index)
            --s.current;
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    }
    case TCM_DELETEALLITEMS:
        s.items.clear();
        s.current = -1;
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case TCM_GETCURSEL:
    case TCM_GETCURFOCUS: return s.current;
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS: {
        int old = s.current;
        if (!Valid(s, static_cast<int>(wParam)))
            return -1;
        s.current = static_cast<int>(wParam);
        InvalidateRect(h, nullptr, TRUE);
        return old;
    }
    case TCM_GETITEMRECT: {
        if (!Valid(s, static_cast<int>(wParam)) || !lParam)
            return FALSE;
        Metrics m = Measure(h);
        *reinterpret_cast<RECT *>(lParam) = TabRect(m, static_cast<int>(wParam));
        return TRUE;
    }
    case TCM_ADJUSTRECT: return AdjustRect(h, wParam, lParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: {
        LRESULT hit = HitTab(h, lParam);
        if (!(GetWindowLong(h, GWL_STYLE) & TCS_FOCUSNEVER) && GetFocus() != h)
            SetFocus(h);
        if (hit >= 0)
            Choose(h, static_cast<int>(hit));
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_LEFT || wParam == VK_RIGHT)
            Choose(h, s.current + (wParam == VK_LEFT ? -1 : 1));
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        s.focus = Msg == WM_SETFOCUS;
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: ControlPaint::OnPaint(h, wParam, [h](HDC hdc) { Paint(h, hdc); }); return 0;
    case WM_NCDESTROY: States().erase(h); return DefWindowProc(h, Msg, wParam, lParam);
    default: return DefWindowProc(h, Msg, wParam, lParam);
    }
}

void PlexoRegisterTabClass()
{
    static const bool registered = RegisterControlClass(WC_TABCONTROL, &PlexoTabProc, CS_DBLCLKS | CS_PARENTDC);
    (void)registered;
}

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    PlexoRegisterStandardControls();
    return CWnd::Create(WC_TABCONTROL, nullptr, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    return InsertItem(nItem, &item);
}
