// Text measurement and drawing in device pixels for a context's selected
// font, shared by TextOut, TabbedTextOut and DrawText. Framework-internal.
#pragma once

#include <QString>

#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/FontFaces.h"

#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace TextRendering {

std::shared_ptr<const ResolvedFont> FontOf(HDC h);
// A logical rectangle in device pixels (inclusive corners, normalised); a
// rectangle mapped to the far edge of the coordinates stays there.
QRect DeviceRect(HDC h, LPCRECT r);
QString Decode(LPCTSTR text, int count);
// Decodes character by character for text that must show every byte (the
// tabbed output of editors): a byte that starts no well-formed UTF-8
// sequence becomes one U+FFFD, and a control byte other than TAB its
// visible control picture (U+2400 plus the byte, U+2421 for DEL).
QString DecodeVisible(LPCTSTR text, int count);
// Device pixels added after every character (SetTextCharacterExtra).
int CharExtra(HDC h);
int Width(HDC h, const ResolvedFont &font, const QString &text);
// The width of text as the sum of its characters' advances, so that the
// width of any prefix is the same measured alone or inside the text.
int AdditiveWidth(HDC h, const ResolvedFont &font, const QString &text);

// One piece of text placed at x (device pixels, from the run's left edge).
struct Run {
    int x;
    QString text;
};

struct DrawRequest {
    QPoint reference; // device point the run is placed against
    int left = 0;     // offsets of the cell's top-left from the reference
    int top = 0;
    int width = 0; // cell width, for the opaque background
    std::vector<Run> runs;
    std::vector<int> advances;         // per character, when the caller fixes them
    bool opaqueCell = false;           // fill the cell with the background colour
    const QRect *opaqueRect = nullptr; // ETO_OPAQUE: fill this device rectangle first
    const QRect *clipRect = nullptr;   // restrict the text to this device rectangle
    int underlineRun = -1;             // the run and character index to underline (prefix)
    int underlineIndex = -1;
};

// Draws on the context's target with its text colour, background colour and clip.
void Draw(HDC h, const ResolvedFont &font, const DrawRequest &request);

// The x of the tab stop after x (device pixels): every 8 average characters
// without stops, every stops[0] with one, at the listed stops (measured from
// origin) with more; past the last listed stop a tab moves one space on.
int NextTabStop(HDC h, const ResolvedFont &font, int x, int origin, int nTabPositions, const INT *stops);

} // namespace TextRendering
