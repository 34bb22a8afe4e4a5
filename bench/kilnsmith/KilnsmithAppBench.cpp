// Kilnsmith's two user-facing waits: the program's start up to its frame
// painted with the empty "C" document, and a wizard command from the class
// dialog's OK to the new source document painted.  Offscreen, with a
// profile and a work folder of their own.
#include "kilnsmith/wizard/ClassFileGeneration.h"
#include "kilnsmith/app/MDIApp.h"

#include "framework/app/MDIFrameWnd.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A home and a configuration folder of the benchmark's own, with the
// welcome box already seen (it would wait for the user).
class BenchmarkHome {
public:
    BenchmarkHome()
    {
        m_root = fs::temp_directory_path() / ("kilnsmith-bench-" + std::to_string(::getpid()));
        fs::create_directories(m_root / "config" / "kilnsmith");
        fs::create_directories(m_root / "run");
        fs::permissions(m_root / "run", fs::perms::owner_all);
        std::ofstream(m_root / "config" / "kilnsmith" / "kilnsmith.ini") << "[]\nFirst tyne=dword:00000000\n";
        ::setenv("HOME", m_root.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (m_root / "config").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (m_root / "run").c_str(), 1);
    }
    ~BenchmarkHome() { fs::remove_all(m_root); }

private:
    fs::path m_root;
};

CMDIApp *StartProgram()
{
    static char szProgram[] = "kilnsmith";
    static char *argv[] = {szProgram, nullptr};
    auto *pApp = new CMDIApp;
    pApp->__argc = 1;
    pApp->__argv = argv;
    pApp->SetProgramPaths(szProgram);
    if (!pApp->InitApplication() || !pApp->InitInstance()) {
        delete pApp;
        return nullptr;
    }
    return pApp;
}

void EndProgram(CMDIApp *pApp)
{
    if (pApp->m_pMainWnd != nullptr)
        pApp->m_pMainWnd->DestroyWindow();
    pApp->CloseAllDocuments(TRUE);
    pApp->ExitInstance();
    delete pApp;
    MSG msg{};
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        ;
}

// Paints every window of the frame that waits for it, as the loop would.
void PaintNow(CWnd *pFrame)
{
    ::RedrawWindow(pFrame->GetSafeHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void BM_StartToFramePainted(benchmark::State &state)
{
    BenchmarkHome home;
    for (auto _ : state) {
        CMDIApp *pApp = StartProgram();
        if (pApp == nullptr) {
            state.SkipWithError("the program did not start");
            return;
        }
        PaintNow(pApp->m_pMainWnd);
        state.PauseTiming();
        EndProgram(pApp);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFramePainted)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_WizardOkToSourcePainted(benchmark::State &state)
{
    BenchmarkHome home;
    CMDIApp *pApp = StartProgram();
    if (pApp == nullptr) {
        state.SkipWithError("the program did not start");
        return;
    }
    const GeneratedClassNames names("CMyNewProperties", "Properties");
    for (auto _ : state) {
        // Generating the class again first closes its two open documents.
        CClassFileGeneration(*pApp, pApp->GetWorkFolder()).Generate(ClassKind::PropertySet, names);
        PaintNow(pApp->m_pMainWnd);
    }
    EndProgram(pApp);
}
BENCHMARK(BM_WizardOkToSourcePainted)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace
