// Archiving collections: the exact bytes each collection writes, loading
// them back, and corrupt or truncated input.
#include "ArchiveTestSupport.h"

#include "framework/collections/Collections.h"
#include "framework/object/Exceptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace {

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Text(const std::string &text)
{
    return Bytes(text.begin(), text.end());
}

// The new-class record of CCollectionItem: tag, schema 1, name.
Bytes ItemClassRecord()
{
    return Join({{0xFF, 0xFF, 0x01, 0x00, 0x0F, 0x00}, Text("CCollectionItem")});
}

// Deletes the objects a loaded collection holds (each once: an object
// written twice loads as one object held twice).
void DeleteObjects(CObject &collection)
{
    std::set<CObject *> objects;
    if (CObList *pList = dynamic_cast<CObList *>(&collection)) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
            objects.insert(pList->GetNext(pos));
    } else if (CObArray *pArray = dynamic_cast<CObArray *>(&collection)) {
        for (int i = 0; i < pArray->GetSize(); i++)
            objects.insert(pArray->GetAt(i));
    } else if (CMapStringToOb *pMap = dynamic_cast<CMapStringToOb *>(&collection)) {
        POSITION pos = pMap->GetStartPosition();
        while (pos != nullptr) {
            CString key;
            CObject *pObject;
            pMap->GetNextAssoc(pos, key, pObject);
            objects.insert(pObject);
        }
    }
    for (CObject *pObject : objects)
        delete pObject;
}

CCollectionItem g_itemA(7);
CCollectionItem g_itemB(9);

struct GoldenCase {
    const char *name;
    std::function<std::unique_ptr<CObject>(bool bFill)> make;
    Bytes expected;
};

template <class T>
std::unique_ptr<CObject> Make(bool bFill, std::function<void(T &)> fill)
{
    auto p = std::make_unique<T>();
    if (bFill)
        fill(*p);
    return p;
}

class CollectionArchiving : public ::testing::TestWithParam<GoldenCase> {};

// Storing gives the exact bytes; loading them into an empty collection and
// storing again gives the same bytes.
TEST_P(CollectionArchiving, WritesGoldenBytesAndLoadsThemBack)
{
    std::unique_ptr<CObject> filled = GetParam().make(true);
    EXPECT_EQ(StoreToBytes(*filled), GetParam().expected);

    std::unique_ptr<CObject> loaded = GetParam().make(false);
    LoadFromBytes(*loaded, GetParam().expected);
    EXPECT_EQ(StoreToBytes(*loaded), GetParam().expected);
    DeleteObjects(*loaded);
}

Bytes BigByteArrayBytes()
{
    return Join({{0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}, Bytes(0x10000, 0xAB)});
}

