#include "editor/text/SECEditTextStore.h"
#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "framework/object/File.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>

namespace {

std::string AllText(SECEditTextStore &store)
{
    CString out;
    const int last = store.GetLastLine();
    EXPECT_TRUE(store.GetText(out, 0, 0, last, store.GetLineLength(last)));
    return out.Str();
}

void Load(SECEditTextStore &store, const std::string &text)
{
    SECEditRange range(0, 0, 0, 0);
    ASSERT_TRUE(store.InsertText(range, text.data(), static_cast<int>(text.size())));
}

TEST(TextStore, NewStoreHasOneEmptyLine)
{
    SECEditTextStore store;
    EXPECT_EQ(1, store.GetLineCount());
    EXPECT_EQ(0, store.GetLineLength(0));
    EXPECT_EQ(-1, store.GetLineLength(1));
    EXPECT_EQ(-1, store.GetLineTextLength(1));
    EXPECT_EQ(0, store.GetReturnChar());
    EXPECT_EQ(10, store.GetNewlineChar());
}

TEST(TextStore, InsertReportsTheEndOfTheText)
{
    SECEditTextStore store;
    SECEditRange range(0, 0, 0, 0);
    ASSERT_TRUE(store.InsertText(range, "a\nb", 3));
    EXPECT_EQ(2, store.GetLineCount());
    EXPECT_EQ(SECEditPosition(1, 1), range.m_end);
    range = SECEditRange(1, 1, 1, 1);
    ASSERT_TRUE(store.InsertText(range, "xy", -1));
    EXPECT_EQ(SECEditPosition(1, 3), range.m_end);
    EXPECT_EQ("a\nbxy", AllText(store));
}

TEST(TextStore, InsertAtAMissingPositionFails)
{
    SECEditTextStore store;
    Load(store, "ab\ncd");
    for (const SECEditRange &bad :
         {SECEditRange(2, 0, 2, 0), SECEditRange(0, 4, 0, 4), SECEditRange(-1, 0, 0, 0), SECEditRange(1, -1, 1, 0)}) {
        SECEditRange r = bad;
        EXPECT_EQ(-1, store.InsertAt(r, "x", 1));
        EXPECT_FALSE(store.InsertText(r, "x", 1));
    }
    SECEditRange r(0, 0, 0, 0);
    EXPECT_EQ(-1, store.InsertAt(r, nullptr, 3));
    EXPECT_EQ("ab\ncd", AllText(store));
}

TEST(TextStore, CarriageReturnBelongsToTheLine)
{
    SECEditTextStore store;
    Load(store, "ab\r\ncd");
    store.DetectReturnChar();
    EXPECT_EQ(13, store.GetReturnChar());
    EXPECT_EQ(4, store.GetLineLength(0));
    EXPECT_EQ(2, store.GetLineTextLength(0));
    EXPECT_EQ(4, store.PositionToOffset(0, 4));
    EXPECT_EQ(4, store.PositionToOffset(1, 0));
    EXPECT_EQ(-1, store.PositionToOffset(0, 5));
    EXPECT_EQ(-1, store.PositionToOffset(1, 3));
    // In an LF document a CR is an ordinary byte of the line's text.
    store.SetReturnChar(0);
    EXPECT_EQ(3, store.GetLineTextLength(0));
}

TEST(TextStore, DetectsTheReturnCharFromTheFirstLineEnd)
{
    const struct {
        const char *text;
        BYTE expected;
    } cases[] = {{"a\r\nb\nc", 13}, {"a\nb\r\n", 0}, {"no line end\r", 0}, {"\r\n", 13}, {"\n", 0}};
    for (const auto &c : cases) {
        SECEditTextStore store;
        Load(store, c.text);
        store.DetectReturnChar();
        EXPECT_EQ(c.expected, store.GetReturnChar()) << c.text;
    }
}

TEST(TextStore, DeleteKeepsTheEndLinesLineEnd)
{
    SECEditTextStore store;
    Load(store, "ab\r\ncd");
    store.SetReturnChar(13);
    SECEditRange range(0, 1, 0, 99);
    ASSERT_TRUE(store.DeleteText(range));
    EXPECT_EQ("a\r\ncd", AllText(store));
    EXPECT_EQ(SECEditPosition(0, 2), range.m_end);

    SECEditRange join(0, 1, 1, 0);
    ASSERT_TRUE(store.DeleteText(join));
    EXPECT_EQ("acd", AllText(store));
    EXPECT_EQ(1, store.GetLineCount());

    SECEditRange missing(3, 0, 4, 0);
    EXPECT_FALSE(store.DeleteText(missing));
    EXPECT_EQ("acd", AllText(store));
}

TEST(TextStore, OffsetsAndPositionsAgree)
{
    SECEditTextStore store;
    Load(store, "one\ntwo\n\nfour");
    const struct {
        int offset, line, col;
    } cases[] = {{0, 0, 0}, {3, 0, 3}, {4, 1, 0}, {7, 1, 3}, {8, 2, 0}, {9, 3, 0}, {13, 3, 4}};
    for (const auto &c : cases) {
        int line = -2, col = -2;
        EXPECT_TRUE(store.OffsetToPosition(c.offset, &line, &col));
        EXPECT_EQ(c.line, line) << c.offset;
        EXPECT_EQ(c.col, col) << c.offset;
        EXPECT_EQ(c.offset, store.PositionToOffset(c.line, c.col));
    }
    int line = 0, col = 0;
    EXPECT_FALSE(store.OffsetToPosition(14, &line, &col));
    EXPECT_EQ(-1, line);
    EXPECT_FALSE(store.OffsetToPosition(-1, &line, &col));
}

TEST(TextStore, GetTextToTheEndOfALine)
{
    SECEditTextStore store;
    Load(store, "one\ntwo");
    CString out;
    ASSERT_TRUE(store.GetText(out, 0, 1, -1, -1));
    EXPECT_EQ(CString("ne\n"), out);
    EXPECT_FALSE(store.GetText(out, 1, 0, 0, 0));
    EXPECT_FALSE(store.GetText(out, 2, 0, -1, -1));
    char *p = nullptr;
    ASSERT_EQ(3, store.GetTextPointer(&p, 1, 0, -1, -1));
    EXPECT_EQ(std::string("two"), std::string(p, 3));
}

TEST(TextStore, KeepsNulAndInvalidBytes)
{
    SECEditTextStore store;
    const std::string bytes("a\0b\xff\xfe\nc\x80\0", 9);
    Load(store, bytes);
    EXPECT_EQ(2, store.GetLineCount());
    EXPECT_EQ(5, store.GetLineTextLength(0));
    EXPECT_EQ(3, store.GetLineLength(1));
    EXPECT_EQ(bytes, AllText(store));
}

// Every edit is mirrored on a plain string; the store must agree with it on
// the text, the lines and the positions, across many blocks.
TEST(TextStore, AgreesWithAPlainStringAcrossBlocks)
{
    SECEditTextStore store;
    std::string model;
    std::mt19937 rng(12345);
    auto randomText = [&rng](int length) {
        std::string s;
        for (int i = 0; i < length; ++i)
            s.push_back(rng() % 23 == 0 ? '\n' : static_cast<char>('a' + rng() % 26));
        return s;
    };
    auto positionOf = [&model](size_t offset) {
        int line = 0;
        size_t lineStart = 0;
        for (size_t i = 0; i < offset; ++i)
            if (model[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
        return SECEditPosition(line, static_cast<int>(offset - lineStart));
    };

    for (int step = 0; step < 300; ++step) {
        const size_t at = model.empty() ? 0 : rng() % (model.size() + 1);
        const SECEditPosition pos = positionOf(at);
        if (model.size() < 400000 || rng() % 3 != 0) {
            const int length =
                (step % 25 == 0) ? 150000 + static_cast<int>(rng() % 100000) : 1 + static_cast<int>(rng() % 300);
            const std::string text = randomText(length);
            SECEditRange range(pos, pos);
            ASSERT_TRUE(store.InsertText(range, text.data(), length));
            model.insert(at, text);
            ASSERT_EQ(positionOf(at + text.size()), range.m_end);
        } else {
            const size_t length = std::min<size_t>(model.size() - at, 1 + rng() % 30000);
            const SECEditPosition end = positionOf(at + length);
            SECEditRange range(pos, end);
            ASSERT_TRUE(store.DeleteText(range));
            model.erase(at, length);
        }
        ASSERT_EQ(static_cast<int>(std::count(model.begin(), model.end(), '\n')) + 1, store.GetLineCount());
        ASSERT_EQ(static_cast<int>(model.size()), store.GetTextLength());
        // Probe some offsets both ways.
        for (int probe = 0; probe < 5; ++probe) {
            const size_t offset = rng() % (model.size() + 1);
            const SECEditPosition p = positionOf(offset);
            ASSERT_EQ(static_cast<int>(offset), store.PositionToOffset(p.m_nLine, p.m_nCol));
            int line = -1, col = -1;
            ASSERT_TRUE(store.OffsetToPosition(static_cast<int>(offset), &line, &col));
            ASSERT_EQ(p, SECEditPosition(line, col));
        }
    }
    EXPECT_GT(store.GetBlockCount(), 3) << model.size();
    EXPECT_EQ(model, AllText(store));
}

TEST(TextStore, LinesStayInsideOneBlock)
{
    SECEditTextStore store;
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "line " + std::to_string(i) + " of some source text\n";
    // Read the way a file is: large pieces appended at the end, each
    // cutting a line in two.
    for (size_t at = 0; at < text.size(); at += 100001) {
        const int last = store.GetLastLine();
        SECEditRange range(last, store.GetLineLength(last), 0, 0);
        ASSERT_TRUE(
            store.InsertText(range, text.data() + at, static_cast<int>(std::min<size_t>(100001, text.size() - at))));
    }
    ASSERT_EQ(text, AllText(store));
    ASSERT_GT(store.GetBlockCount(), 5);
    // Join every line end that lies at a block seam.
    for (int k = 1; k < store.GetBlockCount(); ++k) {
        int line = 0, col = 0;
        store.OffsetToPosition(store.GetBlock(k)->m_nOffset, &line, &col);
        SECEditRange range(line - 1, store.GetLineTextLength(line - 1), line, 0);
        ASSERT_TRUE(store.DeleteText(range));
    }
    const std::string all = AllText(store);
    for (int line = 0; line < store.GetLineCount(); ++line) {
        char *p = nullptr;
        const int length = store.GetTextPointer(&p, line, 0, -1, -1);
        ASSERT_GE(length, 0) << line;
        CString copy;
        store.GetText(copy, line, 0, -1, -1);
        ASSERT_EQ(copy.Str(), std::string(p, static_cast<size_t>(length)));
    }
}

TEST(TextStore, InsertsTextTakenFromItself)
{
    SECEditTextStore store;
    Load(store, "abc\ndef");
    char *p = nullptr;
    ASSERT_EQ(4, store.GetTextPointer(&p, 0, 0, -1, -1));
    // Enough copies that the block must grow while its own bytes go in.
    for (int i = 0; i < 20000; ++i) {
        SECEditRange range(0, 0, 0, 0);
        ASSERT_TRUE(store.InsertText(range, p, 4));
        store.GetTextPointer(&p, 0, 0, -1, -1);
    }
    EXPECT_EQ(20002, store.GetLineCount());
    CString last;
    store.GetText(last, 20000, 0, -1, -1);
    EXPECT_EQ(CString("abc\n"), last);
}

TEST(TextStore, VeryLongLineIsReadAsAWhole)
{
    SECEditTextStore store;
    const std::string line(300000, 'x');
    Load(store, line + "\nshort");
    EXPECT_EQ(300000, store.GetLineTextLength(0));
    CString copy;
    ASSERT_TRUE(store.GetText(copy, 0, 0, -1, -1));
    EXPECT_EQ(line + "\n", copy.Str());
    char *p = nullptr;
    EXPECT_EQ(5, store.GetTextPointer(&p, 1, 0, -1, -1));
}

TEST(TextStore, WritesBytesOrWideText)
{
    SECEditTextStore store;
    Load(store, "a\xE2\x82\xAC\r\n\xff");
    CMemFile plain;
    store.Write(&plain, FALSE);
    ASSERT_EQ(7u, plain.GetLength());
    EXPECT_EQ(0, std::memcmp(plain.GetBufferData(), "a\xE2\x82\xAC\r\n\xff", 7));

    CMemFile wide;
    store.Write(&wide, TRUE);
    const unsigned char expected[] = {0xFF, 0xFE, 'a', 0, 0xAC, 0x20, '\r', 0, '\n', 0, 0xFD, 0xFF};
    ASSERT_EQ(sizeof expected, wide.GetLength());
    EXPECT_EQ(0, std::memcmp(wide.GetBufferData(), expected, sizeof expected));
}

TEST(TextStore, WritesEveryByteOfALargeBinaryText)
{
    SECEditTextStore store;
    std::string bytes(700000, '\0');
    std::mt19937 rng(3);
    for (char &c : bytes)
        c = static_cast<char>(rng() & 0xFF);
    Load(store, bytes);
    ASSERT_GT(store.GetBlockCount(), 3);
    CMemFile file;
    store.Write(&file, FALSE);
    ASSERT_EQ(bytes.size(), file.GetLength());
    EXPECT_EQ(0, std::memcmp(file.GetBufferData(), bytes.data(), bytes.size()));
}

TEST(TextStore, WideWritingNeverCutsACharacter)
{
    SECEditTextStore store;
    // A euro sign straddles the first 256000-byte piece.
    std::string text(SECEditTextStore::kWritePiece - 1, 'x');
    text += "\xE2\x82\xAC";
    Load(store, text);
    CMemFile wide;
    store.Write(&wide, TRUE);
    ASSERT_EQ(2u + 2u * SECEditTextStore::kWritePiece, wide.GetLength());
    const BYTE *data = wide.GetBufferData();
    EXPECT_EQ(0xAC, data[wide.GetLength() - 2]);
    EXPECT_EQ(0x20, data[wide.GetLength() - 1]);
}

TEST(TextBlock, SerializesAndRefusesCorruptRecords)
{
    SECEditTextBlock block(64000);
    block.InsertBytes(0, "ab\ncd", 5, 10);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        block.Serialize(ar);
    }
    file.SeekToBegin();
    SECEditTextBlock copy(64000);
    {
        CArchive ar(&file, CArchive::load);
        copy.Serialize(ar);
    }
    ASSERT_EQ(6, copy.GetSize());
    EXPECT_EQ(0, std::memcmp(copy.GetData(), "ab\ncd", 6));
    EXPECT_EQ(1, copy.CountNewlines());

    // A record cut short, and one without its terminating NUL.
    const unsigned char truncated[] = {0x10, 'a', 'b'};
    const unsigned char unterminated[] = {0x02, 'a', 'b'};
    for (const auto &bytes :
         {std::basic_string<unsigned char>(truncated, 3), std::basic_string<unsigned char>(unterminated, 3)}) {
        CMemFile in(const_cast<BYTE *>(bytes.data()), static_cast<UINT>(bytes.size()));
        CArchive ar(&in, CArchive::load);
        bool threw = false;
        try {
            copy.Serialize(ar);
        } catch (CArchiveException *e) {
            threw = true;
            e->Delete();
        }
        EXPECT_TRUE(threw);
        EXPECT_EQ(6, copy.GetSize());
    }
}

TEST(TextBlock, GrowsByItsStep)
{
    SECEditTextBlock block(0);
    block.SetSize(10);
    EXPECT_EQ(10, block.GetCapacity());
    block.SetSize(11);
    EXPECT_EQ(14, block.GetCapacity()); // 10 / 8 clamped to 4
    SECEditTextBlock text(64000);
    text.SetSize(5);
    EXPECT_EQ(64000, text.GetCapacity());
}

} // namespace
