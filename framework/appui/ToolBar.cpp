// CToolBar: buttons, their states, the mouse, tips and fly-by prompts.
// The layout is in ToolBarLayout.cpp, the drawing in ToolBarDraw.cpp.
#include "framework/appui/ToolBar.h"

#include "framework/app/FrameWnd.h"
#include "framework/controls/ControlStyles.h"
#include "framework/controls/ToolTipCtrl.h"
#include "framework/resources/Resources.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowApi.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// While a button is hot, this timer notices the mouse leaving the bar.
constexpr UINT_PTR kHotTimer = 0xE8F0;
constexpr UINT kHotTimerMs = 100;

// The routing's answers for one button.
class CToolCmdUI : public CCmdUI {
public:
    CToolBar *m_pBar = nullptr;

    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        const int nIndex = static_cast<int>(m_nIndex);
        UINT nStyle = m_pBar->GetButtonStyle(nIndex) & ~TBBS_DISABLED;
        if (!bOn)
            nStyle = (nStyle | TBBS_DISABLED) & ~TBBS_PRESSED;
        m_pBar->SetButtonStyle(nIndex, nStyle);
    }
    void SetCheck(int nCheck) override
    {
        const int nIndex = static_cast<int>(m_nIndex);
        UINT nStyle = m_pBar->GetButtonStyle(nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1)
            nStyle |= TBBS_CHECKED;
        else if (nCheck == 2)
            nStyle |= TBBS_INDETERMINATE;
        m_pBar->SetButtonStyle(nIndex, nStyle);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(LPCTSTR) override {}
};

} // namespace

CToolBar::CToolBar() = default;

CToolBar::~CToolBar() = default;

BOOL CToolBar::Create(CWnd *pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd *pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    m_dwCtrlStyle = dwCtrlStyle;
    m_rectBorders = rcBorders;
    SetBarStyle(dwStyle & CBRS_ALL);
    m_pDockSite = dynamic_cast<CFrameWnd *>(pParentWnd);
    const DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS;
    if (!CWnd::Create(nullptr, nullptr, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SetOwner(pParentWnd);
    if (m_dwStyle & CBRS_TOOLTIPS) {
        m_pToolTip = std::make_unique<CToolTipCtrl>();
        if (!m_pToolTip->Create(this))
            m_pToolTip.reset();
    }
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    const RESOURCE_TOOLBAR *pResource = PlexoFindToolBar(nIDResource);
    if (pResource == nullptr || pResource->nCount < 0 || (pResource->nCount > 0 && pResource->pIDs == nullptr))
        return FALSE;
    const CSize sizeImage(std::max<int>(1, pResource->cxImage), std::max<int>(1, pResource->cyImage));
    SetSizes(CSize(sizeImage.cx + 7, sizeImage.cy + 7), sizeImage);
    if (!SetButtons(pResource->pIDs, pResource->nCount))
        return FALSE;
    // A missing strip leaves the buttons blank, not the bar unmade.
    LoadBitmap(pResource->nBitmapID);
    return TRUE;
}

BOOL CToolBar::LoadBitmap(UINT nIDResource)
{
    m_bmImages.DeleteObject();
    m_bmImages.LoadBitmap(nIDResource);
    PrepareImages();
    Invalidate();
    return m_bmImages.GetSafeHandle() != nullptr;
}

BOOL CToolBar::SetButtons(const UINT *lpIDArray, int nIDCount)
{
    if (nIDCount < 0)
        return FALSE;
    m_buttons.assign(static_cast<size_t>(nIDCount), Button());
    int iImage = 0;
    for (Button &button : m_buttons) {
        const size_t nIndex = static_cast<size_t>(&button - m_buttons.data());
        button.nID = lpIDArray != nullptr ? lpIDArray[nIndex] : 0;
        if (button.nID == 0) {
            button.nStyle = TBBS_SEPARATOR;
        } else {
            button.nStyle = TBBS_BUTTON;
            button.iImage = iImage++;
        }
    }
    m_iHot = m_iPressed = -1;
    if (m_hWnd != nullptr) {
        CRect rect;
        GetClientRect(&rect);
        OnSize(0, rect.Width(), rect.Height());
    }
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeImage = CSize(std::max<int>(1, sizeImage.cx), std::max<int>(1, sizeImage.cy));
    m_sizeButton =
        CSize(std::max<int>(sizeButton.cx, m_sizeImage.cx + 7), std::max<int>(sizeButton.cy, m_sizeImage.cy + 6));
    PrepareImages();
}

void CToolBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_rectBorders.SetRect(cxLeft, cyTop, cxRight, cyBottom);
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i].nID == nIDFind && !(m_buttons[i].nStyle & TBBS_SEPARATOR))
            return static_cast<int>(i);
    return -1;
}

