// Find Next and Replace All through the editor controller on the 100 MB
// source file, each timed with its reference on the same bytes: PCRE2 with
// its JIT, compiled with the options the editor's engine uses, scanning the
// text (Find Next) or substituting globally into one output buffer
// (Replace All).
#include "EditorBenchSource.h"

#include "editor/controller/SECEditController.h"
#include "editor/text/SECEditFindState.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/view/ISECViewport.h"

#include "framework/object/Exceptions.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

namespace {

class FixedViewport : public ISECViewport {
public:
    CPoint GetOrigin() override { return m_origin; }
    CSize GetSize() override { return CSize(800, 600); }
    CPoint GetVirtualOrigin() override { return CPoint(0, 0); }
    CSize GetDocumentSize() override { return CSize(100000, 100000000); }
    CPoint SetOrigin(int x, int y) override
    {
        const CPoint old = m_origin;
        m_origin = CPoint(x < 0 ? 0 : x, y < 0 ? 0 : y);
        return old;
    }
    void DPtoLP(LPPOINT p, int n) override
    {
        for (int i = 0; i < n; ++i)
            p[i].x += m_origin.x, p[i].y += m_origin.y;
    }
    void LPtoDP(LPPOINT p, int n) override
    {
        for (int i = 0; i < n; ++i)
            p[i].x -= m_origin.x, p[i].y -= m_origin.y;
    }
    void UpdateScrollBars() override {}

private:
    CPoint m_origin{0, 0};
};

std::string g_lastMessage;

int RecordMessage(LPCTSTR text, UINT, UINT)
{
    g_lastMessage = text ? text : "";
    return IDOK;
}

// One editor pane over the opened file.
struct Editor {
    SECEditTextBuffer buffer;
    FixedViewport viewport;
    CWnd host;
    SECEditController controller;
    std::string bytes; // the file's bytes, for the references

    Editor()
    {
        OpenSource(buffer);
        bytes = buffer.GetAllText().Str();
        buffer.Attach(controller.GetBufferObserver());
        if (!host.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP, CRect(0, 0, 800, 600), nullptr, 0))
            std::abort();
        controller.GetEventListener().SetBuffer(&buffer);
        controller.Initialize(&host, &viewport);
        AfxSetMessageBoxHandler(&RecordMessage);
    }
    ~Editor()
    {
        buffer.Detach(controller.GetBufferObserver());
        controller.UnPlug();
        host.DestroyWindow();
    }
};

Editor &TheEditor()
{
    static Editor editor;
    return editor;
}

pcre2_code *Compile(const char *pattern)
{
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_compile_context *context = pcre2_compile_context_create(nullptr);
    pcre2_set_newline(context, PCRE2_NEWLINE_ANYCRLF);
    pcre2_code *code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern), PCRE2_ZERO_TERMINATED,
                                     PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_DOLLAR_ENDONLY | PCRE2_ALT_BSUX |
                                         PCRE2_ALLOW_EMPTY_CLASS | PCRE2_NEVER_BACKSLASH_C | PCRE2_MATCH_UNSET_BACKREF,
                                     &error, &offset, context);
    pcre2_compile_context_free(context);
    if (!code || pcre2_jit_compile(code, PCRE2_JIT_COMPLETE) != 0)
        std::abort();
    return code;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Processor time of the process, for a machine shared with other work
// (where wall time measures the others as well).
double CpuSeconds(std::clock_t since)
{
    return static_cast<double>(std::clock() - since) / CLOCKS_PER_SEC;
}

// The raw global substitution, as a caller that wants the new text would
// run it: the output buffer is allocated here (twice the text, not cleared)
// and written by the engine, so the reference pays for fresh memory as the
// editor does for its new blocks.  The count of replacements.
long RawSubstitute(pcre2_code *code, const std::string &text, const char *replacement, std::unique_ptr<char[]> &out)
{
    PCRE2_SIZE length = text.size() * 2;
    out.reset(new char[length]);
    pcre2_match_data *data = pcre2_match_data_create_from_pattern(code, nullptr);
    const int count =
        pcre2_substitute(code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, PCRE2_SUBSTITUTE_GLOBAL, data,
                         nullptr, reinterpret_cast<PCRE2_SPTR>(replacement), PCRE2_ZERO_TERMINATED,
                         reinterpret_cast<PCRE2_UCHAR *>(out.get()), &length);
    pcre2_match_data_free(data);
    return count;
}

