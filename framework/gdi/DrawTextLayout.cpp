// The line layout of DrawText.
#include "framework/gdi/DrawTextLayout.h"

namespace DrawTextLayout {

namespace {

const QString kEllipsis = QStringLiteral("...");

bool Expands(UINT format)
{
    return (format & DT_EXPANDTABS) != 0;
}

// Splits into paragraphs at CR LF, LF or CR; keeps each paragraph's offset.
std::vector<std::pair<int, QString>> Paragraphs(const QString &text)
{
    std::vector<std::pair<int, QString>> out;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c != u'\n' && c != u'\r')
            continue;
        out.emplace_back(start, text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    out.emplace_back(start, text.mid(start));
    return out;
}

struct Piece {
    int start; // offset in the paragraph
    QString text;
};

// Greedy word wrapping: a line takes words while they fit; the spaces at a
// break are dropped; a word wider than the rectangle stands alone (and is
// cut into characters with DT_EDITCONTROL).
std::vector<Piece> Wrap(const QString &para, UINT format, int rectWidth, const Metrics &m)
{
    std::vector<Piece> lines;
    int lineStart = 0;
    int lineEnd = 0; // exclusive end of the text placed on the current line
    int i = 0;
    int n = static_cast<int>(para.size());
    auto isSpace = [&](int k) { return para[k] == u' ' || para[k] == u'\t'; };
    // Leading spaces belong to the first line.
    while (i < n && isSpace(i))
        ++i;
    lineEnd = i;
    while (i < n) {
        int wordStart = i;
        while (i < n && !isSpace(i))
            ++i;
        int wordEnd = i;
        QString candidate = para.mid(lineStart, wordEnd - lineStart);
        bool empty = lineEnd == lineStart || para.mid(lineStart, lineEnd - lineStart).trimmed().isEmpty();
        if (TextWidth(candidate, format, m) <= rectWidth || empty) {
            if (empty && (FormatFlags(format) & DT_EDITCONTROL) && TextWidth(candidate, format, m) > rectWidth) {
                // Cut the word where it stops fitting, at least one character per line.
                int cut = wordStart;
                while (cut < wordEnd && (cut == lineStart ||
                                         TextWidth(para.mid(lineStart, cut + 1 - lineStart), format, m) <= rectWidth))
                    ++cut;
                lines.push_back({lineStart, para.mid(lineStart, cut - lineStart)});
                lineStart = lineEnd = cut;
                i = cut;
                continue;
            }
            lineEnd = wordEnd;
        } else {
            lines.push_back({lineStart, para.mid(lineStart, lineEnd - lineStart)});
            lineStart = wordStart;
            lineEnd = wordEnd;
        }
        int spaceStart = i;
        while (i < n && isSpace(i))
            ++i;
        if (i == n)
            lineEnd = n; // trailing spaces stay with the last line
        else if (spaceStart == i)
            break;
    }
    lines.push_back({lineStart, para.mid(lineStart, lineEnd - lineStart)});
    return lines;
}

QString EndEllipsis(const QString &text, UINT format, int rectWidth, const Metrics &m)
{
    QString head = text;
    while (!head.isEmpty() && TextWidth(head + kEllipsis, format, m) > rectWidth)
        head.chop(1);
    return head + kEllipsis;
}

// Keeps as much as possible of the part after the last path separator and
// puts the ellipsis in place of the characters before it.
QString PathEllipsis(const QString &text, UINT format, int rectWidth, const Metrics &m)
{
    int sep = std::max(text.lastIndexOf(u'\\'), text.lastIndexOf(u'/'));
    if (sep < 0)
        return EndEllipsis(text, format, rectWidth, m);
    QString head = text.left(sep);
    QString tail = text.mid(sep);
    while (!head.isEmpty() && TextWidth(head + kEllipsis + tail, format, m) > rectWidth)
        head.chop(1);
    QString result = head + kEllipsis + tail;
    if (head.isEmpty())
        while (tail.size() > 1 && TextWidth(kEllipsis + tail, format, m) > rectWidth)
            tail.remove(1, 1); // keep the separator, drop the name's first characters
    return head.isEmpty() ? kEllipsis + tail : result;
}

} // namespace

UINT FormatFlags(UINT format)
{
    return (format & DT_TABSTOP) ? (format & ~0xFF00u) : format;
}

QString StripPrefix(const QString &text, int *underlineIndex)
{
    QString out;
    int underline = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out += text[i];
            continue;
        }
        if (i + 1 >= text.size())
            break; // a final "&" shows nothing
        ++i;
        if (text[i] != u'&')
            underline = static_cast<int>(out.size());
        out += text[i];
    }
    if (underlineIndex)
        *underlineIndex = underline;
    return out;
}

int TabWidth(UINT format, const Metrics &metrics)
{
    int chars = (format & DT_TABSTOP) ? static_cast<int>((format >> 8) & 0xFF) : 8;
    if (chars <= 0)
        chars = 8;
    int w = chars * metrics.aveCharWidth;
    return w > 0 ? w : 1;
}

std::vector<std::pair<int, QString>> Segments(const QString &text, UINT format, const Metrics &metrics)
{
    std::vector<std::pair<int, QString>> out;
    if (!Expands(format)) {
        QString plain = text;
        plain.replace(u'\t', u' ');
        out.emplace_back(0, plain);
        return out;
    }
    int tab = TabWidth(format, metrics);
    int x = 0;
    int start = 0;
    for (int i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\t')
            continue;
        QString piece = text.mid(start, i - start);
        out.emplace_back(x, piece);
        x += metrics.width(piece);
        if (i < text.size())
            x = (x / tab + 1) * tab;
        start = i + 1;
    }
    return out;
}

int TextWidth(const QString &text, UINT format, const Metrics &metrics)
{
    std::vector<std::pair<int, QString>> segments = Segments(text, format, metrics);
    const auto &last = segments.back();
    return last.first + metrics.width(last.second);
}

Result Layout(const QString &text, UINT rawFormat, int rectWidth, const Metrics &metrics)
{
    UINT format = FormatFlags(rawFormat);
    Result result;
    int underline = -1;
    QString plain = (format & DT_NOPREFIX) ? text : StripPrefix(text, &underline);
    if (format & DT_HIDEPREFIX)
        underline = -1;
    std::vector<std::pair<int, QString>> paragraphs;
    if (format & DT_SINGLELINE)
        paragraphs.emplace_back(0, plain);
    else
        paragraphs = Paragraphs(plain);
    bool wrap = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    for (const auto &[paraStart, para] : paragraphs) {
        std::vector<Piece> pieces = wrap ? Wrap(para, rawFormat, rectWidth, metrics) : std::vector<Piece>{{0, para}};
        for (const Piece &piece : pieces) {
            Line line;
            line.text = piece.text;
            int offset = paraStart + piece.start;
            if (underline >= offset && underline < offset + piece.text.size())
                line.underline = underline - offset;
            line.width = TextWidth(line.text, rawFormat, metrics);
            if (line.width > rectWidth && (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS))) {
                line.text = (format & DT_PATH_ELLIPSIS) ? PathEllipsis(line.text, rawFormat, rectWidth, metrics)
                                                        : EndEllipsis(line.text, rawFormat, rectWidth, metrics);
                if (line.underline >= line.text.size() - kEllipsis.size())
                    line.underline = -1;
                line.width = TextWidth(line.text, rawFormat, metrics);
            }
            result.maxWidth = std::max(result.maxWidth, line.width);
            result.lines.push_back(line);
        }
    }
    return result;
}

} // namespace DrawTextLayout
