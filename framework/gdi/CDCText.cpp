// CDC: text output and measurement. Positions name the top-left of the
// character cell unless SetTextAlign says otherwise.
#include "framework/gdi/EmfHooks.h"
#include <QFontMetrics>

#include "framework/gdi/CDC.h"
#include "framework/gdi/Saturate.h"
#include "framework/gdi/TextRendering.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using TextRendering::Decode;
using TextRendering::FontOf;

namespace {

HDC AttrOf(const CDC *dc)
{
    return dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC;
}

QPoint Device(HDC h, int x, int y)
{
    POINT p = h->state.mapping.ToDevice(POINT{x, y});
    return QPoint(p.x, p.y);
}

CSize ToLogical(HDC h, int cx, int cy)
{
    SIZE s = h->state.mapping.SizeToLogical(SIZE{cx, cy});
    return CSize(s.cx, s.cy);
}

int LogicalX(HDC h, int cx)
{
    return ToLogical(h, cx, 0).cx;
}

// Places a run against the reference point by the text alignment flags.
void Align(UINT align, const ResolvedFont &font, int width, TextRendering::DrawRequest &r)
{
    if ((align & TA_CENTER) == TA_CENTER)
        r.left = -width / 2;
    else if (align & TA_RIGHT)
        r.left = -width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        r.top = -font.ascent;
    else if (align & TA_BOTTOM)
        r.top = -font.height;
}

// Moves the current position after text output with TA_UPDATECP.
void UpdateCurrentPosition(CDC *dc, UINT align, POINT reference, int logicalWidth)
{
    if (!(align & TA_UPDATECP))
        return;
    if ((align & TA_CENTER) == TA_CENTER)
        return;
    // In 64 bits: the position may be near either end of the int range.
    const long long x = (align & TA_RIGHT) ? static_cast<long long>(reference.x) - logicalWidth
                                           : static_cast<long long>(reference.x) + logicalWidth;
    dc->MoveTo(Saturate::ToInt(x), reference.y);
}

void PlacePiece(HDC h, const ResolvedFont &font, const QString &piece, int x, int width,
                std::vector<TextRendering::Run> &runs)
{
    if (TextRendering::Width(h, font, piece) == width) {
        runs.push_back({x, piece});
        return;
    }
    for (qsizetype i = 0; i < piece.size();) {
        const qsizetype n =
            (piece[i].isHighSurrogate() && i + 1 < piece.size() && piece[i + 1].isLowSurrogate()) ? 2 : 1;
        const QString one = piece.mid(i, n);
        runs.push_back({x, one});
        x += TextRendering::AdditiveWidth(h, font, one);
        i += n;
    }
}

// Lays out tabbed text: each tab-free piece measures the sum of its
// characters' advances, so that any prefix of a line measures the same
// alone as inside the line; a piece is drawn whole when the font's own
// layout of it has that width, and character by character otherwise.
CSize TabbedLayout(HDC h, const ResolvedFont &font, const QString &text, int nTabPositions, const INT *stops,
                   int startX, int originX, std::vector<TextRendering::Run> *runs)
{
    int x = startX;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\t')
            continue;
        QString piece = text.mid(start, i - start);
        const int width = TextRendering::AdditiveWidth(h, font, piece);
        if (runs && !piece.isEmpty())
            PlacePiece(h, font, piece, x - startX, width, *runs);
        x += width;
        if (i < text.size())
            x = TextRendering::NextTabStop(h, font, x, originX, nTabPositions, stops);
        start = i + 1;
    }
    return CSize(x - startX, font.height);
}

