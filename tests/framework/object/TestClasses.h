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

// Bytes from a list of byte values and strings, for hand-made archives.
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Text(const char *lpsz);
