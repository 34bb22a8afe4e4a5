// Saving an object to, and loading it from, a file given by name: the
// object's own Serialize record through an archive on a safe-save file.
// Every persistent class of the library carries the same four operations;
// the macros below give a class its copies, bound to its own Serialize.
#pragma once

#include "framework/object/FilePersistence.h"

#include <functional>

// As AfxWriteArchiveToFile, with the wait cursor up while write runs and
// object links kept (not forced flat).
BOOL QYWriteArchiveToFile(LPCTSTR lpszPathName, const std::function<void(CArchive&)>& write);
// As AfxReadArchiveFromFile, with the wait cursor up while read runs and
// object links kept (not forced flat).
BOOL QYReadArchiveFromFile(LPCTSTR lpszPathName, const std::function<void(CArchive&)>& read, BOOL* pbEmpty = nullptr);
// Writes the object's record into the named file; FALSE on any failure,
// with an existing file left as it was.
BOOL QYSaveObjectToFile(CObject& object, LPCTSTR lpszPathName);
// Reads the object's record from the named file; a file of length 0 reads
// as nothing.  FALSE on any failure; what was already read stays.
BOOL QYOpenObjectFromFile(CObject& object, LPCTSTR lpszPathName);

#define QY_DECLARE_FILE_PERSISTENCE()                                                                                  \
public:                                                                                                                \
    virtual BOOL SaveDocument(LPCTSTR lpszPathName);                                                                   \
    virtual BOOL OpenDocument(LPCTSTR lpszPathName);                                                                   \
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);                                                               \
    CFile* GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError);

#define QY_IMPLEMENT_FILE_PERSISTENCE(class_name)                                                                      \
    BOOL class_name::SaveDocument(LPCTSTR lpszPathName)                                                                \
    {                                                                                                                  \
        return QYSaveObjectToFile(*this, lpszPathName);                                                                \
    }                                                                                                                  \
    BOOL class_name::OpenDocument(LPCTSTR lpszPathName)                                                                \
    {                                                                                                                  \
        return QYOpenObjectFromFile(*this, lpszPathName);                                                              \
    }                                                                                                                  \
    void class_name::ReleaseFile(CFile* pFile, BOOL bAbort)                                                            \
    {                                                                                                                  \
        AfxReleaseFile(pFile, bAbort);                                                                                 \
    }                                                                                                                  \
    CFile* class_name::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)                          \
    {                                                                                                                  \
        return AfxGetFile(lpszFileName, nOpenFlags, pError);                                                           \
    }
