// The text buffer at the size of a large file: opening 100 MB of C++ source,
// colouring every line of it, and keystrokes (one character typed and one
// deleted, one observer told) with the whole file already coloured.
#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditTag.h"
#include "editor/text/SECEditTextBuffer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr size_t kFileBytes = 100u * 1024u * 1024u;

// C++ source with block comments, doc comments over several lines, strings
// with escapes, line comments and now and then a very long line.
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

// The C language of the editor: line and block comments, strings and
// characters with escapes, keywords, operators.
class CLanguage {
public:
    CLanguage() : m_pConfig(new SECEditLangConfig)
    {
        m_pConfig->SetDefaults();
        const WORD comment = Group("Comment"), keyword = Group("Keyword"), string = Group("String");
        const char operators[] = "+-*/%=<>!&|^~?:";
        const char delimiters[] = ",;.()[]{}+-*/%=<>!&|^~?:'\"\\";
        m_pConfig->AddCharacters(SECEDIT_OPERATORS, operators, static_cast<int>(std::strlen(operators)));
        m_pConfig->AddCharacters(SECEDIT_DELIMITERS, delimiters, static_cast<int>(std::strlen(delimiters)));
        Tag("//", "", "", comment, FALSE);
        Tag("\"", "\"", "\\", string, FALSE);
        Tag("'", "'", "\\", string, FALSE);
        Tag("/*", "*/", "", comment, TRUE);
        for (const char *word : {"int", "const", "char", "if", "return", "static", "void", "while", "for"})
            m_pConfig->GetKeywordMap().SetAt(word, keyword);
    }
    ~CLanguage() { m_pConfig->Release(); }
    SECEditLangConfig *get() const { return m_pConfig; }

private:
    WORD Group(LPCTSTR name)
    {
        auto *group = new SECEditColorGroup;
        group->m_strDisplayName = name;
        return m_pConfig->SetColorGroup(name, group);
    }
    void Tag(LPCTSTR begin, LPCTSTR end, LPCTSTR escape, WORD group, BOOL multiLine)
    {
        auto *tag = new SECEditTag;
        tag->m_strBeginTag = begin;
        tag->m_strEndTag = end;
        tag->m_strEscapeChar = escape;
        tag->m_wColorGroup = group;
        tag->m_bMultiLine = multiLine;
        m_pConfig->AddTag(tag);
    }
    SECEditLangConfig *m_pConfig;
};

CLanguage &Language()
{
    static CLanguage language;
    return language;
}

void OpenSource(SECEditTextBuffer &buffer)
{
    buffer.SetLangConfig(Language().get());
    if (!buffer.Open(SourcePath().c_str()))
        std::abort();
}

void BM_Open100MB(benchmark::State &state)
{
    SourcePath();
    const double before = ResidentMegabytes();
    double after = 0;
    int lines = 0;
    for (auto _ : state) {
        SECEditTextBuffer buffer;
        OpenSource(buffer);
        state.PauseTiming();
        after = ResidentMegabytes();
        lines = buffer.GetLineCount();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
    state.counters["lines"] = lines;
    state.counters["rss_added_MB"] = after - before;
    state.counters["rss_MB"] = after;
}
BENCHMARK(BM_Open100MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// GetLineColors over every line from a fresh open, top to bottom.
void BM_ColourEveryLine(benchmark::State &state)
{
    const double before = ResidentMegabytes();
    double after = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto buffer = std::make_unique<SECEditTextBuffer>();
        OpenSource(*buffer);
        state.ResumeTiming();
        const int count = buffer->GetLineCount();
        for (int line = 0; line < count; ++line)
            benchmark::DoNotOptimize(buffer->GetLineColors(line));
        state.PauseTiming();
        after = ResidentMegabytes();
        state.counters["regions"] = buffer->GetTagRegionCount();
        buffer.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
    state.counters["rss_added_MB"] = after - before;
    state.counters["rss_MB"] = after;
}
BENCHMARK(BM_ColourEveryLine)->Unit(benchmark::kMillisecond)->Iterations(2);

// A view: it repaints the lines each change names.
class RepaintingObserver : public SECEditObserver {
public:
    explicit RepaintingObserver(SECEditTextBuffer &buffer) : m_buffer(buffer) {}
    void OnUpdate(void *, SECEditHint *pHint) override
    {
        if (pHint && pHint->GetTypeId() == 22586)
            benchmark::DoNotOptimize(m_buffer.GetLineColors(m_nLine));
    }
    int m_nLine = 0;

private:
    SECEditTextBuffer &m_buffer;
};

// One character (or a line end) typed and deleted again at random lines of
// the first or the last thousand lines, the observer repainting the line each
// time.  Before each keystroke the whole file is coloured (every region
// known).
void BM_Keystroke(benchmark::State &state)
{
    const bool atEnd = state.range(0) != 0;
    const bool lineEnd = state.range(1) != 0;
    SECEditTextBuffer buffer;
    OpenSource(buffer);
    RepaintingObserver view(buffer);
    buffer.Attach(&view);
    const int count = buffer.GetLineCount();
    std::mt19937 random(5);
    auto keystroke = [&] {
        buffer.GetLineColors(count - 1);
        const int line = atEnd ? count - 1 - static_cast<int>(random() % 1000) : static_cast<int>(random() % 1000);
        const int length = buffer.GetLineTextLength(line);
        const int col = length > 0 ? static_cast<int>(random() % static_cast<unsigned>(length)) : 0;
        view.m_nLine = line;
        const auto start = std::chrono::steady_clock::now();
        if (lineEnd) {
            buffer.InsertText(line, col, "\n", 1);
            buffer.DeleteText(line, col, line + 1, 0);
        } else {
            buffer.InsertText(line, col, "x", 1);
            buffer.DeleteText(line, col, line, col + 1);
        }
        return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    };
    // The first edit of a document makes its line-object slots (and, for a
    // line end, moves the slot arrays' gap there): timed on its own.
    state.counters["first_us"] = keystroke();
    std::vector<double> micros;
    for (auto _ : state) {
        state.PauseTiming();
        const double took = keystroke();
        state.ResumeTiming();
        micros.push_back(took);
    }
    buffer.Detach(&view);
    std::sort(micros.begin(), micros.end());
    state.counters["p50_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    std::string label = lineEnd ? "line end, " : "character, ";
    label.append(atEnd ? "last 1000 lines" : "first 1000 lines");
    state.SetLabel(label);
}
BENCHMARK(BM_Keystroke)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(100);

} // namespace
