#include "editor/text/SECEditTextStore.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

SECEditTextStore::SECEditTextStore()
{
    Reset();
}

SECEditTextStore::~SECEditTextStore()
{
    DeleteAllBlocks();
}

void SECEditTextStore::DeleteAllBlocks()
{
    for (SECEditTextBlock *block : m_blocks)
        delete block;
    m_blocks.clear();
}

BOOL SECEditTextStore::Reset()
{
    DeleteAllBlocks();
    m_blocks.push_back(new SECEditTextBlock(kBlockGrowBy));
    m_nValidBlockOffsets = 1;
    m_nTotalNewlines = 0;
    m_nTextLength = 0;
    m_chNewline = kSecLineFeed;
    m_chReturn = 0;
    TextChanged();
    return TRUE;
}

void SECEditTextStore::TextChanged()
{
    m_nCachedTextLine = -1;
    m_lineStarts[0].line = m_lineStarts[1].line = -1;
}

// ---------------------------------------------------------------------------
// Blocks and their lazily kept offsets

void SECEditTextStore::ValidateThrough(int index)
{
    index = std::min(index, GetBlockCount() - 1);
    for (int j = m_nValidBlockOffsets; j <= index; ++j) {
        const SECEditTextBlock *prev = m_blocks[static_cast<size_t>(j - 1)];
        m_blocks[static_cast<size_t>(j)]->m_nOffset = prev->m_nOffset + prev->GetTextLength();
        m_blocks[static_cast<size_t>(j)]->m_nNewlinesBefore = prev->m_nNewlinesBefore + prev->CountNewlines();
        m_nValidBlockOffsets = j + 1;
    }
}

void SECEditTextStore::InvalidateBlockOffsets(int index)
{
    m_nValidBlockOffsets = std::max(1, std::min(m_nValidBlockOffsets, index));
    m_lineStarts[0].line = m_lineStarts[1].line = -1;
    // Block 0 always starts the text, whichever block that is now.
    if (!m_blocks.empty()) {
        m_blocks[0]->m_nOffset = 0;
        m_blocks[0]->m_nNewlinesBefore = 0;
    }
}

SECEditTextBlock *SECEditTextStore::GetBlock(int index)
{
    if (index < 0 || index >= GetBlockCount())
        return nullptr;
    ValidateThrough(index);
    return m_blocks[static_cast<size_t>(index)];
}

SECEditTextBlock **SECEditTextStore::GetBlockSlot(int index)
{
    if (!GetBlock(index))
        return nullptr;
    return &m_blocks[static_cast<size_t>(index)];
}

SECEditTextBlock *&SECEditTextStore::ElementAt(int index)
{
    if (!GetBlock(index)) {
        m_pNoBlock = nullptr;
        return m_pNoBlock;
    }
    return m_blocks[static_cast<size_t>(index)];
}

int SECEditTextStore::FindBlock(int offset, BOOL bPreferNext)
{
    if (offset < 0 || offset > m_nTextLength)
        return -1;
    const int count = GetBlockCount();
    auto blockEnd = [this](int j) {
        const SECEditTextBlock *b = m_blocks[static_cast<size_t>(j)];
        return b->m_nOffset + b->GetTextLength();
    };
    // The first block whose [offset, end] holds the offset: binary search
    // over the valid prefix, else extend the prefix until it is reached.
    int found = -1;
    // Successive questions mostly fall in one block: it is tried first.
    const int hint = m_nLastFoundBlock;
    if (hint < m_nValidBlockOffsets && hint < count && blockEnd(hint) >= offset &&
        (hint == 0 || blockEnd(hint - 1) < offset)) {
        found = hint;
    } else if (blockEnd(m_nValidBlockOffsets - 1) >= offset) {
        int lo = 0, hi = m_nValidBlockOffsets - 1;
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (blockEnd(mid) >= offset)
                hi = mid;
            else
                lo = mid + 1;
        }
        found = lo;
    } else {
        for (int j = m_nValidBlockOffsets; j < count; ++j) {
            ValidateThrough(j);
            if (blockEnd(j) >= offset) {
                found = j;
                break;
            }
        }
    }
    if (found < 0)
        return -1;
    m_nLastFoundBlock = found;
    // An offset at a block's terminator is also the first byte of the next.
    if (bPreferNext && found + 1 < count && blockEnd(found) == offset) {
        ++found;
        ValidateThrough(found);
    }
    return found;
}

