// The visual part's painting: text lines in colour runs with tab stops,
// visible whitespace and the selection, the fill to the right edge, and the
// gutter with line numbers and markers composed off-screen.
#include "editor/view/SECEditVisualPart.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/controller/SECEditController.h"
#include "editor/lang/SECEditColorGroup.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditColorRuns.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/view/SECMemDC.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Pen.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/WindowDC.h"

#include <algorithm>

namespace {

// The gutter mode that puts the marker cell left of the line numbers.
constexpr UINT kGutterMarkersFirst = 45311;
const COLORREF kBookmarkColor = RGB(0, 255, 255);
const COLORREF kBreakpointColor = RGB(128, 0, 0);

} // namespace

// What every line of one paint shares.
struct SECEditVisualPart::LinePaint {
    SECEditTextBuffer *pBuffer = nullptr;
    SECEditDisplayMetrics *pMetrics = nullptr;
    SECEditLangConfig *pConfig = nullptr;
    SECEditController *pController = nullptr;
    int lineHeight = 0;
    int gutterWidth = 0;
    int right = 0; // the client area's right edge
    int tabWidth = 0;
    int blankWidth = 0;
    BOOL bShowWhitespace = FALSE;
    int selMode = SECEDIT_SEL_NONE; // 0: no visible selection
    SECEditPosition selStart;
    SECEditPosition selEnd;
    int columnLeft = 0; // column block: its pixel span in document units
    int columnRight = 0;
    WORD textGroup = 0;
};

SECEditColorGroup *SECEditVisualPart::ResolveGroup(WORD group, SECEditColorGroup &scratch)
{
    SECEditLangConfig *pConfig = GetLangConfig();
    SECEditColorGroup *pGroup = pConfig->GetColorGroup(group);
    SECEditColorGroup *pText = pConfig->GetFixedColorGroup(SECEDIT_GROUP_TEXT);
    if (!pGroup)
        pGroup = pText;
    if (!pGroup) {
        scratch.m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
        scratch.m_crBackground = GetSysColor(COLOR_WINDOW);
        return &scratch;
    }
    return pGroup;
}

// ---- The text-run operation

int SECEditVisualPart::DrawColored(CDC *pDC, int tabWidth, int x, int y, int gutterWidth, const char *text, int length,
                                   const SECEditColorGroup &colors)
{
    if (length <= 0)
        return 0;
    pDC->SetTextColor(colors.m_crForeground);
    pDC->SetBkColor(colors.m_crBackground);
    INT stop = tabWidth;
    return pDC->TabbedTextOut(x + gutterWidth, y, text, length, 1, &stop, gutterWidth - m_origin.x).cx;
}

int SECEditVisualPart::DrawPlain(CDC *pDC, int tabWidth, int x, int y, int gutterWidth, const char *text, int length,
                                 SECEditColorGroup *pGroup, BOOL bSelected, int selStart, int selEnd, int startCol)
{
    SECEditLangConfig *pConfig = GetLangConfig();
    const int runEnd = startCol + length;
    if (bSelected && startCol < selEnd && runEnd > selStart) {
        SECEditColorGroup *pSelection = pConfig->GetFixedColorGroup(SECEDIT_GROUP_SELECTION);
        SECEditColorGroup selection;
        if (pSelection)
            selection = *pSelection;
        else {
            selection.m_crForeground = GetSysColor(COLOR_HIGHLIGHTTEXT);
            selection.m_crBackground = GetSysColor(COLOR_HIGHLIGHT);
        }
        if (startCol < selStart) {
            const int before = selStart - startCol;
            const int w = DrawPlain(pDC, tabWidth, x, y, gutterWidth, text, before, pGroup, FALSE, 0, 0, startCol);
            return w + DrawPlain(pDC, tabWidth, x + w, y, gutterWidth, text + before, length - before, pGroup, TRUE,
                                 selStart, selEnd, selStart);
        }
        if (runEnd > selEnd) {
            const int inside = selEnd - startCol;
            const int w = DrawColored(pDC, tabWidth, x, y, gutterWidth, text, inside, selection);
            return w + DrawPlain(pDC, tabWidth, x + w, y, gutterWidth, text + inside, length - inside, pGroup, FALSE, 0,
                                 0, selEnd);
        }
        return DrawColored(pDC, tabWidth, x, y, gutterWidth, text, length, selection);
    }
    SECEditColorGroup colors = *pGroup;
    if (SECEditColorGroup *pText = pConfig->GetFixedColorGroup(SECEDIT_GROUP_TEXT)) {
        if (colors.m_bForeColorAutomatic)
            colors.m_crForeground = pText->m_crForeground;
        if (colors.m_bBackColorAutomatic)
            colors.m_crBackground = pText->m_crBackground;
    }
    return DrawColored(pDC, tabWidth, x, y, gutterWidth, text, length, colors);
}

