// The draw component with connection ports: it owns a list of ports and
// keeps them in step with every change of its geometry, so that the links
// attached to them follow.  Nearly every shape and form control derives
// from it.
#pragma once

#include "library/model/QYCompList.h"
#include "library/model/QYDrawComponent.h"

class CQYPortComponent;

class CQYDrawPortsComponent : public CQYDrawComponent {
    DECLARE_SERIAL(CQYDrawPortsComponent)
public:
    CQYDrawPortsComponent();
    CQYDrawPortsComponent(const CQYDrawPortsComponent& src);
    ~CQYDrawPortsComponent() override;

    void Serialize(CArchive& ar) override;

    void Create(CRect& rcPos, CString strCaption = "") override;
    void GeometryUpdated(CQYArea* pRgn) override;
    void SetCompRect(CRect& rect, int nParam1, int nParam2, int nParam3, int nParam4) override;
    CQYDrawComponent* Copy() override;
    // Own points first, then the same on every port.
    void ScaleComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY) override;
    void RotateComponent(int nAngle, float fOriginX, float fOriginY) override;
    void ScaleTrackComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY) override;
    void RotateTrackComponent(int nAngle, float fOriginX, float fOriginY) override;
    void OffsetTrackComponent(int dx, int dy, int nParam1, int nParam2) override;
    void ResetTrackPoints() override;
    void OffsetComponent(int dx, int dy) override;
    // Moves one vertex; each port is then re-placed at its fractions of the
    // new rectangle and its links follow by the port's own displacement.
    // FALSE (nothing moved) for a bad index.  The track form does the same
    // on the track points.
    BOOL OffsetPoint(int nIndex, int dx, int dy) override;
    BOOL OffsetTrackPoint(int nIndex, int dx, int dy) override;
    // Fits the component into the rectangle and re-places every port at its
    // fractions of it.
    void PositionComponent(LPCRECT lpRect) override;

    // The ports on the body (not when printing).
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDrawPorts(CDC* pDC, BOOL bDraw) override;
    // The shape shadow: the points' polygon in the shadow fill.
    void OnDrawShadow(CDC* pDC) override;
    // The track polygon, then the ports' track outlines.
    void OnDrawTrackCustom(CDC* pDC) override;

    virtual void OnDrawTrackPorts(CDC* pDC);
    virtual int GetPortCount();
    // Appends the port, taking a reference.
    virtual void AddPort(CQYPortComponent* pPort);
    // Appends every port of the list (other entries are skipped).
    virtual void AddPorts(CQYCompList* pList);
    // Takes the port out of the list and releases it, when present.
    virtual void RemovePort(CQYPortComponent* pPort);
    virtual void RemovePorts(CQYCompList* pList);
    virtual void RemoveAllPorts();
    // Detaches every link from every port.
    virtual void ClearPortLinks();
    // The last port whose box holds the point, or NULL.
    virtual CQYPortComponent* HitTestPort(CPoint point);
    // The last port at exactly these fractions, or NULL.
    virtual CQYPortComponent* FindPort(double fX, double fY);
    // A new port at the fractions (fX, fY) of the rectangle, added to the
    // list (whose reference is its only one).
    virtual CQYPortComponent* CreateDefaultPort(double fX, double fY);

    CQYCompList* GetPortList() { return &m_listPorts; }
    CQYPortComponent* GetPortAt(POSITION position) const;

    CQYDrawPortsComponent& operator=(const CQYDrawPortsComponent& src);

    CQYCompList m_listPorts;

protected:
    // Moves every port to its fractions of the rectangle (normalised
    // first), dragging its links by the port's displacement.
    void PlacePortsOn(CRect rect);
    void PlaceTrackPortsOn(CRect rect);
};
