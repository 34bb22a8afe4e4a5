// What the factory asks of a component it has just made, beyond creating
// it: picture classes load their file, label classes lay out their text.
// The classes implement what applies to them; the rest does nothing.
#pragma once

#include "framework/base/CString.h"

class CDC;
class CQYDrawComponent;

class CQYFactoryProduct {
public:
    virtual ~CQYFactoryProduct() = default;

    // FALSE (and no picture) when the file cannot be read.
    virtual BOOL LoadImageFile(CString strPath) { return FALSE; }
    // Fits the component to its text (pDC NULL: a memory DC is used).
    virtual void AutoSize(CDC* pDC) {}
};

// The factory side of a component, or NULL.
CQYFactoryProduct* QYGetFactoryProduct(CQYDrawComponent* pComp);
