// Shared helpers of the language tests: temporary folders, environment
// overrides, a configuration handle, and archive bytes in and out.
#pragma once

#include "editor/lang/SECEditLangConfig.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ScopedEnv.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Owns the creator's reference of a configuration.
class ConfigHandle {
public:
    ConfigHandle() : m_pConfig(new SECEditLangConfig) {}
    ~ConfigHandle() { m_pConfig->Release(); }
    ConfigHandle(const ConfigHandle &) = delete;
    ConfigHandle &operator=(const ConfigHandle &) = delete;

    SECEditLangConfig *operator->() const { return m_pConfig; }
    SECEditLangConfig *get() const { return m_pConfig; }

private:
    SECEditLangConfig *m_pConfig;
};

typedef std::vector<unsigned char> Bytes;

// The archive body of the configuration.
Bytes StoreConfig(SECEditLangConfig *pConfig);
// Loads a body; FALSE (and the defaults) for a damaged one.
BOOL LoadConfig(SECEditLangConfig *pConfig, const Bytes &bytes);

// Adds a tag to the configuration's tag map.
void AddTestTag(SECEditLangConfig *pConfig, LPCTSTR begin, LPCTSTR end, LPCTSTR escape, WORD group, BOOL multiLine);
// Appends a colour group under the name; returns its index.
WORD AddTestGroup(SECEditLangConfig *pConfig, LPCTSTR name, COLORREF fore, COLORREF back);

// The group index of a keyword (-1 when the keyword is not in the map).
int KeywordGroup(SECEditLangConfig *pConfig, LPCTSTR keyword);

// The folder of the language files copied into the build tree.
std::string ShippedLanguageFolder();
