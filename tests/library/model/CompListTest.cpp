#include "ArchiveBytes.h"

#include "library/model/QYCompList.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawPortsComponent.h"

#include <gtest/gtest.h>

#include <vector>

// Components that count their own destruction, so a test can tell a
// release that deleted from one that did not.  (Archived by class name, so
// outside the unnamed namespace.)
static int g_nDestroyed = 0;

class CountedComponent : public CQYDrawComponent {
    DECLARE_SERIAL(CountedComponent)
public:
    CountedComponent() = default;
    ~CountedComponent() override { ++g_nDestroyed; }
};
IMPLEMENT_SERIAL(CountedComponent, CQYDrawComponent, 0)

namespace {

// Holds the first reference of a few components for the test's duration.
class CompListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_nDestroyed = 0;
        for (auto& p : m_comps) {
            p = new CountedComponent;
            p->AddRef();
        }
    }
    void TearDown() override
    {
        for (auto* p : m_comps)
            p->Release();
    }
    CountedComponent* m_comps[3] = {};
};

std::vector<CQYDrawComponent*> Elements(const CQYCompList& list)
{
    std::vector<CQYDrawComponent*> result;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        result.push_back(list.GetNext(pos));
    return result;
}

TEST_F(CompListTest, InsertionTakesAReferenceAndRefusesNull)
{
    CQYCompList list;
    EXPECT_EQ(list.AddTail(static_cast<CQYDrawComponent*>(nullptr)), nullptr);
    EXPECT_EQ(list.AddHead(nullptr), nullptr);
    EXPECT_EQ(list.InsertAfter(nullptr, nullptr), nullptr);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_FALSE(list.HasNodeBlocks());

    POSITION posB = list.AddTail(m_comps[1]);
    list.AddHead(m_comps[0]);
    list.InsertAfter(posB, m_comps[2]);
    list.InsertBefore(posB, m_comps[2]);
    EXPECT_EQ(Elements(list), (std::vector<CQYDrawComponent*>{m_comps[0], m_comps[2], m_comps[1], m_comps[2]}));
    EXPECT_EQ(m_comps[0]->GetRefCount(), 2);
    EXPECT_EQ(m_comps[2]->GetRefCount(), 3);
    EXPECT_EQ(list.GetHead(), m_comps[0]);
    EXPECT_EQ(list.GetTail(), m_comps[2]);
    EXPECT_EQ(list.GetAt(list.FindIndex(2)), m_comps[1]);
    EXPECT_EQ(list.FindIndex(4), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST_F(CompListTest, FindReturnsTheFirstMatchAfterTheStart)
{
    CQYCompList list;
    POSITION first = list.AddTail(m_comps[0]);
    list.AddTail(m_comps[1]);
    POSITION second = list.AddTail(m_comps[0]);
    EXPECT_EQ(m_comps[0]->GetRefCount(), 3);
    EXPECT_EQ(list.Find(m_comps[0]), first);
    EXPECT_EQ(list.Find(m_comps[0], first), second);
    EXPECT_EQ(list.Find(m_comps[0], second), nullptr);
    EXPECT_EQ(list.Find(m_comps[2]), nullptr);
}

TEST_F(CompListTest, RemovalGivesTheReferenceBackAndTheLastFreesTheBlocks)
{
    CQYCompList list(2);
    POSITION pos = list.AddTail(m_comps[0]);
    list.AddTail(m_comps[1]);
    list.AddTail(m_comps[2]); // a second block
    list.RemoveAt(pos);
    EXPECT_EQ(m_comps[0]->GetRefCount(), 1);
    EXPECT_TRUE(list.HasNodeBlocks());

    CQYDrawComponent* pHead = list.RemoveHead(); // the list's reference moves to us
    EXPECT_EQ(pHead, m_comps[1]);
    EXPECT_EQ(m_comps[1]->GetRefCount(), 2);
    pHead->Release();
    list.RemoveAt(list.GetHeadPosition());
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_FALSE(list.HasNodeBlocks());
    list.AddTail(m_comps[0]);
    EXPECT_TRUE(list.HasNodeBlocks());
    EXPECT_EQ(list.GetCount(), 1);
}

TEST_F(CompListTest, EmptyingKeepsOrDropsReferencesAsAsked)
{
    CQYCompList list;
    for (auto* p : m_comps)
        list.AddTail(p);
    list.RemoveAllWithoutRelease();
    for (auto* p : m_comps)
        EXPECT_EQ(p->GetRefCount(), 2);
    for (auto* p : m_comps)
        p->Release(); // what the list would have given back
    EXPECT_FALSE(list.HasNodeBlocks());

    for (auto* p : m_comps)
        list.AddTail(p);
    list.RemoveAll();
    for (auto* p : m_comps)
        EXPECT_EQ(p->GetRefCount(), 1);
    EXPECT_EQ(g_nDestroyed, 0);
}

TEST_F(CompListTest, TheLastHolderDeletesAndDeleteAllBypassesTheCount)
{
    {
        CQYCompList list;
        auto* pOwned = new CountedComponent; // count 0: the list's reference is the only one
        list.AddTail(pOwned);
        EXPECT_EQ(pOwned->GetRefCount(), 1);
    }
    EXPECT_EQ(g_nDestroyed, 1);

    CQYCompList list;
    list.AddTail(new CountedComponent);
    list.AddTail(new CountedComponent);
    list.RemoveAllAndDelete();
    EXPECT_EQ(g_nDestroyed, 3);
    EXPECT_TRUE(list.IsEmpty());
}

TEST_F(CompListTest, CopiesHoldTheirOwnReferences)
{
    CQYCompList list;
    list.AddTail(m_comps[0]);
    list.AddTail(m_comps[1]);
    {
        CQYCompList copy(list);
        EXPECT_EQ(Elements(copy), Elements(list));
        EXPECT_EQ(m_comps[0]->GetRefCount(), 3);
        CQYCompList other;
        other.AddTail(m_comps[2]);
        other = list;
        EXPECT_EQ(m_comps[2]->GetRefCount(), 1);
        EXPECT_EQ(m_comps[1]->GetRefCount(), 4);
        other = other; // self-assignment changes nothing
        EXPECT_EQ(m_comps[1]->GetRefCount(), 4);
        list.AddTail(&list); // appending a list to itself doubles it once
        EXPECT_EQ(list.GetCount(), 4);
    }
    EXPECT_EQ(m_comps[0]->GetRefCount(), 3);
    list.RemoveAll();
    for (auto* p : m_comps)
        EXPECT_EQ(p->GetRefCount(), 1);
}

// A component whose destruction takes it out of a list that is being
// emptied: emptying must not trip over it.
class SelfRemovingComponent : public CQYDrawComponent {
public:
    explicit SelfRemovingComponent(CQYCompList* pList) : m_pList(pList) {}
    ~SelfRemovingComponent() override
    {
        if (POSITION pos = m_pList->Find(this))
            m_pList->RemoveAt(pos);
    }
    CQYCompList* m_pList;
};

TEST_F(CompListTest, ReleasingDuringRemoveAllIsSafe)
{
    CQYCompList list;
    list.AddTail(m_comps[0]);
    list.AddTail(new SelfRemovingComponent(&list));
    list.AddTail(m_comps[1]);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(m_comps[0]->GetRefCount(), 1);
}

// ---------------------------------------------------------------------------
// Archive record

TEST_F(CompListTest, AnEmptyListStoresAsOneZeroCount)
{
    CQYCompList list;
    EXPECT_EQ(StoreRecord(list), (Bytes{0, 0}));
}

TEST_F(CompListTest, RoundTripKeepsOrderAndSharedComponents)
{
    CQYCompList list;
    m_comps[0]->SetObjectName("A");
    m_comps[1]->SetObjectName("B");
    list.AddTail(m_comps[0]);
    list.AddTail(m_comps[1]);
    list.AddTail(m_comps[0]); // written once, then referenced by index
    const Bytes bytes = StoreRecord(list);

    CQYCompList loaded;
    loaded.AddTail(m_comps[2]); // loading appends
    ASSERT_EQ(LoadRecord(loaded, bytes), -1);
    std::vector<CQYDrawComponent*> items = Elements(loaded);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], m_comps[2]);
    EXPECT_EQ(items[1]->GetObjectName(), CString("A"));
    EXPECT_EQ(items[2]->GetObjectName(), CString("B"));
    EXPECT_EQ(items[3], items[1]);
    EXPECT_EQ(items[1]->GetRefCount(), 2); // the loaded list's two references
    EXPECT_EQ(items[2]->GetRefCount(), 1);
    EXPECT_STREQ(items[1]->GetRuntimeClass()->m_lpszClassName, "CountedComponent");
}

