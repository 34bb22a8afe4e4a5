// The text store: the bytes of one document in blocks, with the line index
// kept per block so that an edit costs a move inside one block and no query
// rescans the text.  Positions are (line, byte column); only the newline
// char separates lines; the return char is the extra byte that the editor
// writes before it (13 for CR LF documents, 0 for LF documents).
#pragma once

#include "editor/text/SECEditTextBlock.h"
#include "editor/text/SECEditTextStoreBase.h"

#include <vector>

class SECEditRegExpBase;

class SECEditTextStore : public SECEditTextStoreBase {
public:
    // Block sizes: text arrives in blocks of about kBlockChunk bytes; a block
    // that grows beyond kBlockSplit is cut up again, and one that shrinks
    // below kBlockMerge joins a neighbour with room.
    static constexpr int kBlockGrowBy = 64000;
    static constexpr int kBlockChunk = 64000;
    static constexpr int kBlockSplit = 128000;
    static constexpr int kBlockMerge = 16000;
    // Writing works in pieces of this size.
    static constexpr int kWritePiece = 256000;
    // Offsets are int: the text never grows beyond this.
    static constexpr int kMaxTextLength = 0x7FFF0000;

    SECEditTextStore();
    ~SECEditTextStore() override;
    SECEditTextStore(const SECEditTextStore &) = delete;
    SECEditTextStore &operator=(const SECEditTextStore &) = delete;

    // InsertAt, TRUE when it succeeded (range.end then follows the text).
    BOOL InsertText(SECEditRange &range, LPCTSTR text, int count) override;
    // Deletes the range; an end column beyond the end line's text is cut to
    // the text, so the end line's line end stays.
    BOOL DeleteText(SECEditRange &range) override;
    // Deletes exactly the bytes of the (ordered) range, whatever they are;
    // FALSE for a position that does not exist.
    BOOL DeleteExactly(const SECEditRange &range);
    int GetLineCount() override { return m_nTotalNewlines + 1; }
    int GetLineLength(int line) override;
    int GetLineTextLength(int line) override;
    void SetNewlineChar(BYTE ch) override;
    BYTE GetNewlineChar() override { return m_chNewline; }
    void SetReturnChar(BYTE ch) override;
    BYTE GetReturnChar() override { return m_chReturn; }
    // line2 or col2 -1: to the end of line1, its line end included.
    BOOL GetText(CString &out, int line1, int col1, int line2, int col2) override;
    // A pointer to the bytes of the range, valid until the next edit; -1 for
    // a range that is not inside one block (only very long lines are not).
    int GetTextPointer(char **out, int line1, int col1, int line2, int col2) override;
    BOOL Reset() override;
    int PositionToOffset(int line, int col) override;
    BOOL OffsetToPosition(int offset, int *line, int *col) override;
    int Find(int startLine, int startCol, int *outLine, int *outCol, LPCTSTR pattern, BOOL bForward, BOOL bWrap,
             BOOL bMatchCase, BOOL bWholeWord, BOOL bRegularExpression, int endLine, int endCol) override;
    void Write(CFile *pFile, BOOL bUnicode) override;
    SECEditTextBlock **GetBlockSlot(int index) override;
    SECEditTextBlock *BlockAt(int index) override { return GetBlock(index); }
    SECEditTextBlock *&ElementAt(int index) override;
    SECEditTextBlock *GetBlock(int index) override;
    int FindBlock(int offset, BOOL bPreferNext) override;
    void InvalidateBlockOffsets(int index) override;
    BOOL IsWholeWord(int offset, int length) override;
    void WriteChunk(CFile *pFile, int offset, int length, BOOL bUnicode) override;
    // 1, or -1 when the start position does not exist or the text would
    // grow too large.
    int InsertAt(SECEditRange &range, LPCTSTR text, int count) override;

