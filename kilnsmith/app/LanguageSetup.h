// The editor languages of the program and the file extensions that choose
// them.  Seven languages are registered by name, each with the reader of
// its configuration (a language file of the shipped "LanguageSys" folder or
// the built-in resource, then the user's profile overlay) and the writer
// that saves it back at exit.
#pragma once

#include "framework/base/CString.h"
#include "framework/collections/Maps.h"

// Registers the seven languages in the language registry.
void RegisterKilnsmithLanguages();

// Fills the map of lower-case extensions (".cpp") to language names ("C").
void FillExtensionMap(CMapStringToString &map);

// The language for a file: its extension, with the dot and lower-cased,
// looked up in the map; "Default" for an extension the map does not hold
// and for a name without one.
CString FindLanguageForPath(const CMapStringToString &map, LPCTSTR lpszPath);