int SECEditVisualPart::DrawTextRun(CDC *pDC, int tabWidth, int x, int y, int gutterWidth, const char *text, int length,
                                   int startCol, int line, SECEditColorGroup *pGroup, BOOL bShowWhitespace,
                                   BOOL bSelected, int selStart, int selEnd)
{
    if (length <= 0 || !pGroup)
        return 0;
    if (bShowWhitespace) {
        const char *pBlank = std::find_if(text, text + length, [](char c) { return c == ' ' || c == '\t'; });
        if (pBlank != text + length) {
            const int k = static_cast<int>(pBlank - text);
            const int w1 =
                DrawPlain(pDC, tabWidth, x, y, gutterWidth, text, k, pGroup, bSelected, selStart, selEnd, startCol);
            const int w2 = DrawPlain(pDC, tabWidth, x + w1, y, gutterWidth, pBlank, 1, pGroup, bSelected, selStart,
                                     selEnd, startCol + k);
            // The glyph sits at the blank's start; the blank's extent stays.
            const char glyph = static_cast<char>(m_pBuffer->GetWhitespaceGlyph(*pBlank == '\t'));
            const int oldMode = pDC->SetBkMode(TRANSPARENT);
            pDC->TextOut(x + w1 + gutterWidth, y, &glyph, 1);
            pDC->SetBkMode(oldMode);
            return w1 + w2 +
                   DrawTextRun(pDC, tabWidth, x + w1 + w2, y, gutterWidth, pBlank + 1, length - k - 1, startCol + k + 1,
                               line, pGroup, TRUE, bSelected, selStart, selEnd);
        }
    }
    return DrawPlain(pDC, tabWidth, x, y, gutterWidth, text, length, pGroup, bSelected, selStart, selEnd, startCol);
}

// ---- Lines

