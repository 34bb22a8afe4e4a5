// Opening and saving: the exact bytes of every kind of file come back
// unchanged, an edit changes only its own bytes, and a failed save or open
// loses nothing.
#include "tests/editor/text/BufferTestSupport.h"
#include "tests/support/TempFolder.h"

#include "editor/text/SECEditTextStore.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct ByteFixture {
    const char *name;
    std::string bytes;
};

std::vector<ByteFixture> Fixtures()
{
    return {
        {"lf", "int a;\nint b;\n"},
        {"crlf", "int a;\r\nint b;\r\n"},
        {"lone cr", "int a;\rint b;\r"},
        {"mixed", "a\r\nb\nc\rd\r\n"},
        {"nul bytes", std::string("a\0b\nc\0\0d\n", 9)},
        {"invalid utf-8", "\xff\xfe\x80 abc\n\xc3(\xe2\x82\n\xc3"},
        {"utf-16 with bom", std::string("\xff\xfe"
                                        "a\0b\0\n\0\r\0",
                                        10)},
        {"empty", ""},
        {"no final line end", "first\nlast"},
        {"3000-column line", std::string(3000, 'x') + "\nshort\n"},
        {"tabs over 2048 columns", std::string(600, '\t') + "x\n"},
    };
}

TEST(BufferFile, OpensAndSavesEveryFixtureByteForByte)
{
    for (const ByteFixture &fixture : Fixtures()) {
        SCOPED_TRACE(fixture.name);
        TempFolder folder;
        const std::string in = folder.File("in.txt"), out = folder.File("out.txt");
        TempFolder::Write(in, fixture.bytes);
        SECEditTextBuffer buffer;
        ASSERT_TRUE(buffer.Open(in.c_str()));
        EXPECT_FALSE(buffer.IsModified());
        EXPECT_EQ(0, buffer.GetUndoCount());
        EXPECT_EQ(fixture.bytes, AllText(buffer));
        ASSERT_TRUE(buffer.Save(out.c_str()));
        EXPECT_EQ(fixture.bytes, TempFolder::Read(out));

        // One edit (at the end, away from the widest line, which a byte
        // more would break): only its byte is new on disk.
        const SECEditPosition end = buffer.GetEndPosition();
        ASSERT_TRUE(buffer.InsertText(end.m_nLine, end.m_nCol, "Q", 1));
        EXPECT_TRUE(buffer.IsModified());
        ASSERT_TRUE(buffer.Save(out.c_str()));
        EXPECT_FALSE(buffer.IsModified());
        EXPECT_EQ(fixture.bytes + "Q", TempFolder::Read(out));
    }
}

TEST(BufferFile, TheWidestLineSetsTheLineWidth)
{
    TempFolder folder;
    const std::string path = folder.File("wide.txt");
    TempFolder::Write(path, "short\n" + std::string(3000, 'x') + "\n" + std::string(600, '\t') + "\n");
    SECEditTextBuffer buffer;
    ASSERT_TRUE(buffer.Open(path.c_str()));
    EXPECT_EQ(3, buffer.GetLastLine());
    EXPECT_EQ(3000, buffer.GetMaxLineWidth());
    EXPECT_FALSE(buffer.IsModified());
    // A new document starts at the default again.
    buffer.Initialize();
    EXPECT_EQ(SECEditTextBuffer::kDefaultMaxLineWidth, buffer.GetMaxLineWidth());
}

TEST(BufferFile, LineEndOfTheDocumentFollowsItsFirstLineEnd)
{
    TempFolder folder;
    const struct {
        std::string bytes;
        std::string lineBreak;
    } cases[] = {{"a\r\nb\n", "\r\n"}, {"a\nb\r\n", "\n"}, {"no line end", "\n"}, {"a\rb", "\n"}};
    for (const auto &c : cases) {
        const std::string path = folder.File("breaks.txt");
        TempFolder::Write(path, c.bytes);
        SECEditTextBuffer buffer;
        ASSERT_TRUE(buffer.Open(path.c_str()));
        EXPECT_EQ(c.lineBreak, std::string(buffer.GetLineBreak())) << c.bytes;
    }
}

