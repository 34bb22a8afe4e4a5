// CMemFile and CSharedFile: growth, fixed buffers and global blocks.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/object/File.h"

namespace {

TEST(MemFile, GrowsAndReadsBack)
{
    CMemFile file(16);
    for (int i = 0; i < 100; ++i)
        file.Write(&i, sizeof(i));
    EXPECT_EQ(file.GetLength(), 400u);
    file.Seek(4 * 50, CFile::begin);
    int n = 0;
    EXPECT_EQ(file.Read(&n, sizeof(n)), sizeof(n));
    EXPECT_EQ(n, 50);
}

TEST(MemFile, SeekPastTheEndLeavesZerosBehind)
{
    CMemFile file;
    file.Write("ab", 2);
    file.Seek(6, CFile::begin);
    file.Write("c", 1);
    char sz[7];
    file.SeekToBegin();
    ASSERT_EQ(file.Read(sz, 7), 7u);
    EXPECT_EQ(0, std::memcmp(sz, "ab\0\0\0\0c", 7));
    try {
        file.Seek(-1, CFile::begin);
        ADD_FAILURE();
    } catch (CFileException *e) {
        EXPECT_EQ(e->m_cause, CFileException::badSeek);
        e->Delete();
    }
}

TEST(MemFile, FixedBufferIsTheFileAndCannotGrow)
{
    BYTE buffer[4] = {1, 2, 3, 4};
    CMemFile file(buffer, sizeof(buffer));
    EXPECT_EQ(file.GetLength(), 4u);
    file.Write("\x09", 1);
    EXPECT_EQ(buffer[0], 9);
    file.SeekToEnd();
    try {
        file.Write("x", 1);
        ADD_FAILURE();
    } catch (CMemoryException *e) {
        e->Delete();
    }
    EXPECT_EQ(file.GetLength(), 4u);
}

TEST(MemFile, AttachedBufferWithGrowthMovesToItsOwn)
{
    BYTE buffer[4] = {};
    CMemFile file(buffer, sizeof(buffer), 8);
    EXPECT_EQ(file.GetLength(), 0u);
    file.Write("0123456789", 10);
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(buffer[0], 0); // the caller's buffer was left alone after the move
    BYTE *pDetached = file.Detach();
    EXPECT_EQ(0, std::memcmp(pDetached, "0123456789", 10));
    std::free(pDetached);
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST(SharedFile, DetachHandsOverExactlyTheBytesWritten)
{
    CSharedFile file;
    file.Write("clip", 4);
    HGLOBAL hMem = file.Detach();
    ASSERT_NE(hMem, nullptr);
    EXPECT_EQ(GlobalSize(hMem), 4u);
    EXPECT_EQ(0, std::memcmp(GlobalLock(hMem), "clip", 4));
    GlobalUnlock(hMem);
    EXPECT_EQ(file.GetLength(), 0u);

    CSharedFile reader;
    reader.SetHandle(hMem, FALSE);
    char sz[5] = {};
    EXPECT_EQ(reader.Read(sz, 4), 4u);
    EXPECT_STREQ(sz, "clip");
    try {
        reader.Write("more", 4);
        ADD_FAILURE();
    } catch (CMemoryException *e) {
        e->Delete();
    }
    reader.Close();
    // The block still belongs to the caller.
    EXPECT_EQ(GlobalSize(hMem), 4u);
    GlobalFree(hMem);
}

TEST(SharedFile, GrowsTheCallersBlockWhenAllowed)
{
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, 2);
    std::memcpy(GlobalLock(hMem), "ab", 2);
    GlobalUnlock(hMem);
    {
        CSharedFile file;
        file.SetHandle(hMem, TRUE);
        file.SeekToEnd();
        file.Write("cd", 2);
    }
    EXPECT_GE(GlobalSize(hMem), 4u);
    EXPECT_EQ(0, std::memcmp(GlobalLock(hMem), "abcd", 4));
    GlobalUnlock(hMem);
    GlobalFree(hMem);
}

TEST(SharedFile, EmptyFileDetachesAnEmptyBlock)
{
    CSharedFile file;
    HGLOBAL hMem = file.Detach();
    ASSERT_NE(hMem, nullptr);
    EXPECT_EQ(GlobalSize(hMem), 0u);
    GlobalFree(hMem);
}

} // namespace
