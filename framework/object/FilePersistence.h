// Saving to, and opening from, a file given by name: an archive over a
// safe-save file, run in one pass, with the file released exactly once.
#pragma once

#include "framework/object/File.h"

#include <functional>

class CArchive;
class CObject;

// A safe-save file opened with the flags, or NULL (open errors go to pError).
// The caller hands the file back through AfxReleaseFile.
CFile *AfxGetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError);
// Aborts (bAbort TRUE, never throws) or closes the file, then deletes it;
// a failing close still deletes the file and passes the exception on.
void AfxReleaseFile(CFile *pFile, BOOL bAbort);
// Runs write on a storing archive over the named file; FALSE on any
// failure (write throwing included), with an existing file left as it was.
BOOL AfxWriteArchiveToFile(LPCTSTR lpszPathName, const std::function<void(CArchive &)> &write);
// Runs read on a loading archive over the named file, unless the file has
// length 0 (*pbEmpty, when given, tells which).  FALSE on any failure (read
// throwing included).
BOOL AfxReadArchiveFromFile(LPCTSTR lpszPathName, const std::function<void(CArchive &)> &read, BOOL *pbEmpty = nullptr);
// Writes the object's Serialize record into the named file; FALSE on any
// failure, with an existing file left as it was.
BOOL AfxSaveObjectToFile(CObject &object, LPCTSTR lpszPathName);
// Reads the object's Serialize record from the named file; a file of length
// 0 reads as nothing.  FALSE on any failure; what was already read stays.
BOOL AfxOpenObjectFromFile(CObject &object, LPCTSTR lpszPathName);
