// One wizard request carried out: the generator writes the class's header
// and source into the work folder, and the program opens what was written.
//
// A document that is open on either file is neither closed nor reloaded:
// the files on disk are rewritten, and the open windows are activated with
// the text they hold, so that unsaved edits stay in them.  A name that
// the generator refuses gets the class-name message and writes nothing; a
// file that cannot be written is reported with its path and the reason,
// and only the files written are opened, the header first, so that the
// source ends up active.
#pragma once

#include "kilnsmith/generator/CodeGenerator.h"

class CWinApp;

enum class ClassGenerationResult {
    Opened,      // both files written (and opened as far as they could be)
    RefusedName, // a typed name was refused; nothing written
    WriteFailed, // at least one file could not be written
};

class CClassFileGeneration {
public:
    CClassFileGeneration(CWinApp &app, const CString &strWorkFolder);
    // Lets tests give the include guards fixed GUIDs.
    void SetGuidSource(CCodeGenerator::GuidSource guidSource) { m_guidSource = std::move(guidSource); }

    ClassGenerationResult Generate(ClassKind kind, const GeneratedClassNames &names);

private:
    void ReportWriteFailure(const CString &strPath) const;

    CWinApp &m_app;
    CString m_strWorkFolder;
    CCodeGenerator::GuidSource m_guidSource;
};

// Shows the class-name message of the class dialogs.
void ShowBadClassNameMessage();
