// The colour cache and the multi-line tag regions of the text buffer.
//
// A line's row depends on its own text and on the state the line starts in:
// outside every multi-line tag, or inside the region of one.  Each row notes
// the region it started in (its stamp), so dropping regions after an edit
// costs nothing per line: a row whose stamp no longer matches the region that
// covers its line is simply coloured again when it is asked for.
//
// "Coloured up to" is the first line whose multi-line tags have not been
// looked for: every region that starts before it is recorded.
#include "editor/text/SECEditTextBuffer.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditTextStore.h"

#include "framework/base/Mbcs.h"

#include <algorithm>
#include <memory>

// ---------------------------------------------------------------------------
// Rows

SECEditColorRuns *SECEditTextBuffer::NewRow(int line, unsigned stamp, const DWORD *runs, int count)
{
    SECEditPackedRows::Row packed = m_rowStore.Pack(stamp, runs, count);
    m_rowStore.Free(m_rows[static_cast<size_t>(line)]);
    m_rows[static_cast<size_t>(line)] = packed;
    return HandOut(runs, count, stamp);
}

// Callers get a row of their own to read (and the highlight to change),
// taken in turn from a small ring, so the rows they were given before stay
// as they were for a while.
SECEditColorRuns *SECEditTextBuffer::HandOut(const DWORD *runs, int count, unsigned stamp)
{
    if (m_handedOut.size() < kHandedOutRows)
        m_handedOut.push_back(std::make_unique<SECEditColorRuns>());
    SECEditColorRuns *row = m_handedOut[m_nNextHandOut % m_handedOut.size()].get();
    m_nNextHandOut = (m_nNextHandOut + 1) % kHandedOutRows;
    row->RemoveAll();
    for (int i = 0; i < count; ++i)
        row->AddRaw(runs[i]);
    row->m_nRegionStamp = stamp;
    return row;
}

SECEditColorRuns *SECEditTextBuffer::HandOut(SECEditPackedRows::Row packed)
{
    SECEditColorRuns *row = HandOut(nullptr, 0, SECEditPackedRows::Stamp(packed));
    SECEditPackedRows::Unpack(packed, row);
    return row;
}

void SECEditTextBuffer::DeleteRow(int line)
{
    if (line < 0 || line >= static_cast<int>(m_rows.size()))
        return;
    m_rowStore.Free(m_rows[static_cast<size_t>(line)]);
    m_rows[static_cast<size_t>(line)] = nullptr;
}

void SECEditTextBuffer::DropColorRows(int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(m_rows.size()) - 1);
    if (first > last)
        return;
    for (int line = first; line <= last; ++line)
        DeleteRow(line);
    SendPlainHint(SECEDIT_HINT_INVALIDATE_LINES, first, last);
}

void SECEditTextBuffer::InsertCacheRows(int afterLine, int count)
{
    const size_t at = static_cast<size_t>(std::min(afterLine + 1, static_cast<int>(m_rows.size())));
    m_rows.insert(at, static_cast<size_t>(count), nullptr);
}

void SECEditTextBuffer::RemoveCacheRows(int first, int last)
{
    last = std::min(last, static_cast<int>(m_rows.size()) - 1);
    if (first > last)
        return;
    for (int line = first; line <= last; ++line)
        m_rowStore.Free(m_rows[static_cast<size_t>(line)]);
    m_rows.erase(static_cast<size_t>(first), static_cast<size_t>(last) + 1);
}

void SECEditTextBuffer::ResetColorCache()
{
    for (size_t line = 0; line < m_rows.size(); ++line) {
        m_rowStore.Free(m_rows[line]);
        m_rows[line] = nullptr;
    }
    m_rowStore.ReleaseIfEmpty();
    m_regions.clear();
    m_nColoredUpTo = 0;
    RebuildParseTables();
}

SECEditColorRuns *SECEditTextBuffer::PeekCachedRow(int line)
{
    if (line < 0 || line >= static_cast<int>(m_rows.size()) || line >= m_nColoredUpTo)
        return nullptr;
    SECEditPackedRows::Row packed = m_rows[static_cast<size_t>(line)];
    return packed && IsStampCurrent(line, SECEditPackedRows::Stamp(packed)) ? HandOut(packed) : nullptr;
}

