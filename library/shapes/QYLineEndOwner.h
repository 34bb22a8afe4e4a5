// The line-end operations that the link, the line and the Bézier line share
// member for member, written once over the owner's four members.
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

// The line-end accessors of the line, the link and the Bézier line, written
// once over the owner's public members m_pStartArrow, m_pEndArrow,
// m_nStartArrowType and m_nEndArrowType (the owner keeps them, so its
// members and record stay its own).
template <class Owner>
class QYLineEndAccess {
public:
    // The setters delete the line end they replace; NULL (and the removers)
    // reset the arrow type to 0.
    virtual void SetEndArrow(CQYBaseEndObject* pEnd) { LineEndSlots().SetEnd(pEnd); }
    virtual CQYBaseEndObject* GetEndArrow() { return Self().m_pEndArrow; }
    virtual void SetStartArrow(CQYBaseEndObject* pStart) { LineEndSlots().SetStart(pStart); }
    virtual CQYBaseEndObject* GetStartArrow() { return Self().m_pStartArrow; }
    virtual void RemoveEndArrow() { LineEndSlots().RemoveEnd(); }
    virtual void RemoveStartArrow() { LineEndSlots().RemoveStart(); }
    virtual int GetStartArrowType() { return Self().m_nStartArrowType; }
    virtual void SetStartArrowType(const int& nType)
    {
        Self().m_nStartArrowType = nType;
        CreateStartArrow(nType);
    }
    virtual int GetEndArrowType() { return Self().m_nEndArrowType; }
    virtual void SetEndArrowType(const int& nType)
    {
        Self().m_nEndArrowType = nType;
        CreateEndArrow(nType);
    }
    // The line end of the code (1-39) in place of the old one; 0 and codes
    // above 39 keep the code and create nothing.  The code is copied first:
    // the reference may name the type member that removing resets.
    virtual void CreateEndArrow(const int& nType) { LineEndSlots().CreateEnd(int(nType)); }
    virtual void CreateStartArrow(const int& nType) { LineEndSlots().CreateStart(int(nType)); }

protected:
    QYLineEndAccess() = default;
    QYLineEndAccess(const QYLineEndAccess&) = default;
    QYLineEndAccess& operator=(const QYLineEndAccess&) = default;
    ~QYLineEndAccess() = default;

    QYLineEndSlots LineEndSlots()
    {
        Owner& owner = Self();
        return QYLineEndSlots{owner.m_pStartArrow, owner.m_pEndArrow, owner.m_nStartArrowType, owner.m_nEndArrowType};
    }

private:
    Owner& Self() { return static_cast<Owner&>(*this); }
};
