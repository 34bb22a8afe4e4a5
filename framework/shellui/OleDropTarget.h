// COleDropTarget: a window's side of drag-and-drop.  Registered on a
// window, it hears enter, over, leave and drop, for drags of this program
// and of other programs; registered on a view, its default operations hand
// every step to the view's own.  Near the window's edges it scrolls the
// window (OnDragScroll).
#pragma once

#include "framework/base/CRect.h"
#include "framework/shell/OleTypes.h"
#include "framework/window/WinHandles.h"

class COleDataObject;
class CWnd;

class COleDropTarget {
public:
    COleDropTarget();
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget &) = delete;
    COleDropTarget &operator=(const COleDropTarget &) = delete;

    // FALSE when the window does not exist or already has a target.
    BOOL Register(CWnd *pWnd);
    virtual void Revoke();

    virtual DROPEFFECT OnDragEnter(CWnd *pWnd, COleDataObject *pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd *pWnd, COleDataObject *pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave(CWnd *pWnd);
    virtual BOOL OnDrop(CWnd *pWnd, COleDataObject *pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1: not handled here, OnDrop decides.
    virtual DROPEFFECT OnDropEx(CWnd *pWnd, COleDataObject *pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point);
    // Within nScrollInset pixels of an edge towards which the window can
    // scroll (it has that scroll bar), the window scrolls one line after
    // nScrollDelay milliseconds and then every nScrollInterval; the answer
    // then carries DROPEFFECT_SCROLL and OnDragOver is not called.
    virtual DROPEFFECT OnDragScroll(CWnd *pWnd, DWORD dwKeyState, CPoint point);

    static constexpr int nScrollInset = 11;
    static constexpr UINT nScrollDelay = 50;
    static constexpr UINT nScrollInterval = 50;

    // Framework-internal: the steps of a drag, with the point on the screen.
    DROPEFFECT PlexoEnter(HWND hWnd, COleDataObject *pDataObject, DWORD dwKeyState, POINT screen, DWORD dwAllowed);
    DROPEFFECT PlexoOver(HWND hWnd, COleDataObject *pDataObject, DWORD dwKeyState, POINT screen, DWORD dwAllowed);
    void PlexoLeave(HWND hWnd);
    DROPEFFECT PlexoDrop(HWND hWnd, COleDataObject *pDataObject, POINT screen, DWORD dwAllowed);

protected:
    HWND m_hWnd = nullptr;

private:
    DROPEFFECT Step(HWND hWnd, COleDataObject *pDataObject, DWORD dwKeyState, POINT screen, bool enter);
    void StopScrolling();

    DROPEFFECT m_lastEffect = DROPEFFECT_NONE; // what the last enter or over answered
    bool m_bScrolling = false;
    DWORD m_dwNextScroll = 0; // when the next line scrolls
};
