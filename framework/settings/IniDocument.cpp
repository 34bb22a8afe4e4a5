#include "framework/settings/IniDocument.h"

#include "framework/settings/AtomicFileWrite.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unordered_set>
#include <unistd.h>

namespace {

constexpr size_t npos = std::string::npos;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

std::string Folded(std::string_view name)
{
    std::string folded(name);
    for (char &c : folded)
        c = Lower(c);
    return folded;
}

bool HasLineBreak(std::string_view s)
{
    return s.find_first_of("\r\n") != npos;
}

bool ReadWholeFile(const char *path, std::string &bytes)
{
    int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok =
        ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<size_t>(st.st_size) <= CIniDocument::kMaxFileSize;
    if (ok) {
        bytes.resize(static_cast<size_t>(st.st_size));
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        bytes.resize(done); // a file that shrank while being read
    }
    ::close(fd);
    return ok;
}

} // namespace

CIniDocument::Line CIniDocument::ClassifyLine(std::string text)
{
    Line line;
    std::string_view body = Trim(text);
    if (!body.empty() && body.front() == '[') {
        size_t close = body.find(']');
        if (close != npos) {
            line.kind = Kind::Section;
            line.name = std::string(Trim(body.substr(1, close - 1)));
        }
    } else if (!body.empty() && body.front() != ';') {
        size_t equals = body.find('=');
        if (equals != npos) {
            line.kind = Kind::Key;
            line.name = std::string(Trim(body.substr(0, equals)));
            line.value = std::string(Trim(body.substr(equals + 1)));
        }
    }
    line.text = std::move(text);
    return line;
}

BOOL CIniDocument::Parse(std::string_view bytes)
{
    m_lines.clear();
    m_bom = bytes.substr(0, kBom.size()) == kBom;
    if (m_bom)
        bytes.remove_prefix(kBom.size());
    size_t firstBreak = bytes.find('\n');
    m_crlf = firstBreak != npos && firstBreak > 0 && bytes[firstBreak - 1] == '\r';
    m_finalNewline = bytes.empty() || bytes.back() == '\n';

    while (!bytes.empty()) {
        if (m_lines.size() == kMaxLines) {
            m_lines.clear();
            return FALSE;
        }
        size_t end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        bytes.remove_prefix(end == npos ? bytes.size() : end + 1);
        // One CR before the LF belongs to the line end; any other CR is the
        // line's own and stays in its text.
        const bool bCr = end != npos && !text.empty() && text.back() == '\r';
        if (bCr)
            text.remove_suffix(1);
        m_lines.push_back(ClassifyLine(std::string(text)));
        if (end != npos)
            m_lines.back().eol = bCr ? "\r\n" : "\n";
    }
    return TRUE;
}

std::string CIniDocument::Serialize() const
{
    const char *eol = m_crlf ? "\r\n" : "\n";
    std::string out;
    if (m_bom)
        out += kBom;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        out += m_lines[i].text;
        if (!m_lines[i].eol.empty())
            out += m_lines[i].eol;
        else if (i + 1 < m_lines.size() || m_finalNewline)
            out += eol;
    }
    return out;
}

BOOL CIniDocument::Load(const char *path)
{
    std::string bytes;
    if (path == nullptr || !ReadWholeFile(path, bytes)) {
        Parse({});
        return FALSE;
    }
    return Parse(bytes);
}

BOOL CIniDocument::LoadForEdit(const char *path)
{
    if (path == nullptr || *path == '\0')
        return FALSE;
    if (Load(path))
        return TRUE;
    struct stat st;
    return ::lstat(path, &st) != 0 && errno == ENOENT;
}

BOOL CIniDocument::Save(const char *path) const
{
    return PlexoWriteFileAtomically(path, Serialize()) ? TRUE : FALSE;
}

CIniDocument::Range CIniDocument::FindSection(std::string_view section) const
{
    section = Trim(section);
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != Kind::Section || !SameName(m_lines[i].name, section))
            continue;
        size_t end = i + 1;
        while (end < m_lines.size() && m_lines[end].kind != Kind::Section)
            ++end;
        return {i, end};
    }
    return {npos, npos};
}

size_t CIniDocument::FindKeyLine(const Range &range, std::string_view key) const
{
    if (range.first == npos)
        return npos;
    key = Trim(key);
    for (size_t i = range.first + 1; i < range.end; ++i)
        if (m_lines[i].kind == Kind::Key && SameName(m_lines[i].name, key))
            return i;
    return npos;
}

// New keys go after the section's last non-blank line, so the blank line
// that separates it from the next section stays where it is.
size_t CIniDocument::InsertionPoint(const Range &range) const
{
    size_t at = range.end;
    while (at > range.first + 1 && Trim(m_lines[at - 1].text).empty())
        --at;
    return at;
}