TEST(BufferFile, SavingKeepsTheModeAndWritesThroughALink)
{
    TempFolder folder;
    const std::string target = folder.File("target.txt"), link = folder.File("link.txt");
    TempFolder::Write(target, "old\n");
    ASSERT_EQ(0, ::chmod(target.c_str(), 0640));
    std::filesystem::create_symlink(target, link);
    SECEditTextBuffer buffer;
    ASSERT_TRUE(buffer.Open(link.c_str()));
    ASSERT_TRUE(buffer.InsertText(0, 3, "er", 2));
    ASSERT_TRUE(buffer.Save(link.c_str()));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ("older\n", TempFolder::Read(target));
    struct stat st = {};
    ASSERT_EQ(0, ::stat(target.c_str(), &st));
    EXPECT_EQ(0640u, st.st_mode & 07777);
}

// Runs the body as an ordinary user when the tests run as root, so that a
// file without write permission is read-only.
class ScopedUnprivileged {
public:
    ScopedUnprivileged() : m_bSwitched(::geteuid() == 0 && ::setresuid(65534, 65534, 0) == 0) {}
    ~ScopedUnprivileged()
    {
        if (m_bSwitched && ::setresuid(0, 0, 0) != 0)
            std::abort();
    }

private:
    bool m_bSwitched;
};

TEST(BufferFile, SavingOntoAReadOnlyFileIsRefused)
{
    TempFolder folder;
    ASSERT_EQ(0, ::chmod(folder.Path().c_str(), 0777));
    const std::string path = folder.File("locked.txt");
    TempFolder::Write(path, "keep me\n");
    ASSERT_EQ(0, ::chmod(path.c_str(), 0444));
    MessageRecorder messages;
    auto buffer = MakeBuffer(nullptr, "changed\n");
    buffer->InsertText(0, 0, "x", 1);
    const ULONGLONG saved = buffer->GetSavedSerial();
    {
        ScopedUnprivileged user;
        EXPECT_FALSE(buffer->Save(path.c_str()));
    }
    EXPECT_TRUE(buffer->IsModified());
    EXPECT_EQ(saved, buffer->GetSavedSerial());
    EXPECT_EQ("keep me\n", TempFolder::Read(path));
    ASSERT_EQ(1u, MessageRecorder::Messages().size());
    EXPECT_EQ("The file '" + path + "' exists and is read-only. Please save to a different filename.",
              MessageRecorder::Messages()[0]);
}

TEST(BufferFile, AFailedSaveLeavesTheOldFileAndTheSavedState)
{
    TempFolder folder;
    // A folder where the file should be: the write cannot happen.
    const std::string path = folder.File("dir");
    std::filesystem::create_directory(path);
    MessageRecorder messages;
    auto buffer = MakeBuffer(nullptr, "text\n");
    ASSERT_TRUE(buffer->InsertText(0, 0, "x", 1));
    EXPECT_FALSE(buffer->Save(path.c_str()));
    EXPECT_TRUE(buffer->IsModified());
    EXPECT_EQ(1u, MessageRecorder::Messages().size());
    EXPECT_TRUE(std::filesystem::is_directory(path));
    // Typing and undoing after the failed save still reads modified.
    ASSERT_TRUE(buffer->InsertText(0, 0, "y", 1));
    buffer->Undo();
    EXPECT_TRUE(buffer->IsModified());
}

TEST(BufferFile, AnUnreadableFileLeavesAFreshBuffer)
{
    TempFolder folder;
    const std::string folderPath = folder.File("sub");
    std::filesystem::create_directory(folderPath);
    for (const std::string &path : {folder.File("missing.txt"), folderPath}) {
        SCOPED_TRACE(path);
        MessageRecorder messages;
        auto buffer = MakeBuffer(nullptr, "old text\nmore\n");
        EXPECT_FALSE(buffer->Open(path.c_str()));
        EXPECT_EQ("", AllText(*buffer));
        EXPECT_EQ(1, buffer->GetLineCount());
        EXPECT_FALSE(buffer->IsModified());
        ASSERT_EQ(1u, MessageRecorder::Messages().size());
        EXPECT_NE(std::string::npos, MessageRecorder::Messages()[0].find(path));
    }
}

// ---------------------------------------------------------------------------
// Saved state

TEST(BufferSavedState, TypingAndUndoingReturnsToTheSavedState)
{
    TempFolder folder;
    const std::string path = folder.File("s.txt");
    auto buffer = MakeBuffer(nullptr, "abc\n");
    ASSERT_TRUE(buffer->InsertText(0, 0, "1", 1));
    ASSERT_TRUE(buffer->Save(path.c_str()));
    EXPECT_FALSE(buffer->IsModified());
    ASSERT_TRUE(buffer->InsertText(0, 0, "2", 1));
    EXPECT_TRUE(buffer->IsModified());
    buffer->Undo();
    EXPECT_FALSE(buffer->IsModified());
    buffer->Undo();
    EXPECT_TRUE(buffer->IsModified());
    buffer->Redo();
    EXPECT_FALSE(buffer->IsModified());
}

