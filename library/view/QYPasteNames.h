// Unique names for pasted components.  A pasted component gets the first
// name of its type's pattern ("RECTANGLE%u", n = 1, 2, ...) that no
// component of the page holds and no component pasted before it took.
// Each pattern's search goes on from the number it gave last, since the
// names before it stay taken: a paste of many components stays linear.
#pragma once

#include "framework/base/CString.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

class CQYCompList;

class CQYPasteNames {
public:
    // The names the page's components hold are taken.
    explicit CQYPasteNames(CQYCompList& listPage);

    // The next free name for the type; it is taken from now on.
    CString Take(int nType);

private:
    std::unordered_set<std::string> m_taken;
    // Per pattern, the number its next search starts from.
    std::unordered_map<std::string, unsigned> m_next;
};
