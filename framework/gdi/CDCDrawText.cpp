// CDC::DrawText: formatted text in a rectangle.
#include "framework/gdi/CDC.h"
#include "framework/gdi/DrawTextLayout.h"
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/TextRendering.h"

#include <cstring>

namespace {

QPoint Device(HDC h, int x, int y)
{
    POINT p = h->state.mapping.ToDevice(POINT{x, y});
    return QPoint(p.x, p.y);
}

// On a metafile context each run of a line (the pieces between tabs)
// becomes a text record at its place, clipped to the rectangle.
void RecordLine(EmfRecorder &recorder, HDC h, const TextRendering::DrawRequest &r, LPCRECT clip)
{
    for (const auto &run : r.runs) {
        if (run.text.isEmpty())
            continue;
        const POINT at = h->state.mapping.ToLogical(POINT{r.reference.x() + run.x, r.reference.y()});
        const QByteArray utf8 = run.text.toUtf8();
        recorder.Text(at.x, at.y, clip ? ETO_CLIPPED : 0, clip, utf8.constData(), static_cast<UINT>(utf8.size()),
                      nullptr);
    }
}

} // namespace

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nRawFormat)
{
    // Flag tests use the flags only; layout gets the raw format, which may carry a tab size.
    UINT nFormat = DrawTextLayout::FormatFlags(nRawFormat);
    HDC h = m_hDC;
    if (!h || !lpRect || !lpszString)
        return 0;
    if (nCount < 0)
        nCount = static_cast<int>(std::strlen(lpszString));
    auto font = TextRendering::FontOf(h);
    QString text = TextRendering::Decode(lpszString, nCount);

    const QPoint a = Device(h, lpRect->left, lpRect->top);
    const QRect box = TextRendering::DeviceRect(h, lpRect);
    int boxWidth = box.width();
    int boxHeight = box.height();

    DrawTextLayout::Metrics metrics;
    metrics.width = [&](const QString &s) { return TextRendering::Width(h, *font, s); };
    metrics.aveCharWidth = font->aveCharWidth;
    metrics.lineHeight = font->height + ((nFormat & DT_EXTERNALLEADING) ? font->externalLeading : 0);
    DrawTextLayout::Result layout = DrawTextLayout::Layout(text, nRawFormat, boxWidth, metrics);
    int lineCount = static_cast<int>(layout.lines.size());
    int totalHeight = lineCount * metrics.lineHeight;

    if (nFormat & DT_CALCRECT) {
        // The rectangle keeps its top-left corner and takes the text's size.
        POINT corner = h->state.mapping.ToLogical(POINT{a.x() + layout.maxWidth, a.y() + totalHeight});
        lpRect->right = corner.x;
        lpRect->bottom = corner.y;
        return h->state.mapping.SizeToLogical(SIZE{0, totalHeight}).cy;
    }

    bool single = (nFormat & DT_SINGLELINE) != 0;
    int top = box.top();
    if (single && (nFormat & DT_VCENTER))
        top = box.top() + (boxHeight - metrics.lineHeight) / 2;
    else if (single && (nFormat & DT_BOTTOM))
        top = box.top() + boxHeight - metrics.lineHeight;
    QRect clip = box;
    int y = top;
    EmfRecorder *recorder = RecorderOf(h);
    const UINT align = h->state.textAlign;
    if (recorder && align != (TA_LEFT | TA_TOP))
        recorder->Value(Emf::SETTEXTALIGN, TA_LEFT | TA_TOP);
    for (const DrawTextLayout::Line &line : layout.lines) {
        int x = box.left();
        if (nFormat & DT_CENTER)
            x = box.left() + (boxWidth - line.width) / 2;
        else if (nFormat & DT_RIGHT)
            x = box.left() + boxWidth - line.width;
        TextRendering::DrawRequest r;
        r.reference = QPoint(x, y);
        r.width = line.width;
        for (const auto &[offset, piece] : DrawTextLayout::Segments(line.text, nRawFormat, metrics)) {
            if (line.underline >= 0 && r.underlineRun < 0) {
                int before = 0;
                for (const auto &run : r.runs)
                    before += static_cast<int>(run.text.size()) + 1; // each earlier run ended at a tab
                int index = line.underline - before;
                if (index >= 0 && index < piece.size()) {
                    r.underlineRun = static_cast<int>(r.runs.size());
                    r.underlineIndex = index;
                }
            }
            r.runs.push_back({offset, piece});
        }
        if (nFormat & DT_PREFIXONLY) {
            for (auto &run : r.runs)
                run.text = QString(run.text.size(), u' ');
        }
        r.opaqueCell = h->state.bkMode == OPAQUE && line.width > 0;
        if (!(nFormat & DT_NOCLIP))
            r.clipRect = &clip;
        if (recorder)
            RecordLine(*recorder, h, r, (nFormat & DT_NOCLIP) ? nullptr : lpRect);
        else
            TextRendering::Draw(h, *font, r);
        y += metrics.lineHeight;
    }
    if (recorder && align != (TA_LEFT | TA_TOP))
        recorder->Value(Emf::SETTEXTALIGN, align);
    if (single && (nFormat & (DT_VCENTER | DT_BOTTOM)))
        return h->state.mapping.SizeToLogical(SIZE{0, top - box.top() + metrics.lineHeight}).cy;
    return h->state.mapping.SizeToLogical(SIZE{0, totalHeight}).cy;
}
