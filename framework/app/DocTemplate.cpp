#include "framework/app/DocTemplate.h"

#include "framework/app/Document.h"
#include "framework/app/FrameWnd.h"
#include "framework/app/MessageBoxes.h"
#include "framework/app/RecentFileList.h"
#include "framework/app/WinApp.h"
#include "framework/resources/Resources.h"
#include "framework/window/InputApi.h"
#include "framework/window/MenuApi.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass *pDocClass, CRuntimeClass *pFrameClass,
                           CRuntimeClass *pViewClass)
    : m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass), m_nIDResource(nIDResource)
{
    LoadTemplate();
}

CDocTemplate::~CDocTemplate()
{
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
}

void CDocTemplate::LoadTemplate()
{
    m_strDocStrings.LoadString(m_nIDResource);
    if (m_hMenuShared == nullptr)
        m_hMenuShared = ::LoadMenu(nullptr, MAKEINTRESOURCE(m_nIDResource));
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAccelerators(nullptr, MAKEINTRESOURCE(m_nIDResource));
}

BOOL CDocTemplate::GetDocString(CString &rString, enum DocStringIndex index) const
{
    rString.Empty();
    int nStart = 0;
    for (int i = 0; i < index; ++i) {
        int nBreak = m_strDocStrings.Find('\n', nStart);
        if (nBreak < 0)
            return FALSE;
        nStart = nBreak + 1;
    }
    int nEnd = m_strDocStrings.Find('\n', nStart);
    rString = nEnd < 0 ? m_strDocStrings.Mid(nStart) : m_strDocStrings.Mid(nStart, nEnd - nStart);
    return !rString.IsEmpty();
}

CString CDocTemplate::GetFilterString() const
{
    CString strName;
    CString strExt;
    if (GetDocString(strName, filterName) && GetDocString(strExt, filterExt)) {
        // Extensions are given as ".ext" (several separated by ';').
        CString strPatterns;
        int nStart = 0;
        while (nStart <= strExt.GetLength()) {
            int nEnd = strExt.Find(';', nStart);
            CString strOne = nEnd < 0 ? strExt.Mid(nStart) : strExt.Mid(nStart, nEnd - nStart);
            if (!strOne.IsEmpty())
                strPatterns += (strPatterns.IsEmpty() ? "*" : ";*") + strOne;
            if (nEnd < 0)
                break;
            nStart = nEnd + 1;
        }
        return strName + "|" + strPatterns + "|";
    }
    return CString("All Files (*)|*|");
}

void CDocTemplate::AddDocument(CDocument *pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument *pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument *&rpDocMatch)
{
    rpDocMatch = nullptr;
    CString strCanonical = PlexoCanonicalPath(lpszPathName);
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument *pDoc = GetNextDoc(pos);
        if (!pDoc->GetPathName().IsEmpty() && PlexoCanonicalPath(pDoc->GetPathName()) == strCanonical) {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString strExt;
    if (GetDocString(strExt, filterExt)) {
        CString strPath(lpszPathName);
        int nStart = 0;
        while (nStart <= strExt.GetLength()) {
            int nEnd = strExt.Find(';', nStart);
            CString strOne = nEnd < 0 ? strExt.Mid(nStart) : strExt.Mid(nStart, nEnd - nStart);
            if (!strOne.IsEmpty() && strPath.GetLength() >= strOne.GetLength() &&
                strPath.Right(strOne.GetLength()) == strOne)
                return yesAttemptNative;
            if (nEnd < 0)
                break;
            nStart = nEnd + 1;
        }
    }
    return yesAttemptForeign;
}

CDocument *CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == nullptr)
        return nullptr;
    auto *pDocument = dynamic_cast<CDocument *>(m_pDocClass->CreateObject());
    if (pDocument == nullptr)
        return nullptr;
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd *CDocTemplate::CreateNewFrame(CDocument *pDoc, CFrameWnd *pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (m_pFrameClass == nullptr)
        return nullptr;
    auto *pFrame = dynamic_cast<CFrameWnd *>(m_pFrameClass->CreateObject());
    if (pFrame == nullptr)
        return nullptr;
    // A frame that fails to be made deletes itself (PostNcDestroy).
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd *pFrame, CDocument *pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument *pDoc = GetNextDoc(pos);
        pDoc->OnCloseDocument();
    }
}

