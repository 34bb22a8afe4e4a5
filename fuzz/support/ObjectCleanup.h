// Frees what a fuzzed load handed back: the object and, for the
// framework's object collections (which do not own their elements), every
// object they hold, each once, however the records made them refer to one
// another (an array may hold itself, two maps may share a value).
#pragma once

#include "framework/collections/Collections.h"
#include "framework/object/Object.h"

#include <unordered_set>
#include <vector>

inline void DeleteObjectTree(CObject *pRoot)
{
    std::unordered_set<CObject *> seen;
    std::vector<CObject *> pending{pRoot};
    std::vector<CObject *> order;
    while (!pending.empty()) {
        CObject *pObject = pending.back();
        pending.pop_back();
        if (pObject == nullptr || !seen.insert(pObject).second)
            continue;
        order.push_back(pObject);
        if (auto *pArray = dynamic_cast<CObArray *>(pObject)) {
            for (INT_PTR i = 0; i < pArray->GetSize(); ++i)
                pending.push_back(pArray->GetAt(i));
        } else if (auto *pList = dynamic_cast<CObList *>(pObject)) {
            for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
                pending.push_back(pList->GetNext(pos));
        } else if (auto *pMap = dynamic_cast<CMapStringToOb *>(pObject)) {
            for (POSITION pos = pMap->GetStartPosition(); pos != nullptr;) {
                CString key;
                CObject *pValue = nullptr;
                pMap->GetNextAssoc(pos, key, pValue);
                pending.push_back(pValue);
            }
        }
    }
    for (CObject *pObject : order)
        delete pObject;
}
