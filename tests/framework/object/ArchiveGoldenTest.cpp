// The archive's bytes: plain values, string records, counts and object
// records, each written and read back.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/framework/object/TestClasses.h"

namespace {

Bytes Repeat(BYTE by, size_t n)
{
    return Bytes(n, by);
}

TEST(ArchiveValues, AreLittleEndianBySize)
{
    Bytes bytes = StoreBytes([](CArchive &ar) {
        ar << BYTE(0x12) << char('A') << WORD(0x3456) << short(-2) << int(-3) << UINT(0x89ABCDEF) << LONGLONG(-4)
           << 1.5f << 1.0 << CRect(1, -2, 3, 4) << CPoint(5, 6) << CSize(7, 8);
    });
    Bytes expected = {0x12, 'A',  0x56, 0x34, 0xFE, 0xFF, 0xFD, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD, 0xAB, 0x89,
                      0xFC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xC0, 0x3F, 0,    0,
                      0,    0,    0,    0,    0xF0, 0x3F, 1,    0,    0,    0,    0xFE, 0xFF, 0xFF, 0xFF,
                      3,    0,    0,    0,    4,    0,    0,    0,    5,    0,    0,    0,    6,    0,
                      0,    0,    7,    0,    0,    0,    8,    0,    0,    0};
    EXPECT_EQ(bytes, expected);

    LoadBytes(bytes, [](CArchive &ar) {
        BYTE by;
        char ch;
        WORD w;
        short s;
        int i;
        UINT u;
        LONGLONG ll;
        float f;
        double d;
        CRect rect;
        CPoint point;
        CSize size;
        ar >> by >> ch >> w >> s >> i >> u >> ll >> f >> d >> rect >> point >> size;
        EXPECT_EQ(by, 0x12);
        EXPECT_EQ(ch, 'A');
        EXPECT_EQ(w, 0x3456);
        EXPECT_EQ(s, -2);
        EXPECT_EQ(i, -3);
        EXPECT_EQ(u, 0x89ABCDEFu);
        EXPECT_EQ(ll, -4);
        EXPECT_EQ(f, 1.5f);
        EXPECT_EQ(d, 1.0);
        EXPECT_EQ(rect, CRect(1, -2, 3, 4));
        EXPECT_EQ(point, CPoint(5, 6));
        EXPECT_EQ(size, CSize(7, 8));
    });
}

// Values that straddle the end of a small buffer are written and read whole.
TEST(ArchiveValues, CrossBufferBoundaries)
{
    Bytes bytes = StoreBytes(
        [](CArchive &ar) {
            ar << BYTE(1);
            for (int i = 0; i < 1000; ++i)
                ar << i << 0.25 * i;
        },
        128);
    ASSERT_EQ(bytes.size(), 1u + 1000u * 12u);
    LoadBytes(
        bytes,
        [](CArchive &ar) {
            BYTE by;
            ar >> by;
            for (int i = 0; i < 1000; ++i) {
                int n;
                double d;
                ar >> n >> d;
                ASSERT_EQ(n, i);
                ASSERT_EQ(d, 0.25 * i);
            }
        },
        128);
}

struct StringCase {
    size_t nLength;
    Bytes header;
};

class ArchiveStringRecord : public ::testing::TestWithParam<StringCase> {};

TEST_P(ArchiveStringRecord, SwitchesFormAtTheLimits)
{
    const StringCase &c = GetParam();
    std::string text(c.nLength, 'x');
    if (!text.empty())
        text[text.size() / 2] = '\0'; // strings carry NULs
    Bytes bytes = StoreBytes([&](CArchive &ar) { ar << CString(text); });
    ASSERT_EQ(bytes.size(), c.header.size() + c.nLength);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.header.size()), c.header);
    EXPECT_TRUE(std::equal(text.begin(), text.end(), bytes.begin() + c.header.size()));

    LoadBytes(bytes, [&](CArchive &ar) {
        CString loaded;
        ar >> loaded;
        EXPECT_EQ(loaded.Str(), text);
        EXPECT_TRUE(ar.IsBufferEmpty());
    });
}

INSTANTIATE_TEST_SUITE_P(Lengths, ArchiveStringRecord,
                         ::testing::Values(StringCase{0, {0x00}}, StringCase{254, {0xFE}},
                                           StringCase{255, {0xFF, 0xFF, 0x00}}, StringCase{0xFFFD, {0xFF, 0xFD, 0xFF}},
                                           StringCase{0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                                           StringCase{0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}}));

struct WideCase {
    const char *name;
    Bytes record;
    std::string utf8;
};

class ArchiveWideString : public ::testing::TestWithParam<WideCase> {};