INSTANTIATE_TEST_SUITE_P(
    Collections, CollectionArchiving,
    ::testing::Values(
        // Count, then each object: new class, new object of a known class, an
        // object already written (index 2: the class took index 1), null.
        GoldenCase{
            "objectList",
            [](bool f) {
                return Make<CObList>(f, [](CObList &l) {
                    l.AddTail(&g_itemA);
                    l.AddTail(&g_itemB);
                    l.AddTail(&g_itemA);
                    l.AddTail(static_cast<CObject *>(nullptr));
                });
            },
            Join(
                {{0x04, 0x00}, ItemClassRecord(), {0x07, 0x00}, {0x01, 0x80, 0x09, 0x00}, {0x02, 0x00}, {0x00, 0x00}})},
        GoldenCase{"emptyObjectList", [](bool f) { return Make<CObList>(f, [](CObList &) {}); }, {0x00, 0x00}},
        GoldenCase{"objectArray",
                   [](bool f) {
                       return Make<CObArray>(f, [](CObArray &a) {
                           a.Add(&g_itemB);
                           a.Add(nullptr);
                       });
                   },
                   Join({{0x02, 0x00}, ItemClassRecord(), {0x09, 0x00}, {0x00, 0x00}})},
        GoldenCase{"stringArray",
                   [](bool f) {
                       return Make<CStringArray>(f, [](CStringArray &a) {
                           a.Add("ab");
                           a.Add("");
                           a.Add("xyz");
                       });
                   },
                   {0x03, 0x00, 0x02, 'a', 'b', 0x00, 0x03, 'x', 'y', 'z'}},
        GoldenCase{"stringList",
                   [](bool f) {
                       return Make<CStringList>(f, [](CStringList &l) {
                           l.AddTail("a");
                           l.AddTail("bc");
                       });
                   },
                   {0x02, 0x00, 0x01, 'a', 0x02, 'b', 'c'}},
        GoldenCase{"byteArray",
                   [](bool f) {
                       return Make<CByteArray>(f, [](CByteArray &a) {
                           for (BYTE b : {1, 2, 3})
                               a.Add(b);
                       });
                   },
                   {0x03, 0x00, 0x01, 0x02, 0x03}},
        GoldenCase{"bigByteArray",
                   [](bool f) {
                       return Make<CByteArray>(f, [](CByteArray &a) {
                           a.SetSize(0x10000);
                           std::memset(a.GetData(), 0xAB, 0x10000);
                       });
                   },
                   BigByteArrayBytes()},
        GoldenCase{"wordArray",
                   [](bool f) {
                       return Make<CWordArray>(f, [](CWordArray &a) {
                           a.Add(0x1234);
                           a.Add(0xFFFF);
                       });
                   },
                   {0x02, 0x00, 0x34, 0x12, 0xFF, 0xFF}},
        GoldenCase{"dwordArray",
                   [](bool f) { return Make<CDWordArray>(f, [](CDWordArray &a) { a.Add(0x01020304); }); },
                   {0x01, 0x00, 0x04, 0x03, 0x02, 0x01}},
        // Pairs in visiting order: "k" is in bucket 5, "C" in bucket 16.
        GoldenCase{"stringToStringMap",
                   [](bool f) {
                       return Make<CMapStringToString>(f, [](CMapStringToString &m) {
                           m.SetAt("C", "x");
                           m.SetAt("k", "v");
                       });
                   },
                   {0x02, 0x00, 0x01, 'k', 0x01, 'v', 0x01, 'C', 0x01, 'x'}},
        GoldenCase{"stringToObjectMap",
                   [](bool f) { return Make<CMapStringToOb>(f, [](CMapStringToOb &m) { m.SetAt("k", &g_itemA); }); },
                   Join({{0x01, 0x00, 0x01, 'k'}, ItemClassRecord(), {0x07, 0x00}})},
        GoldenCase{"pointArray",
                   [](bool f) {
                       return Make<CArray<CPoint, CPoint>>(f, [](CArray<CPoint, CPoint> &a) { a.Add(CPoint(1, -1)); });
                   },
                   {0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}},
        GoldenCase{
            "stringTemplateList",
            [](bool f) { return Make<CList<CString, LPCTSTR>>(f, [](CList<CString, LPCTSTR> &l) { l.AddTail("z"); }); },
            {0x01, 0x00, 0x01, 'z'}},
        GoldenCase{"templateMap",
                   [](bool f) {
                       using WordMap = CMap<CString, LPCTSTR, WORD, WORD>;
                       return Make<WordMap>(f, [](WordMap &m) { m.SetAt("k", 0x0102); });
                   },
                   {0x01, 0x00, 0x01, 'k', 0x02, 0x01}},
        // Pointer and UINT collections keep no record.
        GoldenCase{"pointerList", [](bool f) { return Make<CPtrList>(f, [](CPtrList &l) { l.AddTail(&l); }); }, {}},
        GoldenCase{"uintArray", [](bool f) { return Make<CUIntArray>(f, [](CUIntArray &a) { a.Add(5); }); }, {}}),
    [](const ::testing::TestParamInfo<GoldenCase> &info) { return info.param.name; });

TEST(CollectionArchiving, LoadedObjectsKeepTheirIdentity)
{
    CObList list;
    list.AddTail(&g_itemA);
    list.AddTail(&g_itemB);
    list.AddTail(&g_itemA);
    CObList loaded;
    LoadFromBytes(loaded, StoreToBytes(list));
    ASSERT_EQ(loaded.GetCount(), 3);
    POSITION pos = loaded.GetHeadPosition();
    CObject *pFirst = loaded.GetNext(pos);
    CObject *pSecond = loaded.GetNext(pos);
    EXPECT_EQ(loaded.GetNext(pos), pFirst);
    ASSERT_TRUE(pFirst->IsKindOf(RUNTIME_CLASS(CCollectionItem)));
    EXPECT_EQ(static_cast<CCollectionItem *>(pFirst)->m_nValue, 7);
    EXPECT_EQ(static_cast<CCollectionItem *>(pSecond)->m_nValue, 9);
    delete pFirst;
    delete pSecond;
}

TEST(CollectionArchiving, LoadingAListAppends)
{
    CStringList list;
    list.AddTail("old");
    LoadFromBytes(list, {0x01, 0x00, 0x03, 'n', 'e', 'w'});
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetHead(), "old");
    EXPECT_EQ(list.GetTail(), "new");
}

struct CorruptCase {
    const char *name;
    std::function<std::unique_ptr<CObject>()> make;
    Bytes bytes;
    int cause;
};

template <class T>
std::unique_ptr<CObject> MakeEmpty()
{
    return std::make_unique<T>();
}

class CorruptCollection : public ::testing::TestWithParam<CorruptCase> {};

