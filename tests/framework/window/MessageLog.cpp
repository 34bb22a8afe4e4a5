#include "MessageLog.h"

#include "framework/window/MessageApi.h"

#include "framework/gdi/GdiConstants.h"

#include <cstdio>
#include <sstream>

namespace {

struct LogState {
    std::vector<LoggedMessage> entries;
    std::map<HWND, std::string> names;
    MSG queued{};
    bool haveQueued = false;
    PlexoPreTranslateHook previous = nullptr;
    std::string pendingName; // of the window being created
};

LogState &L()
{
    static LogState state;
    return state;
}

// The queue hands each message to the hook before dispatching it: the
// message the procedure then gets with the same values came through it.
BOOL NoteQueued(MSG *pMsg)
{
    L().queued = *pMsg;
    L().haveQueued = true;
    return FALSE;
}

bool TakeQueued(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG &q = L().queued;
    if (!L().haveQueued || q.hwnd != h || q.message != message || q.wParam != wParam || q.lParam != lParam)
        return false;
    L().haveQueued = false;
    return true;
}

LRESULT LoggingProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The first message a new window gets names it.
    if (!L().pendingName.empty() && !L().names.count(h)) {
        L().names[h] = L().pendingName;
        L().pendingName.clear();
    }
    LoggedMessage entry{h, message, wParam, lParam, TakeQueued(h, message, wParam, lParam)};
    if ((message == WM_WINDOWPOSCHANGING || message == WM_WINDOWPOSCHANGED) && lParam)
        entry.wParam = reinterpret_cast<WINDOWPOS *>(lParam)->flags;
    if ((message == WM_STYLECHANGING || message == WM_STYLECHANGED) && lParam)
        entry.lParam = static_cast<LPARAM>(reinterpret_cast<STYLESTRUCT *>(lParam)->styleNew);
    L().entries.push_back(entry);
    return DefWindowProc(h, message, wParam, lParam);
}

std::string MessageName(UINT message)
{
    static const std::map<UINT, const char *> names{
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_PAINT, "WM_PAINT"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
        {WM_CANCELMODE, "WM_CANCELMODE"},
        {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {WM_CHILDACTIVATE, "WM_CHILDACTIVATE"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
    };
    auto it = names.find(message);
    if (it != names.end())
        return it->second;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%04X", message);
    return buffer;
}

std::string WindowName(HWND h)
{
    auto it = L().names.find(h);
    return it == L().names.end() ? "?" : it->second;
}

std::string Describe(const LoggedMessage &m)
{
    std::ostringstream out;
    out << WindowName(m.hWnd) << ' ' << MessageName(m.message) << " w=0x" << std::hex << m.wParam << " l=0x"
        << static_cast<unsigned long long>(m.lParam) << (m.posted ? " posted" : "");
    return out.str();
}

std::string Describe(const ExpectedMessage &e)
{
    std::ostringstream out;
    out << e.window << ' ' << MessageName(e.message);
    if (e.flags & kCheckW)
        out << " w=0x" << std::hex << e.wParam;
    if (e.flags & kCheckL)
        out << " l=0x" << std::hex << static_cast<unsigned long long>(e.lParam);
    if (e.flags & kOptional)
        out << " (optional)";
    if (e.flags & kPosted)
        out << " posted";
    return out.str();
}

bool Matches(const LoggedMessage &m, const ExpectedMessage &e)
{
    if (m.message != e.message || WindowName(m.hWnd) != e.window)
        return false;
    if ((e.flags & kCheckW) && m.wParam != e.wParam)
        return false;
    if ((e.flags & kCheckL) && m.lParam != e.lParam)
        return false;
    if (!(e.flags & kAnyKind) && m.posted != ((e.flags & kPosted) != 0))
        return false;
    return true;
}

} // namespace

LPCTSTR MessageLog::ClassName()
{
    static const char *name = [] {
        WNDCLASS wc{};
        wc.lpfnWndProc = &LoggingProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
        wc.lpszClassName = "PlexoLoggingWindow";
        RegisterClass(&wc);
        return "PlexoLoggingWindow";
    }();
    return name;
}

HWND MessageLog::Create(const char *name, DWORD dwStyle, const RECT &rect, HWND hParent, int id, DWORD dwExStyle)
{
    L().pendingName = name;
    HWND h = CreateWindowEx(dwExStyle, ClassName(), name, dwStyle, rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top, hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                            nullptr);
    L().pendingName.clear();
    if (h)
        L().names[h] = name;
    return h;
}

HWND MessageLog::Find(const std::string &name)
{
    for (auto &[h, n] : L().names)
        if (n == name)
            return h;
    return nullptr;
}

void MessageLog::Name(HWND hWnd, const std::string &name)
{
    L().names[hWnd] = name;
}

void MessageLog::Start()
{
    L().previous = PlexoSetPreTranslateHook(&NoteQueued);
    L().haveQueued = false;
}

void MessageLog::Stop()
{
    PlexoSetPreTranslateHook(L().previous);
    L().names.clear();
    L().entries.clear();
}

void MessageLog::Clear()
{
    L().entries.clear();
}

const std::vector<LoggedMessage> &MessageLog::Entries()
{
    return L().entries;
}

std::vector<LoggedMessage> MessageLog::Filtered(const std::vector<UINT> &only)
{
    std::vector<LoggedMessage> result;
    for (const LoggedMessage &m : L().entries) {
        bool wanted = only.empty();
        for (UINT message : only)
            wanted = wanted || m.message == message;
        if (wanted)
            result.push_back(m);
    }
    return result;
}

std::string MessageLog::Compare(const std::vector<LoggedMessage> &got, const std::vector<ExpectedMessage> &expected)
{
    std::ostringstream problems;
    size_t g = 0;
    for (const ExpectedMessage &e : expected) {
        if (g < got.size() && Matches(got[g], e)) {
            ++g;
            continue;
        }
        if (e.flags & kOptional)
            continue;
        problems << "expected " << Describe(e) << ", got "
                 << (g < got.size() ? Describe(got[g]) : std::string("nothing")) << '\n';
        break;
    }
    if (problems.str().empty() && g < got.size())
        problems << "unexpected " << Describe(got[g]) << '\n';
    if (problems.str().empty())
        return "";
    problems << "log:\n";
    for (const LoggedMessage &m : got)
        problems << "  " << Describe(m) << '\n';
    return problems.str();
}
