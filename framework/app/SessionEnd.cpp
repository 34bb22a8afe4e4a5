#include "framework/app/SessionEnd.h"

#include "framework/app/WinApp.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <QGuiApplication>
#include <QSessionManager>

BOOL PlexoEndSession()
{
    CWinApp *pApp = AfxGetApp();
    CWnd *pMainWnd = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    HWND hMain = pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr;
    if (hMain == nullptr || !::IsWindow(hMain))
        return TRUE;
    const BOOL bMayEnd = ::SendMessage(hMain, WM_QUERYENDSESSION, 0, 0) != 0;
    if (::IsWindow(hMain))
        ::SendMessage(hMain, WM_ENDSESSION, bMayEnd, 0);
    return bMayEnd;
}

void PlexoWatchSessionEnd()
{
    static bool bWatching = false;
    auto *pApp = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (bWatching || pApp == nullptr)
        return;
    bWatching = true;
    QObject::connect(
        pApp, &QGuiApplication::commitDataRequest, pApp,
        [](QSessionManager &manager) {
            // The save prompts are the user's to answer: ask for the right
            // to show them, and ask them even when it is refused, so that
            // nothing is lost without a word.
            manager.allowsInteraction();
            if (!PlexoEndSession())
                manager.cancel();
            manager.release();
        },
        Qt::DirectConnection);
}
