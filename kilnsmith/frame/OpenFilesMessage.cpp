#include "kilnsmith/frame/OpenFilesMessage.h"

#include <filesystem>
#include <system_error>

std::string EncodeOpenFiles(const std::vector<CString> &paths)
{
    std::string data;
    for (const CString &path : paths) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(path.GetString(), error);
        data += error ? std::string(path.GetString()) : absolute.lexically_normal().string();
        data += '\0';
    }
    return data;
}

bool DecodeOpenFiles(const COPYDATASTRUCT &data, std::vector<CString> &paths)
{
    paths.clear();
    if (data.dwData != kOpenFilesTag || data.cbData == 0 || data.lpData == nullptr)
        return false;
    const std::string bytes(static_cast<const char *>(data.lpData), data.cbData);
    if (bytes.back() != '\0')
        return false;
    std::vector<CString> found;
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = bytes.find('\0', start);
        // Every piece is a path from the root: an empty piece or a relative
        // name is no list this program sent.
        if (end == start || bytes[start] != '/')
            return false;
        found.emplace_back(bytes.substr(start, end - start).c_str());
        start = end + 1;
    }
    paths = std::move(found);
    return true;
}
