// The ellipse of the toolbox: a closed cubic Bézier curve of four segments
// stored as 13 points (P0 = P12), with five connection ports.  The class
// name is written into documents spelt as here.
#pragma once

#include "library/model/QYDrawPortsComponent.h"

class CQYEllipseComponnent : public CQYDrawPortsComponent {
    DECLARE_SERIAL(CQYEllipseComponnent)
public:
    CQYEllipseComponnent();
    CQYEllipseComponnent(const CQYEllipseComponnent& src);
    ~CQYEllipseComponnent() override;

    // The draw-ports record only.
    void Serialize(CArchive& ar) override;
    CQYDrawComponent* Copy() override;

    // The 13 points inscribed in rcPos, the caption, then the ports at
    // (0.5, 0.5), (0, 0.5), (0.5, 1), (1, 0.5), (0.5, 0) of the points'
    // bounding rectangle.
    void Create(CRect& rcPos, CString strCaption = "") override;
    // The draw-ports area, then the flattened closed curve; the position
    // becomes the curve's bounding rectangle.
    void GeometryUpdated(CQYArea* pRgn) override;
    void OnDrawTrackCustom(CDC* pDC) override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDrawShadow(CDC* pDC) override;

    // Writes the 13 outline points of the ellipse inscribed in the
    // rectangle into the point array (allocated by the caller).
    virtual void BuildEllipsePoints(const CRect& rect);
};

// The 13 points of the ellipse inscribed in the rectangle: four arcs whose
// joints lie on the diagonals, in single precision, truncated.
void QYBuildEllipsePoints(const CRect& rect, POINT out[13]);
