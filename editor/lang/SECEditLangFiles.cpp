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

// The name relative to the language folder, or empty when it is not one.
CString RelativeName(LPCTSTR lpszPath)
{
    CString name(lpszPath);
    name.Replace('\\', '/');
    const CString prefix = CString(kFolderName) + "/";
    if (name.Left(prefix.GetLength()) == prefix)
        name = name.Mid(prefix.GetLength());
    const CString padded = "/" + name + "/";
    if (name.IsEmpty() || padded.Find("/../") >= 0 || padded.Find("/./") >= 0 || name.Find("//") >= 0 ||
        name.GetAt(name.GetLength() - 1) == '/')
        return CString();
    return name;
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

}

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
    if (lpszPath == NULL)
        return CString();
    if (IsAbsolute(lpszPath))
        return CString(lpszPath);
    const CString name = RelativeName(lpszPath);
    if (name.IsEmpty())
        return name;
    const CString userFile = SECEditGetUserLanguageFolder() + "/" + name;
    if (FileExists(userFile))
        return userFile;
    return SECEditGetShippedLanguageFolder() + "/" + name;
}

CString SECEditPrepareLanguageFileForWriting(LPCTSTR lpszPath)
{
    if (lpszPath == NULL)
        return CString();
    if (IsAbsolute(lpszPath))
        return CString(lpszPath);
    const CString name = RelativeName(lpszPath);
    if (name.IsEmpty())
        return name;
    const CString userFile = SECEditGetUserLanguageFolder() + "/" + name;
    const int slash = userFile.ReverseFind('/');
    if (!PlexoCreateFolderPath(userFile.Left(slash)))
        return CString();
    const CString shippedFile = SECEditGetShippedLanguageFolder() + "/" + name;
    if (!FileExists(userFile) && FileExists(shippedFile))
        CopySmallFile(shippedFile, userFile);
    return userFile;
}
