#include "kilnsmith/generator/GeneratedFileWriter.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// An existing target must be writable, as it would have to be if it were
// rewritten in place; the rename alone would replace even a read-only file.
bool IsWritableOrAbsent(const fs::path &path)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (status.type() == fs::file_type::not_found)
        return true;
    if (error || status.type() != fs::file_type::regular)
        return false;
    std::ofstream probe(path, std::ios::binary | std::ios::app);
    return probe.is_open();
}

fs::path MakeTemporaryPath(const fs::path &target)
{
    std::random_device device;
    const unsigned int nTag = device();
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(nTag);
    return temporary;
}

bool WriteBytes(const fs::path &path, std::string_view bytes)
{
    std::ofstream stream(path, std::ios::binary | std::ios::out | std::ios::trunc);
    if (!stream.is_open())
        return false;
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream.close();
    return !stream.fail();
}

} // namespace

BOOL WriteGeneratedFile(const CString &strPath, std::string_view bytes)
{
    const fs::path target(strPath.Str());
    if (!IsWritableOrAbsent(target))
        return FALSE;
    const fs::path temporary = MakeTemporaryPath(target);
    std::error_code error;
    if (!WriteBytes(temporary, bytes)) {
        fs::remove(temporary, error);
        return FALSE;
    }
    // A rewritten file keeps the permissions it had.
    const fs::file_status oldStatus = fs::status(target, error);
    if (!error && fs::exists(oldStatus))
        fs::permissions(temporary, oldStatus.permissions(), error);
    error.clear();
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return FALSE;
    }
    return TRUE;
}
