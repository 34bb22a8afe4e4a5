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
    int m_nRefCount = 0;
};
