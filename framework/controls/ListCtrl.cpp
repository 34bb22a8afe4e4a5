// The list view control in report view: columns, rows, selection, the
// header and rows painted in the classic style or by their owner.
#include "framework/controls/ListCtrl.h"
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
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Column {
    std::string heading;
    int format = LVCFMT_LEFT;
    int width = 60;
};

struct Row {
    std::vector<std::string> texts; // item text, then the sub-items'
    LPARAM data = 0;
    UINT state = 0;
    int image = -1;
};

struct ListViewState {
    std::vector<Column> columns;
    std::vector<Row> rows;
    DWORD extended = 0;
    int top = 0;
    int rowHeight = 0; // 0 until measured
    int headerHeight = 0;
    bool focus = false;
    HIMAGELIST imageLists[3] = {nullptr, nullptr, nullptr};
};

std::map<HWND, ListViewState> &States()
{
    return ControlStates<ListViewState>();
}

ListViewState &State(HWND h)
{
    return ControlState<ListViewState>(h);
}

bool Valid(const ListViewState &s, int item)
{
    return item >= 0 && item < static_cast<int>(s.rows.size());
}

int FontHeight(HWND h)
{
    int height = 13;
    if (HDC hdc = GetDC(h)) {
        HGDIOBJ old = ControlPaint::SelectFont(h, hdc);
        TEXTMETRIC tm{};
        GetTextMetrics(hdc, &tm);
        if (tm.tmHeight > 0)
            height = tm.tmHeight;
        SelectObject(hdc, old);
        ReleaseDC(h, hdc);
    }
    return height;
}

int RowHeight(HWND h)
{
    ListViewState &s = State(h);
    if (s.rowHeight <= 0)
        s.rowHeight = FontHeight(h) + 2;
    return s.rowHeight;
}

int HeaderHeight(HWND h)
{
    if (ControlStyle(h) & LVS_NOCOLUMNHEADER)
        return 0;
    ListViewState &s = State(h);
    if (s.headerHeight <= 0)
        s.headerHeight = FontHeight(h) + 6;
    return s.headerHeight;
}

int PerPage(HWND h)
{
    RECT rc;
    GetClientRect(h, &rc);
    return std::max(1, (static_cast<int>(rc.bottom) - HeaderHeight(h)) / RowHeight(h));
}

RECT RowRect(HWND h, int item)
{
    const ListViewState &s = State(h);
    RECT rc;
    GetClientRect(h, &rc);
    int width = 0;
    for (const Column &c : s.columns)
        width += c.width;
    int y = HeaderHeight(h) + (item - s.top) * RowHeight(h);
    return RECT{0, y, std::max(width, 1), y + RowHeight(h)};
}

void Measure(HWND h)
{
    if (!(ControlStyle(h) & LVS_OWNERDRAWFIXED))
        return;
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_LISTVIEW;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(h));
    mis.itemHeight = static_cast<UINT>(FontHeight(h) + 2);
    if (HWND hParent = GetParent(h))
        SendMessage(hParent, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    if (mis.itemHeight > 0)
        State(h).rowHeight = static_cast<int>(mis.itemHeight);
}

void UpdateScrollBar(HWND h)
{
    const ListViewState &s = State(h);
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    si.nMax = std::max(0, static_cast<int>(s.rows.size()) - 1);
    si.nPage = static_cast<UINT>(PerPage(h));
    si.nPos = s.top;
    SetScrollInfo(h, SB_VERT, &si, TRUE);
}

void SetTop(HWND h, int top)
{
    ListViewState &s = State(h);
    top = std::max(0, std::min(top, static_cast<int>(s.rows.size()) - PerPage(h)));
    if (top == s.top)
        return;
    s.top = top;
    UpdateScrollBar(h);
    InvalidateRect(h, nullptr, TRUE);
}

