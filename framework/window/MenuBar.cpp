#include "framework/window/MenuBar.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/InputApi.h"
#include "framework/window/MenuApi.h"
#include "framework/window/MessageBoxApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/NonClientArea.h"
#include "framework/window/PopupMenuLoop.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowDC.h"
#include "framework/window/WindowInternals.h"

#include "framework/gdi/Icon.h"

#include <QByteArray>

#include <cctype>

IMPLEMENT_DYNAMIC(CMenuBar, CWnd)

BEGIN_MESSAGE_MAP(CMenuBar, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_SYSKEYDOWN()
ON_WM_SYSKEYUP()
ON_WM_SYSCHAR()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

#ifndef DLGC_WANTALLKEYS
#define DLGC_WANTALLKEYS 0x0004
#endif

// The MDI client's messages the bar sends (the client lives in the
// application layer).
#define PLEXO_WM_MDIRESTORE 0x0223
#define PLEXO_WM_MDIGETACTIVE 0x0229

namespace {

// Space left and right of an item's text.
constexpr int kItemPadding = 7;

CString ItemText(HMENU hMenu, int nItem)
{
    char buffer[256] = {};
    ::GetMenuString(hMenu, static_cast<UINT>(nItem), buffer, sizeof(buffer), MF_BYPOSITION);
    return CString(buffer);
}

// The text as shown: "&&" is one '&', "&x" underlines x.
CString ShownText(const CString &strText)
{
    CString strShown;
    for (int i = 0; i < strText.GetLength(); ++i) {
        char ch = strText[i];
        if (ch == '&' && i + 1 < strText.GetLength())
            ch = strText[++i];
        strShown += ch;
    }
    return strShown;
}

} // namespace

BOOL CMenuBar::Create(CWnd *pFrame)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return CreateEx(0, lpszClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, CRect(0, 0, 0, 0), pFrame,
                    PLEXO_IDW_MENUBAR, nullptr);
}

HMENU CMenuBar::FrameMenu() const
{
    HWND hFrame = m_hWnd ? Frame() : nullptr;
    return hFrame ? ::GetMenu(hFrame) : nullptr;
}

int CMenuBar::ItemCount() const
{
    HMENU hMenu = FrameMenu();
    return hMenu ? ::GetMenuItemCount(hMenu) : 0;
}

int CMenuBar::GetBarHeight() const
{
    return ItemCount() > 0 ? GetSystemMetrics(SM_CYMENU) + 1 : 0;
}

CRect CMenuBar::GetItemRect(int nItem) const
{
    HMENU hMenu = FrameMenu();
    if (hMenu == nullptr || nItem < 0 || nItem >= ItemCount())
        return CRect(0, 0, 0, 0);
    CClientDC dc(const_cast<CMenuBar *>(this));
    CFont *pOld = static_cast<CFont *>(dc.SelectStockObject(DEFAULT_GUI_FONT));
    // A maximised document window's icon comes first.
    CRect rectIcon = GetSystemMenuRect();
    int x = rectIcon.IsRectEmpty() ? 0 : rectIcon.right + 2;
    CRect rect;
    for (int i = 0; i <= nItem; ++i) {
        CString strShown = ShownText(ItemText(hMenu, i));
        int cx = dc.GetTextExtent(strShown, strShown.GetLength()).cx + 2 * kItemPadding;
        rect = CRect(x, 0, x + cx, GetSystemMetrics(SM_CYMENU));
        x += cx;
    }
    dc.SelectObject(pOld);
    return rect;
}

int CMenuBar::HitTest(CPoint point) const
{
    for (int i = 0; i < ItemCount(); ++i) {
        if (GetItemRect(i).PtInRect(point))
            return i;
    }
    return -1;
}

BOOL CMenuBar::IsItemEnabled(int nItem) const
{
    HMENU hMenu = FrameMenu();
    UINT nState = hMenu ? ::GetMenuState(hMenu, static_cast<UINT>(nItem), MF_BYPOSITION) : MF_GRAYED;
    return (nState & (MF_GRAYED | MF_DISABLED)) == 0;
}

