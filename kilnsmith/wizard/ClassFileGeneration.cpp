#include "kilnsmith/wizard/ClassFileGeneration.h"

#include "kilnsmith/wizard/KilnsmithAppIds.h"
#include "kilnsmith/wizard/WriteFailureReason.h"

#include "framework/app/MessageBoxes.h"
#include "framework/app/WinApp.h"
#include "framework/window/MessageBoxApi.h"

void ShowBadClassNameMessage()
{
    AfxMessageBox(IDS_BAD_CLASS_NAME, MB_ICONINFORMATION);
}

CClassFileGeneration::CClassFileGeneration(CWinApp &app, const CString &strWorkFolder)
    : m_app(app), m_strWorkFolder(strWorkFolder), m_guidSource(CoCreateGuid)
{
}

ClassGenerationResult CClassFileGeneration::Generate(ClassKind kind, const GeneratedClassNames &names)
{
    if (!CCodeGenerator::AcceptsNames(kind, names)) {
        ShowBadClassNameMessage();
        return ClassGenerationResult::RefusedName;
    }
    CCodeGenerator generator(m_strWorkFolder, m_guidSource);
    const CString strHeader = generator.GetHeaderFilePath(names.strClass);
    const CString strSource = generator.GetSourceFilePath(names.strClass);

    const BOOL bHeaderWritten = generator.WriteHeader(kind, names);
    if (!bHeaderWritten)
        ReportWriteFailure(strHeader);
    const BOOL bSourceWritten = generator.WriteSource(kind, names);
    if (!bSourceWritten)
        ReportWriteFailure(strSource);

    // A file that is open already is not reopened: its window comes forward
    // and keeps what it shows, unsaved edits included.
    if (bHeaderWritten)
        m_app.OpenDocumentFile(strHeader);
    if (bSourceWritten)
        m_app.OpenDocumentFile(strSource);
    return bHeaderWritten && bSourceWritten ? ClassGenerationResult::Opened : ClassGenerationResult::WriteFailed;
}

void CClassFileGeneration::ReportWriteFailure(const CString &strPath) const
{
    CString strReason;
    strReason.LoadString(FindWriteFailureReason(strPath));
    CString strFormat;
    strFormat.LoadString(IDS_WRITE_FAILED);
    CString strMessage;
    strMessage.FormatMessage(strFormat, strPath.GetString(), strReason.GetString());
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
}
