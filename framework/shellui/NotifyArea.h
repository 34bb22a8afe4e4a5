// The icons behind Shell_NotifyIcon and where they show.  Framework-internal;
// the tests use the probe and the stand-in windows.
#pragma once

#include "framework/window/WinHandles.h"

class QWidget;

namespace NotifyArea {
// Whether the desktop has a notification area (by default Qt's answer).
typedef bool (*TrayProbe)();
void SetTrayProbe(TrayProbe probe);
// Looks at the probe again now (it is looked at every few seconds while a
// stand-in shows): icons move between the stand-ins and the notification
// area, and "TaskbarCreated" goes out when an area appeared.
void Recheck();
// The stand-in window of an icon; NULL while the icon is in a
// notification area (or does not exist).
QWidget *StandIn(HWND hWnd, UINT uID);
bool IsInNotificationArea(HWND hWnd, UINT uID);
} // namespace NotifyArea
