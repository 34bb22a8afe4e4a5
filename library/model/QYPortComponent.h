// A connection port: a small component with exactly one point, placed on
// its owner at fixed fractions of the owner's rectangle, holding the links
// (connectors) attached to it and moving their ends whenever it moves.
#pragma once

#include "library/model/QYCompList.h"
#include "library/model/QYDrawComponent.h"

// The type code of ports (they are never made by type code).
#define QY_COMP_PORT 90

class CQYPortComponent : public CQYDrawComponent {
    DECLARE_SERIAL(CQYPortComponent)
public:
    CQYPortComponent();
    // Width, height, relative position, point and property sets; no links
    // and no owner.
    CQYPortComponent(const CQYPortComponent& src);
    ~CQYPortComponent() override;

    void Serialize(CArchive& ar) override;

    // The 4-point square of the port's size around its point.
    void GeometryUpdated(CQYArea* pRgn) override;
    // Bounding box of the point widened by half the port's size.
    void UpdatePosition() override;
    // A port has no resize handles: both empty the array.
    void GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray) override;
    void GetPointSpotLocation(CArray<CPoint, CPoint>* pArray) override;
    // A square of half the port's size centred on its point.
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    // The track square, then each attached link's track outline.
    void OnDrawTrackCustom(CDC* pDC) override;
    CQYDrawComponent* Copy() override;

    // These move the point and then the attached link ends by the point's
    // displacement.
    void ScaleComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY) override;
    void RotateComponent(int nAngle, float fOriginX, float fOriginY) override;
    void OffsetComponent(int dx, int dy) override;
    // FALSE (nothing moved, no link touched) for an index other than 0.
    BOOL OffsetPoint(int nIndex, int dx, int dy) override;
    void ScaleTrackComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY) override;
    void RotateTrackComponent(int nAngle, float fOriginX, float fOriginY) override;
    BOOL OffsetTrackPoint(int nIndex, int dx, int dy) override;
    void OffsetTrackComponent(int dx, int dy, int nParam1, int nParam2) override;
    void ResetTrackPoints() override;

    // A single point at (x, y) and the owner.
    virtual void PlacePort(int x, int y, CQYDrawComponent* pParent);
    virtual CQYDrawComponent* GetParentComp();
    virtual void SetParentComp(CQYDrawComponent* pParent);
    virtual CPoint GetLinkPoint();
    // Moves the attached link ends by the way to pt, then the point.
    virtual void MoveLinkPoint(CPoint* pPoint);
    virtual CPoint GetTrackLinkPoint();
    virtual void MoveTrackLinkPoint(CPoint* pPoint, int nParam1 = 0, int nParam2 = 0);
    virtual int GetPortWidth();
    virtual int GetPortHeight();
    virtual void SetPortWidth(int nWidth);
    virtual void SetPortHeight(int nHeight);
    // Inside the port's box (right and bottom edges outside).
    virtual BOOL HitTest(CPoint point);
    virtual int GetLinkCount();
    // Appends the link with one reference unless it is already attached.
    virtual void AddLink(CQYDrawComponent* pLink);
    // Takes the link out (giving its reference back) when attached.
    virtual void RemoveLink(CQYDrawComponent* pLink);
    virtual void RemoveAllLinks();
    // Cuts the bonds both ways: every attached link lets go of this port,
    // then the list lets go of the links.  Ports and links hold references
    // on each other, so a port whose owner goes must cut them.
    void DetachAllLinks();
    virtual double GetRelativeX();
    virtual double GetRelativeY();
    virtual void SetRelativePosition(double fX, double fY);
    // After loading: binds each link whose first or last point lies exactly
    // on the port's point to this port at that end.
    virtual void UpdateLinks();

    CQYCompList* GetLinkList() { return &m_listLinks; }
    // The port's box around its point.
    CRect GetPortRect();

    CQYCompList m_listLinks;
    CQYDrawComponent* m_pParentComp = nullptr;
    int m_nPortWidth = 8;
    int m_nPortHeight = 8;
    double m_fRelativeX = 0.5;
    double m_fRelativeY = 0.5;

private:
    // Calls fn on the connector side of each attached link.
    template <class FN>
    void ForEachLink(FN fn);
    // Moves every attached link end by (dx, dy).
    void MoveLinkEnds(int dx, int dy);
    void MoveLinkTrackEnds(int dx, int dy);
    CPoint PointOrOrigin(const POINT* lpPoints, int nCount) const;
};
