#include "HtmlRuleReference.h"

#include "editor/lang/ISECEditLangConfig.h"
#include "editor/lang/SECEditLangConfig.h"

#include <algorithm>

Lines SplitLines(const std::string &text)
{
    Lines lines(1);
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

char PlainBefore(const Lines &lines, int line, int offset)
{
    for (int l = line, end = offset; l >= 0; --l, end = l >= 0 ? static_cast<int>(lines[l].size()) : 0)
        for (int i = end - 1; i >= 0; --i)
            if (lines[l][i] == '<' || lines[l][i] == '>')
                return lines[l][i];
    return 0;
}

char PlainAfter(const Lines &lines, int line, int offset)
{
    for (int l = line, from = offset; l < static_cast<int>(lines.size()); ++l, from = 0)
        for (int i = std::min(from, static_cast<int>(lines[l].size())); i < static_cast<int>(lines[l].size()); ++i)
            if (lines[l][i] == '<' || lines[l][i] == '>')
                return lines[l][i];
    return 0;
}

bool PlainOutside(const Lines &lines, int line, int offset)
{
    const std::string &text = lines[line];
    const char at = offset < static_cast<int>(text.size()) ? text[offset] : 0;
    if (at == '>' && PlainBefore(lines, line, offset) == '<')
        return false;
    if (at == '<' && PlainAfter(lines, line, offset + 1) == '>')
        return false;
    if (PlainBefore(lines, line, offset) != '<')
        return true;
    return PlainAfter(lines, line, offset) != '>';
}

int TokenByTokenBuffer::ParseToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                                   WORD *pPending, SECEditColorRuns *pRuns)
{
    Lines lines;
    for (int l = 0; l < GetLineCount(); ++l) {
        CString holder;
        char *p = nullptr;
        const int length = GetLineText(l, holder, &p);
        lines.emplace_back(p ? p : "", p ? static_cast<size_t>(length) : 0u);
    }
    const int offset = static_cast<int>(token - lineText);
    if (tokenLength < 0 || !PlainOutside(lines, line, offset))
        return SECEditTextBuffer::ParseToken(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    int length = tokenLength;
    if (length == 0) {
        if (!GetLangConfig()->IsInCharSet(static_cast<unsigned char>(*token), SECEDIT_DELIMITERS))
            return SECEditTextBuffer::ParseToken(line, lineText, token, tokenLength, remaining, pPending, pRuns);
        length = 1;
    }
    *pPending = static_cast<WORD>(*pPending + length);
    return length;
}