void SECEditVisualPart::Draw(CDC *pDC)
{
    pDC->SetMapMode(m_nMapMode == MM_ANISOTROPIC ? MM_TEXT : m_nMapMode);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportOrg(0, 0);
    CRect client(0, 0, 0, 0);
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        m_pOwner->GetClientRect(&client);
    LinePaint paint;
    paint.pBuffer = m_pBuffer;
    paint.pMetrics = GetDisplayMetrics();
    paint.pConfig = GetLangConfig();
    paint.pController = m_pController;
    paint.lineHeight = GetLineHeight();
    CFont *pFont = paint.pMetrics ? paint.pMetrics->GetFont(0) : nullptr;
    if (!paint.pBuffer || !paint.pConfig || !pFont || paint.lineHeight <= 0 || GetCharWidth() <= 0) {
        // Nothing to show: an empty client area.
        pDC->FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
        return;
    }
    paint.gutterWidth = GetGutterWidth();
    paint.right = client.right;
    CRect clip;
    pDC->GetClipBox(&clip);
    pDC->ExcludeClipRect(0, 0, paint.gutterWidth, client.bottom);

    const int firstLine = std::max(0, (clip.top + m_origin.y) / paint.lineHeight);
    const int lastLine = std::min((clip.bottom + m_origin.y) / paint.lineHeight, paint.pBuffer->GetLineCount() - 1);
    CFont *pOldFont = pDC->SelectObject(pFont);
    pDC->SetBkMode(OPAQUE);
    paint.tabWidth = paint.pBuffer->GetTabWidth(paint.pMetrics);
    paint.blankWidth = std::max(1, paint.pMetrics->GetSpaceWidth());
    paint.bShowWhitespace = paint.pConfig->GetShowWhitespace();
    paint.textGroup = paint.pConfig->GetFixedGroupIndex(SECEDIT_GROUP_TEXT);

    if (m_pController && m_pController->HasSelection()) {
        const SECEditSelection &selection = m_pController->GetSelectionObject();
        paint.selMode = selection.GetMode();
        paint.selStart = selection.GetStart();
        paint.selEnd = selection.GetFinish();
        if (paint.selMode == SECEDIT_SEL_LINES) {
            // Whole lines: a stream from the first line's start to the
            // start of the line after the last.
            paint.selMode = SECEDIT_SEL_STREAM;
            paint.selStart.m_nCol = 0;
            paint.selEnd = SECEditPosition(paint.selEnd.m_nLine + 1, 0);
        }
        if (paint.selMode == SECEDIT_SEL_COLUMN) {
            const int x1 = m_pController->PositionToPoint(selection.GetAnchor()).x;
            const int x2 = m_pController->PositionToPoint(selection.GetEnd()).x;
            paint.columnLeft = std::min(x1, x2);
            paint.columnRight = std::max(x1, x2);
        }
    }

    int bottom = std::max(0, firstLine * paint.lineHeight - m_origin.y);
    for (int line = firstLine; line <= lastLine; ++line) {
        DrawLine(pDC, paint, line);
        bottom = (line + 1) * paint.lineHeight - m_origin.y;
    }
    if (bottom < client.bottom) {
        SECEditColorGroup scratch;
        pDC->FillSolidRect(paint.gutterWidth, bottom, std::max(0, client.right - paint.gutterWidth),
                           client.bottom - bottom, ResolveGroup(paint.textGroup, scratch)->m_crBackground);
    }
    if (paint.selMode == SECEDIT_SEL_COLUMN_DRAG) {
        const SECEditSelection &selection = m_pController->GetSelectionObject();
        CPoint corners[2] = {m_pController->PositionToPoint(selection.GetAnchor()),
                             m_pController->PositionToPoint(selection.GetEnd())};
        m_viewport.LPtoDP(corners, 2);
        CRect block(corners[0], corners[1]);
        block.NormalizeRect();
        block.bottom += paint.lineHeight;
        pDC->InvertRect(&block);
    }
    pDC->SelectObject(pOldFont);
    if (paint.gutterWidth > 0)
        DrawGutter(pDC);
}

void SECEditVisualPart::DrawLine(CDC *pDC, LinePaint &paint, int line)
{
    const int y = line * paint.lineHeight - m_origin.y;
    int x = -m_origin.x;
    CString holder;
    char *pText = nullptr;
    const int length = std::max(0, paint.pBuffer->GetLineText(line, holder, &pText));
    const char *text = pText ? pText : "";

    // The selected columns of this line.
    BOOL bLineSelected = FALSE;
    int selStart = 0, selEnd = 0;
    if (paint.selMode == SECEDIT_SEL_STREAM && line >= paint.selStart.m_nLine && line <= paint.selEnd.m_nLine) {
        selStart = line == paint.selStart.m_nLine ? paint.selStart.m_nCol : 0;
        selEnd = line == paint.selEnd.m_nLine ? paint.selEnd.m_nCol : length;
        bLineSelected = !(line == paint.selEnd.m_nLine && paint.selEnd.m_nCol == 0);
    } else if (paint.selMode == SECEDIT_SEL_COLUMN && line >= paint.selStart.m_nLine && line <= paint.selEnd.m_nLine) {
        selStart = paint.pController->PointToPosition(CPoint(paint.columnLeft, line * paint.lineHeight), TRUE).m_nCol;
        selEnd = paint.pController->PointToPosition(CPoint(paint.columnRight, line * paint.lineHeight), TRUE).m_nCol;
        bLineSelected = selEnd > selStart;
    }

    SECEditColorRuns *pRuns = length > 0 ? paint.pBuffer->GetLineColors(line) : nullptr;
    WORD lastGroup = paint.textGroup;
    int column = 0;
    const int runCount = pRuns ? pRuns->GetSize() : 0;
    for (int i = 0; column < length && x + paint.gutterWidth < paint.right; ++i) {
        int runLength = length - column;
        WORD group = paint.textGroup;
        if (i < runCount) {
            const DWORD run = pRuns->GetAt(i);
            group = SECEditRunGroup(run);
            if (SECEditRunLength(run) > 0)
                runLength = std::min(SECEditRunLength(run), length - column);
        } else if (i > 0 && runCount > 0) {
            group = lastGroup; // runs that end early: the rest in the last colour
        }
        SECEditColorGroup scratch;
        x += DrawTextRun(pDC, paint.tabWidth, x, y, paint.gutterWidth, text + column, runLength, column, line,
                         ResolveGroup(group, scratch), paint.bShowWhitespace, bLineSelected, selStart, selEnd);
        column += runLength;
        lastGroup = group;
    }
    if (x + paint.gutterWidth < paint.right)
        FillLineEnd(pDC, paint, line, x + paint.gutterWidth, y, length, lastGroup);
}

// Paints the cells from the line's end to the right edge: a gap before a
// selection that starts beyond the end, the highlight, the selection past
// the end, and plain text background for the rest.
void SECEditVisualPart::FillLineEnd(CDC *pDC, LinePaint &paint, int line, int x, int y, int length, WORD lastGroup)
{
    const int blank = paint.blankWidth;
    const int n = (paint.right - x) / blank + 1;
    SECEditColorGroup scratch;
    const COLORREF textBack = ResolveGroup(paint.textGroup, scratch)->m_crBackground;
    SECEditColorGroup *pSelection = paint.pConfig->GetFixedColorGroup(SECEDIT_GROUP_SELECTION);
    const COLORREF selectionBack = pSelection ? pSelection->m_crBackground : GetSysColor(COLOR_HIGHLIGHT);
    auto fill = [&](int cells, COLORREF color) {
        if (cells <= 0)
            return;
        pDC->FillSolidRect(x, y, cells * blank, paint.lineHeight, color);
        x += cells * blank;
    };

    int gap = 0;
    int selection = 0;
    const bool bInRange = line >= paint.selStart.m_nLine && line <= paint.selEnd.m_nLine;
    if (paint.selMode == SECEDIT_SEL_COLUMN && bInRange) {
        const int start =
            paint.pController->PointToPosition(CPoint(paint.columnLeft, line * paint.lineHeight), TRUE).m_nCol;
        const int end =
            paint.pController->PointToPosition(CPoint(paint.columnRight, line * paint.lineHeight), TRUE).m_nCol;
        gap = std::max(0, start - length);
        if (end > length)
            selection = end - std::max(length, start);
    } else if (paint.selMode == SECEDIT_SEL_STREAM && bInRange) {
        const bool bFirst = line == paint.selStart.m_nLine;
        const bool bLast = line == paint.selEnd.m_nLine;
        if (bFirst && bLast)
            gap = std::max(0, paint.selStart.m_nCol - length);
        if (!bLast)
            selection = paint.pConfig->GetVirtualWhitespace() ? n : 1;
        else if (paint.selEnd.m_nCol > length)
            selection = paint.selEnd.m_nCol - (gap > 0 ? paint.selStart.m_nCol : length);
    }
    const int highlight = paint.pBuffer->HasMark(line, SECEditTextBuffer::kMarkHighlight) ? n : 0;

    fill(gap, textBack);
    fill(highlight, ResolveGroup(lastGroup, scratch)->m_crBackground);
    fill(selection, selectionBack);
    fill(n - (gap + highlight + selection), textBack);
}

// ---- Gutter