// Replace All of the pattern from the top of the document, undone (untimed)
// after each run, against pcre2_substitute over the same bytes.
void BM_ReplaceAll(benchmark::State &state, const char *pattern, const char *replacement)
{
    Editor &editor = TheEditor();
    SECEditFindState &find = SECEditGetFindState();
    pcre2_code *code = Compile(pattern);
    std::unique_ptr<char[]> out;
    double ours = 0, reference = 0, oursCpu = 0, referenceCpu = 0;
    long count = 0;
    for (auto _ : state) {
        editor.controller.ClearSelection(FALSE);
        editor.controller.MoveCaretTo(0, 0, FALSE);
        SECEditFindRequest request;
        request.m_nAction = SECEditFindRequest::replaceAll;
        request.m_strFindText = pattern;
        request.m_strReplaceText = replacement;
        request.m_bRegularExpression = TRUE;
        request.m_bMatchCase = TRUE;
        auto start = std::chrono::steady_clock::now();
        std::clock_t cpuStart = std::clock();
        if (!editor.controller.OnFindRequest(request))
            state.SkipWithError(g_lastMessage.c_str());
        ours += Seconds(start);
        oursCpu += CpuSeconds(cpuStart);
        start = std::chrono::steady_clock::now();
        cpuStart = std::clock();
        count = RawSubstitute(code, editor.bytes, replacement, out);
        reference += Seconds(start);
        referenceCpu += CpuSeconds(cpuStart);
        state.PauseTiming();
        out.reset();
        editor.buffer.Undo();
        state.ResumeTiming();
    }
    (void)find;
    pcre2_code_free(code);
    const double n = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = 1000 * ours / n;
    state.counters["pcre2_ms"] = 1000 * reference / n;
    state.counters["ratio"] = ours / reference;
    state.counters["cpu_ratio"] = oursCpu / referenceCpu;
    state.counters["matches"] = static_cast<double>(count);
    state.SetLabel(g_lastMessage);
}
BENCHMARK_CAPTURE(BM_ReplaceAll, sparse, "compute(\\d*[369]00)\\(", "calc$1(")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ReplaceAll, dense, "\\n( *)(\\S?)", "\n$2$1")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

// Find Next from the top of a pattern whose only match is the last function
// of the file, against one PCRE2 match call over the same bytes.
void BM_FindNextAtEnd(benchmark::State &state)
{
    Editor &editor = TheEditor();
    const size_t last = editor.bytes.rfind("int compute");
    const size_t end = editor.bytes.find('(', last);
    const std::string pattern = editor.bytes.substr(last + 4, end - last - 4) + "\\(int";
    pcre2_code *code = Compile(pattern.c_str());
    pcre2_match_data *data = pcre2_match_data_create_from_pattern(code, nullptr);
    double ours = 0, reference = 0;
    for (auto _ : state) {
        editor.controller.ClearSelection(FALSE);
        editor.controller.MoveCaretTo(0, 0, FALSE);
        SECEditFindRequest request;
        request.m_nAction = SECEditFindRequest::findNext;
        request.m_strFindText = pattern.c_str();
        request.m_bRegularExpression = TRUE;
        request.m_bMatchCase = TRUE;
        request.m_bFindOnly = TRUE;
        auto start = std::chrono::steady_clock::now();
        if (!editor.controller.OnFindRequest(request))
            state.SkipWithError("not found");
        ours += Seconds(start);
        start = std::chrono::steady_clock::now();
        const int found = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(editor.bytes.data()), editor.bytes.size(), 0,
                                      0, data, nullptr);
        reference += Seconds(start);
        if (found < 0 || pcre2_get_ovector_pointer(data)[0] != last + 4)
            state.SkipWithError("the reference found something else");
    }
    pcre2_match_data_free(data);
    pcre2_code_free(code);
    const double n = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = 1000 * ours / n;
    state.counters["pcre2_ms"] = 1000 * reference / n;
    state.counters["ratio"] = ours / reference;
    state.counters["line"] = editor.controller.GetCaretLine();
}
BENCHMARK(BM_FindNextAtEnd)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace
