// The sample SDI program of the bar and printing tests: a frame with two
// toolbars, a status bar with CAP, NUM and a program's own pane, a dialog
// bar and a sizable bar, around a view that prints numbered pages of text.
#pragma once

#include "Scribble.h"

#include "framework/appui/DialogBar.h"
#include "framework/appui/PrintInfo.h"
#include "framework/app/StatusBar.h"
#include "framework/appui/ToolBar.h"

#include <string>
#include <vector>

#define IDR_SAMPLE 300
#define IDR_SAMPLE_FORMAT 301 // the second toolbar
#define IDR_SAMPLE_NOBITMAP 302
#define IDR_SAMPLE_NARROW 303 // a strip of two images for four buttons
#define IDW_SAMPLE_FORMAT 0xE810
#define IDD_SAMPLE_BAR 304 // the dialog bar's template
#define IDW_SAMPLE_DIALOGBAR 0xE812
#define IDW_SAMPLE_SIZABLE 0xE814
#define ID_INDICATOR_SAMPLE 0x7201
#define ID_SAMPLE_BOLD 0x7210      // checked while m_bBold
#define ID_SAMPLE_LOCKED 0x7211    // disabled by its update handler
#define ID_SAMPLE_UNHANDLED 0x7212 // no handler at all

// Prints m_nPages pages (0xFFFF: a length it does not know) of m_nLines
// lines each and notes every call the print loop makes.
class CPagesView : public CView {
    DECLARE_DYNCREATE(CPagesView)
public:
    void OnDraw(CDC *pDC) override;
    BOOL OnPreparePrinting(CPrintInfo *pInfo) override;
    void OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo) override;
    void OnPrepareDC(CDC *pDC, CPrintInfo *pInfo = NULL) override;
    void OnPrint(CDC *pDC, CPrintInfo *pInfo) override;
    void OnEndPrinting(CDC *pDC, CPrintInfo *pInfo) override;

    UINT m_nPages = 5;
    int m_nLines = 60;
    UINT m_nStopAt = 0;    // OnPrepareDC ends the job at this page
    UINT m_nRangeFrom = 0; // a range the view chooses itself (0: none)
    UINT m_nRangeTo = 0;
    void (*m_pfnOnPage)(UINT) = nullptr; // called in OnPrint, after drawing
    std::vector<std::string> m_calls;    // "prepare", "begin", "dc 1", "print 1", "end"
    std::vector<UINT> m_printed;
    std::vector<CRect> m_drawRects;
    std::vector<int> m_dpis;                           // the resolution OnPrint measured with
    std::vector<std::string> *m_pCallsAtEnd = nullptr; // gets m_calls when the view goes
    ~CPagesView() override;

protected:
    DECLARE_MESSAGE_MAP()
};

// A bar the user sizes (the toolbox kind): it keeps one size for each
// orientation and fills the frame's height (or width) along its edge.
class CSizableBar : public CControlBar {
public:
    BOOL Create(CWnd *pParentWnd, CSize sizeDefault, DWORD dwStyle, UINT nID);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd *, BOOL) override {}

    CSize m_sizeHorz; // docked along the top or bottom
    CSize m_sizeVert; // docked along the left or right
};

class CSampleFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CSampleFrame)
public:
    CToolBar m_wndToolBar;     // IDR_SAMPLE, along the top
    CToolBar m_wndFormatBar;   // IDR_SAMPLE_FORMAT, below it
    CDialogBar m_wndDialogBar; // IDD_SAMPLE_BAR: Bold and Locked as push buttons
    CStatusBar m_wndStatusBar;
    CSizableBar m_wndSizableBar; // along the left, 120 pixels wide
    BOOL m_bBold = FALSE;
    int m_nBoldCommands = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnUpdateSamplePane(CCmdUI *pCmdUI);
    afx_msg void OnBold();
    afx_msg void OnUpdateBold(CCmdUI *pCmdUI);
    afx_msg void OnLocked() {}
    afx_msg void OnUpdateLocked(CCmdUI *pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

void RegisterSampleResources();
