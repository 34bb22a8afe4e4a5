// The state of the application object that documents and child frames read:
// the "Use Splitter" flag and the file-extension-to-language map. The
// application object fills one at start and installs it; until then (and in
// programs without one) a default object with the flag on and an empty map
// answers.
#pragma once

#include "framework/base/CString.h"
#include "framework/collections/Maps.h"

class CDocumentSettings {
public:
    // The flag on, the map empty.
    CDocumentSettings();
    virtual ~CDocumentSettings();
    CDocumentSettings(const CDocumentSettings &) = delete;
    CDocumentSettings &operator=(const CDocumentSettings &) = delete;

    // TRUE: every new child frame carries a dynamic 2 x 2 splitter.
    BOOL m_bUseSplitter = TRUE;
    // Key: an extension in lower case with its dot (".cpp"); value: the name
    // of a registered editor language ("C").
    CMapStringToString m_mapExtensions{10};

    // The program's pairs: C, IDL, JScript, VBScript and HTML extensions.
    void AddStandardExtensions();
    // The language for a path: its extension (from the last dot of the file
    // name, lower-cased) looked up in the map; "Default" when there is none.
    CString LanguageForPath(LPCTSTR lpszPath) const;
    // The extension of a path's file name with its dot, lower case; empty
    // when the name has no dot.
    static CString ExtensionOf(LPCTSTR lpszPath);

    // The installed object (the default one when none is installed).
    static CDocumentSettings &Current();
    // Installs pSettings (NULL: the default again); returns the one before.
    static CDocumentSettings *Install(CDocumentSettings *pSettings);
};
