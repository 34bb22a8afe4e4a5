// The document's file operations: new, open, save, the save prompt and the
// messages of failed reads and writes. A failed open leaves no part of the
// file in the document; a failed save leaves the target file as it was and
// the document as it was (path, title, modified state).
#include "framework/app/Document.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/MessageBoxes.h"
#include "framework/app/WinApp.h"
#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "framework/object/File.h"

#include <exception>
#include <memory>

namespace {

// The reason of a failure, naming the file.
CString FailureText(LPCTSTR lpszPathName, CException *e, BOOL bSaving)
{
    CString strName = lpszPathName && *lpszPathName ? CString(lpszPathName) : CString("an unnamed file");
    if (auto *pFileError = dynamic_cast<CFileException *>(e)) {
        if (pFileError->m_strFileName.IsEmpty())
            pFileError->m_strFileName = strName;
    } else if (auto *pArchiveError = dynamic_cast<CArchiveException *>(e)) {
        if (pArchiveError->m_strFileName.IsEmpty())
            pArchiveError->m_strFileName = strName;
    }
    CString strReason = e != nullptr ? e->GetErrorMessage() : CString();
    CString strText;
    if (bSaving)
        strText.Format("Failed to save document %s.", static_cast<LPCTSTR>(strName));
    else
        strText.Format("Failed to open document %s.", static_cast<LPCTSTR>(strName));
    if (!strReason.IsEmpty())
        strText += "\r\n" + strReason;
    return strText;
}

} // namespace

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    if (!LoadFrom(lpszPathName)) {
        // Whatever was read goes again.
        DeleteContents();
        SetModifiedFlag(FALSE);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::LoadFrom(LPCTSTR lpszPathName)
{
    CFileException fileError;
    CFile *pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fileError);
    if (pFile == nullptr) {
        ReportSaveLoadException(lpszPathName, &fileError, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(); // dirty while loading
    try {
        CArchive loadArchive(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
        try {
            Serialize(loadArchive);
            loadArchive.Close();
        } catch (...) {
            loadArchive.Abort();
            throw;
        }
        ReleaseFile(pFile, FALSE);
    } catch (CException *e) {
        ReleaseFile(pFile, TRUE);
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    } catch (const std::exception &error) {
        // A count in the file that cannot be allocated, and the like.
        ReleaseFile(pFile, TRUE);
        CArchiveException badFormat(CArchiveException::genericException, lpszPathName);
        ReportSaveLoadException(lpszPathName, &badFormat, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    BOOL bModified = IsModified();
    if (!SaveTo(lpszPathName)) {
        SetModifiedFlag(bModified);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::SaveTo(LPCTSTR lpszPathName)
{
    CFileException fileError;
    CFile *pFile = GetFile(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fileError);
    if (pFile == nullptr) {
        ReportSaveLoadException(lpszPathName, &fileError, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    try {
        CArchive saveArchive(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
        try {
            Serialize(saveArchive);
            saveArchive.Close();
        } catch (...) {
            saveArchive.Abort();
            throw;
        }
        ReleaseFile(pFile, FALSE); // the written file takes the target's place
    } catch (CException *e) {
        ReleaseFile(pFile, TRUE); // the target stays as it was
        ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    } catch (const std::exception &) {
        ReleaseFile(pFile, TRUE);
        CFileException generic(CFileException::genericException, -1, lpszPathName);
        ReportSaveLoadException(lpszPathName, &generic, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    return TRUE;
}

CFile *CDocument::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError)
{
    auto pFile = std::make_unique<CMirrorFile>();
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
        return nullptr;
    return pFile.release();
}

void CDocument::ReleaseFile(CFile *pFile, BOOL bAbort)
{
    if (pFile == nullptr)
        return;
    if (bAbort) {
        pFile->Abort();
        delete pFile;
        return;
    }
    try {
        pFile->Close();
    } catch (...) {
        // Putting the file in place failed: the target is untouched.
        pFile->Abort();
        delete pFile;
        throw;
    }
    delete pFile;
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException *e, BOOL bSaving, UINT)
{
    if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return; // the user was told already
    AfxMessageBox(FailureText(lpszPathName, e, bSaving), MB_ICONEXCLAMATION);
}

// ---- Saving with prompts

CString CDocument::ProposedSaveName() const
{
    if (!m_strPathName.IsEmpty())
        return m_strPathName;
    CString strName = m_strTitle;
    // No characters a file name cannot hold.
    for (LPCTSTR bad : {"/", ":", "*", "?", "\"", "<", ">", "|"})
        strName.Replace(bad, "");
    CString strExt;
    if (m_pDocTemplate != nullptr && m_pDocTemplate->GetDocString(strExt, CDocTemplate::filterExt)) {
        int nSemicolon = strExt.Find(';');
        if (nSemicolon >= 0)
            strExt = strExt.Left(nSemicolon);
        if (strName.GetLength() < strExt.GetLength() || strName.Right(strExt.GetLength()) != strExt)
            strName += strExt;
    }
    return strName;
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString strNewName = lpszPathName ? lpszPathName : "";
    if (strNewName.IsEmpty()) {
        strNewName = ProposedSaveName();
        CWinApp *pApp = AfxGetApp();
        LPCTSTR lpszTitle = bReplace ? "Save As" : "Save Copy As";
        if (pApp == nullptr || !pApp->DoPromptFileName(strNewName, lpszTitle, FALSE, m_pDocTemplate))
            return FALSE; // cancelled
    }
    if (!OnSaveDocument(strNewName))
        return FALSE;
    if (bReplace)
        SetPathName(strNewName);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    if (m_strPathName.IsEmpty())
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    int nSlash = strName.ReverseFind('/');
    if (nSlash >= 0)
        strName = strName.Mid(nSlash + 1);
    if (strName.IsEmpty())
        strName = "Untitled";
    CString strPrompt;
    strPrompt.Format("Save changes to %s?", static_cast<LPCTSTR>(strName));
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL: return FALSE;
    case IDYES: return DoFileSave();
    default: return TRUE; // No
    }
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
