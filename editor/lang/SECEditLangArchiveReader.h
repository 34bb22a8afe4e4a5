// SECEditLangArchiveReader: fills a configuration from a binary file that
// holds its archive form.  A missing file leaves the defaults; a damaged one
// also leaves the defaults, and Read answers FALSE in both cases.
#pragma once

#include "editor/lang/SECEditLangReader.h"
#include "framework/base/CString.h"

class SECEditLangArchiveReader : public SECEditLangReaderBase {
public:
    explicit SECEditLangArchiveReader(LPCTSTR lpszPath);

    BOOL Read(SECEditLangConfig *pConfig) override;

    const CString &GetPath() const { return m_strPath; }

private:
    CString m_strPath;
};

class CFile;
// Loads the archive body from an open file into the configuration; on a
// damaged body the configuration is put back to its defaults and FALSE is
// returned.  Shared by the archive and resource readers.
BOOL SECEditLoadLangConfig(SECEditLangConfig *pConfig, CFile &file);
