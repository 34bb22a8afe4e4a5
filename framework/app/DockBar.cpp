#include "framework/app/DockBar.h"

#include "framework/app/AppIds.h"
#include "framework/app/FrameWnd.h"
#include "framework/app/MiniFrameWnd.h"
#include "framework/gdi/GdiConstants.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
END_MESSAGE_MAP()

namespace {

constexpr int kNoLimit = 32767;

// One axis of a rectangle: along the dock bar's edge, or across it.
int Along(const CRect &rect, bool bHorz)
{
    return bHorz ? rect.left : rect.top;
}
int AlongEnd(const CRect &rect, bool bHorz)
{
    return bHorz ? rect.right : rect.bottom;
}
int Across(const CRect &rect, bool bHorz)
{
    return bHorz ? rect.top : rect.left;
}
int AcrossEnd(const CRect &rect, bool bHorz)
{
    return bHorz ? rect.bottom : rect.right;
}

} // namespace

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating)
{
    m_arrBars.Add(nullptr);
}

CDockBar::~CDockBar()
{
    // Bars outliving their dock bar must not point at it.
    for (int i = 0; i < m_arrBars.GetSize(); ++i)
        if (CControlBar *pBar = GetDockedBar(i); pBar != nullptr && pBar->m_pDockBar == this)
            pBar->m_pDockBar = nullptr;
}

BOOL CDockBar::Create(CWnd *pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    if (m_bFloating)
        m_dwStyle |= CBRS_FLOATING;
    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CreateEx(0, lpszClass, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

void CDockBar::PostNcDestroy()
{
    // The frame's edge dock bars are made with new and go with their window.
    if (!m_bFloating)
        delete this;
}

BOOL CDockBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_pDockSite == nullptr || m_pDockSite->GetSafeHwnd() == nullptr)
        return CControlBar::OnCommand(wParam, lParam);
    m_pDockSite->SendMessage(WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CDockBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (m_pDockSite == nullptr || m_pDockSite->GetSafeHwnd() == nullptr)
        return CControlBar::OnNotify(wParam, lParam, pResult);
    *pResult = m_pDockSite->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}

bool CDockBar::IsLiveBar(const CControlBar *pBar)
{
    return pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd());
}

int CDockBar::FindBar(CControlBar *pBar) const
{
    for (int i = 0; i < m_arrBars.GetSize(); ++i)
        if (m_arrBars[i] == pBar)
            return i;
    return -1;
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i)
        if (m_arrBars[i] != nullptr)
            ++nCount;
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i)
        if (CControlBar *pBar = GetDockedBar(i); IsLiveBar(pBar) && (pBar->GetStyle() & WS_VISIBLE))
            ++nCount;
    return nCount;
}

void CDockBar::GetRowBounds(int nPos, int &nFirst, int &nEnd) const
{
    nFirst = nPos;
    while (nFirst > 0 && m_arrBars[nFirst - 1] != nullptr)
        --nFirst;
    nEnd = nPos;
    while (nEnd < m_arrBars.GetSize() && m_arrBars[nEnd] != nullptr)
        ++nEnd;
}

void CDockBar::InsertRowBreak(int nPos)
{
    if (nPos <= 0 || nPos > m_arrBars.GetSize() || m_arrBars[nPos - 1] == nullptr)
        return; // a row already starts there
    m_arrBars.InsertAt(nPos, static_cast<void *>(nullptr));
}

BOOL CDockBar::RemoveControlBar(CControlBar *pBar)
{
    int nPos = FindBar(pBar);
    if (nPos <= 0)
        return FALSE;
    m_arrBars.RemoveAt(nPos);
    // The row is empty when a row end now follows a row end.
    if (m_arrBars[nPos - 1] == nullptr && nPos < m_arrBars.GetSize() && m_arrBars[nPos] == nullptr)
        m_arrBars.RemoveAt(nPos);
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    return TRUE;
}

int CDockBar::InsertPosition(const CRect &rect) const
{
    const bool bHorz = IsHorzDock() || m_bFloating;
    const CPoint mid = rect.CenterPoint();
    const int nMid = bHorz ? mid.y : mid.x;
    const int nStart = Along(rect, bHorz);
    // Returns the index to insert at; a negative value -n asks for a new
    // row in front of index n.
    for (int nFirst = 1; nFirst < m_arrBars.GetSize();) {
        int nRowFirst = 0;
        int nEnd = 0;
        GetRowBounds(nFirst, nRowFirst, nEnd);
        int nTop = kNoLimit;
        int nBottom = -kNoLimit;
        for (int i = nFirst; i < nEnd; ++i) {
            CControlBar *pBar = GetDockedBar(i);
            if (!IsLiveBar(pBar) || !(pBar->GetStyle() & WS_VISIBLE))
                continue;
            CRect rectBar;
            pBar->GetWindowRect(&rectBar);
            ScreenToClient(&rectBar);
            nTop = std::min(nTop, Across(rectBar, bHorz));
            nBottom = std::max(nBottom, AcrossEnd(rectBar, bHorz));
        }
        if (nTop < nBottom) {
            if (nMid < nTop)
                return -nFirst;
            if (nMid < nBottom) {
                for (int i = nFirst; i < nEnd; ++i) {
                    CControlBar *pBar = GetDockedBar(i);
                    if (!IsLiveBar(pBar) || !(pBar->GetStyle() & WS_VISIBLE))
                        continue;
                    CRect rectBar;
                    pBar->GetWindowRect(&rectBar);
                    ScreenToClient(&rectBar);
                    if (Along(rectBar, bHorz) >= nStart)
                        return i;
                }
                return nEnd;
            }
        }
        nFirst = nEnd + 1;
    }
    return -m_arrBars.GetSize();
}

