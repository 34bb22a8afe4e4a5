// Drives a modal dialog that the code under test opens and runs itself:
// once the dialog is up (the active window, inside its modal loop), the
// step runs on it. A thread timer polls for it, so the step runs from
// within the dialog's own loop.
#pragma once

#include "framework/controls/Dialog.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/Wnd.h"

#include <functional>
#include <utility>

class ModalDriver {
public:
    // The step gets the dialog with the caption; it should end the dialog.
    ModalDriver(const char *caption, std::function<void(CWnd *)> step)
    {
        Caption() = caption;
        Step() = std::move(step);
        Ran() = false;
        m_nTimer = ::SetTimer(nullptr, 0, 10, &ModalDriver::Tick);
    }
    ~ModalDriver()
    {
        ::KillTimer(nullptr, m_nTimer);
        Step() = nullptr;
    }
    ModalDriver(const ModalDriver &) = delete;
    ModalDriver &operator=(const ModalDriver &) = delete;
    static bool &Ran()
    {
        static bool ran = false;
        return ran;
    }

private:
    static CString &Caption()
    {
        static CString caption;
        return caption;
    }
    static std::function<void(CWnd *)> &Step()
    {
        static std::function<void(CWnd *)> step;
        return step;
    }
    static void Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND active = ::GetActiveWindow();
        if (!Step() || Ran() || !active || !::IsWindowVisible(active))
            return;
        CWnd *window = CWnd::FromHandle(active);
        if (!window || !window->IsKindOf(RUNTIME_CLASS(CDialog)))
            return;
        CString text;
        window->GetWindowText(text);
        if (text != Caption())
            return;
        Ran() = true;
        Step()(window);
    }
    UINT_PTR m_nTimer = 0;
};
