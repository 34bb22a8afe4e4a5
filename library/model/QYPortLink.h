// What a port asks of a connector attached to it.  The connector class
// (a draw component) implements these next to its drawing; a port reaches
// them through the components of its link list.
#pragma once

#include "framework/base/CRect.h"
#include "framework/collections/Arrays.h"

class CQYDrawComponent;
class CQYPortComponent;

class CQYPortLink {
public:
    virtual ~CQYPortLink() = default;

    // Moves the end attached to pPort (its points, or its track points) by
    // (dx, dy).
    virtual BOOL MoveEndAtPort(CQYPortComponent* pPort, int dx, int dy) = 0;
    virtual BOOL MoveTrackEndAtPort(CQYPortComponent* pPort, int dx, int dy) = 0;
    // Moves track point nIndex by (dx, dy).
    virtual BOOL OffsetLinkTrackPoint(CQYPortComponent* pPort, int nIndex, int dx, int dy) = 0;
    // The track outline while pPort's owner is dragged: the end at pPort
    // follows (dx, dy), the rest compensates the scroll (rx, ry).
    virtual void MoveTrackByPort(CQYPortComponent* pPort, int dx, int dy, int rx, int ry) = 0;
    // Copies the points into the track points.
    virtual void CopyToTrackPoints() = 0;
    virtual CPoint GetStartPoint() = 0;
    virtual CPoint GetEndPoint() = 0;
    // Binds the first (last) point to a port.
    virtual void SetFromPort(CQYPortComponent* pPort) = 0;
    virtual void SetToPort(CQYPortComponent* pPort) = 0;
    // Lets go of pPort at whichever end is bound to it (the port is going
    // away).  Connectors that hold no reference on their ports need not.
    virtual void DetachPort(CQYPortComponent* pPort) {}
    // The ports the two ends are bound to (NULL for a free end).
    virtual CQYPortComponent* GetFromPort() { return nullptr; }
    virtual CQYPortComponent* GetToPort() { return nullptr; }
    // The connector's points from an array, its ends bound to the ports
    // given (either may be NULL); FALSE when the array is unusable or the
    // connector makes its points otherwise.
    virtual BOOL CreateFromArray(const CArray<CPoint, CPoint>* pPoints, CQYPortComponent* pFrom, CQYPortComponent* pTo)
    {
        return FALSE;
    }
    // The arrow type code of the end (0 for none); connectors without line
    // ends ignore it.
    virtual void SetEndArrowType(const int& nType) {}
    // The track outline of a connector dragged on its own: the ends bound to
    // ports stay on the screen (they move by (-rx, -ry)), the rest follows.
    virtual void OffsetSelectedTrack(int dx, int dy, int rx, int ry) {}
    virtual void OffsetAllTrackPoints(int dx, int dy) {}
    // Moves one track point as a drag of that point or end would.
    virtual BOOL OffsetTransformedTrackPoint(int nIndex, int dx, int dy) { return FALSE; }
};

// The connector side of a component in a port's link list, or NULL for a
// component that is no connector.
CQYPortLink* QYGetPortLink(CQYDrawComponent* pComp);
