// One polygon (or one line segment) of a component's hit area: its integer
// points, their bounding rectangle and the point-in-polygon test.
#pragma once

#include "framework/base/CRect.h"
#include "framework/object/Object.h"
#include "library/model/QYFilePersistence.h"

class CQYMPtArea : public CObject {
    DECLARE_SERIAL(CQYMPtArea)
public:
    CQYMPtArea();
    CQYMPtArea(const POINT* lpPoints, int nCount);
    CQYMPtArea(const CQYMPtArea& src);
    // Moving hands the point array over (arrays of areas grow this way).
    CQYMPtArea(CQYMPtArea&& src) noexcept;
    ~CQYMPtArea() override;

    void Serialize(CArchive& ar) override;
    QY_DECLARE_FILE_PERSISTENCE()

    CQYMPtArea& operator=(const CQYMPtArea& src);
    CQYMPtArea& operator=(CQYMPtArea&& src) noexcept;

    int GetCount() const { return m_nCount; }
    // Point i, or (0, 0) for an index outside the polygon.
    CPoint GetPointAt(int nIndex) const;
    const CRect& GetRect() const { return m_rect; }
    void UpdateRect();

    // TRUE when (x, y) hits the polygon.  A two-point polygon with a positive
    // tolerance is a segment hit within a band of that half-width.
    BOOL PtInPolygon(int x, int y, int nTolerance) const;

    CRect m_rect;
    LPPOINT m_lpPoints = nullptr;
    int m_nCount = 0;

private:
    void CopyPoints(const POINT* lpPoints, int nCount);
    BOOL PtInSegmentBand(int x, int y, int nTolerance) const;
    // Odd number of edges crossed by the ray from (x, y) to the right.
    BOOL CrossingTest(const POINT* lpPoints, int nCount, int x, int y, int nTolerance) const;
};