int SECEditTextStore::BlockOfNewline(int newlineIndex)
{
    auto after = [this](int j) {
        const SECEditTextBlock *b = m_blocks[static_cast<size_t>(j)];
        return b->m_nNewlinesBefore + b->CountNewlines();
    };
    // Walking lines asks for the newlines of one block many times in a row.
    const int hint = m_nLastNewlineBlock;
    if (hint < m_nValidBlockOffsets && hint < GetBlockCount() && after(hint) > newlineIndex &&
        m_blocks[static_cast<size_t>(hint)]->m_nNewlinesBefore <= newlineIndex)
        return hint;
    if (after(m_nValidBlockOffsets - 1) > newlineIndex) {
        int lo = 0, hi = m_nValidBlockOffsets - 1;
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (after(mid) > newlineIndex)
                hi = mid;
            else
                lo = mid + 1;
        }
        m_nLastNewlineBlock = lo;
        return lo;
    }
    for (int j = m_nValidBlockOffsets; j < GetBlockCount(); ++j) {
        ValidateThrough(j);
        if (after(j) > newlineIndex) {
            m_nLastNewlineBlock = j;
            return j;
        }
    }
    return -1;
}

char *SECEditTextStore::PointerAt(int offset)
{
    const int k = FindBlock(offset, TRUE);
    if (k < 0)
        return nullptr;
    SECEditTextBlock *b = m_blocks[static_cast<size_t>(k)];
    return b->GetData() + (offset - b->m_nOffset);
}

int SECEditTextStore::ByteAt(int offset)
{
    if (offset < 0 || offset >= m_nTextLength)
        return -1;
    return static_cast<unsigned char>(*PointerAt(offset));
}

void SECEditTextStore::CopyBytes(int offset, int length, char *dst)
{
    ASSERT(length <= 0 || dst != nullptr);
    ASSERT(offset >= 0 && length <= m_nTextLength - offset);
    int k = FindBlock(offset, TRUE);
    while (length > 0 && k >= 0 && k < GetBlockCount()) {
        SECEditTextBlock *b = GetBlock(k);
        const int local = offset - b->m_nOffset;
        const int n = std::min(length, b->GetTextLength() - local);
        if (n > 0) {
            std::memcpy(dst, b->GetData() + local, static_cast<size_t>(n));
            dst += n;
            offset += n;
            length -= n;
        }
        ++k;
    }
}

// ---------------------------------------------------------------------------
// Lines and positions

int SECEditTextStore::LineStart(int line)
{
    if (line == 0)
        return 0;
    // Walking the lines in order asks for each start twice (as the start of
    // one line and the end of the one before): the last two are kept.
    for (const LineStartCache &cached : m_lineStarts)
        if (cached.line == line)
            return cached.start;
    const int k = BlockOfNewline(line - 1);
    const SECEditTextBlock *b = m_blocks[static_cast<size_t>(k)];
    const int start = b->m_nOffset + b->Newlines()[static_cast<size_t>(line - 1 - b->m_nNewlinesBefore)] + 1;
    m_lineStarts[m_nNextLineStart] = LineStartCache{line, start};
    m_nNextLineStart ^= 1;
    return start;
}

int SECEditTextStore::LineEnd(int line)
{
    return line == GetLastLine() ? m_nTextLength : LineStart(line + 1);
}

int SECEditTextStore::PositionToOffset(int line, int col)
{
    if (line < 0 || line > GetLastLine() || col < 0)
        return -1;
    const int start = LineStart(line);
    if (col > LineEnd(line) - start)
        return -1;
    return start + col;
}

BOOL SECEditTextStore::OffsetToPosition(int offset, int *line, int *col)
{
    const int k = FindBlock(offset, FALSE);
    if (k < 0) {
        if (line)
            *line = -1;
        return FALSE;
    }
    const SECEditTextBlock *b = m_blocks[static_cast<size_t>(k)];
    const int l = b->m_nNewlinesBefore + b->CountNewlinesBefore(offset - b->m_nOffset);
    if (line)
        *line = l;
    if (col)
        *col = offset - LineStart(l);
    return TRUE;
}

int SECEditTextStore::GetLineLength(int line)
{
    if (line < 0 || line > GetLastLine())
        return -1;
    return LineEnd(line) - LineStart(line);
}

