// Object and class records of the archive.
#include "framework/object/Archive.h"

#include <cstdint>
#include <cstring>

namespace {

const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD dwBigClassTag = 0x80000000;
const DWORD nMaxMapCount = 0x3FFFFFFE;
// Class names longer than this are not read (nor accepted as classes).
const WORD nMaxClassNameLength = 64;

} // namespace

// ---------------------------------------------------------------------------
// Class records

void CRuntimeClass::Store(CArchive &ar) const
{
    WORD nLength = WORD(std::strlen(m_lpszClassName));
    ar << WORD(m_wSchema) << nLength;
    ar.Write(m_lpszClassName, nLength);
}

CRuntimeClass *CRuntimeClass::Load(CArchive &ar, UINT *pwSchemaNum)
{
    WORD wSchema;
    WORD nLength;
    ar >> wSchema >> nLength;
    *pwSchemaNum = wSchema;
    if (nLength >= nMaxClassNameLength)
        return nullptr;
    char szClassName[nMaxClassNameLength];
    if (ar.Read(szClassName, nLength) != nLength)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    // A NUL inside the name must not make it match a shorter class name.
    if (std::memchr(szClassName, '\0', nLength) != nullptr)
        return nullptr;
    szClassName[nLength] = '\0';
    return FromName(szClassName);
}

CObject *AfxReadObject(CArchive &ar, const CRuntimeClass *pClassRefRequested)
{
    return ar.ReadObject(pClassRefRequested);
}

// ---------------------------------------------------------------------------
// Index bookkeeping

DWORD CArchive::NextMapIndex()
{
    if (m_nMapCount >= nMaxMapCount)
        ThrowArchive(CArchiveException::badIndex);
    return m_nMapCount++;
}

void CArchive::RememberLoaded(void *pointer, bool bClass, UINT nSchema)
{
    NextMapIndex();
    m_loadArray.push_back(LoadEntry{pointer, nSchema, bClass, false});
}

void CArchive::WriteTag(DWORD nIndex, bool bClass)
{
    if (nIndex < wBigObjectTag) {
        *this << WORD(bClass ? (wClassTag | nIndex) : nIndex);
    } else {
        *this << wBigObjectTag;
        *this << DWORD(bClass ? (dwBigClassTag | nIndex) : nIndex);
    }
}

void CArchive::SetStoreParams(UINT nHashSize, UINT)
{
    m_storeMap.Reserve(nHashSize);
}

void CArchive::SetLoadParams(UINT nGrowBy)
{
    m_loadArray.reserve(m_loadArray.size() + nGrowBy);
}

void CArchive::MapObject(const CObject *pOb)
{
    if (IsStoring()) {
        if (m_storeMap.Find(pOb) == 0)
            m_storeMap.Insert(pOb, NextMapIndex());
    } else {
        RememberLoaded(const_cast<CObject *>(pOb), false, 0);
    }
}

// ---------------------------------------------------------------------------
// Storing

void CArchive::WriteClass(const CRuntimeClass *pClassRef)
{
    if (!IsStoring())
        ThrowReadOnly();
    if (pClassRef == nullptr || !pClassRef->IsSerializable())
        AfxThrowNotSupportedException();
    if (const DWORD nIndex = m_storeMap.Find(pClassRef)) {
        WriteTag(nIndex, true);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    m_storeMap.Insert(pClassRef, NextMapIndex());
}

void CArchive::WriteObject(const CObject *pOb)
{
    if (!IsStoring())
        ThrowReadOnly();
    if (pOb == nullptr) {
        *this << wNullTag;
        return;
    }
    if (const DWORD nIndex = m_storeMap.Find(pOb)) {
        WriteTag(nIndex, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    // Indexed before its record, so objects it refers to can refer back.
    m_storeMap.Insert(pOb, NextMapIndex());
    const_cast<CObject *>(pOb)->Serialize(*this);
}

void CArchive::SerializeClass(const CRuntimeClass *pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

// ---------------------------------------------------------------------------
// Loading

CRuntimeClass *CArchive::ReadClass(const CRuntimeClass *pClassRefRequested, UINT *pSchema, DWORD *pObTag)
{
    if (!IsLoading())
        ThrowWriteOnly();

    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = (DWORD(wTag & wClassTag) << 16) | DWORD(wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag)) {
        // An object reference where a class was expected.
        if (pObTag == nullptr)
            ThrowArchive(CArchiveException::badIndex);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass *pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == nullptr || !pClassRef->IsSerializable())
            ThrowArchive(CArchiveException::badClass);
        UINT nOwnSchema = pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA;
        if (nOwnSchema != nSchema && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            ThrowArchive(CArchiveException::badSchema);
        RememberLoaded(pClassRef, true, nSchema);
    } else {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() || !m_loadArray[nClassIndex].isClass)
            ThrowArchive(CArchiveException::badIndex);
        pClassRef = static_cast<CRuntimeClass *>(m_loadArray[nClassIndex].pointer);
        nSchema = m_loadArray[nClassIndex].schema;
    }

    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        ThrowArchive(CArchiveException::badClass);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    return pClassRef;
}

CObject *CArchive::LoadedObjectAt(DWORD nIndex, const CRuntimeClass *pClassRefRequested)
{
    if (nIndex == wNullTag)
        return nullptr;
    if (nIndex >= m_loadArray.size())
        ThrowArchive(CArchiveException::badIndex);
    LoadEntry &entry = m_loadArray[nIndex];
    if (entry.isClass || entry.isLost)
        ThrowArchive(CArchiveException::badIndex);
    ++entry.nReferences;
    m_nLastReference = nIndex;
    CObject *pOb = static_cast<CObject *>(entry.pointer);
    if (pOb != nullptr && pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
        ThrowArchive(CArchiveException::badClass);
    return pOb;
}

CObject *CArchive::LoadNewObject(CRuntimeClass *pClassRef, UINT nSchema, bool bOwned)
{
    if (m_nLoadNesting >= kMaxObjectNesting)
        ThrowArchive(CArchiveException::badIndex);
    CObject *pOb = pClassRef->CreateObject();
    if (pOb == nullptr)
        return nullptr;
    const size_t nIndex = m_loadArray.size();
    try {
        // Indexed before its record, so objects inside can refer back.
        RememberLoaded(pOb, false, 0);
    } catch (...) {
        delete pOb;
        throw;
    }
    m_loadArray[nIndex].isOwned = bOwned;
    m_loadArray[nIndex].nRecordEnd = SIZE_MAX;
    const UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    ++m_nLoadNesting;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        // Nobody has received the object yet: it is deleted here with what
        // was created for it, and a later reference to it is a format error.
        --m_nLoadNesting;
        m_nObjectSchema = nSchemaSave;
        DeleteLoadedEntry(nIndex);
        throw;
    }
    --m_nLoadNesting;
    m_nObjectSchema = nSchemaSave;
    m_loadArray[nIndex].nRecordEnd = m_loadArray.size();
    return pOb;
}

CObject *CArchive::ReadObject(const CRuntimeClass *pClassRefRequested)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass *pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClassRef == nullptr)
        return LoadedObjectAt(obTag, pClassRefRequested);
    CObject *pOb = LoadNewObject(pClassRef, nSchema, false);
    if (pOb == nullptr)
        AfxThrowMemoryException();
    return pOb;
}

CArchive &operator<<(CArchive &ar, const CObject *pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive &operator>>(CArchive &ar, CObject *&pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive &operator>>(CArchive &ar, const CObject *&pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}
