// CGdiObject: the owner of one drawing-object handle. Attaching a handle
// registers the wrapper, so FromHandle finds it again; a handle with no
// wrapper gets a temporary one that lives until DeleteTempMap (idle time).
// The destructor deletes the handle it owns.
#pragma once

#include "framework/gdi/GdiStructs.h"

class CGdiObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject &) = delete;
    CGdiObject &operator=(const CGdiObject &) = delete;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    // The wrapper of a handle: the attached object if one exists, else a
    // temporary wrapper of the handle's kind. NULL for an unknown handle.
    static CGdiObject *FromHandle(HGDIOBJ hObject);
    // Frees every temporary wrapper (the framework calls this at idle time).
    static void DeleteTempMap();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();
    // Copies the object's logical description (LOGPEN, EXTLOGPEN, LOGBRUSH,
    // LOGFONT, BITMAP); with lpObject NULL returns the size needed.
    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;

    bool operator==(const CGdiObject &obj) const { return m_hObject == obj.m_hObject; }
    bool operator!=(const CGdiObject &obj) const { return m_hObject != obj.m_hObject; }

protected:
    // Replaces whatever this wrapper holds by a freshly created handle.
    BOOL AttachNew(HGDIOBJ hObject);
};

// The plain-function forms.
HGDIOBJ GetStockObject(int nIndex);
BOOL DeleteObject(HGDIOBJ hObject);
int GetObject(HGDIOBJ hObject, int nCount, LPVOID lpObject);
DWORD GetObjectType(HGDIOBJ hObject);
