// The closed Bézier figure: 3k + 1 control points (k cubic segments),
// closed back to the first point and filled with the default set's fill.
#pragma once

#include "library/model/QYDrawComponent.h"
#include "library/model/QYPointFigure.h"

class CQYCloseBezierComponent : public CQYDrawComponent, public CQYPointFigure {
    DECLARE_SERIAL(CQYCloseBezierComponent)
public:
    CQYCloseBezierComponent();
    CQYCloseBezierComponent(const CQYCloseBezierComponent& src);
    ~CQYCloseBezierComponent() override;

    // The draw-component record only.
    void Serialize(CArchive& ar) override;
    CQYDrawComponent* Copy() override;

    // Keeps the first 3k + 1 points, k = (n - 1) / 3.  Fewer than 4 points
    // make no segment: FALSE and nothing changes.
    BOOL CreateFromArray(const CArray<CPoint, CPoint>& points) override;
    // The curve as straight pieces, appended to out (which the caller
    // passes empty): two points or fewer unchanged, three give nothing.
    void FlattenBezier(CArray<CPoint, CPoint>& out, const POINT* lpPoints, int nCount);
    void SubdivideBezier(CArray<CPoint, CPoint>& out, float x0, float y0, float x1, float y1, float x2, float y2,
                         float x3, float y3);

    CRect GetRect() override;
    // Hit area = the flattened closed curve.
    void GeometryUpdated(CQYArea* pRgn) override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDrawShadow(CDC* pDC) override;
    // The track points as a curve, joined back to the first by a line.
    void OnDrawTrackCustom(CDC* pDC) override;
    // The control points as an open green dotted polyline.
    void OnDrawHighlight(CDC* pDC) override;
    void GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray) override;
};
