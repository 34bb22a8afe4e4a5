// The framework's exception classes.
//
// Exceptions are thrown as pointers to heap objects, made by the AfxThrow...
// helpers, and the catcher owns the object:
//
//     try { ... }
//     catch (CException* e) { e->ReportError(); e->Delete(); }
//
// The TRY / CATCH / CATCH_ALL / END_CATCH macros do the same and delete the
// exception when the handler block ends (THROW_LAST passes it on instead);
// a handler block may also Delete it itself.
//
// ReportError hands the message to a handler that the window layer installs
// (a message box there); until then the message goes to the standard error.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"
#include "framework/object/Object.h"

// Shows a message to the user: text, message-box style, help id; returns the
// button pressed (IDOK = 1 when nothing asks).
typedef int (*AfxMessageBoxHandler)(LPCTSTR lpszText, UINT nType, UINT nIDHelp);
// Installs the handler and returns the previous one (NULL restores stderr).
AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler pfnHandler);

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    // bAutoDelete: Delete() frees the object.  Only exceptions made with
    // new are ever freed: Delete() on one that lives on the stack or inside
    // another object does nothing.
    explicit CException(BOOL bAutoDelete = TRUE);
    ~CException() override = default;

    // Frees a thrown exception; does nothing for one that is not auto-deleted.
    void Delete();

    // Notes heap allocation, so that Delete knows what it may free.
    static void *operator new(size_t nSize);
    static void operator delete(void *p) noexcept;

    // Copies the message (NUL-terminated, cut to nMaxError - 1 bytes) and
    // returns TRUE, or FALSE when the exception has no message.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT *pnHelpContext = NULL) const;
    // The message as a string (empty when there is none).
    CString GetErrorMessage() const;

    // Shows the message through the installed handler.  Without a message,
    // the string resource nMessageID is shown, or "No error message is
    // available." when that is 0 or missing.
    virtual int ReportError(UINT nType = 0, UINT nMessageID = 0);

    BOOL m_bAutoDelete;

protected:
    bool m_bOnHeap;

    // The message text, or FALSE when there is none; subclasses answer here.
    virtual BOOL GetMessageText(CString &strMessage) const;
};

class CSimpleException : public CException {
    DECLARE_DYNAMIC(CSimpleException)
public:
    explicit CSimpleException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};

class CMemoryException : public CSimpleException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;

protected:
    BOOL GetMessageText(CString &strMessage) const override;
};

class CNotSupportedException : public CSimpleException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() = default;

protected:
    BOOL GetMessageText(CString &strMessage) const override;
};

class CResourceException : public CSimpleException {
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() = default;

protected:
    BOOL GetMessageText(CString &strMessage) const override;
};

// Thrown after the user has already been told (for example by a data
// validation message): it carries no message of its own.
class CUserException : public CSimpleException {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none = 0,
        genericException = 1,
        generic = genericException,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszArchiveName = NULL);

    // The cause for an operating-system error number (errno here).
    static int OsErrorToException(LONG lOsError);
    static int ErrnoToException(int nErrno);
    // Throw a CFileException for an error number, unless it is 0.
    static void ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = NULL);
    static void ThrowErrno(int nErrno, LPCTSTR lpszFileName = NULL);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;

protected:
    BOOL GetMessageText(CString &strMessage) const override;
};

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none = 0,
        genericException = 1,
        generic = genericException,
        readOnly = 2,
        endOfFile = 3,
        writeOnly = 4,
        badIndex = 5,
        badClass = 6,
        badSchema = 7
    };

    explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = NULL);

    int m_cause;
    CString m_strFileName;

protected:
    BOOL GetMessageText(CString &strMessage) const override;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = NULL);
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = NULL);

// Deletes the exception it holds when the handler block ends, unless
// THROW_LAST passed the exception on or the block deleted it itself (Delete
// tells the guards of the thread, so that is safe).
class CExceptionAutoDelete {
public:
    explicit CExceptionAutoDelete(CException *pException);
    ~CExceptionAutoDelete();
    void Keep() { m_pException = nullptr; }
    // Called by CException::Delete: the guards of this thread let go of it.
    static void Forget(CException *pException);

    CExceptionAutoDelete(const CExceptionAutoDelete &) = delete;
    CExceptionAutoDelete &operator=(const CExceptionAutoDelete &) = delete;

private:
    CException *m_pException;
    CExceptionAutoDelete *m_pOuter;
};

#define TRY try {
#define CATCH(class_name, e)                                                                                           \
    }                                                                                                                  \
    catch (class_name * e)                                                                                             \
    {                                                                                                                  \
        CExceptionAutoDelete afxExceptionGuard(e);                                                                     \
        (void)e;
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL }
#define END_TRY                                                                                                        \
    }                                                                                                                  \
    catch (CException * e)                                                                                             \
    {                                                                                                                  \
        CExceptionAutoDelete afxExceptionGuard(e);                                                                     \
    }
#define THROW(e) throw(e)
#define THROW_LAST()                                                                                                   \
    do {                                                                                                               \
        afxExceptionGuard.Keep();                                                                                      \
        throw;                                                                                                         \
    } while (0)
#define DELETE_EXCEPTION(e)                                                                                            \
    do {                                                                                                               \
        (e)->Delete();                                                                                                 \
    } while (0)
