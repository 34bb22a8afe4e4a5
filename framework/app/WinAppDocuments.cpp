// The application object as document manager: the templates, opening a
// file with the template that suits it, the recent-file list, and the
// application's New, Open, recent-file and Exit commands.
#include "framework/app/WinApp.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/FilePrompt.h"
#include "framework/app/FrameWnd.h"
#include "framework/app/MessageBoxes.h"
#include "framework/app/RecentFileList.h"

#include <unistd.h>

void CWinApp::AddDocTemplate(CDocTemplate *pTemplate)
{
    if (pTemplate != nullptr && m_templateList.Find(pTemplate) == nullptr)
        m_templateList.AddTail(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate *CWinApp::GetNextDocTemplate(POSITION &pos) const
{
    return static_cast<CDocTemplate *>(m_templateList.GetNext(pos));
}

int CWinApp::GetOpenDocumentCount() const
{
    int nCount = 0;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate *pTemplate = GetNextDocTemplate(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != nullptr) {
            pTemplate->GetNextDoc(posDoc);
            ++nCount;
        }
    }
    return nCount;
}

CDocument *CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return nullptr;
    CDocTemplate *pBestTemplate = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocument *pOpenDocument = nullptr;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate *pTemplate = GetNextDocTemplate(pos);
        CDocument *pMatch = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(lpszFileName, pMatch);
        if (match > bestMatch) {
            bestMatch = match;
            pBestTemplate = pTemplate;
        }
        if (match == CDocTemplate::yesAlreadyOpen) {
            pOpenDocument = pMatch;
            break;
        }
    }
    if (pOpenDocument != nullptr) {
        // Already open: its first frame comes forward.
        POSITION posView = pOpenDocument->GetFirstViewPosition();
        if (posView != nullptr) {
            CView *pView = pOpenDocument->GetNextView(posView);
            if (CFrameWnd *pFrame = pView->GetParentFrame())
                pFrame->ActivateFrame();
        }
        return pOpenDocument;
    }
    if (pBestTemplate == nullptr) {
        AfxMessageBox("Failed to open document.", MB_ICONEXCLAMATION);
        return nullptr;
    }
    return pBestTemplate->OpenDocumentFile(lpszFileName);
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr) {
        m_pRecentFileList->Add(lpszPathName);
        m_pRecentFileList->WriteList();
    }
}

BOOL CWinApp::SaveAllModified()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::DoPromptFileName(CString &fileName, LPCTSTR lpszTitle, BOOL bOpenFileDialog, CDocTemplate *pTemplate)
{
    CString strFilter;
    CString strDefExt;
    if (pTemplate != nullptr) {
        strFilter = pTemplate->GetFilterString();
        pTemplate->GetDocString(strDefExt, CDocTemplate::filterExt);
    } else {
        POSITION pos = GetFirstDocTemplatePosition();
        while (pos != nullptr) {
            CString strOne = GetNextDocTemplate(pos)->GetFilterString();
            if (strFilter.Find(strOne) < 0)
                strFilter += strOne;
        }
    }
    if (strFilter.Find("All Files (*)") < 0)
        strFilter += "All Files (*)|*|";
    strFilter += "|";
    return PlexoPromptForFileName(fileName, bOpenFileDialog, lpszTitle, strFilter, strDefExt);
}

void CWinApp::OnFileNew()
{
    POSITION pos = GetFirstDocTemplatePosition();
    if (pos == nullptr)
        return;
    // The first template makes the new document (programs with several
    // kinds choose theirs in their own handler).
    GetNextDocTemplate(pos)->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CString strPath;
    if (!DoPromptFileName(strPath, "Open", TRUE, nullptr))
        return;
    OpenDocumentFile(strPath);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (m_pRecentFileList == nullptr)
        return FALSE;
    int nIndex = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    CString strPath = (*m_pRecentFileList)[nIndex];
    if (strPath.IsEmpty())
        return FALSE;
    if (access(strPath, R_OK) != 0) {
        // Gone or unreadable: the user is told and the entry leaves the list.
        CString strMessage;
        strMessage.Format("%s could not be opened: the file is missing or cannot be read.",
                          static_cast<LPCTSTR>(strPath));
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        m_pRecentFileList->Remove(nIndex);
        m_pRecentFileList->WriteList();
        return TRUE;
    }
    OpenDocumentFile(strPath);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI *pCmdUI)
{
    if (m_pRecentFileList == nullptr) {
        pCmdUI->Enable(FALSE);
        return;
    }
    m_pRecentFileList->m_nStart = ID_FILE_MRU_FILE1;
    m_pRecentFileList->UpdateMenu(pCmdUI);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr && m_pMainWnd->GetSafeHwnd() != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}
