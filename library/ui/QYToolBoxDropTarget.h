// The canvas view's drop target for toolbox items: only data that carries
// a "Form ToolBox Item" reaches the view's drag handlers; anything else is
// refused here.  Leaving always reaches the view, which drops what the
// drag made.
#pragma once

#include "framework/shellui/OleDropTarget.h"

class CView;

class CQYToolBoxDropTarget : public COleDropTarget {
public:
    // Remembers the view and registers its window.
    BOOL Register(CView* pView);

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;

private:
    static BOOL HasItem(COleDataObject* pDataObject);
    CView* m_pView = nullptr;
};
