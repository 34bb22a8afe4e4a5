// A logging window procedure for message-sequence tests: every window of its
// class records each message it gets (and whether it came through the
// queue), then passes it to DefWindowProc. Sequences are compared with a
// table of expected entries.
#pragma once

#include "framework/window/WindowApi.h"

#include <map>
#include <string>
#include <vector>

// What one window got. For WM_WINDOWPOSCHANGING/CHANGED wParam holds the
// WINDOWPOS flags, for WM_STYLECHANGING/CHANGED lParam holds the new styles.
struct LoggedMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool posted;
};

// How an expected entry is compared.
enum ExpectFlags : unsigned {
    kCheckW = 1,   // wParam must match
    kCheckL = 2,   // lParam must match
    kOptional = 4, // may be absent
    kPosted = 8,   // came through the queue
    kAnyKind = 16, // sent or posted
};

struct ExpectedMessage {
    const char *window; // the name the window was created with
    UINT message;
    unsigned flags = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

namespace MessageLog {
// Registers the logging class once; returns its name.
LPCTSTR ClassName();
// Creates a window of the logging class, known in the log by its name.
HWND Create(const char *name, DWORD dwStyle, const RECT &rect, HWND hParent = nullptr, int id = 0, DWORD dwExStyle = 0);
// The window created under the name (its handle stays known after it is
// destroyed, for expected lParams).
HWND Find(const std::string &name);
void Name(HWND hWnd, const std::string &name);
// Starts recording messages through the queue (a pre-translation hook);
// Stop puts the previous hook back.
void Start();
void Stop();
void Clear();
const std::vector<LoggedMessage> &Entries();
// Entries whose message is one of these (all when the set is empty).
std::vector<LoggedMessage> Filtered(const std::vector<UINT> &only);
// "" when the entries match the expected ones, else what differs and the
// whole log.
std::string Compare(const std::vector<LoggedMessage> &got, const std::vector<ExpectedMessage> &expected);
} // namespace MessageLog