void CDockBar::DockControlBar(CControlBar *pBar, LPCRECT lpRect)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    if (CDockBar *pOld = pBar->m_pDockBar) {
        pOld->RemoveControlBar(pBar);
        if (pOld != this && pOld->m_bFloating && pOld->GetDockedCount() == 0)
            PlexoFloatingFrameEmptied(pOld->GetParent());
    }
    int nPos = -m_arrBars.GetSize();
    if (lpRect != nullptr) {
        CRect rect(*lpRect);
        ScreenToClient(&rect);
        nPos = InsertPosition(rect);
    }
    if (nPos < 0) {
        m_arrBars.InsertAt(-nPos, static_cast<void *>(nullptr));
        m_arrBars.InsertAt(-nPos, pBar);
    } else {
        m_arrBars.InsertAt(nPos, pBar);
    }
    // The bar takes the dock bar's edge (its orientation) and floats with it.
    pBar->m_dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) |
                      (m_bFloating ? CBRS_FLOATING : 0);
    pBar->m_pDockBar = this;
    if (m_pDockSite != nullptr)
        pBar->m_pDockSite = m_pDockSite;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    pBar->Invalidate();
}

CSize CDockBar::BarSize(CControlBar *pBar) const
{
    const BOOL bDynamic = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0;
    if (m_bFloating) {
        if (bDynamic)
            return pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
        return pBar->CalcFixedLayout(FALSE, (pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    }
    if (bDynamic)
        return pBar->CalcDynamicLayout(-1, IsHorzDock() ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
    return pBar->CalcFixedLayout(FALSE, IsHorzDock());
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    const bool bHorz = IsHorzDock() || m_bFloating;
    CRect rectLayout = m_rectLayout;
    if (rectLayout.IsRectEmpty() && GetParent() != nullptr)
        GetParent()->GetClientRect(&rectLayout);
    const int nLength = bHorz ? rectLayout.Width() : rectLayout.Height();
    // Floating bars lie side by side as they are; docked ones overlap.
    const int nOverlap = m_bFloating ? 0 : kOverlap;
    const int nStart = -nOverlap;

    // Bars shown or hidden with a delay change now, before they are placed.
    if (!m_bLayoutQuery)
        for (int i = 0; i < m_arrBars.GetSize(); ++i)
            if (CControlBar *pBar = GetDockedBar(i); IsLiveBar(pBar))
                pBar->ApplyDelayedShow();
    HDWP hdwp = m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos(m_arrBars.GetSize());
    int nAlong = nStart;
    int nAcross = nStart;
    int nRowThickness = 0;
    int nMaxAlong = 0;
    int nMaxAcross = 0;
    bool bAny = false;
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar *pBar = GetDockedBar(i);
        if (pBar == nullptr) {
            // The row ends; a row of hidden bars takes no room.
            if (nRowThickness > 0)
                nAcross += nRowThickness - nOverlap;
            nAlong = nStart;
            nRowThickness = 0;
            continue;
        }
        if (!IsLiveBar(pBar) || !(pBar->GetStyle() & WS_VISIBLE))
            continue;
        const CSize size = BarSize(pBar);
        const int nLen = bHorz ? size.cx : size.cy;
        const int nThick = bHorz ? size.cy : size.cx;
        // A bar that would start at the end of a row that holds others
        // starts the next row.
        if (!m_bFloating && nAlong > nStart && nAlong >= nLength - kOverlap && m_arrBars[i - 1] != nullptr &&
            !m_bLayoutQuery) {
            InsertRowBreak(i);
            ++i;
            nAcross += nRowThickness - nOverlap;
            nAlong = nStart;
            nRowThickness = 0;
        }
        const CRect rect = bHorz ? CRect(nAlong, nAcross, nAlong + nLen, nAcross + nThick)
                                 : CRect(nAcross, nAlong, nAcross + nThick, nAlong + nLen);
        CRect rectOld;
        pBar->GetWindowRect(&rectOld);
        ScreenToClient(&rectOld);
        if (hdwp != nullptr && rectOld != rect)
            hdwp = ::DeferWindowPos(hdwp, pBar->GetSafeHwnd(), nullptr, rect.left, rect.top, rect.Width(),
                                    rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        nAlong += nLen - nOverlap;
        nRowThickness = std::max(nRowThickness, nThick);
        nMaxAlong = std::max(nMaxAlong, AlongEnd(rect, bHorz));
        nMaxAcross = std::max(nMaxAcross, AcrossEnd(rect, bHorz));
        bAny = true;
    }
    if (hdwp != nullptr)
        ::EndDeferWindowPos(hdwp);
    // The far side keeps the overlap the near side gives away.
    const int nThickness = bAny ? nMaxAcross + nOverlap : 0;
    const int nExtent = bStretch ? kNoLimit : (bAny ? nMaxAlong + nOverlap : 0);
    return bHorz ? CSize(nExtent, nThickness) : CSize(nThickness, nExtent);
}

void CDockBar::OnUpdateCmdUI(CFrameWnd *, BOOL)
{
    // The docked bars update themselves.
}
