// Property sheets: CPropertyPage, a dialog made from its template as a
// child of a sheet, and CPropertySheet, a window with a tab control over
// its pages. A sheet made with Create and WS_CHILD sits inside another
// window; Tab walks into its tab control and the active page. Leaving a
// page asks it first (OnKillActive, which moves its data out and may
// refuse); entering one tells it (OnSetActive, which moves its data in).
// Ctrl+Tab and Ctrl+Page Down (with Shift or Page Up backwards) switch
// pages through PreTranslateMessage.
#pragma once

#include "framework/controls/Dialog.h"
#include "framework/controls/TabCtrl.h"

#include <vector>

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    void SetModified(BOOL bChanged = TRUE) { m_bModified = bChanged; }
    BOOL IsModified() const { return m_bModified; }

    CString m_strCaption;

protected:
    void OnOK() override;
    void OnCancel() override;

private:
    friend class CPropertySheet;
    // Makes the page's window inside the sheet, at rcPage.
    BOOL CreatePage(CPropertySheet *pSheet, const RECT &rcPage);
    // The tab's text: the caption given, else the template's.
    CString TabCaption() const;

    UINT m_nIDTemplate;
    BOOL m_bFirstSetActive = TRUE;
    BOOL m_bModified = FALSE;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet() = default;
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd *pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CPropertySheet(UINT nIDCaption, CWnd *pParentWnd = NULL, UINT iSelectPage = 0);

    void AddPage(CPropertyPage *pPage);
    void RemovePage(int nPage);
    // dwStyle (DWORD)-1: a child of pParentWnd, visible, a tab stop.
    virtual BOOL Create(CWnd *pParentWnd = NULL, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage *GetPage(int nPage) const;
    CPropertyPage *GetActivePage() const { return GetPage(m_nActive); }
    int GetActiveIndex() const { return m_nActive; }
    int GetPageIndex(CPropertyPage *pPage) const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage *pPage) { return SetActivePage(GetPageIndex(pPage)); }
    CTabCtrl *GetTabControl() const;

    BOOL PreTranslateMessage(MSG *pMsg) override;

    CString m_strCaption;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RECT PageRect() const;
    SIZE LargestPage() const;
    // Shows the page (making it the first time) and hides the others.
    BOOL ShowPage(int nPage);

    std::vector<CPropertyPage *> m_pages;
    CTabCtrl m_tab;
    CWnd *m_pParentWnd = nullptr;
    int m_nActive = -1;
    UINT m_nStartPage = 0;
};
