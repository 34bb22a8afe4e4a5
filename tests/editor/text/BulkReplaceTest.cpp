// Replacing a stretch of text in one step: the store swaps whole blocks, the
// writer cuts new text into blocks, and the buffer records the swap as one
// undo record that restores the old bytes exactly.
#include "BufferTestSupport.h"

#include "editor/text/SECEditBlockWriter.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditLineDataPool.h"
#include "editor/text/SECEditReplaceCommand.h"
#include "editor/text/SECEditTextBlock.h"
#include "editor/text/SECEditTextCommand.h"
#include "editor/text/SECEditTextStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>

namespace {

std::string StoreText(SECEditTextStore &store)
{
    CString out;
    const int last = store.GetLastLine();
    EXPECT_TRUE(store.GetText(out, 0, 0, last, store.GetLineLength(last)));
    return out.Str();
}

std::vector<SECEditTextBlock *> Blocks(const std::string &text)
{
    SECEditBlockWriter writer(kSecLineFeed);
    writer.Append(text.data(), text.size());
    return writer.TakeBlocks();
}

std::string Lines(int count, const char *word)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::string(word) + " " + std::to_string(i) + "\n";
    return text;
}

// Every line and offset of the store agrees with the plain text.
void ExpectStoreHolds(SECEditTextStore &store, const std::string &text)
{
    ASSERT_EQ(StoreText(store), text);
    ASSERT_EQ(store.GetTextLength(), static_cast<int>(text.size()));
    ASSERT_EQ(store.GetLineCount(), static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1);
    int line = 0;
    size_t lineStart = 0;
    for (size_t i = 0; i <= text.size(); i += 997) {
        for (; lineStart <= i && text.find('\n', lineStart) < i; ++line)
            lineStart = text.find('\n', lineStart) + 1;
        int l = -1, c = -1;
        ASSERT_TRUE(store.OffsetToPosition(static_cast<int>(i), &l, &c));
        ASSERT_EQ(SECEditPosition(l, c), SECEditPosition(line, static_cast<int>(i - lineStart))) << i;
        ASSERT_EQ(store.PositionToOffset(l, c), static_cast<int>(i));
    }
}

TEST(BlockWriter, CutsBlocksAfterALineEndAndKeepsEveryByte)
{
    std::string text = Lines(40000, "some text on a line");
    const size_t linesLength = text.size();
    text += std::string(200000, 'x'); // a line longer than a block
    text.push_back('\0');
    SECEditBlockWriter writer(kSecLineFeed);
    // In pieces of every size, as a replacement pass hands them over.
    for (size_t at = 0, step = 1; at < text.size(); at += step, step = step * 3 % 70001 + 1)
        writer.Append(text.data() + at, std::min(step, text.size() - at));
    EXPECT_EQ(writer.GetLength(), static_cast<long long>(text.size()));
    std::vector<SECEditTextBlock *> blocks = writer.TakeBlocks();
    std::string joined;
    for (SECEditTextBlock *block : blocks) {
        EXPECT_LE(block->GetTextLength(), SECEditTextStore::kBlockChunk);
        joined.append(block->GetData(), static_cast<size_t>(block->GetTextLength()));
        // Lines stay whole where a line end lies in a block's second half.
        if (joined.size() <= linesLength) {
            EXPECT_EQ(block->GetData()[block->GetTextLength() - 1], '\n');
        }
        EXPECT_EQ(block->CountNewlines(),
                  std::count(block->GetData(), block->GetData() + block->GetTextLength(), '\n'));
        delete block;
    }
    EXPECT_EQ(joined, text);
    EXPECT_EQ(writer.GetLength(), 0);
}

