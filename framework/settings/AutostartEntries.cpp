#include "framework/settings/AutostartEntries.h"

#include "framework/settings/AtomicFileWrite.h"
#include "framework/shell/Places.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char kRunKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Entries are a few lines: a larger file is not one of ours.
constexpr std::streamoff kMaxEntryBytes = 64 * 1024;

// Characters that make an Exec argument need quotes.
bool IsReserved(char c)
{
    static const char reserved[] = " \t\n\"'\\><~|&;$*?#()`";
    for (const char *p = reserved; *p; ++p)
        if (*p == c)
            return true;
    return false;
}

// Inside quotes these take a backslash.
bool NeedsBackslashInQuotes(char c)
{
    return c == '"' || c == '`' || c == '$' || c == '\\';
}

// The string escapes of every Desktop Entry value.
std::string EscapeString(const std::string &text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c; break;
        }
    }
    return out;
}

bool UnescapeString(const std::string &text, std::string &out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 's': out += ' '; break;
        default: return false;
        }
    }
    return true;
}

// Splits an unescaped Exec value into its arguments; false when a quote is
// left open or a quoted backslash escapes nothing it may.
bool SplitArguments(const std::string &exec, std::vector<std::string> &args)
{
    args.clear();
    size_t i = 0;
    while (i < exec.size()) {
        if (exec[i] == ' ') {
            ++i;
            continue;
        }
        std::string arg;
        if (exec[i] == '"') {
            for (++i;; ++i) {
                if (i >= exec.size())
                    return false;
                if (exec[i] == '"')
                    break;
                if (exec[i] == '\\') {
                    if (i + 1 >= exec.size() || !NeedsBackslashInQuotes(exec[i + 1]))
                        return false;
                    ++i;
                }
                arg += exec[i];
            }
            ++i;
            if (i < exec.size() && exec[i] != ' ')
                return false;
        } else {
            while (i < exec.size() && exec[i] != ' ')
                arg += exec[i++];
        }
        args.push_back(arg);
    }
    return true;
}

// "%%" is a percent sign; field codes a launcher fills in are left out.
std::string DropFieldCodes(const std::string &arg)
{
    std::string out;
    for (size_t i = 0; i < arg.size(); ++i) {
        if (arg[i] == '%' && i + 1 < arg.size()) {
            if (arg[i + 1] == '%')
                out += '%';
            ++i;
            continue;
        }
        out += arg[i];
    }
    return out;
}

bool ReadFile(const CString &path, std::string &bytes)
{
    std::ifstream in(path.GetString(), std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    if (in.tellg() > kMaxEntryBytes) {
        bytes.clear();
        return true; // too large: read as a corrupt entry
    }
    in.seekg(0);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// The value of a key of the [Desktop Entry] group; false when absent.
bool EntryValue(const std::string &file, const std::string &key, std::string &value)
{
    bool inGroup = false;
    size_t start = 0;
    while (start < file.size()) {
        size_t end = file.find('\n', start);
        if (end == std::string::npos)
            end = file.size();
        std::string line = file.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            inGroup = line == "[Desktop Entry]";
            continue;
        }
        size_t eq = line.find('=');
        if (!inGroup || eq == std::string::npos)
            continue;
        std::string name = line.substr(0, eq);
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        if (name != key)
            continue;
        size_t first = eq + 1;
        while (first < line.size() && line[first] == ' ')
            ++first;
        value = line.substr(first);
        return true;
    }
    return false;
}

} // namespace

namespace Autostart {

bool IsRunKey(const CString &keyPath)
{
    for (const char *root : {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"})
        if (keyPath.CompareNoCase(CString(root) + kRunKey) == 0)
            return true;
    return false;
}

CString EntryPath(const CString &valueName)
{
    if (valueName.IsEmpty() || valueName == "." || valueName == ".." || valueName.Find('/') >= 0)
        return CString();
    return PlexoGetUserConfigFolder() + "/autostart/" + valueName + ".desktop";
}

CString QuoteExec(const CString &command)
{
    const std::string text(command.GetString(), static_cast<size_t>(command.GetLength()));
    bool quote = text.empty();
    for (char c : text)
        quote = quote || IsReserved(c);
    std::string arg;
    if (quote)
        arg += '"';
    for (char c : text) {
        if (c == '%')
            arg += "%%";
        else if (quote && NeedsBackslashInQuotes(c))
            arg += std::string("\\") + c;
        else
            arg += c;
    }
    if (quote)
        arg += '"';
    return CString(EscapeString(arg).c_str());
}

bool UnquoteExec(const CString &exec, CString &command)
{
    std::string unescaped;
    std::vector<std::string> args;
    if (!UnescapeString(std::string(exec.GetString(), static_cast<size_t>(exec.GetLength())), unescaped) ||
        !SplitArguments(unescaped, args) || args.empty())
        return false;
    std::string joined;
    for (const std::string &arg : args) {
        std::string plain = DropFieldCodes(arg);
        if (plain.empty() && arg != "%%" && !arg.empty())
            continue; // a field code alone
        if (!joined.empty())
            joined += ' ';
        joined += plain;
    }
    command = CString(joined.c_str());
    return true;
}

Result Read(const CString &valueName, CString &command)
{
    const CString path = EntryPath(valueName);
    if (path.IsEmpty())
        return Result::BadName;
    std::string file;
    if (!ReadFile(path, file))
        return Result::Missing;
    return Parse(file, command);
}

Result Parse(const std::string &file, CString &command)
{
    std::string hidden;
    if (EntryValue(file, "Hidden", hidden) && hidden == "true")
        return Result::Missing;
    std::string exec;
    if (!EntryValue(file, "Exec", exec))
        return Result::Corrupt;
    CString value;
    if (!UnquoteExec(CString(exec.c_str()), value))
        return Result::Corrupt;
    command = value;
    return Result::Ok;
}

Result Write(const CString &valueName, const CString &command)
{
    const CString path = EntryPath(valueName);
    if (path.IsEmpty())
        return Result::BadName;
    const CString folder = PlexoGetUserConfigFolder() + "/autostart";
    if (!PlexoCreateFolderPath(folder))
        return Result::WriteFailed;
    const std::string name(valueName.GetString(), static_cast<size_t>(valueName.GetLength()));
    std::string entry = "[Desktop Entry]\nType=Application\nName=" + EscapeString(name) +
                        "\nExec=" + std::string(QuoteExec(command).GetString()) + "\n";
    return PlexoWriteFileAtomically(path.GetString(), entry) ? Result::Ok : Result::WriteFailed;
}

Result Remove(const CString &valueName)
{
    const CString path = EntryPath(valueName);
    if (path.IsEmpty())
        return Result::BadName;
    if (std::remove(path.GetString()) == 0)
        return Result::Ok;
    return errno == ENOENT ? Result::Missing : Result::WriteFailed;
}

} // namespace Autostart