// ---------------------------------------------------------------------------
// Regions

SECEditTagRegion SECEditTextBuffer::GetTagRegion(int index) const
{
    const Region &region = m_regions.at(static_cast<size_t>(index));
    return SECEditTagRegion(SECEditRange(region.start, region.end), -1);
}

// The region that the line starts in (one that began on an earlier line and
// ends on this line or later), or NULL.
const SECEditTextBuffer::Region *SECEditTextBuffer::CoveringRegion(int line)
{
    auto it = std::lower_bound(m_regions.begin(), m_regions.end(), line,
                               [](const Region &region, int l) { return region.end.m_nLine < l; });
    if (it == m_regions.end() || it->start.m_nLine >= line)
        return nullptr;
    return &*it;
}

BOOL SECEditTextBuffer::IsStampCurrent(int line, unsigned stamp)
{
    const Region *covering = CoveringRegion(line);
    return stamp == (covering ? covering->id : 0u);
}

// An edit at position drops the region that holds it and every region after
// it; one hint repaints all their lines (lines after an insertion of
// linesAdded lines have moved down by that much).
void SECEditTextBuffer::DropRegionsFrom(const SECEditPosition &position, int linesAdded)
{
    auto it = std::lower_bound(m_regions.begin(), m_regions.end(), position,
                               [](const Region &region, const SECEditPosition &p) { return region.end < p; });
    if (it == m_regions.end())
        return;
    const int firstLine = std::min(it->start.m_nLine, position.m_nLine);
    const int lastLine = m_regions.back().end.m_nLine + linesAdded;
    m_regions.erase(it, m_regions.end());
    m_nColoredUpTo = std::min(m_nColoredUpTo, firstLine);
    SendPlainHint(SECEDIT_HINT_INVALIDATE_LINES, firstLine, lastLine);
}

unsigned SECEditTextBuffer::RecordRegion(const SECEditPosition &start, const SECEditPosition &end, WORD group)
{
    // A region found again replaces whatever it overlaps; a region that ends
    // right where this one begins (one tag closed, the next opened) stays.
    auto first = std::partition_point(m_regions.begin(), m_regions.end(),
                                      [&start](const Region &region) { return region.end <= start; });
    auto last = first;
    while (last != m_regions.end() && last->start <= end)
        ++last;
    first = m_regions.erase(first, last);
    const unsigned id = m_nNextRegionId++;
    m_regions.insert(first, Region{start, end, id, group});
    return id;
}

// ---------------------------------------------------------------------------
// Colouring a line

WORD SECEditTextBuffer::FixedGroup(int fixedGroup)
{
    return m_pLangConfig ? m_pLangConfig->GetFixedGroupIndex(fixedGroup) : 0;
}

SECEditColorRuns *SECEditTextBuffer::GetLineColors(int line)
{
    if (!m_bColoringEnabled || !m_pLangConfig || line < 0 || line >= static_cast<int>(m_rows.size()))
        return nullptr;
    if (line > m_nColoredUpTo)
        ScanTagRegions(SECEditRange(m_nColoredUpTo, 0, line, 0));
    SECEditPackedRows::Row packed = m_rows[static_cast<size_t>(line)];
    SECEditColorRuns *row = packed && IsStampCurrent(line, SECEditPackedRows::Stamp(packed))
                                ? HandOut(packed)
                                : ColorLineFromItsStart(line);
    ApplyHighlight(line, row);
    return row;
}

// Colours the line in the state it starts in: inside a region it is all
// tag colour up to the region's end; outside it is parsed from column 0.
SECEditColorRuns *SECEditTextBuffer::ColorLineFromItsStart(int line)
{
    const Region *covering = CoveringRegion(line);
    if (!covering)
        return ColorLine(line, 0);
    const Region region = *covering;
    if (line < region.end.m_nLine) {
        if (line == m_nColoredUpTo)
            m_nColoredUpTo = line + 1;
        return NewRowOfOneRun(line, region.id, 0, region.group);
    }
    NewRowOfOneRun(line, region.id, region.end.m_nCol, region.group);
    return ColorLine(line, region.end.m_nCol);
}

