// The list box control: items, selection, keys, the mouse, scrolling and
// painting (classic or owner-drawn).
#include "framework/controls/ListBox.h"
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
#include "framework/window/ScrollApi.h"
#include "framework/window/WindowApi.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct ListItem {
    std::string text;
    ULONG_PTR data = 0;
    bool selected = false;
};

struct ListState {
    std::vector<ListItem> items;
    int caret = -1;  // the focused item
    int anchor = -1; // where a Shift range starts
    int top = 0;
    int itemHeight = 0; // 0 until measured
    bool focus = false;
    bool tracking = false;
};

std::map<HWND, ListState> &States()
{
    return ControlStates<ListState>();
}

ListState &State(HWND h)
{
    return ControlState<ListState>(h);
}

bool OwnerDraw(HWND h)
{
    return (ControlStyle(h) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool HasStrings(HWND h)
{
    return !OwnerDraw(h) || (ControlStyle(h) & LBS_HASSTRINGS);
}

bool MultiSelect(HWND h)
{
    return (ControlStyle(h) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
}

bool Valid(const ListState &s, int index)
{
    return index >= 0 && index < static_cast<int>(s.items.size());
}

int CompareNoCase(const std::string &a, const std::string &b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int ca = std::tolower(static_cast<unsigned char>(a[i]));
        int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca - cb;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

// ---- Geometry

int ItemHeight(HWND h)
{
    ListState &s = State(h);
    if (s.itemHeight > 0)
        return s.itemHeight;
    HDC hdc = GetDC(h);
    int height = 13;
    if (hdc) {
        HGDIOBJ old = ControlPaint::SelectFont(h, hdc);
        TEXTMETRIC tm{};
        GetTextMetrics(hdc, &tm);
        height = tm.tmHeight > 0 ? tm.tmHeight : 13;
        SelectObject(hdc, old);
        ReleaseDC(h, hdc);
    }
    s.itemHeight = height;
    return height;
}

int VisibleCount(HWND h)
{
    RECT rc;
    GetClientRect(h, &rc);
    return std::max(1, static_cast<int>(rc.bottom - rc.top) / ItemHeight(h));
}

RECT ItemRect(HWND h, int index)
{
    RECT rc;
    GetClientRect(h, &rc);
    int height = ItemHeight(h);
    int y = (index - State(h).top) * height;
    return RECT{rc.left, y, rc.right, y + height};
}

void UpdateScrollBar(HWND h)
{
    if (!(ControlStyle(h) & WS_VSCROLL))
        return;
    const ListState &s = State(h);
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    si.nMax = std::max(0, static_cast<int>(s.items.size()) - 1);
    si.nPage = static_cast<UINT>(VisibleCount(h));
    si.nPos = s.top;
    if (ControlStyle(h) & LBS_DISABLENOSCROLL)
        si.fMask |= SIF_DISABLENOSCROLL;
    SetScrollInfo(h, SB_VERT, &si, TRUE);
}

void SetTop(HWND h, int top)
{
    ListState &s = State(h);
    int count = static_cast<int>(s.items.size());
    top = std::max(0, std::min(top, count - VisibleCount(h)));
    if (top == s.top)
        return;
    s.top = top;
    UpdateScrollBar(h);
    InvalidateRect(h, nullptr, TRUE);
}

void EnsureVisible(HWND h, int index)
{
    ListState &s = State(h);
    if (!Valid(s, index))
        return;
    int visible = VisibleCount(h);
    if (index < s.top)
        SetTop(h, index);
    else if (index >= s.top + visible)
        SetTop(h, index - visible + 1);
}

// ---- Drawing

HWND NotifyTarget(HWND h)
{
    return GetParent(h);
}

UINT ItemState(HWND h, int index)
{
    const ListState &s = State(h);
    UINT state = 0;
    if (Valid(s, index) && s.items[static_cast<size_t>(index)].selected)
        state |= ODS_SELECTED;
    if (s.focus && index == s.caret)
        state |= ODS_FOCUS;
    if (!IsWindowEnabled(h))
        state |= ODS_DISABLED;
    return state;
}

void DrawOwnerItem(HWND h, HDC hdc, int index, UINT action)
{
    const ListState &s = State(h);
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(h));
    dis.itemID = static_cast<UINT>(index);
    dis.itemAction = action;
    dis.itemState = ItemState(h, index);
    dis.hwndItem = h;
    dis.hDC = hdc;
    dis.rcItem = ItemRect(h, index);
    dis.itemData = Valid(s, index) ? s.items[static_cast<size_t>(index)].data : 0;
    if (HWND target = NotifyTarget(h))
        SendMessage(target, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void DrawPlainItem(HWND h, CDC &dc, int index)
{
    const ListState &s = State(h);
    const ListItem &item = s.items[static_cast<size_t>(index)];
    CRect rc = ItemRect(h, index);
    bool selected = item.selected;
    if (selected) {
        dc.FillSolidRect(&rc, GetSysColor(COLOR_HIGHLIGHT));
        dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        dc.SetTextColor(GetSysColor(IsWindowEnabled(h) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    }
    dc.SetBkMode(TRANSPARENT);
    CRect text = rc;
    text.left += 2;
    dc.DrawText(CString(item.text.c_str(), static_cast<int>(item.text.size())), &text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (s.focus && index == s.caret)
        dc.DrawFocusRect(&rc);
}

void Paint(HWND h, HDC hdc)
{
    ListState &s = State(h);
    CDC &dc = *CDC::FromHandle(hdc);
    CRect client;
    GetClientRect(h, &client);
    HBRUSH brush = ControlPaint::ParentColors(h, hdc, WM_CTLCOLORLISTBOX);
    if (brush)
        FillRect(hdc, &client, brush);
    HGDIOBJ oldFont = ControlPaint::SelectFont(h, hdc);
    int count = static_cast<int>(s.items.size());
    int last = std::min(count, s.top + VisibleCount(h) + 1);
    for (int i = s.top; i < last; ++i) {
        if (OwnerDraw(h))
            DrawOwnerItem(h, hdc, i, ODA_DRAWENTIRE);
        else
            DrawPlainItem(h, dc, i);
    }
    if (s.focus && count == 0 && !OwnerDraw(h)) {
        CRect rc = ItemRect(h, 0);
        dc.DrawFocusRect(&rc);
    }
    SelectObject(hdc, oldFont);
}

// An item's look changed: owner-drawn lists hear which part.
void RedrawItem(HWND h, int index, UINT action)
{
    if (!Valid(State(h), index) || !IsWindowVisible(h))
        return;
    if (!OwnerDraw(h)) {
        RECT rc = ItemRect(h, index);
        InvalidateRect(h, &rc, TRUE);
        return;
    }
    if (HDC hdc = GetDC(h)) {
        DrawOwnerItem(h, hdc, index, action);
        ReleaseDC(h, hdc);
    }
}

// ---- Selection

void Notify(HWND h, WORD code)
{
    if (!(ControlStyle(h) & LBS_NOTIFY) && code != LBN_SETFOCUS && code != LBN_KILLFOCUS)
        return;
    if (HWND target = NotifyTarget(h))
        SendMessage(target, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), code), reinterpret_cast<LPARAM>(h));
}

void SetItemSelected(HWND h, int index, bool selected)
{
    ListState &s = State(h);
    if (!Valid(s, index) || s.items[static_cast<size_t>(index)].selected == selected)
        return;
    s.items[static_cast<size_t>(index)].selected = selected;
    RedrawItem(h, index, ODA_SELECT);
}

void SetCaret(HWND h, int index)
{
    ListState &s = State(h);
    if (s.caret == index)
        return;
    int old = s.caret;
    s.caret = index;
    if (s.focus) {
        RedrawItem(h, old, ODA_FOCUS);
        RedrawItem(h, index, ODA_FOCUS);
    }
}

// Selects one item (or none) in a list; TRUE when that changed anything.
bool SelectOnly(HWND h, int index)
{
    ListState &s = State(h);
    bool changed = false;
    for (int i = 0; i < static_cast<int>(s.items.size()); ++i) {
        bool want = i == index;
        if (s.items[static_cast<size_t>(i)].selected != want) {
            SetItemSelected(h, i, want);
            changed = true;
        }
    }
    if (Valid(s, index)) {
        SetCaret(h, index);
        s.anchor = index;
        EnsureVisible(h, index);
    }
    return changed;
}

bool SelectRange(HWND h, int from, int to)
{
    ListState &s = State(h);
    int lo = std::min(from, to), hi = std::max(from, to);
    bool changed = false;
    for (int i = 0; i < static_cast<int>(s.items.size()); ++i) {
        bool want = i >= lo && i <= hi;
        if (s.items[static_cast<size_t>(i)].selected != want) {
            SetItemSelected(h, i, want);
            changed = true;
        }
    }
    SetCaret(h, to);
    EnsureVisible(h, to);
    return changed;
}

int CurSel(HWND h)
{
    const ListState &s = State(h);
    if (MultiSelect(h))
        return s.caret;
    for (size_t i = 0; i < s.items.size(); ++i)
        if (s.items[i].selected)
            return static_cast<int>(i);
    return LB_ERR;
}

// ---- Items

int Insert(HWND h, int index, LPARAM lParam, bool sorted)
{
    ListState &s = State(h);
    ListItem item;
    if (HasStrings(h)) {
        const char *text = reinterpret_cast<const char *>(lParam);
        item.text = text ? text : "";
    } else {
        item.data = static_cast<ULONG_PTR>(lParam);
    }
    int count = static_cast<int>(s.items.size());
    if (sorted && (ControlStyle(h) & LBS_SORT) && HasStrings(h)) {
        index = 0;
        while (index < count && CompareNoCase(s.items[static_cast<size_t>(index)].text, item.text) <= 0)
            ++index;
    } else if (index < 0 || index > count) {
        index = count;
    }
    s.items.insert(s.items.begin() + index, item);
    if (s.caret >= index)
        ++s.caret;
    if (s.anchor >= index)
        ++s.anchor;
    UpdateScrollBar(h);
    InvalidateRect(h, nullptr, TRUE);
    return index;
}

LRESULT Delete(HWND h, WPARAM wParam)
{
    ListState &s = State(h);
    int index = static_cast<int>(wParam);
    if (!Valid(s, index))
        return LB_ERR;
    s.items.erase(s.items.begin() + index);
    if (s.caret > index || s.caret >= static_cast<int>(s.items.size()))
        --s.caret;
    if (s.anchor > index || s.anchor >= static_cast<int>(s.items.size()))
        --s.anchor;
    SetTop(h, s.top);
    UpdateScrollBar(h);
    InvalidateRect(h, nullptr, TRUE);
    return static_cast<LRESULT>(s.items.size());
}

void Reset(HWND h)
{
    ListState &s = State(h);
    s.items.clear();
    s.caret = s.anchor = -1;
    s.top = 0;
    UpdateScrollBar(h);
    InvalidateRect(h, nullptr, TRUE);
}

LRESULT Find(HWND h, WPARAM wParam, LPARAM lParam, bool exact)
{
    const ListState &s = State(h);
    int count = static_cast<int>(s.items.size());
    if (count == 0)
        return LB_ERR;
    int start = static_cast<int>(wParam);
    for (int k = 1; k <= count; ++k) {
        int i = ((start < 0 ? -1 : start) + k) % count;
        const ListItem &item = s.items[static_cast<size_t>(i)];
        if (!HasStrings(h)) {
            if (item.data == static_cast<ULONG_PTR>(lParam))
                return i;
            continue;
        }
        const char *text = reinterpret_cast<const char *>(lParam);
        std::string wanted = text ? text : "";
        std::string have = exact ? item.text : item.text.substr(0, wanted.size());
        if (CompareNoCase(have, wanted) == 0)
            return i;
    }
    return LB_ERR;
}

LRESULT GetText(HWND h, WPARAM wParam, LPARAM lParam)
{
    const ListState &s = State(h);
    int index = static_cast<int>(wParam);
    if (!Valid(s, index))
        return LB_ERR;
    const ListItem &item = s.items[static_cast<size_t>(index)];
    if (!HasStrings(h)) {
        if (lParam)
            std::memcpy(reinterpret_cast<void *>(lParam), &item.data, sizeof(item.data));
        return sizeof(item.data);
    }
    if (auto *buffer = reinterpret_cast<char *>(lParam)) {
        std::memcpy(buffer, item.text.c_str(), item.text.size() + 1);
    }
    return static_cast<LRESULT>(item.text.size());
}

LRESULT SetCurSel(HWND h, WPARAM wParam)
{
    if (MultiSelect(h))
        return LB_ERR;
    int index = static_cast<int>(wParam);
    SelectOnly(h, Valid(State(h), index) ? index : -1);
    return Valid(State(h), index) ? index : LB_ERR;
}

LRESULT SetSel(HWND h, WPARAM wParam, LPARAM lParam)
{
    if (!MultiSelect(h))
        return LB_ERR;
    ListState &s = State(h);
    int index = static_cast<int>(lParam);
    if (index == -1) {
        for (int i = 0; i < static_cast<int>(s.items.size()); ++i)
            SetItemSelected(h, i, wParam != 0);
        return LB_OKAY;
    }
    if (!Valid(s, index))
        return LB_ERR;
    SetItemSelected(h, index, wParam != 0);
    return LB_OKAY;
}

LRESULT GetSelItems(HWND h, WPARAM wParam, LPARAM lParam)
{
    const ListState &s = State(h);
    if (!MultiSelect(h))
        return LB_ERR;
    auto *out = reinterpret_cast<int *>(lParam);
    int max = static_cast<int>(wParam), n = 0;
    for (int i = 0; i < static_cast<int>(s.items.size()) && n < max; ++i)
        if (s.items[static_cast<size_t>(i)].selected && out)
            out[n++] = i;
    return n;
}

LRESULT SelCount(HWND h)
{
    if (!MultiSelect(h))
        return LB_ERR;
    const ListState &s = State(h);
    return std::count_if(s.items.begin(), s.items.end(), [](const ListItem &i) { return i.selected; });
}

LRESULT ItemFromPoint(HWND h, LPARAM lParam)
{
    const ListState &s = State(h);
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT rc;
    GetClientRect(h, &rc);
    bool outside = pt.x < rc.left || pt.x >= rc.right || pt.y < rc.top || pt.y >= rc.bottom;
    int index = s.top + (pt.y >= 0 ? pt.y / ItemHeight(h) : -1);
    int count = static_cast<int>(s.items.size());
    if (index >= count) {
        index = std::max(0, count - 1);
        outside = true;
    }
    index = std::max(0, index);
    return MAKELONG(index, outside ? 1 : 0);
}

void Measure(HWND h)
{
    if (!OwnerDraw(h))
        return;
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_LISTBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(h));
    RECT rc;
    GetClientRect(h, &rc);
    mis.itemWidth = static_cast<UINT>(rc.right);
    mis.itemHeight = static_cast<UINT>(ItemHeight(h));
    if (HWND target = NotifyTarget(h))
        SendMessage(target, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    if (mis.itemHeight > 0)
        State(h).itemHeight = static_cast<int>(mis.itemHeight);
}

// ---- Input

void UserSelect(HWND h, int index, bool shift, bool ctrl)
{
    ListState &s = State(h);
    if (!Valid(s, index))
        return;
    bool changed = false;
    DWORD style = ControlStyle(h);
    if (style & LBS_MULTIPLESEL) {
        SetItemSelected(h, index, !s.items[static_cast<size_t>(index)].selected);
        SetCaret(h, index);
        changed = true;
    } else if ((style & LBS_EXTENDEDSEL) && shift) {
        changed = SelectRange(h, s.anchor >= 0 ? s.anchor : index, index);
    } else if ((style & LBS_EXTENDEDSEL) && ctrl) {
        SetItemSelected(h, index, !s.items[static_cast<size_t>(index)].selected);
        SetCaret(h, index);
        s.anchor = index;
        changed = true;
    } else {
        changed = SelectOnly(h, index);
    }
    EnsureVisible(h, index);
    if (changed)
        Notify(h, LBN_SELCHANGE);
}

LRESULT KeyDown(HWND h, WPARAM vk)
{
    ListState &s = State(h);
    int count = static_cast<int>(s.items.size());
    if (count == 0)
        return 0;
    int current = s.caret < 0 ? 0 : s.caret;
    int page = std::max(1, VisibleCount(h) - 1);
    int target;
    switch (vk) {
    case VK_UP: target = current - 1; break;
    case VK_DOWN: target = s.caret < 0 ? 0 : current + 1; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    case VK_PRIOR: target = current - page; break;
    case VK_NEXT: target = current + page; break;
    case VK_SPACE:
        if (ControlStyle(h) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
            UserSelect(h, current, false, true);
        return 0;
    default: return 0;
    }
    target = std::max(0, std::min(target, count - 1));
    if (ControlStyle(h) & LBS_MULTIPLESEL) {
        SetCaret(h, target);
        EnsureVisible(h, target);
        return 0;
    }
    UserSelect(h, target, GetKeyState(VK_SHIFT) < 0, false);
    return 0;
}

void Char(HWND h, WPARAM ch)
{
    if (ch < 0x20 || !HasStrings(h))
        return;
    char prefix[2] = {static_cast<char>(ch), 0};
    LRESULT found = Find(h, static_cast<WPARAM>(State(h).caret), reinterpret_cast<LPARAM>(prefix), false);
    if (found != LB_ERR)
        UserSelect(h, static_cast<int>(found), false, false);
}

void MouseDown(HWND h, LPARAM lParam, bool dblclk)
{
    if (GetFocus() != h)
        SetFocus(h);
    if (!IsWindow(h))
        return;
    LRESULT hit = ItemFromPoint(h, lParam);
    if (HIWORD(hit) == 0) {
        UserSelect(h, LOWORD(hit), GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0);
        if (dblclk)
            Notify(h, LBN_DBLCLK);
    }
    if (!dblclk && !(ControlStyle(h) & LBS_MULTIPLESEL)) {
        State(h).tracking = true;
        SetCapture(h);
    }
}

void MouseMove(HWND h, LPARAM lParam)
{
    if (!State(h).tracking)
        return;
    LRESULT hit = ItemFromPoint(h, lParam);
    if (HIWORD(hit) == 0)
        UserSelect(h, LOWORD(hit), (ControlStyle(h) & LBS_EXTENDEDSEL) != 0, false);
}

void MouseUp(HWND h)
{
    if (!State(h).tracking)
        return;
    State(h).tracking = false;
    if (GetCapture() == h)
        ReleaseCapture();
}

LRESULT VScroll(HWND h, WPARAM wParam)
{
    ListState &s = State(h);
    int page = VisibleCount(h);
    switch (LOWORD(wParam)) {
    case SB_LINEUP: SetTop(h, s.top - 1); break;
    case SB_LINEDOWN: SetTop(h, s.top + 1); break;
    case SB_PAGEUP: SetTop(h, s.top - page); break;
    case SB_PAGEDOWN: SetTop(h, s.top + page); break;
    case SB_TOP: SetTop(h, 0); break;
    case SB_BOTTOM: SetTop(h, static_cast<int>(s.items.size())); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTop(h, static_cast<short>(HIWORD(wParam))); break;
    default: break;
    }
    return 0;
}

void Focus(HWND h, bool gained)
{
    ListState &s = State(h);
    s.focus = gained;
    if (!gained && s.tracking)
        MouseUp(h);
    if (OwnerDraw(h))
        RedrawItem(h, s.caret, ODA_FOCUS);
    else
        InvalidateRect(h, nullptr, TRUE);
    Notify(h, gained ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

LRESULT ItemMessage(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    ListState &s = State(h);
    int index = static_cast<int>(wParam);
    switch (Msg) {
    case LB_ADDSTRING: return Insert(h, -1, lParam, true);
    case LB_INSERTSTRING: return Insert(h, index, lParam, false);
    case LB_DELETESTRING: return Delete(h, wParam);
    case LB_RESETCONTENT: Reset(h); return 0;
    case LB_GETCOUNT: return static_cast<LRESULT>(s.items.size());
    case LB_GETTEXT: return GetText(h, wParam, lParam);
    case LB_GETTEXTLEN:
        return Valid(s, index) ? (HasStrings(h) ? static_cast<LRESULT>(s.items[static_cast<size_t>(index)].text.size())
                                                : static_cast<LRESULT>(sizeof(ULONG_PTR)))
                               : LB_ERR;
    case LB_GETITEMDATA:
        return Valid(s, index) ? static_cast<LRESULT>(s.items[static_cast<size_t>(index)].data) : LB_ERR;
    case LB_SETITEMDATA:
        if (!Valid(s, index))
            return LB_ERR;
        s.items[static_cast<size_t>(index)].data = static_cast<ULONG_PTR>(lParam);
        return LB_OKAY;
    case LB_GETCURSEL: return CurSel(h);
    case LB_SETCURSEL: return SetCurSel(h, wParam);
    case LB_GETSEL: return Valid(s, index) ? (s.items[static_cast<size_t>(index)].selected ? 1 : 0) : LB_ERR;
    case LB_SETSEL: return SetSel(h, wParam, lParam);
    case LB_GETSELCOUNT: return SelCount(h);
    case LB_GETSELITEMS: return GetSelItems(h, wParam, lParam);
    case LB_SELITEMRANGE:
        if (!MultiSelect(h))
            return LB_ERR;
        for (int i = LOWORD(lParam); i <= HIWORD(lParam) && Valid(s, i); ++i)
            SetItemSelected(h, i, wParam != 0);
        return LB_OKAY;
    case LB_FINDSTRING: return Find(h, wParam, lParam, false);
    case LB_FINDSTRINGEXACT: return Find(h, wParam, lParam, true);
    case LB_SELECTSTRING: {
        LRESULT found = Find(h, wParam, lParam, false);
        if (found != LB_ERR)
            SelectOnly(h, static_cast<int>(found));
        return found;
    }
    case LB_GETTOPINDEX: return s.top;
    case LB_SETTOPINDEX:
        if (!Valid(s, index))
            return LB_ERR;
        SetTop(h, index);
        return LB_OKAY;
    case LB_GETITEMRECT:
        if (!Valid(s, index) || !lParam)
            return LB_ERR;
        *reinterpret_cast<RECT *>(lParam) = ItemRect(h, index);
        return LB_OKAY;
    case LB_GETITEMHEIGHT: return ItemHeight(h);
    case LB_SETITEMHEIGHT:
        if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255)
            return LB_ERR;
        s.itemHeight = LOWORD(lParam);
        UpdateScrollBar(h);
        InvalidateRect(h, nullptr, TRUE);
        return LB_OKAY;
    case LB_GETCARETINDEX: return s.caret;
    case LB_SETCARETINDEX:
        if (!Valid(s, index))
            return LB_ERR;
        SetCaret(h, index);
        if (LOWORD(lParam))
            EnsureVisible(h, index);
        return LB_OKAY;
    case LB_GETANCHORINDEX: return s.anchor;
    case LB_SETANCHORINDEX: s.anchor = index; return LB_OKAY;
    case LB_ITEMFROMPOINT: return ItemFromPoint(h, lParam);
    default: return DefWindowProc(h, Msg, wParam, lParam);
    }
}

} // namespace

LRESULT PlexoListBoxProc(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    switch (Msg) {
    case WM_CREATE:
        State(h);
        Measure(h);
        UpdateScrollBar(h);
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN: return KeyDown(h, wParam);
    case WM_CHAR: Char(h, wParam); return 0;
    case WM_LBUTTONDOWN: MouseDown(h, lParam, false); return 0;
    case WM_LBUTTONDBLCLK: MouseDown(h, lParam, true); return 0;
    case WM_MOUSEMOVE: MouseMove(h, lParam); return 0;
    case WM_LBUTTONUP: MouseUp(h); return 0;
    case WM_CAPTURECHANGED: State(h).tracking = false; return 0;
    case WM_VSCROLL: return VScroll(h, wParam);
    case WM_MOUSEWHEEL: SetTop(h, State(h).top - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA); return 0;
    case WM_SETFOCUS: Focus(h, true); return 0;
    case WM_KILLFOCUS: Focus(h, false); return 0;
    case WM_SETFONT: {
        LRESULT r = DefWindowProc(h, Msg, wParam, lParam);
        if (!OwnerDraw(h))
            State(h).itemHeight = 0;
        UpdateScrollBar(h);
        return r;
    }
    case WM_SIZE: UpdateScrollBar(h); return DefWindowProc(h, Msg, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: ControlPaint::OnPaint(h, wParam, [h](HDC hdc) { Paint(h, hdc); }); return 0;
    case WM_NCDESTROY: States().erase(h); return DefWindowProc(h, Msg, wParam, lParam);
    default: return ItemMessage(h, Msg, wParam, lParam);
    }
}

void PlexoRegisterListBoxClass()
{
    static const bool registered = RegisterControlClass("LISTBOX", &PlexoListBoxProc, CS_DBLCLKS | CS_PARENTDC);
    (void)registered;
}

// ---- CListBox

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    PlexoRegisterStandardControls();
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CListBox::GetText(int nIndex, CString &rString) const
{
    int n = GetTextLen(nIndex);
    if (n < 0) {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBuffer(n + 1));
    rString.ReleaseBuffer(n);
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL &bOutside) const
{
    auto r = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
    bOutside = HIWORD(r) != 0;
    return LOWORD(r);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    } else if (message == WM_MEASUREITEM) {
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    } else {
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}
