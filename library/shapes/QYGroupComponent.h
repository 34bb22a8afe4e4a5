// A group binds several components into one: its rectangle is the union of
// its members' rectangles, it draws only its members, and it passes every
// geometry change, track-point change and property change on to them.
// The group holds one reference on each member.
#pragma once

#include "library/model/QYCompList.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYGroupMembers.h"

class CQYGroupComponent : public CQYDrawPortsComponent, public CQYGroupMembers {
    DECLARE_SERIAL(CQYGroupComponent)
public:
    CQYGroupComponent();
    // A deep copy: the members are the source members' own copies.
    CQYGroupComponent(const CQYGroupComponent& src);
    ~CQYGroupComponent() override;

    // The draw-ports record, then the member list.  Loading refuses a group
    // that contains itself, directly or through nested groups.
    void Serialize(CArchive& ar) override;
    CQYDrawComponent* Copy() override;

    // The four corners of the rectangle, then the base creation.
    void Create(CRect& rcPos, CString strCaption = "") override;
    // Fits the whole group into the rectangle: every member is scaled and
    // moved once.  An empty rectangle changes nothing.
    void SetRect(LPCRECT lpRect) override;
    // The four points become the corners of the rectangle; the hit area is
    // that polygon.
    void GeometryUpdated(CQYArea* pRgn) override;
    // The group's own area, then every member's.
    void UpdateComp() override;
    // Every member's position, then their union as the group's rectangle.
    void UpdatePosition() override;

    void ScaleComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY) override;
    void ScaleTrackComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY) override;
    void RotateComponent(int nAngle, float fOriginX, float fOriginY) override;
    void RotateTrackComponent(int nAngle, float fOriginX, float fOriginY) override;
    void PositionComponent(LPCRECT lpRect) override;
    BOOL OffsetTrackPoint(int nIndex, int dx, int dy) override;
    void OffsetTrackComponent(int dx, int dy, int nParam1, int nParam2) override;
    void ResetTrackPoints() override;
    BOOL OffsetPoint(int nIndex, int dx, int dy) override;
    void OffsetComponent(int dx, int dy) override;

    // The members in list order; the group draws nothing of its own.
    void OnDraw(CDC* pDC) override;
    // The union of the members' drawing bounds (their shadows, wide pens
    // and captions reach beyond the group's rectangle) with the group's own.
    CRect GetDrawingBounds(CDC* pDC, const CRect& rectPosition) override;
    // The track polygon in a green dotted pen, then each member's track.
    void OnDrawTrackCustom(CDC* pDC) override;
    void OnDrawHighlight(CDC* pDC) override;

    // The number of members.
    int GetPortCount() override;

    // Appends a member (one reference) and updates the rectangle.  The
    // group itself, and a group that contains this one, are refused.
    BOOL AddComponent(CQYDrawComponent* pComp) override;
    virtual void AddComponents(CQYCompList* pList);
    void RemoveComponent(CQYDrawComponent* pComp) override;
    virtual void RemoveComponents(CQYCompList* pList);
    virtual void RemoveAllComponents();

    CQYCompList* GetComponents() { return &m_listComponents; }
    CQYCompList* GetMemberList() override { return &m_listComponents; }
    // TRUE when pComp is this group or a member of it at any depth.
    BOOL Contains(const CQYDrawComponent* pComp) const;

    CQYCompList m_listComponents;

private:
    template <class FN>
    void ForEachMember(FN fn) const;
    // TRUE when adding pComp would make a group contain itself.
    BOOL WouldCycle(CQYDrawComponent* pComp) const;
};
