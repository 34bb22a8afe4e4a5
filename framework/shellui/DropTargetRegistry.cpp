#include "framework/shellui/DropTargetRegistry.h"

#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace {

// A registration holds while the window shows the widget it had then: a
// window destroyed without Revoke, whose handle a new window reuses, is no
// longer the target's.
struct Registration {
    COleDropTarget *target;
    QPointer<QWidget> widget;
    bool hadWidget;
};

std::map<HWND, Registration> &Targets()
{
    static std::map<HWND, Registration> targets;
    return targets;
}

bool Holds(HWND hWnd, const Registration &registration)
{
    if (!IsWindow(hWnd))
        return false;
    QWidget *widget = WindowCore::Widget(hWnd);
    return registration.hadWidget ? registration.widget && registration.widget == widget : widget == nullptr;
}

} // namespace

namespace DropTargets {

void Add(HWND hWnd, COleDropTarget *pTarget)
{
    QWidget *widget = WindowCore::Widget(hWnd);
    Targets()[hWnd] = Registration{pTarget, widget, widget != nullptr};
}

void Remove(HWND hWnd, const COleDropTarget *pTarget)
{
    auto it = Targets().find(hWnd);
    if (it != Targets().end() && it->second.target == pTarget)
        Targets().erase(it);
}

COleDropTarget *Find(HWND hWnd, HWND *phTargetWnd)
{
    for (HWND h = hWnd; h && IsWindow(h); h = (GetWindowLong(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr) {
        auto it = Targets().find(h);
        if (it != Targets().end() && Holds(h, it->second)) {
            *phTargetWnd = h;
            return it->second.target;
        }
    }
    *phTargetWnd = nullptr;
    return nullptr;
}

bool IsRegistered(const COleDropTarget *pTarget, HWND hWnd)
{
    auto it = Targets().find(hWnd);
    return it != Targets().end() && it->second.target == pTarget && Holds(hWnd, it->second);
}

} // namespace DropTargets
