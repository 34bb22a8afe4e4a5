// COleDropSource: the source side's say in a drag-and-drop: when the drag
// starts, whether it goes on, and which cursor shows each effect.
#pragma once

#include "framework/base/CRect.h"
#include "framework/shell/OleTypes.h"
#include "framework/window/WinMessages.h"

class CWnd;

class COleDropSource {
public:
    COleDropSource();
    virtual ~COleDropSource();

    // Waits until the mouse leaves the start rectangle (TRUE, the drag
    // starts), the drag delay passes with the button held (TRUE), or the
    // button is released or Escape pressed first (FALSE).  An empty start
    // rectangle starts the drag at once.
    virtual BOOL OnBeginDrag(CWnd *pWnd);
    // DRAGDROP_S_CANCEL on Escape or when the cancelling button is pressed,
    // DRAGDROP_S_DROP when the button that started the drag is up, else S_OK.
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    // DRAGDROP_S_USEDEFAULTCURSORS: the framework shows its cursor for the
    // effect.  An override that sets its own cursor returns S_OK.
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);

    // Set by DoDragDrop before OnBeginDrag.
    CRect m_rectStartDrag;
    DWORD m_dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    BOOL m_bDragStarted = FALSE;
    DWORD m_dwButtonCancel = 0;
    DWORD m_dwButtonDrop = MK_LBUTTON;

    // The drag delay in milliseconds.
    static constexpr UINT nDragDelay = 200;
};
