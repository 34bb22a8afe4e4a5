// Find Next and Replace All through the editor controller on the 100 MB
// source file, each timed with its reference on the same bytes: PCRE2 with
// its JIT, compiled with the options the editor's engine uses, scanning the
// text (Find Next) or substituting globally into one output buffer
// (Replace All).
#include "EditorBenchSource.h"

#include "editor/controller/SECEditController.h"
#include "editor/text/SECEditFindState.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/controller/ISECViewport.h"

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

// The raw global substitution into out (room for `size` bytes): the count
// of replacements.
long SubstituteInto(pcre2_code *code, const std::string &text, const char *replacement, char *out, size_t size)
{
    PCRE2_SIZE length = size;
    pcre2_match_data *data = pcre2_match_data_create_from_pattern(code, nullptr);
    const int count =
        pcre2_substitute(code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, PCRE2_SUBSTITUTE_GLOBAL, data,
                         nullptr, reinterpret_cast<PCRE2_SPTR>(replacement), PCRE2_ZERO_TERMINATED,
                         reinterpret_cast<PCRE2_UCHAR *>(out), &length);
    pcre2_match_data_free(data);
    return count;
}

// The reference, as a caller that wants the new text would run it: the
// output buffer is allocated here (twice the text, not cleared) and written
// by the engine, so the reference pays for fresh memory as the editor does
// for its new blocks.
long RawSubstitute(pcre2_code *code, const std::string &text, const char *replacement, std::unique_ptr<char[]> &out)
{
    out.reset(new char[text.size() * 2]);
    return SubstituteInto(code, text, replacement, out.get(), text.size() * 2);
}

// Replace All of the pattern from the top of the document, undone (untimed)
// after each run, against pcre2_substitute over the same bytes.  The first
// run is also reported alone (first_*: nothing of an earlier run to reuse),
// and the engine's pass alone into an output buffer that was written before
// the timing (pcre2_warm_ms, ratio_warm), which leaves out the cost of
// fresh memory that both sides otherwise pay.
void BM_ReplaceAll(benchmark::State &state, const char *pattern, const char *replacement)
{
    Editor &editor = TheEditor();
    SECEditFindState &find = SECEditGetFindState();
    pcre2_code *code = Compile(pattern);
    std::unique_ptr<char[]> out;
    std::string warm(editor.bytes.size() * 2, '\0');
    double ours = 0, reference = 0, oursCpu = 0, referenceCpu = 0, warmReference = 0;
    double firstOurs = 0, firstReference = 0;
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
        if (firstOurs == 0) {
            firstOurs = ours;
            firstReference = reference;
        }
        start = std::chrono::steady_clock::now();
        SubstituteInto(code, editor.bytes, replacement, warm.data(), warm.size());
        warmReference += Seconds(start);
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
    state.counters["first_ours_ms"] = 1000 * firstOurs;
    state.counters["first_pcre2_ms"] = 1000 * firstReference;
    state.counters["first_ratio"] = firstOurs / firstReference;
    state.counters["pcre2_warm_ms"] = 1000 * warmReference / n;
    state.counters["ratio_warm"] = ours / warmReference;
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
