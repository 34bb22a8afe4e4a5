#include "library/model/QYIUnknown.h"

IMPLEMENT_DYNAMIC(QYIUnknown, CObject)
QY_IMPLEMENT_FILE_PERSISTENCE(QYIUnknown)

void QYIUnknown::Serialize(CArchive&) {}

int QYIUnknown::AddRef()
{
    return ++m_nRefCount;
}

int QYIUnknown::Release()
{
    const int nCount = --m_nRefCount;
    if (nCount == 0)
        delete this;
    return nCount;
}
