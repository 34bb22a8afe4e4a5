// The editor view as a program: editor_view_sample [file] opens a source
// file coloured as C in a split document window of an MDI frame, to look
// at painting, scrolling, typing and split panes by hand.
#include "editor/langbuiltin/SECEditLangBuiltin.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditLangResourceReader.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/view/SECEditView.h"

#include "framework/app/AppIds.h"
#include "framework/app/CommandLineInfo.h"
#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/MDIFrameWnd.h"
#include "framework/app/SplitterWnd.h"
#include "framework/app/WinApp.h"
#include "framework/resources/Resources.h"

#include <QApplication>

#include <cstdlib>

namespace {

constexpr UINT kDocumentResource = 300;
constexpr UINT kFrameResource = 301;

SECEditLangConfig *SampleLanguage()
{
    static SECEditLangConfig *pConfig = [] {
        SECEditRegisterBuiltinLangConfig();
        auto *p = new SECEditLangConfig;
        p->SetDefaults();
        auto *pReader = new SECEditLangResourceReader(103);
        pReader->Read(p);
        pReader->Release();
        return p;
    }();
    return pConfig;
}

} // namespace

class CSampleDoc : public CDocument {
    DECLARE_DYNCREATE(CSampleDoc)
public:
    SECEditTextBuffer m_buffer;
    BOOL OnNewDocument() override
    {
        m_buffer.SetLangConfig(SampleLanguage());
        return CDocument::OnNewDocument();
    }
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override
    {
        m_buffer.SetLangConfig(SampleLanguage());
        return m_buffer.Open(lpszPathName);
    }
};
IMPLEMENT_DYNCREATE(CSampleDoc, CDocument)

class CSampleView : public SECEditView {
    DECLARE_DYNCREATE(CSampleView)
public:
    SECEditTextBuffer *GetTextBuffer() override
    {
        auto *pDoc = dynamic_cast<CSampleDoc *>(GetDocument());
        return pDoc ? &pDoc->m_buffer : nullptr;
    }
};
IMPLEMENT_DYNCREATE(CSampleView, SECEditView)

class CSampleChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CSampleChildFrame)
public:
    CSplitterWnd m_wndSplitter;
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext *pContext) override
    {
        return m_wndSplitter.Create(this, 2, 2, CSize(10, 10), pContext);
    }
};
IMPLEMENT_DYNCREATE(CSampleChildFrame, CMDIChildWnd)

class CSampleApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        static const RESOURCE_STRING strings[] = {
            {AFX_IDS_APP_TITLE, "Editor view"},
            {kFrameResource, "Editor view"},
            {kDocumentResource, "Source\nSource\nSource\nSource Files (*.cpp)\n.cpp\nSource.Document\nSource"},
        };
        static const RESOURCE_MENU_ITEM menu[] = {
            {MF_POPUP | MF_END, 0, "&File"},
            {MF_STRING, ID_FILE_NEW, "&New"},
            {MF_STRING, ID_FILE_OPEN, "&Open..."},
            {MF_STRING, ID_FILE_PRINT, "&Print..."},
            {MF_STRING, ID_FILE_PRINT_PREVIEW, "Print Pre&view"},
            {MF_STRING | MF_END, ID_APP_EXIT, "E&xit"},
        };
        PlexoRegisterStrings(strings, 3);
        PlexoRegisterMenu(kDocumentResource, menu, 6);
        PlexoRegisterMenu(kFrameResource, menu, 6);
        AddDocTemplate(new CMultiDocTemplate(kDocumentResource, RUNTIME_CLASS(CSampleDoc),
                                             RUNTIME_CLASS(CSampleChildFrame), RUNTIME_CLASS(CSampleView)));
        auto *pFrame = new CMDIFrameWnd;
        if (!pFrame->LoadFrame(kFrameResource))
            return FALSE;
        m_pMainWnd = pFrame;
        CCommandLineInfo cmdInfo;
        ParseCommandLine(cmdInfo);
        if (!ProcessShellCommand(cmdInfo))
            return FALSE;
        pFrame->ShowWindow(SW_SHOWMAXIMIZED);
        pFrame->UpdateWindow();
        if (auto *pChild = dynamic_cast<CMDIChildWnd *>(pFrame->MDIGetActive()))
            pChild->MDIMaximize();
        // EDITOR_SAMPLE_PREVIEW=1: opens the print preview at once.
        if (std::getenv("EDITOR_SAMPLE_PREVIEW"))
            pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
        return TRUE;
    }
};

CSampleApp theApp;

int main(int argc, char **argv)
{
    QApplication qtApp(argc, argv);
    return AfxWinMain(argc, argv);
}
