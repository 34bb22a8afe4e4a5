// Application-layer speed: opening and closing MDI documents (document,
// child frame with its view) and preparing a 60-item pop-up menu on
// WM_INITMENUPOPUP through the command routing.
#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/MDIFrameWnd.h"
#include "framework/app/ScrollView.h"
#include "framework/app/WinApp.h"
#include "framework/resources/Resources.h"
#include "framework/window/Menu.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kDocResource = 300;
constexpr UINT kFrameResource = 301;
constexpr UINT kFirstItem = 33000;
constexpr int kItems = 60;

class BenchDoc : public CDocument {
    DECLARE_DYNCREATE(BenchDoc)
};
IMPLEMENT_DYNCREATE(BenchDoc, CDocument)

class BenchView : public CScrollView {
    DECLARE_DYNCREATE(BenchView)
public:
    void OnInitialUpdate() override
    {
        SetScrollSizes(MM_TEXT, CSize(2000, 1500));
        CScrollView::OnInitialUpdate();
    }
    void OnDraw(CDC *) override {}
};
IMPLEMENT_DYNCREATE(BenchView, CScrollView)

// Handles every other item and checks every third, as a program's update
// handlers would.
class MenuTarget : public CWnd {
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override
    {
        if (nID < kFirstItem || nID >= kFirstItem + kItems)
            return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
        if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI) && pExtra != nullptr) {
            auto *pCmdUI = static_cast<CCmdUI *>(pExtra);
            pCmdUI->Enable((nID % 2) == 0);
            pCmdUI->SetCheck((nID % 3) == 0);
            return TRUE;
        }
        return FALSE;
    }
};

const RESOURCE_STRING g_strings[] = {
    {kDocResource, "Bench\nBench\nBench\n\n\nBench.Document\nBench Document"},
    {kFrameResource, "Bench"},
};
const RESOURCE_MENU_ITEM g_docMenu[] = {
    {MF_POPUP | MF_END, 0, "&Window"},
    {MF_STRING | MF_END, ID_WINDOW_CASCADE, "&Cascade"},
};
const RESOURCE_MENU_ITEM g_frameMenu[] = {
    {MF_POPUP | MF_END, 0, "&File"},
    {MF_STRING | MF_END, ID_APP_EXIT, "E&xit"},
};

void BM_OpenCloseMdiDocuments(benchmark::State &state)
{
    PlexoRegisterStrings(g_strings, 2);
    PlexoRegisterMenu(kDocResource, g_docMenu, 2);
    PlexoRegisterMenu(kFrameResource, g_frameMenu, 2);
    CWinApp app("Bench");
    app.InitApplication();
    auto *pTemplate = new CMultiDocTemplate(kDocResource, RUNTIME_CLASS(BenchDoc), RUNTIME_CLASS(CMDIChildWnd),
                                            RUNTIME_CLASS(BenchView));
    app.AddDocTemplate(pTemplate);
    auto *pFrame = new CMDIFrameWnd;
    pFrame->LoadFrame(kFrameResource);
    app.m_pMainWnd = pFrame;
    pFrame->ShowWindow(SW_SHOW);
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i)
            pTemplate->OpenDocumentFile(nullptr);
        pTemplate->CloseAllDocuments(FALSE);
    }
    state.SetItemsProcessed(state.iterations() * 100);
    pFrame->DestroyWindow();
}
BENCHMARK(BM_OpenCloseMdiDocuments)->Unit(benchmark::kMillisecond);

void BM_InitMenuPopup60Items(benchmark::State &state)
{
    MenuTarget target;
    target.CreateEx(0, nullptr, "Target", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr);
    CMenu popup;
    popup.CreatePopupMenu();
    for (int i = 0; i < kItems; ++i) {
        std::string text = "Item " + std::to_string(i) + "\tCtrl+" + std::to_string(i % 10);
        popup.AppendMenu(MF_STRING, kFirstItem + static_cast<UINT>(i), text.c_str());
    }
    for (auto _ : state)
        PlexoUpdateMenuCommandUI(&popup, &target, TRUE);
    // The updates must have reached the menu.
    if ((popup.GetMenuState(kFirstItem + 1, MF_BYCOMMAND) & MF_GRAYED) == 0 ||
        (popup.GetMenuState(kFirstItem + 3, MF_BYCOMMAND) & MF_CHECKED) == 0)
        state.SkipWithError("the menu was not updated");
    popup.DestroyMenu();
    target.DestroyWindow();
}
BENCHMARK(BM_InitMenuPopup60Items)->Unit(benchmark::kMicrosecond);

} // namespace
