// The picture holders' fuzz target run over its seeds and damaged forms of
// them; the seeds are written out when PLEXO_WRITE_FUZZ_SEEDS names a folder.
#include "ImageTestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::map<std::string, Bytes> Seeds()
{
    std::map<std::string, Bytes> seeds;
    for (uint16_t bits : {1, 4, 8, 24}) {
        for (int height : {3, -3}) {
            BmpFields s;
            s.width = 5;
            s.height = height;
            s.bits = bits;
            seeds["bmp_" + std::to_string(bits) + (height < 0 ? "_topdown" : "")] = MakeBmp(s);
        }
    }
    BmpFields used;
    used.bits = 8;
    used.clrUsed = 16;
    seeds["bmp_8_used16"] = MakeBmp(used);
    BmpFields rle;
    rle.bits = 8;
    rle.compression = 1;
    seeds["bmp_rle8"] = MakeBmp(rle);
    BmpFields core;
    core.headerSize = 12;
    seeds["bmp_core"] = MakeBmp(core);
    BmpFields cut;
    cut.cutPixelBytes = 3;
    seeds["bmp_cut"] = MakeBmp(cut);
    seeds["record_empty"] = Bytes(14, 0);
    seeds["ico_one"] = MakeIco({{8, MakeIconImage(8, 0x00FF8800)}});
    seeds["ico_two"] = MakeIco({{4, MakeIconImage(4, 0x000000FF)}, {8, MakeIconImage(8, 0x0000FF00)}});
    seeds["ico_mono"] = MakeIco({{8, MakeIconImage(8, 0, 1)}});
    Bytes wmf;
    const uint16_t words[] = {1, 9, 0x300, 18, 0, 0, 0, 0, 0, 3, 0, 0};
    for (uint16_t w : words)
        PutLe(wmf, w, 2);
    wmf[6] = static_cast<BYTE>(wmf.size() / 2);
    seeds["wmf_plain"] = wmf;
    Bytes placeable;
    PutLe(placeable, 0x9AC6CDD7, 4);
    PutLe(placeable, 0, 6);
    PutLe(placeable, 100, 2);
    PutLe(placeable, 50, 2);
    PutLe(placeable, 1000, 2);
    PutLe(placeable, 0, 6);
    placeable.insert(placeable.end(), wmf.begin(), wmf.end());
    seeds["wmf_placeable"] = placeable;
    return seeds;
}

TEST(ImageFuzzTarget, RunsOverSeedsAndDamagedSeeds)
{
    for (const auto& [name, bytes] : Seeds()) {
        SCOPED_TRACE(name);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        for (size_t i = 0; i < bytes.size(); i += 1 + bytes.size() / 16) {
            Bytes flipped = bytes;
            flipped[i] ^= 0xA5;
            LLVMFuzzerTestOneInput(flipped.data(), flipped.size());
            Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(i));
            LLVMFuzzerTestOneInput(cut.data(), cut.size());
        }
    }
}

TEST(ImageFuzzTarget, WriteSeedCorpus)
{
    const char* pszDir = std::getenv("PLEXO_WRITE_FUZZ_SEEDS");
    if (pszDir == nullptr)
        GTEST_SKIP() << "PLEXO_WRITE_FUZZ_SEEDS not set";
    std::filesystem::create_directories(pszDir);
    for (const auto& [name, bytes] : Seeds()) {
        std::ofstream out(std::filesystem::path(pszDir) / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
}

} // namespace