// On a metafile context a tabbed line is one text record per piece between
// tabs, placed by its cell's top-left corner; an opaque background first
// fills the whole cell, the gaps the tabs leave included.
void RecordTabbedLine(EmfRecorder &recorder, HDC h, const TextRendering::DrawRequest &r, const ResolvedFont &font,
                      UINT align)
{
    // Explicit places, not the current position (a MOVETOEX after the text
    // moves that).
    const UINT topLeft = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    if (align != topLeft)
        recorder.Value(Emf::SETTEXTALIGN, topLeft);
    const int left = r.reference.x() + r.left, top = r.reference.y() + r.top;
    if (r.opaqueCell) {
        const POINT a = h->state.mapping.ToLogical(POINT{left, top});
        const POINT b = h->state.mapping.ToLogical(POINT{left + r.width, top + font.height});
        const RECT cell{a.x, a.y, b.x, b.y};
        recorder.Text(a.x, a.y, ETO_OPAQUE, &cell, "", 0, nullptr);
    }
    for (const auto &run : r.runs) {
        if (run.text.isEmpty())
            continue;
        const POINT at = h->state.mapping.ToLogical(POINT{left + run.x, top});
        const QByteArray utf8 = run.text.toUtf8();
        recorder.Text(at.x, at.y, 0, nullptr, utf8.constData(), static_cast<UINT>(utf8.size()), nullptr);
    }
    if (align != topLeft)
        recorder.Value(Emf::SETTEXTALIGN, align);
}

} // namespace

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ExtTextOut(x, y, 0, nullptr, lpszString, nCount < 0 ? 0 : static_cast<UINT>(nCount), nullptr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     const INT *lpDxWidths)
{
    HDC h = m_hDC;
    if (!h || (nCount > 0 && !lpszString) || nCount > (1u << 24))
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(h)) {
        recorder->Text(x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
        return TRUE;
    }
    auto font = FontOf(h);
    QString text = Decode(lpszString, static_cast<int>(nCount));
    UINT align = h->state.textAlign;
    POINT reference = (align & TA_UPDATECP) ? h->state.currentPos : POINT{x, y};
    TextRendering::DrawRequest r;
    r.reference = Device(h, reference.x, reference.y);
    int width = 0;
    if (lpDxWidths) {
        // Advances come from the caller (or a metafile): each is kept within
        // the int range and so is their sum.
        constexpr double kLimit = std::numeric_limits<int>::max();
        double scale = std::fabs(h->state.mapping.ScaleX());
        long long total = 0;
        for (qsizetype i = 0; i < text.size() && i < static_cast<qsizetype>(nCount); ++i) {
            int advance = static_cast<int>(std::lround(std::clamp(lpDxWidths[i] * scale, -kLimit, kLimit)));
            r.advances.push_back(advance);
            total = std::clamp<long long>(total + advance, std::numeric_limits<int>::min(),
                                          std::numeric_limits<int>::max());
        }
        width = static_cast<int>(total);
    } else {
        width = TextRendering::Width(h, *font, text);
    }
    Align(align, *font, width, r);
    r.width = width;
    if (!text.isEmpty())
        r.runs.push_back({0, text});
    r.opaqueCell = h->state.bkMode == OPAQUE && !text.isEmpty();
    QRect rect;
    if (lpRect) {
        rect = TextRendering::DeviceRect(h, lpRect);
        if (nOptions & ETO_OPAQUE)
            r.opaqueRect = &rect;
        if (nOptions & ETO_CLIPPED)
            r.clipRect = &rect;
    }
    TextRendering::Draw(h, *font, r);
    UpdateCurrentPosition(this, align, reference, LogicalX(h, width));
    return TRUE;
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions,
                         const INT *lpnTabStopPositions, int nTabOrigin)
{
    HDC h = m_hDC;
    if (!h || nCount < 0 || (nCount > 0 && !lpszString) || nCount > (1 << 24))
        return CSize(0, 0);
    auto font = FontOf(h);
    QString text = TextRendering::DecodeVisible(lpszString, nCount);
    UINT align = h->state.textAlign;
    POINT reference = (align & TA_UPDATECP) ? h->state.currentPos : POINT{x, y};
    TextRendering::DrawRequest r;
    r.reference = Device(h, reference.x, reference.y);
    int originX = Device(h, nTabOrigin, 0).x() - r.reference.x();
    CSize extent = TabbedLayout(h, *font, text, nTabPositions, lpnTabStopPositions, 0, originX, &r.runs);
    Align(align, *font, extent.cx, r);
    r.width = extent.cx;
    r.opaqueCell = h->state.bkMode == OPAQUE && extent.cx > 0;
    if (EmfRecorder *recorder = RecorderOf(h))
        RecordTabbedLine(*recorder, h, r, *font, align);
    else
        TextRendering::Draw(h, *font, r);
    UpdateCurrentPosition(this, align, reference, LogicalX(h, extent.cx));
    return ToLogical(h, extent.cx, extent.cy);
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions, const INT *lpnTabStopPositions) const
{
    HDC h = AttrOf(this);
    if (!h || nCount < 0 || (nCount > 0 && !lpszString))
        return CSize(0, 0);
    auto font = FontOf(h);
    CSize extent = TabbedLayout(h, *font, TextRendering::DecodeVisible(lpszString, nCount), nTabPositions,
                                lpnTabStopPositions, 0, 0, nullptr);
    return ToLogical(h, extent.cx, extent.cy);
}

