// The framework's named maps, each a CMap with the block size given at
// construction (default 10), a table of 17 buckets unless InitHashTable says
// otherwise, and the framework's key hashing (see ElementTraits.h):
// CMapStringToPtr, CMapStringToOb, CMapStringToString, CMapPtrToPtr and
// CMapWordToPtr.
//
// Archiving: CMapStringToString writes its count and then each key and value
// string; CMapStringToOb its count and then each key string and object, in
// visiting order.  The pointer-valued maps keep no record.
#pragma once

#include "framework/collections/MapTemplate.h"

class CMapStringToPtr : public CMap<CString, LPCTSTR, void *, void *> {
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(int nBlockSize = 10) : CMap(nBlockSize) {}
    void Serialize(CArchive &ar) override { CObject::Serialize(ar); }
};

class CMapStringToOb : public CMap<CString, LPCTSTR, CObject *, CObject *> {
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(int nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapStringToString : public CMap<CString, LPCTSTR, CString, const CString &> {
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(int nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapPtrToPtr : public CMap<void *, void *, void *, void *> {
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(int nBlockSize = 10) : CMap(nBlockSize) {}
    void Serialize(CArchive &ar) override { CObject::Serialize(ar); }
};

class CMapWordToPtr : public CMap<WORD, WORD, void *, void *> {
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(int nBlockSize = 10) : CMap(nBlockSize) {}
    void Serialize(CArchive &ar) override { CObject::Serialize(ar); }
};
