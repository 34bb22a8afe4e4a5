#include "EditorBenchSource.h"

#include "editor/lang/SECEditColorGroup.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditTag.h"
#include "editor/text/SECEditTextBuffer.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

std::string MakeSource()
{
    std::string s;
    s.reserve(kFileBytes + 8192);
    for (int i = 0; s.size() < kFileBytes; ++i) {
        const std::string n = std::to_string(i);
        if (i % 10 == 0) {
            s.append("/**\n * Computes the value number ").append(n);
            s.append(".\n * @param alpha the first input\n */\n");
        }
        s.append("int compute").append(n).append("(int alpha, const char *name) // entry ").append(n);
        s.append("\n{\n");
        s.append("    /* running total */ int total = alpha * 3 + 0x1F; // not /* a comment\n");
        s.append("    const char *text = \"quote \\\" and slash \\\\ and /* no comment */\";\n");
        s.append("    if (total > 42 && name[0] == '\\'')\n        return total - ").append(n).append(";\n");
        if (i % 500 == 0)
            s.append("    static const int table[] = {").append(6000, '1').append("};\n");
        s.append("    return 0;\n}\n\n");
    }
    return s;
}

const std::string &SourcePath()
{
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "plexo-bench-editor-100MB.cpp").string();
        std::error_code error;
        const auto size = std::filesystem::file_size(p, error);
        if (error || size < kFileBytes) {
            std::ofstream out(p, std::ios::binary);
            const std::string text = MakeSource();
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
        }
        return p;
    }();
    return path;
}

namespace {

// The C language of the editor: line and block comments, strings and
// characters with escapes, keywords, operators.
class CLanguage {
public:
    CLanguage() : m_pConfig(new SECEditLangConfig)
    {
        m_pConfig->SetDefaults();
        const WORD comment = Group("Comment"), keyword = Group("Keyword"), string = Group("String");
        const char operators[] = "+-*/%=<>!&|^~?:";
        const char delimiters[] = ",;.()[]{}+-*/%=<>!&|^~?:'\"\\";
        m_pConfig->AddCharacters(SECEDIT_OPERATORS, operators, static_cast<int>(std::strlen(operators)));
        m_pConfig->AddCharacters(SECEDIT_DELIMITERS, delimiters, static_cast<int>(std::strlen(delimiters)));
        Tag("//", "", "", comment, FALSE);
        Tag("\"", "\"", "\\", string, FALSE);
        Tag("'", "'", "\\", string, FALSE);
        Tag("/*", "*/", "", comment, TRUE);
        for (const char *word : {"int", "const", "char", "if", "return", "static", "void", "while", "for"})
            m_pConfig->GetKeywordMap().SetAt(word, keyword);
    }
    ~CLanguage() { m_pConfig->Release(); }
    SECEditLangConfig *get() const { return m_pConfig; }

private:
    WORD Group(LPCTSTR name)
    {
        auto *group = new SECEditColorGroup;
        group->m_strDisplayName = name;
        return m_pConfig->SetColorGroup(name, group);
    }
    void Tag(LPCTSTR begin, LPCTSTR end, LPCTSTR escape, WORD group, BOOL multiLine)
    {
        auto *tag = new SECEditTag;
        tag->m_strBeginTag = begin;
        tag->m_strEndTag = end;
        tag->m_strEscapeChar = escape;
        tag->m_wColorGroup = group;
        tag->m_bMultiLine = multiLine;
        m_pConfig->AddTag(tag);
    }
    SECEditLangConfig *m_pConfig;
};

CLanguage &Language()
{
    static CLanguage language;
    return language;
}

} // namespace

void OpenSource(SECEditTextBuffer &buffer)
{
    buffer.SetLangConfig(Language().get());
    if (!buffer.Open(SourcePath().c_str()))
        std::abort();
}
