#include "framework/app/Document.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/FrameWnd.h"
#include "framework/app/MessageBoxes.h"
#include "framework/app/RecentFileList.h"
#include "framework/app/WinApp.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

CWnd *g_pMainWnd = nullptr;

} // namespace

CWnd *AfxGetMainWnd()
{
    if (CWinApp *pApp = AfxGetApp(); pApp != nullptr && pApp->m_pMainWnd != nullptr)
        return pApp->m_pMainWnd;
    return g_pMainWnd;
}

void AfxSetMainWnd(CWnd *pMainWnd)
{
    g_pMainWnd = pMainWnd;
    if (CWinApp *pApp = AfxGetApp())
        pApp->m_pMainWnd = pMainWnd;
}

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    // Views outliving the document forget it.
    POSITION pos = m_viewList.GetHeadPosition();
    while (pos != nullptr)
        static_cast<CView *>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle ? lpszTitle : "";
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    m_strPathName = PlexoCanonicalPath(lpszPathName);
    int nSlash = m_strPathName.ReverseFind('/');
    SetTitle(nSlash < 0 ? m_strPathName : m_strPathName.Mid(nSlash + 1));
    if (bAddToMRU && !m_strPathName.IsEmpty()) {
        if (CWinApp *pApp = AfxGetApp())
            pApp->AddToRecentFileList(m_strPathName);
    }
}

BOOL CDocument::IsModified()
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

void CDocument::DeleteContents() {}

void CDocument::Serialize(CArchive &) {}

void CDocument::AddView(CView *pView)
{
    if (pView == nullptr || pView->m_pDocument == this)
        return;
    if (pView->m_pDocument != nullptr)
        pView->m_pDocument->RemoveView(pView);
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView *pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == nullptr)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    if (m_bAutoDelete && m_viewList.IsEmpty()) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.GetHeadPosition();
}

CView *CDocument::GetNextView(POSITION &rPosition) const
{
    return static_cast<CView *>(m_viewList.GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView *pSender, LPARAM lHint, CObject *pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView *pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::UpdateFrameCounts()
{
    // The distinct frames of the views, in view order.
    CPtrList frames;
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView *pView = GetNextView(pos);
        if (pView->GetSafeHwnd() == nullptr)
            continue;
        CFrameWnd *pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && frames.Find(pFrame) == nullptr)
            frames.AddTail(pFrame);
    }
    int nFrames = static_cast<int>(frames.GetCount());
    int nIndex = 1;
    pos = frames.GetHeadPosition();
    while (pos != nullptr) {
        auto *pFrame = static_cast<CFrameWnd *>(frames.GetNext(pos));
        pFrame->m_nWindow = nFrames > 1 ? nIndex++ : 0;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- Closing

void CDocument::OnCloseDocument()
{
    // The frames go first; the document must outlive them.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        auto *pView = static_cast<CView *>(m_viewList.GetHead());
        CFrameWnd *pFrame = pView->GetParentFrame();
        if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr) {
            RemoveView(pView);
            continue;
        }
        PreCloseFrame(pFrame);
        pFrame->DestroyWindow();
        // A view that stayed (its frame refused to go) is let go of.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd *pFrameArg)
{
    // Another frame still shows the document: no prompt.
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CFrameWnd *pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd *) {}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}
