// CFile::GetStatus: times, size and attributes of a file.
#include "framework/object/File.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

BOOL FillStatus(const CString &strPath, CFileStatus &rStatus)
{
    struct stat st;
    if (strPath.IsEmpty() || ::stat(strPath, &st) != 0)
        return FALSE;
    rStatus.m_ctime = CTime(st.st_ctime);
    rStatus.m_mtime = CTime(st.st_mtime);
    rStatus.m_atime = CTime(st.st_atime);
    rStatus.m_size = ULONGLONG(st.st_size);
    BYTE attribute = CFile::normal;
    if (S_ISDIR(st.st_mode))
        attribute |= CFile::directory;
    if (::access(strPath, W_OK) != 0)
        attribute |= CFile::readOnly;
    int nSlash = strPath.ReverseFind('/');
    if (strPath.GetLength() > nSlash + 1 && strPath[nSlash + 1] == '.')
        attribute |= CFile::hidden;
    rStatus.m_attribute = attribute;
    size_t nCopy = std::min<size_t>(size_t(strPath.GetLength()), sizeof(rStatus.m_szFullName) - 1);
    std::memcpy(rStatus.m_szFullName, (LPCTSTR)strPath, nCopy);
    rStatus.m_szFullName[nCopy] = '\0';
    return TRUE;
}

} // namespace

BOOL CFile::GetStatus(CFileStatus &rStatus) const
{
    return FillStatus(m_strFileName, rStatus);
}

BOOL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus &rStatus)
{
    return FillStatus(MakeFullPath(lpszFileName), rStatus);
}
