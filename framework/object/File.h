// Binary files: CFile on a file descriptor, CMemFile in memory, CSharedFile in
// a movable global memory block (the clipboard's currency) and CMirrorFile,
// which writes beside its target and puts the result in place on Close.
//
// Errors throw CFileException (by pointer, see Exceptions.h); Open reports
// into the caller's CFileException and returns FALSE instead.
//
// Share modes are honoured among the framework's own openers with advisory
// locks on the file: a file open with shareExclusive or for writing cannot be
// opened again, and one open for reading cannot be opened for writing or
// exclusively, so two saves of one file cannot interleave and nobody writes
// a file that is being read.  Other programs are not held back.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/CTime.h"
#include "framework/base/WinTypes.h"
#include "framework/object/Exceptions.h"
#include "framework/object/GlobalMemory.h"
#include "framework/object/Object.h"

// What CFile::GetStatus reports about a file.
struct CFileStatus {
    CTime m_ctime; // status change time (there is no creation time here)
    CTime m_mtime; // last modification
    CTime m_atime; // last access
    ULONGLONG m_size;
    BYTE m_attribute; // CFile::Attribute bits
    char m_szFullName[_MAX_PATH];
};

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000, // accepted; files are never translated here
        typeBinary = 0x8000,
        osNoBuffer = 0x10000,
        osWriteThrough = 0x20000,
        osRandomAccess = 0x40000,
        osSequentialScan = 0x80000
    };
    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    // The descriptor of a closed file.
    static constexpr int hFileNull = -1;

    CFile();
    // Opens at once; throws CFileException on failure.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError = NULL);

    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);

    // Reads up to nCount bytes; fewer only at the end of the file.
    virtual UINT Read(void *lpBuf, UINT nCount);
    virtual void Write(const void *lpBuf, UINT nCount);
    virtual void Flush();
    virtual void Close();
    // Closes without throwing (errors are ignored).
    virtual void Abort();

    virtual void LockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount);

    // The full path, the name with its extension, and the name without it.
    virtual CString GetFilePath() const;
    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual void SetFilePath(LPCTSTR lpszNewName);

    // FALSE when the file does not exist.  readOnly means the current user
    // may not write it; hidden, a name that starts with a dot.
    BOOL GetStatus(CFileStatus &rStatus) const;
    static BOOL GetStatus(LPCTSTR lpszFileName, CFileStatus &rStatus);

    static void Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static void Remove(LPCTSTR lpszFileName);

    int m_hFile;
    BOOL m_bCloseOnDelete;
    CString m_strFileName;

protected:
    // Takes the share-mode locks for a freshly opened descriptor; fills
    // pError and returns FALSE on a conflict.
    static BOOL AcquireShareLocks(int hFile, UINT nOpenFlags, LPCTSTR lpszFileName, CFileException *pError);
    static CString MakeFullPath(LPCTSTR lpszFileName);
    static void ReportOpenError(CFileException *pError, int nErrno, LPCTSTR lpszFileName);
};

// A file in one growing memory block.  The buffer grows to the next multiple
// of the growth step; a file attached to a caller's buffer with a growth step
// of 0 cannot grow.
class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    CMemFile(BYTE *lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    void Attach(BYTE *lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands the buffer to the caller and empties the file.
    BYTE *Detach();

    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    UINT Read(void *lpBuf, UINT nCount) override;
    void Write(const void *lpBuf, UINT nCount) override;
    void Flush() override {}
    void Close() override;
    void Abort() override;
    void LockRange(ULONGLONG dwPos, ULONGLONG dwCount) override;
    void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount) override;

    // Direct access for readers that parse in place (the archive's buffer).
    const BYTE *GetBufferData() const { return m_lpBuffer; }

protected:
    // The memory primitives; CSharedFile keeps its bytes in a global block.
    virtual BYTE *Alloc(size_t nBytes);
    virtual BYTE *Realloc(BYTE *lpMem, size_t nBytes);
    virtual void Free(BYTE *lpMem);
    virtual void GrowFile(size_t dwNewLen);
    // Room for a file in a buffer the file does not own.
    virtual BYTE *GrowForeignBuffer(size_t nBytes);

    UINT m_nGrowBytes;
    size_t m_nPosition;
    size_t m_nBufferSize;
    size_t m_nFileSize;
    BYTE *m_lpBuffer;
    BOOL m_bAutoDelete; // the file owns m_lpBuffer
};

// A memory file in a movable global memory block, as the clipboard carries
// data: Detach hands the block over, SetHandle reads one.
class CSharedFile : public CMemFile {
    DECLARE_DYNAMIC(CSharedFile)
public:
    explicit CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT nGrowBytes = 4096);
    ~CSharedFile() override;

    // Gives the block to the caller, sized to the file's length, and empties
    // the file.
    HGLOBAL Detach();
    // Works on the caller's block (whose whole size is the file's length);
    // the file may grow it when bAllowGrow is TRUE.  The caller keeps it.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);
    void Close() override;
    void Abort() override { Close(); }

protected:
    BYTE *Alloc(size_t nBytes) override;
    BYTE *Realloc(BYTE *lpMem, size_t nBytes) override;
    void Free(BYTE *lpMem) override;
    BYTE *GrowForeignBuffer(size_t nBytes) override;

    UINT m_nAllocFlags;
    HGLOBAL m_hGlobalMemory;
    BOOL m_bAllowGrow;
};

// A file opened with modeCreate is written to a temporary file in the
// target's folder; Close puts it in place by renaming it over the target, so
// readers see either the old or the complete new content.  Abort (and
// destruction without Close) removes the temporary and leaves the target as
// it was.  A save holds a lock on its temporary until the rename, and a save
// that succeeds removes the target's temporaries that nobody holds (left by
// a process killed while saving).  Without modeCreate it is a plain CFile.
class CMirrorFile : public CFile {
    DECLARE_DYNAMIC(CMirrorFile)
public:
    CMirrorFile() = default;
    ~CMirrorFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException *pError = NULL) override;
    void Close() override;
    void Abort() override;

    // The temporary file being written, empty when not mirroring.
    CString GetMirrorPath() const { return m_strMirrorName; }

protected:
    void DiscardMirror();

    CString m_strMirrorName;
    int m_hTargetLock = hFileNull; // holds the share locks on an existing target
};
