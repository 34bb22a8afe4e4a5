// Language configurations in fuzz targets: a handle for the creator's
// reference, the archive form in and out, and the check that what loaded
// saves in a form that loads again to the same archive bytes.
#pragma once

#include "editor/lang/SECEditLangArchiveReader.h"
#include "editor/lang/SECEditLangConfig.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"

#include <cstdlib>
#include <vector>

class LangConfigHandle {
public:
    LangConfigHandle() : m_pConfig(new SECEditLangConfig) {}
    ~LangConfigHandle() { m_pConfig->Release(); }
    LangConfigHandle(const LangConfigHandle &) = delete;
    LangConfigHandle &operator=(const LangConfigHandle &) = delete;
    SECEditLangConfig *get() const { return m_pConfig; }

private:
    SECEditLangConfig *m_pConfig;
};

inline std::vector<BYTE> StoreLangConfig(SECEditLangConfig *pConfig)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pConfig->Serialize(ar);
        ar.Close();
    }
    const BYTE *data = file.GetBufferData();
    return std::vector<BYTE>(data, data + file.GetLength());
}

inline bool LoadLangConfig(SECEditLangConfig *pConfig, std::vector<BYTE> bytes)
{
    const UINT nSize = static_cast<UINT>(bytes.size());
    bytes.push_back(0); // a memory file wants a buffer even for no bytes
    CMemFile file(bytes.data(), nSize);
    return SECEditLoadLangConfig(pConfig, file) != FALSE;
}

// Aborts unless the configuration stores, loads and stores to the same bytes.
inline void CheckLangRoundTrip(SECEditLangConfig *pConfig)
{
    const std::vector<BYTE> stored = StoreLangConfig(pConfig);
    LangConfigHandle again;
    if (!LoadLangConfig(again.get(), stored))
        std::abort();
    if (StoreLangConfig(again.get()) != stored)
        std::abort();
}
