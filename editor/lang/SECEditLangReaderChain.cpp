#include "editor/lang/SECEditLangReaderChain.h"

#include "editor/lang/SECEditLangArchiveReader.h"
#include "editor/lang/SECEditLangIniReader.h"
#include "editor/lang/SECEditLangProfile.h"

SECEditLangReaderChain::~SECEditLangReaderChain()
{
    POSITION pos = m_readers.GetHeadPosition();
    while (pos != nullptr)
        static_cast<SECEditLangReader *>(m_readers.GetNext(pos))->Release();
    m_readers.RemoveAll();
}

void SECEditLangReaderChain::Add(SECEditLangReader *pReader)
{
    if (pReader == nullptr)
        return;
    pReader->AddRef();
    m_readers.AddTail(pReader);
}

BOOL SECEditLangReaderChain::Read(SECEditLangConfig *pConfig)
{
    BOOL bAll = TRUE;
    POSITION pos = m_readers.GetHeadPosition();
    while (pos != nullptr) {
        auto *pReader = static_cast<SECEditLangReader *>(m_readers.GetNext(pos));
        if (!pReader->Read(pConfig))
            bAll = FALSE;
    }
    return bAll;
}

SECEditLangReader *SECEditMakeProfileChain(SECEditLangReader *pFirst, LPCTSTR lpszLanguage)
{
    auto *pChain = new SECEditLangReaderChain;
    auto *pProfile = new SECEditLangProfileReader(lpszLanguage);
    pChain->Add(pFirst);
    pChain->Add(pProfile);
    pFirst->Release();
    pProfile->Release();
    return pChain;
}

SECEditLangReader *SECEditMakeIniReader(LPCTSTR lpszPath, LPCTSTR lpszLanguage)
{
    return SECEditMakeProfileChain(new SECEditLangIniReader(lpszPath), lpszLanguage);
}

SECEditLangReader *SECEditMakeArchiveReader(LPCTSTR lpszPath, LPCTSTR lpszLanguage)
{
    return SECEditMakeProfileChain(new SECEditLangArchiveReader(lpszPath), lpszLanguage);
}
