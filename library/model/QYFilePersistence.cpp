#include "library/model/QYFilePersistence.h"

#include "framework/object/Archive.h"
#include "framework/window/CmdTarget.h"

#include <memory>

namespace {

constexpr int kArchiveBufferSize = 4096;

} // namespace

CFile* QYGetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    auto pFile = std::make_unique<CMirrorFile>();
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
        return nullptr;
    return pFile.release();
}

void QYReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (pFile == nullptr)
        return;
    if (bAbort) {
        pFile->Abort();
    } else {
        try {
            pFile->Close();
        } catch (...) {
            delete pFile;
            throw;
        }
    }
    delete pFile;
}

namespace {

// Closes the file after a successful pass; FALSE when closing fails (the
// file object is gone then, and a saved target keeps its old content).
BOOL CloseReleasedFile(CFile* pFile)
{
    try {
        QYReleaseFile(pFile, FALSE);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

} // namespace

BOOL QYWriteArchiveToFile(LPCTSTR lpszPathName, const std::function<void(CArchive&)>& write)
{
    CFileException fe;
    CFile* pFile = QYGetFile(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (pFile == nullptr)
        return FALSE;

    // pFile is released exactly once: normally after the guarded block,
    // aborted when anything fails inside it.
    try {
        CArchive ar(pFile, CArchive::store | CArchive::bNoFlushOnDelete, kArchiveBufferSize);
        ar.m_bForceFlat = FALSE;
        CWaitCursor wait; // ends with the block, also when an exception leaves it
        write(ar);
        ar.Close();
    } catch (CException* e) {
        QYReleaseFile(pFile, TRUE);
        e->Delete();
        return FALSE;
    }
    return CloseReleasedFile(pFile);
}

BOOL QYReadArchiveFromFile(LPCTSTR lpszPathName, const std::function<void(CArchive&)>& read, BOOL* pbEmpty)
{
    CFileException fe;
    CFile* pFile = QYGetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == nullptr)
        return FALSE;

    try {
        CArchive ar(pFile, CArchive::load | CArchive::bNoFlushOnDelete, kArchiveBufferSize);
        ar.m_bForceFlat = FALSE;
        CWaitCursor wait;
        const BOOL bEmpty = pFile->GetLength() == 0;
        if (pbEmpty != nullptr)
            *pbEmpty = bEmpty;
        if (!bEmpty)
            read(ar);
        ar.Close();
    } catch (CException* e) {
        QYReleaseFile(pFile, TRUE);
        e->Delete();
        return FALSE;
    }
    return CloseReleasedFile(pFile);
}

BOOL QYSaveObjectToFile(CObject& object, LPCTSTR lpszPathName)
{
    return QYWriteArchiveToFile(lpszPathName, [&object](CArchive& ar) { object.Serialize(ar); });
}

BOOL QYOpenObjectFromFile(CObject& object, LPCTSTR lpszPathName)
{
    return QYReadArchiveFromFile(lpszPathName, [&object](CArchive& ar) { object.Serialize(ar); });
}
