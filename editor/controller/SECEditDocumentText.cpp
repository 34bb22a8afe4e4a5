#include "editor/controller/SECEditDocumentText.h"

#include "editor/text/SECEditBlockWriter.h"
#include "editor/text/SECEditTextBlock.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/text/SECEditTextStore.h"
#include "framework/base/Mbcs.h"

#include <algorithm>
#include <cstring>

SECEditDocumentText::SECEditDocumentText(SECEditTextBuffer &buffer) : m_buffer(buffer), m_store(*buffer.GetStore())
{
    m_nLength = m_store.GetTextLength();
    const SECEditPosition end = buffer.GetEndPosition();
    char *p = nullptr;
    if (buffer.GetTextPointer(&p, 0, 0, end.m_nLine, end.m_nCol) == m_nLength && p) {
        m_pData = p;
        m_piece = Piece{p, 0, m_nLength};
    }
}

const char *SECEditDocumentText::Data()
{
    if (!m_pData) {
        // Not cleared first: every byte is written by the copy.
        m_copy.reset(new char[static_cast<size_t>(m_nLength) + 1]);
        m_store.CopyText(0, m_nLength, m_copy.get());
        m_copy[static_cast<size_t>(m_nLength)] = 0;
        m_pData = m_copy.get();
        m_piece = Piece{m_pData, 0, m_nLength};
    }
    return m_pData;
}

const SECEditDocumentText::Piece &SECEditDocumentText::PieceAt(int offset)
{
    if (m_pData || (offset >= m_piece.start && offset < m_piece.end))
        return m_piece;
    m_piece = Piece{};
    const int k = offset >= 0 && offset < m_nLength ? m_store.FindBlock(offset, TRUE) : -1;
    if (SECEditTextBlock *block = k >= 0 ? m_store.GetBlock(k) : nullptr)
        m_piece = Piece{block->GetData(), block->m_nOffset, block->m_nOffset + block->GetTextLength()};
    return m_piece;
}

void SECEditDocumentText::Append(std::string &out, int offset, int length)
{
    if (length <= 0)
        return;
    const Piece &piece = PieceAt(offset);
    if (offset >= piece.start && offset + length <= piece.end) {
        out.append(piece.data + (offset - piece.start), static_cast<size_t>(length));
        return;
    }
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(length));
    m_store.CopyText(offset, length, out.data() + at);
}

void SECEditDocumentText::AppendTo(SECEditBlockWriter &writer, int offset, int length)
{
    while (length > 0) {
        const Piece &piece = PieceAt(offset);
        const int n = std::min(length, piece.end - offset);
        if (n <= 0) {
            // Not a byte of the text's blocks (never so for a range inside
            // the text): copied the long way.
            std::string bytes;
            Append(bytes, offset, length);
            writer.Append(bytes.data(), bytes.size());
            return;
        }
        writer.Append(piece.data + (offset - piece.start), static_cast<size_t>(n));
        offset += n;
        length -= n;
    }
}

int SECEditDocumentText::CountByte(int offset, int length, char byte)
{
    int count = 0;
    while (length > 0) {
        const Piece &piece = PieceAt(offset);
        const int n = std::min(length, piece.end - offset);
        if (n <= 0 || offset < piece.start) {
            const std::string bytes = Bytes(offset, length);
            return count + static_cast<int>(std::count(bytes.begin(), bytes.end(), byte));
        }
        const char *from = piece.data + (offset - piece.start);
        count += static_cast<int>(std::count(from, from + n, byte));
        offset += n;
        length -= n;
    }
    return count;
}

std::string SECEditDocumentText::Bytes(int offset, int length)
{
    std::string bytes;
    Append(bytes, offset, length);
    return bytes;
}

unsigned char SECEditDocumentText::ByteAt(int offset)
{
    const Piece &piece = PieceAt(offset);
    if (offset >= piece.start && offset < piece.end)
        return static_cast<unsigned char>(piece.data[offset - piece.start]);
    return 0;
}

int SECEditDocumentText::LineStart(int offset)
{
    const Piece &piece = PieceAt(std::min(offset, m_nLength - 1));
    if (offset > piece.start && offset <= piece.end) {
        const void *nl = memrchr(piece.data, '\n', static_cast<size_t>(offset - piece.start));
        if (nl)
            return piece.start + static_cast<int>(static_cast<const char *>(nl) - piece.data) + 1;
    }
    if (piece.start == 0 && offset <= piece.end)
        return 0;
    // The line began in an earlier block.
    int line = 0, col = 0;
    m_store.OffsetToPosition(offset, &line, &col);
    return offset - col;
}

int SECEditDocumentText::LineTextEnd(int offset)
{
    const Piece &piece = PieceAt(offset);
    if (offset >= piece.start && offset < piece.end) {
        const char *from = piece.data + (offset - piece.start);
        const void *nl = std::memchr(from, '\n', static_cast<size_t>(piece.end - offset));
        int end = -1;
        if (nl)
            end = offset + static_cast<int>(static_cast<const char *>(nl) - from);
        else if (piece.end == m_nLength)
            end = m_nLength;
        if (end >= 0) {
            if (end > offset && piece.data[end - 1 - piece.start] == '\r')
                --end;
            return end;
        }
    }
    // The line ends in a later block (or offset is the end of the text).
    int line = 0, col = 0;
    m_store.OffsetToPosition(offset, &line, &col);
    return std::max(offset, offset - col + m_buffer.GetLineTextLength(line));
}

int SECEditDocumentText::StepPastEmptyMatch(int offset)
{
    unsigned char p[4] = {};
    int available = 0;
    for (; available < 4 && offset + available < m_nLength; ++available)
        p[available] = ByteAt(offset + available);
    if (p[0] == '\r' && offset + 1 < m_nLength && p[1] == '\n')
        return offset + 2;
    // The engine's own step: a whole UTF-8 sequence, or one byte that
    // starts none.
    return offset + MbEngineCharLength(p, static_cast<size_t>(available));
}