CIniDocument::Range CIniDocument::AppendSection(std::string_view section)
{
    if (!m_lines.empty() && !Trim(m_lines.back().text).empty())
        m_lines.push_back(ClassifyLine(std::string()));
    std::string header(1, '[');
    header += Trim(section);
    header += ']';
    m_lines.push_back(ClassifyLine(std::move(header)));
    return {m_lines.size() - 1, m_lines.size()};
}

bool CIniDocument::HasSection(std::string_view section) const
{
    return FindSection(section).first != npos;
}

const std::string *CIniDocument::FindValue(std::string_view section, std::string_view key) const
{
    size_t at = FindKeyLine(FindSection(section), key);
    return at == npos ? nullptr : &m_lines[at].value;
}

std::vector<std::string> CIniDocument::SectionNames() const
{
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (const Line &line : m_lines)
        if (line.kind == Kind::Section && seen.insert(Folded(line.name)).second)
            names.push_back(line.name);
    return names;
}

std::vector<std::string> CIniDocument::KeyNames(std::string_view section) const
{
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    Range range = FindSection(section);
    if (range.first == npos)
        return names;
    for (size_t i = range.first + 1; i < range.end; ++i)
        if (m_lines[i].kind == Kind::Key && seen.insert(Folded(m_lines[i].name)).second)
            names.push_back(m_lines[i].name);
    return names;
}

std::vector<std::string> CIniDocument::SectionEntries(std::string_view section) const
{
    std::vector<std::string> entries;
    Range range = FindSection(section);
    if (range.first == npos)
        return entries;
    for (size_t i = range.first + 1; i < range.end; ++i)
        if (m_lines[i].kind == Kind::Key)
            entries.push_back(m_lines[i].name + "=" + m_lines[i].value);
    return entries;
}

bool CIniDocument::IsValidSectionName(std::string_view section)
{
    return !HasLineBreak(section) && section.find(']') == npos;
}

bool CIniDocument::IsValidKeyName(std::string_view key)
{
    std::string_view trimmed = Trim(key);
    return !HasLineBreak(key) && key.find('=') == npos &&
           (trimmed.empty() || (trimmed.front() != '[' && trimmed.front() != ';'));
}

bool CIniDocument::IsValidValue(std::string_view value)
{
    return !HasLineBreak(value);
}

std::string_view CIniDocument::StripQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool CIniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    if (!IsValidSectionName(section) || !IsValidKeyName(key) || !IsValidValue(value))
        return false;
    Range range = FindSection(section);
    if (range.first == npos)
        range = AppendSection(section);
    std::string text = std::string(Trim(key)) + "=" + std::string(value);
    size_t at = FindKeyLine(range, key);
    if (at != npos) {
        // The changed line keeps its own line end.
        std::string lineEnd = std::move(m_lines[at].eol);
        m_lines[at] = ClassifyLine(std::move(text));
        m_lines[at].eol = std::move(lineEnd);
    } else {
        m_lines.insert(m_lines.begin() + static_cast<ptrdiff_t>(InsertionPoint(range)), ClassifyLine(std::move(text)));
    }
    m_finalNewline = true;
    return true;
}

bool CIniDocument::DeleteKey(std::string_view section, std::string_view key)
{
    size_t at = FindKeyLine(FindSection(section), key);
    if (at == npos)
        return false;
    m_lines.erase(m_lines.begin() + static_cast<ptrdiff_t>(at));
    return true;
}

// Every section of the name goes, with its lines, so no older duplicate
// comes back into view.  One pass, however many duplicates there are.
bool CIniDocument::DeleteSection(std::string_view section)
{
    section = Trim(section);
    bool found = false;
    bool dropping = false;
    std::vector<Line> kept;
    kept.reserve(m_lines.size());
    for (Line &line : m_lines) {
        if (line.kind == Kind::Section) {
            dropping = SameName(line.name, section);
            found = found || dropping;
        }
        if (!dropping)
            kept.push_back(std::move(line));
    }
    m_lines = std::move(kept);
    return found;
}

bool CIniDocument::AddSection(std::string_view section)
{
    if (!IsValidSectionName(section))
        return false;
    if (!HasSection(section)) {
        AppendSection(section);
        m_finalNewline = true;
    }
    return true;
}

bool CIniDocument::ReplaceSection(std::string_view section, const std::vector<std::string> &entries)
{
    if (!IsValidSectionName(section))
        return false;
    for (const std::string &entry : entries)
        if (HasLineBreak(entry))
            return false;
    Range range = FindSection(section);
    if (range.first == npos)
        range = AppendSection(section);
    size_t keep = InsertionPoint(range); // trailing blank lines stay
    m_lines.erase(m_lines.begin() + static_cast<ptrdiff_t>(range.first + 1),
                  m_lines.begin() + static_cast<ptrdiff_t>(keep));
    size_t at = range.first + 1;
    for (const std::string &entry : entries)
        m_lines.insert(m_lines.begin() + static_cast<ptrdiff_t>(at++), ClassifyLine(entry));
    m_finalNewline = true;
    return true;
}
