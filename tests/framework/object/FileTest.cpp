// CFile: opening, reading, writing, seeking, names and share modes.
#include <gtest/gtest.h>

#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "tests/framework/object/TempFolder.h"

namespace {

class FileTest : public TempFolderTest {};

TEST_F(FileTest, WritesReadsSeeksAndSizes)
{
    std::string path = PathOf("data.bin");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    file.Write("hello world", 11);
    EXPECT_EQ(file.GetLength(), 11u);
    EXPECT_EQ(file.GetPosition(), 11u);
    EXPECT_EQ(file.Seek(-5, CFile::end), 6u);
    char sz[16] = {};
    EXPECT_EQ(file.Read(sz, sizeof(sz)), 5u);
    EXPECT_STREQ(sz, "world");
    EXPECT_EQ(file.Read(sz, sizeof(sz)), 0u);
    file.SetLength(5);
    EXPECT_EQ(file.GetLength(), 5u);
    file.SeekToBegin();
    EXPECT_EQ(file.Read(sz, sizeof(sz)), 5u);
    file.Close();
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    EXPECT_EQ(ReadFile(path), "hello");
}

TEST_F(FileTest, NamesComeFromTheFullPath)
{
    std::string path = PathOf("report.v2.plx");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(file.GetFilePath(), CString(path.c_str()));
    EXPECT_EQ(file.GetFileName(), "report.v2.plx");
    EXPECT_EQ(file.GetFileTitle(), "report.v2");
}

struct OpenFailureCase {
    const char *name;
    const char *lpszRelative;
    UINT nFlags;
    int nCause;
};

class FileOpenFailure : public FileTest, public ::testing::WithParamInterface<OpenFailureCase> {};

TEST_P(FileOpenFailure, ReportsTheCause)
{
    const OpenFailureCase &c = GetParam();
    std::string path = PathOf(c.lpszRelative);
    CFileException fe;
    CFile file;
    EXPECT_FALSE(file.Open(path.c_str(), c.nFlags, &fe));
    EXPECT_EQ(fe.m_cause, c.nCause);
    EXPECT_EQ(fe.m_strFileName, CString(path.c_str()));
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);

    try {
        CFile thrown(path.c_str(), c.nFlags);
        ADD_FAILURE() << "no exception";
    } catch (CFileException *e) {
        EXPECT_EQ(e->m_cause, c.nCause);
        e->Delete();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileOpenFailure,
    ::testing::Values(OpenFailureCase{"Missing", "missing.plx", CFile::modeRead, CFileException::fileNotFound},
                      OpenFailureCase{"MissingFolder", "no/such.plx", CFile::modeCreate | CFile::modeWrite,
                                      CFileException::fileNotFound},
                      OpenFailureCase{"Folder", ".", CFile::modeRead, CFileException::accessDenied}),
    [](const ::testing::TestParamInfo<OpenFailureCase> &info) { return std::string(info.param.name); });

struct ShareCase {
    const char *name;
    UINT nFirst;
    UINT nSecond;
    bool bSecondOpens;
};

class FileShareModes : public FileTest, public ::testing::WithParamInterface<ShareCase> {};

TEST_P(FileShareModes, SecondOpenHonoursTheFirst)
{
    const ShareCase &c = GetParam();
    std::string path = PathOf("shared.plx");
    WriteFile(path, "keep me");
    // A refused create must not truncate what the first opener protects.
    CFile first;
    ASSERT_TRUE(first.Open(path.c_str(), c.nFirst));
    std::string content = ReadFile(path);
    CFile second;
    CFileException fe;
    EXPECT_EQ(bool(second.Open(path.c_str(), c.nSecond, &fe)), c.bSecondOpens);
    if (!c.bSecondOpens) {
        EXPECT_EQ(fe.m_cause, CFileException::sharingViolation);
        EXPECT_EQ(ReadFile(path), content);
    }
    first.Close();
    if (!c.bSecondOpens) {
        EXPECT_TRUE(second.Open(path.c_str(), c.nSecond));
    }
}

const UINT kSave = CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive;
const UINT kLoad = CFile::modeRead | CFile::shareDenyWrite;
const UINT kPeek = CFile::modeRead | CFile::shareDenyNone;

INSTANTIATE_TEST_SUITE_P(
    Modes, FileShareModes,
    ::testing::Values(
        ShareCase{"SaveBlocksSave", kSave, kSave, false}, ShareCase{"SaveBlocksLoad", kSave, kLoad, false},
        ShareCase{"SaveBlocksPeek", kSave, kPeek, false}, ShareCase{"LoadBlocksSave", kLoad, kSave, false},
        ShareCase{"LoadBlocksWriter", kLoad, CFile::modeWrite | CFile::shareDenyNone, false},
        ShareCase{"LoadAllowsLoad", kLoad, kLoad, true}, ShareCase{"LoadAllowsPeek", kLoad, kPeek, true},
        ShareCase{"PeekBlocksSave", kPeek, kSave, false}, ShareCase{"PeekAllowsPeek", kPeek, kPeek, true}),
    [](const ::testing::TestParamInfo<ShareCase> &info) { return std::string(info.param.name); });

TEST_F(FileTest, StatusReportsSizeAndAttributes)
{
    std::string path = PathOf(".hidden.plx");
    WriteFile(path, "12345");
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_EQ(status.m_attribute & (CFile::hidden | CFile::directory), CFile::hidden);
    EXPECT_STREQ(status.m_szFullName, path.c_str());
    EXPECT_GT(status.m_mtime.GetTime(), 0);

    ASSERT_TRUE(CFile::GetStatus(m_folder.c_str(), status));
    EXPECT_TRUE(status.m_attribute & CFile::directory);
    EXPECT_FALSE(CFile::GetStatus(PathOf("missing").c_str(), status));

    CFile file(path.c_str(), CFile::modeRead);
    ASSERT_TRUE(file.GetStatus(status));
    EXPECT_EQ(status.m_size, 5u);
}

// Over a file, announced lengths are checked against the bytes left in the
// file, past what the buffer holds.
TEST_F(FileTest, ArchiveChecksLengthsAgainstTheFile)
{
    std::string path = PathOf("doc.plx");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 128);
        ar << CString(std::string(1000, 'a')) << CString(std::string(300, 'b'));
        ar.Close();
    }
    std::string bytes = ReadFile(path);
    WriteFile(path, bytes.substr(0, bytes.size() - 1));

    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load, 128);
    CString first, second;
    ar >> first;
    EXPECT_EQ(first.GetLength(), 1000);
    try {
        ar >> second;
        ADD_FAILURE();
    } catch (CArchiveException *e) {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        EXPECT_EQ(e->m_strFileName, CString(path.c_str()));
        e->Delete();
    }
}

TEST_F(FileTest, RenameAndRemove)
{
    std::string from = PathOf("a.txt"), to = PathOf("b.txt");
    WriteFile(from, "x");
    CFile::Rename(from.c_str(), to.c_str());
    EXPECT_EQ(ReadFile(to), "x");
    CFile::Remove(to.c_str());
    EXPECT_EQ(EntryCount(), 0u);
    try {
        CFile::Remove(to.c_str());
        ADD_FAILURE();
    } catch (CFileException *e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        e->Delete();
    }
}

} // namespace
