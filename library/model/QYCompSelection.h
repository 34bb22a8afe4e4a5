// The tracking state of the selected components during a drag, size or
// rotate gesture: one outline tracker per component, the union of their
// rectangles, and the trackers drawn by the last step (the redraw list).
// Outlines invert, so a step's outlines are taken off by drawing the redraw
// list again (RemoveTrack) before the next step.  Each drawing of the list is
// one pass (CQYTrackPass), in which every outline, a link's among them, is
// drawn once.  Each step receives the logical point (x, y) shown at the
// window's top-left corner and brings the track points into window
// coordinates by (-x, -y).
#pragma once

#include "framework/base/CRect.h"
#include "framework/collections/Lists.h"
#include "framework/object/Object.h"

#include <vector>

class CDC;
class CQYCompList;
class CQYMultiTracker;

// The point of a selection handle on a rectangle: 0 top-left, clockwise to
// 7 left-middle; any other value the centre (middles as truncated halves).
CPoint QYGetHandlePoint(const CRect& rect, UINT nHandle);

class CQYCompSelection : public CObject {
    DECLARE_SERIAL(CQYCompSelection)
public:
    CQYCompSelection();
    CQYCompSelection(const CQYCompSelection&) = delete;
    CQYCompSelection& operator=(const CQYCompSelection&) = delete;
    ~CQYCompSelection() override;

    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
    // One tracker per non-null component, and the union of their rectangles
    // (an all-zero rectangle counts as none).  The redraw list is left as it
    // is: empty it before.
    virtual void BeginTrack(CQYCompList* pList);
    // The current handle's point on the union rectangle.
    virtual CPoint GetHandlePoint();
    virtual void Clear();
    virtual void MoveTrack(CDC* pDC, int dx, int dy, int rx, int ry);
    virtual void SizeTrack(CDC* pDC, int x, int y, float fScaleX, float fScaleY, int nHandle);
    virtual void RotateTrack(CDC* pDC, int nAngle, int x, int y);
    virtual void SizeTrackBySpot(CDC* pDC, int px, int py, int nSpot, int x, int y);
    virtual void MoveTrackPoint(CDC* pDC, int x, int y, int nIndex, int dx, int dy, int rx, int ry);
    virtual void MoveLinkTrackPoint(CDC* pDC, int x, int y, int nIndex, int dx, int dy, int rx, int ry);
    virtual void OffsetTrack(CDC* pDC, int x, int y, int rx, int ry);
    virtual void OffsetLinkTrack(CDC* pDC, int x, int y, int rx, int ry);
    virtual void DrawTrack(CDC* pDC);
    virtual void DrawOutline(CDC* pDC);
    virtual void RemoveTrack(CDC* pDC);
    virtual void RemoveOutline(CDC* pDC);
    virtual void SetTrackComponents(CQYCompList* pList);

    int GetTrackerCount() const { return m_nCount; }
    CQYMultiTracker* GetTracker(int nIndex) const { return m_pTrackers[nIndex]; }
    const CRect& GetUnionRect() const { return m_rectUnion; }
    int GetRedrawCount() const { return static_cast<int>(m_listRedraw.GetCount()); }

private:
    typedef std::vector<CQYMultiTracker*> Trackers;
    static void DeleteTrackers(Trackers& trackers);
    static void FillTrackers(Trackers& trackers, CQYCompList* pList, CRect* pUnion);
    // In the open drawing pass, the components of the redraw list become the
    // drawers of their own outlines.
    void ClaimOwnOutlines();
    // After a move step: the track points of the links whose two ends are
    // on tracked components.
    void FollowBothEnds(int dx, int dy, int rx, int ry);

    Trackers m_pTrackers;
    int m_nSecondCount = 0;
    int m_nCount = 0;
    Trackers m_pSecondTrackers;
    CRect m_rectUnion;
    int m_nCurHandle = 0;
    CPtrList m_listRedraw;
};