TEST(BufferSavedState, NewEditsAfterAnUndoNeverReadUnmodified)
{
    TempFolder folder;
    const std::string path = folder.File("s.txt");
    auto buffer = MakeBuffer(nullptr, "abc\n");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(buffer->InsertText(0, 0, "a", 1));
    ASSERT_TRUE(buffer->Save(path.c_str()));
    buffer->Undo();
    // A new edit drops the redo stack: the saved record is gone for good.
    ASSERT_TRUE(buffer->InsertText(0, 0, "b", 1));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(buffer->IsModified());
        ASSERT_TRUE(buffer->InsertText(0, 0, "c", 1));
    }
    EXPECT_TRUE(buffer->IsModified());
}

TEST(BufferSavedState, ClearingTheHistoryOfAModifiedDocumentKeepsItModified)
{
    TempFolder folder;
    const std::string path = folder.File("s.txt");
    auto buffer = MakeBuffer(nullptr, "abc\n");
    ASSERT_TRUE(buffer->InsertText(0, 0, "a", 1));
    buffer->ClearUndo();
    EXPECT_TRUE(buffer->IsModified());
    ASSERT_TRUE(buffer->InsertText(0, 0, "b", 1));
    buffer->Undo();
    EXPECT_TRUE(buffer->IsModified());
    ASSERT_TRUE(buffer->Save(path.c_str()));
    EXPECT_FALSE(buffer->IsModified());
}

// ---------------------------------------------------------------------------
// Archives

std::vector<BYTE> Store(SECEditTextBuffer &buffer)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        buffer.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void Load(SECEditTextBuffer &buffer, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    buffer.Serialize(ar);
}

TEST(BufferArchive, TextAndLanguageGoThroughAnArchive)
{
    const std::string text("one\r\ntwo\0three\n", 15);
    auto buffer = MakeBuffer(nullptr, text);
    const std::vector<BYTE> bytes = Store(*buffer);
    SECEditTextBuffer loaded;
    loaded.Initialize();
    Load(loaded, bytes);
    EXPECT_EQ(text, AllText(loaded));
    EXPECT_EQ(CString("Default"), loaded.GetLanguageName());
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(0, loaded.GetUndoCount());
}

TEST(BufferArchive, ACutShortRecordThrowsAndLeavesTheBufferValid)
{
    auto source = MakeBuffer(nullptr, "some text that is long enough\n");
    std::vector<BYTE> bytes = Store(*source);
    for (size_t cut : {size_t(1), size_t(10), bytes.size() - 2}) {
        SCOPED_TRACE(cut);
        auto buffer = MakeBuffer(nullptr, "kept\n");
        std::vector<BYTE> shortened(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
        bool thrown = false;
        try {
            Load(*buffer, shortened);
        } catch (CArchiveException *e) {
            thrown = true;
            e->Delete();
        }
        EXPECT_TRUE(thrown);
        // Whatever was read, the buffer still works.
        EXPECT_TRUE(buffer->InsertText(0, 0, "x", 1));
        EXPECT_GE(buffer->GetLineCount(), 1);
        buffer->GetLineColors(0);
    }
}

TEST(BufferArchive, AnUnknownLanguageLeavesTheLanguage)
{
    SECEditTextBuffer buffer;
    buffer.Initialize();
    EXPECT_FALSE(buffer.SetLanguage("No Such Language"));
    EXPECT_EQ(CString("Default"), buffer.GetLanguageName());
    EXPECT_FALSE(buffer.NewDocument("No Such Language"));
}

} // namespace

namespace {

TEST(BufferFile, AFileLargerThanTheStoreHoldsIsRefusedWithoutText)
{
    TempFolder folder;
    const std::string path = folder.File("huge.bin");
    {
        std::ofstream out(path, std::ios::binary);
    }
    // A sparse file: no disk space, only its length is too large.
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(SECEditTextStore::kMaxTextLength) + 1);
    MessageRecorder messages;
    auto buffer = MakeBuffer(nullptr, "old\n");
    EXPECT_FALSE(buffer->Open(path.c_str()));
    EXPECT_EQ("", AllText(*buffer));
    EXPECT_FALSE(buffer->IsModified());
    ASSERT_EQ(1u, MessageRecorder::Messages().size());
    EXPECT_EQ("Unable to Open File", MessageRecorder::Messages()[0]);
}

} // namespace