int CMenuBar::FindMnemonic(UINT ch) const
{
    HMENU hMenu = FrameMenu();
    for (int i = 0; hMenu && i < ItemCount(); ++i) {
        CString strText = ItemText(hMenu, i);
        for (int j = 0; j + 1 < strText.GetLength(); ++j) {
            if (strText[j] != '&')
                continue;
            if (strText[j + 1] == '&') {
                ++j;
                continue;
            }
            if (std::tolower(static_cast<unsigned char>(strText[j + 1])) == std::tolower(static_cast<int>(ch)))
                return i;
            break;
        }
    }
    return -1;
}

HWND CMenuBar::MdiClient() const
{
    for (HWND h = ::GetWindow(Frame(), GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        char szClass[32] = {};
        ::GetClassName(h, szClass, sizeof(szClass));
        if (QByteArray(szClass).compare("MDICLIENT", Qt::CaseInsensitive) == 0)
            return h;
    }
    return nullptr;
}

HWND CMenuBar::GetMaximizedChild() const
{
    HWND hClient = m_hWnd ? MdiClient() : nullptr;
    if (hClient == nullptr)
        return nullptr;
    BOOL bMaximized = FALSE;
    auto hActive =
        reinterpret_cast<HWND>(::SendMessage(hClient, PLEXO_WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)));
    return bMaximized ? hActive : nullptr;
}

CRect CMenuBar::GetSystemMenuRect() const
{
    if (GetMaximizedChild() == nullptr)
        return CRect(0, 0, 0, 0);
    int size = GetSystemMetrics(SM_CXSMICON);
    int top = (GetSystemMetrics(SM_CYMENU) - size) / 2;
    return CRect(2, top, 2 + size, top + size);
}

