// The points of a component, of its ports and of its group members, kept
// before or after an edit whose inverse rounds (a rotation by any angle
// turns whole pixels into fractions), so that undo and redo can put every
// point back exactly instead of computing it again.
#pragma once

#include "framework/base/CRect.h"

#include <vector>

class CQYDrawComponent;

class CQYPointsSnapshot {
public:
    // The points as they are now. The component must outlive the snapshot's
    // use (the command that keeps it holds a reference).
    static CQYPointsSnapshot Take(CQYDrawComponent* pComp);

    // Puts the points back where they were: group members first, then the
    // component itself, then its ports, whose links' ends move along. A
    // component whose point counts changed since is left as it is.
    void Restore() const;

private:
    void RestoreOwnPoints() const;
    void RestorePort() const;
    bool Matches() const;

    CQYDrawComponent* m_pComp = nullptr;
    std::vector<POINT> m_points;
    std::vector<CQYPointsSnapshot> m_members;
    std::vector<CQYPointsSnapshot> m_ports;
};
