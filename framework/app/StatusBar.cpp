#include "framework/app/StatusBar.h"

#include "framework/app/FrameWnd.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowDC.h"

#include <algorithm>

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

constexpr int kPaneEdge = 3;   // a sunken pane's inner margin on each side
constexpr int kPaneGap = 2;    // between panes
constexpr int kBarHeight = 22; // room for one line of the GUI font

// A pane's state from the command routing: enabled panes show their text,
// checked panes pop out, SetText replaces the text.
class CStatusCmdUI : public CCmdUI {
public:
    CStatusBar *m_pBar = nullptr;
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        UINT nStyle = m_pBar->GetPaneStyle(m_nIndex) & ~SBPS_DISABLED;
        m_pBar->SetPaneStyle(m_nIndex, bOn ? nStyle : nStyle | SBPS_DISABLED);
    }
    void SetCheck(int nCheck) override
    {
        UINT nStyle = m_pBar->GetPaneStyle(m_nIndex) & ~SBPS_POPOUT;
        m_pBar->SetPaneStyle(m_nIndex, nCheck != 0 ? nStyle | SBPS_POPOUT : nStyle);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(LPCTSTR lpszText) override { m_pBar->SetPaneText(m_nIndex, lpszText); }
};

} // namespace

BOOL CStatusBar::Create(CWnd *pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    if ((m_dwStyle & CBRS_ALIGN_ANY) == 0)
        m_dwStyle |= CBRS_BOTTOM;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS;
    return CreateEx(0, lpszClass, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CStatusBar::TextWidth(const CString &strText) const
{
    if (strText.IsEmpty())
        return 0;
    CClientDC dc(const_cast<CStatusBar *>(this));
    CFont *pOld = static_cast<CFont *>(dc.SelectStockObject(DEFAULT_GUI_FONT));
    int cx = dc.GetTextExtent(strText, strText.GetLength()).cx;
    dc.SelectObject(pOld);
    return cx;
}

BOOL CStatusBar::SetIndicators(const UINT *lpIDArray, int nIDCount)
{
    m_panes.clear();
    if (nIDCount < 0 || (nIDCount > 0 && lpIDArray == nullptr))
        return FALSE;
    BOOL bAllFound = TRUE;
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane;
        pane.nID = lpIDArray[i];
        if (pane.nID == ID_SEPARATOR) {
            // The first separator is the message pane and takes the room
            // the others leave.
            bool bFirst = std::none_of(m_panes.begin(), m_panes.end(),
                                       [](const Pane &p) { return (p.nStyle & SBPS_STRETCH) != 0; });
            if (bFirst)
                pane.nStyle = SBPS_NOBORDERS | SBPS_STRETCH;
        } else if (!pane.strText.LoadString(pane.nID)) {
            bAllFound = FALSE; // a blank pane, as narrow as its edges
        }
        pane.cxText = TextWidth(pane.strText);
        m_panes.push_back(pane);
    }
    // A new frame's message pane starts with the idle message.
    auto *pFrame = dynamic_cast<CFrameWnd *>(GetParent());
    if (pFrame != nullptr && pFrame->GetControlBar(AFX_IDW_STATUS_BAR) == this && pFrame->GetMessageText().IsEmpty())
        pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    if (m_hWnd != nullptr)
        Invalidate();
    return bAllFound;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[static_cast<size_t>(i)].nID == nIDFind)
            return i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return IsValidIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nID : ID_SEPARATOR;
}

std::vector<CRect> CStatusBar::LayoutPanes() const
{
    CRect inside;
    GetClientRect(&inside);
    CalcInsideRect(inside);
    inside.DeflateRect(kPaneGap, 1);
    int cxFixed = 0;
    for (const Pane &pane : m_panes)
        if ((pane.nStyle & SBPS_STRETCH) == 0)
            cxFixed += pane.cxText + 2 * kPaneEdge + kPaneGap;
    int cxStretch = std::max(0, inside.Width() - cxFixed);
    std::vector<CRect> rects;
    int x = inside.left;
    for (const Pane &pane : m_panes) {
        int cx = (pane.nStyle & SBPS_STRETCH) ? cxStretch - kPaneGap : pane.cxText + 2 * kPaneEdge;
        cx = std::max(cx, 0);
        rects.emplace_back(x, inside.top, x + cx, inside.bottom);
        x += cx + kPaneGap;
    }
    return rects;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (lpRect == nullptr)
        return;
    if (!IsValidIndex(nIndex)) {
        ::SetRectEmpty(lpRect);
        return;
    }
    *lpRect = LayoutPanes()[static_cast<size_t>(nIndex)];
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    Pane &pane = m_panes[static_cast<size_t>(nIndex)];
    CString strNew = lpszNewText != nullptr ? lpszNewText : "";
    if (pane.strText == strNew)
        return TRUE;
    pane.strText = strNew;
    if (bUpdate && m_hWnd != nullptr) {
        CRect rect;
        GetItemRect(nIndex, &rect);
        InvalidateRect(&rect);
    }
    return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return IsValidIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].strText : CString();
}

void CStatusBar::GetPaneInfo(int nIndex, UINT &nID, UINT &nStyle, int &cxWidth) const
{
    if (!IsValidIndex(nIndex)) {
        nID = 0, nStyle = 0, cxWidth = 0;
        return;
    }
    const Pane &pane = m_panes[static_cast<size_t>(nIndex)];
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (!IsValidIndex(nIndex))
        return;
    Pane &pane = m_panes[static_cast<size_t>(nIndex)];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = std::max(cxWidth, 0);
    if (m_hWnd != nullptr)
        Invalidate();
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return IsValidIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (!IsValidIndex(nIndex) || m_panes[static_cast<size_t>(nIndex)].nStyle == nStyle)
        return;
    m_panes[static_cast<size_t>(nIndex)].nStyle = nStyle;
    if (m_hWnd != nullptr) {
        CRect rect;
        GetItemRect(nIndex, &rect);
        InvalidateRect(&rect);
    }
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    CRect rectBorders(0, 0, 0, 0);
    CalcInsideRect(rectBorders);
    int cy = kBarHeight - rectBorders.top + rectBorders.bottom;
    return CSize(bStretch ? 32767 : 0, cy);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHndler)
{
    CStatusCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        state.m_nID = m_panes[static_cast<size_t>(i)].nID;
        state.m_nIndex = static_cast<UINT>(i);
        // The message pane follows the frame's message text instead.
        if (state.m_nID != ID_SEPARATOR)
            state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

void CStatusBar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    DrawBorders(&dc, client);
    CFont *pOld = static_cast<CFont *>(dc.SelectStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    std::vector<CRect> rects = LayoutPanes();
    for (size_t i = 0; i < m_panes.size(); ++i) {
        const Pane &pane = m_panes[i];
        CRect rect = rects[i];
        if ((pane.nStyle & SBPS_NOBORDERS) == 0) {
            bool bPopOut = (pane.nStyle & SBPS_POPOUT) != 0;
            dc.Draw3dRect(&rect, GetSysColor(bPopOut ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW),
                          GetSysColor(bPopOut ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
        }
        // A disabled pane keeps its place and shows nothing.
        if (pane.nStyle & SBPS_DISABLED)
            continue;
        rect.DeflateRect(kPaneEdge, 0);
        dc.DrawText(pane.strText, &rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    dc.SelectObject(pOld);
}