// A component read from a record holds the property sets stored for it and
// no default set besides; components made afterwards, also after an entry
// that named an earlier component again or a record that failed, start with
// their default set.
TEST_F(CompListTest, LoadedComponentsHoldOnlyTheirStoredSets)
{
    auto* pPorts = new CQYDrawPortsComponent; // its constructor makes the line 1 wide
    pPorts->AddRef();
    pPorts->GetDefaultProperty()->SetLineWidth(5);
    m_comps[0]->RemoveAllProperties();
    CQYCompList list;
    list.AddTail(m_comps[0]);
    list.AddTail(pPorts);
    list.AddTail(pPorts); // named again by its index
    const Bytes bytes = StoreRecord(list);
    pPorts->Release();

    CQYCompList loaded;
    ASSERT_EQ(LoadRecord(loaded, bytes), -1);
    std::vector<CQYDrawComponent*> items = Elements(loaded);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->m_listProperties.GetCount(), 0);
    ASSERT_EQ(items[1]->m_listProperties.GetCount(), 1);
    EXPECT_EQ(items[1]->GetDefaultProperty()->m_nLineWidth, 5);

    CQYDrawComponent madeAfter;
    EXPECT_EQ(madeAfter.m_listProperties.GetCount(), 1);
    EXPECT_NE(madeAfter.GetDefaultProperty(), nullptr);
    CQYCompList failed;
    EXPECT_NE(LoadRecord(failed, Bytes(bytes.begin(), bytes.begin() + 12)), -1);
    CQYDrawPortsComponent madeAfterFailure;
    ASSERT_NE(madeAfterFailure.GetDefaultProperty(), nullptr);
    EXPECT_EQ(madeAfterFailure.GetDefaultProperty()->m_nLineWidth, 1);
}

