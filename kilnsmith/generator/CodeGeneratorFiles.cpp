// The by-name file operations of CCodeGenerator: the object's archive
// written to or read from a file of its own.
#include "kilnsmith/generator/CodeGenerator.h"

#include "framework/object/Archive.h"

CFile *CCodeGenerator::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError)
{
    CMirrorFile *pFile = new CMirrorFile;
    if (!pFile->Open(lpszFileName, nOpenFlags, pError)) {
        delete pFile;
        pFile = NULL;
    }
    return pFile;
}

void CCodeGenerator::ReleaseFile(CFile *pFile, BOOL bAbort)
{
    if (bAbort)
        pFile->Abort(); // never throws
    else
        pFile->Close();
    delete pFile;
}

BOOL CCodeGenerator::OpenDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile *pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == NULL)
        return FALSE;
    CArchive loadArchive(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
    TRY
    {
        if (pFile->GetLength() != 0)
            Serialize(loadArchive);
        loadArchive.Close();
        ReleaseFile(pFile, FALSE);
    }
    CATCH_ALL(e)
    {
        ReleaseFile(pFile, TRUE);
        return FALSE;
    }
    END_CATCH_ALL
    return TRUE;
}

BOOL CCodeGenerator::SaveDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile *pFile = GetFile(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (pFile == NULL)
        return FALSE;
    CArchive saveArchive(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
    TRY
    {
        Serialize(saveArchive);
        saveArchive.Close();
        ReleaseFile(pFile, FALSE);
    }
    CATCH_ALL(e)
    {
        ReleaseFile(pFile, TRUE);
        return FALSE;
    }
    END_CATCH_ALL
    return TRUE;
}
