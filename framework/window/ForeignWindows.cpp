#include "framework/window/ForeignWindows.h"

namespace {

const PlexoForeignWindowOps *g_foreignOps = nullptr;
PlexoClassHook g_classHook = nullptr;

} // namespace

void PlexoSetForeignWindowOps(const PlexoForeignWindowOps *pOps)
{
    g_foreignOps = pOps;
}

const PlexoForeignWindowOps *PlexoForeignWindows()
{
    return g_foreignOps;
}

void PlexoSetClassHook(PlexoClassHook pfnHook)
{
    g_classHook = pfnHook;
}

void PlexoCallClassHook(LPCTSTR lpszClassName, BOOL bRegistered)
{
    if (g_classHook)
        g_classHook(lpszClassName, bRegistered);
}