// The parser's working rows, one for each line being coloured at once (a
// multi-line tag colours its end line while its first line is open).
SECEditColorRuns *SECEditTextBuffer::TakeWorkingRow()
{
    if (m_nWorkingDepth == static_cast<int>(m_workingRows.size()))
        m_workingRows.push_back(std::make_unique<SECEditColorRuns>());
    SECEditColorRuns *working = m_workingRows[static_cast<size_t>(m_nWorkingDepth++)].get();
    working->RemoveAll();
    return working;
}

SECEditColorRuns *SECEditTextBuffer::NewRowOfOneRun(int line, unsigned stamp, int length, WORD group)
{
    SECEditColorRuns run;
    run.Add(length, group);
    return NewRow(line, stamp, run.GetData(), run.GetSize());
}

// A multi-line tag that ends on a later line leaves the rest of its end line
// to be coloured next; the outermost call does that in a loop, so a chain of
// tags each ending where the next begins needs no deeper stack.
SECEditColorRuns *SECEditTextBuffer::ColorLine(int line, int startCol)
{
    const bool outermost = m_nWorkingDepth == 0;
    SECEditColorRuns *row = ColorOneLine(line, startCol);
    while (outermost && m_continuation.m_nLine >= 0) {
        const SECEditPosition next = m_continuation;
        m_continuation = SECEditPosition(-1, 0);
        ColorOneLine(next.m_nLine, next.m_nCol);
    }
    return row;
}

SECEditColorRuns *SECEditTextBuffer::ColorOneLine(int line, int startCol)
{
    if (!m_pStore || line < 0 || line >= static_cast<int>(m_rows.size()))
        return nullptr;
    // Colouring the next line to scan moves the scan on; a line above it
    // (coloured again) or far below it (its state not yet known) does not.
    if (line == m_nColoredUpTo)
        m_nColoredUpTo = line + 1;
    CString holder;
    char *text = nullptr;
    const int length = GetLineText(line, holder, &text);
    SECEditPackedRows::Row packed = m_rows[static_cast<size_t>(line)];
    if (length <= 0) {
        const DWORD empty = 0;
        return NewRow(line, 0, &empty, 1);
    }
    // From a column, the runs go on after those the row already has.
    const bool appending = startCol > 0 && packed;
    if (appending && startCol >= length)
        return HandOut(packed);
    startCol = std::max(startCol, 0);
    const unsigned stamp = appending ? SECEditPackedRows::Stamp(packed) : 0;
    SECEditColorRuns *working = TakeWorkingRow();
    if (appending)
        SECEditPackedRows::Unpack(packed, working);
    const char *p = text + startCol;
    int n = length - startCol;
    WORD pending = 0;
    while (const char *e = FindTokenEnd(p, n)) {
        int consumed = ParseToken(line, text, p, static_cast<int>(e - p), n, &pending, working);
        if (consumed <= 0)
            consumed = MbCharLength(reinterpret_cast<const unsigned char *>(p), static_cast<size_t>(n));
        consumed = std::min(consumed, n);
        p += consumed;
        n -= consumed;
    }
    FlushPending(working, &pending);
    --m_nWorkingDepth;
    return NewRow(line, stamp, working->GetData(), working->GetSize());
}

void SECEditTextBuffer::ApplyHighlight(int line, SECEditColorRuns *pRow)
{
    if (!pRow || !HasMark(line, kMarkHighlight) || !m_pLangConfig)
        return;
    for (int i = 0; i < m_pLangConfig->GetColorGroupCount(); ++i) {
        const CString name = m_pLangConfig->GetColorGroupName(i);
        if (_mbsicmp(reinterpret_cast<const unsigned char *>(static_cast<LPCTSTR>(name)),
                     reinterpret_cast<const unsigned char *>("Highlight")) == 0) {
            pRow->RemoveAll();
            pRow->Add(GetLineTextLength(line), static_cast<WORD>(i));
            return;
        }
    }
}

