// An ordered list of component references.  Every insertion takes a
// reference on the component (AddRef) and every removal gives it back
// (Release), so a component lives as long as any list holding it.  The list
// keeps draw components only: a null pointer or an object of another class is
// refused, on insertion and when a list is read from an archive.
//
// The list is written as a count followed by each component as an object
// record (class record or index, object index for a component already
// written to the same archive).
#pragma once

#include "framework/collections/ListTemplate.h"
#include "framework/object/Object.h"

#include <memory>

class CQYDrawComponent;
class CQYCompListIndex;

class CQYCompList : public CObject {
    DECLARE_SERIAL(CQYCompList)
public:
    // Nodes are allocated nBlockSize at a time (a value below 1 counts as 1).
    explicit CQYCompList(int nBlockSize = 10);
    // A list with a reference on each of src's components, in src's order.
    CQYCompList(const CQYCompList& src);
    CQYCompList& operator=(const CQYCompList& src);
    ~CQYCompList() override;

    void Serialize(CArchive& ar) override;

    // Insertion; each takes one reference.  NULL (and an object that is not
    // a draw component) is refused: nothing is added and NULL is returned.
    POSITION AddTail(CQYDrawComponent* pComp);
    POSITION AddHead(CQYDrawComponent* pComp);
    POSITION InsertBefore(POSITION position, CQYDrawComponent* pComp);
    POSITION InsertAfter(POSITION position, CQYDrawComponent* pComp);
    // Appends every component of pList in its order (one more reference
    // each); pList may be this list.
    void AddTail(const CQYCompList* pList);

    // Unlinks the node and releases its component; the last removal frees
    // every node block.
    void RemoveAt(POSITION position);
    // Takes the first (last) node out and returns its component without
    // releasing it: the caller receives the list's reference.
    CQYDrawComponent* RemoveHead();
    CQYDrawComponent* RemoveTail();
    // Releases every component in list order and frees all nodes.
    void RemoveAll();
    // Frees all nodes without touching the components (for lists whose
    // references are owned elsewhere).
    void RemoveAllWithoutRelease();
    // Deletes every component through its destructor (not through Release),
    // then frees all nodes.
    void RemoveAllAndDelete();

    // The first node after startAfter (from the head when NULL) holding
    // pComp, compared by address; NULL when absent.
    POSITION Find(const CQYDrawComponent* pComp, POSITION startAfter = nullptr) const;
    // The node at a 0-based index; NULL outside 0..count-1.
    POSITION FindIndex(int nIndex) const;
    // The 0-based index of a node of this list; -1 for NULL.
    int GetIndexOf(POSITION position) const;

    // Keeps a side index from now on (and builds it from the contents), so
    // that Find from the head, FindIndex and GetIndexOf take logarithmic
    // time instead of a walk: for lists that hold a whole page.  Copies of
    // the list do not inherit it.
    void EnableIndex();
    BOOL IsIndexed() const { return m_pIndex != nullptr; }

    POSITION GetHeadPosition() const { return m_list.GetHeadPosition(); }
    POSITION GetTailPosition() const { return m_list.GetTailPosition(); }
    CQYDrawComponent* GetNext(POSITION& rPosition) const { return m_list.GetNext(rPosition); }
    CQYDrawComponent* GetPrev(POSITION& rPosition) const { return m_list.GetPrev(rPosition); }
    CQYDrawComponent* GetAt(POSITION position) const { return m_list.GetAt(position); }
    // The first and last component; NULL when the list is empty.
    CQYDrawComponent* GetHead() const;
    CQYDrawComponent* GetTail() const;
    int GetCount() const { return m_list.GetCount(); }
    int GetSize() const { return m_list.GetCount(); }
    BOOL IsEmpty() const { return m_list.IsEmpty(); }
    int GetBlockSize() const { return m_list.GetBlockSize(); }
    // TRUE while node blocks are allocated (an empty list holds none).
    BOOL HasNodeBlocks() const { return m_list.HasNodeBlocks(); }

private:
    static BOOL IsAcceptable(const CQYDrawComponent* pComp);

    // Appends a component whose reference the caller hands over.
    POSITION AdoptTail(CQYDrawComponent* pComp);
    // Empties the list; each former element goes to pfnEach, in order,
    // after the list is already empty (so a component's destructor may
    // use the list safely).
    void Clear(void (*pfnEach)(CQYDrawComponent*));
    void LoadComponents(CArchive& ar);

    // Tells the side index (when kept) about a node just linked in at
    // nIndex, or about to be unlinked.
    void IndexInserted(int nIndex, POSITION position);
    void IndexRemoving(POSITION position);

    CList<CQYDrawComponent*, CQYDrawComponent*> m_list;
    std::unique_ptr<CQYCompListIndex> m_pIndex;
};

// The name derived and generated code uses for the component list.
using CQYDrawComponentList = CQYCompList;