TEST_P(ArchiveWideString, LoadsAsUtf8)
{
    const WideCase &c = GetParam();
    LoadBytes(c.record, [&](CArchive &ar) {
        CString loaded;
        ar >> loaded;
        EXPECT_EQ(loaded.Str(), c.utf8);
        EXPECT_TRUE(ar.IsBufferEmpty());
    });
}

Bytes WideRecord(Bytes length, Bytes units)
{
    return Concat({{0xFF, 0xFE, 0xFF}, length, units});
}

Bytes Utf16Units(size_t n, BYTE lo)
{
    Bytes units;
    for (size_t i = 0; i < n; ++i) {
        units.push_back(lo);
        units.push_back(0);
    }
    return units;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ArchiveWideString,
    ::testing::Values(
        WideCase{"Empty", WideRecord({0x00}, {}), ""}, WideCase{"Ascii", WideRecord({0x02}, {'h', 0, 'i', 0}), "hi"},
        WideCase{"Latin", WideRecord({0x01}, {0xE9, 0x00}), "\xC3\xA9"},
        WideCase{"Cjk", WideRecord({0x01}, {0x2D, 0x4E}), "\xE4\xB8\xAD"},
        WideCase{"SurrogatePair", WideRecord({0x02}, {0x3D, 0xD8, 0x00, 0xDE}), "\xF0\x9F\x98\x80"},
        WideCase{"LoneSurrogate", WideRecord({0x02}, {0x3D, 0xD8, 'a', 0}),
                 "\xEF\xBF\xBD"
                 "a"},
        WideCase{"WordLength", WideRecord({0xFF, 0x2C, 0x01}, Utf16Units(300, 'w')), std::string(300, 'w')},
        WideCase{"DwordLength", WideRecord({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}, Utf16Units(0x10000, 'd')),
                 std::string(0x10000, 'd')}),
    [](const ::testing::TestParamInfo<WideCase> &info) { return std::string(info.param.name); });

struct CountCase {
    DWORD_PTR nCount;
    Bytes bytes;
};

class ArchiveCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(ArchiveCount, IsAWordOrAnEscapedDword)
{
    const CountCase &c = GetParam();
    Bytes bytes = StoreBytes([&](CArchive &ar) { ar.WriteCount(c.nCount); });
    EXPECT_EQ(bytes, c.bytes);

    // A count is only believed when that many bytes follow.
    Bytes withItems = Concat({bytes, Repeat(0, c.nCount)});
    LoadBytes(withItems, [&](CArchive &ar) { EXPECT_EQ(ar.ReadCount(), c.nCount); });
}

