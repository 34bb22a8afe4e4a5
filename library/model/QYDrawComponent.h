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
#include "library/model/QYExport.h"
#include "library/model/QYFillKinds.h"

class CDC;
class CWnd;

class CQYDrawComponent : public CQYBaseComponent {
    DECLARE_SERIAL(CQYDrawComponent)
public:
    // A new component holds the default property set, except the one made
    // while a ReadingStoredComponent is alive: that one is being read from an
    // archive, whose record replaces the sets at once.
    CQYDrawComponent();
    CQYDrawComponent(const CQYDrawComponent& src);
    ~CQYDrawComponent() override;

    // Marks the next component made on this thread, within the scope, as one
    // read from an archive (set around reading one component object).
    class ReadingStoredComponent {
    public:
        ReadingStoredComponent();
        ~ReadingStoredComponent();
        ReadingStoredComponent(const ReadingStoredComponent&) = delete;
        ReadingStoredComponent& operator=(const ReadingStoredComponent&) = delete;
    };

    // The largest distance of a stored point from the origin, in logical
    // pixels (about 44 miles at 96 per inch).  A record with a point further
    // out is refused, so moving, pasting and scaling what was read never
    // overflows a coordinate.
    static constexpr LONG kMaxStoredCoordinate = 1 << 28;

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

    // Drawing.  Each preparing operation saves the DC state and the clearing
    // operations restore it.  The track outline is drawn in NOT-XOR, so the
    // same outline drawn twice leaves the surface as it was.
    virtual void PrepareTrackDC(CDC* pDC);
    virtual void OnDrawTrack(CDC* pDC);
    virtual void OnDrawTrackCustom(CDC* pDC);
    virtual void ClearTrackDC(CDC* pDC);
    // Selects the default set's brush, pen and font and its colours.
    virtual void PrepareDC(CDC* pDC);
    // Selects the shadow brush and no pen.
    virtual void PrepareShadowDC(CDC* pDC);
    // Body, 3-D body and shadow: nothing here; shapes draw themselves.
    virtual void OnDrawFlat(CDC* pDC);
    virtual void OnDraw3d(CDC* pDC);
    // The shadow (when switched on), then the flat or 3-D body.
    virtual void OnDraw(CDC* pDC);
    virtual void OnDrawShadow(CDC* pDC);
    // The tab-order number in a navy box at the top-left corner.
    virtual void OnDrawTabOrder(CDC* pDC);
    // Nothing here; the ports layer draws its ports.
    virtual void OnDrawPorts(CDC* pDC, BOOL bDraw);
    virtual void ClearShadowDC(CDC* pDC);
    virtual void ClearDC(CDC* pDC);
    // The fills paint the figure with fill kind nBrushType in the selected
    // brush and pen (kinds below 42), or a gradient or bitmap fill clipped
    // to the figure and then its outline (42 to 91); 92 and above draw
    // nothing.  The shadow forms use the shadow colours and kind at the
    // shadow offset and leave the point array as it was.
    virtual void FillShadowBezier(CDC* pDC, LPPOINT lpPoints, int nCount);
    virtual void FillBezier(CDC* pDC, LPPOINT lpPoints, int nCount, COLORREF crBk, COLORREF crPattern, UINT nBrushType);
    virtual void FillShadowPoly(CDC* pDC, LPPOINT lpPoints, int nCount);
    virtual void FillPoly(CDC* pDC, LPPOINT lpPoints, int nCount, COLORREF crBk, COLORREF crPattern, UINT nBrushType);
    virtual void FillShadowCloseBezier(CDC* pDC, LPPOINT lpPoints, int nCount);
    virtual void FillCloseBezier(CDC* pDC, LPPOINT lpPoints, int nCount, COLORREF crBk, COLORREF crPattern,
                                 UINT nBrushType);
    // Text in the font colour on a transparent background.
    virtual void DrawText(CDC* pDC, CString& str, LPRECT lpRect, UINT nFormat);
    // The navy frame with white-cut handles around a selected component.
    virtual void OnDrawSelect(CDC* pDC, CRect rcTotal);
    // Nothing here; point-based shapes outline themselves.
    virtual void OnDrawHighlight(CDC* pDC);
    // The rectangle outside which OnDraw leaves no pixel, given the
    // component's normalised rectangle: the rectangle widened by what line
    // widths, arrow heads and ports add (48 units and the line width) and by
    // the shadow's offset.  Components that draw further out (a link's
    // caption, large arrow heads) widen it more.  A page is painted without
    // the components whose bounds lie wholly outside the painted area.
    virtual CRect GetDrawingBounds(CDC* pDC, const CRect& rectPosition);

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

    // The gradient fill of a rectangle (gradient index 0 to 19).
    void DrawGradient(CDC* pDC, CRect rect, COLORREF crStart, COLORREF crEnd, UINT nGradient);
    // The track pen, made on first use from the default set's line style
    // and width; ReleasePen drops it so that the next use remakes it.
    CPen* GetTrackPen();
    void ReleasePen();

    CQYCompProperties* GetDefaultProperty();

    // Shortcuts to the default property set, used by derived and generated
    // component classes.  Setters do nothing and getters return the set's
    // defaults when the component has no default set.
    void SetType(int nType);
    int GetType();
    void SetBkColor(COLORREF crColor);
    COLORREF GetBkColor();
    COLORREF GetPatternColor();
    void SetBrushType(int nBrushType);
    int GetBrushType();
    void SetLineWidth(int nWidth);
    void SetLineColor(COLORREF crColor);
    void SetNullPen(BOOL bNullPen);
    int GetShadowOffsetX();
    int GetShadowOffsetY();
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
    // A component holds one or two property sets: nodes are allocated one
    // at a time rather than in blocks of ten.
    CObList m_listProperties{1};
    CFont m_fontTabOrder;
    LPPOINT m_lpCompPoints = nullptr;
    int m_nCompPtCount = 0;
    LPPOINT m_lpCompTrackPoints = nullptr;
    int m_nCompTrackPtCount = 0;
    CPen* m_pTrackPen = nullptr;
    BOOL m_bOver4ResizeHandles = FALSE;
    CPen m_penNull;

protected:
    // The geometry update order after the points changed: position, track
    // points, hit area.
    void UpdateGeometry();

    // The badge font of the tab order and the null pen, made on first use.
    CFont* TabOrderFont();
    CPen* NullPen();

private:
    void CreateTabOrderFont();
    // Paints the bounding rectangle of the points with a gradient (kinds
    // 42-61) or bitmap (62-91) fill inside the clip set by the caller.
    void FillClippedRect(CDC* pDC, const POINT* lpPoints, int nCount, COLORREF crBk, COLORREF crPattern,
                         UINT nBrushType);
    void DeleteAttachedObject();
};
