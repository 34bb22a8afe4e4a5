// Ends a program a test started: its frame, documents and instance, then
// the messages still queued for its windows.
#pragma once

#include "kilnsmith/app/MDIApp.h"

#include "framework/window/MessageApi.h"

inline void EndProgram(CMDIApp *&pApp)
{
    if (pApp == nullptr)
        return;
    if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->GetSafeHwnd() != nullptr)
        pApp->m_pMainWnd->DestroyWindow();
    pApp->CloseAllDocuments(TRUE);
    pApp->ExitInstance();
    delete pApp;
    pApp = nullptr;
    MSG msg{};
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        ;
}
