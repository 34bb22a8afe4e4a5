// Arrays: the growth rule, zero-filled new elements, shifting on insert and
// remove, growing by index, joining, and misuse.
#include "framework/collections/Collections.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Exposes the capacity, which the growth rule decides.
template <class ARRAY>
class Probe : public ARRAY {
public:
    int Capacity() const { return this->m_nMaxSize; }
};

template <class ARRAY>
std::vector<int> Values(const ARRAY &array)
{
    std::vector<int> values;
    for (int i = 0; i < array.GetSize(); i++)
        values.push_back(static_cast<int>(array[i]));
    return values;
}

struct GrowthCase {
    const char *name;
    int growBy;
    std::vector<int> sizes;      // successive SetSize calls
    std::vector<int> capacities; // capacity after each call
};

class ArrayGrowth : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(ArrayGrowth, FollowsTheGrowthRule)
{
    Probe<CByteArray> array;
    const GrowthCase &c = GetParam();
    for (size_t i = 0; i < c.sizes.size(); i++) {
        array.SetSize(c.sizes[i], i == 0 ? c.growBy : -1);
        EXPECT_EQ(array.GetSize(), c.sizes[i]) << "step " << i;
        EXPECT_EQ(array.Capacity(), c.capacities[i]) << "step " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Arrays, ArrayGrowth,
                         ::testing::Values(
                             // Grow-by 0: size / 8 clamped to [4, 1024], measured on the old size.
                             GrowthCase{"automaticSmall", 0, {1, 2, 6, 10}, {1, 5, 9, 13}},
                             GrowthCase{"automaticJump", 0, {1, 100, 101, 150}, {1, 100, 112, 150}},
                             GrowthCase{"automaticCapped", 0, {10000, 10001}, {10000, 11024}},
                             GrowthCase{"fixedStep", 25, {1, 2, 30, 200, 201}, {1, 26, 51, 200, 225}},
                             GrowthCase{"emptyingFrees", 25, {1, 2, 0, 3}, {1, 26, 0, 3}},
                             GrowthCase{"shrinkWithoutFreeing", 10, {20, 5, 20, 21}, {20, 20, 20, 30}}),
                         [](const ::testing::TestParamInfo<GrowthCase> &info) { return info.param.name; });

TEST(ArrayGrowth, AddGrowsStepByStep)
{
    Probe<CDWordArray> array;
    std::vector<int> capacities;
    for (int i = 0; i < 10; i++) {
        EXPECT_EQ(array.Add(static_cast<DWORD>(i)), i);
        capacities.push_back(array.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{1, 5, 5, 5, 5, 9, 9, 9, 9, 13}));
    EXPECT_EQ(array.GetUpperBound(), 9);
}

// Elements that come back after a shrink read 0 again, as do the gaps that
// SetAtGrow leaves.
TEST(ArrayGrowth, NewElementsAreZero)
{
    CDWordArray array;
    array.SetSize(4, 10);
    for (int i = 0; i < 4; i++)
        array[i] = 0xABCD;
    array.SetSize(1);
    array.SetSize(3);
    EXPECT_EQ(Values(array), (std::vector<int>{0xABCD, 0, 0}));
    array.SetAtGrow(5, 7);
    EXPECT_EQ(Values(array), (std::vector<int>{0xABCD, 0, 0, 0, 0, 7}));
}

struct ShiftCase {
    const char *name;
    std::function<void(CWordArray &)> edit;
    std::vector<int> expected;
};

class ArrayShifting : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ArrayShifting, MovesTheOtherElements)
{
    CWordArray array;
    for (WORD w : {1, 2, 3, 4})
        array.Add(w);
    GetParam().edit(array);
    EXPECT_EQ(Values(array), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Arrays, ArrayShifting,
    ::testing::Values(ShiftCase{"insertFront", [](CWordArray &a) { a.InsertAt(0, 9); }, {9, 1, 2, 3, 4}},
                      ShiftCase{"insertMiddleMany", [](CWordArray &a) { a.InsertAt(2, 9, 3); }, {1, 2, 9, 9, 9, 3, 4}},
                      ShiftCase{"insertAtEnd", [](CWordArray &a) { a.InsertAt(4, 9); }, {1, 2, 3, 4, 9}},
                      ShiftCase{"insertPastEnd", [](CWordArray &a) { a.InsertAt(6, 9, 2); }, {1, 2, 3, 4, 0, 0, 9, 9}},
                      ShiftCase{"insertNone", [](CWordArray &a) { a.InsertAt(1, 9, 0); }, {1, 2, 3, 4}},
                      ShiftCase{"removeFront", [](CWordArray &a) { a.RemoveAt(0); }, {2, 3, 4}},
                      ShiftCase{"removeMiddleTwo", [](CWordArray &a) { a.RemoveAt(1, 2); }, {1, 4}},
                      ShiftCase{"removeLast", [](CWordArray &a) { a.RemoveAt(3); }, {1, 2, 3}},
                      ShiftCase{"removeAll", [](CWordArray &a) { a.RemoveAt(0, 4); }, {}},
                      ShiftCase{"insertArray",
                                [](CWordArray &a) {
                                    CWordArray other;
                                    other.Add(7);
                                    other.Add(8);
                                    a.InsertAt(1, &other);
                                },
                                {1, 7, 8, 2, 3, 4}},
                      ShiftCase{"insertItself", [](CWordArray &a) { a.InsertAt(2, &a); }, {1, 2, 1, 2, 3, 4, 3, 4}},
                      ShiftCase{
                          "appendItself", [](CWordArray &a) { EXPECT_EQ(a.Append(a), 4); }, {1, 2, 3, 4, 1, 2, 3, 4}},
                      ShiftCase{"copy",
                                [](CWordArray &a) {
                                    CWordArray other;
                                    other.Add(5);
                                    a.Copy(other);
                                },
                                {5}}),
    [](const ::testing::TestParamInfo<ShiftCase> &info) { return info.param.name; });

// The element handed in may live in the array itself; growing must not
// invalidate it before it is copied.
TEST(ArrayAliasing, AddingAnOwnElementWhileGrowing)
{
    CStringArray array;
    array.Add(CString(40, 'x'));
    for (int i = 0; i < 20; i++) {
        array.Add(array[0]);
        array.InsertAt(0, array[array.GetUpperBound()]);
        array.SetAtGrow(array.GetSize() + 2, array[1]);
    }
    for (int i = 0; i < array.GetSize(); i++)
        EXPECT_TRUE(array[i].IsEmpty() || array[i] == CString(40, 'x')) << i;
}

TEST(ArrayMemory, FreeExtraTrimsToTheSize)
{
    Probe<CPtrArray> array;
    array.SetSize(3, 100);
    array.SetSize(5);
    EXPECT_EQ(array.Capacity(), 103);
    array.FreeExtra();
    EXPECT_EQ(array.Capacity(), 5);
    EXPECT_EQ(array.GetSize(), 5);
    array.RemoveAll();
    EXPECT_EQ(array.GetData(), nullptr);
    EXPECT_EQ(array.Capacity(), 0);
}

TEST(ArrayTemplate, HoldsPointsByValue)
{
    CArray<CPoint, CPoint> points;
    points.SetSize(2);
    EXPECT_EQ(points[1], CPoint(0, 0));
    points.Add(CPoint(3, -4));
    points.ElementAt(0).x = 9;
    EXPECT_EQ(points.GetData()[0], CPoint(9, 0));
    EXPECT_EQ(points.GetAt(2), CPoint(3, -4));
    EXPECT_EQ(points.GetCount(), 3);
}

TEST(ArrayMisuse, RaisesInsteadOfTouchingMemory)
{
    CUIntArray array;
    array.SetSize(2);
    std::vector<std::function<void()>> misuses = {
        [&] { array.GetAt(-1); },    [&] { array.GetAt(2); },
        [&] { array.SetAt(2, 1); },  [&] { array.ElementAt(5); },
        [&] { array[2]; },           [&] { array.RemoveAt(1, 2); },
        [&] { array.RemoveAt(-1); }, [&] { array.InsertAt(-1, 0u); },
        [&] { array.SetSize(-1); },  [&] { array.SetAtGrow(-1, 0); },
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
    EXPECT_EQ(array.GetSize(), 2);
}

} // namespace
