// CDialogBar: a control bar whose controls come from a dialog template.
// The controls' commands go to the bar's owner (the frame), and at idle
// time each control is enabled and checked through the command routing as
// the commands of its id would be.
#pragma once

#include "framework/app/ControlBar.h"

#define AFX_IDW_DIALOGBAR 0xE805

class CDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar() = default;
    ~CDialogBar() override = default;

    // FALSE when the template is missing or the controls cannot be made.
    // nStyle holds the CBRS_ bits (and WS_VISIBLE).
    BOOL Create(CWnd *pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);
    BOOL Create(CWnd *pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID);

    // The template's size; bStretch fills the frame's width or height.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHndler) override;

    CSize m_sizeDefault;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};