// Each input fails with the expected cause, without crashing, allocating for
// a count the data cannot hold, or leaking what was read before the failure.
TEST_P(CorruptCollection, RaisesArchiveException)
{
    std::unique_ptr<CObject> collection = GetParam().make();
    EXPECT_EQ(LoadFailureCause(*collection, GetParam().bytes), GetParam().cause);
    DeleteObjects(*collection);
}

const int kEnd = CArchiveException::endOfFile;

INSTANTIATE_TEST_SUITE_P(
    Collections, CorruptCollection,
    ::testing::Values(
        CorruptCase{"truncatedCount", MakeEmpty<CByteArray>, {0x05}, kEnd},
        CorruptCase{"hugeByteCount", MakeEmpty<CByteArray>, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00}, kEnd},
        CorruptCase{"countBeyondInt", MakeEmpty<CByteArray>, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}, kEnd},
        CorruptCase{"wordsShort", MakeEmpty<CWordArray>, {0x03, 0x00, 0x01, 0x00, 0x02, 0x00}, kEnd},
        CorruptCase{"dwordsShort", MakeEmpty<CDWordArray>, {0x02, 0x00, 1, 2, 3, 4, 5, 6, 7}, kEnd},
        CorruptCase{"pointsShort", MakeEmpty<CArray<CPoint, CPoint>>, Join({{0x02, 0x00}, Bytes(12, 0)}), kEnd},
        CorruptCase{"hugeObjectArray", MakeEmpty<CObArray>, {0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}, kEnd},
        CorruptCase{"stringsShort", MakeEmpty<CStringArray>, {0x02, 0x00, 0x02, 'a', 'b'}, kEnd},
        CorruptCase{"stringCutShort", MakeEmpty<CStringList>, {0x01, 0x00, 0x05, 'a', 'b'}, kEnd},
        CorruptCase{"objectsShort", MakeEmpty<CObList>, Join({{0x02, 0x00}, ItemClassRecord(), {0x07, 0x00}}), kEnd},
        CorruptCase{"pairsShort", MakeEmpty<CMapStringToString>, {0x02, 0x00, 0x01, 'k', 0x01, 'v'}, kEnd},
        CorruptCase{"objectMissing", MakeEmpty<CMapStringToOb>, {0x01, 0x00, 0x01, 'k'}, kEnd},
        CorruptCase{"unknownClass", MakeEmpty<CObList>,
                    Join({{0x01, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x04, 0x00}, Text("Nope")}),
                    CArchiveException::badClass}),
    [](const ::testing::TestParamInfo<CorruptCase> &info) { return info.param.name; });

} // namespace

// ---------------------------------------------------------------------------
// Failed loads free the objects they made

// An archived element that counts the live copies of itself.
class CCountedItem : public CObject {
    DECLARE_SERIAL(CCountedItem)
public:
    CCountedItem() { ++s_nLive; }
    ~CCountedItem() override { --s_nLive; }
    void Serialize(CArchive &ar) override
    {
        if (ar.IsStoring())
            ar << m_nValue;
        else
            ar >> m_nValue;
    }
    WORD m_nValue = 0;
    static int s_nLive;
};
IMPLEMENT_SERIAL(CCountedItem, CObject, 1)
int CCountedItem::s_nLive = 0;

namespace {

// The record of a collection written as an object, its last byte cut off so
// that its last element fails.
template <class COLLECTION>
Bytes CutCollectionRecord(COLLECTION &collection)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(&collection);
        ar.Close();
    }
    const BYTE *data = file.GetBufferData();
    return Bytes(data, data + file.GetLength() - 1);
}

// Reads one object record; TRUE when it failed.
bool ObjectRecordFails(Bytes bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    try {
        CArchive ar(&file, CArchive::load);
        delete ar.ReadObject(nullptr);
    } catch (CArchiveException *e) {
        e->Delete();
        return true;
    }
    return false;
}

} // namespace

TEST(CollectionFailedLoad, FreesTheElementsItRead)
{
    CCountedItem items[3];
    CObArray array;
    CObList list;
    CMapStringToOb map;
    CObList nested; // a list inside an array inside the record
    CObArray outer;
    for (CCountedItem &item : items) {
        array.Add(&item);
        list.AddTail(&item);
    }
    map.SetAt("a", &items[0]);
    map.SetAt("b", &items[1]);
    nested.AddTail(&items[2]);
    outer.Add(&nested);
    outer.Add(&items[0]);
    const Bytes cases[] = {CutCollectionRecord(array), CutCollectionRecord(list), CutCollectionRecord(map),
                           CutCollectionRecord(outer)};
    for (const Bytes &bytes : cases) {
        EXPECT_TRUE(ObjectRecordFails(bytes));
        EXPECT_EQ(CCountedItem::s_nLive, 3); // only the test's own items
    }
}

