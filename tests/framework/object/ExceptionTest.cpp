// Exception messages, reporting and the handler macros.
#include <gtest/gtest.h>

#include <string>

#include "framework/object/Exceptions.h"

namespace {

struct MessageCase {
    int nCause;
    const char *lpszFile;
    const char *lpszMessage;
};

class FileExceptionMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(FileExceptionMessage, NamesTheFile)
{
    CFileException e(GetParam().nCause, -1, GetParam().lpszFile);
    EXPECT_STREQ(e.GetErrorMessage(), GetParam().lpszMessage);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FileExceptionMessage,
    ::testing::Values(
        MessageCase{CFileException::none, "a.txt", "No error occurred."},
        MessageCase{CFileException::genericException, "a.txt", "An unexpected error occurred while accessing a.txt."},
        MessageCase{CFileException::fileNotFound, "/tmp/a.txt", "/tmp/a.txt was not found."},
        MessageCase{CFileException::badPath, "a.txt", "a.txt contains an invalid path."},
        MessageCase{CFileException::accessDenied, "a.txt", "Access to a.txt was denied."},
        MessageCase{CFileException::sharingViolation, "a.txt", "A sharing violation occurred while accessing a.txt."},
        MessageCase{CFileException::diskFull, "a.txt", "Disk full while accessing a.txt."},
        MessageCase{CFileException::endOfFile, nullptr,
                    "An attempt was made to access an unnamed file past its end."}));

class ArchiveExceptionMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ArchiveExceptionMessage, NamesTheArchive)
{
    CArchiveException e(GetParam().nCause, GetParam().lpszFile);
    EXPECT_STREQ(e.GetErrorMessage(), GetParam().lpszMessage);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, ArchiveExceptionMessage,
    ::testing::Values(
        MessageCase{CArchiveException::readOnly, "d.plx", "An attempt was made to write to the reading d.plx."},
        MessageCase{CArchiveException::endOfFile, "d.plx", "An attempt was made to access d.plx past its end."},
        MessageCase{CArchiveException::writeOnly, "d.plx", "An attempt was made to read from the writing d.plx."},
        MessageCase{CArchiveException::badIndex, "d.plx", "d.plx has a bad format."},
        MessageCase{CArchiveException::badClass, "d.plx", "d.plx contained an unexpected object."},
        MessageCase{CArchiveException::badSchema, nullptr, "an unnamed file contains an incorrect schema."}));

TEST(FileException, ErrnoMapsToCauses)
{
    EXPECT_EQ(CFileException::ErrnoToException(ENOENT), CFileException::fileNotFound);
    EXPECT_EQ(CFileException::ErrnoToException(EACCES), CFileException::accessDenied);
    EXPECT_EQ(CFileException::ErrnoToException(ENOSPC), CFileException::diskFull);
    EXPECT_EQ(CFileException::ErrnoToException(EMFILE), CFileException::tooManyOpenFiles);
    EXPECT_EQ(CFileException::ErrnoToException(ENOTDIR), CFileException::badPath);
}

TEST(Exception, GetErrorMessageCutsToTheBuffer)
{
    CMemoryException e;
    char sz[5];
    EXPECT_TRUE(e.GetErrorMessage(sz, sizeof(sz)));
    EXPECT_STREQ(sz, "Out ");
    CUserException user;
    EXPECT_FALSE(user.GetErrorMessage(sz, sizeof(sz)));
    EXPECT_STREQ(sz, "");
}

std::string g_strShown;
UINT g_nTypeShown;

int RecordingMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    g_strShown = lpszText;
    g_nTypeShown = nType;
    return 7;
}

TEST(Exception, ReportErrorGoesThroughTheInstalledHandler)
{
    AfxMessageBoxHandler pfnOld = AfxSetMessageBoxHandler(RecordingMessageBox);
    CFileException e(CFileException::fileNotFound, ENOENT, "x.plx");
    EXPECT_EQ(e.ReportError(0x30), 7);
    EXPECT_EQ(g_strShown, "x.plx was not found.");
    EXPECT_EQ(g_nTypeShown, 0x30u);
    CUserException user;
    user.ReportError();
    EXPECT_EQ(g_strShown, "No error message is available.");
    AfxSetMessageBoxHandler(pfnOld);
}

// Thrown exceptions are heap objects; the handler macros free them unless
// THROW_LAST passes them on.
TEST(Exception, HandlerMacrosDeleteOrPassOn)
{
    int nCaught = 0;
    TRY
    {
        AfxThrowArchiveException(CArchiveException::badClass, "f");
    }
    CATCH(CFileException, e)
    {
        ADD_FAILURE() << "wrong handler";
    }
    AND_CATCH(CArchiveException, e)
    {
        EXPECT_EQ(e->m_cause, CArchiveException::badClass);
        ++nCaught;
    }
    END_CATCH

    try {
        TRY
        {
            AfxThrowNotSupportedException();
        }
        CATCH_ALL(e)
        {
            ++nCaught;
            THROW_LAST();
        }
        END_CATCH_ALL
    } catch (CException *e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CNotSupportedException)));
        e->Delete();
        ++nCaught;
    }
    EXPECT_EQ(nCaught, 3);
}

// Handlers written to delete the exception themselves do not free it twice.
TEST(Exception, HandlerBlockMayDeleteItself)
{
    TRY
    {
        AfxThrowMemoryException();
    }
    CATCH_ALL(e)
    {
        DELETE_EXCEPTION(e);
    }
    END_CATCH_ALL

    TRY
    {
        AfxThrowUserException();
    }
    END_TRY
}

TEST(Exception, StackExceptionsAreNotDeleted)
{
    CFileException fe;
    fe.Delete(); // the sanitizer build fails on freeing a stack object
    EXPECT_EQ(fe.m_cause, CFileException::none);
    CException *pHeap = new CMemoryException;
    pHeap->Delete();
}

} // namespace
