// SECEditFontColorDlg: the "Font and Color Settings" dialog (template
// 22700). It edits copies of one language's font and colour groups; nothing
// reaches the configuration until the caller applies the dialog after OK.
#pragma once

#include "editor/controls/SECColorWellMessages.h"
#include "editor/controls/SECWellButton.h"
#include "editor/lang/SECEditColorGroup.h"

#include "framework/collections/Arrays.h"
#include "framework/controls/Button.h"
#include "framework/controls/Dialog.h"
#include "framework/controls/ListBox.h"
#include "framework/gdi/GdiStructs.h"

class SECEditLangConfig;

enum SECEditFontColorIds : UINT {
    SECEDIT_IDD_FONTCOLOR = 22700,
    SECEDIT_IDC_GROUPS = 1000,
    SECEDIT_IDC_RESET_ALL = 1006,
    SECEDIT_IDC_CHOOSE_FONT = 1008,
    SECEDIT_IDC_SAMPLE = 1011,
    SECEDIT_IDC_FONT_FACE = 1012,
    SECEDIT_IDC_FONT_SIZE = 1013,
    SECEDIT_IDC_FORE_WELL = 1025,
    SECEDIT_IDC_BACK_WELL = 1026,
    SECEDIT_IDC_FORE_AUTO = 1027,
    SECEDIT_IDC_BACK_AUTO = 1028,
};

class SECEditFontColorDlg : public CDialog {
public:
    explicit SECEditFontColorDlg(CWnd *pParentWnd = NULL);
    ~SECEditFontColorDlg() override;

    // Takes a reference to the configuration and copies its font (into the
    // given LOGFONT) and groups; does nothing when already prepared.
    void Prepare(SECEditLangConfig *pConfig, const LOGFONT &font);
    // Writes the edited font and groups into the configuration.
    void Apply(SECEditLangConfig *pConfig);

    BOOL OnInitDialog() override;

    // ---- What the dialog holds, for its caller and for tests
    const LOGFONT &GetLogFont() const { return m_logFont; }
    int GetGroupCopyCount() const { return static_cast<int>(m_groups.GetSize()); }
    SECEditColorGroup *GetGroupCopy(int nIndex) const;
    // The copy the list's selection stands for; NULL when none.
    SECEditColorGroup *GetSelectedGroup() const;
    // The "%d pt" size of the LOGFONT.
    int GetPointSize() const;
    DWORD GetFontDialogFlags() const { return m_dwFontDialogFlags; }
    // Draws the sample text of the selected group inside the "Sample" frame.
    void DrawSample();

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void UpdateColors(BOOL bToGroup);
    void ColorsToControls(SECEditColorGroup *pGroup);
    void ResolveAutomaticColors(SECEditColorGroup *pGroup);
    void ShowFont();
    void FontFromConfig();
    void CopyGroupsFromConfig(BOOL bAppend);

    afx_msg void OnAutomatic();
    afx_msg void OnGroupChanged();
    afx_msg void OnResetAll();
    afx_msg void OnChooseFont();
    afx_msg void OnPaint();
    afx_msg LRESULT OnWellColor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CButton m_foreAutomatic;
    CButton m_backAutomatic;
    CButton m_resetAll;
    CButton m_sampleFrame;
    CListBox m_groupList;
    CButton m_chooseFont;
    LOGFONT m_logFont{};
    SECEditLangConfig *m_pConfig = nullptr;
    CArray<SECEditColorGroup *, SECEditColorGroup *> m_groups;
    DWORD m_dwFontDialogFlags;
    SECWellButton m_foreWell;
    SECWellButton m_backWell;
    SECEditColorGroup *m_pTextGroup = nullptr;
    SECEditColorGroup *m_pSelectionGroup = nullptr;
    COLORREF m_crCurrentFore = 0;
    COLORREF m_crCurrentBack = 0;
};

// Runs the dialog on a configuration and font: on OK the configuration
// takes the dialog's values and tells its listeners that the font changed
// (hint 22575); TRUE then, FALSE on Cancel.
BOOL SECEditRunFontColorDialog(SECEditLangConfig *pConfig, LOGFONT &font);
// Makes the text buffer's Font and Color command run this dialog.
void SECEditInstallFontColorDialog();
