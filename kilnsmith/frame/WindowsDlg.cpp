#include "kilnsmith/frame/WindowsDlg.h"

#include "framework/app/Document.h"
#include "framework/app/MDIFrameWnd.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Icon.h"
#include "framework/gdi/SystemColors.h"
#include "kilnsmith/frame/ResourceIds.h"

IMPLEMENT_DYNAMIC(CWindowsDlg, CDialog)
BEGIN_MESSAGE_MAP(CWindowsDlg, CDialog)
ON_LBN_SELCHANGE(IDC_WINDOWS_LIST, OnSelChange)
ON_LBN_DBLCLK(IDC_WINDOWS_LIST, OnActivate)
ON_BN_CLICKED(IDC_WINDOWS_ACTIVATE, OnActivate)
ON_BN_CLICKED(IDC_WINDOWS_SAVE, OnSave)
ON_BN_CLICKED(IDC_WINDOWS_CLOSE, OnCloseWindows)
ON_BN_CLICKED(IDC_WINDOWS_MINIMIZE, OnMinimize)
ON_BN_CLICKED(IDC_WINDOWS_CASCADE, OnCascade)
ON_BN_CLICKED(IDC_WINDOWS_TILE_HORZ, OnTileHorizontally)
ON_BN_CLICKED(IDC_WINDOWS_TILE_VERT, OnTileVertically)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

namespace {

constexpr int kMaxTitle = 256;

// Stops a window's redrawing for one scope.
class NoRedraw {
public:
    explicit NoRedraw(CWnd &wnd) : m_wnd(wnd) { m_wnd.SetRedraw(FALSE); }
    ~NoRedraw()
    {
        m_wnd.SetRedraw(TRUE);
        m_wnd.Invalidate();
    }
    NoRedraw(const NoRedraw &) = delete;
    NoRedraw &operator=(const NoRedraw &) = delete;

private:
    CWnd &m_wnd;
};

} // namespace

CWindowsDlg::CWindowsDlg(CMDIFrameWnd *pMDIFrame) : CDialog(IDD_WINDOWS, pMDIFrame), m_pMDIFrame(pMDIFrame) {}

HWND CWindowsDlg::MDIClient() const
{
    return m_pMDIFrame != nullptr ? m_pMDIFrame->m_hWndMDIClient : nullptr;
}

BOOL CWindowsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndList.SubclassDlgItem(IDC_WINDOWS_LIST, this);
    Refresh();
    return TRUE;
}

void CWindowsDlg::Refresh()
{
    FillWindowList();
    SelectActiveWindow();
    UpdateButtons();
}

void CWindowsDlg::FillWindowList()
{
    NoRedraw noRedraw(m_wndList);
    m_wndList.ResetContent();
    HWND hClient = MDIClient();
    if (hClient == nullptr)
        return;
    for (HWND hChild = ::GetWindow(hClient, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        char szTitle[kMaxTitle + 1] = {};
        ::GetWindowText(hChild, szTitle, kMaxTitle);
        const int nIndex = m_wndList.AddString(szTitle);
        if (nIndex >= 0)
            m_wndList.SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(hChild));
    }
}

void CWindowsDlg::SelectActiveWindow()
{
    if (m_wndList.GetCount() == 0 || MDIClient() == nullptr)
        return;
    NoRedraw noRedraw(m_wndList);
    m_wndList.SelItemRange(FALSE, 0, m_wndList.GetCount() - 1);
    const HWND hActive = reinterpret_cast<HWND>(::SendMessage(MDIClient(), WM_MDIGETACTIVE, 0, 0));
    for (int i = 0; i < m_wndList.GetCount(); ++i)
        if (reinterpret_cast<HWND>(m_wndList.GetItemData(i)) == hActive)
            m_wndList.SetSel(i, TRUE);
}

void CWindowsDlg::UpdateButtons()
{
    const int nSelected = m_wndList.GetSelCount();
    auto enable = [this](UINT nID, BOOL bEnable) {
        if (CWnd *pButton = GetDlgItem(nID))
            pButton->EnableWindow(bEnable);
    };
    enable(IDC_WINDOWS_SAVE, nSelected > 0);
    enable(IDC_WINDOWS_CLOSE, nSelected > 0);
    enable(IDC_WINDOWS_MINIMIZE, nSelected > 0);
    enable(IDC_WINDOWS_CASCADE, nSelected > 1);
    enable(IDC_WINDOWS_TILE_HORZ, nSelected > 1);
    enable(IDC_WINDOWS_TILE_VERT, nSelected > 1);
    enable(IDC_WINDOWS_ACTIVATE, nSelected == 1);
}

