#include "framework/object/Archive.h"
#include "framework/window/CursorApi.h"
#include "library/model/QYIUnknown.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

// A persistent component stand-in: one value in its record, and a switch
// that makes its Serialize fail half-way.
class CTestUnknown : public QYIUnknown {
public:
    explicit CTestUnknown(bool* pDeleted = nullptr) : m_pDeleted(pDeleted) {}
    ~CTestUnknown() override
    {
        if (m_pDeleted != nullptr)
            *m_pDeleted = true;
    }
    void Serialize(CArchive& ar) override
    {
        m_hCursorWhileSerializing = GetCursor();
        if (ar.IsStoring()) {
            ar << m_nValue;
            if (m_bFailWhileStoring)
                AfxThrowArchiveException(CArchiveException::generic);
            ar << m_nValue + 1;
        } else {
            ar >> m_nValue;
            int nCheck = 0;
            ar >> nCheck;
        }
    }

    int m_nValue = 0;
    bool m_bFailWhileStoring = false;
    bool* m_pDeleted;
    HCURSOR m_hCursorWhileSerializing = nullptr;
};

class FileByName : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir =
            std::filesystem::temp_directory_path() / ("plexo-model-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string PathOf(const char* name) const { return (m_dir / name).string(); }
    static std::string ReadAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path m_dir;
};

TEST(ReferenceCount, LastReleaseDeletes)
{
    bool bDeleted = false;
    auto* pObject = new CTestUnknown(&bDeleted);
    EXPECT_EQ(pObject->AddRef(), 1);
    EXPECT_EQ(pObject->AddRef(), 2);
    EXPECT_EQ(pObject->Release(), 1);
    EXPECT_FALSE(bDeleted);
    EXPECT_EQ(pObject->Release(), 0);
    EXPECT_TRUE(bDeleted);
}

TEST(ReferenceCount, ReleaseWithoutAddRefKeepsTheObject)
{
    bool bDeleted = false;
    CTestUnknown object(&bDeleted);
    EXPECT_EQ(object.Release(), -1);
    EXPECT_FALSE(bDeleted);
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(QYIUnknown)));
    EXPECT_EQ(RUNTIME_CLASS(QYIUnknown)->CreateObject(), nullptr);
}

TEST_F(FileByName, SavedRecordReadsBack)
{
    CTestUnknown saved;
    saved.m_nValue = 0x1234;
    ASSERT_TRUE(saved.SaveDocument(PathOf("one.bin").c_str()));
    EXPECT_EQ(ReadAll(PathOf("one.bin")), std::string("\x34\x12\0\0\x35\x12\0\0", 8));

    CTestUnknown loaded;
    ASSERT_TRUE(loaded.OpenDocument(PathOf("one.bin").c_str()));
    EXPECT_EQ(loaded.m_nValue, 0x1234);
}

TEST_F(FileByName, EmptyFileReadsAsNothingAndMissingFileFails)
{
    {
        std::ofstream(PathOf("empty.bin"));
    }
    CTestUnknown object;
    object.m_nValue = 7;
    EXPECT_TRUE(object.OpenDocument(PathOf("empty.bin").c_str()));
    EXPECT_EQ(object.m_nValue, 7);
    EXPECT_FALSE(object.OpenDocument(PathOf("missing.bin").c_str()));
    EXPECT_EQ(object.m_nValue, 7);
}

TEST_F(FileByName, TruncatedFileFailsWithoutThrowing)
{
    {
        std::ofstream(PathOf("short.bin"), std::ios::binary) << "ab";
    }
    CTestUnknown object;
    EXPECT_FALSE(object.OpenDocument(PathOf("short.bin").c_str()));
}

TEST_F(FileByName, FailedSaveLeavesTheOldFileUntouched)
{
    const std::string path = PathOf("keep.bin");
    {
        std::ofstream(path, std::ios::binary) << "previous content";
    }
    CTestUnknown object;
    object.m_bFailWhileStoring = true;
    EXPECT_FALSE(object.SaveDocument(path.c_str()));
    EXPECT_EQ(ReadAll(path), "previous content");
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
}

TEST_F(FileByName, SaveFailsWhileTheFileIsHeldOpen)
{
    const std::string path = PathOf("held.bin");
    {
        std::ofstream(path, std::ios::binary) << "held";
    }
    CFile holder;
    ASSERT_TRUE(holder.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));
    CTestUnknown object;
    EXPECT_FALSE(object.SaveDocument(path.c_str()));
    holder.Close();
    EXPECT_EQ(ReadAll(path), "held");
}

TEST_F(FileByName, UnwritableFolderFails)
{
    CTestUnknown object;
    EXPECT_FALSE(object.SaveDocument(PathOf("no-such-folder/file.bin").c_str()));
}

TEST_F(FileByName, WaitCursorShowsWhileSerializingAndGoesAfterwards)
{
    const HCURSOR hWait = LoadCursor(nullptr, IDC_WAIT);
    const HCURSOR hArrow = LoadCursor(nullptr, IDC_ARROW);
    SetCursor(hArrow);
    CTestUnknown object;
    ASSERT_TRUE(object.SaveDocument(PathOf("cursor.bin").c_str()));
    EXPECT_EQ(object.m_hCursorWhileSerializing, hWait);
    EXPECT_EQ(GetCursor(), hArrow);

    object.m_bFailWhileStoring = true;
    object.m_hCursorWhileSerializing = nullptr;
    EXPECT_FALSE(object.SaveDocument(PathOf("cursor.bin").c_str()));
    EXPECT_EQ(object.m_hCursorWhileSerializing, hWait);
    EXPECT_EQ(GetCursor(), hArrow);

    object.m_hCursorWhileSerializing = nullptr;
    ASSERT_TRUE(object.OpenDocument(PathOf("cursor.bin").c_str()));
    EXPECT_EQ(object.m_hCursorWhileSerializing, hWait);
    EXPECT_EQ(GetCursor(), hArrow);
}

} // namespace
