// The controller's test host: a plain window that offers its messages and
// keys to a plugged-in controller as the editor view does, a viewport of
// fixed metrics, and a controller that records the commands it receives.
#pragma once

#include "editor/controller/SECEditController.h"
#include "editor/view/ISECViewport.h"
#include "editor/view/SECEditView.h"

#include <vector>

class CTestViewport : public ISECViewport {
public:
    static constexpr int kLineHeight = 16;
    static constexpr int kCharWidth = 8;
    CPoint origin{0, 0};
    CSize size{400, 160};
    CSize document{800, 1600};

    CPoint GetOrigin() override { return origin; }
    CSize GetSize() override { return size; }
    CPoint GetVirtualOrigin() override { return CPoint(0, 0); }
    CSize GetDocumentSize() override { return document; }
    CPoint SetOrigin(int x, int y) override;
    void DPtoLP(LPPOINT lpPoints, int nCount) override;
    void LPtoDP(LPPOINT lpPoints, int nCount) override;
    void UpdateScrollBars() override {}
};

class CTestHostWnd : public CWnd {
public:
    SECWndPlugIn *pPlugIn = nullptr;
    std::vector<UINT> hostMessages; // messages the host processed itself

    BOOL Create(const CRect &rect = CRect(10, 10, 410, 170));
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;
    BOOL PreTranslateMessage(MSG *pMsg) override;
};

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
    typedef SECEditController *(*ControllerMaker)();
    static SECEditTextBuffer *s_pNextBuffer; // the buffer views made next show
    static ControllerMaker s_pfnNextController;
    SECEditTextBuffer *m_pBuffer = s_pNextBuffer;
    ControllerMaker m_pfnController = s_pfnNextController;
    SECEditTextBuffer *GetTextBuffer() override { return m_pBuffer; }

protected:
    SECEditController *NewController() override;
};

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
    ISECViewport &Viewport() { return view->GetVisualPart().GetViewport(); }

    CWnd frame;
    CControllerTestView *view = nullptr;
};

// Runs Qt's pending events and the message queue.
void PumpEditorEvents();
