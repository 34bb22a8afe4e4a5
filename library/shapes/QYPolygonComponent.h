// The free polygon: any number of points, closed implicitly, filled with
// the default set's fill.  Made from the points the user drew.
#pragma once

#include "library/model/QYDrawComponent.h"
#include "library/model/QYPointFigure.h"

class CQYPolygonComponent : public CQYDrawComponent, public CQYPointFigure {
    DECLARE_SERIAL(CQYPolygonComponent)
public:
    CQYPolygonComponent();
    CQYPolygonComponent(const CQYPolygonComponent& src);
    ~CQYPolygonComponent() override;

    // The draw-component record only.
    void Serialize(CArchive& ar) override;
    CQYDrawComponent* Copy() override;

    // Takes all the points; TRUE.
    BOOL CreateFromArray(const CArray<CPoint, CPoint>& points) override;

    CRect GetRect() override;
    void GeometryUpdated(CQYArea* pRgn) override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDrawShadow(CDC* pDC) override;
    void GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray) override;
};