TEST_F(CompListTest, BadRecordsThrowAndLeaveTheListUnchanged)
{
    CQYCompList good;
    good.AddTail(m_comps[0]);
    good.AddTail(m_comps[1]);
    const Bytes goodBytes = StoreRecord(good);
    CQYCompList one;
    one.AddTail(m_comps[0]);
    const Bytes oneBytes = StoreRecord(one);

    // An object that is not a component, after a good component.
    CObList mixed;
    CQYCompProperties props;
    mixed.AddTail(m_comps[0]);
    mixed.AddTail(&props);
    const Bytes mixedBytes = StoreRecord(mixed);
    mixed.RemoveAll();

    struct Case {
        const char* name;
        Bytes bytes;
        int nCause;
    };
    const Case cases[] = {
        {"null entry", RecordBuilder().Word(1).Word(0).Get(), CArchiveException::badClass},
        {"null after a component",
         RecordBuilder().Word(2).Append(Bytes(oneBytes.begin() + 2, oneBytes.end())).Word(0).Get(),
         CArchiveException::badClass},
        {"property set entry", mixedBytes, CArchiveException::badClass},
        {"count beyond the data", RecordBuilder().Word(3).Append(Bytes(goodBytes.begin() + 2, goodBytes.end())).Get(),
         CArchiveException::endOfFile},
        {"truncated component", Bytes(goodBytes.begin(), goodBytes.end() - 5), CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CQYCompList list;
        list.AddTail(m_comps[2]);
        EXPECT_EQ(LoadRecord(list, c.bytes), c.nCause);
        EXPECT_EQ(Elements(list), std::vector<CQYDrawComponent*>{m_comps[2]});
        // Components read before the error are deleted again: the leak
        // checker of the test build fails the test otherwise.
        EXPECT_EQ(m_comps[2]->GetRefCount(), 2);
    }
}

// Every way of changing a list, in a fixed pseudo-random script over a pool
// of components (some held twice), applied to an indexed list and checked
// after each step against a plain walk of the same list.
TEST(CompListIndex, AnswersAsAWalkDoesThroughEveryKindOfChange)
{
    std::vector<CQYDrawComponent*> pool;
    for (int i = 0; i < 12; ++i) {
        pool.push_back(new CQYDrawComponent);
        pool.back()->AddRef();
    }
    CQYCompList list;
    list.AddTail(pool[0]);
    list.AddTail(pool[1]);
    list.EnableIndex(); // built from what is there
    ASSERT_TRUE(list.IsIndexed());
    unsigned seed = 12345;
    const auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    const auto walkIndexOf = [&list](POSITION target) {
        int i = 0;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr; ++i) {
            if (pos == target)
                return i;
            list.GetNext(pos);
        }
        return -1;
    };
    for (int step = 0; step < 3000; ++step) {
        CQYDrawComponent* pComp = pool[next(static_cast<unsigned>(pool.size()))];
        const int nCount = list.GetCount();
        POSITION somewhere =
            nCount > 0 ? list.FindIndex(static_cast<int>(next(static_cast<unsigned>(nCount)))) : nullptr;
        switch (next(nCount > 40 ? 10 : 7)) {
        case 0: list.AddTail(pComp); break;
        case 1: list.AddHead(pComp); break;
        case 2: list.InsertBefore(somewhere, pComp); break;
        case 3: list.InsertAfter(somewhere, pComp); break;
        case 4: list.RemoveAt(list.Find(pComp)); break;
        case 5: list = CQYCompList(list); break; // assignment keeps the index
        case 6:
            if (step % 500 == 0)
                list.RemoveAll();
            break;
        case 7: list.RemoveAt(somewhere); break;
        case 8:
            if (CQYDrawComponent* pHead = list.RemoveHead())
                pHead->Release();
            break;
        default:
            if (CQYDrawComponent* pTail = list.RemoveTail())
                pTail->Release();
            break;
        }
        ASSERT_TRUE(list.IsIndexed());
        int i = 0;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr; ++i) {
            ASSERT_EQ(list.FindIndex(i), pos) << "step " << step;
            ASSERT_EQ(list.GetIndexOf(pos), i) << "step " << step;
            list.GetNext(pos);
        }
        ASSERT_EQ(list.FindIndex(i), nullptr);
        ASSERT_EQ(list.FindIndex(-1), nullptr);
        for (CQYDrawComponent* pAny : pool) {
            POSITION first = list.Find(pAny);
            int nFirst = -1;
            for (POSITION pos = list.GetHeadPosition(); pos != nullptr && nFirst < 0;) {
                POSITION here = pos;
                if (list.GetNext(pos) == pAny)
                    nFirst = walkIndexOf(here);
            }
            ASSERT_EQ(first == nullptr ? -1 : walkIndexOf(first), nFirst) << "step " << step;
        }
    }
    list.RemoveAll();
    for (CQYDrawComponent* pComp : pool) {
        EXPECT_EQ(pComp->GetRefCount(), 1);
        pComp->Release();
    }
}

} // namespace
