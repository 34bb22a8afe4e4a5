// Colouring a 100 MB HTML file with the wizard's HTML rule (text outside
// tags is plain), every line top to bottom from a fresh open, against the
// same file coloured by the editor's own rule with the same language.
#include "kilnsmith/documents/MDITextBuffer.h"

#include "editor/lang/SECEditLangIniReader.h"
#include "editor/lang/SECEditLangRegistry.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr size_t kFileBytes = 100u * 1024u * 1024u;

// A page of paragraphs, lists and tables: tags with attributes, some split
// over two lines, entities, comments over several lines, and long runs of
// text between tags (words, numbers and delimiters).
std::string MakePage()
{
    std::string s;
    s.reserve(kFileBytes + 8192);
    s.append("<!DOCTYPE html>\n<html>\n<head><title>Plexo</title></head>\n<body>\n");
    for (int i = 0; s.size() < kFileBytes; ++i) {
        const std::string n = std::to_string(i);
        if (i % 10 == 0)
            s.append("<!-- section ").append(n).append("\n     generated text -->\n");
        s.append("<h2 id=\"s").append(n).append("\">Section ").append(n).append("</h2>\n");
        s.append("<p class=\"body\">The div and table words, 42 items; a, b (c) &amp; d = ").append(n);
        s.append(" for each of the 7 forms.\nMore text on a second line of the paragraph, with span 3.</p>\n");
        s.append("<a\n   href=\"page").append(n).append(".html\" title=\"next\">next page</a>\n");
        s.append("<ul><li>one</li><li>two 2</li><li>three, four</li></ul>\n");
        s.append("<table><tr><td>").append(n).append("</td><td>cell text</td></tr></table>\n");
    }
    s.append("</body>\n</html>\n");
    return s;
}

const std::string &PagePath()
{
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "plexo-bench-kilnsmith-100MB.htm").string();
        std::error_code error;
        if (std::filesystem::file_size(p, error) < kFileBytes || error) {
            std::ofstream out(p, std::ios::binary);
            const std::string text = MakePage();
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
        }
        return p;
    }();
    return path;
}

void RegisterHtml()
{
    static const bool registered = [] {
        const std::string file = std::string(KILNSMITH_BENCH_LANGUAGE_DIR) + "/HTML.ini";
        SECEditLangReader *reader = new SECEditLangIniReader(file.c_str());
        SECEditRegisterLanguage("HTML", reader, nullptr);
        reader->Release();
        return true;
    }();
    (void)registered;
}

template <class Buffer>
void ColourEveryLine(benchmark::State &state)
{
    RegisterHtml();
    PagePath();
    for (auto _ : state) {
        state.PauseTiming();
        auto buffer = std::make_unique<Buffer>();
        if (!buffer->SetLanguage("HTML") || !buffer->Open(PagePath().c_str()))
            std::abort();
        state.ResumeTiming();
        const int count = buffer->GetLineCount();
        for (int line = 0; line < count; ++line)
            benchmark::DoNotOptimize(buffer->GetLineColors(line));
        state.PauseTiming();
        state.counters["lines"] = count;
        buffer.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}

// The wizard's buffer: the HTML rule with its bracket searches.
void BM_HtmlRuleColourEveryLine(benchmark::State &state)
{
    ColourEveryLine<CMDITextBuffer>(state);
}
BENCHMARK(BM_HtmlRuleColourEveryLine)->Unit(benchmark::kMillisecond)->Iterations(2);

// The editor's buffer on the same file and language, without the rule.
void BM_EditorRuleColourEveryLine(benchmark::State &state)
{
    ColourEveryLine<SECEditTextBuffer>(state);
}
BENCHMARK(BM_EditorRuleColourEveryLine)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
