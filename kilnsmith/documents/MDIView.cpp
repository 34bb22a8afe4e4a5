#include "kilnsmith/documents/MDIView.h"

#include "kilnsmith/documents/MDIDoc.h"
#include "kilnsmith/documents/MDIEditController.h"

#include "editor/controller/SECEditFindDialog.h"
#include "editor/langdialogs/SECEditFontColorDlg.h"

#include "framework/app/AppIds.h"
#include "framework/resources/ResourceTypes.h"
#include "framework/window/CursorApi.h"

IMPLEMENT_DYNCREATE(CMDIView, SECEditView)

BEGIN_MESSAGE_MAP(CMDIView, SECEditView)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

namespace {

// The editor's Find, Replace and Font and Color Settings commands run their
// dialogs through runners that the dialogs' code installs; a program with
// source views installs them once.
void InstallEditorDialogs()
{
    static const bool installed = [] {
        if (!SECEditController::GetFindDialogRunner())
            SECEditInstallFindDialog();
        SECEditInstallFontColorDialog();
        return true;
    }();
    (void)installed;
}

} // namespace

CMDIView::CMDIView()
{
    InstallEditorDialogs();
}
CMDIView::~CMDIView() = default;

CMDIDoc *CMDIView::GetDocument() const
{
    return dynamic_cast<CMDIDoc *>(m_pDocument);
}

SECEditTextBuffer *CMDIView::GetTextBuffer()
{
    CMDIDoc *document = GetDocument();
    return document ? &document->GetBuffer() : nullptr;
}

BOOL CMDIView::PreCreateWindow(CREATESTRUCT &cs)
{
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_IBEAM), nullptr, nullptr);
    return SECEditView::PreCreateWindow(cs);
}

SECEditController *CMDIView::NewController()
{
    return new CMDIEditController;
}