std::vector<HWND> CWindowsDlg::SelectedWindows() const
{
    std::vector<HWND> windows;
    const int nSelected = m_wndList.GetSelCount();
    if (nSelected <= 0)
        return windows;
    std::vector<int> indexes(static_cast<size_t>(nSelected));
    const int nGot = m_wndList.GetSelItems(nSelected, indexes.data());
    for (int i = 0; i < nGot; ++i)
        windows.push_back(reinterpret_cast<HWND>(m_wndList.GetItemData(indexes[static_cast<size_t>(i)])));
    return windows;
}

void CWindowsDlg::OnSelChange()
{
    UpdateButtons();
}

void CWindowsDlg::OnActivate()
{
    const std::vector<HWND> windows = SelectedWindows();
    if (windows.size() != 1 || !::IsWindow(windows.front()))
        return;
    HWND hWnd = windows.front();
    if (::IsIconic(hWnd))
        ::ShowWindow(hWnd, SW_RESTORE);
    ::SendMessage(MDIClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hWnd), 0);
    EndDialog(IDOK);
}

void CWindowsDlg::OnSave()
{
    for (HWND hWnd : SelectedWindows()) {
        auto *pFrame = dynamic_cast<CFrameWnd *>(CWnd::FromHandlePermanent(hWnd));
        if (pFrame == nullptr)
            continue;
        if (CDocument *pDocument = pFrame->GetActiveDocument())
            pDocument->SaveModified();
    }
    Refresh();
}

void CWindowsDlg::OnCloseWindows()
{
    {
        NoRedraw noRedraw(m_wndList);
        const std::vector<HWND> windows = SelectedWindows();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            if (!::IsWindow(*it))
                continue;
            ::SendMessage(*it, WM_CLOSE, 0, 0);
            // A window still there refused to close: stop at it.
            if (::IsWindow(*it) && ::GetParent(*it) == MDIClient())
                break;
        }
    }
    Refresh();
}

void CWindowsDlg::OnMinimize()
{
    {
        NoRedraw noRedraw(m_wndList);
        const std::vector<HWND> windows = SelectedWindows();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            if (::IsWindow(*it))
                ::ShowWindow(*it, SW_MINIMIZE);
    }
    Refresh();
}

void CWindowsDlg::Arrange(UINT nMessage, WPARAM wParam)
{
    HWND hClient = MDIClient();
    if (hClient == nullptr)
        return;
    CWnd *pClient = CWnd::FromHandle(hClient);
    pClient->LockWindowUpdate();
    for (int i = m_wndList.GetCount() - 1; i >= 0; --i) {
        HWND hWnd = reinterpret_cast<HWND>(m_wndList.GetItemData(i));
        if (::IsWindow(hWnd))
            ::ShowWindow(hWnd, m_wndList.GetSel(i) > 0 ? SW_RESTORE : SW_MINIMIZE);
    }
    ::SendMessage(hClient, nMessage, wParam, 0);
    pClient->UnlockWindowUpdate();
}

void CWindowsDlg::OnCascade()
{
    Arrange(WM_MDICASCADE, 0);
}

void CWindowsDlg::OnTileHorizontally()
{
    Arrange(WM_MDITILE, MDITILE_HORIZONTAL);
}

void CWindowsDlg::OnTileVertically()
{
    Arrange(WM_MDITILE, MDITILE_VERTICAL);
}

void CWindowsDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (nIDCtl == IDC_WINDOWS_LIST)
        DrawWindowItem(lpDrawItemStruct);
    else
        CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CWindowsDlg::DrawWindowItem(LPDRAWITEMSTRUCT lpDis)
{
    if (lpDis->itemID == static_cast<UINT>(-1))
        return;
    CDC *pDC = CDC::FromHandle(lpDis->hDC);
    CRect rect(lpDis->rcItem);
    const BOOL bSelected = (lpDis->itemState & ODS_SELECTED) != 0;
    const COLORREF crBack = ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    const COLORREF crText = ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    if (lpDis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
        pDC->FillSolidRect(&rect, crBack);

    HWND hWnd = reinterpret_cast<HWND>(lpDis->itemData);
    const int nSide = rect.Height();
    if (::IsWindow(hWnd)) {
        if (HICON hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(hWnd, GCL_HICONSM)))
            ::DrawIconEx(pDC->GetSafeHdc(), rect.left + 2, rect.top, hIcon, nSide, nSide, 0, nullptr, DI_NORMAL);
    }
    CString strTitle;
    m_wndList.GetText(static_cast<int>(lpDis->itemID), strTitle);
    CRect rectText = rect;
    rectText.left += nSide + 4;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOldText = pDC->SetTextColor(crText);
    pDC->DrawText(strTitle, &rectText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
    if (lpDis->itemAction & ODA_FOCUS)
        pDC->DrawFocusRect(&rect);
}
