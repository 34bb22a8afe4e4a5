// Documents: a document holds a program's data, a title, a path and a
// modified flag, and the views that show it; it tells them when the data
// changed (UpdateAllViews) and its frames when the title did. It loads and
// saves itself through an archive (Serialize), asks to save before it is
// closed or replaced, and belongs to a document template.
#pragma once

#include "framework/app/AppIds.h"
#include "framework/base/CString.h"
#include "framework/collections/Lists.h"
#include "framework/shell/OleTypes.h"
#include "framework/window/Wnd.h"

class CArchive;
class CDocTemplate;
class CException;
class CFile;
class CFileException;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString &GetTitle() const { return m_strTitle; }
    // Stores the title and refreshes the frame titles.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString &GetPathName() const { return m_strPathName; }
    // Stores the canonical path, takes the file name as title and, with
    // bAddToMRU, puts the path on the recent-file list.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate *GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    // Empties the document's data; nothing here.
    virtual void DeleteContents();
    // Reads or writes the document's data; nothing here.
    virtual void Serialize(CArchive &ar);

    // Views: AddView makes the document the view's own.
    void AddView(CView *pView);
    void RemoveView(CView *pView);
    POSITION GetFirstViewPosition() const;
    CView *GetNextView(POSITION &rPosition) const;
    // OnUpdate of every view but the sender.
    void UpdateAllViews(CView *pSender, LPARAM lHint = 0L, CObject *pHint = nullptr);
    // Gives the frames of the views the document's title (numbered "Name:1",
    // "Name:2" when the document has several frames).
    virtual void UpdateFrameCounts();
    // A view came or went (the document goes with its last view when
    // m_bAutoDelete).
    virtual void OnChangedViewList();

    // ---- The document's life
    virtual BOOL OnNewDocument();
    // Loads the file; on failure nothing of it stays and the user is told.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Writes beside the file and puts it in place only when all went well.
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    // Destroys the document's frames, then the document itself.
    virtual void OnCloseDocument();
    // The save prompt when modified: Yes saves (FALSE when that fails), No
    // goes on, Cancel answers FALSE.
    virtual BOOL SaveModified();
    // Save prompt when pFrame is the document's last frame.
    virtual BOOL CanCloseFrame(CFrameWnd *pFrame);
    virtual void PreCloseFrame(CFrameWnd *pFrame);
    // NULL or no path: asks for one (Save As); bReplace: the document takes
    // the new path. FALSE when cancelled or when saving failed.
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();
    // Tells the user why a file could not be read or written.
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, CException *e, BOOL bSaving, UINT nIDPDefault);
    virtual CFile *GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError);
    virtual void ReleaseFile(CFile *pFile, BOOL bAbort);

    // Commands go to the document, then its template.
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;

    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();

    BOOL m_bAutoDelete = TRUE;
    BOOL m_bEmbedded = FALSE;

protected:
    friend class CDocTemplate;
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
    CPtrList m_viewList;
    CDocTemplate *m_pDocTemplate = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    BOOL LoadFrom(LPCTSTR lpszPathName);
    BOOL SaveTo(LPCTSTR lpszPathName);
    CString ProposedSaveName() const;
};

#include "framework/app/View.h"

// The program's main window: the application object's, or the one set here
// when a program has no application object.
CWnd *AfxGetMainWnd();
void AfxSetMainWnd(CWnd *pMainWnd);

// The framework's file and archive messages (ReportSaveLoadException).
#define AFX_IDP_FAILED_TO_OPEN_DOC 0xF104
#define AFX_IDP_FAILED_TO_SAVE_DOC 0xF105
#define AFX_IDP_ASK_TO_SAVE 0xF106
#define AFX_IDP_FAILED_TO_CREATE_DOC 0xF107
