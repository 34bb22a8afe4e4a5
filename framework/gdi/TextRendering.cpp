// Text measurement and drawing in device pixels.
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "framework/gdi/TextRendering.h"

#include "framework/gdi/Saturate.h"

#include "framework/base/Mbcs.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace TextRendering {

std::shared_ptr<const ResolvedFont> FontOf(HDC h)
{
    static const LOGFONT fallback{};
    const LOGFONT &lf = h->state.font ? h->state.font->logFont : fallback;
    return FontFaces::Resolve(lf, h->state.mapping, h->dpiY);
}

QRect DeviceRect(HDC h, LPCRECT r)
{
    const POINT a = h->state.mapping.ToDevice(POINT{r->left, r->top});
    const POINT b = h->state.mapping.ToDevice(POINT{r->right, r->bottom});
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                 QPoint(Saturate::Decrement(std::max(a.x, b.x)), Saturate::Decrement(std::max(a.y, b.y))));
}

QString Decode(LPCTSTR text, int count)
{
    if (!text || count <= 0)
        return QString();
    return QString::fromUtf8(text, count);
}

QString DecodeVisible(LPCTSTR text, int count)
{
    QString out;
    if (!text || count <= 0)
        return out;
    out.reserve(count);
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    for (int at = 0; at < count;) {
        unsigned int code = 0;
        at += MbDecodeChar(bytes + at, static_cast<size_t>(count - at), &code);
        if (code == 0x7F)
            code = 0x2421;
        else if (code < 0x20 && code != '\t')
            code += 0x2400;
        if (QChar::requiresSurrogates(code)) {
            out.append(QChar(QChar::highSurrogate(code)));
            out.append(QChar(QChar::lowSurrogate(code)));
        } else {
            out.append(QChar(static_cast<char16_t>(code)));
        }
    }
    return out;
}

int CharExtra(HDC h)
{
    return Saturate::Round(h->state.textCharExtra * h->state.mapping.ScaleX());
}

int Width(HDC h, const ResolvedFont &font, const QString &text)
{
    if (text.isEmpty())
        return 0;
    QFontMetrics fm(font.font);
    return fm.horizontalAdvance(text) + CharExtra(h) * static_cast<int>(text.size());
}

int AdditiveWidth(HDC h, const ResolvedFont &font, const QString &text)
{
    if (text.isEmpty())
        return 0;
    QFontMetrics fm(font.font);
    const int extra = CharExtra(h);
    long long total = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        // Measured as a string: the character overload may take another
        // font engine than the text is drawn with.
        total += fm.horizontalAdvance(QStringView(text).mid(i, n).toString()) + extra;
        i += n;
    }
    return static_cast<int>(std::clamp<long long>(total, 0, std::numeric_limits<int>::max()));
}

int NextTabStop(HDC h, const ResolvedFont &font, int x, int origin, int nTabPositions, const INT *stops)
{
    double scale = std::fabs(h->state.mapping.ScaleX());
    auto everyStep = [&](int step) {
        if (step <= 0)
            step = 1;
        int rel = x - origin;
        int k = rel >= 0 ? rel / step + 1 : -((-rel) / step) + ((-rel) % step == 0 ? 1 : 0);
        return origin + k * step;
    };
    if (nTabPositions <= 0 || !stops)
        return everyStep(8 * font.aveCharWidth);
    if (nTabPositions == 1) {
        int step = Saturate::Round(std::abs(stops[0]) * scale);
        return everyStep(step > 0 ? step : 8 * font.aveCharWidth);
    }
    for (int i = 0; i < nTabPositions; ++i) {
        int pos = Saturate::ToInt(static_cast<long long>(origin) + Saturate::Round(std::abs(stops[i]) * scale));
        if (pos > x)
            return pos;
    }
    return x + Width(h, font, QStringLiteral(" "));
}