INSTANTIATE_TEST_SUITE_P(Limits, ArchiveCount,
                         ::testing::Values(CountCase{0, {0x00, 0x00}}, CountCase{0xFFFE, {0xFE, 0xFF}},
                                           CountCase{0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
                                           CountCase{0x12345, {0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}}));

// ---------------------------------------------------------------------------
// Object records

Bytes NewClass(WORD wSchema, const char *lpszName)
{
    BYTE nLength = BYTE(std::strlen(lpszName));
    return Concat({{0xFF, 0xFF, BYTE(wSchema), BYTE(wSchema >> 8), nLength, 0x00}, Text(lpszName)});
}

Bytes ItemRecord(int nValue, const char *lpszName)
{
    return Concat({{BYTE(nValue), 0, 0, 0, BYTE(std::strlen(lpszName))}, Text(lpszName)});
}

TEST(ArchiveObjects, NullIsTagZero)
{
    Bytes bytes = StoreBytes([](CArchive &ar) { ar << static_cast<const CObject *>(nullptr); });
    EXPECT_EQ(bytes, Bytes({0x00, 0x00}));
    LoadBytes(bytes, [](CArchive &ar) {
        CObject *pOb = reinterpret_cast<CObject *>(1);
        ar >> pOb;
        EXPECT_EQ(pOb, nullptr);
    });
}

TEST(ArchiveObjects, SecondObjectOfAClassUsesTheClassIndex)
{
    CTestItem first(7, "a"), second(8, "bc");
    Bytes bytes = StoreBytes([&](CArchive &ar) { ar << &first << &second; });
    Bytes expected = Concat({NewClass(1, "CTestItem"), ItemRecord(7, "a"), {0x01, 0x80}, ItemRecord(8, "bc")});
    EXPECT_EQ(bytes, expected);

    LoadBytes(bytes, [](CArchive &ar) {
        CTestItem *p1 = nullptr, *p2 = nullptr;
        ar >> p1 >> p2;
        std::unique_ptr<CTestItem> own1(p1), own2(p2);
        ASSERT_NE(p1, nullptr);
        ASSERT_NE(p2, nullptr);
        EXPECT_NE(p1, p2);
        EXPECT_EQ(p1->m_nValue, 7);
        EXPECT_EQ(p2->m_strName, "bc");
    });
}

TEST(ArchiveObjects, RepeatedObjectUsesTheObjectIndex)
{
    CTestItem item(9, "z");
    Bytes bytes = StoreBytes([&](CArchive &ar) { ar << &item << &item; });
    EXPECT_EQ(bytes, Concat({NewClass(1, "CTestItem"), ItemRecord(9, "z"), {0x02, 0x00}}));

    LoadBytes(bytes, [](CArchive &ar) {
        CObject *p1 = nullptr, *p2 = nullptr;
        ar >> p1 >> p2;
        std::unique_ptr<CObject> own(p1);
        EXPECT_EQ(p1, p2);
        EXPECT_TRUE(p1->IsKindOf(RUNTIME_CLASS(CTestItem)));
    });
}

TEST(ArchiveObjects, TwoObjectCycleLoads)
{
    // a owns b; b refers back to a.
    CTestHolder *pA = new CTestHolder;
    CTestHolder *pB = new CTestHolder;
    pA->m_pOwned = pB;
    pB->m_pRef = pA;
    std::unique_ptr<CTestHolder> ownA(pA);
    Bytes bytes = StoreBytes([&](CArchive &ar) { ar << pA; });
    Bytes expected = Concat({NewClass(1, "CTestHolder"), {0x01, 0x80}, {0x00, 0x00}, {0x02, 0x00}, {0x00, 0x00}});
    EXPECT_EQ(bytes, expected);

    LoadBytes(bytes, [](CArchive &ar) {
        CTestHolder *pLoaded = nullptr;
        ar >> pLoaded;
        std::unique_ptr<CTestHolder> own(pLoaded);
        ASSERT_NE(pLoaded, nullptr);
        CTestHolder *pInner = DYNAMIC_DOWNCAST(CTestHolder, pLoaded->m_pOwned);
        ASSERT_NE(pInner, nullptr);
        EXPECT_EQ(pInner->m_pRef, pLoaded);
        EXPECT_EQ(pLoaded->m_pRef, nullptr);
    });
}

TEST(ArchiveObjects, DerivedClassLoadsThroughItsBase)
{
    CTestDerivedItem item;
    item.m_nValue = 3;
    item.m_wExtra = 0xBEEF;
    Bytes bytes = StoreBytes([&](CArchive &ar) { ar << &item; });
    EXPECT_EQ(bytes, Concat({NewClass(1, "CTestDerivedItem"), ItemRecord(3, ""), {0xEF, 0xBE}}));
    LoadBytes(bytes, [](CArchive &ar) {
        CTestItem *pItem = nullptr;
        ar >> pItem;
        std::unique_ptr<CTestItem> own(pItem);
        ASSERT_TRUE(pItem->IsKindOf(RUNTIME_CLASS(CTestDerivedItem)));
        EXPECT_EQ(static_cast<CTestDerivedItem *>(pItem)->m_wExtra, 0xBEEF);
    });
}

struct VersionCase {
    WORD wStoredSchema;
    Bytes body;
    int nExtra;
};

class ArchiveVersionable : public ::testing::TestWithParam<VersionCase> {};

TEST_P(ArchiveVersionable, LoadsOlderSchemasAndReportsThem)
{
    const VersionCase &c = GetParam();
    // Two objects: the schema also holds for the second, by class index.
    Bytes bytes = Concat({NewClass(c.wStoredSchema, "CTestVersioned"), c.body, {0x01, 0x80}, c.body});
    LoadBytes(bytes, [&](CArchive &ar) {
        CTestVersioned *p1 = nullptr, *p2 = nullptr;
        ar >> p1 >> p2;
        std::unique_ptr<CTestVersioned> own1(p1), own2(p2);
        for (CTestVersioned *p : {p1, p2}) {
            EXPECT_EQ(p->m_nLoadedSchema, c.wStoredSchema);
            EXPECT_EQ(p->m_nBase, 5);
            EXPECT_EQ(p->m_nExtra, c.nExtra);
        }
        EXPECT_TRUE(ar.IsBufferEmpty());
    });
}

INSTANTIATE_TEST_SUITE_P(Schemas, ArchiveVersionable,
                         ::testing::Values(VersionCase{1, {5, 0, 0, 0}, 0},
                                           VersionCase{2, {5, 0, 0, 0, 6, 0, 0, 0}, 6}));

TEST(ArchiveObjects, VersionableClassWritesItsSchemaWithoutTheFlag)
{
    CTestVersioned object;
    Bytes bytes = StoreBytes([&](CArchive &ar) { ar << &object; });
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), Bytes({0xFF, 0xFF, 0x02, 0x00}));
}

