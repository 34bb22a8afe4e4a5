// CMDIApp: the wizard commands, File Open and the splitter choice.
#include "kilnsmith/wizard/ClassFileGeneration.h"
#include "kilnsmith/wizard/ClassNamePrompt.h"
#include "kilnsmith/wizard/KilnsmithAppIds.h"
#include "kilnsmith/app/MDIApp.h"

#include "framework/app/MessageBoxes.h"
#include "framework/controls/FileDialog.h"
#include "framework/window/CmdTarget.h"
#include "framework/window/MessageBoxApi.h"

#include <vector>

namespace {

constexpr LPCTSTR kOpenFilter =
    "All Format (.cpp;.h...)|*.cpp;*.h;*.rc;*.rc2;*.txt;*.htm;*.java;*.hpp;*.c|All Files(*.*)|*.*||";
// The file-name buffer of File Open, which holds every chosen name.
constexpr DWORD kOpenBufferSize = 2048;

} // namespace

BEGIN_MESSAGE_MAP(CMDIApp, CWinApp)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_USE_SPLITTER, OnUseSplitter)
ON_UPDATE_COMMAND_UI(ID_USE_SPLITTER, OnUpdateUseSplitter)
ON_COMMAND_EX(ID_CREATE_SINGLE_COMMAND, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_LIST_COMMAND, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_MACRO_COMMAND, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_DRAW_COMPONENT, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_PORTS_COMPONENT, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_HYPERLINK_COMPONENT, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_PROPERTY_SET, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_DATA_MODEL, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_SUB_FORM_MODEL, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_MULTI_PAGE_MODEL, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_MULTI_PAGE_DOCUMENT, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_DOCUMENT, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_BASE_VIEW, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_CONTENT_VIEW, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_LINE_END, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_TOOLBOX_ITEM, OnCreateClass)
ON_COMMAND_EX(ID_CREATE_PLAIN_CLASS, OnCreateClass)
// These three keep an update handler of their own that leaves them enabled.
ON_UPDATE_COMMAND_UI(ID_CREATE_DRAW_COMPONENT, OnUpdateCreateClass)
ON_UPDATE_COMMAND_UI(ID_CREATE_MULTI_PAGE_MODEL, OnUpdateCreateClass)
ON_UPDATE_COMMAND_UI(ID_CREATE_LINE_END, OnUpdateCreateClass)
END_MESSAGE_MAP()

BOOL CMDIApp::OnCreateClass(UINT nID)
{
    const WizardCommand *pCommand = FindWizardCommand(nID);
    if (pCommand == nullptr)
        return FALSE;
    GeneratedClassNames names = GetDefaultClassNames(*pCommand);
    // A name the generator refuses brings the dialog back with what was
    // typed, as a refused name keeps the checked dialogs open.
    for (;;) {
        if (!PromptForClassNames(*pCommand, names, m_pMainWnd))
            return TRUE;
        if (CCodeGenerator::AcceptsNames(pCommand->kind, names))
            break;
        ShowBadClassNameMessage();
    }
    CClassFileGeneration(*this, m_strWorkFolder).Generate(pCommand->kind, names);
    return TRUE;
}

void CMDIApp::OnUpdateCreateClass(CCmdUI *) {}

void CMDIApp::OnFileOpen()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kOpenFilter, m_pMainWnd);
    std::vector<char> buffer(kOpenBufferSize, '\0');
    dialog.m_ofn.Flags |= OFN_ALLOWMULTISELECT;
    dialog.m_ofn.lpstrFile = buffer.data();
    dialog.m_ofn.nMaxFile = kOpenBufferSize;
    dialog.m_ofn.lpstrInitialDir = m_strWorkFolder;
    if (dialog.DoModal() != IDOK)
        return;
    POSITION pos = dialog.GetStartPosition();
    if (pos == nullptr) {
        // The names did not fit the buffer: nothing was handed back.
        AfxMessageBox(IDS_TOO_MANY_FILES, MB_ICONEXCLAMATION);
        return;
    }
    while (pos != nullptr)
        OpenDocumentFile(dialog.GetNextPathName(pos));
}

void CMDIApp::OnUseSplitter()
{
    m_documentSettings.m_bUseSplitter = !m_documentSettings.m_bUseSplitter;
}

void CMDIApp::OnUpdateUseSplitter(CCmdUI *pCmdUI)
{
    pCmdUI->SetCheck(m_documentSettings.m_bUseSplitter);
}
