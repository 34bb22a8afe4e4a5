#include "framework/app/Document.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)
IMPLEMENT_DYNAMIC(CView, CWnd)

namespace {

CWnd* g_pMainWnd = nullptr;

} // namespace

CWnd* AfxGetMainWnd()
{
    return g_pMainWnd;
}

void AfxSetMainWnd(CWnd* pMainWnd)
{
    g_pMainWnd = pMainWnd;
}

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    // Views outliving the document forget it.
    POSITION pos = m_viewList.GetHeadPosition();
    while (pos != nullptr)
        static_cast<CView*>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle ? lpszTitle : "";
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL)
{
    m_strPathName = lpszPathName ? lpszPathName : "";
}

BOOL CDocument::IsModified()
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

void CDocument::DeleteContents()
{
}

void CDocument::AddView(CView* pView)
{
    if (pView == nullptr || pView->m_pDocument == this)
        return;
    if (pView->m_pDocument != nullptr)
        pView->m_pDocument->RemoveView(pView);
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == nullptr)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.GetHeadPosition();
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::UpdateFrameCounts()
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView* pView = GetNextView(pos);
        if (pView->GetSafeHwnd() == nullptr)
            continue;
        CWnd* pFrame = pView->GetTopLevelParent();
        if (pFrame != nullptr && pFrame != pView)
            pFrame->SetWindowText(m_strTitle);
    }
}

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    if (GetSafeHwnd() != nullptr)
        Invalidate(TRUE);
}

DROPEFFECT CView::OnDragEnter(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }

DROPEFFECT CView::OnDragOver(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }

void CView::OnDragLeave() {}

BOOL CView::OnDrop(COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }

DROPEFFECT CView::OnDropEx(COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint) { return static_cast<DROPEFFECT>(-1); }
