// The concrete base of everything drawn on a page: the component's geometry
// as integer points with a parallel list of track points (the outline shown
// while the user drags), its property sets, and the geometry operations
// (size by handle, scale, rotate, position, offset, point editing), its
// archive record and copying.
#pragma once

#include "framework/collections/Arrays.h"
#include "framework/collections/Lists.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/Pen.h"
#include "library/model/QYBaseComponent.h"
#include "library/model/QYCompProperties.h"

class CWnd;

class CQYDrawComponent : public CQYBaseComponent {
    DECLARE_SERIAL(CQYDrawComponent)
public:
    CQYDrawComponent();
    CQYDrawComponent(const CQYDrawComponent& src);
    ~CQYDrawComponent() override;

    void Serialize(CArchive& ar) override;

    void Create(CRect& rcPos, CString strCaption = "") override;
    // Rebuilds the area from the points (as one polygon).
    void GeometryUpdated(CQYArea* pRgn) override;

    // A new component of this one's class with its points and property sets.
    virtual CQYDrawComponent* Copy();
    // New width and height while handle nSpot (0-7, else the centre) stays.
    virtual void SizeBySpot(CSize size, UINT nSpot);
    virtual void ScaleComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY);
    virtual void ScaleTrackComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY);
    virtual void RotateComponent(int nAngle, float fOriginX, float fOriginY);
    virtual void RotateTrackComponent(int nAngle, float fOriginX, float fOriginY);
    // Fits the component into the rectangle.
    virtual void PositionComponent(LPCRECT lpRect);

    // Input hooks: nothing here; interactive subclasses react.
    virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT nFlags, CPoint point);
    virtual void OnRButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnRButtonUp(UINT nFlags, CPoint point);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnCancelMode();

    // Property sets, owned by the component; ids are unique in the list.
    virtual void RemoveAllProperties();
    // Stores a copy of pProp; FALSE when its id is already there.
    virtual BOOL AddProperty(CQYBaseProperties* pProp);
    // Takes the first set with the id out of the list (not deleted).
    virtual BOOL RemoveProperty(int nId);
    virtual CQYBaseProperties* FindProperty(int nId);

    virtual void AllocMemory(int nCount);
    // Handles 0-7: corners and mid-sides of the rectangle, clockwise from
    // the top-left.
    virtual void GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray);
    // One handle per point.
    virtual void GetPointSpotLocation(CArray<CPoint, CPoint>* pArray);
    // Position = bounding rectangle of the points.
    virtual void UpdatePosition();
    virtual BOOL IsOver4ResizeHandles();
    virtual void SetOver4ResizeHandles(BOOL bOver4ResizeHandles);

    // Track points.
    virtual void AllocTrackMemory(int nCount);
    virtual void GetTrackPoints(CArray<CPoint, CPoint>* pArray);
    virtual LPPOINT GetTrackPointsPtr();
    virtual void SetTrackPoints(CArray<CPoint, CPoint>* pArray);
    virtual void SetTrackPoints(const POINT* lpPoints, int nCount);
    virtual void MoveTrackComponent(int dx, int dy, int nParam1, int nParam2);
    virtual BOOL OffsetTrackPoint(int nIndex, int dx, int dy);
    virtual void OffsetTrackComponent(int dx, int dy, int nParam1, int nParam2);
    virtual void ResetTrackPoints();
    // Rectangle-like components: the first four track points follow pt while
    // handle nSpot of rect stays.
    virtual void SizeTrackBySpot(CRect rect, UINT nSpot, CPoint pt, int nParam1, int nParam2);
    virtual void OnSizeTrackBySpot(CRect rectOld, CRect rectNew, int nParam1, int nParam2);

    // Points.
    virtual void GetPoints(CArray<CPoint, CPoint>* pArray);
    virtual LPPOINT GetPointsPtr();
    virtual void SetPoints(CArray<CPoint, CPoint>* pArray);
    virtual void SetPoints(const POINT* lpPoints, int nCount);
    virtual CPoint GetPointAt(int nIndex);
    virtual void SetPointAt(int nIndex, CPoint point);
    virtual BOOL AddPoint(CPoint point);
    virtual BOOL InsertPoint(int nIndex, CPoint point);
    virtual BOOL RemovePoint(int nIndex);
    virtual BOOL OffsetPoint(int nIndex, int dx, int dy);
    virtual void OffsetComponent(int dx, int dy);
    virtual CRect GetPointsRect();

    CQYCompProperties* GetDefaultProperty();
    CQYArea& GetCompRgn() { return m_CompArea; }
    CRect GetTrackRect();
    void SetObjectName(LPCTSTR lpszName);
    void SetObjectCaption(LPCTSTR lpszCaption);
    CString GetObjectName();
    CString GetObjectCaption();
    CString GetFaceName();
    int GetPointCount() const { return m_nCompPtCount; }
    int GetTrackPointCount() const { return m_nCompTrackPtCount; }

    // Takes src's points and copies of its property sets (not its attached
    // object); the track points are left to the caller.
    CQYDrawComponent& operator=(const CQYDrawComponent& src);

    CObject* m_pAttachedObject = nullptr;
    CObList m_listProperties;
    CFont m_fontTabOrder;
    LPPOINT m_lpCompPoints = nullptr;
    int m_nCompPtCount = 0;
    LPPOINT m_lpCompTrackPoints = nullptr;
    int m_nCompTrackPtCount = 0;
    BOOL m_bOver4ResizeHandles = FALSE;
    CPen m_penNull;

protected:
    // The geometry update order after the points changed: position, track
    // points, hit area.
    void UpdateGeometry();

private:
    void CreateTabOrderFont();
    void DeleteAttachedObject();
};
