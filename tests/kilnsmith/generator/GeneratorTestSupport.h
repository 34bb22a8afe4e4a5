// Helpers of the code generator tests: a scratch folder per test, whole-file
// reads, and GUID sources that the tests control.
#pragma once

#include "framework/base/Guid.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace generator_test {

// A fresh empty folder, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::random_device device;
        m_path = std::filesystem::temp_directory_path() / ("plexo_generator_" + std::to_string(device()));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &Path() const { return m_path; }
    std::string Str() const { return m_path.string(); }
    bool IsEmpty() const { return std::filesystem::is_empty(m_path); }

private:
    std::filesystem::path m_path;
};

inline std::string ReadFileBytes(const std::filesystem::path &path)
{
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// The GUID that the golden files carry in their guards.
inline HRESULT FixedGuid(GUID *pGuid)
{
    *pGuid = GUID{0x12345678, 0x9abc, 0xabcd, {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef}};
    return S_OK;
}

// A failing source that leaves the GUID as it found it (all zeros).
inline HRESULT NoGuid(GUID *)
{
    return E_FAIL;
}

inline std::filesystem::path GoldenFolder()
{
    return std::filesystem::path(PLEXO_TEST_DATA_DIR) / "kilnsmith" / "generator";
}

} // namespace generator_test
