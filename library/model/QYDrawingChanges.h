// One count, for the whole program, of the changes that can alter where a
// page's components draw: points and rectangles, hit areas rebuilt, property
// sets replaced or changed, captions, and insertions into and removals from
// component lists.  A cache of drawing extents (the model's draw index) is
// good while the count stays where it was when the cache was made.
//
// Drawing itself sets rectangles again (the draw pass normalises each
// component's rectangle before drawing it); a QYDrawPassScope keeps those
// from counting, so that a repaint does not spoil the cache it used.
#pragma once

#include <cstdint>

// The count so far.
std::uint64_t QYDrawingChangeCount();
// Counts one change (nothing while a draw pass is running).
void QYNoteDrawingChange();

class QYDrawPassScope {
public:
    QYDrawPassScope();
    ~QYDrawPassScope();
    QYDrawPassScope(const QYDrawPassScope&) = delete;
    QYDrawPassScope& operator=(const QYDrawPassScope&) = delete;
};
