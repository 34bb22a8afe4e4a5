// The bars sample as a program: a frame with two toolbars, a dialog bar and
// a status bar around a view that prints and previews numbered pages.
#include "BarsSample.h"

#include <QApplication>

class CBarsSampleApp : public CWinApp {
public:
    CBarsSampleApp() : CWinApp("Bars Sample") {}
    BOOL InitInstance() override
    {
        RegisterSampleResources();
        AddDocTemplate(new CSingleDocTemplate(IDR_SAMPLE, RUNTIME_CLASS(CScribbleDoc), RUNTIME_CLASS(CSampleFrame),
                                              RUNTIME_CLASS(CPagesView)));
        OnFileNew();
        if (m_pMainWnd == nullptr)
            return FALSE;
        m_pMainWnd->ShowWindow(SW_SHOW);
        // "preview" on the command line opens the print preview at once.
        for (int i = 1; i < __argc; ++i)
            if (std::string(__argv[i]) == "preview")
                m_pMainWnd->PostMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
        return TRUE;
    }
};

CBarsSampleApp theApp;

int main(int argc, char **argv)
{
    QApplication qtApp(argc, argv);
    return AfxWinMain(argc, argv);
}
