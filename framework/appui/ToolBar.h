// CToolBar: a control bar of buttons with images from one bitmap strip.
// A button sends its command to the bar's owner when the mouse is released
// over it; its enabled and checked states follow the command routing at
// idle time (CCmdUI). With CBRS_TOOLTIPS a button shows the text after
// "\n" of its command's string as a tip; with CBRS_FLYBY the text before it
// stands in the frame's message bar while the mouse is over the button. A
// floating bar with CBRS_SIZE_DYNAMIC wraps its buttons into rows.
#pragma once

#include "framework/app/AppIds.h"
#include "framework/app/ControlBar.h"
#include "framework/gdi/Bitmap.h"

#include <memory>
#include <vector>

class CToolTipCtrl;

// Toolbar control styles.
#define TBSTYLE_TOOLTIPS 0x0100
#define TBSTYLE_WRAPABLE 0x0200
#define TBSTYLE_FLAT 0x0800

// Button styles and states.
#define TBBS_BUTTON 0x0000
#define TBBS_SEPARATOR 0x0001
#define TBBS_CHECKBOX 0x0002
#define TBBS_GROUP 0x0004
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_CHECKED 0x0100
#define TBBS_PRESSED 0x0200
#define TBBS_DISABLED 0x0400
#define TBBS_INDETERMINATE 0x0800
#define TBBS_HIDDEN 0x1000
#define TBBS_WRAPPED 0x2000

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd *pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd *pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);

    // The buttons, image size and bitmap of a toolbar resource. FALSE when
    // the resource is missing; a missing bitmap, or one narrower than the
    // buttons need, leaves the buttons without an image blank.
    BOOL LoadToolBar(UINT nIDResource);
    // Image strip alone; FALSE when the bitmap is missing.
    BOOL LoadBitmap(UINT nIDResource);
    // One button per id (0: a separator); NULL gives nIDCount separators.
    BOOL SetButtons(const UINT *lpIDArray, int nIDCount);
    // The button's size must exceed the image's by at least 7 by 6.
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect) { SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }

    int GetCount() const { return static_cast<int>(m_buttons.size()); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    // The button's rectangle in the bar's client coordinates (empty for a
    // hidden button or a bad index).
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT &nID, UINT &nStyle, int &iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    // The tip of the bar's tooltips (NULL without CBRS_TOOLTIPS).
    CToolTipCtrl *GetToolTips() const { return m_pToolTip.get(); }
    // The text a button's tip shows: the part after "\n" of its command's
    // string; empty without one.
    CString GetButtonTipText(int nIndex) const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // The size for nLength (a width, or with LM_LENGTHY a height) or for
    // the remembered floating width (LM_MRUWIDTH); LM_COMMIT keeps the
    // wrapping found as the bar's.
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    void OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHndler) override;

    // Draws the whole bar as it paints itself, its client area at the
    // DC's origin.
    void Draw(CDC *pDC);

    // The button under a point of the client area, or -1 (separators and
    // hidden buttons are never hit).
    int HitTest(CPoint point) const;
    // The button under the mouse of a flat bar (-1: none).
    int GetHotItem() const { return m_iHot; }

protected:
    struct Button {
        UINT nID = 0;
        UINT nStyle = TBBS_BUTTON;
        int iImage = -1;
        CRect rect; // laid out by the last layout
    };

    // Lays the buttons out in rows no wider than nWidth (wrapping only
    // with bWrap); the size the bar needs, borders included.
    CSize LayoutButtons(int nWidth, BOOL bWrap, BOOL bVertical);
    CSize ButtonsSize(std::vector<Button> &buttons, int nWidth, BOOL bWrap, BOOL bVertical) const;
    int ButtonWidth(const Button &button, BOOL bVertical) const;
    void PlaceButtons(std::vector<Button> &buttons) const;
    // Borders and gripper around the buttons.
    CSize Edges() const;
    CPoint Origin() const;
    void UpdateToolTips();
    void SetHot(int iHot);
    void ShowPrompt(UINT nID);
    void SendCommand(int iButton);
    void InvalidateButton(int nIndex);
    void DrawButton(CDC *pDC, int nIndex) const;
    void PrepareImages();
    // The gripper sits just before the first button.
    void DrawGripper(CDC *pDC, const CRect &rect) override;

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();

    std::vector<Button> m_buttons;
    CSize m_sizeButton{23, 22};
    CSize m_sizeImage{16, 15};
    CRect m_rectBorders;
    DWORD m_dwCtrlStyle = 0;
    int m_nMRUWidth = 32767; // the floating width last committed
    CBitmap m_bmImages;      // the strip as loaded
    CBitmap m_bmNormal;      // the strip on the button face
    CBitmap m_bmDisabled;    // the embossed look of disabled buttons
    int m_nImages = 0;       // whole images in the strip
    int m_iHot = -1;
    int m_iPressed = -1; // the button the mouse went down on
    std::unique_ptr<CToolTipCtrl> m_pToolTip;

    DECLARE_MESSAGE_MAP()
};
