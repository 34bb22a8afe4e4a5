#include "kilnsmith/generator/GeneratedFileWriter.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
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

// The longest file name the folder takes; NAME_MAX where it cannot say.
size_t FileNameLimit(const fs::path &folder)
{
    const long nLimit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return nLimit > 0 ? static_cast<size_t>(nLimit) : static_cast<size_t>(NAME_MAX);
}

// The target's name with ".tmp" and a random number, in the same folder.  A
// target name that leaves no room for the ending is cut short (at a UTF-8
// character boundary), so every file that can exist can also be written
// through its temporary.
fs::path MakeTemporaryPath(const fs::path &target)
{
    std::random_device device;
    const unsigned int nTag = device();
    const std::string suffix = ".tmp" + std::to_string(nTag);
    const fs::path folder = target.parent_path();
    const std::string name = target.filename().string();
    const size_t limit = FileNameLimit(folder);
    size_t kept = name.size();
    if (kept + suffix.size() > limit) {
        kept = limit > suffix.size() ? limit - suffix.size() : 0;
        while (kept > 0 && (static_cast<unsigned char>(name[kept]) & 0xC0) == 0x80)
            --kept;
    }
    return folder / (name.substr(0, kept) + suffix);
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
