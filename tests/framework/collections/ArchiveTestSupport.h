// Archiving collections to and from bytes in memory, and a small
// serializable element class.
#pragma once

#include "framework/object/Archive.h"
#include "framework/object/Object.h"

#include <vector>

typedef std::vector<BYTE> Bytes;

// The bytes an object's Serialize writes.
Bytes StoreToBytes(CObject &object);
// Loads the object from the bytes; exceptions pass through.
void LoadFromBytes(CObject &object, const Bytes &bytes);
// The cause of the CArchiveException that loading raises, or -1 when it
// loads without one.
int LoadFailureCause(CObject &object, const Bytes &bytes);

// An archived element: its record is one WORD (schema 1).
class CCollectionItem : public CObject {
    DECLARE_SERIAL(CCollectionItem)
public:
    CCollectionItem() = default;
    explicit CCollectionItem(WORD nValue) : m_nValue(nValue) {}
    void Serialize(CArchive &ar) override;
    WORD m_nValue = 0;
};

// Another archived class (no record of its own).
class COtherItem : public CObject {
    DECLARE_SERIAL(COtherItem)
};
