#include "editor/text/SECEditTextBlock.h"

#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"

#include <algorithm>
#include <cstring>

SECEditTextBlock::SECEditTextBlock(int nGrowBy) : m_nGrowBy(nGrowBy)
{
    SetSize(1);
}

SECEditTextBlock::SECEditTextBlock(int nGrowBy, int nCapacity) : m_nGrowBy(nGrowBy)
{
    Reserve(std::max(nCapacity, 1));
    SetSize(1);
}

SECEditTextBlock::~SECEditTextBlock()
{
    delete[] m_pData;
}

void SECEditTextBlock::SetSize(int nNewSize)
{
    if (nNewSize < 0)
        nNewSize = 0;
    if (nNewSize > m_nCapacity) {
        int growBy = m_nGrowBy;
        if (growBy == 0)
            growBy = std::clamp(m_nSize / 8, 4, 1024);
        const long long wanted = std::max<long long>(nNewSize, (long long)m_nCapacity + growBy);
        Reserve(static_cast<int>(std::min<long long>(wanted, 0x7FFFFFFF)));
    }
    // Only the bytes that come into use are cleared: the spare room is
    // cleared when it is taken.
    if (nNewSize > m_nSize)
        std::memset(m_pData + m_nSize, 0, static_cast<size_t>(nNewSize - m_nSize));
    m_nSize = nNewSize;
}

void SECEditTextBlock::Reserve(int nCapacity)
{
    if (nCapacity <= m_nCapacity)
        return;
    char *pNew = new char[static_cast<size_t>(nCapacity)];
    if (m_nSize > 0)
        std::memcpy(pNew, m_pData, static_cast<size_t>(m_nSize));
    delete[] m_pData;
    m_pData = pNew;
    m_nCapacity = nCapacity;
}

void SECEditTextBlock::InsertBytes(int i, const char *text, int count, BYTE chNewline)
{
    const int oldSize = m_nSize;
    SetSize(oldSize + count);
    // Move the tail, terminator included, up to make room.
    std::memmove(m_pData + i + count, m_pData + i, static_cast<size_t>(oldSize - i));
    std::memcpy(m_pData + i, text, static_cast<size_t>(count));

    auto first = std::lower_bound(m_newlines.begin(), m_newlines.end(), i);
    for (auto it = first; it != m_newlines.end(); ++it)
        *it += count;
    std::vector<int> added;
    for (const char *p = text, *end = text + count;
         (p = static_cast<const char *>(std::memchr(p, chNewline, static_cast<size_t>(end - p)))); ++p)
        added.push_back(i + static_cast<int>(p - text));
    m_newlines.insert(first, added.begin(), added.end());
}

void SECEditTextBlock::AppendBytes(const char *text, int count, BYTE chNewline)
{
    if (count <= 0)
        return;
    const int at = std::max(m_nSize - 1, 0);
    const int newSize = at + count + 1;
    if (newSize > m_nCapacity)
        Reserve(std::max(newSize, m_nCapacity + std::max(m_nGrowBy, 1)));
    // The new bytes go over the terminator, which follows them again.
    std::memcpy(m_pData + at, text, static_cast<size_t>(count));
    m_nSize = newSize;
    m_pData[newSize - 1] = 0;
    for (const char *p = text, *end = text + count;
         (p = static_cast<const char *>(std::memchr(p, chNewline, static_cast<size_t>(end - p)))); ++p)
        m_newlines.push_back(at + static_cast<int>(p - text));
}

void SECEditTextBlock::RemoveBytes(int i, int count)
{
    std::memmove(m_pData + i, m_pData + i + count, static_cast<size_t>(m_nSize - i - count));
    m_nSize -= count;

    auto first = std::lower_bound(m_newlines.begin(), m_newlines.end(), i);
    auto last = std::lower_bound(first, m_newlines.end(), i + count);
    for (auto it = last; it != m_newlines.end(); ++it)
        *it -= count;
    m_newlines.erase(first, last);
}

void SECEditTextBlock::IndexNewlines(BYTE chNewline)
{
    m_newlines.clear();
    const char *text = m_pData;
    const char *end = m_pData + GetTextLength();
    for (const char *p = text; (p = static_cast<const char *>(std::memchr(p, chNewline, static_cast<size_t>(end - p))));
         ++p)
        m_newlines.push_back(static_cast<int>(p - text));
}

int SECEditTextBlock::CountNewlinesBefore(int i) const
{
    return static_cast<int>(std::lower_bound(m_newlines.begin(), m_newlines.end(), i) - m_newlines.begin());
}

void SECEditTextBlock::Serialize(CArchive &ar, BYTE chNewline)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nSize));
        ar.Write(m_pData, static_cast<UINT>(m_nSize));
        return;
    }
    const DWORD_PTR count = ar.ReadCount();
    if (count < 1 || count > 0x7FFF0000u)
        AfxThrowArchiveException(CArchiveException::badIndex);
    // Read in steps, so a hostile count costs no more memory than the
    // archive really holds.
    std::vector<char> bytes;
    const size_t step = 1 << 20;
    while (bytes.size() < count) {
        const size_t n = std::min(step, static_cast<size_t>(count) - bytes.size());
        const size_t at = bytes.size();
        bytes.resize(at + n);
        if (ar.Read(bytes.data() + at, static_cast<UINT>(n)) != n)
            AfxThrowArchiveException(CArchiveException::endOfFile);
    }
    if (bytes.back() != 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    SetSize(0);
    SetSize(static_cast<int>(count));
    std::memcpy(m_pData, bytes.data(), bytes.size());
    IndexNewlines(chNewline);
}
