// Who holds the objects a load creates, so that a failed load frees all it
// made and a collection that lets go of an object (a repeated map key)
// frees it unless something else still refers to it.  The framework's
// object collections do not own their elements, so the archive keeps the
// account while it loads: the objects created for each collection, the
// references each collection took, and how many references each object got.
// Objects read for one owner (ReadOwnedObject) are freed by that owner; the
// archive only makes sure that no entry hands them out once they are gone.
#include "framework/object/Archive.h"

#include <algorithm>
#include <vector>

CObject *CArchive::ReadElementObject(const CObject *pHolder, const CRuntimeClass *pClassRefRequested, BOOL *pbCreated)
{
    const size_t nBefore = m_loadArray.size();
    CObject *pOb = ReadObject(pClassRefRequested);
    // A reference to an object read earlier adds no entry.
    const bool bCreated = pOb != nullptr && m_loadArray.size() != nBefore;
    if (pbCreated != nullptr)
        *pbCreated = bCreated;
    if (pOb == nullptr || pHolder == nullptr)
        return pOb;
    if (!bCreated) {
        ++m_loadRefs[pHolder][m_nLastReference];
        return pOb;
    }
    // Created here: its entry follows at most one new class entry.
    for (size_t nIndex = nBefore; nIndex < nBefore + 2 && nIndex < m_loadArray.size(); ++nIndex) {
        LoadEntry &entry = m_loadArray[nIndex];
        if (!entry.isClass && entry.pointer == pOb) {
            entry.pCreatedFor = pHolder;
            m_loadHeld[pHolder].push_back(nIndex);
            break;
        }
    }
    return pOb;
}

CObject *CArchive::ReadOwnedObject(const CRuntimeClass *pClassRefRequested, const CRuntimeClass *pClassRefRefused)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass *pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClassRef == nullptr) {
        // A reference to an object read before would give it a second owner.
        if (obTag != 0)
            ThrowArchive(CArchiveException::badIndex);
        return nullptr;
    }
    if (pClassRefRefused != nullptr && pClassRef->IsDerivedFrom(pClassRefRefused))
        ThrowArchive(CArchiveException::badClass);
    CObject *pOb = LoadNewObject(pClassRef, nSchema, true);
    if (pOb == nullptr)
        ThrowArchive(CArchiveException::badClass);
    return pOb;
}

size_t CArchive::LoadedIndexOf(const CObject *pOb)
{
    for (; m_nLoadIndexed < m_loadArray.size(); ++m_nLoadIndexed) {
        const LoadEntry &entry = m_loadArray[m_nLoadIndexed];
        if (!entry.isClass && entry.pointer != nullptr)
            m_loadIndex[static_cast<const CObject *>(entry.pointer)] = m_nLoadIndexed;
    }
    auto found = m_loadIndex.find(pOb);
    if (found == m_loadIndex.end())
        return 0;
    const LoadEntry &entry = m_loadArray[found->second];
    // An entry whose object was deleted (its address may be in use again).
    return entry.isLost || entry.pointer != pOb ? 0 : found->second;
}

void CArchive::DeleteLoadedObject(CObject *pOb)
{
    if (pOb == nullptr)
        return;
    const size_t nIndex = LoadedIndexOf(pOb);
    if (nIndex != 0) {
        DeleteLoadedEntry(nIndex);
        return;
    }
    // Not made by this archive: nothing was noted for it.
    delete pOb;
}

bool CArchive::IsReferredFromOutside(size_t nIndex) const
{
    const LoadEntry &entry = m_loadArray[nIndex];
    if (entry.nReferences == 0)
        return false;
    // References from inside its own objects (a list that holds its owner)
    // cannot keep it: nothing outside reaches them but through it.
    UINT nInside = 0;
    std::vector<size_t> pending{nIndex};
    while (!pending.empty()) {
        const size_t nNode = pending.back();
        pending.pop_back();
        const auto *pNode = static_cast<const CObject *>(m_loadArray[nNode].pointer);
        auto refs = m_loadRefs.find(pNode);
        if (refs != m_loadRefs.end()) {
            auto count = refs->second.find(nIndex);
            if (count != refs->second.end())
                nInside += count->second;
        }
        auto held = m_loadHeld.find(pNode);
        if (held == m_loadHeld.end())
            continue;
        for (size_t nChild : held->second) {
            const LoadEntry &child = m_loadArray[nChild];
            if (!child.isLost && child.pCreatedFor == pNode)
                pending.push_back(nChild);
        }
    }
    return entry.nReferences > nInside;
}