int SECEditTextStore::GetLineTextLength(int line)
{
    if (line < 0 || line > GetLastLine())
        return -1;
    if (line == m_nCachedTextLine)
        return m_nCachedTextLength;
    const int start = LineStart(line);
    // The separator ends the text; so does the return char when the
    // document uses one.
    int end = line == GetLastLine() ? m_nTextLength : LineStart(line + 1) - 1;
    if (m_chReturn != 0) {
        int k = FindBlock(start, TRUE);
        for (int offset = start; offset < end && k >= 0 && k < GetBlockCount(); ++k) {
            SECEditTextBlock *b = GetBlock(k);
            const int local = offset - b->m_nOffset;
            const int n = std::min(end - offset, b->GetTextLength() - local);
            const void *hit = n > 0 ? std::memchr(b->GetData() + local, m_chReturn, static_cast<size_t>(n)) : nullptr;
            if (hit) {
                end = b->m_nOffset + static_cast<int>(static_cast<const char *>(hit) - b->GetData());
                break;
            }
            offset += n;
        }
    }
    m_nCachedTextLine = line;
    m_nCachedTextLength = end - start;
    return m_nCachedTextLength;
}

void SECEditTextStore::SetNewlineChar(BYTE ch)
{
    m_chNewline = ch;
    m_nTotalNewlines = 0;
    for (SECEditTextBlock *b : m_blocks) {
        b->IndexNewlines(ch);
        m_nTotalNewlines += b->CountNewlines();
    }
    InvalidateBlockOffsets(0);
    TextChanged();
}

void SECEditTextStore::SetReturnChar(BYTE ch)
{
    m_chReturn = ch;
    TextChanged();
}

void SECEditTextStore::DetectReturnChar()
{
    BYTE ch = 0;
    if (m_nTotalNewlines > 0) {
        const int firstSeparator = LineStart(1) - 1;
        if (firstSeparator > 0 && ByteAt(firstSeparator - 1) == kSecReturn)
            ch = kSecReturn;
    }
    SetReturnChar(ch);
}

int SECEditTextStore::CountNewlines(LPCTSTR text, int count, int *rest)
{
    int n = 0;
    const char *last = nullptr;
    const char *end = text + count;
    for (const char *p = text;
         (p = static_cast<const char *>(std::memchr(p, m_chNewline, static_cast<size_t>(end - p)))); ++p) {
        ++n;
        last = p;
    }
    if (rest)
        *rest = last ? static_cast<int>(end - last - 1) : count;
    return n;
}

// ---------------------------------------------------------------------------
// Reading text

BOOL SECEditTextStore::GetText(CString &out, int line1, int col1, int line2, int col2)
{
    out.Empty();
    if (line2 == -1 || col2 == -1) {
        line2 = line1;
        col2 = GetLineLength(line1);
    }
    const int s = PositionToOffset(line1, col1);
    const int e = PositionToOffset(line2, col2);
    if (s < 0 || e < 0 || e < s)
        return FALSE;
    char *dst = out.GetBufferSetLength(e - s);
    CopyBytes(s, e - s, dst);
    return TRUE;
}

int SECEditTextStore::GetTextPointer(char **out, int line1, int col1, int line2, int col2)
{
    if (line2 == -1 || col2 == -1) {
        line2 = line1;
        col2 = GetLineLength(line1);
    }
    const int s = PositionToOffset(line1, col1);
    const int e = PositionToOffset(line2, col2);
    if (s < 0 || e < 0 || e < s || !out)
        return -1;
    // The range must lie in one block (its end may be that block's end).
    const int k = FindBlock(s, e > s);
    const SECEditTextBlock *b = m_blocks[static_cast<size_t>(k)];
    if (e > b->m_nOffset + b->GetTextLength())
        return -1;
    *out = m_blocks[static_cast<size_t>(k)]->GetData() + (s - b->m_nOffset);
    return e - s;
}

// ---------------------------------------------------------------------------
// Inserting

BOOL SECEditTextStore::InsertText(SECEditRange &range, LPCTSTR text, int count)
{
    return InsertAt(range, text, count) == 1 && range.m_start <= range.m_end;
}

int SECEditTextStore::InsertionBlock(int offset)
{
    int k = FindBlock(offset, FALSE);
    const SECEditTextBlock *b = m_blocks[static_cast<size_t>(k)];
    // At the seam of two blocks, text that starts a line goes to the next
    // block, so lines tend to stay inside one block.
    if (k + 1 < GetBlockCount() && offset == b->m_nOffset + b->GetTextLength() &&
        (b->GetTextLength() == 0 || static_cast<BYTE>(b->GetData()[b->GetTextLength() - 1]) == m_chNewline)) {
        ++k;
        ValidateThrough(k);
    }
    return k;
}

