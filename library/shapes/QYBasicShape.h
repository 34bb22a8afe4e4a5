// The common body of the 21 polygon shapes of the toolbox (diamond, arrows,
// callouts, star, can...): each computes its outline from the rectangle it
// is created in, adds its default ports and draws the outline, some with
// faces.  A shape has no data of its own: its record is the draw-ports
// record.  The concrete classes (QYBasicShapes.h) only name their type.
#pragma once

#include "library/model/QYDrawPortsComponent.h"

#include <initializer_list>

class CQYBasicShape : public CQYDrawPortsComponent {
public:
    ~CQYBasicShape() override;

    void Serialize(CArchive& ar) override;

    // The outline from rcPos, the caption, then the default ports placed
    // against the points' bounding rectangle.
    void Create(CRect& rcPos, CString strCaption = "") override;
    // Bounding rectangle of the points, stored as the position.
    CRect GetRect() override;
    // The outline polygon, or for cube, bevel, can and corner the whole
    // bounding rectangle of the points.
    void GeometryUpdated(CQYArea* pRgn) override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDrawTrackCustom(CDC* pDC) override;
    void GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray) override;

    // The type code of the class (51 to 71).
    virtual int GetShapeType() const = 0;

protected:
    CQYBasicShape(int nType);
    CQYBasicShape(const CQYBasicShape& src);

private:
    void FillPoints(CDC* pDC, std::initializer_list<int> indexes);
    void DrawFaces(CDC* pDC, std::initializer_list<std::initializer_list<int>> faces);
    void DrawCan(CDC* pDC);
    void AddCanBody(CDC* pDC);
    void TrackCubeOrBevel(CDC* pDC);
    void TrackCorner(CDC* pDC);
    void TrackCan(CDC* pDC);
};