BOOL CDocTemplate::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp *pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CDocument *CDocTemplate::CreateDocumentAndFrame(CFrameWnd *&rpFrame)
{
    rpFrame = nullptr;
    CDocument *pDocument = CreateNewDocument();
    if (pDocument == nullptr) {
        AfxMessageBox("Failed to create empty document.", MB_ICONEXCLAMATION);
        return nullptr;
    }
    BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE; // the frame's failure must not take it
    rpFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = bAutoDelete;
    if (rpFrame == nullptr) {
        AfxMessageBox("Failed to create empty document.", MB_ICONEXCLAMATION);
        RemoveDocument(pDocument);
        delete pDocument;
        return nullptr;
    }
    return pDocument;
}

BOOL CDocTemplate::OpenIntoNewFrame(CDocument *pDocument, CFrameWnd *pFrame, LPCTSTR lpszPathName)
{
    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDocument);
        if (!pDocument->OnNewDocument()) {
            pFrame->DestroyWindow(); // the document goes with its view
            return FALSE;
        }
        return TRUE;
    }
    if (!pDocument->OnOpenDocument(lpszPathName)) {
        // Nothing of the file stays: the frame made for it closes and the
        // document with it.
        pFrame->DestroyWindow();
        return FALSE;
    }
    pDocument->SetPathName(lpszPathName);
    return TRUE;
}

// ---- Single document

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass *pDocClass, CRuntimeClass *pFrameClass,
                                       CRuntimeClass *pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr) {
        // The frames went before the templates; a document left is freed.
        m_pOnlyDoc->m_bAutoDelete = FALSE;
        CDocument *pDoc = m_pOnlyDoc;
        RemoveDocument(pDoc);
        delete pDoc;
    }
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != nullptr ? reinterpret_cast<POSITION>(1) : nullptr;
}

CDocument *CSingleDocTemplate::GetNextDoc(POSITION &rPos) const
{
    CDocument *pDoc = rPos == reinterpret_cast<POSITION>(1) ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::AddDocument(CDocument *pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument *pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument *pDocument)
{
    CString strTitle;
    if (!GetDocString(strTitle, docName))
        strTitle = "Untitled";
    pDocument->SetTitle(strTitle);
}

CDocument *CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    if (m_pOnlyDoc != nullptr)
        return ReuseDocument(lpszPathName, bMakeVisible);

    CFrameWnd *pFrame = nullptr;
    CDocument *pDocument = CreateDocumentAndFrame(pFrame);
    if (pDocument == nullptr)
        return nullptr;
    if (!OpenIntoNewFrame(pDocument, pFrame, lpszPathName))
        return nullptr;
    CWinApp *pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == nullptr)
        pApp->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

CDocument *CSingleDocTemplate::ReuseDocument(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument *pDocument = m_pOnlyDoc;
    if (!pDocument->SaveModified())
        return nullptr;
    CFrameWnd *pFrame = nullptr;
    POSITION pos = pDocument->GetFirstViewPosition();
    if (pos != nullptr)
        pFrame = pDocument->GetNextView(pos)->GetParentFrame();

    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDocument);
        if (!pDocument->OnNewDocument())
            return nullptr;
    } else if (!pDocument->OnOpenDocument(lpszPathName)) {
        // The one document becomes a new untitled one: nothing of the
        // failed file and nothing of the file before it stays.
        SetDefaultTitle(pDocument);
        pDocument->OnNewDocument();
        if (pFrame != nullptr)
            InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
        return nullptr;
    } else {
        pDocument->SetPathName(lpszPathName);
    }
    if (pFrame != nullptr)
        InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

// ---- Multiple documents

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass *pDocClass, CRuntimeClass *pFrameClass,
                                     CRuntimeClass *pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    while (!m_docList.IsEmpty()) {
        auto *pDoc = static_cast<CDocument *>(m_docList.GetHead());
        RemoveDocument(pDoc);
        delete pDoc;
    }
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.GetHeadPosition();
}

CDocument *CMultiDocTemplate::GetNextDoc(POSITION &rPos) const
{
    return static_cast<CDocument *>(m_docList.GetNext(rPos));
}

void CMultiDocTemplate::AddDocument(CDocument *pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    if (m_docList.Find(pDoc) == nullptr)
        m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument *pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (POSITION pos = m_docList.Find(pDoc))
        m_docList.RemoveAt(pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument *pDocument)
{
    CString strName;
    if (!GetDocString(strName, docName))
        strName = "Untitled";
    CString strTitle;
    strTitle.Format("%s%u", static_cast<LPCTSTR>(strName), ++m_nUntitledCount);
    pDocument->SetTitle(strTitle);
}

CDocument *CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CFrameWnd *pFrame = nullptr;
    CDocument *pDocument = CreateDocumentAndFrame(pFrame);
    if (pDocument == nullptr)
        return nullptr;
    if (!OpenIntoNewFrame(pDocument, pFrame, lpszPathName))
        return nullptr;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
