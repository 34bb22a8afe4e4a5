// The recent-file list: the most recently opened documents, newest first,
// kept in a profile section as "File1".."Filen" and shown as the menu items
// ID_FILE_MRU_FILE1 onwards.
#pragma once

#include "framework/base/CString.h"

#include <vector>

class CCmdUI;

class CRecentFileList {
public:
    // nSize: the most entries kept (1..16).
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return m_nSize; }
    // The number of entries in use.
    int GetCount() const { return static_cast<int>(m_arrNames.size()); }
    // Empty beyond the entries in use.
    CString operator[](int nIndex) const;

    // Puts the path at the top; the same file further down goes.
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    // Reads the section; empty entries and entries longer than a path may
    // be are ignored.
    virtual void ReadList();
    virtual void WriteList();
    // The menu text of an entry: "&1 name" (the file name without folder).
    BOOL GetDisplayName(CString &strName, int nIndex) const;
    // Replaces the item pCmdUI stands for by one item per entry (or a
    // disabled "Recent File" when the list is empty).
    virtual void UpdateMenu(CCmdUI *pCmdUI);

    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;

protected:
    int m_nSize;
    std::vector<CString> m_arrNames;
};

// The canonical form of a path for comparisons: absolute, symbolic links
// resolved where the file exists; paths are case-sensitive.
CString PlexoCanonicalPath(LPCTSTR lpszPath);