static CSize TextExtentOn(HDC h, LPCTSTR lpszString, int nCount)
{
    if (!h || nCount < 0 || (nCount > 0 && !lpszString))
        return CSize(0, 0);
    auto font = FontOf(h);
    return ToLogical(h, TextRendering::Width(h, *font, Decode(lpszString, nCount)), font->height);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    return TextExtentOn(AttrOf(this), lpszString, nCount);
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    return TextExtentOn(m_hDC, lpszString, nCount);
}

BOOL GetTextExtentPoint32(HDC hdc, LPCTSTR lpString, int c, LPSIZE psizl)
{
    if (!hdc || !psizl || c < 0 || (c > 0 && !lpString))
        return FALSE;
    *psizl = TextExtentOn(hdc, lpString, c);
    return TRUE;
}

static BOOL MetricsOn(HDC h, LPTEXTMETRIC tm)
{
    if (!h || !tm)
        return FALSE;
    auto font = FontOf(h);
    const LOGFONT &lf = h->state.font->logFont;
    auto y = [&](int v) { return ToLogical(h, 0, v).cy; };
    auto x = [&](int v) { return ToLogical(h, v, 0).cx; };
    std::memset(tm, 0, sizeof(*tm));
    tm->tmHeight = y(font->height);
    tm->tmAscent = y(font->ascent);
    tm->tmDescent = y(font->descent);
    tm->tmInternalLeading = y(font->internalLeading);
    tm->tmExternalLeading = y(font->externalLeading);
    tm->tmAveCharWidth = x(font->aveCharWidth);
    tm->tmMaxCharWidth = x(font->maxCharWidth);
    tm->tmWeight = lf.lfWeight <= 0 ? FW_NORMAL : lf.lfWeight;
    tm->tmOverhang = 0;
    tm->tmDigitizedAspectX = h->dpiX;
    tm->tmDigitizedAspectY = h->dpiY;
    tm->tmFirstChar = 30;
    tm->tmLastChar = 255;
    tm->tmDefaultChar = 31;
    tm->tmBreakChar = 32;
    tm->tmItalic = lf.lfItalic ? 255 : 0;
    tm->tmUnderlined = lf.lfUnderline ? 255 : 0;
    tm->tmStruckOut = lf.lfStrikeOut ? 255 : 0;
    // The low bit is set for variable-pitch fonts (its name says the opposite).
    tm->tmPitchAndFamily = static_cast<BYTE>((lf.lfPitchAndFamily & 0xF0) | TMPF_TRUETYPE | TMPF_VECTOR |
                                             (font->fixedPitch ? 0 : TMPF_FIXED_PITCH));
    tm->tmCharSet = lf.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : lf.lfCharSet;
    return TRUE;
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return MetricsOn(AttrOf(this), lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return MetricsOn(m_hDC, lpMetrics);
}

int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const
{
    HDC h = AttrOf(this);
    if (!h || nCount <= 0 || !lpszFacename)
        return 0;
    const char *face = h->state.font->logFont.lfFaceName;
    QByteArray name =
        face[0] ? QByteArray(face, static_cast<int>(strnlen(face, LF_FACESIZE))) : FontOf(h)->family.toUtf8();
    int n = std::min<int>(nCount - 1, static_cast<int>(name.size()));
    std::memcpy(lpszFacename, name.constData(), static_cast<size_t>(n));
    lpszFacename[n] = 0;
    return n;
}

int CDC::GetTextFace(CString &rString) const
{
    char buffer[LF_FACESIZE * 4] = {};
    int n = GetTextFace(static_cast<int>(sizeof(buffer)), buffer);
    rString = buffer;
    return n;
}

BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    HDC h = AttrOf(this);
    if (!h || !lpBuffer || nLastChar < nFirstChar || nLastChar > 0x10FFFF)
        return FALSE;
    auto font = FontOf(h);
    QFontMetrics fm(font->font);
    for (UINT c = nFirstChar; c <= nLastChar; ++c) {
        char32_t code = c;
        lpBuffer[c - nFirstChar] =
            LogicalX(h, fm.horizontalAdvance(QString::fromUcs4(&code, 1)) + TextRendering::CharExtra(h));
    }
    return TRUE;
}

LONG TabbedTextOut(HDC hdc, int x, int y, LPCTSTR lpString, int chCount, int nTabPositions,
                   const INT *lpnTabStopPositions, int nTabOrigin)
{
    if (!hdc)
        return 0;
    const CSize extent =
        CDC::FromHandle(hdc)->TabbedTextOut(x, y, lpString, chCount, nTabPositions, lpnTabStopPositions, nTabOrigin);
    return MAKELONG(static_cast<WORD>(extent.cx), static_cast<WORD>(extent.cy));
}
