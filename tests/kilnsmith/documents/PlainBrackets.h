// The HTML rule's bracket searches as its description reads them: back over
// every earlier line and ahead over every later one, with no index.  The
// tests and the fuzz target compare the wizard's buffer with them.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

typedef std::vector<std::string> Lines;

inline Lines SplitLines(const std::string &text)
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

inline char PlainBefore(const Lines &lines, int line, int offset)
{
    for (int l = line, end = offset; l >= 0; --l, end = l >= 0 ? static_cast<int>(lines[l].size()) : 0)
        for (int i = end - 1; i >= 0; --i)
            if (lines[l][i] == '<' || lines[l][i] == '>')
                return lines[l][i];
    return 0;
}

inline char PlainAfter(const Lines &lines, int line, int offset)
{
    for (int l = line, from = offset; l < static_cast<int>(lines.size()); ++l, from = 0)
        for (int i = std::min(from, static_cast<int>(lines[l].size())); i < static_cast<int>(lines[l].size()); ++i)
            if (lines[l][i] == '<' || lines[l][i] == '>')
                return lines[l][i];
    return 0;
}

inline bool PlainOutside(const Lines &lines, int line, int offset)
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
