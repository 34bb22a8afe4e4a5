// SECEditLangIniReader: fills a configuration from a language INI file
// (sections [ColorGroups] and one per group, [Parser] and [TagN], [Font],
// [Keywords], [Editor]).  Missing files, sections and keys give defaults; a
// file whose counts or values cannot be right leaves the configuration at
// its defaults and makes Read answer FALSE.
#pragma once

#include "editor/lang/SECEditLangReader.h"
#include "framework/base/CString.h"

class SECEditLangIniReader : public SECEditLangReaderBase {
public:
    explicit SECEditLangIniReader(LPCTSTR lpszPath);

    BOOL Read(SECEditLangConfig *pConfig) override;
    virtual BOOL ReadParser(SECEditLangConfig *pConfig);
    virtual BOOL ReadEditor(SECEditLangConfig *pConfig);
    virtual BOOL ReadFont(SECEditLangConfig *pConfig);
    virtual BOOL ReadColorGroups(SECEditLangConfig *pConfig);
    virtual BOOL ReadKeywords(SECEditLangConfig *pConfig);

    const CString &GetPath() const { return m_strPath; }

private:
    // Keys (group names, tag begin texts) are read whole, NUL bytes included,
    // so that a key holding one is refused; other values end at a NUL.
    CString GetRawString(LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszDefault, DWORD nBufferSize) const;
    CString GetString(LPCTSTR lpszSection, LPCTSTR lpszKey, LPCTSTR lpszDefault, DWORD nBufferSize) const;
    int GetInt(LPCTSTR lpszSection, LPCTSTR lpszKey, int nDefault) const;
    BOOL GetBool(LPCTSTR lpszSection, LPCTSTR lpszKey, BOOL bDefault) const;
    static bool HoldsNul(const CString &key);
    BOOL ReadGroup(SECEditLangConfig *pConfig, const CString &name);
    BOOL ReadTag(SECEditLangConfig *pConfig, int nTag);

    CString m_strPath;
    // The file actually read during one Read (the user's copy or the
    // shipped one).
    CString m_strFile;
};