int SECEditTextStore::InsertAt(SECEditRange &range, LPCTSTR text, int count)
{
    const int offset = PositionToOffset(range.m_start.m_nLine, range.m_start.m_nCol);
    if (offset < 0)
        return -1;
    if (count == -1)
        count = text ? static_cast<int>(std::strlen(text)) : 0;
    if (count < 0 || (count > 0 && !text))
        return -1;
    if (count == 0) {
        range.m_end = range.m_start;
        return 1;
    }
    if (count > kMaxTextLength - m_nTextLength)
        return -1;
    const int k = InsertionBlock(offset);
    SECEditTextBlock *b = m_blocks[static_cast<size_t>(k)];
    // Text that comes from the very block it goes into (a pointer handed out
    // by GetTextPointer) is copied first: that block moves while it goes in.
    // Only this block changes before the text has been copied.
    std::vector<char> ownCopy;
    if (PointsInto(*b, text)) {
        ownCopy.assign(text, text + count);
        text = ownCopy.data();
    }
    const int local = offset - b->m_nOffset;
    if (count <= kBlockChunk) {
        b->InsertBytes(local, text, count, m_chNewline);
        if (b->GetTextLength() > kBlockSplit)
            SplitBlock(k);
        InvalidateBlockOffsets(k + 1);
    } else {
        // A large text becomes blocks of its own between the two halves of
        // the block where it goes in.
        const bool replacesEmptyBlock = b->GetTextLength() == 0;
        int at = k;
        if (local > 0) {
            if (local < b->GetTextLength())
                SplitOffTail(k, local);
            at = k + 1;
        }
        const int added = InsertBlocks(at, text, count);
        if (replacesEmptyBlock)
            RemoveBlock(at + added);
        InvalidateBlockOffsets(std::max(0, at - 1));
        JoinSeam(at + added - 1);
        JoinSeam(at - 1);
    }

    int rest = 0;
    const int n = CountNewlines(text, count, &rest);
    m_nTotalNewlines += n;
    m_nTextLength += count;
    TextChanged();
    range.m_end = SECEditPosition(range.m_start.m_nLine + n, n == 0 ? range.m_start.m_nCol + rest : rest);
    return 1;
}

bool SECEditTextStore::PointsInto(const SECEditTextBlock &block, const char *text)
{
    const auto address = reinterpret_cast<uintptr_t>(text);
    const auto start = reinterpret_cast<uintptr_t>(block.GetData());
    return address >= start && address < start + static_cast<uintptr_t>(block.GetCapacity());
}

// Cuts text into chunks of at most kBlockChunk bytes, each ending after a
// separator when one lies in its second half.
int SECEditTextStore::ChunkLength(const char *p, int available, BYTE chNewline)
{
    if (available <= SECEditTextStore::kBlockChunk)
        return available;
    const int chunk = SECEditTextStore::kBlockChunk;
    for (int i = chunk - 1; i >= chunk / 2; --i)
        if (static_cast<BYTE>(p[i]) == chNewline)
            return i + 1;
    return chunk;
}

int SECEditTextStore::InsertBlocks(int index, const char *text, int count)
{
    std::vector<SECEditTextBlock *> added;
    while (count > 0) {
        const int n = ChunkLength(text, count, m_chNewline);
        auto *block = new SECEditTextBlock(kBlockGrowBy);
        block->InsertBytes(0, text, n, m_chNewline);
        added.push_back(block);
        text += n;
        count -= n;
    }
    m_blocks.insert(m_blocks.begin() + index, added.begin(), added.end());
    InvalidateBlockOffsets(index);
    return static_cast<int>(added.size());
}

void SECEditTextStore::SplitOffTail(int index, int local)
{
    ASSERT(index >= 0 && index < GetBlockCount());
    ASSERT(local >= 0 && local <= m_blocks[static_cast<size_t>(index)]->GetTextLength());
    SECEditTextBlock *b = m_blocks[static_cast<size_t>(index)];
    auto *tail = new SECEditTextBlock(kBlockGrowBy);
    tail->InsertBytes(0, b->GetData() + local, b->GetTextLength() - local, m_chNewline);
    b->RemoveBytes(local, b->GetTextLength() - local);
    m_blocks.insert(m_blocks.begin() + index + 1, tail);
}

