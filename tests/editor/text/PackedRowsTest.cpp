// The colour cache's packed rows: every kind of run comes back as it went
// in, memory is reused, and the rows the buffer hands out stay as they were
// while later rows are asked for.
#include "tests/editor/text/BufferTestSupport.h"

#include "editor/text/SECEditColorRuns.h"
#include "editor/text/SECEditPackedRows.h"

#include <gtest/gtest.h>

namespace {

std::vector<DWORD> Unpacked(SECEditPackedRows::Row row)
{
    SECEditColorRuns runs;
    runs.AddRaw(SECEditMakeRun(5, 5)); // replaced, not appended to
    SECEditPackedRows::Unpack(row, &runs);
    return std::vector<DWORD>(runs.GetData(), runs.GetData() + runs.GetSize());
}

TEST(PackedRows, EveryKindOfRunComesBackAsItWentIn)
{
    struct Case {
        const char *name;
        unsigned stamp;
        std::vector<DWORD> runs;
    };
    std::vector<DWORD> many(40000, SECEditMakeRun(1500, 40)); // long runs beyond a 16-bit unit count
    const Case cases[] = {
        {"an empty line", 0, {SECEditMakeRun(0, 0)}},
        {"short runs", 7, {SECEditMakeRun(3, 1), SECEditMakeRun(1, 2), SECEditMakeRun(12, 0)}},
        {"the largest short run", 0x12345678u, {SECEditMakeRun(1023, 31)}},
        {"a group beyond five bits", 1, {SECEditMakeRun(2, 32), SECEditMakeRun(2, 1)}},
        {"a length beyond ten bits", 2, {SECEditMakeRun(1024, 3)}},
        {"the largest run", 0xFFFFFFFFu, {SECEditMakeRun(0xFFFF, 0xFFFF), SECEditMakeRun(0, 0xFFFF)}},
        {"no runs", 3, {}},
        {"a very long line", 4, many},
    };
    SECEditPackedRows store;
    std::vector<SECEditPackedRows::Row> rows;
    for (const Case &c : cases)
        rows.push_back(store.Pack(c.stamp, c.runs.data(), static_cast<int>(c.runs.size())));
    EXPECT_EQ(store.LiveRows(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(SECEditPackedRows::Stamp(rows[i]), cases[i].stamp) << cases[i].name;
        EXPECT_EQ(Unpacked(rows[i]), cases[i].runs) << cases[i].name;
    }
    for (SECEditPackedRows::Row row : rows)
        store.Free(row);
    EXPECT_EQ(store.LiveRows(), 0u);
}

TEST(PackedRows, AFreedRowsMemoryServesTheNextRowOfItsSize)
{
    SECEditPackedRows store;
    const DWORD two[2] = {SECEditMakeRun(1, 1), SECEditMakeRun(2, 2)};
    const DWORD three[3] = {SECEditMakeRun(4, 1), SECEditMakeRun(5, 2), SECEditMakeRun(6, 3)};
    SECEditPackedRows::Row first = store.Pack(1, two, 2);
    SECEditPackedRows::Row second = store.Pack(2, two, 2);
    EXPECT_NE(first, second);
    store.Free(first);
    // Two and three runs round up to the same size: the block comes back.
    SECEditPackedRows::Row third = store.Pack(3, three, 3);
    EXPECT_EQ(third, first);
    EXPECT_EQ(Unpacked(third), std::vector<DWORD>(three, three + 3));
    EXPECT_EQ(Unpacked(second), std::vector<DWORD>(two, two + 2));
    store.ReleaseIfEmpty(); // rows are left: nothing goes
    EXPECT_EQ(Unpacked(second), std::vector<DWORD>(two, two + 2));
    store.Free(second);
    store.Free(third);
    store.ReleaseIfEmpty();
    EXPECT_EQ(store.LiveRows(), 0u);
}

TEST(PackedRows, RowsHandedOutStayWhileLaterRowsAreAskedFor)
{
    TestLanguage language;
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += (i % 2 ? "int x;\n" : "// note\n");
    auto buffer = MakeBuffer(language.get(), text);
    SECEditColorRuns *first = buffer->GetLineColors(0);
    ASSERT_NE(first, nullptr);
    const std::vector<DWORD> expected(first->GetData(), first->GetData() + first->GetSize());
    for (int line = 1; line < 60; ++line)
        ASSERT_NE(buffer->GetLineColors(line), nullptr);
    EXPECT_EQ(std::vector<DWORD>(first->GetData(), first->GetData() + first->GetSize()), expected);
    // Asked again, a cached row reads the same as when it was made.
    EXPECT_EQ(Runs(*buffer, 0), expected);
    EXPECT_EQ(Runs(*buffer, 1), Runs(*MakeBuffer(language.get(), "int x;\n"), 0));
}

} // namespace
