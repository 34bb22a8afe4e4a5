// The push button under a colour well's grid that opens the colour dialog.
// It takes part in the well's keyboard navigation: Tab and the arrows lead
// back into the grid.
#pragma once

#include "framework/controls/Button.h"

class SECColorWell;

class SECColorWellOtherButton : public CButton {
    DECLARE_DYNAMIC(SECColorWellOtherButton)
public:
    SECColorWellOtherButton() = default;

protected:
    SECColorWell *GetWell() const;
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd *pNewWnd);
    DECLARE_MESSAGE_MAP()
};
