#include "editor/lang/SECEditLangRegistry.h"

#include "editor/lang/SECEditLangConfig.h"

namespace {

constexpr UINT kHashTableSize = 17;
constexpr int kMapBlockSize = 10;

template <class VALUE>
void ReleaseAll(CMap<CString, LPCTSTR, VALUE *, VALUE *> &map)
{
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        CString name;
        VALUE *pValue = nullptr;
        map.GetNextAssoc(pos, name, pValue);
        if (pValue != nullptr)
            pValue->Release();
    }
    map.RemoveAll();
}

} // namespace

SECEditLangRegistry::SECEditLangRegistry()
    : m_configs(kMapBlockSize), m_readers(kMapBlockSize), m_writers(kMapBlockSize)
{
    m_configs.InitHashTable(kHashTableSize);
    m_readers.InitHashTable(kHashTableSize);
    m_writers.InitHashTable(kHashTableSize);
    auto *pDefault = new SECEditLangConfig;
    m_configs.SetAt("Default", pDefault);
}

SECEditLangRegistry::~SECEditLangRegistry()
{
    ReleaseAll(m_configs);
    ReleaseAll(m_readers);
    ReleaseAll(m_writers);
}

int SECEditLangRegistry::RegisterLanguage(LPCTSTR lpszName, SECEditLangReader *pReader, SECEditLangWriter *pWriter)
{
    if (lpszName == nullptr)
        return 1;
    if (pReader != nullptr)
        pReader->AddRef();
    SECEditLangReader *pOldReader = nullptr;
    if (m_readers.Lookup(lpszName, pOldReader) && pOldReader != nullptr)
        pOldReader->Release();
    m_readers.SetAt(lpszName, pReader);

    if (pWriter != nullptr) {
        pWriter->AddRef();
        SECEditLangWriter *pOldWriter = nullptr;
        if (m_writers.Lookup(lpszName, pOldWriter) && pOldWriter != nullptr)
            pOldWriter->Release();
        m_writers.SetAt(lpszName, pWriter);
    }
    return 1;
}

SECEditLangConfig *SECEditLangRegistry::GetLanguageConfig(LPCTSTR lpszName)
{
    if (lpszName == nullptr)
        return nullptr;
    SECEditLangConfig *pConfig = nullptr;
    if (m_configs.Lookup(lpszName, pConfig))
        return pConfig;
    SECEditLangReader *pReader = nullptr;
    if (!m_readers.Lookup(lpszName, pReader))
        return nullptr;
    pConfig = new SECEditLangConfig;
    pConfig->SetName(lpszName);
    // A reader that fails leaves at least the defaults; the language is
    // still usable, so the result only matters to the reader's own tests.
    if (pReader != nullptr)
        pReader->Read(pConfig);
    m_configs.SetAt(lpszName, pConfig);
    return pConfig;
}

int SECEditLangRegistry::SaveLanguages(LPCTSTR lpszName)
{
    if (lpszName != nullptr) {
        SECEditLangConfig *pConfig = nullptr;
        SECEditLangWriter *pWriter = nullptr;
        if (!m_configs.Lookup(lpszName, pConfig) || !m_writers.Lookup(lpszName, pWriter) || pWriter == nullptr)
            return 0;
        return pWriter->Write(pConfig);
    }
    int result = 0;
    POSITION pos = m_configs.GetStartPosition();
    while (pos != nullptr) {
        CString name;
        SECEditLangConfig *pConfig = nullptr;
        m_configs.GetNextAssoc(pos, name, pConfig);
        SECEditLangWriter *pWriter = nullptr;
        if (m_writers.Lookup(name, pWriter) && pWriter != nullptr)
            result |= pWriter->Write(pConfig);
    }
    return result;
}

void SECEditLangRegistry::GetLanguageNames(CStringList &names)
{
    names.RemoveAll();
    POSITION pos = m_readers.GetStartPosition();
    while (pos != nullptr) {
        CString name;
        SECEditLangReader *pReader = nullptr;
        m_readers.GetNextAssoc(pos, name, pReader);
        names.AddTail(name);
    }
    pos = m_configs.GetStartPosition();
    while (pos != nullptr) {
        CString name;
        SECEditLangConfig *pConfig = nullptr;
        m_configs.GetNextAssoc(pos, name, pConfig);
        if (names.Find(name) == nullptr)
            names.AddTail(name);
    }
}

SECEditLangRegistry &SECEditGetLangRegistry()
{
    // Made on first use and destroyed once at process exit.
    static SECEditLangRegistry registry;
    return registry;
}

int SECEditRegisterLanguage(LPCTSTR lpszName, SECEditLangReader *pReader, SECEditLangWriter *pWriter)
{
    return SECEditGetLangRegistry().RegisterLanguage(lpszName, pReader, pWriter);
}

SECEditLangConfig *SECEditGetLanguageConfig(LPCTSTR lpszName)
{
    return SECEditGetLangRegistry().GetLanguageConfig(lpszName);
}

int SECEditSaveLanguages(LPCTSTR lpszName)
{
    return SECEditGetLangRegistry().SaveLanguages(lpszName);
}

void SECEditGetLanguageNames(CStringList &names)
{
    SECEditGetLangRegistry().GetLanguageNames(names);
}
