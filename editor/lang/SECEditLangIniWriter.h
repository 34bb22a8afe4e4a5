// SECEditLangIniWriter: saves a configuration into a language INI file in
// the form SECEditLangIniReader reads.  Keys that it does not rewrite stay
// in the file.
#pragma once

#include "editor/lang/SECEditLangReader.h"
#include "framework/base/CString.h"

class SECEditLangIniWriter : public SECEditRefCounted<SECEditLangWriter> {
public:
    explicit SECEditLangIniWriter(LPCTSTR lpszPath);

    // FALSE for a NULL configuration or at the first write that fails.
    BOOL Write(SECEditLangConfig *pConfig) override;
    virtual BOOL WriteParser(SECEditLangConfig *pConfig);
    virtual BOOL WriteEditor(SECEditLangConfig *pConfig);
    virtual BOOL WriteFont(SECEditLangConfig *pConfig);
    virtual BOOL WriteColorGroups(SECEditLangConfig *pConfig);
    virtual BOOL WriteKeywords(SECEditLangConfig *pConfig);

    const CString &GetPath() const { return m_strPath; }

private:
    BOOL WriteValue(LPCTSTR lpszSection, LPCTSTR lpszKey, const CString &value) const;
    BOOL WriteInt(LPCTSTR lpszSection, LPCTSTR lpszKey, int nValue) const;
    BOOL WriteColor(LPCTSTR lpszSection, LPCTSTR lpszKey, COLORREF color) const;

    CString m_strPath;
    // The file written during one Write (the user's copy for a relative
    // path).
    CString m_strFile;
};