void EnsureVisible(HWND h, int item)
{
    const ListViewState &s = State(h);
    if (item < s.top)
        SetTop(h, item);
    else if (item >= s.top + PerPage(h))
        SetTop(h, item - PerPage(h) + 1);
}

// ---- Notifications

LRESULT SendNotify(HWND h, NMHDR &hdr)
{
    hdr.hwndFrom = h;
    hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(h));
    HWND hParent = GetParent(h);
    return hParent ? SendMessage(hParent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr)) : 0;
}

void InvalidateRow(HWND h, int item)
{
    RECT rc = RowRect(h, item);
    RECT client;
    GetClientRect(h, &client);
    rc.right = client.right;
    InvalidateRect(h, &rc, TRUE);
}

void ChangeState(HWND h, int item, UINT state, UINT mask)
{
    ListViewState &s = State(h);
    Row &row = s.rows[static_cast<size_t>(item)];
    UINT old = row.state;
    UINT now = (old & ~mask) | (state & mask);
    if (now == old)
        return;
    row.state = now;
    InvalidateRow(h, item);
    NMLISTVIEW nm{};
    nm.hdr.code = LVN_ITEMCHANGED;
    nm.iItem = item;
    nm.uNewState = now;
    nm.uOldState = old;
    nm.uChanged = LVIF_STATE;
    nm.lParam = row.data;
    SendNotify(h, nm.hdr);
}

LRESULT SetItemState(HWND h, int item, UINT state, UINT mask)
{
    ListViewState &s = State(h);
    if (item == -1) {
        for (int i = 0; i < static_cast<int>(s.rows.size()); ++i)
            ChangeState(h, i, state, mask);
        return TRUE;
    }
    if (!Valid(s, item))
        return FALSE;
    // One selection and one focus at a time where the style says so.
    if ((mask & LVIS_SELECTED) && (state & LVIS_SELECTED) && (ControlStyle(h) & LVS_SINGLESEL))
        for (int i = 0; i < static_cast<int>(s.rows.size()); ++i)
            if (i != item)
                ChangeState(h, i, 0, LVIS_SELECTED);
    if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED))
        for (int i = 0; i < static_cast<int>(s.rows.size()); ++i)
            if (i != item)
                ChangeState(h, i, 0, LVIS_FOCUSED);
    ChangeState(h, item, state, mask);
    return TRUE;
}

// ---- Painting

