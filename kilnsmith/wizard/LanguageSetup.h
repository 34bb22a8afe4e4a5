// The editor languages of the program.  Seven languages are registered by
// name, each with the reader of its configuration (a language file of the
// shipped "LanguageSys" folder or the built-in resource, then the user's
// profile overlay) and the writer that saves it back at exit.
#pragma once

#include "framework/base/CString.h"

// Registers the seven languages in the language registry.
void RegisterKilnsmithLanguages();
