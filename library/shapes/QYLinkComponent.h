// The connector drawn between two ports of other components: an open
// polyline with an optional line end at each end, its caption at the
// middle of its length, and an elbow mode that keeps every segment
// horizontal or vertical.  It holds a counted reference on each port it is
// attached to; each port's link list holds one on the link.
#pragma once

#include "library/model/QYDrawComponent.h"
#include "library/model/QYPortLink.h"
#include "library/shapes/QYBaseEndObject.h"
#include "library/shapes/QYLineEndOwner.h"

class CQYPortComponent;

class CQYLinkComponent : public CQYDrawComponent, public CQYPortLink, public QYLineEndAccess<CQYLinkComponent> {
    DECLARE_SERIAL(CQYLinkComponent)
public:
    CQYLinkComponent();
    // Points, properties, elbow mode, arrow types, label point and copies of
    // the line ends; attached to no port.
    CQYLinkComponent(const CQYLinkComponent& src);
    // Deletes both line ends and gives back the port references it holds.
    ~CQYLinkComponent() override;

    // The draw-component record, then elbow mode, both arrow types, both
    // line ends (object references, NULL allowed) and the label point.
    // Ports are not stored: they bind again by exact point on loading.
    void Serialize(CArchive& ar) override;
    CQYDrawComponent* Copy() override;

    // Sets the points (with the elbow mode: first point, corner, last
    // point) and binds the given ports, then the area and position.  FALSE
    // (nothing changed) for fewer than two points.
    BOOL CreateFromArray(const CArray<CPoint, CPoint>* pPoints, CQYPortComponent* pFrom = nullptr,
                         CQYPortComponent* pTo = nullptr) override;
    virtual BOOL CreateFromPoints(const POINT* lpPoints, int nCount, CQYPortComponent* pFrom = nullptr,
                                  CQYPortComponent* pTo = nullptr);

    // CQYPortLink
    BOOL MoveEndAtPort(CQYPortComponent* pPort, int dx, int dy) override;
    BOOL MoveTrackEndAtPort(CQYPortComponent* pPort, int dx, int dy) override;
    BOOL OffsetLinkTrackPoint(CQYPortComponent* pPort, int nIndex, int dx, int dy) override;
    void MoveTrackByPort(CQYPortComponent* pPort, int dx, int dy, int rx, int ry) override;
    void CopyToTrackPoints() override;
    CPoint GetStartPoint() override;
    CPoint GetEndPoint() override;
    // AddRef the new port, Release the old one, store.
    void SetFromPort(CQYPortComponent* pPort) override;
    void SetToPort(CQYPortComponent* pPort) override;
    void DetachPort(CQYPortComponent* pPort) override;

    CQYPortComponent* GetFromPort() override;
    CQYPortComponent* GetToPort() override;
    virtual CQYDrawComponent* GetFromComp();
    virtual CQYDrawComponent* GetToComp();
    virtual void SetLabelPoint(const CPoint& point);
    CPoint GetLabelPoint() const { return m_ptLabel; }
    virtual void SetFromPortParent(CQYDrawComponent* pParent);
    virtual void SetToPortParent(CQYDrawComponent* pParent);
    // Takes the link out of both ports' link lists and lets go of both
    // ports (the remove-link path).
    virtual void DetachFromPorts();

    // The distance rounded half away from zero; the squares are summed in
    // 64 bits.
    virtual int GetDistance(int x1, int y1, int x2, int y2);
    virtual int GetLength();
    // The middle of the segment on which half the length is reached.
    virtual CPoint GetCenterPoint();
    virtual BOOL MoveElbowPoint(int nIndex, CPoint* pPoint, int dx, int dy);
    virtual BOOL MoveElbowTrackPoint(int nIndex, CPoint* pPoint, int dx, int dy);
    virtual BOOL IsOrthogonal();
    virtual BOOL IsEndPoint(int nIndex);

    // The arrow type of the end, for the ports and the model that know the
    // figure only as a connector or point figure.
    void SetEndArrowType(const int& nType) override;

    virtual BOOL MovePortBy(CQYPortComponent* pPort, int dx, int dy);
    void OffsetSelectedTrack(int dx, int dy, int ex, int ey) override;
    void OffsetAllTrackPoints(int dx, int dy) override;
    BOOL OffsetTransformedTrackPoint(int nIndex, int dx, int dy) override;

    virtual BOOL GetElbow();
    // Stores the mode; the points are not routed again.
    virtual void SetElbow(BOOL bElbow);
    virtual void RouteElbow();
    virtual void RouteTrackElbow();
    static CPoint* GetRectSpot(CPoint* pOut, const CRect& rc, int nSpot);

    CRect GetRect() override;
    // The default bounds widened by what the line ends reach, joined with
    // the caption's box around the label point and around the middle of
    // the length.
    CRect GetDrawingBounds(CDC* pDC, const CRect& rectPosition) override;
    // The polyline area with the line ends' areas; the caption returns to
    // the middle of the length.
    void GeometryUpdated(CQYArea* pRgn) override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDrawTrackCustom(CDC* pDC) override;
    // Every point is a handle.
    void GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray) override;
    BOOL OffsetTrackPoint(int nIndex, int dx, int dy) override;
    void OffsetTrackComponent(int dx, int dy, int nParam1, int nParam2) override;
    void ResetTrackPoints() override;
    BOOL OffsetPoint(int nIndex, int dx, int dy) override;
    void OffsetComponent(int dx, int dy) override;

    CQYBaseEndObject* m_pStartArrow = nullptr;
    CQYBaseEndObject* m_pEndArrow = nullptr;
    CQYPortComponent* m_pFromPort = nullptr;
    CQYPortComponent* m_pToPort = nullptr;
    CPoint m_ptLabel;
    CRect m_rcLabel;
    int m_nStartArrowType = 0;
    int m_nEndArrowType = 0;
    BOOL m_bElbow = TRUE;

private:
    void SetPort(CQYPortComponent*& rpSlot, CQYPortComponent* pPort);
    void SetPolyline(const std::vector<POINT>& points);
    void DrawCaption(CDC* pDC);
    // Track points nFirst to nLast moved by (dx, dy) with the elbow rules,
    // in index order.
    void MoveTrackPointsBy(int nFirst, int nLast, int dx, int dy);
};
