#include "kilnsmith/wizard/ClassNamePrompt.h"

#include "kilnsmith/wizard/ClassDialogs.h"

namespace {

BOOL PromptNewClass(GeneratedClassNames &names, CWnd *pParentWnd)
{
    CNewClassDlg dialog(pParentWnd);
    dialog.m_strClassName = names.strClass;
    dialog.m_strDescription = names.strDescription;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    names = GeneratedClassNames(dialog.m_strClassName, dialog.m_strDescription);
    return TRUE;
}

BOOL PromptViewClass(GeneratedClassNames &names, CWnd *pParentWnd)
{
    CViewClassDlg dialog(pParentWnd);
    dialog.m_strClassName = names.strClass;
    dialog.m_strDocumentClass = names.strDocument;
    dialog.m_strDescription = names.strDescription;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    names = GeneratedClassNames(dialog.m_strClassName, dialog.m_strDescription, dialog.m_strDocumentClass);
    return TRUE;
}

BOOL PromptNormalClass(GeneratedClassNames &names, CWnd *pParentWnd)
{
    CNormalClassDlg dialog(pParentWnd);
    dialog.m_strClassName = names.strClass;
    dialog.m_strBaseClass = names.strBaseClass;
    dialog.m_strDescription = names.strDescription;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    names = GeneratedClassNames(dialog.m_strClassName, dialog.m_strDescription, CString(), dialog.m_strBaseClass);
    return TRUE;
}

} // namespace

GeneratedClassNames GetDefaultClassNames(const WizardCommand &command)
{
    const CString other = command.pszOtherName ? command.pszOtherName : "";
    switch (command.dialog) {
    case ClassDialogKind::ViewClass: return GeneratedClassNames(command.pszClassName, command.pszDescription, other);
    case ClassDialogKind::NormalClass:
        return GeneratedClassNames(command.pszClassName, command.pszDescription, CString(), other);
    case ClassDialogKind::NewClass: break;
    }
    return GeneratedClassNames(command.pszClassName, command.pszDescription);
}

BOOL PromptForClassNames(const WizardCommand &command, GeneratedClassNames &names, CWnd *pParentWnd)
{
    switch (command.dialog) {
    case ClassDialogKind::ViewClass: return PromptViewClass(names, pParentWnd);
    case ClassDialogKind::NormalClass: return PromptNormalClass(names, pParentWnd);
    case ClassDialogKind::NewClass: break;
    }
    return PromptNewClass(names, pParentWnd);
}