TEST(TextStore, SwapTextPutsBlocksInAndHandsTheOldOnesBack)
{
    const std::string base = Lines(30000, "line"); // several blocks
    struct Case {
        size_t start, end;
        std::string replacement;
    } cases[] = {
        {0, base.size(), Lines(50000, "new")},    // everything
        {0, 0, "inserted at the top\n"},          // nothing taken
        {base.size(), base.size(), "at the end"}, // after the last byte
        {12345, 200007, ""},                      // only taken
        {7, 9, "middle of a line\nand a second line"},
        {100000, 100001, std::string(300000, 'y')}, // one line over many blocks
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.start);
        SECEditTextStore store;
        SECEditRange range(0, 0, 0, 0);
        ASSERT_TRUE(store.InsertText(range, base.data(), static_cast<int>(base.size())));
        std::vector<SECEditTextBlock *> blocks = Blocks(c.replacement);
        ASSERT_TRUE(store.SwapText(static_cast<int>(c.start), static_cast<int>(c.end), blocks));
        std::string expected = base;
        expected.replace(c.start, c.end - c.start, c.replacement);
        ExpectStoreHolds(store, expected);
        // The blocks handed back hold exactly the bytes that went.
        std::string old;
        for (SECEditTextBlock *block : blocks)
            old.append(block->GetData(), static_cast<size_t>(block->GetTextLength()));
        EXPECT_EQ(old, base.substr(c.start, c.end - c.start));
        // Swapping them back restores the text.
        ASSERT_TRUE(
            store.SwapText(static_cast<int>(c.start), static_cast<int>(c.start + c.replacement.size()), blocks));
        ExpectStoreHolds(store, base);
        for (SECEditTextBlock *block : blocks)
            delete block;
    }
}

TEST(TextStore, SwapTextIntoAnEmptyStoreAndOutOfRange)
{
    SECEditTextStore store;
    std::vector<SECEditTextBlock *> blocks = Blocks("a\nb");
    EXPECT_FALSE(store.SwapText(0, 1, blocks));
    EXPECT_FALSE(store.SwapText(-1, 0, blocks));
    ASSERT_EQ(blocks.size(), 1u);
    ASSERT_TRUE(store.SwapText(0, 0, blocks));
    EXPECT_TRUE(blocks.empty());
    ExpectStoreHolds(store, "a\nb");
    EXPECT_EQ(store.GetBlockCount(), 1);
    // Taking everything out leaves the one empty block of an empty text.
    ASSERT_TRUE(store.SwapText(0, 3, blocks));
    ExpectStoreHolds(store, "");
    EXPECT_EQ(store.GetBlockCount(), 1);
    for (SECEditTextBlock *block : blocks)
        delete block;
}

TEST(LineDataPool, HandsOutEmptyObjectsAndReusesTheOnesTakenBack)
{
    SECEditLineDataPool pool;
    // More than one chunk's worth, each a distinct object that starts empty.
    std::vector<SECEditLineData *> objects;
    std::set<SECEditLineData *> distinct;
    for (size_t i = 0; i < 2 * SECEditLineDataPool::kChunk + 5; ++i) {
        SECEditLineData *data = pool.New();
        ASSERT_TRUE(data->IsEmpty());
        data->m_nItemData = static_cast<int>(i) + 1;
        data->SetMark(SECEditTextBuffer::kMarkEdited, TRUE);
        objects.push_back(data);
        distinct.insert(data);
    }
    EXPECT_EQ(distinct.size(), objects.size());
    EXPECT_EQ(pool.GetLiveCount(), objects.size());
    // The others keep their values while some are taken back.
    for (size_t i = 0; i < objects.size(); i += 3)
        pool.Delete(objects[i]);
    for (size_t i = 1; i < objects.size(); i += 3)
        EXPECT_EQ(objects[i]->m_nItemData, static_cast<int>(i) + 1);
    const size_t live = pool.GetLiveCount();
    // A taken-back object comes out again, empty.
    SECEditLineData *again = pool.New();
    EXPECT_TRUE(distinct.count(again));
    EXPECT_TRUE(again->IsEmpty());
    EXPECT_EQ(pool.GetLiveCount(), live + 1);
    pool.Release();
    EXPECT_EQ(pool.GetLiveCount(), 0u);
    EXPECT_TRUE(pool.New()->IsEmpty());
}

class BulkReplaceBuffer : public ::testing::Test {
protected:
    TestLanguage language;
    std::unique_ptr<SECEditTextBuffer> buffer;

    BOOL Replace(size_t start, size_t end, const std::string &text)
    {
        SECEditBlockWriter writer(kSecLineFeed);
        writer.Append(text.data(), text.size());
        return buffer->ReplaceText(static_cast<int>(start), static_cast<int>(end), writer);
    }
};

