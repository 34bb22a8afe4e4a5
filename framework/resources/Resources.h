// The resource registry: string tables, menus, accelerator tables, dialog
// templates and custom binary resources, registered by each program and
// library at start and looked up by numeric id.  A later registration of an
// id replaces an earlier one, so a program can override a library's entry.
// Registered tables are referenced, not copied: they must live as long as
// the program (static tables).
//
// HINSTANCE/HMODULE arguments are accepted for the Windows signatures; all
// resources of the process share one registry.
#pragma once

#include "framework/base/CString.h"
#include "framework/resources/ResourceTypes.h"

#include <vector>

// The number a resource name stands for: MAKEINTRESOURCE(n) or "#n".
BOOL PlexoResourceIdFromName(LPCTSTR lpName, UINT &nID);

// ---- Registration
void PlexoRegisterStrings(const RESOURCE_STRING *pTable, int nCount);
void PlexoRegisterMenu(UINT nID, const RESOURCE_MENU_ITEM *pItems, int nCount);
void PlexoRegisterAccelerators(UINT nID, const ACCEL *pEntries, int nCount);
void PlexoRegisterDialog(UINT nID, const RESOURCE_DIALOG *pTemplate);
void PlexoRegisterToolBar(UINT nID, const RESOURCE_TOOLBAR *pToolBar);
// Custom resources by type name (compared without case; "#n" and
// MAKEINTRESOURCE(n) name numeric types such as RT_RCDATA).  The bytes are
// either static data or a file, typically a Qt resource (":/..."), read on
// first use.
void PlexoRegisterCustomResource(LPCTSTR lpszType, UINT nID, const void *pData, DWORD nSize);
void PlexoRegisterCustomResourceFile(LPCTSTR lpszType, UINT nID, LPCTSTR lpszPath);

// ---- Strings
// Copies the string into the buffer (cut to nBufferMax - 1 bytes, always
// NUL-terminated) and returns the bytes copied; 0 when the id is missing.
int LoadString(HINSTANCE hInstance, UINT uID, LPTSTR lpBuffer, int nBufferMax);
BOOL PlexoLookupString(UINT nID, CString &strText);

// ---- Menus, accelerators, dialogs
struct CMenuResourceItem {
    UINT nFlags = 0; // without MF_END
    UINT nID = 0;
    CString strText;
    std::vector<CMenuResourceItem> children; // the sub-menu of a MF_POPUP item
};
// The menu as a tree; FALSE when missing or when its table is malformed (a
// level never ended, or items after the top level's end).
BOOL PlexoLoadMenuResource(UINT nID, std::vector<CMenuResourceItem> &items);
// The accelerator table, or NULL (and *pnCount 0) when missing.
const ACCEL *PlexoFindAccelerators(UINT nID, int *pnCount);
const RESOURCE_DIALOG *PlexoFindDialog(UINT nID);
const RESOURCE_TOOLBAR *PlexoFindToolBar(UINT nID);

// ---- Custom resources
HRSRC FindResource(HMODULE hModule, LPCTSTR lpName, LPCTSTR lpType);
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID LockResource(HGLOBAL hResData);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);
BOOL FreeResource(HGLOBAL hResData);
// The module that holds the resource: a non-NULL handle when it is
// registered, NULL otherwise.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