void SECEditTextStore::SplitBlock(int index)
{
    ASSERT(index >= 0 && index < GetBlockCount());
    SECEditTextBlock *b = m_blocks[static_cast<size_t>(index)];
    // Keep the first chunk in place and move the rest into new blocks.
    const int first = ChunkLength(b->GetData(), b->GetTextLength(), m_chNewline);
    if (first >= b->GetTextLength())
        return;
    const int restLength = b->GetTextLength() - first;
    std::vector<char> rest(b->GetData() + first, b->GetData() + first + restLength);
    b->RemoveBytes(first, restLength);
    InsertBlocks(index + 1, rest.data(), restLength);
}

void SECEditTextStore::RemoveBlock(int index)
{
    ASSERT(index >= 0 && index < GetBlockCount());
    delete m_blocks[static_cast<size_t>(index)];
    m_blocks.erase(m_blocks.begin() + index);
    InvalidateBlockOffsets(index);
}

// A small block moves into its predecessor when that has room.
void SECEditTextStore::MergeIfSmall(int index)
{
    if (index <= 0 || index >= GetBlockCount())
        return;
    SECEditTextBlock *b = m_blocks[static_cast<size_t>(index)];
    SECEditTextBlock *prev = m_blocks[static_cast<size_t>(index - 1)];
    if (b->GetTextLength() >= kBlockMerge || prev->GetTextLength() + b->GetTextLength() > kBlockSplit)
        return;
    prev->InsertBytes(prev->GetTextLength(), b->GetData(), b->GetTextLength(), m_chNewline);
    RemoveBlock(index);
}

// A line that an edit left split over the seam of blocks k and k + 1 moves
// into one of them: the shorter of its two parts moves, as long as it is not
// longer than a block may be.
void SECEditTextStore::JoinSeam(int k)
{
    if (k < 0 || k + 1 >= GetBlockCount())
        return;
    SECEditTextBlock *b = m_blocks[static_cast<size_t>(k)];
    SECEditTextBlock *next = m_blocks[static_cast<size_t>(k + 1)];
    const int length = b->GetTextLength();
    if (length == 0 || static_cast<BYTE>(b->GetData()[length - 1]) == m_chNewline)
        return;
    const int headPart = b->CountNewlines() ? length - (b->Newlines().back() + 1) : length;
    const int tailPart = next->CountNewlines() ? next->Newlines().front() + 1 : next->GetTextLength();
    if (tailPart <= headPart && tailPart <= kBlockChunk) {
        b->InsertBytes(length, next->GetData(), tailPart, m_chNewline);
        next->RemoveBytes(0, tailPart);
        if (next->GetTextLength() == 0)
            RemoveBlock(k + 1);
    } else if (headPart <= kBlockChunk) {
        next->InsertBytes(0, b->GetData() + length - headPart, headPart, m_chNewline);
        b->RemoveBytes(length - headPart, headPart);
        if (b->GetTextLength() == 0)
            RemoveBlock(k);
    }
    InvalidateBlockOffsets(k);
}

// ---------------------------------------------------------------------------
// Deleting

BOOL SECEditTextStore::DeleteText(SECEditRange &range)
{
    range = range.Normalized();
    const int endText = GetLineTextLength(range.m_end.m_nLine);
    if (endText < 0)
        return FALSE;
    if (range.m_end.m_nCol > endText)
        range.m_end.m_nCol = endText;
    return DeleteExactly(range);
}

BOOL SECEditTextStore::DeleteExactly(const SECEditRange &range)
{
    const int s = PositionToOffset(range.m_start.m_nLine, range.m_start.m_nCol);
    const int e = PositionToOffset(range.m_end.m_nLine, range.m_end.m_nCol);
    if (s < 0 || e < 0 || e < s)
        return FALSE;
    if (s == e)
        return TRUE;

    const int first = FindBlock(s, TRUE);
    int k = first;
    int offset = s;
    int remaining = e - s;
    while (remaining > 0 && k < GetBlockCount()) {
        ValidateThrough(k);
        SECEditTextBlock *b = m_blocks[static_cast<size_t>(k)];
        const int local = offset - b->m_nOffset;
        const int n = std::min(remaining, b->GetTextLength() - local);
        m_nTotalNewlines -= b->CountNewlinesBefore(local + n) - b->CountNewlinesBefore(local);
        b->RemoveBytes(local, n);
        remaining -= n;
        m_nTextLength -= n;
        // The next block now starts at s: its offset is recomputed from
        // this one when the walk reaches it.
        if (b->GetTextLength() == 0 && GetBlockCount() > 1) {
            RemoveBlock(k);
        } else {
            ++k;
            InvalidateBlockOffsets(k);
        }
    }
    InvalidateBlockOffsets(first);
    MergeIfSmall(std::min(first + 1, GetBlockCount() - 1));
    MergeIfSmall(std::min(first, GetBlockCount() - 1));
    const int seam = std::min(first, GetBlockCount() - 1);
    JoinSeam(seam);
    JoinSeam(seam - 1);
    TextChanged();
    return TRUE;
}

