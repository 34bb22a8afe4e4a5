// Costs of the framework services the editor leans on: reading a language
// configuration's keys from its INI file, and searching a text piece of the
// size the editor hands to the regular-expression object.
#include "framework/settings/PrivateProfile.h"
#include "framework/shell/ScriptRegExp.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string MakeLanguageIni()
{
    std::string path = (std::filesystem::temp_directory_path() / "plexo-bench-lang.ini").string();
    std::ofstream out(path);
    out << "[ColorGroups]\nNumGroups=20\n";
    for (int g = 1; g <= 20; ++g)
        out << "Group" << g << "=Group " << g << "\n";
    for (int g = 1; g <= 20; ++g)
        out << "\n[Group " << g << "]\nForeground=1,2,3\nBackground=4,5,6\nDisplayName=Group " << g << "\n";
    out << "\n[Keywords]\n";
    for (int k = 0; k < 2000; ++k)
        out << "keyword" << k << "=Group " << (k % 20 + 1) << "\n";
    out.close();
    // An older file, as language files are, so it is kept parsed.
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    return path;
}

void BM_IniValueLookup(benchmark::State &state)
{
    std::string path = MakeLanguageIni();
    char buffer[1024];
    for (auto _ : state) {
        DWORD n = GetPrivateProfileString("Group 20", "DisplayName", "", buffer, sizeof buffer, path.c_str());
        benchmark::DoNotOptimize(n);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_IniValueLookup);

void BM_IniWholeSection(benchmark::State &state)
{
    std::string path = MakeLanguageIni();
    static char buffer[32760];
    for (auto _ : state) {
        DWORD n = GetPrivateProfileSection("Keywords", buffer, sizeof buffer, path.c_str());
        benchmark::DoNotOptimize(n);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_IniWholeSection);

void BM_RegExpSearchPiece(benchmark::State &state)
{
    std::string text;
    while (text.size() < 256000)
        text += "for (int i = 0; i < count; ++i) total += values[i];\n";
    text += "needle_42 ";
    CString piece(text);
    CScriptRegExp re;
    re.SetPattern("needle_\\d+");
    for (auto _ : state) {
        CScriptMatchCollection matches = re.Execute(piece);
        benchmark::DoNotOptimize(matches.GetCount());
    }
}
BENCHMARK(BM_RegExpSearchPiece);

} // namespace
