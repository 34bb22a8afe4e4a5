// The line layout of DrawText: prefix characters, line breaks, word
// breaking, tab expansion and ellipses, measured by a caller-supplied
// function so the rules can be checked without a device. Framework-internal.
#pragma once

#include <QString>

#include "framework/gdi/GdiStructs.h"

#include <functional>
#include <vector>

namespace DrawTextLayout {

struct Metrics {
    std::function<int(const QString &)> width; // width of text without tabs
    int aveCharWidth = 0;
    int lineHeight = 0;
};

struct Line {
    QString text;
    int width = 0;
    int underline = -1; // index in text of the prefixed (underlined) character
};

struct Result {
    std::vector<Line> lines;
    int maxWidth = 0;
};

// The format's flags; with DT_TABSTOP, bits 8 to 15 hold the tab size, not flags.
UINT FormatFlags(UINT format);
// "&x" underlines x, "&&" is a literal "&"; a lone final "&" is dropped.
// underlineIndex receives the index of the last prefixed character or -1.
QString StripPrefix(const QString &text, int *underlineIndex);
// Distance between tab stops for the format (DT_TABSTOP carries a count of
// characters in bits 8 to 15; the default is eight).
int TabWidth(UINT format, const Metrics &metrics);
// Width of text with tabs expanded (when DT_EXPANDTABS) from the line start.
int TextWidth(const QString &text, UINT format, const Metrics &metrics);
// The pieces between tabs and their x offsets from the line start.
std::vector<std::pair<int, QString>> Segments(const QString &text, UINT format, const Metrics &metrics);
Result Layout(const QString &text, UINT format, int rectWidth, const Metrics &metrics);

} // namespace DrawTextLayout
