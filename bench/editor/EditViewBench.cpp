// The editor view over the 100 MB source file, coloured, in a 1280 x 960
// view of a frame on the offscreen platform: from the start of Open to the
// end of the first paint, the memory held after opening and after scrolling
// to the end with every line coloured, and keystrokes (a character, Return,
// a Backspace that joins two lines) at random places of the whole file,
// each timed from the message to the end of the paint that shows it.
#include "editor/controller/SECEditCommandIds.h"
#include "editor/controller/SECEditController.h"
#include "editor/lang/SECEditColorGroup.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditTag.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/view/SECEditView.h"

#include "framework/window/MessageApi.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <algorithm>
#include <ctime>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr size_t kFileBytes = 100u * 1024u * 1024u;
constexpr int kWidth = 1280;
constexpr int kHeight = 960;

// The text buffer benchmark's file: C++ source with comments over several
// lines, strings with escapes and now and then a 6,000-column line.
std::string MakeSource()
{
    std::string s;
    s.reserve(kFileBytes + 8192);
    for (int i = 0; s.size() < kFileBytes; ++i) {
        const std::string n = std::to_string(i);
        if (i % 10 == 0) {
            s.append("/**\n * Computes the value number ").append(n);
            s.append(".\n * @param alpha the first input\n */\n");
        }
        s.append("int compute").append(n).append("(int alpha, const char *name) // entry ").append(n);
        s.append("\n{\n");
        s.append("    /* running total */ int total = alpha * 3 + 0x1F; // not /* a comment\n");
        s.append("    const char *text = \"quote \\\" and slash \\\\ and /* no comment */\";\n");
        s.append("    if (total > 42 && name[0] == '\\'')\n        return total - ").append(n).append(";\n");
        if (i % 500 == 0)
            s.append("    static const int table[] = {").append(6000, '1').append("};\n");
        s.append("    return 0;\n}\n\n");
    }
    return s;
}

const std::string &SourcePath()
{
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "plexo-bench-editor-100MB.cpp").string();
        std::error_code error;
        const auto size = std::filesystem::file_size(p, error);
        if (error || size < kFileBytes) {
            std::ofstream out(p, std::ios::binary);
            const std::string text = MakeSource();
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
        }
        return p;
    }();
    return path;
}

double ResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
        std::getline(status, key);
    }
    return 0;
}

SECEditLangConfig *Language()
{
    static SECEditLangConfig *pConfig = [] {
        auto *p = new SECEditLangConfig;
        p->SetDefaults();
        auto group = [p](LPCTSTR name) {
            auto *pGroup = new SECEditColorGroup;
            pGroup->m_strDisplayName = name;
            pGroup->m_crForeground = RGB(0, 0, 200);
            return p->SetColorGroup(name, pGroup);
        };
        auto tag = [p](LPCTSTR begin, LPCTSTR end, LPCTSTR escape, WORD g, BOOL multiLine) {
            auto *pTag = new SECEditTag;
            pTag->m_strBeginTag = begin;
            pTag->m_strEndTag = end;
            pTag->m_strEscapeChar = escape;
            pTag->m_wColorGroup = g;
            pTag->m_bMultiLine = multiLine;
            p->AddTag(pTag);
        };
        const WORD comment = group("Comment"), keyword = group("Keyword"), string = group("String");
        const char operators[] = "+-*/%=<>!&|^~?:";
        const char delimiters[] = ",;.()[]{}+-*/%=<>!&|^~?:'\"\\";
        p->AddCharacters(SECEDIT_OPERATORS, operators, static_cast<int>(std::strlen(operators)));
        p->AddCharacters(SECEDIT_DELIMITERS, delimiters, static_cast<int>(std::strlen(delimiters)));
        tag("//", "", "", comment, FALSE);
        tag("\"", "\"", "\\", string, FALSE);
        tag("'", "'", "\\", string, FALSE);
        tag("/*", "*/", "", comment, TRUE);
        for (const char *word : {"int", "const", "char", "if", "return", "static", "void", "while", "for"})
            p->GetKeywordMap().SetAt(word, keyword);
        return p;
    }();
    return pConfig;
}

class CBenchView : public SECEditView {
public:
    SECEditTextBuffer *m_pBuffer = nullptr;
    SECEditTextBuffer *GetTextBuffer() override { return m_pBuffer; }
};

void Pump()
{
    QCoreApplication::processEvents();
    PlexoDrainMessages();
}

// A frame window holding one view over the buffer.
struct Screen {
    CWnd frame;
    CBenchView *view = nullptr;
    explicit Screen(SECEditTextBuffer *pBuffer)
    {
        frame.CreateEx(0, AfxRegisterWndClass(0), "Editor", WS_POPUP | WS_VISIBLE, CRect(0, 0, kWidth, kHeight),
                       nullptr, 0);
        view = new CBenchView;
        view->m_pBuffer = pBuffer;
        view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &frame, 1);
        view->OnInitialUpdate();
    }
    ~Screen() { frame.DestroyWindow(); }
};

using Clock = std::chrono::steady_clock;

