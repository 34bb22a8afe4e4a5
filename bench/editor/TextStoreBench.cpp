// The text store at the size of a large file: loading 100 MB of source text
// with its line index complete, single-character edits at random places, and
// plain and regular-expression searches over the whole text.
#include "editor/controller/SECEditRegExp.h"
#include "editor/text/SECEditTextStore.h"

#include <benchmark/benchmark.h>

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

void BM_FindPlain(benchmark::State &state)
{
    SECEditTextStore &store = LoadedStore();
    const BOOL matchCase = static_cast<BOOL>(state.range(0));
    for (auto _ : state) {
        int line = 0, col = 0;
        benchmark::DoNotOptimize(
            store.Find(0, 0, &line, &col, "not in the text", TRUE, FALSE, matchCase, FALSE, FALSE, -1, 0));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * store.GetTextLength());
}
BENCHMARK(BM_FindPlain)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FindRegExp(benchmark::State &state)
{
    SECEditRegisterRegExp();
    SECEditTextStore &store = LoadedStore();
    for (auto _ : state) {
        int line = 0, col = 0;
        benchmark::DoNotOptimize(
            store.Find(0, 0, &line, &col, "value\\d+ = nothing", TRUE, FALSE, TRUE, FALSE, TRUE, -1, 0));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * store.GetTextLength());
}
BENCHMARK(BM_FindRegExp)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
