// The controller's test host: a plain window that offers its messages and
// keys to a plugged-in controller as the editor view does, a viewport of
// fixed metrics, and a controller that records the commands it receives.
#pragma once

#include "editor/controller/SECEditController.h"
#include "editor/view/ISECViewport.h"

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

// Runs Qt's pending events and the message queue.
void PumpEditorEvents();
