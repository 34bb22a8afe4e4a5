// Property pages and sheets.
#include "framework/controls/PropertySheet.h"
#include "framework/controls/ControlClasses.h"

#include "framework/gdi/SystemColors.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/resources/Resources.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

namespace {

constexpr UINT kTabId = 0x3020;
constexpr int kMargin = 4;

const RESOURCE_DIALOG *PageTemplate(UINT nID)
{
    return PlexoFindDialog(nID);
}

} // namespace

// ---- CPropertyPage

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate), m_nIDTemplate(nIDTemplate)
{
    if (nIDCaption)
        PlexoLookupString(nIDCaption, m_strCaption);
}

CString CPropertyPage::TabCaption() const
{
    if (!m_strCaption.IsEmpty())
        return m_strCaption;
    const RESOURCE_DIALOG *pTemplate = PageTemplate(m_nIDTemplate);
    return pTemplate && pTemplate->lpszCaption ? CString(pTemplate->lpszCaption) : CString();
}

BOOL CPropertyPage::CreatePage(CPropertySheet *pSheet, const RECT &rcPage)
{
    const RESOURCE_DIALOG *pTemplate = PageTemplate(m_nIDTemplate);
    if (!pTemplate)
        return FALSE;
    // A page is a control of its sheet: a child without frame or caption.
    RESOURCE_DIALOG child = *pTemplate;
    child.dwStyle &=
        ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME | DS_MODALFRAME | WS_VISIBLE);
    child.dwStyle |= WS_CHILD | DS_CONTROL;
    child.x = child.y = 0;
    if (!CreateIndirect(&child, pSheet))
        return FALSE;
    MoveWindow(&rcPage, FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

void CPropertyPage::OnOK()
{
    // A page does not end anything: its sheet's owner decides.
}

void CPropertyPage::OnCancel() {}

// ---- CPropertySheet

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd *pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption), m_pParentWnd(pParentWnd), m_nStartPage(iSelectPage)
{
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd *pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_nStartPage(iSelectPage)
{
    PlexoLookupString(nIDCaption, m_strCaption);
}

void CPropertySheet::AddPage(CPropertyPage *pPage)
{
    if (!pPage)
        return;
    m_pages.push_back(pPage);
    if (m_tab.GetSafeHwnd())
        m_tab.InsertItem(GetPageCount() - 1, pPage->TabCaption());
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    CPropertyPage *pPage = m_pages[static_cast<size_t>(nPage)];
    if (pPage->GetSafeHwnd())
        pPage->DestroyWindow();
    m_pages.erase(m_pages.begin() + nPage);
    if (m_tab.GetSafeHwnd())
        m_tab.DeleteItem(nPage);
    if (nPage == m_nActive) {
        m_nActive = -1;
        if (GetPageCount() > 0)
            ShowPage(0);
    } else if (nPage < m_nActive) {
        --m_nActive;
    }
}

CPropertyPage *CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage *pPage) const
{
    for (int i = 0; i < GetPageCount(); ++i)
        if (m_pages[static_cast<size_t>(i)] == pPage)
            return i;
    return -1;
}

CTabCtrl *CPropertySheet::GetTabControl() const
{
    return m_tab.GetSafeHwnd() ? const_cast<CTabCtrl *>(&m_tab) : nullptr;
}

SIZE CPropertySheet::LargestPage() const
{
    SIZE largest{0, 0};
    for (CPropertyPage *pPage : m_pages) {
        const RESOURCE_DIALOG *pTemplate = PageTemplate(pPage->m_nIDTemplate);
        if (!pTemplate)
            continue;
        RESOURCE_DIALOG child = *pTemplate;
        child.dwStyle = WS_CHILD;
        RECT rc = PlexoDialogWindowRect(&child, nullptr);
        largest.cx = plexoMax<LONG>(largest.cx, rc.right - rc.left);
        largest.cy = plexoMax<LONG>(largest.cy, rc.bottom - rc.top);
    }
    return largest;
}

RECT CPropertySheet::PageRect() const
{
    RECT rc;
    m_tab.GetWindowRect(&rc);
    ScreenToClient(&rc);
    const_cast<CTabCtrl &>(m_tab).AdjustRect(FALSE, &rc);
    return rc;
}

