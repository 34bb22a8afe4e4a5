// CIniDocument: an INI file held as its lines, so that a change touches only
// the lines it must and the rest of the file (order, comments, blank lines,
// unknown lines) is written back as it was read.
//
// Reading rules: a line whose first non-blank byte is '[' and which has a
// later ']' opens a section (the name between them, trimmed); a line with
// '=' inside a section is a key (name and value trimmed); lines starting
// with ';' are comments; anything else is kept and ignored.  Section and
// key names compare without ASCII case; the first section or key of a name
// wins.  Bytes are kept as they are, NUL bytes and over-long lines included.
#pragma once

#include "framework/base/WinTypes.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CIniDocument {
public:
    // Files larger than this, or with more lines, are refused rather than
    // read into memory (a hostile file cannot make us allocate without end).
    static constexpr size_t kMaxFileSize = 64u * 1024u * 1024u;
    static constexpr size_t kMaxLines = 1000000u;

    // FALSE (and an empty document) when the bytes hold too many lines.
    BOOL Parse(std::string_view bytes);
    std::string Serialize() const;

    // Reads the file; FALSE (and an empty document) when it is missing, not
    // a regular file, unreadable or too large (in bytes or lines).
    BOOL Load(const char *path);
    // Load before an edit: a missing file gives an empty document and TRUE;
    // a file that exists but cannot be read gives FALSE, so an edit never
    // replaces a file by a document that lost its content.
    BOOL LoadForEdit(const char *path);
    // Writes beside the target and renames into place, so the file is either
    // the old one or the new one; FALSE when that fails (target untouched).
    BOOL Save(const char *path) const;

    bool HasSection(std::string_view section) const;
    // The trimmed value as it stands in the file (quotes kept), or NULL.
    const std::string *FindValue(std::string_view section, std::string_view key) const;
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;
    // The section's keys as "key=value" entries, in file order.
    std::vector<std::string> SectionEntries(std::string_view section) const;

    // Editing.  Names and values that would break the line structure
    // (line breaks, '=' in a key, ']' in a section name) are refused.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);
    bool AddSection(std::string_view section);
    // Replaces the section's body with "key=value" entries (made when absent).
    bool ReplaceSection(std::string_view section, const std::vector<std::string> &entries);

    static bool IsValidSectionName(std::string_view section);
    static bool IsValidKeyName(std::string_view key);
    static bool IsValidValue(std::string_view value);
    // One pair of matching single or double quotes around the whole value
    // is removed.
    static std::string_view StripQuotes(std::string_view value);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string text;
        // The line end as read ("\n" or "\r\n"; other CRs stay in text), so a rewrite
        // gives back every line the program did not change byte for byte;
        // empty for lines the program made and for a last line without one.
        std::string eol;
        Kind kind = Kind::Other;
        std::string name;  // section or key name, trimmed
        std::string value; // key value, trimmed
    };
    static Line ClassifyLine(std::string text);
    // Index range [first, end) of the lines of the first section of the name
    // (first is the header); first == npos when the section does not exist.
    struct Range {
        size_t first;
        size_t end;
    };
    Range FindSection(std::string_view section) const;
    size_t FindKeyLine(const Range &range, std::string_view key) const;
    size_t InsertionPoint(const Range &range) const;
    Range AppendSection(std::string_view section);

    std::vector<Line> m_lines;
    bool m_crlf = false;
    bool m_bom = false;
    bool m_finalNewline = true;
};
