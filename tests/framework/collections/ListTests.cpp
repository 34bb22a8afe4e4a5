// Lists: building by position, iteration order in both directions, removal
// during iteration with a saved position, searching, and misuse.
#include "framework/collections/Collections.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

typedef CList<int, int> IntList;

std::vector<int> Forward(const IntList &list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        values.push_back(list.GetNext(pos));
    return values;
}

std::vector<int> Backward(const IntList &list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        values.insert(values.begin(), list.GetPrev(pos));
    return values;
}

// A list operation at an index (-1 stands for a NULL position).
struct ListOp {
    enum Kind { Tail, Head, Before, After, Remove, RemoveHead, RemoveTail, Set } kind;
    int index;
    int value;
};

void Apply(IntList &list, const ListOp &op)
{
    POSITION pos = op.index < 0 ? nullptr : list.FindIndex(op.index);
    switch (op.kind) {
    case ListOp::Tail: list.AddTail(op.value); break;
    case ListOp::Head: list.AddHead(op.value); break;
    case ListOp::Before: list.InsertBefore(pos, op.value); break;
    case ListOp::After: list.InsertAfter(pos, op.value); break;
    case ListOp::Remove: list.RemoveAt(pos); break;
    case ListOp::RemoveHead: list.RemoveHead(); break;
    case ListOp::RemoveTail: list.RemoveTail(); break;
    case ListOp::Set: list.SetAt(pos, op.value); break;
    }
}

struct ListCase {
    const char *name;
    std::vector<ListOp> ops;
    std::vector<int> expected;
};

class ListBuilding : public ::testing::TestWithParam<ListCase> {};

// Each case builds a list; both directions must agree with the expected
// order, so the links stay consistent at the head, the tail and in between.
TEST_P(ListBuilding, GivesExpectedOrderBothWays)
{
    IntList list(3);
    for (const ListOp &op : GetParam().ops)
        Apply(list, op);
    EXPECT_EQ(Forward(list), GetParam().expected);
    EXPECT_EQ(Backward(list), GetParam().expected);
    EXPECT_EQ(list.GetCount(), static_cast<int>(GetParam().expected.size()));
    EXPECT_EQ(list.IsEmpty(), GetParam().expected.empty());
    if (!list.IsEmpty()) {
        EXPECT_EQ(list.GetHead(), GetParam().expected.front());
        EXPECT_EQ(list.GetTail(), GetParam().expected.back());
    }
}

using K = ListOp;
INSTANTIATE_TEST_SUITE_P(
    Lists, ListBuilding,
    ::testing::Values(
        ListCase{"tails", {{K::Tail, 0, 1}, {K::Tail, 0, 2}, {K::Tail, 0, 3}}, {1, 2, 3}},
        ListCase{"heads", {{K::Head, 0, 1}, {K::Head, 0, 2}, {K::Head, 0, 3}}, {3, 2, 1}},
        ListCase{"beforeHead", {{K::Tail, 0, 1}, {K::Tail, 0, 2}, {K::Before, 0, 9}}, {9, 1, 2}},
        ListCase{"beforeMiddle", {{K::Tail, 0, 1}, {K::Tail, 0, 2}, {K::Before, 1, 9}}, {1, 9, 2}},
        ListCase{"beforeNullIsHead", {{K::Tail, 0, 1}, {K::Before, -1, 9}}, {9, 1}},
        ListCase{"afterTail", {{K::Tail, 0, 1}, {K::Tail, 0, 2}, {K::After, 1, 9}}, {1, 2, 9}},
        ListCase{"afterMiddle", {{K::Tail, 0, 1}, {K::Tail, 0, 2}, {K::After, 0, 9}}, {1, 9, 2}},
        ListCase{"afterNullIsTail", {{K::Tail, 0, 1}, {K::After, -1, 9}}, {1, 9}},
        ListCase{"intoEmpty", {{K::Before, -1, 4}, {K::After, -1, 5}}, {4, 5}},
        ListCase{"removeHeadAt", {{K::Tail, 0, 1}, {K::Tail, 0, 2}, {K::Tail, 0, 3}, {K::Remove, 0, 0}}, {2, 3}},
        ListCase{"removeMiddleAt", {{K::Tail, 0, 1}, {K::Tail, 0, 2}, {K::Tail, 0, 3}, {K::Remove, 1, 0}}, {1, 3}},
        ListCase{"removeTailAt", {{K::Tail, 0, 1}, {K::Tail, 0, 2}, {K::Tail, 0, 3}, {K::Remove, 2, 0}}, {1, 2}},
        ListCase{"removeOnly", {{K::Tail, 0, 1}, {K::Remove, 0, 0}}, {}},
        ListCase{"removeHeadTail",
                 {{K::Tail, 0, 1}, {K::Tail, 0, 2}, {K::Tail, 0, 3}, {K::RemoveHead, 0, 0}, {K::RemoveTail, 0, 0}},
                 {2}},
        ListCase{"emptyThenRefill", {{K::Tail, 0, 1}, {K::RemoveTail, 0, 0}, {K::Tail, 0, 7}, {K::Head, 0, 6}}, {6, 7}},
        ListCase{"setAt", {{K::Tail, 0, 1}, {K::Tail, 0, 2}, {K::Set, 1, 8}}, {1, 8}},
        // More nodes than one block of 3, then removal across blocks.
        ListCase{"acrossBlocks",
                 {{K::Tail, 0, 1},
                  {K::Tail, 0, 2},
                  {K::Tail, 0, 3},
                  {K::Tail, 0, 4},
                  {K::Tail, 0, 5},
                  {K::Tail, 0, 6},
                  {K::Tail, 0, 7},
                  {K::Remove, 3, 0},
                  {K::Before, 3, 9},
                  {K::Remove, 0, 0}},
                 {2, 3, 9, 5, 6, 7}}),
    [](const ::testing::TestParamInfo<ListCase> &info) { return info.param.name; });

