// Registers the standard controls' window classes when the library loads,
// and again on demand (a test or program may have unregistered nothing, but
// a dialog never depends on the load order).
#include "framework/controls/ControlClasses.h"

#include "framework/window/WindowApi.h"

bool RegisterControlClass(LPCTSTR name, WNDPROC proc, UINT style)
{
    WNDCLASS wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    RegisterClass(&wc);
    return true;
}

void PlexoRegisterStandardControls()
{
    PlexoRegisterDialogClass();
    PlexoRegisterButtonClass();
    PlexoRegisterStaticClass();
    PlexoRegisterEditClass();
    PlexoRegisterListBoxClass();
    PlexoRegisterComboBoxClass();
    PlexoRegisterSpinClass();
    PlexoRegisterTabClass();
    PlexoRegisterListViewClass();
    PlexoRegisterToolTipClass();
}

namespace {
const bool g_controlsRegistered = []() {
    PlexoRegisterStandardControls();
    return true;
}();
} // namespace
