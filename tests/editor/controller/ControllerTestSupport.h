// The controller's test host: the real editor view, whose visual part makes
// the controller, plugs it into the view's window and hands it the view's
// viewport; and a controller that records the commands it receives.
#pragma once

#include "../text/BufferTestSupport.h"

#include "editor/controller/SECEditController.h"
#include "editor/controller/ISECViewport.h"
#include "editor/view/SECEditView.h"

#include "framework/window/WindowInternals.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
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

// The fixture of the controller tests: a buffer of the test language shown
// in one editor pane whose view has the focus, so that its controller (of
// kind T; the view's own kind for SECEditController) has made its caret.
// Tests given parameters add ::testing::WithParamInterface.
template <class T = SECEditController>
class ControllerTest : public ::testing::Test {
protected:
    explicit ControllerTest(bool withHighlight = false) : language(withHighlight) {}

    // Shows the text in a new pane (closing the one opened before), gives
    // the view the focus and reads the view's metrics.
    void Open(const std::string &text)
    {
        if (controller) // a test opening a second text closes the first
            pane.Destroy();
        controller = nullptr;
        buffer = MakeBuffer(language.get(), text);
        if constexpr (std::is_same_v<T, SECEditController>) {
            ASSERT_TRUE(pane.Create(buffer.get()));
            controller = pane.Controller();
        } else {
            ASSERT_TRUE(pane.Create(buffer.get(), MakeController<T>));
            controller = &pane.ControllerAs<T>();
        }
        // The window may hold the focus since it was shown: give it again,
        // so that the controller sees WM_SETFOCUS and makes its caret.
        ::SetFocus(nullptr);
        pane.view->SetFocus();
        PumpEditorEvents();
        ASSERT_TRUE(controller->CaretExists());
        lineHeight = pane.view->GetLineHeight();
        charWidth = pane.view->GetCharWidth();
        ASSERT_GT(lineHeight, 0);
        ASSERT_GT(charWidth, 0);
    }
    void TearDown() override
    {
        pane.Destroy();
        controller = nullptr;
    }

    QWidget *Widget() { return WindowCore::Widget(pane.view->m_hWnd); }
    // A key pressed and released on the view's window.
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Widget(), key, modifiers);
        PumpEditorEvents();
    }
    void Command(UINT nID) { pane.view->SendMessage(WM_COMMAND, nID, 0); }
    std::string Text() { return AllText(*buffer); }
    SECEditPosition Caret() const { return SECEditPosition(controller->GetCaretLine(), controller->GetCaretColumn()); }
    std::string Selected() { return std::string(controller->GetSelectionText().GetString()); }

    TestLanguage language;
    std::unique_ptr<SECEditTextBuffer> buffer;
    CEditorPane pane;
    T *controller = nullptr;
    int lineHeight = 0; // the view's metrics, of the default editor font
    int charWidth = 0;
};
