// The application profile's folder of this fuzz process: XDG_CONFIG_HOME
// points into a folder of its own, removed when the process ends, and
// WriteProfile puts the input's bytes where CAppProfile(program) reads them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

struct FuzzConfigHome {
    explicit FuzzConfigHome(const std::string &folder) : path(folder) { ::setenv("XDG_CONFIG_HOME", path.c_str(), 1); }
    ~FuzzConfigHome()
    {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
    FuzzConfigHome(const FuzzConfigHome &) = delete;
    FuzzConfigHome &operator=(const FuzzConfigHome &) = delete;

    // $XDG_CONFIG_HOME/<program>/<program>.ini with these bytes; FALSE when
    // it cannot be written.
    bool WriteProfile(const std::string &program, const uint8_t *data, size_t size) const
    {
        const std::string folder = path + "/" + program;
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        std::FILE *file = std::fopen((folder + "/" + program + ".ini").c_str(), "wb");
        if (file == nullptr)
            return false;
        if (size != 0)
            std::fwrite(data, 1, size, file);
        std::fclose(file);
        return true;
    }

    std::string path;
};
