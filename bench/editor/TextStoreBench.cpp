// The text store at the size of a large file: loading 100 MB of source text
// with its line index complete, single-character edits at random places, and
// plain and regular-expression searches over the whole text.  Each search
// is paired with the reference on the same bytes held in one string (the C
// library's memmem, PCRE2 with its JIT), run alternately in the same
// iteration, and the ratio is reported as a counter.
#include "editor/controller/SECEditRegExp.h"
#include "editor/text/SECEditTextStore.h"
#include "framework/shell/ScriptRegExp.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr size_t kTextBytes = 100u * 1024u * 1024u;

const std::string &SourceText()
{
    static const std::string text = [] {
        std::string s;
        s.reserve(kTextBytes + 128);
        for (int i = 0; s.size() < kTextBytes; ++i) {
            s += "    int value" + std::to_string(i) + " = compute(alpha, beta) + " + std::to_string(i % 97) +
                 "; // running total\n";
            if (i % 40 == 0)
                s += "\n{\n";
        }
        s.resize(kTextBytes);
        return s;
    }();
    return text;
}

// Reads the text the way a document is opened: pieces of 512000 bytes, each
// appended at the end position.
void LoadLikeAFile(SECEditTextStore &store, const std::string &text)
{
    store.Reset();
    constexpr size_t piece = 512000;
    for (size_t at = 0; at < text.size(); at += piece) {
        const int last = store.GetLastLine();
        SECEditRange range(last, store.GetLineLength(last), 0, 0);
        store.InsertText(range, text.data() + at, static_cast<int>(std::min(piece, text.size() - at)));
    }
}

SECEditTextStore &LoadedStore()
{
    static std::unique_ptr<SECEditTextStore> store = [] {
        auto s = std::make_unique<SECEditTextStore>();
        LoadLikeAFile(*s, SourceText());
        return s;
    }();
    return *store;
}

void BM_Load100MB(benchmark::State &state)
{
    const std::string &text = SourceText();
    SECEditTextStore store;
    for (auto _ : state) {
        LoadLikeAFile(store, text);
        // The line index is complete: the last line is found at once.
        benchmark::DoNotOptimize(store.PositionToOffset(store.GetLastLine(), 0));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["lines"] = store.GetLineCount();
    state.counters["blocks"] = store.GetBlockCount();
}
BENCHMARK(BM_Load100MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// One character typed and taken away again at each of 10,000 random places.
void BM_InsertDeleteChar(benchmark::State &state)
{
    SECEditTextStore &store = LoadedStore();
    std::mt19937 rng(7);
    std::vector<SECEditPosition> places;
    for (int i = 0; i < 10000; ++i) {
        const int line = static_cast<int>(rng() % static_cast<unsigned>(store.GetLineCount()));
        const int length = store.GetLineTextLength(line);
        places.emplace_back(line, length > 0 ? static_cast<int>(rng() % static_cast<unsigned>(length)) : 0);
    }
    size_t next = 0;
    for (auto _ : state) {
        const SECEditPosition &p = places[next++ % places.size()];
        SECEditRange insert(p, p);
        store.InsertText(insert, "x", 1);
        SECEditRange remove(p.m_nLine, p.m_nCol, p.m_nLine, p.m_nCol + 1);
        store.DeleteText(remove);
    }
    state.SetLabel("insert + delete");
}
BENCHMARK(BM_InsertDeleteChar)->Unit(benchmark::kMicrosecond)->Iterations(10000);

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()> &work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Times ours and the reference alternately; the iteration's time is ours.
void RunPaired(benchmark::State &state, const std::function<void()> &ours, const std::function<void()> &reference)
{
    double oursTotal = 0, referenceTotal = 0;
    for (auto _ : state) {
        const double o = Seconds(ours);
        const double r = Seconds(reference);
        oursTotal += o;
        referenceTotal += r;
        state.SetIterationTime(o);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ref_ms"] = referenceTotal / n * 1000.0;
    state.counters["ratio"] = referenceTotal > 0 ? oursTotal / referenceTotal : 0;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(SourceText().size()));
}

// PCRE2 on one contiguous copy, compiled with the same options as ours
// (UTF, invalid bytes allowed, any CR/LF line end) and its JIT.
class RawPcre2 {
public:
    explicit RawPcre2(const char *pattern, uint32_t extra = 0)
    {
        int error = 0;
        PCRE2_SIZE offset = 0;
        pcre2_compile_context *context = pcre2_compile_context_create(nullptr);
        pcre2_set_newline(context, PCRE2_NEWLINE_ANYCRLF);
        m_code =
            pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern), PCRE2_ZERO_TERMINATED,
                          PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_DOLLAR_ENDONLY | extra, &error, &offset, context);
        pcre2_compile_context_free(context);
        pcre2_jit_compile(m_code, PCRE2_JIT_COMPLETE);
        m_data = pcre2_match_data_create_from_pattern(m_code, nullptr);
    }
    ~RawPcre2()
    {
        pcre2_match_data_free(m_data);
        pcre2_code_free(m_code);
    }
    int Match(const std::string &text, size_t start = 0)
    {
        return pcre2_match(m_code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), start, 0, m_data, nullptr);
    }
    size_t End() const { return pcre2_get_ovector_pointer(m_data)[1]; }
    size_t Start() const { return pcre2_get_ovector_pointer(m_data)[0]; }

private:
    pcre2_code *m_code = nullptr;
    pcre2_match_data *m_data = nullptr;
};

const char kMissing[] = "not in the text";

void BM_FindPlain(benchmark::State &state)
{
    SECEditTextStore &store = LoadedStore();
    const std::string &text = SourceText();
    const BOOL matchCase = static_cast<BOOL>(state.range(0));
    const BOOL wholeWord = static_cast<BOOL>(state.range(1));
    RunPaired(
        state,
        [&] {
            int line = 0, col = 0;
            benchmark::DoNotOptimize(
                store.Find(0, 0, &line, &col, kMissing, TRUE, FALSE, matchCase, wholeWord, FALSE, -1, 0));
        },
        [&] { benchmark::DoNotOptimize(memmem(text.data(), text.size(), kMissing, sizeof kMissing - 1)); });
    state.SetLabel(std::string(matchCase ? "case" : "any case") + (wholeWord ? ", whole word" : "") + " vs memmem");
}
BENCHMARK(BM_FindPlain)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(7);

void BM_FindRegExp(benchmark::State &state)
{
    SECEditRegisterRegExp();
    SECEditTextStore &store = LoadedStore();
    const char *pattern = "value\\d+ = nothing";
    RawPcre2 raw(pattern);
    RunPaired(
        state,
        [&] {
            int line = 0, col = 0;
            benchmark::DoNotOptimize(store.Find(0, 0, &line, &col, pattern, TRUE, FALSE, TRUE, FALSE, TRUE, -1, 0));
        },
        [&] { benchmark::DoNotOptimize(raw.Match(SourceText())); });
    state.SetLabel("vs PCRE2 JIT");
}
BENCHMARK(BM_FindRegExp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

// Every match of a pattern that is found on each line, as replacing all
// does: a global match over the whole 100 MB.
void BM_RegExpGlobalMatch(benchmark::State &state)
{
    const std::string &text = SourceText();
    const CString subject(text);
    CScriptRegExp re;
    re.SetGlobal(TRUE);
    re.SetPattern("total");
    RawPcre2 raw("total");
    long ours = 0, theirs = 0;
    RunPaired(
        state, [&] { ours = re.Execute(subject).GetCount(); },
        [&] {
            theirs = 0;
            for (size_t at = 0; raw.Match(text, at) > 0; at = raw.End())
                ++theirs;
        });
    state.counters["matches"] = static_cast<double>(ours);
    if (ours != theirs)
        state.SkipWithError("the match counts differ");
    state.SetLabel("CScriptRegExp::Execute vs PCRE2 JIT loop");
}
BENCHMARK(BM_RegExpGlobalMatch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
