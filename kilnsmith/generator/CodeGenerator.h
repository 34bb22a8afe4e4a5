// CCodeGenerator: the class wizard's code generator.  For each kind of
// library class it has a header writer and a source writer that write the
// kind's templates, filled in with the typed names, into the output folder:
// stem + ".h" and stem + ".cpp", the stem being the class name without its
// first character.  The header is enclosed in an include guard whose name
// carries a fresh GUID on every write.
//
// Every writer reports whether it wrote its file.  A class name that would
// name a file outside the folder (see IsSafeClassName) or a further name
// that is not a C++ identifier is refused, and then nothing is written.
//
// It is a serializable object (run-time class "CCodeGenerator", schema 0)
// with the by-name file operations of the library's persistent classes; it
// has no record of its own, so they write and read an empty archive.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/Guid.h"
#include "framework/object/Exceptions.h"
#include "framework/object/File.h"
#include "framework/object/Object.h"
#include "kilnsmith/generator/ClassKinds.h"

#include <functional>
#include <string>

// What the user typed for one class.
struct GeneratedClassNames {
    GeneratedClassNames(const CString &strClassName, const CString &strDescriptionText,
                        const CString &strDocumentClass = CString(), const CString &strBaseClassName = CString())
        : strClass(strClassName), strDescription(strDescriptionText), strDocument(strDocumentClass),
          strBaseClass(strBaseClassName)
    {
    }

    CString strClass;
    CString strDescription;
    CString strDocument;  // views: the document class
    CString strBaseClass; // plain class: its base class
};

class CCodeGenerator : public CObject {
    DECLARE_SERIAL(CCodeGenerator)
public:
    // Fills in a GUID and returns a result code, as CoCreateGuid does.
    typedef std::function<HRESULT(GUID *)> GuidSource;

    // Writes into the current directory, with the system's GUIDs.
    CCodeGenerator();
    // strOutputFolder: the folder that receives the files (it must exist).
    explicit CCodeGenerator(const CString &strOutputFolder, GuidSource guidSource = CoCreateGuid);
    ~CCodeGenerator() override = default;

    // Writes this object alone to the file / reads it back: TRUE on success,
    // FALSE when the file cannot be opened or the archive fails.
    virtual BOOL SaveDocument(LPCTSTR lpszPathName);
    virtual BOOL OpenDocument(LPCTSTR lpszPathName);
    // Closes (or, with bAbort, abandons) a file from GetFile and deletes it.
    virtual void ReleaseFile(CFile *pFile, BOOL bAbort);
    // A new CMirrorFile opened with the flags, or NULL when it cannot be.
    CFile *GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError);

    const CString &GetOutputFolder() const { return m_strOutputFolder; }

    // TRUE when the writers accept the names for the kind: a class name that
    // names a file inside the folder (IsSafeClassName) and, for the kinds
    // that take one, a document or base class that is a C++ identifier.
    static BOOL AcceptsNames(ClassKind kind, const GeneratedClassNames &names);

    // The paths that the writers write for a class name.
    CString GetHeaderFilePath(const CString &strClass) const;
    CString GetSourceFilePath(const CString &strClass) const;

    // The GUID part of an include-guard name, or an empty string when the
    // GUID source leaves the GUID all zeros.
    CString CreateGuardSuffix();

    // The writers of every kind, by kind.
    BOOL WriteHeader(ClassKind kind, const GeneratedClassNames &names);
    BOOL WriteSource(ClassKind kind, const GeneratedClassNames &names);

    // Drawing component (CQYDrawComponent) and ports component
    // (CQYDrawPortsComponent).
    BOOL WriteDrawComponentHeader(CString strClass, CString strDescription);
    BOOL WriteDrawComponentSource(CString strClass, CString strDescription);
    BOOL WritePortsComponentHeader(CString strClass, CString strDescription);
    BOOL WritePortsComponentSource(CString strClass, CString strDescription);

    // Property set (CQYBaseProperties).
    BOOL WritePropertySetHeader(CString strClass, CString strDescription);
    BOOL WritePropertySetSource(CString strClass, CString strDescription);

    // Data models: single (CQYDataModel), sub-form (CQYSubFormModel) and
    // multi-page (CQYMultiPageModel).
    BOOL WriteDataModelHeader(CString strClass, CString strDescription);
    BOOL WriteDataModelSource(CString strClass, CString strDescription);
    BOOL WriteSubFormModelHeader(CString strClass, CString strDescription);
    BOOL WriteSubFormModelSource(CString strClass, CString strDescription);
    BOOL WriteMultiPageModelHeader(CString strClass, CString strDescription);
    BOOL WriteMultiPageModelSource(CString strClass, CString strDescription);

    // Commands: on one component and on a list (CQYCommand), and a macro
    // command (CQYCommandMacro).
    BOOL WriteSingleCommandHeader(CString strClass, CString strDescription);
    BOOL WriteSingleCommandSource(CString strClass, CString strDescription);
    BOOL WriteListCommandHeader(CString strClass, CString strDescription);
    BOOL WriteListCommandSource(CString strClass, CString strDescription);
    BOOL WriteMacroCommandHeader(CString strClass, CString strDescription);
    BOOL WriteMacroCommandSource(CString strClass, CString strDescription);

    // Documents: on CQYDoc, and on CDocument holding a multi-page model.
    BOOL WriteDocumentHeader(CString strClass, CString strDescription);
    BOOL WriteDocumentSource(CString strClass, CString strDescription);
    BOOL WriteMultiPageDocumentHeader(CString strClass, CString strDescription);
    BOOL WriteMultiPageDocumentSource(CString strClass, CString strDescription);

    // Views on CQYBaseView and on CQYContentView, for a document class that
    // must be a C++ identifier.
    BOOL WriteBaseViewHeader(CString strClass, CString strDocument, CString strDescription);
    BOOL WriteBaseViewSource(CString strClass, CString strDocument, CString strDescription);
    BOOL WriteContentViewHeader(CString strClass, CString strDocument, CString strDescription);
    BOOL WriteContentViewSource(CString strClass, CString strDocument, CString strDescription);

    // Line end (CQYBaseEndObject), hyperlink component (CQYHyLinkComponent)
    // and toolbox item (CQYToolBoxItem).
    BOOL WriteLineEndHeader(CString strClass, CString strDescription);
    BOOL WriteLineEndSource(CString strClass, CString strDescription);
    BOOL WriteHyperlinkComponentHeader(CString strClass, CString strDescription);
    BOOL WriteHyperlinkComponentSource(CString strClass, CString strDescription);
    BOOL WriteToolBoxItemHeader(CString strClass, CString strDescription);
    BOOL WriteToolBoxItemSource(CString strClass, CString strDescription);

    // Plain class on a typed base class, which must be a C++ identifier.
    // The files are named after the class, not the base.
    BOOL WritePlainClassHeader(CString strBaseClass, CString strClass, CString strDescription);
    BOOL WritePlainClassSource(CString strBaseClass, CString strClass, CString strDescription);

private:
    BOOL RenderFile(const ClassKindInfo &info, const GeneratedClassNames &names, BOOL bHeader, std::string &text);

    CString m_strOutputFolder;
    GuidSource m_guidSource;
};
