#include "editor/controller/SECEditDocumentText.h"

#include "editor/text/SECEditTextBuffer.h"
#include "editor/text/SECEditTextStore.h"

#include <algorithm>
#include <cstring>

SECEditDocumentText::SECEditDocumentText(SECEditTextBuffer &buffer) : m_buffer(buffer), m_store(*buffer.GetStore())
{
    m_nLength = m_store.GetTextLength();
    const SECEditPosition end = buffer.GetEndPosition();
    char *p = nullptr;
    if (buffer.GetTextPointer(&p, 0, 0, end.m_nLine, end.m_nCol) == m_nLength && p)
        m_pData = p;
}

const char *SECEditDocumentText::Data()
{
    if (!m_pData) {
        // Not cleared first: every byte is written by the copy.
        m_copy.reset(new char[static_cast<size_t>(m_nLength) + 1]);
        m_store.CopyText(0, m_nLength, m_copy.get());
        m_copy[static_cast<size_t>(m_nLength)] = 0;
        m_pData = m_copy.get();
    }
    return m_pData;
}

void SECEditDocumentText::Append(std::string &out, int offset, int length)
{
    if (length <= 0)
        return;
    if (m_pData) {
        out.append(m_pData + offset, static_cast<size_t>(length));
        return;
    }
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(length));
    m_store.CopyText(offset, length, out.data() + at);
}

std::string SECEditDocumentText::Bytes(int offset, int length)
{
    std::string bytes;
    Append(bytes, offset, length);
    return bytes;
}

unsigned char SECEditDocumentText::ByteAt(int offset)
{
    char c = 0;
    if (m_pData)
        c = m_pData[offset];
    else
        m_store.CopyText(offset, 1, &c);
    return static_cast<unsigned char>(c);
}

int SECEditDocumentText::LineStart(int offset)
{
    if (m_pData) {
        const void *nl = offset > 0 ? memrchr(m_pData, '\n', static_cast<size_t>(offset)) : nullptr;
        return nl ? static_cast<int>(static_cast<const char *>(nl) - m_pData) + 1 : 0;
    }
    int line = 0, col = 0;
    m_store.OffsetToPosition(offset, &line, &col);
    return offset - col;
}

int SECEditDocumentText::LineTextEnd(int offset)
{
    if (m_pData) {
        const void *nl = std::memchr(m_pData + offset, '\n', static_cast<size_t>(m_nLength - offset));
        int end = nl ? static_cast<int>(static_cast<const char *>(nl) - m_pData) : m_nLength;
        if (end > offset && m_pData[end - 1] == '\r')
            --end;
        return end;
    }
    int line = 0, col = 0;
    m_store.OffsetToPosition(offset, &line, &col);
    return std::max(offset, offset - col + m_buffer.GetLineTextLength(line));
}

int SECEditDocumentText::StepPastEmptyMatch(int offset)
{
    unsigned char p[4] = {};
    for (int i = 0; i < 4 && offset + i < m_nLength; ++i)
        p[i] = ByteAt(offset + i);
    if (p[0] == '\r' && offset + 1 < m_nLength && p[1] == '\n')
        return offset + 2;
    // The engine's own step: a whole UTF-8 sequence, or one byte that
    // starts none.
    const unsigned char lead = p[0];
    int step = lead >= 0xF8 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    for (int i = 1; i < step; ++i)
        if (offset + i >= m_nLength || (p[i] & 0xC0) != 0x80)
            step = 1;
    return offset + step;
}
