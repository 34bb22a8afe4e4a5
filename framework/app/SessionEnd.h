// The end of the desktop session.  The program's main window hears it as
// WM_QUERYENDSESSION (a zero answer asks the session to go on; a frame
// asks its modified documents to be saved here) and then WM_ENDSESSION
// (wParam TRUE: the session ends now and so does the program; FALSE: it
// goes on after all).
#pragma once

#include "framework/base/WinTypes.h"

// Asks the main window, then tells it the outcome; TRUE when the session
// may end.  Without a main window the session may end.
BOOL PlexoEndSession();
// Hands the desktop session manager's requests to PlexoEndSession (once;
// AfxWinMain calls it before the message loop runs).
void PlexoWatchSessionEnd();
