#include "framework/shell/DropTargetRegistry.h"

#include "framework/window/WindowApi.h"

#include <map>

namespace {

std::map<HWND, COleDropTarget *> &Targets()
{
    static std::map<HWND, COleDropTarget *> targets;
    return targets;
}

} // namespace

namespace DropTargets {

void Add(HWND hWnd, COleDropTarget *pTarget) { Targets()[hWnd] = pTarget; }

void Remove(HWND hWnd) { Targets().erase(hWnd); }

COleDropTarget *Find(HWND hWnd, HWND *phTargetWnd)
{
    for (HWND h = hWnd; h && IsWindow(h); h = (GetWindowLong(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr) {
        auto it = Targets().find(h);
        if (it != Targets().end()) {
            *phTargetWnd = h;
            return it->second;
        }
    }
    *phTargetWnd = nullptr;
    return nullptr;
}

bool IsRegistered(const COleDropTarget *pTarget, HWND hWnd)
{
    auto it = Targets().find(hWnd);
    return it != Targets().end() && it->second == pTarget && IsWindow(hWnd);
}

} // namespace DropTargets
