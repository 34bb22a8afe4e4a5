#include "LangTestSupport.h"

#include "editor/lang/SECEditLangArchiveReader.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"

Bytes StoreConfig(SECEditLangConfig *pConfig)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pConfig->Serialize(ar);
        ar.Close();
    }
    const BYTE *data = file.GetBufferData();
    return Bytes(data, data + file.GetLength());
}

BOOL LoadConfig(SECEditLangConfig *pConfig, const Bytes &bytes)
{
    Bytes copy(bytes);
    copy.push_back(0); // CMemFile wants a buffer even for an empty body
    CMemFile file(copy.data(), static_cast<UINT>(bytes.size()));
    return SECEditLoadLangConfig(pConfig, file);
}

void AddTestTag(SECEditLangConfig *pConfig, LPCTSTR begin, LPCTSTR end, LPCTSTR escape, WORD group, BOOL multiLine)
{
    auto *pTag = new SECEditTag;
    pTag->m_strBeginTag = begin;
    pTag->m_strEndTag = end;
    pTag->m_strEscapeChar = escape;
    pTag->m_wColorGroup = group;
    pTag->m_bMultiLine = multiLine;
    pConfig->AddTag(pTag);
}

WORD AddTestGroup(SECEditLangConfig *pConfig, LPCTSTR name, COLORREF fore, COLORREF back)
{
    auto *pGroup = new SECEditColorGroup;
    pGroup->m_crForeground = fore;
    pGroup->m_crBackground = back;
    pGroup->m_strDisplayName = name;
    return pConfig->SetColorGroup(name, pGroup);
}

int KeywordGroup(SECEditLangConfig *pConfig, LPCTSTR keyword)
{
    WORD group = 0;
    return pConfig->GetKeywordMap().Lookup(keyword, group) ? group : -1;
}

std::string ShippedLanguageFolder()
{
    return EDITOR_LANG_SHIPPED_DIR;
}
