// Tab order and groups: the controls of a dialog in creation order, the next
// tab stop and the next control of a group.
#include "framework/controls/ControlWindowState.h"
#include "framework/controls/DialogManager.h"
#include "framework/controls/DialogNavigation.h"
#include "framework/controls/DialogState.h"

#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <algorithm>

namespace {

bool Usable(HWND h)
{
    DWORD style = ControlStyle(h);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

void Collect(HWND hParent, bool bUsable, std::vector<HWND> &out)
{
    for (HWND h = GetWindow(hParent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (bUsable && !Usable(h))
            continue;
        if (GetWindowLong(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
            Collect(h, bUsable, out);
        else
            out.push_back(h);
    }
}

// The checked radio button of the group that starts a tab stop, if any.
HWND CheckedInGroup(HWND hDlg, HWND hCtl)
{
    if (!(SendMessage(hCtl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
        return hCtl;
    HWND h = hCtl;
    do {
        if (SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED)
            return h;
        h = GetNextDlgGroupItem(hDlg, h, FALSE);
    } while (h && h != hCtl);
    return hCtl;
}

// The dialog's own control that holds hCtl (the combo box of its edit).
HWND OwnControl(HWND hDlg, HWND hCtl, const std::vector<HWND> &all)
{
    for (HWND h = hCtl; h && h != hDlg; h = GetParent(h))
        if (std::find(all.begin(), all.end(), h) != all.end())
            return h;
    return hCtl;
}

} // namespace

std::vector<HWND> DialogNavigation::Controls(HWND hDlg, bool bUsable)
{
    std::vector<HWND> out;
    if (IsWindow(hDlg))
        Collect(hDlg, bUsable, out);
    return out;
}

HWND DialogNavigation::FindControl(HWND hDlg, int nID)
{
    if (HWND h = GetDlgItem(hDlg, nID))
        return h;
    for (HWND h : Controls(hDlg, false))
        if (GetDlgCtrlID(h) == nID)
            return h;
    return nullptr;
}

HWND DialogNavigation::OwningDialog(HWND hCtl)
{
    HWND found = nullptr;
    for (HWND h = GetParent(hCtl); h; h = GetParent(h))
        if (DialogStates::Find(h))
            found = h;
    return found;
}

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    std::vector<HWND> all = DialogNavigation::Controls(hDlg, false);
    if (all.empty())
        return nullptr;
    auto isStop = [](HWND h) { return Usable(h) && (ControlStyle(h) & WS_TABSTOP); };
    hCtl = hCtl ? OwnControl(hDlg, hCtl, all) : nullptr;
    auto it = hCtl ? std::find(all.begin(), all.end(), hCtl) : all.end();
    size_t n = all.size();
    size_t start;
    if (it == all.end())
        start = bPrevious ? 0 : n - 1; // so that the first step lands on the first (last) control
    else
        start = static_cast<size_t>(it - all.begin());
    for (size_t k = 1; k <= n; ++k) {
        size_t i = bPrevious ? (start + n - k) % n : (start + k) % n;
        if (isStop(all[i]))
            return CheckedInGroup(hDlg, all[i]);
    }
    return hCtl;
}

HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    if (!hCtl || !IsWindow(hCtl))
        return nullptr;
    hCtl = OwnControl(hDlg, hCtl, DialogNavigation::Controls(hDlg, false));
    // The group: from the WS_GROUP control at or before hCtl to the control
    // before the next WS_GROUP, among hCtl's siblings.
    std::vector<HWND> siblings;
    for (HWND h = GetWindow(GetParent(hCtl), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        siblings.push_back(h);
    auto at = std::find(siblings.begin(), siblings.end(), hCtl);
    if (at == siblings.end())
        return hCtl;
    size_t pos = static_cast<size_t>(at - siblings.begin());
    size_t first = pos;
    while (first > 0 && !(ControlStyle(siblings[first]) & WS_GROUP))
        --first;
    size_t last = pos;
    while (last + 1 < siblings.size() && !(ControlStyle(siblings[last + 1]) & WS_GROUP))
        ++last;
    size_t n = last - first + 1;
    for (size_t k = 1; k <= n; ++k) {
        size_t i = first + (bPrevious ? (pos - first + n - k) % n : (pos - first + k) % n);
        if (Usable(siblings[i]))
            return siblings[i];
    }
    return hCtl;
}
