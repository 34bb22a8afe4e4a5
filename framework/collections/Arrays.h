// The framework's named arrays, each a CArray with the framework's growth
// rule: CByteArray, CWordArray, CDWordArray, CUIntArray, CPtrArray, CObArray
// and CStringArray.
//
// Archiving writes the count and then the elements: bytes, WORDs and DWORDs
// little-endian, strings as string records, objects through WriteObject.
// CUIntArray and CPtrArray keep no record.
#pragma once

#include "framework/collections/ArrayTemplate.h"

class CByteArray : public CArray<BYTE, BYTE> {
    DECLARE_SERIAL(CByteArray)
};

class CWordArray : public CArray<WORD, WORD> {
    DECLARE_SERIAL(CWordArray)
};

class CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_SERIAL(CDWordArray)
};

class CUIntArray : public CArray<UINT, UINT> {
    DECLARE_DYNAMIC(CUIntArray)
public:
    void Serialize(CArchive &ar) override { CObject::Serialize(ar); }
};

class CPtrArray : public CArray<void *, void *> {
    DECLARE_DYNAMIC(CPtrArray)
public:
    void Serialize(CArchive &ar) override { CObject::Serialize(ar); }
};

class CObArray : public CArray<CObject *, CObject *> {
    DECLARE_SERIAL(CObArray)
};

class CStringArray : public CArray<CString, const CString &> {
    DECLARE_SERIAL(CStringArray)
};
