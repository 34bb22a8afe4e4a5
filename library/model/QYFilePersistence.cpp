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

BOOL QYSaveObjectToFile(CObject& object, LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = QYGetFile(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (pFile == nullptr)
        return FALSE;

    // pFile is released exactly once: normally inside the guarded block,
    // aborted when anything fails before that.
    try {
        CArchive ar(pFile, CArchive::store | CArchive::bNoFlushOnDelete, kArchiveBufferSize);
        ar.m_bForceFlat = FALSE;
        CWaitCursor wait; // ends with the block, also when an exception leaves it
        object.Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        QYReleaseFile(pFile, TRUE);
        e->Delete();
        return FALSE;
    }
    try {
        QYReleaseFile(pFile, FALSE);
    } catch (CException* e) {
        // Closing failed: the file object is already gone and the target
        // keeps its old content.
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL QYOpenObjectFromFile(CObject& object, LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = QYGetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == nullptr)
        return FALSE;

    try {
        CArchive ar(pFile, CArchive::load | CArchive::bNoFlushOnDelete, kArchiveBufferSize);
        ar.m_bForceFlat = FALSE;
        CWaitCursor wait;
        if (pFile->GetLength() != 0)
            object.Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        QYReleaseFile(pFile, TRUE);
        e->Delete();
        return FALSE;
    }
    try {
        QYReleaseFile(pFile, FALSE);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}
