// A component's hit area: an ordered set of polygons and segments with
// their combined bounding rectangle, built from a polygon, a polyline or a
// cubic Bézier figure.
#pragma once

#include "framework/collections/Arrays.h"
#include "library/model/QYMPtArea.h"

typedef CArray<CPoint, CPoint> CQYPointArray;

class CQYArea : public CObject {
    DECLARE_SERIAL(CQYArea)
public:
    CQYArea();
    CQYArea(const CQYArea& src);
    ~CQYArea() override;

    void Serialize(CArchive& ar) override;
    QY_DECLARE_FILE_PERSISTENCE()

    virtual void BuildBezierArea(const POINT* lpPoints, int nCount);
    virtual void BuildBezierLineArea(const POINT* lpPoints, int nCount);
    virtual void BuildPolygonArea(const POINT* lpPoints, int nCount);
    virtual void BuildPolyLineArea(const POINT* lpPoints, int nCount);
    // Flattens consecutive cubic pieces (start, then control, control, end
    // triples) into pOut; two points or fewer pass unchanged.
    virtual void FlattenBezier(CQYPointArray* pOut, const POINT* lpPoints, int nCount);
    virtual void SubdivideBezier(CQYPointArray* pOut, float x0, float y0, float x1, float y1, float x2, float y2,
                                 float x3, float y3);

    CQYArea& operator=(const CQYArea& src);
    void Append(const CQYArea& src);
    void RemoveAll();

    int GetCount() const { return static_cast<int>(m_arPolygons.GetSize()); }
    const CQYMPtArea& GetAt(int nIndex) const { return m_arPolygons[nIndex]; }
    // Recomputes the union of the polygons' rectangles and returns it.
    const CRect& GetRect();

    // TRUE as soon as one polygon, tried in order, is hit.
    BOOL PtInArea(int x, int y, int nTolerance) const;

    CRect m_rect;
    CArray<CQYMPtArea, const CQYMPtArea&> m_arPolygons;

private:
    void AddPolygon(const POINT* lpPoints, int nCount);
    void UpdateRect();
    void SubdivideToDepth(CQYPointArray* pOut, float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                          float y3, int nDepth);
    void AppendFlatPoint(CQYPointArray* pOut, float x, float y);
};
