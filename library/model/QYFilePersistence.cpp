#include "library/model/QYFilePersistence.h"

#include "framework/object/Archive.h"
#include "framework/window/CmdTarget.h"

namespace {

// The pass as the library runs it: links kept, the wait cursor up until
// the pass ends, also when an exception leaves it.
std::function<void(CArchive&)> LibraryPass(const std::function<void(CArchive&)>& pass)
{
    return [&pass](CArchive& ar) {
        ar.m_bForceFlat = FALSE;
        CWaitCursor wait;
        pass(ar);
    };
}

} // namespace

BOOL QYWriteArchiveToFile(LPCTSTR lpszPathName, const std::function<void(CArchive&)>& write)
{
    return AfxWriteArchiveToFile(lpszPathName, LibraryPass(write));
}

BOOL QYReadArchiveFromFile(LPCTSTR lpszPathName, const std::function<void(CArchive&)>& read, BOOL* pbEmpty)
{
    return AfxReadArchiveFromFile(lpszPathName, LibraryPass(read), pbEmpty);
}

BOOL QYSaveObjectToFile(CObject& object, LPCTSTR lpszPathName)
{
    return QYWriteArchiveToFile(lpszPathName, [&object](CArchive& ar) { object.Serialize(ar); });
}

BOOL QYOpenObjectFromFile(CObject& object, LPCTSTR lpszPathName)
{
    return QYReadArchiveFromFile(lpszPathName, [&object](CArchive& ar) { object.Serialize(ar); });
}