TEST(ListIteration, GetNextReturnsTheElementThenMovesOn)
{
    IntList list;
    list.AddTail(10);
    list.AddTail(20);
    POSITION pos = list.GetHeadPosition();
    POSITION first = pos;
    EXPECT_EQ(list.GetNext(pos), 10);
    EXPECT_NE(pos, first);
    EXPECT_EQ(list.GetAt(pos), 20);
    EXPECT_EQ(list.GetNext(pos), 20);
    EXPECT_EQ(pos, nullptr);
    POSITION back = list.GetTailPosition();
    EXPECT_EQ(list.GetPrev(back), 20);
    EXPECT_EQ(back, first);
}

struct RemovalCase {
    const char *name;
    std::function<bool(int)> remove;
    bool backwards;
    std::vector<int> expected;
};

class RemovalDuringIteration : public ::testing::TestWithParam<RemovalCase> {};

// The element just returned is removed through the position saved before
// the step, as the system's loops do.
TEST_P(RemovalDuringIteration, KeepsTheWalkGoing)
{
    IntList list(2);
    for (int i = 1; i <= 9; i++)
        list.AddTail(i);
    const RemovalCase &c = GetParam();
    int visited = 0;
    POSITION pos = c.backwards ? list.GetTailPosition() : list.GetHeadPosition();
    while (pos != nullptr) {
        POSITION posThis = pos;
        int value = c.backwards ? list.GetPrev(pos) : list.GetNext(pos);
        visited++;
        if (c.remove(value))
            list.RemoveAt(posThis);
    }
    EXPECT_EQ(visited, 9);
    EXPECT_EQ(Forward(list), c.expected);
    EXPECT_EQ(Backward(list), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RemovalDuringIteration,
    ::testing::Values(RemovalCase{"evens", [](int v) { return v % 2 == 0; }, false, {1, 3, 5, 7, 9}},
                      RemovalCase{"odds", [](int v) { return v % 2 == 1; }, false, {2, 4, 6, 8}},
                      RemovalCase{"all", [](int) { return true; }, false, {}},
                      RemovalCase{"allBackwards", [](int) { return true; }, true, {}},
                      RemovalCase{
                          "endsBackwards", [](int v) { return v == 1 || v == 9; }, true, {2, 3, 4, 5, 6, 7, 8}}),
    [](const ::testing::TestParamInfo<RemovalCase> &info) { return info.param.name; });

TEST(ListSearch, FindStartsAfterTheGivenPosition)
{
    CStringList list;
    list.AddTail("a");
    list.AddTail("b");
    list.AddTail("a");
    POSITION first = list.Find("a");
    ASSERT_EQ(first, list.GetHeadPosition());
    POSITION second = list.Find("a", first);
    EXPECT_EQ(second, list.GetTailPosition());
    EXPECT_EQ(list.Find("a", second), nullptr);
    EXPECT_EQ(list.Find("c"), nullptr);
    EXPECT_EQ(list.FindIndex(1), list.Find("b"));
    EXPECT_EQ(list.FindIndex(3), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST(ListSearch, ObjectListsCompareByAddress)
{
    CObList list;
    CByteArray a, b; // any objects; a CObList argument would append that list
    list.AddTail(&a);
    list.AddTail(&b);
    EXPECT_EQ(list.Find(&b), list.GetTailPosition());
    EXPECT_EQ(list.GetHead(), &a);
    EXPECT_EQ(list.RemoveHead(), &a);
    EXPECT_EQ(list.GetCount(), 1);
}

TEST(ListJoining, AddsAnotherListKeepingItsOrder)
{
    IntList list, other;
    list.AddTail(5);
    other.AddTail(1);
    other.AddTail(2);
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 2, 5, 1, 2}));
    EXPECT_EQ(Forward(other), (std::vector<int>{1, 2}));
}

TEST(ListJoining, AddingItselfDoublesOnce)
{
    IntList list;
    list.AddTail(1);
    list.AddTail(2);
    list.AddTail(&list);
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 2, 1, 2}));
    list.AddHead(&list);
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 2, 1, 2, 1, 2, 1, 2}));
}

TEST(ListMisuse, RaisesInsteadOfTouchingMemory)
{
    IntList list;
    POSITION none = nullptr;
    std::vector<std::function<void()>> misuses = {
        [&] { list.RemoveHead(); }, [&] { list.RemoveTail(); },   [&] { list.GetHead(); },
        [&] { list.GetTail(); },    [&] { list.GetNext(none); },  [&] { list.GetPrev(none); },
        [&] { list.GetAt(none); },  [&] { list.RemoveAt(none); },
    };
    for (size_t i = 0; i < misuses.size(); i++) {
        bool raised = false;
        try {
            misuses[i]();
        } catch (CNotSupportedException *e) {
            raised = true;
            e->Delete();
        }
        EXPECT_TRUE(raised) << "misuse " << i;
    }
}

TEST(ListLifetime, StringElementsAreCopiedAndReleased)
{
    CStringList list(1);
    CString s = "text";
    list.AddTail(s);
    s = "changed";
    list.AddHead(list.GetTail());
    EXPECT_EQ(list.GetHead(), "text");
    EXPECT_EQ(list.RemoveTail(), "text");
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail("again");
    EXPECT_EQ(list.GetCount(), 1);
}

} // namespace
