// What the factory knows of each type code: the class it makes (by its
// run-time class name, so that the classes of other libraries are found once
// they are loaded), the string that names its components, and the size a
// dropped component gets when the given rectangle is too small.
#pragma once

#include "framework/base/CRect.h"
#include "framework/base/CString.h"

struct QY_COMP_TYPE_INFO {
    int nType;
    LPCSTR lpszClassName; // NULL: made by an operation of its own, not by code
    UINT nNamePatternId;
    // The default extent around the drop point: before and after it on x,
    // above and below it on y (all 0 when the given rectangle is kept).
    int nBeforeX, nAfterX, nAboveY, nBelowY;
};

// The row of a type code, or NULL for codes the table does not list.
const QY_COMP_TYPE_INFO* QYFindCompTypeInfo(int nType);
// The name pattern of a code ("Custom%u" for every code without its own).
CString QYLoadCompNamePattern(int nType);
// The rectangle the factory uses for a drop: normalised, and replaced by the
// type's default size around the given first corner when it is empty or at
// most 10 wide and less than 20 high.
CRect QYDropRectForType(int nType, const CRect& rect);
