// CStdioFile: a file read and written as text, line by line. ReadString
// takes a line without its line end (LF or CR-LF); lines may be of any
// length. Files keep their bytes: WriteString writes the text as given.
#pragma once

#include "framework/object/File.h"

#include <vector>

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile() = default;
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override = default;

    // The next line without its line end; FALSE at the end of the file
    // (an empty last line after the final line end is no line).
    virtual BOOL ReadString(CString &rString);
    // Up to nMax - 1 bytes of the line, with its "\n" when it fits (a CR
    // before it is dropped); NULL at the end of the file.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    virtual void WriteString(LPCTSTR lpsz);

    UINT Read(void *lpBuf, UINT nCount) override;
    void Write(const void *lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    void Close() override;
    void Abort() override;

private:
    // -1 at the end of the file.
    int NextByte();
    int PeekByte();
    void DropReadAhead();

    std::vector<char> m_buffer;
    size_t m_nNext = 0;
};
