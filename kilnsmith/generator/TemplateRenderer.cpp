#include "kilnsmith/generator/TemplateRenderer.h"

#include "kilnsmith/generator/TemplateLibrary.h"

namespace {

struct BlockLine {
    std::string_view line;
    std::string_view templateName;
};

const BlockLine kBlockLines[] = {
    {"{Header opening}", "header_opening"},
    {"{Diagnostics declarations}", "diagnostics_declarations"},
    {"{Source opening A}", "source_opening_a"},
    {"{Source opening B}", "source_opening_b"},
    {"{Diagnostics definitions}", "diagnostics_definitions"},
    {"{Serialization block}", "serialization_block"},
};

// The template name of the block that the line names, or an empty view.
std::string_view FindBlockName(std::string_view line)
{
    for (const BlockLine &block : kBlockLines) {
        if (line == block.line)
            return block.templateName;
    }
    return {};
}

} // namespace

BOOL ExpandTemplate(std::string_view name, std::string &text)
{
    std::string_view source;
    if (!FindTemplateText(name, source))
        return FALSE;
    text.clear();
    size_t nStart = 0;
    while (nStart < source.size()) {
        size_t nEnd = source.find('\n', nStart);
        nEnd = nEnd == std::string_view::npos ? source.size() : nEnd + 1;
        const std::string_view line = source.substr(nStart, nEnd - nStart);
        const std::string_view blockName = FindBlockName(line.substr(0, line.find('\n')));
        if (blockName.empty()) {
            text += line;
        } else {
            std::string_view block;
            if (!FindTemplateText(blockName, block))
                return FALSE;
            text += block;
        }
        nStart = nEnd;
    }
    return TRUE;
}

std::string FillPlaceholders(std::string_view text, std::initializer_list<Placeholder> placeholders)
{
    std::string result;
    result.reserve(text.size());
    size_t nPos = 0;
    while (nPos < text.size()) {
        const Placeholder *pFound = nullptr;
        for (const Placeholder &placeholder : placeholders) {
            if (text.substr(nPos, placeholder.token.size()) == placeholder.token) {
                pFound = &placeholder;
                break;
            }
        }
        if (pFound) {
            result += pFound->value;
            nPos += pFound->token.size();
        } else {
            result += text[nPos++];
        }
    }
    return result;
}

std::string EndWithSingleLineEnd(std::string text)
{
    while (text.size() >= 2 && text[text.size() - 1] == '\n' && text[text.size() - 2] == '\n')
        text.pop_back();
    return text;
}
