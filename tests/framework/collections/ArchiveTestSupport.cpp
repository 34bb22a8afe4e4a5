#include "ArchiveTestSupport.h"

#include "framework/object/Exceptions.h"
#include "framework/object/File.h"

IMPLEMENT_SERIAL(CCollectionItem, CObject, 1)
IMPLEMENT_SERIAL(COtherItem, CObject, 1)

void CCollectionItem::Serialize(CArchive &ar)
{
    if (ar.IsStoring())
        ar << m_nValue;
    else
        ar >> m_nValue;
}

Bytes StoreToBytes(CObject &object)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    object.Serialize(ar);
    ar.Close();
    const BYTE *pData = file.GetBufferData();
    return Bytes(pData, pData + file.GetLength());
}

void LoadFromBytes(CObject &object, const Bytes &bytes)
{
    Bytes copy(bytes);
    CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
    CArchive ar(&file, CArchive::load);
    object.Serialize(ar);
    ar.Close();
}

int LoadFailureCause(CObject &object, const Bytes &bytes)
{
    try {
        LoadFromBytes(object, bytes);
    } catch (CArchiveException *e) {
        int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}
