// CMirrorFile: a save replaces its target only when it completes.
#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

#include "framework/object/Archive.h"
#include "tests/framework/object/TempFolder.h"

namespace {

const UINT kSave = CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive;

class MirrorFileTest : public TempFolderTest {
protected:
    // A save as documents do it: mirror file, archive, abort on exception.
    template <typename Fn>
    bool Save(const std::string &path, Fn fnSerialize)
    {
        auto pFile = std::make_unique<CMirrorFile>();
        if (!pFile->Open(path.c_str(), kSave))
            return false;
        CArchive ar(pFile.get(), CArchive::store | CArchive::bNoFlushOnDelete);
        try {
            fnSerialize(ar);
            ar.Close();
            pFile->Close();
            return true;
        } catch (CException *e) {
            pFile->Abort();
            e->Delete();
            return false;
        }
    }
};

TEST_F(MirrorFileTest, SaveThatThrowsLeavesTheTargetByteForByte)
{
    std::string path = PathOf("doc.plx");
    std::string original(10000, '\0');
    for (size_t i = 0; i < original.size(); ++i)
        original[i] = char(i * 7);
    WriteFile(path, original);

    // Enough is written to pass through the buffer before the failure.
    bool bSaved = Save(path, [](CArchive &ar) {
        for (int i = 0; i < 5000; ++i)
            ar << i;
        AfxThrowArchiveException(CArchiveException::genericException);
    });
    EXPECT_FALSE(bSaved);
    EXPECT_EQ(ReadFile(path), original);
    EXPECT_EQ(EntryCount(), 1u); // no temporary left behind
}

TEST_F(MirrorFileTest, CompletedSaveReplacesTheTargetAndKeepsItsMode)
{
    std::string path = PathOf("doc.plx");
    WriteFile(path, "old content");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_TRUE(Save(path, [](CArchive &ar) { ar << CString("new"); }));
    EXPECT_EQ(ReadFile(path), "\x03new");
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(MirrorFileTest, NewTargetAppearsOnlyOnClose)
{
    std::string path = PathOf("new.plx");
    CMirrorFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kSave));
    file.Write("abc", 3);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(file.GetFilePath(), CString(path.c_str()));
    file.Close();
    EXPECT_EQ(ReadFile(path), "abc");
}

TEST_F(MirrorFileTest, AbortAndDestructionLeaveTheTarget)
{
    std::string path = PathOf("doc.plx");
    WriteFile(path, "keep");
    {
        CMirrorFile file;
        ASSERT_TRUE(file.Open(path.c_str(), kSave));
        file.Write("lost", 4);
        file.Abort();
    }
    {
        CMirrorFile file;
        ASSERT_TRUE(file.Open(path.c_str(), kSave));
        file.Write("lost", 4);
    }
    EXPECT_EQ(ReadFile(path), "keep");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(MirrorFileTest, SaveInProgressRefusesOtherSavesAndLoads)
{
    std::string path = PathOf("doc.plx");
    WriteFile(path, "keep");
    CMirrorFile saving;
    ASSERT_TRUE(saving.Open(path.c_str(), kSave));
    CMirrorFile second;
    CFileException fe;
    EXPECT_FALSE(second.Open(path.c_str(), kSave, &fe));
    EXPECT_EQ(fe.m_cause, CFileException::sharingViolation);
    CFile loader;
    EXPECT_FALSE(loader.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    saving.Write("new", 3);
    saving.Close();
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_TRUE(loader.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
}

TEST_F(MirrorFileTest, ReadOnlyTargetIsRefused)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    std::string path = PathOf("locked.plx");
    WriteFile(path, "keep");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    CMirrorFile file;
    CFileException fe;
    EXPECT_FALSE(file.Open(path.c_str(), kSave, &fe));
    EXPECT_EQ(fe.m_cause, CFileException::accessDenied);
    EXPECT_EQ(ReadFile(path), "keep");
}

TEST_F(MirrorFileTest, SymbolicLinkKeepsPointingAtTheNewContent)
{
    std::string target = PathOf("real.plx"), link = PathOf("link.plx");
    WriteFile(target, "old");
    std::filesystem::create_symlink(target, link);
    EXPECT_TRUE(Save(link, [](CArchive &ar) { ar << BYTE('n'); }));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(target), "n");
}

TEST_F(MirrorFileTest, WithoutCreateItIsAPlainFile)
{
    std::string path = PathOf("doc.plx");
    WriteFile(path, "abc");
    CMirrorFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeReadWrite | CFile::shareExclusive));
    EXPECT_TRUE(file.GetMirrorPath().IsEmpty());
    file.SeekToEnd();
    file.Write("d", 1);
    file.Close();
    EXPECT_EQ(ReadFile(path), "abcd");
}

} // namespace
