// CWindowsDlg: the "Windows" dialog of the Window menu.  It lists the
// document windows by title (with their small icons) and acts on the ones
// selected: activate, save, close, minimise, cascade or tile them.
#pragma once

#include "framework/controls/Dialog.h"
#include "framework/controls/ListBox.h"

#include <vector>

class CMDIFrameWnd;

class CWindowsDlg : public CDialog {
    DECLARE_DYNAMIC(CWindowsDlg)
public:
    explicit CWindowsDlg(CMDIFrameWnd *pMDIFrame);

    BOOL OnInitDialog() override;

    // The list of windows (valid while the dialog is open).
    CListBox &GetWindowList() { return m_wndList; }

protected:
    afx_msg void OnSelChange();
    afx_msg void OnActivate();
    afx_msg void OnSave();
    afx_msg void OnCloseWindows();
    afx_msg void OnMinimize();
    afx_msg void OnCascade();
    afx_msg void OnTileHorizontally();
    afx_msg void OnTileVertically();
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    DECLARE_MESSAGE_MAP()

private:
    void FillWindowList();
    void SelectActiveWindow();
    void UpdateButtons();
    void Refresh();
    // The windows of the selected items, first to last.
    std::vector<HWND> SelectedWindows() const;
    // Restores the selected windows, minimises the others, then sends the
    // arrangement to the MDI client.
    void Arrange(UINT nMessage, WPARAM wParam);
    void DrawWindowItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    HWND MDIClient() const;

    CMDIFrameWnd *m_pMDIFrame;
    CListBox m_wndList;
};
