// Accelerator tables: key combinations that send WM_COMMAND.
#include "framework/window/InputApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowInternals.h"

#include "framework/resources/Resources.h"

#include <map>
#include <memory>
#include <vector>

struct HACCEL__ {
    std::vector<ACCEL> entries;
    bool shared = false; // loaded from the resource registry: never freed by the program
};

namespace {

std::map<UINT, std::unique_ptr<HACCEL__>> &Loaded()
{
    static std::map<UINT, std::unique_ptr<HACCEL__>> loaded;
    return loaded;
}

bool ModifiersMatch(BYTE fVirt)
{
    bool shift = GetKeyState(VK_SHIFT) < 0, control = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
    return shift == ((fVirt & FSHIFT) != 0) && control == ((fVirt & FCONTROL) != 0) && alt == ((fVirt & FALT) != 0);
}

bool Matches(const ACCEL &a, const MSG &msg)
{
    if (a.fVirt & FVIRTKEY) {
        if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
            return false;
        return msg.wParam == a.key && ModifiersMatch(a.fVirt);
    }
    // Character entries match the typed character (Alt: WM_SYSCHAR).
    if (msg.message != WM_CHAR && msg.message != WM_SYSCHAR)
        return false;
    if ((msg.message == WM_SYSCHAR) != ((a.fVirt & FALT) != 0))
        return false;
    return msg.wParam == a.key;
}

} // namespace

HACCEL LoadAccelerators(HINSTANCE, LPCTSTR lpTableName)
{
    if (!IS_INTRESOURCE(lpTableName))
        return nullptr;
    UINT id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpTableName));
    auto it = Loaded().find(id);
    if (it != Loaded().end())
        return it->second.get();
    int count = 0;
    const ACCEL *entries = PlexoFindAccelerators(id, &count);
    if (!entries || count <= 0)
        return nullptr;
    auto table = std::make_unique<HACCEL__>();
    table->entries.assign(entries, entries + count);
    table->shared = true;
    HACCEL h = table.get();
    Loaded()[id] = std::move(table);
    return h;
}

HACCEL CreateAcceleratorTable(const ACCEL *paccel, int cAccel)
{
    if (!paccel || cAccel <= 0)
        return nullptr;
    auto *table = new HACCEL__;
    table->entries.assign(paccel, paccel + cAccel);
    return table;
}

BOOL DestroyAcceleratorTable(HACCEL hAccel)
{
    if (!hAccel || hAccel->shared)
        return FALSE;
    delete hAccel;
    return TRUE;
}

int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg)
{
    if (!hAccTable || !lpMsg || !IsWindow(hWnd))
        return 0;
    for (const ACCEL &a : hAccTable->entries) {
        if (!Matches(a, *lpMsg))
            continue;
        SendMessage(hWnd, WM_COMMAND, MAKEWPARAM(a.cmd, CMD_FROM_ACCELERATOR), 0);
        return 1;
    }
    return 0;
}
