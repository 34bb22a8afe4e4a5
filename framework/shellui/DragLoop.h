// The modal loop of a drag-and-drop that this program starts: it reads the
// mouse and the keyboard from the message queue (every other message is
// dispatched as usual), asks the drop source whether to go on, and hands
// enter, over, leave and drop to the drop target under the mouse.  When the
// mouse leaves every window of the program the drag goes on as the
// desktop's, so that other programs can take the drop.  Framework-internal.
#pragma once

#include "framework/shell/OleTypes.h"
#include "framework/window/WinHandles.h"

class COleDropSource;
class QMimeData;

namespace DragLoop {

struct Input {
    enum Kind { Mouse, Key, Tick, Quit } kind = Tick;
    POINT screen{0, 0};  // where the mouse is (the last known place for keys and ticks)
    DWORD keyState = 0;  // MK_ buttons and keys
    bool escape = false; // Escape went down
};

// Holds the mouse for a drag: the window under the cursor captures it
// (unless a window has it already), so that moves outside it still come;
// released at the end when the drag took it.
class MouseHold {
public:
    MouseHold();
    ~MouseHold();
    MouseHold(const MouseHold &) = delete;
    MouseHold &operator=(const MouseHold &) = delete;

private:
    HWND m_hWnd = nullptr;
};

// Starts reading input: the key state begins with the given buttons held.
void Begin(DWORD buttons);
// Waits for the next input; a tick comes every tickMs milliseconds.
Input Next(UINT tickMs);
// The key state of the Ctrl, Shift and Alt keys, as MK_ bits.
DWORD ModifierKeyState();

DROPEFFECT Run(const QMimeData &data, DWORD dwEffects, COleDropSource &source);

} // namespace DragLoop
