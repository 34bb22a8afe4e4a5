// The line-end operations that the line and the Bézier line repeat member
// for member from the link, written once over the owner's four members.
#pragma once

#include "library/shapes/QYLineEnds.h"

class CArchive;

struct QYLineEndSlots {
    CQYBaseEndObject*& pStart;
    CQYBaseEndObject*& pEnd;
    int& nStartType;
    int& nEndType;

    // The setters delete what they replace; NULL resets the type to 0.
    void SetStart(CQYBaseEndObject* pNew);
    void SetEnd(CQYBaseEndObject* pNew);
    void RemoveStart();
    void RemoveEnd();
    void CreateStart(int nType);
    void CreateEnd(int nType);
    // Both types, then both line ends as object references.
    void Store(CArchive& ar) const;
    // Reads the same; nothing changes on a bad record.
    void Load(CArchive& ar);
    // Copies of the source's line ends, or none.
    void CopyFrom(const CQYBaseEndObject* pSrcStart, const CQYBaseEndObject* pSrcEnd);
    void DeleteBoth();
};