void SECEditVisualPart::DrawGutter(CDC *)
{
    const int gutterWidth = GetGutterWidth();
    const int lineHeight = GetLineHeight();
    if (!m_pOwner || !m_pOwner->GetSafeHwnd() || !m_pController || gutterWidth <= 0 || lineHeight <= 0)
        return;
    CRect client;
    m_pOwner->GetClientRect(&client);
    if (client.Height() <= 0)
        return;
    CClientDC screen(m_pOwner);
    const CRect gutter(client.left, client.top, client.left + gutterWidth, client.bottom);
    SECMemDC dc(&screen, gutter.left, gutter.top, gutter.right, gutter.bottom);

    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetTextColor(GetSysColor(COLOR_SCROLLBAR));
    if (m_pGutterBrush) {
        dc.FillRect(&gutter, m_pGutterBrush);
    } else {
        dc.FillSolidRect(&gutter, GetSysColor(COLOR_SCROLLBAR));
        dc.FillSolidRect(gutter.right - 1, gutter.top, 1, gutter.Height(), RGB(0, 0, 0));
    }

    const int first = std::max(0, m_origin.y / lineHeight);
    const int last = std::min((m_origin.y + client.Height()) / lineHeight, GetTotalLines() - 1);
    const UINT mode = m_pController->GetGutterMode();
    const int markerWidth = m_pController->GetSelectionMarginWidth();
    const int numberWidth = m_pController->GetLineNumberWidth();
    SECEditDisplayMetrics *pMetrics = GetDisplayMetrics();
    CFont *pOldFont = pMetrics && pMetrics->GetFont(0) ? dc.SelectObject(pMetrics->GetFont(0)) : nullptr;
    for (int line = first; line <= last; ++line) {
        const int top = client.top + (line - first) * lineHeight;
        CRect numberCell, markerCell;
        if (mode == kGutterMarkersFirst) {
            markerCell = CRect(gutter.left, top, gutter.left + markerWidth, top + lineHeight);
            numberCell = CRect(gutter.left + markerWidth, top, gutter.right, top + lineHeight);
        } else {
            numberCell = CRect(gutter.left, top, gutter.left + numberWidth, top + lineHeight);
            markerCell = CRect(gutter.left + numberWidth, top, gutter.right, top + lineHeight);
        }
        if (mode != ID_SECEDIT_GUTTER_NONE && mode != ID_SECEDIT_GUTTER_MARGIN) {
            dc.SetBkMode(TRANSPARENT);
            dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
            const CString number = m_pController->FormatLineNumber(line + 1);
            dc.TextOut(numberCell.left, numberCell.top + (numberCell.Height() - lineHeight) / 2, number,
                       number.GetLength());
        }
        DrawLineMarkers(&dc, line, markerCell);
    }
    if (pOldFont)
        dc.SelectObject(pOldFont);
}

void SECEditVisualPart::DrawLineMarkers(CDC *pDC, int line, const CRect &cell)
{
    if (cell.Width() <= 0 || cell.Height() <= 0)
        return;
    if (m_pBuffer->HasMark(line, SECEDIT_MARK_BOOKMARK)) {
        CBrush brush(kBookmarkColor);
        CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
        CBrush *pOldBrush = pDC->SelectObject(&brush);
        CPen *pOldPen = pDC->SelectObject(&pen);
        pDC->RoundRect(cell.left, cell.top, cell.right - 1, cell.bottom, 6, 6);
        pDC->SelectObject(pOldPen);
        pDC->SelectObject(pOldBrush);
    }
    if (m_pBuffer->HasMark(line, SECEDIT_MARK_F9)) {
        int d = std::min(cell.Width(), cell.Height()) - 3;
        if (d % 2 == 0)
            d += 1;
        if (d > 3) {
            int top = cell.top + 1;
            if (cell.Height() > cell.Width())
                top += (cell.Height() - d) / 2 - 1;
            CBrush brush(kBreakpointColor);
            CPen pen(PS_SOLID, 1, kBreakpointColor);
            CBrush *pOldBrush = pDC->SelectObject(&brush);
            CPen *pOldPen = pDC->SelectObject(&pen);
            pDC->Ellipse(cell.left + 2, top, cell.left + 2 + d, top + d);
            pDC->SelectObject(pOldPen);
            pDC->SelectObject(pOldBrush);
        }
    }
    m_host.DrawHostMarker(pDC, line, cell);
}