// Past index 0x7FFE, tags become 0x7FFF and a DWORD (classes flagged).
TEST(ArchiveObjects, BigIndexesUseTheBigTag)
{
    std::vector<std::unique_ptr<CTestOther>> items;
    for (int i = 0; i < 0x7FFE; ++i)
        items.push_back(std::make_unique<CTestOther>());
    CTestItem late1, late2;
    Bytes bytes = StoreBytes([&](CArchive &ar) {
        for (auto &p : items)
            ar << p.get();      // class 1, objects 2 .. 0x7FFF
        ar << &late1 << &late2; // class 0x8000, objects 0x8001, 0x8002
        ar << items.back().get() << &late2;
    });
    Bytes tail = Concat({NewClass(1, "CTestItem"),
                         ItemRecord(0, ""),
                         {0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80},
                         ItemRecord(0, ""),
                         {0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00},
                         {0xFF, 0x7F, 0x02, 0x80, 0x00, 0x00}});
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_EQ(Bytes(bytes.end() - tail.size(), bytes.end()), tail);

    LoadBytes(bytes, [&](CArchive &ar) {
        std::vector<std::unique_ptr<CObject>> loaded;
        for (size_t i = 0; i < items.size() + 2; ++i) {
            CObject *pOb = nullptr;
            ar >> pOb;
            loaded.emplace_back(pOb);
        }
        CObject *pBackToOther = nullptr, *pBackToItem = nullptr;
        ar >> pBackToOther >> pBackToItem;
        EXPECT_EQ(pBackToOther, loaded[items.size() - 1].get());
        EXPECT_EQ(pBackToItem, loaded.back().get());
        EXPECT_TRUE(loaded.back()->IsKindOf(RUNTIME_CLASS(CTestItem)));
    });
}

TEST(ArchiveObjects, MappedObjectsAreReferencedByIndex)
{
    CTestItem shared(1, "s");
    Bytes bytes = StoreBytes([&](CArchive &ar) {
        ar.MapObject(&shared);
        ar << &shared;
    });
    EXPECT_EQ(bytes, Bytes({0x01, 0x00}));
    LoadBytes(bytes, [&](CArchive &ar) {
        ar.MapObject(&shared);
        CTestItem *pItem = nullptr;
        ar >> pItem;
        EXPECT_EQ(pItem, &shared);
    });
}

TEST(ArchiveObjects, SerializeClassWritesAndChecksAClassRecord)
{
    Bytes bytes = StoreBytes([](CArchive &ar) {
        ar.SerializeClass(RUNTIME_CLASS(CTestItem));
        ar.SerializeClass(RUNTIME_CLASS(CTestItem));
    });
    EXPECT_EQ(bytes, Concat({NewClass(1, "CTestItem"), {0x01, 0x80}}));
    LoadBytes(bytes, [](CArchive &ar) {
        ar.SerializeClass(RUNTIME_CLASS(CObject));
        EXPECT_EQ(ar.GetObjectSchema(), 1u);
        EXPECT_EQ(ar.GetObjectSchema(), UINT(-1));
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CTestItem));
    });
}

// Loading and storing archives refuse the other direction.
TEST(ArchiveModes, WrongDirectionThrows)
{
    CMemFile file;
    CArchive storing(&file, CArchive::store);
    try {
        int n;
        storing >> n;
        FAIL();
    } catch (CArchiveException *e) {
        EXPECT_EQ(e->m_cause, CArchiveException::writeOnly);
        e->Delete();
    }
    Bytes bytes = {1, 2, 3, 4};
    LoadBytes(bytes, [](CArchive &ar) {
        try {
            ar << 1;
            FAIL();
        } catch (CArchiveException *e) {
            EXPECT_EQ(e->m_cause, CArchiveException::readOnly);
            e->Delete();
        }
    });
}

// Closing a loading archive gives unread buffered bytes back to the file.
TEST(ArchiveModes, CloseLeavesTheFileAfterTheLastByteRead)
{
    Bytes bytes = {1, 0, 2, 0, 3, 0};
    CMemFile file(bytes.data(), UINT(bytes.size()));
    {
        CArchive ar(&file, CArchive::load);
        WORD w;
        ar >> w;
        ar.Close();
    }
    EXPECT_EQ(file.GetPosition(), 2u);
}

// Without bNoFlushOnDelete, destruction writes the buffer; with it, not.
TEST(ArchiveModes, NoFlushOnDeleteDropsTheBuffer)
{
    for (UINT nFlag : {0u, UINT(CArchive::bNoFlushOnDelete)}) {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store | nFlag);
            ar << DWORD(1);
            EXPECT_EQ(ar.GetFile(), &file);
        }
        EXPECT_EQ(file.GetLength(), nFlag ? 0u : 4u);
    }
}

} // namespace