TEST_F(BulkReplaceBuffer, OneRecordUndoesAndRedoesExactly)
{
    // Odd bytes too: NUL, CR alone, invalid UTF-8.
    std::string base = Lines(20000, "x\r\x01\xff");
    base.insert(5000, std::string(1, '\0'));
    buffer = MakeBuffer(language.get(), base);
    struct Case {
        size_t start, end;
        std::string replacement;
    } cases[] = {
        {10, base.size() - 10, Lines(1000, "fewer lines")},
        {10, 20, Lines(70000, "more lines")},
        {0, base.size(), ""},
        {100, 100, "inserted\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.replacement.size());
        buffer->ClearUndo();
        buffer->SetModified(FALSE);
        buffer->MarkSaved();
        ASSERT_TRUE(Replace(c.start, c.end, c.replacement));
        std::string expected = base;
        expected.replace(c.start, c.end - c.start, c.replacement);
        EXPECT_EQ(AllText(*buffer), expected);
        EXPECT_TRUE(buffer->IsModified());
        ASSERT_EQ(buffer->GetUndoCount(), 1);
        EXPECT_EQ(buffer->GetUndoTop()->GetTypeId(), SECEditReplaceCommand::kReplaceCommandId);
        ASSERT_NE(buffer->Undo(), nullptr);
        EXPECT_EQ(AllText(*buffer), base);
        EXPECT_FALSE(buffer->IsModified());
        ASSERT_NE(buffer->Redo(), nullptr);
        EXPECT_EQ(AllText(*buffer), expected);
        ASSERT_NE(buffer->Undo(), nullptr);
        EXPECT_EQ(AllText(*buffer), base);
    }
}

TEST_F(BulkReplaceBuffer, ObserversHearADeletionAndAnInsertion)
{
    buffer = MakeBuffer(language.get(), "one\ntwo\nthree\nfour\n");
    buffer->ClearMark(SECEditTextBuffer::kMarkEdited);
    RecordingObserver observer;
    buffer->Attach(&observer);
    ASSERT_TRUE(Replace(4, 14, "2\n3\n3\n")); // "two\nthree\n" -> three lines
    buffer->Detach(&observer);
    EXPECT_EQ(AllText(*buffer), "one\n2\n3\n3\nfour\n");
    std::vector<CString> edits;
    for (const RecordingObserver::Entry &entry : observer.entries)
        if (entry.type == SECEDIT_HINT_TEXT_COMMAND)
            edits.push_back(entry.description);
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[0], "Delete text from line 1, column 0 to line 3, column 0");
    // The insertion notice names its range; its text stays in the store.
    EXPECT_EQ(edits[1].Left(6), "Insert");
    EXPECT_NE(edits[1].Find("at line 1, column 0"), -1);
    EXPECT_EQ(buffer->GetLineCount(), 6);
    // The lines that came in are marked as edited, the others are not.
    EXPECT_FALSE(buffer->HasMark(0, SECEditTextBuffer::kMarkEdited));
    for (int line = 1; line <= 4; ++line)
        EXPECT_TRUE(buffer->HasMark(line, SECEditTextBuffer::kMarkEdited)) << line;
    EXPECT_FALSE(buffer->HasMark(5, SECEditTextBuffer::kMarkEdited));
}

TEST_F(BulkReplaceBuffer, LinesThatComeAndGoAgainAreMarkedEditedEachTime)
{
    // Undo and redo swap many lines out and in again, more lines or fewer:
    // each time the lines that came in are marked edited and hold nothing
    // else, and the marks and values of the lines around the stretch stay
    // with their lines.
    const std::string base = Lines(9000, "base");
    const std::string replacement = Lines(12000, "new");
    const size_t start = Lines(1, "base").size();
    const size_t end = Lines(8990, "base").size(); // lines 1 to 8989 go
    buffer = MakeBuffer(language.get(), base);
    buffer->ClearMark(SECEditTextBuffer::kMarkEdited);
    buffer->SetMark(0, 3, TRUE);
    buffer->SetMark(100, 4, TRUE); // inside the stretch: goes with its line
    buffer->SetLineData(8995, 77); // after it: moves with its line
    ASSERT_TRUE(Replace(start, end, replacement));
    struct Round {
        int cameIn;
        int movedLine;
    } rounds[] = {{12000, 8995 - 8989 + 12000}, {8989, 8995}, {12000, 8995 - 8989 + 12000}};
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        EXPECT_EQ(buffer->CountMarkedLines(SECEditTextBuffer::kMarkEdited), rounds[round].cameIn + 1);
        EXPECT_FALSE(buffer->HasMark(0, SECEditTextBuffer::kMarkEdited));
        EXPECT_TRUE(buffer->HasMark(0, 3));
        EXPECT_TRUE(buffer->HasMark(1, SECEditTextBuffer::kMarkEdited)); // where the stretch starts
        EXPECT_EQ(buffer->CountMarkedLines(4), 0);
        EXPECT_EQ(buffer->GetLineData(rounds[round].movedLine), 77);
        EXPECT_FALSE(buffer->HasMark(rounds[round].movedLine + 1, SECEditTextBuffer::kMarkEdited));
        EXPECT_EQ(buffer->GetLineData(rounds[round].cameIn), 0);
        buffer->ClearMark(SECEditTextBuffer::kMarkEdited);
        if (round == 0) {
            ASSERT_NE(buffer->Undo(), nullptr);
            EXPECT_EQ(AllText(*buffer), base);
        } else if (round == 1) {
            ASSERT_NE(buffer->Redo(), nullptr);
        }
    }
    EXPECT_EQ(buffer->SetLineData(5, 9), 0);
    EXPECT_EQ(buffer->GetLineData(5), 9);
}

