// CMDIEditController: the wizard's editor controller. It adds the Set
// Language command, a pop-up of the context menu after a typed "." (the
// pseudo-intellisense hook, on by default and per view), a "Toggle Page
// Break" item on the context menu, and Ctrl+R for Replace. The frame's
// position pane shows the caret's line and column while the view is active.
#pragma once

#include "editor/controller/SECEditController.h"

class CMDIEditController : public SECEditController {
    DECLARE_DYNAMIC(CMDIEditController)
public:
    CMDIEditController();
    ~CMDIEditController() override;

    // Types the text; a lone "." typed after the start of a line then opens
    // the context menu below the caret. Typing goes on while it is open: a
    // printable key closes it and is typed.
    void InsertText(const CString &text) override;
    // The editor's menu with a separator and "&Toggle Page Break".
    BOOL CreateContextMenu(CMenu &menu, CMenu *&pPopup) override;
    BOOL PreTranslateMessage(MSG *pMsg) override;

    BOOL IsPseudoIntellisenseOn() const { return m_bPseudoIntellisense; }
    // Where the pop-up after a "." opens: one line below the caret, in
    // screen coordinates.
    CPoint GetPopupPoint();

protected:
    afx_msg void OnSetLanguage();
    afx_msg void OnPseudoIntellisense();
    afx_msg void OnUpdatePseudoIntellisense(CCmdUI *pCmdUI);
    afx_msg void OnUpdatePositionPane(CCmdUI *pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    void ShowPopupAtCaret();

    BOOL m_bPseudoIntellisense = TRUE;
};
