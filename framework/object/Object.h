// The root object and its run-time class records.
//
// Every class that takes part in run-time type checks, creation by class name
// or archiving derives from CObject and carries a CRuntimeClass record made by
// one of the macro pairs below:
//
//   DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC      IsKindOf, GetRuntimeClass
//   DECLARE_DYNCREATE / IMPLEMENT_DYNCREATE  ... plus creation by class name
//   DECLARE_SERIAL / IMPLEMENT_SERIAL        ... plus archiving with a schema
//
// IMPLEMENT_xxx registers the record with the class registry from a static
// initialiser in the defining source file.  Every module is a shared library,
// so the initialiser always runs when the module is loaded; a program that
// links a module statically can call AfxRegisterClass itself.
#pragma once

#include "framework/base/WinTypes.h"

class CObject;
class CArchive;

// Schema flag: objects of a class whose schema carries this flag load from
// archives written with another schema number; the class's Serialize asks
// CArchive::GetObjectSchema for the stored one.
#define VERSIONABLE_SCHEMA (0x80000000)

// The schema of classes that cannot be archived (dynamic and dynamically
// creatable classes).
#define AFX_NONSERIAL_SCHEMA (0xFFFF)

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                  // AFX_NONSERIAL_SCHEMA when the class is not serializable
    CObject *(*m_pfnCreateObject)(); // NULL when the class is not creatable
    CRuntimeClass *m_pBaseClass;
    CRuntimeClass *m_pNextClass; // link of the class registry

    // A new object of this class, or NULL when the class is not creatable.
    CObject *CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass *pBaseClass) const;
    BOOL IsSerializable() const;

    // The registered class with this exact name, or NULL.
    static CRuntimeClass *FromName(LPCSTR lpszClassName);
    // A new object of the registered class with this name, or NULL.
    static CObject *CreateObject(LPCSTR lpszClassName);

    // The class record of an archive: WORD schema, WORD name length, name.
    void Store(CArchive &ar) const;
    // Reads a class record; NULL when the name is too long or unknown.
    static CRuntimeClass *Load(CArchive &ar, UINT *pwSchemaNum);
};

// Adds a class record to the registry (idempotent).  The IMPLEMENT_ macros
// call it; a record of the same name registered earlier keeps precedence.
void AfxRegisterClass(CRuntimeClass *pClass);

// CArchive::ReadObject, callable where only this header is included.
CObject *AfxReadObject(CArchive &ar, const CRuntimeClass *pClassRefRequested);

// Registration from a static initialiser.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass *pNewClass) { AfxRegisterClass(pNewClass); }
};

class CObject {
public:
    virtual CRuntimeClass *GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass *pClass) const;

    // Writes or reads the object's own record; the root has none.
    virtual void Serialize(CArchive &ar);
    virtual void AssertValid() const {}

    static CRuntimeClass classCObject;

protected:
    CObject() = default;

private:
    // Objects are not copied by value; classes that copy say so themselves.
    CObject(const CObject &) = delete;
    CObject &operator=(const CObject &) = delete;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// Run-time checked cast: NULL when the object is not of the class.
template <typename T>
T *AfxDynamicDownCast(CRuntimeClass *pClass, CObject *pObject)
{
    return (pObject != nullptr && pObject->IsKindOf(pClass)) ? static_cast<T *>(pObject) : nullptr;
}
#define DYNAMIC_DOWNCAST(class_name, object) (AfxDynamicDownCast<class_name>(RUNTIME_CLASS(class_name), (object)))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name *>(object))

// ASSERT_VALID checks that the pointer is set and the object's own
// AssertValid holds; ASSERT_KINDOF checks the object's run-time class.
// Both are empty in release builds, like ASSERT.
#ifndef NDEBUG
inline void AfxAssertValidObject(const CObject *pObject, const char *expression, const char *file, int line)
{
    if (pObject == nullptr)
        AfxAssertFailedLine(expression, file, line);
    pObject->AssertValid();
}
#define ASSERT_VALID(p) AfxAssertValidObject((p), #p, __FILE__, __LINE__)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#else
#define ASSERT_VALID(p) ((void)0)
#define ASSERT_KINDOF(class_name, object) ((void)0)
#endif

// ---------------------------------------------------------------------------
// Declaration macros (inside the class body)

#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
    static CRuntimeClass class##class_name;                                                                            \
    virtual CRuntimeClass *GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject *CreateObject();

#define DECLARE_SERIAL(class_name)                                                                                     \
    DECLARE_DYNCREATE(class_name)                                                                                      \
    friend CArchive &operator>>(CArchive &ar, class_name *&pOb);

// ---------------------------------------------------------------------------
// Implementation macros (in exactly one source file per class)

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                       \
    CRuntimeClass class_name::class##class_name = {#class_name, (int)sizeof(class class_name),  (UINT)(wSchema),       \
                                                   pfnNew,      RUNTIME_CLASS(base_class_name), nullptr};              \
    static const AFX_CLASSINIT afxInit_##class_name(RUNTIME_CLASS(class_name));                                        \
    CRuntimeClass *class_name::GetRuntimeClass() const                                                                 \
    {                                                                                                                  \
        return RUNTIME_CLASS(class_name);                                                                              \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                                 \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NONSERIAL_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
    CObject *class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NONSERIAL_SCHEMA, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                                         \
    CObject *class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)                         \
    CArchive &operator>>(CArchive &ar, class_name *&pOb)                                                               \
    {                                                                                                                  \
        pOb = static_cast<class_name *>(AfxReadObject(ar, RUNTIME_CLASS(class_name)));                                 \
        return ar;                                                                                                     \
    }
