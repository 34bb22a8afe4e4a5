#include "editor/lang/SECEditLangFiles.h"

#include "framework/object/File.h"
#include "framework/shell/Places.h"

#include <memory>

namespace {

constexpr LPCTSTR kProgram = "kilnsmith";
constexpr LPCTSTR kFolderName = "LanguageSys";
// Language files are small; a larger file is not copied.
constexpr ULONGLONG kMaxCopySize = 16u * 1024u * 1024u;

bool IsAbsolute(const CString &path)
{
    return !path.IsEmpty() && path.GetAt(0) == '/';
}

// The name when it is a plain file name of the language folder, or empty.
CString CheckedName(const CString &name)
{
    const CString padded = "/" + name + "/";
    if (name.IsEmpty() || padded.Find("/../") >= 0 || padded.Find("/./") >= 0 || name.Find("//") >= 0 ||
        name.GetAt(name.GetLength() - 1) == '/')
        return CString();
    return name;
}

// The name relative to the language folder, or empty when it is not one.
CString RelativeName(LPCTSTR lpszPath)
{
    CString name(lpszPath);
    name.Replace('\\', '/');
    const CString prefix = CString(kFolderName) + "/";
    if (name.Left(prefix.GetLength()) == prefix)
        name = name.Mid(prefix.GetLength());
    return CheckedName(name);
}

// The name within the language folder, or empty when there is none; a full
// path elsewhere is handed back in *pPath, to be used as it is.  A full path
// into the shipped language folder stands for that folder's file, so the
// user's copy is read first and the shipped file is never written.
CString LanguageFolderName(LPCTSTR lpszPath, CString *pPath)
{
    const CString path(lpszPath);
    if (!IsAbsolute(path))
        return RelativeName(lpszPath);
    const CString shippedFolder = SECEditGetShippedLanguageFolder() + "/";
    if (path.Left(shippedFolder.GetLength()) == shippedFolder)
        return CheckedName(path.Mid(shippedFolder.GetLength()));
    *pPath = path;
    return CString();
}

bool FileExists(const CString &path)
{
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone, &error))
        return false;
    file.Close();
    return true;
}

// Copies a small file; false when anything fails (the target is then
// removed again, so no half copy is ever taken for the user's file).
bool CopySmallFile(const CString &from, const CString &to)
{
    try {
        CFile source(from, CFile::modeRead | CFile::shareDenyWrite);
        const ULONGLONG length = source.GetLength();
        if (length > kMaxCopySize)
            return false;
        auto bytes = std::make_unique<BYTE[]>(static_cast<size_t>(length) + 1);
        if (source.Read(bytes.get(), static_cast<UINT>(length)) != length)
            return false;
        CFile target(to, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        try {
            target.Write(bytes.get(), static_cast<UINT>(length));
            target.Close();
        } catch (CException *e) {
            e->Delete();
            target.Abort();
            CFile::Remove(to);
            return false;
        }
        return true;
    } catch (CException *e) {
        e->Delete();
        return false;
    }
}

} // namespace

CString SECEditGetShippedLanguageFolder()
{
    return PlexoGetDataFolder(kProgram) + "/" + kFolderName;
}

CString SECEditGetUserLanguageFolder()
{
    return PlexoGetUserConfigFolder(kProgram) + "/" + kFolderName;
}

CString SECEditResolveLanguageFileForReading(LPCTSTR lpszPath)
{
    if (lpszPath == nullptr)
        return CString();
    CString fullPath;
    const CString name = LanguageFolderName(lpszPath, &fullPath);
    if (name.IsEmpty())
        return fullPath;
    const CString userFile = SECEditGetUserLanguageFolder() + "/" + name;
    if (FileExists(userFile))
        return userFile;
    return SECEditGetShippedLanguageFolder() + "/" + name;
}

CString SECEditPrepareLanguageFileForWriting(LPCTSTR lpszPath)
{
    if (lpszPath == nullptr)
        return CString();
    CString fullPath;
    const CString name = LanguageFolderName(lpszPath, &fullPath);
    if (name.IsEmpty())
        return fullPath;
    const CString userFile = SECEditGetUserLanguageFolder() + "/" + name;
    const int slash = userFile.ReverseFind('/');
    if (!PlexoCreateFolderPath(userFile.Left(slash)))
        return CString();
    const CString shippedFile = SECEditGetShippedLanguageFolder() + "/" + name;
    if (!FileExists(userFile) && FileExists(shippedFile))
        CopySmallFile(shippedFile, userFile);
    return userFile;
}
