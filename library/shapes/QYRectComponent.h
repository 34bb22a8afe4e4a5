// The rectangle: four corner points, five connection ports (the centre and
// the middle of each side), filled with the default set's fill.
#pragma once

#include "library/model/QYDrawPortsComponent.h"

class CQYRectComponent : public CQYDrawPortsComponent {
    DECLARE_SERIAL(CQYRectComponent)
public:
    CQYRectComponent();
    CQYRectComponent(const CQYRectComponent& src);
    ~CQYRectComponent() override;

    // The draw-ports record; the rectangle stores nothing of its own.
    void Serialize(CArchive& ar) override;
    CQYDrawComponent* Copy() override;

    // Corners (left, top), (right, top), (right, bottom), (left, bottom),
    // then the ports at (0.5, 0.5), (0, 0.5), (0.5, 1), (1, 0.5), (0.5, 0).
    void Create(CRect& rcPos, CString strCaption = "") override;
    // Bounding box of the points, stored as the position and returned.
    CRect GetRect() override;
    // Hit area = polygon of the points; position = its bounding rectangle.
    void GeometryUpdated(CQYArea* pRgn) override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray) override;
};
