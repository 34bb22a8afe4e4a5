#include "editor/lang/SECEditLangResourceReader.h"

#include "editor/lang/SECEditLangArchiveReader.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditLangReaderChain.h"
#include "framework/object/File.h"
#include "framework/resources/Resources.h"

#include <vector>

SECEditLangResourceReader::SECEditLangResourceReader(UINT nResourceId)
    : SECEditLangReaderBase(TRUE), m_nResourceId(nResourceId)
{
}

BOOL SECEditLangResourceReader::Read(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    LPCTSTR lpszName = MAKEINTRESOURCE(m_nResourceId);
    HINSTANCE hModule = AfxFindResourceHandle(lpszName, SECEDIT_LANGCONFIG_RESOURCE_TYPE);
    if (hModule == nullptr)
        return FALSE;
    HRSRC hResource = FindResource(hModule, lpszName, SECEDIT_LANGCONFIG_RESOURCE_TYPE);
    if (hResource == nullptr)
        return FALSE;
    const DWORD nSize = SizeofResource(hModule, hResource);
    HGLOBAL hData = nSize != 0 ? LoadResource(hModule, hResource) : nullptr;
    const auto *pBytes = hData != nullptr ? static_cast<const BYTE *>(LockResource(hData)) : nullptr;
    if (pBytes == nullptr) {
        if (hData != nullptr)
            FreeResource(hData);
        return FALSE;
    }
    // The memory file reads a copy, so the resource itself is never written.
    std::vector<BYTE> body(pBytes, pBytes + nSize);
    FreeResource(hData);
    ResetIfWanted(pConfig);
    CMemFile file(body.data(), nSize);
    return SECEditLoadLangConfig(pConfig, file);
}

SECEditLangReader *SECEditMakeResourceReader(UINT nResourceId, LPCTSTR lpszLanguage)
{
    return SECEditMakeProfileChain(new SECEditLangResourceReader(nResourceId), lpszLanguage);
}