// Profiling of the timed part alone: with PLEXO_PERF_CTL_FIFO and
// PLEXO_PERF_ACK_FIFO naming the fifos of `perf record --control
// fifo:ctl,ack -D -1`, the keystroke benchmark switches the recording on
// around each keystroke and off again.
class PerfSwitch {
public:
    PerfSwitch()
    {
        const char *ctl = std::getenv("PLEXO_PERF_CTL_FIFO");
        const char *ack = std::getenv("PLEXO_PERF_ACK_FIFO");
        if (ctl && ack) {
            m_ctl.open(ctl);
            m_ack.open(ack);
        }
    }
    void Enable() { Send("enable"); }
    void Disable() { Send("disable"); }

private:
    void Send(const char *command)
    {
        if (!m_ctl.is_open() || !m_ack.is_open())
            return;
        m_ctl << command << std::endl;
        std::string answer;
        std::getline(m_ack, answer, '\0');
    }
    std::ofstream m_ctl;
    std::ifstream m_ack;
};

double Milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void BM_OpenToFirstPaint(benchmark::State &state)
{
    SourcePath();
    Pump();
    const double before = ResidentMegabytes();
    double afterOpen = 0, afterEnd = 0;
    for (auto _ : state) {
        auto buffer = std::make_unique<SECEditTextBuffer>();
        buffer->SetLangConfig(Language());
        if (!buffer->Open(SourcePath().c_str()))
            std::abort();
        {
            Screen screen(buffer.get());
            screen.view->UpdateWindow(); // the end of the first paint
            state.PauseTiming();
            afterOpen = ResidentMegabytes();
            // To the end, every line coloured on the way.
            screen.view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
            screen.view->GetVisualPart().ScrollStep(SB_VERT, buffer->GetLineCount());
            screen.view->UpdateWindow();
            for (int line = 0; line < buffer->GetLineCount(); ++line)
                benchmark::DoNotOptimize(buffer->GetLineColors(line));
            afterEnd = ResidentMegabytes();
            state.ResumeTiming();
        }
        state.PauseTiming();
        buffer.reset();
        Pump();
        state.ResumeTiming();
    }
    const double fileMB = static_cast<double>(kFileBytes) / (1024.0 * 1024.0);
    state.counters["rss_added_open_x"] = (afterOpen - before) / fileMB;
    state.counters["rss_added_end_x"] = (afterEnd - before) / fileMB;
}
// One iteration: the memory figures are those of a fresh process.
BENCHMARK(BM_OpenToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(1);

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

// range(0): 0 a character, 1 Return, 2 a Backspace at a line's start.
void BM_KeystrokeToPaint(benchmark::State &state)
{
    const int kind = static_cast<int>(state.range(0));
    auto buffer = std::make_unique<SECEditTextBuffer>();
    buffer->SetLangConfig(Language());
    if (!buffer->Open(SourcePath().c_str()))
        std::abort();
    Screen screen(buffer.get());
    CBenchView *view = screen.view;
    view->SetFocus();
    Pump();
    view->UpdateWindow();
    SECEditController *pController = view->GetController();
    std::mt19937 random(7);
    std::vector<double> all, lastMB, firstMB, cpu;
    const int lines = buffer->GetLineCount();
    // The lines of the last megabyte: about 1 % of the file's.
    const int lastMBLine = lines - lines / 100;
    PerfSwitch perf;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            state.PauseTiming();
            const bool bEnd = i % 10 == 0;
            const int line =
                bEnd ? lastMBLine + static_cast<int>(random() % static_cast<unsigned>(lines - lastMBLine - 1))
                     : static_cast<int>(random() % static_cast<unsigned>(lines - 2)) + 1;
            const int length = buffer->GetLineTextLength(line);
            const int column =
                kind == 2 ? 0 : (length > 0 ? static_cast<int>(random() % static_cast<unsigned>(length + 1)) : 0);
            // The view shows the place before the key.
            const int top = view->GetVisualPart().GetTopLine();
            view->GetVisualPart().ScrollStep(SB_VERT, std::max(0, line - 10) - top);
            pController->MoveCaretTo(line, column, FALSE);
            view->UpdateWindow();
            Pump();
            state.ResumeTiming();
            perf.Enable();
            const auto start = Clock::now();
            const std::clock_t cpuStart = std::clock();
            if (kind == 0)
                view->SendMessage(WM_CHAR, 'x', 1);
            else
                view->SendMessage(WM_COMMAND, kind == 1 ? ID_SECEDIT_RETURN : ID_SECEDIT_BACKSPACE, 0);
            view->UpdateWindow();
            const double ms = Milliseconds(Clock::now() - start);
            perf.Disable();
            // Processor time too: on a shared machine the wall time also
            // counts the waits for a processor.
            cpu.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
            all.push_back(ms);
            (bEnd ? lastMB : firstMB).push_back(ms);
        }
    }
    state.counters["p50_ms"] = Percentile(all, 0.5);
    state.counters["p99_ms"] = Percentile(all, 0.99);
    state.counters["max_ms"] = Percentile(all, 1.0);
    state.counters["lastMB_p99_ms"] = Percentile(lastMB, 0.99);
    state.counters["rest_p99_ms"] = Percentile(firstMB, 0.99);
    state.counters["cpu_p50_ms"] = Percentile(cpu, 0.5);
    state.counters["cpu_p99_ms"] = Percentile(cpu, 0.99);
}
BENCHMARK(BM_KeystrokeToPaint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