BOOL CPropertySheet::Create(CWnd *pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    PlexoRegisterStandardControls();
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    if (dwStyle == static_cast<DWORD>(-1))
        dwStyle =
            m_pParentWnd ? (WS_CHILD | WS_VISIBLE | WS_TABSTOP) : (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
    // Creation shows nothing until the first page is in place.
    if (!CreateEx(dwExStyle | WS_EX_CONTROLPARENT, cls, m_strCaption, dwStyle & ~WS_VISIBLE, 0, 0, 100, 100,
                  m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr, nullptr, nullptr))
        return FALSE;
    RECT page{0, 0, LargestPage().cx, LargestPage().cy};
    if (!m_tab.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, RECT{0, 0, 10, 10}, this, kTabId)) {
        DestroyWindow();
        return FALSE;
    }
    if (m_pParentWnd)
        m_tab.SetFont(m_pParentWnd->GetFont(), FALSE);
    m_tab.AdjustRect(TRUE, &page);
    int width = page.right - page.left, height = page.bottom - page.top;
    m_tab.MoveWindow(kMargin, kMargin, width, height, FALSE);
    RECT window{0, 0, width + 2 * kMargin, height + 2 * kMargin};
    ::AdjustWindowRectEx(&window, dwStyle, FALSE, dwExStyle);
    SetWindowPos(nullptr, 0, 0, window.right - window.left, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int i = 0; i < GetPageCount(); ++i)
        m_tab.InsertItem(i, m_pages[static_cast<size_t>(i)]->TabCaption());
    if (GetPageCount() > 0)
        ShowPage(static_cast<int>(m_nStartPage) < GetPageCount() ? static_cast<int>(m_nStartPage) : 0);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CPropertySheet::ShowPage(int nPage)
{
    CPropertyPage *pPage = GetPage(nPage);
    if (!pPage)
        return FALSE;
    if (!pPage->GetSafeHwnd() && !pPage->CreatePage(this, PageRect()))
        return FALSE;
    for (CPropertyPage *pOther : m_pages)
        if (pOther != pPage && pOther->GetSafeHwnd())
            pOther->ShowWindow(SW_HIDE);
    m_nActive = nPage;
    m_tab.SetCurSel(nPage);
    // The page comes above the tab control, in the tab order after it.
    pPage->SetWindowPos(&m_tab, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    pPage->OnSetActive();
    return TRUE;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (!GetPage(nPage))
        return FALSE;
    if (!m_hWnd) {
        m_nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    if (nPage == m_nActive)
        return TRUE;
    CPropertyPage *pCurrent = GetActivePage();
    if (pCurrent && pCurrent->GetSafeHwnd() && !pCurrent->OnKillActive())
        return FALSE;
    return ShowPage(nPage);
}

BOOL CPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    auto *nm = reinterpret_cast<NMHDR *>(lParam);
    if (nm && nm->hwndFrom == m_tab.GetSafeHwnd()) {
        if (nm->code == TCN_SELCHANGING) {
            CPropertyPage *pCurrent = GetActivePage();
            // A page whose data fails keeps the sheet on it.
            *pResult = pCurrent && pCurrent->GetSafeHwnd() && !pCurrent->OnKillActive();
            return TRUE;
        }
        if (nm->code == TCN_SELCHANGE) {
            ShowPage(m_tab.GetCurSel());
            *pResult = 0;
            return TRUE;
        }
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case PSM_GETTABCONTROL: return reinterpret_cast<LRESULT>(m_tab.GetSafeHwnd());
    case PSM_GETCURRENTPAGEHWND:
        return reinterpret_cast<LRESULT>(GetActivePage() ? GetActivePage()->GetSafeHwnd() : nullptr);
    case PSM_SETCURSEL: return SetActivePage(static_cast<int>(wParam));
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CPropertySheet::PreTranslateMessage(MSG *pMsg)
{
    if (pMsg && pMsg->message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 && GetPageCount() > 1) {
        bool back = GetKeyState(VK_SHIFT) < 0;
        int step = 0;
        if (pMsg->wParam == VK_TAB)
            step = back ? -1 : 1;
        else if (pMsg->wParam == VK_NEXT)
            step = 1;
        else if (pMsg->wParam == VK_PRIOR)
            step = -1;
        if (step) {
            int count = GetPageCount();
            int next = ((m_nActive < 0 ? 0 : m_nActive) + step + count) % count;
            if (SetActivePage(next)) {
                // The focus follows to the tab control when it was on the pages.
                if (CWnd *pFocus = GetFocus(); pFocus && IsChild(pFocus) && !GetActivePage()->IsChild(pFocus))
                    m_tab.SetFocus();
            }
            return TRUE;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}
