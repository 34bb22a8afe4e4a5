// A file of this process's own in the temporary folder (in memory where
// /dev/shm exists, so that writers that sync every file stay quick), for
// readers that take a path: each input is written to it before the reader
// runs, and it is removed when the process ends.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

class FuzzTempFile {
public:
    explicit FuzzTempFile(const char *suffix)
        : m_path((Folder() / ("plexo-fuzz-" + std::to_string(::getpid()) + suffix)).string())
    {
    }
    ~FuzzTempFile() { std::remove(m_path.c_str()); }
    FuzzTempFile(const FuzzTempFile &) = delete;
    FuzzTempFile &operator=(const FuzzTempFile &) = delete;

    const char *Write(const uint8_t *data, size_t size)
    {
        std::FILE *file = std::fopen(m_path.c_str(), "wb");
        if (file != nullptr) {
            if (size != 0)
                std::fwrite(data, 1, size, file);
            std::fclose(file);
        }
        return m_path.c_str();
    }

    const char *Path() const { return m_path.c_str(); }

private:
    static std::filesystem::path Folder()
    {
        std::error_code error;
        if (std::filesystem::is_directory("/dev/shm", error))
            return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }

    std::string m_path;
};
