// Truncated, corrupt and hostile archives raise the archive's exceptions,
// allocate nothing unbounded and leak nothing (the sanitizer build checks).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/framework/object/TestClasses.h"

namespace {

// A small document: a holder graph with strings, then a counted list.
Bytes SampleDocument()
{
    auto pRoot = std::make_unique<CTestHolder>();
    auto pChild = new CTestHolder;
    pRoot->m_pOwned = pChild;
    pChild->m_pOwned = new CTestItem(0x1234, "child item");
    pChild->m_pRef = pRoot.get();
    CTestItem tail(1, std::string(300, 't').c_str());
    return StoreBytes([&](CArchive &ar) {
        ar << pRoot.get();
        ar << CString("title");
        ar.WriteCount(2);
        ar << &tail << &tail;
        ar << 2.5;
    });
}

// Reads the sample document; everything loaded is owned and freed.
void LoadSampleDocument(CArchive &ar)
{
    CTestHolder *pRoot = nullptr;
    ar >> pRoot;
    std::unique_ptr<CTestHolder> ownRoot(pRoot);
    CString strTitle;
    ar >> strTitle;
    DWORD_PTR nCount = ar.ReadCount();
    std::vector<std::unique_ptr<CObject>> items;
    for (DWORD_PTR i = 0; i < nCount; ++i) {
        CTestItem *pItem = nullptr;
        ar >> pItem;
        if (items.empty() || items.back().get() != pItem)
            items.emplace_back(pItem);
    }
    double d;
    ar >> d;
}

// The cause of the CArchiveException the load throws, or -1 for none.
int ArchiveCause(const Bytes &bytes, const std::function<void(CArchive &)> &fnLoad)
{
    return ArchiveCauseOf([&] { LoadBytes(bytes, fnLoad); });
}

TEST(ArchiveCorrupt, SampleDocumentLoadsWhole)
{
    EXPECT_EQ(ArchiveCause(SampleDocument(), LoadSampleDocument), -1);
}

// Cut after every byte: each prefix runs out of bytes inside some field.
TEST(ArchiveCorrupt, EveryTruncationIsEndOfFile)
{
    Bytes whole = SampleDocument();
    for (size_t n = 0; n < whole.size(); ++n) {
        Bytes prefix(whole.begin(), whole.begin() + n);
        ASSERT_EQ(ArchiveCause(prefix, LoadSampleDocument), CArchiveException::endOfFile) << "cut at " << n;
    }
}

Bytes NewClass(WORD wSchema, const char *lpszName)
{
    return Concat({{0xFF, 0xFF, BYTE(wSchema), BYTE(wSchema >> 8), BYTE(std::strlen(lpszName)), 0x00}, Text(lpszName)});
}

void ReadAnyObject(CArchive &ar)
{
    CObject *pOb = nullptr;
    ar >> pOb;
    delete pOb;
}

void ReadTwoObjects(CArchive &ar)
{
    CObject *p1 = nullptr;
    ar >> p1;
    std::unique_ptr<CObject> own(p1);
    CObject *p2 = nullptr;
    ar >> p2;
    if (p2 != p1)
        delete p2;
}

void ReadItem(CArchive &ar)
{
    CTestItem *pItem = nullptr;
    ar >> pItem;
    delete pItem;
}

void ReadString(CArchive &ar)
{
    CString str;
    ar >> str;
}

void ReadCountAndItems(CArchive &ar)
{
    DWORD_PTR n = ar.ReadCount();
    std::vector<std::unique_ptr<CObject>> items;
    items.reserve(n); // what a careless loader would do
    for (DWORD_PTR i = 0; i < n; ++i) {
        CObject *pOb = nullptr;
        ar >> pOb;
        items.emplace_back(pOb);
    }
}

struct CorruptCase {
    const char *name;
    Bytes bytes;
    std::function<void(CArchive &)> load;
    int cause;
};

class ArchiveCorruptInput : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(ArchiveCorruptInput, ThrowsTheRightCause)
{
    EXPECT_EQ(ArchiveCause(GetParam().bytes, GetParam().load), GetParam().cause);
}

const Bytes kItem7 = {7, 0, 0, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiveCorruptInput,
    ::testing::Values(
        CorruptCase{"UnknownClass", Concat({NewClass(1, "CNoSuchClass"), kItem7}), ReadAnyObject,
                    CArchiveException::badClass},
        CorruptCase{"NotSerializableClass", Concat({NewClass(0xFFFF, "CTestCreatable")}), ReadAnyObject,
                    CArchiveException::badClass},
        CorruptCase{"ClassNameTooLong", Concat({{0xFF, 0xFF, 1, 0, 200, 0}, Bytes(200, 'C')}), ReadAnyObject,
                    CArchiveException::badClass},
        CorruptCase{"ClassNameWithNul",
                    Concat({{0xFF, 0xFF, 1, 0, 13, 0}, Text("CTestItem"), {0, 'x', 'y', 'z'}, kItem7}), ReadAnyObject,
                    CArchiveException::badClass},
        CorruptCase{"WrongBaseClass", Concat({NewClass(1, "CTestOther"), {1}}), ReadItem, CArchiveException::badClass},
        CorruptCase{"WrongClassByReference", Concat({NewClass(1, "CTestOther"), {1}, {0x02, 0x00}}),
                    [](CArchive &ar) {
                        CObject *pOb = nullptr;
                        ar >> pOb;
                        std::unique_ptr<CObject> own(pOb);
                        ReadItem(ar);
                    },
                    CArchiveException::badClass},
        CorruptCase{"BadSchema", Concat({NewClass(5, "CTestItem"), kItem7}), ReadAnyObject,
                    CArchiveException::badSchema},
        CorruptCase{"UndefinedClassIndex", {0x05, 0x80}, ReadAnyObject, CArchiveException::badIndex},
        CorruptCase{"UndefinedObjectIndex", {0x05, 0x00}, ReadAnyObject, CArchiveException::badIndex},
        CorruptCase{"ObjectTagNamesAClass", Concat({NewClass(1, "CTestItem"), kItem7, {0x01, 0x00}}), ReadTwoObjects,
                    CArchiveException::badIndex},
        CorruptCase{"ClassTagNamesAnObject", Concat({NewClass(1, "CTestItem"), kItem7, {0x02, 0x80}}), ReadTwoObjects,
                    CArchiveException::badIndex},
        CorruptCase{
            "BigTagOutOfRange", {0xFF, 0x7F, 0x00, 0x00, 0x00, 0x40}, ReadAnyObject, CArchiveException::badIndex},
        CorruptCase{
            "BigClassTagOutOfRange", {0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}, ReadAnyObject, CArchiveException::badIndex},
        CorruptCase{"ClassExpectedButObjectFound",
                    {0x01, 0x00},
                    [](CArchive &ar) { ar.ReadClass(); },
                    CArchiveException::badIndex},
        CorruptCase{"HugeCount",
                    {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00},
                    ReadCountAndItems,
                    CArchiveException::endOfFile},
        CorruptCase{"HugeCount64",
                    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0x10},
                    ReadCountAndItems,
                    CArchiveException::endOfFile},
        CorruptCase{"CountBeyondObjects", Concat({{0x03, 0x00}, NewClass(1, "CTestItem"), kItem7, {0x01, 0x80}}),
                    ReadCountAndItems, CArchiveException::endOfFile},
        CorruptCase{
            "HugeString", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}, ReadString, CArchiveException::endOfFile},
        CorruptCase{"HugeString64",
                    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0x40},
                    ReadString,
                    CArchiveException::endOfFile},
        CorruptCase{"HugeWideString",
                    {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3F, 'a', 0},
                    ReadString,
                    CArchiveException::endOfFile},
        // The holder's own record is cut inside its second reference: the
        // holder, and the item it already owns, are freed.
        CorruptCase{"FailureInsideANestedRecord",
                    Concat({NewClass(1, "CTestHolder"), NewClass(1, "CTestItem"), kItem7, {0x05}}), ReadAnyObject,
                    CArchiveException::endOfFile}),
    [](const ::testing::TestParamInfo<CorruptCase> &info) { return std::string(info.param.name); });

