#include "SeedDocuments.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void RunTarget(const Bytes& bytes)
{
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

// The seed pages, made once for all cases.
const std::vector<std::pair<std::string, Bytes>>& Seeds()
{
    static const std::vector<std::pair<std::string, Bytes>> seeds = QYShapeSeedDocuments();
    return seeds;
}

// Every seed page loads, and every cut and flipped form of it is read or
// refused without harm.  One case per page, named after it, so that the
// pages can run side by side.
class ShapesFuzzSeed : public ::testing::TestWithParam<size_t> {};

TEST_P(ShapesFuzzSeed, LoadsAndItsDamagedFormsAreHandled)
{
    const auto& [name, bytes] = Seeds()[GetParam()];
    CQYDataModel model;
    ASSERT_EQ(LoadModel(model, bytes), -1) << name;
    RunTarget(bytes);
    for (size_t cut = 0; cut < bytes.size(); cut += 1 + bytes.size() / 8)
        RunTarget(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
    for (size_t i = 0; i < bytes.size(); i += 1 + bytes.size() / 8) {
        Bytes flipped = bytes;
        flipped[i] ^= 0x5A;
        RunTarget(flipped);
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ShapesFuzzSeed, ::testing::Range<size_t>(0, Seeds().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) { return Seeds()[info.param].first; });

// Writes the seed corpus when PLEXO_WRITE_FUZZ_SEEDS names a folder.
TEST(ShapesFuzzTarget, WriteSeedCorpus)
{
    const char* pszDir = std::getenv("PLEXO_WRITE_FUZZ_SEEDS");
    if (pszDir == nullptr)
        GTEST_SKIP() << "PLEXO_WRITE_FUZZ_SEEDS not set";
    std::filesystem::create_directories(pszDir);
    for (const auto& [name, bytes] : QYShapeSeedDocuments()) {
        std::ofstream out(std::filesystem::path(pszDir) / (name + ".pln"), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
}

} // namespace

namespace {

// Runs every file of the folder PLEXO_FUZZ_REPLAY_DIR names (a corpus the
// fuzzer grew) through the target in this sanitized build.
TEST(ShapesFuzzTarget, ReplayCorpusFolder)
{
    const char* pszDir = std::getenv("PLEXO_FUZZ_REPLAY_DIR");
    if (pszDir == nullptr)
        GTEST_SKIP() << "PLEXO_FUZZ_REPLAY_DIR not set";
    for (const auto& entry : std::filesystem::directory_iterator(pszDir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const Bytes bytes((std::istreambuf_iterator<char>(in)), {});
        RunTarget(bytes);
    }
}

} // namespace