    char *PointerAt(int offset);
    int GetLastLine() { return GetLineCount() - 1; }
    int GetBlockCount() const { return static_cast<int>(m_blocks.size()); }
    int GetTextLength() const { return m_nTextLength; }
    // Number of newline chars in text; *rest = bytes after the last of them.
    int CountNewlines(LPCTSTR text, int count, int *rest);
    // Sets the return char from the first line end: 13 when it is CR LF,
    // 0 otherwise (also when there is none).
    void DetectReturnChar();
    // Why the last Find failed without searching (an invalid pattern);
    // empty when it searched.
    const CString &GetFindError() const { return m_strFindError; }

    // The bytes [offset, offset + length) of the text.
    void CopyText(int offset, int length, char *dst) { CopyBytes(offset, length, dst); }

    // Puts the blocks in place of the text [start, end) in one step:
    // afterwards `blocks` holds blocks with exactly the bytes that were
    // there, and the store owns the blocks it was given.  Swapping back
    // (the same start, the new text's end) restores the old text.  FALSE,
    // and nothing changed, for a range outside the text or a text that
    // would grow too large.
    BOOL SwapText(int start, int end, std::vector<SECEditTextBlock *> &blocks);
    // How much of text a block of its own takes: everything up to
    // kBlockChunk bytes, else up to a line end in the chunk's second half.
    static int ChunkLength(const char *p, int available, BYTE chNewline);

    // The word-break characters of whole-word matching.
    static const char *WordBreakChars();

private:
    void DeleteAllBlocks();
    void ValidateThrough(int index);
    int BlockOfNewline(int newlineIndex);
    int LineStart(int line);
    int LineEnd(int line);
    int ByteAt(int offset);
    void CopyBytes(int offset, int length, char *dst);
    int InsertionBlock(int offset);
    int InsertBlocks(int index, const char *text, int count);
    void JoinSeam(int k);
    void SplitBlock(int index);
    void SplitOffTail(int index, int local);
    void RemoveBlock(int index);
    int SplitAt(int offset);
    void MergeIfSmall(int index);
    void TextChanged();
    static bool PointsInto(const SECEditTextBlock &block, const char *text);

    // Searching (SECEditTextStoreFind.cpp).
    struct FindRequest;
    int FindSegment(const FindRequest &req, int from, int stop, bool bForward, int *found);
    int FindPlainForward(const FindRequest &req, int from, int stop);
    int FindPlainBackward(const FindRequest &req, int from, int stop);
    bool MatchesAt(const FindRequest &req, int offset);
    bool IsCharStart(int offset);

    // Regular-expression search on the blocks in place
    // (SECEditTextStoreRegExp.cpp).
    struct RegExpScan;
    int FindRegExp(SECEditRegExpBase &regExp, int from, int stop, bool bForward, int *length);
    int FirstRegExpMatch(RegExpScan &scan, int pos, int *start, int *end);
    int MatchInBlock(RegExpScan &scan, int &pos, int *start, int *end);
    int MatchInWindow(RegExpScan &scan, int &pos, int *start, int *end);
    int MatchInWholeCopy(RegExpScan &scan, int pos, int *start, int *end);
    int EngineCharLength(int offset);

    std::vector<SECEditTextBlock *> m_blocks;
    int m_nValidBlockOffsets = 0;
    int m_nTotalNewlines = 0;
    int m_nTextLength = 0;
    BYTE m_chNewline = kSecLineFeed;
    BYTE m_chReturn = 0;
    int m_nCachedTextLine = -1;
    struct LineStartCache {
        int line;
        int start;
    };
    LineStartCache m_lineStarts[2] = {{-1, 0}, {-1, 0}};
    int m_nNextLineStart = 0;
    // The blocks the last offset and newline look-ups found, tried first by
    // the next (checked against the valid offsets before use).
    int m_nLastFoundBlock = 0;
    int m_nLastNewlineBlock = 0;
    int m_nCachedTextLength = 0;
    SECEditTextBlock *m_pNoBlock = nullptr;
    CString m_strFindError;
};