HWND CMenuBar::GetActiveChild() const
{
    HWND hClient = m_hWnd ? MdiClient() : nullptr;
    return hClient ? reinterpret_cast<HWND>(::SendMessage(hClient, PLEXO_WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

void CMenuBar::OpenSystemMenu()
{
    HWND hChild = GetActiveChild();
    if (hChild == nullptr || !::IsWindow(hChild))
        return;
    if (m_bMenuMode)
        ExitMenuMode();
    // Under the bar's icon for a maximised window, else under its own caption's.
    POINT at{0, 0};
    if (GetMaximizedChild() == hChild) {
        CRect rect = GetSystemMenuRect();
        ClientToScreen(&rect);
        at = POINT{rect.left, rect.bottom};
    } else {
        HWND h = WindowCore::Live(hChild);
        RECT window{}, caption = NonClient::CaptionRect(h);
        ::GetWindowRect(hChild, &window);
        at = POINT{window.left + caption.left, window.top + caption.bottom + 1};
    }
    NonClient::TrackSystemMenu(WindowCore::Live(hChild), at);
    Invalidate(TRUE);
}

CRect CMenuBar::GetCaptionButtonRect(int nButton) const
{
    if (nButton < 0 || nButton > 2 || GetMaximizedChild() == nullptr)
        return CRect(0, 0, 0, 0);
    CRect client;
    GetClientRect(&client);
    int cy = GetSystemMetrics(SM_CYMENU) - 4;
    int cx = cy + 2;
    // Close stands apart from the other two.
    int right = client.right - 2 - (2 - nButton) * cx - (nButton < 2 ? 2 : 0);
    return CRect(right - cx, 2, right, 2 + cy);
}

void CMenuBar::PressCaptionButton(int nButton)
{
    HWND hChild = GetMaximizedChild();
    if (hChild == nullptr)
        return;
    switch (nButton) {
    case 0: ::SendMessage(hChild, WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
    case 1: ::SendMessage(MdiClient(), PLEXO_WM_MDIRESTORE, reinterpret_cast<WPARAM>(hChild), 0); break;
    case 2: ::SendMessage(hChild, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    default: break;
    }
    Invalidate(TRUE);
}

void CMenuBar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_MENU));
    HMENU hMenu = FrameMenu();
    if (hMenu == nullptr)
        return;
    CFont *pOld = static_cast<CFont *>(dc.SelectStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < ItemCount(); ++i) {
        CRect rect = GetItemRect(i);
        BOOL bSelected = m_bMenuMode && i == m_nSelected;
        if (bSelected)
            dc.FillSolidRect(&rect, GetSysColor(COLOR_HIGHLIGHT));
        COLORREF text = !IsItemEnabled(i) ? GetSysColor(COLOR_GRAYTEXT)
                                          : GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
        dc.SetTextColor(text);
        CString strText = ItemText(hMenu, i);
        dc.DrawText(strText, &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    dc.SelectObject(pOld);
    CRect rectIcon = GetSystemMenuRect();
    if (!rectIcon.IsRectEmpty())
        DrawIconEx(dc.GetSafeHdc(), rectIcon.left, rectIcon.top,
                   NonClient::CaptionIcon(WindowCore::Live(GetMaximizedChild())), rectIcon.Width(), rectIcon.Height(),
                   0, nullptr, DI_NORMAL);
    const UINT buttons[3] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
    for (int i = 0; i < 3; ++i) {
        CRect rect = GetCaptionButtonRect(i);
        if (!rect.IsRectEmpty())
            dc.DrawFrameControl(&rect, DFC_CAPTION, buttons[i]);
    }
}

void CMenuBar::Select(int nItem)
{
    if (nItem == m_nSelected)
        return;
    m_nSelected = nItem;
    Invalidate(FALSE);
    HMENU hMenu = FrameMenu();
    if (nItem >= 0 && hMenu != nullptr) {
        UINT nState = ::GetMenuState(hMenu, static_cast<UINT>(nItem), MF_BYPOSITION) & 0xFFFF;
        ::SendMessage(Frame(), WM_MENUSELECT, MAKEWPARAM(nItem, nState | MF_HILITE), reinterpret_cast<LPARAM>(hMenu));
    }
}

void CMenuBar::EnterMenuMode(int nItem, BOOL bOpen)
{
    HWND hFrame = Frame();
    if (ItemCount() == 0 || !::IsWindowEnabled(hFrame))
        return; // no menu, or a modal dialog runs
    if (!m_bMenuMode) {
        m_bMenuMode = TRUE;
        ::SendMessage(hFrame, WM_ENTERMENULOOP, FALSE, 0);
        ::SendMessage(hFrame, WM_INITMENU, reinterpret_cast<WPARAM>(FrameMenu()), 0);
        m_hWndOldFocus = ::GetFocus();
        SetFocus();
    }
    m_nSelected = -1;
    Select(nItem < 0 ? 0 : nItem);
    if (bOpen)
        OpenItem(m_nSelected);
}

void CMenuBar::ExitMenuMode()
{
    if (!m_bMenuMode)
        return;
    m_bMenuMode = FALSE;
    m_nSelected = -1;
    Invalidate(FALSE);
    HWND hFrame = Frame();
    ::SendMessage(hFrame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    ::SendMessage(hFrame, WM_EXITMENULOOP, FALSE, 0);
    HWND hOldFocus = m_hWndOldFocus;
    m_hWndOldFocus = nullptr;
    if (hOldFocus != nullptr && ::IsWindow(hOldFocus) && ::GetFocus() == m_hWnd)
        ::SetFocus(hOldFocus);
}

void CMenuBar::OpenItem(int nItem)
{
    HMENU hMenu = FrameMenu();
    if (hMenu == nullptr || nItem < 0 || nItem >= ItemCount() || m_bInPopup)
        return;
    Select(nItem);
    HMENU hPopup = ::GetSubMenu(hMenu, nItem);
    if (!IsItemEnabled(nItem) || hPopup == nullptr) {
        // A plain top-level command runs at once; a disabled item does nothing.
        UINT nID = ::GetMenuItemID(hMenu, nItem);
        if (hPopup == nullptr && IsItemEnabled(nItem) && nID != 0 && nID != static_cast<UINT>(-1)) {
            ExitMenuMode();
            ::PostMessage(Frame(), WM_COMMAND, MAKEWPARAM(nID, CMD_FROM_MENU), 0);
        }
        return;
    }
    m_bInPopup = TRUE;
    PlexoMenuBarTracking tracking;
    tracking.nCount = ItemCount();
    tracking.itemAt = [this](POINT pt) {
        ScreenToClient(&pt);
        return HitTest(CPoint(pt));
    };
    UINT nID = 0;
    // Left, Right or the mouse over another item move on to that item's
    // pop-up; an item without one is only selected.
    for (;;) {
        CRect rect = GetItemRect(nItem);
        ClientToScreen(&rect);
        tracking.nCurrent = nItem;
        nID = PlexoTrackMenuBarPopup(hPopup, rect.left, rect.bottom, Frame(), tracking);
        if (nID != 0 || tracking.nNext < 0 || !m_bMenuMode || m_hWnd == nullptr)
            break;
        nItem = tracking.nNext;
        Select(nItem);
        hPopup = ::GetSubMenu(hMenu, nItem);
        if (hPopup == nullptr || !IsItemEnabled(nItem))
            break;
    }
    m_bInPopup = FALSE;
    if (nID != 0) {
        ExitMenuMode();
        ::PostMessage(Frame(), WM_COMMAND, MAKEWPARAM(nID, CMD_FROM_MENU), 0);
    }
    // Cancelled: the item stays selected in the bar, as after Escape.
}

BOOL CMenuBar::TranslateFrameKey(const MSG *pMsg)
{
    if (m_hWnd == nullptr || ItemCount() == 0)
        return FALSE;
    switch (pMsg->message) {
    case WM_SYSKEYDOWN:
        if (pMsg->wParam == VK_MENU) {
            m_bAltAlone = TRUE;
            return FALSE;
        }
        m_bAltAlone = FALSE;
        if (pMsg->wParam == VK_F10) {
            if (m_bMenuMode)
                ExitMenuMode();
            else
                EnterMenuMode(0, FALSE);
            return TRUE;
        }
        return FALSE;
    case WM_KEYDOWN:
        m_bAltAlone = FALSE;
        if (pMsg->wParam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000) == 0) {
            EnterMenuMode(0, FALSE);
            return TRUE;
        }
        return FALSE;
    case WM_SYSKEYUP:
        if (pMsg->wParam == VK_MENU && m_bAltAlone) {
            m_bAltAlone = FALSE;
            if (m_bMenuMode)
                ExitMenuMode();
            else
                EnterMenuMode(0, FALSE);
            return TRUE;
        }
        return FALSE;
    case WM_SYSCHAR: {
        // Alt+- opens the active document window's system menu.
        if (pMsg->wParam == '-' && GetActiveChild() != nullptr) {
            OpenSystemMenu();
            return TRUE;
        }
        int nItem = FindMnemonic(static_cast<UINT>(pMsg->wParam));
        if (nItem < 0)
            return FALSE;
        EnterMenuMode(nItem, TRUE);
        return TRUE;
    }
    default: return FALSE;
    }
}

void CMenuBar::OnLButtonDown(UINT, CPoint point)
{
    if (GetSystemMenuRect().PtInRect(point)) {
        OpenSystemMenu();
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (GetCaptionButtonRect(i).PtInRect(point)) {
            if (m_bMenuMode)
                ExitMenuMode();
            PressCaptionButton(i);
            return;
        }
    }
    int nItem = HitTest(point);
    if (nItem >= 0)
        EnterMenuMode(nItem, TRUE);
    if (m_bMenuMode && !m_bInPopup && nItem < 0)
        ExitMenuMode();
}

void CMenuBar::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (!m_bMenuMode)
        return;
    int nCount = ItemCount();
    switch (nChar) {
    case VK_LEFT: Select((m_nSelected + nCount - 1) % nCount); break;
    case VK_RIGHT: Select((m_nSelected + 1) % nCount); break;
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN: OpenItem(m_nSelected); break;
    case VK_ESCAPE: ExitMenuMode(); break;
    case VK_F10: ExitMenuMode(); break;
    default: break;
    }
}

void CMenuBar::OnChar(UINT nChar, UINT, UINT)
{
    if (!m_bMenuMode)
        return;
    int nItem = FindMnemonic(nChar);
    if (nItem >= 0)
        OpenItem(nItem);
    else
        ::MessageBeep(0);
}

void CMenuBar::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_F10 && m_bMenuMode) {
        ExitMenuMode();
        return;
    }
    m_bAltAlone = nChar == VK_MENU;
    Default();
    (void)nRepCnt;
    (void)nFlags;
}

void CMenuBar::OnSysKeyUp(UINT nChar, UINT, UINT)
{
    if (nChar == VK_MENU && m_bAltAlone && m_bMenuMode) {
        m_bAltAlone = FALSE;
        ExitMenuMode();
        return;
    }
    Default();
}

void CMenuBar::OnSysChar(UINT nChar, UINT, UINT)
{
    int nItem = FindMnemonic(nChar);
    if (nItem >= 0)
        OpenItem(nItem);
}

void CMenuBar::OnKillFocus(CWnd *pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (m_bMenuMode && !m_bInPopup) {
        m_hWndOldFocus = nullptr; // the focus went somewhere of its own
        ExitMenuMode();
    }
}

UINT CMenuBar::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}
