// The controller's test host: the real editor view, whose visual part makes
// the controller, plugs it into the view's window and hands it the view's
// viewport; and a controller that records the commands it receives.
#pragma once

#include "editor/controller/SECEditController.h"
#include "editor/controller/ISECViewport.h"
#include "editor/view/SECEditView.h"

#include <vector>

class CRecordingController : public SECEditController {
public:
    std::vector<UINT> commands; // commands run
    std::vector<UINT> offered;  // commands asked for their state first
    std::vector<UINT> chars;

    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

// The real editor view as the controller's host: an SECEditView over the
// test's buffer, whose visual part makes the controller (of the kind the
// test asks for), plugs it into the view's window and hands it the view's
// viewport.
class CControllerTestView : public SECEditView {
    DECLARE_DYNCREATE(CControllerTestView)
public:
    std::vector<UINT> hostMessages; // timers, focus and scroll messages that reached the view itself

    typedef SECEditController *(*ControllerMaker)();
    static SECEditTextBuffer *s_pNextBuffer; // the buffer views made next show
    static ControllerMaker s_pfnNextController;
    SECEditTextBuffer *m_pBuffer = s_pNextBuffer;
    ControllerMaker m_pfnController = s_pfnNextController;
    SECEditTextBuffer *GetTextBuffer() override { return m_pBuffer; }

protected:
    SECEditController *NewController() override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnKillFocus(CWnd *pNewWnd);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    DECLARE_MESSAGE_MAP()
};

// A controller maker for CEditorPane::Create.
template <class T>
SECEditController *MakeController()
{
    return new T;
}

// A top-level window filled by one editor view; the view (and with it the
// controller) goes with the window.
class CEditorPane {
public:
    CEditorPane() = default;
    ~CEditorPane() { Destroy(); }
    CEditorPane(const CEditorPane &) = delete;
    CEditorPane &operator=(const CEditorPane &) = delete;

    BOOL Create(SECEditTextBuffer *pBuffer, CControllerTestView::ControllerMaker pfnController = nullptr,
                const CRect &rect = CRect(10, 10, 410, 170));
    void Destroy();
    SECEditController *Controller() { return view ? view->GetController() : nullptr; }
    // The controller made by MakeController<T>.
    template <class T>
    T &ControllerAs()
    {
        return *static_cast<T *>(Controller());
    }
    ISECViewport &Viewport() { return view->GetVisualPart().GetViewport(); }
    CPoint Origin() { return Viewport().GetOrigin(); }
    // Resizes the pane so that the view's client area (inside its scroll
    // bars) is cx by cy pixels.
    void SetClientSize(int cx, int cy);

    CWnd frame;
    CControllerTestView *view = nullptr;
};

// A plain visible top-level window, e.g. to take the focus from the editor.
BOOL CreatePlainWindow(CWnd &wnd, const CRect &rect = CRect(500, 10, 700, 110));

// Runs Qt's pending events and the message queue.
void PumpEditorEvents();
