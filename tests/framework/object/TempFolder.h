// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "plexo-object-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string PathOf(const char *lpszName) const { return (m_folder / lpszName).string(); }

    static void WriteFile(const std::string &path, const std::string &content)
    {
        std::ofstream(path, std::ios::binary) << content;
    }
    static std::string ReadFile(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    size_t EntryCount() const
    {
        return size_t(
            std::distance(std::filesystem::directory_iterator(m_folder), std::filesystem::directory_iterator()));
    }

    std::filesystem::path m_folder;
};
