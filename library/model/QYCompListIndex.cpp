#include "library/model/QYCompListIndex.h"

#include <algorithm>

void CQYCompListIndex::Update(Node* pNode)
{
    pNode->nSize = 1 + Size(pNode->pLeft) + Size(pNode->pRight);
    if (pNode->pLeft != nullptr)
        pNode->pLeft->pParent = pNode;
    if (pNode->pRight != nullptr)
        pNode->pRight->pParent = pNode;
}

void CQYCompListIndex::Split(Node* pNode, int nLeft, Node*& pFirst, Node*& pRest)
{
    if (pNode == nullptr) {
        pFirst = pRest = nullptr;
        return;
    }
    pNode->pParent = nullptr;
    if (Size(pNode->pLeft) < nLeft) {
        Split(pNode->pRight, nLeft - Size(pNode->pLeft) - 1, pNode->pRight, pRest);
        Update(pNode);
        pFirst = pNode;
    } else {
        Split(pNode->pLeft, nLeft, pFirst, pNode->pLeft);
        Update(pNode);
        pRest = pNode;
    }
}

CQYCompListIndex::Node* CQYCompListIndex::Merge(Node* pFirst, Node* pRest)
{
    if (pFirst == nullptr || pRest == nullptr) {
        Node* pOnly = pFirst != nullptr ? pFirst : pRest;
        if (pOnly != nullptr)
            pOnly->pParent = nullptr;
        return pOnly;
    }
    if (pFirst->nPriority > pRest->nPriority) {
        pFirst->pRight = Merge(pFirst->pRight, pRest);
        Update(pFirst);
        pFirst->pParent = nullptr;
        return pFirst;
    }
    pRest->pLeft = Merge(pFirst, pRest->pLeft);
    Update(pRest);
    pRest->pParent = nullptr;
    return pRest;
}

std::uint32_t CQYCompListIndex::NextPriority()
{
    // xorshift32: a fixed, well-spread sequence.
    m_nSeed ^= m_nSeed << 13;
    m_nSeed ^= m_nSeed >> 17;
    m_nSeed ^= m_nSeed << 5;
    return m_nSeed;
}

void CQYCompListIndex::Insert(int nIndex, POSITION position, const CQYDrawComponent* pComp)
{
    // A node the list reuses must have been forgotten first.
    Remove(position);
    Node& node = m_nodes[position];
    node = Node{};
    node.position = position;
    node.pComp = pComp;
    node.nPriority = NextPriority();
    m_holders[pComp].push_back(position);

    nIndex = std::clamp(nIndex, 0, GetCount());
    Node* pFirst = nullptr;
    Node* pRest = nullptr;
    Split(m_pRoot, nIndex, pFirst, pRest);
    m_pRoot = Merge(Merge(pFirst, &node), pRest);
}

void CQYCompListIndex::Remove(POSITION position)
{
    auto found = m_nodes.find(position);
    if (found == m_nodes.end())
        return;
    Node* pNode = &found->second;
    Node* pFirst = nullptr;
    Node* pRest = nullptr;
    Node* pSelf = nullptr;
    Node* pAfter = nullptr;
    Split(m_pRoot, IndexOf(position), pFirst, pRest);
    Split(pRest, 1, pSelf, pAfter);
    m_pRoot = Merge(pFirst, pAfter);

    auto holders = m_holders.find(pNode->pComp);
    if (holders != m_holders.end()) {
        std::vector<POSITION>& nodes = holders->second;
        nodes.erase(std::remove(nodes.begin(), nodes.end(), position), nodes.end());
        if (nodes.empty())
            m_holders.erase(holders);
    }
    m_nodes.erase(found);
}

void CQYCompListIndex::Clear()
{
    m_pRoot = nullptr;
    m_nodes.clear();
    m_holders.clear();
}

int CQYCompListIndex::IndexOf(POSITION position) const
{
    auto found = m_nodes.find(position);
    if (found == m_nodes.end())
        return -1;
    const Node* pNode = &found->second;
    int nIndex = Size(pNode->pLeft);
    for (; pNode->pParent != nullptr; pNode = pNode->pParent) {
        if (pNode->pParent->pRight == pNode)
            nIndex += Size(pNode->pParent->pLeft) + 1;
    }
    return nIndex;
}

POSITION CQYCompListIndex::At(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    const Node* pNode = m_pRoot;
    while (pNode != nullptr) {
        const int nLeft = Size(pNode->pLeft);
        if (nIndex == nLeft)
            return pNode->position;
        if (nIndex < nLeft) {
            pNode = pNode->pLeft;
        } else {
            nIndex -= nLeft + 1;
            pNode = pNode->pRight;
        }
    }
    return nullptr;
}

POSITION CQYCompListIndex::FindFirst(const CQYDrawComponent* pComp) const
{
    auto found = m_holders.find(pComp);
    if (found == m_holders.end() || found->second.empty())
        return nullptr;
    const std::vector<POSITION>& nodes = found->second;
    if (nodes.size() == 1)
        return nodes.front();
    return *std::min_element(nodes.begin(), nodes.end(),
                             [this](POSITION a, POSITION b) { return IndexOf(a) < IndexOf(b); });
}
