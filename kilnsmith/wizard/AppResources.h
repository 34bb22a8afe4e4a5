// The application's own resources: its string table (title, document
// string, the splitter prompt, the wizard's messages) and the templates of
// the three class dialogs.
#pragma once

// Registers them (again; harmless to repeat).
void KilnsmithRegisterAppResources();