// Holders nested d deep: each owns the next, the innermost owns nothing.
Bytes NestedHolders(size_t nDepth)
{
    Bytes bytes = NewClass(1, "CTestHolder");
    for (size_t i = 1; i < nDepth; ++i)
        bytes.insert(bytes.end(), {0x01, 0x80});
    bytes.insert(bytes.end(), 2 * (nDepth + 1), 0x00);
    return bytes;
}

// Nesting is bounded, so a hostile archive cannot exhaust the stack.
TEST(ArchiveCorrupt, NestingIsBounded)
{
    EXPECT_EQ(ArchiveCause(NestedHolders(CArchive::kMaxObjectNesting), ReadAnyObject), -1);
    EXPECT_EQ(ArchiveCause(NestedHolders(CArchive::kMaxObjectNesting + 1), ReadAnyObject), CArchiveException::badIndex);
    EXPECT_EQ(ArchiveCause(NestedHolders(1000000), ReadAnyObject), CArchiveException::badIndex);
}

// An object whose record failed is deleted: a later reference to its index
// is refused instead of handing out a deleted object.
TEST(ArchiveCorrupt, ReferenceToAFailedObjectIsBadIndex)
{
    // The item's name announces more bytes than remain; its index (2) is
    // referenced right after.
    Bytes bytes =
        Concat({NewClass(1, "CTestItem"), {7, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, {0x02, 0x00}});
    int cause = ArchiveCause(bytes, [](CArchive &ar) {
        EXPECT_EQ(ArchiveCauseOf([&] { ReadAnyObject(ar); }), CArchiveException::endOfFile);
        ReadAnyObject(ar);
    });
    EXPECT_EQ(cause, CArchiveException::badIndex);
}

} // namespace
