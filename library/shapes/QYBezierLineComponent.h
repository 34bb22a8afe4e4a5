// The free-standing open cubic Bézier curve (3k + 1 points) with a line
// end at each end.
#pragma once

#include "library/model/QYDrawComponent.h"
#include "library/model/QYPointFigure.h"
#include "library/shapes/QYBaseEndObject.h"
#include "library/shapes/QYLineEndOwner.h"

class CQYBezierLineComponent : public CQYDrawComponent,
                               public CQYPointFigure,
                               public QYLineEndAccess<CQYBezierLineComponent> {
    DECLARE_SERIAL(CQYBezierLineComponent)
public:
    CQYBezierLineComponent();
    CQYBezierLineComponent(const CQYBezierLineComponent& src);
    ~CQYBezierLineComponent() override;

    // The draw-component record, then both arrow types and both line ends.
    void Serialize(CArchive& ar) override;
    CQYDrawComponent* Copy() override;

    // Keeps the first 3k + 1 points, k = (n - 1) / 3.  Fewer than 4 points
    // make no segment: FALSE and nothing changes.
    BOOL CreateFromArray(const CArray<CPoint, CPoint>& points) override;

    // The arrow type of the end, for the ports and the model that know the
    // figure only as a connector or point figure.
    void SetEndArrowType(const int& nType) override;

    CRect GetRect() override;
    // The default bounds widened by what the line ends reach.
    CRect GetDrawingBounds(CDC* pDC, const CRect& rectPosition) override;
    void GeometryUpdated(CQYArea* pRgn) override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDrawTrackCustom(CDC* pDC) override;
    // The control polygon as a dotted green polyline.
    void OnDrawHighlight(CDC* pDC) override;
    void GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray) override;

    CQYBaseEndObject* m_pStartArrow = nullptr;
    CQYBaseEndObject* m_pEndArrow = nullptr;
    int m_nStartArrowType = 0;
    int m_nEndArrowType = 0;
};
