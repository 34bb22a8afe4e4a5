#include "framework/settings/IniReadCache.h"

#include <list>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <time.h>

namespace {

struct Version {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedSec = 0;
    long long modifiedNsec = 0;

    bool operator==(const Version &) const = default;
};

struct Entry {
    std::string path;
    Version version;
    std::shared_ptr<const CIniDocument> document;
};

constexpr size_t kEntries = 8;
constexpr long long kSettleSeconds = 2;

std::mutex g_lock;
std::list<Entry> g_entries; // most recently used first

bool CurrentVersion(const char *path, Version &version)
{
    struct stat st;
    if (::stat(path, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    version = {st.st_dev, st.st_ino, st.st_size, static_cast<long long>(st.st_mtim.tv_sec),
               static_cast<long long>(st.st_mtim.tv_nsec)};
    return true;
}

bool HasSettled(const Version &version)
{
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) - version.modifiedSec > kSettleSeconds;
}

} // namespace

std::shared_ptr<const CIniDocument> PlexoReadIniFile(const char *path)
{
    Version version;
    if (path == nullptr || !CurrentVersion(path, version))
        return std::make_shared<const CIniDocument>();

    std::lock_guard<std::mutex> guard(g_lock);
    for (auto it = g_entries.begin(); it != g_entries.end(); ++it) {
        if (it->path != path)
            continue;
        if (it->version == version) {
            g_entries.splice(g_entries.begin(), g_entries, it);
            return it->document;
        }
        g_entries.erase(it);
        break;
    }
    // Read under the version seen before reading: if the file changes in
    // between, the next read sees a newer version and reads again.
    auto document = std::make_shared<CIniDocument>();
    if (!document->Load(path) || !HasSettled(version))
        return document;
    g_entries.push_front({path, version, document});
    if (g_entries.size() > kEntries)
        g_entries.pop_back();
    return document;
}
