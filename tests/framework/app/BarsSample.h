// The sample SDI program of the bar and printing tests: a frame with two
// toolbars, a status bar with CAP, NUM and a program's own pane, a dialog
// bar and a sizable bar, around a view that prints numbered pages of text.
#pragma once

#include "Scribble.h"

#include "framework/app/PrintInfo.h"
#include "framework/app/StatusBar.h"

#include <string>
#include <vector>

#define IDR_SAMPLE 300
#define ID_INDICATOR_SAMPLE 0x7201

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
    UINT m_nStopAt = 0;           // OnPrepareDC ends the job at this page
    UINT m_nRangeFrom = 0;        // a range the view chooses itself (0: none)
    UINT m_nRangeTo = 0;
    void (*m_pfnOnPage)(UINT) = nullptr; // called in OnPrint, after drawing
    std::vector<std::string> m_calls; // "prepare", "begin", "dc 1", "print 1", "end"
    std::vector<UINT> m_printed;
    std::vector<CRect> m_drawRects;

protected:
    DECLARE_MESSAGE_MAP()
};

class CSampleFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CSampleFrame)
public:
    CStatusBar m_wndStatusBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnUpdateSamplePane(CCmdUI *pCmdUI);
    DECLARE_MESSAGE_MAP()
};

void RegisterSampleResources();
