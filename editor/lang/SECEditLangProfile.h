// The user's own settings of a language in the application profile: the
// sections "<language>\Editor", "<language>\Color Groups\<group>" and
// "<language>\Font".  The reader lays them over a configuration read from a
// language file (it adds no colour groups); the writer saves them at exit.
#pragma once

#include "editor/lang/SECEditLangReader.h"
#include "framework/base/CString.h"

class SECEditLangProfileReader : public SECEditLangReaderBase {
public:
    // The language name becomes the section prefix ("C" -> "C\").
    explicit SECEditLangProfileReader(LPCTSTR lpszLanguage);

    // Editor, Color Groups, Font.  Missing values leave the configuration
    // as it is; a value that cannot be right (a tab size of 0, a colour
    // that is no RGB value) is ignored and makes Read answer FALSE.
    BOOL Read(SECEditLangConfig *pConfig) override;
    virtual BOOL ReadEditor(SECEditLangConfig *pConfig);
    virtual BOOL ReadColorGroups(SECEditLangConfig *pConfig);
    virtual BOOL ReadFont(SECEditLangConfig *pConfig);

    const CString &GetPrefix() const { return m_strPrefix; }

private:
    CString m_strPrefix;
};

class SECEditLangProfileWriter : public SECEditRefCounted<SECEditLangWriter> {
public:
    explicit SECEditLangProfileWriter(LPCTSTR lpszLanguage);

    // Editor, then Color Groups, then Font, each only when the one before
    // succeeded; FALSE when a write failed.
    BOOL Write(SECEditLangConfig *pConfig) override;
    virtual BOOL WriteEditor(SECEditLangConfig *pConfig);
    virtual BOOL WriteColorGroups(SECEditLangConfig *pConfig);
    virtual BOOL WriteFont(SECEditLangConfig *pConfig);

    const CString &GetPrefix() const { return m_strPrefix; }

private:
    CString m_strPrefix;
};
