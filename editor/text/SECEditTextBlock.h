// One block of the text store: a run of the document's bytes followed by one
// NUL that is not text, with the positions of the line separators inside it
// so that line questions never rescan the bytes.
#pragma once

#include "framework/base/WinTypes.h"

// The line-feed byte that ends a line, and the return byte that may come
// before it (a CR LF file).
inline constexpr BYTE kSecLineFeed = 10;
inline constexpr BYTE kSecReturn = 13;

#include <vector>

class CArchive;

class SECEditTextBlock {
public:
    explicit SECEditTextBlock(int nGrowBy = 0);
    // An empty block that already has room for nCapacity bytes in use.
    SECEditTextBlock(int nGrowBy, int nCapacity);
    SECEditTextBlock(const SECEditTextBlock &) = delete;
    SECEditTextBlock &operator=(const SECEditTextBlock &) = delete;
    virtual ~SECEditTextBlock();

    char *GetData() { return m_pData; }
    const char *GetData() const { return m_pData; }
    // Bytes in use, the terminating NUL included.
    int GetSize() const { return m_nSize; }
    int GetTextLength() const { return m_nSize - 1; }
    int GetCapacity() const { return m_nCapacity; }
    int GetGrowBy() const { return m_nGrowBy; }

    // Resizes the byte array; capacity grows to max(nNewSize, capacity +
    // grow-by) (grow-by 0: size / 8 within [4, 1024]); new bytes are zero.
    void SetSize(int nNewSize);
    // Makes room for nCapacity bytes in use without changing the size.
    void Reserve(int nCapacity);

    // Puts count bytes of text at text index i and keeps the terminator and
    // the separator list right.
    void InsertBytes(int i, const char *text, int count, BYTE chNewline);
    // InsertBytes at the end of the text: nothing moves and nothing is
    // cleared first.
    void AppendBytes(const char *text, int count, BYTE chNewline);
    // Takes count bytes out at text index i.
    void RemoveBytes(int i, int count);
    // Rebuilds the separator list after the separator byte changed.
    void IndexNewlines(BYTE chNewline);

    // A count (bytes in use, terminator included) and then the bytes.  On
    // loading, a record without its terminating NUL is refused with an
    // archive exception and leaves the block as it was.
    void Serialize(CArchive &ar, BYTE chNewline = kSecLineFeed);

    // Text indexes of the separators, ascending.
    const std::vector<int> &Newlines() const { return m_newlines; }
    int CountNewlines() const { return static_cast<int>(m_newlines.size()); }
    // Number of separators before text index i.
    int CountNewlinesBefore(int i) const;

    // Lazily kept by the store: the absolute offset of the first byte and the
    // number of separators in all earlier blocks.
    int m_nOffset = 0;
    int m_nNewlinesBefore = 0;

private:
    char *m_pData = nullptr;
    int m_nSize = 0;
    int m_nCapacity = 0;
    int m_nGrowBy = 0;
    std::vector<int> m_newlines;
};
