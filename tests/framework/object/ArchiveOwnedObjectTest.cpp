// Objects read for one owner (CArchive::ReadOwnedObject): they round-trip
// like any object, and every failure frees what the load made, leaves no
// object behind (the live count and the sanitizer build check) and leaves
// no index that hands out a deleted object.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/framework/object/TestClasses.h"

namespace {

// Reads one owned object and deletes it, as its holder would.
void ReadOwned(CArchive &ar, const CRuntimeClass *pRequested = nullptr, const CRuntimeClass *pRefused = nullptr)
{
    delete ar.ReadOwnedObject(pRequested, pRefused);
}

// The bytes of an object written as usual, by WriteObject.
Bytes StoredObject(const CObject &object)
{
    return StoreBytes([&](CArchive &ar) { ar.WriteObject(&object); });
}

// Owners nested nDepth deep, each owning the next.
Bytes NestedOwners(size_t nDepth)
{
    std::unique_ptr<CTestOwner> pOuter;
    for (size_t i = 0; i < nDepth; ++i)
        pOuter = std::make_unique<CTestOwner>(int(i), pOuter.release());
    return StoredObject(*pOuter);
}

TEST(ArchiveOwnedObject, RoundTripsWithWhatItOwns)
{
    Bytes bytes;
    {
        CTestOwner outer(1, new CTestOwner(2, new CTestItem(3, "item")), 4);
        CTestItem after(5, "after");
        bytes = StoreBytes([&](CArchive &ar) {
            ar.WriteObject(&outer);
            ar.WriteObject(nullptr);
            // Indexes go on after the owned objects, on both sides.
            ar << &after << &after;
        });
    }
    LoadBytes(bytes, [](CArchive &ar) {
        std::unique_ptr<CObject> pLoaded(ar.ReadOwnedObject(RUNTIME_CLASS(CTestOwner)));
        auto *pOuter = DYNAMIC_DOWNCAST(CTestOwner, pLoaded.get());
        ASSERT_NE(pOuter, nullptr);
        EXPECT_EQ(pOuter->m_nValue, 1);
        EXPECT_EQ(pOuter->m_nTrailer, 4);
        auto *pInner = DYNAMIC_DOWNCAST(CTestOwner, pOuter->m_pOwned);
        ASSERT_NE(pInner, nullptr);
        EXPECT_EQ(pInner->m_nValue, 2);
        auto *pItem = DYNAMIC_DOWNCAST(CTestItem, pInner->m_pOwned);
        ASSERT_NE(pItem, nullptr);
        EXPECT_EQ(pItem->m_nValue, 3);
        EXPECT_EQ(pItem->m_strName, "item");

        EXPECT_EQ(ar.ReadOwnedObject(nullptr), nullptr);
        CObject *pFirst = nullptr;
        CObject *pSecond = nullptr;
        ar >> pFirst >> pSecond;
        std::unique_ptr<CObject> ownFirst(pFirst);
        EXPECT_EQ(pSecond, pFirst);
        auto *pAfter = DYNAMIC_DOWNCAST(CTestItem, pFirst);
        ASSERT_NE(pAfter, nullptr);
        EXPECT_EQ(pAfter->m_nValue, 5);
    });
    EXPECT_EQ(CTestOwner::s_nLive, 0);
}

struct OwnedFailure {
    const char *name;
    Bytes bytes;
    std::function<void(CArchive &)> load;
    int cause;
};

// Every way an owned read fails leaves no object behind.
TEST(ArchiveOwnedObject, FailuresLeaveNoObjectBehind)
{
    const Bytes sharedTwice = StoreBytes([](CArchive &ar) {
        CTestItem item(1, "shared");
        ar << &item << &item;
    });
    const OwnedFailure cases[] = {
        {"a class outside the requested family", StoredObject(CTestOther()),
         [](CArchive &ar) { ReadOwned(ar, RUNTIME_CLASS(CTestOwner)); }, CArchiveException::badClass},
        {"a refused class", StoredObject(CTestOwner(1, new CTestOwner(2, nullptr))),
         [](CArchive &ar) { ReadOwned(ar, nullptr, RUNTIME_CLASS(CTestOwner)); }, CArchiveException::badClass},
        {"a refused class by its base", StoredObject(CTestDerivedItem()),
         [](CArchive &ar) { ReadOwned(ar, nullptr, RUNTIME_CLASS(CTestItem)); }, CArchiveException::badClass},
        {"an unknown class", Concat({{0xFF, 0xFF, 1, 0, 12, 0}, Text("CNoSuchClass"), {0, 0, 0, 0}}),
         [](CArchive &ar) { ReadOwned(ar); }, CArchiveException::badClass},
        {"an unknown class inside the owned object",
         Concat({{0xFF, 0xFF, 1, 0, 10, 0},
                 Text("CTestOwner"),
                 {1, 0, 0, 0},
                 {0xFF, 0xFF, 1, 0, 12, 0},
                 Text("CNoSuchClass")}),
         [](CArchive &ar) { ReadOwned(ar); }, CArchiveException::badClass},
        {"an object read before", sharedTwice,
         [](CArchive &ar) {
             CObject *pFirst = nullptr;
             ar >> pFirst;
             std::unique_ptr<CObject> own(pFirst);
             ReadOwned(ar);
         },
         CArchiveException::badIndex},
        {"its record refused", StoredObject(CTestOwner(1, new CTestOwner(2, nullptr), -1)),
         [](CArchive &ar) { ReadOwned(ar); }, CArchiveException::generic},
        {"the record of what it owns refused", StoredObject(CTestOwner(1, new CTestOwner(2, nullptr, -1))),
         [](CArchive &ar) { ReadOwned(ar); }, CArchiveException::generic},
        {"nested deeper than objects may nest", NestedOwners(CArchive::kMaxObjectNesting + 1),
         [](CArchive &ar) { ReadOwned(ar); }, CArchiveException::badIndex},
    };
    for (const OwnedFailure &c : cases) {
        EXPECT_EQ(ArchiveCauseOf([&] { LoadBytes(c.bytes, c.load); }), c.cause) << c.name;
        EXPECT_EQ(CTestOwner::s_nLive, 0) << c.name;
    }
    EXPECT_EQ(ArchiveCauseOf(
                  [] { LoadBytes(NestedOwners(CArchive::kMaxObjectNesting), [](CArchive &ar) { ReadOwned(ar); }); }),
              -1);
    EXPECT_EQ(CTestOwner::s_nLive, 0);
}

// Cut after every byte: each prefix fails inside some record, before or
// after an owned object was taken by its owner.
TEST(ArchiveOwnedObject, EveryTruncationLeavesNoObjectBehind)
{
    const Bytes whole = StoredObject(CTestOwner(1, new CTestOwner(2, new CTestItem(3, "item"), 4), 5));
    for (size_t n = 0; n < whole.size(); ++n) {
        const Bytes prefix(whole.begin(), whole.begin() + n);
        ASSERT_EQ(ArchiveCauseOf([&] { LoadBytes(prefix, [](CArchive &ar) { ReadOwned(ar); }); }),
                  CArchiveException::endOfFile)
            << "cut at " << n;
        ASSERT_EQ(CTestOwner::s_nLive, 0) << "cut at " << n;
    }
}

// The archive goes on after a failed record: a later reference to any
// object of that record (the owner at index 2, what it owns at 3) is
// refused, never handed out after the object was deleted.
TEST(ArchiveOwnedObject, NoLaterReferenceReachesADeletedOwnedObject)
{
    struct Case {
        const char *name;
        int nInnerTrailer;                    // negative: the owned object's record is refused
        int nOuterTrailer;                    // negative: the owner's record is refused
        std::function<void(CArchive &)> load; // reads the owner; fails or frees it
        int cause;
        size_t nSkip; // bytes of the record left unread by the failure
    };
    const Case cases[] = {
        {"the owner read as owned refuses its record after taking what it owns", 0, -1,
         [](CArchive &ar) { ReadOwned(ar); }, CArchiveException::generic, 0},
        {"the owner read as a plain object refuses its record after taking what it owns", 0, -1,
         [](CArchive &ar) {
             CObject *pOb = nullptr;
             ar >> pOb;
             delete pOb;
         },
         CArchiveException::generic, 0},
        {"the owned object refuses its record", -1, 0, [](CArchive &ar) { ReadOwned(ar); }, CArchiveException::generic,
         sizeof(int)},
        {"the holder frees a whole owner through the archive", 0, 0,
         [](CArchive &ar) { ar.DeleteLoadedObject(ar.ReadOwnedObject(nullptr)); }, -1, 0},
    };
    for (const Case &c : cases) {
        const Bytes bytes = StoreBytes([&](CArchive &ar) {
            CTestOwner outer(1, new CTestOwner(2, nullptr, c.nInnerTrailer), c.nOuterTrailer);
            ar.WriteObject(&outer);
            ar.WriteObject(&outer);
            ar.WriteObject(outer.m_pOwned);
        });
        LoadBytes(bytes, [&](CArchive &ar) {
            EXPECT_EQ(ArchiveCauseOf([&] { c.load(ar); }), c.cause) << c.name;
            for (size_t i = 0; i < c.nSkip; ++i) {
                BYTE by = 0;
                ar >> by;
            }
            for (int nIndex = 2; nIndex <= 3; ++nIndex) {
                // The requested class makes a handed-out object's class be
                // looked at, which the sanitizer build reports if deleted.
                EXPECT_EQ(ArchiveCauseOf([&] { ar.ReadObject(RUNTIME_CLASS(CTestOwner)); }),
                          CArchiveException::badIndex)
                    << c.name << ", index " << nIndex;
            }
        });
        EXPECT_EQ(CTestOwner::s_nLive, 0) << c.name;
    }
}

} // namespace
