#include "tests/framework/object/TestClasses.h"

#include <cstring>

IMPLEMENT_SERIAL(CTestItem, CObject, 1)
IMPLEMENT_SERIAL(CTestHolder, CObject, 1)
IMPLEMENT_SERIAL(CTestOther, CObject, 1)
IMPLEMENT_SERIAL(CTestDerivedItem, CTestItem, 1)
IMPLEMENT_SERIAL(CTestVersioned, CObject, VERSIONABLE_SCHEMA | 2)
IMPLEMENT_SERIAL(CTestOwner, CObject, 1)
IMPLEMENT_DYNAMIC(CTestDynamic, CObject)
IMPLEMENT_DYNCREATE(CTestCreatable, CTestDynamic)

void CTestItem::Serialize(CArchive &ar)
{
    if (ar.IsStoring())
        ar << m_nValue << m_strName;
    else
        ar >> m_nValue >> m_strName;
}

void CTestHolder::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar << m_pOwned << m_pRef;
    } else {
        ar >> m_pOwned;
        ar >> m_pRef;
    }
}

void CTestOther::Serialize(CArchive &ar)
{
    if (ar.IsStoring())
        ar << m_byValue;
    else
        ar >> m_byValue;
}

void CTestDerivedItem::Serialize(CArchive &ar)
{
    CTestItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_wExtra;
    else
        ar >> m_wExtra;
}

void CTestVersioned::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar << m_nBase << m_nExtra;
        return;
    }
    m_nLoadedSchema = ar.GetObjectSchema();
    ar >> m_nBase;
    if (m_nLoadedSchema >= 2)
        ar >> m_nExtra;
}

int CTestOwner::s_nLive = 0;

void CTestOwner::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar << m_nValue;
        ar.WriteObject(m_pOwned);
        ar << m_nTrailer;
        return;
    }
    ar >> m_nValue;
    CObject *pOwned = ar.ReadOwnedObject(nullptr);
    delete m_pOwned;
    m_pOwned = pOwned;
    ar >> m_nTrailer;
    if (m_nTrailer < 0)
        AfxThrowArchiveException(CArchiveException::generic);
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Text(const char *lpsz)
{
    return Bytes(lpsz, lpsz + std::strlen(lpsz));
}
