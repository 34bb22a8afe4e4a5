// The root of every component: a run-time-class object with a reference
// count, so that lists, commands, selections and links can share one
// component and the last holder deletes it.
#pragma once

#include "framework/object/Object.h"
#include "library/model/QYFilePersistence.h"

class QYIUnknown : public CObject {
    DECLARE_DYNAMIC(QYIUnknown)
public:
    ~QYIUnknown() override = default;

    // Does nothing here; persistent subclasses write their own record.
    void Serialize(CArchive& ar) override;
    QY_DECLARE_FILE_PERSISTENCE()

    // Count + 1; the new count.
    int AddRef();
    // Count - 1; deletes the object when the count reaches 0 and returns 0.
    // A count that was already 0 goes to -1 and the object stays.
    int Release();

    int GetRefCount() const { return m_nRefCount; }

protected:
    QYIUnknown() = default;

private:
    friend class CQYLoadingHold;
    int m_nRefCount = 0;
};

// Holds one extra count on an object while it reads its own record.  A
// record may name the object again from inside (a list that refers back to
// it); when a later part of the record is bad, that list lets go of it on
// the way out, and without the hold the count would reach 0 and delete the
// object in the middle of its own loading.  The hold is given back without
// deleting: whoever is reading the object still decides what becomes of it.
class CQYLoadingHold {
public:
    explicit CQYLoadingHold(QYIUnknown* pObject) : m_pObject(pObject) { ++m_pObject->m_nRefCount; }
    ~CQYLoadingHold() { --m_pObject->m_nRefCount; }
    CQYLoadingHold(const CQYLoadingHold&) = delete;
    CQYLoadingHold& operator=(const CQYLoadingHold&) = delete;

private:
    QYIUnknown* m_pObject;
};
