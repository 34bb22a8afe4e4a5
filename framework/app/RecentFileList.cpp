#include "framework/app/RecentFileList.h"

#include "framework/settings/AppProfile.h"
#include "framework/window/CmdTarget.h"
#include "framework/window/Menu.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// Longer profile entries are not paths a program wrote: ignored.
constexpr int kMaxPathLength = 4096;

CString FileNameOf(const CString &strPath)
{
    int nSlash = strPath.ReverseFind('/');
    return nSlash < 0 ? strPath : strPath.Mid(nSlash + 1);
}

} // namespace

CString PlexoCanonicalPath(LPCTSTR lpszPath)
{
    if (lpszPath == nullptr || *lpszPath == '\0')
        return CString();
    std::error_code error;
    std::filesystem::path path(lpszPath);
    std::filesystem::path canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    if (error)
        return CString(lpszPath);
    return CString(canonical.string().c_str());
}

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize)
    : m_nStart(nStart), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_nSize(std::clamp(nSize, 1, 16))
{
}

CString CRecentFileList::operator[](int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return CString();
    return m_arrNames[static_cast<size_t>(nIndex)];
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    CString strPath = PlexoCanonicalPath(lpszPathName);
    if (strPath.IsEmpty())
        return;
    m_arrNames.erase(std::remove(m_arrNames.begin(), m_arrNames.end(), strPath), m_arrNames.end());
    m_arrNames.insert(m_arrNames.begin(), strPath);
    if (GetCount() > m_nSize)
        m_arrNames.resize(static_cast<size_t>(m_nSize));
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetCount())
        m_arrNames.erase(m_arrNames.begin() + nIndex);
}

void CRecentFileList::ReadList()
{
    m_arrNames.clear();
    CAppProfile &profile = PlexoGetAppProfile();
    for (int i = 0; i < m_nSize; ++i) {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        CString strPath = profile.GetProfileString(m_strSectionName, strEntry, "");
        if (strPath.IsEmpty() || strPath.GetLength() > kMaxPathLength)
            continue;
        if (std::find(m_arrNames.begin(), m_arrNames.end(), strPath) == m_arrNames.end())
            m_arrNames.push_back(strPath);
    }
}

void CRecentFileList::WriteList()
{
    CAppProfile &profile = PlexoGetAppProfile();
    // The section is written whole: entries beyond the list go.
    profile.WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int i = 0; i < GetCount(); ++i) {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        profile.WriteProfileString(m_strSectionName, strEntry, m_arrNames[static_cast<size_t>(i)]);
    }
}

BOOL CRecentFileList::GetDisplayName(CString &strName, int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    CString strFile = FileNameOf(m_arrNames[static_cast<size_t>(nIndex)]);
    strFile.Replace("&", "&&");
    if (nIndex < 9)
        strName.Format("&%d %s", nIndex + 1, static_cast<LPCTSTR>(strFile));
    else
        strName.Format("%d %s", nIndex + 1, static_cast<LPCTSTR>(strFile));
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI *pCmdUI)
{
    CMenu *pMenu = pCmdUI->m_pMenu;
    if (pMenu == nullptr) {
        pCmdUI->Enable(GetCount() > 0);
        return;
    }
    // The entries sit where the first one is; earlier items of the list go.
    for (int i = 0; i < m_nSize; ++i)
        pMenu->DeleteMenu(m_nStart + static_cast<UINT>(i), MF_BYCOMMAND);
    if (GetCount() == 0) {
        pMenu->InsertMenu(pCmdUI->m_nIndex, MF_BYPOSITION | MF_STRING | MF_GRAYED, m_nStart, "Recent File");
        pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
        pCmdUI->m_bEnableChanged = TRUE;
        return;
    }
    for (int i = 0; i < GetCount(); ++i) {
        CString strName;
        GetDisplayName(strName, i);
        pMenu->InsertMenu(pCmdUI->m_nIndex + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                          m_nStart + static_cast<UINT>(i), strName);
    }
    // The caller's walk goes on after the inserted items.
    pCmdUI->m_nIndex += static_cast<UINT>(GetCount()) - 1;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}
