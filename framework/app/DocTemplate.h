// Document templates: a document class, the frame class that shows it and
// the view class inside the frame, with the resources of one id (the
// "\n"-separated document string, the menu, the accelerators, the icon).
// A single-document template keeps one document and reuses it for New and
// Open; a multiple-document template makes a document and a frame each time.
#pragma once

#include "framework/base/CString.h"
#include "framework/collections/Lists.h"
#include "framework/window/Wnd.h"

class CDocument;
class CFrameWnd;
class CMenu;

// What a frame's creation makes its view from.
struct CCreateContext {
    CRuntimeClass *m_pNewViewClass = nullptr;
    CDocument *m_pCurrentDoc = nullptr;
    class CDocTemplate *m_pNewDocTemplate = nullptr;
    class CView *m_pLastView = nullptr;
    CFrameWnd *m_pCurrentFrame = nullptr;
};

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };

    ~CDocTemplate() override;

    UINT GetResourceId() const { return m_nIDResource; }
    // One field of the document string; FALSE when it is empty.
    virtual BOOL GetDocString(CString &rString, enum DocStringIndex index) const;
    // "Name (*.ext)|*.ext|" or, with no filter, "All Files (*)|*|".
    CString GetFilterString() const;

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument *GetNextDoc(POSITION &rPos) const = 0;
    virtual void AddDocument(CDocument *pDoc);
    virtual void RemoveDocument(CDocument *pDoc);

    // How well a path suits this template; an open document of the same
    // path is returned in rpDocMatch.
    virtual Confidence MatchDocType(LPCTSTR lpszPathName, CDocument *&rpDocMatch);
    virtual CDocument *CreateNewDocument();
    virtual CFrameWnd *CreateNewFrame(CDocument *pDoc, CFrameWnd *pOther);
    virtual void InitialUpdateFrame(CFrameWnd *pFrame, CDocument *pDoc, BOOL bMakeVisible = TRUE);
    // NULL path: a new document. NULL on failure (the user was told).
    virtual CDocument *OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument *pDocument) = 0;
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);

    // Commands not handled by the document go to its template.
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;

    CRuntimeClass *m_pDocClass;
    CRuntimeClass *m_pFrameClass;
    CRuntimeClass *m_pViewClass;
    // The menu and accelerators of the template's id, shared by its frames
    // (NULL when there are none).
    HMENU m_hMenuShared = nullptr;
    HACCEL m_hAccelTable = nullptr;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass *pDocClass, CRuntimeClass *pFrameClass, CRuntimeClass *pViewClass);
    void LoadTemplate();
    // Makes the document and its frame, or NULL (both undone, user told).
    CDocument *CreateDocumentAndFrame(CFrameWnd *&rpFrame);
    // Loads the file into a document just made; on failure the frame goes.
    BOOL OpenIntoNewFrame(CDocument *pDocument, CFrameWnd *pFrame, LPCTSTR lpszPathName);

    UINT m_nIDResource;
    CString m_strDocStrings;
};

class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass *pDocClass, CRuntimeClass *pFrameClass,
                       CRuntimeClass *pViewClass);
    ~CSingleDocTemplate() override;

    POSITION GetFirstDocPosition() const override;
    CDocument *GetNextDoc(POSITION &rPos) const override;
    void AddDocument(CDocument *pDoc) override;
    void RemoveDocument(CDocument *pDoc) override;
    CDocument *OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument *pDocument) override;

protected:
    CDocument *m_pOnlyDoc = nullptr;

private:
    // Reuses the one document: its own save prompt first.
    CDocument *ReuseDocument(LPCTSTR lpszPathName, BOOL bMakeVisible);
};

class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass *pDocClass, CRuntimeClass *pFrameClass,
                      CRuntimeClass *pViewClass);
    ~CMultiDocTemplate() override;

    POSITION GetFirstDocPosition() const override;
    CDocument *GetNextDoc(POSITION &rPos) const override;
    void AddDocument(CDocument *pDoc) override;
    void RemoveDocument(CDocument *pDoc) override;
    CDocument *OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // The new-document name numbered: "Kilnsmith1", "Kilnsmith2"...
    void SetDefaultTitle(CDocument *pDocument) override;

protected:
    CPtrList m_docList;
    UINT m_nUntitledCount = 0;
};
