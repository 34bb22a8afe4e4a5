// The framework's named lists: CPtrList (void*), CObList (CObject*) and
// CStringList (CString), each a CList with the block size given at
// construction (default 10).
//
// Archiving: CObList writes its count and then each object (WriteObject);
// CStringList its count and then each string; loading appends.  CPtrList
// keeps no record (its pointers mean nothing in a file).
#pragma once

#include "framework/collections/ListTemplate.h"

class CPtrList : public CList<void *, void *> {
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(int nBlockSize = 10) : CList(nBlockSize) {}
    void Serialize(CArchive &ar) override { CObject::Serialize(ar); }
};

class CObList : public CList<CObject *, CObject *> {
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(int nBlockSize = 10) : CList(nBlockSize) {}
};

class CStringList : public CList<CString, const CString &> {
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(int nBlockSize = 10) : CList(nBlockSize) {}
};
