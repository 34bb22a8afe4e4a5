// Small run-time classes shared by the object tests.
#pragma once

#include <vector>

#include "framework/object/Archive.h"
#include "framework/object/Object.h"

// A serializable leaf: a number and a name.
class CTestItem : public CObject {
    DECLARE_SERIAL(CTestItem)
public:
    CTestItem() = default;
    CTestItem(int nValue, LPCTSTR lpszName) : m_nValue(nValue), m_strName(lpszName) {}
    void Serialize(CArchive &ar) override;

    int m_nValue = 0;
    CString m_strName;
};

// Holds one owned object (deleted with the holder) and one reference that it
// does not own, so graphs with shared objects and cycles can be built.
class CTestHolder : public CObject {
    DECLARE_SERIAL(CTestHolder)
public:
    CTestHolder() = default;
    ~CTestHolder() override { delete m_pOwned; }
    void Serialize(CArchive &ar) override;

    CObject *m_pOwned = nullptr;
    CObject *m_pRef = nullptr;
};

// A serializable class of another family (for wrong-class checks).
class CTestOther : public CObject {
    DECLARE_SERIAL(CTestOther)
public:
    void Serialize(CArchive &ar) override;
    BYTE m_byValue = 0;
};

// A derived serializable class.
class CTestDerivedItem : public CTestItem {
    DECLARE_SERIAL(CTestDerivedItem)
public:
    void Serialize(CArchive &ar) override;
    WORD m_wExtra = 0;
};

// Versionable at schema 2: schema 1 records lack the extra field.
class CTestVersioned : public CObject {
    DECLARE_SERIAL(CTestVersioned)
public:
    void Serialize(CArchive &ar) override;
    int m_nBase = 0;
    int m_nExtra = 0;
    UINT m_nLoadedSchema = 0;
};

// Owns one object read through CArchive::ReadOwnedObject (deleted with the
// owner) between two numbers, and counts its live instances, so tests can
// see that a failed load leaves none behind.  Loading refuses a negative
// trailer (generic), after the owned object has been read and taken.
class CTestOwner : public CObject {
    DECLARE_SERIAL(CTestOwner)
public:
    CTestOwner() { ++s_nLive; }
    CTestOwner(int nValue, CObject *pOwned, int nTrailer = 0) : CTestOwner()
    {
        m_nValue = nValue;
        m_pOwned = pOwned;
        m_nTrailer = nTrailer;
    }
    ~CTestOwner() override
    {
        delete m_pOwned;
        --s_nLive;
    }
    void Serialize(CArchive &ar) override;

    int m_nValue = 0;
    CObject *m_pOwned = nullptr;
    int m_nTrailer = 0;
    static int s_nLive;
};

// Run-time type information only.
class CTestDynamic : public CObject {
    DECLARE_DYNAMIC(CTestDynamic)
};

// Creatable by name, not serializable.
class CTestCreatable : public CTestDynamic {
    DECLARE_DYNCREATE(CTestCreatable)
};

typedef std::vector<BYTE> Bytes;

// The bytes an archive writes when fnStore runs on it.
template <typename Fn>
Bytes StoreBytes(Fn fnStore, int nBufSize = 4096)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, nBufSize);
        fnStore(ar);
        ar.Close();
    }
    Bytes bytes(size_t(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

// Runs fnLoad on a loading archive over the bytes.
template <typename Fn>
void LoadBytes(const Bytes &bytes, Fn fnLoad, int nBufSize = 4096)
{
    CMemFile file(const_cast<BYTE *>(bytes.data()), UINT(bytes.size()));
    CArchive ar(&file, CArchive::load, nBufSize);
    fnLoad(ar);
}

// The cause of the CArchiveException that fn throws, or -1 for none.
template <typename Fn>
int ArchiveCauseOf(Fn fn)
{
    try {
        fn();
    } catch (CArchiveException *e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

// Bytes from a list of byte values and strings, for hand-made archives.
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Text(const char *lpsz);
