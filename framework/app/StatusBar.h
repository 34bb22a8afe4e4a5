// CStatusBar: the bar along the frame's bottom. Its panes come from a list
// of ids: ID_SEPARATOR makes the message pane, which stretches and shows
// the frame's message text ("Ready" when idle); any other id makes a pane
// as wide as the id's string, which shows the string while the id's
// command is enabled (CAP, NUM, SCRL, OVR, or a program's own pane).
#pragma once

#include "framework/app/AppIds.h"
#include "framework/app/ControlBar.h"
#include "framework/base/CString.h"

#include <vector>

#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif

// Pane styles.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_OWNERDRAW 0x1000
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar() = default;
    ~CStatusBar() override = default;

    BOOL Create(CWnd *pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    // Makes one pane per id. FALSE when an id other than ID_SEPARATOR has
    // no string: its pane stays blank.
    BOOL SetIndicators(const UINT *lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    // The pane's rectangle in the bar's client coordinates.
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    void GetPaneInfo(int nIndex, UINT &nID, UINT &nStyle, int &cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHndler) override;

private:
    struct Pane {
        UINT nID = 0;
        UINT nStyle = SBPS_NORMAL;
        int cxText = 0; // the text's width, without the pane's edges
        CString strText;
    };
    bool IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < GetCount(); }
    int TextWidth(const CString &strText) const;
    // The panes' rectangles for the bar's present width.
    std::vector<CRect> LayoutPanes() const;

    afx_msg void OnPaint();

    std::vector<Pane> m_panes;

    DECLARE_MESSAGE_MAP()
};