UINT CToolBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)].nID : 0;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (lpRect == nullptr)
        return;
    *lpRect = nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)].rect : CRect();
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)].nStyle : 0;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    Button &button = m_buttons[static_cast<size_t>(nIndex)];
    if (button.nStyle == nStyle)
        return;
    button.nStyle = nStyle;
    InvalidateButton(nIndex);
}

void CToolBar::GetButtonInfo(int nIndex, UINT &nID, UINT &nStyle, int &iImage) const
{
    nID = GetItemID(nIndex);
    nStyle = GetButtonStyle(nIndex);
    iImage = nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)].iImage : -1;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    Button &button = m_buttons[static_cast<size_t>(nIndex)];
    button.nID = nID;
    button.nStyle = nStyle;
    button.iImage = (nStyle & TBBS_SEPARATOR) ? -1 : iImage;
    Invalidate();
}

CString CToolBar::GetButtonTipText(int nIndex) const
{
    CString strText;
    const UINT nID = GetItemID(nIndex);
    if (nID == 0 || (GetButtonStyle(nIndex) & TBBS_SEPARATOR) || !PlexoLookupString(nID, strText))
        return CString();
    const int nBreak = strText.Find('\n');
    return nBreak < 0 ? CString() : strText.Mid(nBreak + 1);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        const Button &button = m_buttons[static_cast<size_t>(i)];
        if (button.nStyle & TBBS_SEPARATOR)
            continue;
        state.m_nID = button.nID;
        state.m_nIndex = static_cast<UINT>(i);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

int CToolBar::HitTest(CPoint point) const
{
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        const Button &button = m_buttons[i];
        if (!(button.nStyle & (TBBS_SEPARATOR | TBBS_HIDDEN)) && button.rect.PtInRect(point))
            return static_cast<int>(i);
    }
    return -1;
}

void CToolBar::InvalidateButton(int nIndex)
{
    if (m_hWnd != nullptr && nIndex >= 0 && nIndex < GetCount())
        InvalidateRect(&m_buttons[static_cast<size_t>(nIndex)].rect, TRUE);
}

// ---- The mouse

namespace {

void Relay(CToolTipCtrl *pTip, HWND hWnd, UINT message, UINT nFlags, CPoint point)
{
    if (pTip == nullptr || pTip->GetSafeHwnd() == nullptr)
        return;
    MSG msg{};
    msg.hwnd = hWnd;
    msg.message = message;
    msg.wParam = nFlags;
    msg.lParam = MAKELPARAM(point.x, point.y);
    pTip->RelayEvent(&msg);
}

} // namespace

void CToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    Relay(m_pToolTip.get(), m_hWnd, WM_LBUTTONDOWN, nFlags, point);
    const int iButton = HitTest(point);
    if (iButton < 0) {
        // Off the buttons (the gripper, the borders): the bar is dragged.
        CControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    if (GetButtonStyle(iButton) & TBBS_DISABLED)
        return;
    m_iPressed = iButton;
    SetButtonStyle(iButton, GetButtonStyle(iButton) | TBBS_PRESSED);
    SetCapture();
    // The prompt shows while a button is held down, fly-by or not.
    ShowPrompt(GetItemID(iButton));
}

void CToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A quick second click on a button presses it again; off the buttons
    // the double click moves the bar between its docked and floating places.
    if (HitTest(point) >= 0) {
        OnLButtonDown(nFlags, point);
        return;
    }
    CControlBar::OnLButtonDblClk(nFlags, point);
}

void CToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    Relay(m_pToolTip.get(), m_hWnd, WM_MOUSEMOVE, nFlags, point);
    const int iButton = HitTest(point);
    if (m_iPressed >= 0) {
        // The pressed look follows the mouse on and off its button.
        const UINT nStyle = GetButtonStyle(m_iPressed) & ~TBBS_PRESSED;
        SetButtonStyle(m_iPressed, iButton == m_iPressed ? nStyle | TBBS_PRESSED : nStyle);
        return;
    }
    SetHot(iButton);
}

void CToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    Relay(m_pToolTip.get(), m_hWnd, WM_LBUTTONUP, nFlags, point);
    if (m_iPressed < 0)
        return;
    const int iButton = m_iPressed;
    m_iPressed = -1;
    if (::GetCapture() == m_hWnd)
        ReleaseCapture();
    if (!(m_dwStyle & CBRS_FLYBY))
        ShowPrompt(0);
    SetButtonStyle(iButton, GetButtonStyle(iButton) & ~TBBS_PRESSED);
    if (HitTest(point) != iButton) {
        SetHot(HitTest(point));
        return;
    }
    if (GetButtonStyle(iButton) & TBBS_CHECKBOX)
        SetButtonStyle(iButton, GetButtonStyle(iButton) ^ TBBS_CHECKED);
    SendCommand(iButton);
}

void CToolBar::OnCancelMode()
{
    if (m_iPressed >= 0) {
        SetButtonStyle(m_iPressed, GetButtonStyle(m_iPressed) & ~TBBS_PRESSED);
        m_iPressed = -1;
        if (::GetCapture() == m_hWnd)
            ReleaseCapture();
        if (!(m_dwStyle & CBRS_FLYBY))
            ShowPrompt(0);
    }
    SetHot(-1);
}

void CToolBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kHotTimer)
        return;
    CPoint point;
    ::GetCursorPos(&point);
    if (::WindowFromPoint(point) != m_hWnd && m_iPressed < 0)
        SetHot(-1);
}

void CToolBar::OnDestroy()
{
    KillTimer(kHotTimer);
    if (m_pToolTip && m_pToolTip->GetSafeHwnd() != nullptr)
        m_pToolTip->DestroyWindow();
    CControlBar::OnDestroy();
}

void CToolBar::SetHot(int iHot)
{
    if (iHot == m_iHot)
        return;
    const int iOld = m_iHot;
    m_iHot = iHot;
    InvalidateButton(iOld);
    InvalidateButton(iHot);
    if (iHot >= 0)
        SetTimer(kHotTimer, kHotTimerMs, nullptr);
    else
        KillTimer(kHotTimer);
    if (m_dwStyle & CBRS_FLYBY)
        ShowPrompt(iHot >= 0 ? GetItemID(iHot) : 0);
}

// The command's prompt in the frame's message bar (nID 0: the idle
// message).
void CToolBar::ShowPrompt(UINT nID)
{
    CFrameWnd *pFrame = GetDockingFrame();
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        pFrame = AfxGetParentFrame(GetOwner());
    if (pFrame == nullptr)
        return;
    pFrame->SetMessageText(nID != 0 ? nID : static_cast<UINT>(AFX_IDS_IDLEMESSAGE));
}

void CToolBar::SendCommand(int iButton)
{
    const UINT nID = GetItemID(iButton);
    CWnd *pOwner = GetOwner();
    if (nID == 0 || pOwner == nullptr)
        return;
    SetHot(HitTest(CPoint(m_buttons[static_cast<size_t>(iButton)].rect.CenterPoint())));
    pOwner->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}

void CToolBar::UpdateToolTips()
{
    if (!m_pToolTip || m_pToolTip->GetSafeHwnd() == nullptr)
        return;
    for (int i = 0; i < GetCount(); ++i)
        m_pToolTip->DelTool(this, static_cast<UINT_PTR>(i + 1));
    for (int i = 0; i < GetCount(); ++i) {
        const CString strTip = GetButtonTipText(i);
        const CRect &rect = m_buttons[static_cast<size_t>(i)].rect;
        if (!strTip.IsEmpty() && !rect.IsRectEmpty())
            m_pToolTip->AddTool(this, strTip, &rect, static_cast<UINT_PTR>(i + 1));
    }
}