TEST(CollectionFailedLoad, ARepeatedMapKeyDeletesTheValueItReplaces)
{
    const BYTE itemClass[] = {0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00, 'C', 'C', 'o',
                              'u',  'n',  't',  'e',  'd',  'I',  't', 'e', 'm'};
    auto newItem = [&](Bytes &bytes, WORD value) {
        bytes.insert(bytes.end(), itemClass, itemClass + sizeof itemClass);
        bytes.insert(bytes.end(), {BYTE(value), 0});
    };
    auto key = [](Bytes &bytes, char name) { bytes.insert(bytes.end(), {1, BYTE(name)}); };

    // "k" twice: the first value is deleted, the map holds the second.
    Bytes twice{2, 0};
    key(twice, 'k');
    newItem(twice, 1);
    key(twice, 'k');
    twice.insert(twice.end(), {0x01, 0x80, 2, 0}); // the class by index, value 2
    {
        CMapStringToOb map;
        ASSERT_EQ(LoadFailureCause(map, twice), -1);
        CObject *pValue = nullptr;
        ASSERT_TRUE(map.Lookup("k", pValue));
        EXPECT_EQ(static_cast<CCountedItem *>(pValue)->m_nValue, 2);
        EXPECT_EQ(CCountedItem::s_nLive, 1);
        delete pValue;
    }

    // The replaced value is still held by another key: it stays.
    Bytes shared{3, 0};
    key(shared, 'a');
    newItem(shared, 1);
    key(shared, 'k');
    shared.insert(shared.end(), {0x02, 0x00}); // the object read under "a"
    key(shared, 'k');
    shared.insert(shared.end(), {0x01, 0x80, 2, 0});
    {
        CMapStringToOb map;
        ASSERT_EQ(LoadFailureCause(map, shared), -1);
        CObject *pA = nullptr;
        CObject *pK = nullptr;
        ASSERT_TRUE(map.Lookup("a", pA));
        ASSERT_TRUE(map.Lookup("k", pK));
        EXPECT_EQ(static_cast<CCountedItem *>(pA)->m_nValue, 1);
        EXPECT_EQ(static_cast<CCountedItem *>(pK)->m_nValue, 2);
        EXPECT_EQ(CCountedItem::s_nLive, 2);
        delete pA;
        delete pK;
    }

    // The replaced value is held by a list read in between: it stays.
    Bytes elsewhere{3, 0};
    key(elsewhere, 'w');
    newItem(elsewhere, 1); // class 1, object 2
    key(elsewhere, 'l');
    const BYTE listClass[] = {0xFF, 0xFF, 0x00, 0x00, 0x07, 0x00, 'C', 'O', 'b', 'L', 'i', 's', 't'};
    elsewhere.insert(elsewhere.end(), listClass, listClass + sizeof listClass); // class 3, object 4
    elsewhere.insert(elsewhere.end(), {1, 0, 0x02, 0x00});                      // the list holds object 2
    key(elsewhere, 'w');
    elsewhere.insert(elsewhere.end(), {0x01, 0x80, 2, 0});
    {
        CMapStringToOb map;
        ASSERT_EQ(LoadFailureCause(map, elsewhere), -1);
        CObject *pW = nullptr;
        CObject *pL = nullptr;
        ASSERT_TRUE(map.Lookup("w", pW));
        ASSERT_TRUE(map.Lookup("l", pL));
        auto *pList = static_cast<CObList *>(pL);
        ASSERT_EQ(pList->GetCount(), 1);
        EXPECT_EQ(static_cast<CCountedItem *>(pList->GetHead())->m_nValue, 1);
        EXPECT_EQ(CCountedItem::s_nLive, 2);
        delete pList->GetHead();
        delete pList;
        delete pW;
    }

    // The list is let go of in turn, and with it the last reference: the
    // replaced value goes then.
    Bytes released{4, 0};
    key(released, 'w');
    newItem(released, 1);
    key(released, 'l');
    released.insert(released.end(), listClass, listClass + sizeof listClass);
    released.insert(released.end(), {1, 0, 0x02, 0x00});
    key(released, 'l');
    released.insert(released.end(), {0x00, 0x00}); // null
    key(released, 'w');
    released.insert(released.end(), {0x01, 0x80, 2, 0});
    {
        CMapStringToOb map;
        ASSERT_EQ(LoadFailureCause(map, released), -1);
        CObject *pW = nullptr;
        ASSERT_TRUE(map.Lookup("w", pW));
        EXPECT_EQ(static_cast<CCountedItem *>(pW)->m_nValue, 2);
        EXPECT_EQ(CCountedItem::s_nLive, 1);
        delete pW;
    }
    EXPECT_EQ(CCountedItem::s_nLive, 0);
}
