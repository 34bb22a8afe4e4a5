// Opens the input bytes as a document in the editor's text buffer, colours
// every line with a C language, edits at a few places the input chooses,
// undoes and redoes.  Checks: the opened text is the input, the colours after
// the edits are those of a fresh buffer with the same text, and undoing
// everything gives the input back.
#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditTag.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/text/SECEditTextStore.h"
#include "framework/gdi/OffscreenApplication.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

SECEditLangConfig *CLanguage()
{
    static SECEditLangConfig *config = [] {
        auto *c = new SECEditLangConfig;
        c->SetDefaults();
        auto group = [c](LPCTSTR name) {
            auto *g = new SECEditColorGroup;
            g->m_strDisplayName = name;
            return c->SetColorGroup(name, g);
        };
        const WORD comment = group("Comment"), keyword = group("Keyword"), string = group("String");
        group("Highlight");
        const char operators[] = "+-*/%=<>!&|^~?:";
        const char delimiters[] = ",;.()[]{}+-*/%=<>!&|^~?:'\"\\";
        c->AddCharacters(SECEDIT_OPERATORS, operators, static_cast<int>(std::strlen(operators)));
        c->AddCharacters(SECEDIT_DELIMITERS, delimiters, static_cast<int>(std::strlen(delimiters)));
        c->AddCharacters(SECEDIT_KWSTARTCHARS, "#", 1);
        auto tag = [c](LPCTSTR begin, LPCTSTR end, LPCTSTR escape, WORD g, BOOL multiLine) {
            auto *t = new SECEditTag;
            t->m_strBeginTag = begin;
            t->m_strEndTag = end;
            t->m_strEscapeChar = escape;
            t->m_wColorGroup = g;
            t->m_bMultiLine = multiLine;
            c->AddTag(t);
        };
        tag("//", "", "", comment, FALSE);
        tag("\"", "\"", "\\", string, FALSE);
        tag("'", "'", "\\", string, FALSE);
        tag("/*", "*/", "", comment, TRUE);
        for (const char *word : {"int", "char", "return", "if", "while", "#include"})
            c->GetKeywordMap().SetAt(word, keyword);
        return c;
    }();
    return config;
}

const std::string &InputPath()
{
    static const std::string path = [] {
        char pattern[] = "/tmp/plexo-fuzz-open-XXXXXX";
        const int fd = ::mkstemp(pattern);
        if (fd < 0)
            std::abort();
        ::close(fd);
        return std::string(pattern);
    }();
    return path;
}

void ColourEveryLine(SECEditTextBuffer &buffer)
{
    for (int line = 0; line < buffer.GetLineCount(); ++line)
        buffer.GetLineColors(line);
}

std::string Text(SECEditTextBuffer &buffer)
{
    const CString text = buffer.GetAllText();
    return std::string(static_cast<LPCTSTR>(text), static_cast<size_t>(text.GetLength()));
}

// The edited buffer colours every line as a fresh buffer with its text does.
void CheckAgainstFreshBuffer(SECEditTextBuffer &edited)
{
    const std::string text = Text(edited);
    SECEditTextBuffer fresh;
    fresh.SetLangConfig(CLanguage());
    fresh.Initialize();
    fresh.GetStore()->SetReturnChar(edited.GetStore()->GetReturnChar());
    SECEditRange range(0, 0, 0, 0);
    fresh.InsertText(range, text.data(), static_cast<int>(text.size()));
    if (fresh.GetLineCount() != edited.GetLineCount() || Text(fresh) != text)
        return; // the fresh buffer broke a long line: nothing to compare
    for (int line = edited.GetLastLine(); line >= 0; --line) {
        SECEditColorRuns *a = edited.GetLineColors(line);
        SECEditColorRuns *b = fresh.GetLineColors(line);
        if (!a || !b || *a != *b)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureOffscreenApplication();

    FILE *file = std::fopen(InputPath().c_str(), "wb");
    if (!file)
        return 0;
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);

    SECEditTextBuffer buffer;
    buffer.SetLangConfig(CLanguage());
    if (!buffer.Open(InputPath().c_str()))
        return 0;
    const std::string opened = Text(buffer);
    if (buffer.IsModified() || opened != std::string(reinterpret_cast<const char *>(data), size))
        std::abort();
    ColourEveryLine(buffer);

    // A few edits at places the input's first bytes choose.
    static const char *const pieces[] = {"/*", "*/", "\"", "\n", "\r\n", "x", "\\", "//"};
    int edits = 0;
    for (size_t i = 0; i + 1 < size && i < 16; i += 2, ++edits) {
        const int line = data[i] % buffer.GetLineCount();
        const int col = data[i + 1] % (buffer.GetLineLength(line) + 1);
        const char *piece = pieces[data[i + 1] % 8];
        if (data[i] & 0x80)
            buffer.DeleteText(line, col, line + (data[i] & 1), col + 1);
        else
            buffer.InsertText(line, col, piece, static_cast<int>(std::strlen(piece)));
        buffer.GetLineColors(buffer.GetLastLine());
    }
    CheckAgainstFreshBuffer(buffer);
    ColourEveryLine(buffer);
    while (buffer.Undo())
        ColourEveryLine(buffer);
    if (buffer.GetUndoCount() == 0 && buffer.GetRedoCount() < 256 && Text(buffer) != opened)
        std::abort();
    while (buffer.Redo())
        ;
    ColourEveryLine(buffer);
    return 0;
}
