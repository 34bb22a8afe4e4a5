#include "framework/object/FilePersistence.h"

#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"

#include <memory>

namespace {

// Large enough that reading or writing a document takes few system calls.
constexpr int kArchiveBufferSize = 64 * 1024;

// Opens the named file with the flags and runs pass on an archive of the
// mode over it. The file is released exactly once: aborted when anything
// fails before the archive is closed, else closed (a failing close leaves a
// saved target with its old content). FALSE on any failure.
BOOL RunArchiveOnFile(LPCTSTR lpszPathName, UINT nOpenFlags, UINT nMode,
                      const std::function<void(CArchive &, CFile &)> &pass)
{
    CFileException fe;
    CFile *pFile = AfxGetFile(lpszPathName, nOpenFlags, &fe);
    if (pFile == nullptr)
        return FALSE;

    try {
        CArchive ar(pFile, nMode | CArchive::bNoFlushOnDelete, kArchiveBufferSize);
        pass(ar, *pFile);
        ar.Close();
    } catch (CException *e) {
        AfxReleaseFile(pFile, TRUE);
        e->Delete();
        return FALSE;
    }
    try {
        AfxReleaseFile(pFile, FALSE);
    } catch (CException *e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

} // namespace

CFile *AfxGetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError)
{
    auto pFile = std::make_unique<CMirrorFile>();
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
        return nullptr;
    return pFile.release();
}

void AfxReleaseFile(CFile *pFile, BOOL bAbort)
{
    if (pFile == nullptr)
        return;
    std::unique_ptr<CFile> owned(pFile);
    if (bAbort)
        owned->Abort();
    else
        owned->Close();
}

BOOL AfxWriteArchiveToFile(LPCTSTR lpszPathName, const std::function<void(CArchive &)> &write)
{
    return RunArchiveOnFile(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive,
                            CArchive::store, [&write](CArchive &ar, CFile &) { write(ar); });
}

BOOL AfxReadArchiveFromFile(LPCTSTR lpszPathName, const std::function<void(CArchive &)> &read, BOOL *pbEmpty)
{
    return RunArchiveOnFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, CArchive::load,
                            [&read, pbEmpty](CArchive &ar, CFile &file) {
                                const BOOL bEmpty = file.GetLength() == 0;
                                if (pbEmpty != nullptr)
                                    *pbEmpty = bEmpty;
                                if (!bEmpty)
                                    read(ar);
                            });
}

BOOL AfxSaveObjectToFile(CObject &object, LPCTSTR lpszPathName)
{
    return AfxWriteArchiveToFile(lpszPathName, [&object](CArchive &ar) { object.Serialize(ar); });
}

BOOL AfxOpenObjectFromFile(CObject &object, LPCTSTR lpszPathName)
{
    return AfxReadArchiveFromFile(lpszPathName, [&object](CArchive &ar) { object.Serialize(ar); });
}