// ---------------------------------------------------------------------------
// Scanning for multi-line tags

// Looks for the multi-line tags that begin on the lines from coloured-up-to
// to the range's end, one forward search per tag, and colours each line where
// one begins (which records its region).
void SECEditTextBuffer::ScanTagRegions(const SECEditRange &range)
{
    if (!m_pStore || !m_pLangConfig)
        return;
    SECEditPosition to = range.m_end;
    const SECEditPosition textEnd = GetEndPosition();
    if (to > textEnd)
        to = textEnd;
    while (m_nColoredUpTo < to.m_nLine) {
        SECEditPosition from(m_nColoredUpTo, 0);
        if (const Region *covering = CoveringRegion(m_nColoredUpTo))
            from = covering->end;
        SECEditPosition hit;
        if (!FindRegionOpener(from, to, hit)) {
            m_nColoredUpTo = to.m_nLine;
            return;
        }
        m_nColoredUpTo = hit.m_nLine;
        ColorLineFromItsStart(hit.m_nLine);
        if (m_nColoredUpTo <= hit.m_nLine)
            m_nColoredUpTo = hit.m_nLine + 1;
    }
}

BOOL SECEditTextBuffer::FindRegionOpener(const SECEditPosition &from, const SECEditPosition &to, SECEditPosition &hit)
{
    CPtrList tags;
    m_pLangConfig->GetTags(tags, SECEDIT_TAG_MULTILINE);
    BOOL found = FALSE;
    SECEditPosition limit = to;
    for (POSITION pos = tags.GetHeadPosition(); pos != nullptr;) {
        auto *tag = static_cast<SECEditTag *>(tags.GetNext(pos));
        if (tag->m_strBeginTag.IsEmpty())
            continue;
        SECEditPosition at = from;
        while (at < limit) {
            int line = -1, col = -1;
            const int length = m_pStore->Find(at.m_nLine, at.m_nCol, &line, &col, tag->m_strBeginTag, TRUE, FALSE, TRUE,
                                              FALSE, FALSE, limit.m_nLine, limit.m_nCol);
            if (length <= 0 || SECEditPosition(line, col) > limit || SECEditPosition(line, col) < at)
                break;
            const Region *covering = CoveringRegion(line);
            const int lineStart = covering && covering->end.m_nLine == line ? covering->end.m_nCol : 0;
            if (!IsInsideTagFrom(line, lineStart, col)) {
                hit = SECEditPosition(line, col);
                limit = hit;
                found = TRUE;
                break;
            }
            at = SECEditPosition(line, col + 1);
        }
    }
    return found;
}

BOOL SECEditTextBuffer::IsInsideTag(const SECEditPosition &pos, int *pStart, int *pEnd)
{
    if (pos.m_nCol == 0)
        return FALSE;
    int col = 0;
    while (col < pos.m_nCol) {
        int start = col, end = 0;
        if (!FindTagSpan(pos.m_nLine, &start, &end) || start > pos.m_nCol)
            return FALSE;
        if (pos.m_nCol < end) {
            if (pStart)
                *pStart = start;
            if (pEnd)
                *pEnd = end;
            return TRUE;
        }
        col = std::max(end, start + 1);
    }
    return FALSE;
}

// Whether col lies inside a single-line tag span (a string, a line comment)
// of the line, parsing from fromCol.  A position right after a span's end is
// outside it: that is where the colouring itself starts again.
BOOL SECEditTextBuffer::IsInsideTagFrom(int line, int fromCol, int col)
{
    if (col <= fromCol)
        return FALSE;
    int at = fromCol;
    while (at < col) {
        int start = at, end = 0;
        if (!FindTagSpan(line, &start, &end) || start >= col)
            return FALSE;
        if (col < end)
            return TRUE;
        at = std::max(end, start + 1);
    }
    return FALSE;
}
