#include "kilnsmith/wizard/WriteFailureReason.h"

#include "kilnsmith/wizard/KilnsmithAppIds.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Whether a new file can be made in the folder: a probe file is created
// and removed again.
bool CanCreateFileIn(const fs::path &folder)
{
    std::random_device device;
    const fs::path probe = folder / (".kilnsmith-probe-" + std::to_string(device()));
    bool bCreated = std::ofstream(probe, std::ios::binary | std::ios::out).is_open();
    std::error_code error;
    fs::remove(probe, error);
    return bCreated;
}

bool CanWriteFile(const fs::path &path)
{
    return std::ofstream(path, std::ios::binary | std::ios::app).is_open();
}

} // namespace

UINT FindWriteFailureReason(const CString &strPath)
{
    const fs::path path(strPath.GetString());
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code error;
    const fs::file_status folderStatus = fs::status(folder, error);
    if (folderStatus.type() == fs::file_type::not_found)
        return IDS_REASON_FOLDER_MISSING;
    if (folderStatus.type() != fs::file_type::directory)
        return IDS_REASON_NOT_A_FOLDER;
    const fs::file_status fileStatus = fs::symlink_status(path, error);
    if (fileStatus.type() != fs::file_type::not_found && fileStatus.type() != fs::file_type::regular)
        return IDS_REASON_NOT_A_FILE;
    if (fileStatus.type() == fs::file_type::regular && !CanWriteFile(path))
        return IDS_REASON_FILE_READ_ONLY;
    if (!CanCreateFileIn(folder))
        return IDS_REASON_FOLDER_READ_ONLY;
    return IDS_REASON_UNKNOWN;
}