void CArchive::DropElementObject(const CObject *pHolder, CObject *pOb)
{
    const size_t nIndex = pOb != nullptr ? LoadedIndexOf(pOb) : 0;
    if (nIndex == 0)
        return;
    // A reference the collection took goes first: the collection may hold
    // the object both ways, and what is left of its holding is the same.
    auto refs = m_loadRefs.find(pHolder);
    if (refs != m_loadRefs.end()) {
        auto count = refs->second.find(nIndex);
        if (count != refs->second.end()) {
            if (--count->second == 0)
                refs->second.erase(count);
            ReleaseReference(nIndex);
            return;
        }
    }
    LoadEntry &entry = m_loadArray[nIndex];
    if (entry.pCreatedFor != pHolder)
        return;
    entry.pCreatedFor = nullptr;
    entry.isOrphan = true;
    if (!IsReferredFromOutside(nIndex))
        DeleteLoadedEntry(nIndex);
}

void CArchive::ReleaseReference(size_t nIndex)
{
    LoadEntry &entry = m_loadArray[nIndex];
    if (entry.isLost || entry.nReferences == 0)
        return;
    --entry.nReferences;
    if (entry.isOrphan && !IsReferredFromOutside(nIndex))
        DeleteLoadedEntry(nIndex);
}

void CArchive::DeleteLoadedEntry(size_t nIndex)
{
    LoadEntry &entry = m_loadArray[nIndex];
    if (entry.isClass || entry.isLost || entry.pointer == nullptr)
        return;
    auto *pOb = static_cast<CObject *>(entry.pointer);
    entry.pointer = nullptr;
    entry.isLost = true;
    // The references it took go first: an object it referred to may be
    // waiting for its last reference to go.
    auto refs = m_loadRefs.find(pOb);
    if (refs != m_loadRefs.end()) {
        const std::unordered_map<size_t, UINT> taken = std::move(refs->second);
        m_loadRefs.erase(refs);
        for (const auto &[nReferred, nCount] : taken) {
            for (UINT i = 0; i < nCount; ++i)
                ReleaseReference(nReferred);
        }
    }
    // The objects created for it go with it, unless something else still
    // refers to them; they are deleted when that lets go.  Created after
    // their holder, so the recursion always moves forward.
    auto held = m_loadHeld.find(pOb);
    if (held != m_loadHeld.end()) {
        const std::vector<size_t> created = std::move(held->second);
        m_loadHeld.erase(held);
        for (size_t nChild : created) {
            LoadEntry &child = m_loadArray[nChild];
            if (child.isLost || child.pCreatedFor != pOb)
                continue;
            child.pCreatedFor = nullptr;
            child.isOrphan = true;
            if (!IsReferredFromOutside(nChild))
                DeleteLoadedEntry(nChild);
        }
    }
    delete pOb;
    ForgetOwnedObjectsOf(nIndex);
}

void CArchive::ForgetOwnedObjectsOf(size_t nIndex)
{
    // The owned objects read inside its record went with it: its destructor
    // or its record's own cleanup deleted them, outside the archive's view,
    // so their entries must not hand out their addresses any more.  Only the
    // entries are dropped: what the owned objects held was their owner's to
    // free.  A record whose owned objects were forgotten before is skipped
    // whole, so a failure that unwinds many nested records looks at each
    // entry once.
    LoadEntry &entry = m_loadArray[nIndex];
    const size_t nEnd = std::max(nIndex + 1, std::min(entry.nRecordEnd, m_loadArray.size()));
    entry.nRecordEnd = nEnd;
    entry.isOwnedForgotten = true;
    for (size_t nInner = nIndex + 1; nInner < nEnd; ++nInner) {
        LoadEntry &inner = m_loadArray[nInner];
        if (inner.isOwnedForgotten) {
            nInner = inner.nRecordEnd - 1;
            continue;
        }
        if (inner.isOwned && !inner.isLost) {
            inner.pointer = nullptr;
            inner.isLost = true;
        }
    }
}
