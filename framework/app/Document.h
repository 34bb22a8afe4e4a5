// Documents and their views: a document holds a program's data, a title,
// a path and a modified flag, and the views that show it; it tells them
// when the data changed (UpdateAllViews) and its frames when the title did.
#pragma once

#include "framework/base/CString.h"
#include "framework/collections/Lists.h"
#include "framework/shell/OleTypes.h"
#include "framework/window/Wnd.h"

class CDC;
class CView;
class COleDataObject;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Stores the title and refreshes the frame titles.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);

    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    // Empties the document's data; nothing here.
    virtual void DeleteContents();

    // Views: AddView makes the document the view's own.
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    // OnUpdate of every view but the sender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);
    // Gives the frames of the views the document's title.
    virtual void UpdateFrameCounts();

protected:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
    CPtrList m_viewList;
};

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView() = default;
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // The document's data changed: here the whole view is repainted.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC) = 0;

    // Drag-and-drop over the view, as its registered drop target (or one of
    // the program's own targets) hands it on: here nothing is accepted.
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1: OnDrop decides.
    virtual DROPEFFECT OnDropEx(COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point);

protected:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};

// The program's main window, NULL until the program sets one.
CWnd* AfxGetMainWnd();
void AfxSetMainWnd(CWnd* pMainWnd);

// Asks a frame to show a text in its message bar (lParam: the text).
#ifndef WM_SETMESSAGESTRING
#define WM_SETMESSAGESTRING 0x0362
#endif
