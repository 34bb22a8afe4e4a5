// The by-name file operations of CCodeGenerator: the object's archive
// written to or read from a file of its own.
#include "kilnsmith/generator/CodeGenerator.h"

#include "framework/object/FilePersistence.h"

CFile *CCodeGenerator::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError)
{
    return AfxGetFile(lpszFileName, nOpenFlags, pError);
}

void CCodeGenerator::ReleaseFile(CFile *pFile, BOOL bAbort)
{
    AfxReleaseFile(pFile, bAbort);
}

BOOL CCodeGenerator::OpenDocument(LPCTSTR lpszPathName)
{
    return AfxOpenObjectFromFile(*this, lpszPathName);
}

BOOL CCodeGenerator::SaveDocument(LPCTSTR lpszPathName)
{
    return AfxSaveObjectToFile(*this, lpszPathName);
}
