// Message boxes: a text, a caption, a set of buttons, an icon and a default
// button, shown modal over the program's active window. Every box goes
// through the handler installed with AfxSetMessageBoxHandler; the window
// layer installs one that shows a Qt message box on a desktop and, under
// the offscreen platform, logs the text and answers the default button.
// Tests install their own handler to answer; PlexoGetMessageBoxCaption and
// PlexoGetMessageBoxOwner tell it about the box being shown.
#pragma once

#include "framework/base/CString.h"
#include "framework/window/WinHandles.h"
#include "framework/window/WinMessages.h"

#ifndef MB_DEFBUTTON1
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_DEFMASK 0x00000F00L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_MODEMASK 0x00003000L
#define MB_SETFOREGROUND 0x00010000L
#define MB_TOPMOST 0x00040000L
#endif

// Simple beeps (MessageBeep's argument).
#ifndef MB_ICONMASK
#define MB_ICONMASK 0x000000F0L
#endif

// Shows a box; NULL caption: "Error". hWnd: the owner, NULL for the
// program's active window. Returns the button pressed (IDOK, IDCANCEL,
// IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO).
int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType);
// The same with a help id for the handler; NULL caption: the title.
int PlexoShowMessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType, UINT nIDHelp);
// Sounds the desktop's bell (every beep type sounds the same here).
BOOL MessageBeep(UINT uType);

// The caption of boxes that name none (the application title); the
// application object sets it, until then it is the Qt application name.
void PlexoSetMessageBoxTitle(LPCTSTR lpszTitle);
CString PlexoGetMessageBoxTitle();

// What the box being shown has as caption and owner (for a handler).
CString PlexoGetMessageBoxCaption();
HWND PlexoGetMessageBoxOwner();

// The buttons of a style, in the order they are shown, and the one a
// style makes the default (MB_DEFBUTTONn beyond the set: the first).
int PlexoMessageBoxButtons(UINT uType, int *pnIDs);
int PlexoMessageBoxDefault(UINT uType);
