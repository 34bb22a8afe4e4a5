#include "editor/lang/SECEditLangArchiveReader.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditLangFiles.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"

namespace {

constexpr int kArchiveBufferSize = 4096;

}

BOOL SECEditLoadLangConfig(SECEditLangConfig *pConfig, CFile &file)
{
    try {
        CArchive ar(&file, CArchive::load, kArchiveBufferSize);
        pConfig->Serialize(ar);
        ar.Close();
        return TRUE;
    } catch (CException *e) {
        e->Delete();
        pConfig->SetDefaults();
        return FALSE;
    }
}

SECEditLangArchiveReader::SECEditLangArchiveReader(LPCTSTR lpszPath) : SECEditLangReaderBase(TRUE), m_strPath(lpszPath)
{
}

BOOL SECEditLangArchiveReader::Read(SECEditLangConfig *pConfig)
{
    if (pConfig == nullptr)
        return FALSE;
    ResetIfWanted(pConfig);
    const CString path = SECEditResolveLanguageFileForReading(m_strPath);
    CFile file;
    CFileException error;
    if (path.IsEmpty() || !file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary, &error))
        return FALSE;
    const BOOL bLoaded = SECEditLoadLangConfig(pConfig, file);
    file.Close();
    return bLoaded;
}
