// One drawing pass of track outlines.  Outlines are drawn with an inverting
// pen, so an outline drawn twice in one pass cancels out and never shows.
// A connector's outline has several possible drawers: the port at each of
// its ends (a shape draws the links at its ports with its own outline), a
// group it belongs to, and the connector itself when it is tracked.  Within
// one pass the first of them to ask becomes its only drawer; later drawers
// leave it alone.  The pass that erases asks in the same order, so it draws
// each outline with the same drawer again.
//
// A pass lasts as long as the outermost CQYTrackPass object on the thread;
// inner objects join it.  Outside a pass every drawer draws.
#pragma once

#include <unordered_map>

class CQYDrawComponent;

class CQYTrackPass {
public:
    CQYTrackPass();
    CQYTrackPass(const CQYTrackPass&) = delete;
    CQYTrackPass& operator=(const CQYTrackPass&) = delete;
    ~CQYTrackPass();

    // Whether pDrawer draws pComp's outline in the open pass: TRUE for the
    // first drawer that asks about pComp and for it alone afterwards.
    // Always TRUE when no pass is open.
    static bool Claim(const CQYDrawComponent* pComp, const CQYDrawComponent* pDrawer);

private:
    using Drawers = std::unordered_map<const CQYDrawComponent*, const CQYDrawComponent*>;
    // The drawers of the pass this object opened; empty for one that joined.
    Drawers m_drawers;
    bool m_bOpened = false;
};
