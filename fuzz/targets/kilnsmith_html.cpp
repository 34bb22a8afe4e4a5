// Colours the input bytes as an HTML page in the wizard's text buffer, edits
// at a few places the input chooses, and colours again.  Checks: at every
// position of every line the buffer's inside-or-outside answer is the one a
// plain search of the text over all lines gives, before and after the edits,
// and every line's runs are those of the rule applied token by token with
// plain searches and no remembered answers.
#include "kilnsmith/documents/MDITextBuffer.h"

#include "editor/lang/SECEditColorGroup.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditTag.h"
#include "framework/gdi/OffscreenApplication.h"
#include "tests/kilnsmith/documents/HtmlRuleReference.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

SECEditLangConfig *HtmlLanguage()
{
    static SECEditLangConfig *config = [] {
        auto *c = new SECEditLangConfig;
        c->SetDefaults();
        c->SetName("HTML");
        auto group = [c](LPCTSTR name) {
            auto *g = new SECEditColorGroup;
            g->m_strDisplayName = name;
            return c->SetColorGroup(name, g);
        };
        const WORD comment = group("Comment"), keyword = group("Keyword"), string = group("String");
        c->AddCharacters(SECEDIT_OPERATORS, "<>/=", 4);
        c->AddCharacters(SECEDIT_DELIMITERS, "<>/=,;:()\"'", 11);
        auto tag = [c](LPCTSTR begin, LPCTSTR end, WORD g, BOOL multiLine) {
            auto *t = new SECEditTag;
            t->m_strBeginTag = begin;
            t->m_strEndTag = end;
            t->m_wColorGroup = g;
            t->m_bMultiLine = multiLine;
            c->AddTag(t);
        };
        tag("<!--", "-->", comment, TRUE);
        tag("\"", "\"", string, FALSE);
        for (const char *word : {"a", "b", "div", "p", "html"})
            c->GetKeywordMap().SetAt(word, keyword);
        return c;
    }();
    return config;
}

Lines LinesOf(SECEditTextBuffer &buffer)
{
    Lines lines;
    for (int line = 0; line < buffer.GetLineCount(); ++line) {
        CString holder;
        char *text = nullptr;
        const int length = buffer.GetLineText(line, holder, &text);
        lines.emplace_back(text ? text : "", text ? static_cast<size_t>(length) : 0u);
    }
    return lines;
}

void CheckEveryPosition(CMDITextBuffer &buffer)
{
    const Lines lines = LinesOf(buffer);
    for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
        CString holder;
        char *text = nullptr;
        buffer.GetLineText(line, holder, &text);
        for (int col = 0; text && col <= static_cast<int>(lines[line].size()); ++col)
            if ((buffer.IsOutsideTag(line, text, text + col) != FALSE) != PlainOutside(lines, line, col))
                std::abort();
        buffer.GetLineColors(line);
    }
}

void CheckRunsAgainstTheRule(CMDITextBuffer &buffer, const uint8_t *data, size_t size)
{
    TokenByTokenBuffer reference;
    reference.SetLangConfig(HtmlLanguage());
    reference.Initialize();
    SECEditRange range(0, 0, 0, 0);
    reference.InsertText(range, reinterpret_cast<const char *>(data), static_cast<int>(size));
    if (reference.GetLineCount() != buffer.GetLineCount())
        std::abort();
    for (int line = 0; line < buffer.GetLineCount(); ++line) {
        const SECEditColorRuns *mine = buffer.GetLineColors(line);
        const SECEditColorRuns *rule = reference.GetLineColors(line);
        if ((mine == nullptr) != (rule == nullptr) || (mine && *mine != *rule))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureOffscreenApplication();
    if (size > 4096)
        return 0;
    CMDITextBuffer buffer;
    buffer.SetLangConfig(HtmlLanguage());
    buffer.Initialize();
    if (!buffer.IsHtml())
        std::abort();
    SECEditRange range(0, 0, 0, 0);
    buffer.InsertText(range, reinterpret_cast<const char *>(data), static_cast<int>(size));
    CheckEveryPosition(buffer);
    CheckRunsAgainstTheRule(buffer, data, size);

    static const char *const pieces[] = {"<", ">", "\n", "<!--", "-->", "x", "\"", "<a\n"};
    for (size_t i = 0; i + 1 < size && i < 16; i += 2) {
        const int line = data[i] % buffer.GetLineCount();
        const int col = data[i + 1] % (buffer.GetLineLength(line) + 1);
        const char *piece = pieces[data[i + 1] % 8];
        if (data[i] & 0x80)
            buffer.DeleteText(line, col, line + (data[i] & 1), col + 1);
        else
            buffer.InsertText(line, col, piece, static_cast<int>(std::strlen(piece)));
        CheckEveryPosition(buffer);
    }
    return 0;
}
