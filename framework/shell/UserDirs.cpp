#include "framework/shell/UserDirs.h"

#include "framework/shell/Places.h"

#include <fstream>
#include <string>

namespace {

// The file is the user's own, but a huge one is not a folder list.
constexpr std::size_t kMaxFileBytes = 64 * 1024;

std::string_view TrimLeft(std::string_view text)
{
    std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::string_view TrimRight(std::string_view text)
{
    std::size_t end = text.find_last_not_of(" \t\r");
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// The text between the quotes of a shell double-quoted word, with the
// backslash escapes undone; false when the word is not exactly one such
// quoted string.
bool Unquote(std::string_view word, std::string &value)
{
    if (word.size() < 2 || word.front() != '"')
        return false;
    value.clear();
    for (std::size_t i = 1; i < word.size(); ++i) {
        char c = word[i];
        if (c == '"')
            return i + 1 == word.size();
        if (c == '\\' && i + 1 < word.size())
            c = word[++i];
        value += c;
    }
    return false;
}

// "$HOME" or "$HOME/..." becomes the home folder; an absolute path stays.
bool ExpandFolder(const std::string &value, const CString &strHome, CString &folder)
{
    if (value.find('\0') != std::string::npos)
        return false;
    std::string path;
    const std::string home = "$HOME";
    if (value.compare(0, home.size(), home) == 0 && (value.size() == home.size() || value[home.size()] == '/'))
        path = std::string(strHome.GetString(), strHome.GetLength()) + value.substr(home.size());
    else if (!value.empty() && value[0] == '/')
        path = value;
    else
        return false;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    folder = CString(path.data(), static_cast<int>(path.size()));
    return true;
}

} // namespace

CString PlexoParseUserDirs(std::string_view text, LPCTSTR lpszName, const CString &strHome)
{
    const std::string key = std::string("XDG_") + (lpszName ? lpszName : "") + "_DIR";
    CString result;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = TrimRight(TrimLeft(text.substr(0, end)));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || line.substr(0, equals) != key)
            continue;
        std::string value;
        CString folder;
        if (Unquote(line.substr(equals + 1), value) && ExpandFolder(value, strHome, folder))
            result = folder;
    }
    return result;
}

CString PlexoGetUserFolder(LPCTSTR lpszName)
{
    const CString home = PlexoGetHomeFolder();
    std::ifstream file(std::string(PlexoGetUserConfigFolder().GetString()) + "/user-dirs.dirs", std::ios::binary);
    if (!file.is_open())
        return home;
    std::string text;
    char buffer[4096];
    while (text.size() < kMaxFileBytes && file.read(buffer, sizeof buffer).gcount() > 0)
        text.append(buffer, static_cast<std::size_t>(file.gcount()));
    if (text.size() > kMaxFileBytes)
        text.resize(kMaxFileBytes);
    const CString folder = PlexoParseUserDirs(text, lpszName, home);
    return folder.IsEmpty() ? home : folder;
}
