// Dialog templates are data a program registers: whatever they hold (unknown
// classes, duplicate or missing ids, zero or negative sizes, any styles and
// texts), a dialog must build, take keys and go away without harm.
#include "framework/controls/Dialog.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char *const kClasses[] = {
    "BUTTON",          "EDIT",      "STATIC",      "LISTBOX", "COMBOBOX", "msctls_updown32", "SysListView32",
    "SysTabControl32", "SCROLLBAR", "NoSuchClass", ""};
constexpr size_t kClassCount = sizeof(kClasses) / sizeof(kClasses[0]);

class Bytes {
public:
    Bytes(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_at >= m_size; }
    uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    uint16_t Word() { return static_cast<uint16_t>(Byte() | (Byte() << 8)); }
    uint32_t Dword() { return Word() | (static_cast<uint32_t>(Word()) << 16); }
    std::string Text()
    {
        std::string text;
        for (uint8_t n = Byte() % 24; n > 0 && !Empty(); --n)
            text += static_cast<char>(Byte());
        return text;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        new QApplication(argc, argv);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureApplication();
    Bytes in(data, size);
    std::vector<std::string> texts;
    std::vector<RESOURCE_DIALOG_ITEM> items;
    texts.reserve(80);
    int count = in.Byte() % 32;
    for (int i = 0; i < count && !in.Empty(); ++i) {
        RESOURCE_DIALOG_ITEM item{};
        uint8_t cls = in.Byte();
        item.lpszClass = cls == 0xFF ? nullptr : kClasses[cls % kClassCount];
        texts.push_back(in.Text());
        item.lpszText = texts.back().c_str();
        item.nID = in.Word();
        item.x = static_cast<short>(in.Word());
        item.y = static_cast<short>(in.Word());
        item.cx = static_cast<short>(in.Word() % 600);
        item.cy = static_cast<short>(in.Word() % 400);
        // A pop-up control would be a top-level window of its own.
        item.dwStyle = in.Dword() & ~WS_POPUP;
        item.dwExStyle = in.Dword();
        items.push_back(item);
    }
    texts.push_back(in.Text());
    std::string caption = texts.back();
    RESOURCE_DIALOG tmpl{static_cast<DWORD>(WS_POPUP | (in.Dword() & 0x0000FFFF)),
                         0,
                         0,
                         0,
                         static_cast<short>(in.Word() % 800),
                         static_cast<short>(in.Word() % 600),
                         caption.c_str(),
                         (in.Byte() & 1) ? "MS Sans Serif" : nullptr,
                         static_cast<WORD>(in.Byte() % 30),
                         0,
                         items.empty() ? nullptr : items.data(),
                         static_cast<int>(items.size())};
    CDialog dialog;
    if (dialog.CreateIndirect(&tmpl)) {
        dialog.ShowWindow(SW_SHOW);
        const WPARAM keys[] = {VK_TAB, VK_DOWN, VK_RIGHT, 'A', VK_SPACE, VK_TAB, VK_UP};
        for (WPARAM key : keys) {
            MSG msg{::GetFocus() ? ::GetFocus() : dialog.m_hWnd, WM_KEYDOWN, key, 0, 0, {0, 0}};
            ::IsDialogMessage(dialog.m_hWnd, &msg);
            MSG ch{msg.hwnd, WM_CHAR, key == VK_TAB ? '\t' : key, 0, 0, {0, 0}};
            if (::IsWindow(dialog.m_hWnd))
                ::IsDialogMessage(dialog.m_hWnd, &ch);
        }
        PlexoDrainMessages();
        if (dialog.m_hWnd)
            dialog.DestroyWindow();
    }
    return 0;
}
