// A side index of a component list: which node holds a component, and the
// 0-based place of a node in the list order.  The list keeps it up to date
// on every insertion and removal, so that a page of many thousand
// components answers "is it on the page", "where is it in the drawing
// order" and "which node is at place n" in logarithmic time instead of by
// walking the list.
//
// The places live in a balanced tree (a treap ordered by list place, each
// tree node counting its subtree), one tree node per list node.  Priorities
// come from a fixed sequence, so the tree's shape, like everything else in
// the model, is the same on every run.
#pragma once

#include "framework/collections/Position.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

class CQYDrawComponent;

class CQYCompListIndex {
public:
    CQYCompListIndex() = default;
    CQYCompListIndex(const CQYCompListIndex&) = delete;
    CQYCompListIndex& operator=(const CQYCompListIndex&) = delete;

    // Records that the list node position, holding pComp, now stands at
    // place nIndex (0 to the count before the insertion); the nodes from
    // that place on move up by one.
    void Insert(int nIndex, POSITION position, const CQYDrawComponent* pComp);
    // Forgets the node; the nodes after it move down by one.
    void Remove(POSITION position);
    void Clear();

    int GetCount() const { return Size(m_pRoot); }
    // The place of a node; -1 for a node the index does not know.
    int IndexOf(POSITION position) const;
    // The node at a place; NULL outside 0..count-1.
    POSITION At(int nIndex) const;
    // The first node (lowest place) holding pComp; NULL when none does.
    POSITION FindFirst(const CQYDrawComponent* pComp) const;

private:
    struct Node {
        POSITION position = nullptr;
        const CQYDrawComponent* pComp = nullptr;
        Node* pLeft = nullptr;
        Node* pRight = nullptr;
        Node* pParent = nullptr;
        std::uint32_t nPriority = 0;
        int nSize = 1;
    };

    static int Size(const Node* pNode) { return pNode != nullptr ? pNode->nSize : 0; }
    // Recounts a node and makes it the parent of its children.
    static void Update(Node* pNode);
    // Splits the tree into its first nLeft places and the rest.
    static void Split(Node* pNode, int nLeft, Node*& pFirst, Node*& pRest);
    // Joins two trees, every place of pFirst before every place of pRest.
    static Node* Merge(Node* pFirst, Node* pRest);
    std::uint32_t NextPriority();

    // Node addresses stay put while other entries come and go.
    std::unordered_map<POSITION, Node> m_nodes;
    // The nodes holding each component (one, unless a list holds a
    // component twice).
    std::unordered_map<const CQYDrawComponent*, std::vector<POSITION>> m_holders;
    Node* m_pRoot = nullptr;
    std::uint32_t m_nSeed = 0x9E3779B9u;
};
