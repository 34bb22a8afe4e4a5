// CChildFrame: the frame of one source document window. While the "Use
// Splitter" setting is on, a new frame carries a dynamic splitter that lets
// the user split the view into up to two rows and two columns of panes over
// the same buffer.
#pragma once

#include "framework/app/MDIFrameWnd.h"
#include "framework/app/SplitterWnd.h"

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame();
    ~CChildFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext) override;

    // Whether this frame was made with the splitter.
    BOOL HasSplitter() const { return m_splitter.GetSafeHwnd() != nullptr; }
    CSplitterWnd &GetSplitter() { return m_splitter; }

private:
    CSplitterWnd m_splitter;
};