// ---------------------------------------------------------------------------
// Swapping a stretch of blocks

// Makes offset the start of a block (splitting the block it falls in) and
// returns that block's index; the block count when offset is the text's end.
int SECEditTextStore::SplitAt(int offset)
{
    const int k = FindBlock(offset, TRUE);
    SECEditTextBlock *b = m_blocks[static_cast<size_t>(k)];
    const int local = offset - b->m_nOffset;
    if (local == 0)
        return k;
    if (local < b->GetTextLength()) {
        SplitOffTail(k, local);
        InvalidateBlockOffsets(k + 1);
    }
    return k + 1;
}

BOOL SECEditTextStore::SwapText(int start, int end, std::vector<SECEditTextBlock *> &blocks)
{
    if (start < 0 || end < start || end > m_nTextLength)
        return FALSE;
    long long added = 0;
    int addedNewlines = 0;
    for (const SECEditTextBlock *b : blocks) {
        added += b->GetTextLength();
        addedNewlines += b->CountNewlines();
    }
    if (added - (end - start) > kMaxTextLength - m_nTextLength)
        return FALSE;
    // The stretch becomes whole blocks of its own; they go out and the
    // given blocks (leaving out empty ones) come in.
    const int first = SplitAt(start);
    const int stop = end > start ? SplitAt(end) : first;
    std::vector<SECEditTextBlock *> taken(m_blocks.begin() + first, m_blocks.begin() + stop);
    std::vector<SECEditTextBlock *> given;
    for (SECEditTextBlock *b : blocks) {
        if (b->GetTextLength() > 0)
            given.push_back(b);
        else
            delete b;
    }
    m_blocks.erase(m_blocks.begin() + first, m_blocks.begin() + stop);
    m_blocks.insert(m_blocks.begin() + first, given.begin(), given.end());
    for (const SECEditTextBlock *b : taken)
        m_nTotalNewlines -= b->CountNewlines();
    m_nTotalNewlines += addedNewlines;
    m_nTextLength += static_cast<int>(added) - (end - start);
    const int last = first + static_cast<int>(given.size());
    // The one empty block of an empty text gives way to the new text.
    if (!given.empty() && last < GetBlockCount() && m_blocks[static_cast<size_t>(last)]->GetTextLength() == 0) {
        delete m_blocks[static_cast<size_t>(last)];
        m_blocks.erase(m_blocks.begin() + last);
    }
    if (m_blocks.empty())
        m_blocks.push_back(new SECEditTextBlock(kBlockGrowBy));
    blocks.swap(taken);
    InvalidateBlockOffsets(std::max(0, first - 1));
    // Lines cut at the two seams move into one block again, the later seam
    // first so that the earlier index holds.
    MergeIfSmall(std::min(last, GetBlockCount() - 1));
    JoinSeam(std::min(last, GetBlockCount() - 1) - 1);
    MergeIfSmall(std::min(first, GetBlockCount() - 1));
    JoinSeam(std::min(first, GetBlockCount() - 1) - 1);
    TextChanged();
    return TRUE;
}

// ---------------------------------------------------------------------------
// Whole words

const char *SECEditTextStore::WordBreakChars()
{
    static const char breaks[] = "\t \\\"'`~-=!@#$%^&*()_+[]{}|;:.,<>/?";
    return breaks;
}

BOOL SECEditTextStore::IsWholeWord(int offset, int length)
{
    int line = -1, col = 0;
    if (!OffsetToPosition(offset, &line, &col))
        return FALSE;
    const int textLength = GetLineTextLength(line);
    auto isBreak = [](int c) { return c > 0 && std::strchr(WordBreakChars(), c) != nullptr; };
    const bool beforeOk = col == 0 || isBreak(ByteAt(offset - 1));
    const bool afterOk = col + length == textLength || isBreak(ByteAt(offset + length));
    return beforeOk && afterOk;
}
