// The free-standing polyline with a line end at each end; its elbow mode
// keeps the segments horizontal and vertical while points move.
#pragma once

#include "library/model/QYDrawComponent.h"
#include "library/model/QYPointFigure.h"
#include "library/shapes/QYBaseEndObject.h"
#include "library/shapes/QYLineEndOwner.h"

class CQYLineComponent : public CQYDrawComponent, public CQYPointFigure, public QYLineEndAccess<CQYLineComponent> {
    DECLARE_SERIAL(CQYLineComponent)
public:
    CQYLineComponent();
    // Points, properties, elbow mode, arrow types and line-end copies.
    CQYLineComponent(const CQYLineComponent& src);
    ~CQYLineComponent() override;

    // The draw-component record, then elbow mode, both arrow types and
    // both line ends (object references, NULL allowed).
    void Serialize(CArchive& ar) override;
    CQYDrawComponent* Copy() override;

    // Takes all the points; routed when the elbow mode is on, else the mode
    // goes on when the segments are all horizontal or vertical.  FALSE
    // (nothing changed) for fewer than two points.
    BOOL CreateFromArray(const CArray<CPoint, CPoint>& points) override;
    virtual BOOL CreateFromPoints(const POINT* lpPoints, int nCount);

    // The arrow type of the end, for the ports and the model that know the
    // figure only as a connector or point figure.
    void SetEndArrowType(const int& nType) override;
    virtual BOOL GetElbow();
    virtual void SetElbow(BOOL bElbow);
    virtual BOOL IsOrthogonal();
    virtual void RouteElbow();
    static CPoint* GetRectSpot(CPoint* pOut, const CRect& rc, int nSpot);

    CRect GetRect() override;
    // The default bounds widened by what the line ends reach.
    CRect GetDrawingBounds(CDC* pDC, const CRect& rectPosition) override;
    void GeometryUpdated(CQYArea* pRgn) override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDrawTrackCustom(CDC* pDC) override;
    void GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray) override;
    // The point moves with the elbow rules (its neighbours follow while the
    // mode is on); FALSE for an index outside the list.
    BOOL OffsetTrackPoint(int nIndex, int dx, int dy) override;
    BOOL OffsetPoint(int nIndex, int dx, int dy) override;

    CQYBaseEndObject* m_pStartArrow = nullptr;
    CQYBaseEndObject* m_pEndArrow = nullptr;
    int m_nStartArrowType = 0;
    int m_nEndArrowType = 0;
    BOOL m_bElbow = FALSE;
};
