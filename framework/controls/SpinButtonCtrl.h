// CSpinButtonCtrl: the up-down control ("msctls_updown32"). Its position
// moves within a range (from 100 down to 0 unless set) by its arrows, by
// the buddy's Up and Down keys (UDS_ARROWKEYS) or by program. The buddy is
// the control before it with UDS_AUTOBUDDY; UDS_ALIGNRIGHT/LEFT attach the
// spin to its side; UDS_SETBUDDYINT keeps the buddy's text the position.
// A user's step asks the parent first (UDN_DELTAPOS, which may refuse),
// then sends WM_VSCROLL (WM_HSCROLL with UDS_HORZ) with SB_THUMBPOSITION.
// An arrow held down repeats its step while the mouse stays over it, in
// larger steps the longer it is held (the acceleration table: 1 at once, 5
// after 2 seconds, 20 after 5 seconds unless set).
#pragma once

#include "framework/controls/ControlStyles.h"
#include "framework/window/Wnd.h"

LRESULT PlexoSpinProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    int SetBase(int nBase) { return static_cast<int>(SendMessage(UDM_SETBASE, static_cast<WPARAM>(nBase))); }
    UINT GetBase() const { return static_cast<UINT>(SendMessage(UDM_GETBASE)); }
    CWnd *SetBuddy(CWnd *pWndBuddy);
    CWnd *GetBuddy() const;
    int SetPos(int nPos) { return static_cast<short>(LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0)))); }
    // The position; the high word is nonzero when the buddy's text is no
    // number in the range.
    int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS)); }
    void SetRange(short nLower, short nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
    void SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper); }
    DWORD GetRange() const { return static_cast<DWORD>(SendMessage(UDM_GETRANGE)); }
    void GetRange(int &lower, int &upper) const;
    // The acceleration table: entries by ascending seconds.
    BOOL SetAccel(int nAccel, UDACCEL *pAccel)
    {
        return static_cast<BOOL>(
            SendMessage(UDM_SETACCEL, static_cast<WPARAM>(nAccel), reinterpret_cast<LPARAM>(pAccel)));
    }
    // Copies at most nAccel entries; answers how many the table has.
    UINT GetAccel(int nAccel, UDACCEL *pAccel) const
    {
        return static_cast<UINT>(
            SendMessage(UDM_GETACCEL, static_cast<WPARAM>(nAccel), reinterpret_cast<LPARAM>(pAccel)));
    }
    void GetRange32(int &lower, int &upper) const { GetRange(lower, upper); }
};
