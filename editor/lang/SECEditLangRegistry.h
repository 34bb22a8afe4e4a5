// The language registry: language names with their reader, their writer
// and, once somebody asked for it, their configuration.  "Default" always
// has a configuration.  One registry serves the process through the four
// functions at the end; the class itself is open so that a registry can be
// made on its own.
#pragma once

#include "editor/lang/SECEditLangReader.h"
#include "framework/collections/Collections.h"

class SECEditLangConfig;

class SECEditLangRegistry {
public:
    SECEditLangRegistry();
    ~SECEditLangRegistry();
    SECEditLangRegistry(const SECEditLangRegistry &) = delete;
    SECEditLangRegistry &operator=(const SECEditLangRegistry &) = delete;

    // Takes a reference to the reader (replacing and releasing an earlier
    // one) and, when pWriter is not NULL, likewise to the writer.  A
    // configuration already made for the name stays as it is.  Returns 1.
    int RegisterLanguage(LPCTSTR lpszName, SECEditLangReader *pReader, SECEditLangWriter *pWriter);
    // The configuration of the name, made and read on first use; NULL when
    // the name has neither a configuration nor a reader.  The caller gets
    // no reference of its own.
    SECEditLangConfig *GetLanguageConfig(LPCTSTR lpszName);
    // With a name: that language's writer result, 0 when it has no
    // configuration or no writer.  With NULL: every made configuration that
    // has a writer is written; the results are OR-ed together.
    int SaveLanguages(LPCTSTR lpszName);
    // The names of the readers, then every other name with a configuration.
    void GetLanguageNames(CStringList &names);

private:
    CMap<CString, LPCTSTR, SECEditLangConfig *, SECEditLangConfig *> m_configs;
    CMap<CString, LPCTSTR, SECEditLangReader *, SECEditLangReader *> m_readers;
    CMap<CString, LPCTSTR, SECEditLangWriter *, SECEditLangWriter *> m_writers;
};

// The process-wide registry.
SECEditLangRegistry &SECEditGetLangRegistry();

int SECEditRegisterLanguage(LPCTSTR lpszName, SECEditLangReader *pReader, SECEditLangWriter *pWriter);
SECEditLangConfig *SECEditGetLanguageConfig(LPCTSTR lpszName);
int SECEditSaveLanguages(LPCTSTR lpszName);
void SECEditGetLanguageNames(CStringList &names);
