// Run-time class records, the class registry and the root object.
#include "framework/object/Object.h"

#include <cstring>
#include <mutex>

#include "framework/object/Archive.h"

CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), AFX_NONSERIAL_SCHEMA, nullptr, nullptr,
                                       nullptr};
static const AFX_CLASSINIT afxInit_CObject(RUNTIME_CLASS(CObject));

namespace {

// The registry is a singly linked list through m_pNextClass, newest last so
// that the first registration of a name wins.  Registration happens from
// static initialisers of every module, hence the function-local state.
struct ClassRegistry {
    std::mutex mutex;
    CRuntimeClass *pFirst = nullptr;
    CRuntimeClass *pLast = nullptr;
};

ClassRegistry &Registry()
{
    static ClassRegistry registry;
    return registry;
}

} // namespace

void AfxRegisterClass(CRuntimeClass *pClass)
{
    if (pClass == nullptr)
        return;
    ClassRegistry &registry = Registry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    for (CRuntimeClass *p = registry.pFirst; p != nullptr; p = p->m_pNextClass) {
        if (p == pClass)
            return;
    }
    pClass->m_pNextClass = nullptr;
    if (registry.pLast == nullptr)
        registry.pFirst = pClass;
    else
        registry.pLast->m_pNextClass = pClass;
    registry.pLast = pClass;
}

CRuntimeClass *CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    ClassRegistry &registry = Registry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    for (CRuntimeClass *p = registry.pFirst; p != nullptr; p = p->m_pNextClass) {
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    }
    return nullptr;
}

CObject *CRuntimeClass::CreateObject()
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

CObject *CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass *pClass = FromName(lpszClassName);
    return pClass != nullptr ? pClass->CreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass *pBaseClass) const
{
    for (const CRuntimeClass *p = this; p != nullptr; p = p->m_pBaseClass) {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

BOOL CRuntimeClass::IsSerializable() const
{
    return m_wSchema != AFX_NONSERIAL_SCHEMA && m_pfnCreateObject != nullptr;
}

CRuntimeClass *CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->IsSerializable();
}

BOOL CObject::IsKindOf(const CRuntimeClass *pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

void CObject::Serialize(CArchive &) {}