namespace {

uint32_t TextPixel(HDC h, COLORREF c)
{
    uint32_t px = Paints::ToPixel(h->Colour(c));
    return h->IsMono() ? Paints::ToMono(px) : px;
}

QColor ToQColor(uint32_t px)
{
    return QColor::fromRgb(static_cast<QRgb>(px | 0xFF000000u));
}

// Calls place(x, text) for each piece of text at its x (from the run's
// left, at the baseline): whole runs, or characters one by one when the
// advances are fixed or spaced out.
template <typename F>
void PlaceRuns(HDC h, const ResolvedFont &font, const DrawRequest &r, F place)
{
    QFontMetrics fm(font.font);
    int extra = CharExtra(h);
    // Positions add up caller-given advances: sum them in 64 bits and keep
    // each within the int range.
    const auto clamped = [](long long x) {
        return static_cast<int>(
            std::clamp<long long>(x, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    for (const Run &run : r.runs) {
        long long x = static_cast<long long>(r.left) + run.x;
        if (extra == 0 && r.advances.empty()) {
            place(clamped(x), run.text);
            continue;
        }
        for (qsizetype c = 0; c < run.text.size(); ++c) {
            place(clamped(x), QString(run.text[c]));
            if (!r.advances.empty() && static_cast<size_t>(c) < r.advances.size())
                x += r.advances[static_cast<size_t>(c)];
            else
                x += static_cast<long long>(fm.horizontalAdvance(run.text[c])) + extra;
        }
    }
}

// Text drawn inside a path bracket becomes the outlines of its glyphs.
void RecordOutlines(HDC h, const ResolvedFont &font, const DrawRequest &r)
{
    QPainterPath outlines;
    int baseline = r.top + font.ascent;
    PlaceRuns(h, font, r, [&](int x, const QString &text) { outlines.addText(QPointF(x, baseline), font.font, text); });
    QTransform toDevice;
    toDevice.translate(r.reference.x(), r.reference.y());
    if (font.escapementDegrees != 0)
        toDevice.rotate(-font.escapementDegrees);
    for (const QPolygonF &poly : outlines.toSubpathPolygons(toDevice)) {
        std::vector<QPoint> points;
        for (const QPointF &pt : poly) {
            // Saturated: text near the end of the coordinates has outlines past it.
            const QPoint q(Saturate::Round(pt.x()), Saturate::Round(pt.y()));
            if (points.empty() || points.back() != q)
                points.push_back(q);
        }
        if (points.size() > 1 && points.front() == points.back())
            points.pop_back();
        if (points.size() >= 3)
            h->state.path.ClosedFigure(points, {});
    }
}

void DrawRuns(QPainter &p, HDC h, const ResolvedFont &font, const DrawRequest &r)
{
    int baseline = r.top + font.ascent;
    PlaceRuns(h, font, r, [&](int x, const QString &text) { p.drawText(QPoint(x, baseline), text); });
    if (r.underlineRun >= 0 && static_cast<size_t>(r.underlineRun) < r.runs.size()) {
        const Run &run = r.runs[static_cast<size_t>(r.underlineRun)];
        if (r.underlineIndex >= 0 && r.underlineIndex < run.text.size()) {
            int x0 = r.left + run.x + Width(h, font, run.text.left(r.underlineIndex));
            int x1 = r.left + run.x + Width(h, font, run.text.left(r.underlineIndex + 1));
            p.fillRect(QRect(x0, baseline + 1, x1 - x0, 1), p.pen().color());
        }
    }
}

// Qt gives every pixel it paints on a 32-bit image an opaque top byte; a
// bitmap keeps whole words as the platform writes them, so the pixels the
// text changed are stored again through the target's PixelStore. The band
// watched is the text's rows (with a margin for overhangs and underlines)
// across the visible part, or all of it for rotated text.
class PaintedWords {
public:
    PaintedWords(HDC h, QImage &image, const ResolvedFont &font, const DrawRequest &r) : m_image(image)
    {
        PixelStore store = h->Store();
        if (store.keep == 0xFFFFFFFFu && store.force == 0xFF000000u)
            return; // screen images keep opaque words anyway
        m_store = store;
        QRect area = h->VisibleRegion().boundingRect();
        if (font.escapementDegrees == 0) {
            // Text placed beyond any image touches no pixel.
            const long long top = static_cast<long long>(r.reference.y()) + r.top - font.height;
            if (std::llabs(top) > (1LL << 30))
                area = QRect();
            else
                area &= QRect(area.left(), static_cast<int>(top), area.width(), 3 * font.height + 2);
        }
        if (r.opaqueRect)
            area |= *r.opaqueRect & h->VisibleRegion().boundingRect();
        m_area = area & image.rect();
        if (!m_area.isEmpty())
            m_before = image.copy(m_area);
    }

    // The pixels the text may have changed.
    const QRect &Area() const { return m_area; }

    void Store()
    {
        if (m_before.isNull())
            return;
        for (int y = 0; y < m_area.height(); ++y) {
            const uint32_t *old = reinterpret_cast<const uint32_t *>(m_before.constScanLine(y));
            uint32_t *now = reinterpret_cast<uint32_t *>(m_image.scanLine(m_area.top() + y)) + m_area.left();
            for (int x = 0; x < m_area.width(); ++x)
                if (now[x] != old[x])
                    now[x] = m_store.Store(now[x] & 0x00FFFFFFu);
        }
    }

private:
    QImage &m_image;
    PixelStore m_store;
    QRect m_area;
    QImage m_before;
};

} // namespace

void Draw(HDC h, const ResolvedFont &font, const DrawRequest &r)
{
    if (h->state.path.recording) {
        RecordOutlines(h, font, r);
        return;
    }
    QImage *image = h->Image();
    QPainter local;
    QPainter *p = nullptr;
    std::unique_ptr<PaintedWords> words;
    if (image) {
        words = std::make_unique<PaintedWords>(h, *image, font, r);
        if (!local.begin(image))
            return;
        p = &local;
    } else if (h->painter && h->painter->isActive()) {
        p = h->painter.get();
        p->save();
    } else {
        return;
    }
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setRenderHint(QPainter::TextAntialiasing, font.font.styleStrategy() & QFont::PreferAntialias);
    QRegion clip = h->VisibleRegion();
    p->setClipRegion(clip);
    if (r.opaqueRect)
        p->fillRect(*r.opaqueRect, ToQColor(TextPixel(h, h->state.bkColor)));
    if (r.clipRect)
        p->setClipRegion(clip & *r.clipRect);
    p->translate(r.reference);
    if (font.escapementDegrees != 0)
        p->rotate(-font.escapementDegrees);
    if (r.opaqueCell)
        p->fillRect(QRect(r.left, r.top, r.width, font.height), ToQColor(TextPixel(h, h->state.bkColor)));
    p->setFont(font.font);
    p->setPen(ToQColor(TextPixel(h, h->state.textColor)));
    DrawRuns(*p, h, font, r);
    if (image) {
        local.end();
        words->Store();
        h->Drawn(words->Area());
    } else
        p->restore();
}

} // namespace TextRendering
