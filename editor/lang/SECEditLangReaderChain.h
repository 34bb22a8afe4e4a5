// SECEditLangReaderChain: runs several readers on one configuration in
// order, so that later readers (the user's profile) override earlier ones
// (the language file).
#pragma once

#include "editor/lang/SECEditLangReader.h"
#include "framework/collections/Collections.h"

class SECEditLangReaderChain : public SECEditRefCounted<SECEditLangReader> {
public:
    SECEditLangReaderChain() = default;

    // Appends the reader and takes a reference to it (NULL is ignored).
    void Add(SECEditLangReader *pReader);
    // Calls every reader, also after one failed; TRUE only when all of
    // them succeeded.
    BOOL Read(SECEditLangConfig *pConfig) override;
    INT_PTR GetCount() const { return m_readers.GetCount(); }

protected:
    ~SECEditLangReaderChain() override;

private:
    CPtrList m_readers;
};

// A chain of pFirst and the profile reader for the language name; takes
// over the creator's reference of pFirst and hands out the chain's.
SECEditLangReader *SECEditMakeProfileChain(SECEditLangReader *pFirst, LPCTSTR lpszLanguage);
// A chain of the language file's reader and the profile reader for the
// language name; the caller owns the one reference returned.
SECEditLangReader *SECEditMakeIniReader(LPCTSTR lpszPath, LPCTSTR lpszLanguage);
SECEditLangReader *SECEditMakeArchiveReader(LPCTSTR lpszPath, LPCTSTR lpszLanguage);
SECEditLangReader *SECEditMakeResourceReader(UINT nResourceId, LPCTSTR lpszLanguage);