void PaintHeader(HWND h, CDC &dc)
{
    const ListViewState &s = State(h);
    int height = HeaderHeight(h);
    if (!height)
        return;
    int x = 0;
    RECT client;
    GetClientRect(h, &client);
    for (const Column &c : s.columns) {
        CRect cell(x, 0, x + c.width, height);
        dc.FillSolidRect(&cell, GetSysColor(COLOR_BTNFACE));
        dc.DrawEdge(&cell, EDGE_RAISED, BF_RECT | BF_SOFT);
        CRect text = cell;
        text.DeflateRect(4, 0);
        UINT align = c.format == LVCFMT_RIGHT ? DT_RIGHT : c.format == LVCFMT_CENTER ? DT_CENTER : DT_LEFT;
        dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
        dc.DrawText(CString(c.heading.c_str(), static_cast<int>(c.heading.size())), &text,
                    align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        x += c.width;
    }
    if (x < client.right) {
        CRect rest(x, 0, client.right, height);
        dc.FillSolidRect(&rest, GetSysColor(COLOR_BTNFACE));
        dc.DrawEdge(&rest, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
}

void PaintRow(HWND h, CDC &dc, int item)
{
    const ListViewState &s = State(h);
    const Row &row = s.rows[static_cast<size_t>(item)];
    RECT bounds = RowRect(h, item);
    bool selected = (row.state & LVIS_SELECTED) && (s.focus || (ControlStyle(h) & LVS_SHOWSELALWAYS));
    if (ControlStyle(h) & LVS_OWNERDRAWFIXED) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_LISTVIEW;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(h));
        dis.itemID = static_cast<UINT>(item);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = ((row.state & LVIS_SELECTED) ? ODS_SELECTED : 0) |
                        ((s.focus && (row.state & LVIS_FOCUSED)) ? ODS_FOCUS : 0);
        dis.hwndItem = h;
        dis.hDC = dc.GetSafeHdc();
        dis.rcItem = bounds;
        dis.itemData = static_cast<ULONG_PTR>(row.data);
        SendMessage(GetParent(h), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    bool fullRow = (s.extended & LVS_EX_FULLROWSELECT) != 0;
    int x = 0;
    for (size_t c = 0; c < s.columns.size(); ++c) {
        const Column &column = s.columns[c];
        CRect cell(x, bounds.top, x + column.width, bounds.bottom);
        std::string text = c < row.texts.size() ? row.texts[c] : std::string();
        bool highlight = selected && (fullRow || c == 0);
        if (highlight)
            dc.FillSolidRect(&cell, GetSysColor(COLOR_HIGHLIGHT));
        dc.SetTextColor(GetSysColor(highlight ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        CRect textRect = cell;
        textRect.DeflateRect(4, 0);
        HIMAGELIST small = s.imageLists[LVSIL_SMALL];
        if (c == 0 && small) {
            int cx = 0, cy = 0;
            ImageList_GetIconSize(small, &cx, &cy);
            if (row.image >= 0)
                ImageList_Draw(small, row.image, dc.GetSafeHdc(), cell.left + 2, cell.top + (cell.Height() - cy) / 2,
                               ILD_TRANSPARENT);
            textRect.left += cx + 2;
        }
        UINT align = column.format == LVCFMT_RIGHT ? DT_RIGHT : column.format == LVCFMT_CENTER ? DT_CENTER : DT_LEFT;
        dc.DrawText(CString(text.c_str(), static_cast<int>(text.size())), &textRect,
                    align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (s.extended & LVS_EX_GRIDLINES) {
            dc.FillSolidRect(cell.right - 1, cell.top, 1, cell.Height(), GetSysColor(COLOR_BTNFACE));
            dc.FillSolidRect(cell.left, cell.bottom - 1, cell.Width(), 1, GetSysColor(COLOR_BTNFACE));
        }
        x += column.width;
    }
    if (s.focus && (row.state & LVIS_FOCUSED)) {
        CRect focus(bounds);
        if (!fullRow && !s.columns.empty())
            focus.right = s.columns[0].width;
        dc.DrawFocusRect(&focus);
    }
}

void Paint(HWND h, HDC hdc)
{
    const ListViewState &s = State(h);
    CDC &dc = *CDC::FromHandle(hdc);
    CRect client;
    GetClientRect(h, &client);
    HBRUSH brush = ControlPaint::ParentColors(h, hdc, WM_CTLCOLORLISTBOX);
    if (brush)
        FillRect(hdc, &client, brush);
    HGDIOBJ oldFont = ControlPaint::SelectFont(h, hdc);
    dc.SetBkMode(TRANSPARENT);
    int last = std::min(static_cast<int>(s.rows.size()), s.top + PerPage(h) + 1);
    for (int i = s.top; i < last; ++i)
        PaintRow(h, dc, i);
    PaintHeader(h, dc);
    SelectObject(hdc, oldFont);
}

// ---- Items and columns

std::string ItemTextOf(const Row &row, int sub)
{
    return sub >= 0 && sub < static_cast<int>(row.texts.size()) ? row.texts[static_cast<size_t>(sub)] : std::string();
}

void CopyText(const std::string &text, LPTSTR buffer, int size)
{
    if (!buffer || size <= 0)
        return;
    size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = 0;
}

void SetText(Row &row, int sub, LPCTSTR text)
{
    if (sub < 0)
        return;
    if (static_cast<int>(row.texts.size()) <= sub)
        row.texts.resize(static_cast<size_t>(sub) + 1);
    row.texts[static_cast<size_t>(sub)] = text ? text : "";
}

LRESULT InsertItem(HWND h, const LVITEM *item)
{
    ListViewState &s = State(h);
    if (!item || item->iSubItem != 0)
        return -1;
    Row row;
    if (item->mask & LVIF_TEXT)
        SetText(row, 0, item->pszText);
    if (item->mask & LVIF_PARAM)
        row.data = item->lParam;
    if (item->mask & LVIF_IMAGE)
        row.image = item->iImage;
    if (item->mask & LVIF_STATE)
        row.state = item->state & item->stateMask;
    int index = item->iItem;
    if (index < 0 || index > static_cast<int>(s.rows.size()))
        index = static_cast<int>(s.rows.size());
    s.rows.insert(s.rows.begin() + index, std::move(row));
    UpdateScrollBar(h);
    if (index < s.top + PerPage(h) + 1)
        InvalidateRect(h, nullptr, TRUE);
    return index;
}

LRESULT SetItem(HWND h, const LVITEM *item)
{
    ListViewState &s = State(h);
    if (!item || !Valid(s, item->iItem))
        return FALSE;
    Row &row = s.rows[static_cast<size_t>(item->iItem)];
    if (item->mask & LVIF_TEXT)
        SetText(row, item->iSubItem, item->pszText);
    if (item->mask & LVIF_PARAM)
        row.data = item->lParam;
    if (item->mask & LVIF_IMAGE)
        row.image = item->iImage;
    InvalidateRow(h, item->iItem);
    if (item->mask & LVIF_STATE)
        SetItemState(h, item->iItem, item->state, item->stateMask);
    return TRUE;
}

LRESULT GetItem(HWND h, LVITEM *item)
{
    const ListViewState &s = State(h);
    if (!item || !Valid(s, item->iItem))
        return FALSE;
    const Row &row = s.rows[static_cast<size_t>(item->iItem)];
    if (item->mask & LVIF_TEXT)
        CopyText(ItemTextOf(row, item->iSubItem), item->pszText, item->cchTextMax);
    if (item->mask & LVIF_PARAM)
        item->lParam = row.data;
    if (item->mask & LVIF_IMAGE)
        item->iImage = row.image;
    if (item->mask & LVIF_STATE)
        item->state = row.state & item->stateMask;
    return TRUE;
}

LRESULT GetNextItem(HWND h, int start, UINT flags)
{
    const ListViewState &s = State(h);
    for (int i = start + 1; i < static_cast<int>(s.rows.size()); ++i) {
        UINT state = s.rows[static_cast<size_t>(i)].state;
        if (((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED)) ||
            ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED)))
            continue;
        return i;
    }
    return -1;
}

LRESULT InsertColumn(HWND h, WPARAM wParam, const LVCOLUMN *column)
{
    ListViewState &s = State(h);
    if (!column)
        return -1;
    Column c;
    if (column->mask & LVCF_TEXT)
        c.heading = column->pszText ? column->pszText : "";
    if (column->mask & LVCF_FMT)
        c.format = column->fmt & 3;
    if ((column->mask & LVCF_WIDTH) && column->cx >= 0)
        c.width = column->cx;
    int index = std::min(static_cast<int>(wParam), static_cast<int>(s.columns.size()));
    s.columns.insert(s.columns.begin() + std::max(index, 0), c);
    // The rows' texts keep their columns.
    if (index > 0)
        for (Row &row : s.rows)
            if (static_cast<int>(row.texts.size()) > index)
                row.texts.insert(row.texts.begin() + index, std::string());
    InvalidateRect(h, nullptr, TRUE);
    return std::max(index, 0);
}

int HitTest(HWND h, POINT pt, UINT *flags, int *sub)
{
    const ListViewState &s = State(h);
    int top = HeaderHeight(h);
    if (pt.y >= top) {
        int item = s.top + (pt.y - top) / RowHeight(h);
        int x = 0;
        for (size_t c = 0; c < s.columns.size(); ++c) {
            if (pt.x >= x && pt.x < x + s.columns[c].width && Valid(s, item)) {
                if (flags)
                    *flags = LVHT_ONITEM;
                if (sub)
                    *sub = static_cast<int>(c);
                return item;
            }
            x += s.columns[c].width;
        }
    }
    if (flags)
        *flags = LVHT_NOWHERE;
    return -1;
}

// ---- Input

void Select(HWND h, int item)
{
    if (!(ControlStyle(h) & LVS_SINGLESEL))
        SetItemState(h, -1, 0, LVIS_SELECTED);
    SetItemState(h, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EnsureVisible(h, item);
}

void Click(HWND h, LPARAM lParam, UINT code)
{
    if (GetFocus() != h)
        SetFocus(h);
    if (!IsWindow(h))
        return;
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    int sub = 0;
    int item = HitTest(h, pt, nullptr, &sub);
    if (item >= 0)
        Select(h, item);
    else
        SetItemState(h, -1, 0, LVIS_SELECTED);
    if (!IsWindow(h))
        return;
    NMITEMACTIVATE nm{};
    nm.hdr.code = code;
    nm.iItem = item;
    nm.iSubItem = item >= 0 ? sub : 0;
    nm.ptAction = pt;
    SendNotify(h, nm.hdr);
}

LRESULT KeyDown(HWND h, WPARAM vk)
{
    const ListViewState &s = State(h);
    int count = static_cast<int>(s.rows.size());
    if (count == 0)
        return 0;
    auto focused = static_cast<int>(GetNextItem(h, -1, LVNI_FOCUSED));
    int current = focused < 0 ? 0 : focused;
    int target;
    switch (vk) {
    case VK_UP: target = current - 1; break;
    case VK_DOWN: target = focused < 0 ? 0 : current + 1; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    case VK_PRIOR: target = current - PerPage(h); break;
    case VK_NEXT: target = current + PerPage(h); break;
    default: return 0;
    }
    Select(h, std::max(0, std::min(target, count - 1)));
    return 0;
}

LRESULT VScroll(HWND h, WPARAM wParam)
{
    const ListViewState &s = State(h);
    switch (LOWORD(wParam)) {
    case SB_LINEUP: SetTop(h, s.top - 1); break;
    case SB_LINEDOWN: SetTop(h, s.top + 1); break;
    case SB_PAGEUP: SetTop(h, s.top - PerPage(h)); break;
    case SB_PAGEDOWN: SetTop(h, s.top + PerPage(h)); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTop(h, static_cast<short>(HIWORD(wParam))); break;
    default: break;
    }
    return 0;
}

LRESULT ItemMessage(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    ListViewState &s = State(h);
    int item = static_cast<int>(wParam);
    switch (Msg) {
    case LVM_GETITEMCOUNT: return static_cast<LRESULT>(s.rows.size());
    case LVM_INSERTITEM: return InsertItem(h, reinterpret_cast<const LVITEM *>(lParam));
    case LVM_SETITEM: return SetItem(h, reinterpret_cast<const LVITEM *>(lParam));
    case LVM_GETITEM: return GetItem(h, reinterpret_cast<LVITEM *>(lParam));
    case LVM_DELETEITEM:
        if (!Valid(s, item))
            return FALSE;
        s.rows.erase(s.rows.begin() + item);
        SetTop(h, s.top);
        UpdateScrollBar(h);
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case LVM_DELETEALLITEMS:
        s.rows.clear();
        s.top = 0;
        UpdateScrollBar(h);
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case LVM_GETNEXTITEM: return GetNextItem(h, item, static_cast<UINT>(lParam));
    case LVM_SETITEMSTATE: {
        auto *lv = reinterpret_cast<const LVITEM *>(lParam);
        return lv ? SetItemState(h, item, lv->state, lv->stateMask) : FALSE;
    }
    case LVM_GETITEMSTATE:
        return Valid(s, item) ? static_cast<LRESULT>(s.rows[static_cast<size_t>(item)].state & lParam) : 0;
    case LVM_SETITEMTEXT: {
        auto *lv = reinterpret_cast<const LVITEM *>(lParam);
        if (!lv || !Valid(s, item))
            return FALSE;
        SetText(s.rows[static_cast<size_t>(item)], lv->iSubItem, lv->pszText);
        InvalidateRow(h, item);
        return TRUE;
    }
    case LVM_GETITEMTEXT: {
        auto *lv = reinterpret_cast<LVITEM *>(lParam);
        if (!lv || !Valid(s, item))
            return 0;
        std::string text = ItemTextOf(s.rows[static_cast<size_t>(item)], lv->iSubItem);
        CopyText(text, lv->pszText, lv->cchTextMax);
        return static_cast<LRESULT>(std::min(text.size(), static_cast<size_t>(std::max(lv->cchTextMax - 1, 0))));
    }
    case LVM_GETSELECTEDCOUNT:
        return std::count_if(s.rows.begin(), s.rows.end(), [](const Row &r) { return (r.state & LVIS_SELECTED) != 0; });
    case LVM_GETITEMRECT:
        if (!Valid(s, item) || !lParam)
            return FALSE;
        *reinterpret_cast<RECT *>(lParam) = RowRect(h, item);
        return TRUE;
    case LVM_HITTEST: {
        auto *info = reinterpret_cast<LVHITTESTINFO *>(lParam);
        if (!info)
            return -1;
        info->iItem = HitTest(h, info->pt, &info->flags, &info->iSubItem);
        return info->iItem;
    }
    case LVM_ENSUREVISIBLE: EnsureVisible(h, item); return TRUE;
    case LVM_GETTOPINDEX: return s.top;
    case LVM_GETCOUNTPERPAGE: return PerPage(h);
    default: return DefWindowProc(h, Msg, wParam, lParam);
    }
}

LRESULT ColumnMessage(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    ListViewState &s = State(h);
    int col = static_cast<int>(wParam);
    bool valid = col >= 0 && col < static_cast<int>(s.columns.size());
    switch (Msg) {
    case LVM_INSERTCOLUMN: return InsertColumn(h, wParam, reinterpret_cast<const LVCOLUMN *>(lParam));
    case LVM_DELETECOLUMN:
        if (!valid)
            return FALSE;
        s.columns.erase(s.columns.begin() + col);
        for (Row &row : s.rows)
            if (col < static_cast<int>(row.texts.size()))
                row.texts.erase(row.texts.begin() + col);
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case LVM_GETCOLUMNWIDTH: return valid ? s.columns[static_cast<size_t>(col)].width : 0;
    case LVM_SETCOLUMNWIDTH:
        if (!valid)
            return FALSE;
        s.columns[static_cast<size_t>(col)].width = std::max(0, static_cast<int>(static_cast<short>(LOWORD(lParam))));
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case LVM_GETCOLUMN: {
        auto *c = reinterpret_cast<LVCOLUMN *>(lParam);
        if (!c || !valid)
            return FALSE;
        const Column &column = s.columns[static_cast<size_t>(col)];
        if (c->mask & LVCF_TEXT)
            CopyText(column.heading, c->pszText, c->cchTextMax);
        if (c->mask & LVCF_FMT)
            c->fmt = column.format;
        if (c->mask & LVCF_WIDTH)
            c->cx = column.width;
        return TRUE;
    }
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        DWORD old = s.extended;
        DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFF;
        s.extended = (s.extended & ~mask) | (static_cast<DWORD>(lParam) & mask);
        InvalidateRect(h, nullptr, TRUE);
        return old;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return s.extended;
    case LVM_SETIMAGELIST: {
        if (wParam > LVSIL_STATE)
            return 0;
        HIMAGELIST old = s.imageLists[wParam];
        s.imageLists[wParam] = reinterpret_cast<HIMAGELIST>(lParam);
        InvalidateRect(h, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
    }
    case LVM_GETIMAGELIST: return wParam <= LVSIL_STATE ? reinterpret_cast<LRESULT>(s.imageLists[wParam]) : 0;
    default: return ItemMessage(h, Msg, wParam, lParam);
    }
}

} // namespace

LRESULT PlexoListViewProc(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    switch (Msg) {
    case WM_CREATE:
        State(h);
        Measure(h);
        UpdateScrollBar(h);
        return 0;
    case WM_SETFONT: {
        LRESULT r = DefWindowProc(h, Msg, wParam, lParam);
        State(h).headerHeight = 0;
        if (!(ControlStyle(h) & LVS_OWNERDRAWFIXED))
            State(h).rowHeight = 0;
        else
            Measure(h);
        UpdateScrollBar(h);
        return r;
    }
    case WM_WINDOWPOSCHANGED: {
        // An owner-drawn list asks for its row height again when it changes size.
        auto *wp = reinterpret_cast<const WINDOWPOS *>(lParam);
        if (wp && !(wp->flags & SWP_NOSIZE))
            Measure(h);
        UpdateScrollBar(h);
        return DefWindowProc(h, Msg, wParam, lParam);
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: Click(h, lParam, NM_CLICK); return 0;
    case WM_LBUTTONDBLCLK: Click(h, lParam, NM_DBLCLK); return 0;
    case WM_KEYDOWN: return KeyDown(h, wParam);
    case WM_VSCROLL: return VScroll(h, wParam);
    case WM_MOUSEWHEEL: SetTop(h, State(h).top - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        State(h).focus = Msg == WM_SETFOCUS;
        InvalidateRect(h, nullptr, TRUE);
        NMHDR nm{};
        nm.code = Msg == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS;
        SendNotify(h, nm);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: ControlPaint::OnPaint(h, wParam, [h](HDC hdc) { Paint(h, hdc); }); return 0;
    case WM_NCDESTROY: States().erase(h); return DefWindowProc(h, Msg, wParam, lParam);
    default: return ColumnMessage(h, Msg, wParam, lParam);
    }
}

void PlexoRegisterListViewClass()
{
    static const bool registered = RegisterControlClass(WC_LISTVIEW, &PlexoListViewProc, CS_DBLCLKS);
    (void)registered;
}

// ---- CListCtrl

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BOOL CListCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    PlexoRegisterStandardControls();
    return CWnd::Create(WC_LISTVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMN, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    LVITEM item{};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEM item{};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPTSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    char buffer[1024] = {};
    LVITEM item{};
    item.iSubItem = nSubItem;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    SendMessage(LVM_GETITEMTEXT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item));
    return CString(buffer);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = static_cast<LPARAM>(dwData);
    return SetItem(&item);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEM item{};
    item.state = nState;
    item.stateMask = nMask;
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT) const
{
    return static_cast<BOOL>(
        SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)));
}

int CListCtrl::HitTest(CPoint pt, UINT *pFlags) const
{
    LVHITTESTINFO info{};
    info.pt = pt;
    int item = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (pFlags)
        *pFlags = info.flags;
    return item;
}

CImageList *CListCtrl::SetImageList(CImageList *pImageList, int nImageListType)
{
    if (nImageListType < LVSIL_NORMAL || nImageListType > LVSIL_STATE)
        return nullptr;
    CImageList *old = m_pImageLists[nImageListType];
    m_pImageLists[nImageListType] = pImageList;
    SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType),
                reinterpret_cast<LPARAM>(pImageList ? pImageList->GetSafeHandle() : nullptr));
    return old;
}

CImageList *CListCtrl::GetImageList(int nImageListType) const
{
    return nImageListType >= LVSIL_NORMAL && nImageListType <= LVSIL_STATE ? m_pImageLists[nImageListType] : nullptr;
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

void CListCtrl::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (message == WM_DRAWITEM)
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    else if (message == WM_MEASUREITEM)
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    else
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}
