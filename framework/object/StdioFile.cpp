#include "framework/object/StdioFile.h"

#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {
constexpr UINT kReadAhead = 4096;
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CFile(lpszFileName, nOpenFlags) {}

int CStdioFile::PeekByte()
{
    if (m_nNext >= m_buffer.size()) {
        m_buffer.resize(kReadAhead);
        UINT nRead = CFile::Read(m_buffer.data(), kReadAhead);
        m_buffer.resize(nRead);
        m_nNext = 0;
        if (nRead == 0)
            return -1;
    }
    return static_cast<unsigned char>(m_buffer[m_nNext]);
}

int CStdioFile::NextByte()
{
    int ch = PeekByte();
    if (ch >= 0)
        ++m_nNext;
    return ch;
}

void CStdioFile::DropReadAhead()
{
    // The descriptor stands past what was read ahead: step back to the
    // logical position.
    size_t nUnread = m_buffer.size() - m_nNext;
    m_buffer.clear();
    m_nNext = 0;
    if (nUnread > 0)
        CFile::Seek(-static_cast<LONGLONG>(nUnread), current);
}

BOOL CStdioFile::ReadString(CString &rString)
{
    std::string line;
    int ch = NextByte();
    if (ch < 0) {
        rString.Empty();
        return FALSE;
    }
    while (ch >= 0 && ch != '\n') {
        line.push_back(static_cast<char>(ch));
        ch = NextByte();
    }
    // CR-LF ends the line; a CR elsewhere is part of it.
    if (ch == '\n' && !line.empty() && line.back() == '\r')
        line.pop_back();
    rString = CString(line.data(), static_cast<int>(line.size()));
    return TRUE;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (lpsz == nullptr || nMax == 0)
        return nullptr;
    UINT n = 0;
    int ch = PeekByte();
    if (ch < 0)
        return nullptr;
    while (n + 1 < nMax && (ch = NextByte()) >= 0) {
        if (ch == '\r' && PeekByte() == '\n')
            continue;
        lpsz[n++] = static_cast<char>(ch);
        if (ch == '\n')
            break;
    }
    lpsz[n] = '\0';
    return lpsz;
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (lpsz != nullptr)
        Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}

UINT CStdioFile::Read(void *lpBuf, UINT nCount)
{
    auto *pOut = static_cast<char *>(lpBuf);
    UINT nDone = 0;
    while (nDone < nCount && m_nNext < m_buffer.size())
        pOut[nDone++] = m_buffer[m_nNext++];
    if (nDone < nCount)
        nDone += CFile::Read(pOut + nDone, nCount - nDone);
    return nDone;
}

void CStdioFile::Write(const void *lpBuf, UINT nCount)
{
    DropReadAhead();
    CFile::Write(lpBuf, nCount);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    DropReadAhead();
    return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const
{
    return CFile::GetPosition() - (m_buffer.size() - m_nNext);
}

void CStdioFile::Close()
{
    m_buffer.clear();
    m_nNext = 0;
    CFile::Close();
}

void CStdioFile::Abort()
{
    m_buffer.clear();
    m_nNext = 0;
    CFile::Abort();
}