TEST_F(BulkReplaceBuffer, BlocksOfDroppedRedoRecordsAreWrittenAgain)
{
    const std::string base = Lines(20000, "base");
    buffer = MakeBuffer(language.get(), base);
    const std::string first = Lines(30000, "first");
    ASSERT_TRUE(Replace(0, base.size(), first));
    ASSERT_NE(buffer->Undo(), nullptr);
    ASSERT_EQ(buffer->GetRedoCount(), 1);
    std::vector<SECEditTextBlock *> spares = buffer->TakeRedoBlocks();
    EXPECT_EQ(buffer->GetRedoCount(), 0);
    ASSERT_FALSE(spares.empty());
    const std::set<SECEditTextBlock *> spareSet(spares.begin(), spares.end());
    // The new text lands in the spare blocks (their old bytes gone), and
    // its record undoes to the exact old text.
    const std::string second = Lines(25000, "second");
    SECEditBlockWriter writer(kSecLineFeed);
    writer.GiveSpareBlocks(std::move(spares));
    writer.Append(second.data(), second.size());
    ASSERT_TRUE(buffer->ReplaceText(0, static_cast<int>(base.size()), writer));
    EXPECT_EQ(AllText(*buffer), second);
    int reused = 0;
    for (int k = 0; k < buffer->GetStore()->GetBlockCount(); ++k)
        reused += spareSet.count(buffer->GetStore()->GetBlock(k)) ? 1 : 0;
    EXPECT_GT(reused, 1);
    ExpectStoreHolds(*buffer->GetStore(), second);
    ASSERT_NE(buffer->Undo(), nullptr);
    EXPECT_EQ(AllText(*buffer), base);
    ASSERT_NE(buffer->Redo(), nullptr);
    EXPECT_EQ(AllText(*buffer), second);
}

TEST_F(BulkReplaceBuffer, RefusesWhatItCannotDoAndChangesNothing)
{
    buffer = MakeBuffer(language.get(), "abc\n");
    EXPECT_FALSE(Replace(2, 9, "x"));
    EXPECT_FALSE(Replace(3, 2, "x"));
    buffer->SetReadOnly(TRUE);
    EXPECT_FALSE(Replace(0, 1, "x"));
    EXPECT_EQ(AllText(*buffer), "abc\n");
    EXPECT_EQ(buffer->GetUndoCount(), 0);
}

TEST_F(BulkReplaceBuffer, LaterEditsUndoBackToTheExactOldText)
{
    // Edits after the swap move its blocks about; undoing everything still
    // gives the old bytes back.
    const std::string base = Lines(40000, "alpha beta");
    buffer = MakeBuffer(language.get(), base);
    std::string text = Lines(5000, "gamma");
    ASSERT_TRUE(Replace(11, base.size() - 11, text));
    std::mt19937 rng(7);
    for (int i = 0; i < 50; ++i) {
        const int line = static_cast<int>(rng() % static_cast<unsigned>(buffer->GetLineCount()));
        if (i % 2)
            buffer->InsertText(line, 0, "ins\n", 4);
        else if (line + 2 < buffer->GetLineCount())
            buffer->DeleteText(line, 0, line + 2, 0);
    }
    while (buffer->Undo()) {
    }
    EXPECT_EQ(AllText(*buffer), base);
}

} // namespace
