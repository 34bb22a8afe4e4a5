// Runs a fuzz target's entry point once for every file named on the command
// line or found under a folder named there (in name order), without
// libFuzzer: the test build replays each corpus this way.  A sanitizer
// report ends the process; an empty corpus is an error too.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

std::vector<std::filesystem::path> InputFiles(int argc, char **argv)
{
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (!std::filesystem::is_directory(path)) {
            files.push_back(path);
            continue;
        }
        std::vector<std::filesystem::path> found;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(path))
            if (entry.is_regular_file())
                found.push_back(entry.path());
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
    }
    return files;
}

bool ReadWhole(const std::filesystem::path &path, std::vector<uint8_t> &bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    const std::vector<std::filesystem::path> files = InputFiles(argc, argv);
    if (files.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    for (const auto &file : files) {
        std::vector<uint8_t> bytes;
        if (!ReadWhole(file, bytes)) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        // A copy of exactly the input's size, so that reads past its end
        // are caught as libFuzzer would catch them.
        std::vector<uint8_t> exact(bytes);
        exact.shrink_to_fit();
        LLVMFuzzerTestOneInput(exact.empty() ? nullptr : exact.data(), exact.size());
    }
    std::printf("replayed %zu inputs\n", files.size());
    return 0;
}
